/*
 * RLMI resource-list documents: list, resource, instance, name, in
 * "urn:ietf:params:xml:ns:rlmi" (namespace index 2).
 *
 * After the records: the names of their presence bits, choice tags and
 * enumeration values; then the operations, one group per type.
 */
#ifndef PXXML_SIMPLE_RLMI_H
#define PXXML_SIMPLE_RLMI_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Instance state: 0 "active", 1 "pending", 2 "terminated". */
typedef uint16_t rlmi__instance_state;

typedef struct rlmi__name {
  uint32_t present;
  RtXmlString value;
  RtXmlString rlmi_lang; /* xml:lang, bit 0 */
  RtDList nsAttrs;
} rlmi__name;

typedef struct rlmi__instance {
  uint32_t present;
  RtDList rlmi__any; /* RtXmlString*: foreign elements */
  RtXmlString rlmi_id;
  uint16_t rlmi_state;     /* rlmi__instance_state */
  RtXmlString rlmi_reason; /* bit 0 */
  RtXmlString rlmi_cid;    /* bit 1 */
  RtDList _anyAttr;        /* RtNameValue* */
} rlmi__instance;

typedef struct rlmi__resource {
  RtDList rlmi_name;     /* rlmi__name* */
  RtDList rlmi_instance; /* rlmi__instance* */
  RtXmlString rlmi_uri;
  RtDList _anyAttr;
} rlmi__resource;

typedef struct rlmi__list {
  uint32_t present;
  RtDList rlmi_name;     /* rlmi__name* */
  RtDList rlmi_resource; /* rlmi__resource* */
  RtXmlString rlmi_uri;
  uint32_t rlmi_version;
  OSBOOL rlmi_fullState;
  RtXmlString rlmi_cid; /* bit 0 */
  RtDList _anyAttr;
} rlmi__list;

/* ---- names: written by pxnames from the library's tables ---- */
/* Every name is its owner's type name in upper case, an underscore, then
 * - for a presence bit, the member's XML name: the bit's mask in present;
 * - for a choice tag, the alternative's XML name (ANY: foreign elements):
 *   the value of t when that alternative is chosen;
 * - for an enumeration value, its text.
 * Other characters become underscores (in-transit: IN_TRANSIT). */

/* rlmi__list.present: one bit per optional member */
enum {
  RLMI__LIST_CID = 1u << 0  /* rlmi_cid */
};

/* rlmi__name.present: one bit per optional member */
enum {
  RLMI__NAME_LANG = 1u << 0  /* rlmi_lang */
};

/* rlmi__instance_state: the values of the enumeration */
enum {
  RLMI__INSTANCE_STATE_ACTIVE = 0,     /* "active" */
  RLMI__INSTANCE_STATE_PENDING = 1,    /* "pending" */
  RLMI__INSTANCE_STATE_TERMINATED = 2  /* "terminated" */
};

/* rlmi__instance.present: one bit per optional member */
enum {
  RLMI__INSTANCE_REASON = 1u << 0, /* rlmi_reason */
  RLMI__INSTANCE_CID = 1u << 1     /* rlmi_cid */
};

