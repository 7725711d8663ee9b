// Patch operations and partial presence documents: selector patterns on
// decoding and encoding, enumerated attributes, open content kept as
// markup, remove refusing children, the repeated choice of pidf-diff, and
// pidf-full with its entity on its own start tag.
#include <gtest/gtest.h>

#include <cctype>

#include "module_support.h"
#include "runtime/sax_recorder.h"

using namespace pxtest;

namespace {

std::string diffDoc(const std::string& body, const std::string& attrs = " version='1'") {
  return "<p:pidf-diff xmlns:p='urn:ietf:params:xml:ns:pidf-diff' xmlns='urn:ietf:params:xml:ns:pidf'" + attrs +
         ">" + body + "</p:pidf-diff>";
}

int decodeDiff(RtContext* ctxt, const std::string& text, partial__pidf_diff* d) {
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  return PxXmlD_partial_pidf_diff(ctxt, d);
}

partial__pidf_diff_1* op(const partial__pidf_diff& d, int i) {
  RtDListNode* n = d.partial__seq.head;
  while (i-- > 0) n = n->next;
  return &static_cast<partial__pidf_diff_2*>(n->data)->partial__choice1;
}

std::string encodeDiff(RtContext* ctxt, partial__pidf_diff* d, int* st) {
  rtxResetOutput(ctxt);
  *st = PxXmlE_partial_pidf_diff(ctxt, d);
  return rtxGetOutput(ctxt, nullptr);
}

}  // namespace

TEST(PatchOps, SelectorPatternsOnDecoding) {
  SimpleCtx ctxt;
  partial__pidf_diff d;
  std::string text = diffDoc(
      "<p:replace sel=\"/presence/tuple/@id\">x</p:replace>"
      "<p:add sel=\"/presence/tuple[@id='a1']/status\"><basic>open</basic></p:add>"
      "<p:add sel=\"/presence/tuple/@id\" type='id' pos='first'/>"
      "<p:remove sel=\"id('x')/a\"/>");
  EXPECT_EQ(decodeDiff(ctxt, text, &d), ST_PATTERN_MISMATCH);
  EXPECT_EQ(statusParams(ctxt),
            (std::vector<StatusParams>{{ST_PATTERN_MISMATCH, {"add.sel", "/presence/tuple/@id"}},
                                       {ST_PATTERN_MISMATCH, {"add.type", "id"}},
                                       {ST_ENUM_UNKNOWN, {"first"}},
                                       {ST_BAD_ATTRIBUTE_VALUE, {"add", "pos"}}}));
  ASSERT_EQ(d.partial__seq.count, 4u);
  EXPECT_EQ(op(d, 0)->t, 2);
  EXPECT_STREQ(str(op(d, 0)->u.partial_replace.sel.value), "/presence/tuple/@id");
  EXPECT_EQ(op(d, 1)->t, 1);
  const add& refused = op(d, 2)->u.partial_add;
  EXPECT_EQ(refused.sel.value, nullptr);  // not stored, though met: no missing-attribute report
  EXPECT_EQ(refused.present, 1u);         // pos met, type refused
  EXPECT_EQ(op(d, 3)->t, 3);
  EXPECT_STREQ(str(op(d, 3)->u.partial_remove.sel.value), "id('x')/a");
  PxMemFree_partial__pidf_diff(ctxt, &d);
  // The validator checks the same, in the same order.
  rtxErrReset(ctxt);
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  EXPECT_EQ(PxXmlV_partial_pidf_diff(ctxt), ST_PATTERN_MISMATCH);
  EXPECT_EQ(rtxErrGetCount(ctxt), 4);
}

