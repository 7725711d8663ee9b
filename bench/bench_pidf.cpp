// Decoding and encoding presence documents of about 1 KB and 20 KB, beside
// a bare expat parse of the same bytes (no namespace processing, handlers
// that do nothing): the cost of the library over the reader alone.
#include "bench_support.h"
#include "presence_documents.h"

namespace {

const std::string& document(int tuples) {
  static const std::string small = presenceDocument(2);
  static const std::string large = presenceDocument(64);
  return tuples <= 2 ? small : large;
}

void BM_ExpatParse(benchmark::State& state) { pxbench::expatParse(state, document(static_cast<int>(state.range(0)))); }

void BM_DecodePresence(benchmark::State& state) {
  pxbench::decodeLoop<tns_presence, PxXmlD_tns_presence, PxMemFree_tns_presence>(
      state, document(static_cast<int>(state.range(0))));
}

void BM_DecodePresenceHeapReset(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  tns_presence p;
  for (auto _ : state) {
    rtxSetInputBuffer(ctxt, doc.data(), doc.size());
    if (PxXmlD_tns_presence(ctxt, &p) != 0) state.SkipWithError("decode");
    rtxMemReset(ctxt);
  }
  rtxDeleteContext(ctxt);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_ValidatePresence(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  for (auto _ : state) {
    rtxSetInputBuffer(ctxt, doc.data(), doc.size());
    if (PxXmlV_tns_presence(ctxt) != 0) state.SkipWithError("validate");
  }
  rtxDeleteContext(ctxt);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_EncodePresence(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  tns_presence p;
  rtxSetInputBuffer(ctxt, doc.data(), doc.size());
  if (PxXmlD_tns_presence(ctxt, &p) != 0) state.SkipWithError("decode");
  size_t written = 0;
  for (auto _ : state) {
    rtxResetOutput(ctxt);
    if (PxXmlE_tns_presence(ctxt, &p) != 0) state.SkipWithError("encode");
    rtxGetOutput(ctxt, &written);
  }
  PxMemFree_tns_presence(ctxt, &p);
  rtxDeleteContext(ctxt);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * written));
}

}  // namespace

BENCHMARK(BM_ExpatParse)->Arg(2)->Arg(64);
BENCHMARK(BM_DecodePresence)->Arg(2)->Arg(64);
BENCHMARK(BM_DecodePresenceHeapReset)->Arg(2)->Arg(64);
BENCHMARK(BM_ValidatePresence)->Arg(2)->Arg(64);
BENCHMARK(BM_EncodePresence)->Arg(2)->Arg(64);
