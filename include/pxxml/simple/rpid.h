/* RPID rich presence (namespace index 1). */
#ifndef PXXML_SIMPLE_RPID_H
#define PXXML_SIMPLE_RPID_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* user-input value: 0 "active", 1 "idle". */
typedef uint16_t rpid_activeIdle;
PX_DECLARE_ENUM(rpid_activeIdle)

#ifdef __cplusplus
}
#endif

#endif
