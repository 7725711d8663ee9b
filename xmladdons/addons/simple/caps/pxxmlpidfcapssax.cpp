// Capabilities: decoding handlers.
#include "caps/caps_tables.h"

PX_CAPS_RECORDS(PX_DEFINE_SAX)
PX_CAPS_PRIORITY_VALUES(PX_DEFINE_SAX)
