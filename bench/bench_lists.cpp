// Decoding large list documents beside a bare expat parse of the same bytes:
// a watcher-information document of 5 lists x 1,000 watchers (~500 KB) and
// an RLMI list of 1,000 resources (~300 KB).
#include <string>

#include "bench_support.h"

namespace {

std::string watcherinfo() {
  std::string doc =
      "<?xml version=\"1.0\"?>\n<watcherinfo xmlns=\"urn:ietf:params:xml:ns:watcherinfo\" version=\"12\" "
      "state=\"full\">\n";
  static const char* kStatus[] = {"active", "pending", "waiting", "terminated"};
  static const char* kEvent[] = {"subscribe", "approved", "timeout", "rejected"};
  for (int l = 0; l < 5; ++l) {
    doc += "  <watcher-list resource=\"sip:user" + std::to_string(l) + "@example.com\" package=\"presence\">\n";
    for (int w = 0; w < 1000; ++w) {
      std::string n = std::to_string(l * 1000 + w);
      doc += "    <watcher id=\"wid" + n + "\" status=\"" + kStatus[w % 4] + "\" event=\"" + kEvent[w % 4] +
             "\" duration-subscribed=\"" + std::to_string(w * 7) + "\">sip:watcher" + n + "@example.net</watcher>\n";
    }
    doc += "  </watcher-list>\n";
  }
  return doc + "</watcherinfo>\n";
}

std::string rlmiList() {
  std::string doc =
      "<?xml version=\"1.0\"?>\n<list xmlns=\"urn:ietf:params:xml:ns:rlmi\" uri=\"sip:buddies@example.com\" "
      "version=\"7\" fullState=\"true\">\n  <name xml:lang=\"en\">Buddy list</name>\n";
  for (int r = 0; r < 1000; ++r) {
    std::string n = std::to_string(r);
    doc += "  <resource uri=\"sip:friend" + n + "@example.com\">\n    <name xml:lang=\"en\">Friend " + n +
           "</name>\n    <name xml:lang=\"de\">Freund " + n + "</name>\n    <instance id=\"i" + n + "\" state=\"" +
           (r % 3 ? "active" : "pending") + "\" cid=\"c" + n + "@example.com\"/>\n    <instance id=\"j" + n +
           "\" state=\"terminated\" reason=\"timeout\"/>\n  </resource>\n";
  }
  return doc + "</list>\n";
}

const std::string& document(int which) {
  static const std::string winfo = watcherinfo();
  static const std::string rlmi = rlmiList();
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
