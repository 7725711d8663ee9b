/*
 * Partial presence documents: pidf-diff (a versioned list of patch
 * operations) and pidf-full (a presence document with a version), in
 * "urn:ietf:params:xml:ns:pidf-diff" (namespace index 10); the presence
 * content of pidf-full stays in the PIDF namespace.
 *
 * After the records: the names of their presence bits, choice tags and
 * enumeration values; then the operations, one group per type.
 */
#ifndef PXXML_SIMPLE_PARTIAL_PIDF_H
#define PXXML_SIMPLE_PARTIAL_PIDF_H

#include "pxxml/simple/patch_ops.h"
#include "pxxml/simple/pidf.h"

#ifdef __cplusplus
extern "C" {
#endif

/* One operation: t 1 add, 2 replace, 3 remove; 0 none. */
typedef struct partial__pidf_diff_1 {
  uint16_t t;
  union {
    struct add partial_add;
    struct replace partial_replace;
    struct remove_ partial_remove;
  } u;
} partial__pidf_diff_1;

typedef struct partial__pidf_diff_2 {
  partial__pidf_diff_1 partial__choice1;
} partial__pidf_diff_2;

typedef struct partial__pidf_diff {
  uint32_t present;
  RtDList partial__seq;        /* partial__pidf_diff_2*, in document order */
  uint32_t partial_version;    /* bit 0 */
  RtXmlString partial_entity;  /* bit 1 */
} partial__pidf_diff;

/* pidf-full extends presence: the presence record, embedded, then version.
 * The presence's entity is written on the pidf-full start tag. */
typedef struct partial__pidf_full {
  uint32_t present;
  tns_presence base;
  uint32_t partial_version; /* bit 0 */
} partial__pidf_full;

/* ---- names: written by pxnames from the library's tables ---- */
/* Every name is its owner's type name in upper case, an underscore, then
 * - for a presence bit, the member's XML name: the bit's mask in present;
 * - for a choice tag, the alternative's XML name (ANY: foreign elements):
 *   the value of t when that alternative is chosen;
 * - for an enumeration value, its text.
 * Other characters become underscores (in-transit: IN_TRANSIT). */

/* partial__pidf_diff.present: one bit per optional member */
enum {
  PARTIAL__PIDF_DIFF_VERSION = 1u << 0, /* partial_version */
  PARTIAL__PIDF_DIFF_ENTITY = 1u << 1   /* partial_entity */
};

/* partial__pidf_diff_1.t: the alternative chosen (0: none) */
enum {
  PARTIAL__PIDF_DIFF_1_ADD = 1,     /* u.partial_add */
  PARTIAL__PIDF_DIFF_1_REPLACE = 2, /* u.partial_replace */
  PARTIAL__PIDF_DIFF_1_REMOVE = 3   /* u.partial_remove */
};

/* partial__pidf_full.present: one bit per optional member */
enum {
  PARTIAL__PIDF_FULL_VERSION = 1u << 0  /* partial_version */
};

/* ---- end of names ---- */

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* partial__pidf_diff: a versioned list of patch operations */
PX_API int PxInit_partial__pidf_diff(RtContext* ctxt, partial__pidf_diff* record);
PX_API void PxMemFree_partial__pidf_diff(RtContext* ctxt, partial__pidf_diff* record);
PX_API void PxPrint_partial__pidf_diff(const char* name, const partial__pidf_diff* record);
PX_API int PxXmlET_partial__pidf_diff(RtContext* ctxt, const partial__pidf_diff* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_StartElement(RtContext* ctxt, const partial__pidf_diff* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_Contents(RtContext* ctxt, const partial__pidf_diff* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_Attrs(RtContext* ctxt, const partial__pidf_diff* record,
                                            const RtXmlNamespace* ns);
PX_API void PxSAX_partial__pidf_diff_init(RtContext* ctxt, PxSaxHandler* handler, partial__pidf_diff* record,
                                          int level);
PX_API int PxSAX_partial__pidf_diff_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_partial__pidf_diff_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxSAX_partial__pidf_diff_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_partial__pidf_diff_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_partial__pidf_diff_startElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_partial__pidf_diff_endElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName);
PX_API int PxVSAX_partial__pidf_diff_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_partial_pidf_diff(RtContext* ctxt, partial__pidf_diff* record);
PX_API int PxXmlE_partial_pidf_diff_StartElement(RtContext* ctxt, partial__pidf_diff* record);
PX_API int PxXmlE_partial_pidf_diff_Contents(RtContext* ctxt, const partial__pidf_diff* record);
PX_API int PxXmlE_partial_pidf_diff_EndElement(RtContext* ctxt, const partial__pidf_diff* record);
PX_API int PxXmlD_partial_pidf_diff(RtContext* ctxt, partial__pidf_diff* record);
PX_API int PxXmlV_partial_pidf_diff(RtContext* ctxt);

/* partial__pidf_diff_1: pidf-diff: one operation (add, replace or remove) */
PX_API int PxInit_partial__pidf_diff_1(RtContext* ctxt, partial__pidf_diff_1* record);
PX_API void PxPrint_partial__pidf_diff_1(const char* name, const partial__pidf_diff_1* record);
PX_API int PxXmlET_partial__pidf_diff_1(RtContext* ctxt, const partial__pidf_diff_1* record,
                                        const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_1_StartElement(RtContext* ctxt, const partial__pidf_diff_1* record,
                                                     const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_1_Contents(RtContext* ctxt, const partial__pidf_diff_1* record,
                                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_1_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                   const RtXmlNamespace* ns);

/* partial__pidf_diff_2: pidf-diff: one item of the list of operations */
PX_API int PxInit_partial__pidf_diff_2(RtContext* ctxt, partial__pidf_diff_2* record);
PX_API void PxPrint_partial__pidf_diff_2(const char* name, const partial__pidf_diff_2* record);
PX_API int PxXmlET_partial__pidf_diff_2(RtContext* ctxt, const partial__pidf_diff_2* record,
                                        const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_2_StartElement(RtContext* ctxt, const partial__pidf_diff_2* record,
                                                     const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_2_Contents(RtContext* ctxt, const partial__pidf_diff_2* record,
                                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_diff_2_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                   const RtXmlNamespace* ns);

/* partial__pidf_full: a whole presence document with its version */
PX_API int PxInit_partial__pidf_full(RtContext* ctxt, partial__pidf_full* record);
PX_API void PxMemFree_partial__pidf_full(RtContext* ctxt, partial__pidf_full* record);
PX_API void PxPrint_partial__pidf_full(const char* name, const partial__pidf_full* record);
PX_API int PxXmlET_partial__pidf_full(RtContext* ctxt, const partial__pidf_full* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_full_StartElement(RtContext* ctxt, const partial__pidf_full* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_full_Contents(RtContext* ctxt, const partial__pidf_full* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_full_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_partial__pidf_full_Attrs(RtContext* ctxt, const partial__pidf_full* record,
                                            const RtXmlNamespace* ns);
PX_API void PxSAX_partial__pidf_full_init(RtContext* ctxt, PxSaxHandler* handler, partial__pidf_full* record,
                                          int level);
PX_API int PxSAX_partial__pidf_full_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_partial__pidf_full_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxSAX_partial__pidf_full_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_partial__pidf_full_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_partial__pidf_full_startElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_partial__pidf_full_endElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName);
PX_API int PxVSAX_partial__pidf_full_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_partial_pidf_full(RtContext* ctxt, partial__pidf_full* record);
PX_API int PxXmlE_partial_pidf_full_StartElement(RtContext* ctxt, partial__pidf_full* record);
PX_API int PxXmlE_partial_pidf_full_Contents(RtContext* ctxt, const partial__pidf_full* record);
PX_API int PxXmlE_partial_pidf_full_EndElement(RtContext* ctxt, const partial__pidf_full* record);
PX_API int PxXmlD_partial_pidf_full(RtContext* ctxt, partial__pidf_full* record);
PX_API int PxXmlV_partial_pidf_full(RtContext* ctxt);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
