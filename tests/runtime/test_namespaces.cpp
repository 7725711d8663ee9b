// Namespace scopes and the URI table: the presence schemas' URIs map to
// their fixed indices on a context that never encoded, scopes hide and
// restore bindings, and prefixes are looked up through shadowing.
#include <gtest/gtest.h>

#include <string>

#include "internal/namespaces.h"
#include "sax_recorder.h"

using pxtest::Context;

namespace {
const OSUTF8CHAR* u(const char* s) { return reinterpret_cast<const OSUTF8CHAR*>(s); }

const char* const kUris[] = {
    "urn:ietf:params:xml:ns:watcherinfo",          "urn:ietf:params:xml:ns:pidf:rpid",
    "urn:ietf:params:xml:ns:rlmi",                 "urn:ietf:params:xml:ns:pidf:geopriv10:civicLoc",
    "urn:ietf:params:xml:ns:pidf:geopriv10:basicPolicy", "urn:ietf:params:xml:ns:pidf:geopriv10",
    "urn:ietf:params:xml:ns:pidf:data-model",      "urn:ietf:params:xml:ns:pidf:cipid",
    "urn:ietf:params:xml:ns:pidf:caps",            "urn:ietf:params:xml:ns:pidf",
    "urn:ietf:params:xml:ns:pidf-diff"};
}  // namespace

TEST(Namespaces, EveryPresenceUriMapsToItsIndexWithoutATableInstalled) {
  Context ctxt;
  for (int i = 0; i < 11; ++i) {
    ASSERT_EQ(rtXmlNSPush(ctxt), 0);
    ASSERT_EQ(rtXmlNSAddPrefixLink(ctxt, u("p"), u(kUris[i]), nullptr, 0), 0);
    EXPECT_EQ(rtXmlNSGetIndex(ctxt, u("p"), 1), i) << kUris[i];
    ASSERT_EQ(rtXmlNSAddPrefixLink(ctxt, nullptr, u(kUris[i]), nullptr, 0), 0);
    EXPECT_EQ(rtXmlNSGetIndex(ctxt, nullptr, 0), i);
    ASSERT_EQ(rtXmlNSPop(ctxt), 0);
  }
  int n = 0;
  const OSUTF8CHAR* const* table = rtXmlNSDefaultURITable(&n);
  ASSERT_EQ(n, 11);
  for (int i = 0; i < n; ++i) EXPECT_STREQ(pxtest::s(table[i]), kUris[i]);
}

TEST(Namespaces, UnknownUnboundAndLookalikeUrisHaveNoIndex) {
  Context ctxt;
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, u("x"), u("urn:ietf:params:xml:ns:pidf "), nullptr, 0);
  rtXmlNSAddPrefixLink(ctxt, u("y"), u("URN:IETF:PARAMS:XML:NS:PIDF"), nullptr, 0);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, u("x"), 1), -1);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, u("y"), 1), -1);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, u("z"), 1), -1);
  // Unprefixed, with no default namespace: no namespace at all.
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, nullptr, 0), RT_NS_NONE);
  rtXmlNSPop(ctxt);
}

TEST(Namespaces, ScopesHideAndRestoreBindings) {
  Context ctxt;
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, u("p"), u(kUris[9]), nullptr, 0);
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, u("p"), u(kUris[1]), nullptr, 0);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, u("p"), 1), 1);
  // The outer binding of the pidf URI is shadowed by the inner "p".
  EXPECT_EQ(rtXmlNSGetPrefix(ctxt, u(kUris[9])), nullptr);
  EXPECT_STREQ(pxtest::s(rtXmlNSGetPrefix(ctxt, u(kUris[1]))), "p");
  rtXmlNSPop(ctxt);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, u("p"), 1), 9);
  EXPECT_STREQ(pxtest::s(rtXmlNSGetPrefix(ctxt, u(kUris[9]))), "p");
  rtXmlNSPop(ctxt);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, u("p"), 1), -1);
  EXPECT_EQ(rtXmlNSPop(ctxt), 0);  // popping an empty stack is harmless
  // Unprefixed names follow the default namespace through the same scopes,
  // an inner xmlns="" included, each answer asked twice.
  const std::pair<const char*, int> defaults[] = {{kUris[9], 9}, {kUris[1], 1}, {"", RT_NS_NONE}, {kUris[2], 2}};
  for (const auto& [uri, index] : defaults) {
    rtXmlNSPush(ctxt);
    rtXmlNSAddPrefixLink(ctxt, nullptr, u(uri), nullptr, 0);
    EXPECT_EQ(rtXmlNSGetIndex(ctxt, nullptr, 0), index) << uri;
    EXPECT_EQ(rtXmlNSGetIndex(ctxt, u("p"), 0), index) << uri;
  }
  for (int i = 2; i >= 0; --i) {
    rtXmlNSPop(ctxt);
    EXPECT_EQ(rtXmlNSGetIndex(ctxt, nullptr, 0), defaults[i].second) << i;
  }
  rtXmlNSPop(ctxt);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, nullptr, 0), RT_NS_NONE);
}

