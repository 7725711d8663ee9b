// The C++ layer over the C operations: decode and encode through px::decode
// and px::encode beside the C calls they wrap (a record on the C++ heap and
// the error list copied out are what they add), and the typed extensions of
// a presence (each kept element decoded by its own decoder). The fixed
// iteration variants are for timing whole runs (farm-bench, callgrind).
#include "bench_support.h"
#include "presence_documents.h"
#include "pxxml/simple.hpp"

namespace {

const std::string& document(int tuples) {
  static const std::string small = presenceDocument(2);
  static const std::string large = presenceDocument(64);
  return tuples <= 2 ? small : large;
}

void BM_DecodeC(benchmark::State& state) {
  pxbench::decodeLoop<tns_presence, PxXmlD_tns_presence, PxMemFree_tns_presence>(
      state, document(static_cast<int>(state.range(0))));
}

void BM_DecodeCxx(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  px::Context ctx;
  for (auto _ : state) {
    auto p = px::decode<tns_presence>(ctx, doc);
    if (!p) state.SkipWithError("decode");
    benchmark::DoNotOptimize(p.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

// Decode, then every kept element of every list, typed.
void BM_DecodeCxxExtensions(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  px::Context ctx;
  for (auto _ : state) {
    auto p = px::decode<tns_presence>(ctx, doc);
    px::Extensions kept = px::extensions(ctx, *p);
    if (!p || kept.empty()) state.SkipWithError("decode");
    benchmark::DoNotOptimize(kept.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_EncodeC(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  tns_presence p;
  rtxSetInputBuffer(ctxt, doc.data(), doc.size());
  if (PxXmlD_tns_presence(ctxt, &p) != 0) state.SkipWithError("decode");
  std::string text;
  for (auto _ : state) {
    rtxResetOutput(ctxt);
    if (PxXmlE_tns_presence(ctxt, &p) != 0) state.SkipWithError("encode");
    size_t len = 0;
    const char* out = rtxGetOutput(ctxt, &len);
    text.assign(out, len);  // what px::encode hands back
    benchmark::DoNotOptimize(text.data());
  }
  PxMemFree_tns_presence(ctxt, &p);
  rtxDeleteContext(ctxt);
}

void BM_EncodeCxx(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  px::Context ctx;
  auto p = px::decode<tns_presence>(ctx, doc);
  for (auto _ : state) {
    px::Encoded xml = px::encode(ctx, *p);
    if (!xml) state.SkipWithError("encode");
    benchmark::DoNotOptimize(xml.text.data());
  }
}

}  // namespace

BENCHMARK(BM_DecodeC)->Arg(2)->Arg(64);
BENCHMARK(BM_DecodeCxx)->Arg(2)->Arg(64);
BENCHMARK(BM_DecodeCxxExtensions)->Arg(2)->Arg(64);
BENCHMARK(BM_EncodeC)->Arg(2)->Arg(64);
BENCHMARK(BM_EncodeCxx)->Arg(2)->Arg(64);
BENCHMARK(BM_DecodeC)->Arg(2)->Iterations(20000);
BENCHMARK(BM_DecodeCxx)->Arg(2)->Iterations(20000);
BENCHMARK(BM_DecodeCxxExtensions)->Arg(2)->Iterations(20000);
