// PIDF validating handlers and the document validator.
#include "pidf/pidf_tables.h"

PX_PIDF_RECORDS(PX_DEFINE_VSAX)
PX_DEFINE_DOCUMENT_VALIDATOR(tns_presence)
