/* XML patch operations of partial presence documents (namespace index 10). */
#ifndef PXXML_SIMPLE_PATCH_OPS_H
#define PXXML_SIMPLE_PATCH_OPS_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* add's pos: 0 "before", 1 "after", 2 "prepend". */
typedef uint16_t pos;
/* remove's ws: 0 "before", 1 "after", 2 "both". */
typedef uint16_t ws;
PX_DECLARE_ENUM(pos)
PX_DECLARE_ENUM(ws)

#ifdef __cplusplus
}
#endif

#endif
