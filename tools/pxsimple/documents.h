// The documents pxsimple knows: root element, namespace, and the library's
// operations for its record, behind one uniform signature.
#ifndef PXSIMPLE_DOCUMENTS_H
#define PXSIMPLE_DOCUMENTS_H

#include <cstddef>
#include <string>

#include "pxxml/simple/simple.h"

namespace pxsimple {

struct DocumentOps {
  const char* element;  // local name of the root
  int nsIndex;          // namespace index of the root
  size_t recordSize;
  int (*decode)(RtContext*, void*);
  int (*validate)(RtContext*);
  int (*encode)(RtContext*, void*);
  void (*print)(const char*, const void*);
  void (*release)(RtContext*, void*);
};

// The operations for a root element, or null when the library has none.
const DocumentOps* findDocument(const char* localName, int nsIndex);

// Read the context's document far enough to know its root element: the
// operations for it (null when none), its local name, and the reader's
// status (a document that is not well-formed is not identified).
const DocumentOps* identifyDocument(RtContext* ctxt, std::string* rootName, int* status);

}  // namespace pxsimple

#endif
