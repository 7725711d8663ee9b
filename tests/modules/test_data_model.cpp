// PIDF data model: notes (language, kept declarations, whitespace), the
// order of person and device content, where encoder failures are traced,
// round trips, and the persons, devices, device identifiers and CIPID
// elements the corpus carries, decoded again on their own.
#include <gtest/gtest.h>

#include <map>

#include "data_model_support.h"

using namespace pxtest;

namespace {

const char* kDm = "xmlns='urn:ietf:params:xml:ns:pidf:data-model'";

template <typename T, void (*Print)(const char*, const T*)>
std::string printed(const T& r) {
  return capturedStdout([&] { Print("r", &r); });
}

const Note_t& note(const RtDList& list, int i) {
  const RtDListNode* n = list.head;
  while (i-- > 0) n = n->next;
  return *static_cast<const Note_t*>(n->data);
}

}  // namespace

TEST(DataModel, NotesKeepLanguageDeclarationsAndEverySpace) {
  SimpleCtx ctxt;
  dm__person p;
  std::string text = std::string("<person ") + kDm + " id='p'><note xml:lang='en' xmlns:x='urn:x'>  two  spaces </note>"
                     "<note/><note kind='x'>hi</note></person>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_dm_person, text, &p), ST_UNKNOWN_ATTRIBUTE);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_UNKNOWN_ATTRIBUTE, {"Note_t", "kind"}}}));
  ASSERT_EQ(p.dm_note.count, 3u);
  const Note_t& n = note(p.dm_note, 0);
  EXPECT_EQ(n.present, 1u);
  EXPECT_STREQ(str(n.lang.value), "en");
  EXPECT_STREQ(str(n.value.value), "  two  spaces ");
  ASSERT_EQ(n.nsAttrs.count, 1u);
  EXPECT_STREQ(str(note(p.dm_note, 1).value.value), "");
  EXPECT_EQ(note(p.dm_note, 1).present, 0u);
  EXPECT_STREQ(str(note(p.dm_note, 2).value.value), "hi");
  // Its start tag has xml:lang before the declaration; _Attrs the other way.
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlET_Note_t(ctxt, &n, u8("note"), nullptr), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), "<note xml:lang=\"en\" xmlns:x=\"urn:x\">  two  spaces </note>");
  rtxResetOutput(ctxt);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u8("note"), nullptr, nullptr, 0), 0);
  ASSERT_EQ(PxXmlET_Note_t_Attrs(ctxt, &n, nullptr), 0);
  ASSERT_EQ(rtXmlEncTermStartElement(ctxt), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), "<note xmlns:x=\"urn:x\" xml:lang=\"en\">");
  PxMemFree_dm__person(ctxt, &p);
}

TEST(DataModel, ReleaseLeavesAnAbsentLanguageAlone) {
  SimpleCtx ctxt;
  Note_t n;
  PxInit_Note_t(ctxt, &n);
  n.value.value = rtxUTF8Strdup(ctxt, u8("text"));
  n.lang.value = rtxUTF8Strdup(ctxt, u8("de"));  // bit 0 clear: not the note's to release
  size_t live = rtxMemHeapLiveBlocks(ctxt);
  PxMemFree_Note_t(ctxt, &n);
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), live - 1);
  n.present = 1;
  PxMemFree_Note_t(ctxt, &n);
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), live - 2);
}

