// Watcher information and RLMI: the values, presence bits and error lists of
// their attributes (enumerations, 64-bit numbers, wildcards), the order of
// their children, and round trips of every document element.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "module_support.h"

using namespace pxtest;

namespace {

const char* kWinfoNs = "xmlns='urn:ietf:params:xml:ns:watcherinfo'";
const char* kRlmiNs = "xmlns='urn:ietf:params:xml:ns:rlmi'";

template <typename T>
int decodeWith(RtContext* ctxt, int (*decode)(RtContext*, T*), const std::string& text, T* out) {
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  return decode(ctxt, out);
}

}  // namespace

TEST(Winfo, EmptyPartialWatcherinfo) {
  SimpleCtx ctxt;
  tns__watcherinfo w;
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_tns_watcherinfo, std::string("<watcherinfo ") + kWinfoNs +
                                                         " version='0' state='partial'/>", &w), 0);
  EXPECT_EQ(w.tns_watcher_list.count, 0u);
  EXPECT_EQ(w.tns_version, 0u);
  EXPECT_EQ(w.tns_state, 1);
  PxMemFree_tns__watcherinfo(ctxt, &w);
}

TEST(Winfo, WatcherKeepsTheFull64BitDurationAndOnlyItsBit) {
  SimpleCtx ctxt;
  tns__watcher w;
  std::string text = std::string("<watcher ") + kWinfoNs +
                     " status='active' event='timeout' id='w1' duration-subscribed='18446744073709551615'>"
                     " sip:a@b </watcher>";
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_tns_watcher, text, &w), 0);
  EXPECT_EQ(w.tns_duration_subscribed, UINT64_MAX);
  EXPECT_EQ(w.present, 4u);
  EXPECT_EQ(w.tns_status, 1);
  EXPECT_EQ(w.tns_event, 5);
  EXPECT_STREQ(str(w.value.value), "sip:a@b");
  // The document encoder keeps its declaration with the record.
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_tns_watcher(ctxt, &w), 0);
  EXPECT_STREQ(rtxGetOutput(ctxt, nullptr),
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<tns:watcher xmlns=\"urn:ietf:params:xml:ns:watcherinfo\" xmlns:tns=\"urn:ietf:params:xml:ns:watcherinfo\""
               " status=\"active\" event=\"timeout\" id=\"w1\" duration-subscribed=\"18446744073709551615\">"
               "sip:a@b</tns:watcher>");
  EXPECT_EQ(w.nsAttrs.count, 2u);
  // Encoding the same record again does not grow its declarations.
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_tns_watcher(ctxt, &w), 0);
  EXPECT_EQ(w.nsAttrs.count, 2u);
  PxMemFree_tns__watcher(ctxt, &w);
}

TEST(Winfo, UnknownStatusMissingIdAndLanguage) {
  SimpleCtx ctxt;
  tns__watcher w;
  std::string text = std::string("<watcher ") + kWinfoNs +
                     " status='asleep' event='approved' xml:lang='de' expiration='x1'>sip:c@d</watcher>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_tns_watcher, text, &w), ST_ENUM_UNKNOWN);
  auto errs = statusParams(ctxt);
  ASSERT_EQ(errs.size(), 5u);
  EXPECT_EQ(errs[0], StatusParams(ST_ENUM_UNKNOWN, {"asleep"}));
  EXPECT_EQ(errs[1], StatusParams(ST_BAD_ATTRIBUTE_VALUE, {"tns__watcher", "status"}));
  EXPECT_EQ(errs[2].first, ST_BAD_VALUE);  // expiration
  EXPECT_EQ(errs[3], StatusParams(ST_BAD_ATTRIBUTE_VALUE, {"tns__watcher", "expiration"}));
  EXPECT_EQ(errs[4], StatusParams(ST_MISSING_ATTRIBUTE, {"tns__watcher", "id"}));
  EXPECT_EQ(w.tns_event, 1);
  EXPECT_EQ(w.present, 2u | 8u);  // expiration met (bit 1), language (bit 3)
  EXPECT_STREQ(str(w.tns_lang.value), "de");
  EXPECT_STREQ(str(w.value.value), "sip:c@d");
  PxMemFree_tns__watcher(ctxt, &w);
}

