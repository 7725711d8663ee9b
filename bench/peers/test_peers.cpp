// The measuring tools themselves: the peers' walks see the same content on
// documents written elsewhere (the corpus), our operations succeed where our
// decoder does, the counting malloc sees what libraries allocate, and the
// ratios are taken the right way round.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "counting_malloc.h"
#include "operation.h"
#include "pxxml/rt.h"
#include "summary.h"
#include "support/corpus.h"

namespace {

using pxpeers::OpId;

using pxtest::corpusDir;

std::vector<std::filesystem::path> corpusDocuments() {
  std::vector<std::filesystem::path> paths;
  for (const char* folder : {"rfc", "real"}) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(corpusDir() + "/" + folder, ec))
      if (entry.path().extension() == ".xml") paths.push_back(entry.path());
  }
  return paths;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Outcome {
  bool ok = false;
  pxpeers::Tally tally;
};

Outcome runOnce(OpId id, pxbench::DocumentKind kind, const std::string& text) {
  Outcome o;
  auto operation = pxpeers::makeOperation(id, kind);
  o.ok = operation && operation->prepare(text) && operation->run();
  if (o.ok) o.tally = operation->tally();
  return o;
}

TEST(PeerWalks, LibxmlAndPugixmlSeeTheSameElementsAndAttributesInTheCorpus) {
  auto paths = corpusDocuments();
  if (paths.empty()) GTEST_SKIP() << "no corpus at " << corpusDir();
  int compared = 0;
  for (const auto& path : paths) {
    SCOPED_TRACE(path.filename().string());
    std::string text = readFile(path);
    Outcome libxml2 = runOnce(OpId::Libxml2Tree, pxbench::DocumentKind::Presence, text);
    Outcome pugixml = runOnce(OpId::Pugixml, pxbench::DocumentKind::Presence, text);
    // pugixml checks less (it takes spaces before the XML declaration), so
    // it may accept more, never less.
    if (libxml2.ok) {
      EXPECT_TRUE(pugixml.ok);
    }
    if (!libxml2.ok || !pugixml.ok) continue;
    ++compared;
    EXPECT_GT(libxml2.tally.elements, 0u);
    EXPECT_EQ(libxml2.tally.elements, pugixml.tally.elements);
    EXPECT_EQ(libxml2.tally.attributes, pugixml.tally.attributes);
    EXPECT_EQ(libxml2.tally.attributeBytes, pugixml.tally.attributeBytes);
  }
  EXPECT_GT(compared, 40);
}

// The expat and SAX2 peers refuse what is not well-formed, so that a
// refusal is never timed as a parse.
TEST(PeerWalks, ReadersRefuseTheMalformedCorpusDocuments) {
  auto paths = corpusDocuments();
  if (paths.empty()) GTEST_SKIP() << "no corpus at " << corpusDir();
  for (const char* name : {"rfc/rfc4482-ex1.xml", "rfc/rfc4662-ex1.xml"}) {
    std::string text = readFile(corpusDir() + "/" + name);
    ASSERT_FALSE(text.empty()) << name;
    for (OpId id : {OpId::Expat, OpId::Libxml2Sax, OpId::Libxml2Tree, OpId::Pugixml, OpId::Decode, OpId::Validate})
      EXPECT_FALSE(runOnce(id, pxbench::DocumentKind::Presence, text).ok)
          << name << " " << pxpeers::operationInfo(id).name;
  }
}

TEST(PeerOperations, EveryOperationHandlesEveryDocumentTwiceOnOneSetUp) {
  std::vector<pxbench::PeerDocument> docs(pxbench::kPeerDocuments.begin(), pxbench::kPeerDocuments.end());
  docs.push_back(pxbench::kEmptyDocument);
  for (const auto& doc : docs) {
    const std::string& text = pxbench::peerDocumentText(doc.name);
    for (const pxpeers::OpInfo& op : pxpeers::kOperations) {
      SCOPED_TRACE(std::string(doc.name) + " " + std::string(op.name));
      auto operation = pxpeers::makeOperation(op.id, doc.kind);
      ASSERT_TRUE(operation && operation->prepare(text));
      ASSERT_TRUE(operation->run());
      size_t written = operation->written();
      ASSERT_TRUE(operation->run());
      EXPECT_EQ(operation->written(), written);
      EXPECT_EQ(written > 0, op.writes);
      // Encoders write about the document again, whatever their layout.
      if (op.writes && doc.name != "empty") {
        EXPECT_GT(written, text.size() * 8 / 10);
        EXPECT_LT(written, text.size() * 14 / 10);
      }
    }
  }
}

TEST(PeerOperations, OurDecoderReportsTheHeapPagesHoldingTheRecord) {
  const auto& doc = pxbench::kPeerDocuments[2];  // the largest
  const std::string& text = pxbench::peerDocumentText(doc.name);
  auto decode = pxpeers::makeOperation(OpId::Decode, doc.kind);
  ASSERT_TRUE(decode->prepare(text));
  EXPECT_GT(decode->runReportingHeapPages(), text.size() / 2);
  EXPECT_EQ(pxpeers::makeOperation(OpId::Pugixml, doc.kind)->runReportingHeapPages(), 0u);
}

