// Capabilities: document decoders.
#include "caps/caps_tables.h"

PX_DEFINE_DOCUMENT_DECODER(tns_servcaps, tns_servcapstype)
PX_DEFINE_DOCUMENT_DECODER(tns_devcaps, tns_devcaps)
