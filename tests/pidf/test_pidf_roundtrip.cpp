// PIDF round trips: records built here -> XML -> records, and documents
// written elsewhere -> records -> XML -> records, compared through the print
// family; foreign elements survive as captured, and decoding the same bytes
// fed in chunks of 1 to 5 bytes gives the same records.
#include <gtest/gtest.h>

#include "pidf/pidf_support.h"

using namespace pxtest;

namespace {

tns_note* newNote(RtContext* ctxt, const char* text, const char* lang) {
  auto* n = static_cast<tns_note*>(rtxMemHeapAlloc(ctxt, sizeof(tns_note)));
  PxInit_tns_note(ctxt, n);
  n->value.value = rtxUTF8Strdup(ctxt, u8(text));
  if (lang) {
    n->tns_lang.value = rtxUTF8Strdup(ctxt, u8(lang));
    n->present |= 1;
  }
  return n;
}

// A presence record that uses every PIDF member shape.
void buildFull(RtContext* ctxt, tns_presence* p) {
  PxInit_tns_presence(ctxt, p);
  p->tns_entity.value = rtxUTF8Strdup(ctxt, u8("pres:someone@example.com"));
  for (int i = 0; i < 3; ++i) {
    auto* t = static_cast<tns_tuple*>(rtxMemHeapAlloc(ctxt, sizeof(tns_tuple)));
    PxInit_tns_tuple(ctxt, t);
    std::string id = "t" + std::to_string(i);
    t->tns_id.value = rtxUTF8Strdup(ctxt, u8(id.c_str()));
    if (i != 1) {
      t->tns_status.tns_basic = i == 0 ? 0 : 1;
      t->tns_status.present = 1;
    }
    if (i == 0) {
      rtxDListAppend(ctxt, &t->tns_status.tns__any,
                     newText(ctxt, "<e:loc xmlns:e=\"urn:example:loc\">home &amp; garden</e:loc>"));
      rtxDListAppend(ctxt, &t->tns__any, newText(ctxt, "<x:a xmlns:x=\"urn:x\"/>"));
      rtxDListAppend(ctxt, &t->tns__any, newText(ctxt, "<x:b xmlns:x=\"urn:x\" k=\"v\">t</x:b>"));
      t->tns_contact.value.value = rtxUTF8Strdup(ctxt, u8("sip:a@b.example.com"));
      t->tns_contact.tns_priority = 0.125;
      t->tns_contact.present = 1;
      t->present |= 1;
      rtxDListAppend(ctxt, &t->tns_note, newNote(ctxt, "Don't <disturb> & \"quote\"", "en"));
      rtxDListAppend(ctxt, &t->tns_note, newNote(ctxt, "  spaced\ttext\n", nullptr));
      t->tns_timestamp.value = rtxUTF8Strdup(ctxt, u8("2001-10-27T16:49:29Z"));
      t->present |= 2;
    }
    if (i == 2) {
      t->tns_contact.value.value = rtxUTF8Strdup(ctxt, u8("mailto:x@y.example"));
      t->present |= 1;  // no priority
    }
    rtxDListAppend(ctxt, &p->tns_tuple, t);
  }
  rtxDListAppend(ctxt, &p->tns_note, newNote(ctxt, "caf\xc3\xa9 \xe2\x82\xac", "fr"));
  rtxDListAppend(ctxt, &p->tns__any, newText(ctxt, "<dm:person xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" id=\"p1\"/>"));
}

}  // namespace

TEST(PidfRoundTrip, RecordsEncodeAndDecodeBackToEqualRecords) {
  SimpleCtx ctxt;
  tns_presence built;
  buildFull(ctxt, &built);
  int st = -1;
  std::string xml = encodePresence(ctxt, &built, &st);
  ASSERT_EQ(st, 0) << xml;
  tns_presence back;
  ASSERT_EQ(decodePresence(ctxt, xml, &back), 0) << xml;
  EXPECT_EQ(printed(back), printed(built));
  // Decoding what was decoded and encoded again changes nothing either.
  std::string again = encodePresence(ctxt, &back, &st);
  ASSERT_EQ(st, 0);
  EXPECT_EQ(again, xml);
  EXPECT_EQ(validatePresence(ctxt, xml), 0) << xml;
  PxMemFree_tns_presence(ctxt, &back);
  PxMemFree_tns_presence(ctxt, &built);
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u);
}

