// PIDF data model: notes (language, kept declarations, whitespace), the
// order of person and device content, the deviceID document of simple type,
// round trips of the three documents, and the persons, devices and device
// identifiers the corpus documents carry, decoded again on their own.
#include <gtest/gtest.h>

#include "data_model_support.h"
#include "pxxml/simple/data_model.h"

using namespace pxtest;

namespace {

const char* kDm = "xmlns='urn:ietf:params:xml:ns:pidf:data-model'";

std::string printedPerson(const dm__person& p) { return capturedStdout([&] { PxPrint_dm__person("r", &p); }); }
std::string printedDevice(const dm__device& d) { return capturedStdout([&] { PxPrint_dm__device("r", &d); }); }

const Note_t& note(const RtDList& list, int i) {
  const RtDListNode* n = list.head;
  while (i-- > 0) n = n->next;
  return *static_cast<const Note_t*>(n->data);
}

}  // namespace

TEST(DataModel, NoteKeepsLanguageDeclarationAndEverySpace) {
  SimpleCtx ctxt;
  dm__person p;
  std::string text = std::string("<person ") + kDm + " id='p'><note xml:lang='en' xmlns:x='urn:x'>  two  spaces </note>"
                     "<note/></person>";
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_dm_person, text, &p), 0);
  ASSERT_EQ(p.dm_note.count, 2u);
  const Note_t& n = note(p.dm_note, 0);
  EXPECT_EQ(n.present, 1u);
  EXPECT_STREQ(str(n.lang.value), "en");
  EXPECT_STREQ(str(n.value.value), "  two  spaces ");
  ASSERT_EQ(n.nsAttrs.count, 1u);
  EXPECT_STREQ(str(static_cast<RtXmlNamespace*>(n.nsAttrs.head->data)->uri), "urn:x");
  EXPECT_STREQ(str(note(p.dm_note, 1).value.value), "");
  EXPECT_EQ(note(p.dm_note, 1).present, 0u);
  // The start tag written for the note has xml:lang before the declaration.
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlET_Note_t(ctxt, &n, u8("note"), nullptr), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), "<note xml:lang=\"en\" xmlns:x=\"urn:x\">  two  spaces </note>");
  PxMemFree_dm__person(ctxt, &p);
}

TEST(DataModel, NoteWithUndeclaredAttributeStillTakesItsText) {
  SimpleCtx ctxt;
  dm__person p;
  std::string text = std::string("<person ") + kDm + " id='p'><note kind='x'>hi</note></person>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_dm_person, text, &p), ST_UNKNOWN_ATTRIBUTE);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_UNKNOWN_ATTRIBUTE, {"Note_t", "kind"}}}));
  ASSERT_EQ(p.dm_note.count, 1u);
  EXPECT_STREQ(str(note(p.dm_note, 0).value.value), "hi");
  PxMemFree_dm__person(ctxt, &p);
}

TEST(DataModel, ReleaseLeavesAnAbsentLanguageAlone) {
  SimpleCtx ctxt;
  Note_t n;
  PxInit_Note_t(ctxt, &n);
  static const OSUTF8CHAR notFromTheHeap[] = "de";
  n.lang.value = notFromTheHeap;  // bit 0 clear: releasing it would be a fault
  PxMemFree_Note_t(ctxt, &n);
  EXPECT_EQ(n.lang.value, notFromTheHeap);
}

