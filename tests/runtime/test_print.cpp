// The printing calls: one exact "name = value" line on standard output per
// value, "<null>" for absent texts, one line per namespace declaration.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "rt_fixture.h"

using namespace pxtest;

TEST(PrintValues, OneExactLinePerCall) {
  const RtNameValue nv{u8("lang"), u8("en"), nullptr};
  const RtNameValue noValue{u8("flag"), nullptr, nullptr};
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[] { rtxPrintCharStr("p.tns_note[0]", u8("hello there")); }, "p.tns_note[0] = 'hello there'\n"},
      {[] { rtxPrintCharStr("p.s", u8("")); }, "p.s = ''\n"},
      {[] { rtxPrintCharStr("p.s", u8("caf\xC3\xA9")); }, "p.s = 'caf\xC3\xA9'\n"},
      {[] { rtxPrintCharStr("p.s", nullptr); }, "p.s = <null>\n"},
      {[] { rtxPrintBoolean("b", 1); }, "b = true\n"},
      {[] { rtxPrintBoolean("b", 0); }, "b = false\n"},
      {[] { rtxPrintBoolean("b", 2); }, "b = true\n"},
      {[] { rtxPrintInteger("i", INT32_MIN); }, "i = -2147483648\n"},
      {[] { rtxPrintInteger("i", 0); }, "i = 0\n"},
      {[] { rtxPrintUnsigned("u", UINT32_MAX); }, "u = 4294967295\n"},
      {[] { rtxPrintUInt64("l", UINT64_MAX); }, "l = 18446744073709551615\n"},
      {[] { rtxPrintReal("r", 0.8); }, "r = 0.8\n"},
      {[] { rtxPrintReal("r", -2.5); }, "r = -2.5\n"},
      {[] { rtxPrintReal("r", 3.0); }, "r = 3\n"},
      {[] { rtxPrintReal("r", 0.1 + 0.2); }, "r = 0.30000000000000004\n"},
      {[&] { rtxPrintNVP("a._anyAttr[0]", &nv); }, "a._anyAttr[0] = lang=\"en\"\n"},
      {[&] { rtxPrintNVP("a._anyAttr[1]", &noValue); }, "a._anyAttr[1] = flag=\"\"\n"},
      {[] { rtxPrintNVP("a._anyAttr[2]", nullptr); }, "a._anyAttr[2] = <null>\n"},
      {[] { rtxPrintNull("p.rpid_audio"); }, "p.rpid_audio = <null>\n"},
  };
  for (const auto& [call, expect] : cases) EXPECT_EQ(capturedStdout(call), expect);
}

TEST(PrintValues, NamespaceDeclarationsOneLineEach) {
  Ctx c;
  RtDList list;
  rtxDListInit(&list);
  EXPECT_EQ(capturedStdout([&] { rtXmlPrintNSAttrs("n", &list); }), "");
  EXPECT_EQ(capturedStdout([&] { rtXmlPrintNSAttrs("n", nullptr); }), "");
  RtXmlNamespace decls[] = {{u8("p"), u8("urn:x")}, {nullptr, u8("urn:d")}, {u8("q"), u8("")}};
  for (auto& d : decls) rtxDListAppend(c, &list, &d);
  EXPECT_EQ(capturedStdout([&] { rtXmlPrintNSAttrs("p.note", &list); }),
            "p.note.xmlns:p = 'urn:x'\np.note.xmlns = 'urn:d'\np.note.xmlns:q = ''\n");
  rtxDListFreeNodes(c, &list);
}
