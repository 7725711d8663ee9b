// The encoding calls: escaping that reads back exactly, prefixes and
// declarations on start tags, attributes of every kind, decimal formats,
// and a fixed output buffer that fills up.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "rt_fixture.h"
#include "sax_recorder.h"

using pxtest::Context;
using pxtest::StatusParams;
using pxtest::statusParams;

namespace {

const OSUTF8CHAR* u(const char* s) { return reinterpret_cast<const OSUTF8CHAR*>(s); }
std::string out(RtContext* ctxt) { return rtxGetOutput(ctxt, nullptr); }

const char* kPidf = "urn:ietf:params:xml:ns:pidf";

// Text of the root element read back through the simple-type handler.
std::string readBackText(RtContext* ctxt, const std::string& doc) {
  RtSaxSimpleTypeHandler h;
  SAXSimpleTypeInit(ctxt, &h, nullptr);
  EXPECT_EQ(pxtest::parseWith(ctxt, doc, &h), 0) << doc;
  return std::string(pxtest::s(ctxt->input.data), ctxt->input.size);
}

// Value of the root element's attribute "v" as the reader delivers it.
struct AttrReader {
  RtSaxHandler head;
  std::string value;
};

std::string readBackAttr(RtContext* ctxt, const std::string& doc) {
  AttrReader r;
  std::memset(&r.head, 0, sizeof r.head);
  r.head.context = ctxt;
  r.head.startElement = [](void* hp, const OSUTF8CHAR*, const OSUTF8CHAR*, const OSUTF8CHAR* const* attrs) {
    for (; attrs && attrs[0]; attrs += 2)
      if (std::string(pxtest::s(attrs[0])) == "v") static_cast<AttrReader*>(hp)->value = pxtest::s(attrs[1]);
    return 0;
  };
  r.head.endElement = [](void*, const OSUTF8CHAR*, const OSUTF8CHAR*) { return 0; };
  r.head.characters = [](void*, const OSUTF8CHAR*, int) { return 0; };
  EXPECT_EQ(pxtest::parseWith(ctxt, doc, &r), 0) << doc;
  return r.value;
}

}  // namespace

class EscapeRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(EscapeRoundTrip, TextAndAttributeValuesReadBackUnchanged) {
  Context ctxt;
  const std::string& value = GetParam();
  for (OSBOOL cdata : {0, 1}) {
    rtxResetOutput(ctxt);
    RtXmlString str{cdata, u(value.c_str())};
    ASSERT_EQ(rtxValidateUTF8(ctxt, str.value), 0);
    ASSERT_EQ(rtXmlEncString(ctxt, &str, u("t"), nullptr), 0);
    EXPECT_EQ(readBackText(ctxt, out(ctxt)), value) << out(ctxt);
  }
  rtxResetOutput(ctxt);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("t"), nullptr, nullptr, 0), 0);
  ASSERT_EQ(rtXmlEncUTF8Attr2(ctxt, u("v"), 1, u(value.c_str()), value.size()), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("t"), nullptr), 0);
  EXPECT_EQ(readBackAttr(ctxt, out(ctxt)), value) << out(ctxt);
}

INSTANTIATE_TEST_SUITE_P(Texts, EscapeRoundTrip,
                         ::testing::Values("", "plain", "a & b < c > d", "\"quoted\" 'single'", "]]>", "x]]>y]]>",
                                           "tab\there", "line\nbreak", "carriage\rreturn\r\n", "  spaced  ",
                                           "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "&amp; literally"));

TEST(Encode, PresenceRootWithPrefixDeclarationThenAttributeThenChildren) {
  Context ctxt;
  ASSERT_EQ(rtXmlEncStartDocument(ctxt), 0);
  ASSERT_EQ(rtXmlNSSetNamespace(ctxt, nullptr, u("tns"), u(kPidf), 0), 0);
  RtXmlNamespace root{nullptr, u(kPidf)};
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("presence"), &root, nullptr, 0), 0);
  ASSERT_EQ(rtXmlEncNSAttrs(ctxt, nullptr), 0);
  ASSERT_EQ(rtXmlEncUTF8Attr2(ctxt, u("entity"), 6, u("pres:a@b"), 8), 0);
  ASSERT_EQ(rtXmlEncTermStartElement(ctxt), 0);
  RtXmlNamespace child{rtXmlNSGetPrefix(ctxt, u(kPidf)), u(kPidf)};
  EXPECT_STREQ(pxtest::s(child.prefix), "tns");
  RtXmlString note{0, u("hi")};
  ASSERT_EQ(rtXmlEncString(ctxt, &note, u("note"), &child), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("tuple"), &child, nullptr, 1), 0);
  RtXmlNamespace end{rtXmlNSGetPrefix(ctxt, u(kPidf)), u(kPidf)};
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("presence"), &end), 0);
  ASSERT_EQ(rtXmlEncEndDocument(ctxt), 0);
  EXPECT_EQ(out(ctxt),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<tns:presence xmlns:tns=\"urn:ietf:params:xml:ns:pidf\" entity=\"pres:a@b\">"
            "<tns:note>hi</tns:note><tns:tuple/></tns:presence>");
}

