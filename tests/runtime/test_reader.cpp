// The reader: events delivered to handlers, the skip rule with nested
// handlers, feeding in small chunks, and refusal of hostile or broken input
// (malformed XML, DOCTYPE, nesting depth, invalid UTF-8, size).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sax_recorder.h"

using pxtest::Context;
using pxtest::parseWith;
using pxtest::Recorder;
using pxtest::recInit;

namespace {

const char* kNestedDoc =
    "<root><a/><child><x/><bad><deep>in</deep>text</bad><y>why</y></child><z/></root>";

std::vector<std::string> runNested(RtContext* ctxt, int* status, size_t chunk = 0) {
  std::vector<std::string> log;
  Recorder root, child;
  recInit(&root, ctxt, &log, "root");
  recInit(&child, ctxt, &log, "child");
  root.nested = &child;
  root.nestedFor = "child";
  child.refuse = "bad";
  rtSaxSetChunkSize(ctxt, chunk);
  *status = parseWith(ctxt, kNestedDoc, &root);
  EXPECT_EQ(root.head.level, 0);
  EXPECT_EQ(child.head.level, 0);
  return log;
}

}  // namespace

TEST(Reader, RefusedChildIsDroppedWholeAndEveryLevelStaysConsistent) {
  Context ctxt;
  int status = 1;
  std::vector<std::string> log = runNested(ctxt, &status);
  EXPECT_EQ(status, 0);
  std::vector<std::string> expected = {
      "root:own<root", "root:<a",      "root:>a",       "child:own<child", "child:<x", "child:>x",
      "child:refuse<bad", "child:<y",  "child:'why",    "child:>y",        "child:own>child",
      "root:<z",       "root:>z",      "root:own>root"};
  EXPECT_EQ(log, expected);
}

TEST(Reader, ChunkedInputGivesTheSameEvents) {
  Context ctxt;
  int status = 0;
  std::vector<std::string> whole = runNested(ctxt, &status);
  for (size_t chunk = 1; chunk <= 5; ++chunk) {
    std::vector<std::string> pieces = runNested(ctxt, &status, chunk);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(pieces, whole) << "chunk size " << chunk;
  }
}

TEST(Reader, SkipAskedInContentDropsTheRestButKeepsTheEndTag) {
  Context ctxt;
  std::vector<std::string> log;
  Recorder root;
  recInit(&root, ctxt, &log, "r");
  root.skipOnText = "boom";
  int st = parseWith(ctxt, "<r><e>boom<inner/>after</e><f>kept</f></r>", &root);
  EXPECT_EQ(st, 0);
  std::vector<std::string> expected = {"r:own<r", "r:<e", "r:'boom", "r:>e", "r:<f", "r:'kept", "r:>f", "r:own>r"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(root.head.level, 0);
}

namespace {

// A handler that closes the text gate inside <g> (by its start and end
// tags, as the decoders do for element content) and logs the text it gets.
struct GatedText {
  RtSaxHandler head;
  unsigned char gate = 0;
  std::string text;
};

int gatedStart(void* h, const OSUTF8CHAR* local, const OSUTF8CHAR*, const OSUTF8CHAR* const*) {
  auto* g = static_cast<GatedText*>(h);
  g->gate = std::string(pxtest::s(local)) == "g";
  return 0;
}
int gatedEnd(void* h, const OSUTF8CHAR*, const OSUTF8CHAR*) {
  static_cast<GatedText*>(h)->gate = 0;
  return 0;
}
int gatedChars(void* h, const OSUTF8CHAR* text, int len) {
  static_cast<GatedText*>(h)->text.append(pxtest::s(text), static_cast<size_t>(len));
  return 0;
}

}  // namespace

TEST(Reader, TextGateHidesTextButNotItsFaults) {
  Context ctxt;
  struct Row {
    std::string doc;
    int status;
    std::string text;
  } rows[] = {
      {"<r>a<g>hidden&amp;<![CDATA[cd]]>\r\n</g>b<x>c</x>d</r>", 0, "abcd"},
      {"<r><g>fine &undefined;</g></r>", ST_XML_MALFORMED, ""},
      {"<r><g>\x01</g></r>", ST_XML_MALFORMED, ""},
      {"<r><g>\xC3</g></r>", ST_XML_MALFORMED, ""},
      {"<r><g>]]></g></r>", ST_XML_MALFORMED, ""},
  };
  for (const Row& row : rows) {
    for (size_t chunk : {0, 3}) {
      GatedText g{};
      g.head.context = ctxt;
      rtxSetInputBuffer(ctxt, row.doc.data(), row.doc.size());
      rtSaxSetChunkSize(ctxt, chunk);
      RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &g, gatedStart, gatedEnd, gatedChars);
      ASSERT_NE(reader, nullptr);
      rtSaxCSetTextGate(reader, &g.gate);
      EXPECT_EQ(rtSaxCParse(reader), row.status) << row.doc;
      rtSaxCReleaseReader(reader);
      rtxErrReset(ctxt);
      if (row.status == 0) {
        EXPECT_EQ(g.text, row.text) << row.doc << ", chunk " << chunk;
      }
    }
  }
}