TEST(PidfRoundTrip, EmptyPresenceIsARootWithItsEntityOnly) {
  SimpleCtx ctxt;
  tns_presence p;
  PxInit_tns_presence(ctxt, &p);
  p.tns_entity.value = u8("pres:x@y");
  int st = -1;
  std::string xml = encodePresence(ctxt, &p, &st);
  ASSERT_EQ(st, 0);
  EXPECT_EQ(xml,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<tns:presence xmlns:tns=\"urn:ietf:params:xml:ns:pidf\" entity=\"pres:x@y\"></tns:presence>");
}

TEST(PidfRoundTrip, TupleMembersComeOutInSchemaOrder) {
  SimpleCtx ctxt;
  tns_presence p;
  buildFull(ctxt, &p);
  std::string xml = encodePresence(ctxt, &p);
  size_t status = xml.find("<tns:status>"), any = xml.find("<x:a"), contact = xml.find("<tns:contact"),
         note = xml.find("<tns:note xml:lang=\"en\""), stamp = xml.find("<tns:timestamp>");
  EXPECT_LT(status, any);
  EXPECT_LT(any, contact);
  EXPECT_LT(contact, note);
  EXPECT_LT(note, stamp);
  EXPECT_NE(xml.find("<tns:contact priority=\"0.125\">sip:a@b.example.com</tns:contact>"), std::string::npos) << xml;
  // A status with nothing in it is an empty element; a tuple with only that
  // status holds it.
  EXPECT_NE(xml.find("<tns:tuple id=\"t1\"><tns:status/></tns:tuple>"), std::string::npos) << xml;
  // Bit 1 clear: no timestamp even when the text is set.
  auto* t = static_cast<tns_tuple*>(p.tns_tuple.head->data);
  t->present &= ~2u;
  EXPECT_EQ(encodePresence(ctxt, &p).find("timestamp"), std::string::npos);
}

