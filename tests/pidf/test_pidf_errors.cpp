// PIDF failure cases: the statuses, parameters (in order) and position
// chains that decoders, validators and encoders record.
#include <gtest/gtest.h>

#include "pidf/pidf_support.h"

using namespace pxtest;

namespace {

const char* kHead = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='pres:a@b'>";

std::string doc(const std::string& body) { return std::string(kHead) + body + "</presence>"; }

std::vector<StatusParams> decodeErrors(const std::string& text, int* status, tns_presence* out = nullptr) {
  SimpleCtx ctxt;
  tns_presence local;
  tns_presence* p = out ? out : &local;
  *status = decodePresence(ctxt, text, p);
  auto errs = statusParams(ctxt);
  if (!out) PxMemFree_tns_presence(ctxt, p);
  return errs;
}

std::vector<StatusParams> validateErrors(const std::string& text, int* status) {
  SimpleCtx ctxt;
  *status = validatePresence(ctxt, text);
  return statusParams(ctxt);
}

}  // namespace

TEST(PidfErrors, WrongDocumentElementIsReportedAndReadingGoesOn) {
  int st = 0;
  auto errs = decodeErrors("<watcherinfo xmlns='urn:ietf:params:xml:ns:watcherinfo' entity='x'>"
                           "<note xmlns='urn:ietf:params:xml:ns:pidf'>kept</note></watcherinfo>",
                           &st);
  EXPECT_EQ(st, ST_NAME_MISMATCH);
  ASSERT_GE(errs.size(), 1u);
  EXPECT_EQ(errs[0], StatusParams(ST_NAME_MISMATCH, {"presence", "watcherinfo"}));
}

// Names that resemble declared attributes are not them: a prefix makes
// another attribute, and xml:lang is only ever written with its prefix.
TEST(PidfErrors, AttributesAreKnownByTheirWholeNames) {
  struct Row {
    std::string body;
    std::vector<StatusParams> errors;
  } rows[] = {
      {"<note lang='en'>n</note>", {{ST_UNKNOWN_ATTRIBUTE, {"tns_note", "lang"}}}},
      {"<note xml:lan='en' xml:lang='en'>n</note>", {{ST_UNKNOWN_ATTRIBUTE, {"tns_note", "xml:lan"}}}},
      {"<tuple xmlns:r='urn:r' r:id='a' id='t'><status/></tuple>", {{ST_UNKNOWN_ATTRIBUTE, {"tns_tuple", "r:id"}}}},
      {"<tuple xml:id='a' id='t'><status/></tuple>", {{ST_UNKNOWN_ATTRIBUTE, {"tns_tuple", "xml:id"}}}},
      {"<tuple i='a' id='t'><status/></tuple>", {{ST_UNKNOWN_ATTRIBUTE, {"tns_tuple", "i"}}}},
      {"<tuple idx='a'><status/></tuple>",
       {{ST_UNKNOWN_ATTRIBUTE, {"tns_tuple", "idx"}}, {ST_MISSING_ATTRIBUTE, {"tns_tuple", "id"}}}},
      // Declarations the reader takes and binds may still be refused here.
      {"<tuple xmlns:='urn:x' id='t'><status/></tuple>",
       {{ST_BAD_NAMESPACE, {"xmlns:"}}, {ST_BAD_ATTRIBUTE_VALUE, {"tns_tuple", "xmlns:"}}}},
      {"<tuple xmlns:xmlns='urn:x' id='t'><status/></tuple>",
       {{ST_BAD_NAMESPACE, {"xmlns:xmlns", "urn:x"}}, {ST_BAD_ATTRIBUTE_VALUE, {"tns_tuple", "xmlns:xmlns"}}}},
  };
  for (const Row& row : rows) {
    int st = 0;
    EXPECT_EQ(decodeErrors(doc(row.body), &st), row.errors) << row.body;
    EXPECT_EQ(st, row.errors[0].first) << row.body;
  }
}

