// Converters of the decode input (rtXmlDec*), whitespace treatment, and the
// attribute kinds every handler meets: namespace declarations, xsi:
// attributes, attribute wildcards.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "internal/context_impl.h"
#include "internal/lexical.h"

using pxrt::implOf;

namespace {

constexpr const char* kPath = "runtime/convert.cpp";

std::string_view inputText(RtContext* ctxt) {
  const RtBuffer& in = ctxt->input;
  if (!in.data || in.byteIndex >= in.size) return {};
  return {reinterpret_cast<const char*>(in.data + in.byteIndex), in.size - in.byteIndex};
}

// Record a converter failure with the type and the offending text.
int fail(RtContext* ctxt, int status, const char* type, int line) {
  rtxErrAddStrParm(ctxt, type);
  rtxErrAddCtxtBufParm(ctxt);
  return rtxErrSetNewData(ctxt, status, kPath, line);
}

template <typename T, typename Parse>
int decode(RtContext* ctxt, T* out, const char* type, Parse&& parse, int line) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  T value{};
  int st = parse(inputText(ctxt), &value);
  if (st != 0) return fail(ctxt, st, type, line);
  if (out) *out = value;
  return 0;
}

// Whether one of the eight bytes at p is at or below 0x20 (a blank or a
// control byte): the word-at-a-time test for a byte below a bound.
bool hasLowByte(const char* p) {
  uint64_t w;
  std::memcpy(&w, p, sizeof w);
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kHigh = 0x8080808080808080ull;
  return ((w - kOnes * 0x21) & ~w & kHigh) != 0;
}

std::string_view sv(const OSUTF8CHAR* p) {
  return p ? std::string_view(reinterpret_cast<const char*>(p)) : std::string_view();
}

}  // namespace

extern "C" {

int rtXmlTreatWhitespaces(RtContext* ctxt, int mode) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  std::string_view text = inputText(ctxt);
  if (mode == 0) {
    // One pass: where the text starts and ends without spaces, and whether
    // anything inside must change.
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && pxrt::lex::isXmlSpace(static_cast<unsigned char>(*p))) ++p;
    const char* last = p;  // one past the last non-space
    bool inner = false, space = false;
    for (const char* q = p; q < end;) {
      // Eight bytes at a time past runs without blanks, the bulk of a value.
      const char* stop = end;
      if (end - q >= 8) {
        if (!hasLowByte(q)) {
          q += 8;
          last = q;
          space = false;
          continue;
        }
        stop = q + 8;
      }
      for (; q < stop; ++q) {
        auto c = static_cast<unsigned char>(*q);
        if (c > 0x20 || !pxrt::lex::isXmlSpace(c)) {
          last = q + 1;
          space = false;
        } else {
          inner |= space || c != 0x20;  // a second space, or a tab, CR or LF
          space = true;
        }
      }
    }
    // Spaces after the last character are trimmed, not collapsed.
    if (!inner || !pxrt::lex::needsInnerCollapse(std::string_view(p, static_cast<size_t>(last - p)))) {
      // Only the ends change: the input window shrinks, nothing is copied.
      rtxInitContextBuffer(ctxt, reinterpret_cast<const OSUTF8CHAR*>(p), static_cast<size_t>(last - p));
      return 0;
    }
    std::string_view trimmed(p, static_cast<size_t>(last - p));
    std::string collapsed(trimmed.size(), '\0');
    collapsed.resize(pxrt::lex::collapse(trimmed, collapsed.data()));
    impl->scratch.swap(collapsed);
  } else {
    std::string replaced(text);
    pxrt::lex::replace(replaced.data(), replaced.size());
    impl->scratch.swap(replaced);
  }
  rtxInitContextBuffer(ctxt, reinterpret_cast<const OSUTF8CHAR*>(impl->scratch.data()), impl->scratch.size());
  return 0;
}

int rtXmlDecXmlStr(RtContext* ctxt, RtXmlString* out) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  std::string_view text = inputText(ctxt);
  OSUTF8CHAR* copy = rtxUTF8Strndup(ctxt, reinterpret_cast<const OSUTF8CHAR*>(text.data() ? text.data() : ""),
                                    text.size());
  if (!copy) return rtxErrSetNewData(ctxt, ST_NO_MEMORY, kPath, __LINE__);
  if (out) {
    out->cdata = 0;
    out->value = copy;
  } else {
    rtxMemHeapFreePtr(ctxt, copy);
  }
  return 0;
}

int rtXmlDecBool(RtContext* ctxt, OSBOOL* out) {
  return decode(ctxt, out, "boolean", [](std::string_view t, OSBOOL* v) {
    bool b = false;
    int st = pxrt::lex::parseBool(t, &b);
    *v = b ? 1 : 0;
    return st;
  }, __LINE__);
}

int rtXmlDecInt(RtContext* ctxt, int32_t* out) {
  return decode(ctxt, out, "int", pxrt::lex::parseInt32, __LINE__);
}

int rtXmlDecUInt(RtContext* ctxt, uint32_t* out) {
  return decode(ctxt, out, "unsignedInt", pxrt::lex::parseUInt32, __LINE__);
}

