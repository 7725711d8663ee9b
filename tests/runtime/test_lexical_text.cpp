// Whitespace facets, booleans and the integer types.
#include <gtest/gtest.h>

#include <string>

#include "internal/lexical.h"

using namespace pxrt::lex;

TEST(LexicalWhitespace, TrimCollapseReplace) {
  struct Case { const char* in; const char* trimmed; const char* collapsed; bool inner; };
  const Case cases[] = {
      {"", "", "", false},           {" \t\r\n", "", "", false},
      {"a", "a", "a", false},        {"  a b  ", "a b", "a b", false},
      {"a  b", "a  b", "a b", true}, {"a\tb", "a\tb", "a b", true},
      {"\na \r\n b\t", "a \r\n b", "a b", true},
      {"a\vb\f", "a\vb\f", "a\vb\f", false},  // only the four XML blanks count
      {"\xC2\xA0x", "\xC2\xA0x", "\xC2\xA0x", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(trim(c.in), c.trimmed);
    EXPECT_EQ(needsInnerCollapse(trim(c.in)), c.inner);
    std::string buf(c.in);
    buf.resize(buf.size() + 1, '#');
    const size_t n = collapse(c.in, buf.data());
    EXPECT_EQ(buf.substr(0, n), c.collapsed);
    std::string inPlace(c.in);  // the decode input is collapsed where it lies
    inPlace.resize(collapse(inPlace, inPlace.data()));
    EXPECT_EQ(inPlace, c.collapsed);
  }
  char text[] = "\ta\r\nb c\n";
  replace(text, sizeof text - 1);
  EXPECT_STREQ(text, " a  b c ");
}

TEST(LexicalNumbers, Bool) {
  const std::pair<const char*, int> cases[] = {
      {"true", 1}, {"false", 0}, {"1", 1}, {"0", 0}, {" \ttrue\n", 1},
      {"yes", -1}, {"TRUE", -1}, {"", -1}, {"01", -1}, {"+1", -1}, {"tru e", -1}, {"truex", -1}};
  for (auto [text, want] : cases) {
    for (bool before : {false, true}) {  // a failure leaves either value alone
      bool v = before;
      EXPECT_EQ(parseBool(text, &v), want < 0 ? ST_BAD_VALUE : ST_OK) << text;
      EXPECT_EQ(v, want < 0 ? before : want == 1) << text;
    }
  }
}

// One table for the three integer types: the status each gives, and the
// value as text when it succeeds; a failure leaves the output at 55.
TEST(LexicalNumbers, Integers) {
  struct Case { const char* in; int s32; int u32; int u64; const char* value; };
  constexpr int OK = ST_OK, BAD = ST_BAD_VALUE, OOR = ST_OUT_OF_RANGE;
  const Case cases[] = {
      {"0", OK, OK, OK, "0"},           {"-0", OK, OK, OK, "0"},
      {"+17", OK, OK, OK, "17"},        {" 0042\n", OK, OK, OK, "42"},
      {"-17", OK, OOR, OOR, "-17"},     {"000000000000000000000000000009", OK, OK, OK, "9"},
      {"2147483647", OK, OK, OK, "2147483647"},
      {"-2147483648", OK, OOR, OOR, "-2147483648"},
      {"2147483648", OOR, OK, OK, "2147483648"},
      {"-2147483649", OOR, OOR, OOR, ""},
      {"4294967295", OOR, OK, OK, "4294967295"},
      {"4294967296", OOR, OOR, OK, "4294967296"},
      {"18446744073709551615", OOR, OOR, OK, "18446744073709551615"},
      {"18446744073709551616", OOR, OOR, OOR, ""},
      {"99999999999999999999999999", OOR, OOR, OOR, ""},
      {"", BAD, BAD, BAD, ""},          {"+", BAD, BAD, BAD, ""},
      {"-", BAD, BAD, BAD, ""},         {"+-1", BAD, BAD, BAD, ""},
      {"1 2", BAD, BAD, BAD, ""},       {"1.0", BAD, BAD, BAD, ""},
      {"0x10", BAD, BAD, BAD, ""},      {"1e3", BAD, BAD, BAD, ""},
      {"\xEF\xBC\x91", BAD, BAD, BAD, ""},  // fullwidth digit one
      {"99999999999999999999999x", BAD, BAD, BAD, ""},  // bad text wins over overflow
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    int32_t i32 = 55;
    uint32_t u32 = 55;
    uint64_t u64 = 55;
    EXPECT_EQ(parseInt32(c.in, &i32), c.s32);
    EXPECT_EQ(parseUInt32(c.in, &u32), c.u32);
    EXPECT_EQ(parseUInt64(c.in, &u64), c.u64);
    EXPECT_EQ(c.s32 == OK ? std::to_string(i32) : "55", c.s32 == OK ? c.value : "55");
    EXPECT_EQ(c.u32 == OK ? std::to_string(u32) : "55", c.u32 == OK ? c.value : "55");
    EXPECT_EQ(c.u64 == OK ? std::to_string(u64) : "55", c.u64 == OK ? c.value : "55");
  }
}
