// Character rules of the reader: which bytes end a run of text or of an
// attribute value, UTF-8 decoding that accepts only characters XML allows,
// and the classes of name characters.
#ifndef PXRT_XML_CHARS_H
#define PXRT_XML_CHARS_H

#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// For the few small functions of the hot path that the compiler might not
// inline on its own.
#define PX_ALWAYS_INLINE inline __attribute__((always_inline))

namespace pxrt::xml {

// Byte classes of names: an ASCII byte that may start a name, one that may
// continue a name, and the lead of a non-ASCII character (looked up by code
// point).
enum : uint8_t { kNameStart = 1, kNameChar = 2, kNonAscii = 4 };
extern const uint8_t kNameClass[256];

inline bool isSpace(uint8_t c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }

// Non-ASCII characters (code points) of names.
bool isNameStartCodePoint(uint32_t cp);
bool isNameCodePoint(uint32_t cp);
// A name namespaces allow: a local name, or a prefix, one colon and a local
// name, each an XML name without colons (UTF-8).
bool isQualifiedName(std::string_view name);
// Whether the character at p (p < end) may start a name after a colon: a
// name start character other than ':'.
bool startsNameMultiByte(const uint8_t* p, const uint8_t* end);
inline bool startsName(const uint8_t* p, const uint8_t* end) {
  return *p < 0x80 ? (kNameClass[*p] & kNameStart) != 0 && *p != ':' : startsNameMultiByte(p, end);
}

// A character XML allows (its Char production).
inline bool isXmlChar(uint32_t cp) {
  if (cp < 0x20) return cp == 0x9 || cp == 0xA || cp == 0xD;
  if (cp < 0xD800) return true;
  if (cp < 0xE000) return false;
  if (cp < 0x10000) return cp != 0xFFFE && cp != 0xFFFF;
  return cp <= 0x10FFFF;
}

// Length of the UTF-8 sequence at p (lead byte >= 0x80) when it encodes a
// character XML allows, 0 otherwise (bad or truncated sequence, overlong
// form, surrogate, U+FFFE/U+FFFF, beyond U+10FFFF). *cp gets the character.
inline size_t decodeMultiByte(const uint8_t* p, const uint8_t* end, uint32_t* cp) {
  const size_t avail = static_cast<size_t>(end - p);
  const uint8_t b0 = p[0];
  if (b0 < 0xC2) return 0;  // continuation byte or overlong two-byte lead
  if (b0 < 0xE0) {
    if (avail < 2 || (p[1] & 0xC0) != 0x80) return 0;
    *cp = (uint32_t(b0 & 0x1F) << 6) | (p[1] & 0x3F);
    return 2;
  }
  if (b0 < 0xF0) {
    if (avail < 3 || (p[1] & 0xC0) != 0x80 || (p[2] & 0xC0) != 0x80) return 0;
    uint32_t c = (uint32_t(b0 & 0x0F) << 12) | (uint32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
    if (c < 0x800 || (c >= 0xD800 && c < 0xE000) || c >= 0xFFFE) return 0;
    *cp = c;
    return 3;
  }
  if (b0 < 0xF5) {
    if (avail < 4 || (p[1] & 0xC0) != 0x80 || (p[2] & 0xC0) != 0x80 || (p[3] & 0xC0) != 0x80) return 0;
    uint32_t c = (uint32_t(b0 & 0x07) << 18) | (uint32_t(p[1] & 0x3F) << 12) | (uint32_t(p[2] & 0x3F) << 6) |
                 (p[3] & 0x3F);
    if (c < 0x10000 || c > 0x10FFFF) return 0;
    *cp = c;
    return 4;
  }
  return 0;
}

// Appends the UTF-8 form of an allowed character; returns its length.
inline size_t encodeUtf8(uint32_t cp, char* out) {
  if (cp < 0x80) {
    out[0] = static_cast<char>(cp);
    return 1;
  }
  if (cp < 0x800) {
    out[0] = static_cast<char>(0xC0 | (cp >> 6));
    out[1] = static_cast<char>(0x80 | (cp & 0x3F));
    return 2;
  }
  if (cp < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (cp >> 12));
    out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (cp & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (cp >> 18));
  out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (cp & 0x3F));
  return 4;
}

// Bytes a scan must look at: every control byte and every non-ASCII byte,
// plus the scan's own delimiters. Plain bytes are skipped 16 at a time.
//   text:    '<' '&' '\r' ']'  (tab and line feed are plain)
//   others:  up to three delimiters; every control byte stops (attribute
//            values turn tab and line feed into spaces)
inline bool isTextStop(uint8_t c) {
  return c == '<' || c == '&' || c == '\r' || c == ']' || c >= 0x80 || (c < 0x20 && c != '\n' && c != '\t');
}

#if defined(__SSE2__)
inline unsigned textMask(__m128i v) {
  const __m128i ctl = _mm_cmplt_epi8(v, _mm_set1_epi8(0x20));  // also every byte >= 0x80
  const __m128i plainCtl = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\t')));
  __m128i m = _mm_andnot_si128(plainCtl, ctl);
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8('<')));
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8('&')));
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')));
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8(']')));
  return static_cast<unsigned>(_mm_movemask_epi8(m));
}

