// Limits a server sets on a context, each refused with a clear error and
// nothing lost or leaked: document size, nesting depth, errors recorded,
// heap size; and allocation failures injected at every point of a decode.
#include <gtest/gtest.h>

#include "pidf/pidf_support.h"

using namespace pxtest;

namespace {

std::string presenceWithTuples(int n, const std::string& extraAttr = "") {
  std::string doc = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='pres:a@b'>";
  for (int i = 0; i < n; ++i)
    doc += "<tuple id='t" + std::to_string(i) + "'" + extraAttr + "><status><basic>open</basic></status>"
           "<contact priority='0.5'>sip:x@y</contact><note xml:lang='en'>note</note></tuple>";
  return doc + "</presence>";
}

}  // namespace

TEST(Limits, DocumentSizeIsRefusedBeforeParsing) {
  SimpleCtx ctxt;
  std::string doc = presenceWithTuples(20);
  ASSERT_EQ(rtxSetLimit(ctxt, RT_LIMIT_DOCUMENT_SIZE, doc.size() - 1), 0);
  tns_presence p;
  EXPECT_EQ(decodePresence(ctxt, doc, &p), ST_TOO_LARGE);
  EXPECT_EQ(statusParams(ctxt)[0], StatusParams(ST_TOO_LARGE, {std::to_string(doc.size()), std::to_string(doc.size() - 1)}));
  PxMemFree_tns_presence(ctxt, &p);
  rtxSetLimit(ctxt, RT_LIMIT_DOCUMENT_SIZE, doc.size());
  EXPECT_EQ(decodePresence(ctxt, doc, &p), 0);
  PxMemFree_tns_presence(ctxt, &p);
}

TEST(Limits, NestingDepthInsideAForeignElement) {
  SimpleCtx ctxt;
  std::string deep;
  for (int i = 0; i < 40; ++i) deep += "<x:e>";
  for (int i = 0; i < 40; ++i) deep += "</x:e>";
  std::string doc = "<presence xmlns='urn:ietf:params:xml:ns:pidf' xmlns:x='urn:x' entity='e'>" + deep + "</presence>";
  rtxSetLimit(ctxt, RT_LIMIT_DEPTH, 32);
  tns_presence p;
  EXPECT_EQ(decodePresence(ctxt, doc, &p), ST_TOO_DEEP);
  EXPECT_EQ(statusParams(ctxt)[0].first, ST_TOO_DEEP);
  PxMemFree_tns_presence(ctxt, &p);
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u);
  rtxSetLimit(ctxt, RT_LIMIT_DEPTH, 64);
  EXPECT_EQ(decodePresence(ctxt, doc, &p), 0);
  PxMemFree_tns_presence(ctxt, &p);
}

TEST(Limits, ErrorsRecordedPerDocumentStopAtTheLimitAndDecodingGoesOn) {
  SimpleCtx ctxt;
  std::string doc = presenceWithTuples(300, " bogus='1'");
  rtxSetLimit(ctxt, RT_LIMIT_ERRORS, 25);
  tns_presence p;
  EXPECT_EQ(decodePresence(ctxt, doc, &p), ST_UNKNOWN_ATTRIBUTE);
  EXPECT_EQ(rtxErrGetCount(ctxt), 25);
  EXPECT_EQ(p.tns_tuple.count, 300u);  // every tuple still decoded
  PxMemFree_tns_presence(ctxt, &p);
  // The limit counts per document.
  rtxErrReset(ctxt);
  EXPECT_EQ(decodePresence(ctxt, presenceWithTuples(2, " bogus='1'"), &p), ST_UNKNOWN_ATTRIBUTE);
  EXPECT_EQ(rtxErrGetCount(ctxt), 2);
  PxMemFree_tns_presence(ctxt, &p);
}

