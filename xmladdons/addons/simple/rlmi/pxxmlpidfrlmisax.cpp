// RLMI: decoding handlers.
#include "rlmi/rlmi_tables.h"

PX_RLMI_RECORDS(PX_DEFINE_SAX)
