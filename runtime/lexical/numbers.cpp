// xs:boolean, xs:int, xs:unsignedInt and xs:unsignedLong. Hand loops rather
// than strtol: strtol skips its own idea of whitespace, accepts "0x" forms
// under base 0 and follows the C locale, none of which match the lexical
// forms.
#include <cstdint>
#include <limits>

#include "internal/lexical.h"

namespace pxrt::lex {
namespace {

struct SignedMagnitude {
  bool negative = false;
  uint64_t magnitude = 0;
  bool overflow = false;  // more than 64 bits: out of range for every caller
};

// [+-]?[0-9]+ on trimmed text. Overflow is only noted: a text that also holds
// a wrong character must be reported as not a number at all, so the whole
// text is read before the range is judged.
int scanInteger(std::string_view text, SignedMagnitude* result) {
  const std::string_view t = trim(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    result->negative = t[i] == '-';
    ++i;
  }
  if (i == t.size()) return ST_BAD_VALUE;
  uint64_t magnitude = 0;
  bool overflow = false;
  for (; i < t.size(); ++i) {
    const auto digit = static_cast<unsigned>(static_cast<unsigned char>(t[i])) - '0';
    if (digit > 9) return ST_BAD_VALUE;
    // Checked multiply and add rather than a division per digit.
    overflow |= __builtin_mul_overflow(magnitude, 10u, &magnitude) ||
                __builtin_add_overflow(magnitude, digit, &magnitude);
  }
  result->magnitude = magnitude;
  result->overflow = overflow;
  return ST_OK;
}

// Unsigned types: "-0" is the value 0 (the integer lexical space allows it);
// a minus on any other value is a valid integer that does not fit, hence
// ST_OUT_OF_RANGE rather than ST_BAD_VALUE.
int scanUnsigned(std::string_view text, uint64_t limit, uint64_t* out) {
  SignedMagnitude n;
  const int st = scanInteger(text, &n);
  if (st != ST_OK) return st;
  if (n.overflow || n.magnitude > limit) return ST_OUT_OF_RANGE;
  if (n.negative && n.magnitude != 0) return ST_OUT_OF_RANGE;
  *out = n.magnitude;
  return ST_OK;
}

}  // namespace

int parseBool(std::string_view text, bool* out) {
  const std::string_view t = trim(text);
  if (t == "true" || t == "1") {
    *out = true;
    return ST_OK;
  }
  if (t == "false" || t == "0") {
    *out = false;
    return ST_OK;
  }
  return ST_BAD_VALUE;
}

int parseInt32(std::string_view text, int32_t* out) {
  SignedMagnitude n;
  const int st = scanInteger(text, &n);
  if (st != ST_OK) return st;
  // The negative side holds one more value than the positive side.
  const uint64_t limit = n.negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (n.overflow || n.magnitude > limit) return ST_OUT_OF_RANGE;
  const auto value = static_cast<int64_t>(n.magnitude);
  *out = static_cast<int32_t>(n.negative ? -value : value);
  return ST_OK;
}

int parseUInt32(std::string_view text, uint32_t* out) {
  uint64_t value = 0;
  const int st = scanUnsigned(text, std::numeric_limits<uint32_t>::max(), &value);
  if (st == ST_OK) *out = static_cast<uint32_t>(value);
  return st;
}

int parseUInt64(std::string_view text, uint64_t* out) {
  return scanUnsigned(text, std::numeric_limits<uint64_t>::max(), out);
}

}  // namespace pxrt::lex