TEST(PatchOps, AddKeepsItsContentAsMarkupAndWritesItBack) {
  SimpleCtx ctxt;
  partial__pidf_diff d;
  std::string text = diffDoc("<p:add sel='presence' pos='prepend'><tuple id='t'><status/></tuple> and text &amp;</p:add>");
  ASSERT_EQ(decodeDiff(ctxt, text, &d), 0);
  const add& a = op(d, 0)->u.partial_add;
  EXPECT_EQ(a.pos, 2);
  EXPECT_EQ(a.present, 1u);
  EXPECT_STREQ(str(a.value.value),
               "<tuple xmlns=\"urn:ietf:params:xml:ns:pidf\" id='t'><status/></tuple> and text &amp;");
  int st = -1;
  std::string xml = encodeDiff(ctxt, &d, &st);
  ASSERT_EQ(st, 0);
  EXPECT_NE(xml.find("<p:add sel=\"presence\" pos=\"prepend\"><tuple xmlns=\"urn:ietf:params:xml:ns:pidf\""
                     " id='t'><status/></tuple> and text &amp;</p:add>"),
            std::string::npos)
      << xml;
  partial__pidf_diff back;
  ASSERT_EQ(decodeDiff(ctxt, xml, &back), 0);
  EXPECT_STREQ(str(op(back, 0)->u.partial_add.value.value), str(a.value.value));
  PxMemFree_partial__pidf_diff(ctxt, &back);
  PxMemFree_partial__pidf_diff(ctxt, &d);
}

TEST(PatchOps, RemoveRefusesChildrenAndTheRestStillDecodes) {
  SimpleCtx ctxt;
  partial__pidf_diff d;
  std::string text = diffDoc("<p:remove sel='presence/note' ws='both'><x>no</x></p:remove>"
                             "<p:replace sel='presence/note'>n</p:replace>");
  EXPECT_EQ(decodeDiff(ctxt, text, &d), ST_UNEXPECTED_ELEMENT);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_UNEXPECTED_ELEMENT, {"x"}}}));
  ASSERT_EQ(d.partial__seq.count, 2u);
  EXPECT_EQ(op(d, 0)->u.partial_remove.ws, 2);
  EXPECT_STREQ(str(op(d, 1)->u.partial_replace.value.value), "n");
  PxMemFree_partial__pidf_diff(ctxt, &d);
}

TEST(PatchOps, EncodingChecksPatternsAndWritesEnumerationTexts) {
  SimpleCtx ctxt;
  partial__pidf_diff d;
  PxInit_partial__pidf_diff(ctxt, &d);
  partial__pidf_diff_2 items[3];
  for (auto& item : items) PxInit_partial__pidf_diff_2(ctxt, &item);
  items[0].partial__choice1.t = 1;
  add& a = items[0].partial__choice1.u.partial_add;
  PxInit_add(ctxt, &a);
  a.sel.value = u8("presence/tuple");
  items[1].partial__choice1.t = 3;
  remove_& r = items[1].partial__choice1.u.partial_remove;
  PxInit_remove_(ctxt, &r);
  r.sel.value = u8("presence/note[2]");
  r.ws = 7;
  r.present = 1;
  items[2].partial__choice1.t = 1;
  add& b = items[2].partial__choice1.u.partial_add;
  PxInit_add(ctxt, &b);
  b.sel.value = u8("presence");
  b.pos = 1;
  b.present = 1;
  for (auto& item : items) rtxDListAppend(ctxt, &d.partial__seq, &item);
  int st = -1;
  std::string xml = encodeDiff(ctxt, &d, &st);
  ASSERT_EQ(st, 0);
  EXPECT_NE(xml.find("<partial:add sel=\"presence/tuple\"></partial:add>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<partial:remove sel=\"presence/note[2]\" ws=\"_UNKNOWN_\"/>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<partial:add sel=\"presence\" pos=\"after\">"), std::string::npos) << xml;

  b.type.value = u8("id");
  b.present |= 2;
  rtxErrReset(ctxt);
  encodeDiff(ctxt, &d, &st);
  EXPECT_EQ(st, ST_PATTERN_MISMATCH);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_PATTERN_MISMATCH, {"type", "id"}}}));

  b.present &= ~2u;
  items[1].partial__choice1.t = 0;
  rtxErrReset(ctxt);
  encodeDiff(ctxt, &d, &st);
  EXPECT_EQ(st, ST_BAD_CHOICE);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_BAD_CHOICE, {"0"}}}));
  rtxDListFreeNodes(ctxt, &d.partial__seq);
}