int rtXmlDecUInt64(RtContext* ctxt, uint64_t* out) {
  return decode(ctxt, out, "unsignedLong", pxrt::lex::parseUInt64, __LINE__);
}

int rtXmlDecDecimal(RtContext* ctxt, double* out) {
  return decode(ctxt, out, "decimal", pxrt::lex::parseDecimal, __LINE__);
}

int rtXmlDecDateTime(RtContext* ctxt, RtDateTime* out) {
  return decode(ctxt, out, "dateTime", [](std::string_view t, RtDateTime* v) {
    int st = pxrt::lex::parseDateTime(t, v);
    return st > 0 ? 0 : (st < 0 ? st : ST_BAD_VALUE);
  }, __LINE__);
}

int rtxParseDecimalString(const OSUTF8CHAR* text, size_t len, double* out) {
  if (!text && len) return ST_BAD_VALUE;
  double value = 0;
  int st = pxrt::lex::parseDecimal(std::string_view(text ? reinterpret_cast<const char*>(text) : "", len), &value);
  if (st != 0) return ST_BAD_VALUE;
  if (out) *out = value;
  return 0;
}

int rtxParseDateTimeString(const OSUTF8CHAR* text, size_t len, RtDateTime* out) {
  if (!text) return ST_BAD_VALUE;
  RtDateTime value{};
  int st = pxrt::lex::parseDateTime(std::string_view(reinterpret_cast<const char*>(text), len), &value);
  if (st > 0 && out) *out = value;
  return st;
}

int rtXmlDecNSAttr(RtContext* ctxt, const OSUTF8CHAR* attrName, const OSUTF8CHAR* attrValue, RtDList* nsAttrs,
                   const OSUTF8CHAR* const* nsTable, int nsTableRowCount) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  std::string_view name = sv(attrName);
  // "xmlns" or "xmlns:" and a prefix; "xmlns:" alone declares nothing.
  if (name.substr(0, 5) != "xmlns" || (name.size() > 5 && (name[5] != ':' || name.size() == 6))) {
    rtxErrAddStrParm(ctxt, std::string(name).c_str());
    return rtxErrSetNewData(ctxt, ST_BAD_NAMESPACE, kPath, __LINE__);
  }
  std::string_view prefix = name.size() > 6 ? name.substr(6) : std::string_view();
  std::string_view uri = sv(attrValue);
  // A prefix cannot be undeclared, and xmlns is reserved.
  if ((!prefix.empty() && uri.empty()) || prefix == "xmlns") {
    rtxErrAddStrParm(ctxt, std::string(name).c_str());
    rtxErrAddStrParm(ctxt, std::string(uri).c_str());
    return rtxErrSetNewData(ctxt, ST_BAD_NAMESPACE, kPath, __LINE__);
  }
  implOf(ctxt)->ns.bind(prefix, uri);
  if (!nsAttrs) return 0;
  auto* item = static_cast<RtXmlNamespace*>(rtxMemHeapAlloc(ctxt, sizeof(RtXmlNamespace)));
  if (!item) return rtxErrSetNewData(ctxt, ST_NO_MEMORY, kPath, __LINE__);
  item->prefix = prefix.empty() ? nullptr
                                : rtxUTF8Strndup(ctxt, reinterpret_cast<const OSUTF8CHAR*>(prefix.data()), prefix.size());
  item->uri = rtxUTF8Strndup(ctxt, reinterpret_cast<const OSUTF8CHAR*>(uri.data() ? uri.data() : ""), uri.size());
  if (!item->uri || (!prefix.empty() && !item->prefix) || !rtxDListAppend(ctxt, nsAttrs, item)) {
    rtxMemHeapFreePtr(ctxt, item->prefix);
    rtxMemHeapFreePtr(ctxt, item->uri);
    rtxMemHeapFreePtr(ctxt, item);
    return rtxErrSetNewData(ctxt, ST_NO_MEMORY, kPath, __LINE__);
  }
  return 0;
}

// The schema-instance attributes carry no data for the records: they are
// accepted and dropped. Anything else is declined with 1.
int rtXmlDecXSIAttr(RtContext* ctxt, const OSUTF8CHAR* attrName, const OSUTF8CHAR* attrValue) {
  std::string_view name = sv(attrName);
  if (name.substr(0, 4) != "xsi:") return 1;
  std::string_view local = name.substr(4);
  if (local == "type" || local == "schemaLocation" || local == "noNamespaceSchemaLocation") return 0;
  if (local == "nil") {
    rtxInitContextBuffer(ctxt, attrValue, sv(attrValue).size());
    OSBOOL ignored;
    return rtXmlDecBool(ctxt, &ignored);
  }
  return 1;
}

void rtXmlMemFreeAnyAttrs(RtContext* ctxt, RtDList* anyAttrs) {
  if (!ctxt || !anyAttrs) return;
  for (RtDListNode* n = anyAttrs->head; n; n = n->next) {
    auto* nv = static_cast<RtNameValue*>(n->data);
    if (!nv) continue;
    rtxMemHeapFreePtr(ctxt, nv->name);
    rtxMemHeapFreePtr(ctxt, nv->value);
    rtxMemHeapFreePtr(ctxt, nv->nsUri);
  }
  rtxDListFreeAll(ctxt, anyAttrs);
}

}  // extern "C"
