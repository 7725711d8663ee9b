// The expat-driven reader behind rtSaxCParse.
#include "internal/reader.h"

#include <cstring>

#include "internal/context_impl.h"

namespace pxrt {

Reader::~Reader() {
  if (parser_) XML_ParserFree(parser_);
}

RtSaxReader* Reader::acquire(void* handler, RtSaxStartElementFn start, RtSaxEndElementFn end,
                             RtSaxCharactersFn chars) {
  if (busy_) return nullptr;  // one document at a time per context
  busy_ = true;
  reader_ = RtSaxReader{ctxt_, handler, start, end, chars};
  return &reader_;
}

bool Reader::prepareParser() {
  // The document's own encoding declaration is overridden: input must be
  // UTF-8, so invalid byte sequences are reported instead of transcoded.
  if (!parser_) {
    parser_ = XML_ParserCreate("UTF-8");
    if (!parser_) return false;
  } else if (!XML_ParserReset(parser_, "UTF-8")) {
    return false;
  }
  XML_SetUserData(parser_, this);
  XML_SetElementHandler(parser_, &Reader::onStart, &Reader::onEnd);
  XML_SetCharacterDataHandler(parser_, &Reader::onText);
  // Untrusted input: no document type, hence no entity of any kind.
  XML_SetStartDoctypeDeclHandler(parser_, &Reader::onDoctype);
  XML_SetEntityDeclHandler(parser_, &Reader::onEntityDecl);
  XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
  return true;
}

void Reader::stop(int status, const char* what) {
  if (status_) return;
  status_ = status;
  rtxErrAddStrParm(ctxt_, what);
  rtxErrAddIntParm(ctxt_, static_cast<int>(XML_GetCurrentLineNumber(parser_)));
  rtxErrAddIntParm(ctxt_, static_cast<int>(XML_GetCurrentColumnNumber(parser_)) + 1);
  rtxErrSetNewData(ctxt_, status, __FILE__, __LINE__);
  XML_StopParser(parser_, XML_FALSE);
}

int Reader::parse() {
  RtContextImpl* impl = ctxt_->impl;
  if (!impl->docData) return rtxErrSetNewData(ctxt_, ST_NO_INPUT, __FILE__, __LINE__);
  if (impl->docSize > impl->limits.documentSize) {
    rtxErrAddUIntParm(ctxt_, static_cast<unsigned>(impl->docSize > 0xFFFFFFFFu ? 0xFFFFFFFFu : impl->docSize));
    rtxErrAddUIntParm(ctxt_, static_cast<unsigned>(impl->limits.documentSize));
    return rtxErrSetNewData(ctxt_, ST_TOO_LARGE, __FILE__, __LINE__);
  }
  if (!prepareParser()) return rtxErrSetNewData(ctxt_, ST_READER_FAILED, __FILE__, __LINE__);

  depth_ = 0;
  skipDepth_ = -1;
  skipWhole_ = skipRequested_ = false;
  phase_ = Phase::Text;
  status_ = 0;
  scopeDepth_.clear();
  impl->ns.clear();
  impl->errors.counted = 0;  // the error limit counts per document
  ctxt_->state = 0;

  const char* data = impl->docData ? impl->docData : "";
  size_t size = impl->docSize;
  size_t chunk = impl->chunkSize ? impl->chunkSize : size;
  if (chunk == 0) chunk = 1;
  size_t off = 0;
  XML_Status rc = XML_STATUS_OK;
  do {
    size_t n = size - off < chunk ? size - off : chunk;
    if (n > static_cast<size_t>(INT32_MAX)) n = INT32_MAX;
    bool last = off + n == size;
    rc = XML_Parse(parser_, data + off, static_cast<int>(n), last);
    off += n;
    if (rc != XML_STATUS_OK || last) break;
  } while (true);

  if (rc != XML_STATUS_OK && status_ == 0) {
    XML_Error code = XML_GetErrorCode(parser_);
    stop(ST_XML_MALFORMED, XML_ErrorString(code));
  }
  impl->ns.clear();
  impl->capture.active = false;
  return status_;
}

void Reader::requestSkip() {
  switch (phase_) {
    case Phase::Start:  // the element is dropped whole, decided after the dispatch
      skipRequested_ = true;
      break;
    case Phase::End:  // the element has ended: nothing is left to skip
      break;
    case Phase::Text:  // the rest of the content goes, the end tag still comes
      if (skipDepth_ < 0 && depth_ > 0) {
        skipDepth_ = depth_;
        skipWhole_ = false;
      }
      break;
  }
}

void XMLCALL Reader::onStart(void* user, const XML_Char* name, const XML_Char** attrs) {
  auto* self = static_cast<Reader*>(user);
  if (self->status_) return;
  RtContextImpl* impl = self->ctxt_->impl;
  if (static_cast<size_t>(++self->depth_) > impl->limits.depth) {
    self->stop(ST_TOO_DEEP, name);
    return;
  }
  // The reader keeps the scopes of every element's declarations, so names
  // resolve the same way whatever the handlers register themselves.
  self->scopeDepth_.push_back(impl->ns.depth());
  bool scoped = false;
  for (const XML_Char** a = attrs; a && a[0]; a += 2) {
    const char* an = a[0];
    if (an[0] != 'x' || std::strncmp(an, "xmlns", 5) != 0) continue;
    // "xmlns:" alone declares nothing, and a prefix cannot be undeclared.
    bool isDefault = an[5] == 0;
    if (!isDefault && !(an[5] == ':' && an[6] && a[1][0])) continue;
    if (!scoped) {
      impl->ns.push();  // a scope only for elements that declare something
      scoped = true;
    }
    impl->ns.bind(isDefault ? "" : an + 6, a[1]);
  }
  if (self->skipDepth_ >= 0) return;

  const char* colon = std::strchr(name, ':');
  const char* local = colon ? colon + 1 : name;
  self->phase_ = Phase::Start;
  self->skipRequested_ = false;
  int st = self->reader_.start(self->reader_.handler, reinterpret_cast<const OSUTF8CHAR*>(local),
                               reinterpret_cast<const OSUTF8CHAR*>(name),
                               reinterpret_cast<const OSUTF8CHAR* const*>(attrs));
  self->phase_ = Phase::Text;
  if (self->skipRequested_ || st < 0) {
    self->skipDepth_ = self->depth_;
    self->skipWhole_ = true;
  }
  self->skipRequested_ = false;
}

void XMLCALL Reader::onEnd(void* user, const XML_Char* name) {
  auto* self = static_cast<Reader*>(user);
  if (self->status_) return;
  RtContextImpl* impl = self->ctxt_->impl;
  bool dispatch = true;
  if (self->skipDepth_ >= 0) {
    dispatch = false;
    if (self->depth_ == self->skipDepth_) {
      dispatch = !self->skipWhole_;
      self->skipDepth_ = -1;
    }
  }
  if (dispatch) {
    const char* colon = std::strchr(name, ':');
    const char* local = colon ? colon + 1 : name;
    self->phase_ = Phase::End;
    self->reader_.end(self->reader_.handler, reinterpret_cast<const OSUTF8CHAR*>(local),
                      reinterpret_cast<const OSUTF8CHAR*>(name));
    self->phase_ = Phase::Text;
  }
  if (!self->scopeDepth_.empty()) {
    impl->ns.truncate(self->scopeDepth_.back());
    self->scopeDepth_.pop_back();
  }
  self->depth_--;
}

void XMLCALL Reader::onText(void* user, const XML_Char* text, int len) {
  auto* self = static_cast<Reader*>(user);
  if (self->status_ || self->skipDepth_ >= 0 || self->depth_ == 0) return;
  self->reader_.chars(self->reader_.handler, reinterpret_cast<const OSUTF8CHAR*>(text), len);
}

void XMLCALL Reader::onDoctype(void* user, const XML_Char* name, const XML_Char*, const XML_Char*, int) {
  static_cast<Reader*>(user)->stop(ST_DOCTYPE_REFUSED, name ? name : "DOCTYPE");
}

void XMLCALL Reader::onEntityDecl(void* user, const XML_Char* name, int, const XML_Char*, int, const XML_Char*,
                                  const XML_Char*, const XML_Char*, const XML_Char*) {
  static_cast<Reader*>(user)->stop(ST_DOCTYPE_REFUSED, name ? name : "ENTITY");
}

}  // namespace pxrt
