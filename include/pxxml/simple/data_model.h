/*
 * PIDF data model: the common types Note_t, Timestamp_t and deviceID_t, and
 * the person and device elements with the deviceID document.
 * Persons, devices and deviceID are in "urn:ietf:params:xml:ns:pidf:data-model"
 * (namespace index 6). The common types have no element of their own: the
 * owner supplies the name and the namespace.
 *
 * After the records: the names of their presence bits, choice tags and
 * enumeration values; then the operations, one group per type.
 */
#ifndef PXXML_SIMPLE_DATA_MODEL_H
#define PXXML_SIMPLE_DATA_MODEL_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A free-text note. */
typedef struct Note_t {
  uint32_t present;
  RtXmlString value; /* kept exactly as written */
  RtXmlString lang;  /* xml:lang, bit 0 */
  RtDList nsAttrs;
} Note_t;

/* xs:dateTime in its lexical form, neither converted nor checked on the way
 * in or out (validators check it). */
typedef RtXmlString Timestamp_t;
/* A URI naming a device. */
typedef RtXmlString deviceID_t;

typedef struct dm__person {
  uint32_t present;
  RtDList dm__any;          /* RtXmlString*: foreign elements */
  RtDList dm_note;          /* Note_t* */
  Timestamp_t dm_timestamp; /* bit 0 */
  RtXmlString dm_id;
} dm__person;

typedef struct dm__device {
  uint32_t present;
  RtDList dm__any;          /* RtXmlString*: foreign elements */
  deviceID_t dm_deviceID;
  RtDList dm_note;          /* Note_t* */
  Timestamp_t dm_timestamp; /* bit 0 */
  RtXmlString dm_id;
} dm__device;

/* ---- names: written by pxnames from the library's tables ---- */
/* Every name is its owner's type name in upper case, an underscore, then
 * - for a presence bit, the member's XML name: the bit's mask in present;
 * - for a choice tag, the alternative's XML name (ANY: foreign elements):
 *   the value of t when that alternative is chosen;
 * - for an enumeration value, its text.
 * Other characters become underscores (in-transit: IN_TRANSIT). */

/* Note_t.present: one bit per optional member */
enum {
  NOTE_T_LANG = 1u << 0  /* lang */
};

/* dm__person.present: one bit per optional member */
enum {
  DM__PERSON_TIMESTAMP = 1u << 0  /* dm_timestamp */
};

/* dm__device.present: one bit per optional member */
enum {
  DM__DEVICE_TIMESTAMP = 1u << 0  /* dm_timestamp */
};

/* ---- end of names ---- */

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* Note_t: a note with its language, under the owner's element name */
PX_API int PxInit_Note_t(RtContext* ctxt, Note_t* record);
PX_API void PxMemFree_Note_t(RtContext* ctxt, Note_t* record);
PX_API void PxPrint_Note_t(const char* name, const Note_t* record);
PX_API int PxXmlET_Note_t(RtContext* ctxt, const Note_t* record, const OSUTF8CHAR* name,
                          const RtXmlNamespace* ns);
PX_API int PxXmlET_Note_t_StartElement(RtContext* ctxt, const Note_t* record, const OSUTF8CHAR* name,
                                       const RtXmlNamespace* ns);
