// Records as JSON: every corpus document survives decode -> JSON -> record
// -> encode unchanged (the same text as encoding the decoded record), and a
// hand-edited JSON file with a mistake is refused with the path of the
// mistake and what was expected.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "families/engines.h"
#include "families/registry.h"
#include "json/json_codec.h"
#include "pxxml/simple/simple.h"
#include "support/corpus.h"

using pxjson::Json;

namespace {

using pxtest::corpusDir;

struct Context {
  RtContext* ctxt = rtxNewContext();
  Context() { PxInit_SIMPLE_Global(ctxt); }
  ~Context() { rtxDeleteContext(ctxt); }
  operator RtContext*() const { return ctxt; }
};

// A record of any document, released when it goes.
struct Record {
  RtContext* ctxt;
  const pxs::DocDesc* doc;
  std::vector<char> storage;
  Record(RtContext* c, const pxs::DocDesc* d)
      : ctxt(c), doc(d), storage(d->type ? d->type->size : sizeof(RtXmlString)) {
    if (d->type) pxs::clearRecord(d->type, storage.data());
  }
  ~Record() {
    if (doc->type) pxs::releaseRecord(ctxt, doc->type, storage.data());
  }
  std::string encode(int* st) {
    rtxResetOutput(ctxt);
    *st = pxs::encodeDocument(ctxt, doc, storage.data());
    return rtxGetOutput(ctxt, nullptr);
  }
};

const pxs::DocDesc* rootOf(RtContext* ctxt, const std::string& text) {
  // The root's name and namespace, from its start tag.
  size_t open = text.find('<');
  while (open != std::string::npos && (text[open + 1] == '?' || text[open + 1] == '!')) open = text.find('<', open + 1);
  if (open == std::string::npos) return nullptr;
  std::string qname = text.substr(open + 1, text.find_first_of(" \t\r\n/>", open) - open - 1);
  size_t colon = qname.find(':');
  std::string decl = colon == std::string::npos ? "xmlns=" : "xmlns:" + qname.substr(0, colon) + "=";
  size_t at = text.find(decl, open);
  if (at == std::string::npos) return nullptr;
  char quote = text[at + decl.size()];
  size_t start = at + decl.size() + 1;
  std::string uri = text.substr(start, text.find(quote, start) - start);
  int ns = rtXmlNSURIIndex(ctxt, reinterpret_cast<const OSUTF8CHAR*>(uri.c_str()));
  return pxs::findDocument(qname.substr(colon + 1).c_str(), ns);
}

}  // namespace

TEST(Json, EveryCorpusDocumentSurvivesTheJsonRoundTrip) {
  namespace fs = std::filesystem;
  std::string dir = corpusDir();
  if (!fs::is_directory(dir + "/rfc")) GTEST_SKIP() << "corpus not available at " << dir;
  std::vector<fs::path> paths;
  for (const char* sub : {"/rfc", "/real"})
    for (const auto& e : fs::directory_iterator(dir + sub)) paths.push_back(e.path());
  std::sort(paths.begin(), paths.end());
  Context ctxt;
  int compared = 0;
  for (const auto& path : paths) {
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const pxs::DocDesc* doc = rootOf(ctxt, text);
    if (!doc) continue;
    Record decoded(ctxt, doc);
    rtxSetInputBuffer(ctxt, text.data(), text.size());
    int st = pxs::decodeDocument(ctxt, doc, decoded.storage.data());
    if (st == ST_XML_MALFORMED) continue;
    rtxErrReset(ctxt);
    int encodedStatus = 0;
    std::string expected = decoded.encode(&encodedStatus);
    Json json = pxjson::documentToJson(ctxt, doc, decoded.storage.data());
    // Through text, as a script would see it.
    Json back = Json::parse(json.dump(2));
    std::string why;
    ASSERT_EQ(pxjson::documentOf(back, &why), doc) << why;
    Record read(ctxt, doc);
    ASSERT_TRUE(pxjson::documentFromJson(ctxt, doc, back, read.storage.data(), &why)) << path << ": " << why;
    int readStatus = 0;
    EXPECT_EQ(read.encode(&readStatus), expected) << path << "\n" << json.dump(2);
    EXPECT_EQ(readStatus, encodedStatus) << path;
    ++compared;
  }
  EXPECT_GT(compared, 40);
}

TEST(Json, MistakesAreReportedWhereTheyAre) {
  struct Case {
    const char* json;
    const char* error;
  } cases[] = {
      {R"({"presence": {"tns_tuple": [{"tns_id": "t", "tns_status": {"tns_basic": "half"}}]}})",
       "/presence/tns_tuple/0/tns_status/tns_basic: \"half\" is not one of \"open\", \"closed\""},
      {R"({"presence": {"tns_tuple": [{"tns_idd": "t"}]}})",
       "/presence/tns_tuple/0/tns_idd: no member of tns_tuple has this name (members: tns_status, tns__any, "
       "tns_contact, tns_note, tns_timestamp, tns_id)"},
      {R"({"presence": {"tns_entity": 7}})", "/presence/tns_entity: a text is expected here"},
      {R"({"list": {"rlmi_version": -1}})", "/list/rlmi_version: an integer from 0 to 4294967295 is expected here"},
      {R"({"sphere": {"home": true, "work": true}})", "/sphere: a choice takes one alternative, not two"},
      {R"({"presense": {}})", "\"presense\" is not the root element of any document the library knows"},
  };
  Context ctxt;
  for (const Case& c : cases) {
    Json json = Json::parse(c.json);
    std::string why;
    const pxs::DocDesc* doc = pxjson::documentOf(json, &why);
    if (doc) {
      Record r(ctxt, doc);
      EXPECT_FALSE(pxjson::documentFromJson(ctxt, doc, json, r.storage.data(), &why)) << c.json;
    }
    EXPECT_EQ(why, c.error) << c.json;
  }
}