TEST(DataModel, PersonKeepsForeignElementsThenNotesThenTimestamp) {
  SimpleCtx ctxt;
  dm__person p;
  std::string text = "<dm:person xmlns:dm='urn:ietf:params:xml:ns:pidf:data-model' xmlns:r='urn:ietf:params:xml:"
                     "ns:pidf:rpid' id=' p1 '><r:activities><r:busy/></r:activities><r:mood><r:happy/></r:mood>"
                     "<dm:note>n</dm:note><dm:timestamp> not a date </dm:timestamp></dm:person>";
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_dm_person, text, &p, 1), 0);
  EXPECT_EQ(p.present, 1u);
  EXPECT_EQ(p.dm__any.count, 2u);
  EXPECT_STREQ(str(p.dm_id.value), "p1");
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_dm_person(ctxt, &p), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr),
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<dm:person xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" id=\"p1\">"
               "<r:activities xmlns:r=\"urn:ietf:params:xml:ns:pidf:rpid\"><r:busy/></r:activities>"
               "<r:mood xmlns:r=\"urn:ietf:params:xml:ns:pidf:rpid\"><r:happy/></r:mood>"
               "<dm:note>n</dm:note><dm:timestamp> not a date </dm:timestamp></dm:person>");
  PxMemFree_dm__person(ctxt, &p);
  // Only the validator converts the timestamp.
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  EXPECT_EQ(PxXmlV_dm_person(ctxt), ST_BAD_VALUE);
  auto errs = statusParams(ctxt);
  ASSERT_EQ(errs.size(), 2u);
  EXPECT_EQ(errs[0].first, ST_BAD_VALUE);  // the converter's own entry
  EXPECT_EQ(errs[1], StatusParams(ST_BAD_CONTENT, {" not a date ", "dm__person", "dm:timestamp"}));
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
  EXPECT_EQ(p.dm__any.count, 1u);  // reported, and kept
  PxMemFree_dm__person(ctxt, &p);
  rtxErrReset(ctxt);
  dm__device d;
  std::string early = std::string("<device ") + kDm + " id='d'><note>n</note><deviceID> urn:x:1\n</deviceID>"
                      "<timestamp> 2005-05-30T16:09:44Z</timestamp></device>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_dm_device, early, &d), ST_ELEMENT_NOT_EXPECTED);
  // The note is decoded where it belongs; the content model goes on after
  // it, so the deviceID that follows is out of place too, and kept as well.
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{
                                    {ST_ELEMENT_NOT_EXPECTED, {"note", "an element of another namespace, deviceID"}},
                                    {ST_ELEMENT_NOT_EXPECTED, {"deviceID", "note, timestamp"}}}));
  EXPECT_EQ(d.dm_note.count, 1u);
  EXPECT_STREQ(str(d.dm_deviceID.value), "urn:x:1");
  EXPECT_STREQ(str(d.dm_timestamp.value), " 2005-05-30T16:09:44Z");
  PxMemFree_dm__device(ctxt, &d);
}

TEST(DataModel, BadTimestampTextFailsInTheTimestampEncoderFirst) {
  SimpleCtx ctxt;
  dm__device d;
  PxInit_dm__device(ctxt, &d);
  d.dm_id.value = u8("d1");
  d.dm_deviceID.value = u8("urn:x");
  d.dm_timestamp.value = u8("\xC3(");
  d.present = 1;
  rtxResetOutput(ctxt);
  EXPECT_EQ(PxXmlE_dm_device(ctxt, &d), ST_INVALID_UTF8);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<dm:device xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" id=\"d1\">"
               "<dm:deviceID>urn:x</dm:deviceID><dm:timestamp>");
  auto errs = errors(ctxt);
  ASSERT_EQ(errs.size(), 1u);
  std::vector<std::string> files;  // after the runtime's own position
  for (size_t i = 1; i < errs[0].positions.size(); ++i)
    if (files.empty() || files.back() != errs[0].positions[i].file) files.push_back(errs[0].positions[i].file);
  EXPECT_EQ(files, (std::vector<std::string>{"xmladdons/addons/simple/data_model/pxxmlpidfcommonschemaenc.cpp",
                                             "xmladdons/addons/simple/data_model/pxxmlpidfdatamodelenc.cpp"}));
}

