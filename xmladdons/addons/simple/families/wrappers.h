// Definitions of the exported operations: each macro line expands to the
// extern "C" functions of one family for one type, calling its engine with
// the type's descriptor kDesc_<type> (or the document's kDoc_<element>).
#ifndef PXS_FAMILIES_WRAPPERS_H
#define PXS_FAMILIES_WRAPPERS_H

#include "families/engines.h"

#define PX_DEFINE_INIT(T) \
  extern "C" int PxInit_##T(RtContext* ctxt, T* record) { return pxs::initRecord(ctxt, &kDesc_##T, record); }
#define PX_DEFINE_FREE(T) \
  extern "C" void PxMemFree_##T(RtContext* ctxt, T* record) { pxs::releaseRecord(ctxt, &kDesc_##T, record); }
#define PX_DEFINE_PRINT(T) \
  extern "C" void PxPrint_##T(const char* name, const T* record) { pxs::printRecord(name, &kDesc_##T, record); }

#define PX_DEFINE_TYPE_ENCODER(T)                                                                         \
  extern "C" int PxXmlET_##T(RtContext* ctxt, const T* record, const OSUTF8CHAR* name,                    \
                             const RtXmlNamespace* ns) {                                                  \
    return pxs::encodeType(ctxt, &kDesc_##T, record, name, ns);                                           \
  }                                                                                                       \
  extern "C" int PxXmlET_##T##_StartElement(RtContext* ctxt, const T* record, const OSUTF8CHAR* name,     \
                                            const RtXmlNamespace* ns) {                                   \
    return pxs::encodeStart(ctxt, &kDesc_##T, record, name, ns);                                          \
  }                                                                                                       \
  extern "C" int PxXmlET_##T##_Contents(RtContext* ctxt, const T* record, const RtXmlNamespace* ns) {     \
    return pxs::encodeContents(ctxt, &kDesc_##T, record, ns);                                             \
  }                                                                                                       \
  extern "C" int PxXmlET_##T##_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns) { \
    return pxs::encodeEnd(ctxt, &kDesc_##T, name, ns);                                                    \
  }
#define PX_DEFINE_ATTRS_ENCODER(T)                                                                   \
  extern "C" int PxXmlET_##T##_Attrs(RtContext* ctxt, const T* record, const RtXmlNamespace* ns) { \
    return pxs::encodeAttrs(ctxt, &kDesc_##T, record);                                               \
  }

// Simple types: K is the member kind (Enum, Decimal, Text), P the module's
// encoder path.
#define PX_DEFINE_SIMPLE(T, K, P)                                                                           \
  extern "C" void PxPrint_##T(const char* name, T value) {                                                  \
    pxs::printSimple(name, &kSimple_##T, pxs::Kind::K, &value);                                             \
  }                                                                                                         \
  extern "C" int PxXmlET_##T(RtContext* ctxt, T value, const OSUTF8CHAR* name, const RtXmlNamespace* ns) {  \
    return pxs::encodeSimple(ctxt, &kSimple_##T, pxs::Kind::K, &value, name, ns, P);                        \
  }                                                                                                         \
  extern "C" int PxXmlET_##T##_StartElement(RtContext* ctxt, T value, const OSUTF8CHAR* name,               \
                                            const RtXmlNamespace* ns) {                                     \
    return pxs::encodeSimpleStart(ctxt, name, ns, P);                                                       \
  }                                                                                                         \
  extern "C" int PxXmlET_##T##_Contents(RtContext* ctxt, T value, const RtXmlNamespace* ns) {               \
    return pxs::encodeSimpleContents(ctxt, &kSimple_##T, pxs::Kind::K, &value, P);                          \
  }                                                                                                         \
  extern "C" int PxXmlET_##T##_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns) { \
    return pxs::encodeSimpleEnd(ctxt, name, ns, P);                                                         \
  }

