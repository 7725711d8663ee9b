/* RLMI resource-list documents (namespace index 2). */
#ifndef PXXML_SIMPLE_RLMI_H
#define PXXML_SIMPLE_RLMI_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Instance state: 0 "active", 1 "pending", 2 "terminated". */
typedef uint16_t rlmi__instance_state;
PX_DECLARE_ENUM(rlmi__instance_state)

#ifdef __cplusplus
}
#endif

#endif
