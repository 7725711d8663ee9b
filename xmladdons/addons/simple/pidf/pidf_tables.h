// The PIDF module's descriptors, shared by its source files.
#ifndef PXS_PIDF_TABLES_H
#define PXS_PIDF_TABLES_H

#include "families/tables.h"
#include "pxxml/simple/pidf.h"

namespace pxs::pidf {
extern const Module kModule;
}

extern const pxs::TypeDesc kDesc_tns_presence;
extern const pxs::TypeDesc kDesc_tns_tuple;
extern const pxs::TypeDesc kDesc_tns_status;
extern const pxs::TypeDesc kDesc_tns_contact;
extern const pxs::TypeDesc kDesc_tns_note;
extern const pxs::SimpleType kSimple_tns_basic;
extern const pxs::SimpleType kSimple_tns_qvalue;
extern const pxs::DocDesc kDoc_tns_presence;

#endif