TEST(PartialPidf, OperationsKeepTheirOrderAndFlagsTheirAttributes) {
  SimpleCtx ctxt;
  partial__pidf_diff d;
  std::string text = diffDoc("<p:replace sel='a'>1</p:replace><p:add sel='b'/><p:remove sel='c'/>", "");
  ASSERT_EQ(decodeDiff(ctxt, text, &d), 0);
  EXPECT_EQ(d.present, 0u);
  ASSERT_EQ(d.partial__seq.count, 3u);
  EXPECT_EQ(op(d, 0)->t, 2);
  EXPECT_EQ(op(d, 1)->t, 1);
  EXPECT_EQ(op(d, 2)->t, 3);
  int st = -1;
  std::string xml = encodeDiff(ctxt, &d, &st);
  ASSERT_EQ(st, 0);
  size_t r = xml.find("<p:replace"), a = xml.find("<p:add"), m = xml.find("<p:remove");
  EXPECT_LT(r, a);
  EXPECT_LT(a, m);
  EXPECT_NE(m, std::string::npos);
  PxMemFree_partial__pidf_diff(ctxt, &d);

  partial__pidf_diff empty;
  ASSERT_EQ(decodeDiff(ctxt, diffDoc("", " version='9' entity='pres:a@b'"), &empty), 0);
  EXPECT_EQ(empty.present, 3u);
  EXPECT_EQ(empty.partial__seq.count, 0u);
  xml = encodeDiff(ctxt, &empty, &st);
  // The root's declarations come back as they were: selectors depend on them.
  EXPECT_NE(xml.find("<p:pidf-diff xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\" xmlns=\"urn:ietf:params:xml:ns:pidf\" "
                     "version=\"9\" entity=\"pres:a@b\"></p:pidf-diff>"),
            std::string::npos)
      << xml;
  EXPECT_EQ(capturedStdout([&] { PxPrint_partial__pidf_diff("d", &empty); }),
            "d.partial_version = 9\nd.partial_entity = 'pres:a@b'\n");
  // A record built by hand (or re-initialised) has none: the document's own
  // prefixes are written.
  partial__pidf_diff fresh;
  PxInit_partial__pidf_diff(ctxt, &fresh);
  xml = encodeDiff(ctxt, &fresh, &st);
  EXPECT_NE(xml.find("<partial:pidf-diff xmlns:partial=\"urn:ietf:params:xml:ns:pidf-diff\" xmlns:tns="
                     "\"urn:ietf:params:xml:ns:pidf\"></partial:pidf-diff>"),
            std::string::npos)
      << xml;
  PxInit_partial__pidf_diff(ctxt, &empty);
  EXPECT_EQ(encodeDiff(ctxt, &empty, &st), xml);
  PxMemFree_partial__pidf_diff(ctxt, &empty);
}

TEST(PartialPidf, PrintingAnOperation) {
  SimpleCtx ctxt;
  partial__pidf_diff d;
  ASSERT_EQ(decodeDiff(ctxt, diffDoc("<p:add sel='x'/>", ""), &d), 0);
  EXPECT_EQ(capturedStdout([&] { PxPrint_partial__pidf_diff("d", &d); }),
            "d.partial__seq[0].partial__choice1.t = 1\n"
            "d.partial__seq[0].partial__choice1.u.partial_add = ''\n"
            "d.partial__seq[0].partial__choice1.u.partial_add.sel = 'x'\n");
  PxMemFree_partial__pidf_diff(ctxt, &d);
}

