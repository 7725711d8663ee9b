// The compiled form of a pattern: a flat Thompson NFA over code-point
// equivalence classes, plus the scratch memory and lazy DFA its matcher
// fills in on use.
//
// Threading: matching writes to a Program's mutable members (the DFA cache
// and the simulation scratch). A Program belongs to one runtime context, and
// a context to one thread at a time, so no locking is done; two threads must
// not match against the same Program concurrently.
#ifndef PXRT_PATTERN_PROGRAM_H
#define PXRT_PATTERN_PROGRAM_H

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "internal/pattern.h"
#include "pattern/dfa.h"
#include "pattern/nfa.h"

namespace pxrt::pattern {

namespace detail {

enum class Op : uint8_t {
  Lit,    // consume one code point of class x
  Set,    // consume one code point whose class is in class set x
  Split,  // continue at x and at y
  Jmp,    // continue at x
  Match,  // the text may end here; always the last instruction
};

struct Inst {
  Op op;
  uint32_t x;
  uint32_t y;
};

// Bound on the instruction count after counted repeats are expanded.
inline constexpr size_t kMaxInstructions = 200000;

}  // namespace detail

struct Program {
  std::vector<detail::Inst> code;  // starts at 0; code.back() is Match

  // Code points fall into classes: maximal intervals that no range of the
  // pattern splits. classStarts[k] is the first code point of class k.
  std::vector<uint32_t> classStarts;
  std::array<uint32_t, 128> asciiClass{};
  uint32_t numClasses = 0;

  // For Op::Set: bit k of set x is at setBits[x * wordsPerSet + k / 64].
  std::vector<uint64_t> setBits;
  uint32_t wordsPerSet = 0;

  uint32_t classOf(uint32_t cp) const {
    if (cp < 128) return asciiClass[cp];
    auto it = std::upper_bound(classStarts.begin(), classStarts.end(), cp);
    return static_cast<uint32_t>(it - classStarts.begin() - 1);
  }
  bool consumes(const detail::Inst& in, uint32_t cls) const {
    if (in.op == detail::Op::Lit) return in.x == cls;
    return in.op == detail::Op::Set && ((setBits[size_t{in.x} * wordsPerSet + cls / 64] >> (cls % 64)) & 1u) != 0;
  }
  uint32_t matchPc() const { return static_cast<uint32_t>(code.size() - 1); }

  // Matcher state, built on first use (see the threading note above).
  mutable bool scratchReady = false;
  mutable detail::Nfa nfa;
  mutable detail::LazyDfa dfa;
  mutable std::vector<uint32_t> cur;
  mutable std::vector<uint32_t> next;
};

}  // namespace pxrt::pattern

#endif