TEST(DataModel, DocumentsRoundTrip) {
  SimpleCtx ctxt;
  expectRoundTrip(ctxt, std::string("<person ") + kDm + " xmlns:c='urn:ietf:params:xml:ns:pidf:cipid' id='p2'>"
                  "<c:card>http://a/c.vcd</c:card><note xml:lang='fr'>lu</note><note>b &lt;</note>"
                  "<timestamp>2005-05-30T22:02:44+05:00</timestamp></person>",
                  PxXmlD_dm_person, PxXmlE_dm_person, printed<dm__person, PxPrint_dm__person>, PxMemFree_dm__person);
  expectRoundTrip(ctxt, std::string("<device ") + kDm + " id='pc'><u:user-input "
                  "xmlns:u='urn:ietf:params:xml:ns:pidf:rpid'>idle</u:user-input><deviceID>urn:d:1</deviceID>"
                  "<note>PC</note></device>",
                  PxXmlD_dm_device, PxXmlE_dm_device, printed<dm__device, PxPrint_dm__device>, PxMemFree_dm__device);
}

// A type encoder handed a prefix of its own choice declares it: what it
// writes decodes as the document it stands for.
TEST(DataModel, TypeEncoderDeclaresTheCallersPrefix) {
  SimpleCtx ctxt;
  dm__person p;
  std::string text = std::string("<person ") + kDm + " id='p'><note>n</note></person>";
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_dm_person, text, &p), 0);
  RtXmlNamespace ns{u8("dm"), u8("urn:ietf:params:xml:ns:pidf:data-model")};
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlET_dm__person(ctxt, &p, u8("person"), &ns), 0);
  std::string xml = rtxGetOutput(ctxt, nullptr);
  EXPECT_EQ(xml, "<dm:person id=\"p\" xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\"><dm:note>n</dm:note></dm:person>");
  // Where the prefix is in force already, a declaration registered for the
  // next start tag still goes on it.
  rtxResetOutput(ctxt);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u8("wrap"), &ns, nullptr, 1), 0);
  RtXmlNamespace handed{rtXmlNSGetPrefix(ctxt, ns.uri), ns.uri};
  ASSERT_EQ(rtXmlNSSetNamespace(ctxt, nullptr, u8("x"), u8("urn:x"), 0), 0);
  ASSERT_EQ(PxXmlET_dm__person(ctxt, &p, u8("person"), &handed), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u8("wrap"), &ns), 0);
  EXPECT_EQ(std::string(rtxGetOutput(ctxt, nullptr)),
            "<dm:wrap xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\"><dm:person id=\"p\" xmlns:x=\"urn:x\">"
            "<dm:note>n</dm:note></dm:person></dm:wrap>");
  dm__person back;
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_dm_person, xml, &back), 0);
  auto shown = printed<dm__person, PxPrint_dm__person>;
  EXPECT_EQ(shown(back), shown(p));
  PxMemFree_dm__person(ctxt, &back);
  PxMemFree_dm__person(ctxt, &p);
}