inline unsigned delimMask(__m128i v, char d1, char d2, char d3) {
  __m128i m = _mm_cmplt_epi8(v, _mm_set1_epi8(0x20));
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8(d1)));
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8(d2)));
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8(d3)));
  return static_cast<unsigned>(_mm_movemask_epi8(m));
}

// Bytes that are not ASCII name characters (a-z A-Z 0-9 - . : _); every
// non-ASCII byte is among them and is looked at one character at a time.
inline unsigned nameStopMask(__m128i v) {
  const __m128i lower = _mm_sub_epi8(_mm_or_si128(v, _mm_set1_epi8(0x20)), _mm_set1_epi8('a'));
  const __m128i letter = _mm_cmpeq_epi8(_mm_min_epu8(lower, _mm_set1_epi8(25)), lower);
  const __m128i punct = _mm_sub_epi8(v, _mm_set1_epi8('-'));  // - . / 0-9 :
  __m128i ok = _mm_cmpeq_epi8(_mm_min_epu8(punct, _mm_set1_epi8(':' - '-')), punct);
  ok = _mm_andnot_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('/')), ok);
  ok = _mm_or_si128(ok, letter);
  ok = _mm_or_si128(ok, _mm_cmpeq_epi8(v, _mm_set1_epi8('_')));
  return ~static_cast<unsigned>(_mm_movemask_epi8(ok)) & 0xFFFFu;
}

inline __m128i load16(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
#endif

// First byte of text that needs a look (or end).
inline const uint8_t* scanText(const uint8_t* p, const uint8_t* end) {
#if defined(__SSE2__)
  while (end - p >= 16) {
    unsigned m = textMask(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    if (m) return p + __builtin_ctz(m);
    p += 16;
  }
#endif
  while (p < end && !isTextStop(*p)) ++p;
  return p;
}

// First control byte, non-ASCII byte or one of three delimiters (or end).
inline const uint8_t* scanDelims(const uint8_t* p, const uint8_t* end, char d1, char d2, char d3) {
#if defined(__SSE2__)
  while (end - p >= 16) {
    unsigned m = delimMask(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), d1, d2, d3);
    if (m) return p + __builtin_ctz(m);
    p += 16;
  }
#endif
  while (p < end) {
    uint8_t c = *p;
    if (c < 0x20 || c >= 0x80 || c == uint8_t(d1) || c == uint8_t(d2) || c == uint8_t(d3)) break;
    ++p;
  }
  return p;
}

}  // namespace pxrt::xml

#endif
