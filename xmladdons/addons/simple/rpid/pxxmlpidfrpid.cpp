// RPID: enumerations.
#include "families/tables.h"
#include "pxxml/simple/rpid.h"

PX_ENUM_TABLE(rpid_activeIdle, {"active", 0}, {"idle", 1})
PX_DEFINE_ENUM(rpid_activeIdle)
