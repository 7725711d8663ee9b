/*
 * XML patch operations of partial presence documents: add, replace, remove,
 * in "urn:ietf:params:xml:ns:pidf-diff" (namespace index 10). They occur
 * only inside a pidf-diff document (partial_pidf.h).
 *
 * After the records: the names of their presence bits, choice tags and
 * enumeration values; then the operations, one group per type.
 */
#ifndef PXXML_SIMPLE_PATCH_OPS_H
#define PXXML_SIMPLE_PATCH_OPS_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* add's pos: 0 "before", 1 "after", 2 "prepend". */
typedef uint16_t pos;
/* remove's ws: 0 "before", 1 "after", 2 "both". */
typedef uint16_t ws;

/* The content of add and replace is kept as one XML text in value, and
 * written back as markup by the encoders. */
typedef struct add {
  RtXmlString value;
  uint32_t present;
  RtXmlString sel;   /* an XPath selector (xpath_add pattern) */
  uint16_t pos;      /* pos, bit 0 */
  RtXmlString type;  /* @name or namespace::prefix, bit 1 */
} add;

typedef struct replace {
  RtXmlString value;
  RtXmlString sel; /* an XPath selector (xpath pattern) */
} replace;

typedef struct remove_ {
  uint32_t present;
  RtXmlString sel; /* an XPath selector (xpath pattern) */
  uint16_t ws;     /* ws, bit 0 */
} remove_;

/* ---- names: written by pxnames from the library's tables ---- */
/* Every name is its owner's type name in upper case, an underscore, then
 * - for a presence bit, the member's XML name: the bit's mask in present;
 * - for a choice tag, the alternative's XML name (ANY: foreign elements):
 *   the value of t when that alternative is chosen;
 * - for an enumeration value, its text.
 * Other characters become underscores (in-transit: IN_TRANSIT). */

/* pos: the values of the enumeration */
enum {
  POS_BEFORE = 0,  /* "before" */
  POS_AFTER = 1,   /* "after" */
  POS_PREPEND = 2  /* "prepend" */
};

/* add.present: one bit per optional member */
enum {
  ADD_POS = 1u << 0,  /* pos */
  ADD_TYPE = 1u << 1  /* type */
};

/* ws: the values of the enumeration */
enum {
  WS_BEFORE = 0, /* "before" */
  WS_AFTER = 1,  /* "after" */
  WS_BOTH = 2    /* "both" */
};

/* remove_.present: one bit per optional member */
enum {
  REMOVE__WS = 1u << 0  /* ws */
};

