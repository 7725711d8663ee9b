/* Watcher-information documents (namespace index 0). */
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
PX_DECLARE_ENUM(tns__watcher_status)
PX_DECLARE_ENUM(tns__watcher_event)
PX_DECLARE_ENUM(tns__watcherinfo_state)

#ifdef __cplusplus
}
#endif

#endif
