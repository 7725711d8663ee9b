/* The C API used from plain C: one apply, its result and an error report. */
#include <string.h>

#include "pxxml/presence.h"

int applyFromC(void) {
  static const char state[] = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"><tuple id=\"t\"><status/></tuple></presence>";
  static const char diff[] =
      "<p:pidf-diff xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\">"
      "<p:remove sel=\"presence/tuple[@id='x']\"/></p:pidf-diff>";
  PxpText out;
  PxpError error;
  int status = pxpApply(state, sizeof state - 1, diff, sizeof diff - 1, NULL, &out, &error);
  if (status != PXP_E_UNLOCATED_NODE || strcmp(error.name, "unlocated-node") != 0 || error.operation != 0) return 1;
  if (out.data != NULL) return 2;
  return 0;
}