/* ---- end of names ---- */

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* rlmi__instance_state: an instance's state, an enumeration */
PX_API const OSUTF8CHAR* Pxrlmi__instance_state_ToString(uint16_t value);
PX_API int Pxrlmi__instance_state_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value);
PX_API void PxPrint_rlmi__instance_state(const char* name, rlmi__instance_state value);
PX_API int PxXmlET_rlmi__instance_state(RtContext* ctxt, rlmi__instance_state value, const OSUTF8CHAR* name,
                                        const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__instance_state_StartElement(RtContext* ctxt, rlmi__instance_state value,
                                                     const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__instance_state_Contents(RtContext* ctxt, rlmi__instance_state value,
                                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__instance_state_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                   const RtXmlNamespace* ns);

/* rlmi__list: a resource list: names and resources */
PX_API int PxInit_rlmi__list(RtContext* ctxt, rlmi__list* record);
PX_API void PxMemFree_rlmi__list(RtContext* ctxt, rlmi__list* record);
PX_API void PxPrint_rlmi__list(const char* name, const rlmi__list* record);
PX_API int PxXmlET_rlmi__list(RtContext* ctxt, const rlmi__list* record, const OSUTF8CHAR* name,
                              const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__list_StartElement(RtContext* ctxt, const rlmi__list* record, const OSUTF8CHAR* name,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__list_Contents(RtContext* ctxt, const rlmi__list* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__list_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__list_Attrs(RtContext* ctxt, const rlmi__list* record, const RtXmlNamespace* ns);
PX_API void PxSAX_rlmi__list_init(RtContext* ctxt, PxSaxHandler* handler, rlmi__list* record, int level);
PX_API int PxSAX_rlmi__list_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                         const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rlmi__list_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_rlmi__list_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rlmi__list_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rlmi__list_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                          const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rlmi__list_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_rlmi__list_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rlmi_list(RtContext* ctxt, rlmi__list* record);
PX_API int PxXmlE_rlmi_list_StartElement(RtContext* ctxt, rlmi__list* record);
PX_API int PxXmlE_rlmi_list_Contents(RtContext* ctxt, const rlmi__list* record);
PX_API int PxXmlE_rlmi_list_EndElement(RtContext* ctxt, const rlmi__list* record);
PX_API int PxXmlD_rlmi_list(RtContext* ctxt, rlmi__list* record);
PX_API int PxXmlV_rlmi_list(RtContext* ctxt);

/* rlmi__resource: a resource: names and instances */
PX_API int PxInit_rlmi__resource(RtContext* ctxt, rlmi__resource* record);
PX_API void PxMemFree_rlmi__resource(RtContext* ctxt, rlmi__resource* record);
PX_API void PxPrint_rlmi__resource(const char* name, const rlmi__resource* record);
PX_API int PxXmlET_rlmi__resource(RtContext* ctxt, const rlmi__resource* record, const OSUTF8CHAR* name,
                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__resource_StartElement(RtContext* ctxt, const rlmi__resource* record,
                                               const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__resource_Contents(RtContext* ctxt, const rlmi__resource* record,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__resource_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__resource_Attrs(RtContext* ctxt, const rlmi__resource* record,
                                        const RtXmlNamespace* ns);
PX_API void PxSAX_rlmi__resource_init(RtContext* ctxt, PxSaxHandler* handler, rlmi__resource* record,
                                      int level);
PX_API int PxSAX_rlmi__resource_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rlmi__resource_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_rlmi__resource_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rlmi__resource_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rlmi__resource_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rlmi__resource_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxVSAX_rlmi__resource_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rlmi_resource(RtContext* ctxt, rlmi__resource* record);
PX_API int PxXmlE_rlmi_resource_StartElement(RtContext* ctxt, rlmi__resource* record);
PX_API int PxXmlE_rlmi_resource_Contents(RtContext* ctxt, const rlmi__resource* record);
PX_API int PxXmlE_rlmi_resource_EndElement(RtContext* ctxt, const rlmi__resource* record);
PX_API int PxXmlD_rlmi_resource(RtContext* ctxt, rlmi__resource* record);
PX_API int PxXmlV_rlmi_resource(RtContext* ctxt);

/* rlmi__instance: an instance of a resource and its state */
PX_API int PxInit_rlmi__instance(RtContext* ctxt, rlmi__instance* record);
PX_API void PxMemFree_rlmi__instance(RtContext* ctxt, rlmi__instance* record);
PX_API void PxPrint_rlmi__instance(const char* name, const rlmi__instance* record);
PX_API int PxXmlET_rlmi__instance(RtContext* ctxt, const rlmi__instance* record, const OSUTF8CHAR* name,
                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__instance_StartElement(RtContext* ctxt, const rlmi__instance* record,
                                               const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__instance_Contents(RtContext* ctxt, const rlmi__instance* record,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__instance_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__instance_Attrs(RtContext* ctxt, const rlmi__instance* record,
                                        const RtXmlNamespace* ns);
PX_API void PxSAX_rlmi__instance_init(RtContext* ctxt, PxSaxHandler* handler, rlmi__instance* record,
                                      int level);
PX_API int PxSAX_rlmi__instance_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rlmi__instance_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_rlmi__instance_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rlmi__instance_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rlmi__instance_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rlmi__instance_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxVSAX_rlmi__instance_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rlmi_instance(RtContext* ctxt, rlmi__instance* record);
PX_API int PxXmlE_rlmi_instance_StartElement(RtContext* ctxt, rlmi__instance* record);
PX_API int PxXmlE_rlmi_instance_Contents(RtContext* ctxt, const rlmi__instance* record);
PX_API int PxXmlE_rlmi_instance_EndElement(RtContext* ctxt, const rlmi__instance* record);
PX_API int PxXmlD_rlmi_instance(RtContext* ctxt, rlmi__instance* record);
PX_API int PxXmlV_rlmi_instance(RtContext* ctxt);

/* rlmi__name: a name with its language */
PX_API int PxInit_rlmi__name(RtContext* ctxt, rlmi__name* record);
PX_API void PxMemFree_rlmi__name(RtContext* ctxt, rlmi__name* record);
PX_API void PxPrint_rlmi__name(const char* name, const rlmi__name* record);
PX_API int PxXmlET_rlmi__name(RtContext* ctxt, const rlmi__name* record, const OSUTF8CHAR* name,
                              const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__name_StartElement(RtContext* ctxt, const rlmi__name* record, const OSUTF8CHAR* name,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__name_Contents(RtContext* ctxt, const rlmi__name* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__name_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rlmi__name_Attrs(RtContext* ctxt, const rlmi__name* record, const RtXmlNamespace* ns);
PX_API void PxSAX_rlmi__name_init(RtContext* ctxt, PxSaxHandler* handler, rlmi__name* record, int level);
PX_API int PxSAX_rlmi__name_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                         const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rlmi__name_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_rlmi__name_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rlmi__name_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rlmi__name_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                          const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rlmi__name_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_rlmi__name_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rlmi_name(RtContext* ctxt, rlmi__name* record);
PX_API int PxXmlE_rlmi_name_StartElement(RtContext* ctxt, rlmi__name* record);
PX_API int PxXmlE_rlmi_name_Contents(RtContext* ctxt, const rlmi__name* record);
PX_API int PxXmlE_rlmi_name_EndElement(RtContext* ctxt, const rlmi__name* record);
PX_API int PxXmlD_rlmi_name(RtContext* ctxt, rlmi__name* record);
PX_API int PxXmlV_rlmi_name(RtContext* ctxt);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