TEST(Winfo, WatcherListAfterAForeignElementIsReportedAndKept) {
  SimpleCtx ctxt;
  tns__watcherinfo w;
  std::string text = std::string("<watcherinfo ") + kWinfoNs +
                     " version='1' state='full'><watcher-list resource='sip:r' package='presence'/>"
                     "<x:y xmlns:x='urn:x'/><watcher-list resource='sip:s' package='presence'/></watcherinfo>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_tns_watcherinfo, text, &w), ST_ELEMENT_NOT_EXPECTED);
  EXPECT_EQ(w.tns_watcher_list.count, 2u);
  EXPECT_EQ(w.tns__any.count, 1u);
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  EXPECT_EQ(PxXmlV_tns_watcherinfo(ctxt), ST_ELEMENT_NOT_EXPECTED);
  PxMemFree_tns__watcherinfo(ctxt, &w);
}

// Whole numbers in attributes, as a 32-bit and a 64-bit member take them:
// the value, or the first status recorded.
TEST(Rlmi, NumberAttributesTakeTheLexicalFormsAndRefuseTheRest) {
  struct Row {
    const char* text;
    int status;
    uint64_t value;
  } rows[] = {
      {"0", 0, 0}, {"007", 0, 7}, {"999999999", 0, 999999999}, {"1000000000", 0, 1000000000},
      {"4294967295", 0, 4294967295u}, {" 12 ", 0, 12}, {"+5", 0, 5}, {"-0", 0, 0},
      {"4294967296", ST_OUT_OF_RANGE, 0}, {"-1", ST_OUT_OF_RANGE, 0}, {"", ST_BAD_VALUE, 0}, {"1 2", ST_BAD_VALUE, 0},
      {"12a", ST_BAD_VALUE, 0}, {"0x10", ST_BAD_VALUE, 0},
  };
  for (const Row& row : rows) {
    SimpleCtx ctxt;
    rlmi__list l;
    std::string text = std::string("<list ") + kRlmiNs + " uri='sip:l@x' version='" + row.text + "' fullState='1'/>";
    int st = decodeWith(ctxt, PxXmlD_rlmi_list, text, &l);
    EXPECT_EQ(st, row.status) << row.text;
    if (st == 0) {
      EXPECT_EQ(l.rlmi_version, row.value) << row.text;
    }
    PxMemFree_rlmi__list(ctxt, &l);
    tns__watcher w;
    text = std::string("<watcher ") + kWinfoNs + " id='w' status='active' event='approved' expiration='" + row.text +
           "'>sip:a@b</watcher>";
    st = decodeWith(ctxt, PxXmlD_tns_watcher, text, &w);
    bool wider = row.status == ST_OUT_OF_RANGE && row.text[0] != '-';  // fits 64 bits
    EXPECT_EQ(st, wider ? 0 : row.status) << row.text;
    if (st == 0) {
      EXPECT_EQ(w.tns_expiration, wider ? 4294967296u : row.value) << row.text;
    }
    EXPECT_EQ((w.present >> 1) & 1u, 1u) << row.text;  // met, even when refused
    PxMemFree_tns__watcher(ctxt, &w);
  }
}

TEST(Rlmi, EmptyListWithTheRequiredAttributes) {
  SimpleCtx ctxt;
  rlmi__list l;
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_rlmi_list, std::string("<list ") + kRlmiNs +
                                                  " uri='sip:l@x' version='3' fullState='true'/>", &l), 0);
  EXPECT_EQ(l.rlmi_name.count + l.rlmi_resource.count, 0u);
  EXPECT_EQ(l.rlmi_fullState, 1);
  EXPECT_EQ(l.rlmi_version, 3u);
  EXPECT_EQ(l.present & 1u, 0u);
  PxMemFree_rlmi__list(ctxt, &l);
}

