// Conversion of the decode input into a member's storage, by kind; shared by
// the decoding handlers (into the record) and the validating handlers (into
// a scratch value, with text kinds not looked at).
#ifndef PXS_FAMILIES_VALUES_H
#define PXS_FAMILIES_VALUES_H

#include <cstring>

#include "families/descriptor.h"
#include "families/plain_output.h"

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

// The conversions most values need, done without the general converters:
// a text kept as it stands (a text without a pattern, or a collapsed one
// without a blank or control byte, which whitespace treatment would leave
// as it is), an enumeration text found in its table, a whole number of one
// to nine digits (a value every integer kind holds) at or above the
// member's bound, a decimal the runtime reads as its converter would.
// Anything else -- signs, blanks, longer numbers, unknown
// texts, patterns, faults -- is left to the general path, which converts
// and reports. dest is the member's storage, or scratch when validating.
enum class Quick { Done, NotTaken, NoMemory };
[[gnu::always_inline]] inline Quick quickConvert(RtContext* ctxt, const Member& m, void* dest,
                                                 const OSUTF8CHAR* text, size_t length, bool validate,
                                                 const char* path) {
  // Tests in order of frequency, not a jump on the kind (mostly mispredicted
  // from one attribute to the next).
  const Kind k = m.kind;
  if (m.simple && m.simple->pattern) return Quick::NotTaken;
  if (k == Kind::Text || k == Kind::Collapsed) {
    if (validate) return Quick::Done;  // validators look at no text of these kinds
    if (k == Kind::Collapsed && hasBlankOrControl(text, length)) return Quick::NotTaken;
    // The copy of a value of a few bytes makes no library call.
    auto* copy = static_cast<OSUTF8CHAR*>(rtxMemHeapAlloc(ctxt, length + 1));
    if (copy) {
      plain::copy(copy, reinterpret_cast<const char*>(text), length);
      copy[length] = 0;
    } else {
      rtxErrSetNewData(ctxt, ST_NO_MEMORY, path, __LINE__);
      return Quick::NoMemory;
    }
    auto* value = static_cast<RtXmlString*>(dest);
    value->cdata = 0;
    value->value = copy;
    return Quick::Done;
  }
  if (k == Kind::Enum) {
    const SimpleType* t = m.simple;
    int pos = t->enumTable ? rtxLookupEnum(text, length, t->enumTable, t->enumCount) : -1;
    if (pos < 0) return Quick::NotTaken;
    if (!validate) *static_cast<uint16_t*>(dest) = static_cast<uint16_t>(t->enumTable[pos].value & 0xFFFF);
    return Quick::Done;
  }
  if (k == Kind::Decimal) {
    // Refused texts go to the general converter, which reports them.
    double number;
    if (rtxParseDecimalString(text, length, &number) != 0) return Quick::NotTaken;
    if (!validate) *static_cast<double*>(dest) = number;
    return Quick::Done;
  }
  if (k != Kind::UInt && k != Kind::UInt64 && k != Kind::Int) return Quick::NotTaken;
  if (length == 0 || length > 9) return Quick::NotTaken;
  uint32_t number = 0;
  for (size_t i = 0; i < length; ++i) {
    unsigned digit = static_cast<unsigned>(text[i]) - '0';
    if (digit > 9) return Quick::NotTaken;
    number = number * 10 + digit;
  }
  if (m.minValue != INT64_MIN && static_cast<int64_t>(number) < m.minValue) return Quick::NotTaken;
  if (validate) return Quick::Done;
  if (k == Kind::UInt64) *static_cast<uint64_t*>(dest) = number;
  else if (k == Kind::UInt) *static_cast<uint32_t*>(dest) = number;
  else *static_cast<int32_t*>(dest) = static_cast<int32_t>(number);
  return Quick::Done;
}

// True when a converted number is below the member's lower bound.
bool belowMinimum(const Member& m, const void* value);
uint64_t numberOf(const Member& m, const void* value);

}  // namespace pxs

#endif
