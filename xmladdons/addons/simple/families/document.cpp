// Document entry points: whole documents encoded, decoded and validated in
// one call, for roots of complex and of simple type.
#include <cstring>

#include "families/engines.h"
#include "families/values.h"
#include "pxxml/simple/simple_global.h"

namespace pxs {

namespace {

const OSUTF8CHAR* u8(const char* s) { return reinterpret_cast<const OSUTF8CHAR*>(s); }

// After a failed step: the text stays terminated when there is room, and a
// full buffer is not recorded a second time.
int terminateAfter(RtContext* ctxt, int status, const char* path) {
  if (status == 0) return writeTerminator(ctxt, path);
  if (rtxCheckBuffer(ctxt, 1) == 0) ctxt->buffer.data[ctxt->buffer.byteIndex] = 0;
  return status;
}

const OSUTF8CHAR* uriOf(RtContext* ctxt, int index) {
  NamespaceTable* table = namespaceTable(ctxt);
  return table && index >= 0 && index < PX_NS_COUNT ? table[index] : nullptr;
}

RtDList* rootNsAttrs(const DocDesc* doc, void* record) {
  const TypeDesc* d = doc->type;
  if (!d || d->shape != Shape::SimpleContent || d->nsAttrsMember < 0) return nullptr;
  return at<RtDList>(record, d->members[d->nsAttrsMember].offset);
}

}  // namespace

ErrorMark markErrors(RtContext* ctxt) {
  int kept = rtxErrGetCount(ctxt);
  return {kept, kept + rtxErrGetDropped(ctxt)};
}

bool errorsSince(RtContext* ctxt, ErrorMark mark) {
  return rtxErrGetCount(ctxt) + rtxErrGetDropped(ctxt) > mark.found;
}

// Errors left from earlier work on the context do not fail this document.
int firstErrorSince(RtContext* ctxt, ErrorMark mark) {
  int n = rtxErrGetCount(ctxt);
  for (int i = mark.kept; i < n; ++i)
    if (int st = rtxErrGetStatus(ctxt, i)) return st;
  return errorsSince(ctxt, mark) ? rtxErrGetLastError(ctxt) : 0;
}

namespace {

// Events of a document go straight to the handler they concern: the
// innermost open handler of the chain, or, for the end tag of that
// handler's own element, its parent, which ends and drops it. Passed down
// the chain level by level, each event would reach the same handler with
// the same state, only later; the handlers above it see nothing of it in
// either case but their own level, which the element's end restores. With
// a diagnostic hook set the chain is used, so that every handler entry
// reports itself.
//
// The router keeps that chain as it changes, rather than walking it from
// the root at every event: a handler opens a child's handler only while it
// takes a start tag, and drops it only while it takes that child's end
// tag, both handed over here. A chain deeper than the router keeps is
// walked from the root for the rest of the document.
bool opensHandler(const PxSaxHandler* h) {
  return h->nested && static_cast<RtSaxHandler*>(h->nested)->startElement != SAXAnyStartElement;
}

struct Router {
  static constexpr unsigned kKept = 64;
  PxSaxHandler root;
  PxSaxHandler* chain[kKept];  // chain[0] is the root, chain[depth] the innermost
  unsigned depth = 0;
  bool walking = false;  // the chain grew deeper than kept
  // The reader's text gate: set when the innermost handler drops the text
  // up to the next tag, which then is not even reported. Only tags change
  // that (text a handler takes never makes it drop the next), so it is set
  // as they are taken. Left clear where finding out would cost more than it
  // saves: the characters step still tests every text it gets.
  unsigned char dropsText = 0;