TEST(Rlmi, ForeignAttributeIsKeptAsOnePairWithoutError) {
  SimpleCtx ctxt;
  rlmi__list l;
  std::string text = std::string("<list ") + kRlmiNs +
                     " xmlns:e='urn:e' uri='sip:l' version='1' fullState='false' e:tag='v&amp;1'/>";
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_rlmi_list, text, &l), 0);
  EXPECT_EQ(rtxErrGetCount(ctxt), 0);
  // One pair; the prefixed name keeps the namespace its prefix stood for.
  ASSERT_EQ(l._anyAttr.count, 1u);
  auto* nv = static_cast<RtNameValue*>(l._anyAttr.head->data);
  EXPECT_STREQ(str(nv->nsUri), "urn:e");
  EXPECT_STREQ(str(nv->name), "e:tag");
  EXPECT_STREQ(str(nv->value), "v&1");
  // Written back, the attribute still names its namespace, and decodes to
  // the same pairs.
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_rlmi_list(ctxt, &l), 0);
  std::string xml = rtxGetOutput(ctxt, nullptr);
  EXPECT_NE(xml.find(" xmlns:e=\"urn:e\" e:tag=\"v&amp;1\""), std::string::npos) << xml;
  rlmi__list back;
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_rlmi_list, xml, &back), 0);
  EXPECT_EQ(capturedStdout([&] { PxPrint_rlmi__list("l", &back); }),
            capturedStdout([&] { PxPrint_rlmi__list("l", &l); }));
  PxMemFree_rlmi__list(ctxt, &back);
  PxMemFree_rlmi__list(ctxt, &l);
  // The same where the attribute's prefix is the one the list is written
  // with: the attribute takes another prefix, and the list stays RLMI's.
  text = std::string("<r:list xmlns:r='urn:ietf:params:xml:ns:rlmi' uri='sip:l' version='1' fullState='false'>") +
         "<r:resource xmlns:rlmi='urn:e' rlmi:tag='v' uri='sip:r'/></r:list>";
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_rlmi_list, text, &l), 0);
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_rlmi_list(ctxt, &l), 0);
  xml = rtxGetOutput(ctxt, nullptr);
  ASSERT_EQ(decodeWith(ctxt, PxXmlD_rlmi_list, xml, &back), 0) << xml;
  std::string printed = capturedStdout([&] { PxPrint_rlmi__list("l", &l); });
  ASSERT_NE(printed.find("rlmi:tag"), std::string::npos);
  printed.replace(printed.find("rlmi:tag"), 4, "ns1");
  EXPECT_EQ(capturedStdout([&] { PxPrint_rlmi__list("l", &back); }), printed);
  PxMemFree_rlmi__list(ctxt, &back);
  PxMemFree_rlmi__list(ctxt, &l);
}

TEST(Rlmi, NameAfterInstanceReportedAndKeptForeignElementInInstanceKept) {
  SimpleCtx ctxt;
  rlmi__resource r;
  std::string text = std::string("<resource ") + kRlmiNs +
                     " uri='sip:r'><instance id='i' state='active'><x:a xmlns:x='urn:x'/></instance>"
                     "<name>late</name></resource>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_rlmi_resource, text, &r), ST_ELEMENT_NOT_EXPECTED);
  EXPECT_EQ(statusParams(ctxt)[0], StatusParams(ST_ELEMENT_NOT_EXPECTED, {"name", "instance"}));
  EXPECT_EQ(r.rlmi_name.count, 1u);
  ASSERT_EQ(r.rlmi_instance.count, 1u);
  auto* inst = static_cast<rlmi__instance*>(r.rlmi_instance.head->data);
  ASSERT_EQ(inst->rlmi__any.count, 1u);
  EXPECT_STREQ(str(static_cast<RtXmlString*>(inst->rlmi__any.head->data)->value), "<x:a xmlns:x='urn:x'/>");
  PxMemFree_rlmi__resource(ctxt, &r);
}