// Pattern-checked text types: the value is the text itself.
#define PX_DEFINE_SIMPLE_TEXT(T, P)                                                                            \
  extern "C" void PxPrint_##T(const char* name, const OSUTF8CHAR* value) { rtxPrintCharStr(name, value); }     \
  extern "C" int PxXmlET_##T(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,                \
                             const RtXmlNamespace* ns) {                                                      \
    RtXmlString text{0, value};                                                                               \
    return pxs::encodeSimple(ctxt, &kSimple_##T, pxs::Kind::Text, &text, name, ns, P);                        \
  }                                                                                                           \
  extern "C" int PxXmlET_##T##_StartElement(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name, \
                                            const RtXmlNamespace* ns) {                                       \
    return pxs::encodeSimpleStart(ctxt, name, ns, P);                                                         \
  }                                                                                                           \
  extern "C" int PxXmlET_##T##_Contents(RtContext* ctxt, const OSUTF8CHAR* value, const RtXmlNamespace* ns) { \
    RtXmlString text{0, value};                                                                               \
    return pxs::encodeSimpleContents(ctxt, &kSimple_##T, pxs::Kind::Text, &text, P);                          \
  }                                                                                                           \
  extern "C" int PxXmlET_##T##_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns) { \
    return pxs::encodeSimpleEnd(ctxt, name, ns, P);                                                           \
  }

// Enumerations over a sorted RtEnumItem table kTable_T.
#define PX_DEFINE_ENUM(T)                                                                       \
  extern "C" const OSUTF8CHAR* Px##T##_ToString(uint16_t value) {                              \
    return pxs::enumToString(kTable_##T, sizeof kTable_##T / sizeof kTable_##T[0], value);      \
  }                                                                                             \
  extern "C" int Px##T##_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value) {         \
    return pxs::enumToEnum(kTable_##T, sizeof kTable_##T / sizeof kTable_##T[0], text, len, value); \
  }

// The append helper of a list-type record (the record is its RtDList).
#define PX_DEFINE_APPEND(T) \
  extern "C" uint32_t Px##T##_Append(RtContext* ctxt, T* list, void* item) { return pxs::listAppend(ctxt, list, item); }

#define PX_DEFINE_SAX(T)                                                                                       \
  extern "C" void PxSAX_##T##_init(RtContext* ctxt, PxSaxHandler* handler, T* record, int level) {             \
    pxs::saxInit(ctxt, &kDesc_##T, handler, record, level, false);                                             \
  }                                                                                                            \
  extern "C" int PxSAX_##T##_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName, \
                                          const OSUTF8CHAR* const* attrs) {                                    \
    return pxs::saxStart(static_cast<PxSaxHandler*>(handler), localName, qName, attrs);                        \
  }                                                                                                            \
  extern "C" int PxSAX_##T##_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName) { \
    return pxs::saxEnd(static_cast<PxSaxHandler*>(handler), localName, qName);                                 \
  }                                                                                                            \
  extern "C" int PxSAX_##T##_characters(void* handler, const OSUTF8CHAR* text, int len) {                      \
    return pxs::saxChars(static_cast<PxSaxHandler*>(handler), text, len);                                      \
  }
#define PX_DEFINE_VSAX(T)                                                                                       \
  extern "C" void PxVSAX_##T##_init(RtContext* ctxt, PxSaxHandler* handler, int level) {                        \
    pxs::saxInit(ctxt, &kDesc_##T, handler, nullptr, level, true);                                              \
  }                                                                                                             \
  extern "C" int PxVSAX_##T##_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName, \
                                           const OSUTF8CHAR* const* attrs) {                                    \
    return pxs::saxStart(static_cast<PxSaxHandler*>(handler), localName, qName, attrs);                         \
  }                                                                                                             \
  extern "C" int PxVSAX_##T##_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName) { \
    return pxs::saxEnd(static_cast<PxSaxHandler*>(handler), localName, qName);                                  \
  }                                                                                                             \
  extern "C" int PxVSAX_##T##_characters(void* handler, const OSUTF8CHAR* text, int len) {                      \
    return pxs::saxChars(static_cast<PxSaxHandler*>(handler), text, len);                                       \
  }

