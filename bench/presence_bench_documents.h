// The documents of the partial presence benchmarks: the 1 KB and 20 KB
// presence documents of bench/peers, the one-element replace applied to
// them, and a next version with one tuple changed.
#ifndef PX_BENCH_PRESENCE_BENCH_DOCUMENTS_H
#define PX_BENCH_PRESENCE_BENCH_DOCUMENTS_H

#include <string>

#include "peer_documents.h"

namespace pxbench {

// 0: the 1 KB document, 1: the 20 KB one, those bench/peers measures.
inline const std::string& document(int which) {
  return peerDocumentText(which == 0 ? "pidf1k" : "pidf20k");
}

// One tuple's status replaced.
inline const std::string kReplaceDiff =
    "<p:pidf-diff xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\">"
    "<p:replace sel=\"presence/tuple[@id='t0']/status\"><status><basic>closed</basic></status></p:replace>"
    "</p:pidf-diff>";

inline std::string changed(const std::string& doc) {
  std::string next = doc;
  size_t at = next.find("<basic>open</basic>");
  next.replace(at, 19, "<basic>closed</basic>");
  return next;
}

}  // namespace pxbench

#endif
