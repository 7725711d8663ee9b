// Printing for diagnosis: one line per value on standard output,
// "name = value".
#include <charconv>
#include <cstdio>

#include "pxxml/rt.h"

namespace {
const char* nameOr(const char* name) { return name ? name : ""; }
}

extern "C" {

void rtxPrintCharStr(const char* name, const OSUTF8CHAR* text) {
  if (text) std::printf("%s = '%s'\n", nameOr(name), reinterpret_cast<const char*>(text));
  else std::printf("%s = <null>\n", nameOr(name));
}

void rtxPrintBoolean(const char* name, OSBOOL value) {
  std::printf("%s = %s\n", nameOr(name), value ? "true" : "false");
}

void rtxPrintInteger(const char* name, int32_t value) { std::printf("%s = %d\n", nameOr(name), value); }

void rtxPrintUnsigned(const char* name, uint32_t value) { std::printf("%s = %u\n", nameOr(name), value); }

void rtxPrintUInt64(const char* name, uint64_t value) {
  std::printf("%s = %llu\n", nameOr(name), static_cast<unsigned long long>(value));
}

void rtxPrintReal(const char* name, double value) {
  // The shortest text that reads back as the same value.
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf - 1, value);
  *r.ptr = 0;
  std::printf("%s = %s\n", nameOr(name), buf);
}

void rtxPrintNVP(const char* name, const RtNameValue* nvp) {
  if (!nvp) {
    rtxPrintNull(name);
    return;
  }
  std::printf("%s = %s=\"%s\"\n", nameOr(name), nvp->name ? reinterpret_cast<const char*>(nvp->name) : "",
              nvp->value ? reinterpret_cast<const char*>(nvp->value) : "");
}

void rtxPrintNull(const char* name) { std::printf("%s = <null>\n", nameOr(name)); }

void rtXmlPrintNSAttrs(const char* name, const RtDList* nsAttrs) {
  if (!nsAttrs) return;
  for (const RtDListNode* n = nsAttrs->head; n; n = n->next) {
    auto* ns = static_cast<const RtXmlNamespace*>(n->data);
    if (!ns) continue;
    const char* prefix = ns->prefix ? reinterpret_cast<const char*>(ns->prefix) : "";
    std::printf("%s.xmlns%s%s = '%s'\n", nameOr(name), *prefix ? ":" : "", prefix,
                ns->uri ? reinterpret_cast<const char*>(ns->uri) : "");
  }
}

}  // extern "C"
