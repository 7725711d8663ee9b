/*
 * Watcher-information documents: watcherinfo, watcher-list, watcher, in
 * "urn:ietf:params:xml:ns:watcherinfo" (namespace index 0).
 * Presence bits of tns__watcher: bit 0 tns_display_name, bit 1
 * tns_expiration, bit 2 tns_duration_subscribed, bit 3 tns_lang.
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

#define PX_WINFO_ENUMS(X) X(tns__watcher_status) X(tns__watcher_event) X(tns__watcherinfo_state)
PX_WINFO_ENUMS(PX_DECLARE_ENUM)
PX_WINFO_ENUMS(PX_DECLARE_SIMPLE)

#define PX_WINFO_RECORDS(X) X(tns__watcherinfo) X(tns__watcher_list) X(tns__watcher)
PX_WINFO_RECORDS(PX_DECLARE_INIT)
PX_WINFO_RECORDS(PX_DECLARE_FREE)
PX_WINFO_RECORDS(PX_DECLARE_PRINT)
PX_WINFO_RECORDS(PX_DECLARE_TYPE_ENCODER)
PX_WINFO_RECORDS(PX_DECLARE_ATTRS_ENCODER)
PX_WINFO_RECORDS(PX_DECLARE_SAX)
PX_WINFO_RECORDS(PX_DECLARE_VSAX)
PX_DECLARE_DOCUMENT(tns_watcherinfo, tns__watcherinfo)
PX_DECLARE_DOCUMENT(tns_watcher_list, tns__watcher_list)
PX_DECLARE_DOCUMENT(tns_watcher, tns__watcher)

#ifdef __cplusplus
}
#endif

#endif
