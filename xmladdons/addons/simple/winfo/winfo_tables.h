// The watcher-information module's descriptors, shared by its source files.
#ifndef PXS_WINFO_TABLES_H
#define PXS_WINFO_TABLES_H

#include "families/tables.h"
#include "pxxml/simple/winfo.h"

namespace pxs::winfo {
extern const Module kModule;
}

extern const pxs::TypeDesc kDesc_tns__watcherinfo;
extern const pxs::TypeDesc kDesc_tns__watcher_list;
extern const pxs::TypeDesc kDesc_tns__watcher;
extern const pxs::SimpleType kSimple_tns__watcher_status;
extern const pxs::SimpleType kSimple_tns__watcher_event;
extern const pxs::SimpleType kSimple_tns__watcherinfo_state;
extern const pxs::DocDesc kDoc_tns_watcherinfo;
extern const pxs::DocDesc kDoc_tns_watcher_list;
extern const pxs::DocDesc kDoc_tns_watcher;

#endif
