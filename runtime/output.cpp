// Output buffer primitives and escaping.
#include "internal/output.h"

#include <cstdlib>
#include <cstring>

#include "internal/code_layout.h"
#include "internal/context_impl.h"
#include "internal/escape.h"

namespace pxrt {

PX_ENCODE_PATH void Output::addPending(std::string_view prefix, std::string_view uri, bool override) {
  for (size_t i = 0; i < nPending_; ++i)
    if (pending_[i].prefix == prefix) {
      if (override) pending_[i].uri = uri;
      return;
    }
  appendPending(prefix, uri);
}

const std::string* Output::pendingPrefixFor(std::string_view uri) const {
  for (size_t i = 0; i < nPending_; ++i)
    if (pending_[i].uri == uri) return &pending_[i].prefix;
  return nullptr;
}

int outGrow(RtContext* ctxt, size_t n) {
  RtBuffer& b = ctxt->buffer;
  size_t need = b.byteIndex + n + 1;  // room for the NUL too
  if (need < b.byteIndex) return ST_BUFFER_FULL;
  if (need <= b.size) return 0;
  if (!b.dynamic) return ST_BUFFER_FULL;
  size_t cap = b.size ? b.size : 1024;
  while (cap < need) {
    if (cap > SIZE_MAX / 2) return ST_BUFFER_FULL;
    cap *= 2;
  }
  auto* data = static_cast<OSUTF8CHAR*>(std::realloc(b.data, cap));
  if (!data) return ST_BUFFER_FULL;
  b.data = data;
  b.size = cap;
  return 0;
}

namespace {

// Runs of bytes that need no reference go out in one piece.
template <const char* (*Escape)(unsigned char)>
int writeEscaped(RtContext* ctxt, std::string_view text) {
  const bool* special = kEscapeTable<Escape>.special;
  const char* p = text.data();
  const char* end = p + text.size();
  while (true) {
    const char* run = p;
    while (p < end && !special[static_cast<unsigned char>(*p)]) ++p;
    if (int st = outWrite(ctxt, std::string_view(run, static_cast<size_t>(p - run)))) return st;
    if (p == end) return 0;
    if (int st = outWrite(ctxt, Escape(static_cast<unsigned char>(*p)))) return st;
    ++p;
  }
}

}  // namespace

// Inside a start tag being written the text is an attribute value.
int outWriteText(RtContext* ctxt, std::string_view text) {
  if (ctxt->state == RT_STATE_TAG_OPEN) return writeEscaped<attrEscape>(ctxt, text);
  return writeEscaped<textEscape>(ctxt, text);
}

int outWriteAttrValue(RtContext* ctxt, std::string_view text) { return writeEscaped<attrEscape>(ctxt, text); }

// A CDATA section cannot hold "]]>" nor keep a carriage return through
// line-end normalisation: the section is closed around each of them.
int outWriteCData(RtContext* ctxt, std::string_view text) {
  if (int st = outWrite(ctxt, "<![CDATA[")) return st;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (int st = outWrite(ctxt, text.substr(start, i - start))) return st;
      if (int st = outWrite(ctxt, "]]>&#13;<![CDATA[")) return st;
      start = i + 1;
    } else if (text.compare(i, 3, "]]>") == 0) {
      if (int st = outWrite(ctxt, text.substr(start, i + 2 - start))) return st;
      if (int st = outWrite(ctxt, "]]><![CDATA[")) return st;
      start = i + 2;
      i += 1;
    }
  }
  if (int st = outWrite(ctxt, text.substr(start))) return st;
  return outWrite(ctxt, "]]>");
}

}  // namespace pxrt