// A root started in one call writes and leaves what the three calls it
// stands for do: the same text, and the same prefixes for the children,
// document after document on one context, whatever else the caller
// declared before.
TEST(Encode, RootStartInOneCallIsTheGeneralSequence) {
  const char* kDiff = "urn:ietf:params:xml:ns:pidf-diff";
  struct Row {
    const char* what;
    std::vector<RtXmlNamespace> own;
    void (*before)(RtContext*);
  };
  auto none = [](RtContext*) {};
  auto pendingDefault = [](RtContext* c) { rtXmlNSSetNamespace(c, nullptr, nullptr, u(kPidf), 0); };
  auto pendingSamePrefix = [](RtContext* c) { rtXmlNSSetNamespace(c, nullptr, u("tns"), u("urn:other"), 0); };
  auto boundOutside = [](RtContext* c) {
    rtXmlNSPush(c);
    rtXmlNSAddPrefixLink(c, u("tns"), u(kPidf), nullptr, 0);
  };
  auto openTag = [](RtContext* c) {
    RtXmlNamespace wrap{u("w"), u("urn:wrap")};
    rtXmlEncStartElement(c, u("wrap"), &wrap, nullptr, 0);
  };
  const Row rows[] = {
      {"own prefix", {{u("tns"), u(kPidf)}}, none},
      {"default namespace", {{nullptr, u(kPidf)}}, none},
      {"two namespaces", {{u("partial"), u(kDiff)}, {u("tns"), u(kPidf)}}, none},
      {"two prefixes, one namespace", {{u("a"), u(kPidf)}, {u("b"), u(kPidf)}}, none},
      {"one prefix twice", {{u("tns"), u(kPidf)}, {u("tns"), u(kDiff)}}, none},
      {"caller's default pending", {{u("tns"), u(kPidf)}}, pendingDefault},
      {"caller's prefix pending", {{u("tns"), u(kPidf)}}, pendingSamePrefix},
      {"prefix in force outside", {{u("tns"), u(kPidf)}}, boundOutside},
      {"inside an open tag", {{u("tns"), u(kPidf)}}, openTag},
  };
  for (const Row& row : rows) {
    auto write = [&](bool oneCall) {
      Context ctxt;
      std::string texts;
      for (int doc = 0; doc < 2; ++doc) {
        rtxResetOutput(ctxt);
        row.before(ctxt);
        const auto n = static_cast<int>(row.own.size());
        if (oneCall) {
          EXPECT_EQ(rtXmlEncRootStart(ctxt, u("presence"), row.own.data(), n), 0) << row.what;
        } else {
          for (const RtXmlNamespace& d : row.own) EXPECT_EQ(rtXmlNSSetNamespace(ctxt, nullptr, d.prefix, d.uri, 0), 0);
          RtXmlNamespace pair{nullptr, row.own[0].uri};
          EXPECT_EQ(rtXmlEncStartElement(ctxt, u("presence"), &pair, nullptr, 0), 0) << row.what;
          EXPECT_EQ(rtXmlEncNSAttrs(ctxt, nullptr), 0);
        }
        EXPECT_EQ(rtXmlEncUTF8Attr2(ctxt, u("entity"), 6, u("pres:a@b"), 8), 0);
        EXPECT_EQ(rtXmlEncTermStartElement(ctxt), 0);
        for (const RtXmlNamespace& d : row.own) {
          RtXmlNamespace child{rtXmlNSGetPrefix(ctxt, d.uri), d.uri};
          RtXmlString note{0, u("hi")};
          EXPECT_EQ(rtXmlEncString(ctxt, &note, u("note"), &child), 0);
        }
        RtXmlNamespace end{nullptr, row.own[0].uri};
        EXPECT_EQ(rtXmlEncEndElement(ctxt, u("presence"), &end), 0);
        texts += out(ctxt) + "\n";
      }
      return texts;
    };
    EXPECT_EQ(write(true), write(false)) << row.what;
  }
  Context ctxt;
  EXPECT_EQ(rtXmlEncRootStart(ctxt, nullptr, nullptr, 0), ST_BAD_ARGUMENT);
  EXPECT_EQ(rtxErrGetStatus(ctxt, 0), ST_BAD_ARGUMENT);
}

