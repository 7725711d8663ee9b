// XML patch operations: enumerations.
#include "families/tables.h"
#include "pxxml/simple/patch_ops.h"

PX_ENUM_TABLE(pos, {"after", 1}, {"before", 0}, {"prepend", 2})
PX_DEFINE_ENUM(pos)

PX_ENUM_TABLE(ws, {"after", 1}, {"before", 0}, {"both", 2})
PX_DEFINE_ENUM(ws)
