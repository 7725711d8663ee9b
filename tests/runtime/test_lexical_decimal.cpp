// xs:decimal: the grammar, exact rounding to double, and formatting under
// the digit limits of RtDecimalFormat.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "internal/lexical.h"

using namespace pxrt::lex;

namespace {

// The formatted text, or "#<status>" on failure.
std::string fmt(double v, const RtDecimalFormat* f = nullptr) {
  char buf[700];
  const int n = formatDecimal(v, f, buf, sizeof buf);
  if (n < 0) return "#" + std::to_string(n);
  EXPECT_EQ(std::strlen(buf), static_cast<size_t>(n));
  return buf;
}

RtDecimalFormat F(int total, int frac, int minFrac, int maxInt, int minInt, bool sign = false,
                  bool point = false) {
  return RtDecimalFormat{int8_t(total), int8_t(frac), int8_t(minFrac), int8_t(maxInt), int8_t(minInt),
                         sign, point, 0, nullptr};
}

const std::string C = "#" + std::to_string(ST_CONSTRAINT);

}  // namespace

TEST(LexicalDecimal, Parse) {
  const std::string zeros400(400, '0');
  const std::pair<std::string, double> good[] = {
      {"1.", 1.0}, {".5", 0.5}, {"-0.0", -0.0}, {"+3", 3.0}, {" -12.50\n", -12.5}, {"007", 7.0},
      {"0.1", 0.1}, {"1" + zeros400.substr(0, 22), 1e22},
      {"0." + zeros400 + "1", 0.0},                                  // nearer zero than any double
      {"0." + std::string(323, '0') + "5", 5e-324},                  // rounds to the smallest subnormal
      {"0.1" + zeros400 + "1", 0.1}, {zeros400 + "2.5" + zeros400, 2.5},
      {"9007199254740993", 9007199254740992.0},                      // tie: to even
      {"9007199254740993.000000000000000000001", 9007199254740994.0}};  // just above the tie
  for (const auto& [text, want] : good) {
    double v = 99;
    ASSERT_EQ(parseDecimal(text, &v), ST_OK) << text.substr(0, 40);
    EXPECT_EQ(v, want) << text.substr(0, 40);
    EXPECT_EQ(std::signbit(v), std::signbit(want)) << text.substr(0, 40);
  }
  const char* bad[] = {".", "", " ", "+", "-.", "1e3", "1E3", "INF", "NaN", "-INF", "1.2.3", "+-1",
                       "1 .5", "1,5", "0x1", "1.5f", "--1"};
  for (const char* text : bad) {
    double v = 99;
    EXPECT_EQ(parseDecimal(text, &v), ST_BAD_VALUE) << text;
    EXPECT_EQ(v, 99) << text;
  }
  double v = 99;
  EXPECT_EQ(parseDecimal("1" + zeros400, &v), ST_OUT_OF_RANGE);
  EXPECT_EQ(parseDecimal("-1" + zeros400 + ".0", &v), ST_OUT_OF_RANGE);
  EXPECT_EQ(v, 99);
}

TEST(LexicalDecimal, ShortestPositionalText) {
  EXPECT_EQ(fmt(1e-7), "0.0000001");
  EXPECT_EQ(fmt(1e21), "1000000000000000000000");
  EXPECT_EQ(fmt(1e23), "100000000000000000000000");  // shortest digits, not 99999999999999991611392
  EXPECT_EQ(fmt(0.1), "0.1");
  EXPECT_EQ(fmt(-123.456), "-123.456");
  EXPECT_EQ(fmt(100), "100");
  EXPECT_EQ(fmt(-0.0), "0");
  EXPECT_EQ(fmt(5e-324), "0." + std::string(323, '0') + "5");  // shortest "5e-324" still reads back
  EXPECT_EQ(fmt(DBL_MAX), "17976931348623157" + std::string(292, '0'));
  EXPECT_EQ(fmt(INFINITY), "#" + std::to_string(ST_BAD_VALUE));
  EXPECT_EQ(fmt(-INFINITY), "#" + std::to_string(ST_BAD_VALUE));
  EXPECT_EQ(fmt(NAN), "#" + std::to_string(ST_BAD_VALUE));
}

TEST(LexicalDecimal, RoundTrip) {
  std::mt19937_64 rng(20240611);
  for (int i = 0; i < 20000; ++i) {
    double v;
    const uint64_t bits = rng();
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v) || v == 0) continue;
    const std::string text = fmt(v);
    ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    double back = 0;
    ASSERT_EQ(parseDecimal(text, &back), ST_OK) << text;
    ASSERT_EQ(back, v) << text;
  }
  for (int e = -320; e <= 308; ++e) {  // every power of ten, and its neighbours
    for (double v : {std::pow(10.0, e), std::nextafter(std::pow(10.0, e), 0.0)}) {
      double back = 0;
      ASSERT_EQ(parseDecimal(fmt(v), &back), ST_OK);
      ASSERT_EQ(back, v) << fmt(v);
    }
  }
}