TEST(Encode, DeclarationsAreWrittenOncePerStartTag) {
  Context ctxt;
  RtDList decls;
  rtxDListInit(&decls);
  ASSERT_EQ(rtXmlNSSetNamespace(ctxt, &decls, u("rpid"), u("urn:ietf:params:xml:ns:pidf:rpid"), 0), 0);
  // Registering the same declaration again does not grow the record's list.
  ASSERT_EQ(rtXmlNSSetNamespace(ctxt, &decls, u("rpid"), u("urn:ietf:params:xml:ns:pidf:rpid"), 0), 0);
  EXPECT_EQ(decls.count, 1u);
  RtXmlNamespace ns{nullptr, u("urn:ietf:params:xml:ns:pidf:rpid")};
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("user-input"), &ns, &decls, 0), 0);
  ASSERT_EQ(rtXmlEncNSAttrs(ctxt, &decls), 0);
  ASSERT_EQ(rtXmlEncUTF8Attr2(ctxt, u("id"), 2, u("u1"), 2), 0);
  ASSERT_EQ(rtXmlEncNSAttrs(ctxt, &decls), 0);
  ASSERT_EQ(rtXmlEncTermStartElement(ctxt), 0);
  ASSERT_EQ(rtXmlEncUTF8Str(ctxt, u("idle"), nullptr, nullptr), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("user-input"), &ns), 0);
  EXPECT_EQ(out(ctxt), "<rpid:user-input xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\" id=\"u1\">idle</rpid:user-input>");
  rtXmlNSFreeAttrList(ctxt, &decls);

  // Also on a tag with many: forty foreign attributes p<i>:a of namespace
  // urn:<i>, then forty p<i>:b of namespace urn:<i+1>, whose prefixes the
  // tag has declared for another namespace already. Read back, every
  // declaration stands once and every attribute is in its namespace.
  rtxResetOutput(ctxt);
  std::vector<std::string> texts;
  for (int i = 0; i < 40; ++i) {
    for (std::string t : {"p" + std::to_string(i) + ":a", "urn:" + std::to_string(i), "p" + std::to_string(i) + ":b",
                          "urn:" + std::to_string((i + 1) % 40)})
      texts.push_back(t);
  }
  std::vector<RtNameValue> pairs;
  for (size_t i = 0; i < texts.size(); i += 4) pairs.push_back({u(texts[i].c_str()), u("v"), u(texts[i + 1].c_str())});
  for (size_t i = 0; i < texts.size(); i += 4) pairs.push_back({u(texts[i + 2].c_str()), u("v"), u(texts[i + 3].c_str())});
  RtDList any;
  rtxDListInit(&any);
  for (RtNameValue& nv : pairs) rtxDListAppend(ctxt, &any, &nv);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("e"), nullptr, nullptr, 0), 0);
  ASSERT_EQ(rtXmlEncAnyAttr(ctxt, &any), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("e"), nullptr), 0);
  rtxDListFreeNodes(ctxt, &any);
  struct Resolver {
    RtSaxHandler head;
    std::multiset<std::string> found;
  } r{};
  r.head.context = ctxt;
  r.head.startElement = [](void* hp, const OSUTF8CHAR*, const OSUTF8CHAR*, const OSUTF8CHAR* const* attrs) {
    auto* r = static_cast<Resolver*>(hp);
    for (; attrs && attrs[0]; attrs += 2) {
      std::string name = pxtest::s(attrs[0]);
      if (name.rfind("xmlns", 0) == 0) continue;
      size_t colon = name.find(':');
      const OSUTF8CHAR* uri = rtXmlNSGetURI(r->head.context, attrs[0], colon);
      r->found.insert(name.substr(colon + 1) + " " + (uri ? pxtest::s(uri) : "?"));
    }
    return 0;
  };
  r.head.endElement = [](void*, const OSUTF8CHAR*, const OSUTF8CHAR*) { return 0; };
  r.head.characters = [](void*, const OSUTF8CHAR*, int) { return 0; };
  const std::string xml = out(ctxt);
  ASSERT_EQ(pxtest::parseWith(ctxt, xml, &r), 0) << xml;
  std::multiset<std::string> expected;
  for (size_t i = 0; i < texts.size(); i += 4) {
    expected.insert("a " + texts[i + 1]);
    expected.insert("b " + texts[i + 3]);
  }
  EXPECT_EQ(r.found, expected) << xml;
}