TEST(Rlmi, UnknownInstanceStateLeavesTheFieldAsItWas) {
  SimpleCtx ctxt;
  rlmi__instance i;
  std::string text = std::string("<instance ") + kRlmiNs + " id='1' state='gone' reason='x'/>";
  EXPECT_EQ(decodeWith(ctxt, PxXmlD_rlmi_instance, text, &i), ST_ENUM_UNKNOWN);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_ENUM_UNKNOWN, {"gone"}},
                                                          {ST_BAD_ATTRIBUTE_VALUE, {"rlmi__instance", "state"}}}));
  EXPECT_EQ(i.present, 1u);
  PxMemFree_rlmi__instance(ctxt, &i);
  rtxErrReset(ctxt);
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  EXPECT_EQ(PxXmlV_rlmi_instance(ctxt), ST_ENUM_UNKNOWN);
}

// Each character XML allows in ASCII, and a few beyond, inside a text and
// an attribute value: written with exactly the references each place needs
// (so that nothing is lost to normalisation and "]]>" never appears), and
// read back to the same character.
TEST(Rlmi, EveryCharacterOfATextAndAnAttributeValueComesBack) {
  SimpleCtx ctxt;
  auto escaped = [](unsigned char c, bool attribute) -> std::string {
    switch (c) {
      case '&': return "&amp;";
      case '<': return "&lt;";
      case '>': return "&gt;";
      case '\r': return "&#13;";
      case '"': return attribute ? "&quot;" : "\"";
      case '\t': return attribute ? "&#9;" : "\t";
      case '\n': return attribute ? "&#10;" : "\n";
      default: return std::string(1, static_cast<char>(c));
    }
  };
  std::vector<std::string> texts;
  for (int c = 1; c < 0x80; ++c)
    if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r') texts.push_back(std::string(1, static_cast<char>(c)));
  texts.insert(texts.end(), {"\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80", "]]>", ""});
  for (const std::string& ch : texts) {
    std::string value = "a" + ch + "b";
    std::string ref;
    for (unsigned char c : ch) ref += c < 0x80 ? "&#" + std::to_string(c) + ";" : std::string(1, static_cast<char>(c));
    std::string text = std::string("<instance ") + kRlmiNs + " id='i' state='active' cid='a" + ref + "b'/>";
    rlmi__instance in;
    ASSERT_EQ(decodeWith(ctxt, PxXmlD_rlmi_instance, text, &in), 0) << text;
    ASSERT_STREQ(str(in.rlmi_cid.value), value.c_str());
    rlmi__name name;
    std::string nameText = std::string("<name ") + kRlmiNs + ">a" + ref + "b</name>";
    ASSERT_EQ(decodeWith(ctxt, PxXmlD_rlmi_name, nameText, &name), 0) << nameText;
    ASSERT_STREQ(str(name.value.value), value.c_str());
    std::string attrForm = "a", textForm = "a";
    for (unsigned char c : ch) attrForm += escaped(c, true), textForm += escaped(c, false);
    attrForm += "b", textForm += "b";
    // The runtime's own writers, which take whatever the encoders leave to
    // them, write the same.
    rtxResetOutput(ctxt);
    ASSERT_EQ(rtXmlEncStartElement(ctxt, u8("e"), nullptr, nullptr, 0), 0);
    ASSERT_EQ(rtXmlEncUTF8Attr2(ctxt, u8("v"), 1, u8(value.c_str()), value.size()), 0);
    ASSERT_EQ(rtXmlEncUTF8Str(ctxt, u8(value.c_str()), u8("t"), nullptr), 0);
    ASSERT_EQ(rtXmlEncEndElement(ctxt, u8("e"), nullptr), 0);
    EXPECT_STREQ(rtxGetOutput(ctxt, nullptr), ("<e v=\"" + attrForm + "\"><t>" + textForm + "</t></e>").c_str());

    rtxResetOutput(ctxt);
    ASSERT_EQ(PxXmlE_rlmi_instance(ctxt, &in), 0);
    std::string xml = rtxGetOutput(ctxt, nullptr);
    EXPECT_NE(xml.find(" cid=\"" + attrForm + "\""), std::string::npos) << xml;
    rlmi__instance back;
    ASSERT_EQ(decodeWith(ctxt, PxXmlD_rlmi_instance, xml, &back), 0) << xml;
    EXPECT_STREQ(str(back.rlmi_cid.value), value.c_str()) << xml;

    rtxResetOutput(ctxt);
    ASSERT_EQ(PxXmlE_rlmi_name(ctxt, &name), 0);
    xml = rtxGetOutput(ctxt, nullptr);
    EXPECT_NE(xml.find(">" + textForm + "</"), std::string::npos) << xml;
    rlmi__name nameBack;
    ASSERT_EQ(decodeWith(ctxt, PxXmlD_rlmi_name, xml, &nameBack), 0) << xml;
    EXPECT_STREQ(str(nameBack.value.value), value.c_str()) << xml;

    PxMemFree_rlmi__instance(ctxt, &back);
    PxMemFree_rlmi__instance(ctxt, &in);
    PxMemFree_rlmi__name(ctxt, &nameBack);
    PxMemFree_rlmi__name(ctxt, &name);
  }
}

