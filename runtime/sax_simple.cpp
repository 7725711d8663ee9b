// The simple-type handler: the root handler of documents whose element has
// a simple type. It checks the element's name, refuses child elements and
// leaves the element's text as the decode input when the element ends.
#include <cstring>

#include "internal/context_impl.h"

namespace {
const char* kPath = "runtime/sax_simple.cpp";
}

extern "C" {

int SAXSimpleTypeInit(RtContext* ctxt, void* handler, const OSUTF8CHAR* elemName) {
  if (rtxCheckContext(ctxt) != 0) return ST_BAD_CONTEXT;
  auto* h = static_cast<RtSaxSimpleTypeHandler*>(handler);
  if (!h) return rtxErrSetNewData(ctxt, ST_BAD_ARGUMENT, kPath, __LINE__);
  std::memset(h, 0, sizeof *h);
  h->head.startElement = SAXSimpleTypeStartElement;
  h->head.endElement = SAXSimpleTypeEndElement;
  h->head.characters = SAXSimpleTypeCharacters;
  h->head.context = ctxt;
  h->head.elemName = elemName;
  rtxMemBufReset(&ctxt->charData);
  rtxInitContextBuffer(ctxt, nullptr, 0);
  return 0;
}

int SAXSimpleTypeStartElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                              const OSUTF8CHAR* const* attrs) {
  auto* h = static_cast<RtSaxSimpleTypeHandler*>(handler);
  RtContext* ctxt = h->head.context;
  if (h->head.level == 0) {
    if (h->head.elemName && !rtxUTF8StrEqual(localName, h->head.elemName) && rtSaxIncErrors(ctxt)) {
      rtxErrAddStrParm(ctxt, reinterpret_cast<const char*>(h->head.elemName));
      rtxErrAddStrParm(ctxt, reinterpret_cast<const char*>(localName));
      rtxErrSetNewData(ctxt, ST_NAME_MISMATCH, kPath, __LINE__);
    }
    rtSaxReportUnexpAttrs(ctxt, attrs, reinterpret_cast<const char*>(localName));
    ctxt->state = RT_STATE_START_TAKEN;
    h->head.level++;
    return 0;
  }
  // A simple type has no child elements.
  int status = 0;
  if (rtSaxIncErrors(ctxt)) {
    rtxErrAddStrParm(ctxt, reinterpret_cast<const char*>(qName));
    status = rtxErrSetNewData(ctxt, ST_UNEXPECTED_ELEMENT, kPath, __LINE__);
  }
  return rtSaxSetSkipLevelToCurrent(ctxt, status);
}

int SAXSimpleTypeEndElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName) {
  auto* h = static_cast<RtSaxSimpleTypeHandler*>(handler);
  RtContext* ctxt = h->head.context;
  if (--h->head.level == 0) {
    RtMemBuf& mb = ctxt->charData;
    rtxInitContextBuffer(ctxt, mb.data ? mb.data + mb.startidx : nullptr, mb.usedcnt);
    if (!mb.data) rtxInitContextBuffer(ctxt, reinterpret_cast<const OSUTF8CHAR*>(""), 0);
    rtxMemBufReset(&mb);
    ctxt->state = RT_STATE_ENDED;
  }
  return 0;
}

int SAXSimpleTypeCharacters(void* handler, const OSUTF8CHAR* text, int len) {
  auto* h = static_cast<RtSaxSimpleTypeHandler*>(handler);
  RtContext* ctxt = h->head.context;
  if (h->head.level != 1 || len <= 0) return 0;
  ctxt->state = RT_STATE_IN_TEXT;
  int st = rtxMemBufAppend(&ctxt->charData, text, static_cast<size_t>(len));
  if (st != 0) {
    rtSaxIncErrors(ctxt);
    rtxErrSetNewData(ctxt, st, kPath, __LINE__);
    return rtSaxSetSkipLevelToCurrent(ctxt, st);
  }
  return 0;
}

}  // extern "C"
