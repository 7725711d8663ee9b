// What goes wrong comes back in the result: the status and the context's
// error list, entry for entry as the C operations record it; contexts,
// records, results and extensions stay valid when moved; elements the
// library does not know stay text.
#include <gtest/gtest.h>

#include "cxx_support.h"

using namespace cxxtest;

namespace {

const char kPidf[] = "xmlns=\"urn:ietf:params:xml:ns:pidf\"";

struct BadDocument {
  const char* name;
  std::string text;
  int status;                       // of the whole decode
  const char* firstError;           // status name of the first entry
  std::vector<std::string> params;  // of the first entry (empty: not checked)
};

const BadDocument kBad[] = {
    {"unknown basic", std::string("<presence ") + kPidf + " entity=\"pres:a@b\">\n <tuple id=\"t\"><status><basic>maybe"
                          "</basic></status></tuple></presence>",
     ST_ENUM_UNKNOWN, "ST_ENUM_UNKNOWN", {}},
    {"missing entity", std::string("<presence ") + kPidf + "/>", ST_MISSING_ATTRIBUTE, "ST_MISSING_ATTRIBUTE",
     {"tns_presence", "entity"}},
    {"not well-formed", std::string("<presence ") + kPidf + " entity=\"pres:a@b\"><tuple id=\"t\">", ST_XML_MALFORMED,
     "ST_XML_MALFORMED", {}},
    {"another root", "<watcherinfo xmlns=\"urn:ietf:params:xml:ns:watcherinfo\" version=\"0\" state=\"full\"/>",
     ST_NAME_MISMATCH, "ST_NAME_MISMATCH", {}},
    {"document type", std::string("<!DOCTYPE presence [<!ENTITY x \"y\">]><presence ") + kPidf + " entity=\"&x;\"/>",
     ST_DOCTYPE_REFUSED, "ST_DOCTYPE_REFUSED", {}},
    {"empty", "", 0, nullptr, {}},
};

// The error list exactly as the C operations leave it.
std::vector<px::Error> cErrors(const std::string& text, int* status) {
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  tns_presence p;
  PxInit_tns_presence(ctxt, &p);
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  *status = PxXmlD_tns_presence(ctxt, &p);
  PxMemFree_tns_presence(ctxt, &p);
  std::vector<px::Error> errors(static_cast<size_t>(rtxErrGetCount(ctxt)));
  for (int e = 0; e < rtxErrGetCount(ctxt); ++e) {
    errors[e].status = rtxErrGetStatus(ctxt, e);
    for (int i = 0; i < rtxErrGetParmCount(ctxt, e); ++i) errors[e].parameters.push_back(rtxErrGetParm(ctxt, e, i));
    for (int i = 0; i < rtxErrGetPosCount(ctxt, e); ++i)
      errors[e].positions.emplace_back(rtxErrGetPosFile(ctxt, e, i), rtxErrGetPosLine(ctxt, e, i));
    errors[e].line = rtxErrGetLine(ctxt, e);
    errors[e].column = rtxErrGetColumn(ctxt, e);
  }
  rtxDeleteContext(ctxt);
  return errors;
}

TEST(CxxErrors, ADecodeFailureCarriesTheStatusAndTheErrorList) {
  px::Context ctx;
  for (const BadDocument& bad : kBad) {
    SCOPED_TRACE(bad.name);
    auto result = px::decode<tns_presence>(ctx, bad.text);
    int cStatus = 0;
    std::vector<px::Error> expected = cErrors(bad.text, &cStatus);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.status(), cStatus);
    if (bad.firstError) {
      EXPECT_EQ(result.status(), bad.status);
      ASSERT_FALSE(result.errors().empty());
      EXPECT_EQ(result.errors()[0].name, bad.firstError);
      EXPECT_EQ(result.errors()[0].status, bad.status);
      if (!bad.params.empty()) {
        EXPECT_EQ(result.errors()[0].parameters, bad.params);
      }
      EXPECT_NE(result.errors().text().find(bad.firstError), std::string::npos);
      EXPECT_GT(result.errors()[0].line, 0);  // every one of them is about a place in the document
    }
    if (bad.name == std::string("unknown basic")) {
      EXPECT_EQ(result.errors()[0].line, 2);
      EXPECT_EQ(result.errors()[0].column, 36);  // the end tag of <basic>, where its text is converted
    }
    ASSERT_EQ(result.errors().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(result.errors()[i].status, expected[i].status);
      EXPECT_EQ(result.errors()[i].name, rtxStatusName(expected[i].status));
      EXPECT_EQ(result.errors()[i].description, rtxStatusText(expected[i].status));
      EXPECT_EQ(result.errors()[i].parameters, expected[i].parameters);
      EXPECT_EQ(result.errors()[i].positions, expected[i].positions);
      EXPECT_EQ(result.errors()[i].line, expected[i].line);
      EXPECT_EQ(result.errors()[i].column, expected[i].column);
    }
    EXPECT_NE(result.get(), nullptr);  // what the decoder kept stays readable
  }
}

