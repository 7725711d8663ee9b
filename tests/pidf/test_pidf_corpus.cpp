// Every presence document of the corpus, as its manifest describes it:
// well-formed ones decode, valid ones decode and validate with status 0,
// the others give the errors the content models define, and documents that
// are not well-formed are refused by the reader.
#include <gtest/gtest.h>

#include <map>

#include "pidf/corpus_manifest.h"

using namespace pxtest;

namespace {

// Where the library's answer at the presence level differs from the
// manifest's whole-document verdict, and why.
const std::map<std::string, int> kExpected = {
    // Invalid only inside foreign content (RPID sphere with text), which a
    // presence document keeps as captured XML without looking into it.
    {"rfc/rfc4480-ex1.xml", 0},
    {"real/resip-8.xml", 0},
    {"real/resip-11.xml", 0},
    // Tuple ids that are not xs:ID names: identifiers are kept as text,
    // not checked for their lexical form.
    {"real/resip-13.xml", 0},
    {"real/resip-23.xml", 0},
    {"real/resip-24.xml", 0},
    // Invalid at the presence level: the first error of each.
    {"rfc/rfc4479-ex1.xml", ST_MISSING_ATTRIBUTE},  // no entity
    {"real/resip-3.xml", ST_ELEMENT_NOT_EXPECTED},  // person before tuple
    {"real/resip-4.xml", ST_ELEMENT_NOT_EXPECTED},  // timestamp before note
    {"real/resip-6.xml", ST_MISSING_ATTRIBUTE},
    {"real/resip-9.xml", ST_ELEMENT_NOT_EXPECTED},
    {"real/resip-14.xml", ST_MISSING_ATTRIBUTE},
    {"real/resip-25.xml", ST_ELEMENT_NOT_EXPECTED},
    {"real/resip-26.xml", ST_ELEMENT_NOT_EXPECTED},
};

}  // namespace

TEST(PidfManifest, EveryPresenceDocumentDecodesAsTheManifestPredicts) {
  auto docs = corpusDocuments();
  if (docs.empty()) GTEST_SKIP() << corpusMissing();
  int checked = 0;
  for (const auto& d : docs) {
    bool pidfRoot = d.root == "presence" && d.namespaceUri == "urn:ietf:params:xml:ns:pidf";
    if (!pidfRoot && d.wellFormed) continue;
    std::string text;
    ASSERT_TRUE(readFile(corpusDir() + "/" + d.path, &text)) << d.path;
    SimpleCtx ctxt;
    tns_presence p;
    int decoded = decodePresence(ctxt, text, &p);
    int validated = validatePresence(ctxt, text);
    ++checked;
    if (!d.wellFormed) {
      EXPECT_EQ(decoded, ST_XML_MALFORMED) << d.path;
      EXPECT_EQ(validated, ST_XML_MALFORMED) << d.path;
    } else {
      auto it = kExpected.find(d.path);
      int expected = it != kExpected.end() ? it->second : (d.valid ? 0 : -1);
      ASSERT_NE(expected, -1) << d.path << ": invalid in the manifest, no expectation here";
      EXPECT_EQ(decoded, expected) << d.path;
      EXPECT_EQ(validated, expected) << d.path;
      // A document with errors still yields what could be decoded.
      if (decoded != 0) {
        EXPECT_GT(rtxErrGetCount(ctxt), 0) << d.path;
      }
    }
    PxMemFree_tns_presence(ctxt, &p);
    EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u) << d.path;
  }
  EXPECT_GE(checked, 30);
}

TEST(PidfManifest, DocumentsInNoOrAnotherNamespaceAreNotPresenceDocuments) {
  auto docs = corpusDocuments();
  if (docs.empty()) GTEST_SKIP() << corpusMissing();
  for (const auto& d : docs) {
    if (!d.wellFormed || d.root != "presence" || d.namespaceUri == "urn:ietf:params:xml:ns:pidf") continue;
    std::string text;
    ASSERT_TRUE(readFile(corpusDir() + "/" + d.path, &text));
    SimpleCtx ctxt;
    tns_presence p;
    // The root's name is right but every child is in the wrong namespace:
    // nothing is taken for PIDF.
    EXPECT_NE(decodePresence(ctxt, text, &p), 0) << d.path;
    EXPECT_EQ(p.tns_tuple.count, 0u) << d.path;
    PxMemFree_tns_presence(ctxt, &p);
  }
}
