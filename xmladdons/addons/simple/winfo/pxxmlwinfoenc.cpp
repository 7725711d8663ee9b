// Watcher information: encoders and printing.
#include "winfo/winfo_tables.h"

PX_WINFO_RECORDS(PX_DEFINE_PRINT)
PX_WINFO_RECORDS(PX_DEFINE_TYPE_ENCODER)
PX_WINFO_RECORDS(PX_DEFINE_ATTRS_ENCODER)
PX_DEFINE_SIMPLE(tns__watcher_status, Enum, pxs::winfo::kModule.enc)
PX_DEFINE_SIMPLE(tns__watcher_event, Enum, pxs::winfo::kModule.enc)
PX_DEFINE_SIMPLE(tns__watcherinfo_state, Enum, pxs::winfo::kModule.enc)
PX_DEFINE_DOCUMENT_ENCODER(tns_watcherinfo, tns__watcherinfo)
PX_DEFINE_DOCUMENT_ENCODER(tns_watcher_list, tns__watcher_list)
PX_DEFINE_DOCUMENT_ENCODER(tns_watcher, tns__watcher)