TEST(PartialPidf, FullDocumentEntityAndOrder) {
  SimpleCtx ctxt;
  partial__pidf_full f;
  std::string text =
      "<pidf-full xmlns='urn:ietf:params:xml:ns:pidf-diff' xmlns:t='urn:ietf:params:xml:ns:pidf' version='4'>"
      "<t:note>first</t:note><t:tuple id='late'><t:status/></t:tuple><t:note>second</t:note></pidf-full>";
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  EXPECT_EQ(PxXmlD_partial_pidf_full(ctxt, &f), ST_MISSING_ATTRIBUTE);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_MISSING_ATTRIBUTE, {"partial__pidf_full", "entity"}},
                                                          {ST_UNEXPECTED_ELEMENT, {"t:tuple"}}}));
  // Reported, and kept: the tuple out of its place too.
  EXPECT_EQ(f.base.tns_tuple.count, 1u);
  EXPECT_EQ(f.base.tns_note.count, 2u);
  EXPECT_EQ(f.present, 1u);
  EXPECT_EQ(f.partial_version, 4u);
  // Written back with the entity on the pidf-full start tag and the root's
  // own declarations, tuples first, it decodes.
  f.base.tns_entity.value = rtxUTF8Strdup(ctxt, u8("pres:e@x"));
  rtxResetOutput(ctxt);
  ASSERT_EQ(PxXmlE_partial_pidf_full(ctxt, &f), 0);
  std::string xml = rtxGetOutput(ctxt, nullptr);
  EXPECT_NE(xml.find("<pidf-full xmlns=\"urn:ietf:params:xml:ns:pidf-diff\" xmlns:t=\"urn:ietf:params:xml:ns:pidf\" "
                     "entity=\"pres:e@x\" version=\"4\"><t:tuple id=\"late\">"),
            std::string::npos)
      << xml;
  partial__pidf_full back;
  rtxSetInputBuffer(ctxt, xml.data(), xml.size());
  ASSERT_EQ(PxXmlD_partial_pidf_full(ctxt, &back), 0);
  EXPECT_EQ(capturedStdout([&] { PxPrint_partial__pidf_full("f", &back); }),
            capturedStdout([&] { PxPrint_partial__pidf_full("f", &f); }));
  PxMemFree_partial__pidf_full(ctxt, &back);
  PxMemFree_partial__pidf_full(ctxt, &f);
}

namespace {

// Every selector of a document with the namespace each name in it resolves
// to where it stands: "sel|prefix=uri|...", the default namespace as "=".
struct SelectorScopes {
  RtSaxHandler head;
  std::vector<std::string> found;
};

int recordSelectorScopes(void* hp, const OSUTF8CHAR*, const OSUTF8CHAR*, const OSUTF8CHAR* const* attrs) {
  auto* h = static_cast<SelectorScopes*>(hp);
  for (; attrs && attrs[0]; attrs += 2) {
    if (std::string(str(attrs[0])) != "sel") continue;
    std::string sel = str(attrs[1]), line = sel;
    auto resolve = [&](const std::string& prefix) {
      const OSUTF8CHAR* uri = rtXmlNSGetURI(h->head.context, u8(prefix.c_str()), prefix.size());
      line += "|" + prefix + "=" + (uri ? str(uri) : "");
    };
    resolve("");
    // Prefixes are the names before a single colon ("namespace::" is an axis).
    for (size_t colon = sel.find(':'); colon != std::string::npos; colon = sel.find(':', colon + 2)) {
      if (colon + 1 < sel.size() && sel[colon + 1] == ':') continue;
      size_t start = colon;
      while (start > 0 && (std::isalnum(static_cast<unsigned char>(sel[start - 1])) || sel[start - 1] == '_' ||
                           sel[start - 1] == '-' || sel[start - 1] == '.'))
        --start;
      resolve(sel.substr(start, colon - start));
    }
    h->found.push_back(line);
  }
  return 0;
}

std::vector<std::string> selectorScopes(RtContext* ctxt, const std::string& doc) {
  SelectorScopes h{};
  h.head.context = ctxt;
  h.head.startElement = recordSelectorScopes;
  h.head.endElement = [](void*, const OSUTF8CHAR*, const OSUTF8CHAR*) { return 0; };
  h.head.characters = [](void*, const OSUTF8CHAR*, int) { return 0; };
  EXPECT_EQ(parseWith(ctxt, doc, &h), 0);
  return h.found;
}

std::string roundTrip(RtContext* ctxt, const std::string& text) {
  partial__pidf_diff d;
  EXPECT_EQ(decodeDiff(ctxt, text, &d), 0);
  int st = -1;
  std::string xml = encodeDiff(ctxt, &d, &st);
  EXPECT_EQ(st, 0);
  PxMemFree_partial__pidf_diff(ctxt, &d);
  return xml;
}

}  // namespace