TEST(LexicalDecimal, FormatFacets) {
  const RtDecimalFormat qvalue = F(-1, -1, -1, 1, 1);  // the presence priority
  const RtDecimalFormat frac2 = F(-1, 2, -1, -1, -1), frac0 = F(-1, 0, -1, -1, -1);
  const RtDecimalFormat frac1 = F(-1, 1, -1, -1, -1), frac2max1 = F(-1, 2, -1, 1, -1);
  const RtDecimalFormat minFrac3 = F(-1, -1, 3, -1, -1), minFrac3frac2 = F(-1, 2, 3, -1, -1);
  const RtDecimalFormat point = F(-1, -1, -1, -1, -1, false, true);
  const RtDecimalFormat point0 = F(-1, 0, -1, -1, -1, false, true);
  const RtDecimalFormat sign = F(-1, -1, -1, -1, -1, true), minInt3 = F(-1, -1, -1, -1, 3);
  const RtDecimalFormat minInt0 = F(-1, -1, -1, -1, 0), minInt0point = F(-1, -1, -1, -1, 0, false, true);
  const RtDecimalFormat maxInt2 = F(-1, -1, -1, 2, -1), maxInt0 = F(-1, -1, -1, 0, -1);
  const RtDecimalFormat total3 = F(3, -1, -1, -1, -1), total3frac2 = F(3, 2, -1, -1, -1);
  struct Case { double v; const RtDecimalFormat* f; std::string want; };
  const Case cases[] = {
      {0.5, &qvalue, "0.5"}, {1, &qvalue, "1"}, {0, &qvalue, "0"}, {0.25, &qvalue, "0.25"},
      {10, &qvalue, C}, {9.5, &qvalue, "9.5"}, {0.001, &qvalue, "0.001"},
      // half away from zero on the shortest decimal text
      {0.125, &frac2, "0.13"}, {-0.125, &frac2, "-0.13"}, {2.675, &frac2, "2.68"}, {0.124, &frac2, "0.12"},
      {0.005, &frac2, "0.01"}, {0.004, &frac2, "0"}, {-0.004, &frac2, "0"}, {9.995, &frac2, "10"},
      {1.10, &frac2, "1.1"}, {123.0, &frac2, "123"}, {0.5, &frac0, "1"}, {2.5, &frac0, "3"},
      {-2.5, &frac0, "-3"}, {0.4999, &frac0, "0"}, {0.96, &frac1, "1"}, {0.096, &frac1, "0.1"},
      {0.0449, &frac1, "0"}, {0.0009, &frac2, "0"}, {0.00096, &frac1, "0"}, {99.96, &frac1, "100"},
      {9.995, &frac2max1, C}, {9.994, &frac2max1, "9.99"},
      {1.5, &minFrac3, "1.500"}, {1.23456, &minFrac3, "1.23456"}, {0, &minFrac3, "0.000"},
      {1.5, &minFrac3frac2, "1.50"},
      {1, &point, "1.0"}, {0, &point, "0.0"}, {1.25, &point, "1.25"}, {1, &point0, "1."},
      {1, &sign, "+1"}, {0, &sign, "+0"}, {-0.0, &sign, "+0"}, {-1, &sign, "-1"},
      {5.5, &minInt3, "005.5"}, {1234, &minInt3, "1234"}, {-0.5, &minInt3, "-000.5"},
      {0.5, &minInt0, ".5"}, {-0.5, &minInt0, "-.5"}, {0, &minInt0, "0"}, {0, &minInt0point, ".0"},
      {12, &minInt0, "12"}, {0.5, nullptr, "0.5"},
      {99.9, &maxInt2, "99.9"}, {100, &maxInt2, C}, {-100, &maxInt2, C}, {0.5, &maxInt0, "0.5"},
      {1, &maxInt0, C},
      {123, &total3, "123"}, {1234, &total3, C}, {12.3, &total3, "12.3"}, {1.234, &total3, C},
      {0.00123, &total3, "0.00123"}, {0.001234, &total3, C}, {1000, &total3, C}, {0, &total3, "0"},
      {1.234, &total3frac2, "1.23"},
  };
  for (const Case& c : cases) EXPECT_EQ(fmt(c.v, c.f), c.want) << c.v;
}

TEST(LexicalDecimal, FormatBufferSize) {
  char buf[8];
  std::memset(buf, 'x', sizeof buf);
  EXPECT_EQ(formatDecimal(-1.25, nullptr, buf, 6), 5);  // five bytes and the NUL
  EXPECT_STREQ(buf, "-1.25");
  EXPECT_EQ(formatDecimal(-1.25, nullptr, buf, 5), ST_BUFFER_FULL);
  EXPECT_EQ(buf[0], '\0');
  EXPECT_EQ(formatDecimal(1, nullptr, buf, 0), ST_BUFFER_FULL);
}
