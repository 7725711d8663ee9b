// peers: our decode, validate and encode beside expat, libxml2 and pugixml,
// on the same four documents, in one run.
//
//   peers [--reps N] [--ms MS] [--ops a,b] [--docs a,b] [--no-pin]
//       times every operation on every document and prints the tables
//       (default: 7 repetitions of about 50 ms each, pinned to one CPU)
//   peers --loop OPERATION DOCUMENT ITERATIONS
//       one warm-up run, then ITERATIONS runs in px_peers_measured_loop, for
//       callgrind (scripts/bench-peers.sh) and whole-process timers; prints
//       the document's size and the bytes written
//   peers --check
//       every operation on every document (and the near-empty one) must
//       succeed twice on the same set-up, and the libxml2 and pugixml walks
//       must see the same elements, attributes and attribute values
//
// Operations: expat libxml2-sax libxml2-tree pugixml pugixml-parse decode
// validate libxml2-save pugixml-save encode. Documents: pidf1k pidf20k winfo1m
// rlmi270k empty.
#include <sched.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "loop.h"
#include "summary.h"
#include "timing.h"

namespace {

using pxbench::PeerDocument;
using pxpeers::OpInfo;

std::vector<std::string> splitCommas(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

// Keep the process on the CPU it runs on, so that no migration lands in a
// measurement.
std::string pinToCurrentCpu() {
  int cpu = sched_getcpu();
  if (cpu < 0) return "not pinned (no CPU number)";
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(cpu, &set);
  if (sched_setaffinity(0, sizeof set, &set) != 0) return "not pinned (affinity refused)";
  return "pinned to CPU " + std::to_string(cpu);
}

int usage(const char* program) {
  std::fprintf(stderr,
               "usage: %s [--reps N] [--ms MS] [--ops a,b] [--docs a,b] [--no-pin]\n"
               "       %s --loop OPERATION DOCUMENT ITERATIONS\n"
               "       %s --check\n",
               program, program, program);
  return 2;
}

int loopMode(int argc, char** argv) {
  if (argc != 5) return usage(argv[0]);
  const OpInfo* op = pxpeers::findOperation(argv[2]);
  const PeerDocument* doc = pxbench::findPeerDocument(argv[3]);
  if (!op || !doc) {
    std::fprintf(stderr, "unknown %s %s\n", op ? "document" : "operation", op ? argv[3] : argv[2]);
    return 2;
  }
  long iterations = std::atol(argv[4]);
  const std::string& text = pxbench::peerDocumentText(doc->name);
  auto operation = pxpeers::makeOperation(op->id, doc->kind);
  bool ok = operation && operation->prepare(text) && operation->run();
  ok = ok && px_peers_measured_loop(operation.get(), iterations);
  std::printf("%s %s: bytes=%zu written=%zu iterations=%ld %s\n", argv[2], argv[3], text.size(),
              ok ? operation->written() : 0, iterations, ok ? "ok" : "FAILED");
  return ok ? 0 : 1;
}

bool sameWalk(const pxpeers::Tally& a, const pxpeers::Tally& b) {
  return a.elements == b.elements && a.attributes == b.attributes && a.attributeBytes == b.attributeBytes;
}

int checkMode() {
  std::vector<const PeerDocument*> docs;
  for (const PeerDocument& d : pxbench::kPeerDocuments) docs.push_back(&d);
  docs.push_back(&pxbench::kEmptyDocument);
  int failures = 0;
  for (const PeerDocument* doc : docs) {
    const std::string& text = pxbench::peerDocumentText(doc->name);
    pxpeers::Tally libxml2, pugixml;
    for (const OpInfo& op : pxpeers::kOperations) {
      auto operation = pxpeers::makeOperation(op.id, doc->kind);
      bool ok = operation && operation->prepare(text) && operation->run() && operation->run();
      if (ok && op.writes) ok = operation->written() > 0;
      if (ok && op.id == pxpeers::OpId::Libxml2Tree) libxml2 = operation->tally();
      if (ok && op.id == pxpeers::OpId::Pugixml) pugixml = operation->tally();
      if (!ok) ++failures;
      std::printf("%-9.*s %-13.*s %s\n", static_cast<int>(doc->name.size()), doc->name.data(),
                  static_cast<int>(op.name.size()), op.name.data(), ok ? "ok" : "FAILED");
    }
    bool same = sameWalk(libxml2, pugixml) && libxml2.elements > 0;
    if (!same) ++failures;
    std::printf("%-9.*s walks: %zu elements, %zu attributes, %zu attribute bytes (libxml2) %s pugixml\n",
                static_cast<int>(doc->name.size()), doc->name.data(), libxml2.elements, libxml2.attributes,
                libxml2.attributeBytes, same ? "==" : "!=");
  }
  std::printf("%s\n", failures ? "FAILED" : "all ok");
  return failures ? 1 : 0;
}

template <typename T, typename Find>
bool select(const char* list, std::vector<const T*>& out, Find find) {
  out.clear();
  for (const std::string& name : splitCommas(list)) {
    const T* item = find(name);
    if (!item) {
      std::fprintf(stderr, "unknown name: %s\n", name.c_str());
      return false;
    }
    out.push_back(item);
  }
  return true;
}

void printDetails(const std::vector<pxpeers::Measured>& results) {
  std::printf("%-9s %-13s %12s %12s %12s %10s\n", "document", "operation", "median us", "min us", "max us",
              "iterations");
  for (const pxpeers::Measured& m : results) {
    if (!m.ok) {
      std::printf("%-9.*s %-13.*s FAILED\n", static_cast<int>(m.doc->name.size()), m.doc->name.data(),
                  static_cast<int>(m.op->name.size()), m.op->name.data());
      continue;
    }
    std::printf("%-9.*s %-13.*s %12.2f %12.2f %12.2f %10ld\n", static_cast<int>(m.doc->name.size()),
                m.doc->name.data(), static_cast<int>(m.op->name.size()), m.op->name.data(), m.seconds * 1e6,
                m.minSeconds * 1e6, m.maxSeconds * 1e6, m.iterations);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--loop") == 0) return loopMode(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "--check") == 0) return argc == 2 ? checkMode() : usage(argv[0]);

  pxpeers::TimingOptions options;
  std::vector<const OpInfo*> ops;
  for (const OpInfo& op : pxpeers::kOperations) ops.push_back(&op);
  std::vector<const PeerDocument*> docs;
  for (const PeerDocument& d : pxbench::kPeerDocuments) docs.push_back(&d);
  bool pin = true;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--no-pin") {
      pin = false;
    } else if (arg == "--reps" && hasValue) {
      options.repetitions = std::atoi(argv[++i]);
    } else if (arg == "--ms" && hasValue) {
      options.secondsPerRepetition = std::atof(argv[++i]) / 1e3;
    } else if (arg == "--ops" && hasValue) {
      if (!select<OpInfo>(argv[++i], ops, [](const std::string& n) { return pxpeers::findOperation(n); })) return 2;
    } else if (arg == "--docs" && hasValue) {
      if (!select<PeerDocument>(argv[++i], docs, [](const std::string& n) { return pxbench::findPeerDocument(n); }))
        return 2;
    } else {
      return usage(argv[0]);
    }
  }
  if (options.repetitions < 1 || options.secondsPerRepetition <= 0) return usage(argv[0]);

  std::string pinning = pin ? pinToCurrentCpu() : "not pinned (--no-pin)";
  std::vector<pxpeers::Measured> results = pxpeers::measureAll(ops, docs, options);
  printDetails(results);
  pxpeers::printSummary(stdout, results, docs, options, pinning);
  for (const pxpeers::Measured& m : results)
    if (!m.ok) return 1;
  return 0;
}
