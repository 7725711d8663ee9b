// PIDF decoding handlers.
#include "pidf/pidf_tables.h"

PX_PIDF_RECORDS(PX_DEFINE_SAX)
