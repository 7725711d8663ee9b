// Partial presence documents: document decoders.
#include "partial_pidf/patch_tables.h"

PX_DEFINE_DOCUMENT_DECODER(partial_pidf_diff, partial__pidf_diff)
PX_DEFINE_DOCUMENT_DECODER(partial_pidf_full, partial__pidf_full)
