// Watcher information: document decoders.
#include "winfo/winfo_tables.h"

PX_DEFINE_DOCUMENT_DECODER(tns_watcherinfo, tns__watcherinfo)
PX_DEFINE_DOCUMENT_DECODER(tns_watcher_list, tns__watcher_list)
PX_DEFINE_DOCUMENT_DECODER(tns_watcher, tns__watcher)
