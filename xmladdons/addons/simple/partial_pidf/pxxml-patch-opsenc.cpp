// XML patch operations: encoders and printing.
#include "partial_pidf/patch_tables.h"

PX_PATCH_RECORDS(PX_DEFINE_PRINT)
PX_PATCH_RECORDS(PX_DEFINE_TYPE_ENCODER)
PX_PATCH_RECORDS(PX_DEFINE_ATTRS_ENCODER)
PX_DEFINE_SIMPLE(pos, Enum, pxs::patch::kModule.enc)
PX_DEFINE_SIMPLE(ws, Enum, pxs::patch::kModule.enc)
PX_DEFINE_SIMPLE_TEXT(xpath, pxs::patch::kModule.enc)
PX_DEFINE_SIMPLE_TEXT(xpath_add, pxs::patch::kModule.enc)
PX_DEFINE_SIMPLE_TEXT(type, pxs::patch::kModule.enc)