PX_API int PxXmlET_Note_t_Contents(RtContext* ctxt, const Note_t* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_Note_t_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_Note_t_Attrs(RtContext* ctxt, const Note_t* record, const RtXmlNamespace* ns);
PX_API void PxSAX_Note_t_init(RtContext* ctxt, PxSaxHandler* handler, Note_t* record, int level);
PX_API int PxSAX_Note_t_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                     const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_Note_t_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_Note_t_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_Note_t_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_Note_t_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                      const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_Note_t_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_Note_t_characters(void* handler, const OSUTF8CHAR* text, int len);

/* Timestamp_t: a date-time text, under the owner's element name */
PX_API void PxPrint_Timestamp_t(const char* name, const Timestamp_t* record);
PX_API int PxXmlET_Timestamp_t(RtContext* ctxt, const Timestamp_t* record, const OSUTF8CHAR* name,
                               const RtXmlNamespace* ns);
PX_API int PxXmlET_Timestamp_t_StartElement(RtContext* ctxt, const Timestamp_t* record, const OSUTF8CHAR* name,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_Timestamp_t_Contents(RtContext* ctxt, const Timestamp_t* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_Timestamp_t_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* deviceID_t: a device's URI, under the owner's element name */
PX_API void PxPrint_deviceID_t(const char* name, const deviceID_t* record);
PX_API int PxXmlET_deviceID_t(RtContext* ctxt, const deviceID_t* record, const OSUTF8CHAR* name,
                              const RtXmlNamespace* ns);
PX_API int PxXmlET_deviceID_t_StartElement(RtContext* ctxt, const deviceID_t* record, const OSUTF8CHAR* name,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_deviceID_t_Contents(RtContext* ctxt, const deviceID_t* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_deviceID_t_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* dm__person: a person: foreign elements, notes, timestamp */
PX_API int PxInit_dm__person(RtContext* ctxt, dm__person* record);
PX_API void PxMemFree_dm__person(RtContext* ctxt, dm__person* record);
PX_API void PxPrint_dm__person(const char* name, const dm__person* record);
PX_API int PxXmlET_dm__person(RtContext* ctxt, const dm__person* record, const OSUTF8CHAR* name,
                              const RtXmlNamespace* ns);
PX_API int PxXmlET_dm__person_StartElement(RtContext* ctxt, const dm__person* record, const OSUTF8CHAR* name,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_dm__person_Contents(RtContext* ctxt, const dm__person* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_dm__person_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_dm__person_Attrs(RtContext* ctxt, const dm__person* record, const RtXmlNamespace* ns);
PX_API void PxSAX_dm__person_init(RtContext* ctxt, PxSaxHandler* handler, dm__person* record, int level);
PX_API int PxSAX_dm__person_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                         const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_dm__person_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_dm__person_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_dm__person_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_dm__person_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                          const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_dm__person_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_dm__person_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_dm_person(RtContext* ctxt, dm__person* record);
PX_API int PxXmlE_dm_person_StartElement(RtContext* ctxt, dm__person* record);
PX_API int PxXmlE_dm_person_Contents(RtContext* ctxt, const dm__person* record);
PX_API int PxXmlE_dm_person_EndElement(RtContext* ctxt, const dm__person* record);
PX_API int PxXmlD_dm_person(RtContext* ctxt, dm__person* record);
PX_API int PxXmlV_dm_person(RtContext* ctxt);

/* dm__device: a device: foreign elements, device ID, notes, timestamp */
PX_API int PxInit_dm__device(RtContext* ctxt, dm__device* record);
PX_API void PxMemFree_dm__device(RtContext* ctxt, dm__device* record);
PX_API void PxPrint_dm__device(const char* name, const dm__device* record);
PX_API int PxXmlET_dm__device(RtContext* ctxt, const dm__device* record, const OSUTF8CHAR* name,
                              const RtXmlNamespace* ns);
PX_API int PxXmlET_dm__device_StartElement(RtContext* ctxt, const dm__device* record, const OSUTF8CHAR* name,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_dm__device_Contents(RtContext* ctxt, const dm__device* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_dm__device_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_dm__device_Attrs(RtContext* ctxt, const dm__device* record, const RtXmlNamespace* ns);
PX_API void PxSAX_dm__device_init(RtContext* ctxt, PxSaxHandler* handler, dm__device* record, int level);
PX_API int PxSAX_dm__device_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                         const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_dm__device_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_dm__device_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_dm__device_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_dm__device_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                          const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_dm__device_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_dm__device_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_dm_device(RtContext* ctxt, dm__device* record);
PX_API int PxXmlE_dm_device_StartElement(RtContext* ctxt, dm__device* record);
PX_API int PxXmlE_dm_device_Contents(RtContext* ctxt, const dm__device* record);
PX_API int PxXmlE_dm_device_EndElement(RtContext* ctxt, const dm__device* record);
PX_API int PxXmlD_dm_device(RtContext* ctxt, dm__device* record);
PX_API int PxXmlV_dm_device(RtContext* ctxt);

/* dm_deviceID: a device ID on its own (a document of simple type) */
PX_API int PxXmlE_dm_deviceID(RtContext* ctxt, const deviceID_t* value);
PX_API int PxXmlE_dm_deviceID_StartElement(RtContext* ctxt);
PX_API int PxXmlE_dm_deviceID_Contents(RtContext* ctxt, const deviceID_t* value);
PX_API int PxXmlE_dm_deviceID_EndElement(RtContext* ctxt);
PX_API int PxXmlD_dm_deviceID(RtContext* ctxt, deviceID_t* value);
PX_API int PxXmlV_dm_deviceID(RtContext* ctxt);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
