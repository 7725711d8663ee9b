// The RLMI module's descriptors, shared by its source files.
#ifndef PXS_RLMI_TABLES_H
#define PXS_RLMI_TABLES_H

#include "families/tables.h"
#include "pxxml/simple/rlmi.h"

namespace pxs::rlmi {
extern const Module kModule;
}

extern const pxs::TypeDesc kDesc_rlmi__list;
extern const pxs::TypeDesc kDesc_rlmi__resource;
extern const pxs::TypeDesc kDesc_rlmi__instance;
extern const pxs::TypeDesc kDesc_rlmi__name;
extern const pxs::SimpleType kSimple_rlmi__instance_state;
extern const pxs::DocDesc kDoc_rlmi_list;
extern const pxs::DocDesc kDoc_rlmi_resource;
extern const pxs::DocDesc kDoc_rlmi_instance;
extern const pxs::DocDesc kDoc_rlmi_name;

#endif
