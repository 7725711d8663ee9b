#include "generate.h"

#include <cstdint>
#include <cstring>
#include <cctype>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

#include "compare.h"
#include "import.h"
#include "locate.h"
#include "presence_form.h"
#include "xml_input.h"

namespace pxp {
namespace {

// A child element of a state's root, keyed by id where the schema gives one.
struct Item {
  pugi::xml_node node;
  ExpandedName name;
  std::string key;  // empty: matched by position among its kind
  std::string_view id;
};

bool keyedKind(const ExpandedName& n) {
  return (n.local == "tuple" && sameUri(n.uri, kPidfNs)) ||
         ((n.local == "person" || n.local == "device") && sameUri(n.uri, kDataModelNs));
}

bool collectItems(pugi::xml_node root, Scopes& scopes, int document, std::vector<Item>& items, bool* uniqueKeys,
                  Failure& failure) {
  std::unordered_map<std::string, int> seen;
  *uniqueKeys = true;
  for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) {
    if (c.type() != pugi::node_element) continue;
    Item item{c, {}, {}, {}};
    if (!scopes.elementName(c, &item.name)) {
      failure.document = document;
      return fail(failure, PXP_E_INVALID_DOCUMENT, std::string("the prefix of <") + c.name() + "> is not declared");
    }
    pugi::xml_attribute id = c.attribute("id");
    if (keyedKind(item.name) && id) {
      item.id = id.value();
      item.key = std::string(item.name.uri) + '\n' + std::string(item.name.local) + '\n' + id.value();
      if (!seen.emplace(item.key, 1).second) *uniqueKeys = false;
    }
    items.push_back(std::move(item));
  }
  return true;
}

struct RootAttribute {
  const char* uri;
  std::string_view local;
  const char* value;
};

bool rootAttributes(pugi::xml_node root, Scopes& scopes, Form form, std::vector<RootAttribute>& out, Failure& failure) {
  for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute()) {
    if (isNamespaceDeclaration(a)) continue;
    ExpandedName name;
    if (!scopes.attributeName(root, a, &name)) {
      return fail(failure, PXP_E_INVALID_DOCUMENT, std::string("the prefix of attribute ") + a.name() + " is not declared");
    }
    // A pidf-full's version is the diff's business, not content.
    if (form == Form::Full && !*name.uri && name.local == "version") continue;
    out.push_back({name.uri, name.local, a.value()});
  }
  return true;
}

// Builds the diff document: root, declarations, names for selectors.
class DiffWriter {
 public:
  DiffWriter(pugi::xml_node newRoot, bool hasVersion, uint32_t version) {
    pugi::xml_node decl = doc_.append_child(pugi::node_declaration);
    decl.append_attribute("version").set_value("1.0");
    decl.append_attribute("encoding").set_value("UTF-8");
    root_ = doc_.append_child("pidf-diff");
    // The new state's root declarations serve the copied content as they are.
    std::string diffPrefix;
    for (pugi::xml_attribute a = newRoot.first_attribute(); a; a = a.next_attribute()) {
      std::string_view p;
      if (!isNamespaceDeclaration(a, &p)) continue;
      root_.append_attribute(a.name()).set_value(a.value());
      if (!p.empty() && sameUri(a.value(), kDiffNs) && diffPrefix.empty()) diffPrefix = p;
    }
    if (diffPrefix.empty()) diffPrefix = freePrefix("p");
    if (!root_.attribute(("xmlns:" + diffPrefix).c_str())) root_.append_attribute(("xmlns:" + diffPrefix).c_str()).set_value(kDiffNs);
    diffPrefix_ = diffPrefix;
    root_.set_name((diffPrefix + ":pidf-diff").c_str());
    defaultNs_ = root_.attribute("xmlns").value();
    if (pugi::xml_attribute entity = newRoot.attribute("entity")) root_.append_attribute("entity").set_value(entity.value());
    if (hasVersion) root_.append_attribute("version").set_value(std::to_string(version).c_str());
    root_.append_child(pugi::node_pcdata).set_value("\n");
  }

  pugi::xml_document& doc() { return doc_; }

