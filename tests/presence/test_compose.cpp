// Composition of several publications of one presentity: what is kept, who
// wins a collision, and that the result is a valid presence document (the
// library's own validator, PxXmlV_tns_presence, says so).
#include <gtest/gtest.h>

#include "presence_support.h"
#include "pxxml/simple/simple.h"

namespace {

bool validPresence(std::string_view text, std::string* errors) {
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  int status = PxXmlV_tns_presence(ctxt);
  char buffer[2048];
  rtxErrFormat(ctxt, buffer, sizeof buffer);
  *errors = buffer;
  rtxDeleteContext(ctxt);
  return status == 0;
}

std::string publication(const std::string& body, const std::string& extraDecls = "") {
  return "<?xml version=\"1.0\"?>\n<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" "
         "xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\"" +
         extraDecls + " entity=\"pres:alice@example.com\">" + body + "</presence>";
}

const std::string kDesk = publication(
    "<tuple id=\"desk\"><status><basic>open</basic></status><timestamp>2026-12-05T10:00:00Z</timestamp></tuple>"
    "<tuple id=\"shared\"><status><basic>open</basic></status><note>from desk</note><timestamp>2026-12-05T11:00:00+01:00</timestamp></tuple>"
    "<note>In the office</note>"
    "<dm:person id=\"p1\"><rpid:activities><rpid:meeting/></rpid:activities><dm:timestamp>2026-12-05T09:00:00Z</dm:timestamp></dm:person>");
const std::string kMobile = publication(
    "<tuple id=\"mobile\"><status><basic>closed</basic></status></tuple>"
    "<tuple id=\"shared\"><status><basic>closed</basic></status><note>from mobile</note><timestamp>2026-12-05T10:30:00Z</timestamp></tuple>"
    "<note>In the office</note><note xml:lang=\"de\">Im Buero</note>"
    "<dm:person id=\"p1\"><rpid:activities><rpid:away/></rpid:activities><dm:timestamp>2026-12-05T09:30:00Z</dm:timestamp></dm:person>"
    "<dm:device id=\"d1\"><c:devcaps><c:mobility><c:supported><c:mobile/></c:supported></c:mobility></c:devcaps>"
    "<dm:deviceID>urn:esn:1</dm:deviceID></dm:device>",
    " xmlns:c=\"urn:ietf:params:xml:ns:pidf:caps\"");

TEST(Compose, KeepsEveryIdOnceInSchemaOrderAndIsValid) {
  auto result = pxxml::presence::compose({kDesk, kMobile});
  ASSERT_TRUE(result) << result.error().message;
  std::string text = result.value().str();
  std::string errors;
  EXPECT_TRUE(validPresence(text, &errors)) << errors << "\n" << text;
  const std::string expected = publication(
      "<tuple id=\"desk\"><status><basic>open</basic></status><timestamp>2026-12-05T10:00:00Z</timestamp></tuple>"
      // 11:00+01:00 is 10:00Z: the mobile's 10:30Z is newer.
      "<tuple id=\"shared\"><status><basic>closed</basic></status><note>from mobile</note><timestamp>2026-12-05T10:30:00Z</timestamp></tuple>"
      "<tuple id=\"mobile\"><status><basic>closed</basic></status></tuple>"
      "<note>In the office</note><note xml:lang=\"de\">Im Buero</note>"
      "<dm:person id=\"p1\"><rpid:activities><rpid:away/></rpid:activities><dm:timestamp>2026-12-05T09:30:00Z</dm:timestamp></dm:person>"
      "<dm:device id=\"d1\"><c:devcaps xmlns:c=\"urn:ietf:params:xml:ns:pidf:caps\"><c:mobility><c:supported><c:mobile/></c:supported></c:mobility></c:devcaps>"
      "<dm:deviceID>urn:esn:1</dm:deviceID></dm:device>");
  EXPECT_TRUE(pxtest::sameDocument(text, expected));
}

TEST(Compose, OlderTimestampLosesWhicheverComesLater) {
  auto result = pxxml::presence::compose({kMobile, kDesk});
  ASSERT_TRUE(result);
  std::string text = result.value().str();
  EXPECT_NE(text.find("from mobile"), std::string::npos);
  EXPECT_EQ(text.find("from desk"), std::string::npos);
  EXPECT_NE(text.find("rpid:away"), std::string::npos);  // person 09:30 beats 09:00
}

TEST(Compose, LaterInputWinsWithoutTimestamps) {
  const std::string a = publication("<tuple id=\"t\"><status><basic>open</basic></status></tuple>");
  const std::string b = publication("<tuple id=\"t\"><status><basic>closed</basic></status></tuple>");
  auto ab = pxxml::presence::compose({a, b});
  auto ba = pxxml::presence::compose({b, a});
  ASSERT_TRUE(ab && ba);
  EXPECT_TRUE(pxtest::sameDocument(ab.value().view(), b));
  EXPECT_TRUE(pxtest::sameDocument(ba.value().view(), a));
}

TEST(Compose, ExtensionsKeepTheirNamespacesWhenPrefixesClash) {
  // Both inputs use the prefix "e" for different namespaces.
  const std::string a = publication("<e:x xmlns:e=\"urn:example:one\">1</e:x>");
  const std::string b = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:e=\"urn:example:two\" entity=\"pres:alice@example.com\"><e:x e:a=\"v\">2</e:x></presence>";
  auto result = pxxml::presence::compose({a, b});
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_TRUE(pxtest::sameDocument(result.value().view(),
                                   "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"pres:alice@example.com\">"
                                   "<one:x xmlns:one=\"urn:example:one\">1</one:x>"
                                   "<two:x xmlns:two=\"urn:example:two\" two:a=\"v\">2</two:x></presence>"));
  std::string errors;
  EXPECT_TRUE(validPresence(result.value().view(), &errors)) << errors;
}

TEST(Compose, CorpusDocumentsOfOnePresentityComposeValid) {
  PX_CORPUS_FILE(ex1, "rfc/rfc5262-ex1.xml");
  PX_CORPUS_FILE(ex3, "rfc/rfc5262-ex3.xml");
  auto result = pxxml::presence::compose({ex1, ex3});
  ASSERT_TRUE(result) << result.error().message;
  std::string errors;
  EXPECT_TRUE(validPresence(result.value().view(), &errors)) << errors << "\n" << result.value().view();
  // ex3 is the later input and has every id of ex1: it wins throughout.
  auto asPresence = pxxml::presence::apply("<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"x\"/>", ex3);
  ASSERT_TRUE(asPresence);
  EXPECT_TRUE(pxtest::sameDocument(result.value().view(), asPresence.value().view()));
}

TEST(Compose, RefusesOtherPresentitiesAndBadInput) {
  const std::string bob = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"pres:bob@example.com\"/>";
  auto mismatch = pxxml::presence::compose({kDesk, kMobile, bob});
  ASSERT_FALSE(mismatch);
  EXPECT_EQ(mismatch.error().status, PXP_E_ENTITY_MISMATCH);
  EXPECT_EQ(mismatch.error().document, 2);
  auto broken = pxxml::presence::compose({kDesk, "<presence"});
  ASSERT_FALSE(broken);
  EXPECT_EQ(broken.error().status, PXP_E_INVALID_DOCUMENT);
  EXPECT_EQ(broken.error().document, 1);
  auto none = pxxml::presence::compose({});
  ASSERT_FALSE(none);
  EXPECT_EQ(none.error().status, PXP_E_BAD_ARGUMENT);
}

}  // namespace
