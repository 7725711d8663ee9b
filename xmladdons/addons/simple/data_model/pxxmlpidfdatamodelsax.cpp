// PIDF data model: decoding handlers.
#include "data_model/data_model_tables.h"

PX_DEFINE_SAX(dm__person)
PX_DEFINE_SAX(dm__device)