TEST(DataModel, PersonKeepsForeignElementsThenNotesThenTimestamp) {
  SimpleCtx ctxt;
  dm__person p;
  std::string text = std::string("<dm:person xmlns:dm='urn:ietf:params:xml:ns:pidf:data-model'"
                                 " xmlns:r='urn:ietf:params:xml:ns:pidf:rpid' id=' p1 '>"
                                 "<r:activities><r:busy/></r:activities><r:mood><r:happy/></r:mood>"
                                 "<dm:note>n</dm:note><dm:timestamp> not a date </dm:timestamp></dm:person>");
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_dm_person, text, &p, 1), 0);
  EXPECT_EQ(p.present, 1u);
  EXPECT_STREQ(str(p.dm_id.value), "p1");
  EXPECT_STREQ(str(p.dm_timestamp.value), " not a date ");  // kept, not checked
  ASSERT_EQ(p.dm__any.count, 2u);
  EXPECT_STREQ(str(static_cast<RtXmlString*>(p.dm__any.head->data)->value),
               "<r:activities xmlns:r=\"urn:ietf:params:xml:ns:pidf:rpid\"><r:busy/></r:activities>");
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_dm_person(ctxt, &p), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr),
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<dm:person xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" id=\"p1\">"
               "<r:activities xmlns:r=\"urn:ietf:params:xml:ns:pidf:rpid\"><r:busy/></r:activities>"
               "<r:mood xmlns:r=\"urn:ietf:params:xml:ns:pidf:rpid\"><r:happy/></r:mood>"
               "<dm:note>n</dm:note><dm:timestamp> not a date </dm:timestamp></dm:person>");
  // The validator converts the timestamp, and refuses this one.
  rtxErrReset(ctxt);
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  EXPECT_EQ(PxXmlV_dm_person(ctxt), ST_BAD_VALUE);
  auto errs = statusParams(ctxt);
  ASSERT_EQ(errs.size(), 2u);
  EXPECT_EQ(errs[0].first, ST_BAD_VALUE);  // the converter's own entry
  EXPECT_EQ(errs[1], StatusParams(ST_BAD_CONTENT, {" not a date ", "dm__person", "dm:timestamp"}));
  PxMemFree_dm__person(ctxt, &p);
}

TEST(DataModel, OrderAndRequiredAttributeFaults) {
  SimpleCtx ctxt;
  dm__person p;
  std::string late = std::string("<person ") + kDm + "><timestamp>2005-05-30T16:09:44Z</timestamp>"
                     "<x:a xmlns:x='urn:x'/></person>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_dm_person, late, &p), ST_MISSING_ATTRIBUTE);
  auto errs = statusParams(ctxt);
  ASSERT_EQ(errs.size(), 2u);
  EXPECT_EQ(errs[0], StatusParams(ST_MISSING_ATTRIBUTE, {"dm__person", "id"}));
  EXPECT_EQ(errs[1].first, ST_ELEMENT_NOT_EXPECTED);
  EXPECT_EQ(p.present, 1u);
  EXPECT_EQ(p.dm__any.count, 0u);
  PxMemFree_dm__person(ctxt, &p);

  rtxErrReset(ctxt);
  dm__device d;
  std::string early = std::string("<device ") + kDm + " id='d'><note>n</note><deviceID> urn:x:1\n</deviceID>"
                      "<timestamp> 2005-05-30T16:09:44Z</timestamp></device>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_dm_device, early, &d), ST_ELEMENT_NOT_EXPECTED);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{
                                    {ST_ELEMENT_NOT_EXPECTED, {"note", "an element of another namespace, deviceID"}}}));
  EXPECT_EQ(d.dm_note.count, 0u);
  EXPECT_STREQ(str(d.dm_deviceID.value), "urn:x:1");
  EXPECT_STREQ(str(d.dm_timestamp.value), " 2005-05-30T16:09:44Z");
  PxMemFree_dm__device(ctxt, &d);
}

TEST(DataModel, DeviceIDDocumentIsOfSimpleType) {
  SimpleCtx ctxt;
  ctxt->flags |= RT_FLAG_NO_OWN_NAMESPACE;  // not for roots of a simple type
  deviceID_t id{0, u8("mac:8asd7d7d70")};
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_dm_deviceID(ctxt, &id), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                            "<deviceID xmlns=\"urn:ietf:params:xml:ns:pidf:data-model\">"
                                            "mac:8asd7d7d70</deviceID>");
  EXPECT_EQ(PxXmlV_dm_deviceID(nullptr), ST_NOT_SUPPORTED);
  EXPECT_EQ(rtxErrGetCount(ctxt), 0);
  // The root's namespace is checked as for persons and devices.
  deviceID_t other{};
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_dm_deviceID, "<deviceID xmlns='urn:other'>x</deviceID>", &other),
            ST_NAME_MISMATCH);
  EXPECT_EQ(statusParams(ctxt),
            (std::vector<StatusParams>{{ST_NAME_MISMATCH, {"deviceID", "deviceID", "urn:other"}}}));
  releaseText(ctxt, &other);
}

TEST(DataModel, TimestampTextIsWrittenUnchanged) {
  SimpleCtx ctxt;
  Timestamp_t t{0, u8("yesterday & today")};
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlET_Timestamp_t(ctxt, &t, u8("timestamp"), nullptr), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), "<timestamp>yesterday &amp; today</timestamp>");
}

