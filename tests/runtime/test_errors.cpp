// The context's error list: entries, parameters, position chains, the error
// counter and its limit, the printable form, status names and the list cap.
#include <gtest/gtest.h>

#include <cstring>

#include "rt_fixture.h"

using namespace pxtest;
using Strings = std::vector<std::string>;

TEST(ErrList, EntriesKeepParametersInOrderAndPositionChains) {
  Ctx c;
  EXPECT_EQ(rtxErrSetData(c, ST_OK, "zero.c", 1), ST_OK);  // success records nothing
  EXPECT_EQ(rtxErrGetFirstError(c), 0);
  rtxErrAddStrParm(c, "text");
  rtxErrAddIntParm(c, -5);
  rtxErrAddUIntParm(c, 4000000000u);
  rtxErrAddInt64Parm(c, INT64_MIN);
  rtxErrAddStrnParm(c, "hello", 3);
  rtxErrAddStrParm(c, nullptr);
  rtxErrAddStrParm(c, "");
  EXPECT_EQ(rtxErrSetNewData(c, ST_BAD_VALUE, "leaf.c", 1), ST_BAD_VALUE);
  // Passed up three levels: one entry, four positions.
  for (auto [file, line] : {std::pair{"mid.c", 2}, {"upper.c", 3}, {"top.c", 4}})
    EXPECT_EQ(rtxErrSetData(c, ST_BAD_VALUE, file, line), ST_BAD_VALUE);
  EXPECT_EQ(rtxErrSetData(c, ST_TOO_DEEP, "other.c", 5), ST_TOO_DEEP);  // other status: new entry
  EXPECT_EQ(rtxErrSetData(c, ST_TOO_DEEP, "other2.c", 6), ST_TOO_DEEP);
  rtxErrAddStrParm(c, "q");  // pushed parameters belong to a new failure
  EXPECT_EQ(rtxErrSetData(c, ST_TOO_DEEP, "new.c", 7), ST_TOO_DEEP);
  EXPECT_EQ(rtxErrSetNewData(c, ST_IO, nullptr, 8), ST_IO);
  auto e = errors(c);
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].status, ST_BAD_VALUE);
  EXPECT_EQ(e[0].params, (Strings{"text", "-5", "4000000000", "-9223372036854775808", "hel", "<null>", ""}));
  EXPECT_EQ(e[0].positions, (std::vector<ErrPos>{{"leaf.c", 1}, {"mid.c", 2}, {"upper.c", 3}, {"top.c", 4}}));
  EXPECT_EQ(e[1].status, ST_TOO_DEEP);
  EXPECT_EQ(e[1].params, Strings{});
  EXPECT_EQ(e[1].positions, (std::vector<ErrPos>{{"other.c", 5}, {"other2.c", 6}}));
  EXPECT_EQ(e[2].params, Strings{"q"});
  EXPECT_EQ(e[2].positions, (std::vector<ErrPos>{{"new.c", 7}}));
  EXPECT_EQ(e[3].params, Strings{});
  EXPECT_EQ(e[3].positions, (std::vector<ErrPos>{{"?", 8}}));
  EXPECT_EQ(rtxErrGetFirstError(c), ST_BAD_VALUE);
  EXPECT_EQ(rtxErrGetLastError(c), ST_IO);
  EXPECT_EQ(rtxErrGetStatus(c, 4), 0);  // reads out of range answer neutrally
  EXPECT_EQ(rtxErrGetParm(c, 0, 7), nullptr);
  EXPECT_EQ(rtxErrGetPosFile(c, 0, 4), nullptr);
  EXPECT_EQ(rtxErrAddStrParm(nullptr, "x"), ST_BAD_CONTEXT);

  rtSaxIncErrors(c);
  rtxErrAddStrParm(c, "pending");
  rtxErrReset(c);  // entries, pending parameters and the counter
  EXPECT_EQ(rtxErrGetCount(c), 0);
  EXPECT_EQ(rtxErrGetFirstError(c), 0);
  EXPECT_EQ(rtxErrGetLastError(c), 0);
  rtxSetLimit(c, RT_LIMIT_ERRORS, 1);
  EXPECT_TRUE(rtSaxIncErrors(c));
  rtxErrSetNewData(c, ST_IO, "e", 5);
  EXPECT_EQ(rtxErrGetParmCount(c, 0), 0);
}

