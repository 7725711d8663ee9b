// Service and device capabilities: round trips of both documents with every
// member kind, the capabilities elements of corpus presence documents decoded
// on their own, and the exact error lists at the edges of the module's shapes
// (string lists, priorities, booleans, name-list order, foreign attributes).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "module_support.h"
#include "pxxml/simple/caps.h"
#include "pxxml/simple/data_model.h"
#include "pxxml/simple/partial_pidf.h"

using namespace pxtest;

namespace {

const std::string kCaps = "urn:ietf:params:xml:ns:pidf:caps";

const pxsimple::DocumentOps& kServcaps = *pxsimple::findDocument("servcaps", PX_NS_CAPS);
const pxsimple::DocumentOps& kDevcaps = *pxsimple::findDocument("devcaps", PX_NS_CAPS);

std::string servcaps(const std::string& body, const std::string& attrs = "") {
  return "<c:servcaps xmlns:c='" + kCaps + "' xmlns:x='urn:x'" + attrs + ">" + body + "</c:servcaps>";
}

template <typename T>
int decode(RtContext* ctxt, int (*fn)(RtContext*, T*), const std::string& text, T* out) {
  rtxErrReset(ctxt);
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  return fn(ctxt, out);
}

// The local name of a captured element's root.
std::string rootName(const std::string& xml) {
  size_t end = xml.find_first_of(" />");
  size_t colon = xml.rfind(':', end);
  size_t start = colon != std::string::npos ? colon + 1 : 1;
  return xml.substr(start, end - start);
}

}  // namespace

TEST(Caps, ServcapsWithEveryMemberKindRoundTrips) {
  SimpleCtx ctxt;
  std::string text = servcaps(
      "<c:actor><c:supported><c:attendant/><c:principal>p</c:principal><x:role/></c:supported>"
      "<c:notsupported><c:msg-taker/></c:notsupported></c:actor>"
      "<c:application>1</c:application><c:audio>true</c:audio><c:automata>false</c:automata>"
      "<c:class><c:notsupported><c:personal/></c:notsupported></c:class><c:control>0</c:control>"
      "<c:data>true</c:data><c:description xml:lang='en'>Desk &amp; more</c:description>"
      "<c:description>zwei</c:description><c:duplex><c:supported><c:full/><c:send-only/></c:supported></c:duplex>"
      "<c:event-packages><c:supported><c:message-summary/><c:winfo/></c:supported></c:event-packages>"
      "<c:extensions><c:supported><c:rel100/><c:timer/></c:supported>"
      "<c:notsupported><c:recipient-list-subscribe/></c:notsupported></c:extensions>"
      "<c:isfocus>false</c:isfocus><c:message>true</c:message>"
      "<c:methods><c:supported><c:BYE/><c:INVITE/></c:supported></c:methods>"
      "<c:languages><c:supported><c:l>en</c:l><c:l>de</c:l></c:supported>"
      "<c:notsupported><c:l>fr</c:l></c:notsupported></c:languages>"
      "<c:priority><c:supported><c:equals value='-3'/><c:higherhan minvalue='10'/><c:higherhan minvalue='20'/>"
      "<c:lowerthan maxvalue='5'/><c:range minvalue='1' maxvalue='9'/><x:p/></c:supported></c:priority>"
      "<c:schemes><c:supported><c:s>sip</c:s><c:s>tel</c:s></c:supported></c:schemes>"
      "<c:text>true</c:text><c:type>text/plain</c:type><c:type>application/sdp</c:type>"
      "<c:video>false</c:video><x:extra a='1'>t</x:extra>",
      " foo='bar'");
  AnyRecord first(ctxt, &kServcaps);
  std::string xml = expectRoundTrip(ctxt, &kServcaps, text, &first);
  auto* s = static_cast<tns_servcapstype*>(first.get());
  EXPECT_EQ(s->present, 0x3FFFFu);
  EXPECT_EQ(s->tns_audio * 10 + s->tns_video, 10);
  EXPECT_EQ(s->tns_methods.tns_supported.present, (1u << 1) | (1u << 4));
  ASSERT_EQ(s->tns_description.count, 2u);
  auto* d = static_cast<tns_descriptiontype*>(s->tns_description.head->data);
  EXPECT_EQ(d->present, 1u);
  EXPECT_EQ(std::string(str(d->tns_lang.value)) + "|" + str(d->value.value), "en|Desk & more");
  EXPECT_NE(first.printed().find("r.tns_extensions.tns_notsupported.tns_recipient_list_subscribe = ''\n"),
            std::string::npos);
  // Order where the model fixes it, the threshold's spelling, the foreign
  // attribute written back.
  EXPECT_LT(xml.find(":audio>"), xml.find(":video>"));
  EXPECT_LT(xml.find(":BYE"), xml.find(":INVITE"));
  EXPECT_NE(xml.find(":higherhan minvalue=\"20\""), std::string::npos) << xml;
  EXPECT_NE(xml.find(" foo=\"bar\">"), std::string::npos) << xml;
}

