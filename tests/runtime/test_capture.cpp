// The any handler: a captured element is XML text that stands on its own
// (the declarations it relies on are written on it), reads back to the same
// text, and content captures (level -1) keep text and markup in order.
// Inside a parse the markup is the document's own, copied as written
// (quotes, references, CDATA sections, line ends), the declarations added
// after the root's name.
#include <gtest/gtest.h>

#include <string>

#include "sax_recorder.h"

using pxtest::Context;

namespace {

// A root handler that hands one child element (by local name) to the any
// handler, the way the library's handlers keep foreign elements.
struct Capturer {
  RtSaxHandler head;
  std::string target;
  int anyLevel = 0;
  RtSaxAnyHandler any;
  RtXmlString text{0, nullptr};
  bool active = false;
};

int capStart(void* hp, const OSUTF8CHAR* local, const OSUTF8CHAR* q, const OSUTF8CHAR* const* attrs) {
  auto* c = static_cast<Capturer*>(hp);
  if (c->head.level == 1 && c->target == pxtest::s(local)) {
    SAXAnyInit(c->head.context, &c->any, &c->text, c->anyLevel);
    c->active = true;
    if (c->anyLevel == 0) SAXAnyStartElement(&c->any, local, q, attrs);
  } else if (c->active) {
    SAXAnyStartElement(&c->any, local, q, attrs);
  }
  c->head.level++;
  return 0;
}

int capEnd(void* hp, const OSUTF8CHAR* local, const OSUTF8CHAR* q) {
  auto* c = static_cast<Capturer*>(hp);
  c->head.level--;
  if (c->active) {
    SAXAnyEndElement(&c->any, local, q);
    if (c->head.level == 1) c->active = false;
  }
  return 0;
}

int capChars(void* hp, const OSUTF8CHAR* text, int len) {
  auto* c = static_cast<Capturer*>(hp);
  if (c->active) SAXAnyCharacters(&c->any, text, len);
  return 0;
}

std::string capture(RtContext* ctxt, const std::string& doc, const std::string& target, int level = 0) {
  Capturer c;
  std::memset(&c.head, 0, sizeof c.head);
  c.head.startElement = capStart;
  c.head.endElement = capEnd;
  c.head.characters = capChars;
  c.head.context = ctxt;
  c.target = target;
  c.anyLevel = level;
  EXPECT_EQ(pxtest::parseWith(ctxt, doc, &c), 0);
  return c.text.value ? pxtest::s(c.text.value) : "<none>";
}

}  // namespace

struct CaptureCase {
  const char* name;
  std::string doc;
  std::string target;
  std::string expected;
};

class Capture : public ::testing::TestWithParam<CaptureCase> {};

