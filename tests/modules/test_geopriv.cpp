// Geopriv with the basic usage policy: location information and provided-by
// kept as self-contained XML texts, the fixed order of the children, the
// policy's conversions (decoder and validator differ on dates), and the
// geopriv elements of the corpus's presence documents decoded on their own.
#include <gtest/gtest.h>

#include "foreign.h"
#include "module_support.h"

using namespace pxtest;

namespace {

std::string geoprivDoc(const std::string& body) {
  return "<gp:geopriv xmlns:gp='urn:ietf:params:xml:ns:pidf:geopriv10'"
         " xmlns:gbp='urn:ietf:params:xml:ns:pidf:geopriv10:basicPolicy' xmlns:gml='http://www.opengis.net/gml'>" +
         body + "</gp:geopriv>";
}

const char* kLocation =
    "<gp:location-info><gml:Point srsName='urn:ogc:def:crs:EPSG::4326'><gml:pos>37.775 -122.422</gml:pos>"
    "</gml:Point><cl:civicAddress xmlns:cl='urn:ietf:params:xml:ns:pidf:geopriv10:civicAddr'><cl:A1>CA</cl:A1>"
    "</cl:civicAddress></gp:location-info>";

int decodeGeopriv(RtContext* ctxt, const std::string& text, tns_geopriv* g) {
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  return PxXmlD_tns_geopriv(ctxt, g);
}

std::string encodeGeopriv(RtContext* ctxt, tns_geopriv* g, int* st) {
  rtxResetOutput(ctxt);
  *st = PxXmlE_tns_geopriv(ctxt, g);
  return rtxGetOutput(ctxt, nullptr);
}

}  // namespace

TEST(Geopriv, LocationChildrenAreSelfContainedTextsAndRoundTrip) {
  SimpleCtx ctxt;
  tns_geopriv g;
  std::string text = geoprivDoc(std::string(kLocation) +
                                "<gp:usage-rules><gbp:retransmission-allowed>true</gbp:retransmission-allowed>"
                                "<gbp:retention-expiry>2026-12-06T00:00:00Z</gbp:retention-expiry>"
                                "<gbp:external-ruleset> http://example.com/rules </gbp:external-ruleset>"
                                "<gbp:note-well xml:lang='en'>Handle with care</gbp:note-well><x:y xmlns:x='urn:x'/>"
                                "</gp:usage-rules><gp:method>GPS</gp:method>"
                                "<gp:provided-by><x:operator xmlns:x='urn:x'>Example</x:operator></gp:provided-by>"
                                "<z:extra xmlns:z='urn:z'/>");
  ASSERT_EQ(decodeGeopriv(ctxt, text, &g), 0);
  ASSERT_EQ(g.tns_location_info.count, 2u);
  EXPECT_STREQ(str(static_cast<RtXmlString*>(g.tns_location_info.head->data)->value),
               "<gml:Point xmlns:gml=\"http://www.opengis.net/gml\" srsName='urn:ogc:def:crs:EPSG::4326'>"
               "<gml:pos>37.775 -122.422</gml:pos></gml:Point>");
  EXPECT_EQ(g.present, 3u);
  EXPECT_EQ(g.tns_usage_rules.present, 15u);
  EXPECT_EQ(g.tns_usage_rules.gbp_retransmission_allowed, 1);
  EXPECT_STREQ(str(g.tns_usage_rules.gbp_external_ruleset.value), "http://example.com/rules");
  EXPECT_EQ(g.tns_usage_rules.gbp__any.count, 1u);
  EXPECT_EQ(g.tns__any.count, 1u);
  int st = -1;
  std::string xml = encodeGeopriv(ctxt, &g, &st);
  ASSERT_EQ(st, 0);
  EXPECT_NE(xml.find("<tns:usage-rules><gbp:retransmission-allowed>true</gbp:retransmission-allowed>"),
            std::string::npos)
      << xml;
  tns_geopriv back;
  ASSERT_EQ(decodeGeopriv(ctxt, xml, &back), 0) << xml;
  EXPECT_EQ(capturedStdout([&] { PxPrint_tns_geopriv("g", &back); }),
            capturedStdout([&] { PxPrint_tns_geopriv("g", &g); }));
  if (haveXmllint() && !corpusDocumentsMissing()) {
    EXPECT_EQ(xmllintValid(xml), 0) << xml;
  }
  PxMemFree_tns_geopriv(ctxt, &back);
  PxMemFree_tns_geopriv(ctxt, &g);
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u);
}

TEST(Geopriv, OrderEmptinessAndTextInsideLocationInfo) {
  SimpleCtx ctxt;
  tns_geopriv g;
  // method before usage-rules: refused by the element lookup.
  EXPECT_EQ(decodeGeopriv(ctxt, geoprivDoc(std::string(kLocation) + "<gp:method>GPS</gp:method>"), &g),
            ST_ELEMENT_NOT_EXPECTED);
  PxMemFree_tns_geopriv(ctxt, &g);
  // Nothing required is checked at the end.
  rtxErrReset(ctxt);
  EXPECT_EQ(decodeGeopriv(ctxt, geoprivDoc(""), &g), 0);
  PxMemFree_tns_geopriv(ctxt, &g);
  ASSERT_EQ(decodeGeopriv(ctxt, geoprivDoc("<gp:location-info>dropped<x:a xmlns:x='urn:x'/> also</gp:location-info>"
                                           "<gp:usage-rules/>"),
                          &g), 0);
  ASSERT_EQ(g.tns_location_info.count, 1u);
  EXPECT_STREQ(str(static_cast<RtXmlString*>(g.tns_location_info.head->data)->value), "<x:a xmlns:x='urn:x'/>");
  int st = -1;
  std::string xml = encodeGeopriv(ctxt, &g, &st);
  ASSERT_EQ(st, 0);
  EXPECT_EQ(xml.find("method"), std::string::npos);
  EXPECT_EQ(xml.find("provided-by"), std::string::npos);
  // provided-by needs a child: the decoder and the encoder say so, the
  // validator does not.
  g.present |= 2;
  rtxErrReset(ctxt);
  encodeGeopriv(ctxt, &g, &st);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_CONSTRAINT, {"tns_locProvidedBy.count", "0"}}}));
  PxMemFree_tns_geopriv(ctxt, &g);
  rtxErrReset(ctxt);
  std::string empty = geoprivDoc(std::string(kLocation) + "<gp:usage-rules/><gp:provided-by/>");
  EXPECT_EQ(decodeGeopriv(ctxt, empty, &g), ST_CONSTRAINT);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_CONSTRAINT, {"tns_locProvidedBy.count", "0"}}}));
  PxMemFree_tns_geopriv(ctxt, &g);
  rtxSetInputBuffer(ctxt, empty.data(), empty.size());
  EXPECT_EQ(PxXmlV_tns_geopriv(ctxt), 0);
}