namespace {

void expectStandalone(RtContext* ctxt, const std::string& item, std::map<std::string, int>* seen);

// A captured person or device decodes and validates on its own, its own
// captures in turn, and round trips.
template <typename T, void (*Print)(const char*, const T*)>
void expectContainer(RtContext* ctxt, const std::string& item, int (*decode)(RtContext*, T*),
                     int (*encode)(RtContext*, T*), int (*validate)(RtContext*), void (*release)(RtContext*, T*),
                     bool valid, std::map<std::string, int>* seen) {
  T r;
  ASSERT_EQ(decodeWith(ctxt, decode, item, &r), 0);
  for (const RtDListNode* n = r.dm__any.head; n; n = n->next)
    expectStandalone(ctxt, str(static_cast<RtXmlString*>(n->data)->value), seen);
  release(ctxt, &r);
  rtxSetInputBuffer(ctxt, item.data(), item.size());
  EXPECT_EQ(validate(ctxt), 0);
  expectRoundTrip(ctxt, item, decode, encode, printed<T, Print>, release, valid);
}

void expectStandalone(RtContext* ctxt, const std::string& item, std::map<std::string, int>* seen) {
  // The root's name and namespace, as the capture declares them on it.
  std::string qname = item.substr(1, item.find_first_of(" />") - 1);
  size_t colon = qname.find(':');
  std::string decl = colon == std::string::npos ? "xmlns=\"" : "xmlns:" + qname.substr(0, colon) + "=\"";
  size_t at = item.find(decl) + decl.size();
  int ns = rtXmlNSURIIndex(ctxt, u8(item.substr(at, item.find('"', at) - at).c_str()));
  std::string local = qname.substr(colon + 1);
  if (ns != PX_NS_DATAMODEL && ns != PX_NS_CIPID) return;
  // Some corpus documents carry RPID content that its schema refuses.
  bool valid = !haveXmllint() || corpusDocumentsMissing() || xmllintValid(item) == 0;
  (*seen)[local]++;
  if (ns == PX_NS_DATAMODEL && local == "person")
    return expectContainer<dm__person, PxPrint_dm__person>(ctxt, item, PxXmlD_dm_person, PxXmlE_dm_person,
                                                           PxXmlV_dm_person, PxMemFree_dm__person, valid, seen);
  if (ns == PX_NS_DATAMODEL && local == "device")
    return expectContainer<dm__device, PxPrint_dm__device>(ctxt, item, PxXmlD_dm_device, PxXmlE_dm_device,
                                                           PxXmlV_dm_device, PxMemFree_dm__device, valid, seen);
  auto doc = std::find_if(std::begin(kTextDocs), std::end(kTextDocs),
                          [&](const TextDoc& d) { return d.ns == ns && local == d.element; });
  ASSERT_NE(doc, std::end(kTextDocs)) << local;
  expectRoundTrip(ctxt, item, doc->decode, doc->encode, shownText, releaseText, valid);
}

}  // namespace

// The foreign elements of presence, tuple and status that are data-model or
// CIPID elements, as the presence decoder captured them.
TEST(DataModel, CorpusElementsDecodeStandalone) {
  std::vector<std::string> paths = {"rfc/rfc4479-ex1.xml", "rfc/rfc4480-ex1.xml", "rfc/rfc4482-ex1-corrected.xml",
                                    "rfc/rfc4482-ex2.xml", "real/ng911dev-1.xml"};
  for (int i = 1; i <= 27; ++i) paths.push_back("real/resip-" + std::to_string(i) + ".xml");
  std::map<std::string, int> seen;
  for (const auto& path : paths) {
    std::string text;
    if (!readFile(corpusDir() + "/" + path, &text)) GTEST_SKIP() << corpusMissing();
    SimpleCtx ctxt;
    tns_presence p;
    std::vector<const RtDList*> lists;
    if (decodePresence(ctxt, text, &p) != ST_XML_MALFORMED) lists.push_back(&p.tns__any);
    for (const RtDListNode* n = lists.empty() ? nullptr : p.tns_tuple.head; n; n = n->next) {
      lists.push_back(&static_cast<tns_tuple*>(n->data)->tns__any);
      lists.push_back(&static_cast<tns_tuple*>(n->data)->tns_status.tns__any);
    }
    for (const RtDList* list : lists) {
      for (const RtDListNode* n = list->head; n; n = n->next) {
        std::string item = str(static_cast<RtXmlString*>(n->data)->value);
        SCOPED_TRACE(path + "\n" + item);
        expectStandalone(ctxt, item, &seen);
      }
    }
    PxMemFree_tns_presence(ctxt, &p);
  }
  EXPECT_EQ(seen, (std::map<std::string, int>{{"person", 12}, {"device", 6}, {"deviceID", 8}, {"card", 5},
                                              {"display-name", 1}, {"homepage", 5}, {"icon", 3}, {"map", 3},
                                              {"sound", 3}}));
}
