// Watcher information: validating handlers and document validators.
#include "winfo/winfo_tables.h"

PX_WINFO_RECORDS(PX_DEFINE_VSAX)
PX_DEFINE_DOCUMENT_VALIDATOR(tns_watcherinfo)
PX_DEFINE_DOCUMENT_VALIDATOR(tns_watcher_list)
PX_DEFINE_DOCUMENT_VALIDATOR(tns_watcher)
