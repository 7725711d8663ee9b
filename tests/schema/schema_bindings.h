// The schema construct each descriptor of the library stands for, in the
// path syntax of SchemaSet::resolve.
#ifndef PX_TESTS_SCHEMA_SCHEMA_BINDINGS_H
#define PX_TESTS_SCHEMA_SCHEMA_BINDINGS_H

#include <vector>

#include "families/descriptor.h"

namespace pxtest::schema {

struct TypeBinding {
  const pxs::TypeDesc* desc;
  const char* path;
};
struct SimpleBinding {
  const pxs::SimpleType* simple;
  const char* path;
};

const std::vector<TypeBinding>& typeBindings();
const std::vector<SimpleBinding>& simpleBindings();

}  // namespace pxtest::schema

#endif
