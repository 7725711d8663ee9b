// PIDF data model: encoders and printing.
#include "data_model/data_model_tables.h"

PX_DEFINE_PRINT(dm__person)
PX_DEFINE_PRINT(dm__device)
PX_DEFINE_TYPE_ENCODER(dm__person)
PX_DEFINE_TYPE_ENCODER(dm__device)
PX_DEFINE_ATTRS_ENCODER(dm__person)
PX_DEFINE_ATTRS_ENCODER(dm__device)
PX_DEFINE_DOCUMENT_ENCODER(dm_person, dm__person)
PX_DEFINE_DOCUMENT_ENCODER(dm_device, dm__device)
PX_DEFINE_SIMPLE_DOCUMENT_ENCODER(dm_deviceID, deviceID_t)
