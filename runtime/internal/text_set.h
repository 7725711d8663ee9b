// A set of short texts (prefixes, mostly) that is usually small: walked
// while it holds a few, hashed past that, so that filling one with n texts
// and asking it n times costs time linear in n. Untrusted documents may
// declare or use thousands of prefixes on one element.
#ifndef PXRT_INTERNAL_TEXT_SET_H
#define PXRT_INTERNAL_TEXT_SET_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace pxrt {

// How many prefixes a lookup walks before it hashes: a tag, a capture or a
// scope holds a few (a walk is cheapest), a crafted document thousands.
inline constexpr size_t kWalkedTexts = 16;

class TextSet {
 public:
  bool empty() const { return few_.empty(); }
  bool contains(std::string_view text) const {
    if (!many_.empty()) return many_.find(text) != many_.end();
    for (const std::string& t : few_)
      if (t == text) return true;
    return false;
  }
  // False when the text was in the set already.
  bool insert(std::string_view text) {
    if (contains(text)) return false;
    few_.emplace_back(text);
    if (!many_.empty()) many_.emplace(text);
    else if (few_.size() > kWalkedTexts) many_.insert(few_.begin(), few_.end());
    return true;
  }
  void clear() {
    if (!few_.empty()) clearAll();  // most sets stay empty: nothing to do
  }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  // Out of line: the callers clear on every tag, and the texts' release
  // inline would cost each of them its registers.
  [[gnu::noinline]] void clearAll() {
    few_.clear();
    if (!many_.empty()) many_.clear();
  }
  std::vector<std::string> few_;  // every text, in the order added
  std::unordered_set<std::string, Hash, std::equal_to<>> many_;  // the same, once past the walk
};

// The same for texts that come and go in stack order (the declarations of
// open elements): walked while few, counted in a hash map past that.
class TextStack {
 public:
  size_t size() const { return items_.size(); }
  void push(std::string_view text) {
    items_.emplace_back(text);
    if (!counts_.empty()) ++counts_[items_.back()];
    else if (items_.size() > kWalkedTexts)
      for (const std::string& t : items_) ++counts_[t];
  }
  // Back to the first n texts.
  void truncate(size_t n) {
    if (n >= items_.size()) return;
    if (counts_.empty()) {
      // walked: nothing counted
    } else if (n <= kWalkedTexts) {
      counts_.clear();
    } else {
      for (size_t i = n; i < items_.size(); ++i)
        if (auto it = counts_.find(items_[i]); --it->second == 0) counts_.erase(it);
    }
    items_.resize(n);
  }
  void clear() { truncate(0); }
  bool contains(std::string_view text) const {
    if (!counts_.empty()) return counts_.find(text) != counts_.end();
    for (const std::string& t : items_)
      if (t == text) return true;
    return false;
  }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::vector<std::string> items_;
  std::unordered_map<std::string, uint32_t, Hash, std::equal_to<>> counts_;  // once past the walk
};

}  // namespace pxrt

#endif
