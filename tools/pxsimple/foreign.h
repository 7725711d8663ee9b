// The foreign elements of a document that the library can decode on their
// own: elements whose namespace differs from their parent's (what a decoder
// keeps as captured text) and whose type has a document decoder.
#ifndef PXSIMPLE_FOREIGN_H
#define PXSIMPLE_FOREIGN_H

#include <string>
#include <vector>

#include "documents.h"

namespace pxsimple {

struct ForeignElement {
  std::string path;  // "/presence[1]/dm:person[1]": qualified names, 1-based positions among namesakes
  std::string xml;   // the element as self-contained XML text
  const DocumentOps* ops;
  int line = 0, column = 0;  // where its start tag stands in the document read
};

// Parse the context's document and collect its outermost known foreign
// elements (those inside them are theirs to report). Returns the reader's
// status.
int collectForeignElements(RtContext* ctxt, std::vector<ForeignElement>* out);

}  // namespace pxsimple

#endif
