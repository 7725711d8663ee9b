// Soak: one context reused for CYCLES decode -> release cycles and CYCLES
// decode -> heap-reset cycles of a presence document and a watcher-information
// document. The heap's pages and the process's peak resident size must stay
// within a fixed bound; both are reported.
//   soak [CYCLES [heap-only]]   (default 1000000; heap-only: under a
//   sanitizer, whose quarantine holds freed memory, only the heap's pages
//   are bounded)
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "pxxml/simple/simple.h"

namespace {

long peakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

const char* kPresence =
    "<presence xmlns='urn:ietf:params:xml:ns:pidf' xmlns:dm='urn:ietf:params:xml:ns:pidf:data-model'"
    " entity='pres:a@example.com'><tuple id='t1'><status><basic>open</basic></status>"
    "<dm:deviceID>mac:8000</dm:deviceID><contact priority='0.8'>sip:a@pc.example.com</contact>"
    "<note xml:lang='en'>At my desk</note><timestamp>2026-12-05T10:00:00Z</timestamp></tuple>"
    "<dm:person id='p'><r:activities xmlns:r='urn:ietf:params:xml:ns:pidf:rpid'><r:busy/></r:activities>"
    "</dm:person></presence>";
const char* kWatcherinfo =
    "<watcherinfo xmlns='urn:ietf:params:xml:ns:watcherinfo' version='1' state='full'>"
    "<watcher-list resource='sip:a@example.com' package='presence'>"
    "<watcher id='w1' status='active' event='approved'>sip:b@example.com</watcher>"
    "<watcher id='w2' status='pending' event='subscribe' display-name='C'>sip:c@example.com</watcher>"
    "</watcher-list></watcherinfo>";

}  // namespace

int main(int argc, char** argv) {
  long cycles = argc > 1 ? std::atol(argv[1]) : 1000000;
  bool heapOnly = argc > 2 && std::string(argv[2]) == "heap-only";
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  std::string presence = kPresence, winfo = kWatcherinfo;
  size_t maxPages = 0;
  long rssAfterWarmup = 0;
  for (int mode = 0; mode < 2; ++mode) {
    for (long i = 0; i < cycles; ++i) {
      tns_presence p;
      tns__watcherinfo w;
      rtxSetInputBuffer(ctxt, presence.data(), presence.size());
      int st = PxXmlD_tns_presence(ctxt, &p);
      rtxSetInputBuffer(ctxt, winfo.data(), winfo.size());
      st |= PxXmlD_tns_watcherinfo(ctxt, &w);
      if (st != 0) {
        std::fprintf(stderr, "soak: decode failed at cycle %ld\n", i);
        return 1;
      }
      if (mode == 0) {
        PxMemFree_tns_presence(ctxt, &p);
        PxMemFree_tns__watcherinfo(ctxt, &w);
      } else {
        rtxMemReset(ctxt);
      }
      if (rtxMemHeapPageBytes(ctxt) > maxPages) maxPages = rtxMemHeapPageBytes(ctxt);
      if (i == 1000 && mode == 0) rssAfterWarmup = peakRssKb();
    }
    if (mode == 0 && rtxMemHeapLiveBlocks(ctxt) != 0) {
      std::fprintf(stderr, "soak: %zu blocks left after release cycles\n", rtxMemHeapLiveBlocks(ctxt));
      return 1;
    }
  }
  long peak = peakRssKb();
  std::printf("soak: 2 x %ld cycles, heap pages at most %zu bytes, peak RSS %ld KiB (after 1000 cycles %ld KiB)\n",
              cycles, maxPages, peak, rssAfterWarmup);
  rtxDeleteContext(ctxt);
  // Two 64 KiB pages and a spare cover a decode; the process must not grow
  // by more than a few MiB after warming up, whatever the cycle count.
  bool bounded = maxPages <= 4 * 65600 && (heapOnly || rssAfterWarmup == 0 || peak - rssAfterWarmup < 8 * 1024);
  return bounded ? 0 : 1;
}