TEST(Encode, NamespaceWithoutPrefixInForceBecomesTheDefaultOnThatElement) {
  Context ctxt;
  RtXmlNamespace ns{nullptr, u("urn:x")};
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("a"), &ns, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("b"), &ns, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("c"), nullptr, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("a"), &ns), 0);
  EXPECT_EQ(out(ctxt), "<a xmlns=\"urn:x\"><b/><c xmlns=\"\"/></a>");
}

TEST(Encode, APrefixTheCallerChoseIsDeclaredWhereItIsNotYetInForce) {
  Context ctxt;
  RtXmlNamespace dm{u("dm"), u("urn:dm")}, other{u("dm"), u("urn:other")}, bare{u("dm"), nullptr};
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("person"), &dm, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("note"), &dm, nullptr, 1), 0);     // in force: nothing to declare
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("x"), &other, nullptr, 1), 0);     // rebound on this element only
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("y"), &bare, nullptr, 1), 0);      // bound above: usable without URI
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("person"), &dm), 0);
  EXPECT_EQ(out(ctxt), "<dm:person xmlns:dm=\"urn:dm\"><dm:note/><dm:x xmlns:dm=\"urn:other\"/><dm:y/></dm:person>");
  // The same with the prefix text the context hands out for the namespace,
  // as the encoders pass it: a rebinding of the prefix inside still counts.
  rtxResetOutput(ctxt);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("person"), &dm, nullptr, 1), 0);
  RtXmlNamespace handed{rtXmlNSGetPrefix(ctxt, u("urn:dm")), u("urn:dm")};
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("a"), &handed, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("x"), &other, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("b"), &handed, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("x"), &other), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("c"), &handed, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("person"), &dm), 0);
  EXPECT_EQ(out(ctxt), "<dm:person xmlns:dm=\"urn:dm\"><dm:a/><dm:x xmlns:dm=\"urn:other\"><dm:b xmlns:dm=\"urn:dm\"/>"
                       "</dm:x><dm:c/></dm:person>");
  // The built-in URIs, given by the addresses the context hands out, the
  // way the generated encoders give them.
  int n = 0;
  const OSUTF8CHAR* const* uris = rtXmlNSDefaultURITable(&n);
  ASSERT_EQ(rtXmlNSSetURITable(ctxt, uris, n), 0);
  rtxResetOutput(ctxt);
  // A pair found bound once is not looked up again for the next child,
  // until a binding changes: inside an element that rebinds the prefix, and
  // after it, the pair is looked at anew.
  RtXmlNamespace pidf{u("p"), uris[9]}, rpid{u("p"), uris[1]};
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("presence"), &pidf, nullptr, 1), 0);
  RtXmlNamespace handedPidf{rtXmlNSGetPrefix(ctxt, uris[9]), uris[9]};
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("tuple"), &handedPidf, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("mood"), &rpid, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("tuple"), &handedPidf, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("mood"), &rpid), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("tuple"), &handedPidf, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("presence"), &pidf), 0);
  EXPECT_EQ(out(ctxt), "<p:presence xmlns:p=\"urn:ietf:params:xml:ns:pidf\"><p:tuple/>"
                       "<p:mood xmlns:p=\"urn:ietf:params:xml:ns:pidf:rpid\"><p:tuple xmlns:p=\"urn:ietf:params:xml:ns:pidf\"/>"
                       "</p:mood><p:tuple/></p:presence>");
  // Declarations on the element's own tag that give the chosen prefix
  // another namespace win over it: the element's namespace is then named
  // by the default one, or, when the tag takes that too, by a prefix made
  // for it.
  rtxResetOutput(ctxt);
  RtDList decls;
  rtxDListInit(&decls);
  ASSERT_EQ(rtXmlNSSetNamespace(ctxt, &decls, u("dm"), u("urn:other"), 0), 0);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("person"), &dm, nullptr, 1), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("a"), &dm, &decls, 1), 0);
  ASSERT_EQ(rtXmlNSSetNamespace(ctxt, &decls, nullptr, u("urn:y"), 0), 0);
  ASSERT_EQ(rtXmlEncEmptyElement(ctxt, u("b"), &dm, &decls, 1), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("person"), &dm), 0);
  EXPECT_EQ(out(ctxt), "<dm:person xmlns:dm=\"urn:dm\"><a xmlns:dm=\"urn:other\" xmlns=\"urn:dm\"/>"
                       "<ns1:b xmlns:dm=\"urn:other\" xmlns=\"urn:y\" xmlns:ns1=\"urn:dm\"/></dm:person>");
  rtXmlNSFreeAttrList(ctxt, &decls);
  // So do they over a foreign attribute's prefix: an attribute whose prefix
  // the element's name uses for another namespace is written under a prefix
  // in force for its own, or under one made for it.
  rtxResetOutput(ctxt);
  rtxDListInit(&decls);
  ASSERT_EQ(rtXmlNSSetNamespace(ctxt, &decls, u("o"), u("urn:other"), 0), 0);
  RtXmlNamespace plain{nullptr, u("urn:p")};
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("r"), &plain, &decls, 1), 0);
  RtNameValue own{u("dm:k"), u("1"), u("urn:dm")}, inForce{u("dm:j"), u("2"), u("urn:other")},
      none{u("dm:i"), u("3"), u("urn:z")};
  RtDList any;
  rtxDListInit(&any);
  for (RtNameValue* nv : {&own, &inForce, &none}) rtxDListAppend(ctxt, &any, nv);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("e"), &dm, nullptr, 0), 0);
  ASSERT_EQ(rtXmlEncAnyAttr(ctxt, &any), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("e"), &dm), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("r"), &plain), 0);
  EXPECT_EQ(out(ctxt), "<r xmlns:o=\"urn:other\" xmlns=\"urn:p\"><dm:e dm:k=\"1\" o:j=\"2\" xmlns:ns1=\"urn:z\" "
                       "ns1:i=\"3\" xmlns:dm=\"urn:dm\"/></r>");
  rtxDListFreeNodes(ctxt, &any);
  rtXmlNSFreeAttrList(ctxt, &decls);
  // A prefix that is bound nowhere and comes without its namespace cannot be
  // written: refused with the prefix and the element named.
  rtxResetOutput(ctxt);
  EXPECT_EQ(rtXmlEncStartElement(ctxt, u("z"), &bare, nullptr, 1), ST_BAD_NAMESPACE);
  ASSERT_EQ(rtxErrGetCount(ctxt), 1);
  EXPECT_STREQ(rtxErrGetParm(ctxt, 0, 0), "dm");
  EXPECT_STREQ(rtxErrGetParm(ctxt, 0, 1), "z");
}

