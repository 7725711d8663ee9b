// The event driver shared by the reader's back ends: a back end tokenizes
// the document and reports start tags, end tags and text runs here; the
// driver keeps the nesting limit and the namespace scopes, applies the skip
// rule, dispatches to the root handler, and knows where in the document the
// current event is, for error entries.
#ifndef PXRT_XML_DRIVER_H
#define PXRT_XML_DRIVER_H

#include <climits>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

#include "internal/errors.h"
#include "pxxml/rt.h"
#include "xml/chars.h"
#include "xml/line_counter.h"

// The handler a reader was created for (opaque in the public header).
struct RtSaxReader {
  RtContext* ctxt;
  void* handler;
  RtSaxStartElementFn start;
  RtSaxEndElementFn end;
  RtSaxCharactersFn chars;
  bool attrsByLength;  // rtSaxCSetAttrsByLength
  const unsigned char* textGate;  // rtSaxCSetTextGate; null: none
};

namespace pxrt::xml {

class EventDriver final : public DocumentPosition {
 public:
  // A document starts: state reset, error entries located in doc.
  void begin(const RtSaxReader& handler, const char* doc, size_t size);
  // The document ends (or stopped); returns the reader's status.
  int finish();

  // A start tag. attrs: name, value, ..., null. nsAttrs: some attribute
  // name starts with "xmlns" or has a prefix other than "xml". False once
  // the parse must stop.
  // at: the tag's '<'; tagEnd: just past its '>' (an empty-element tag's
  // end event has the start tag's span).
  PX_ALWAYS_INLINE bool startElement(size_t at, size_t tagEnd, const char* qname, const char* local,
                                     const char* const* attrs, bool nsAttrs);
  PX_ALWAYS_INLINE void endElement(size_t at, size_t tagEnd, const char* qname, const char* local);
  PX_ALWAYS_INLINE void characters(size_t at, const char* text, size_t len);

  // Checks of the XML declaration: version 1.x, encoding UTF-8 or US-ASCII.
  bool declaration(size_t at, std::string_view version, std::string_view encoding);
  // A document that starts like UTF-16 is refused before tokenizing.
  bool checkStartBytes();

  // Stops the parse with a reader failure at a byte of the document.
  void fail(size_t at, int status, std::string_view what);
  // Namespaces in XML: a name is a local name, or a prefix, one colon and a
  // local name. A name with a second colon, or with nothing after its colon,
  // fails the parse here (tag: the element's name; name == tag for the
  // element itself). "xmlns:" alone is let through: it declares nothing, and
  // the decoders report it.
  // A leading colon is left to the empty-prefix report.
  static bool isQName(std::string_view name) {
    return name == "xmlns:" || isQualifiedName(name.size() > 1 && name[0] == ':' ? name.substr(1) : name);
  }
  bool notQName(size_t at, std::string_view name, std::string_view tag);
  // Nor may a processing instruction's target hold a colon.
  bool colonInTarget(size_t at, std::string_view target);
  bool failed() const { return status_ != 0; }

  // The skip rule (rtSaxSetSkipLevelToCurrent).
  void requestSkip();
  bool skipRequestedInStart() const { return phase_ == Phase::Start && skipRequested_; }
  // A capture of the element being started copies its bytes from the
  // document: the inside is still read and checked, but reported to no
  // handler; the capture is told the prefixes used there instead. The
  // element's end tag is reported as ever. False (events go on as before)
  // outside a start tag's dispatch and with a diagnostic hook set, which
  // reports every handler entry.
  bool holdCapture();

  void locate(uint32_t* line, uint32_t* column) override;
  // The document and the bytes of the tag being handled: [begin, end) from
  // its '<' to just past its '>' (a text run has none: false). Asked at
  // every captured element, so inline.
  bool tagSpan(const char** doc, size_t* begin, size_t* end) const {
    if (tagEnd_ <= at_ || tagEnd_ > size_) return false;
    *doc = doc_;
    *begin = at_;
    *end = tagEnd_;
    return true;
  }

 private:
  enum class Phase { Text, Start, End };

  // Namespace well-formedness: the tag's declarations bound, then every
  // prefix it uses declared. False (the parse failed) otherwise.
  bool bindDeclarations(size_t at, const char* qname, const char* const* attrs);
  bool prefixBound(std::string_view prefix) const;
  bool passOver(const char* qname, const char* local, const char* const* attrs, bool nsAttrs);
  bool unboundPrefix(size_t at, std::string_view prefix, const char* name, const char* tag);
  bool emptyPrefix(size_t at, const char* name, const char* tag);
  void tooDeep(size_t at, const char* qname);
  void growScopes();

