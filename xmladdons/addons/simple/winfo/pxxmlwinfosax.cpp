// Watcher information: decoding handlers.
#include "winfo/winfo_tables.h"

PX_WINFO_RECORDS(PX_DEFINE_SAX)
