// Helpers of the PIDF suites: a context with the library's global block,
// decoding from text, printed form of a record (the print family walks every
// member, so equal printed forms mean equal records), the corpus.
#ifndef PX_TESTS_PIDF_SUPPORT_H
#define PX_TESTS_PIDF_SUPPORT_H

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "pxxml/simple/simple.h"
#include "runtime/rt_fixture.h"
#include "support/corpus.h"

namespace pxtest {

class SimpleCtx : public Ctx {
 public:
  SimpleCtx() { PxInit_SIMPLE_Global(*this); }
};

inline std::string printed(const tns_presence& p) {
  return capturedStdout([&] { PxPrint_tns_presence("p", &p); });
}

// Decode a document held in `text` (kept alive by the caller's string).
inline int decodePresence(RtContext* ctxt, const std::string& text, tns_presence* out, size_t chunk = 0) {
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  rtSaxSetChunkSize(ctxt, chunk);
  int st = PxXmlD_tns_presence(ctxt, out);
  rtSaxSetChunkSize(ctxt, 0);
  return st;
}

inline int validatePresence(RtContext* ctxt, const std::string& text) {
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  return PxXmlV_tns_presence(ctxt);
}

inline std::string encodePresence(RtContext* ctxt, tns_presence* p, int* status = nullptr) {
  rtxResetOutput(ctxt);
  int st = PxXmlE_tns_presence(ctxt, p);
  if (status) *status = st;
  return rtxGetOutput(ctxt, nullptr);
}

inline RtXmlString* newText(RtContext* ctxt, const char* text) {
  auto* s = static_cast<RtXmlString*>(rtxMemHeapAllocZ(ctxt, sizeof(RtXmlString)));
  s->value = rtxUTF8Strdup(ctxt, u8(text));
  return s;
}

}  // namespace pxtest

#endif
