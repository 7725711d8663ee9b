// CIPID: six documents of simple type. Whitespace kept in display-name and
// collapsed in the URIs, the default-namespace root whatever the context's
// flags, root names checked, validation refused, and round trips.
#include <gtest/gtest.h>

#include "data_model_support.h"

using namespace pxtest;

namespace {

using Decode = int (*)(RtContext*, RtXmlString*);
using Encode = int (*)(RtContext*, const RtXmlString*);

struct CipidDoc {
  const char* element;
  Decode decode;
  Encode encode;
  int (*validate)(RtContext*);
  const char* text;    // the element's content in the document
  const char* stored;  // what the decoder keeps
};

const CipidDoc kDocs[] = {
    {"card", PxXmlD_cipid_card, PxXmlE_cipid_card, PxXmlV_cipid_card, "\n http://a/c.vcd\t", "http://a/c.vcd"},
    {"display-name", PxXmlD_cipid_display_name, PxXmlE_cipid_display_name, PxXmlV_cipid_display_name,
     "  Alice &amp;  Bob \n", "  Alice &  Bob \n"},
    {"homepage", PxXmlD_cipid_homepage, PxXmlE_cipid_homepage, PxXmlV_cipid_homepage, " \r\n http://a/~x \n ",
     "http://a/~x"},
    {"icon", PxXmlD_cipid_icon, PxXmlE_cipid_icon, PxXmlV_cipid_icon, "http://a/i.png", "http://a/i.png"},
    {"map", PxXmlD_cipid_map, PxXmlE_cipid_map, PxXmlV_cipid_map, " http://a/m.xml", "http://a/m.xml"},
    {"sound", PxXmlD_cipid_sound, PxXmlE_cipid_sound, PxXmlV_cipid_sound, "http://a/s.wav ", "http://a/s.wav"},
};

std::string document(const CipidDoc& d) {
  return std::string("<c:") + d.element + " xmlns:c='urn:ietf:params:xml:ns:pidf:cipid'>" + d.text + "</c:" +
         d.element + ">";
}

}  // namespace

class CipidDocument : public ::testing::TestWithParam<CipidDoc> {};

TEST_P(CipidDocument, DecodesEncodesAndRoundTrips) {
  const CipidDoc& d = GetParam();
  SimpleCtx ctxt;
  RtXmlString value{};
  std::string text = document(d);
  ASSERT_EQ(decodeWith(ctxt, d.decode, text, &value, 2), 0);
  EXPECT_STREQ(str(value.value), d.stored);
  rtxResetOutput(ctxt);
  ASSERT_EQ(d.encode(ctxt, &value), 0);
  std::string escaped = d.stored == std::string("  Alice &  Bob \n") ? "  Alice &amp;  Bob \n" : d.stored;
  EXPECT_EQ(std::string(rtxGetOutput(ctxt, nullptr)),
            std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<") + d.element +
                " xmlns=\"urn:ietf:params:xml:ns:pidf:cipid\">" + escaped + "</" + d.element + ">");
  releaseText(ctxt, &value);
  expectRoundTrip(ctxt, text, d.decode, d.encode, shownText, releaseText);
  // Validation is not offered, and leaves the error list alone.
  rtxErrReset(ctxt);
  EXPECT_EQ(d.validate(ctxt), ST_NOT_SUPPORTED);
  EXPECT_EQ(rtxErrGetCount(ctxt), 0);
}

INSTANTIATE_TEST_SUITE_P(Elements, CipidDocument, ::testing::ValuesIn(kDocs), [](const auto& info) {
  std::string n = info.param.element;
  std::replace(n.begin(), n.end(), '-', '_');
  return n;
});

TEST(Cipid, RootDeclaresTheDefaultNamespaceEvenWhenTheCallerKeepsPrefixes) {
  SimpleCtx ctxt;
  ctxt->flags |= RT_FLAG_NO_OWN_NAMESPACE;
  RtXmlString value{0, u8("http://a/m.xml")};
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_cipid_map_StartElement(ctxt), 0);
  ASSERT_EQ(PxXmlE_cipid_map_Contents(ctxt, &value), 0);
  ASSERT_EQ(PxXmlE_cipid_map_EndElement(ctxt), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), "<map xmlns=\"urn:ietf:params:xml:ns:pidf:cipid\">http://a/m.xml</map>");
}

TEST(Cipid, AnotherRootIsReportedWithBothNames) {
  SimpleCtx ctxt;
  RtXmlString value{};
  std::string text = "<card xmlns='urn:ietf:params:xml:ns:pidf:cipid'>http://a/c</card>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_cipid_icon, text, &value), ST_NAME_MISMATCH);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_NAME_MISMATCH, {"icon", "card"}}}));
  releaseText(ctxt, &value);
}

TEST(Cipid, TextThatIsNotUtf8IsRefusedBeforeAnyOfItIsWritten) {
  SimpleCtx ctxt;
  RtXmlString value{0, u8("ab\xFF")};
  rtxResetOutput(ctxt);
  EXPECT_LT(PxXmlE_cipid_display_name(ctxt, &value), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                            "<display-name xmlns=\"urn:ietf:params:xml:ns:pidf:cipid\">");
}