TEST(PidfRoundTrip, CallerRegisteredPrefixesWithTheNoOwnNamespaceFlag) {
  SimpleCtx ctxt;
  tns_presence p;
  buildFull(ctxt, &p);
  ctxt->flags |= RT_FLAG_NO_OWN_NAMESPACE;
  rtxResetOutput(ctxt);
  ASSERT_EQ(rtXmlNSSetNamespace(ctxt, nullptr, nullptr, u8("urn:ietf:params:xml:ns:pidf"), 0), 0);
  ASSERT_EQ(PxXmlE_tns_presence(ctxt, &p), 0);
  std::string xml = rtxGetOutput(ctxt, nullptr);
  EXPECT_EQ(xml.find("tns:"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity="), std::string::npos) << xml;
  tns_presence back;
  ASSERT_EQ(decodePresence(ctxt, xml, &back), 0);
  EXPECT_EQ(printed(back), printed(p));
}

// Documents of the corpus whose root is a PIDF presence element.
class PidfCorpus : public ::testing::TestWithParam<const char*> {};

TEST_P(PidfCorpus, DecodeEncodeDecodeKeepsEveryRecordAndForeignElement) {
  std::string text;
  if (!readFile(corpusDir() + "/" + GetParam(), &text)) GTEST_SKIP() << corpusMissing();
  SimpleCtx ctxt;
  tns_presence first;
  int st1 = decodePresence(ctxt, text, &first);
  ASSERT_EQ(st1, 0) << GetParam();
  std::string printedFirst = printed(first);
  for (size_t chunk = 1; chunk <= 5; ++chunk) {
    tns_presence pieces;
    EXPECT_EQ(decodePresence(ctxt, text, &pieces, chunk), 0);
    EXPECT_EQ(printed(pieces), printedFirst) << "chunk " << chunk;
    PxMemFree_tns_presence(ctxt, &pieces);
  }
  int st = -1;
  std::string xml = encodePresence(ctxt, &first, &st);
  ASSERT_EQ(st, 0);
  tns_presence second;
  ASSERT_EQ(decodePresence(ctxt, xml, &second), 0) << xml;
  EXPECT_EQ(printed(second), printedFirst);
  EXPECT_EQ(encodePresence(ctxt, &second), xml);
  EXPECT_EQ(validatePresence(ctxt, xml), 0) << xml;
  PxMemFree_tns_presence(ctxt, &first);
  PxMemFree_tns_presence(ctxt, &second);
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, PidfCorpus,
    ::testing::Values("rfc/rfc3863-ex1.xml", "rfc/rfc3863-ex2.xml", "rfc/rfc3863-ex3.xml", "rfc/rfc3863-ex4.xml",
                      "rfc/rfc3863-ex5.xml", "rfc/rfc3863-ex6.xml", "rfc/rfc4480-ex1.xml",
                      "rfc/rfc4482-ex1-corrected.xml", "rfc/rfc4482-ex2.xml", "rfc/rfc4119-ex1.xml",
                      "rfc/rfc4119-ex2.xml", "rfc/rfc4662-ex2.xml", "rfc/rfc4662-ex3.xml", "rfc/rfc4662-ex6.xml",
                      "rfc/rfc4662-ex7.xml", "real/resip-1.xml", "real/resip-2.xml", "real/resip-5.xml",
                      "real/resip-7.xml", "real/resip-8.xml", "real/resip-10.xml", "real/resip-11.xml",
                      "real/resip-13.xml", "real/resip-19.xml", "real/resip-20.xml", "real/resip-23.xml",
                      "real/resip-24.xml", "real/ng911dev-1.xml"),
    [](const auto& info) {
      std::string name = info.param;
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(PidfRoundTrip, ForeignElementIsCapturedSelfContained) {
  SimpleCtx ctxt;
  std::string doc =
      "<impp:presence xmlns:impp='urn:ietf:params:xml:ns:pidf' xmlns:local='urn:example-com:pidf-status-type'"
      " entity='pres:someone@example.com'><impp:tuple id='ck'><impp:status><impp:basic>open</impp:basic>"
      "<local:location>home</local:location></impp:status></impp:tuple></impp:presence>";
  tns_presence p;
  ASSERT_EQ(decodePresence(ctxt, doc, &p), 0);
  auto* t = static_cast<tns_tuple*>(p.tns_tuple.head->data);
  ASSERT_EQ(t->tns_status.tns__any.count, 1u);
  EXPECT_STREQ(str(static_cast<RtXmlString*>(t->tns_status.tns__any.head->data)->value),
               "<local:location xmlns:local=\"urn:example-com:pidf-status-type\">home</local:location>");
  EXPECT_EQ(t->tns_status.present, 1u);
  EXPECT_EQ(t->tns_status.tns_basic, 0);
}

// Found by the round-trip fuzzer: a note holding an element keeps no value;
// its encoding is an empty note, which decodes to the empty text and from
// there encodes and decodes to itself.
TEST(PidfRoundTrip, NoteHoldingAnElementSettlesAfterOneRoundTrip) {
  SimpleCtx ctxt;
  std::string doc = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='e'><note>a<presence/>b</note></presence>";
  tns_presence first;
  ASSERT_EQ(decodePresence(ctxt, doc, &first), 0);
  EXPECT_EQ(static_cast<tns_note*>(first.tns_note.head->data)->value.value, nullptr);
  std::string xml = encodePresence(ctxt, &first);
  tns_presence second, third;
  ASSERT_EQ(decodePresence(ctxt, xml, &second), 0);
  EXPECT_STREQ(str(static_cast<tns_note*>(second.tns_note.head->data)->value.value), "");
  EXPECT_EQ(encodePresence(ctxt, &second), xml);
  ASSERT_EQ(decodePresence(ctxt, xml, &third), 0);
  EXPECT_EQ(printed(third), printed(second));
  for (tns_presence* p : {&first, &second, &third}) PxMemFree_tns_presence(ctxt, p);
}
