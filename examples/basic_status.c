/* Print the basic status of every tuple of a presence document. */
#include <stdio.h>

#include "pxxml/simple/simple.h"

int main(int argc, char** argv) {
  RtContext* c = rtxNewContext();
  tns_presence p;
  char errors[2048] = "";
  if (!c || PxInit_SIMPLE_Global(c) || PxInit_tns_presence(c, &p) ||
      rtxSetInputFile(c, argc > 1 ? argv[1] : "presence.xml") || PxXmlD_tns_presence(c, &p))
    return rtxErrFormat(c, errors, sizeof errors), fputs(errors, stderr), 1;
  for (RtDListNode* n = p.tns_tuple.head; n; n = n->next)
    puts((const char*)Pxtns_basic_ToString(((tns_tuple*)n->data)->tns_status.tns_basic));
  PxMemFree_tns_presence(c, &p);
  rtxDeleteContext(c);
  return 0;
}