TEST(DataModel, BadTimestampTextFailsThroughTheTimestampEncoder) {
  SimpleCtx ctxt;
  dm__device d;
  PxInit_dm__device(ctxt, &d);
  d.dm_id.value = u8("d1");
  d.dm_deviceID.value = u8("urn:x");
  d.dm_timestamp.value = u8("\xC3(");
  d.present = 1;
  rtxResetOutput(ctxt);
  EXPECT_EQ(PxXmlE_dm_device(ctxt, &d), ST_INVALID_UTF8);
  auto errs = errors(ctxt);
  ASSERT_EQ(errs.size(), 1u);
  EXPECT_EQ(errs[0].status, ST_INVALID_UTF8);
  // After the runtime's own position, the timestamp's encoder, then the
  // device's.
  std::vector<std::string> files;
  for (size_t i = 1; i < errs[0].positions.size(); ++i)
    if (files.empty() || files.back() != errs[0].positions[i].file) files.push_back(errs[0].positions[i].file);
  EXPECT_EQ(files, (std::vector<std::string>{"xmladdons/addons/simple/data_model/pxxmlpidfcommonschemaenc.cpp",
                                             "xmladdons/addons/simple/data_model/pxxmlpidfdatamodelenc.cpp"}));
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<dm:device xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" id=\"d1\">"
               "<dm:deviceID>urn:x</dm:deviceID><dm:timestamp>");
}

TEST(DataModel, DocumentsRoundTrip) {
  SimpleCtx ctxt;
  expectRoundTrip(ctxt, std::string("<person ") + kDm + " xmlns:c='urn:ietf:params:xml:ns:pidf:cipid' id='p2'>"
                  "<c:card>http://a/c.vcd</c:card><note xml:lang='fr'>lu</note><note>b &lt;</note>"
                  "<timestamp>2005-05-30T22:02:44+05:00</timestamp></person>",
                  PxXmlD_dm_person, PxXmlE_dm_person, printedPerson, PxMemFree_dm__person);
  expectRoundTrip(ctxt, std::string("<device ") + kDm + " id='pc'><u:user-input "
                  "xmlns:u='urn:ietf:params:xml:ns:pidf:rpid'>idle</u:user-input><deviceID>urn:d:1</deviceID>"
                  "<note>PC</note></device>",
                  PxXmlD_dm_device, PxXmlE_dm_device, printedDevice, PxMemFree_dm__device);
  expectRoundTrip(ctxt, std::string("<deviceID ") + kDm + "> urn:x-mac:0003ba4811e3 </deviceID>",
                  PxXmlD_dm_deviceID, PxXmlE_dm_deviceID, shownText, releaseText);
}

// The data-model and CIPID elements of the corpus, as the presence decoder
// captured them, decode again on their own and round trip.
TEST(DataModel, CorpusElementsDecodeStandalone) {
  std::vector<std::string> paths = {"rfc/rfc4479-ex1.xml", "rfc/rfc4480-ex1.xml", "rfc/rfc4482-ex1-corrected.xml",
                                    "rfc/rfc4482-ex2.xml", "real/ng911dev-1.xml"};
  for (int i = 1; i <= 27; ++i) paths.push_back("real/resip-" + std::to_string(i) + ".xml");
  std::map<std::string, int> seen;
  for (const auto& path : paths) {
    std::string text;
    if (!readFile(corpusDir() + "/" + path, &text)) GTEST_SKIP() << "corpus not available";
    SimpleCtx ctxt;
    tns_presence p;
    if (decodePresence(ctxt, text, &p) == ST_XML_MALFORMED) continue;
    for (const std::string& item : capturedItems(p)) {
      SCOPED_TRACE(path + "\n" + item);
      expectStandalone(ctxt, item, &seen);
    }
    PxMemFree_tns_presence(ctxt, &p);
  }
  for (auto& [k, v] : seen) std::printf("SEEN %s %d\n", k.c_str(), v);
  EXPECT_GE(seen["person"], 8);
  EXPECT_GE(seen["device"], 3);
  EXPECT_GE(seen["deviceID"], 4);
  for (const char* e : {"card", "display-name", "homepage", "icon", "map", "sound"}) EXPECT_GE(seen[e], 1) << e;
}
