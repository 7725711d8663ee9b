// Range-set algebra and the predefined sets behind the escapes.
#include "pattern/charset.h"

#include <algorithm>

namespace pxrt::pattern::detail {

CharSet CharSet::range(uint32_t lo, uint32_t hi) {
  CharSet s;
  s.add(lo, hi);
  return s;
}

void CharSet::addSet(const CharSet& other) {
  ranges_.insert(ranges_.end(), other.ranges_.begin(), other.ranges_.end());
}

void CharSet::normalize() {
  if (ranges_.size() < 2) return;
  std::sort(ranges_.begin(), ranges_.end());
  size_t out = 0;
  for (size_t i = 1; i < ranges_.size(); ++i) {
    Range& last = ranges_[out];
    const Range& r = ranges_[i];
    // Adjacent ranges merge too, so that equal sets have equal range lists
    // and the compiler can share them.
    if (r.lo <= last.hi || r.lo == last.hi + 1) {
      last.hi = std::max(last.hi, r.hi);
    } else {
      ranges_[++out] = r;
    }
  }
  ranges_.resize(out + 1);
}

CharSet CharSet::complement() const {
  CharSet copy = *this;
  copy.normalize();
  CharSet out;
  uint32_t next = 0;
  for (const Range& r : copy.ranges_) {
    if (r.lo > next) out.add(next, r.lo - 1);
    next = r.hi + 1;
  }
  if (next <= kMaxCodePoint) out.add(next, kMaxCodePoint);
  return out;
}

CharSet CharSet::minus(const CharSet& other) const {
  CharSet a = *this;
  a.normalize();
  const CharSet keep = other.complement();
  // Intersection of two normalized lists by a merge walk.
  CharSet out;
  size_t i = 0, j = 0;
  while (i < a.ranges_.size() && j < keep.ranges_.size()) {
    const Range& x = a.ranges_[i];
    const Range& y = keep.ranges_[j];
    const uint32_t lo = std::max(x.lo, y.lo);
    const uint32_t hi = std::min(x.hi, y.hi);
    if (lo <= hi) out.add(lo, hi);
    if (x.hi < y.hi) ++i; else ++j;
  }
  return out;
}

CharSet spaceChars() {
  CharSet s;
  s.add(0x09, 0x0A);
  s.add(0x0D, 0x0D);
  s.add(0x20, 0x20);
  s.normalize();
  return s;
}

namespace {

CharSet buildNameStartChars() {
  // XML 1.0 fifth edition, NameStartChar.
  static const Range kRanges[] = {
      {':', ':'},         {'A', 'Z'},         {'_', '_'},         {'a', 'z'},
      {0xC0, 0xD6},       {0xD8, 0xF6},       {0xF8, 0x2FF},      {0x370, 0x37D},
      {0x37F, 0x1FFF},    {0x200C, 0x200D},   {0x2070, 0x218F},   {0x2C00, 0x2FEF},
      {0x3001, 0xD7FF},   {0xF900, 0xFDCF},   {0xFDF0, 0xFFFD},   {0x10000, 0xEFFFF},
  };
  CharSet s;
  for (const Range& r : kRanges) s.add(r.lo, r.hi);
  s.normalize();
  return s;
}

CharSet buildNameChars() {
  CharSet s = buildNameStartChars();
  s.add('-', '.');
  s.add('0', '9');
  s.add(0xB7, 0xB7);
  s.add(0x300, 0x36F);
  s.add(0x203F, 0x2040);
  s.normalize();
  return s;
}

}  // namespace

// The XPath patterns use \i and \c dozens of times each; building them once
// keeps compiling those patterns cheap.
CharSet nameStartChars() {
  static const CharSet kSet = buildNameStartChars();
  return kSet;
}

CharSet nameChars() {
  static const CharSet kSet = buildNameChars();
  return kSet;
}

CharSet digitChars() { return CharSet::range('0', '9'); }

CharSet anyButNewline() {
  CharSet s;
  s.add('\n', '\n');
  s.add('\r', '\r');
  s.normalize();
  return s.complement();
}

}  // namespace pxrt::pattern::detail
