// PIDF encoders and printing.
#include "pidf/pidf_tables.h"

PX_PIDF_RECORDS(PX_DEFINE_PRINT)
PX_PIDF_RECORDS(PX_DEFINE_TYPE_ENCODER)
PX_DEFINE_ATTRS_ENCODER(tns_presence)
PX_DEFINE_ATTRS_ENCODER(tns_tuple)
PX_DEFINE_ATTRS_ENCODER(tns_contact)
PX_DEFINE_ATTRS_ENCODER(tns_note)
PX_DEFINE_SIMPLE(tns_basic, Enum, pxs::pidf::kModule.enc)
PX_DEFINE_SIMPLE(tns_qvalue, Decimal, pxs::pidf::kModule.enc)
PX_DEFINE_DOCUMENT_ENCODER(tns_presence, tns_presence)
