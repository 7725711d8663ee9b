// PIDF data model: document decoders.
#include "data_model/data_model_tables.h"

PX_DEFINE_DOCUMENT_DECODER(dm_person, dm__person)
PX_DEFINE_DOCUMENT_DECODER(dm_device, dm__device)
PX_DEFINE_DOCUMENT_DECODER(dm_deviceID, deviceID_t)