TEST(Reader, ReaderIsReusedForManyDocumentsOnOneContext) {
  Context ctxt;
  for (int i = 0; i < 50; ++i) {
    int st = 0;
    std::string doc = "<d xmlns=\"urn:d\" n=\"" + std::to_string(i) + "\"/>";
    EXPECT_EQ(pxtest::captureDocument(ctxt, doc, &st), doc);
    EXPECT_EQ(st, 0);
  }
}

struct BadInput {
  const char* name;
  std::string doc;
  int status;
};

class ReaderRefuses : public ::testing::TestWithParam<BadInput> {};

TEST_P(ReaderRefuses, WithAnErrorEntryAndNoCrash) {
  Context ctxt;
  int st = 0;
  pxtest::captureDocument(ctxt, GetParam().doc, &st);
  EXPECT_EQ(st, GetParam().status);
  ASSERT_GE(rtxErrGetCount(ctxt), 1);
  EXPECT_EQ(rtxErrGetStatus(ctxt, 0), GetParam().status);
  EXPECT_EQ(rtxErrGetFirstError(ctxt), GetParam().status);
  // A reason a person can act on, and the place in the document.
  EXPECT_EQ(rtxErrGetParmCount(ctxt, 0), 1);
  EXPECT_GE(rtxErrGetLine(ctxt, 0), 1);
  EXPECT_GE(rtxErrGetColumn(ctxt, 0), 1);
}

std::string nested(int depth) {
  std::string doc;
  for (int i = 0; i < depth; ++i) doc += "<e>";
  for (int i = 0; i < depth; ++i) doc += "</e>";
  return doc;
}

const std::string kLaughs =
    "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\"><!ENTITY lol2 \"&lol;&lol;&lol;&lol;\">"
    "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;\">]><lolz>&lol3;</lolz>";

