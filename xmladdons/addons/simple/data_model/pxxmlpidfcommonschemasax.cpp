// Common data-model types: the Note_t decoding handler. Timestamp_t and
// deviceID_t have none: their owners collect and convert the text.
#include "data_model/common_tables.h"

PX_DEFINE_SAX(Note_t)
