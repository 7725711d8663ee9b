// Partial presence documents: encoders and printing.
#include "partial_pidf/patch_tables.h"

PX_PARTIAL_RECORDS(PX_DEFINE_PRINT)
PX_PARTIAL_RECORDS(PX_DEFINE_TYPE_ENCODER)
PX_DEFINE_ATTRS_ENCODER(partial__pidf_diff)
PX_DEFINE_ATTRS_ENCODER(partial__pidf_full)
PX_DEFINE_DOCUMENT_ENCODER(partial_pidf_diff, partial__pidf_diff)
PX_DEFINE_DOCUMENT_ENCODER(partial_pidf_full, partial__pidf_full)