TEST(Encode, AnAttributeWithoutTextOrWithTextXmlCannotCarryIsRefusedNotWritten) {
  Context ctxt;
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("a"), nullptr, nullptr, 0), 0);
  EXPECT_EQ(rtXmlEncUTF8Attr2(ctxt, u("id"), 2, nullptr, 0), ST_MISSING_ATTRIBUTE);
  ASSERT_EQ(rtxErrGetCount(ctxt), 1);
  EXPECT_STREQ(rtxErrGetParm(ctxt, 0, 0), "id");
  EXPECT_EQ(rtXmlEncUTF8Attr2(ctxt, u("id"), 2, u(""), 0), 0);  // an empty text is a value
  // Bytes past the given length are not looked at; the text up to it is.
  EXPECT_EQ(rtXmlEncUTF8Attr2(ctxt, u("x"), 1, u("ok\xC3\xA9\xFF"), 4), 0);
  rtxErrReset(ctxt);
  EXPECT_EQ(rtXmlEncUTF8Attr2(ctxt, u("y"), 1, u("ab\xFF"), 3), ST_INVALID_UTF8);
  EXPECT_EQ(rtXmlEncUTF8Attr2(ctxt, u("z"), 1, u("a\x01"), 2), ST_INVALID_UTF8);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_INVALID_UTF8, {"invalid lead byte", "2"}},
                                                           {ST_INVALID_UTF8, {"control character", "1"}}}));
  EXPECT_EQ(out(ctxt), "<a id=\"\" x=\"ok\xC3\xA9\"");
}

