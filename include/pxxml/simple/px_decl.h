/*
 * Declarations of the operation families, one macro per family, so that a
 * module header lists each of its types once per family. The names they
 * declare follow one rule: Px<Family>_<type> and Px<Family>_<prefix>_<element>.
 */
#ifndef PXXML_SIMPLE_PX_DECL_H
#define PXXML_SIMPLE_PX_DECL_H

#include "pxxml/rt.h"
#include "pxxml/simple/sax_handler.h"
#include "pxxml/simple/simple_global.h"

/* PxInit_T, PxMemFree_T, PxPrint_T */
#define PX_DECLARE_INIT(T) PX_API int PxInit_##T(RtContext* ctxt, T* record);
#define PX_DECLARE_FREE(T) PX_API void PxMemFree_##T(RtContext* ctxt, T* record);
#define PX_DECLARE_PRINT(T) PX_API void PxPrint_##T(const char* name, const T* record);

/* PxXmlET_T with its steps */
#define PX_DECLARE_TYPE_ENCODER(T)                                                                         \
  PX_API int PxXmlET_##T(RtContext* ctxt, const T* record, const OSUTF8CHAR* name, const RtXmlNamespace* ns); \
  PX_API int PxXmlET_##T##_StartElement(RtContext* ctxt, const T* record, const OSUTF8CHAR* name,            \
                                        const RtXmlNamespace* ns);                                          \
  PX_API int PxXmlET_##T##_Contents(RtContext* ctxt, const T* record, const RtXmlNamespace* ns);            \
  PX_API int PxXmlET_##T##_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
#define PX_DECLARE_ATTRS_ENCODER(T) \
  PX_API int PxXmlET_##T##_Attrs(RtContext* ctxt, const T* record, const RtXmlNamespace* ns);

/* Simple types with encoders of their own: the value is passed itself. */
#define PX_DECLARE_SIMPLE(T)                                                                                 \
  PX_API void PxPrint_##T(const char* name, T value);                                                        \
  PX_API int PxXmlET_##T(RtContext* ctxt, T value, const OSUTF8CHAR* name, const RtXmlNamespace* ns);        \
  PX_API int PxXmlET_##T##_StartElement(RtContext* ctxt, T value, const OSUTF8CHAR* name,                    \
                                        const RtXmlNamespace* ns);                                           \
  PX_API int PxXmlET_##T##_Contents(RtContext* ctxt, T value, const RtXmlNamespace* ns);                     \
  PX_API int PxXmlET_##T##_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* Pattern-checked text types: the value is the text itself. */
#define PX_DECLARE_SIMPLE_TEXT(T)                                                                            \
  PX_API void PxPrint_##T(const char* name, const OSUTF8CHAR* value);                                         \
  PX_API int PxXmlET_##T(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,                    \
                         const RtXmlNamespace* ns);                                                           \
  PX_API int PxXmlET_##T##_StartElement(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,     \
                                        const RtXmlNamespace* ns);                                            \
  PX_API int PxXmlET_##T##_Contents(RtContext* ctxt, const OSUTF8CHAR* value, const RtXmlNamespace* ns);      \
  PX_API int PxXmlET_##T##_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* Enumeration conversions */
#define PX_DECLARE_ENUM(T)                                     \
  PX_API const OSUTF8CHAR* Px##T##_ToString(uint16_t value); \
  PX_API int Px##T##_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value);

/* The append helper of a list-type record: the item count afterwards. */
#define PX_DECLARE_APPEND(T) PX_API uint32_t Px##T##_Append(RtContext* ctxt, T* list, void* item);

/* Decoding and validating handlers */
#define PX_DECLARE_SAX(T)                                                                                       \
  PX_API void PxSAX_##T##_init(RtContext* ctxt, PxSaxHandler* handler, T* record, int level);                   \
  PX_API int PxSAX_##T##_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,     \
                                      const OSUTF8CHAR* const* attrs);                                          \
  PX_API int PxSAX_##T##_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);      \
  PX_API int PxSAX_##T##_characters(void* handler, const OSUTF8CHAR* text, int len);
#define PX_DECLARE_VSAX(T)                                                                                      \
  PX_API void PxVSAX_##T##_init(RtContext* ctxt, PxSaxHandler* handler, int level);                             \
  PX_API int PxVSAX_##T##_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,    \
                                       const OSUTF8CHAR* const* attrs);                                         \
  PX_API int PxVSAX_##T##_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);     \
  PX_API int PxVSAX_##T##_characters(void* handler, const OSUTF8CHAR* text, int len);

/* Documents: PxXmlE_P_E with its steps, PxXmlD_P_E, PxXmlV_P_E */
#define PX_DECLARE_DOCUMENT(PE, T)                                          \
  PX_API int PxXmlE_##PE(RtContext* ctxt, T* record);                       \
  PX_API int PxXmlE_##PE##_StartElement(RtContext* ctxt, T* record);        \
  PX_API int PxXmlE_##PE##_Contents(RtContext* ctxt, const T* record);      \
  PX_API int PxXmlE_##PE##_EndElement(RtContext* ctxt, const T* record);    \
  PX_API int PxXmlD_##PE(RtContext* ctxt, T* record);                       \
  PX_API int PxXmlV_##PE(RtContext* ctxt);

/* Documents whose root has a simple type: the value is a bare RtXmlString
 * (named T), the start and end tags need no record, and PxXmlV_ returns
 * ST_NOT_SUPPORTED. */
#define PX_DECLARE_SIMPLE_DOCUMENT(PE, T)                                 \
  PX_API int PxXmlE_##PE(RtContext* ctxt, const T* value);                \
  PX_API int PxXmlE_##PE##_StartElement(RtContext* ctxt);                 \
  PX_API int PxXmlE_##PE##_Contents(RtContext* ctxt, const T* value);     \
  PX_API int PxXmlE_##PE##_EndElement(RtContext* ctxt);                   \
  PX_API int PxXmlD_##PE(RtContext* ctxt, T* value);                      \
  PX_API int PxXmlV_##PE(RtContext* ctxt);

#endif