TEST(PidfErrors, UndeclaredAttributeOnTupleFailsTheDocumentButEverythingIsDecoded) {
  SimpleCtx ctxt;
  tns_presence p;
  std::string text = doc("<tuple id='t1' callstatus='busy' xmlns:r='urn:r' xsi:type='x' "
                         "xmlns:xsi='http://www.w3.org/2001/XMLSchema-instance'>"
                         "<status><basic>closed</basic></status></tuple>");
  EXPECT_EQ(decodePresence(ctxt, text, &p), ST_UNKNOWN_ATTRIBUTE);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_UNKNOWN_ATTRIBUTE, {"tns_tuple", "callstatus"}}}));
  auto* t = static_cast<tns_tuple*>(p.tns_tuple.head->data);
  EXPECT_STREQ(str(t->tns_id.value), "t1");
  EXPECT_EQ(t->tns_status.tns_basic, 1);
  PxMemFree_tns_presence(ctxt, &p);
}

TEST(PidfErrors, MissingRequiredAttributesAreReportedWithTypeAndName) {
  int st = 0;
  auto errs = decodeErrors("<presence xmlns='urn:ietf:params:xml:ns:pidf'><tuple><status/></tuple></presence>", &st);
  EXPECT_EQ(st, ST_MISSING_ATTRIBUTE);
  EXPECT_EQ(errs, (std::vector<StatusParams>{{ST_MISSING_ATTRIBUTE, {"tns_presence", "entity"}},
                                            {ST_MISSING_ATTRIBUTE, {"tns_tuple", "id"}}}));
  auto verrs = validateErrors("<presence xmlns='urn:ietf:params:xml:ns:pidf'><tuple><status/></tuple></presence>", &st);
  EXPECT_EQ(verrs, errs);
}

TEST(PidfErrors, UnknownBasicRecordsEnumThenBadContentAndLeavesTheBitClear) {
  SimpleCtx ctxt;
  tns_presence p;
  std::string text = doc("<tuple id='t'><status><basic>half-open</basic></status></tuple>");
  EXPECT_EQ(decodePresence(ctxt, text, &p), ST_ENUM_UNKNOWN);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_ENUM_UNKNOWN, {"half-open"}},
                                                          {ST_BAD_CONTENT, {"half-open", "tns_status", "basic"}}}));
  auto* t = static_cast<tns_tuple*>(p.tns_tuple.head->data);
  EXPECT_EQ(t->tns_status.present & 1u, 0u);
  PxMemFree_tns_presence(ctxt, &p);
  int st = 0;
  EXPECT_EQ(validateErrors(text, &st), statusParams(ctxt));
}

TEST(PidfErrors, ContactBeforeStatusIsReportedButKeptByTheDecoder) {
  SimpleCtx ctxt;
  tns_presence p;
  std::string text = doc("<tuple id='a'><contact>x</contact><status><basic>open</basic></status></tuple>"
                         "<note>after</note>");
  EXPECT_EQ(decodePresence(ctxt, text, &p), ST_ELEMENT_NOT_EXPECTED);
  auto errs = errors(ctxt);
  // The contact is out of place; the content model goes on after it, where
  // status is out of place too. Both are decoded all the same.
  ASSERT_EQ(errs.size(), 2u);
  EXPECT_EQ(errs[0].params, (std::vector<std::string>{"contact", "status"}));
  EXPECT_EQ(errs[1].params, (std::vector<std::string>{"status", "note, timestamp"}));
  // Recorded by the lookup, then passed on by the tuple handler.
  ASSERT_EQ(errs[0].positions.size(), 2u);
  EXPECT_EQ(errs[0].positions[1].file, "xmladdons/addons/simple/pidf/pxxmlpidfsax.cpp");
  auto* t = static_cast<tns_tuple*>(p.tns_tuple.head->data);
  EXPECT_EQ(t->present & 1u, 1u);
  EXPECT_STREQ(str(t->tns_contact.value.value), "x");
  EXPECT_EQ(t->tns_status.tns_basic, 0);
  ASSERT_EQ(p.tns_note.count, 1u);
  PxMemFree_tns_presence(ctxt, &p);

  // The validator reports the refused contact once and skips it.
  int st = 0;
  EXPECT_EQ(validateErrors(text, &st), (std::vector<StatusParams>{{ST_ELEMENT_NOT_EXPECTED, {"contact", "status"}}}));

  // A context that accepts order deviations takes the document as it is.
  SimpleCtx tolerant;
  tolerant->flags |= RT_FLAG_ACCEPT_ANY_ORDER;
  EXPECT_EQ(decodePresence(tolerant, text, &p), 0);
  EXPECT_EQ(static_cast<tns_tuple*>(p.tns_tuple.head->data)->present & 1u, 1u);
  PxMemFree_tns_presence(tolerant, &p);
  EXPECT_EQ(validatePresence(tolerant, text), 0);
  // Out of order is not out of bounds: a second contact is still refused.
  std::string twice = doc("<tuple id='a'><contact>x</contact><status/><contact>y</contact></tuple>");
  EXPECT_EQ(decodePresence(tolerant, twice, &p), ST_ELEMENT_NOT_EXPECTED);
  EXPECT_STREQ(str(static_cast<tns_tuple*>(p.tns_tuple.head->data)->tns_contact.value.value), "x");
  PxMemFree_tns_presence(tolerant, &p);
}

