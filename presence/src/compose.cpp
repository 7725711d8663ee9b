#include "compose.h"

#include <cstring>
#include <memory>
#include <optional>
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "compare.h"
#include "import.h"
#include "locate.h"
#include "presence_form.h"
#include "xml_input.h"

namespace pxp {
namespace {

struct Input {
  pugi::xml_document doc;
  Scopes scopes;
  pugi::xml_node root;
};

enum class Section { Tuple, Note, Extension };

// One element of the result, with where it came from.
struct Entry {
  Section section;
  size_t input;
  pugi::xml_node node;
  std::string key;  // tuples, persons and devices with an id
};

// Seconds since the epoch of a date-time text, or nothing.
std::optional<double> instant(const std::string& text) {
  RtDateTime t{};
  if (rtxParseDateTimeString(reinterpret_cast<const OSUTF8CHAR*>(text.c_str()), text.size(), &t) <= 0) return std::nullopt;
  // Days from civil (proleptic Gregorian), then the zone offset.
  int64_t y = t.year - (t.mon <= 2 ? 1 : 0);
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  int64_t yoe = y - era * 400;
  int64_t m = t.mon;
  int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + t.day - 1;
  int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  double days = static_cast<double>(era * 146097 + doe - 719468);
  double seconds = days * 86400 + t.hour * 3600.0 + t.min * 60.0 + t.sec;
  if (t.tz_flag) seconds -= t.tzo * 60.0;
  return seconds;
}

// The timestamp child of a tuple ({pidf}timestamp) or of a person or device
// ({data-model}timestamp).
std::optional<double> timestampOf(pugi::xml_node element, Scopes& scopes, const char* uri) {
  for (pugi::xml_node c = element.first_child(); c; c = c.next_sibling()) {
    ExpandedName n;
    if (c.type() != pugi::node_element || !scopes.elementName(c, &n)) continue;
    if (n.local == "timestamp" && sameUri(n.uri, uri)) return instant(runText(c.first_child()));
  }
  return std::nullopt;
}

class Composer {
 public:
  explicit Composer(std::vector<std::unique_ptr<Input>>& inputs) : inputs_(inputs) {}

  bool collect(Failure& failure) {
    for (size_t i = 0; i < inputs_.size(); ++i) {
      Input& in = *inputs_[i];
      for (pugi::xml_node c = in.root.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element) continue;
        ExpandedName n;
        if (!in.scopes.elementName(c, &n)) {
          failure.document = static_cast<int>(i);
          return fail(failure, PXP_E_INVALID_DOCUMENT, std::string("the prefix of <") + c.name() + "> is not declared");
        }
        bool pidf = sameUri(n.uri, kPidfNs);
        Entry entry{Section::Extension, i, c, {}};
        if (pidf && n.local == "tuple") entry.section = Section::Tuple;
        else if (pidf && n.local == "note") entry.section = Section::Note;
        pugi::xml_attribute id = c.attribute("id");
        bool keyed = entry.section == Section::Tuple ||
                     (sameUri(n.uri, kDataModelNs) && (n.local == "person" || n.local == "device"));
        if (keyed && id) entry.key = std::string(n.uri) + '\n' + std::string(n.local) + '\n' + id.value();
        if (entry.section == Section::Note && !firstOfItsKind(entry)) continue;
        add(entry);
      }
    }
    return true;
  }

  // Writes the kept elements in schema order under `root` of `out`.
  bool write(pugi::xml_node root, Scopes& outScopes, Failure& failure) {
    for (Section section : {Section::Tuple, Section::Note, Section::Extension}) {
      for (const Entry& e : entries_) {
        if (e.section != section) continue;
        root.append_child(pugi::node_pcdata).set_value("\n  ");
        pugi::xml_node copy;
        if (!importNode(e.node, inputs_[e.input]->scopes, {root, {}}, outScopes, &copy, failure)) {
          failure.document = static_cast<int>(e.input);
          return false;
        }
      }
    }
    root.append_child(pugi::node_pcdata).set_value("\n");
    return true;
  }

