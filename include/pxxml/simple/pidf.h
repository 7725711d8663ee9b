/*
 * PIDF presence documents: presence, tuple, status, contact, note.
 * All elements are in "urn:ietf:params:xml:ns:pidf" (namespace index 9).
 *
 * After the records: the names of their presence bits, choice tags and
 * enumeration values; then the operations, one group per type.
 */
#ifndef PXXML_SIMPLE_PIDF_H
#define PXXML_SIMPLE_PIDF_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Enumeration: 0 "open", 1 "closed". */
typedef uint16_t tns_basic;
/* Contact priority: a decimal 0 to 1 with up to three fraction digits. */
typedef double tns_qvalue;

typedef struct tns_status {
  uint32_t present;
  uint16_t tns_basic; /* tns_basic, bit 0 */
  RtDList tns__any;   /* RtXmlString*: foreign elements */
} tns_status;

typedef struct tns_contact {
  uint32_t present;
  RtXmlString value;       /* the address */
  tns_qvalue tns_priority; /* bit 0 */
  RtDList nsAttrs;
} tns_contact;

typedef struct tns_note {
  uint32_t present;
  RtXmlString value;
  RtXmlString tns_lang; /* xml:lang, bit 0 */
  RtDList nsAttrs;
} tns_note;

typedef struct tns_tuple {
  uint32_t present;
  struct tns_status tns_status;
  RtDList tns__any; /* RtXmlString*: foreign elements */
  struct tns_contact tns_contact; /* bit 0 */
  RtDList tns_note;               /* tns_note* */
  RtXmlString tns_timestamp;      /* bit 1 */
  RtXmlString tns_id;
} tns_tuple;

typedef struct tns_presence {
  RtDList tns_tuple; /* tns_tuple* */
  RtDList tns_note;  /* tns_note* */
  RtDList tns__any;  /* RtXmlString*: foreign elements */
  RtXmlString tns_entity;
} tns_presence;

/* ---- names: written by pxnames from the library's tables ---- */
/* Every name is its owner's type name in upper case, an underscore, then
 * - for a presence bit, the member's XML name: the bit's mask in present;
 * - for a choice tag, the alternative's XML name (ANY: foreign elements):
 *   the value of t when that alternative is chosen;
 * - for an enumeration value, its text.
 * Other characters become underscores (in-transit: IN_TRANSIT). */

/* tns_tuple.present: one bit per optional member */
enum {
  TNS_TUPLE_CONTACT = 1u << 0,   /* tns_contact */
  TNS_TUPLE_TIMESTAMP = 1u << 1  /* tns_timestamp */
};

/* tns_basic: the values of the enumeration */
enum {
  TNS_BASIC_OPEN = 0,   /* "open" */
  TNS_BASIC_CLOSED = 1  /* "closed" */
};

/* tns_status.present: one bit per optional member */
enum {
  TNS_STATUS_BASIC = 1u << 0  /* tns_basic */
};

/* tns_contact.present: one bit per optional member */
enum {
  TNS_CONTACT_PRIORITY = 1u << 0  /* tns_priority */
};

/* tns_note.present: one bit per optional member */
enum {
  TNS_NOTE_LANG = 1u << 0  /* tns_lang */
};

