// Decoding large list documents beside a bare expat parse of the same bytes:
// a watcher-information document of 5 lists x 1,000 watchers with all seven
// attributes (~1 MB) and an RLMI list of 1,000 resources (~270 KB).
#include <string>

#include "bench_support.h"
#include "list_documents.h"

namespace {

const std::string& document(int which) {
  static const std::string winfo = watcherinfoDocument(5, 1000);
  static const std::string rlmi = rlmiDocument(1000);
  return which == 0 ? winfo : rlmi;
}

void BM_ExpatParse(benchmark::State& state) { pxbench::expatParse(state, document(static_cast<int>(state.range(0)))); }

void BM_DecodeWatcherinfo(benchmark::State& state) {
  pxbench::decodeLoop<tns__watcherinfo, PxXmlD_tns_watcherinfo, PxMemFree_tns__watcherinfo>(state, document(0));
}
void BM_DecodeRlmiList(benchmark::State& state) {
  pxbench::decodeLoop<rlmi__list, PxXmlD_rlmi_list, PxMemFree_rlmi__list>(state, document(1));
}
void BM_ValidateWatcherinfo(benchmark::State& state) {
  RtContext* ctxt = rtxNewContext();
  const std::string& doc = document(0);
  for (auto _ : state) {
    rtxSetInputBuffer(ctxt, doc.data(), doc.size());
    if (PxXmlV_tns_watcherinfo(ctxt) != 0) state.SkipWithError("validate");
  }
  rtxDeleteContext(ctxt);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

}  // namespace

BENCHMARK(BM_ExpatParse)->Arg(0)->Arg(1);
BENCHMARK(BM_DecodeWatcherinfo);
BENCHMARK(BM_ValidateWatcherinfo);
BENCHMARK(BM_DecodeRlmiList);
