// Writing into the context's output buffer: room checks, escaping, and the
// state of the start tag being written (declarations already on it).
#ifndef PXRT_INTERNAL_OUTPUT_H
#define PXRT_INTERNAL_OUTPUT_H

#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "internal/text_set.h"
#include "pxxml/rt.h"

namespace pxrt {

class Output {
 public:
  // Declarations registered for the next start tag (rtXmlNSSetNamespace).
  // The slots and their texts are kept for reuse: a document's root
  // registers the same few namespaces document after document.
  struct Pending {
    std::string prefix, uri;
  };
  void addPending(std::string_view prefix, std::string_view uri, bool override = true);
  const std::string* pendingPrefixFor(std::string_view uri) const;
  bool hasPending() const { return nPending_ != 0; }
  bool hasPending(std::string_view prefix) const { return hasPending(prefix, nPending_); }
  // Among the first n registered.
  bool hasPending(std::string_view prefix, size_t n) const {
    for (size_t i = 0; i < n && i < nPending_; ++i)
      if (pending_[i].prefix == prefix) return true;
    return false;
  }
  size_t pendingCount() const { return nPending_; }
  // A declaration whose prefix the caller knows not to be pending yet.
  void appendPending(std::string_view prefix, std::string_view uri) {
    if (nPending_ == pending_.size()) pending_.emplace_back();
    Pending& slot = pending_[nPending_++];
    slot.prefix = prefix;
    slot.uri = uri;
  }
  const Pending* pendingBegin() const { return pending_.data(); }
  const Pending* pendingEnd() const { return pending_.data() + nPending_; }
  void clearPending() { nPending_ = 0; }

  // The open start tag: whether one is open and which prefixes it declares.
  bool tagOpen = false;
  bool declaredOnTag(std::string_view prefix) const { return tagDecls_.contains(prefix); }
  void addTagDecl(std::string_view prefix) { tagDecls_.insert(prefix); }
  void clearTagDecls() { tagDecls_.clear(); }

  void clear() {
    nPending_ = 0;
    tagOpen = false;
    clearTagDecls();
  }

 private:
  TextSet tagDecls_;
  std::vector<Pending> pending_;
  size_t nPending_ = 0;
};

// Text the writers may put out: valid UTF-8 of characters XML allows;
// otherwise ST_INVALID_UTF8 recorded with the reason and the byte offset.
int validateUTF8(RtContext* ctxt, const char* text, size_t len);

// Low-level writers. Each keeps a NUL after the text written (not counted in
// the write index) and returns ST_BUFFER_FULL, without recording, when a fixed
// buffer cannot take the bytes. The common case, room enough, is inline; a
// buffer grows out of line.
int outGrow(RtContext* ctxt, size_t n);  // room for n bytes plus the NUL, growing
inline int outReserve(RtContext* ctxt, size_t n) {  // n bytes plus the NUL
  const RtBuffer& b = ctxt->buffer;
  return n < b.size - b.byteIndex ? 0 : outGrow(ctxt, n);
}
inline int outWrite(RtContext* ctxt, std::string_view text) {
  if (int st = outReserve(ctxt, text.size())) return st;
  RtBuffer& b = ctxt->buffer;
  if (!text.empty()) std::memcpy(b.data + b.byteIndex, text.data(), text.size());
  b.byteIndex += text.size();
  b.data[b.byteIndex] = 0;
  return 0;
}
inline int outWriteChar(RtContext* ctxt, char c) {
  if (int st = outReserve(ctxt, 1)) return st;
  RtBuffer& b = ctxt->buffer;
  b.data[b.byteIndex++] = static_cast<OSUTF8CHAR>(c);
  b.data[b.byteIndex] = 0;
  return 0;
}
// Escaped character data: & < > and CR as references.
int outWriteText(RtContext* ctxt, std::string_view text);
// Escaped attribute value (double-quoted): & < > " and TAB, LF, CR.
int outWriteAttrValue(RtContext* ctxt, std::string_view text);
// A CDATA section, splitting any "]]>" in the text.
int outWriteCData(RtContext* ctxt, std::string_view text);

}  // namespace pxrt

#endif