// Blocks handed out of sight of the optimiser, which may otherwise drop a
// malloc and free pair whose block is never used.
void* volatile escaped;

void* allocate(size_t size) {
  void* block = std::malloc(size);
  escaped = block;
  return block;
}

// The replaced malloc must see allocations made inside shared libraries
// (libstdc++'s operator new, the runtime) as well as direct calls.
TEST(CountingMalloc, CountsWhatLibrariesAllocateAndFree) {
  long long before = pxpeers::heapLiveBytes();
  void* block = allocate(10000);
  EXPECT_GE(pxpeers::heapLiveBytes() - before, 10000);
  block = std::realloc(block, 50000);
  escaped = block;
  EXPECT_GE(pxpeers::heapLiveBytes() - before, 50000);
  std::free(block);
  EXPECT_EQ(pxpeers::heapLiveBytes(), before);

  auto* vector = new std::vector<char>(30000);
  EXPECT_GE(pxpeers::heapLiveBytes() - before, 30000);
  delete vector;
  EXPECT_EQ(pxpeers::heapLiveBytes(), before);

  RtContext* ctxt = rtxNewContext();
  ASSERT_NE(rtxMemHeapAlloc(ctxt, 100000), nullptr);
  EXPECT_GE(pxpeers::heapLiveBytes() - before, 100000);
  rtxDeleteContext(ctxt);
  EXPECT_EQ(pxpeers::heapLiveBytes(), before);
}

TEST(CountingMalloc, PeakIsTheHighestSinceTheReset) {
  long long before = pxpeers::heapLiveBytes();
  pxpeers::heapResetPeak();
  void* a = allocate(40000);
  void* b = allocate(20000);
  std::free(a);
  void* c = allocate(10000);
  long long peak = pxpeers::heapPeakBytes() - before;
  long long live = pxpeers::heapLiveBytes() - before;
  std::free(b);
  std::free(c);
  long long after = pxpeers::heapLiveBytes() - before;
  pxpeers::heapResetPeak();
  long long resetPeak = pxpeers::heapPeakBytes() - before;
  EXPECT_GE(peak, 60000);
  EXPECT_LT(peak, 61000);
  EXPECT_GE(live, 30000);
  EXPECT_LT(live, 31000);
  EXPECT_EQ(after, 0);
  EXPECT_EQ(resetPeak, 0);
}

pxpeers::Measured measured(const pxpeers::OpInfo& op, const pxbench::PeerDocument& doc, double seconds,
                           size_t written) {
  pxpeers::Measured m;
  m.op = &op;
  m.doc = &doc;
  m.inputBytes = 1000;
  m.written = written;
  m.ok = true;
  m.seconds = seconds;
  return m;
}

TEST(Summary, RatiosAreOursOverThePeerAndPerByteWrittenForEncoders) {
  const auto& doc = pxbench::kPeerDocuments[0];
  const auto& other = pxbench::kPeerDocuments[1];
  std::vector<pxpeers::Measured> results = {
      measured(pxpeers::operationInfo(OpId::Decode), doc, 3e-6, 0),
      measured(pxpeers::operationInfo(OpId::Pugixml), doc, 1e-6, 0),
      measured(pxpeers::operationInfo(OpId::Encode), doc, 2e-6, 1000),   // 2 ns a byte
      measured(pxpeers::operationInfo(OpId::PugixmlSave), doc, 1e-6, 2000),  // 0.5 ns a byte
      measured(pxpeers::operationInfo(OpId::Pugixml), other, 1e-6, 0),
  };
  EXPECT_DOUBLE_EQ(pxpeers::timeRatio(results, &doc, OpId::Decode, OpId::Pugixml, false), 3.0);
  EXPECT_DOUBLE_EQ(pxpeers::timeRatio(results, &doc, OpId::Encode, OpId::PugixmlSave, true), 4.0);
  EXPECT_DOUBLE_EQ(pxpeers::timeRatio(results, &doc, OpId::Encode, OpId::PugixmlSave, false), 2.0);
  EXPECT_TRUE(std::isnan(pxpeers::timeRatio(results, &other, OpId::Decode, OpId::Pugixml, false)));
  results[1].ok = false;
  EXPECT_TRUE(std::isnan(pxpeers::timeRatio(results, &doc, OpId::Decode, OpId::Pugixml, false)));
  EXPECT_EQ(pxpeers::throughputCell(results[1]), "failed");
  EXPECT_EQ(pxpeers::throughputCell(results[0]), "333 MB/s, 333,333 doc/s");
  EXPECT_EQ(pxpeers::throughputCell(results[3]), "2000 MB/s, 1,000,000 doc/s");
}

}  // namespace
