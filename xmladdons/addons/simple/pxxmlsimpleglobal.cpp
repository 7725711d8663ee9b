// The library frame: one SIMPLE_Global per context, holding the namespace
// table whose positions are the namespace indices of every element table.
// Both live on the general heap so that resetting the context heap leaves
// them alone.
#include <cstdlib>

#include "pxxml/simple/simple_global.h"

extern "C" {

SIMPLE_Global* PxGet_SIMPLE_Global(RtContext* ctxt) {
  if (!ctxt) return nullptr;
  if (ctxt->pGlobalData) return static_cast<SIMPLE_Global*>(ctxt->pGlobalData);
  auto* global = static_cast<SIMPLE_Global*>(std::calloc(1, sizeof(SIMPLE_Global)));
  if (!global) return nullptr;
  ctxt->pGlobalData = global;
  ctxt->gdFree = PxFree_SIMPLE_Global;
  return global;
}

NamespaceTable* PxGet_SIMPLE_NSURI(RtContext* ctxt) {
  SIMPLE_Global* global = PxGet_SIMPLE_Global(ctxt);
  if (!global) return nullptr;
  if (global->nsTable) return global->nsTable;
  auto* table = static_cast<NamespaceTable*>(std::malloc(PX_NS_COUNT * sizeof(NamespaceTable)));
  if (!table) return nullptr;
  // The URI texts are the runtime's constants; only the array is ours.
  int n = 0;
  const OSUTF8CHAR* const* uris = rtXmlNSDefaultURITable(&n);
  for (int i = 0; i < PX_NS_COUNT; ++i) table[i] = i < n ? uris[i] : nullptr;
  global->nsTable = table;
  return table;
}

int PxInit_SIMPLE_Global(RtContext* ctxt) {
  if (!PxGet_SIMPLE_Global(ctxt)) return ST_NO_MEMORY;
  if (!PxGet_SIMPLE_NSURI(ctxt)) return ST_NO_MEMORY;
  return 0;
}

void PxFree_SIMPLE_Global(RtContext* ctxt) {
  if (!ctxt || !ctxt->pGlobalData) return;
  auto* global = static_cast<SIMPLE_Global*>(ctxt->pGlobalData);
  std::free(global->nsTable);
  std::free(global);
  ctxt->pGlobalData = nullptr;
}

}  // extern "C"
