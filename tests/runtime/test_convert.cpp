// Converters of the decode input (rtXmlDec*), whitespace treatment, text
// copies, date-time parsing, enumeration lookup, UTF-8 validation, and the
// namespace, xsi: and wildcard attribute helpers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>

#include "rt_fixture.h"
#include "support/xml_compare.h"

using namespace pxtest;

namespace {

constexpr int BAD = ST_BAD_VALUE, OOR = ST_OUT_OF_RANGE;

// One converter on one text: the value on success; on failure the output
// untouched and one entry (status, type name, whole input text).
template <typename T, typename Fn>
void check(Fn fn, const char* type, const char* text, int status, T expect) {
  Ctx c;
  setInput(c, text);
  T out = T(99);
  EXPECT_EQ(fn(c, &out), status) << type << " \"" << text << '"';
  EXPECT_EQ(out, status ? T(99) : expect) << type << " \"" << text << '"';
  std::vector<StatusParams> expectErrors;
  if (status) expectErrors.push_back({status, {type, text}});
  EXPECT_EQ(statusParams(c), expectErrors);
}

}  // namespace

TEST(ConvertNumbers, AcceptAndRejectWithTypeAndText) {
  for (auto [t, st, v] : {std::tuple<const char*, int, OSBOOL>{"true", 0, 1}, {"false", 0, 0}, {"1", 0, 1},
                          {"0", 0, 0}, {" \ttrue\n", 0, 1}, {"TRUE", BAD, 0}, {"yes", BAD, 0}, {"", BAD, 0},
                          {"2", BAD, 0}, {"t rue", BAD, 0}})
    check<OSBOOL>(rtXmlDecBool, "boolean", t, st, v);
  for (auto [t, st, v] : {std::tuple<const char*, int, int32_t>{"+17", 0, 17}, {" -42 ", 0, -42},
                          {"2147483647", 0, INT32_MAX}, {"-2147483648", 0, INT32_MIN}, {"007", 0, 7},
                          {"2147483648", OOR, 0}, {"-2147483649", OOR, 0}, {"99999999999999999999999", OOR, 0},
                          {"12x", BAD, 0}, {"", BAD, 0}, {"-", BAD, 0}, {"0x1F", BAD, 0}, {"1.0", BAD, 0},
                          {"1 2", BAD, 0}})
    check<int32_t>(rtXmlDecInt, "int", t, st, v);
  for (auto [t, st, v] : {std::tuple<const char*, int, uint32_t>{"4294967295", 0, UINT32_MAX}, {"-0", 0, 0},
                          {"4294967296", OOR, 0}, {"-1", OOR, 0}, {"+", BAD, 0}, {"1e3", BAD, 0}})
    check<uint32_t>(rtXmlDecUInt, "unsignedInt", t, st, v);
  for (auto [t, st, v] : {std::tuple<const char*, int, uint64_t>{"18446744073709551615", 0, UINT64_MAX},
                          {"18446744073709551616", OOR, 0}, {"-5", OOR, 0}, {"abc", BAD, 0}})
    check<uint64_t>(rtXmlDecUInt64, "unsignedLong", t, st, v);
  for (auto [t, st, v] : {std::tuple<const char*, int, double>{"3.25", 0, 3.25}, {"-0.5", 0, -0.5}, {".5", 0, 0.5},
                          {"5.", 0, 5.0}, {" +12 ", 0, 12.0}, {"1e5", BAD, 0}, {"INF", BAD, 0}, {"NaN", BAD, 0},
                          {".", BAD, 0}, {"1.2.3", BAD, 0}, {"", BAD, 0}}) {
    check<double>(rtXmlDecDecimal, "decimal", t, st, v);
    // The same reading of a text outside the decode input, recording nothing.
    double parsed = 99;
    EXPECT_EQ(rtxParseDecimalString(u8(t), std::strlen(t), &parsed), st) << t;
    EXPECT_EQ(parsed, st ? 99.0 : v) << t;
  }
  double bounded = 0;
  EXPECT_EQ(rtxParseDecimalString(u8("0.25junk"), 4, &bounded), 0);  // the length bounds the text
  EXPECT_EQ(bounded, 0.25);
}

