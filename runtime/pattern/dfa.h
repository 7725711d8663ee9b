// Lazily built DFA over a Program's NFA. A DFA state is a sorted set of NFA
// positions; its transitions, one per code-point class, are filled in the
// first time they are taken. The cache lives as long as the Program, so
// repeated matches against schema patterns quickly run on cached
// transitions only.
//
// Its memory is bounded: when a new state would exceed the budget the
// caller flushes the cache and starts over from the current state, or falls
// back to plain NFA simulation when flushing does not pay off. Either way
// matching stays linear in the text.
#ifndef PXRT_PATTERN_DFA_H
#define PXRT_PATTERN_DFA_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pxrt::pattern {
struct Program;
}

namespace pxrt::pattern::detail {

class LazyDfa {
 public:
  static constexpr int32_t kDead = 0;  // the empty set; loops on itself
  static constexpr int32_t kUnknown = -1;
  static constexpr int32_t kFull = -2;
  // Live bytes of transitions, state sets and index per Program.
  static constexpr size_t kBudgetBytes = size_t{1} << 20;

  void prepare(const Program& prog);
  // False when the class count is so large that too few states would fit
  // the budget to be worth it; matching then simulates the NFA directly.
  bool enabled() const { return enabled_; }

  int32_t startState() const { return start_; }  // kUnknown until interned
  void setStartState(int32_t s) { start_ = s; }

  const int32_t* transitions() const { return trans_.data(); }
  uint32_t classCount() const { return classes_; }
  void setNext(int32_t s, uint32_t cls, int32_t t) { trans_[size_t(s) * classes_ + cls] = t; }

  const uint32_t* positions(int32_t s) const { return pool_.data() + states_[size_t(s)].off; }
  size_t positionCount(int32_t s) const { return states_[size_t(s)].len; }
  bool accepting(int32_t s) const { return states_[size_t(s)].accept; }
  size_t stateCount() const { return states_.size(); }

  // The id of the state for this sorted position set, adding it when new;
  // kFull when adding it would exceed the budget.
  int32_t intern(const std::vector<uint32_t>& set, bool accept);
  // Forgets every state but the dead one. Keeps the vectors' capacity, so
  // refilling does not allocate.
  void flush();

 private:
  struct State {
    uint32_t off;
    uint32_t len;
    uint32_t hash;
    bool accept;
  };
  size_t liveBytes() const;
  void growIndex();

  bool enabled_ = false;
  uint32_t classes_ = 0;
  int32_t start_ = kUnknown;
  std::vector<State> states_;
  std::vector<uint32_t> pool_;   // the position sets, back to back
  std::vector<int32_t> trans_;   // states_.size() rows of classes_ entries
  std::vector<int32_t> index_;   // open-addressing hash of state ids, -1 = free
};

}  // namespace pxrt::pattern::detail

#endif
