// Descriptors of the data model's common types, shared with the modules that
// embed them (persons and devices here, the RPID elements elsewhere).
#ifndef PXS_DATA_MODEL_COMMON_TABLES_H
#define PXS_DATA_MODEL_COMMON_TABLES_H

#include "families/tables.h"
#include "pxxml/simple/data_model.h"

namespace pxs::common_schema {
extern const Module kModule;
}

// Note_t: simple content, a text with xml:lang.
extern const pxs::TypeDesc kDesc_Note_t;
// Timestamp_t and deviceID_t: texts written through their own encoders.
extern const pxs::SimpleType kSimple_Timestamp_t;
extern const pxs::SimpleType kSimple_deviceID_t;

#endif