TEST(ConvertDateTime, DecoderAndParser) {
  struct Case { const char* t; int64_t year; int mon, day, hour, min; double sec; int tz, tzo; };
  for (const Case& g : {Case{"2024-02-29T12:34:56Z", 2024, 2, 29, 12, 34, 56, 1, 0},
                        Case{" 2001-12-31T23:59:59.125+05:30\n", 2001, 12, 31, 23, 59, 59.125, 1, 330},
                        Case{"-0044-03-15T00:00:00", -44, 3, 15, 0, 0, 0, 0, 0},
                        Case{"1999-01-01T24:00:00-14:00", 1999, 1, 1, 24, 0, 0, 1, -840}}) {
    RtDateTime dt{}, viaDec{};
    EXPECT_EQ(rtxParseDateTimeString(u8(g.t), std::strlen(g.t), &dt), int(std::strlen(g.t))) << g.t;
    EXPECT_EQ(std::tuple(dt.year, dt.mon, dt.day, dt.hour, dt.min, dt.sec, dt.tz_flag, dt.tzo),
              std::tuple(g.year, g.mon, g.day, g.hour, g.min, g.sec, g.tz, g.tzo)) << g.t;
    Ctx c;
    setInput(c, g.t);
    EXPECT_EQ(rtXmlDecDateTime(c, &viaDec), 0);
    EXPECT_EQ(std::memcmp(&dt, &viaDec, sizeof dt), 0) << g.t;
  }
  for (const char* bad : {"2023-02-29T12:00:00Z", "2024-13-01T00:00:00", "2024-01-01T24:00:01", "0000-01-01T00:00:00",
                          "2024-01-01", "2024-01-01T00:00:00+15:00", "2024-01-01T00:00:00.", ""}) {
    RtDateTime dt{};
    dt.year = 7;
    EXPECT_LT(rtxParseDateTimeString(u8(bad), std::strlen(bad), &dt), 0) << bad;
    EXPECT_EQ(dt.year, 7);
    check<int>([](RtContext* c, int*) { return rtXmlDecDateTime(c, nullptr); }, "dateTime", bad, BAD, 0);
  }
  EXPECT_LT(rtxParseDateTimeString(nullptr, 0, nullptr), 0);
  EXPECT_EQ(rtxParseDateTimeString(u8("2024-02-29T12:34:56Zjunk"), 20, nullptr), 20);  // the length bounds it
}

TEST(ConvertWhitespace, CollapseAndReplace) {
  for (auto [mode, in, out] : {std::tuple<int, const char*, const char*>{0, "", ""}, {0, "   ", ""},
                               {0, "\t\n\r ", ""}, {0, "abc", "abc"}, {0, " a b ", "a b"}, {0, "a  b", "a b"},
                               {0, "\ta\n\nb\r", "a b"}, {0, "  a \t\r\n b   c  ", "a b c"}, {0, "a\tb", "a b"},
                               {0, "a\vb", "a\vb"}, {0, " x\xC2\xA0y ", "x\xC2\xA0y"}, {1, "", ""},
                               {1, "\ta\r\nb ", " a  b "}, {1, "  a  ", "  a  "}, {1, "\n", " "}}) {
    Ctx c;
    setInput(c, in);
    EXPECT_EQ(rtXmlTreatWhitespaces(c, mode), 0);
    EXPECT_EQ(input(c), out) << mode << " \"" << in << '"';
    EXPECT_EQ(rtXmlTreatWhitespaces(c, mode), 0);  // again, on its own result
    EXPECT_EQ(input(c), out) << mode << " \"" << in << '"';
  }
  // Blanks at every place of longer texts, where runs of eight bytes are
  // skipped in one step: the same result as a byte-by-byte collapse.
  for (const char* blank : {" ", "  ", "\t", "\r\n", "\v", "\x01"}) {
    for (size_t length : {7, 8, 9, 16, 17, 31}) {
      for (size_t at = 0; at <= length; ++at) {
        std::string text(length, 'x');
        text[length / 2] = '\xC3';  // bytes above 0x7F are content too
        text.insert(at, blank);
        Ctx c;
        setInput(c, text.c_str());
        EXPECT_EQ(rtXmlTreatWhitespaces(c, 0), 0);
        EXPECT_EQ(input(c), pxtest::xml::collapseWhitespace(text)) << '"' << text << '"';
      }
    }
  }
  Ctx c;
  setInput(c, "\t 12 \n");
  rtXmlTreatWhitespaces(c, 1);
  rtXmlTreatWhitespaces(c, 0);
  int32_t v = 0;
  EXPECT_EQ(rtXmlDecInt(c, &v), 0);
  EXPECT_EQ(v, 12);
  rtxInitContextBuffer(c, nullptr, 0);
  EXPECT_EQ(rtXmlTreatWhitespaces(c, 0), 0);
  EXPECT_EQ(input(c), "");
}