TEST(Limits, AContextNeverResetStillFailsEveryInvalidDocument) {
  // The error list keeps a bounded number of entries; once full, the
  // failures it cannot keep must still fail their documents.
  SimpleCtx ctxt;
  std::string bad = presenceWithTuples(1, " bogus='1'");
  int decodeFailures = 0, validateFailures = 0;
  for (int i = 0; i < 2500; ++i) {
    tns_presence p;
    decodeFailures += decodePresence(ctxt, bad, &p) == ST_UNKNOWN_ATTRIBUTE;
    PxMemFree_tns_presence(ctxt, &p);
    validateFailures += validatePresence(ctxt, bad) == ST_UNKNOWN_ATTRIBUTE;
  }
  EXPECT_EQ(decodeFailures, 2500);
  EXPECT_EQ(validateFailures, 2500);
  EXPECT_GT(rtxErrGetDropped(ctxt), 0);
  tns_presence p;
  EXPECT_EQ(decodePresence(ctxt, presenceWithTuples(1), &p), 0);  // and a valid one still passes
  PxMemFree_tns_presence(ctxt, &p);
}

TEST(Limits, HeapLimitFailsWithNoMemoryAndKeepsWhatWasBuilt) {
  SimpleCtx ctxt;
  std::string doc = presenceWithTuples(2000);
  rtxSetLimit(ctxt, RT_LIMIT_HEAP, 256 * 1024);
  tns_presence p;
  EXPECT_EQ(decodePresence(ctxt, doc, &p), ST_NO_MEMORY);
  EXPECT_GT(p.tns_tuple.count, 0u);
  EXPECT_LT(p.tns_tuple.count, 2000u);
  EXPECT_LE(rtxMemHeapPageBytes(ctxt), 256u * 1024);
  // Allocation failures count against the error limit: a few entries, the
  // rest counted as unrecorded.
  EXPECT_LE(rtxErrGetCount(ctxt), 100);
  EXPECT_GT(rtxErrGetUnrecorded(ctxt), 0);
  PxMemFree_tns_presence(ctxt, &p);
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u);
}

TEST(Limits, EveryAllocationFailureIsReportedAndLeaksNothing) {
  SimpleCtx ctxt;
  std::string doc =
      "<presence xmlns='urn:ietf:params:xml:ns:pidf' xmlns:x='urn:x' entity='pres:a@b'>"
      "<tuple id='t'><status><basic>open</basic><x:s a='1'>t</x:s></status><x:e/>"
      "<contact xmlns:y='urn:y' priority='0.5'>sip:x@y</contact><note xml:lang='en'>n</note>"
      "<timestamp>2001-10-27T16:49:29Z</timestamp></tuple><note>top</note><x:z>z</x:z></presence>";
  tns_presence p;
  ASSERT_EQ(decodePresence(ctxt, doc, &p), 0);
  std::string whole = printed(p);
  PxMemFree_tns_presence(ctxt, &p);
  size_t failures = 0;
  for (size_t n = 1; n < 200; ++n) {
    rtxErrReset(ctxt);
    rtxMemHeapFailAfter(ctxt, n);
    int st = decodePresence(ctxt, doc, &p);
    rtxMemHeapFailAfter(ctxt, 0);
    if (st == 0) {
      EXPECT_EQ(printed(p), whole) << n;  // the failure point lies past the last allocation
      PxMemFree_tns_presence(ctxt, &p);
      break;
    }
    ++failures;
    EXPECT_EQ(rtxErrGetFirstError(ctxt), ST_NO_MEMORY) << n;
    PxMemFree_tns_presence(ctxt, &p);
    ASSERT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u) << "allocation " << n;
  }
  EXPECT_GT(failures, 10u);
}

TEST(Limits, RefusalsPastTheErrorLimitExtendNoOlderEntry) {
  SimpleCtx ctxt;
  rtxSetLimit(ctxt, RT_LIMIT_ERRORS, 1);
  tns_presence p;
  std::string doc = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='e'>"
                    "<tuple id='a' bogus='1'><contact>x</contact><status/></tuple></presence>";
  EXPECT_EQ(decodePresence(ctxt, doc, &p), ST_UNKNOWN_ATTRIBUTE);
  auto errs = errors(ctxt);
  ASSERT_EQ(errs.size(), 1u);
  EXPECT_EQ(errs[0].positions.size(), 1u);  // the refused contact added nothing to it
  PxMemFree_tns_presence(ctxt, &p);
}
