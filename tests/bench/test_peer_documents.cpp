// The documents the benchmarks measure: valid (for our validator and for the
// corpus schemas through xmllint), decoded to the shapes their names
// promise, and stable through decode -> encode -> decode -> encode.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "peer_documents.h"
#include "pxxml/simple/simple.h"
#include "support/corpus.h"

namespace {

using pxbench::DocumentKind;

using pxtest::corpusDir;

class Context {
 public:
  Context() : ctxt_(rtxNewContext()) { PxInit_SIMPLE_Global(ctxt_); }
  ~Context() { rtxDeleteContext(ctxt_); }
  operator RtContext*() const { return ctxt_; }

 private:
  RtContext* ctxt_;
};

std::string errorList(RtContext* ctxt) {
  char text[2048];
  rtxErrFormat(ctxt, text, sizeof text);
  return text;
}

template <typename T, int (*Decode)(RtContext*, T*), void (*Release)(RtContext*, T*), int (*Validate)(RtContext*),
          int (*Encode)(RtContext*, T*)>
struct Ops {
  static int validate(RtContext* c, const std::string& text) {
    rtxSetInputBuffer(c, text.data(), text.size());
    return Validate(c);
  }
  // Decodes the text, hands the record to inspect, then encodes it; the
  // encoded text, or "" with the failure recorded.
  static std::string decodeEncode(RtContext* c, const std::string& text, const std::function<void(const T&)>& inspect) {
    T record;
    rtxSetInputBuffer(c, text.data(), text.size());
    int decoded = Decode(c, &record);
    EXPECT_EQ(decoded, 0) << errorList(c);
    std::string out;
    if (decoded == 0) {
      if (inspect) inspect(record);
      rtxResetOutput(c);
      int encoded = Encode(c, &record);
      EXPECT_EQ(encoded, 0) << errorList(c);
      size_t n = 0;
      const char* data = rtxGetOutput(c, &n);
      if (encoded == 0) out.assign(data, n);
    }
    Release(c, &record);
    return out;
  }
};

using PresenceOps = Ops<tns_presence, PxXmlD_tns_presence, PxMemFree_tns_presence, PxXmlV_tns_presence,
                        PxXmlE_tns_presence>;
using WatcherinfoOps = Ops<tns__watcherinfo, PxXmlD_tns_watcherinfo, PxMemFree_tns__watcherinfo,
                           PxXmlV_tns_watcherinfo, PxXmlE_tns_watcherinfo>;
using RlmiOps = Ops<rlmi__list, PxXmlD_rlmi_list, PxMemFree_rlmi__list, PxXmlV_rlmi_list, PxXmlE_rlmi_list>;

template <typename T>
T& item(const RtDListNode* node) {
  return *static_cast<T*>(node->data);
}

std::string text(const RtDListNode* node) {
  const auto* s = static_cast<const RtXmlString*>(node->data);
  return reinterpret_cast<const char*>(s->value);
}

// Every tuple's foreign elements, in order, as the decoder keeps them.
std::vector<std::vector<std::string>> foreignPerTuple(const tns_presence& p) {
  std::vector<std::vector<std::string>> all;
  for (const RtDListNode* t = p.tns_tuple.head; t; t = t->next) {
    all.emplace_back();
    for (const RtDListNode* a = item<tns_tuple>(t).tns__any.head; a; a = a->next) all.back().push_back(text(a));
  }
  return all;
}

void expectPersonWithActivities(const tns_presence& p) {
  ASSERT_EQ(p.tns__any.count, 1u);
  std::string person = text(p.tns__any.head);
  EXPECT_NE(person.find(":person"), std::string::npos) << person;
  EXPECT_NE(person.find(":activities>"), std::string::npos) << person;
}

struct Case {
  const char* name;
  size_t minBytes, maxBytes;
  // Validates, decodes and checks the shape, and returns the encoded text.
  std::function<std::string(RtContext*, const std::string&)> decodeEncode;
  std::function<int(RtContext*, const std::string&)> validate;
};

const Case kCases[] = {
    {"pidf1k", 900, 1200,
     [](RtContext* c, const std::string& t) {
       return PresenceOps::decodeEncode(c, t, [](const tns_presence& p) {
         EXPECT_EQ(p.tns_tuple.count, 2u);
         expectPersonWithActivities(p);
       });
     },
     PresenceOps::validate},
    {"pidf20k", 19000, 23000,
     [](RtContext* c, const std::string& t) {
       return PresenceOps::decodeEncode(c, t, [](const tns_presence& p) {
         EXPECT_EQ(p.tns_tuple.count, 40u);
         expectPersonWithActivities(p);
         // Each tuple: capabilities, RPID, data model, CIPID, in that order.
         const char* kNamespaces[] = {"urn:ietf:params:xml:ns:pidf:caps", "urn:ietf:params:xml:ns:pidf:rpid",
                                      "urn:ietf:params:xml:ns:pidf:data-model", "urn:ietf:params:xml:ns:pidf:cipid"};
         for (const auto& foreign : foreignPerTuple(p)) {
           ASSERT_EQ(foreign.size(), 4u);
           for (size_t i = 0; i < 4; ++i) EXPECT_NE(foreign[i].find(kNamespaces[i]), std::string::npos) << foreign[i];
         }
       });
     },
     PresenceOps::validate},
    {"winfo1m", 950000, 1100000,
     [](RtContext* c, const std::string& t) {
       return WatcherinfoOps::decodeEncode(c, t, [](const tns__watcherinfo& w) {
         ASSERT_EQ(w.tns_watcher_list.count, 5u);
         size_t watchers = 0, withAllSeven = 0;
         for (const RtDListNode* l = w.tns_watcher_list.head; l; l = l->next) {
           for (const RtDListNode* n = item<tns__watcher_list>(l).tns_watcher.head; n; n = n->next) {
             ++watchers;
             // id, status and event are required; the other four are the
             // presence bits 0 to 3.
             withAllSeven += item<tns__watcher>(n).present == 0xfu;
           }
         }
         EXPECT_EQ(watchers, 5000u);
         EXPECT_EQ(withAllSeven, watchers);
       });
     },
     WatcherinfoOps::validate},
    {"rlmi270k", 250000, 290000,
     [](RtContext* c, const std::string& t) {
       return RlmiOps::decodeEncode(c, t, [](const rlmi__list& l) {
         ASSERT_EQ(l.rlmi_resource.count, 1000u);
         for (const RtDListNode* r = l.rlmi_resource.head; r; r = r->next) {
           EXPECT_EQ(item<rlmi__resource>(r).rlmi_name.count, 2u);
           EXPECT_EQ(item<rlmi__resource>(r).rlmi_instance.count, 2u);
         }
       });
     },
     RlmiOps::validate},
    {"empty", 1, 100,
     [](RtContext* c, const std::string& t) {
       return PresenceOps::decodeEncode(c, t, [](const tns_presence& p) { EXPECT_EQ(p.tns_tuple.count, 0u); });
     },
     PresenceOps::validate},
};

TEST(BenchDocuments, ValidDecodedToTheirShapesAndStableThroughEncoding) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string& doc = pxbench::peerDocumentText(c.name);
    ASSERT_NE(pxbench::findPeerDocument(c.name), nullptr);
    EXPECT_GE(doc.size(), c.minBytes);
    EXPECT_LE(doc.size(), c.maxBytes);
    Context ctxt;
    EXPECT_EQ(c.validate(ctxt, doc), 0) << errorList(ctxt);
    EXPECT_EQ(rtxErrGetCount(ctxt), 0);
    std::string once = c.decodeEncode(ctxt, doc);
    ASSERT_FALSE(once.empty());
    EXPECT_EQ(c.validate(ctxt, once), 0) << errorList(ctxt);
    EXPECT_EQ(c.decodeEncode(ctxt, once), once);
  }
}