  explicit Router() { chain[0] = &root; }
  PxSaxHandler* innermost() const { return walking ? walk(nullptr) : chain[depth]; }
  PxSaxHandler* parentOfInnermost() const {
    if (!walking) return depth ? chain[depth - 1] : nullptr;
    PxSaxHandler* parent;
    walk(&parent);
    return parent;
  }
  PxSaxHandler* walk(PxSaxHandler** parent) const {
    auto* h = const_cast<PxSaxHandler*>(&root);
    if (parent) *parent = nullptr;
    while (opensHandler(h)) {
      if (parent) *parent = h;
      h = static_cast<PxSaxHandler*>(h->nested);
    }
    return h;
  }
  // After h took a start tag: the child's handler it opened, if any, now
  // the innermost.
  void opened(PxSaxHandler* h) {
    dropsText = 0;
    if (walking || !opensHandler(h)) return;
    if (depth + 1 == kKept) {
      walking = true;
      return;
    }
    chain[++depth] = static_cast<PxSaxHandler*>(h->nested);
    dropsText = textDropped(chain[depth]);
  }
};

int routeStart(void* handler, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  auto* router = static_cast<Router*>(handler);
  PxSaxHandler* h = router->innermost();
  int st = saxStart(h, local, qname, attrs);
  router->opened(h);
  return h == &router->root ? st : 0;  // a refusal below the root is the skip it requested
}

int routeEnd(void* handler, const OSUTF8CHAR* local, const OSUTF8CHAR* qname) {
  auto* router = static_cast<Router*>(handler);
  PxSaxHandler* h = router->innermost();
  if (h->head.level == 1 && h != &router->root) {
    // The handler's own end: its parent drops it.
    PxSaxHandler* parent = router->parentOfInnermost();
    int st = saxEnd(parent, local, qname);
    if (!router->walking && parent->nested != h) router->depth--;
    router->dropsText = textDropped(router->innermost());
    return parent == &router->root ? st : 0;
  }
  int st = saxEnd(h, local, qname);
  router->dropsText = textDropped(h);
  return h == &router->root ? st : 0;
}

int routeChars(void* handler, const OSUTF8CHAR* text, int len) {
  auto* router = static_cast<Router*>(handler);
  PxSaxHandler* h = router->innermost();
  if (textDropped(h)) return 0;
  int st = saxChars(h, text, len);
  return h == &router->root ? st : 0;
}

// The root handler of a complex-typed document on this stack frame, the
// parse, and one status for the whole document.
int parseWithRoot(RtContext* ctxt, const DocDesc* doc, void* record, bool validate) {
  const TypeDesc* d = doc->type;
  ErrorMark before = markErrors(ctxt);
  Router router;
  PxSaxHandler& root = router.root;
  RtSaxReader* reader = !rtSaxDiagEnabled(ctxt) ? rtSaxCCreateXmlReader(ctxt, &router, routeStart, routeEnd, routeChars)
                        : validate ? rtSaxCCreateXmlReader(ctxt, &root, d->vsaxStart, d->vsaxEnd, d->vsaxChars)
                                   : rtSaxCCreateXmlReader(ctxt, &root, d->saxStart, d->saxEnd, d->saxChars);
  if (!reader)
    return rtxErrSetNewData(ctxt, ST_READER_FAILED, validate ? doc->module->vldt : doc->module->dec, __LINE__);
  // The handlers read attributes by their lengths: no copy of each is made.
  rtSaxCSetAttrsByLength(reader, 1);
  saxInit(ctxt, d, &root, record, 0, validate);
  if (!rtSaxDiagEnabled(ctxt)) {  // the router drives the handlers
    rtSaxCSetTextGate(reader, &router.dropsText);
    saxRouted(&root);
  }
  root.head.elemName = u8(doc->elemName);
  int st = rtSaxCParse(reader);
  if (st == 0) st = firstErrorSince(ctxt, before);
  saxRelease(&root);
  rtSaxCReleaseReader(reader);
  return st;
}

// The root handler of a document of simple type: the runtime's simple-type
// handler, which checks the root's local name, with the root's namespace
// checked here as for roots of complex type (a deviceID of another
// namespace is no data-model deviceID).
struct SimpleRoot {
  RtSaxSimpleTypeHandler simple;  // first: the runtime's entry points see only this
  const DocDesc* doc;
};

int simpleRootStart(void* handler, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  auto* root = static_cast<SimpleRoot*>(handler);
  RtContext* ctxt = root->simple.head.context;
  if (root->simple.head.level == 0 && rtxUTF8StrEqual(local, root->simple.head.elemName)) {
    const OSUTF8CHAR* prefix;
    size_t prefixLen;
    rtXmlDecQName(qname, &prefix, &prefixLen);
    if (rtXmlNSGetIndex(ctxt, prefix, prefixLen) != root->doc->nsIndex && rtSaxIncErrors(ctxt)) {
      const OSUTF8CHAR* uri = rtXmlNSGetURI(ctxt, prefix, prefixLen);
      rtxErrAddStrParm(ctxt, root->doc->elemName);
      rtxErrAddStrParm(ctxt, reinterpret_cast<const char*>(local));
      rtxErrAddStrParm(ctxt, uri && *uri ? reinterpret_cast<const char*>(uri) : "no namespace");
      rtxErrSetNewData(ctxt, ST_NAME_MISMATCH, root->doc->module->dec, __LINE__);
    }
  }
  return SAXSimpleTypeStartElement(handler, local, qname, attrs);
}

void releaseRoot(RtContext* ctxt, RtSaxHandler* root) {
  if (root->free) root->free(ctxt, root);
  rtxMemHeapFreePtr(ctxt, root->nestedMem);
}

}  // namespace

int encodeDocumentStart(RtContext* ctxt, const DocDesc* doc, void* record) {
  const char* path = doc->module->enc;
  RtXmlNamespace pair{nullptr, uriOf(ctxt, doc->nsIndex)};
  RtDList* nsAttrs = rootNsAttrs(doc, record);
  // Declarations a decoded record kept come first: texts inside the record
  // mean what they meant in the document it came from. The document's own
  // prefixes then serve only namespaces those leave without one.
  bool kept = doc->type && doc->type->keepsScope && rtXmlNSDeclareKept(ctxt, record) > 0;
  auto registerOwn = [&](const char* prefix, const OSUTF8CHAR* uri) {
    if (kept && uri && rtXmlNSGetPrefix(ctxt, uri)) return 0;
    return rtXmlNSSetNamespace(ctxt, nsAttrs, u8(prefix), uri, 0);
  };
  // Roots of a simple type always declare their namespace as the default.
  const bool own = !doc->type || !(ctxt->flags & RT_FLAG_NO_OWN_NAMESPACE);
  if (own && !kept && !nsAttrs) {
    // Mostly the document's own declarations are the only ones: one call.
    const RtXmlNamespace decls[2] = {{u8(doc->prefix), pair.uri}, {u8(doc->prefix2), uriOf(ctxt, doc->ns2)}};
    if (int st = rtXmlEncRootStart(ctxt, u8(doc->elemName), decls, doc->prefix2 ? 2 : 1))
      return rtxErrSetData(ctxt, st, path, __LINE__);
  } else {
    if (own) {
      if (int st = registerOwn(doc->prefix, pair.uri)) return rtxErrSetData(ctxt, st, path, __LINE__);
      if (doc->prefix2)
        if (int st = registerOwn(doc->prefix2, uriOf(ctxt, doc->ns2))) return rtxErrSetData(ctxt, st, path, __LINE__);
    }
    if (int st = rtXmlEncStartElement(ctxt, u8(doc->elemName), &pair, nsAttrs, 0))
      return rtxErrSetData(ctxt, st, path, __LINE__);
    if (int st = rtXmlEncNSAttrs(ctxt, nsAttrs)) return rtxErrSetData(ctxt, st, path, __LINE__);
  }
  if (doc->type && (doc->type->nAttrs > 0 || doc->type->anyAttrMember >= 0 || nsAttrs))
    if (int st = encodeAttrs(ctxt, doc->type, record)) return rtxErrSetData(ctxt, st, path, __LINE__);
  int st = rtXmlEncTermStartElement(ctxt);
  if (st) rtxErrSetData(ctxt, st, path, __LINE__);
  return terminateAfter(ctxt, st, path);
}

int encodeDocumentContents(RtContext* ctxt, const DocDesc* doc, const void* record) {
  const char* path = doc->module->enc;
  RtXmlNamespace pair{nullptr, uriOf(ctxt, doc->nsIndex)};
  int st;
  if (doc->type) {
    st = encodeContents(ctxt, doc->type, record, &pair);
  } else {
    auto* text = static_cast<const RtXmlString*>(record);
    st = rtxValidateUTF8(ctxt, text->value);
    if (!st) st = rtXmlEncString(ctxt, text, nullptr, nullptr);
    if (st) rtxErrSetData(ctxt, st, path, __LINE__);
  }
  return terminateAfter(ctxt, st, path);
}

int encodeDocumentEnd(RtContext* ctxt, const DocDesc* doc) {
  const char* path = doc->module->enc;
  // The end tag takes the prefix its start tag was written with.
  RtXmlNamespace pair{nullptr, uriOf(ctxt, doc->nsIndex)};
  if (int st = rtXmlEncEndElement(ctxt, u8(doc->elemName), &pair)) return rtxErrSetData(ctxt, st, path, __LINE__);
  return writeTerminator(ctxt, path);
}

int encodeDocument(RtContext* ctxt, const DocDesc* doc, void* record) {
  const char* path = doc->module->enc;
  if (int st = rtxCheckContext(ctxt)) return st;
  if (!record) return rtxErrSetNewData(ctxt, ST_BAD_ARGUMENT, path, __LINE__);
  NamespaceTable* table = namespaceTable(ctxt);
  if (!table) return rtxErrSetNewData(ctxt, ST_NO_MEMORY, path, __LINE__);
  if (int st = rtXmlNSSetURITable(ctxt, table, PX_NS_COUNT)) return rtxErrSetData(ctxt, st, path, __LINE__);
  if (int st = rtXmlEncStartDocument(ctxt)) return rtxErrSetData(ctxt, st, path, __LINE__);
  if (int st = encodeDocumentStart(ctxt, doc, record)) return rtxErrSetData(ctxt, st, path, __LINE__);
  if (int st = encodeDocumentContents(ctxt, doc, record)) return rtxErrSetData(ctxt, st, path, __LINE__);
  if (int st = encodeDocumentEnd(ctxt, doc)) return rtxErrSetData(ctxt, st, path, __LINE__);
  if (int st = rtXmlEncEndDocument(ctxt)) return rtxErrSetData(ctxt, st, path, __LINE__);
  return 0;
}

int decodeDocument(RtContext* ctxt, const DocDesc* doc, void* record) {
  const char* path = doc->module->dec;
  if (int st = rtxCheckContext(ctxt)) return st;
  if (!record) return rtxErrSetNewData(ctxt, ST_BAD_ARGUMENT, path, __LINE__);
  ErrorMark before = markErrors(ctxt);
  if (!doc->type) {
    SimpleRoot root{{}, doc};
    RtSaxReader* reader =
        rtSaxCCreateXmlReader(ctxt, &root, simpleRootStart, SAXSimpleTypeEndElement, SAXSimpleTypeCharacters);
    if (!reader) return rtxErrSetNewData(ctxt, ST_READER_FAILED, path, __LINE__);
    int st = SAXSimpleTypeInit(ctxt, &root.simple, u8(doc->elemName));
    if (st) {
      rtxErrSetData(ctxt, st, path, __LINE__);
      rtSaxCReleaseReader(reader);
      return st;
    }
    root.simple.head.elemName = u8(doc->elemName);
    st = rtSaxCParse(reader);
    if (st == 0) {
      Member value{"value", doc->simpleKind, Role::Value, -1, 0, nullptr, -1, 1, 1};
      st = convertInput(ctxt, value, record, false, false, path);
      if (st) rtxErrSetData(ctxt, st, path, __LINE__);
      else st = firstErrorSince(ctxt, before);
    }
    releaseRoot(ctxt, &root.simple.head);
    rtSaxCReleaseReader(reader);
    return st;
  }
  clearRecord(doc->type, record);
  return parseWithRoot(ctxt, doc, record, false);
}

int validateDocument(RtContext* ctxt, const DocDesc* doc) {
  if (!doc->type) return ST_NOT_SUPPORTED;
  if (int st = rtxCheckContext(ctxt)) return st;
  return parseWithRoot(ctxt, doc, nullptr, true);
}

}  // namespace pxs