TEST(PidfErrors, NothingMayFollowTimestampAndNoForeignElementAfterNotes) {
  int st = 0;
  auto errs = decodeErrors(doc("<tuple id='a'><status/><note>n</note><timestamp>2001-10-27T16:49:29Z</timestamp>"
                               "<note>late</note></tuple>"),
                           &st);
  ASSERT_EQ(errs.size(), 1u);
  EXPECT_EQ(errs[0], StatusParams(ST_ELEMENT_NOT_EXPECTED, {"note", "no further element"}));
  errs = decodeErrors(doc("<tuple id='a'><status/><note>n</note><x:e xmlns:x='urn:x'/></tuple>"), &st);
  ASSERT_EQ(errs.size(), 1u);
  EXPECT_EQ(errs[0], StatusParams(ST_ELEMENT_NOT_EXPECTED, {"x:e", "note, timestamp"}));
  // A single element straight after itself is no next item of a list.
  const std::pair<const char*, StatusParams> twice[] = {
      {"<status/><status/>",
       {ST_ELEMENT_NOT_EXPECTED, {"status", "an element of another namespace, contact, note, timestamp"}}},
      {"<status/><contact>a</contact><contact>b</contact>", {ST_ELEMENT_NOT_EXPECTED, {"contact", "note, timestamp"}}},
      {"<status/><timestamp>2001-10-27T16:49:29Z</timestamp><timestamp>2001-10-27T16:49:29Z</timestamp>",
       {ST_ELEMENT_NOT_EXPECTED, {"timestamp", "no further element"}}},
      // Nor is an element in no namespace another foreign element.
      {"<status/><x:e xmlns:x='urn:x'/><e xmlns=''/>",
       {ST_ELEMENT_NOT_EXPECTED, {"e", "an element of another namespace, contact, note, timestamp"}}},
  };
  for (const auto& [body, error] : twice) {
    errs = decodeErrors(doc(std::string("<tuple id='a'>") + body + "</tuple>"), &st);
    EXPECT_EQ(st, ST_ELEMENT_NOT_EXPECTED) << body;
    EXPECT_EQ(errs, std::vector<StatusParams>{error}) << body;
  }
}

TEST(PidfErrors, BadPriorityKeepsTheAddressAndSetsTheBit) {
  SimpleCtx ctxt;
  tns_presence p;
  std::string text = doc("<tuple id='a'><status/><contact priority='high'> sip:x@y </contact></tuple>");
  EXPECT_EQ(decodePresence(ctxt, text, &p), ST_BAD_VALUE);
  auto errs = statusParams(ctxt);
  ASSERT_EQ(errs.size(), 2u);
  EXPECT_EQ(errs[0].first, ST_BAD_VALUE);
  EXPECT_EQ(errs[1], StatusParams(ST_BAD_ATTRIBUTE_VALUE, {"tns_contact", "priority"}));
  auto* t = static_cast<tns_tuple*>(p.tns_tuple.head->data);
  EXPECT_EQ(t->tns_contact.present, 1u);
  EXPECT_STREQ(str(t->tns_contact.value.value), "sip:x@y");
  PxMemFree_tns_presence(ctxt, &p);
}