TEST(ConvertText, XmlStrIsAHeapCopy) {
  Ctx c;
  const char text[] = "caf\xC3\xA9 <x>";
  RtXmlString s{1, nullptr};
  for (auto [data, size, index, expect] :
       {std::tuple<const char*, size_t, size_t, const char*>{text, sizeof text - 1, 0, text}, {"", 0, 0, ""},
        {nullptr, 0, 0, ""}, {"abcdef", 4, 1, "bcd"}}) {
    rtxInitContextBuffer(c, u8(data), size);
    c->input.byteIndex = index;
    EXPECT_EQ(rtXmlDecXmlStr(c, &s), 0);
    EXPECT_STREQ(str(s.value), expect);
    EXPECT_NE(str(s.value), data);
    EXPECT_EQ(s.cdata, 0);
    EXPECT_EQ(rtxMemHeapLiveBlocks(c), 1u);
    rtxMemHeapFreePtr(c, s.value);
  }
  EXPECT_EQ(rtXmlDecXmlStr(c, nullptr), 0);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 0u);
  rtxMemHeapFailAfter(c, 1);
  EXPECT_EQ(rtXmlDecXmlStr(c, &s), ST_NO_MEMORY);
  EXPECT_EQ(rtxErrGetFirstError(c), ST_NO_MEMORY);
}

TEST(ConvertEnum, SearchFindsEveryEntryAndNothingElse) {
  const char* names[] = {"away",         "busy",        "busy-ish",           "idle", "in", "in-transit",
                         "on-the-phone", "on-the-phone-and-away", "\xC3\xA9t\xC3\xA9"};
  constexpr int kN = 9;
  RtEnumItem table[kN];
  for (int i = 0; i < kN; ++i)
    table[i] = {u8(names[i]), 100 + i, static_cast<uint16_t>(std::strlen(names[i])), static_cast<uint16_t>(i)};
  for (int n = 0; n <= kN; ++n) {  // every table size, so every search shape
    for (int i = 0; i < kN; ++i)
      EXPECT_EQ(rtxLookupEnum(u8(names[i]), std::strlen(names[i]), table, n), i < n ? i : ST_ENUM_UNKNOWN)
          << names[i] << " n=" << n;
    for (const char* miss : {"", "a", "awayy", "Busy", "BUSY", "bus", "busy-", "busy-ishx", "i", "in-",
                             "on-the-phon", "zzz", "\xC3\xA9", "\xC3\xA9t\xC3\xA9s", "\xFF"})
      EXPECT_EQ(rtxLookupEnum(u8(miss), std::strlen(miss), table, n), ST_ENUM_UNKNOWN) << miss << " n=" << n;
  }
  // A text of an entry's length that differs from it in any one byte is
  // another text (texts are compared a word at a time).
  for (const char* name : names)
    for (size_t at = 0; at < std::strlen(name); ++at) {
      std::string other = name;
      other[at] = static_cast<char>(other[at] ^ 0x20);
      EXPECT_EQ(rtxLookupEnum(u8(other.c_str()), other.size(), table, kN), ST_ENUM_UNKNOWN) << other;
    }
  EXPECT_EQ(rtxLookupEnum(u8("busy-ish"), 4, table, kN), 1);  // the length bounds the text
  EXPECT_EQ(rtxLookupEnum(u8("in-transit"), 2, table, kN), 4);
  EXPECT_EQ(rtxLookupEnum(u8("away"), 4, nullptr, 0), ST_ENUM_UNKNOWN);
  // Large tables are searched another way: every entry of one with 40.
  std::vector<std::string> many;
  for (int i = 0; i < 40; ++i) many.push_back((i % 2 ? "\xC3\xA9" : "e") + std::to_string(100 + i));
  std::sort(many.begin(), many.end());
  std::vector<RtEnumItem> big;
  for (size_t i = 0; i < many.size(); ++i)
    big.push_back({u8(many[i].c_str()), static_cast<int>(i), static_cast<uint16_t>(many[i].size()), 0});
  for (size_t i = 0; i < many.size(); ++i) {
    EXPECT_EQ(rtxLookupEnum(u8(many[i].c_str()), many[i].size(), big.data(), 40), static_cast<int>(i)) << many[i];
    std::string near = many[i] + "0";
    EXPECT_EQ(rtxLookupEnum(u8(near.c_str()), near.size(), big.data(), 40), ST_ENUM_UNKNOWN) << near;
    EXPECT_EQ(rtxLookupEnum(u8(many[i].c_str()), many[i].size() - 1, big.data(), 40), ST_ENUM_UNKNOWN) << many[i];
  }
}

