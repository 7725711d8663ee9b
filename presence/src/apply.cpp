#include "apply.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "child_index.h"
#include "import.h"
#include "locate.h"
#include "patch_document.h"
#include "selector.h"
#include "xml_input.h"

namespace pxp {
namespace {

const char* kindName(NodeKind kind) {
  switch (kind) {
    case NodeKind::Element: return "an element";
    case NodeKind::Text: return "a text node";
    case NodeKind::Comment: return "a comment";
    case NodeKind::ProcessingInstruction: return "a processing instruction";
    case NodeKind::Attribute: return "an attribute";
    case NodeKind::Namespace: return "a namespace declaration";
  }
  return "a node";
}

// Runs the operations of one patch on one target tree, in order.
class Applier {
 public:
  Applier(pugi::xml_document& target, Scopes& targetScopes, Form form, PatchDocument& patch, uint64_t budget)
      : target_(target), scopes_(targetScopes), patch_(patch), budget_(budget), scopesBefore_(targetScopes.work()) {
    if (form == Form::Full) alias_ = RootAlias{kPidfNs, "presence"};
  }

  bool run(Failure& failure) {
    for (const Operation& op : patch_.operations) {
      bool done = op.kind == OpKind::Add ? add(op, failure) : op.kind == OpKind::Replace ? replace(op, failure)
                                                                                        : remove(op, failure);
      // pugixml reuses the storage of removed nodes: cached scopes go.
      scopes_.clear();
      if (done && spent() > budget_) {
        done = fail(failure, PXP_E_LIMIT_EXCEEDED,
                    "the operations up to this one took " + std::to_string(spent()) +
                        " steps over the state (nodes, attributes and namespace scopes visited), more than the " +
                        std::to_string(budget_) + " that inputs of this size are allowed; send the new state in full");
      }
      if (!done) {
        failure.document = 1;
        failure.operation = op.index;
        failure.line = op.line;
        return false;
      }
    }
    return true;
  }

 private:
  bool bindName(const Operation& op, NameTest& name, bool element, Failure& failure) {
    if (name.any) return true;
    if (name.prefix.empty()) {
      name.uri = element ? patch_.scopes.lookup(op.element, "") : "";
      return true;
    }
    name.uri = patch_.scopes.lookup(op.element, name.prefix);
    if (name.uri) return true;
    return fail(failure, PXP_E_INVALID_NAMESPACE_PREFIX,
                "prefix \"" + std::string(name.prefix) + "\" in sel=\"" + op.sel + "\" is not declared");
  }

  bool select(const Operation& op, Located* located, Failure& failure) {
    Selector sel;
    std::string why;
    bool parsed = parseSelector(op.sel, op.kind == OpKind::Add, &sel, &why);
    if (sel.idFunction) {
      return fail(failure, PXP_E_UNSUPPORTED_ID_FUNCTION, std::string("sel=\"") + op.sel + "\" uses id(), which is not supported");
    }
    if (!parsed) return fail(failure, PXP_E_INVALID_PATCH_DIRECTIVE, std::string("sel=\"") + op.sel + "\": " + why);
    for (Step& step : sel.steps) {
      if (!bindName(op, step.name, true, failure)) return false;
      for (Predicate& p : step.predicates) {
        if (p.kind == PredicateKind::Attribute && !bindName(op, p.name, false, failure)) return false;
        if (p.kind == PredicateKind::Child && !bindName(op, p.name, true, failure)) return false;
      }
    }
    if (sel.final == FinalKind::Attribute && !bindName(op, sel.attribute, false, failure)) return false;
    int count = locate(sel, target_, walk_, alias_, located);
    if (count == 1) return true;
    return fail(failure, PXP_E_UNLOCATED_NODE,
                std::string("sel=\"") + op.sel + "\" " + (count ? "locates more than one node" : "locates no node"));
  }

  // Text of the operation's content; false when it holds an element.
  static bool textContent(const Operation& op, std::string* text) {
    for (pugi::xml_node c = op.element.first_child(); c; c = c.next_sibling()) {
      if (c.type() == pugi::node_element) return false;
      if (isTextNode(c)) *text += c.value();
    }
    return true;
  }

