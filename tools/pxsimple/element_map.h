// Where each element of a document stands: its path (qualified names as
// written, with a position among namesakes where it has any: "/presence/
// tuple[2]/status/basic") and the lines and columns of its start and end
// tags. Error entries carry a line and column; the map turns them into the
// element a person should look at, and finds the element of a path again.
#ifndef PXSIMPLE_ELEMENT_MAP_H
#define PXSIMPLE_ELEMENT_MAP_H

#include <string>
#include <vector>

#include "pxxml/rt.h"

namespace pxsimple {

struct Position {
  int line = 0;
  int column = 0;
  bool operator<=(const Position& o) const { return line < o.line || (line == o.line && column <= o.column); }
};

class ElementMap {
 public:
  // Reads the context's document; false when it is not well-formed (the
  // reader's error is then in the context's error list).
  bool build(RtContext* ctxt);

  // The innermost element whose tags enclose the position ("" when none).
  std::string pathAt(Position p) const;
  // The start of the element of a path; false when there is none.
  bool find(const std::string& path, Position* out) const;

 private:
  struct Element {
    std::string path;
    Position start, end;
    int depth;
  };
  friend struct MapBuilder;
  std::vector<Element> elements_;  // in document order
};

}  // namespace pxsimple

#endif
