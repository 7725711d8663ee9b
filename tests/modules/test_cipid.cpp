// CIPID (and the data-model deviceID): documents of simple type. Whitespace
// kept in display-name and collapsed in the URIs, the root in the default
// namespace whatever the context's flags, root names checked, validation
// refused without a record, round trips.
#include <gtest/gtest.h>

#include "data_model_support.h"

using namespace pxtest;

namespace {

// The content written in a document, and what the decoder keeps of it.
const std::pair<const char*, const char*> kContent[] = {
    {"\n urn:x-mac:0003ba4811e3\t", "urn:x-mac:0003ba4811e3"},
    {" http://a/c.vcd ", "http://a/c.vcd"},
    {"  Alice &amp;  Bob \n", "  Alice &  Bob \n"},
    {" \r\n http://a/~x \n ", "http://a/~x"},
    {"http://a/i.png", "http://a/i.png"},
    {"\thttp://a/m.xml", "http://a/m.xml"},
    {"http://a/s.wav  ", "http://a/s.wav"},
};

}  // namespace

class TextDocument : public ::testing::TestWithParam<int> {};

TEST_P(TextDocument, DecodesEncodesRefusesOtherRootsAndRoundTrips) {
  const TextDoc& d = kTextDocs[GetParam()];
  const TextDoc& other = kTextDocs[(GetParam() + 1) % std::size(kTextDocs)];
  auto [content, stored] = kContent[GetParam()];
  SimpleCtx ctxt;
  const char* uri = str(PxGet_SIMPLE_NSURI(ctxt)[d.ns]);
  std::string text = std::string("<x:") + d.element + " xmlns:x='" + uri + "'>" + content + "</x:" + d.element + ">";
  RtXmlString value{};
  ASSERT_EQ(decodeWith(ctxt, d.decode, text, &value, 2), 0);
  EXPECT_STREQ(str(value.value), stored);
  // The caller's prefixes are for roots of complex type only.
  ctxt->flags |= RT_FLAG_NO_OWN_NAMESPACE;
  rtxResetOutput(ctxt);
  ASSERT_EQ(d.encode(ctxt, &value), 0);
  std::string written = std::string(stored) == "  Alice &  Bob \n" ? "  Alice &amp;  Bob \n" : stored;
  EXPECT_EQ(std::string(rtxGetOutput(ctxt, nullptr)), std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<") +
                                                          d.element + " xmlns=\"" + uri + "\">" + written + "</" +
                                                          d.element + ">");
  releaseText(ctxt, &value);
  // Validation is not offered, whatever the context; nothing is recorded.
  EXPECT_EQ(d.validate(ctxt), ST_NOT_SUPPORTED);
  EXPECT_EQ(d.validate(nullptr), ST_NOT_SUPPORTED);
  EXPECT_EQ(rtxErrGetCount(ctxt), 0);
  expectRoundTrip(ctxt, text, d.decode, d.encode, shownText, releaseText);
  // Another document's decoder reports the root by both names.
  EXPECT_EQ(decodeWith(ctxt, other.decode, text, &value), ST_NAME_MISMATCH);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_NAME_MISMATCH, {other.element, d.element}}}));
  releaseText(ctxt, &value);
}

INSTANTIATE_TEST_SUITE_P(Elements, TextDocument, ::testing::Range(0, static_cast<int>(std::size(kTextDocs))),
                         [](const auto& info) {
                           std::string n = kTextDocs[info.param].element;
                           std::replace(n.begin(), n.end(), '-', '_');
                           return n;
                         });

// A blank at any place of a collapsed text, as the content of a URI root and
// as an id attribute: kept, trimmed or made one space wherever it stands.
TEST(TextDocument, BlanksAreCollapsedWhereverTheyStand) {
  const std::string uri = "http://a/b/c/d/e/f/g/h.vcd";
  for (size_t k = 0; k <= uri.size(); ++k) {
    for (const char* blank : {"\t", " ", "  ", "\r\n"}) {
      std::string content = uri.substr(0, k) + blank + uri.substr(k);
      std::string kept = k == 0 || k == uri.size() ? uri : uri.substr(0, k) + " " + uri.substr(k);
      SimpleCtx ctxt;
      RtXmlString value{};
      std::string text = "<card xmlns='urn:ietf:params:xml:ns:pidf:cipid'>" + content + "</card>";
      ASSERT_EQ(decodeWith(ctxt, PxXmlD_cipid_card, text, &value), 0) << content;
      EXPECT_EQ(str(value.value), kept) << k;
      releaseText(ctxt, &value);
      tns_presence p;
      text = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='e'><tuple id='" + content +
             "'><status/></tuple></presence>";
      ASSERT_EQ(decodeWith(ctxt, PxXmlD_tns_presence, text, &p), 0) << content;
      auto* tuple = static_cast<tns_tuple*>(p.tns_tuple.head->data);
      // Line ends in attribute values reach the decoder as spaces already.
      EXPECT_EQ(str(tuple->tns_id.value), kept) << k;
      PxMemFree_tns_presence(ctxt, &p);
    }
  }
}

TEST(TextDocument, RootOfAnotherNamespaceIsNotTaken) {
  SimpleCtx ctxt;
  RtXmlString value{};
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_cipid_map, "<map xmlns='urn:other'>x</map>", &value), ST_NAME_MISMATCH);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_NAME_MISMATCH, {"map", "map", "urn:other"}}}));
  releaseText(ctxt, &value);
}