// Every document element of the two modules: decoded from text written
// here, encoded, decoded again to the same records, valid for xmllint.
class ElementRoundTrip : public ::testing::TestWithParam<std::pair<const char*, std::string>> {};

TEST_P(ElementRoundTrip, DecodeEncodeDecode) {
  SimpleCtx ctxt;
  auto [root, text] = GetParam();
  int ns = text.find("watcherinfo'") != std::string::npos ? PX_NS_WATCHERINFO : PX_NS_RLMI;
  const pxsimple::DocumentOps* ops = pxsimple::findDocument(root, ns);
  ASSERT_NE(ops, nullptr) << root;
  AnyRecord first(ctxt, ops);
  expectRoundTrip(ctxt, ops, text, &first);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ElementRoundTrip,
    ::testing::Values(
        std::make_pair("watcherinfo",
                       std::string("<watcherinfo xmlns='urn:ietf:params:xml:ns:watcherinfo' version='7' state='full'>"
                                   "<watcher-list resource='sip:p@x' package='presence'>"
                                   "<watcher id='a' status='pending' event='subscribe' display-name='A &amp; B'"
                                   " expiration='3600' xml:lang='en'>sip:a@x</watcher>"
                                   "<watcher id='b' status='terminated' event='noresource'>sip:b@x</watcher>"
                                   "</watcher-list><e:x xmlns:e='urn:e'/></watcherinfo>")),
        std::make_pair("watcher-list",
                       std::string("<watcher-list xmlns='urn:ietf:params:xml:ns:watcherinfo' resource='sip:p@x'"
                                   " package='presence.winfo'><watcher id='c' status='waiting' event='giveup'>"
                                   "sip:c@x</watcher></watcher-list>")),
        std::make_pair("watcher",
                       std::string("<watcher xmlns='urn:ietf:params:xml:ns:watcherinfo' id='d' status='active'"
                                   " event='probation' duration-subscribed='0'>sip:d@x</watcher>")),
        std::make_pair("list",
                       std::string("<list xmlns='urn:ietf:params:xml:ns:rlmi' uri='sip:l@x' version='2'"
                                   " fullState='false' cid='c1'><name xml:lang='en'>Friends</name>"
                                   "<name xml:lang='de'>Freunde</name><resource uri='sip:r@x'>"
                                   "<name>R</name><instance id='1' state='terminated' reason='noresource'/>"
                                   "<instance id='2' state='active' cid='x@y'/></resource></list>")),
        std::make_pair("resource", std::string("<resource xmlns='urn:ietf:params:xml:ns:rlmi' uri='sip:r@x'/>")),
        std::make_pair("instance",
                       std::string("<instance xmlns='urn:ietf:params:xml:ns:rlmi' id='9' state='pending'/>")),
        std::make_pair("name", std::string("<name xmlns='urn:ietf:params:xml:ns:rlmi' xml:lang='fr'>Amis</name>"))),
    [](const auto& info) {
      std::string n = info.param.first;
      for (char& c : n)
        if (c == '-') c = '_';
      return n;
    });