/* ---- end of names ---- */

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* pos: where add puts its content, an enumeration */
PX_API const OSUTF8CHAR* Pxpos_ToString(uint16_t value);
PX_API int Pxpos_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value);
PX_API void PxPrint_pos(const char* name, pos value);
PX_API int PxXmlET_pos(RtContext* ctxt, pos value, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_pos_StartElement(RtContext* ctxt, pos value, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_pos_Contents(RtContext* ctxt, pos value, const RtXmlNamespace* ns);
PX_API int PxXmlET_pos_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* ws: which whitespace remove takes along, an enumeration */
PX_API const OSUTF8CHAR* Pxws_ToString(uint16_t value);
PX_API int Pxws_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value);
PX_API void PxPrint_ws(const char* name, ws value);
PX_API int PxXmlET_ws(RtContext* ctxt, ws value, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_ws_StartElement(RtContext* ctxt, ws value, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_ws_Contents(RtContext* ctxt, ws value, const RtXmlNamespace* ns);
PX_API int PxXmlET_ws_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* xpath: the selector of replace and remove */
PX_API void PxPrint_xpath(const char* name, const OSUTF8CHAR* value);
PX_API int PxXmlET_xpath(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,
                         const RtXmlNamespace* ns);
PX_API int PxXmlET_xpath_StartElement(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_xpath_Contents(RtContext* ctxt, const OSUTF8CHAR* value, const RtXmlNamespace* ns);
PX_API int PxXmlET_xpath_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* xpath_add: the selector of add */
PX_API void PxPrint_xpath_add(const char* name, const OSUTF8CHAR* value);
PX_API int PxXmlET_xpath_add(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,
                             const RtXmlNamespace* ns);
PX_API int PxXmlET_xpath_add_StartElement(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,
                                          const RtXmlNamespace* ns);
PX_API int PxXmlET_xpath_add_Contents(RtContext* ctxt, const OSUTF8CHAR* value, const RtXmlNamespace* ns);
PX_API int PxXmlET_xpath_add_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* type: what add adds: an attribute or a namespace declaration */
PX_API void PxPrint_type(const char* name, const OSUTF8CHAR* value);
PX_API int PxXmlET_type(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,
                        const RtXmlNamespace* ns);
PX_API int PxXmlET_type_StartElement(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_type_Contents(RtContext* ctxt, const OSUTF8CHAR* value, const RtXmlNamespace* ns);
PX_API int PxXmlET_type_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* add: add content at a selected place */
PX_API int PxInit_add(RtContext* ctxt, add* record);
PX_API void PxPrint_add(const char* name, const add* record);
PX_API int PxXmlET_add(RtContext* ctxt, const add* record, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_add_StartElement(RtContext* ctxt, const add* record, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_add_Contents(RtContext* ctxt, const add* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_add_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_add_Attrs(RtContext* ctxt, const add* record, const RtXmlNamespace* ns);
PX_API void PxSAX_add_init(RtContext* ctxt, PxSaxHandler* handler, add* record, int level);
PX_API int PxSAX_add_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                  const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_add_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_add_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_add_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_add_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                   const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_add_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_add_characters(void* handler, const OSUTF8CHAR* text, int len);

/* replace: replace a selected node */
PX_API int PxInit_replace(RtContext* ctxt, replace* record);
PX_API void PxPrint_replace(const char* name, const replace* record);
PX_API int PxXmlET_replace(RtContext* ctxt, const replace* record, const OSUTF8CHAR* name,
                           const RtXmlNamespace* ns);
PX_API int PxXmlET_replace_StartElement(RtContext* ctxt, const replace* record, const OSUTF8CHAR* name,
                                        const RtXmlNamespace* ns);
PX_API int PxXmlET_replace_Contents(RtContext* ctxt, const replace* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_replace_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_replace_Attrs(RtContext* ctxt, const replace* record, const RtXmlNamespace* ns);
PX_API void PxSAX_replace_init(RtContext* ctxt, PxSaxHandler* handler, replace* record, int level);
PX_API int PxSAX_replace_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                      const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_replace_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_replace_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_replace_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_replace_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                       const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_replace_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_replace_characters(void* handler, const OSUTF8CHAR* text, int len);

/* remove_: remove a selected node */
PX_API int PxInit_remove_(RtContext* ctxt, remove_* record);
PX_API void PxPrint_remove_(const char* name, const remove_* record);
PX_API int PxXmlET_remove_(RtContext* ctxt, const remove_* record, const OSUTF8CHAR* name,
                           const RtXmlNamespace* ns);
PX_API int PxXmlET_remove__StartElement(RtContext* ctxt, const remove_* record, const OSUTF8CHAR* name,
                                        const RtXmlNamespace* ns);
PX_API int PxXmlET_remove__Contents(RtContext* ctxt, const remove_* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_remove__EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_remove__Attrs(RtContext* ctxt, const remove_* record, const RtXmlNamespace* ns);
PX_API void PxSAX_remove__init(RtContext* ctxt, PxSaxHandler* handler, remove_* record, int level);
PX_API int PxSAX_remove__startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                      const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_remove__endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_remove__characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_remove__init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_remove__startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                       const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_remove__endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_remove__characters(void* handler, const OSUTF8CHAR* text, int len);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
