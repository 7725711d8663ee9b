// Name character classes.
#include "xml/chars.h"

#include <algorithm>

namespace pxrt::xml {

namespace {

struct CodeRange {
  uint32_t first, last;
};

#include "xml/name_chars.inc"

template <size_t N>
bool inRanges(const CodeRange (&ranges)[N], uint32_t cp) {
  const CodeRange* it =
      std::upper_bound(ranges, ranges + N, cp, [](uint32_t c, const CodeRange& r) { return c < r.first; });
  return it != ranges && cp <= (it - 1)->last;
}

constexpr uint8_t S = kNameStart | kNameChar;
constexpr uint8_t C = kNameChar;
constexpr uint8_t N = kNonAscii;

}  // namespace

// ':' 'A'-'Z' '_' 'a'-'z' start a name; '-' '.' '0'-'9' only continue one.
const uint8_t kNameClass[256] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x00
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x10
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, C, C, 0,  // 0x20  - .
    C, C, C, C, C, C, C, C, C, C, S, 0, 0, 0, 0, 0,  // 0x30  0-9 :
    0, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S,  // 0x40  A-O
    S, S, S, S, S, S, S, S, S, S, S, 0, 0, 0, 0, S,  // 0x50  P-Z _
    0, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S,  // 0x60  a-o
    S, S, S, S, S, S, S, S, S, S, S, 0, 0, 0, 0, 0,  // 0x70  p-z
    N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N,  // 0x80
    N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N,
    N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N,
    N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N,
    N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N,
    N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N,
    N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N,
    N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N,  // 0xF0
};

bool isNameStartCodePoint(uint32_t cp) { return inRanges(kNameStartRanges, cp); }
bool isNameCodePoint(uint32_t cp) { return inRanges(kNameRanges, cp); }

bool startsNameMultiByte(const uint8_t* p, const uint8_t* end) {
  uint32_t cp;
  return decodeMultiByte(p, end, &cp) != 0 && isNameStartCodePoint(cp);
}

bool isQualifiedName(std::string_view name) {
  const auto* p = reinterpret_cast<const uint8_t*>(name.data());
  const auto* end = p + name.size();
  bool partStart = true, sawColon = false;
  while (p < end) {
    uint32_t cp = *p;
    size_t n = 1;
    if (cp >= 0x80 && (n = decodeMultiByte(p, end, &cp)) == 0) return false;
    if (cp == ':') {
      if (partStart || sawColon) return false;  // nothing before it, or a second one
      sawColon = partStart = true;
    } else {
      const bool ok = cp < 0x80 ? (kNameClass[cp] & (partStart ? kNameStart : kNameChar)) != 0
                                : (partStart ? isNameStartCodePoint(cp) : isNameCodePoint(cp));
      if (!ok) return false;
      partStart = false;
    }
    p += n;
  }
  return !partStart;  // not empty, nothing missing after a colon
}

}  // namespace pxrt::xml