TEST(Namespaces, ThePrefixOfAUriFollowsTheTextAskedForAndEveryRebinding) {
  Context ctxt;
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, u("a"), u("urn:x:aa"), nullptr, 0);
  rtXmlNSAddPrefixLink(ctxt, u("b"), u("urn:x:bb"), nullptr, 0);
  // One buffer asked again and again, its text changed in place between.
  char uri[] = "urn:x:aa";
  EXPECT_STREQ(pxtest::s(rtXmlNSGetPrefix(ctxt, u(uri))), "a");
  EXPECT_STREQ(pxtest::s(rtXmlNSGetPrefix(ctxt, u(uri))), "a");
  uri[6] = uri[7] = 'b';
  EXPECT_STREQ(pxtest::s(rtXmlNSGetPrefix(ctxt, u(uri))), "b");
  uri[7] = 'c';
  EXPECT_EQ(rtXmlNSGetPrefix(ctxt, u(uri)), nullptr);
  uri[7] = 'b';
  // Shadowed by an inner binding of its prefix, then back when that goes.
  EXPECT_STREQ(pxtest::s(rtXmlNSGetPrefix(ctxt, u(uri))), "b");
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, u("b"), u("urn:x:other"), nullptr, 0);
  EXPECT_EQ(rtXmlNSGetPrefix(ctxt, u(uri)), nullptr);
  rtXmlNSAddPrefixLink(ctxt, u("c"), u("urn:x:bb"), nullptr, 0);
  EXPECT_STREQ(pxtest::s(rtXmlNSGetPrefix(ctxt, u(uri))), "c");
  rtXmlNSPop(ctxt);
  EXPECT_STREQ(pxtest::s(rtXmlNSGetPrefix(ctxt, u(uri))), "b");
  rtXmlNSPop(ctxt);
  EXPECT_EQ(rtXmlNSGetPrefix(ctxt, u(uri)), nullptr);
}

TEST(Namespaces, AnInstalledTableDefinesTheIndices) {
  Context ctxt;
  const OSUTF8CHAR* table[] = {u("urn:a"), u(kUris[9])};
  ASSERT_EQ(rtXmlNSSetURITable(ctxt, table, 2), 0);
  EXPECT_EQ(rtXmlNSURIIndex(ctxt, u("urn:a")), 0);
  EXPECT_EQ(rtXmlNSURIIndex(ctxt, u(kUris[9])), 1);
  EXPECT_EQ(rtXmlNSURIIndex(ctxt, u(kUris[1])), -1);
  // Names bound before a table is installed take their index in it.
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, nullptr, u(kUris[9]), nullptr, 0);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, nullptr, 0), 1);
  const OSUTF8CHAR* other[] = {u(kUris[9])};
  ASSERT_EQ(rtXmlNSSetURITable(ctxt, other, 1), 0);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, nullptr, 0), 0);
  ASSERT_EQ(rtXmlNSSetURITable(ctxt, table, 1), 0);
  EXPECT_EQ(rtXmlNSGetIndex(ctxt, nullptr, 0), -1);
  rtXmlNSPop(ctxt);
}

TEST(Namespaces, DocumentDeclarationsAreInScopeForEveryHandler) {
  // The reader binds the declarations of each start tag before the handler
  // sees it and drops them after its end tag, whatever the handlers do.
  Context ctxt;
  struct Probe {
    RtSaxHandler head;
    std::vector<int> seen;
  } probe{};
  probe.head.context = ctxt;
  probe.head.startElement = [](void* hp, const OSUTF8CHAR*, const OSUTF8CHAR* q, const OSUTF8CHAR* const*) {
    auto* p = static_cast<Probe*>(hp);
    const OSUTF8CHAR* prefix;
    size_t len;
    rtXmlDecQName(q, &prefix, &len);
    p->seen.push_back(rtXmlNSGetIndex(p->head.context, prefix, len));
    return 0;
  };
  probe.head.endElement = [](void*, const OSUTF8CHAR*, const OSUTF8CHAR*) { return 0; };
  probe.head.characters = [](void*, const OSUTF8CHAR*, int) { return 0; };
  std::string doc =
      "<presence xmlns='urn:ietf:params:xml:ns:pidf' xmlns:r='urn:ietf:params:xml:ns:pidf:rpid'>"
      "<tuple><r:x xmlns:r='urn:other'/><r:y/></tuple><z xmlns=''/></presence>";
  ASSERT_EQ(pxtest::parseWith(ctxt, doc, &probe), 0);
  std::vector<int> expected = {9, 9, -1, 1, RT_NS_NONE};
  EXPECT_EQ(probe.seen, expected);
}

