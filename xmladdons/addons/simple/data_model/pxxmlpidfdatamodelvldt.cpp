// PIDF data model: validating handlers and document validators (deviceID,
// of simple type, is not validated).
#include "data_model/data_model_tables.h"

PX_DEFINE_VSAX(dm__person)
PX_DEFINE_VSAX(dm__device)
PX_DEFINE_DOCUMENT_VALIDATOR(dm_person)
PX_DEFINE_DOCUMENT_VALIDATOR(dm_device)
PX_DEFINE_DOCUMENT_VALIDATOR(dm_deviceID)