 private:
  void add(const Entry& entry) {
    if (entry.key.empty()) {
      entries_.push_back(entry);
      return;
    }
    auto found = byKey_.find(entry.key);
    if (found == byKey_.end()) {
      byKey_.emplace(entry.key, entries_.size());
      entries_.push_back(entry);
      return;
    }
    // The newer by timestamp wins; without two timestamps, the later input.
    Entry& kept = entries_[found->second];
    const char* uri = entry.section == Section::Tuple ? kPidfNs : kDataModelNs;
    auto keptTime = timestampOf(kept.node, inputs_[kept.input]->scopes, uri);
    auto newTime = timestampOf(entry.node, inputs_[entry.input]->scopes, uri);
    if (keptTime && newTime && *newTime < *keptTime) return;
    kept = entry;
  }

  // False for a note equal to one kept already (same attributes by expanded
  // name, same text); notes with child elements are always kept.
  bool firstOfItsKind(const Entry& note) {
    std::vector<std::string> attributes;
    Scopes& scopes = inputs_[note.input]->scopes;
    for (pugi::xml_attribute a = note.node.first_attribute(); a; a = a.next_attribute()) {
      ExpandedName n;
      if (isNamespaceDeclaration(a)) continue;
      if (!scopes.attributeName(note.node, a, &n)) return true;
      attributes.push_back(std::string(n.uri) + '\n' + std::string(n.local) + '\n' + a.value());
    }
    std::sort(attributes.begin(), attributes.end());
    std::string key;
    for (const auto& a : attributes) key += a + '\0';
    key += '\1';
    for (pugi::xml_node c = note.node.first_child(); c; c = c.next_sibling()) {
      if (c.type() == pugi::node_element) return true;
      if (isTextNode(c)) key += c.value();
    }
    return notes_.insert(std::move(key)).second;
  }

  std::vector<std::unique_ptr<Input>>& inputs_;
  std::vector<Entry> entries_;
  std::unordered_map<std::string, size_t> byKey_;
  std::unordered_set<std::string> notes_;
};

}  // namespace

bool composeDocuments(const std::vector<std::string_view>& texts, const Limits& limits, std::string* result,
                      Failure& failure) {
  if (texts.empty()) return fail(failure, PXP_E_BAD_ARGUMENT, "nothing to compose");
  std::vector<std::unique_ptr<Input>> inputs;
  const char* entity = nullptr;
  for (size_t i = 0; i < texts.size(); ++i) {
    auto in = std::make_unique<Input>();
    if (!parseDocument(texts[i], limits, kDocumentStatuses, static_cast<int>(i), in->doc, failure)) return false;
    Form form;
    failure.document = static_cast<int>(i);
    if (!classifyForm(in->doc, in->scopes, &form, failure)) return false;
    in->root = documentElement(in->doc);
    const char* e = in->root.attribute("entity").value();
    if (!entity) entity = e;
    else if (std::strcmp(entity, e) != 0) {
      return fail(failure, PXP_E_ENTITY_MISMATCH,
                  "entity \"" + std::string(e) + "\" differs from \"" + std::string(entity) + "\" of the first document");
    }
    inputs.push_back(std::move(in));
  }
  failure.document = -1;

  Composer composer(inputs);
  if (!composer.collect(failure)) return false;

  pugi::xml_document out;
  pugi::xml_node decl = out.append_child(pugi::node_declaration);
  decl.append_attribute("version").set_value("1.0");
  decl.append_attribute("encoding").set_value("UTF-8");
  pugi::xml_node root = out.append_child("presence");
  root.append_attribute("xmlns").set_value(kPidfNs);
  // The inputs' root declarations, first binding of each prefix kept, so
  // the extensions need no declarations of their own.
  std::unordered_set<std::string_view> declared;
  for (const auto& in : inputs) {
    for (pugi::xml_attribute a = in->root.first_attribute(); a; a = a.next_attribute()) {
      std::string_view p;
      if (!isNamespaceDeclaration(a, &p) || p.empty() || sameUri(a.value(), kDiffNs)) continue;
      if (declared.insert(a.name()).second) root.append_attribute(a.name()).set_value(a.value());
    }
  }
  root.append_attribute("entity").set_value(entity);
  Scopes outScopes;
  if (!composer.write(root, outScopes, failure)) return false;
  *result = serialize(out);
  return true;
}

}  // namespace pxp
