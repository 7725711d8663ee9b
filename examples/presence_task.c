/* Decode a presence, print each tuple's basic status and the activities of
 * the persons it carries; build a presence with a busy person and encode it. */
#include <stdio.h>
#include <string.h>

#include "pxxml/simple/simple.h"

/* Decode a kept foreign element with a document decoder (the record is
 * initialised first, so that it can always be released). */
#define DECODE_KEPT(c, text, T, PE, record)                                               \
  (PxInit_##T(c, record), rtxSetInputBuffer(c, (text)->value, strlen((const char*)(text)->value)) || \
                              PxXmlD_##PE(c, record))

/* Keep the document just encoded (status st) as a foreign element of list. */
static int keep(RtContext* c, int st, RtDList* list) {
  const char* xml = strstr(rtxGetOutput(c, NULL), "?>");
  RtXmlString* text = rtxMemHeapAllocZ(c, sizeof *text);
  if (st || !xml || !text) return st ? st : ST_NO_MEMORY;
  for (xml += 2; *xml == '\n'; ++xml) {}
  text->value = rtxUTF8Strdup(c, (const OSUTF8CHAR*)xml);
  rtxResetOutput(c);
  return text->value && rtxDListAppend(c, list, text) ? 0 : ST_NO_MEMORY;
}

int main(int argc, char** argv) {
  RtContext* c = rtxNewContext();
  tns_presence in, out;
  dm__person person;
  rpid__activities activities;
  rpid__activities_4* busy;
  RtDListNode *n, *m, *v;
  char errors[4096];
  if (!c || PxInit_SIMPLE_Global(c) || PxInit_tns_presence(c, &in) ||
      rtxSetInputFile(c, argc > 1 ? argv[1] : "presence.xml") || PxXmlD_tns_presence(c, &in)) {
    rtxErrFormat(c, errors, sizeof errors);
    return fputs(errors, stderr), 1;
  }
  for (n = in.tns_tuple.head; n; n = n->next) {
    tns_status* status = &((tns_tuple*)n->data)->tns_status;
    puts(status->present & TNS_STATUS_BASIC ? (const char*)Pxtns_basic_ToString(status->tns_basic) : "-");
  }
  for (n = in.tns__any.head; n; n = n->next, PxMemFree_dm__person(c, &person))
    if (DECODE_KEPT(c, (RtXmlString*)n->data, dm__person, dm_person, &person) == 0)
      for (m = person.dm__any.head; m; m = m->next, PxMemFree_rpid__activities(c, &activities))
        if (DECODE_KEPT(c, (RtXmlString*)m->data, rpid__activities, rpid_activities, &activities) == 0 &&
            activities.rpid__choice2.t == RPID__ACTIVITIES_2_SEQ2)
          for (v = activities.rpid__choice2.u.rpid__seq2.head; v; v = v->next)
            printf("person: activity %d\n", ((rpid__activities_4*)v->data)->rpid__choice1.t);
  rtxErrReset(c); /* the elements that were no persons or activities */
  PxInit_tns_presence(c, &out);
  PxInit_dm__person(c, &person);
  PxInit_rpid__activities(c, &activities);
  busy = rtxMemHeapAllocZ(c, sizeof *busy);
  if (!busy || !rtxDListAppend(c, &activities.rpid__choice2.u.rpid__seq2, busy)) return 1;
  activities.rpid__choice2.t = RPID__ACTIVITIES_2_SEQ2;
  busy->rpid__choice1.t = RPID__ACTIVITIES_5_BUSY;
  person.dm_id.value = rtxUTF8Strdup(c, (const OSUTF8CHAR*)"p1");
  out.tns_entity.value = rtxUTF8Strdup(c, (const OSUTF8CHAR*)"pres:someone@example.com");
  rtxResetOutput(c);
  if (keep(c, PxXmlE_rpid_activities(c, &activities), &person.dm__any) ||
      keep(c, PxXmlE_dm_person(c, &person), &out.tns__any) || PxXmlE_tns_presence(c, &out)) {
    rtxErrFormat(c, errors, sizeof errors);
    return fputs(errors, stderr), 1;
  }
  puts(rtxGetOutput(c, NULL));
  PxMemFree_tns_presence(c, &in);
  PxMemFree_tns_presence(c, &out);
  PxMemFree_dm__person(c, &person);
  PxMemFree_rpid__activities(c, &activities);
  rtxDeleteContext(c);
  return 0;
}