INSTANTIATE_TEST_SUITE_P(
    Hostile, ReaderRefuses,
    ::testing::Values(BadInput{"mismatched", "<a><b></a>", ST_XML_MALFORMED},
                      BadInput{"unclosed", "<a><b>", ST_XML_MALFORMED},
                      BadInput{"empty", "", ST_XML_MALFORMED},
                      BadInput{"two_roots", "<a/><b/>", ST_XML_MALFORMED},
                      BadInput{"undefined_entity", "<a>&nope;</a>", ST_XML_MALFORMED},
                      BadInput{"doubled_quote", "<a b=\"x\"\"/>", ST_XML_MALFORMED},
                      BadInput{"doctype", "<!DOCTYPE a><a/>", ST_DOCTYPE_REFUSED},
                      BadInput{"entity_expansion", kLaughs, ST_DOCTYPE_REFUSED},
                      BadInput{"external_entity",
                               "<!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><a>&x;</a>",
                               ST_DOCTYPE_REFUSED},
                      BadInput{"invalid_utf8", std::string("<a>\xff\xfe</a>"), ST_XML_MALFORMED},
                      BadInput{"overlong_utf8", std::string("<a>\xc0\xaf</a>"), ST_XML_MALFORMED},
                      BadInput{"latin1_declared", std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xe9</a>"),
                               ST_UNSUPPORTED_ENCODING},
                      BadInput{"nul_byte", std::string("<a>x\0y</a>", 10), ST_XML_MALFORMED},
                      BadInput{"too_deep", nested(300), ST_TOO_DEEP}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Reader, DepthAndSizeLimitsAreSettable) {
  Context ctxt;
  int st = 0;
  ASSERT_EQ(rtxSetLimit(ctxt, RT_LIMIT_DEPTH, 1000), 0);
  pxtest::captureDocument(ctxt, nested(300), &st);
  EXPECT_EQ(st, 0);
  pxtest::captureDocument(ctxt, nested(1001), &st);
  EXPECT_EQ(st, ST_TOO_DEEP);

  rtxErrReset(ctxt);
  ASSERT_EQ(rtxSetLimit(ctxt, RT_LIMIT_DOCUMENT_SIZE, 16), 0);
  pxtest::captureDocument(ctxt, "<a>0123456789abcdef</a>", &st);
  EXPECT_EQ(st, ST_TOO_LARGE);
  EXPECT_EQ(rtxErrGetStatus(ctxt, 0), ST_TOO_LARGE);
  pxtest::captureDocument(ctxt, "<a>short</a>", &st);
  EXPECT_EQ(st, 0);
}

TEST(Reader, NoDocumentAndMissingFileAreReported) {
  Context ctxt;
  RtSaxAnyHandler any;
  RtXmlString text{0, nullptr};
  SAXAnyInit(ctxt, &any, &text, 0);
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &any, SAXAnyStartElement, SAXAnyEndElement, SAXAnyCharacters);
  ASSERT_NE(reader, nullptr);
  // One reader per context at a time.
  EXPECT_EQ(rtSaxCCreateXmlReader(ctxt, &any, SAXAnyStartElement, SAXAnyEndElement, SAXAnyCharacters), nullptr);
  EXPECT_EQ(rtSaxCParse(reader), ST_NO_INPUT);
  rtSaxCReleaseReader(reader);

  EXPECT_EQ(rtxSetInputFile(ctxt, "/nonexistent/presence.xml"), ST_IO);
  EXPECT_STREQ(rtxErrGetParm(ctxt, 1, 0), "/nonexistent/presence.xml");
}

TEST(SimpleTypeHandler, CollectsTextChecksTheNameAndRefusesChildren) {
  Context ctxt;
  RtSaxSimpleTypeHandler h;
  ASSERT_EQ(SAXSimpleTypeInit(ctxt, &h, reinterpret_cast<const OSUTF8CHAR*>("display-name")), 0);
  EXPECT_EQ(parseWith(ctxt, "<c:display-name xmlns:c='urn:c'> Alice &amp; <!-- x -->Bob </c:display-name>", &h), 0);
  EXPECT_EQ(std::string(pxtest::s(ctxt.ctxt->input.data), ctxt.ctxt->input.size), " Alice & Bob ");
  EXPECT_EQ(rtxErrGetCount(ctxt), 0);

  ASSERT_EQ(SAXSimpleTypeInit(ctxt, &h, reinterpret_cast<const OSUTF8CHAR*>("card")), 0);
  EXPECT_EQ(parseWith(ctxt, "<icon>a<b>lost</b>c</icon>", &h), 0);
  EXPECT_EQ(std::string(pxtest::s(ctxt.ctxt->input.data), ctxt.ctxt->input.size), "ac");
  ASSERT_EQ(rtxErrGetCount(ctxt), 2);
  EXPECT_EQ(rtxErrGetStatus(ctxt, 0), ST_NAME_MISMATCH);
  EXPECT_STREQ(rtxErrGetParm(ctxt, 0, 0), "card");
  EXPECT_STREQ(rtxErrGetParm(ctxt, 0, 1), "icon");
  EXPECT_EQ(rtxErrGetStatus(ctxt, 1), ST_UNEXPECTED_ELEMENT);
  EXPECT_STREQ(rtxErrGetParm(ctxt, 1, 0), "b");
}