TEST(Caps, DevcapsRoundTrips) {
  SimpleCtx ctxt;
  AnyRecord first(ctxt, &kDevcaps), bare(ctxt, &kDevcaps);
  expectRoundTrip(ctxt, &kDevcaps,
            "<devcaps xmlns='" + kCaps + "'><description>one</description><description xml:lang='de'>zwei"
            "</description><mobility><supported><fixed/></supported><notsupported><mobile>m</mobile>"
            "</notsupported></mobility><y:z xmlns:y='urn:y'/></devcaps>",
            &first);
  auto* d = static_cast<tns_devcaps*>(first.get());
  EXPECT_EQ(d->tns_description.count, 2u);
  EXPECT_EQ(d->present, 1u);
  EXPECT_EQ(d->tns_mobility.tns_supported.present, 1u);
  // No children and one foreign attribute: an empty element carrying it.
  std::string xml = expectRoundTrip(ctxt, &kDevcaps, "<devcaps xmlns='" + kCaps + "' xmlns:q='urn:q' q:k='v'/>", &bare);
  d = static_cast<tns_devcaps*>(bare.get());
  EXPECT_EQ(d->tns_description.count + d->tns__any.count + d->present, 0u);
  EXPECT_EQ(d->_anyAttr.count, 1u);
  EXPECT_NE(xml.find(" q:k=\"v\"></tns:devcaps>"), std::string::npos) << xml;
}

// The capabilities elements of corpus presence documents, kept as foreign
// elements by the PIDF, partial PIDF and data-model decoders, decode on their
// own and round-trip.
TEST(Caps, CorpusCapabilitiesDecodeStandalone) {
  if (corpusDocumentsMissing()) GTEST_SKIP() << corpusMissing();
  SimpleCtx ctxt;
  std::vector<std::string> found;
  std::function<void(const RtDList&)> collect = [&](const RtDList& any) {
    for (const RtDListNode* n = any.head; n; n = n->next) {
      std::string xml = str(static_cast<RtXmlString*>(n->data)->value);
      if (rootName(xml) == "servcaps" || rootName(xml) == "devcaps") found.push_back(xml);
      if (rootName(xml) != "device") continue;
      dm__device device;  // devcaps stands inside a data-model device
      EXPECT_EQ(decode(ctxt, PxXmlD_dm_device, xml, &device), 0) << xml;
      collect(device.dm__any);
      PxMemFree_dm__device(ctxt, &device);
    }
  };
  auto walk = [&](const tns_presence& p) {
    for (const RtDListNode* n = p.tns_tuple.head; n; n = n->next) collect(static_cast<tns_tuple*>(n->data)->tns__any);
    collect(p.tns__any);
  };
  std::string text;
  ASSERT_TRUE(readFile(corpusDir() + "/rfc/rfc4479-ex1.xml", &text));
  tns_presence presence;
  EXPECT_EQ(decode(ctxt, PxXmlD_tns_presence, text, &presence), ST_MISSING_ATTRIBUTE);  // it has no entity
  walk(presence);
  PxMemFree_tns_presence(ctxt, &presence);
  for (const char* path : {"/rfc/rfc5262-ex1.xml", "/rfc/rfc5262-ex3.xml"}) {
    ASSERT_TRUE(readFile(corpusDir() + path, &text));
    partial__pidf_full full;
    EXPECT_EQ(decode(ctxt, PxXmlD_partial_pidf_full, text, &full), 0) << path;
    walk(full.base);
    PxMemFree_partial__pidf_full(ctxt, &full);
  }
  // Presence bits, then methods and extensions supported (servcaps) or
  // mobility supported (devcaps), then audio, message, video.
  std::vector<std::string> seen;
  for (const std::string& xml : found) {
    bool isServcaps = rootName(xml) == "servcaps";
    AnyRecord record(ctxt, isServcaps ? &kServcaps : &kDevcaps);
    expectRoundTrip(ctxt, isServcaps ? &kServcaps : &kDevcaps, xml, &record);
    auto* s = static_cast<tns_servcapstype*>(record.get());
    auto* d = static_cast<tns_devcaps*>(record.get());
    char line[80];
    if (isServcaps)
      std::snprintf(line, sizeof line, "s %u %u %u %d%d%d", s->present, s->tns_methods.tns_supported.present,
                    s->tns_extensions.tns_supported.present, s->tns_audio, s->tns_message, s->tns_video);
    else
      std::snprintf(line, sizeof line, "d %u %u", d->present, d->tns_mobility.tns_supported.present);
    seen.push_back(line);
  }
  // MESSAGE and OPTIONS (bits 5, 7), pref (bit 10); audio, message, video
  // (bits 2, 11, 17) true, true, false; mobile (bit 1).
  EXPECT_EQ(seen, (std::vector<std::string>{"s 4608 160 1024 000", "s 133124 0 0 110", "d 1 2", "s 133124 0 0 110",
                                            "d 1 2"}));
}

