// RLMI: document decoders.
#include "rlmi/rlmi_tables.h"

PX_DEFINE_DOCUMENT_DECODER(rlmi_list, rlmi__list)
PX_DEFINE_DOCUMENT_DECODER(rlmi_resource, rlmi__resource)
PX_DEFINE_DOCUMENT_DECODER(rlmi_instance, rlmi__instance)
PX_DEFINE_DOCUMENT_DECODER(rlmi_name, rlmi__name)