  // Drops the root declarations that nothing in the diff uses: the new
  // state's root may declare many namespaces a small diff never names.
  void pruneDeclarations() {
    std::set<std::string, std::less<>> used{diffPrefix_};
    auto scanSelector = [&used](std::string_view text) {
      // Conservative: every "name:" that is not "name::" counts as a prefix.
      for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ':' || (i + 1 < text.size() && text[i + 1] == ':') || (i > 0 && text[i - 1] == ':')) continue;
        size_t start = i;
        while (start > 0 && (std::isalnum(static_cast<unsigned char>(text[start - 1])) || text[start - 1] == '_' ||
                             text[start - 1] == '-' || text[start - 1] == '.' || static_cast<unsigned char>(text[start - 1]) >= 0x80)) {
          --start;
        }
        used.emplace(text.substr(start, i - start));
      }
    };
    pugi::xml_node n = root_.first_child();
    while (n) {
      if (n.type() == pugi::node_element) {
        used.emplace(splitQName(n.name()).prefix);
        for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
          if (isNamespaceDeclaration(a)) continue;
          used.emplace(splitQName(a.name()).prefix);
          if (n.parent() == root_ && (std::strcmp(a.name(), "sel") == 0 || std::strcmp(a.name(), "type") == 0)) scanSelector(a.value());
        }
        if (n.first_child()) {
          n = n.first_child();
          continue;
        }
      }
      while (n != root_ && !n.next_sibling()) n = n.parent();
      if (n == root_) break;
      n = n.next_sibling();
    }
    for (pugi::xml_attribute a = root_.first_attribute(); a;) {
      pugi::xml_attribute next = a.next_attribute();
      std::string_view p;
      if (isNamespaceDeclaration(a, &p) && !p.empty() && !used.count(p)) root_.remove_attribute(a);
      a = next;
    }
  }
  Scopes& scopes() { return scopes_; }

  pugi::xml_node operation(const char* kind, const std::string& sel) {
    pugi::xml_node op = root_.append_child((diffPrefix_ + ":" + kind).c_str());
    op.append_attribute("sel").set_value(sel.c_str());
    root_.append_child(pugi::node_pcdata).set_value("\n");
    return op;
  }

  // A name for selectors: false when the element cannot be named (no
  // namespace under a default one).
  bool elementName(const ExpandedName& n, std::string* out) {
    if (defaultNs_ == n.uri) {
      *out = std::string(n.local);
      return true;
    }
    if (!*n.uri) return false;
    *out = prefixFor(n.uri) + ":" + std::string(n.local);
    return true;
  }

  std::string attributeName(const char* uri, std::string_view local) {
    if (!*uri) return std::string(local);
    return prefixFor(uri) + ":" + std::string(local);
  }

 private:
  std::string prefixFor(const char* uri) {
    if (prefixes_.empty()) {
      // First use: the root's declarations, the first prefix of a URI kept.
      for (pugi::xml_attribute a = root_.first_attribute(); a; a = a.next_attribute()) {
        std::string_view p;
        if (isNamespaceDeclaration(a, &p) && !p.empty()) prefixes_.emplace(a.value(), std::string(p));
      }
    }
    auto found = prefixes_.find(uri);
    if (found != prefixes_.end()) return found->second;
    std::string p = freePrefix("n");
    root_.append_attribute(("xmlns:" + p).c_str()).set_value(uri);
    prefixes_.emplace(uri, p);
    scopes_.clear();
    return p;
  }

  std::string freePrefix(const std::string& base) {
    std::string p = base;
    for (int i = 1; root_.attribute(("xmlns:" + p).c_str()); ++i) p = base + std::to_string(i);
    return p;
  }

  pugi::xml_document doc_;
  pugi::xml_node root_;
  Scopes scopes_;
  std::string diffPrefix_;
  std::string defaultNs_;
  std::unordered_map<std::string, std::string> prefixes_;  // URI -> prefix on the root
};

std::string quoted(std::string_view text) {
  char q = text.find('\'') == std::string_view::npos ? '\'' : '"';
  return q + std::string(text) + q;
}

class Generator {
 public:
  Generator(pugi::xml_node oldRoot, Scopes& oldScopes, Form oldForm, pugi::xml_node newRoot, Scopes& newScopes,
            Form newForm, DiffWriter& diff)
      : oldRoot_(oldRoot), newRoot_(newRoot), oldScopes_(oldScopes), newScopes_(newScopes), oldForm_(oldForm),
        newForm_(newForm), diff_(diff) {}

