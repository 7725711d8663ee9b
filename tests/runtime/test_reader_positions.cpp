// Where error entries say they happened in the document: the failing byte
// of a malformed document, the event being handled for errors that handlers
// record, nothing for errors recorded outside a parse; and how the printed
// error list shows it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader_events.h"
#include "rt_fixture.h"
#include "xml/line_counter.h"

using pxrt::ReaderBackend;
using pxtest::readWith;

namespace {

struct Place {
  const char* what;
  std::string doc;
  int line, column;
};

// Lines end at LF, CR LF and a lone CR; columns count characters.
const Place kMalformed[] = {
    {"end tag on line 3", "<a>\n  <b>\n    <c></b>\n</a>", 3, 8},
    {"reference after CR LF line ends", "<a>\r\n<b>\r\n&bad;</b></a>", 3, 1},
    {"control character after lone CRs", "<a>\r<b>\r\r x\x01</b></a>", 4, 3},
    {"columns count characters, not bytes", "<a>\n<b>\xC3\xA9\xC3\xA9\xE2\x82\xAC&#0;</b></a>", 2, 7},
    {"a tab is one column", "<a>\n\t<b x='1' x='2'/></a>", 2, 11},
    {"the end of the document", "<a>\n<b/>\n", 3, 1},
    {"invalid UTF-8 after multi-byte text", "<a>\r\n\xE4\xB8\xAD\xE6\x96\x87\xFF</a>", 2, 3},
    {"mixed line ends", "<a>\n\r\n\r<b>\n</c>", 5, 1},
    {"the start of the document", "\xFF<a/>", 1, 1},
    {"the declared encoding", "<?xml version='1.0' encoding='latin1'?>\n<a/>", 1, 1},
    {"an element too deep", "<a>\n" + std::string(300, ' ') + "\n" + [] {
       std::string s;
       for (int i = 0; i < 300; ++i) s += "<e>";
       return s;
     }(), 3, 766},
};

class MalformedPlaces : public ::testing::TestWithParam<Place> {};

TEST_P(MalformedPlaces, TheOwnReaderNamesTheFailingByte) {
  pxtest::Ctx ctxt;
  pxtest::Reading r = readWith(ctxt, GetParam().doc, ReaderBackend::Own);
  ASSERT_NE(r.status, 0);
  EXPECT_EQ(r.line, GetParam().line) << r.reason;
  EXPECT_EQ(r.column, GetParam().column) << r.reason;
  if (pxrt::expatBackendAvailable()) {
    pxtest::Reading e = readWith(ctxt, GetParam().doc, ReaderBackend::Expat);
    EXPECT_GE(e.line, 1);  // expat's place is its token's; on the same line here
    EXPECT_EQ(e.line, GetParam().line) << e.reason;
  }
}

INSTANTIATE_TEST_SUITE_P(Documents, MalformedPlaces, ::testing::ValuesIn(kMalformed),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

// A handler that records an error at chosen events, as decoders do.
struct Complainer {
  RtSaxHandler head;
};

int complainStart(void* h, const OSUTF8CHAR* local, const OSUTF8CHAR*, const OSUTF8CHAR* const*) {
  RtContext* ctxt = static_cast<Complainer*>(h)->head.context;
  if (std::string(pxtest::str(local)) == "bad") {
    rtxErrAddStrParm(ctxt, "start");
    rtxErrSetNewData(ctxt, ST_ELEMENT_NOT_EXPECTED, "test", 1);
  }
  return 0;
}

int complainEnd(void* h, const OSUTF8CHAR* local, const OSUTF8CHAR*) {
  RtContext* ctxt = static_cast<Complainer*>(h)->head.context;
  if (std::string(pxtest::str(local)) == "bad") {
    rtxErrAddStrParm(ctxt, "end");
    rtxErrSetNewData(ctxt, ST_BAD_CONTENT, "test", 2);
    rtxErrSetData(ctxt, ST_BAD_CONTENT, "test", 3);  // passed on: still one entry, one place
  }
  return 0;
}

int complainText(void* h, const OSUTF8CHAR* text, int len) {
  RtContext* ctxt = static_cast<Complainer*>(h)->head.context;
  if (std::string(pxtest::str(text), static_cast<size_t>(len)).find('!') != std::string::npos) {
    rtxErrAddStrParm(ctxt, "text");
    rtxErrSetNewData(ctxt, ST_BAD_VALUE, "test", 4);
  }
  return 0;
}

std::vector<std::vector<int>> complaints(RtContext* ctxt, const std::string& doc, ReaderBackend backend) {
  EXPECT_EQ(pxrt::selectReaderBackend(ctxt, backend), 0);
  rtxErrReset(ctxt);
  Complainer c{};
  c.head.context = ctxt;
  rtxSetInputBuffer(ctxt, doc.data(), doc.size());
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &c, complainStart, complainEnd, complainText);
  EXPECT_EQ(rtSaxCParse(reader), 0);
  rtSaxCReleaseReader(reader);
  std::vector<std::vector<int>> out;
  for (int e = 0; e < rtxErrGetCount(ctxt); ++e)
    out.push_back({rtxErrGetStatus(ctxt, e), rtxErrGetLine(ctxt, e), rtxErrGetColumn(ctxt, e)});
  return out;
}

TEST(HandlerErrorPlaces, AreTheEventsBeingHandledWithBothBackEnds) {
  const std::string doc =
      "<?xml version='1.0'?>\r\n"
      "<r>\r\n"
      "  <ok/><bad a='1'>\r\n"
      "    <x/>\xC3\xA9<t>hi!</t>\r\n"
      "  </bad>\r\n"
      "</r>\r\n";
  const std::vector<std::vector<int>> expected = {
      {ST_ELEMENT_NOT_EXPECTED, 3, 8},  // <bad ...>
      {ST_BAD_VALUE, 4, 13},            // the text "hi!"
      {ST_BAD_CONTENT, 5, 3},           // </bad>
  };
  pxtest::Ctx ctxt;
  EXPECT_EQ(complaints(ctxt, doc, ReaderBackend::Own), expected);
  if (pxrt::expatBackendAvailable()) {
    EXPECT_EQ(complaints(ctxt, doc, ReaderBackend::Expat), expected);
  }
  // Text runs rewritten for a reference keep the place of the run's start.
  const std::string refs = "<r>\n <t>a&amp;b!</t></r>";
  EXPECT_EQ(complaints(ctxt, refs, ReaderBackend::Own), (std::vector<std::vector<int>>{{ST_BAD_VALUE, 2, 5}}));
}

TEST(HandlerErrorPlaces, EntriesRecordedOutsideAParseHaveNone) {
  pxtest::Ctx ctxt;
  rtxErrSetNewData(ctxt, ST_BAD_VALUE, "before", 1);
  const std::string doc = "<a>\n<b/></a>";
  rtxSetInputBuffer(ctxt, doc.data(), doc.size());
  Complainer c{};
  c.head.context = ctxt;
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &c, complainStart, complainEnd, complainText);
  ASSERT_EQ(rtSaxCParse(reader), 0);
  rtSaxCReleaseReader(reader);
  rtxErrSetNewData(ctxt, ST_BAD_VALUE, "after", 2);
  ASSERT_EQ(rtxErrGetCount(ctxt), 2);
  for (int e = 0; e < 2; ++e) {
    EXPECT_EQ(rtxErrGetLine(ctxt, e), 0);
    EXPECT_EQ(rtxErrGetColumn(ctxt, e), 0);
  }
  EXPECT_EQ(rtxErrGetLine(ctxt, 7), 0);  // no such entry
  EXPECT_EQ(rtxErrGetLine(nullptr, 0), 0);
}

