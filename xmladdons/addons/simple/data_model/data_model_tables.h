// The data-model module's descriptors, shared by its source files.
#ifndef PXS_DATA_MODEL_TABLES_H
#define PXS_DATA_MODEL_TABLES_H

#include "data_model/common_tables.h"

namespace pxs::data_model {
extern const Module kModule;
}

extern const pxs::TypeDesc kDesc_dm__person;
extern const pxs::TypeDesc kDesc_dm__device;
extern const pxs::DocDesc kDoc_dm_person;
extern const pxs::DocDesc kDoc_dm_device;
extern const pxs::DocDesc kDoc_dm_deviceID;

#endif
