// Error entries as a person reads them: where (document line and column,
// element path), what (the status name) and what to do about it (a
// sentence with the schema's element and attribute names).
#ifndef PXSIMPLE_REPORT_H
#define PXSIMPLE_REPORT_H

#include <cstdio>
#include <string>
#include <vector>

#include "element_map.h"
#include "pxxml/rt.h"

namespace pxsimple {

struct Problem {
  Position where;
  std::string path;
  int status = 0;
  std::string message;
  std::vector<std::string> params;  // to recognise the same problem found twice
};

// The problems of the context's error list, in order. `map` is the map of
// the text that was read (the error entries' lines and columns refer to
// it); when `placed` is given (a kept element checked on its own), paths
// are joined to the element's path there and positions taken from it.
struct Placement {
  const ElementMap* map;  // of the whole document
  std::string path;       // of the kept element in it
};
void collectProblems(RtContext* ctxt, const ElementMap& map, const Placement* placed, std::vector<Problem>* out);

// One line: "FILE:LINE:COLUMN: PATH: ST_NAME: sentence".
std::string formatProblem(const std::string& file, const Problem& p);

// Print the problems, at most `shown` of them, then "... and N more
// errors" for the rest; `unexamined`: the library stopped recording before
// the end of the document, so there are more than it found.
void printProblems(std::FILE* out, const std::string& file, const std::vector<Problem>& problems, size_t shown,
                   bool unexamined);

// The sentence for one entry (its status and parameters); `next` is the
// entry after it, which names the element a converter's failure concerns.
std::string describe(int status, const std::vector<std::string>& params, const std::string& element);

}  // namespace pxsimple

#endif
