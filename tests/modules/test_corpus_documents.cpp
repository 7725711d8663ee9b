// Every corpus document whose root element the library knows, whatever its
// type: well-formed and valid ones decode and validate with status 0, decode
// again to the same records after encoding (also when fed in small chunks),
// and the encoding is valid for an independent validator; not well-formed
// ones are refused by the reader.
#include <gtest/gtest.h>

#include <map>

#include "module_support.h"
#include "pidf/corpus_manifest.h"

using namespace pxtest;

namespace {

const pxsimple::DocumentOps* opsFor(RtContext* ctxt, const CorpusDocument& d) {
  return pxsimple::findDocument(d.root.c_str(), rtXmlNSURIIndex(ctxt, u8(d.namespaceUri.c_str())));
}

// Documents the manifest calls invalid for reasons the library's decoders do
// not look at (foreign content, lexical forms of identifiers), with the
// status they give, and those invalid at their own level with their first
// error.
const std::map<std::string, int> kExpected = {
    {"rfc/rfc4480-ex1.xml", 0},  {"real/resip-8.xml", 0},   {"real/resip-11.xml", 0},
    {"real/resip-13.xml", 0},    {"real/resip-23.xml", 0},  {"real/resip-24.xml", 0},
    {"rfc/rfc4479-ex1.xml", ST_MISSING_ATTRIBUTE},          {"real/resip-3.xml", ST_ELEMENT_NOT_EXPECTED},
    {"real/resip-4.xml", ST_ELEMENT_NOT_EXPECTED},          {"real/resip-6.xml", ST_MISSING_ATTRIBUTE},
    {"real/resip-9.xml", ST_ELEMENT_NOT_EXPECTED},          {"real/resip-14.xml", ST_MISSING_ATTRIBUTE},
    {"real/resip-25.xml", ST_ELEMENT_NOT_EXPECTED},         {"real/resip-26.xml", ST_ELEMENT_NOT_EXPECTED},
};

}  // namespace

TEST(CorpusDocuments, DecodeValidateAndRoundTripAsTheManifestPredicts) {
  auto docs = corpusDocuments();
  if (docs.empty()) GTEST_SKIP() << corpusMissing();
  bool xmllint = haveXmllint();
  std::map<std::string, int> roundTrips;
  for (const auto& d : docs) {
    SimpleCtx ctxt;
    std::string text;
    ASSERT_TRUE(readFile(corpusDir() + "/" + d.path, &text));
    const pxsimple::DocumentOps* ops = d.wellFormed ? opsFor(ctxt, d) : pxsimple::findDocument("presence", PX_NS_PIDF);
    if (!ops) continue;  // a root in a namespace the library does not cover
    AnyRecord first(ctxt, ops);
    int decoded = first.decode(text);
    int validated = validateText(ctxt, ops, text);
    if (!d.wellFormed) {
      EXPECT_EQ(decoded, ST_XML_MALFORMED) << d.path;
      EXPECT_EQ(validated, ST_XML_MALFORMED) << d.path;
      continue;
    }
    auto it = kExpected.find(d.path);
    int expected = it != kExpected.end() ? it->second : (d.valid ? 0 : -1);
    ASSERT_NE(expected, -1) << d.path << " is invalid in the manifest; say what the library reports";
    EXPECT_EQ(decoded, expected) << d.path;
    EXPECT_EQ(validated, expected) << d.path;
    if (decoded != 0) continue;

    std::string printed = first.printed();
    for (size_t chunk = 1; chunk <= 5; chunk += 2) {
      AnyRecord pieces(ctxt, ops);
      EXPECT_EQ(pieces.decode(text, chunk), 0) << d.path;
      EXPECT_EQ(pieces.printed(), printed) << d.path << " chunk " << chunk;
    }
    int st = -1;
    std::string xml = first.encode(&st);
    ASSERT_EQ(st, 0) << d.path;
    AnyRecord second(ctxt, ops);
    ASSERT_EQ(second.decode(xml), 0) << d.path << "\n" << xml;
    EXPECT_EQ(second.printed(), printed) << d.path;
    EXPECT_EQ(second.encode(&st), xml) << d.path;
    EXPECT_EQ(validateText(ctxt, ops, xml), 0) << d.path;
    if (xmllint && d.valid) {
      EXPECT_EQ(xmllintValid(xml), 0) << d.path << "\n" << xml;
    }
    roundTrips[d.root]++;
  }
  EXPECT_GE(roundTrips["presence"], 20);
  EXPECT_GE(roundTrips["list"], 3);
  EXPECT_GE(roundTrips["watcherinfo"], 1);
  EXPECT_GE(roundTrips["pidf-diff"], 1);
  EXPECT_GE(roundTrips["pidf-full"], 2);
}
