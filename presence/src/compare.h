// Equality of documents as namespace-aware trees.
#ifndef PXP_COMPARE_H
#define PXP_COMPARE_H

#include <pugixml.hpp>

#include <string>

#include "failure.h"
#include "namespaces.h"

namespace pxp {

// Compares two elements with everything below them: expanded names,
// attributes other than namespace declarations (as a set), the sequence of
// child elements and non-whitespace text runs. Comments, processing
// instructions, prefixes and declarations do not count. Returns false with
// the path of the first difference in *where when they differ; a prefix
// bound nowhere is a failure (sets failure, returns false, *where empty).
bool equalElements(pugi::xml_node a, Scopes& aScopes, pugi::xml_node b, Scopes& bScopes, std::string* where,
                   Failure& failure);

}  // namespace pxp

#endif
