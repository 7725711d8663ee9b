/*
 * Watcher-information documents: watcherinfo, watcher-list, watcher, in
 * "urn:ietf:params:xml:ns:watcherinfo" (namespace index 0).
 *
 * After the records: the names of their presence bits, choice tags and
 * enumeration values; then the operations, one group per type.
 */
#ifndef PXXML_SIMPLE_WINFO_H
#define PXXML_SIMPLE_WINFO_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* watcher status: 0 "pending", 1 "active", 2 "waiting", 3 "terminated". */
typedef uint16_t tns__watcher_status;
/* watcher event: 0 "subscribe", 1 "approved", 2 "deactivated", 3 "probation",
 * 4 "rejected", 5 "timeout", 6 "giveup", 7 "noresource". */
typedef uint16_t tns__watcher_event;
/* watcherinfo state: 0 "full", 1 "partial". */
typedef uint16_t tns__watcherinfo_state;

typedef struct tns__watcher {
  uint32_t present;
  RtXmlString value;                /* the watcher's URI */
  RtXmlString tns_display_name;     /* bit 0 */
  uint16_t tns_status;              /* tns__watcher_status */
  uint16_t tns_event;               /* tns__watcher_event */
  uint64_t tns_expiration;          /* bit 1 */
  RtXmlString tns_id;
  uint64_t tns_duration_subscribed; /* bit 2 */
  RtXmlString tns_lang;             /* xml:lang, bit 3 */
  RtDList nsAttrs;
} tns__watcher;

typedef struct tns__watcher_list {
  RtDList tns_watcher; /* tns__watcher* */
  RtDList tns__any;    /* RtXmlString*: foreign elements */
  RtXmlString tns_resource;
  RtXmlString tns_package;
} tns__watcher_list;

typedef struct tns__watcherinfo {
  RtDList tns_watcher_list; /* tns__watcher_list* */
  RtDList tns__any;         /* RtXmlString*: foreign elements */
  uint32_t tns_version;
  uint16_t tns_state; /* tns__watcherinfo_state */
} tns__watcherinfo;

/* ---- names: written by pxnames from the library's tables ---- */
/* Every name is its owner's type name in upper case, an underscore, then
 * - for a presence bit, the member's XML name: the bit's mask in present;
 * - for a choice tag, the alternative's XML name (ANY: foreign elements):
 *   the value of t when that alternative is chosen;
 * - for an enumeration value, its text.
 * Other characters become underscores (in-transit: IN_TRANSIT). */

/* tns__watcherinfo_state: the values of the enumeration */
enum {
  TNS__WATCHERINFO_STATE_FULL = 0,    /* "full" */
  TNS__WATCHERINFO_STATE_PARTIAL = 1  /* "partial" */
};

/* tns__watcher_status: the values of the enumeration */
enum {
  TNS__WATCHER_STATUS_PENDING = 0,    /* "pending" */
  TNS__WATCHER_STATUS_ACTIVE = 1,     /* "active" */
  TNS__WATCHER_STATUS_WAITING = 2,    /* "waiting" */
  TNS__WATCHER_STATUS_TERMINATED = 3  /* "terminated" */
};

/* tns__watcher_event: the values of the enumeration */
enum {
  TNS__WATCHER_EVENT_SUBSCRIBE = 0,   /* "subscribe" */
  TNS__WATCHER_EVENT_APPROVED = 1,    /* "approved" */
  TNS__WATCHER_EVENT_DEACTIVATED = 2, /* "deactivated" */
  TNS__WATCHER_EVENT_PROBATION = 3,   /* "probation" */
  TNS__WATCHER_EVENT_REJECTED = 4,    /* "rejected" */
  TNS__WATCHER_EVENT_TIMEOUT = 5,     /* "timeout" */
  TNS__WATCHER_EVENT_GIVEUP = 6,      /* "giveup" */
  TNS__WATCHER_EVENT_NORESOURCE = 7   /* "noresource" */
};

