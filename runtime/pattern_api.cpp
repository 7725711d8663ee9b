// rtxMatchPattern / rtxMatchPattern2 over the context's compiled-pattern cache.
#include <string>
#include <string_view>

#include "internal/context_impl.h"

namespace {

OSBOOL matchText(RtContext* ctxt, std::string_view text, const OSUTF8CHAR* pattern) {
  auto* impl = pxrt::implOf(ctxt);
  if (!impl || !pattern) return 0;
  std::string_view pat(reinterpret_cast<const char*>(pattern));
  std::string error;
  const pxrt::pattern::Program* program = impl->patterns.get(pat, &error);
  if (!program) {
    rtxErrAddStrnParm(ctxt, pat.data(), pat.size());
    rtxErrAddStrParm(ctxt, error.c_str());
    rtxErrSetNewData(ctxt, ST_BAD_PATTERN, "runtime/pattern_api.cpp", __LINE__);
    return 0;
  }
  return pxrt::pattern::matches(*program, text) ? 1 : 0;
}

}  // namespace

extern "C" {

OSBOOL rtxMatchPattern(RtContext* ctxt, const OSUTF8CHAR* text, const OSUTF8CHAR* pattern) {
  std::string_view t = text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
  return matchText(ctxt, t, pattern);
}

OSBOOL rtxMatchPattern2(RtContext* ctxt, const OSUTF8CHAR* pattern) {
  if (!ctxt) return 0;
  const RtBuffer& in = ctxt->input;
  std::string_view t;
  if (in.data && in.byteIndex < in.size)
    t = std::string_view(reinterpret_cast<const char*>(in.data + in.byteIndex), in.size - in.byteIndex);
  return matchText(ctxt, t, pattern);
}

}  // extern "C"
