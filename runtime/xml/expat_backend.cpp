// The expat back end (see expat_backend.h).
#include "xml/expat_backend.h"

#include <cstdint>
#include <string>

namespace pxrt::xml {

ExpatBackend::~ExpatBackend() {
  if (parser_) XML_ParserFree(parser_);
}

bool ExpatBackend::prepare() {
  // The document's own encoding declaration is overridden: input must be
  // UTF-8, so invalid byte sequences are reported instead of transcoded.
  if (!parser_) {
    parser_ = XML_ParserCreate("UTF-8");
    if (!parser_) return false;
  } else if (!XML_ParserReset(parser_, "UTF-8")) {
    return false;
  }
  XML_SetUserData(parser_, this);
  XML_SetElementHandler(parser_, &ExpatBackend::onStart, &ExpatBackend::onEnd);
  XML_SetCharacterDataHandler(parser_, &ExpatBackend::onText);
  XML_SetXmlDeclHandler(parser_, &ExpatBackend::onXmlDecl);
  XML_SetProcessingInstructionHandler(parser_, &ExpatBackend::onProcessingInstruction);
  // Untrusted input: no document type, hence no entity of any kind.
  XML_SetStartDoctypeDeclHandler(parser_, &ExpatBackend::onDoctype);
  XML_SetEntityDeclHandler(parser_, &ExpatBackend::onEntityDecl);
  XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
  return true;
}

size_t ExpatBackend::offset() const {
  XML_Index at = XML_GetCurrentByteIndex(parser_);
  return at < 0 ? 0 : static_cast<size_t>(at);
}

void ExpatBackend::parse(EventDriver& driver, const char* doc, size_t size, size_t chunk) {
  d_ = &driver;
  if (!prepare()) {
    driver.fail(0, ST_READER_FAILED, "expat parser cannot be created");
    return;
  }
  if (chunk == 0) chunk = size ? size : 1;
  size_t off = 0;
  XML_Status rc = XML_STATUS_OK;
  for (;;) {
    size_t n = size - off < chunk ? size - off : chunk;
    if (n > static_cast<size_t>(INT32_MAX)) n = INT32_MAX;
    bool last = off + n == size;
    rc = XML_Parse(parser_, doc + off, static_cast<int>(n), last);
    off += n;
    if (rc != XML_STATUS_OK || last) break;
  }
  if (rc != XML_STATUS_OK && !driver.failed())
    driver.fail(offset(), ST_XML_MALFORMED, XML_ErrorString(XML_GetErrorCode(parser_)));
}

void XMLCALL ExpatBackend::onStart(void* user, const XML_Char* name, const XML_Char** attrs) {
  auto* self = static_cast<ExpatBackend*>(user);
  if (self->d_->failed()) return;
  size_t at = self->offset();
  // Expat reads names without namespaces: the names namespaces forbid are
  // refused here, as our reader refuses them.
  if (!EventDriver::isQName(name)) {
    self->d_->notQName(at, name, name);
    XML_StopParser(self->parser_, XML_FALSE);
    return;
  }
  bool nsAttrs = false;
  for (const XML_Char** a = attrs; a[0]; a += 2) {
    if (!EventDriver::isQName(a[0])) {
      self->d_->notQName(at, a[0], name);
      XML_StopParser(self->parser_, XML_FALSE);
      return;
    }
    nsAttrs = nsAttrs || std::strncmp(a[0], "xmlns", 5) == 0 ||
              (std::strchr(a[0], ':') && std::strncmp(a[0], "xml:", 4) != 0);
  }
  const char* colon = std::strchr(name, ':');
  self->lastTagEnd_ = at + static_cast<size_t>(XML_GetCurrentByteCount(self->parser_));
  if (!self->d_->startElement(at, self->lastTagEnd_, name, colon ? colon + 1 : name, attrs, nsAttrs))
    XML_StopParser(self->parser_, XML_FALSE);
}

void XMLCALL ExpatBackend::onEnd(void* user, const XML_Char* name) {
  auto* self = static_cast<ExpatBackend*>(user);
  if (self->d_->failed()) return;
  const char* colon = std::strchr(name, ':');
  // The end of an empty-element tag has no bytes of its own: it is the
  // start tag's.
  size_t at = self->offset();
  int count = XML_GetCurrentByteCount(self->parser_);
  size_t tagEnd = count > 0 ? at + static_cast<size_t>(count) : self->lastTagEnd_;
  self->d_->endElement(at, tagEnd, name, colon ? colon + 1 : name);
}

void XMLCALL ExpatBackend::onText(void* user, const XML_Char* text, int len) {
  auto* self = static_cast<ExpatBackend*>(user);
  if (self->d_->failed() || len <= 0) return;
  self->d_->characters(self->offset(), text, static_cast<size_t>(len));
}

void XMLCALL ExpatBackend::onXmlDecl(void* user, const XML_Char* version, const XML_Char* encoding, int) {
  auto* self = static_cast<ExpatBackend*>(user);
  if (self->d_->failed()) return;
  if (!self->d_->declaration(self->offset(), version ? version : "", encoding ? encoding : ""))
    XML_StopParser(self->parser_, XML_FALSE);
}

void XMLCALL ExpatBackend::onProcessingInstruction(void* user, const XML_Char* target, const XML_Char*) {
  auto* self = static_cast<ExpatBackend*>(user);
  if (self->d_->failed() || !std::strchr(target, ':')) return;
  self->d_->colonInTarget(self->offset(), target);
  XML_StopParser(self->parser_, XML_FALSE);
}

void ExpatBackend::refuseDoctype(const char* what, const char* name) {
  if (d_->failed()) return;
  std::string text = std::string(what) + (name ? name : "") +
                     "> refused: documents may not carry one (no entities are expanded)";
  d_->fail(offset(), ST_DOCTYPE_REFUSED, text);
  XML_StopParser(parser_, XML_FALSE);
}

void XMLCALL ExpatBackend::onDoctype(void* user, const XML_Char* name, const XML_Char*, const XML_Char*, int) {
  static_cast<ExpatBackend*>(user)->refuseDoctype("document type declaration <!DOCTYPE ", name);
}

void XMLCALL ExpatBackend::onEntityDecl(void* user, const XML_Char* name, int, const XML_Char*, int, const XML_Char*,
                                        const XML_Char*, const XML_Char*, const XML_Char*) {
  static_cast<ExpatBackend*>(user)->refuseDoctype("entity declaration <!ENTITY ", name);
}

}  // namespace pxrt::xml
