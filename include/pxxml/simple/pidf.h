/*
 * PIDF presence documents: presence, tuple, status, contact, note.
 * All elements are in "urn:ietf:params:xml:ns:pidf" (namespace index 9).
 * Presence bits: tns_tuple bit 0 tns_contact, bit 1 tns_timestamp;
 * tns_status bit 0 tns_basic; tns_contact bit 0 tns_priority; tns_note bit 0
 * tns_lang.
 */
#ifndef PXXML_SIMPLE_PIDF_H
#define PXXML_SIMPLE_PIDF_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Enumeration: 0 "open", 1 "closed". */
typedef uint16_t tns_basic;
/* Contact priority: a decimal 0 to 1 with up to three fraction digits. */
typedef double tns_qvalue;

typedef struct tns_status {
  uint32_t present;
  uint16_t tns_basic; /* tns_basic, bit 0 */
  RtDList tns__any;   /* RtXmlString*: foreign elements */
} tns_status;

typedef struct tns_contact {
  uint32_t present;
  RtXmlString value;       /* the address */
  tns_qvalue tns_priority; /* bit 0 */
  RtDList nsAttrs;
} tns_contact;

typedef struct tns_note {
  uint32_t present;
  RtXmlString value;
  RtXmlString tns_lang; /* xml:lang, bit 0 */
  RtDList nsAttrs;
} tns_note;

typedef struct tns_tuple {
  uint32_t present;
  struct tns_status tns_status;
  RtDList tns__any; /* RtXmlString*: foreign elements */
  struct tns_contact tns_contact; /* bit 0 */
  RtDList tns_note;               /* tns_note* */
  RtXmlString tns_timestamp;      /* bit 1 */
  RtXmlString tns_id;
} tns_tuple;

typedef struct tns_presence {
  RtDList tns_tuple; /* tns_tuple* */
  RtDList tns_note;  /* tns_note* */
  RtDList tns__any;  /* RtXmlString*: foreign elements */
  RtXmlString tns_entity;
} tns_presence;

PX_DECLARE_ENUM(tns_basic)
PX_DECLARE_SIMPLE(tns_basic)
PX_DECLARE_SIMPLE(tns_qvalue)

#define PX_PIDF_RECORDS(X) X(tns_presence) X(tns_tuple) X(tns_status) X(tns_contact) X(tns_note)
PX_PIDF_RECORDS(PX_DECLARE_INIT)
PX_PIDF_RECORDS(PX_DECLARE_FREE)
PX_PIDF_RECORDS(PX_DECLARE_PRINT)
PX_PIDF_RECORDS(PX_DECLARE_TYPE_ENCODER)
PX_PIDF_RECORDS(PX_DECLARE_SAX)
PX_PIDF_RECORDS(PX_DECLARE_VSAX)
PX_DECLARE_ATTRS_ENCODER(tns_presence)
PX_DECLARE_ATTRS_ENCODER(tns_tuple)
PX_DECLARE_ATTRS_ENCODER(tns_contact)
PX_DECLARE_ATTRS_ENCODER(tns_note)
PX_DECLARE_DOCUMENT(tns_presence, tns_presence)

#ifdef __cplusplus
}
#endif

#endif
