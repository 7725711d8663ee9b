// Common data-model types: encoders and printing.
#include "data_model/common_tables.h"

PX_DEFINE_PRINT(Note_t)
PX_DEFINE_TYPE_ENCODER(Note_t)
PX_DEFINE_ATTRS_ENCODER(Note_t)
PX_DEFINE_TEXT_TYPE(Timestamp_t, pxs::common_schema::kModule.enc)
PX_DEFINE_TEXT_TYPE(deviceID_t, pxs::common_schema::kModule.enc)