TEST(Namespaces, EachDocumentResolvesWithItsOwnDeclarationsOnly) {
  // Bindings are kept for reuse from one document to the next; what one
  // document declared must not be visible in the next, and a prefix bound
  // again resolves to its new URI.
  Context ctxt;
  struct Probe {
    RtSaxHandler head;
    std::vector<std::string> seen;
  } probe{};
  probe.head.context = ctxt;
  probe.head.startElement = [](void* hp, const OSUTF8CHAR*, const OSUTF8CHAR* q, const OSUTF8CHAR* const*) {
    auto* p = static_cast<Probe*>(hp);
    const OSUTF8CHAR* prefix;
    size_t len;
    rtXmlDecQName(q, &prefix, &len);
    const OSUTF8CHAR* uri = rtXmlNSGetURI(p->head.context, prefix, len);
    p->seen.push_back(uri ? reinterpret_cast<const char*>(uri) : "-");
    return 0;
  };
  probe.head.endElement = [](void*, const OSUTF8CHAR*, const OSUTF8CHAR*) { return 0; };
  probe.head.characters = [](void*, const OSUTF8CHAR*, int) { return 0; };
  // A prefix bound by an earlier document is unbound in the next one: the
  // reader refuses it rather than resolve it with the stale binding.
  const std::string docs[] = {
      "<p:a xmlns:p='urn:one' xmlns:q='urn:q'><q:b/></p:a>",
      "<p:a xmlns:p='urn:two'><p:c xmlns:p='urn:three'/><p:d/></p:a>",
      "<p:a xmlns:p='urn:two'><q:b/></p:a>",
      "<a><p:b/></a>",
  };
  const std::vector<std::string> expected[] = {
      {"urn:one", "urn:q"},
      {"urn:two", "urn:three", "urn:two"},
      {"urn:two"},
      {"-"},
  };
  const int status[] = {0, 0, ST_XML_MALFORMED, ST_XML_MALFORMED};
  for (int round = 0; round < 2; ++round) {
    for (size_t i = 0; i < 4; ++i) {
      probe.seen.clear();
      rtxErrReset(ctxt);
      ASSERT_EQ(pxtest::parseWith(ctxt, docs[i], &probe), status[i]) << docs[i];
      EXPECT_EQ(probe.seen, expected[i]) << docs[i];
    }
  }
  EXPECT_EQ(rtxErrGetParm(ctxt, 0, 0),
            std::string("the prefix \"p\" of <p:b> is not declared: add xmlns:p=\"...\" on the element or an ancestor"));
  // After the parse nothing of the document is in scope.
  EXPECT_EQ(rtXmlNSGetURI(ctxt, u("p"), 1), nullptr);
}

// A binding slot reused document after document keeps its texts, but not
// an index found in a table that is no longer installed, nor the room a
// long declaration once took.
TEST(Namespaces, ReusedBindingSlotsFollowTheTableAndGiveBackLongTexts) {
  pxrt::Namespaces ns;
  const char* const first[] = {"urn:a", "urn:b"};
  const char* const second[] = {"urn:b", "urn:a"};
  ns.setTable(first, 2);
  ns.bind("p", "urn:b");
  EXPECT_EQ(ns.find("p")->index, 1);
  ns.clear();
  ns.bind("p", "urn:b");  // the same slot, the same texts, the same table
  EXPECT_EQ(ns.find("p")->index, 1);
  ns.clear();
  ns.setTable(second, 2);
  ns.bind("p", "urn:b");
  EXPECT_EQ(ns.find("p")->index, 0);

  ns.clear();
  std::string longUri = "urn:" + std::string(3000, '&');
  ns.bind("q", longUri);
  EXPECT_GT(ns.binding(0).declaration().size(), 3000u * 5);
  ns.clear();
  ns.bind("q", "urn:a");
  EXPECT_LE(ns.binding(0).uri.capacity(), 1024u);
  EXPECT_EQ(ns.binding(0).declaration(), " xmlns:q=\"urn:a\"");
  EXPECT_LE(ns.binding(0).declarationText.capacity(), 1024u);
}
