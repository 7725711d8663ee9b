// Watcher information: enumerations.
#include "families/tables.h"
#include "pxxml/simple/winfo.h"

PX_ENUM_TABLE(tns__watcher_status, {"active", 1}, {"pending", 0}, {"terminated", 3}, {"waiting", 2})
PX_DEFINE_ENUM(tns__watcher_status)

PX_ENUM_TABLE(tns__watcher_event, {"approved", 1}, {"deactivated", 2}, {"giveup", 6}, {"noresource", 7},
              {"probation", 3}, {"rejected", 4}, {"subscribe", 0}, {"timeout", 5})
PX_DEFINE_ENUM(tns__watcher_event)

PX_ENUM_TABLE(tns__watcherinfo_state, {"full", 0}, {"partial", 1})
PX_DEFINE_ENUM(tns__watcherinfo_state)
