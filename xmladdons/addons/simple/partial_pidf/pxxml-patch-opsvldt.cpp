// XML patch operations: validating handlers.
#include "partial_pidf/patch_tables.h"

PX_PATCH_RECORDS(PX_DEFINE_VSAX)
