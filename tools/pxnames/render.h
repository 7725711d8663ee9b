// The texts pxnames writes: the names block of each public module header,
// the C++ tables header, and the table of every constant for the tests.
#ifndef PXNAMES_RENDER_H
#define PXNAMES_RENDER_H

#include <map>
#include <string>

#include "model.h"

namespace pxnames {

extern const char* const kNamesBegin;
extern const char* const kNamesEnd;

// The names block of every header that has one, by header file name.
std::map<std::string, std::string> renderHeaderNames(const Model& model);
// include/pxxml/simple/cxx/tables.hpp
std::string renderCxxTables(const Model& model);
// One PX_NAME_ROW(NAME, Kind, "owner", "item") line per constant.
std::string renderConstantTable(const Model& model);

}  // namespace pxnames

#endif
