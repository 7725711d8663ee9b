// State interning and cache bookkeeping of the lazy DFA. The transition
// loop itself is in matcher.cpp.
#include "pattern/dfa.h"

#include <algorithm>

#include "pattern/program.h"

namespace pxrt::pattern::detail {
namespace {

// Rows this wide or fewer than this many states per budget are not worth
// caching.
constexpr size_t kMinStates = 64;

uint32_t hashSet(const std::vector<uint32_t>& set) {
  uint64_t h = 0x9E3779B97F4A7C15ull ^ set.size();
  for (uint32_t pc : set) {
    h = (h ^ pc) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  return static_cast<uint32_t>(h);
}

}  // namespace

void LazyDfa::prepare(const Program& prog) {
  classes_ = prog.numClasses;
  enabled_ = size_t{classes_} * sizeof(int32_t) * kMinStates <= kBudgetBytes;
  if (!enabled_) return;
  index_.assign(64, -1);
  flush();
}

size_t LazyDfa::liveBytes() const {
  return states_.size() * sizeof(State) + pool_.size() * sizeof(uint32_t) + trans_.size() * sizeof(int32_t) +
         index_.size() * sizeof(int32_t);
}

void LazyDfa::flush() {
  states_.clear();
  pool_.clear();
  trans_.clear();
  std::fill(index_.begin(), index_.end(), -1);
  start_ = kUnknown;
  // The dead state always exists and always has id 0: the matcher stops as
  // soon as it gets there.
  const std::vector<uint32_t> none;
  intern(none, false);
  std::fill(trans_.begin(), trans_.end(), kDead);
}

void LazyDfa::growIndex() {
  index_.assign(index_.size() * 2, -1);
  const size_t mask = index_.size() - 1;
  for (size_t id = 0; id < states_.size(); ++id) {
    size_t i = states_[id].hash & mask;
    while (index_[i] != -1) i = (i + 1) & mask;
    index_[i] = static_cast<int32_t>(id);
  }
}

int32_t LazyDfa::intern(const std::vector<uint32_t>& set, bool accept) {
  const uint32_t h = hashSet(set);
  size_t mask = index_.size() - 1;
  size_t i = h & mask;
  for (; index_[i] != -1; i = (i + 1) & mask) {
    const State& st = states_[size_t(index_[i])];
    if (st.hash == h && st.len == set.size() && std::equal(set.begin(), set.end(), pool_.begin() + st.off)) {
      return index_[i];
    }
  }
  const bool mustGrow = (states_.size() + 1) * 2 > index_.size();
  const size_t extra = sizeof(State) + set.size() * sizeof(uint32_t) + size_t{classes_} * sizeof(int32_t) +
                       (mustGrow ? index_.size() * sizeof(int32_t) : 0);
  // The dead state is added on an empty cache and must always fit.
  if (!states_.empty() && liveBytes() + extra > kBudgetBytes) return kFull;

  const auto id = static_cast<int32_t>(states_.size());
  states_.push_back({static_cast<uint32_t>(pool_.size()), static_cast<uint32_t>(set.size()), h, accept});
  pool_.insert(pool_.end(), set.begin(), set.end());
  trans_.resize(trans_.size() + classes_, kUnknown);
  if (mustGrow) {
    growIndex();
  } else {
    index_[i] = id;
  }
  return id;
}

}  // namespace pxrt::pattern::detail
