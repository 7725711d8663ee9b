// Epsilon closure and one simulation step over the flat program. The
// closure walks Split/Jmp chains with an explicit stack: a long chain of
// optional copies ({0,50000}) must not recurse once per copy.
#include "pattern/nfa.h"

#include <algorithm>

#include "pattern/program.h"

namespace pxrt::pattern::detail {

void Nfa::prepare(const Program& prog) {
  prog_ = &prog;
  mark_.assign(prog.code.size(), 0);
  gen_ = 0;
  // Every pc is pushed at most once per step (it is marked when pushed).
  stack_.assign(prog.code.size() + 1, 0);
}

void Nfa::newGeneration() {
  if (++gen_ == 0) {
    std::fill(mark_.begin(), mark_.end(), 0);
    gen_ = 1;
  }
}

bool Nfa::addClosure(uint32_t pc, std::vector<uint32_t>& out) {
  if (mark_[pc] == gen_) return false;
  const Inst* code = prog_->code.data();
  uint32_t* mark = mark_.data();
  uint32_t* stack = stack_.data();  // sized in prepare(); never grows
  const uint32_t gen = gen_;
  bool accept = false;
  size_t top = 0;
  mark[pc] = gen;
  stack[top++] = pc;
  while (top != 0) {
    const uint32_t p = stack[--top];
    const Inst& in = code[p];
    switch (in.op) {
      case Op::Split:
        if (mark[in.y] != gen) {
          mark[in.y] = gen;
          stack[top++] = in.y;
        }
        [[fallthrough]];
      case Op::Jmp:
        if (mark[in.x] != gen) {
          mark[in.x] = gen;
          stack[top++] = in.x;
        }
        break;
      case Op::Match:
        accept = true;
        out.push_back(p);
        break;
      case Op::Lit:
      case Op::Set:
        out.push_back(p);
        break;
    }
  }
  return accept;
}

bool Nfa::start(std::vector<uint32_t>& out) {
  out.clear();
  newGeneration();
  return addClosure(0, out);
}

bool Nfa::step(const uint32_t* set, size_t n, uint32_t cls, std::vector<uint32_t>& out) {
  out.clear();
  newGeneration();
  bool accept = false;
  const std::vector<Inst>& code = prog_->code;
  for (size_t i = 0; i < n; ++i) {
    const uint32_t pc = set[i];
    if (prog_->consumes(code[pc], cls)) accept |= addClosure(pc + 1, out);
  }
  return accept;
}

}  // namespace pxrt::pattern::detail