// A diff written back is a diff with the same meaning: every selector
// names the same elements in the same namespaces, and a second round trip
// changes nothing.
TEST(PartialPidf, SelectorsKeepTheirNamespacesThroughRoundTrips) {
  std::string text;
  if (!readFile(corpusDir() + "/rfc/rfc5262-ex2.xml", &text))
    GTEST_SKIP() << corpusMissing();
  SimpleCtx ctxt;
  std::string once = roundTrip(ctxt, text);
  std::string twice = roundTrip(ctxt, once);
  EXPECT_EQ(twice, once);
  auto before = selectorScopes(ctxt, text);
  EXPECT_EQ(before.size(), 4u);
  EXPECT_EQ(selectorScopes(ctxt, once), before);
  // Also when the selectors rely on prefixes declared inside the diff.
  std::string inner = "<d:pidf-diff xmlns:d='urn:ietf:params:xml:ns:pidf-diff'>"
                      "<d:remove xmlns:q='urn:ietf:params:xml:ns:pidf' sel='q:presence/q:note'/></d:pidf-diff>";
  once = roundTrip(ctxt, inner);
  EXPECT_EQ(selectorScopes(ctxt, once), selectorScopes(ctxt, inner)) << once;
  // An operation that gives the prefix its diff's element was written with
  // another namespace: the operation is written under a prefix still meaning
  // the diff's namespace.
  inner = "<d:pidf-diff xmlns:e='urn:ietf:params:xml:ns:pidf-diff' xmlns:d='urn:ietf:params:xml:ns:pidf-diff'>"
          "<e:remove xmlns:d='urn:ietf:params:xml:ns:pidf' sel='d:presence/d:note'/></d:pidf-diff>";
  once = roundTrip(ctxt, inner);
  EXPECT_EQ(roundTrip(ctxt, once), once);
  EXPECT_EQ(selectorScopes(ctxt, once), selectorScopes(ctxt, inner)) << once;
  // A root of many declarations, with operations that rebind one of its
  // prefixes, one after another at the same place, and declare a default
  // namespace of their own, between operations that use the root's.
  inner = "<d:pidf-diff xmlns:d='urn:ietf:params:xml:ns:pidf-diff' xmlns='urn:ietf:params:xml:ns:pidf'";
  for (int i = 0; i < 20; ++i) inner += " xmlns:p" + std::to_string(i) + "='urn:x" + std::to_string(i) + "'";
  inner += "><d:remove sel='p3:a/p4:b'/>"
           "<d:remove xmlns:p3='urn:inner' xmlns:n='urn:n' sel='p3:a/n:b'/>"
           "<d:remove sel='p3:a/tuple'/>"
           "<d:replace xmlns:p3='urn:other' sel='p3:c/p19:d'>v</d:replace>"
           "<d:add xmlns='urn:def' sel='p5:a/e'><x/></d:add>"
           "<d:remove sel='p3:a/e'/></d:pidf-diff>";
  once = roundTrip(ctxt, inner);
  EXPECT_EQ(roundTrip(ctxt, once), once);
  EXPECT_EQ(selectorScopes(ctxt, once), selectorScopes(ctxt, inner)) << once;
}
