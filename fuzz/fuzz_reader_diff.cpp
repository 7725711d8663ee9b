// Fuzz target: any bytes as a document, read by the reader's own tokenizer
// and by expat. Both must give the same verdict and the same events (text
// joined; up to a refusal only the tags), and the own tokenizer fed "in
// chunks" must give the events it gives whole. Any difference aborts with
// both readings printed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "reader_events.h"

namespace {

RtContext* context() {
  static RtContext* ctxt = rtxNewContext();
  return ctxt;
}

void print(const char* label, const pxtest::Reading& r) {
  std::fprintf(stderr, "%s: status %d (%s) at %d:%d\n", label, r.status, r.reason.c_str(), r.line, r.column);
  for (const auto& e : r.events) std::fprintf(stderr, "  %s\n", e.c_str());
}

[[noreturn]] void differ(const char* what, const pxtest::Reading& a, const pxtest::Reading& b) {
  std::fprintf(stderr, "back ends differ: %s\n", what);
  print("own", a);
  print("other", b);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RtContext* ctxt = context();
  std::string_view doc(reinterpret_cast<const char*>(data), size);
  pxtest::Reading own = pxtest::readWith(ctxt, doc, pxrt::ReaderBackend::Own);
  pxtest::Reading expat = pxtest::readWith(ctxt, doc, pxrt::ReaderBackend::Expat);
  if ((own.status == 0) != (expat.status == 0)) differ("verdict", own, expat);
  if (own.status == 0 && own.events != expat.events) differ("events", own, expat);
  if (own.status != 0 && own.tags() != expat.tags()) differ("tags before the refusal", own, expat);
  if (own.status != 0 && (own.line < 1 || own.column < 1 || own.reason.empty())) differ("no place or reason", own, expat);

  // A chunk size from the document's length: text runs cut, nothing else;
  // and attributes handed over in place, read by their lengths: the same
  // texts.
  size_t chunk = 1 + size % 7;
  pxtest::Reading pieces = pxtest::readWith(ctxt, doc, pxrt::ReaderBackend::Own, chunk, true);
  if (pieces.status != own.status || pieces.events != own.events)
    differ("chunked reading, attributes in place", pieces, own);
  rtxErrReset(ctxt);
  return 0;
}
