// Syntax tree of a parsed pattern. Nodes live in one vector and refer to each
// other by index, which keeps the tree cheap to build and to throw away.
#ifndef PXRT_PATTERN_AST_H
#define PXRT_PATTERN_AST_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pattern/charset.h"

namespace pxrt::pattern::detail {

inline constexpr uint32_t kUnbounded = UINT32_MAX;

struct Node {
  enum class Kind : uint8_t {
    Empty,   // matches the empty string: an empty branch or ()
    Set,     // one code point out of sets[set]
    Concat,  // kids in sequence
    Alt,     // one of the kids
    Repeat,  // kids[0], min to max times (max may be kUnbounded)
  };
  Kind kind = Kind::Empty;
  size_t pos = 0;  // byte offset in the pattern, for error messages
  uint32_t set = 0;
  uint32_t min = 0;
  uint32_t max = 0;
  std::vector<uint32_t> kids;
};

struct Ast {
  std::vector<Node> nodes;
  std::vector<CharSet> sets;  // normalized; not deduplicated
  uint32_t root = 0;
};

// Parses an XML Schema pattern. On failure returns false and sets *error to
// a message ending with the byte offset of the problem.
bool parse(std::string_view pattern, Ast* ast, std::string* error);

}  // namespace pxrt::pattern::detail

#endif
