// Contexts on several threads at once: each thread decodes, validates and
// encodes its own documents on its own context, and every result equals the
// one computed on a single thread. Run under ThreadSanitizer by the suite.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "pidf/pidf_support.h"

using namespace pxtest;

namespace {

std::string documentFor(int i) {
  std::string doc = "<presence xmlns='urn:ietf:params:xml:ns:pidf' xmlns:r='urn:ietf:params:xml:ns:pidf:rpid'"
                    " entity='pres:user" + std::to_string(i) + "@example.com'>";
  for (int t = 0; t <= i % 5; ++t)
    doc += "<tuple id='t" + std::to_string(t) + "'><status><basic>" + (t % 2 ? "closed" : "open") +
           "</basic></status><contact priority='0." + std::to_string(t) + "'>sip:u" + std::to_string(i) +
           "@pc.example.com</contact><note xml:lang='en'>note " + std::to_string(i) + "</note></tuple>";
  return doc + "<r:activities><r:busy/></r:activities></presence>";
}

// What one thread makes of a document: its encoding after decoding, and the
// validation status.
struct Result {
  std::string encoded;
  int validated = -1;
  bool operator==(const Result&) const = default;
};

Result process(RtContext* ctxt, const std::string& doc) {
  Result r;
  tns_presence p;
  // Printing writes to the process's one standard output: threads compare
  // their encodings, which carry every decoded value.
  if (decodePresence(ctxt, doc, &p) == 0) r.encoded = encodePresence(ctxt, &p);
  PxMemFree_tns_presence(ctxt, &p);
  r.validated = validatePresence(ctxt, doc);
  rtxErrReset(ctxt);
  return r;
}

}  // namespace

TEST(Threads, ContextsOnSeveralThreadsGiveTheSingleThreadResults) {
  constexpr int kThreads = 4, kDocs = 16;
  std::vector<std::string> docs;
  std::vector<Result> expected;
  {
    SimpleCtx ctxt;
    for (int i = 0; i < kDocs; ++i) {
      docs.push_back(documentFor(i));
      expected.push_back(process(ctxt, docs.back()));
      ASSERT_EQ(expected.back().validated, 0);
    }
  }
  std::atomic<int> mismatches{0}, rounds{0};
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      SimpleCtx ctxt;
      for (int n = t; std::chrono::steady_clock::now() < deadline; ++n) {
        int i = n % kDocs;
        if (!(process(ctxt, docs[i]) == expected[i])) ++mismatches;
        ++rounds;
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(mismatches.load(), 0);
  EXPECT_GT(rounds.load(), kThreads * kDocs);
  std::printf("%d documents processed on %d threads\n", rounds.load(), kThreads);
}