TEST(Geopriv, PolicyConversionsAndOrder) {
  SimpleCtx ctxt;
  tns_geopriv g;
  auto rules = [&](const std::string& body) {
    return geoprivDoc(std::string(kLocation) + "<gp:usage-rules>" + body + "</gp:usage-rules>");
  };
  std::string yes = rules("<gbp:retransmission-allowed>yes</gbp:retransmission-allowed>");
  EXPECT_EQ(decodeGeopriv(ctxt, yes, &g), ST_BAD_VALUE);
  auto errs = statusParams(ctxt);
  ASSERT_EQ(errs.size(), 2u);
  EXPECT_EQ(errs[1], StatusParams(ST_BAD_CONTENT, {"yes", "gbp_locPolicyType", "gbp:retransmission-allowed"}));
  EXPECT_EQ(g.tns_usage_rules.present, 0u);
  PxMemFree_tns_geopriv(ctxt, &g);

  // A retention that is no date: kept by the decoder, refused by the validator.
  rtxErrReset(ctxt);
  std::string notADate = rules("<gbp:retention-expiry>next week</gbp:retention-expiry>");
  ASSERT_EQ(decodeGeopriv(ctxt, notADate, &g), 0);
  EXPECT_STREQ(str(g.tns_usage_rules.gbp_retention_expiry.value), "next week");
  PxMemFree_tns_geopriv(ctxt, &g);
  rtxSetInputBuffer(ctxt, notADate.data(), notADate.size());
  EXPECT_EQ(PxXmlV_tns_geopriv(ctxt), ST_BAD_VALUE);
  EXPECT_EQ(statusParams(ctxt).back(), StatusParams(ST_BAD_CONTENT, {"next week", "gbp_locPolicyType", "gbp:retention-expiry"}));

  rtxErrReset(ctxt);
  EXPECT_EQ(decodeGeopriv(ctxt, rules("<gbp:external-ruleset>u</gbp:external-ruleset>"
                                      "<gbp:retention-expiry>2026-01-01T00:00:00Z</gbp:retention-expiry>"),
                          &g), ST_ELEMENT_NOT_EXPECTED);
  PxMemFree_tns_geopriv(ctxt, &g);

  rtxErrReset(ctxt);
  ASSERT_EQ(decodeGeopriv(ctxt, rules("<gbp:note-well>careful</gbp:note-well><gp:retransmission-allowed>no"
                                      "</gp:retransmission-allowed>"),
                          &g), 0);
  EXPECT_EQ(g.tns_usage_rules.present, 8u);
  ASSERT_EQ(g.tns_usage_rules.gbp__any.count, 1u);
  int st = -1;
  std::string xml = encodeGeopriv(ctxt, &g, &st);
  ASSERT_EQ(st, 0);
  EXPECT_NE(xml.find("<tns:usage-rules><gbp:note-well>careful</gbp:note-well><gp:retransmission-allowed"),
            std::string::npos)
      << xml;
  PxMemFree_tns_geopriv(ctxt, &g);
}

TEST(Geopriv, CorpusGeoprivElementsDecodeOnTheirOwn) {
  int decoded = 0;
  for (const char* path : {"rfc/rfc4119-ex1.xml", "rfc/rfc4119-ex2.xml", "real/ng911dev-1.xml"}) {
    std::string text;
    if (!readFile(corpusDir() + "/" + path, &text)) GTEST_SKIP() << corpusMissing();
    SimpleCtx ctxt;
    rtxSetInputBuffer(ctxt, text.data(), text.size());
    std::vector<pxsimple::ForeignElement> found;
    ASSERT_EQ(pxsimple::collectForeignElements(ctxt, &found), 0);
    for (std::vector<pxsimple::ForeignElement> level = found; !level.empty();) {
      std::vector<pxsimple::ForeignElement> next;
      for (const auto& element : level) {
        rtxSetInputBuffer(ctxt, element.xml.data(), element.xml.size());
        collectForeignElements(ctxt, &next);  // geopriv may sit inside a device
        if (std::string(element.ops->element) != "geopriv") continue;
        tns_geopriv g;
        EXPECT_EQ(decodeGeopriv(ctxt, element.xml, &g), 0) << path << " " << element.path << "\n" << element.xml;
        EXPECT_GE(g.tns_location_info.count, 1u) << element.path;
        ++decoded;
        PxMemFree_tns_geopriv(ctxt, &g);
      }
      level.swap(next);
    }
  }
  EXPECT_EQ(decoded, 3);
}
