// The library frame: the per-context block, its namespace table, the release
// hook run by rtxFreeContext, and the table's URIs mapping back to indices.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "pxxml/rt.h"
#include "pxxml/simple/simple_global.h"

namespace {

const char* const kUris[PX_NS_COUNT] = {
    "urn:ietf:params:xml:ns:watcherinfo",      "urn:ietf:params:xml:ns:pidf:rpid",
    "urn:ietf:params:xml:ns:rlmi",             "urn:ietf:params:xml:ns:pidf:geopriv10:civicLoc",
    "urn:ietf:params:xml:ns:pidf:geopriv10:basicPolicy", "urn:ietf:params:xml:ns:pidf:geopriv10",
    "urn:ietf:params:xml:ns:pidf:data-model",  "urn:ietf:params:xml:ns:pidf:cipid",
    "urn:ietf:params:xml:ns:pidf:caps",        "urn:ietf:params:xml:ns:pidf",
    "urn:ietf:params:xml:ns:pidf-diff"};

const OSUTF8CHAR* u8(const char* s) { return reinterpret_cast<const OSUTF8CHAR*>(s); }
SIMPLE_Global* block(RtContext& c) { return static_cast<SIMPLE_Global*>(c.pGlobalData); }

class Frame : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(rtxInitContext(&ctxt), 0); }
  void TearDown() override { rtxFreeContext(&ctxt); }
  static void expectTable(NamespaceTable* table) {
    ASSERT_NE(table, nullptr);
    for (int i = 0; i < PX_NS_COUNT; ++i) EXPECT_STREQ(reinterpret_cast<const char*>(table[i]), kUris[i]) << i;
  }
  RtContext ctxt{};
};

int hookRuns = 0;
void countingHook(RtContext* c) {
  ++hookRuns;
  std::free(c->pGlobalData);
  c->pGlobalData = nullptr;
}

}  // namespace

TEST_F(Frame, InitTwiceAllocatesOnce) {
  EXPECT_EQ(PxInit_SIMPLE_Global(&ctxt), 0);
  SIMPLE_Global* first = block(ctxt);
  ASSERT_NE(first, nullptr);
  NamespaceTable* table = first->nsTable;
  expectTable(table);
  EXPECT_NE(ctxt.gdFree, nullptr);
  EXPECT_EQ(PxInit_SIMPLE_Global(&ctxt), 0);
  EXPECT_EQ(block(ctxt), first);
  EXPECT_EQ(first->nsTable, table);
  EXPECT_EQ(PxGet_SIMPLE_Global(&ctxt), first);
  EXPECT_EQ(PxGet_SIMPLE_NSURI(&ctxt), table);
  EXPECT_EQ(PxInit_SIMPLE_Global(nullptr), ST_NO_MEMORY);
}

TEST_F(Frame, TableOnAFreshContextAndAfterFree) {
  PxFree_SIMPLE_Global(&ctxt);  // never had a block: the slot stays empty
  EXPECT_EQ(ctxt.pGlobalData, nullptr);
  EXPECT_EQ(ctxt.gdFree, nullptr);
  NamespaceTable* table = PxGet_SIMPLE_NSURI(&ctxt);
  ASSERT_NE(block(ctxt), nullptr);
  EXPECT_EQ(block(ctxt)->nsTable, table);
  expectTable(table);
  PxFree_SIMPLE_Global(&ctxt);
  EXPECT_EQ(ctxt.pGlobalData, nullptr);
  PxFree_SIMPLE_Global(&ctxt);
  NamespaceTable* again = PxGet_SIMPLE_NSURI(&ctxt);
  ASSERT_NE(block(ctxt), nullptr);
  EXPECT_EQ(block(ctxt)->nsTable, again);
  expectTable(again);
}

TEST(FrameRelease, FreeContextRunsTheReleaseHook) {
  // Block and table go with the context (the leak check reports them else).
  RtContext c{};
  ASSERT_EQ(rtxInitContext(&c), 0);
  ASSERT_EQ(PxInit_SIMPLE_Global(&c), 0);
  rtxFreeContext(&c);
  EXPECT_EQ(c.pGlobalData, nullptr);
  RtContext* heapCtxt = rtxNewContext();
  ASSERT_NE(PxGet_SIMPLE_NSURI(heapCtxt), nullptr);
  rtxDeleteContext(heapCtxt);
  // A hook runs once, and only while there is a block.
  for (bool withBlock : {true, false}) {
    hookRuns = 0;
    ASSERT_EQ(rtxInitContext(&c), 0);
    c.pGlobalData = withBlock ? std::malloc(8) : nullptr;
    c.gdFree = countingHook;
    rtxFreeContext(&c);
    EXPECT_EQ(hookRuns, withBlock ? 1 : 0);
  }
}

TEST_F(Frame, EveryUriMapsBackToItsIndex) {
  NamespaceTable* table = PxGet_SIMPLE_NSURI(&ctxt);
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(rtXmlNSPush(&ctxt), 0);
  for (int i = 0; i < PX_NS_COUNT; ++i) {
    EXPECT_EQ(rtXmlNSURIIndex(&ctxt, table[i]), i) << kUris[i];
    const std::string prefix = "p" + std::to_string(i);
    ASSERT_EQ(rtXmlNSAddPrefixLink(&ctxt, u8(prefix.c_str()), table[i], nullptr, 0), 0);
    EXPECT_EQ(rtXmlNSGetIndex(&ctxt, u8(prefix.c_str()), prefix.size()), i) << kUris[i];
  }
  for (const char* uri : {"urn:ietf:params:xml:ns:pidf:", "urn:ietf:params:xml:ns:PIDF", "", "urn:x"}) {
    EXPECT_EQ(rtXmlNSURIIndex(&ctxt, u8(uri)), -1) << uri;
    ASSERT_EQ(rtXmlNSAddPrefixLink(&ctxt, u8("q"), u8(uri), nullptr, 0), 0);
    EXPECT_EQ(rtXmlNSGetIndex(&ctxt, u8("q"), 1), -1) << uri;
  }
  rtXmlNSPop(&ctxt);
  EXPECT_EQ(rtXmlNSGetIndex(&ctxt, u8("p9"), 2), -1);
}