TEST(CxxErrors, EachOperationStartsWithAnEmptyList) {
  px::Context ctx;
  auto bad = px::decode<tns_presence>(ctx, kBad[0].text);
  ASSERT_FALSE(bad.errors().empty());
  EXPECT_EQ(rtxErrGetCount(ctx), 0);  // handed to the result
  rtxErrAddStrParm(ctx, "left over");
  rtxErrSetNewData(ctx, ST_BAD_VALUE, "elsewhere", 1);
  auto good = px::decode<tns_presence>(ctx, std::string("<presence ") + kPidf + " entity=\"pres:a@b\"/>");
  EXPECT_TRUE(good.ok());
  EXPECT_TRUE(good.errors().empty());
  EXPECT_EQ(good.errors().text(), "");
}

TEST(CxxErrors, ValidationAndFilesReportTheirStatus) {
  px::Context ctx;
  EXPECT_TRUE(px::validate<tns_presence>(ctx, std::string("<presence ") + kPidf + " entity=\"pres:a@b\"/>").ok());
  px::Status invalid = px::validate<tns_presence>(ctx, kBad[0].text);
  EXPECT_EQ(invalid.status, ST_ENUM_UNKNOWN);
  EXPECT_EQ(invalid.errors[0].name, "ST_ENUM_UNKNOWN");
  // Documents of a simple type offer no validation: decoding decides.
  const char card[] = "<card xmlns=\"urn:ietf:params:xml:ns:pidf:cipid\">http://example.com/c</card>";
  EXPECT_EQ(px::validate<px::doc::cipid_card>(ctx, card).status, ST_NOT_SUPPORTED);
  auto decoded = px::decode<px::doc::cipid_card>(ctx, card);
  ASSERT_TRUE(decoded.ok());
  EXPECT_EQ(px::text(*decoded), "http://example.com/c");
  EXPECT_EQ(px::validate_file<tns_presence>(ctx, "/nonexistent/presence.xml").status, ST_IO);
  auto missing = px::decode_file<tns_presence>(ctx, "/nonexistent/presence.xml");
  EXPECT_EQ(missing.status(), ST_IO);
  EXPECT_EQ(missing.errors()[0].name, "ST_IO");
}

TEST(CxxErrors, MovedContextsAndResultsStayValid) {
  px::Context first;
  const std::string text = std::string("<presence ") + kPidf +
                           " xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" entity=\"pres:a@b\">"
                           "<dm:person id=\"p1\"><dm:note>n</dm:note></dm:person></presence>";
  px::Context second;
  {
    // Results live in the runtime context, which stays put when its owner moves.
    auto decoded = px::decode<tns_presence>(first, text);
    ASSERT_TRUE(decoded.ok());
    const tns_presence* address = decoded.get();
    px::Extensions kept = px::extensions(first, decoded->tns__any);
    second = std::move(first);
    EXPECT_EQ(first.get(), nullptr);
    EXPECT_EQ(first.status(), ST_BAD_CONTEXT);
    auto moved = std::move(decoded);
    EXPECT_EQ(moved.get(), address);  // the record does not move
    px::Extensions movedKept = std::move(kept);
    ASSERT_EQ(movedKept.size(), 1u);
    EXPECT_EQ(px::text(movedKept[0].as<dm__person>()->dm_id), "p1");
    EXPECT_EQ(px::encode(second, *moved).text, px::encode(second, *px::decode<tns_presence>(second, text)).text);

    // A context moved from refuses work instead of failing badly.
    auto refused = px::decode<tns_presence>(first, text);
    EXPECT_EQ(refused.status(), ST_BAD_CONTEXT);
    EXPECT_EQ(refused.get(), nullptr);
    EXPECT_EQ(px::encode(first, *moved).status, ST_BAD_CONTEXT);
    EXPECT_EQ(px::validate<tns_presence>(first, text).status, ST_BAD_CONTEXT);
    px::Record<tns_presence> none(first);
    EXPECT_EQ(none.get(), nullptr);
    EXPECT_EQ(px::extensions(first, moved->tns__any)[0].status(), ST_BAD_CONTEXT);
  }
  px::Context third(std::move(second));
  EXPECT_TRUE(third);
  EXPECT_FALSE(second);
  EXPECT_TRUE(px::decode<tns_presence>(third, text).ok());
}

