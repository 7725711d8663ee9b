// RLMI: enumerations.
#include "families/tables.h"
#include "pxxml/simple/rlmi.h"

PX_ENUM_TABLE(rlmi__instance_state, {"active", 0}, {"pending", 1}, {"terminated", 2})
PX_DEFINE_ENUM(rlmi__instance_state)
