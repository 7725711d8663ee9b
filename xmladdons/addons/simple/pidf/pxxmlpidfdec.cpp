// PIDF document decoder.
#include "pidf/pidf_tables.h"

PX_DEFINE_DOCUMENT_DECODER(tns_presence, tns_presence)
