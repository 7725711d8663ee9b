// Moving content between documents: a node of one document copied into
// another, keeping what its names mean. Prefixes the copy uses that are bound
// outside it in the source are declared on the copy wherever the destination
// does not bind them to the same URI at the insertion point.
#ifndef PXP_IMPORT_H
#define PXP_IMPORT_H

#include <pugixml.hpp>

#include "failure.h"
#include "namespaces.h"

namespace pxp {

struct Placement {
  pugi::xml_node parent;
  pugi::xml_node before;  // null: append
};

// Copies `source` (element, text, CDATA, comment or processing instruction)
// to `at`. Fails with invalid-namespace-prefix when the source uses a prefix
// bound nowhere. `copy` receives the new node.
bool importNode(pugi::xml_node source, Scopes& sourceScopes, const Placement& at, Scopes& destScopes,
                pugi::xml_node* copy, Failure& failure);

// A prefix for `uri` usable on `element`: `wanted` when it is bound to that
// URI there, else a new declaration of `wanted` (or of a fresh prefix when
// `wanted` is bound to something else). Never the default namespace: the
// result is for attribute names.
std::string prefixForAttribute(pugi::xml_node element, Scopes& scopes, std::string_view wanted, const char* uri);

}  // namespace pxp

#endif