  // The only node of the content other than whitespace text, if exactly one.
  static pugi::xml_node singleNode(const Operation& op) {
    pugi::xml_node found;
    for (pugi::xml_node c = op.element.first_child(); c; c = c.next_sibling()) {
      if (isTextNode(c) && isWhitespaceText(c.value())) continue;
      if (found) return {};
      found = c;
    }
    return found;
  }

  bool add(const Operation& op, Failure& failure) {
    Located loc;
    if (!select(op, &loc, failure)) return false;
    if (op.type) return addTyped(op, loc, failure);
    Placement at;
    switch (op.pos) {
      case Position::Append:
      case Position::Prepend:
        if (loc.kind != NodeKind::Element) {
          return fail(failure, PXP_E_INVALID_NODE_TYPES,
                      std::string("content can only be added inside an element; sel locates ") + kindName(loc.kind));
        }
        at = {loc.node, op.pos == Position::Prepend ? loc.node.first_child() : pugi::xml_node()};
        break;
      case Position::Before:
        at = {loc.node.parent(), loc.node};
        break;
      case Position::After:
        at = {loc.node.parent(), (loc.kind == NodeKind::Text ? endOfTextRun(loc.node) : loc.node).next_sibling()};
        break;
    }
    bool prolog = at.parent.type() == pugi::node_document;
    for (pugi::xml_node c = op.element.first_child(); c; c = c.next_sibling()) {
      if (prolog && (c.type() == pugi::node_element || (isTextNode(c) && !isWhitespaceText(c.value())))) {
        return fail(failure, PXP_E_INVALID_XML_PROLOG_OR_EPILOG,
                    "only comments and processing instructions can be added outside the document element");
      }
    }
    for (pugi::xml_node c = op.element.first_child(); c; c = c.next_sibling()) {
      if (prolog && isTextNode(c)) continue;
      pugi::xml_node copy;
      if (!importNode(c, patch_.scopes, at, scopes_, &copy, failure)) return false;
      children_.inserted(copy);
    }
    return true;
  }

  bool addTyped(const Operation& op, const Located& loc, Failure& failure) {
    std::string_view type = op.type;
    if (op.hasPos) return fail(failure, PXP_E_INVALID_PATCH_DIRECTIVE, "an add with type cannot have pos");
    if (loc.kind != NodeKind::Element) {
      return fail(failure, PXP_E_INVALID_NODE_TYPES, std::string("type=\"") + op.type + "\" needs an element; sel locates " + kindName(loc.kind));
    }
    std::string value;
    if (!textContent(op, &value)) {
      return fail(failure, PXP_E_INVALID_NODE_TYPES, std::string("the content of an add with type=\"") + op.type + "\" must be text");
    }
    pugi::xml_node element = loc.node;
    if (type.rfind("namespace::", 0) == 0) {
      std::string_view prefix = type.substr(11);
      if (prefix.empty() || prefix.find(':') != std::string_view::npos) {
        return fail(failure, PXP_E_INVALID_PATCH_DIRECTIVE, std::string("type=\"") + op.type + "\" is not a namespace name");
      }
      if (prefix == "xml" || prefix == "xmlns") {
        return fail(failure, PXP_E_INVALID_NAMESPACE_PREFIX, "the prefix \"" + std::string(prefix) + "\" is reserved");
      }
      if (value.empty()) return fail(failure, PXP_E_INVALID_NAMESPACE_URI, "a namespace declaration needs a URI");
      std::string name = "xmlns:" + std::string(prefix);
      for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        ++walk_.visits;
        if (name != a.name()) continue;
        return fail(failure, PXP_E_INVALID_NAMESPACE_PREFIX,
                    "<" + std::string(element.name()) + "> already declares the prefix \"" + std::string(prefix) + "\"");
      }
      children_.appendAttribute(element, name.c_str(), value.c_str());
      return true;
    }
    if (type.size() < 2 || type[0] != '@') {
      return fail(failure, PXP_E_INVALID_PATCH_DIRECTIVE, std::string("type=\"") + op.type + "\" is neither @name nor namespace::prefix");
    }
    QName q = splitQName(type.substr(1));
    if (q.local.empty() || q.local.find(':') != std::string_view::npos || (q.prefix.empty() && type.find(':') != std::string_view::npos)) {
      return fail(failure, PXP_E_INVALID_PATCH_DIRECTIVE, std::string("type=\"") + op.type + "\" is not an attribute name");
    }
    const char* uri = "";
    if (!q.prefix.empty()) {
      uri = patch_.scopes.lookup(op.element, q.prefix);
      if (!uri) return fail(failure, PXP_E_INVALID_NAMESPACE_PREFIX, "prefix \"" + std::string(q.prefix) + "\" in type is not declared");
    }
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
      ++walk_.visits;
      ExpandedName name;
      if (isNamespaceDeclaration(a) || !scopes_.attributeName(element, a, &name)) continue;
      if (name.local == q.local && sameUri(name.uri, uri)) {
        return fail(failure, PXP_E_INVALID_ATTRIBUTE_VALUE,
                    "<" + std::string(element.name()) + "> already has the attribute " + std::string(type.substr(1)));
      }
    }
    std::string name(q.local);
    if (!q.prefix.empty()) name = prefixForAttribute(element, scopes_, q.prefix, uri) + ":" + name;
    children_.appendAttribute(element, name.c_str(), value.c_str());
    return true;
  }

