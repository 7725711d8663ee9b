// Text helpers: comparisons, UTF-8 checks, enumeration lookup, QNames.
#include <cstring>
#include <string_view>

#include "internal/context_impl.h"
#include "internal/output.h"

namespace {

const char* cstr(const OSUTF8CHAR* p) { return reinterpret_cast<const char*>(p); }

// Length of the UTF-8 sequence at p (a well-formed, shortest-form sequence
// of a code point XML 1.0 allows), or 0.
size_t xmlCharAt(const unsigned char* p, const unsigned char* end, const char** why) {
  unsigned c = p[0];
  if (c < 0x80) {
    if (c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D) {
      *why = "control character";
      return 0;
    }
    return 1;
  }
  size_t n;
  unsigned cp, min;
  if ((c & 0xE0) == 0xC0) n = 2, cp = c & 0x1F, min = 0x80;
  else if ((c & 0xF0) == 0xE0) n = 3, cp = c & 0x0F, min = 0x800;
  else if ((c & 0xF8) == 0xF0) n = 4, cp = c & 0x07, min = 0x10000;
  else {
    *why = "invalid lead byte";
    return 0;
  }
  if (static_cast<size_t>(end - p) < n) {
    *why = "truncated sequence";
    return 0;
  }
  for (size_t i = 1; i < n; ++i) {
    if ((p[i] & 0xC0) != 0x80) {
      *why = "invalid continuation byte";
      return 0;
    }
    cp = (cp << 6) | (p[i] & 0x3F);
  }
  if (cp < min) *why = "overlong sequence";
  else if (cp > 0x10FFFF) *why = "code point above U+10FFFF";
  else if (cp >= 0xD800 && cp <= 0xDFFF) *why = "surrogate code point";
  else if (cp == 0xFFFE || cp == 0xFFFF) *why = "non-character U+FFFE/U+FFFF";
  else return n;
  return 0;
}

}  // namespace

namespace pxrt {

int validateUTF8(RtContext* ctxt, const char* text, size_t len) {
  auto* start = reinterpret_cast<const unsigned char*>(text);
  const unsigned char* end = start + len;
  for (const unsigned char* p = start; p < end;) {
    const char* why = nullptr;
    size_t n = xmlCharAt(p, end, &why);
    if (n == 0) {
      rtxErrAddStrParm(ctxt, why);
      rtxErrAddUIntParm(ctxt, static_cast<unsigned>(p - start));
      return rtxErrSetNewData(ctxt, ST_INVALID_UTF8, "runtime/text.cpp", __LINE__);
    }
    p += n;
  }
  return 0;
}

}  // namespace pxrt

extern "C" {

OSBOOL rtxUTF8StrEqual(const OSUTF8CHAR* a, const OSUTF8CHAR* b) {
  if (!a || !b) return a == b;
  return std::strcmp(cstr(a), cstr(b)) == 0;
}

OSBOOL rtXmlStrCmpAsc(const OSUTF8CHAR* a, const char* b) {
  if (!a || !b) return cstr(a) == b;
  return std::strcmp(cstr(a), b) == 0;
}

size_t rtxUTF8LenBytes(const OSUTF8CHAR* text) { return text ? std::strlen(cstr(text)) : 0; }

// Text that encoders write must come back as the same text: valid UTF-8 of
// characters XML allows (no control characters but tab, LF and CR).
int rtxValidateUTF8(RtContext* ctxt, const OSUTF8CHAR* text) {
  if (!text) return 0;
  auto* p = reinterpret_cast<const unsigned char*>(text);
  // Printable ASCII, the common case, is taken in one pass up to the NUL or
  // the first byte that needs a closer look.
  while (*p >= 0x20 && *p < 0x80) ++p;
  if (*p == 0) return 0;
  return pxrt::validateUTF8(ctxt, reinterpret_cast<const char*>(text),
                                 static_cast<size_t>(p - text) + std::strlen(cstr(p)));
}

constexpr uint16_t kLinearEnum = 16;

int rtxLookupEnum(const OSUTF8CHAR* text, size_t len, const RtEnumItem* table, uint16_t n) {
  if (!table || (!text && len)) return ST_ENUM_UNKNOWN;
  std::string_view key(text ? cstr(text) : "", len);
  // Most enumerations have a few texts: their lengths and first bytes tell
  // them apart before any comparison.
  if (n <= kLinearEnum) {
    for (uint16_t i = 0; i < n; ++i)
      if (table[i].namelen == len && rtxSameBytes(table[i].name, text, len)) return i;
    return ST_ENUM_UNKNOWN;
  }
  int lo = 0, hi = static_cast<int>(n) - 1;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    // Byte order as memcmp, then the shorter first. Enumeration names are a
    // few bytes that mostly differ early: a loop here, no library call.
    const auto* a = reinterpret_cast<const unsigned char*>(key.data());
    const auto* b = reinterpret_cast<const unsigned char*>(table[mid].name);
    const size_t bl = table[mid].namelen;
    const size_t common = len < bl ? len : bl;
    size_t i = 0;
    while (i < common && a[i] == b[i]) ++i;
    int cmp = i < common ? a[i] - b[i] : (len < bl ? -1 : len > bl ? 1 : 0);
    if (cmp == 0) return mid;
    if (cmp < 0) hi = mid - 1;
    else lo = mid + 1;
  }
  return ST_ENUM_UNKNOWN;
}

const OSUTF8CHAR* rtXmlDecQName(const OSUTF8CHAR* qname, const OSUTF8CHAR** prefix, size_t* prefixLen) {
  if (prefix) *prefix = nullptr;
  if (prefixLen) *prefixLen = 0;
  if (!qname) return nullptr;
  const char* colon = std::strchr(cstr(qname), ':');
  if (!colon) return qname;
  if (prefix) *prefix = qname;
  if (prefixLen) *prefixLen = static_cast<size_t>(colon - cstr(qname));
  return reinterpret_cast<const OSUTF8CHAR*>(colon + 1);
}

}  // extern "C"
