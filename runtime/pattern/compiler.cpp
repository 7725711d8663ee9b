// From syntax tree to flat program: counted repeats are expanded into
// copies, character sets are mapped onto code-point classes, and the result
// is bounded in size so that a short hostile pattern such as (a{1000}){1000}
// is refused instead of eating memory.
#include <algorithm>
#include <exception>
#include <map>
#include <string>

#include "internal/pattern.h"
#include "pattern/ast.h"
#include "pattern/program.h"

namespace pxrt::pattern {
namespace detail {
namespace {

// Bound on the class-membership bitmaps (bytes). Only patterns with
// thousands of distinct multi-character classes come near it.
constexpr size_t kMaxSetBitsBytes = size_t{16} << 20;

struct CompileError {
  size_t pos;
  std::string message;
};

class Compiler {
 public:
  Compiler(Ast& ast, Program* prog) : ast_(ast), prog_(prog) {}

  void run() {
    sizes_.resize(ast_.nodes.size());
    const uint64_t size = sizeOf(ast_.root) + 1;  // + Match
    if (size > kMaxInstructions) {
      throw CompileError{tooBigAt_, "pattern too large: counted repeats expand past " +
                                        std::to_string(kMaxInstructions) + " instructions"};
    }
    buildClasses();
    prog_->code.reserve(size);
    emit(ast_.root);
    prog_->code.push_back({Op::Match, 0, 0});
    threadJumps();
  }

 private:
  // Instruction count of a node once expanded, saturating just above the
  // bound. Mirrors emit() exactly. Records the innermost node that crosses
  // the bound on its own: that is the repeat the message should point at.
  //
  // A node of size 0 can only match the empty text, so repeating it is
  // dropped and sequences forget it: emitting ((){1000000000}) or
  // (()()()...a){100000} then costs time in proportion to the output, not
  // to the counts or the number of empty groups.
  uint64_t sizeOf(uint32_t id) {
    Node& n = ast_.nodes[id];
    constexpr uint64_t kCap = kMaxInstructions + 1;
    uint64_t s = 0;
    switch (n.kind) {
      case Node::Kind::Empty:
        break;
      case Node::Kind::Set:
        s = 1;
        break;
      case Node::Kind::Concat:
        for (uint32_t k : n.kids) s += sizeOf(k);
        std::erase_if(n.kids, [this](uint32_t k) { return sizes_[k] == 0; });
        break;
      case Node::Kind::Alt:
        for (uint32_t k : n.kids) s += sizeOf(k);
        s += 2 * (n.kids.size() - 1);  // a Split and a Jmp per extra branch
        break;
      case Node::Kind::Repeat: {
        const uint64_t body = sizeOf(n.kids[0]);
        if (body == 0) {
          s = 0;
        } else if (n.max == kUnbounded) {
          s = n.min == 0 ? body + 2 : n.min * body + 1;
        } else {
          s = n.min * body + uint64_t{n.max - n.min} * (body + 1);
        }
        break;
      }
    }
    s = std::min(s, kCap);
    if (s >= kMaxInstructions && !tooBig_) {  // no room left for Match
      tooBig_ = true;
      tooBigAt_ = n.pos;
    }
    sizes_[id] = static_cast<uint32_t>(s);
    return s;
  }