  bool replace(const Operation& op, Failure& failure) {
    Located loc;
    if (!select(op, &loc, failure)) return false;
    std::string text;
    switch (loc.kind) {
      case NodeKind::Element: {
        pugi::xml_node content = singleNode(op);
        if (!content || content.type() != pugi::node_element) {
          return fail(failure, PXP_E_INVALID_NODE_TYPES, "an element can only be replaced by exactly one element");
        }
        if (loc.node.parent().type() == pugi::node_document && !acceptableRoot(content)) {
          return fail(failure, PXP_E_INVALID_NODE_TYPES, "the document element can only be replaced by presence or pidf-full");
        }
        pugi::xml_node copy;
        if (!importNode(content, patch_.scopes, {loc.node.parent(), loc.node}, scopes_, &copy, failure)) return false;
        children_.inserted(copy);
        children_.remove(loc.node);
        return true;
      }
      case NodeKind::Attribute:
        if (!textContent(op, &text)) return fail(failure, PXP_E_INVALID_NODE_TYPES, "an attribute value can only be replaced by text");
        children_.setValue(loc.node, loc.attribute, text.c_str());
        return true;
      case NodeKind::Namespace:
        if (!loc.attribute) return inheritedNamespace(loc, failure);
        if (!textContent(op, &text)) return fail(failure, PXP_E_INVALID_NODE_TYPES, "a namespace URI can only be replaced by text");
        if (text.empty()) return fail(failure, PXP_E_INVALID_NAMESPACE_URI, "a namespace declaration needs a URI");
        children_.setValue(loc.node, loc.attribute, text.c_str());
        return true;
      case NodeKind::Text: {
        if (!textContent(op, &text)) return fail(failure, PXP_E_INVALID_NODE_TYPES, "a text node can only be replaced by text");
        pugi::xml_node last = endOfTextRun(loc.node);
        while (last != loc.node) {
          pugi::xml_node previous = last.previous_sibling();
          children_.remove(last);
          last = previous;
        }
        if (loc.node.type() == pugi::node_cdata) {
          pugi::xml_node parent = loc.node.parent();
          pugi::xml_node replacement = parent.insert_child_before(pugi::node_pcdata, loc.node);
          children_.remove(loc.node);
          replacement.set_value(text.c_str());
        } else {
          loc.node.set_value(text.c_str());
        }
        return true;
      }
      case NodeKind::Comment:
      case NodeKind::ProcessingInstruction: {
        pugi::xml_node content = singleNode(op);
        pugi::xml_node_type wanted = loc.kind == NodeKind::Comment ? pugi::node_comment : pugi::node_pi;
        if (!content || content.type() != wanted) {
          return fail(failure, PXP_E_INVALID_NODE_TYPES, std::string(kindName(loc.kind)) + " can only be replaced by " + kindName(loc.kind));
        }
        if (wanted == pugi::node_pi) loc.node.set_name(content.name());
        loc.node.set_value(content.value());
        return true;
      }
    }
    return false;
  }

