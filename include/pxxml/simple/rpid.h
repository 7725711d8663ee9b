/*
 * RPID rich presence: activities, mood, place-is, place-type, privacy,
 * sphere, relationship, service-class, status-icon, time-offset, user-input
 * and class, in "urn:ietf:params:xml:ns:pidf:rpid" (namespace index 1).
 *
 * Most records end with the shared attributes from, until, id and the
 * attribute wildcard; their presence bits follow the optional content
 * members. Choices hold a tag t (0: nothing chosen, 1.. the alternatives in
 * schema order, empty ones included) and a union u.
 */
#ifndef PXXML_SIMPLE_RPID_H
#define PXXML_SIMPLE_RPID_H

#include "pxxml/simple/data_model.h"
#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* user-input value: 0 "active", 1 "idle". */
typedef uint16_t rpid_activeIdle;

/* ------------------------------------------------------ activities, mood */

/* One value: t 1-24 an empty activity element, 25 other, 26 foreign
 * elements (activities); mood: 1-59, 60 other, 61 foreign elements. */
typedef struct rpid__activities_5 {
  uint16_t t;
  union {
    Note_t rpid_other;
    RtDList rpid__any; /* RtXmlString* */
  } u;
} rpid__activities_5;
typedef rpid__activities_5 rpid__mood_5;

typedef struct rpid__activities_4 {
  rpid__activities_5 rpid__choice1;
} rpid__activities_4;
typedef rpid__activities_4 rpid__mood_4;

/* t 1 unknown, 2 the list of values (at least one). */
typedef struct rpid__activities_2 {
  uint16_t t;
  union {
    RtDList rpid__seq2; /* rpid__activities_4* (mood: rpid__mood_4*) */
  } u;
} rpid__activities_2;
typedef rpid__activities_2 rpid__mood_2;

typedef struct rpid__activities {
  uint32_t present; /* bit 0 from, bit 1 until, bit 2 rpid_id */
  RtDList rpid_note; /* Note_t* */
  rpid__activities_2 rpid__choice2;
  RtXmlString from;
  RtXmlString until;
  RtXmlString rpid_id;
  RtDList _anyAttr;
} rpid__activities;
typedef rpid__activities rpid__mood;

/* ------------------------------------------------------------- place-is */

/* Choices of empty elements, no union: audio 1 noisy, 2 ok, 3 quiet,
 * 4 unknown; video 1 toobright, 2 ok, 3 dark, 4 unknown; text
 * 1 uncomfortable, 2 inappropriate, 3 ok, 4 unknown. */
typedef struct rpid__place_is_audio {
  uint16_t t;
} rpid__place_is_audio;
typedef rpid__place_is_audio rpid__place_is_video;
typedef rpid__place_is_audio rpid__place_is_text;

typedef struct rpid__place_is {
  uint32_t present; /* bits 0-2 audio, video, text; 3 from, 4 until, 5 rpid_id */
  RtDList rpid_note;
  rpid__place_is_audio rpid_audio;
  rpid__place_is_video rpid_video;
  rpid__place_is_text rpid_text;
  RtXmlString from;
  RtXmlString until;
  RtXmlString rpid_id;
  RtDList _anyAttr;
} rpid__place_is;

/* ----------------------------------------------------------- place-type */

/* t 1 other, 2 foreign elements (at least one). */
typedef struct rpid__place_type_2 {
  uint16_t t;
  union {
    Note_t rpid_other;
    RtDList rpid__any;
  } u;
} rpid__place_type_2;

typedef struct rpid__place_type {
  uint32_t present; /* bit 0 from, bit 1 until, bit 2 rpid_id */
  RtDList rpid_note;
  rpid__place_type_2 rpid__choice2;
  RtXmlString from;
  RtXmlString until;
  RtXmlString rpid_id;
  RtDList _anyAttr;
} rpid__place_type;

/* -------------------------------------------------------------- privacy */

typedef struct rpid__privacy_4 {
  uint32_t present;   /* bit 0 audio, bit 1 text, bit 2 video: empty elements */
  RtDList rpid__any;  /* foreign elements */
} rpid__privacy_4;

/* t 1 unknown, 2 the media in u.rpid__seq2. */
typedef struct rpid__privacy_2 {
  uint16_t t;
  union {
    rpid__privacy_4 rpid__seq2;
  } u;
} rpid__privacy_2;

typedef struct rpid__privacy {
  uint32_t present; /* bit 0 from, bit 1 until, bit 2 rpid_id */
  RtDList rpid_note;
  rpid__privacy_2 rpid__choice2;
  RtXmlString from;
  RtXmlString until;
  RtXmlString rpid_id;
  RtDList _anyAttr;
} rpid__privacy;

/* --------------------------------------------------------------- sphere */

/* The whole content is a choice: t 1 home, 2 work, 3 unknown, 4 foreign
 * elements (at least one). */
typedef struct rpid__sphere {
  uint16_t t;
  uint32_t present; /* bit 0 from, bit 1 until, bit 2 rpid_id */
  union {
    RtDList rpid__any;
  } u;
  RtXmlString from;
  RtXmlString until;
  RtXmlString rpid_id;
  RtDList _anyAttr;
} rpid__sphere;

/* ------------------------------------------- relationship, service-class */

/* relationship: t 1 assistant, 2 associate, 3 family, 4 friend, 5 other,
 * 6 self, 7 supervisor, 8 unknown, 9 foreign elements. */
typedef struct rpid__relationship_2 {
  uint16_t t;
  union {
    Note_t rpid_other;
    RtDList rpid__any;
  } u;
} rpid__relationship_2;

