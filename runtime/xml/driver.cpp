// The event driver's cold paths: document set-up and end, the declaration
// checks, failures, namespace declarations and the skip rule.
#include "xml/driver.h"

#include "internal/attribute_texts.h"
#include "internal/reader.h"

#include <string>

namespace pxrt::xml {

namespace {

// What follows a name's colon: a name of its own (it starts as names do)
// without a further colon.
bool localPartOk(std::string_view local) {
  const auto* b = reinterpret_cast<const uint8_t*>(local.data());
  return !local.empty() && colonIn(local) == std::string_view::npos && startsName(b, b + local.size());
}

bool equalsIgnoringCase(std::string_view a, const char* b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    char c = a[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != b[i]) return false;
  }
  return true;
}

}  // namespace

void EventDriver::begin(const RtSaxReader& handler, const char* doc, size_t size) {
  h_ = handler;
  impl_ = handler.ctxt->impl;
  textGate_ = handler.textGate ? handler.textGate : &kTextOpen;
  depthLimit_ = impl_->limits.depth;
  doc_ = doc;
  size_ = size;
  at_ = 0;
  tagEnd_ = 0;
  lines_.reset(doc, size);
  depth_ = 0;
  quietDepth_ = 0;
  skipRequested_ = false;
  phase_ = Phase::Text;
  status_ = 0;
  impl_->ns.clear();
  impl_->errors.counted = 0;  // the error limit counts per document
  impl_->errors.setDocumentPosition(this);
  handler.ctxt->state = 0;
}

int EventDriver::finish() {
  impl_->ns.clear();
  impl_->capture.active = false;
  impl_->errors.setDocumentPosition(nullptr);
  return status_;
}

void EventDriver::locate(uint32_t* line, uint32_t* column) { lines_.locate(at_, line, column); }

void EventDriver::fail(size_t at, int status, std::string_view what) {
  if (status_) return;
  status_ = status;
  at_ = at;
  rtxErrAddStrnParm(h_.ctxt, what.data(), what.size());
  rtxErrSetNewData(h_.ctxt, status, __FILE__, __LINE__);
}

void EventDriver::tooDeep(size_t at, const char* qname) {
  std::string what = "element <";
  what += qname;
  what += "> nested deeper than the limit of " + std::to_string(depthLimit_) + " levels";
  fail(at, ST_TOO_DEEP, what);
}

bool EventDriver::declaration(size_t at, std::string_view version, std::string_view encoding) {
  // Version 1.x: later minor versions are read as 1.0, as XML asks.
  bool versionOk = version.size() > 2 && version[0] == '1' && version[1] == '.';
  for (size_t i = 2; versionOk && i < version.size(); ++i) versionOk = version[i] >= '0' && version[i] <= '9';
  if (!versionOk) {
    fail(at, ST_XML_MALFORMED, "XML declaration: version \"" + std::string(version) + "\" is not 1.x");
    return false;
  }
  if (!encoding.empty() && !equalsIgnoringCase(encoding, "UTF-8") && !equalsIgnoringCase(encoding, "US-ASCII")) {
    fail(at, ST_UNSUPPORTED_ENCODING,
         "the document declares encoding " + std::string(encoding) +
             "; only UTF-8 is read: convert the document to UTF-8 and declare encoding=\"UTF-8\"");
    return false;
  }
  return true;
}

bool EventDriver::checkStartBytes() {
  const auto* b = reinterpret_cast<const unsigned char*>(doc_);
  if (size_ >= 2 && ((b[0] == 0xFE && b[1] == 0xFF) || (b[0] == 0xFF && b[1] == 0xFE) ||
                     (b[0] == '<' && b[1] == 0) || (b[0] == 0 && b[1] == '<'))) {
    fail(0, ST_UNSUPPORTED_ENCODING,
         "the document is in UTF-16; only UTF-8 is read: convert the document to UTF-8");
    return false;
  }
  return true;
}

void EventDriver::growScopes() { scopeAt_.resize(depth_ < 32 ? 64 : 2 * depth_); }