  bool acceptableRoot(pugi::xml_node content) {
    ExpandedName name;
    if (!patch_.scopes.elementName(content, &name)) return false;
    return (name.local == "presence" && sameUri(name.uri, kPidfNs)) ||
           (name.local == "pidf-full" && sameUri(name.uri, kDiffNs));
  }

  static bool inheritedNamespace(const Located& loc, Failure& failure) {
    return fail(failure, PXP_E_INVALID_NAMESPACE_URI,
                "<" + std::string(loc.node.name()) + "> does not declare that namespace itself; select the element that does");
  }

  // The whitespace-only text run next to `node` (before or after), if any.
  static pugi::xml_node whitespaceNeighbour(pugi::xml_node node, bool before) {
    pugi::xml_node n = before ? node.previous_sibling() : node.next_sibling();
    if (!n || !isTextNode(n)) return {};
    if (before) {
      while (n.previous_sibling() && isTextNode(n.previous_sibling())) n = n.previous_sibling();
    }
    return isWhitespaceRun(n) ? n : pugi::xml_node();
  }

  void removeRun(pugi::xml_node first) {
    while (first && isTextNode(first)) {
      pugi::xml_node next = first.next_sibling();
      children_.remove(first);
      first = next;
    }
  }

  bool remove(const Operation& op, Failure& failure) {
    Located loc;
    if (!select(op, &loc, failure)) return false;
    bool ws = op.ws != Whitespace::None;
    if (ws && (loc.kind == NodeKind::Attribute || loc.kind == NodeKind::Namespace || loc.kind == NodeKind::Text)) {
      return fail(failure, PXP_E_INVALID_WHITESPACE_DIRECTIVE,
                  std::string("ws applies to elements, comments and processing instructions; sel locates ") + kindName(loc.kind));
    }
    switch (loc.kind) {
      case NodeKind::Attribute:
        children_.removeAttribute(loc.node, loc.attribute);
        return true;
      case NodeKind::Namespace:
        if (!loc.attribute) return inheritedNamespace(loc, failure);
        if (namespaceInUse(loc)) {
          return fail(failure, PXP_E_INVALID_NAMESPACE_PREFIX,
                      std::string("the namespace declaration ") + loc.attribute.name() + " is still used by names in its scope");
        }
        children_.removeAttribute(loc.node, loc.attribute);
        return true;
      case NodeKind::Text:
        if (loc.node.parent().type() == pugi::node_document) {
          return fail(failure, PXP_E_INVALID_XML_PROLOG_OR_EPILOG, "text outside the document element cannot be removed");
        }
        removeRun(loc.node);
        return true;
      default:
        break;
    }
    if (loc.kind == NodeKind::Element && loc.node.parent().type() == pugi::node_document) {
      return fail(failure, PXP_E_INVALID_ROOT_ELEMENT_REMOVAL, "the document element cannot be removed");
    }
    pugi::xml_node before, after;
    if (op.ws == Whitespace::Before || op.ws == Whitespace::Both) {
      before = whitespaceNeighbour(loc.node, true);
      if (!before) return fail(failure, PXP_E_INVALID_WHITESPACE_DIRECTIVE, "no whitespace text node precedes the removed node");
    }
    if (op.ws == Whitespace::After || op.ws == Whitespace::Both) {
      after = whitespaceNeighbour(loc.node, false);
      if (!after) return fail(failure, PXP_E_INVALID_WHITESPACE_DIRECTIVE, "no whitespace text node follows the removed node");
    }
    if (before) removeRun(before);
    if (after) removeRun(after);
    children_.remove(loc.node);
    return true;
  }