TEST(Encode, AttributesOfEveryKind) {
  Context ctxt;
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("e"), nullptr, nullptr, 0), 0);
  ASSERT_EQ(rtXmlEncIntAttr(ctxt, INT32_MIN, u("i"), 1), 0);
  ASSERT_EQ(rtXmlEncUIntAttr(ctxt, UINT32_MAX, u("u"), 1), 0);
  ASSERT_EQ(rtXmlEncUInt64Attr(ctxt, UINT64_MAX, u("l"), 1), 0);
  ASSERT_EQ(rtXmlEncBoolAttr(ctxt, 1, u("b"), 1), 0);
  ASSERT_EQ(rtXmlEncUTF8Attr2(ctxt, u("xml:lang"), 8, u("en"), 2), 0);
  RtNameValue nv1{u("x:y"), u("1<2"), nullptr}, nv2{u("z"), u(""), nullptr};
  RtDList any;
  rtxDListInit(&any);
  rtxDListAppend(ctxt, &any, &nv1);
  rtxDListAppend(ctxt, &any, &nv2);
  ASSERT_EQ(rtXmlEncAnyAttr(ctxt, &any), 0);
  ASSERT_EQ(rtXmlEncEndElement(ctxt, u("e"), nullptr), 0);
  EXPECT_EQ(out(ctxt),
            "<e i=\"-2147483648\" u=\"4294967295\" l=\"18446744073709551615\" b=\"true\" xml:lang=\"en\" "
            "x:y=\"1&lt;2\" z=\"\"/>");
  rtxDListFreeNodes(ctxt, &any);
  // A foreign pair's name must stand as an attribute name of its own: no
  // other, and no namespace declaration, is written.
  for (const char* bad : {"a b", "1x", ":x", "x:", "a:b:c", "", "xmlns", "xmlns:p", "a\xC3"}) {
    rtxResetOutput(ctxt);
    rtxErrReset(ctxt);
    RtNameValue nv{u(bad), u("v"), nullptr};
    rtxDListInit(&any);
    rtxDListAppend(ctxt, &any, &nv);
    ASSERT_EQ(rtXmlEncStartElement(ctxt, u("e"), nullptr, nullptr, 0), 0);
    EXPECT_EQ(rtXmlEncAnyAttr(ctxt, &any), ST_BAD_ARGUMENT) << bad;
    EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_BAD_ARGUMENT, {bad}}})) << bad;
    EXPECT_EQ(out(ctxt), "<e") << bad;
    rtxDListFreeNodes(ctxt, &any);
  }
  rtxResetOutput(ctxt);
  RtNameValue good{u("\xC3\xA9:_x-1.\xC3\xBC"), u("v"), nullptr}, xmlnsLike{u("xmlnsx"), u("w"), nullptr};
  rtxDListInit(&any);
  rtxDListAppend(ctxt, &any, &good);
  rtxDListAppend(ctxt, &any, &xmlnsLike);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("e"), nullptr, nullptr, 0), 0);
  EXPECT_EQ(rtXmlEncAnyAttr(ctxt, &any), 0);
  EXPECT_EQ(out(ctxt), "<e \xC3\xA9:_x-1.\xC3\xBC=\"v\" xmlnsx=\"w\"");
  rtxDListFreeNodes(ctxt, &any);
}

TEST(Encode, ValuesWithAndWithoutElementNames) {
  Context ctxt;
  ASSERT_EQ(rtXmlEncBool(ctxt, 0, u("b"), nullptr), 0);
  ASSERT_EQ(rtXmlEncInt(ctxt, -42, nullptr, nullptr), 0);
  RtXmlString any{0, u("<x:y xmlns:x=\"urn:x\">raw &amp; kept</x:y>")};
  ASSERT_EQ(rtXmlEncAny(ctxt, &any, nullptr, nullptr), 0);
  EXPECT_EQ(out(ctxt), "<b>false</b>-42<x:y xmlns:x=\"urn:x\">raw &amp; kept</x:y>");
}

