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

// Past a few bindings, prefixes and URIs are found through hash indices
// kept as scopes come and go. Driven through the calls the handlers and
// encoders use, they must answer as a walk over the bindings in force
// would: the innermost binding of a prefix, and the innermost binding of a
// URI whose prefix no inner binding reuses. Prefixes repeat, so bindings
// shadow each other; scopes pop back below the size where the indices are
// made and grow past it again.
TEST(Namespaces, ManyBindingsResolveAsAWalkOverThemWould) {
  Context ctxt;
  std::vector<std::pair<std::string, std::string>> model;  // in force, outermost first
  std::vector<size_t> scopes;
  uint32_t seed = 12345;
  auto next = [&seed](uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % n;
  };
  auto prefixOf = [](uint32_t i) { return i == 0 ? std::string() : "p" + std::to_string(i); };
  auto modelUri = [&](const std::string& prefix) -> const std::string* {
    for (size_t i = model.size(); i-- > 0;)
      if (model[i].first == prefix) return &model[i].second;
    return nullptr;
  };
  auto modelPrefix = [&](const std::string& uri) -> const std::string* {
    for (size_t i = model.size(); i-- > 0;)
      if (model[i].second == uri && modelUri(model[i].first) == &model[i].second) return &model[i].first;
    return nullptr;
  };
  size_t deepest = 0;
  for (int step = 0; step < 20000; ++step) {
    const uint32_t op = next(100);
    if (op < 30 || scopes.empty()) {
      if (scopes.empty() || op < 8) {
        ASSERT_EQ(rtXmlNSPush(ctxt), 0);
        scopes.push_back(model.size());
      }
      std::string prefix = prefixOf(next(40)), uri = "urn:u" + std::to_string(next(30));
      ASSERT_EQ(rtXmlNSAddPrefixLink(ctxt, prefix.empty() ? nullptr : u(prefix.c_str()), u(uri.c_str()), nullptr, 0),
                0);
      model.emplace_back(prefix, uri);
      deepest = std::max(deepest, model.size());
    } else if (op < 40) {
      ASSERT_EQ(rtXmlNSPop(ctxt), 0);
      model.resize(scopes.back());
      scopes.pop_back();
    } else if (op < 75) {
      std::string prefix = prefixOf(next(45));  // some never bound
      const OSUTF8CHAR* got = rtXmlNSGetURI(ctxt, u(prefix.c_str()), prefix.size());
      const std::string* want = modelUri(prefix);
      ASSERT_EQ(got ? std::string(pxtest::s(got)) : "(none)", want ? *want : "(none)") << "prefix " << prefix << " step " << step;
    } else {
      std::string uri = "urn:u" + std::to_string(next(32));
      const OSUTF8CHAR* got = rtXmlNSGetPrefix(ctxt, u(uri.c_str()));
      const std::string* want = modelPrefix(uri);
      ASSERT_EQ(got ? std::string(pxtest::s(got)) : "(none)", want ? *want : "(none)") << uri << " step " << step;
    }
  }
  EXPECT_GT(deepest, 48u);  // far past the bindings found by a walk
}

// Declarations kept with records are the bindings in force where each was
// kept: a prefix's innermost binding, at the place of its outermost one.
// Records of one scope share them; a binding made again at a place where
// another record kept an earlier one is another binding.
TEST(Namespaces, KeptDeclarationsAreThoseOfTheScopeEachRecordWasKeptIn) {
  Context ctxt;
  auto kept = [&](const void* record) {
    std::string all;
    const OSUTF8CHAR *prefix, *uri;
    for (int i = 0; rtXmlNSGetKept(ctxt, record, i, &prefix, &uri) == 0; ++i)
      all += std::string(pxtest::s(prefix)) + "=" + pxtest::s(uri) + " ";
    EXPECT_EQ(rtXmlNSGetKeptCount(ctxt, record) > 0, !all.empty());
    return all;
  };
  std::string root;
  rtXmlNSPush(ctxt);
  for (int i = 0; i < 20; ++i) {
    std::string p = "k" + std::to_string(i), uri = "urn:k" + std::to_string(i);
    rtXmlNSAddPrefixLink(ctxt, u(p.c_str()), u(uri.c_str()), nullptr, 0);
    root += p + "=" + uri + " ";
  }
  int a = 0, b = 0, c = 0, d = 0, e = 0;
  ASSERT_EQ(rtXmlNSKeepInScope(ctxt, &a), 0);
  ASSERT_EQ(rtXmlNSKeepInScope(ctxt, &e), 0);
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, u("k3"), u("urn:inner"), nullptr, 0);
  rtXmlNSAddPrefixLink(ctxt, u("n"), u("urn:n"), nullptr, 0);
  rtXmlNSKeepInScope(ctxt, &b);
  rtXmlNSPop(ctxt);
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, u("k3"), u("urn:other"), nullptr, 0);  // where b's k3 stood
  rtXmlNSKeepInScope(ctxt, &c);
  rtXmlNSPop(ctxt);
  auto with = [&](const std::string& from, const std::string& to) {
    std::string s = root;
    s.replace(s.find(from), from.size(), to);
    return s;
  };
  EXPECT_EQ(kept(&a), root);
  EXPECT_EQ(kept(&b), with("k3=urn:k3", "k3=urn:inner") + "n=urn:n ");
  EXPECT_EQ(kept(&c), with("k3=urn:k3", "k3=urn:other"));
  // Dropping records lets their part of the chain go; the rest stays.
  rtXmlNSDropKept(ctxt, &b);
  rtXmlNSDropKept(ctxt, &a);
  EXPECT_EQ(kept(&b), "");
  rtXmlNSKeepInScope(ctxt, &d);
  EXPECT_EQ(kept(&d), root);
  EXPECT_EQ(kept(&c), with("k3=urn:k3", "k3=urn:other"));
  EXPECT_EQ(kept(&e), root);

  // Declared again on the next start tag where the root's bindings are in
  // force: only what differs there.
  auto declared = [&](const void* record) {
    size_t before = 0, after = 0;
    rtxGetOutput(ctxt, &before);
    int n = rtXmlNSDeclareKept(ctxt, record);
    EXPECT_EQ(rtXmlEncEmptyElement(ctxt, u("x"), nullptr, nullptr, 1), 0);
    const char* text = rtxGetOutput(ctxt, &after);
    return std::to_string(n) + std::string(text + before, after - before);
  };
  EXPECT_EQ(declared(&d), "0<x/>");
  EXPECT_EQ(declared(&d), "0<x/>");
  // An inner binding of k5 means k5 must be declared again, though the same
  // record found everything in force a moment ago.
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, u("k5"), u("urn:zz"), nullptr, 0);
  EXPECT_EQ(declared(&d), "1<x xmlns:k5=\"urn:k5\"/>");
  rtXmlNSPop(ctxt);
  EXPECT_EQ(declared(&c), "1<x xmlns:k3=\"urn:other\"/>");
  EXPECT_EQ(declared(&c), "1<x xmlns:k3=\"urn:other\"/>");  // each tag needs it
  EXPECT_EQ(declared(&e), "0<x/>");
  // Where k3 means a third namespace, c still wants only its own k3: the
  // root's, which it shadows, is no declaration of c's.
  rtXmlNSPush(ctxt);
  rtXmlNSAddPrefixLink(ctxt, u("k3"), u("urn:third"), nullptr, 0);
  EXPECT_EQ(declared(&c), "1<x xmlns:k3=\"urn:other\"/>");
  rtXmlNSPop(ctxt);
}
