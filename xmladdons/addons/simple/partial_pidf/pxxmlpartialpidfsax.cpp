// Partial presence documents: decoding handlers.
#include "partial_pidf/patch_tables.h"

PX_DEFINE_SAX(partial__pidf_diff)
PX_DEFINE_SAX(partial__pidf_full)