TEST(ConvertUtf8, ValidAndRefusedSequences) {
  Ctx c;
  for (const char* ok : {"", "plain", "tab\tLF\nCR\r", "\x7F", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xE2\x82\xAC",
                         "\xED\x9F\xBF", "\xEE\x80\x80", "\xEF\xBF\xBD", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"})
    EXPECT_EQ(rtxValidateUTF8(c, u8(ok)), 0) << ok;
  EXPECT_EQ(rtxValidateUTF8(c, nullptr), 0);
  EXPECT_EQ(rtxErrGetCount(c), 0);
  // Text and the byte offset of the fault.
  for (auto [text, offset] : {std::pair<const char*, int>{"\xC0\x80", 0}, {"\xC1\xBF", 0}, {"ab\xE0\x80\x80", 2},
                              {"\xE0\x9F\xBF", 0}, {"\xF0\x8F\xBF\xBF", 0}, {"x\xED\xA0\x80", 1}, {"\xED\xBF\xBF", 0},
                              {"\xC3", 0}, {"abc\xE2\x82", 3}, {"a\xF0\x9F\x98", 1}, {"\xF4\x90\x80\x80", 0},
                              {"\xF5\x80\x80\x80", 0}, {"\xF8\x88\x80\x80\x80", 0}, {"\xFF", 0}, {"\x80", 0},
                              {"\xC3\x28", 0}, {"\xE2\x28\xA1", 0}, {"\xEF\xBF\xBE", 0}, {"\x01", 0},
                              {"ok\x1F", 2}, {"a\x0B", 1}, {"\x0C", 0}}) {
    rtxErrReset(c);
    EXPECT_EQ(rtxValidateUTF8(c, u8(text)), ST_INVALID_UTF8);
    auto e = statusParams(c);
    ASSERT_EQ(e.size(), 1u) << text;
    EXPECT_EQ(e[0].first, ST_INVALID_UTF8);
    ASSERT_EQ(e[0].second.size(), 2u);  // the reason, the offset
    EXPECT_EQ(e[0].second[1], std::to_string(offset)) << text;
  }
}

TEST(ConvertAttrs, NamespaceDeclarationsBindAndAreKept) {
  Ctx c;
  RtDList list;
  rtxDListInit(&list);
  rtXmlNSPush(c);
  EXPECT_EQ(rtXmlDecNSAttr(c, u8("xmlns:p"), u8("urn:x"), &list, nullptr, 0), 0);
  EXPECT_EQ(rtXmlDecNSAttr(c, u8("xmlns"), u8("urn:d"), &list, nullptr, 0), 0);
  EXPECT_EQ(rtXmlDecNSAttr(c, u8("xmlns:pidf"), u8("urn:ietf:params:xml:ns:pidf"), nullptr, nullptr, 0), 0);
  EXPECT_STREQ(str(rtXmlNSGetURI(c, u8("p"), 1)), "urn:x");
  EXPECT_STREQ(str(rtXmlNSGetURI(c, nullptr, 0)), "urn:d");
  EXPECT_EQ(rtXmlNSGetIndex(c, u8("pidf"), 4), 9);
  ASSERT_EQ(list.count, 2u);
  auto* first = static_cast<RtXmlNamespace*>(list.head->data);
  auto* second = static_cast<RtXmlNamespace*>(list.tail->data);
  EXPECT_STREQ(str(first->prefix), "p");
  EXPECT_STREQ(str(first->uri), "urn:x");
  EXPECT_EQ(second->prefix, nullptr);
  EXPECT_STREQ(str(second->uri), "urn:d");
  EXPECT_EQ(rtxErrGetCount(c), 0);
  // Refused declarations bind nothing and keep nothing.
  const size_t live = rtxMemHeapLiveBlocks(c);
  for (auto [name, value, params] :
       {std::tuple<const char*, const char*, std::vector<std::string>>{"xmlns:q", "", {"xmlns:q", ""}},
        {"xmlns:xmlns", "urn:y", {"xmlns:xmlns", "urn:y"}}, {"foo", "urn:z", {"foo"}},
        {"xmlnsq", "urn:z", {"xmlnsq"}}, {"xmlns:", "urn:z", {"xmlns:"}}}) {
    rtxErrReset(c);
    EXPECT_EQ(rtXmlDecNSAttr(c, u8(name), u8(value), &list, nullptr, 0), ST_BAD_NAMESPACE) << name;
    EXPECT_EQ(statusParams(c), (std::vector<StatusParams>{{ST_BAD_NAMESPACE, params}}));
  }
  EXPECT_EQ(rtXmlNSGetURI(c, u8("q"), 1), nullptr);
  EXPECT_STREQ(str(rtXmlNSGetURI(c, nullptr, 0)), "urn:d");
  EXPECT_EQ(list.count, 2u);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), live);
  EXPECT_EQ(rtXmlDecNSAttr(c, u8("xmlns"), u8(""), nullptr, nullptr, 0), 0);  // undeclares the default
  EXPECT_EQ(rtXmlNSGetURI(c, nullptr, 0), nullptr);
  rtXmlNSPop(c);
  EXPECT_EQ(rtXmlNSGetURI(c, u8("p"), 1), nullptr);
  for (size_t n = 1; n <= 4; ++n) {  // out of memory part-way leaves no block behind
    rtxMemHeapFailAfter(c, n);
    EXPECT_EQ(rtXmlDecNSAttr(c, u8("xmlns:m"), u8("urn:m"), &list, nullptr, 0), ST_NO_MEMORY) << n;
    EXPECT_EQ(list.count, 2u);
    EXPECT_EQ(rtxMemHeapLiveBlocks(c), live) << n;
  }
  rtXmlNSFreeAttrList(c, &list);
  EXPECT_EQ(list.count, 0u);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 0u);
}

