// Printing and initialisation of PIDF records: the exact lines written, the
// members an initialisation empties and the ones it leaves alone, names cut
// at 511 bytes, and the enumeration conversions.
#include <gtest/gtest.h>

#include <cstring>

#include "pidf/pidf_support.h"

using namespace pxtest;

TEST(PidfPrint, PresenceWithOneOpenTupleIsThreeLines) {
  SimpleCtx ctxt;
  tns_presence p;
  PxInit_tns_presence(ctxt, &p);
  p.tns_entity.value = u8("pres:a@b");
  tns_tuple t;
  PxInit_tns_tuple(ctxt, &t);
  t.tns_id.value = u8("t1");
  t.tns_status.present = 1;
  t.tns_status.tns_basic = 0;
  rtxDListAppend(ctxt, &p.tns_tuple, &t);
  EXPECT_EQ(capturedStdout([&] { PxPrint_tns_presence("p", &p); }),
            "p.tns_tuple[0].tns_status.tns_basic = 'open'\n"
            "p.tns_tuple[0].tns_id = 't1'\n"
            "p.tns_entity = 'pres:a@b'\n");
  rtxDListFreeNodes(ctxt, &p.tns_tuple);
}

TEST(PidfPrint, EveryMemberKindOfPidf) {
  SimpleCtx ctxt;
  std::string text =
      "<presence xmlns='urn:ietf:params:xml:ns:pidf' xmlns:x='urn:x' entity='pres:a@b'>"
      "<tuple id='t'><status><x:s/></status><x:a/><contact xmlns:y='urn:y' priority='0.25'>sip:c</contact>"
      "<note xml:lang='de'>hallo</note><timestamp>2001-10-27T16:49:29Z</timestamp></tuple>"
      "<note>n</note><x:z>1</x:z></presence>";
  tns_presence p;
  ASSERT_EQ(decodePresence(ctxt, text, &p), 0);
  EXPECT_EQ(printed(p),
            "p.tns_tuple[0].tns_status[0] = '<x:s xmlns:x=\"urn:x\"/>'\n"
            "p.tns_tuple[0][0] = '<x:a xmlns:x=\"urn:x\"/>'\n"
            "p.tns_tuple[0].tns_contact = 'sip:c'\n"
            "p.tns_tuple[0].tns_contact.xmlns:y = 'urn:y'\n"
            "p.tns_tuple[0].tns_contact.tns_priority = 0.25\n"
            "p.tns_tuple[0].tns_note[0] = 'hallo'\n"
            "p.tns_tuple[0].tns_note[0].tns_lang = 'de'\n"
            "p.tns_tuple[0].tns_timestamp = '2001-10-27T16:49:29Z'\n"
            "p.tns_tuple[0].tns_id = 't'\n"
            "p.tns_note[0] = 'n'\n"
            "p[0] = '<x:z xmlns:x=\"urn:x\">1</x:z>'\n"
            "p.tns_entity = 'pres:a@b'\n");
  PxMemFree_tns_presence(ctxt, &p);
  EXPECT_EQ(capturedStdout([] { PxPrint_tns_basic("b", 1); }), "b = 'closed'\n");
  EXPECT_EQ(capturedStdout([] { PxPrint_tns_qvalue("q", 0.5); }), "q = 0.5\n");
}

TEST(PidfPrint, LongNamesAreCutAt511Bytes) {
  SimpleCtx ctxt;
  tns_note n;
  PxInit_tns_note(ctxt, &n);
  n.value.value = u8("v");
  n.tns_lang.value = u8("en");
  n.present = 1;
  std::string name(600, 'n');
  std::string out = capturedStdout([&] { PxPrint_tns_note(name.c_str(), &n); });
  // The value prints under the incoming name itself; the language under the
  // formed name, cut to its first 511 bytes, here all of them the name's.
  std::string cut(511, 'n');
  EXPECT_EQ(out, name + " = 'v'\n" + cut + " = 'en'\n");
}

TEST(PidfInit, EmptiesWhatItOwnsAndLeavesValuesAlone) {
  SimpleCtx ctxt;
  tns_tuple t;
  std::memset(&t, 0xAB, sizeof t);
  ASSERT_EQ(PxInit_tns_tuple(ctxt, &t), 0);
  EXPECT_EQ(t.present, 0u);
  EXPECT_EQ(t.tns_status.present, 0u);
  EXPECT_EQ(t.tns_status.tns__any.count, 0u);
  EXPECT_EQ(t.tns__any.head, nullptr);
  EXPECT_EQ(t.tns_note.count, 0u);
  EXPECT_EQ(t.tns_contact.value.value, nullptr);
  EXPECT_EQ(t.tns_contact.nsAttrs.count, 0u);
  EXPECT_EQ(t.tns_timestamp.value, nullptr);
  uint64_t priorityBits;
  std::memcpy(&priorityBits, &t.tns_contact.tns_priority, sizeof priorityBits);
  EXPECT_EQ(priorityBits, 0xABABABABABABABABull);  // a value, not owned storage
  // A rejected context leaves the record untouched.
  std::memset(&t, 0xCD, sizeof t);
  EXPECT_EQ(PxInit_tns_tuple(nullptr, &t), ST_BAD_CONTEXT);
  EXPECT_EQ(t.present, 0xCDCDCDCDu);
}