TEST_P(Capture, IsSelfContainedAndReadsBackToTheSameText) {
  Context ctxt;
  const CaptureCase& c = GetParam();
  std::string captured = capture(ctxt, c.doc, c.target);
  EXPECT_EQ(captured, c.expected);
  // With a diagnostic hook every event inside the element reaches the
  // handlers; without one the reader passes over them and only tells the
  // capture the prefixes used there. Both must declare the same.
  rtSaxSetDiagHook(ctxt, [](void*, const char*, const OSUTF8CHAR*, OSBOOL) {}, nullptr);
  EXPECT_EQ(capture(ctxt, c.doc, c.target), captured);
  rtSaxSetDiagHook(ctxt, nullptr, nullptr);
  // Standalone, the captured text is a document of its own that captures to
  // itself: nothing it needs was left behind.
  int st = 1;
  EXPECT_EQ(pxtest::captureDocument(ctxt, captured, &st), captured);
  EXPECT_EQ(st, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, Capture,
    ::testing::Values(
        CaptureCase{"prefixes_declared_outside",
                    "<p:root xmlns:p='urn:p' xmlns='urn:d' xmlns:q='urn:q'><p:item q:attr='1' plain='2'>"
                    "<sub>t &amp; &lt; &gt; \"</sub><r:x xmlns:r='urn:r'/></p:item></p:root>",
                    "item",
                    "<p:item xmlns:p=\"urn:p\" xmlns:q=\"urn:q\" xmlns=\"urn:d\" q:attr='1' plain='2'>"
                    "<sub>t &amp; &lt; &gt; \"</sub><r:x xmlns:r='urn:r'/></p:item>"},
        CaptureCase{"own_declarations_only",
                    "<root xmlns='urn:d'><r:mood xmlns:r='urn:r'><r:happy/></r:mood></root>", "mood",
                    "<r:mood xmlns:r='urn:r'><r:happy/></r:mood>"},
        CaptureCase{"unused_declarations_dropped",
                    "<root xmlns='urn:d' xmlns:a='urn:a' xmlns:b='urn:b'><b:x>1</b:x></root>", "x",
                    "<b:x xmlns:b=\"urn:b\">1</b:x>"},
        CaptureCase{"no_namespace_element", "<root><foo k='v'>x</foo></root>", "foo",
                    "<foo xmlns=\"\" k='v'>x</foo>"},
        CaptureCase{"attribute_escapes",
                    "<root xmlns:l='urn:l'><l:loc v='a&#9;b&#10;c&#13;d&quot;e&lt;'>line1\r\nline2&#13;</l:loc></root>",
                    "loc",
                    "<l:loc xmlns:l=\"urn:l\" v='a&#9;b&#10;c&#13;d&quot;e&lt;'>line1\r\nline2&#13;</l:loc>"},
        CaptureCase{"redeclared_inside",
                    "<root xmlns:a='urn:outer'><a:x><a:y xmlns:a='urn:inner'/><a:z/></a:x></root>", "x",
                    "<a:x xmlns:a=\"urn:outer\"><a:y xmlns:a='urn:inner'/><a:z/></a:x>"},
        CaptureCase{"inner_prefixes_and_defaults",
                    "<root xmlns:p='urn:p' xmlns:q='urn:q' xmlns:s='urn:s'><p:x><y q:a='1' xml:lang='en'/>"
                    "<p:y xmlns='urn:i'><z s:b=''/></p:y><t:w xmlns:t='urn:t'><t:v/></t:w></p:x></root>",
                    "x",
                    "<p:x xmlns=\"\" xmlns:p=\"urn:p\" xmlns:q=\"urn:q\" xmlns:s=\"urn:s\"><y q:a='1' xml:lang='en'/>"
                    "<p:y xmlns='urn:i'><z s:b=''/></p:y><t:w xmlns:t='urn:t'><t:v/></t:w></p:x>"},
        CaptureCase{"cdata_kept", "<root><x><![CDATA[<b>&]]></x></root>", "x",
                    "<x xmlns=\"\"><![CDATA[<b>&]]></x>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CaptureContent, LevelMinusOneKeepsTextAndEveryChildInOrder) {
  Context ctxt;
  std::string doc =
      "<d:diff xmlns:d='urn:diff' xmlns='urn:pidf'><d:add sel='x'>lead <tuple id='t'><status/></tuple>"
      " tail <a:b xmlns:a='urn:a'>c</a:b></d:add></d:diff>";
  EXPECT_EQ(capture(ctxt, doc, "add", -1),
            "lead <tuple xmlns=\"urn:pidf\" id='t'><status/></tuple> tail <a:b xmlns:a='urn:a'>c</a:b>");
}

TEST(CaptureContent, EmptyContentCapturesTheEmptyText) {
  Context ctxt;
  EXPECT_EQ(capture(ctxt, "<d><add sel='x'></add></d>", "add", -1), "");
}

TEST(CaptureContent, ChunkedInputCapturesTheSameText) {
  Context ctxt;
  std::string doc = "<p:root xmlns:p='urn:p'><p:item a='1'>some &amp; text<p:in/></p:item></p:root>";
  std::string whole = capture(ctxt, doc, "item");
  for (size_t chunk = 1; chunk <= 5; ++chunk) {
    rtSaxSetChunkSize(ctxt, chunk);
    EXPECT_EQ(capture(ctxt, doc, "item"), whole);
  }
}

// Driven outside a parse (no document to copy from), the handler writes the
// markup from the events: escaped, in double quotes, empty elements short.
TEST(CaptureContent, OutsideAParseTheMarkupIsWrittenFromTheEvents) {
  Context ctxt;
  RtSaxAnyHandler any;
  RtXmlString text{0, nullptr};
  auto u = [](const char* s) { return reinterpret_cast<const OSUTF8CHAR*>(s); };
  const OSUTF8CHAR* attrs[] = {u("k"), u("a\"<&\tb"), nullptr};
  SAXAnyInit(ctxt, &any, &text, 0);
  SAXAnyStartElement(&any, u("x"), u("x"), attrs);
  SAXAnyCharacters(&any, u("1 < 2\r"), 6);
  SAXAnyStartElement(&any, u("y"), u("y"), nullptr);
  SAXAnyEndElement(&any, u("y"), u("y"));
  SAXAnyEndElement(&any, u("x"), u("x"));
  ASSERT_NE(text.value, nullptr);
  EXPECT_STREQ(pxtest::s(text.value), "<x xmlns=\"\" k=\"a&quot;&lt;&amp;&#9;b\">1 &lt; 2&#13;<y/></x>");
}