TEST(ConvertAttrs, XsiAttributesAndAnyAttributes) {
  Ctx c;
  for (auto [name, value] : {std::pair{"xsi:type", "tns:x"}, {"xsi:schemaLocation", "a b"},
                             {"xsi:noNamespaceSchemaLocation", "s.xsd"}, {"xsi:nil", "true"}, {"xsi:nil", " false "}})
    EXPECT_EQ(rtXmlDecXSIAttr(c, u8(name), u8(value)), 0) << name << value;
  for (const char* other : {"type", "lang", "xs:type", "xsitype", "id"})
    EXPECT_EQ(rtXmlDecXSIAttr(c, u8(other), u8("true")), 1) << other;
  EXPECT_EQ(rtxErrGetCount(c), 0);
  EXPECT_EQ(rtXmlDecXSIAttr(c, u8("xsi:nil"), u8("maybe")), ST_BAD_VALUE);
  EXPECT_EQ(statusParams(c), (std::vector<StatusParams>{{ST_BAD_VALUE, {"boolean", "maybe"}}}));

  RtDList list;
  rtxDListInit(&list);
  for (int i = 0; i < 3; ++i) {
    auto* nv = static_cast<RtNameValue*>(rtxMemHeapAllocZ(c, sizeof(RtNameValue)));
    nv->name = rtxUTF8Strdup(c, u8("a"));
    if (i != 1) nv->value = rtxUTF8Strdup(c, u8("v"));  // one without a value
    rtxDListAppend(c, &list, nv);
  }
  rtxDListAppend(c, &list, nullptr);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 12u);
  rtXmlMemFreeAnyAttrs(c, &list);
  EXPECT_EQ(list.count, 0u);
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 0u);
}
