// Every descriptor the library declares in its modules' table headers:
// record types, simple types and documents, for the suites that walk them
// all.
#ifndef PX_TESTS_SCHEMA_LIBRARY_TABLES_H
#define PX_TESTS_SCHEMA_LIBRARY_TABLES_H

#include <vector>

#include "families/descriptor.h"

namespace pxtest::schema {

std::vector<const pxs::TypeDesc*> declaredTypes();
std::vector<const pxs::SimpleType*> declaredSimpleTypes();
std::vector<const pxs::DocDesc*> declaredDocuments();

// The declared types and everything their members reach, each once, in
// the order first met.
std::vector<const pxs::TypeDesc*> reachableTypes();
std::vector<const pxs::SimpleType*> reachableSimpleTypes();

}  // namespace pxtest::schema

#endif