  // Classes are the intervals between consecutive range boundaries of all
  // sets in the pattern, so every class lies wholly inside or outside each
  // set. A single code point is then exactly one class, which lets literals
  // compile to a class compare instead of a bitmap test.
  void buildClasses() {
    // Equal sets (\c appears dozens of times in the XPath patterns) are
    // handled once: one set of boundaries, one bitmap.
    std::map<std::vector<Range>, uint32_t> unique;
    std::vector<uint32_t> uniqueOf(ast_.sets.size());
    std::vector<const CharSet*> sets;
    for (size_t i = 0; i < ast_.sets.size(); ++i) {
      auto [it, added] = unique.try_emplace(ast_.sets[i].ranges(), static_cast<uint32_t>(sets.size()));
      if (added) sets.push_back(&ast_.sets[i]);
      uniqueOf[i] = it->second;
    }

    std::vector<uint32_t> starts{0};
    for (const CharSet* set : sets) {
      for (const Range& r : set->ranges()) {
        starts.push_back(r.lo);
        if (r.hi < kMaxCodePoint) starts.push_back(r.hi + 1);
      }
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    prog_->classStarts = std::move(starts);
    prog_->numClasses = static_cast<uint32_t>(prog_->classStarts.size());
    for (uint32_t cp = 0; cp < 128; ++cp) {
      auto it = std::upper_bound(prog_->classStarts.begin(), prog_->classStarts.end(), cp);
      prog_->asciiClass[cp] = static_cast<uint32_t>(it - prog_->classStarts.begin() - 1);
    }
    prog_->wordsPerSet = (prog_->numClasses + 63) / 64;

    std::vector<Inst> uniqueInst(sets.size());
    uint32_t bitmaps = 0;
    for (size_t u = 0; u < sets.size(); ++u) {
      const CharSet& set = *sets[u];
      if (set.isSingle()) {
        uniqueInst[u] = {Op::Lit, prog_->classOf(set.ranges()[0].lo), 0};
        continue;
      }
      uniqueInst[u] = {Op::Set, bitmaps, 0};
      const size_t base = size_t{bitmaps++} * prog_->wordsPerSet;
      if ((base + prog_->wordsPerSet) * sizeof(uint64_t) > kMaxSetBitsBytes) {
        throw CompileError{0, "pattern has too many distinct character classes"};
      }
      prog_->setBits.resize(base + prog_->wordsPerSet, 0);
      for (const Range& r : set.ranges()) {
        const uint32_t first = prog_->classOf(r.lo);
        const uint32_t last = prog_->classOf(r.hi);
        for (uint32_t k = first; k <= last; ++k) prog_->setBits[base + k / 64] |= uint64_t{1} << (k % 64);
      }
    }
    setInst_.resize(ast_.sets.size());
    for (size_t i = 0; i < ast_.sets.size(); ++i) setInst_[i] = uniqueInst[uniqueOf[i]];
  }

  // Points Split and Jmp straight past chains of Jmp (alternatives nested in
  // alternatives produce them), so the matcher's closure walks fewer steps.
  // Jumps only lead to a Split or forward, so every chain ends.
  void threadJumps() {
    std::vector<Inst>& code = prog_->code;
    auto final = [&code](uint32_t t) {
      while (code[t].op == Op::Jmp) t = code[t].x;
      return t;
    };
    for (Inst& in : code) {
      if (in.op == Op::Split) {
        in.x = final(in.x);
        in.y = final(in.y);
      } else if (in.op == Op::Jmp) {
        in.x = final(in.x);
      }
    }
  }

  uint32_t here() const { return static_cast<uint32_t>(prog_->code.size()); }
  uint32_t push(Op op, uint32_t x = 0, uint32_t y = 0) {
    prog_->code.push_back({op, x, y});
    return here() - 1;
  }

  void emit(uint32_t id) {
    if (sizes_[id] == 0) return;
    const Node& n = ast_.nodes[id];
    std::vector<Inst>& code = prog_->code;
    switch (n.kind) {
      case Node::Kind::Empty:
        return;
      case Node::Kind::Set:
        code.push_back(setInst_[n.set]);
        return;
      case Node::Kind::Concat:
        for (uint32_t k : n.kids) emit(k);
        return;
      case Node::Kind::Alt: {
        std::vector<uint32_t> jumps;
        for (size_t i = 0; i + 1 < n.kids.size(); ++i) {
          const uint32_t split = push(Op::Split, here() + 1);
          emit(n.kids[i]);
          jumps.push_back(push(Op::Jmp));
          code[split].y = here();
        }
        emit(n.kids.back());
        for (uint32_t j : jumps) code[j].x = here();
        return;
      }
      case Node::Kind::Repeat:
        emitRepeat(n);
        return;
    }
  }

  void emitRepeat(const Node& n) {
    std::vector<Inst>& code = prog_->code;
    const uint32_t body = n.kids[0];
    if (n.max == kUnbounded) {
      if (n.min == 0) {
        // L: split body, out; body; jmp L
        const uint32_t loop = push(Op::Split, here() + 1);
        emit(body);
        push(Op::Jmp, loop);
        code[loop].y = here();
      } else {
        // min-1 plain copies, then a last copy that may loop back on itself.
        for (uint32_t i = 0; i + 1 < n.min; ++i) emit(body);
        const uint32_t top = here();
        emit(body);
        push(Op::Split, top, here() + 1);
      }
      return;
    }
    for (uint32_t i = 0; i < n.min; ++i) emit(body);
    // {n,m}: m-n nested optional copies, each able to skip to the end.
    std::vector<uint32_t> skips;
    for (uint32_t i = n.min; i < n.max; ++i) {
      skips.push_back(push(Op::Split, here() + 1));
      emit(body);
    }
    for (uint32_t s : skips) code[s].y = here();
  }

  Ast& ast_;
  Program* prog_;
  std::vector<uint32_t> sizes_;  // sizeOf() per node
  std::vector<Inst> setInst_;  // the consuming instruction for each AST set
  bool tooBig_ = false;
  size_t tooBigAt_ = 0;
};

}  // namespace
}  // namespace detail

void ProgramDeleter::operator()(Program* p) const noexcept { delete p; }

ProgramPtr compile(std::string_view pattern, std::string* error) {
  std::string scratch;
  std::string* err = error ? error : &scratch;
  try {
    detail::Ast ast;
    if (!detail::parse(pattern, &ast, err)) return nullptr;
    ProgramPtr prog(new Program);
    detail::Compiler(ast, prog.get()).run();
    return prog;
  } catch (const detail::CompileError& e) {
    *err = e.message + " at offset " + std::to_string(e.pos);
  } catch (const std::exception&) {  // out of memory, in practice
    *err = "not enough memory to compile the pattern";
  }
  return nullptr;
}

}  // namespace pxrt::pattern