TEST(ErrLimit, IncErrorsAnswersTrueExactlyLimitTimes) {
  for (auto [set, expect] : {std::pair<size_t, unsigned>{0, 100}, {1, 1}, {3, 3}, {250, 250}}) {
    Ctx c;
    if (set) {
      EXPECT_EQ(rtxSetLimit(c, RT_LIMIT_ERRORS, 7), 0);  // overwritten next
    }
    EXPECT_EQ(rtxSetLimit(c, RT_LIMIT_ERRORS, set), 0);
    EXPECT_EQ(rtxGetLimit(c, RT_LIMIT_ERRORS), expect);
    unsigned yes = 0;
    for (int i = 0; i < 400; ++i) yes += rtSaxIncErrors(c);
    EXPECT_EQ(yes, expect) << set;
  }
}

TEST(ErrFormat, TextNamesStatusParametersAndChain) {
  Ctx c;
  rtxErrAddStrParm(c, "int");
  rtxErrAddStrParm(c, "12x");
  rtxErrSetNewData(c, ST_BAD_VALUE, "a.c", 1);
  rtxErrSetData(c, ST_BAD_VALUE, "b.c", 22);
  rtxErrSetData(c, ST_BAD_VALUE, "c.c", 333);
  rtxErrSetNewData(c, ST_NO_INPUT, "d.c", 4);
  const std::string expect = std::string("ST_BAD_VALUE (-12): ") + rtxStatusText(ST_BAD_VALUE) +
                             "; parameters \"int\", \"12x\"; at a.c:1 <- b.c:22 <- c.c:333\n" +
                             "ST_NO_INPUT (-20): " + rtxStatusText(ST_NO_INPUT) + "; at d.c:4\n";
  char big[512];
  EXPECT_EQ(rtxErrFormat(c, big, sizeof big), expect.size());
  EXPECT_EQ(big, expect);
  EXPECT_EQ(rtxErrFormat(c, nullptr, 0), expect.size());
  for (size_t size : {0, 1, 2, 10, 40}) {  // truncated, NUL-terminated, nothing past size
    char small[64];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(rtxErrFormat(c, small, size), expect.size());
    if (size) {
      EXPECT_EQ(small, expect.substr(0, size - 1));
    }
    EXPECT_EQ(small[size], '#') << size;
  }
  Ctx empty;
  EXPECT_EQ(rtxErrFormat(empty, big, sizeof big), 0u);
  EXPECT_STREQ(big, "");
}

TEST(ErrParams, ContextBufferParameterIsTheDecodeInput) {
  Ctx c;
  const char text[] = "abc def";
  rtxInitContextBuffer(c, u8(text), 7);
  rtxErrAddCtxtBufParm(c);
  c->input.byteIndex = 4;  // a converter that read part of it
  rtxErrAddCtxtBufParm(c);
  rtxInitContextBuffer(c, u8(text), 3);  // a window of a longer text
  rtxErrAddCtxtBufParm(c);
  rtxInitContextBuffer(c, nullptr, 5);
  rtxErrAddCtxtBufParm(c);
  rtxErrSetNewData(c, ST_BAD_VALUE, "x", 1);
  EXPECT_EQ(statusParams(c), (std::vector<StatusParams>{{ST_BAD_VALUE, {"abc def", "def", "abc", ""}}}));
}