TEST(PidfErrors, TimestampIsKeptByTheDecoderAndRefusedByTheValidator) {
  std::string text = doc("<tuple id='a'><status/><timestamp>yesterday</timestamp></tuple>");
  SimpleCtx ctxt;
  tns_presence p;
  EXPECT_EQ(decodePresence(ctxt, text, &p), 0);
  EXPECT_STREQ(str(static_cast<tns_tuple*>(p.tns_tuple.head->data)->tns_timestamp.value), "yesterday");
  PxMemFree_tns_presence(ctxt, &p);
  int st = 0;
  auto errs = validateErrors(text, &st);
  EXPECT_EQ(st, ST_BAD_VALUE);
  ASSERT_EQ(errs.size(), 2u);
  EXPECT_EQ(errs[1], StatusParams(ST_BAD_CONTENT, {"yesterday", "tns_tuple", "timestamp"}));
  // Out of range for the schema but a decimal: the validator checks no facet.
  EXPECT_EQ(validatePresence(ctxt, doc("<tuple id='a'><status/><contact priority='2'>x</contact></tuple>")), 0);
}

TEST(PidfErrors, ValidatorReportsAttributesOfForeignElementsNowhereButAttributesOfSimpleChildren) {
  int st = 0;
  auto errs = validateErrors(doc("<tuple id='a'><status><basic id='b'>open</basic><x:e xmlns:x='urn:x' a='1'/>"
                                 "</status></tuple>"),
                             &st);
  EXPECT_EQ(errs, (std::vector<StatusParams>{{ST_UNEXPECTED_ATTRIBUTE, {"basic", "id"}}}));
}

TEST(PidfErrors, AFixedBufferTooSmallFailsThroughEveryLevel) {
  SimpleCtx ctxt;
  tns_presence p;
  // Elements written whole and by the general path, so that the buffer
  // fills up inside each kind.
  std::string text = doc("<tuple id='a'><status><basic>open</basic></status><contact priority='0.5'>sip:x@y"
                         "</contact><note xml:lang='en'>n</note><timestamp>2026-12-05T10:00:00Z</timestamp></tuple>");
  ASSERT_EQ(decodePresence(ctxt, text, &p), 0);
  std::string full = encodePresence(ctxt, &p);
  // Every size short of the whole document fails with -1, and the output
  // is always a terminated prefix of the document.
  for (size_t size = 1; size <= full.size(); ++size) {
    std::vector<OSUTF8CHAR> buf(size, 'x');
    rtxErrReset(ctxt);
    rtxSetFixedOutput(ctxt, buf.data(), size);
    int st = PxXmlE_tns_presence(ctxt, &p);
    ASSERT_EQ(st, ST_BUFFER_FULL) << size;
    auto errs = errors(ctxt);
    ASSERT_EQ(errs.size(), 1u) << size << "\n" << [&] {
      char text[2048];
      rtxErrFormat(ctxt, text, sizeof text);
      return std::string(text);
    }();
    EXPECT_EQ(errs[0].status, ST_BUFFER_FULL);
    EXPECT_GE(errs[0].positions.size(), 2u);
    std::string written(reinterpret_cast<char*>(buf.data()));
    EXPECT_EQ(full.compare(0, written.size(), written), 0) << size;
  }
  // The contact's priority failing inside the tuple: one entry, extended by
  // contact, tuple, presence contents and the document encoder.
  std::vector<OSUTF8CHAR> buf(full.size() + 1);
  rtxSetFixedOutput(ctxt, buf.data(), buf.size());
  rtxErrReset(ctxt);
  ASSERT_EQ(PxXmlE_tns_presence(ctxt, &p), 0);
  auto* t = static_cast<tns_tuple*>(p.tns_tuple.head->data);
  t->tns_contact.tns_priority = 1.5;
  rtxResetOutput(ctxt);
  EXPECT_EQ(PxXmlE_tns_presence(ctxt, &p), ST_PATTERN_MISMATCH);
  auto errs = errors(ctxt);
  ASSERT_EQ(errs.size(), 1u);
  EXPECT_EQ(errs[0].params, (std::vector<std::string>{"decimal", "1.5"}));
  EXPECT_GE(errs[0].positions.size(), 6u);
  t->tns_contact.tns_priority = 0.5;
  rtxSetGrowingOutput(ctxt);
  PxMemFree_tns_presence(ctxt, &p);
}