TEST(HandlerErrorPlaces, ThePrintedListLeadsWithThePlace) {
  pxtest::Ctx ctxt;
  const std::string doc = "<a>\n  <b></c>\n</a>";
  pxtest::Reading r = readWith(ctxt, doc, ReaderBackend::Own);
  ASSERT_EQ(r.status, ST_XML_MALFORMED);
  rtxErrSetNewData(ctxt, ST_BAD_VALUE, "after.c", 9);
  std::string text(rtxErrFormat(ctxt, nullptr, 0) + 1, '\0');
  text.resize(rtxErrFormat(ctxt, text.data(), text.size()));
  const std::string first = "line 2, column 6: ST_XML_MALFORMED (-6): ";
  EXPECT_EQ(text.substr(0, first.size()), first) << text;
  EXPECT_NE(text.find("\"end tag </c> does not match start tag <b>\""), std::string::npos) << text;
  EXPECT_NE(text.find("\nST_BAD_VALUE (-12): "), std::string::npos) << text;  // no place: no prefix
}

}  // namespace

namespace {

// The counter answers in any order: forward from its last answer, from the
// start again when asked for an earlier place.
TEST(LineCounter, AnswersInAnyOrder) {
  const std::string doc = "ab\ncd\r\nef\rg\xC3\xA9h\r\r\n\n";
  struct Q {
    size_t offset;
    uint32_t line, column;
  };
  const Q order[] = {{0, 1, 1},  {4, 2, 2},  {7, 3, 1}, {5, 2, 3},  {10, 4, 1}, {13, 4, 3},
                     {14, 4, 4}, {1, 1, 2},  {15, 5, 1}, {17, 6, 1}, {9, 3, 3},  {18, 7, 1}, {99, 7, 1}};
  pxrt::xml::LineCounter counter;
  counter.reset(doc.data(), doc.size());
  for (const Q& q : order) {
    uint32_t line = 0, column = 0;
    counter.locate(q.offset, &line, &column);
    EXPECT_EQ(line, q.line) << "offset " << q.offset;
    EXPECT_EQ(column, q.column) << "offset " << q.offset;
  }
}

}  // namespace
