// The generic engines of the operation families. Every exported operation
// of the library is a one-line call into one of these with the descriptor
// of its type.
#ifndef PXS_FAMILIES_ENGINES_H
#define PXS_FAMILIES_ENGINES_H

#include "families/descriptor.h"
#include "pxxml/simple/sax_handler.h"
#include "pxxml/simple/simple_global.h"

namespace pxs {

// The context's namespace table, read straight from the library's block in
// the context once it is there: the encoders ask at every element.
inline NamespaceTable* namespaceTable(RtContext* ctxt) {
  if (ctxt && ctxt->pGlobalData)
    if (NamespaceTable* table = static_cast<SIMPLE_Global*>(ctxt->pGlobalData)->nsTable) return table;
  return PxGet_SIMPLE_NSURI(ctxt);
}

// Initialisation, release, printing.
int initRecord(RtContext* ctxt, const TypeDesc* d, void* record);
void clearRecord(const TypeDesc* d, void* record);  // the same without the context check
// A record the decoder is about to fill, emptied as clearRecord does and its
// values zeroed too: every member's empty form is all zero bytes (null texts,
// empty lists, bits and tags 0), so one memset of the struct's size does it
// whatever the members, where clearRecord walks them to leave values alone.
void blankRecord(const TypeDesc* d, void* record);
void releaseRecord(RtContext* ctxt, const TypeDesc* d, void* record);
void printRecord(const char* name, const TypeDesc* d, const void* record);
void printSimple(const char* name, const SimpleType* t, Kind kind, const void* value);

// Type encoders: the whole element and its steps.
int encodeType(RtContext* ctxt, const TypeDesc* d, const void* record, const OSUTF8CHAR* name,
               const RtXmlNamespace* ns);
int encodeStart(RtContext* ctxt, const TypeDesc* d, const void* record, const OSUTF8CHAR* name,
                const RtXmlNamespace* ns);
int encodeAttrs(RtContext* ctxt, const TypeDesc* d, const void* record);
int encodeContents(RtContext* ctxt, const TypeDesc* d, const void* record, const RtXmlNamespace* ns);
int encodeEnd(RtContext* ctxt, const TypeDesc* d, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
// The NUL after the text written so far, not counted in the write index;
// ST_BUFFER_FULL recorded (at path) when there is no room for it.
int writeTerminator(RtContext* ctxt, const char* path);

// Simple types with encoders of their own (enumerations, decimals, patterns).
int encodeSimple(RtContext* ctxt, const SimpleType* t, Kind kind, const void* value, const OSUTF8CHAR* name,
                 const RtXmlNamespace* ns, const char* path);
int encodeSimpleStart(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns, const char* path);
int encodeSimpleContents(RtContext* ctxt, const SimpleType* t, Kind kind, const void* value, const char* path);
int encodeSimpleEnd(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns, const char* path);

// Documents.
int encodeDocument(RtContext* ctxt, const DocDesc* doc, void* record);
int encodeDocumentStart(RtContext* ctxt, const DocDesc* doc, void* record);
int encodeDocumentContents(RtContext* ctxt, const DocDesc* doc, const void* record);
int encodeDocumentEnd(RtContext* ctxt, const DocDesc* doc);
int decodeDocument(RtContext* ctxt, const DocDesc* doc, void* record);
int validateDocument(RtContext* ctxt, const DocDesc* doc);

// Decoding (record given) and validating (record null) handlers.
void saxInit(RtContext* ctxt, const TypeDesc* d, PxSaxHandler* h, void* record, int level, bool validate);
int saxStart(PxSaxHandler* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs);
int saxEnd(PxSaxHandler* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname);
int saxChars(PxSaxHandler* h, const OSUTF8CHAR* text, int len);
// The root handler (saxInit just made it) takes its events from the
// document router, which hands each event to the handler it concerns, not
// down the chain; its handlers may then leave leaf children without one.
void saxRouted(PxSaxHandler* h);
// Text after an end tag goes nowhere unless a capture under this handler is
// under way: most text runs of a document, the line ends and indents
// between elements. The characters step's first test, and the router's, so
// that such runs cost no call.
inline bool textAfterEndDropped(const PxSaxHandler* h) {
  return h->head.context->state == RT_STATE_ENDED && !h->nested;
}
// The router's test before the characters step: also text between the
// children of element content, which that step drops as well.
inline bool textDropped(const PxSaxHandler* h) {
  if (textAfterEndDropped(h)) return true;
  const Shape shape = static_cast<const TypeDesc*>(h->type)->shape;
  return h->head.level <= 1 && shape != Shape::SimpleContent && shape != Shape::OpenContent;
}
// Free the handler's block and those of every handler still open below it.
void saxRelease(PxSaxHandler* h);

// Enumerations.
const OSUTF8CHAR* enumToString(const RtEnumItem* table, uint16_t n, uint16_t value);
int enumToEnum(const RtEnumItem* table, uint16_t n, const OSUTF8CHAR* text, size_t len, uint16_t* out);
uint32_t listAppend(RtContext* ctxt, RtDList* list, void* item);

// Where the context's error list stands, to tell what one operation added.
// Errors the full list could not keep still count: a context reused without
// a reset must not let an invalid document pass once its list is full.
struct ErrorMark {
  int kept;   // entries in the list
  int found;  // entries kept or dropped
};
ErrorMark markErrors(RtContext* ctxt);
bool errorsSince(RtContext* ctxt, ErrorMark mark);
// The status of the first error since the mark (the latest one when the
// full list kept none of them); 0 when there was none.
int firstErrorSince(RtContext* ctxt, ErrorMark mark);

}  // namespace pxs

#endif
