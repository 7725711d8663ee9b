// The encoders' fast path: values that need neither a UTF-8 check nor an
// escape -- nearly every value a presence document carries (URIs, ids,
// enumeration names, numbers, notes in ASCII) -- are copied straight into
// the output buffer with the markup around them, in one piece. Anything else
// (a byte that must become a reference, a non-ASCII or control byte to be
// checked, a buffer that must grow or is full) takes the general path, which
// writes, checks and reports exactly as before.
#ifndef PXS_FAMILIES_PLAIN_OUTPUT_H
#define PXS_FAMILIES_PLAIN_OUTPUT_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "pxxml/rt.h"

namespace pxs::plain {

// Which contexts a byte may be written in as it is: character data takes
// printable ASCII and TAB and LF, but not & < > (nor CR, which line-end
// normalisation would lose); a double-quoted attribute value also refuses
// the quote and TAB and LF, which value normalisation would turn into spaces.
// NUL is in neither, so a scan stops at the end of a text.
enum : uint8_t { kText = 1, kAttr = 2 };

struct Table {
  uint8_t cls[256];
  constexpr Table() : cls() {
    for (int c = 0x20; c < 0x80; ++c) cls[c] = kText | kAttr;
    for (char c : {'&', '<', '>'}) cls[static_cast<unsigned char>(c)] = 0;
    cls[static_cast<unsigned char>('"')] = kText;
    cls[static_cast<unsigned char>('\t')] = kText;
    cls[static_cast<unsigned char>('\n')] = kText;
  }
};
inline constexpr Table kTable{};

constexpr size_t kNotPlain = SIZE_MAX;

#if defined(__SSE2__)
// The bytes of a 16-byte block that may not be written as they are: every
// control byte (NUL among them) and every non-ASCII byte, which a signed
// compare puts below the blank, and the context's markup bytes.
inline unsigned stopMask(__m128i v, uint8_t context) {
  __m128i m = _mm_cmplt_epi8(v, _mm_set1_epi8(0x20));
  if (context == kText)
    m = _mm_andnot_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\t')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))), m);
  else
    m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8('"')));
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8('&')));
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8('<')));
  m = _mm_or_si128(m, _mm_cmpeq_epi8(v, _mm_set1_epi8('>')));
  return static_cast<unsigned>(_mm_movemask_epi8(m));
}
#endif

// The first byte of a NUL-terminated text that may not be written as it is
// in the given context (the NUL at the latest). Sixteen bytes at a time: the
// loads are aligned, so that none reaches into a page the text does not
// touch (the bytes around the text in its own blocks are read, and those
// before it ignored), which is why the sanitizers must not look at them.
#if defined(__SSE2__)
[[gnu::no_sanitize_address, gnu::no_sanitize_thread]]
#endif
inline const OSUTF8CHAR* firstStop(const OSUTF8CHAR* text, uint8_t context) {
#if defined(__SSE2__)
  const uintptr_t at = reinterpret_cast<uintptr_t>(text);
  const auto* block = reinterpret_cast<const __m128i*>(at & ~uintptr_t{15});
  unsigned stops = stopMask(_mm_load_si128(block), context) >> (at & 15) << (at & 15);
  while (stops == 0) stops = stopMask(_mm_load_si128(++block), context);
  return reinterpret_cast<const OSUTF8CHAR*>(block) + __builtin_ctz(stops);
#else
  const OSUTF8CHAR* p = text;
  while (kTable.cls[*p] & context) ++p;
  return p;
#endif
}

// The length of a text whose every byte may be written as it is in the
// given context, kNotPlain otherwise.
inline size_t length(const OSUTF8CHAR* text, uint8_t context) {
  const OSUTF8CHAR* p = firstStop(text, context);
  return *p == 0 ? static_cast<size_t>(p - text) : kNotPlain;
}

// The reference character data writes for a markup byte, null for others.
inline std::string_view textReference(OSUTF8CHAR c) {
  return c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string_view();
}

// Where n more bytes and the NUL after them fit without growing the buffer;
// null when they do not, and the caller leaves the write to the general
// path.
inline OSUTF8CHAR* room(RtContext* ctxt, size_t n) {
  RtBuffer& b = ctxt->buffer;
  return b.size - b.byteIndex > n ? b.data + b.byteIndex : nullptr;
}

// Ends a write started at room(): the index moves past the n bytes and the
// NUL goes after them.
inline void commit(RtContext* ctxt, size_t n) {
  ctxt->buffer.byteIndex += n;
  ctxt->buffer.data[ctxt->buffer.byteIndex] = 0;
}

