/*
 * PIDF data model: the common types Note_t, Timestamp_t and deviceID_t, and
 * the person and device elements with the deviceID document.
 * Persons, devices and deviceID are in "urn:ietf:params:xml:ns:pidf:data-model"
 * (namespace index 6). The common types have no element of their own: the
 * owner supplies the name and the namespace.
 * Presence bits: Note_t bit 0 lang; dm__person and dm__device bit 0
 * dm_timestamp.
 */
#ifndef PXXML_SIMPLE_DATA_MODEL_H
#define PXXML_SIMPLE_DATA_MODEL_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A free-text note. */
typedef struct Note_t {
  uint32_t present;
  RtXmlString value; /* kept exactly as written */
  RtXmlString lang;  /* xml:lang, bit 0 */
  RtDList nsAttrs;
} Note_t;

/* xs:dateTime in its lexical form, neither converted nor checked on the way
 * in or out (validators check it). */
typedef RtXmlString Timestamp_t;
/* A URI naming a device. */
typedef RtXmlString deviceID_t;

typedef struct dm__person {
  uint32_t present;
  RtDList dm__any;          /* RtXmlString*: foreign elements */
  RtDList dm_note;          /* Note_t* */
  Timestamp_t dm_timestamp; /* bit 0 */
  RtXmlString dm_id;
} dm__person;

typedef struct dm__device {
  uint32_t present;
  RtDList dm__any;          /* RtXmlString*: foreign elements */
  deviceID_t dm_deviceID;
  RtDList dm_note;          /* Note_t* */
  Timestamp_t dm_timestamp; /* bit 0 */
  RtXmlString dm_id;
} dm__device;

#define PX_DATA_MODEL_RECORDS(X) X(Note_t) X(dm__person) X(dm__device)
PX_DATA_MODEL_RECORDS(PX_DECLARE_INIT)
PX_DATA_MODEL_RECORDS(PX_DECLARE_FREE)
PX_DATA_MODEL_RECORDS(PX_DECLARE_PRINT)
PX_DATA_MODEL_RECORDS(PX_DECLARE_TYPE_ENCODER)
PX_DATA_MODEL_RECORDS(PX_DECLARE_ATTRS_ENCODER)
PX_DATA_MODEL_RECORDS(PX_DECLARE_SAX)
PX_DATA_MODEL_RECORDS(PX_DECLARE_VSAX)

/* The text types: printed and written as one text element. */
PX_DECLARE_PRINT(Timestamp_t)
PX_DECLARE_TYPE_ENCODER(Timestamp_t)
PX_DECLARE_PRINT(deviceID_t)
PX_DECLARE_TYPE_ENCODER(deviceID_t)

PX_DECLARE_DOCUMENT(dm_person, dm__person)
PX_DECLARE_DOCUMENT(dm_device, dm__device)
PX_DECLARE_SIMPLE_DOCUMENT(dm_deviceID, deviceID_t)

#ifdef __cplusplus
}
#endif

#endif
