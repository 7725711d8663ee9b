// Sets of code points as sorted, disjoint, non-adjacent ranges: what a
// character class, an escape or a literal stands for in a pattern.
#ifndef PXRT_PATTERN_CHARSET_H
#define PXRT_PATTERN_CHARSET_H

#include <cstdint>
#include <vector>

namespace pxrt::pattern::detail {

inline constexpr uint32_t kMaxCodePoint = 0x10FFFF;

struct Range {
  uint32_t lo;
  uint32_t hi;  // inclusive
  bool operator==(const Range&) const = default;
  bool operator<(const Range& o) const { return lo != o.lo ? lo < o.lo : hi < o.hi; }
};

class CharSet {
 public:
  CharSet() = default;
  static CharSet single(uint32_t cp) { return range(cp, cp); }
  static CharSet range(uint32_t lo, uint32_t hi);

  // Adds [lo, hi]. Several adds followed by one normalize() keep class
  // building linear-ish; every other operation normalizes itself.
  void add(uint32_t lo, uint32_t hi) { ranges_.push_back({lo, hi}); }
  void addSet(const CharSet& other);
  void normalize();

  CharSet complement() const;
  CharSet minus(const CharSet& other) const;

  bool isSingle() const { return ranges_.size() == 1 && ranges_[0].lo == ranges_[0].hi; }
  const std::vector<Range>& ranges() const { return ranges_; }
  bool operator==(const CharSet&) const = default;

 private:
  std::vector<Range> ranges_;
};

// The multi-character escapes. \d is ASCII 0-9 here, not every Unicode
// decimal digit: the library's schemas only use it for numbers in XPath
// positions and qvalues, where a non-ASCII digit is not a number.
CharSet spaceChars();      // \s
CharSet nameStartChars();  // \i
CharSet nameChars();       // \c
CharSet digitChars();      // \d
CharSet anyButNewline();   // .

}  // namespace pxrt::pattern::detail

#endif