  RtSaxReader h_{};
  RtContextImpl* impl_ = nullptr;
  size_t depthLimit_ = 0;
  const char* doc_ = nullptr;
  size_t size_ = 0;
  size_t at_ = 0;  // offset of the event being dispatched
  size_t tagEnd_ = 0;  // just past the tag being dispatched, 0 for text
  LineCounter lines_;

  size_t depth_ = 0;
  // The element whose inside the handlers do not see (0: none), and why:
  // skipped whole (its end tag dropped too), skipped from within its
  // content, or held by a capture. One depth, so that the hot paths test
  // one field whatever the reason.
  enum class Quiet : uint8_t { SkipWhole, SkipContent, Capture };
  size_t quietDepth_ = 0;
  Quiet quiet_ = Quiet::SkipWhole;
  Phase phase_ = Phase::Text;   // the event being dispatched
  bool skipRequested_ = false;  // requested during the current start tag
  size_t captureInside_ = 0;    // bindings from this position on are declared inside a held element
  int status_ = 0;
  // The handlers' text gate (rtSaxCSetTextGate), or a gate always open.
  static constexpr unsigned char kTextOpen = 0;
  const unsigned char* textGate_ = &kTextOpen;
  // Namespace scope depth when each open element started, by its depth.
  std::vector<uint32_t> scopeAt_;
};

}  // namespace pxrt::xml

// ------------------------------------------------------------ hot paths

#include "internal/context_impl.h"

namespace pxrt::xml {

PX_ALWAYS_INLINE bool EventDriver::startElement(size_t at, size_t tagEnd, const char* qname, const char* local,
                                               const char* const* attrs, bool nsAttrs) {
  at_ = at;
  tagEnd_ = tagEnd;
  if (++depth_ > depthLimit_) {
    tooDeep(at, qname);
    return false;
  }
  // The reader keeps the scopes of every element's declarations, so names
  // resolve the same way whatever the handlers register themselves.
  if (depth_ >= scopeAt_.size()) growScopes();
  scopeAt_[depth_] = static_cast<uint32_t>(impl_->ns.depth());
  if (nsAttrs && !bindDeclarations(at, qname, attrs)) return false;
  const Binding* binding = nullptr;
  if (local != qname) {
    if (local == qname + 1) return emptyPrefix(at, qname, qname);
    std::string_view prefix(qname, static_cast<size_t>(local - qname - 1));
    binding = impl_->ns.find(prefix);
    if (!binding && prefix != "xml") return unboundPrefix(at, prefix, qname, qname);
    if (binding) impl_->ns.setStartPrefix(prefix, binding);
  }
  if (quietDepth_) return passOver(qname, local, attrs, nsAttrs);

  phase_ = Phase::Start;
  skipRequested_ = false;
  int st = h_.start(h_.handler, reinterpret_cast<const OSUTF8CHAR*>(local),
                    reinterpret_cast<const OSUTF8CHAR*>(qname), reinterpret_cast<const OSUTF8CHAR* const*>(attrs));
  impl_->ns.clearStartPrefix();
  phase_ = Phase::Text;
  if (skipRequested_ || st < 0) {
    quietDepth_ = depth_;  // a capture of the element goes with it
    quiet_ = Quiet::SkipWhole;
  }
  skipRequested_ = false;
  return true;
}

PX_ALWAYS_INLINE void EventDriver::endElement(size_t at, size_t tagEnd, const char* qname, const char* local) {
  at_ = at;
  tagEnd_ = tagEnd;
  bool dispatch = true;
  if (quietDepth_) {
    dispatch = false;
    if (depth_ == quietDepth_) {
      dispatch = quiet_ != Quiet::SkipWhole;
      quietDepth_ = 0;
    }
  }
  if (dispatch) {
    phase_ = Phase::End;
    h_.end(h_.handler, reinterpret_cast<const OSUTF8CHAR*>(local), reinterpret_cast<const OSUTF8CHAR*>(qname));
    phase_ = Phase::Text;
  }
  if (impl_->ns.depth() != scopeAt_[depth_]) impl_->ns.truncate(scopeAt_[depth_]);
  depth_--;
}

PX_ALWAYS_INLINE void EventDriver::characters(size_t at, const char* text, size_t len) {
  if (quietDepth_ || depth_ == 0 || *textGate_) return;
  at_ = at;
  tagEnd_ = 0;
  while (len > static_cast<size_t>(INT_MAX)) {  // the handler's length is an int
    h_.chars(h_.handler, reinterpret_cast<const OSUTF8CHAR*>(text), INT_MAX);
    if (quietDepth_) return;
    text += INT_MAX;
    len -= INT_MAX;
    at += INT_MAX;
    at_ = at;
  }
  h_.chars(h_.handler, reinterpret_cast<const OSUTF8CHAR*>(text), static_cast<int>(len));
}

}  // namespace pxrt::xml

#endif