TEST(PidfErrors, TextThatIsNotUtf8IsRefusedBeforeItIsWritten) {
  SimpleCtx ctxt;
  tns_presence p;
  PxInit_tns_presence(ctxt, &p);
  p.tns_entity.value = u8("pres:x");
  tns_note note;
  PxInit_tns_note(ctxt, &note);
  note.value.value = u8("bad \xff byte");
  rtxDListAppend(ctxt, &p.tns_note, &note);
  int st = 0;
  std::string xml = encodePresence(ctxt, &p, &st);
  EXPECT_EQ(st, ST_INVALID_UTF8);
  EXPECT_EQ(xml.find("bad"), std::string::npos);
  rtxDListFreeNodes(ctxt, &p.tns_note);
}

TEST(PidfErrors, ATupleWithoutItsIdIsRefusedThroughEveryLevel) {
  SimpleCtx ctxt;
  tns_presence p;
  PxInit_tns_presence(ctxt, &p);
  p.tns_entity.value = u8("pres:a@b");
  tns_tuple t;
  PxInit_tns_tuple(ctxt, &t);
  rtxDListAppend(ctxt, &p.tns_tuple, &t);
  int st = 0;
  encodePresence(ctxt, &p, &st);
  EXPECT_EQ(st, ST_MISSING_ATTRIBUTE);
  auto errs = errors(ctxt);
  ASSERT_EQ(errs.size(), 1u);
  EXPECT_EQ(errs[0].params, std::vector<std::string>{"id"});
  EXPECT_GE(errs[0].positions.size(), 3u);  // the runtime, the tuple, the presence
  rtxDListFreeNodes(ctxt, &p.tns_tuple);
}

TEST(PidfErrors, NullRecordsAndContextsAreRefusedNotFollowed) {
  SimpleCtx ctxt;
  EXPECT_EQ(PxXmlE_tns_presence(ctxt, nullptr), ST_BAD_ARGUMENT);
  EXPECT_EQ(PxXmlD_tns_presence(ctxt, nullptr), ST_BAD_ARGUMENT);
  EXPECT_EQ(PxXmlET_tns_tuple(ctxt, nullptr, u8("tuple"), nullptr), ST_BAD_ARGUMENT);
  tns_presence p;
  EXPECT_EQ(PxXmlE_tns_presence(nullptr, &p), ST_BAD_CONTEXT);
  EXPECT_EQ(PxXmlV_tns_presence(nullptr), ST_BAD_CONTEXT);
}

TEST(PidfErrors, StepsAndHandlersCalledOnTheirOwnCheckTheirArguments) {
  SimpleCtx ctxt;
  EXPECT_EQ(PxXmlET_tns_tuple_StartElement(ctxt, nullptr, u8("tuple"), nullptr), ST_BAD_ARGUMENT);
  EXPECT_EQ(PxXmlET_tns_tuple_Contents(ctxt, nullptr, nullptr), ST_BAD_ARGUMENT);
  EXPECT_EQ(PxXmlET_tns_contact_Attrs(ctxt, nullptr, nullptr), ST_BAD_ARGUMENT);
  PxSAX_tns_tuple_init(ctxt, nullptr, nullptr, 0);  // nothing to initialise, nothing touched
  PxPrint_tns_tuple("t", nullptr);
  PxMemFree_tns_tuple(ctxt, nullptr);
}