TEST(BenchDocuments, NamesAndKindsAgree) {
  for (const pxbench::PeerDocument& d : pxbench::kPeerDocuments) {
    EXPECT_EQ(pxbench::findPeerDocument(d.name), &d);
    EXPECT_FALSE(pxbench::peerDocumentText(d.name).empty()) << d.name;
  }
  EXPECT_EQ(pxbench::findPeerDocument("pidf2k"), nullptr);
  EXPECT_TRUE(pxbench::peerDocumentText("pidf2k").empty());
}

// libxml2's schema validator, run on the corpus's schemas, as a second
// opinion that owes nothing to our tables.
TEST(BenchDocuments, ValidForXmllintAgainstTheCorpusSchemas) {
  std::string schema = corpusDir() + "/xsd/_all.xsd";
  if (access(schema.c_str(), R_OK) != 0) GTEST_SKIP() << "no schemas at " << schema;
  if (std::system("xmllint --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "xmllint not installed";
  std::string dir = testing::TempDir();
  for (const Case& c : kCases) {
    std::string path = dir + "/px_bench_" + c.name + ".xml";
    std::ofstream(path, std::ios::binary) << pxbench::peerDocumentText(c.name);
    std::string log = path + ".log";
    std::string command = "xmllint --noout --schema '" + schema + "' '" + path + "' > '" + log + "' 2>&1";
    int status = std::system(command.c_str());
    std::ifstream in(log);
    std::string firstLine;
    std::getline(in, firstLine);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.name << ": " << firstLine;
    std::remove(log.c_str());
    std::remove(path.c_str());
  }
}

}  // namespace