TEST(PidfInit, ReleaseLeavesTextsOfClearBitsAlone) {
  SimpleCtx ctxt;
  tns_tuple t;
  PxInit_tns_tuple(ctxt, &t);
  t.tns_id.value = rtxUTF8Strdup(ctxt, u8("id"));
  // Bit 1 clear: the timestamp pointer is not the heap's, and must not be
  // given to it.
  static const OSUTF8CHAR kStatic[] = "not from the heap";
  t.tns_timestamp.value = kStatic;
  PxMemFree_tns_tuple(ctxt, &t);
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u);
}

TEST(PidfEnum, ConversionsBothWays) {
  EXPECT_STREQ(str(Pxtns_basic_ToString(0)), "open");
  EXPECT_STREQ(str(Pxtns_basic_ToString(1)), "closed");
  EXPECT_STREQ(str(Pxtns_basic_ToString(2)), "_UNKNOWN_");
  uint16_t v = 9;
  EXPECT_EQ(Pxtns_basic_ToEnum(u8("closedx"), 6, &v), 0);  // the length counts, not a NUL
  EXPECT_EQ(v, 1);
  EXPECT_EQ(Pxtns_basic_ToEnum(u8("Open"), 4, &v), ST_ENUM_UNKNOWN);
  EXPECT_EQ(v, 1);
  EXPECT_EQ(Pxtns__watcher_event_ToEnum(u8("giveup"), 6, &v), 0);
  EXPECT_EQ(v, 6);
  EXPECT_EQ(Pxws_ToEnum(u8("both"), 4, nullptr), 0);
  // Every value of every enumeration converts to its text and back.
  struct Enum {
    const OSUTF8CHAR* (*toString)(uint16_t);
    int (*toEnum)(const OSUTF8CHAR*, size_t, uint16_t*);
    uint16_t n;
  };
  const Enum enums[] = {{Pxtns_basic_ToString, Pxtns_basic_ToEnum, 2},
                        {Pxrlmi__instance_state_ToString, Pxrlmi__instance_state_ToEnum, 3},
                        {Pxrpid_activeIdle_ToString, Pxrpid_activeIdle_ToEnum, 2},
                        {Pxtns__watcher_status_ToString, Pxtns__watcher_status_ToEnum, 4},
                        {Pxtns__watcher_event_ToString, Pxtns__watcher_event_ToEnum, 8},
                        {Pxtns__watcherinfo_state_ToString, Pxtns__watcherinfo_state_ToEnum, 2},
                        {Pxpos_ToString, Pxpos_ToEnum, 3},
                        {Pxws_ToString, Pxws_ToEnum, 3}};
  for (const auto& e : enums) {
    for (uint16_t value = 0; value < e.n; ++value) {
      const OSUTF8CHAR* text = e.toString(value);
      uint16_t back = 999;
      ASSERT_EQ(e.toEnum(text, rtxUTF8LenBytes(text), &back), 0) << str(text);
      EXPECT_EQ(back, value) << str(text);
    }
    EXPECT_STREQ(str(e.toString(e.n)), "_UNKNOWN_");
  }
  EXPECT_STREQ(str(Pxtns__watcher_status_ToString(2)), "waiting");
  EXPECT_STREQ(str(Pxpos_ToString(2)), "prepend");
}

TEST(PidfDiagnostics, EveryHandlerEntryReportsItsNameOnlyWhenAHookIsSet) {
  SimpleCtx ctxt;
  std::vector<std::string> calls;
  rtSaxSetDiagHook(
      ctxt,
      [](void* data, const char* func, const OSUTF8CHAR* qname, OSBOOL entering) {
        if (entering) static_cast<std::vector<std::string>*>(data)->push_back(std::string(func) + " " + str(qname));
      },
      &calls);
  std::string doc = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='e'><tuple id='t'><status/></tuple></presence>";
  tns_presence p;
  ASSERT_EQ(decodePresence(ctxt, doc, &p), 0);
  PxMemFree_tns_presence(ctxt, &p);
  std::vector<std::string> expected = {
      "PxSAX_tns_presence_startElement presence", "PxSAX_tns_presence_startElement tuple",
      "PxSAX_tns_tuple_startElement tuple",       "PxSAX_tns_presence_startElement status",
      "PxSAX_tns_tuple_startElement status",      "PxSAX_tns_status_startElement status",
      "PxSAX_tns_presence_endElement status",     "PxSAX_tns_tuple_endElement status",
      "PxSAX_tns_status_endElement status",       "PxSAX_tns_presence_endElement tuple",
      "PxSAX_tns_tuple_endElement tuple",         "PxSAX_tns_presence_endElement presence"};
  EXPECT_EQ(calls, expected);
  calls.clear();
  rtSaxSetDiagHook(ctxt, nullptr, nullptr);
  ASSERT_EQ(decodePresence(ctxt, doc, &p), 0);
  EXPECT_TRUE(calls.empty());
  PxMemFree_tns_presence(ctxt, &p);
}
