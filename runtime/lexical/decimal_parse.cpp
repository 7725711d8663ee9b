// xs:decimal text to double. The grammar is checked here; the conversion
// itself is left to std::from_chars, which rounds correctly whatever the
// number of digits and does not look at the locale.
#include <charconv>
#include <system_error>

#include "internal/lexical.h"

namespace pxrt::lex {

int parseDecimal(std::string_view text, double* out) {
  const std::string_view t = trim(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }
  const size_t numberStart = i;
  size_t digits = 0;
  bool nonZeroIntegerDigit = false;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
    nonZeroIntegerDigit |= t[i] != '0';
    ++i;
    ++digits;
  }
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
      ++i;
      ++digits;
    }
  }
  // Anything left (a second point, an exponent, INF, inner blanks) or no
  // digit at all ("", "+", ".") is not a decimal.
  if (i != t.size() || digits == 0) return ST_BAD_VALUE;

  // Up to 15 significant digits and 22 fraction digits: the digits as an
  // integer are exact, and so is the power of ten, so one division gives the
  // correctly rounded double, as from_chars would.
  if (digits <= 15) {
    uint64_t m = 0;
    int fraction = -1;
    for (size_t k = numberStart; k < t.size(); ++k) {
      if (t[k] == '.') {
        fraction = 0;
        continue;
      }
      m = m * 10 + static_cast<uint64_t>(t[k] - '0');
      if (fraction >= 0) ++fraction;
    }
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (fraction < 0) fraction = 0;
    if (fraction <= 22) {
      double magnitude = static_cast<double>(m) / kPowers[fraction];
      *out = negative ? -magnitude : magnitude;
      return ST_OK;
    }
  }
  // from_chars takes no '+', so the sign is applied here for both signs.
  const char* first = t.data() + numberStart;
  const char* last = t.data() + t.size();
  double magnitude = 0.0;
  const auto result = std::from_chars(first, last, magnitude, std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    // A number of 1 or more cannot underflow, so this is a value beyond
    // the largest double. Below 1 it is a value nearer to zero than the
    // smallest subnormal, and zero is then its nearest double.
    if (nonZeroIntegerDigit) return ST_OUT_OF_RANGE;
    magnitude = 0.0;
  } else if (result.ec != std::errc() || result.ptr != last) {
    return ST_BAD_VALUE;  // cannot happen on checked text; kept as a guard
  }
  *out = negative ? -magnitude : magnitude;
  return ST_OK;
}

}  // namespace pxrt::lex
