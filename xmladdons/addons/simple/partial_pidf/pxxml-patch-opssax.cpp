// XML patch operations: decoding handlers.
#include "partial_pidf/patch_tables.h"

PX_PATCH_RECORDS(PX_DEFINE_SAX)