TEST(ErrStatus, NamesOfEveryCode) {
  const std::pair<int, const char*> codes[] = {
      {0, "ST_OK"}, {-1, "ST_BUFFER_FULL"}, {-2, "ST_BAD_ARGUMENT"}, {-3, "ST_NAME_MISMATCH"},
      {-4, "ST_ENUM_UNKNOWN"}, {-5, "ST_INVALID_UTF8"}, {-6, "ST_XML_MALFORMED"}, {-7, "ST_DOCTYPE_REFUSED"},
      {-8, "ST_TOO_DEEP"}, {-9, "ST_BAD_CHOICE"}, {-10, "ST_NO_MEMORY"}, {-11, "ST_BAD_CONTEXT"},
      {-12, "ST_BAD_VALUE"}, {-13, "ST_OUT_OF_RANGE"}, {-14, "ST_IO"}, {-15, "ST_TOO_LARGE"},
      {-16, "ST_CONSTRAINT"}, {-17, "ST_MISSING_ATTRIBUTE"}, {-18, "ST_ELEMENT_NOT_EXPECTED"},
      {-19, "ST_UNEXPECTED_ATTRIBUTE"}, {-20, "ST_NO_INPUT"}, {-21, "ST_BAD_NAMESPACE"}, {-22, "ST_BAD_PATTERN"},
      {-23, "ST_UNSUPPORTED_ENCODING"}, {-26, "ST_READER_FAILED"}, {-33, "ST_UNKNOWN_ATTRIBUTE"}, {-35, "ST_PATTERN_MISMATCH"},
      {-41, "ST_UNEXPECTED_ELEMENT"}, {-44, "ST_BAD_CONTENT"}, {-45, "ST_BAD_ATTRIBUTE_VALUE"},
      {-60, "ST_NOT_SUPPORTED"}, {-24, "ST_UNKNOWN"}, {-99, "ST_UNKNOWN"}, {1, "ST_UNKNOWN"}};
  for (auto [code, name] : codes) {
    EXPECT_STREQ(rtxStatusName(code), name);
    EXPECT_EQ(std::strcmp(rtxStatusText(code), rtxStatusText(-99)) == 0, std::strcmp(name, "ST_UNKNOWN") == 0);
  }
}

TEST(ErrList, EntriesBeyondTheCapAreCountedAsDropped) {
  Ctx c;
  int kept = 0;
  rtxErrSetNewData(c, ST_IO, "first", 1);
  for (int i = 1; rtxErrGetDropped(c) == 0; ++i) {
    ASSERT_LT(i, 1 << 20) << "the list never stops growing";
    rtxErrAddIntParm(c, i);
    rtxErrSetNewData(c, ST_BAD_VALUE, "loop", i);
    kept = rtxErrGetCount(c);
  }
  // The dropped failure passed outwards must not grow the newest kept entry,
  // another failure with the same status.
  EXPECT_EQ(rtxErrSetData(c, ST_BAD_VALUE, "upper", 1), ST_BAD_VALUE);
  EXPECT_EQ(rtxErrGetPosCount(c, kept - 1), 1);
  EXPECT_EQ(rtxErrGetDropped(c), 1);
  for (int i = 0; i < 9; ++i) rtxErrSetNewData(c, ST_TOO_DEEP, "more", i);
  EXPECT_EQ(rtxErrGetCount(c), kept);
  EXPECT_EQ(rtxErrGetDropped(c), 10);
  EXPECT_EQ(rtxErrGetFirstError(c), ST_IO);
  EXPECT_EQ(rtxErrGetLastError(c), ST_TOO_DEEP);
  EXPECT_STREQ(rtxErrGetParm(c, kept - 1, 0), std::to_string(kept - 1).c_str());
  std::string text(rtxErrFormat(c, nullptr, 0) + 1, '\0');
  text.resize(rtxErrFormat(c, text.data(), text.size()));
  EXPECT_EQ(text.substr(0, text.find('\n')), std::string("ST_IO (-14): ") + rtxStatusText(ST_IO) + "; at first:1");
  EXPECT_TRUE(text.ends_with("\n10 more errors not kept\n")) << text.substr(text.size() - 80);
  rtxErrReset(c);
  EXPECT_EQ(rtxErrGetDropped(c), 0);
}
