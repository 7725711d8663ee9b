// Every document the library reads and writes, as data: the layers above
// the exported operations (JSON, the tool, white-box tests) find a
// document's tables by its root element instead of listing the modules.
#ifndef PXS_FAMILIES_REGISTRY_H
#define PXS_FAMILIES_REGISTRY_H

#include <cstddef>

#include "families/descriptor.h"

namespace pxs {

// The 34 documents, in the order of the namespace table's modules.
const DocDesc* const* allDocuments(size_t* count);
// The document whose root has this local name and namespace index, or null.
const DocDesc* findDocument(const char* localName, int nsIndex);

}  // namespace pxs

#endif
