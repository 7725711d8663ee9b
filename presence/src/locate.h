// Evaluating a bound selector on a target document: the nodes it selects,
// by the child axis from the document node, predicates in order.
#ifndef PXP_LOCATE_H
#define PXP_LOCATE_H

#include <pugixml.hpp>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "child_index.h"
#include "namespaces.h"
#include "selector.h"

namespace pxp {

enum class NodeKind { Element, Text, Comment, ProcessingInstruction, Attribute, Namespace };

// A selected node. Text is a run of adjacent text and CDATA nodes (one text
// node of the XPath data model): `node` is its first piece.
struct Located {
  NodeKind kind;
  pugi::xml_node node;  // the node itself; the owner element for Attribute and Namespace
  pugi::xml_attribute attribute;  // Attribute, Namespace (the declaration)
};

// A document element that the selectors' first step may also name as
// {uri}local (a pidf-full stands for PIDF's presence).
struct RootAlias {
  const char* uri = nullptr;
  std::string_view local;
};

// What evaluating selectors uses besides the tree: the target's scopes
// and, where given, a lookup of children kept up to date by the caller;
// and what it has done, in nodes and attributes visited.
struct Walker {
  Scopes& scopes;
  ChildIndex* index = nullptr;
  uint64_t visits = 0;
};

// Number of nodes selected, counted up to 2 (a selector must locate exactly
// one node); *first is the first of them when there is one. With an index,
// the children a step names are looked up there rather than walked.
int locate(const Selector& selector, const pugi::xml_document& doc, Walker& walk, const RootAlias& alias,
           Located* first);

// True for text and CDATA nodes.
bool isTextNode(pugi::xml_node node);
// The last piece of the text run starting at `first`.
pugi::xml_node endOfTextRun(pugi::xml_node first);
// The text of a run, and whether it is whitespace only.
std::string runText(pugi::xml_node first);
bool isWhitespaceRun(pugi::xml_node first);
bool isWhitespaceText(std::string_view text);

}  // namespace pxp

#endif
