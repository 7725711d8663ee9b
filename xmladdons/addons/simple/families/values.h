// Conversion of the decode input into a member's storage, by kind; shared by
// the decoding handlers (into the record) and the validating handlers (into
// a scratch value, with text kinds not looked at).
#ifndef PXS_FAMILIES_VALUES_H
#define PXS_FAMILIES_VALUES_H

#include <cstring>

#include "families/descriptor.h"

namespace pxs {

// Scratch storage big enough for any member kind a validator converts.
union Scratch {
  RtXmlString text;
  OSBOOL b;
  int32_t i;
  uint32_t u;
  uint64_t u64;
  double d;
  uint16_t e;
};

// dest: the member's storage (decoding) or a Scratch (validating).
// attribute: the text is an attribute value (validators parse date-times of
// attributes directly, of elements through the runtime's converter).
int convertInput(RtContext* ctxt, const Member& m, void* dest, bool validate, bool attribute, const char* path);

// Whether a text holds a byte at or below the space: a blank whitespace
// treatment would change, or a control byte.
inline bool hasBlankOrControl(const OSUTF8CHAR* text, size_t length) {
  // Eight bytes at a time: a byte below 0x21 makes the word test true
  // (the test for a byte below a bound, exact for bounds up to 0x80).
  constexpr uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    uint64_t w;
    std::memcpy(&w, text + i, sizeof w);
    if ((w - kOnes * 0x21) & ~w & kHigh) return true;
  }
  for (; i < length; ++i)
    if (text[i] <= 0x20) return true;
  return false;
}
// Texts a conversion keeps as they stand: a text without a pattern, or a
// collapsed one (a URI, an ID) without a blank or control byte, which
// whitespace treatment would leave as it is.
inline bool keptAsWritten(const Member& m, const OSUTF8CHAR* text, size_t length) {
  if ((m.kind != Kind::Text && m.kind != Kind::Collapsed) || (m.simple && m.simple->pattern)) return false;
  return m.kind == Kind::Text || !hasBlankOrControl(text, length);
}
// Such a text copied into dest; a failed copy is recorded at path.
inline int keepText(RtContext* ctxt, RtXmlString* dest, const OSUTF8CHAR* text, size_t length, const char* path) {
  OSUTF8CHAR* copy = rtxUTF8Strndup(ctxt, text, length);
  if (!copy) return rtxErrSetNewData(ctxt, ST_NO_MEMORY, path, __LINE__);
  dest->cdata = 0;
  dest->value = copy;
  return 0;
}

// True when a converted number is below the member's lower bound.
bool belowMinimum(const Member& m, const void* value);
uint64_t numberOf(const Member& m, const void* value);

}  // namespace pxs

#endif
