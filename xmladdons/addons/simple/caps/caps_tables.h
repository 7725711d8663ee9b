// The capabilities module's descriptors, shared by its source files.
#ifndef PXS_CAPS_TABLES_H
#define PXS_CAPS_TABLES_H

#include "families/tables.h"
#include "pxxml/simple/caps.h"

namespace pxs::caps {
extern const Module kModule;
}

#define PX_CAPS_DECLARE_DESC(T) extern const pxs::TypeDesc kDesc_##T;
PX_CAPS_RECORDS(PX_CAPS_DECLARE_DESC)
PX_CAPS_PRIORITY_VALUES(PX_CAPS_DECLARE_DESC)
#define PX_CAPS_DECLARE_SIMPLE(T) extern const pxs::SimpleType kSimple_##T;
PX_CAPS_BOOLEANS(PX_CAPS_DECLARE_SIMPLE)
PX_CAPS_DECLARE_SIMPLE(tns_typetype)
extern const pxs::DocDesc kDoc_tns_servcaps;
extern const pxs::DocDesc kDoc_tns_devcaps;

#endif
