// Partial presence documents: validating handlers and document validators.
#include "partial_pidf/patch_tables.h"

PX_DEFINE_VSAX(partial__pidf_diff)
PX_DEFINE_VSAX(partial__pidf_full)
PX_DEFINE_DOCUMENT_VALIDATOR(partial_pidf_diff)
PX_DEFINE_DOCUMENT_VALIDATOR(partial_pidf_full)