typedef struct rpid__relationship {
  RtDList rpid_note;
  rpid__relationship_2 rpid__choice2;
} rpid__relationship;

/* service-class: t 1 courier, 2 electronic, 3 freight, 4 in-person,
 * 5 postal, 6 unknown, 7 foreign elements. */
typedef struct rpid__service_class_2 {
  uint16_t t;
  union {
    RtDList rpid__any;
  } u;
} rpid__service_class_2;

typedef struct rpid__service_class {
  RtDList rpid_note;
  rpid__service_class_2 rpid__choice2;
} rpid__service_class;

/* ---------------------------------------------------- valued elements */

typedef struct rpid__status_icon {
  uint32_t present; /* bit 0 from, bit 1 until, bit 2 rpid_id */
  RtXmlString value; /* the icon's URI */
  RtXmlString from;
  RtXmlString until;
  RtXmlString rpid_id;
  RtDList _anyAttr;
  RtDList nsAttrs;
} rpid__status_icon;

typedef struct rpid__time_offset {
  uint32_t present; /* bit 0 from, bit 1 until, bit 2 rpid_description, bit 3 rpid_id */
  int32_t value;    /* minutes from UTC */
  RtXmlString from;
  RtXmlString until;
  RtXmlString rpid_description;
  RtXmlString rpid_id;
  RtDList _anyAttr;
  RtDList nsAttrs;
} rpid__time_offset;

typedef struct rpid__user_input {
  uint32_t present;             /* bit 0 idle threshold, bit 1 last input, bit 2 rpid_id */
  uint16_t value;               /* rpid_activeIdle */
  uint32_t rpid_idle_threshold; /* seconds, at least 1 */
  RtXmlString rpid_last_input;  /* an xs:dateTime text */
  RtXmlString rpid_id;
  RtDList _anyAttr;
  RtDList nsAttrs;
} rpid__user_input;

PX_DECLARE_ENUM(rpid_activeIdle)
PX_DECLARE_SIMPLE(rpid_activeIdle)

/* Records with attributes and handlers of their own. */
#define PX_RPID_ELEMENTS(X)                                                                                 \
  X(rpid__activities) X(rpid__mood) X(rpid__place_is) X(rpid__place_type) X(rpid__privacy) X(rpid__sphere) \
  X(rpid__status_icon) X(rpid__time_offset) X(rpid__user_input)
/* Records with handlers but no attributes. */
#define PX_RPID_PLAIN_ELEMENTS(X) \
  X(rpid__relationship) X(rpid__service_class) X(rpid__place_is_audio) X(rpid__place_is_video) X(rpid__place_is_text)
/* Anonymous groups: decoded by their owners' handlers. */
#define PX_RPID_GROUPS(X)                                                                                     \
  X(rpid__activities_2) X(rpid__activities_4) X(rpid__activities_5) X(rpid__mood_2) X(rpid__mood_4)           \
  X(rpid__mood_5) X(rpid__place_type_2) X(rpid__privacy_2) X(rpid__privacy_4) X(rpid__relationship_2)        \
  X(rpid__service_class_2)

PX_RPID_ELEMENTS(PX_DECLARE_INIT)
PX_RPID_ELEMENTS(PX_DECLARE_FREE)
PX_RPID_ELEMENTS(PX_DECLARE_PRINT)
PX_RPID_ELEMENTS(PX_DECLARE_TYPE_ENCODER)
PX_RPID_ELEMENTS(PX_DECLARE_ATTRS_ENCODER)
PX_RPID_ELEMENTS(PX_DECLARE_SAX)
PX_RPID_ELEMENTS(PX_DECLARE_VSAX)
PX_RPID_PLAIN_ELEMENTS(PX_DECLARE_INIT)
PX_RPID_PLAIN_ELEMENTS(PX_DECLARE_PRINT)
PX_RPID_PLAIN_ELEMENTS(PX_DECLARE_TYPE_ENCODER)
PX_RPID_PLAIN_ELEMENTS(PX_DECLARE_SAX)
PX_RPID_PLAIN_ELEMENTS(PX_DECLARE_VSAX)
PX_DECLARE_FREE(rpid__relationship)
PX_DECLARE_FREE(rpid__service_class)
PX_RPID_GROUPS(PX_DECLARE_INIT)
PX_RPID_GROUPS(PX_DECLARE_FREE)
PX_RPID_GROUPS(PX_DECLARE_PRINT)
PX_RPID_GROUPS(PX_DECLARE_TYPE_ENCODER)

PX_DECLARE_DOCUMENT(rpid_activities, rpid__activities)
PX_DECLARE_DOCUMENT(rpid_mood, rpid__mood)
PX_DECLARE_DOCUMENT(rpid_place_is, rpid__place_is)
PX_DECLARE_DOCUMENT(rpid_place_type, rpid__place_type)
PX_DECLARE_DOCUMENT(rpid_privacy, rpid__privacy)
PX_DECLARE_DOCUMENT(rpid_sphere, rpid__sphere)
PX_DECLARE_DOCUMENT(rpid_relationship, rpid__relationship)
PX_DECLARE_DOCUMENT(rpid_service_class, rpid__service_class)
PX_DECLARE_DOCUMENT(rpid_status_icon, rpid__status_icon)
PX_DECLARE_DOCUMENT(rpid_time_offset, rpid__time_offset)
PX_DECLARE_DOCUMENT(rpid_user_input, rpid__user_input)
PX_DECLARE_SIMPLE_DOCUMENT(rpid_class, RtXmlString)

#ifdef __cplusplus
}
#endif

#endif