// Copies of a few bytes -- names, most values -- without a library call:
// two overlapping moves of 8 or 4 bytes cover every length up to 16.
inline void copy(OSUTF8CHAR* to, const char* from, size_t n) {
  uint64_t a, b;
  uint32_t c, d;
  if (n >= 8 && n <= 16) {
    std::memcpy(&a, from, 8);
    std::memcpy(&b, from + n - 8, 8);
    std::memcpy(to, &a, 8);
    std::memcpy(to + n - 8, &b, 8);
  } else if (n >= 4 && n < 8) {
    std::memcpy(&c, from, 4);
    std::memcpy(&d, from + n - 4, 4);
    std::memcpy(to, &c, 4);
    std::memcpy(to + n - 4, &d, 4);
  } else if (n > 16) {
    std::memcpy(to, from, n);
  } else if (n >= 2) {
    uint16_t e, f;
    std::memcpy(&e, from, 2);
    std::memcpy(&f, from + n - 2, 2);
    std::memcpy(to, &e, 2);
    std::memcpy(to + n - 2, &f, 2);
  } else if (n == 1) {
    *to = static_cast<OSUTF8CHAR>(*from);
  }
}

// ` name="value"` in one piece, when it fits; false when it does not and
// nothing was written.
inline bool writeAttribute(RtContext* ctxt, std::string_view name, std::string_view value) {
  const size_t n = name.size() + value.size() + 4;
  OSUTF8CHAR* out = room(ctxt, n);
  if (!out) return false;
  *out++ = ' ';
  copy(out, name.data(), name.size());
  out += name.size();
  *out++ = '=';
  *out++ = '"';
  copy(out, value.data(), value.size());
  out[value.size()] = '"';
  commit(ctxt, n);
  return true;
}

// `open prefix:name close` (no colon after an empty prefix) in one piece,
// when it fits.
inline bool writeTag(RtContext* ctxt, std::string_view open, std::string_view prefix, std::string_view name,
                     std::string_view close) {
  const size_t n = open.size() + prefix.size() + (prefix.empty() ? 0 : 1) + name.size() + close.size();
  OSUTF8CHAR* out = room(ctxt, n);
  if (!out) return false;
  copy(out, open.data(), open.size());
  out += open.size();
  if (!prefix.empty()) {
    copy(out, prefix.data(), prefix.size());
    out += prefix.size();
    *out++ = ':';
  }
  copy(out, name.data(), name.size());
  copy(out + name.size(), close.data(), close.size());
  commit(ctxt, n);
  return true;
}

inline bool write(RtContext* ctxt, std::string_view text) {
  OSUTF8CHAR* out = room(ctxt, text.size());
  if (!out) return false;
  copy(out, text.data(), text.size());
  commit(ctxt, text.size());
  return true;
}

// Character data for the fast path: the text, and the bytes it takes with
// & < > written as references, as the general path writes them. Not plain
// when a byte needs more than that: a control or non-ASCII byte, which
// must be checked, or a carriage return.
struct Content {
  const OSUTF8CHAR* text = nullptr;
  size_t length = kNotPlain;   // of the text
  size_t written = kNotPlain;  // of its markup
  bool plain() const { return written != kNotPlain; }
};

// A text known to be plain (digits, a formatted number).
inline Content plainContent(std::string_view text) {
  return Content{reinterpret_cast<const OSUTF8CHAR*>(text.data()), text.size(), text.size()};
}

inline Content content(const OSUTF8CHAR* text) {
  Content c{text};
  if (!text) return c;
  // Every stop before the NUL must be a byte with a reference; mostly there
  // is none.
  size_t extra = 0;
  const OSUTF8CHAR* p = firstStop(text, kText);
  for (; *p; p = firstStop(p + 1, kText)) {
    std::string_view reference = textReference(*p);
    if (reference.empty()) return c;
    extra += reference.size() - 1;
  }
  c.length = static_cast<size_t>(p - text);
  c.written = c.length + extra;
  return c;
}

inline bool write(RtContext* ctxt, const Content& c) {
  if (c.written == c.length) return write(ctxt, std::string_view(reinterpret_cast<const char*>(c.text), c.length));
  OSUTF8CHAR* out = room(ctxt, c.written);
  if (!out) return false;
  // Runs of plain bytes, each followed by a reference (or the end).
  for (const OSUTF8CHAR* p = c.text;;) {
    const OSUTF8CHAR* stop = firstStop(p, kText);
    copy(out, reinterpret_cast<const char*>(p), static_cast<size_t>(stop - p));
    out += stop - p;
    if (*stop == 0) break;
    std::string_view reference = textReference(*stop);
    copy(out, reference.data(), reference.size());
    out += reference.size();
    p = stop + 1;
  }
  commit(ctxt, c.written);
  return true;
}

}  // namespace pxs::plain

#endif