  // False with failure.status 0 when the states cannot be related by this
  // kind of diff (then full state is sent).
  bool run(Failure& failure) {
    if (hasText(oldRoot_) || hasText(newRoot_)) return false;  // mixed content: not by elements
    bool oldUnique, newUnique;
    if (!collectItems(oldRoot_, oldScopes_, 0, old_, &oldUnique, failure)) return false;
    if (!collectItems(newRoot_, newScopes_, 1, new_, &newUnique, failure)) return false;
    if (!oldUnique || !newUnique) return false;
    match();
    for (size_t i = 0, last = 0; i < old_.size(); ++i) {
      if (oldToNew_[i] < 0) continue;
      if (static_cast<size_t>(oldToNew_[i]) < last) return false;  // reordered
      last = static_cast<size_t>(oldToNew_[i]);
    }
    return attributes(failure) && replacements(failure) && removals() && additions(failure);
  }

 private:
  void match() {
    oldToNew_.assign(old_.size(), -1);
    newToOld_.assign(new_.size(), -1);
    std::unordered_map<std::string, int> keyed;
    std::map<std::string, std::vector<int>> byKind;
    for (size_t i = 0; i < old_.size(); ++i) {
      if (!old_[i].key.empty()) keyed.emplace(old_[i].key, static_cast<int>(i));
      else byKind[kindOf(old_[i])].push_back(static_cast<int>(i));
    }
    std::map<std::string, size_t> used;
    for (size_t j = 0; j < new_.size(); ++j) {
      int i = -1;
      if (!new_[j].key.empty()) {
        auto found = keyed.find(new_[j].key);
        if (found != keyed.end()) i = found->second;
      } else {
        std::string kind = kindOf(new_[j]);
        auto& candidates = byKind[kind];
        size_t& next = used[kind];
        if (next < candidates.size()) i = candidates[next++];
      }
      if (i >= 0) {
        newToOld_[j] = i;
        oldToNew_[i] = static_cast<int>(j);
      }
    }
  }