// A foreign element given as a document of the library is written as a
// self-contained element in its own namespace.
TEST(Json, ForeignElementGivenTypedIsWrittenAsItsElement) {
  Context ctxt;
  Json json = Json::parse(R"({"presence": {"tns_entity": "pres:a@b",
      "tns__any": [{"person": {"dm_id": "p1", "dm__any": [{"activities": {"rpid__choice2":
      {"rpid__seq2": [{"rpid__choice1": {"away": true}}]}}}]}}]}})");
  std::string why;
  const pxs::DocDesc* doc = pxjson::documentOf(json, &why);
  ASSERT_NE(doc, nullptr) << why;
  Record r(ctxt, doc);
  ASSERT_TRUE(pxjson::documentFromJson(ctxt, doc, json, r.storage.data(), &why)) << why;
  int st = 0;
  std::string xml = r.encode(&st);
  EXPECT_EQ(st, 0) << xml;
  EXPECT_NE(xml.find("<person id=\"p1\" xmlns=\"urn:ietf:params:xml:ns:pidf:data-model\"><activities "
                     "xmlns=\"urn:ietf:params:xml:ns:pidf:rpid\"><away/></activities></person>"),
            std::string::npos)
      << xml;
  rtxSetInputBuffer(ctxt, xml.data(), xml.size());
  EXPECT_EQ(PxXmlV_tns_presence(ctxt), 0);
}

// The namespace declarations partial presence operations keep are written
// relative to the document's: an operation whose element declares nothing
// writes none, one that rebinds a prefix writes that binding alone. Read
// back, each operation keeps its whole set again, as does one written with
// its whole set; the encoding is the same either way.
TEST(Json, KeptDeclarationsAreWrittenOncePerElementThatMadeThem) {
  Context ctxt;
  std::string text = "<d:pidf-diff xmlns:d='urn:ietf:params:xml:ns:pidf-diff' xmlns='urn:ietf:params:xml:ns:pidf'";
  for (int i = 0; i < 20; ++i) text += " xmlns:p" + std::to_string(i) + "='urn:x" + std::to_string(i) + "'";
  text += "><d:remove sel='p3:a'/><d:remove xmlns:p3='urn:inner' sel='p3:a'/>"
          "<d:add xmlns='urn:def' sel='p5:a'><x/></d:add><d:remove sel='p3:b'/></d:pidf-diff>";
  const pxs::DocDesc* doc = rootOf(ctxt, text);
  ASSERT_NE(doc, nullptr);
  Record decoded(ctxt, doc);
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  ASSERT_EQ(pxs::decodeDocument(ctxt, doc, decoded.storage.data()), 0);
  int st = 0;
  const std::string expected = decoded.encode(&st);
  ASSERT_EQ(st, 0);
  Json json = pxjson::documentToJson(ctxt, doc, decoded.storage.data());
  const Json& root = json["pidf-diff"];
  EXPECT_EQ(root["xmlns"].size(), 22u);
  std::vector<std::string> own;
  for (const Json& item : root["partial__seq"]) {
    const Json& op = item["partial__choice1"].begin().value();
    own.push_back(op.contains("xmlns") ? op["xmlns"].dump() : "-");
  }
  const std::vector<std::string> wanted = {"-", R"({"p3":"urn:inner"})", R"({"":"urn:def"})", "-"};
  EXPECT_EQ(own, wanted) << json.dump(2);
  // The declarations each operation keeps (22 where it changes none: the
  // root's own prefix, the default namespace and twenty more).
  auto keptCounts = [&](Record& r) {
    std::vector<int> counts;
    const auto* diff = reinterpret_cast<const partial__pidf_diff*>(r.storage.data());
    for (const RtDListNode* n = diff->partial__seq.head; n; n = n->next)
      counts.push_back(rtXmlNSGetKeptCount(ctxt, &static_cast<const partial__pidf_diff_2*>(n->data)->partial__choice1.u));
    return counts;
  };
  const std::vector<int> counts = {22, 22, 22, 22};
  EXPECT_EQ(keptCounts(decoded), counts);
  std::string why;
  Record read(ctxt, doc);
  ASSERT_TRUE(pxjson::documentFromJson(ctxt, doc, Json::parse(json.dump()), read.storage.data(), &why)) << why;
  EXPECT_EQ(read.encode(&st), expected);
  EXPECT_EQ(keptCounts(read), counts);
  // Each operation given its whole set, as an earlier writer did.
  Json whole = json;
  for (Json& item : whole["pidf-diff"]["partial__seq"]) {
    Json& op = item["partial__choice1"].begin().value();
    Json all = root["xmlns"];
    if (op.contains("xmlns"))
      for (auto it = op["xmlns"].begin(); it != op["xmlns"].end(); ++it) all[it.key()] = it.value();
    op["xmlns"] = all;
  }
  Record again(ctxt, doc);
  ASSERT_TRUE(pxjson::documentFromJson(ctxt, doc, whole, again.storage.data(), &why)) << why;
  EXPECT_EQ(again.encode(&st), expected);
}