// Partial presence documents keep the declarations their selectors use,
// keyed by the record's address: moving the result keeps them.
TEST(CxxErrors, AMovedResultKeepsWhatTheRuntimeHoldsForItsRecord) {
  std::string path = corpusDir() + "/rfc/rfc5262-ex2.xml", text;
  if (!readFile(path, &text)) GTEST_SKIP() << "corpus not available: " << path;
  px::Context ctx;
  auto diff = px::decode<partial__pidf_diff>(ctx, text);
  ASSERT_TRUE(diff.ok()) << diff.errors().text();
  std::string before = px::encode(ctx, *diff).text;
  std::vector<px::Decoded<px::doc::partial_pidf_diff>> holder;
  holder.push_back(std::move(diff));
  holder.push_back(px::decode<partial__pidf_diff>(ctx, text));  // the vector grows: results move
  EXPECT_EQ(px::encode(ctx, *holder[0]).text, before);
  EXPECT_EQ(px::encode(ctx, *holder[1]).text, before);
}

TEST(CxxErrors, ElementsOfUnknownVocabulariesStayText) {
  px::Context ctx;
  struct Case {
    const char* xml;
    const char* element;
    const char* uri;
    bool known;
    bool ok;
  };
  const Case cases[] = {
      {"<x:loc xmlns:x=\"urn:example:loc\"><x:city>Oslo</x:city></x:loc>", "loc", "urn:example:loc", false, true},
      {"<loc xmlns=\"urn:example:loc\"/>", "loc", "urn:example:loc", false, true},
      {"<rpid:nonsense xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\"/>", "nonsense",
       "urn:ietf:params:xml:ns:pidf:rpid", false, true},
      {"<undeclared:activities/>", "activities", "", false, true},
      {"not an element", "", "", false, true},
      {"<rpid:activities xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\"><rpid:frolicking/></rpid:activities>",
       "activities", "urn:ietf:params:xml:ns:pidf:rpid", true, false},
      {"<?xml version=\"1.0\"?><!-- c --><c:card xmlns:c='urn:ietf:params:xml:ns:pidf:cipid'>http://x</c:card>", "card",
       "urn:ietf:params:xml:ns:pidf:cipid", true, true},
  };
  RtDList list;
  rtxDListInit(&list);
  for (const Case& c : cases) px::append_text(ctx, list, c.xml);
  px::Extensions kept = px::extensions(ctx, list);
  ASSERT_EQ(kept.size(), sizeof cases / sizeof cases[0]);
  for (size_t i = 0; i < kept.size(); ++i) {
    SCOPED_TRACE(cases[i].xml);
    EXPECT_EQ(kept[i].text(), cases[i].xml);
    EXPECT_EQ(kept[i].element(), cases[i].element);
    EXPECT_EQ(kept[i].namespace_uri(), cases[i].uri);
    EXPECT_EQ(kept[i].known(), cases[i].known);
    EXPECT_EQ(kept[i].ok(), cases[i].ok);
    EXPECT_EQ(kept[i].errors().empty(), cases[i].ok);
    EXPECT_EQ(kept[i].as<px::doc::rpid_activities>(), nullptr);  // failed, or no activities
  }
  EXPECT_EQ(px::text(*kept[6].as<px::doc::cipid_card>()), "http://x");
  for (const RtXmlString& s : px::items(list)) rtxMemHeapFreePtr(ctx, s.value);
  rtxDListFreeAll(ctx, &list);
}

// Known elements nested in each other are decoded level by level, down to
// a bound past which they stay undecoded with ST_TOO_DEEP.
TEST(CxxErrors, NestingOfKnownElementsIsBounded) {
  const int levels = px::detail::kMaxExtensionDepth + 4;
  std::string xml;
  for (int i = 0; i < levels; ++i)
    xml += "<dm:person xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" id=\"p" + std::to_string(i) +
           "\"><rpid:activities xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\">";
  for (int i = 0; i < levels; ++i) xml += "</rpid:activities></dm:person>";
  px::Context ctx;
  px::Extension root = px::decode_any(ctx, xml);
  ASSERT_TRUE(root.ok()) << root.errors().text();
  const px::Extension* e = &root;
  int depth = 0;
  while (e->ok() && !e->extensions().empty()) {
    e = &e->extensions()[0];
    ++depth;
  }
  EXPECT_EQ(depth, px::detail::kMaxExtensionDepth);
  EXPECT_TRUE(e->known());
  EXPECT_EQ(e->status(), ST_TOO_DEEP);
  EXPECT_EQ(e->as<dm__person>(), nullptr);
}

}  // namespace