  static bool hasText(pugi::xml_node root) {
    for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) {
      if (isTextNode(c) && !isWhitespaceText(c.value())) return true;
    }
    return false;
  }

  static std::string kindOf(const Item& item) { return std::string(item.name.uri) + '\n' + std::string(item.name.local); }

  std::string selectorFor(const Item& item, size_t position) {
    std::string name;
    bool quotable = item.id.find('\'') == std::string_view::npos || item.id.find('"') == std::string_view::npos;
    if (!item.key.empty() && quotable && diff_.elementName(item.name, &name)) {
      return "*/" + name + "[@id=" + quoted(item.id) + "]";
    }
    return "*/*[" + std::to_string(position) + "]";
  }

  bool attributes(Failure& failure) {
    std::vector<RootAttribute> before, after;
    if (!rootAttributes(oldRoot_, oldScopes_, oldForm_, before, failure) ||
        !rootAttributes(newRoot_, newScopes_, newForm_, after, failure)) {
      return false;
    }
    // By expanded name, hashed: a root may carry thousands of attributes.
    auto nameOf = [](const RootAttribute& a) { return std::string(a.uri) + '\n' + std::string(a.local); };
    std::unordered_map<std::string, const RootAttribute*> oldByName, newByName;
    for (const auto& b : before) oldByName.emplace(nameOf(b), &b);
    for (const auto& a : after) newByName.emplace(nameOf(a), &a);
    auto find = [&nameOf](const std::unordered_map<std::string, const RootAttribute*>& in,
                          const RootAttribute& a) -> const RootAttribute* {
      auto found = in.find(nameOf(a));
      return found == in.end() ? nullptr : found->second;
    };
    for (const auto& a : after) {
      const RootAttribute* was = find(oldByName, a);
      std::string name = diff_.attributeName(a.uri, a.local);
      if (!was) {
        pugi::xml_node op = diff_.operation("add", "*");
        op.append_attribute("type").set_value(("@" + name).c_str());
        op.append_child(pugi::node_pcdata).set_value(a.value);
      } else if (std::strcmp(was->value, a.value) != 0) {
        diff_.operation("replace", "*/@" + name).append_child(pugi::node_pcdata).set_value(a.value);
      }
    }
    for (const auto& b : before) {
      if (!find(newByName, b)) diff_.operation("remove", "*/@" + diff_.attributeName(b.uri, b.local));
    }
    return true;
  }

  bool replacements(Failure& failure) {
    for (size_t i = 0; i < old_.size(); ++i) {
      if (oldToNew_[i] < 0) continue;
      const Item& now = new_[static_cast<size_t>(oldToNew_[i])];
      if (equalElements(old_[i].node, oldScopes_, now.node, newScopes_, nullptr, failure)) continue;
      if (failure.status) return false;
      pugi::xml_node op = diff_.operation("replace", selectorFor(old_[i], i + 1));
      if (!copyInto(op, now.node, failure)) return false;
    }
    return true;
  }

  bool removals() {
    for (size_t i = old_.size(); i-- > 0;) {
      if (oldToNew_[i] >= 0) continue;
      pugi::xml_node op = diff_.operation("remove", selectorFor(old_[i], i + 1));
      // Take the indentation along, so repeated diffs do not pile it up.
      pugi::xml_node previous = old_[i].node.previous_sibling();
      if (previous && isTextNode(previous) && isWhitespaceRun(previous) && !isTextNode(previous.previous_sibling())) {
        op.append_attribute("ws").set_value("before");
      }
    }
    return true;
  }

  bool additions(Failure& failure) {
    for (size_t s = 0; s < new_.size();) {
      if (newToOld_[s] >= 0) {
        ++s;
        continue;
      }
      size_t e = s;
      while (e + 1 < new_.size() && newToOld_[e + 1] < 0) ++e;
      pugi::xml_node op = s == 0 ? diff_.operation("add", "*") : diff_.operation("add", selectorFor(new_[s - 1], s));
      op.append_attribute("pos").set_value(s == 0 ? "prepend" : "after");
      pugi::xml_node from = new_[s].node;
      pugi::xml_node previous = from.previous_sibling();
      if (previous && previous.type() == pugi::node_pcdata && isWhitespaceText(previous.value())) from = previous;
      for (pugi::xml_node n = from;; n = n.next_sibling()) {
        if (!copyInto(op, n, failure)) return false;
        if (n == new_[e].node) break;
      }
      s = e + 1;
    }
    return true;
  }

  bool copyInto(pugi::xml_node op, pugi::xml_node source, Failure& failure) {
    pugi::xml_node copy;
    if (!importNode(source, newScopes_, {op, {}}, diff_.scopes(), &copy, failure)) {
      failure.document = 1;
      return false;
    }
    return true;
  }

  pugi::xml_node oldRoot_, newRoot_;
  Scopes& oldScopes_;
  Scopes& newScopes_;
  Form oldForm_, newForm_;
  DiffWriter& diff_;
  std::vector<Item> old_, new_;
  std::vector<int> oldToNew_, newToOld_;
};

}  // namespace

bool generateDiff(std::string_view oldState, std::string_view newState, const Limits& limits, bool hasVersion,
                  uint32_t version, GenerateResult* result, Failure& failure) {
  pugi::xml_document oldDoc, newDoc;
  if (!parseDocument(oldState, limits, kDocumentStatuses, 0, oldDoc, failure)) return false;
  if (!parseDocument(newState, limits, kDocumentStatuses, 1, newDoc, failure)) return false;
  Scopes oldScopes, newScopes;
  Form oldForm, newForm;
  failure.document = 0;
  if (!classifyForm(oldDoc, oldScopes, &oldForm, failure)) return false;
  failure.document = 1;
  if (!classifyForm(newDoc, newScopes, &newForm, failure)) return false;
  failure.document = -1;

  if (!hasVersion) {
    uint32_t stored;
    if (oldForm == Form::Full && readVersion(documentElement(oldDoc), &stored) && stored != UINT32_MAX) {
      hasVersion = true;
      version = stored + 1;
    }
  }
  DiffWriter diff(documentElement(newDoc), hasVersion, version);
  Generator generator(documentElement(oldDoc), oldScopes, oldForm, documentElement(newDoc), newScopes, newForm, diff);
  if (generator.run(failure)) {
    diff.pruneDeclarations();
    result->text = serialize(diff.doc());
    result->full = false;
    if (result->text.size() <= newState.size()) return true;
  } else if (failure.status != PXP_OK) {
    return false;
  }
  // Full state: the new document as a pidf-full carrying the version.
  convertForm(newDoc, newScopes, newForm, Form::Full, hasVersion, version);
  result->text = serialize(newDoc);
  result->full = true;
  return true;
}

}  // namespace pxp
