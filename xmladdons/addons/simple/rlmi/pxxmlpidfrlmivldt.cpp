// RLMI: validating handlers and document validators.
#include "rlmi/rlmi_tables.h"

PX_RLMI_RECORDS(PX_DEFINE_VSAX)
PX_DEFINE_DOCUMENT_VALIDATOR(rlmi_list)
PX_DEFINE_DOCUMENT_VALIDATOR(rlmi_resource)
PX_DEFINE_DOCUMENT_VALIDATOR(rlmi_instance)
PX_DEFINE_DOCUMENT_VALIDATOR(rlmi_name)
