/*
 * pxxmlSimple library frame: the per-context block and its namespace table.
 *
 * Call PxInit_SIMPLE_Global once after creating a context; the block is
 * released by PxFree_SIMPLE_Global, or by rtxFreeContext, which runs the
 * release hook the block installs.
 */
#ifndef PXXML_SIMPLE_GLOBAL_H
#define PXXML_SIMPLE_GLOBAL_H

#include "pxxml/rt.h"

#if defined(PXXMLSIMPLE_BUILD)
#define PX_API __attribute__((visibility("default")))
#else
#define PX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Namespace indices: positions in the namespace table. */
enum {
  PX_NS_WATCHERINFO = 0,
  PX_NS_RPID = 1,
  PX_NS_RLMI = 2,
  PX_NS_CIVICLOC = 3,
  PX_NS_BASICPOLICY = 4,
  PX_NS_GEOPRIV = 5,
  PX_NS_DATAMODEL = 6,
  PX_NS_CIPID = 7,
  PX_NS_CAPS = 8,
  PX_NS_PIDF = 9,
  PX_NS_PIDF_DIFF = 10,
  PX_NS_COUNT = 11
};

/* The table: PX_NS_COUNT pointers to the library's constant URI texts. */
typedef const OSUTF8CHAR* NamespaceTable;

typedef struct SIMPLE_Global {
  NamespaceTable* nsTable; /* null until first requested */
} SIMPLE_Global;

PX_API SIMPLE_Global* PxGet_SIMPLE_Global(RtContext* ctxt);
PX_API NamespaceTable* PxGet_SIMPLE_NSURI(RtContext* ctxt);
PX_API int PxInit_SIMPLE_Global(RtContext* ctxt);
PX_API void PxFree_SIMPLE_Global(RtContext* ctxt);

#ifdef __cplusplus
}
#endif

#endif