bool EventDriver::bindDeclarations(size_t at, const char* qname, const char* const* attrs) {
  bool scoped = false;
  // Our tokenizer counted the texts (and may hand plain ones over
  // unterminated); expat's are measured here.
  const uint32_t* lengths = impl_->reader ? impl_->reader->attrLengths(attrs) : nullptr;
  for (AttributeTexts a(attrs, lengths); !a.done(); a.next()) {
    const std::string_view an = a.name();
    if (!isDeclarationName(an)) continue;
    bool isDefault = an.size() == 5;
    if (!isDefault && an.size() == 6) continue;  // "xmlns:" alone declares nothing
    if (!isDefault && !localPartOk(an.substr(6))) return notQName(at, an, qname);
    const std::string_view uri = a.value();
    if (!isDefault && uri.empty()) {
      fail(at, ST_XML_MALFORMED,
           std::string("<") + qname + "> undeclares the prefix \"" + std::string(an.substr(6)) + "\" (" +
               std::string(an) + "=\"\"), which namespaces in XML do not allow: remove the declaration");
      return false;
    }
    if (!scoped) {
      impl_->ns.push();  // a scope only for elements that declare something
      scoped = true;
    }
    impl_->ns.bind(isDefault ? std::string_view() : an.substr(6), uri);
  }
  // Declarations of the tag hold for its own attributes wherever they stand.
  for (AttributeTexts a(attrs, lengths); !a.done(); a.next()) {
    const std::string_view an = a.name();
    if (isDeclarationName(an)) continue;
    const size_t colon = colonIn(an);
    if (colon == std::string_view::npos) continue;
    if (!localPartOk(an.substr(colon + 1))) return notQName(at, an, qname);
    if (colon == 0) return emptyPrefix(at, std::string(an).c_str(), qname);
    std::string_view prefix = an.substr(0, colon);
    if (!prefixBound(prefix)) return unboundPrefix(at, prefix, std::string(an).c_str(), qname);
  }
  return true;
}

bool EventDriver::prefixBound(std::string_view prefix) const {
  return prefix == "xml" || impl_->ns.find(prefix) != nullptr;
}

// A name that starts with a colon has an empty prefix, which no declaration
// can bind ("xmlns:" alone declares nothing): it would otherwise resolve as
// the default namespace here and mean something else wherever it is copied.
bool EventDriver::emptyPrefix(size_t at, const char* name, const char* tag) {
  std::string what = name == tag ? std::string("<") + name + ">"
                                  : std::string("attribute ") + name + " of <" + tag + ">";
  what += " has an empty prefix, which namespaces in XML do not allow: remove the colon or put a declared prefix"
          " before it";
  fail(at, ST_XML_MALFORMED, what);
  return false;
}

bool EventDriver::notQName(size_t at, std::string_view name, std::string_view tag) {
  std::string what;
  if (name.data() == tag.data()) what.append("<").append(name).append(">");
  else what.append("attribute ").append(name).append(" of <").append(tag).append(">");
  const size_t colon = name.find(':');
  if (name.back() == ':') what += " has nothing after its colon";
  else if (name.find(':', colon + 1) != std::string_view::npos) what += " has more than one colon";
  else what += " has a local name that does not start with a letter or '_'";
  what += ", which namespaces in XML do not allow: a name is a local name, or a prefix, one colon and a local name";
  fail(at, ST_XML_MALFORMED, what);
  return false;
}

bool EventDriver::colonInTarget(size_t at, std::string_view target) {
  std::string what = "processing instruction target ";
  what.append(target).append(" has a colon, which namespaces in XML do not allow: rename the target");
  fail(at, ST_XML_MALFORMED, what);
  return false;
}

bool EventDriver::unboundPrefix(size_t at, std::string_view prefix, const char* name, const char* tag) {
  std::string what = "the prefix \"" + std::string(prefix) + "\" of ";
  what += name == tag ? std::string("<") + name + ">" : std::string("attribute ") + name + " of <" + tag + ">";
  what += " is not declared: add xmlns:" + std::string(prefix) + "=\"...\" on the element or an ancestor";
  fail(at, ST_XML_MALFORMED, what);
  return false;
}

bool EventDriver::holdCapture() {
  if (phase_ != Phase::Start || quietDepth_ || impl_->diag) return false;
  quietDepth_ = depth_;
  quiet_ = Quiet::Capture;
  // The element's own declarations are inside the capture too.
  captureInside_ = impl_->ns.inForceBefore(scopeAt_[depth_]);
  return true;
}

// A start tag the handlers do not see: inside an element being skipped, or
// inside one a capture holds, which needs the prefixes used there (the
// element's, and those of its attributes, whose declarations are checked
// by now).
bool EventDriver::passOver(const char* qname, const char* local, const char* const* attrs, bool nsAttrs) {
  if (quiet_ == Quiet::Capture) {
    std::string_view prefix(qname, local != qname ? static_cast<size_t>(local - qname - 1) : 0);
    noteCapturedPrefix(impl_, prefix, true, captureInside_);
    if (nsAttrs)
      for (AttributeTexts a(attrs, impl_->reader ? impl_->reader->attrLengths(attrs) : nullptr); !a.done(); a.next()) {
        const std::string_view prefix = namePrefix(a.name());
        if (!prefix.empty()) noteCapturedPrefix(impl_, prefix, false, captureInside_);
      }
  }
  impl_->ns.clearStartPrefix();
  return true;
}

void EventDriver::requestSkip() {
  switch (phase_) {
    case Phase::Start:  // the element is dropped whole, decided after the dispatch
      skipRequested_ = true;
      break;
    case Phase::End:  // the element has ended: nothing is left to skip
      break;
    case Phase::Text:  // the rest of the content goes, the end tag still comes
      if (!quietDepth_ && depth_ > 0) {
        quietDepth_ = depth_;
        quiet_ = Quiet::SkipContent;
      }
      break;
  }
}

}  // namespace pxrt::xml
