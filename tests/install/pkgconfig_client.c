/* A C program built outside the project against an installed tree, with
 * only `pkg-config --cflags --libs pxxmlsimple`: decodes a presence, checks
 * what it read, encodes it again and decodes the result, and sees a broken
 * document refused with an entry in the error list. Exit 0 when all hold. */
#include <stdio.h>
#include <string.h>

#include <pxxml/simple/simple.h>

static const char kPresence[] =
    "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='pres:alice@example.org'>"
    "<tuple id='t1'><status><basic>closed</basic></status>"
    "<contact priority='0.5'>sip:alice@example.org</contact></tuple>"
    "<note xml:lang='en'>out &amp; about</note></presence>";

static int failures = 0;

static void expect(int ok, const char* what) {
  if (!ok) {
    fprintf(stderr, "pkgconfig_client: %s\n", what);
    ++failures;
  }
}

static int decode(RtContext* ctxt, const char* text, size_t len, tns_presence* out) {
  rtxErrReset(ctxt);
  rtxSetInputBuffer(ctxt, text, len);
  return PxXmlD_tns_presence(ctxt, out);
}

static int sameText(const RtXmlString* s, const char* text) {
  return s->value != NULL && strcmp((const char*)s->value, text) == 0;
}

static void checkRecord(const tns_presence* p) {
  expect(sameText(&p->tns_entity, "pres:alice@example.org"), "entity");
  expect(p->tns_tuple.count == 1 && p->tns_note.count == 1, "one tuple and one note");
  if (p->tns_tuple.count != 1) return;
  const tns_tuple* t = (const tns_tuple*)p->tns_tuple.head->data;
  expect(sameText(&t->tns_id, "t1"), "tuple id");
  expect((t->tns_status.present & 1) != 0, "basic status present");
  expect(strcmp((const char*)Pxtns_basic_ToString(t->tns_status.tns_basic), "closed") == 0, "basic is closed");
  expect((t->present & 1) != 0 && t->tns_contact.tns_priority == 0.5, "contact priority");
}

int main(void) {
  RtContext* ctxt = rtxNewContext();
  if (ctxt == NULL || PxInit_SIMPLE_Global(ctxt) != 0) {
    fprintf(stderr, "pkgconfig_client: no context\n");
    return 1;
  }

  tns_presence first, second;
  expect(decode(ctxt, kPresence, sizeof kPresence - 1, &first) == 0, "decoding the document");
  checkRecord(&first);

  rtxSetGrowingOutput(ctxt);
  rtxResetOutput(ctxt);
  expect(PxXmlE_tns_presence(ctxt, &first) == 0, "encoding the record");
  size_t len = 0;
  const char* encoded = rtxGetOutput(ctxt, &len);
  char copy[4096];
  expect(len < sizeof copy, "encoded size");
  if (len >= sizeof copy) len = sizeof copy - 1;
  memcpy(copy, encoded, len);
  copy[len] = '\0';
  expect(decode(ctxt, copy, len, &second) == 0, "decoding the encoded document");
  checkRecord(&second);
  PxMemFree_tns_presence(ctxt, &second);
  PxMemFree_tns_presence(ctxt, &first);

  static const char kBroken[] = "<presence xmlns='urn:ietf:params:xml:ns:pidf'><tuple>";
  tns_presence broken;
  expect(decode(ctxt, kBroken, sizeof kBroken - 1, &broken) < 0, "a truncated document is refused");
  expect(rtxErrGetCount(ctxt) > 0, "the refusal is in the error list");
  char errors[1024];
  rtxErrFormat(ctxt, errors, sizeof errors);
  expect(strlen(errors) > 0, "the error list formats");
  PxMemFree_tns_presence(ctxt, &broken);

  rtxDeleteContext(ctxt);
  if (failures == 0) printf("pkgconfig_client: decoded, encoded, decoded again and refused a broken document\n");
  return failures == 0 ? 0 : 1;
}