/* ---- end of names ---- */

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* tns_basic: the basic status, an enumeration */
PX_API const OSUTF8CHAR* Pxtns_basic_ToString(uint16_t value);
PX_API int Pxtns_basic_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value);
PX_API void PxPrint_tns_basic(const char* name, tns_basic value);
PX_API int PxXmlET_tns_basic(RtContext* ctxt, tns_basic value, const OSUTF8CHAR* name,
                             const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_basic_StartElement(RtContext* ctxt, tns_basic value, const OSUTF8CHAR* name,
                                          const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_basic_Contents(RtContext* ctxt, tns_basic value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_basic_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* tns_qvalue: a contact's priority, a decimal */
PX_API void PxPrint_tns_qvalue(const char* name, tns_qvalue value);
PX_API int PxXmlET_tns_qvalue(RtContext* ctxt, tns_qvalue value, const OSUTF8CHAR* name,
                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_qvalue_StartElement(RtContext* ctxt, tns_qvalue value, const OSUTF8CHAR* name,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_qvalue_Contents(RtContext* ctxt, tns_qvalue value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_qvalue_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* tns_presence: the presence document: tuples, notes and foreign elements */
PX_API int PxInit_tns_presence(RtContext* ctxt, tns_presence* record);
PX_API void PxMemFree_tns_presence(RtContext* ctxt, tns_presence* record);
PX_API void PxPrint_tns_presence(const char* name, const tns_presence* record);
PX_API int PxXmlET_tns_presence(RtContext* ctxt, const tns_presence* record, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_presence_StartElement(RtContext* ctxt, const tns_presence* record,
                                             const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_presence_Contents(RtContext* ctxt, const tns_presence* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_presence_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_presence_Attrs(RtContext* ctxt, const tns_presence* record, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_presence_init(RtContext* ctxt, PxSaxHandler* handler, tns_presence* record, int level);
PX_API int PxSAX_tns_presence_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                           const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_presence_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_presence_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_presence_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_presence_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                            const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_presence_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_presence_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_tns_presence(RtContext* ctxt, tns_presence* record);
PX_API int PxXmlE_tns_presence_StartElement(RtContext* ctxt, tns_presence* record);
PX_API int PxXmlE_tns_presence_Contents(RtContext* ctxt, const tns_presence* record);
PX_API int PxXmlE_tns_presence_EndElement(RtContext* ctxt, const tns_presence* record);
PX_API int PxXmlD_tns_presence(RtContext* ctxt, tns_presence* record);
PX_API int PxXmlV_tns_presence(RtContext* ctxt);

/* tns_tuple: one tuple: status, foreign elements, contact, notes, timestamp */
PX_API int PxInit_tns_tuple(RtContext* ctxt, tns_tuple* record);
PX_API void PxMemFree_tns_tuple(RtContext* ctxt, tns_tuple* record);
PX_API void PxPrint_tns_tuple(const char* name, const tns_tuple* record);
PX_API int PxXmlET_tns_tuple(RtContext* ctxt, const tns_tuple* record, const OSUTF8CHAR* name,
                             const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_tuple_StartElement(RtContext* ctxt, const tns_tuple* record, const OSUTF8CHAR* name,
                                          const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_tuple_Contents(RtContext* ctxt, const tns_tuple* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_tuple_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_tuple_Attrs(RtContext* ctxt, const tns_tuple* record, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_tuple_init(RtContext* ctxt, PxSaxHandler* handler, tns_tuple* record, int level);
PX_API int PxSAX_tns_tuple_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                        const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_tuple_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_tuple_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_tuple_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_tuple_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                         const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_tuple_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_tuple_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_status: a tuple's status: the basic value and foreign elements */
PX_API int PxInit_tns_status(RtContext* ctxt, tns_status* record);
PX_API void PxMemFree_tns_status(RtContext* ctxt, tns_status* record);
PX_API void PxPrint_tns_status(const char* name, const tns_status* record);
PX_API int PxXmlET_tns_status(RtContext* ctxt, const tns_status* record, const OSUTF8CHAR* name,
                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_status_StartElement(RtContext* ctxt, const tns_status* record, const OSUTF8CHAR* name,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_status_Contents(RtContext* ctxt, const tns_status* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_status_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_status_init(RtContext* ctxt, PxSaxHandler* handler, tns_status* record, int level);
PX_API int PxSAX_tns_status_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                         const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_status_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_status_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_status_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_status_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                          const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_status_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_status_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_contact: a contact address with its priority */
PX_API int PxInit_tns_contact(RtContext* ctxt, tns_contact* record);
PX_API void PxMemFree_tns_contact(RtContext* ctxt, tns_contact* record);
PX_API void PxPrint_tns_contact(const char* name, const tns_contact* record);
PX_API int PxXmlET_tns_contact(RtContext* ctxt, const tns_contact* record, const OSUTF8CHAR* name,
                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_contact_StartElement(RtContext* ctxt, const tns_contact* record, const OSUTF8CHAR* name,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_contact_Contents(RtContext* ctxt, const tns_contact* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_contact_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_contact_Attrs(RtContext* ctxt, const tns_contact* record, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_contact_init(RtContext* ctxt, PxSaxHandler* handler, tns_contact* record, int level);
PX_API int PxSAX_tns_contact_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                          const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_contact_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_contact_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_contact_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_contact_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                           const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_contact_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_contact_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_note: a note with its language */
PX_API int PxInit_tns_note(RtContext* ctxt, tns_note* record);
PX_API void PxMemFree_tns_note(RtContext* ctxt, tns_note* record);
PX_API void PxPrint_tns_note(const char* name, const tns_note* record);
PX_API int PxXmlET_tns_note(RtContext* ctxt, const tns_note* record, const OSUTF8CHAR* name,
                            const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_note_StartElement(RtContext* ctxt, const tns_note* record, const OSUTF8CHAR* name,
                                         const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_note_Contents(RtContext* ctxt, const tns_note* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_note_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_note_Attrs(RtContext* ctxt, const tns_note* record, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_note_init(RtContext* ctxt, PxSaxHandler* handler, tns_note* record, int level);
PX_API int PxSAX_tns_note_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                       const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_note_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_note_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_note_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_note_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                        const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_note_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_note_characters(void* handler, const OSUTF8CHAR* text, int len);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