  // True when a name in the declaring element's subtree resolves through
  // this very declaration.
  bool namespaceInUse(const Located& loc) {
    std::string_view prefix;
    isNamespaceDeclaration(loc.attribute, &prefix);
    const char* declared = loc.attribute.value();
    pugi::xml_node top = loc.node;
    pugi::xml_node n = top;
    while (n) {
      ++walk_.visits;
      if (n.type() == pugi::node_element) {
        if (splitQName(n.name()).prefix == prefix && scopes_.lookup(n, prefix) == declared) return true;
        for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
          ++walk_.visits;
          if (!isNamespaceDeclaration(a) && splitQName(a.name()).prefix == prefix && scopes_.lookup(n, prefix) == declared) return true;
        }
        if (n.first_child()) {
          n = n.first_child();
          continue;
        }
      }
      while (n != top && !n.next_sibling()) n = n.parent();
      if (n == top) break;
      n = n.next_sibling();
    }
    return false;
  }

  // Nodes and attributes visited, and namespace resolution's work, since
  // the patch began.
  uint64_t spent() const { return walk_.visits + scopes_.work() - scopesBefore_; }

  pugi::xml_document& target_;
  Scopes& scopes_;
  PatchDocument& patch_;
  RootAlias alias_;
  // Every change to the target's nodes and attributes is made through it.
  ChildIndex children_;
  Walker walk_{scopes_, &children_};
  const uint64_t budget_;
  const uint64_t scopesBefore_;
};

// What a patch may cost, in nodes and attributes visited: a few for each
// byte of the inputs. Selecting by id, by name and by position one after
// another stays far below it; a patch built to walk the whole state for
// each of its operations -- thousands of selectors by position from the
// far end, thousands of operations under a root of thousands of
// declarations -- would cost time in the square of its size, and is
// refused instead, in time linear in its size.
uint64_t workBudget(size_t inputBytes) {
  constexpr uint64_t kPerByte = 8, kAtLeast = uint64_t{1} << 20;
  return std::max<uint64_t>(kAtLeast, kPerByte * inputBytes);
}

}  // namespace

bool applyPatch(std::string_view state, std::string_view diff, const Limits& limits, std::string* result, Form* form,
                Failure& failure) {
  pugi::xml_document target;
  if (!parseDocument(state, limits, kDocumentStatuses, 0, target, failure)) return false;
  Scopes scopes;
  if (!classifyForm(target, scopes, form, failure)) {
    failure.document = 0;
    return false;
  }
  PatchDocument patch;
  if (!readPatch(diff, limits, 1, patch, failure)) return false;

  if (patch.fullState) {
    // New full state replaces the stored one, in the stored form.
    if (!checkPrefixes(diff, patch.doc, PXP_E_INVALID_DOCUMENT, PXP_E_INVALID_DOCUMENT, failure)) return false;
    Form given = Form::Full;
    convertForm(patch.doc, patch.scopes, given, *form, patch.hasVersion, patch.version);
    *result = serialize(patch.doc);
    return true;
  }
  uint32_t stored = 0;
  if (*form == Form::Full && patch.hasVersion && readVersion(documentElement(target), &stored) &&
      (stored == UINT32_MAX || patch.version != stored + 1)) {
    failure.document = 1;
    failure.line = patch.rootLine;
    return fail(failure, PXP_E_OUT_OF_SEQUENCE,
                "diff version " + std::to_string(patch.version) + " does not follow the stored version " +
                    std::to_string(stored) + "; full state is needed");
  }
  if (!Applier(target, scopes, *form, patch, workBudget(state.size() + diff.size())).run(failure)) return false;

  Form now;
  if (!classifyForm(target, scopes, &now, failure)) {
    failure.document = 1;
    return fail(failure, PXP_E_INVALID_NODE_TYPES, "the patch leaves no presence document");
  }
  convertForm(target, scopes, now, *form, patch.hasVersion, patch.version);
  *result = serialize(target, state.size());
  return true;
}

}  // namespace pxp
