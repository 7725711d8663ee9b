#include "patch_document.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "presence_form.h"
#include "xml_input.h"

namespace pxp {
namespace {

bool refuse(Failure& failure, int line, int operation, int status, std::string message) {
  failure.line = line;
  failure.operation = operation;
  return fail(failure, status, std::move(message));
}

// Lines of nodes met in document order, counted once over the text.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : text_(text) {}
  int lineOf(pugi::xml_node node) {
    ptrdiff_t offset = node.offset_debug();
    if (offset < 0) return 0;
    size_t end = std::min(static_cast<size_t>(offset), text_.size());
    if (end < counted_) return lineOfOffset(text_, offset);
    line_ += static_cast<int>(std::count(text_.begin() + counted_, text_.begin() + end, '\n'));
    counted_ = end;
    return line_;
  }

 private:
  std::string_view text_;
  size_t counted_ = 0;
  int line_ = 1;
};

bool readOperation(LineCounter& lines, pugi::xml_node element, const ExpandedName& name, int index,
                   PatchDocument& patch, Failure& failure) {
  Operation op{};
  op.element = element;
  op.index = index;
  op.line = lines.lineOf(element);
  if (name.local == "add") op.kind = OpKind::Add;
  else if (name.local == "replace") op.kind = OpKind::Replace;
  else if (name.local == "remove") op.kind = OpKind::Remove;
  else {
    return refuse(failure, op.line, index, PXP_E_INVALID_DIFF_FORMAT,
                  "<" + std::string(element.name()) + "> is not a patch operation (add, replace or remove)");
  }
  for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
    if (isNamespaceDeclaration(a)) continue;
    std::string_view attr = a.name();
    std::string_view value = a.value();
    if (attr == "sel") {
      op.sel = a.value();
    } else if (attr == "pos" && op.kind == OpKind::Add) {
      op.hasPos = true;
      if (value == "before") op.pos = Position::Before;
      else if (value == "after") op.pos = Position::After;
      else if (value == "prepend") op.pos = Position::Prepend;
      else return refuse(failure, op.line, index, PXP_E_INVALID_PATCH_DIRECTIVE, "pos=\"" + std::string(value) + "\" is not before, after or prepend");
    } else if (attr == "type" && op.kind == OpKind::Add) {
      op.type = a.value();
    } else if (attr == "ws" && op.kind == OpKind::Remove) {
      if (value == "before") op.ws = Whitespace::Before;
      else if (value == "after") op.ws = Whitespace::After;
      else if (value == "both") op.ws = Whitespace::Both;
      else return refuse(failure, op.line, index, PXP_E_INVALID_WHITESPACE_DIRECTIVE, "ws=\"" + std::string(value) + "\" is not before, after or both");
    } else if (attr.rfind("xsi:", 0) != 0) {
      return refuse(failure, op.line, index, PXP_E_INVALID_PATCH_DIRECTIVE,
                    "<" + std::string(element.name()) + "> has no attribute \"" + std::string(attr) + "\"");
    }
  }
  if (!op.sel) return refuse(failure, op.line, index, PXP_E_INVALID_PATCH_DIRECTIVE, "the operation has no sel attribute");
  if (op.kind == OpKind::Remove) {
    for (pugi::xml_node c = element.first_child(); c; c = c.next_sibling()) {
      if (c.type() == pugi::node_element || ((c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) &&
                                              std::strspn(c.value(), " \t\r\n") != std::strlen(c.value()))) {
        return refuse(failure, op.line, index, PXP_E_INVALID_DIFF_FORMAT, "a remove operation has no content");
      }
    }
  }
  patch.operations.push_back(op);
  return true;
}

}  // namespace

bool readPatch(std::string_view text, const Limits& limits, int documentIndex, PatchDocument& patch,
               Failure& failure) {
  if (!parseDocument(text, limits, kDiffStatuses, documentIndex, patch.doc, failure)) return false;
  pugi::xml_node root = documentElement(patch.doc);
  patch.rootLine = lineOfNode(text, root);
  ExpandedName name;
  if (!patch.scopes.elementName(root, &name)) {
    return refuse(failure, lineOfNode(text, root), -1, PXP_E_INVALID_NAMESPACE_PREFIX,
                  std::string("the prefix of <") + root.name() + "> is not declared");
  }
  bool diff = name.local == "pidf-diff" && sameUri(name.uri, kDiffNs);
  patch.fullState = name.local == "pidf-full" && sameUri(name.uri, kDiffNs);
  if (!diff && !patch.fullState) {
    return refuse(failure, lineOfNode(text, root), -1, PXP_E_INVALID_DIFF_FORMAT,
                  "the document element {" + std::string(name.uri) + "}" + std::string(name.local) +
                      " is neither pidf-diff nor pidf-full");
  }
  if (pugi::xml_attribute v = root.attribute("version")) {
    if (!parseVersion(v.value(), &patch.version)) {
      return refuse(failure, lineOfNode(text, root), -1, PXP_E_INVALID_DIFF_FORMAT,
                    "version=\"" + std::string(v.value()) + "\" is not an unsigned 32-bit number");
    }
    patch.hasVersion = true;
  }
  if (patch.fullState) return true;
  // Names the operations carry must mean something before any is applied;
  // a refusal names the operation holding the offending element.
  pugi::xml_node offender;
  if (!checkPrefixes(text, patch.doc, PXP_E_INVALID_NAMESPACE_PREFIX, PXP_E_INVALID_DIFF_FORMAT, failure, &offender)) {
    int index = 0;
    for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) {
      if (c.type() != pugi::node_element) continue;
      for (pugi::xml_node n = offender; n; n = n.parent()) {
        if (n == c) failure.operation = index;
      }
      ++index;
    }
    return false;
  }
  int index = 0;
  LineCounter lines(text);
  for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) {
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) {
      if (std::strspn(c.value(), " \t\r\n") != std::strlen(c.value())) {
        return refuse(failure, lineOfNode(text, c), -1, PXP_E_INVALID_DIFF_FORMAT, "text between patch operations");
      }
      continue;
    }
    if (c.type() != pugi::node_element) continue;
    ExpandedName opName;
    if (!patch.scopes.elementName(c, &opName)) {
      return refuse(failure, lineOfNode(text, c), index, PXP_E_INVALID_NAMESPACE_PREFIX,
                    std::string("the prefix of <") + c.name() + "> is not declared");
    }
    if (!sameUri(opName.uri, kDiffNs)) {
      return refuse(failure, lineOfNode(text, c), index, PXP_E_INVALID_DIFF_FORMAT,
                    "<" + std::string(c.name()) + "> is not in the pidf-diff namespace");
    }
    if (!readOperation(lines, c, opName, index, patch, failure)) return false;
    ++index;
  }
  return true;
}

}  // namespace pxp
