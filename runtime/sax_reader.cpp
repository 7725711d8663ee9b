// Reader entry points, the skip rule, error counting and diagnostics.
#include <new>

#include "internal/context_impl.h"
#include "internal/reader.h"

using pxrt::implOf;

namespace pxrt {

int selectReaderBackend(RtContext* ctxt, ReaderBackend backend) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  if (!impl->reader) {
    impl->reader = new (std::nothrow) Reader(ctxt);
    if (!impl->reader) return ST_NO_MEMORY;
  }
  return impl->reader->select(backend) ? 0 : ST_NOT_SUPPORTED;
}

}  // namespace pxrt

extern "C" {

RtSaxReader* rtSaxCCreateXmlReader(RtContext* ctxt, void* handler, RtSaxStartElementFn start, RtSaxEndElementFn end,
                                   RtSaxCharactersFn chars) {
  auto* impl = implOf(ctxt);
  if (!impl || !handler || !start || !end || !chars) return nullptr;
  if (!impl->reader) {
    impl->reader = new (std::nothrow) pxrt::Reader(ctxt);
    if (!impl->reader) return nullptr;
  }
  return impl->reader->acquire(handler, start, end, chars);
}

int rtSaxCParse(RtSaxReader* reader) {
  if (!reader || !implOf(reader->ctxt) || !reader->ctxt->impl->reader) return ST_BAD_ARGUMENT;
  return reader->ctxt->impl->reader->parse();
}

void rtSaxCSetAttrsByLength(RtSaxReader* reader, OSBOOL on) {
  if (reader) reader->attrsByLength = on != 0;
}

void rtSaxCSetTextGate(RtSaxReader* reader, const unsigned char* gate) {
  if (reader) reader->textGate = gate;
}

void rtSaxCReleaseReader(RtSaxReader* reader) {
  if (!reader || !implOf(reader->ctxt) || !reader->ctxt->impl->reader) return;
  reader->ctxt->impl->reader->release();
}

OSBOOL rtSaxIncErrors(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  if (!impl) return 0;
  if (impl->errors.counted < impl->errors.limit) {
    impl->errors.counted++;
    return 1;
  }
  impl->errors.uncounted++;
  return 0;
}

int rtxErrGetUnrecorded(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  return impl ? static_cast<int>(impl->errors.uncounted) : 0;
}

int rtSaxGetPosition(RtContext* ctxt, int* line, int* column) {
  auto* impl = implOf(ctxt);
  pxrt::DocumentPosition* source = impl ? impl->errors.documentPosition() : nullptr;
  uint32_t l = 0, c = 0;
  if (source) source->locate(&l, &c);
  if (line) *line = static_cast<int>(l);
  if (column) *column = static_cast<int>(c);
  return source ? 0 : ST_NO_INPUT;
}

int rtSaxSetSkipLevelToCurrent(RtContext* ctxt, int status) {
  auto* impl = implOf(ctxt);
  if (impl && impl->reader) impl->reader->requestSkip();
  return status;
}

OSBOOL rtSaxSkipRequested(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  return impl && impl->reader && impl->reader->skipRequestedInStart();
}

const uint32_t* rtSaxAttrLengths(RtContext* ctxt, const OSUTF8CHAR* const* attrs) {
  auto* impl = implOf(ctxt);
  return impl && impl->reader && attrs ? impl->reader->attrLengths(reinterpret_cast<const char* const*>(attrs))
                                       : nullptr;
}

void rtSaxSetDiagHook(RtContext* ctxt, RtSaxDiagFn fn, void* userData) {
  if (auto* impl = implOf(ctxt)) {
    impl->diag = fn;
    impl->diagData = userData;
  }
}

OSBOOL rtSaxDiagEnabled(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  return impl && impl->diag;
}

void rtSaxDiagStartFunc(void* handler, const char* funcName, const OSUTF8CHAR* qName) {
  auto* head = static_cast<RtSaxHandler*>(handler);
  auto* impl = head ? implOf(head->context) : nullptr;
  if (impl && impl->diag) impl->diag(impl->diagData, funcName, qName, 1);
}

void rtSaxDiagEndFunc(void* handler, const char* funcName, const OSUTF8CHAR* qName) {
  auto* head = static_cast<RtSaxHandler*>(handler);
  auto* impl = head ? implOf(head->context) : nullptr;
  if (impl && impl->diag) impl->diag(impl->diagData, funcName, qName, 0);
}

void rtSaxSetChunkSize(RtContext* ctxt, size_t n) {
  if (auto* impl = implOf(ctxt)) impl->chunkSize = n;
}

}  // extern "C"
