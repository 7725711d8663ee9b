// Capabilities: validating handlers and the document validators.
#include "caps/caps_tables.h"

PX_CAPS_RECORDS(PX_DEFINE_VSAX)
PX_CAPS_PRIORITY_VALUES(PX_DEFINE_VSAX)
PX_DEFINE_DOCUMENT_VALIDATOR(tns_servcaps)
PX_DEFINE_DOCUMENT_VALIDATOR(tns_devcaps)
