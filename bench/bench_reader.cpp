// The reader alone, with handlers that do nothing: the own tokenizer beside
// the expat back end (both behind the same event driver) and beside a bare
// expat parse, on the documents of bench/peers: a 1 KB and a 20 KB presence
// document, a 1 MB watcher information document and a 270 KB RLMI list.
//
// Google Benchmark by default. For instruction counts and whole-process
// timings the program also runs a fixed number of reads without the
// benchmark library:
//   bench_reader --read own|expat|bare pidf1k|pidf20k|winfo1m|rlmi270k|tiny ITERATIONS
// e.g. valgrind --tool=callgrind bench_reader --read own pidf20k 100, and the
// same with 0 iterations, differ by the cost of 100 reads.
#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "internal/reader.h"
#include "peer_documents.h"
#include "pxxml/rt.h"

namespace {

// The documents of bench/peers (peer_documents.h), each built on first use
// only, so that a plain read loop pays for its own document alone; "tiny"
// is the reader's fixed cost.
const std::string& document(const std::string& name) {
  if (name == "tiny") {
    static const std::string doc = "<a/>";
    return doc;
  }
  return pxbench::peerDocumentText(name);
}

int onStart(void*, const OSUTF8CHAR*, const OSUTF8CHAR*, const OSUTF8CHAR* const*) { return 0; }
int onEnd(void*, const OSUTF8CHAR*, const OSUTF8CHAR*) { return 0; }
int onText(void*, const OSUTF8CHAR*, int) { return 0; }

// One context reading documents one after the other, as a server does.
class RuntimeReader {
 public:
  explicit RuntimeReader(pxrt::ReaderBackend backend) : ctxt_(rtxNewContext()) {
    ok_ = pxrt::selectReaderBackend(ctxt_, backend) == 0;
  }
  ~RuntimeReader() { rtxDeleteContext(ctxt_); }
  bool ok() const { return ok_; }
  __attribute__((noinline)) bool read(const std::string& doc) {
    rtxSetInputBuffer(ctxt_, doc.data(), doc.size());
    RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt_, &handler_, onStart, onEnd, onText);
    int st = rtSaxCParse(reader);
    rtSaxCReleaseReader(reader);
    return st == 0;
  }

 private:
  RtContext* ctxt_;
  int handler_ = 0;
  bool ok_ = false;
};

void XMLCALL bareStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL bareEnd(void*, const XML_Char*) {}
void XMLCALL bareText(void*, const XML_Char*, int) {}

// expat alone, without the runtime around it.
class BareExpat {
 public:
  BareExpat() : parser_(XML_ParserCreate("UTF-8")) {}
  ~BareExpat() { XML_ParserFree(parser_); }
  __attribute__((noinline)) bool read(const std::string& doc) {
    XML_ParserReset(parser_, "UTF-8");
    XML_SetElementHandler(parser_, bareStart, bareEnd);
    XML_SetCharacterDataHandler(parser_, bareText);
    return XML_Parse(parser_, doc.data(), static_cast<int>(doc.size()), 1) == XML_STATUS_OK;
  }

 private:
  XML_Parser parser_;
};

template <typename Reader>
void loop(benchmark::State& state, Reader& reader, const std::string& doc) {
  for (auto _ : state)
    if (!reader.read(doc)) state.SkipWithError("document refused");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_Own(benchmark::State& state, const char* name) {
  RuntimeReader reader(pxrt::ReaderBackend::Own);
  loop(state, reader, document(name));
}

void BM_Expat(benchmark::State& state, const char* name) {
  RuntimeReader reader(pxrt::ReaderBackend::Expat);
  if (!reader.ok()) return state.SkipWithError("expat back end not built in");
  loop(state, reader, document(name));
}

void BM_BareExpat(benchmark::State& state, const char* name) {
  BareExpat reader;
  loop(state, reader, document(name));
}

#define PX_READER_BENCH(fn)                   \
  BENCHMARK_CAPTURE(fn, pidf1k, "pidf1k");    \
  BENCHMARK_CAPTURE(fn, pidf20k, "pidf20k");  \
  BENCHMARK_CAPTURE(fn, winfo1m, "winfo1m");  \
  BENCHMARK_CAPTURE(fn, rlmi270k, "rlmi270k")

PX_READER_BENCH(BM_Own);
PX_READER_BENCH(BM_Expat);
PX_READER_BENCH(BM_BareExpat);

int readMode(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s --read own|expat|bare DOCUMENT ITERATIONS\n", argv[0]);
    return 2;
  }
  const std::string& doc = document(argv[3]);
  if (doc.empty()) {
    std::fprintf(stderr, "unknown document %s (pidf1k, pidf20k, winfo1m, rlmi270k, tiny)\n", argv[3]);
    return 2;
  }
  long n = std::atol(argv[4]);
  bool ok = true;
  if (std::strcmp(argv[2], "bare") == 0) {
    BareExpat reader;
    for (long i = 0; i < n; ++i) ok = reader.read(doc) && ok;
  } else {
    RuntimeReader reader(std::strcmp(argv[2], "expat") == 0 ? pxrt::ReaderBackend::Expat : pxrt::ReaderBackend::Own);
    if (!reader.ok()) return 2;
    for (long i = 0; i < n; ++i) ok = reader.read(doc) && ok;
  }
  std::printf("%s %s: %zu bytes x %ld\n", argv[2], argv[3], doc.size(), n);
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--read") == 0) return readMode(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