// Documents with one fault each: the decoder's error list, and what the
// validator reports (validators count no list items).
struct Fault {
  const char* name;
  std::string text;
  std::vector<StatusParams> errors;
  bool validatorReports;
};

void PrintTo(const Fault& f, std::ostream* os) { *os << f.name; }

class CapsFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(CapsFaults, ExactErrorList) {
  SimpleCtx ctxt;
  const Fault& f = GetParam();
  AnyRecord record(ctxt, &kServcaps);
  EXPECT_EQ(record.decode(f.text), f.errors[0].first);
  EXPECT_EQ(statusParams(ctxt), f.errors);
  rtxErrReset(ctxt);
  EXPECT_EQ(validateText(ctxt, &kServcaps, f.text), f.validatorReports ? f.errors[0].first : 0);
  if (f.validatorReports) {
    EXPECT_EQ(statusParams(ctxt), f.errors);
  }
}

const std::string kPriorityAllowed = "equals, higherhan, lowerthan, range, an element of another namespace";
INSTANTIATE_TEST_SUITE_P(
    Caps, CapsFaults,
    ::testing::Values(
        Fault{"EmptyLanguageList", servcaps("<c:languages><c:supported/></c:languages>"),
              {{ST_CONSTRAINT, {"tns_languagestype_supported.count", "0"}}}, false},
        Fault{"HigherthanMisspelt",
              servcaps("<c:priority><c:supported><c:higherthan minvalue='1'/></c:supported></c:priority>"),
              {{ST_ELEMENT_NOT_EXPECTED, {"c:higherthan", kPriorityAllowed}}}, true},
        Fault{"BooleanYes", servcaps("<c:audio>yes</c:audio>"),
              {{ST_BAD_VALUE, {"boolean", "yes"}}, {ST_BAD_CONTENT, {"yes", "tns_servcapstype", "c:audio"}}}, true},
        Fault{"RangeWithoutMaxvalue",
              servcaps("<c:priority><c:notsupported><c:range minvalue='2' step='1'/></c:notsupported></c:priority>"),
              {{ST_UNKNOWN_ATTRIBUTE, {"tns_rangetype", "step"}},
               {ST_MISSING_ATTRIBUTE, {"tns_rangetype", "maxvalue"}}},
              true},
        Fault{"ByeAfterInvite", servcaps("<c:methods><c:supported><c:INVITE/><c:BYE/></c:supported></c:methods>"),
              {{ST_ELEMENT_NOT_EXPECTED,
                {"c:BYE", "MESSAGE, NOTIFY, OPTIONS, PRACK, PUBLISH, REFER, REGISTER, SUBSCRIBE, UPDATE, "
                          "an element of another namespace"}}},
              true},
        Fault{"WrongChildOfLanguageList",
              servcaps("<c:languages><c:supported><c:l>en</c:l><x:l>it</x:l><c:lang>de</c:lang></c:supported>"
                       "</c:languages>"),
              {{ST_NAME_MISMATCH, {"tns_l", "c:lang"}}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Caps, EncoderRefusesAnEmptyStringListAndWritesForeignAttributes) {
  SimpleCtx ctxt;
  tns_servcapstype s;
  PxInit_tns_servcapstype(ctxt, &s);
  s.present = 1u << 13;
  s.tns_languages.present = 1u;
  rtxErrReset(ctxt);
  rtxResetOutput(ctxt);
  EXPECT_EQ(PxXmlE_tns_servcaps(ctxt, &s), ST_CONSTRAINT);
  EXPECT_EQ(statusParams(ctxt),
            (std::vector<StatusParams>{{ST_CONSTRAINT, {"tns_languagestype_supported.count", "0"}}}));
  // A foreign attribute is kept as one pair and written back escaped.
  ASSERT_EQ(decode(ctxt, PxXmlD_tns_servcaps, servcaps("", " foo='b&amp;r'"), &s), 0);
  ASSERT_EQ(s._anyAttr.count, 1u);
  auto* nv = static_cast<RtNameValue*>(s._anyAttr.head->data);
  EXPECT_STREQ(str(nv->name), "foo");
  EXPECT_STREQ(str(nv->value), "b&r");
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_tns_servcaps(ctxt, &s), 0);
  EXPECT_EQ(std::string(rtxGetOutput(ctxt, nullptr)),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tns:servcaps xmlns:tns=\"" + kCaps +
                "\" foo=\"b&amp;r\"></tns:servcaps>");
  PxMemFree_tns_servcapstype(ctxt, &s);
}
