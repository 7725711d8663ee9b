// Fuzz target: an XML Schema pattern and a text (split at the first NUL),
// matched on a context; and the text against the library's selector
// patterns. Nothing may crash or take more than linear time.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "partial_pidf/patch_patterns.h"
#include "pxxml/rt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RtContext* ctxt = rtxNewContext();
  const char* bytes = reinterpret_cast<const char*>(data);
  const char* nul = static_cast<const char*>(std::memchr(bytes, 0, size));
  std::string pattern(bytes, nul ? static_cast<size_t>(nul - bytes) : size);
  std::string text = nul ? std::string(nul + 1, bytes + size) : std::string();
  auto u = [](const std::string& s) { return reinterpret_cast<const OSUTF8CHAR*>(s.c_str()); };
  rtxMatchPattern(ctxt, u(text), u(pattern));
  for (const char* p : {pxs::patch::kXpathPattern, pxs::patch::kXpathAddPattern, pxs::patch::kTypePattern})
    rtxMatchPattern(ctxt, u(pattern), reinterpret_cast<const OSUTF8CHAR*>(p));
  rtxErrReset(ctxt);
  return 0;
}
