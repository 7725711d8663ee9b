// double to xs:decimal text under an RtDecimalFormat.
//
// The value is first reduced to its shortest round-trip significant digits
// (std::to_chars in scientific form gives those, at most 17) and a decimal
// point position; everything after that, rounding included, works on those
// digits. So what is rounded is the decimal text a reader would see: 0.125
// and 2.675 both round half away from zero to "0.13" and "2.68", even though
// the double nearest 2.675 lies just below it.
//
// Choices made where the format leaves room:
// - The integer part of a value below 1 is written "0" ("0.5") unless
//   minIntegerDigits is exactly 0, which writes ".5" (and ".0" for zero
//   with a forced point). Without fraction digits the "0" stays, since "."
//   alone is no number.
// - A value that is zero once written (-0.0, or -0.001 rounded to two
//   fraction digits) carries no minus sign.
// - minFractionDigits never pads past fractionDigits when both are set.
// - A forced point with no fraction digit to show writes one zero ("1.0"),
//   or a bare point ("1.") when fractionDigits is 0.
// - maxIntegerDigits and totalDigits count significant digits only, after
//   rounding: padding zeros from minIntegerDigits or minFractionDigits, the
//   leading "0" of "0.5" and the zeros right of the point in "0.005" do not
//   count, trailing zeros of an integer ("100") do.
// - A buffer too small for the text returns ST_BUFFER_FULL.
#include <charconv>
#include <cmath>
#include <system_error>

#include "internal/code_layout.h"
#include "internal/lexical.h"

namespace pxrt::lex {
namespace {

// The value as significant digits d1 d2 ... dn (no leading or trailing zero)
// and the place of the point: value = 0.d1d2...dn * 10^point. No digits
// means zero.
struct Digits {
  char d[32];
  int count = 0;
  int point = 0;
};

Digits shortestDigits(double magnitude) {
  Digits r;
  if (magnitude == 0.0) return r;
  // Most values are short decimals (priorities such as 0.8): the first
  // number of fraction digits k with which value * 10^k is a whole number
  // that divides back to exactly the value gives the shortest digits
  // without going through text.
  static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
  for (int k = 0; k < 7; ++k) {
    double scaled = std::nearbyint(magnitude * kPowers[k]);
    if (scaled >= 1e15 || scaled / kPowers[k] != magnitude) continue;
    auto whole = static_cast<uint64_t>(scaled);
    char rev[20];
    int n = 0;
    while (whole) {
      rev[n++] = static_cast<char>('0' + whole % 10);
      whole /= 10;
    }
    int zeros = 0;  // trailing zeros are no significant digits
    while (zeros < n && rev[zeros] == '0') ++zeros;
    for (int i = n - 1; i >= zeros; --i) r.d[r.count++] = rev[i];
    r.point = n - k;
    return r;
  }
  char buf[40];  // "d.dddddddddddddddde-308": 24 bytes at most
  const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
  const char* p = buf;
  const char* end = res.ptr;
  while (p < end && *p != 'e') {
    if (*p != '.') r.d[r.count++] = *p;
    ++p;
  }
  int exponent = 0;
  std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
  r.point = exponent + 1;  // shortest digits never end in a zero
  return r;
}

// Keep fractionDigits digits right of the point, rounding half away from
// zero on the magnitude: the first dropped digit decides alone, since a
// dropped 5 followed by anything is above the half and a lone 5 is the half.
void roundFraction(Digits* v, int fractionDigits) {
  const int keep = v->point + fractionDigits;  // significant digits kept
  if (keep >= v->count) return;
  if (keep < 0) {  // the first dropped digit is a leading zero
    v->count = 0;
    return;
  }
  const bool up = v->d[keep] >= '5';
  v->count = keep;
  if (up) {
    int i = keep - 1;
    while (i >= 0 && v->d[i] == '9') --i;
    if (i < 0) {  // all nines (or nothing kept): becomes 1 one place higher
      v->d[0] = '1';
      v->count = 1;
      v->point += 1;
    } else {
      ++v->d[i];
      v->count = i + 1;
    }
  }
  while (v->count > 0 && v->d[v->count - 1] == '0') --v->count;
}

// Digit at place k of the positional text, where place 0 is the first digit
// left of the point and negative places are fraction digits (-1 the first).
char digitAt(const Digits& v, int k) {
  const int index = v.point - 1 - k;
  return index >= 0 && index < v.count ? v.d[index] : '0';
}

}  // namespace

PX_ENCODE_PATH int formatDecimal(double value, const RtDecimalFormat* format, char* out, size_t cap) {
  if (!std::isfinite(value)) return ST_BAD_VALUE;
  if (out == nullptr && cap != 0) return ST_BAD_ARGUMENT;
  const RtDecimalFormat noLimits{-1, -1, -1, -1, -1, 0, 0, 0, nullptr};
  const RtDecimalFormat& f = format != nullptr ? *format : noLimits;

  Digits v = shortestDigits(std::fabs(value));
  if (f.fractionDigits >= 0) roundFraction(&v, f.fractionDigits);
  const bool zero = v.count == 0;
  const bool negative = value < 0 && !zero;

  const int integerDigits = zero ? 0 : (v.point > 0 ? v.point : 0);
  const int fractionDigits = zero ? 0 : (v.count > v.point ? v.count - v.point : 0);
  const int significant = zero ? 0 : (v.point > 0 ? integerDigits + fractionDigits : v.count);
  if (f.maxIntegerDigits >= 0 && integerDigits > f.maxIntegerDigits) return ST_CONSTRAINT;
  if (f.totalDigits >= 0 && significant > f.totalDigits) return ST_CONSTRAINT;

  int minFraction = f.minFractionDigits;
  if (f.fractionDigits >= 0 && minFraction > f.fractionDigits) minFraction = f.fractionDigits;
  int fractionWritten = fractionDigits > minFraction ? fractionDigits : minFraction;
  if (f.pointPresent && fractionWritten == 0 && f.fractionDigits != 0) fractionWritten = 1;
  const bool point = fractionWritten > 0 || f.pointPresent;

  int integerWritten = integerDigits > f.minIntegerDigits ? integerDigits : f.minIntegerDigits;
  if (integerWritten == 0 && !(f.minIntegerDigits == 0 && fractionWritten > 0)) integerWritten = 1;

  const size_t length = static_cast<size_t>((negative || f.signPresent ? 1 : 0) + integerWritten +
                                            (point ? 1 : 0) + fractionWritten);
  if (length + 1 > cap) {
    if (cap > 0) out[0] = '\0';
    return ST_BUFFER_FULL;
  }
  char* p = out;
  if (negative) {
    *p++ = '-';
  } else if (f.signPresent) {
    *p++ = '+';
  }
  for (int k = integerWritten - 1; k >= 0; --k) *p++ = digitAt(v, k);
  if (point) *p++ = '.';
  for (int k = 1; k <= fractionWritten; ++k) *p++ = digitAt(v, -k);
  *p = '\0';
  return static_cast<int>(length);
}

}  // namespace pxrt::lex