#define PX_DEFINE_DOCUMENT_ENCODER(PE, T)                                                                 \
  extern "C" int PxXmlE_##PE(RtContext* ctxt, T* record) { return pxs::encodeDocument(ctxt, &kDoc_##PE, record); } \
  extern "C" int PxXmlE_##PE##_StartElement(RtContext* ctxt, T* record) {                                 \
    return pxs::encodeDocumentStart(ctxt, &kDoc_##PE, record);                                            \
  }                                                                                                       \
  extern "C" int PxXmlE_##PE##_Contents(RtContext* ctxt, const T* record) {                               \
    return pxs::encodeDocumentContents(ctxt, &kDoc_##PE, record);                                         \
  }                                                                                                       \
  extern "C" int PxXmlE_##PE##_EndElement(RtContext* ctxt, const T* record) {                             \
    return pxs::encodeDocumentEnd(ctxt, &kDoc_##PE);                                                      \
  }
// Documents whose root has a simple type (kDoc_PE has no type): the value
// is a bare RtXmlString named T.
#define PX_DEFINE_SIMPLE_DOCUMENT_ENCODER(PE, T)                                                     \
  extern "C" int PxXmlE_##PE(RtContext* ctxt, const T* value) {                                      \
    return pxs::encodeDocument(ctxt, &kDoc_##PE, const_cast<T*>(value));                             \
  }                                                                                                  \
  extern "C" int PxXmlE_##PE##_StartElement(RtContext* ctxt) {                                       \
    return pxs::encodeDocumentStart(ctxt, &kDoc_##PE, nullptr);                                      \
  }                                                                                                  \
  extern "C" int PxXmlE_##PE##_Contents(RtContext* ctxt, const T* value) {                           \
    return pxs::encodeDocumentContents(ctxt, &kDoc_##PE, value);                                     \
  }                                                                                                  \
  extern "C" int PxXmlE_##PE##_EndElement(RtContext* ctxt) { return pxs::encodeDocumentEnd(ctxt, &kDoc_##PE); }

// Text types held as a bare RtXmlString with an element encoder of their own
// (kSimple_T, no pattern): printed as their text, written as a text element;
// P the encoder path.
#define PX_DEFINE_TEXT_TYPE(T, P)                                                                             \
  extern "C" void PxPrint_##T(const char* name, const T* value) {                                             \
    rtxPrintCharStr(name, value ? value->value : nullptr);                                                    \
  }                                                                                                           \
  extern "C" int PxXmlET_##T(RtContext* ctxt, const T* value, const OSUTF8CHAR* name,                         \
                             const RtXmlNamespace* ns) {                                                      \
    return pxs::encodeSimple(ctxt, &kSimple_##T, pxs::Kind::Text, value, name, ns, P);                        \
  }                                                                                                           \
  extern "C" int PxXmlET_##T##_StartElement(RtContext* ctxt, const T* value, const OSUTF8CHAR* name,          \
                                            const RtXmlNamespace* ns) {                                       \
    return pxs::encodeSimpleStart(ctxt, name, ns, P);                                                         \
  }                                                                                                           \
  extern "C" int PxXmlET_##T##_Contents(RtContext* ctxt, const T* value, const RtXmlNamespace* ns) {          \
    return pxs::encodeSimpleContents(ctxt, &kSimple_##T, pxs::Kind::Text, value, P);                          \
  }                                                                                                           \
  extern "C" int PxXmlET_##T##_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns) { \
    return pxs::encodeSimpleEnd(ctxt, name, ns, P);                                                           \
  }

#define PX_DEFINE_DOCUMENT_DECODER(PE, T) \
  extern "C" int PxXmlD_##PE(RtContext* ctxt, T* record) { return pxs::decodeDocument(ctxt, &kDoc_##PE, record); }
#define PX_DEFINE_DOCUMENT_VALIDATOR(PE) \
  extern "C" int PxXmlV_##PE(RtContext* ctxt) { return pxs::validateDocument(ctxt, &kDoc_##PE); }

#endif
