// Thompson simulation step: from a set of NFA positions waiting to consume a
// character to the set after consuming one. Positions in a set are always
// Lit, Set or Match instructions; Split and Jmp are followed immediately.
// Both the lazy DFA (to build a state) and the plain simulation use it.
#ifndef PXRT_PATTERN_NFA_H
#define PXRT_PATTERN_NFA_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pxrt::pattern {
struct Program;
}

namespace pxrt::pattern::detail {

class Nfa {
 public:
  // Sizes the scratch for prog; no allocation happens after this.
  void prepare(const Program& prog);

  // out = the closure of the start instruction. Returns true when it
  // contains Match (the empty text matches).
  bool start(std::vector<uint32_t>& out);

  // out = positions reached from set by consuming a code point of class cls.
  // out must not alias set. Returns true when out contains Match.
  bool step(const uint32_t* set, size_t n, uint32_t cls, std::vector<uint32_t>& out);

 private:
  void newGeneration();
  void addClosure(uint32_t pc, std::vector<uint32_t>& out);
  void buildFollow();

  const Program* prog_ = nullptr;
  // mark_[pc] == gen_ when pc was already visited in this step; bumping
  // gen_ empties the set without touching the array.
  std::vector<uint32_t> mark_;
  uint32_t gen_ = 0;
  std::vector<uint32_t> stack_;
  // For each consuming position pc, the positions its closure reaches
  // (follow_[followAt_[pc]] up to followAt_[pc + 1]), so that a step does
  // not walk Split chains again. Empty when the lists would be too big.
  std::vector<uint32_t> follow_;
  std::vector<uint32_t> followAt_;
};

}  // namespace pxrt::pattern::detail

#endif
