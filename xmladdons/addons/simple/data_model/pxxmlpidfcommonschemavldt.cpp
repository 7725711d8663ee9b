// Common data-model types: the Note_t validating handler.
#include "data_model/common_tables.h"

PX_DEFINE_VSAX(Note_t)
