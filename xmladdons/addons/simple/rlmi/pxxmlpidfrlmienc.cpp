// RLMI: encoders and printing.
#include "rlmi/rlmi_tables.h"

PX_RLMI_RECORDS(PX_DEFINE_PRINT)
PX_RLMI_RECORDS(PX_DEFINE_TYPE_ENCODER)
PX_RLMI_RECORDS(PX_DEFINE_ATTRS_ENCODER)
PX_DEFINE_SIMPLE(rlmi__instance_state, Enum, pxs::rlmi::kModule.enc)
PX_DEFINE_DOCUMENT_ENCODER(rlmi_list, rlmi__list)
PX_DEFINE_DOCUMENT_ENCODER(rlmi_resource, rlmi__resource)
PX_DEFINE_DOCUMENT_ENCODER(rlmi_instance, rlmi__instance)
PX_DEFINE_DOCUMENT_ENCODER(rlmi_name, rlmi__name)