/* tns__watcher.present: one bit per optional member */
enum {
  TNS__WATCHER_DISPLAY_NAME = 1u << 0,        /* tns_display_name */
  TNS__WATCHER_EXPIRATION = 1u << 1,          /* tns_expiration */
  TNS__WATCHER_DURATION_SUBSCRIBED = 1u << 2, /* tns_duration_subscribed */
  TNS__WATCHER_LANG = 1u << 3                 /* tns_lang */
};

/* ---- end of names ---- */

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* tns__watcher_status: a watcher's status, an enumeration */
PX_API const OSUTF8CHAR* Pxtns__watcher_status_ToString(uint16_t value);
PX_API int Pxtns__watcher_status_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value);
PX_API void PxPrint_tns__watcher_status(const char* name, tns__watcher_status value);
PX_API int PxXmlET_tns__watcher_status(RtContext* ctxt, tns__watcher_status value, const OSUTF8CHAR* name,
                                       const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_status_StartElement(RtContext* ctxt, tns__watcher_status value,
                                                    const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_status_Contents(RtContext* ctxt, tns__watcher_status value,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_status_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                  const RtXmlNamespace* ns);

/* tns__watcher_event: what changed a watcher's status, an enumeration */
PX_API const OSUTF8CHAR* Pxtns__watcher_event_ToString(uint16_t value);
PX_API int Pxtns__watcher_event_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value);
PX_API void PxPrint_tns__watcher_event(const char* name, tns__watcher_event value);
PX_API int PxXmlET_tns__watcher_event(RtContext* ctxt, tns__watcher_event value, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_event_StartElement(RtContext* ctxt, tns__watcher_event value,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_event_Contents(RtContext* ctxt, tns__watcher_event value,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_event_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);

/* tns__watcherinfo_state: full or partial watcher information, an enumeration */
PX_API const OSUTF8CHAR* Pxtns__watcherinfo_state_ToString(uint16_t value);
PX_API int Pxtns__watcherinfo_state_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value);
PX_API void PxPrint_tns__watcherinfo_state(const char* name, tns__watcherinfo_state value);
PX_API int PxXmlET_tns__watcherinfo_state(RtContext* ctxt, tns__watcherinfo_state value, const OSUTF8CHAR* name,
                                          const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcherinfo_state_StartElement(RtContext* ctxt, tns__watcherinfo_state value,
                                                       const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcherinfo_state_Contents(RtContext* ctxt, tns__watcherinfo_state value,
                                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcherinfo_state_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                     const RtXmlNamespace* ns);

/* tns__watcherinfo: the watcher-information document */
PX_API int PxInit_tns__watcherinfo(RtContext* ctxt, tns__watcherinfo* record);
PX_API void PxMemFree_tns__watcherinfo(RtContext* ctxt, tns__watcherinfo* record);
PX_API void PxPrint_tns__watcherinfo(const char* name, const tns__watcherinfo* record);
PX_API int PxXmlET_tns__watcherinfo(RtContext* ctxt, const tns__watcherinfo* record, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcherinfo_StartElement(RtContext* ctxt, const tns__watcherinfo* record,
                                                 const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcherinfo_Contents(RtContext* ctxt, const tns__watcherinfo* record,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcherinfo_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcherinfo_Attrs(RtContext* ctxt, const tns__watcherinfo* record,
                                          const RtXmlNamespace* ns);
PX_API void PxSAX_tns__watcherinfo_init(RtContext* ctxt, PxSaxHandler* handler, tns__watcherinfo* record,
                                        int level);
PX_API int PxSAX_tns__watcherinfo_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns__watcherinfo_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxSAX_tns__watcherinfo_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns__watcherinfo_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns__watcherinfo_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns__watcherinfo_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns__watcherinfo_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_tns_watcherinfo(RtContext* ctxt, tns__watcherinfo* record);
PX_API int PxXmlE_tns_watcherinfo_StartElement(RtContext* ctxt, tns__watcherinfo* record);
PX_API int PxXmlE_tns_watcherinfo_Contents(RtContext* ctxt, const tns__watcherinfo* record);
PX_API int PxXmlE_tns_watcherinfo_EndElement(RtContext* ctxt, const tns__watcherinfo* record);
PX_API int PxXmlD_tns_watcherinfo(RtContext* ctxt, tns__watcherinfo* record);
PX_API int PxXmlV_tns_watcherinfo(RtContext* ctxt);

/* tns__watcher_list: the watchers of one resource and package */
PX_API int PxInit_tns__watcher_list(RtContext* ctxt, tns__watcher_list* record);
PX_API void PxMemFree_tns__watcher_list(RtContext* ctxt, tns__watcher_list* record);
PX_API void PxPrint_tns__watcher_list(const char* name, const tns__watcher_list* record);
PX_API int PxXmlET_tns__watcher_list(RtContext* ctxt, const tns__watcher_list* record, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_list_StartElement(RtContext* ctxt, const tns__watcher_list* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_list_Contents(RtContext* ctxt, const tns__watcher_list* record,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_list_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_list_Attrs(RtContext* ctxt, const tns__watcher_list* record,
                                           const RtXmlNamespace* ns);
PX_API void PxSAX_tns__watcher_list_init(RtContext* ctxt, PxSaxHandler* handler, tns__watcher_list* record,
                                         int level);
PX_API int PxSAX_tns__watcher_list_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns__watcher_list_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxSAX_tns__watcher_list_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns__watcher_list_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns__watcher_list_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns__watcher_list_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns__watcher_list_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_tns_watcher_list(RtContext* ctxt, tns__watcher_list* record);
PX_API int PxXmlE_tns_watcher_list_StartElement(RtContext* ctxt, tns__watcher_list* record);
PX_API int PxXmlE_tns_watcher_list_Contents(RtContext* ctxt, const tns__watcher_list* record);
PX_API int PxXmlE_tns_watcher_list_EndElement(RtContext* ctxt, const tns__watcher_list* record);
PX_API int PxXmlD_tns_watcher_list(RtContext* ctxt, tns__watcher_list* record);
PX_API int PxXmlV_tns_watcher_list(RtContext* ctxt);

/* tns__watcher: one watcher */
PX_API int PxInit_tns__watcher(RtContext* ctxt, tns__watcher* record);
PX_API void PxMemFree_tns__watcher(RtContext* ctxt, tns__watcher* record);
PX_API void PxPrint_tns__watcher(const char* name, const tns__watcher* record);
PX_API int PxXmlET_tns__watcher(RtContext* ctxt, const tns__watcher* record, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_StartElement(RtContext* ctxt, const tns__watcher* record,
                                             const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_Contents(RtContext* ctxt, const tns__watcher* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns__watcher_Attrs(RtContext* ctxt, const tns__watcher* record, const RtXmlNamespace* ns);
PX_API void PxSAX_tns__watcher_init(RtContext* ctxt, PxSaxHandler* handler, tns__watcher* record, int level);
PX_API int PxSAX_tns__watcher_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                           const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns__watcher_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns__watcher_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns__watcher_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns__watcher_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                            const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns__watcher_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns__watcher_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_tns_watcher(RtContext* ctxt, tns__watcher* record);
PX_API int PxXmlE_tns_watcher_StartElement(RtContext* ctxt, tns__watcher* record);
PX_API int PxXmlE_tns_watcher_Contents(RtContext* ctxt, const tns__watcher* record);
PX_API int PxXmlE_tns_watcher_EndElement(RtContext* ctxt, const tns__watcher* record);
PX_API int PxXmlD_tns_watcher(RtContext* ctxt, tns__watcher* record);
PX_API int PxXmlV_tns_watcher(RtContext* ctxt);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