struct DecimalCase {
  double value;
  const char* text;  // null: refused with status
  int status;
};

TEST(Encode, DecimalHonoursTheQvalueFormat) {
  static const char* const kPatterns[] = {"0(.[0-9]{0,3})?", "1(.0{0,3})?"};
  const RtDecimalFormat qvalue{-1, -1, -1, 1, 1, 0, 0, 2, kPatterns};
  const DecimalCase cases[] = {{0.5, "0.5", 0},     {1, "1", 0},      {0, "0", 0},
                               {0.123, "0.123", 0}, {0.001, "0.001", 0}, {1.5, nullptr, ST_PATTERN_MISMATCH},
                               {0.1234, nullptr, ST_PATTERN_MISMATCH}, {10, nullptr, ST_CONSTRAINT},
                               {-0.5, nullptr, ST_PATTERN_MISMATCH}};
  for (const auto& c : cases) {
    Context ctxt;
    // The text alone: the same, or the same status with nothing recorded.
    char text[8];
    int len = rtXmlDecimalText(ctxt, c.value, &qvalue, text, sizeof text);
    EXPECT_EQ(rtxErrGetCount(ctxt), 0) << c.value;
    if (c.text) EXPECT_EQ(std::string(text, len > 0 ? len : 0), c.text);
    else EXPECT_EQ(len, c.status) << c.value;
    int st = rtXmlEncDecimal(ctxt, c.value, nullptr, nullptr, &qvalue);
    if (c.text) {
      EXPECT_EQ(st, 0) << c.value;
      EXPECT_EQ(out(ctxt), c.text);
    } else {
      EXPECT_EQ(st, c.status) << c.value;
      EXPECT_EQ(rtxErrGetStatus(ctxt, 0), c.status);
      EXPECT_EQ(out(ctxt), "");
    }
  }
  {
    // A text that does not fit, and a pattern that does not compile: refused
    // quietly, where the encoding call records.
    Context ctxt;
    char text[3];
    EXPECT_LT(rtXmlDecimalText(ctxt, 0.125, &qvalue, text, sizeof text), 0);
    static const char* const kBroken[] = {"0(("};
    const RtDecimalFormat broken{-1, -1, -1, 1, 1, 0, 0, 1, kBroken};
    char wide[8];
    EXPECT_EQ(rtXmlDecimalText(ctxt, 0.5, &broken, wide, sizeof wide), ST_PATTERN_MISMATCH);
    EXPECT_EQ(rtxErrGetCount(ctxt), 0);
  }
  Context ctxt;
  const RtDecimalFormat plain{-1, 2, 2, -1, 1, 1, 1, 0, nullptr};
  ASSERT_EQ(rtXmlEncDecimal(ctxt, 3, u("d"), nullptr, &plain), 0);
  EXPECT_EQ(out(ctxt), "<d>+3.00</d>");
}

TEST(Encode, FixedBufferFailsWithBufferFullAndStaysTerminated) {
  Context ctxt;
  OSUTF8CHAR buf[16];
  std::memset(buf, 'x', sizeof buf);
  ASSERT_EQ(rtxSetFixedOutput(ctxt, buf, sizeof buf), 0);
  ASSERT_EQ(rtXmlEncStartElement(ctxt, u("abc"), nullptr, nullptr, 1), 0);
  RtXmlString text{0, u("0123456789A")};  // 5 + 11 bytes and the NUL: one too many
  EXPECT_EQ(rtXmlEncString(ctxt, &text, nullptr, nullptr), ST_BUFFER_FULL);
  ASSERT_EQ(rtxErrGetCount(ctxt), 1);
  EXPECT_EQ(rtxErrGetStatus(ctxt, 0), ST_BUFFER_FULL);
  EXPECT_EQ(rtxErrGetParmCount(ctxt, 0), 0);
  EXPECT_STREQ(reinterpret_cast<char*>(buf), "<abc>");
  // Exactly full: the text and its NUL fit, one byte more does not.
  EXPECT_EQ(rtxCheckBuffer(ctxt, 11), 0);
  EXPECT_EQ(rtxCheckBuffer(ctxt, 12), ST_BUFFER_FULL);
  EXPECT_EQ(rtxErrGetCount(ctxt), 1);  // the check records nothing itself
}
