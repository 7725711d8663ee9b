// Strict UTF-8 decoding shared by the pattern parser and the matcher. Both
// work on code points; a byte sequence that is not well-formed UTF-8 (overlong
// forms, surrogates, values past U+10FFFF, truncation) is rejected rather
// than repaired, so that a hostile value cannot smuggle characters past a
// pattern.
#ifndef PXRT_PATTERN_UTF8_H
#define PXRT_PATTERN_UTF8_H

#include <cstddef>
#include <cstdint>

namespace pxrt::pattern::detail {

// Decodes the code point at p (p < end) into *cp. Returns the number of bytes
// used, 1 to 4, or 0 when the bytes at p are not well-formed UTF-8.
inline size_t decodeUtf8(const unsigned char* p, const unsigned char* end, uint32_t* cp) {
  const uint32_t c0 = p[0];
  if (c0 < 0x80) {
    *cp = c0;
    return 1;
  }
  const size_t avail = static_cast<size_t>(end - p);
  auto cont = [p](size_t i) { return (p[i] & 0xC0) == 0x80; };
  if (c0 < 0xC2) return 0;  // stray continuation byte or overlong two-byte form
  if (c0 < 0xE0) {
    if (avail < 2 || !cont(1)) return 0;
    *cp = ((c0 & 0x1F) << 6) | (p[1] & 0x3F);
    return 2;
  }
  if (c0 < 0xF0) {
    if (avail < 3 || !cont(1) || !cont(2)) return 0;
    const uint32_t v = ((c0 & 0x0F) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3F);
    if (v < 0x800 || (v >= 0xD800 && v <= 0xDFFF)) return 0;
    *cp = v;
    return 3;
  }
  if (c0 < 0xF5) {
    if (avail < 4 || !cont(1) || !cont(2) || !cont(3)) return 0;
    const uint32_t v = ((c0 & 0x07) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3F);
    if (v < 0x10000 || v > 0x10FFFF) return 0;
    *cp = v;
    return 4;
  }
  return 0;
}

}  // namespace pxrt::pattern::detail

#endif
