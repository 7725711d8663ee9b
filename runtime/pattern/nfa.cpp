// Epsilon closure and one simulation step over the flat program. The
// closure walks Split/Jmp chains with an explicit stack: a long chain of
// optional copies ({0,50000}) must not recurse once per copy.
#include "pattern/nfa.h"

#include <algorithm>

#include "pattern/program.h"

namespace pxrt::pattern::detail {
namespace {

// Closures of a chain of optional copies overlap, so the follow lists can
// grow quadratically; past this many entries per instruction the step walks
// the program instead.
constexpr size_t kFollowPerInstruction = 8;

}  // namespace

void Nfa::prepare(const Program& prog) {
  prog_ = &prog;
  mark_.assign(prog.code.size(), 0);
  gen_ = 0;
  // Every pc is pushed at most once per closure (it is marked when pushed).
  stack_.assign(prog.code.size() + 1, 0);
  buildFollow();
}

void Nfa::buildFollow() {
  const std::vector<Inst>& code = prog_->code;
  const size_t limit = kFollowPerInstruction * code.size() + 1024;
  followAt_.assign(code.size() + 1, 0);
  follow_.clear();
  for (uint32_t pc = 0; pc < code.size(); ++pc) {
    followAt_[pc] = static_cast<uint32_t>(follow_.size());
    if (code[pc].op != Op::Lit && code[pc].op != Op::Set) continue;
    newGeneration();
    addClosure(pc + 1, follow_);
    if (follow_.size() > limit) {
      follow_.clear();
      followAt_.clear();
      follow_.shrink_to_fit();
      followAt_.shrink_to_fit();
      return;
    }
  }
  followAt_[code.size()] = static_cast<uint32_t>(follow_.size());
}

void Nfa::newGeneration() {
  if (++gen_ == 0) {
    std::fill(mark_.begin(), mark_.end(), 0);
    gen_ = 1;
  }
}

void Nfa::addClosure(uint32_t pc, std::vector<uint32_t>& out) {
  if (mark_[pc] == gen_) return;
  const Inst* code = prog_->code.data();
  uint32_t* mark = mark_.data();
  uint32_t* stack = stack_.data();  // sized in prepare(); never grows
  const uint32_t gen = gen_;
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
      case Op::Lit:
      case Op::Set:
        out.push_back(p);
        break;
    }
  }
}

bool Nfa::start(std::vector<uint32_t>& out) {
  out.clear();
  newGeneration();
  addClosure(0, out);
  return mark_[prog_->matchPc()] == gen_;
}

bool Nfa::step(const uint32_t* set, size_t n, uint32_t cls, std::vector<uint32_t>& out) {
  out.clear();
  newGeneration();
  const Inst* code = prog_->code.data();
  if (followAt_.empty()) {
    for (size_t i = 0; i < n; ++i) {
      if (prog_->consumes(code[set[i]], cls)) addClosure(set[i] + 1, out);
    }
  } else {
    uint32_t* mark = mark_.data();
    const uint32_t gen = gen_;
    for (size_t i = 0; i < n; ++i) {
      const uint32_t pc = set[i];
      if (!prog_->consumes(code[pc], cls)) continue;
      for (uint32_t k = followAt_[pc], e = followAt_[pc + 1]; k != e; ++k) {
        const uint32_t q = follow_[k];
        if (mark[q] != gen) {
          mark[q] = gen;
          out.push_back(q);
        }
      }
    }
  }
  return mark_[prog_->matchPc()] == gen_;
}

}  // namespace pxrt::pattern::detail
