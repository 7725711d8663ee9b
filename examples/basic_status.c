/* examples/basic_status.c: print the status of every tuple of a presence document; exit 1 on errors. */
#include "pxxml/simple/simple.h"

int main(int argc, char** argv) {
  RtContext* c = rtxNewContext();
  tns_presence p = {0};
  int failed = rtxSetInputFile(c, argc > 1 ? argv[1] : "samples/presence.xml") || PxXmlD_tns_presence(c, &p);
  for (RtDListNode* n = p.tns_tuple.head; n; n = n->next)
    PxPrint_tns_status("status", &((tns_tuple*)n->data)->tns_status);
  rtxDeleteContext(c);
  return failed;
}
