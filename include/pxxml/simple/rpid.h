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

/* ---- names: written by pxnames from the library's tables ---- */
/* ---- end of names ---- */

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* rpid_activeIdle: the value of user-input, an enumeration */
PX_API const OSUTF8CHAR* Pxrpid_activeIdle_ToString(uint16_t value);
PX_API int Pxrpid_activeIdle_ToEnum(const OSUTF8CHAR* text, size_t len, uint16_t* value);
PX_API void PxPrint_rpid_activeIdle(const char* name, rpid_activeIdle value);
PX_API int PxXmlET_rpid_activeIdle(RtContext* ctxt, rpid_activeIdle value, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid_activeIdle_StartElement(RtContext* ctxt, rpid_activeIdle value, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid_activeIdle_Contents(RtContext* ctxt, rpid_activeIdle value, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid_activeIdle_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);

/* rpid__activities: activities, the document and element */
PX_API int PxInit_rpid__activities(RtContext* ctxt, rpid__activities* record);
PX_API void PxMemFree_rpid__activities(RtContext* ctxt, rpid__activities* record);
PX_API void PxPrint_rpid__activities(const char* name, const rpid__activities* record);
PX_API int PxXmlET_rpid__activities(RtContext* ctxt, const rpid__activities* record, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_StartElement(RtContext* ctxt, const rpid__activities* record,
                                                 const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_Contents(RtContext* ctxt, const rpid__activities* record,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_Attrs(RtContext* ctxt, const rpid__activities* record,
                                          const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__activities_init(RtContext* ctxt, PxSaxHandler* handler, rpid__activities* record,
                                        int level);
PX_API int PxSAX_rpid__activities_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__activities_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__activities_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__activities_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__activities_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__activities_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__activities_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_activities(RtContext* ctxt, rpid__activities* record);
PX_API int PxXmlE_rpid_activities_StartElement(RtContext* ctxt, rpid__activities* record);
PX_API int PxXmlE_rpid_activities_Contents(RtContext* ctxt, const rpid__activities* record);
PX_API int PxXmlE_rpid_activities_EndElement(RtContext* ctxt, const rpid__activities* record);
PX_API int PxXmlD_rpid_activities(RtContext* ctxt, rpid__activities* record);
PX_API int PxXmlV_rpid_activities(RtContext* ctxt);

/* rpid__activities_2: activities: unknown, or the list of values */
PX_API int PxInit_rpid__activities_2(RtContext* ctxt, rpid__activities_2* record);
PX_API void PxMemFree_rpid__activities_2(RtContext* ctxt, rpid__activities_2* record);
PX_API void PxPrint_rpid__activities_2(const char* name, const rpid__activities_2* record);
PX_API int PxXmlET_rpid__activities_2(RtContext* ctxt, const rpid__activities_2* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_2_StartElement(RtContext* ctxt, const rpid__activities_2* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_2_Contents(RtContext* ctxt, const rpid__activities_2* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_2_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);

/* rpid__activities_4: activities: one item of the list of values */
PX_API int PxInit_rpid__activities_4(RtContext* ctxt, rpid__activities_4* record);
PX_API void PxMemFree_rpid__activities_4(RtContext* ctxt, rpid__activities_4* record);
PX_API void PxPrint_rpid__activities_4(const char* name, const rpid__activities_4* record);
PX_API int PxXmlET_rpid__activities_4(RtContext* ctxt, const rpid__activities_4* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_4_StartElement(RtContext* ctxt, const rpid__activities_4* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_4_Contents(RtContext* ctxt, const rpid__activities_4* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_4_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);

/* rpid__activities_5: activities: one value (a named element, other, or foreign elements) */
PX_API int PxInit_rpid__activities_5(RtContext* ctxt, rpid__activities_5* record);
PX_API void PxMemFree_rpid__activities_5(RtContext* ctxt, rpid__activities_5* record);
PX_API void PxPrint_rpid__activities_5(const char* name, const rpid__activities_5* record);
PX_API int PxXmlET_rpid__activities_5(RtContext* ctxt, const rpid__activities_5* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_5_StartElement(RtContext* ctxt, const rpid__activities_5* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_5_Contents(RtContext* ctxt, const rpid__activities_5* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__activities_5_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);

/* rpid__mood: mood, the document and element */
PX_API int PxInit_rpid__mood(RtContext* ctxt, rpid__mood* record);
PX_API void PxMemFree_rpid__mood(RtContext* ctxt, rpid__mood* record);
PX_API void PxPrint_rpid__mood(const char* name, const rpid__mood* record);
PX_API int PxXmlET_rpid__mood(RtContext* ctxt, const rpid__mood* record, const OSUTF8CHAR* name,
                              const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_StartElement(RtContext* ctxt, const rpid__mood* record, const OSUTF8CHAR* name,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_Contents(RtContext* ctxt, const rpid__mood* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_Attrs(RtContext* ctxt, const rpid__mood* record, const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__mood_init(RtContext* ctxt, PxSaxHandler* handler, rpid__mood* record, int level);
PX_API int PxSAX_rpid__mood_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                         const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__mood_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__mood_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__mood_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__mood_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                          const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__mood_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__mood_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_mood(RtContext* ctxt, rpid__mood* record);
PX_API int PxXmlE_rpid_mood_StartElement(RtContext* ctxt, rpid__mood* record);
PX_API int PxXmlE_rpid_mood_Contents(RtContext* ctxt, const rpid__mood* record);
PX_API int PxXmlE_rpid_mood_EndElement(RtContext* ctxt, const rpid__mood* record);
PX_API int PxXmlD_rpid_mood(RtContext* ctxt, rpid__mood* record);
PX_API int PxXmlV_rpid_mood(RtContext* ctxt);

/* rpid__mood_2: mood: unknown, or the list of values */
PX_API int PxInit_rpid__mood_2(RtContext* ctxt, rpid__mood_2* record);
PX_API void PxMemFree_rpid__mood_2(RtContext* ctxt, rpid__mood_2* record);
PX_API void PxPrint_rpid__mood_2(const char* name, const rpid__mood_2* record);
PX_API int PxXmlET_rpid__mood_2(RtContext* ctxt, const rpid__mood_2* record, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_2_StartElement(RtContext* ctxt, const rpid__mood_2* record,
                                             const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_2_Contents(RtContext* ctxt, const rpid__mood_2* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_2_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* rpid__mood_4: mood: one item of the list of values */
PX_API int PxInit_rpid__mood_4(RtContext* ctxt, rpid__mood_4* record);
PX_API void PxMemFree_rpid__mood_4(RtContext* ctxt, rpid__mood_4* record);
PX_API void PxPrint_rpid__mood_4(const char* name, const rpid__mood_4* record);
PX_API int PxXmlET_rpid__mood_4(RtContext* ctxt, const rpid__mood_4* record, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_4_StartElement(RtContext* ctxt, const rpid__mood_4* record,
                                             const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_4_Contents(RtContext* ctxt, const rpid__mood_4* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_4_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* rpid__mood_5: mood: one value (a named element, other, or foreign elements) */
PX_API int PxInit_rpid__mood_5(RtContext* ctxt, rpid__mood_5* record);
PX_API void PxMemFree_rpid__mood_5(RtContext* ctxt, rpid__mood_5* record);
PX_API void PxPrint_rpid__mood_5(const char* name, const rpid__mood_5* record);
PX_API int PxXmlET_rpid__mood_5(RtContext* ctxt, const rpid__mood_5* record, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_5_StartElement(RtContext* ctxt, const rpid__mood_5* record,
                                             const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_5_Contents(RtContext* ctxt, const rpid__mood_5* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__mood_5_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* rpid__place_is: the place's conditions for audio, video and text */
PX_API int PxInit_rpid__place_is(RtContext* ctxt, rpid__place_is* record);
PX_API void PxMemFree_rpid__place_is(RtContext* ctxt, rpid__place_is* record);
PX_API void PxPrint_rpid__place_is(const char* name, const rpid__place_is* record);
PX_API int PxXmlET_rpid__place_is(RtContext* ctxt, const rpid__place_is* record, const OSUTF8CHAR* name,
                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_StartElement(RtContext* ctxt, const rpid__place_is* record,
                                               const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_Contents(RtContext* ctxt, const rpid__place_is* record,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_Attrs(RtContext* ctxt, const rpid__place_is* record,
                                        const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__place_is_init(RtContext* ctxt, PxSaxHandler* handler, rpid__place_is* record,
                                      int level);
PX_API int PxSAX_rpid__place_is_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__place_is_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__place_is_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__place_is_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__place_is_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__place_is_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__place_is_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_place_is(RtContext* ctxt, rpid__place_is* record);
PX_API int PxXmlE_rpid_place_is_StartElement(RtContext* ctxt, rpid__place_is* record);
PX_API int PxXmlE_rpid_place_is_Contents(RtContext* ctxt, const rpid__place_is* record);
PX_API int PxXmlE_rpid_place_is_EndElement(RtContext* ctxt, const rpid__place_is* record);
PX_API int PxXmlD_rpid_place_is(RtContext* ctxt, rpid__place_is* record);
PX_API int PxXmlV_rpid_place_is(RtContext* ctxt);

/* rpid__place_is_audio: place-is audio: noisy, ok, quiet or unknown */
PX_API int PxInit_rpid__place_is_audio(RtContext* ctxt, rpid__place_is_audio* record);
PX_API void PxPrint_rpid__place_is_audio(const char* name, const rpid__place_is_audio* record);
PX_API int PxXmlET_rpid__place_is_audio(RtContext* ctxt, const rpid__place_is_audio* record,
                                        const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_audio_StartElement(RtContext* ctxt, const rpid__place_is_audio* record,
                                                     const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_audio_Contents(RtContext* ctxt, const rpid__place_is_audio* record,
                                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_audio_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                   const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__place_is_audio_init(RtContext* ctxt, PxSaxHandler* handler,
                                            rpid__place_is_audio* record, int level);
PX_API int PxSAX_rpid__place_is_audio_startElement(void* handler, const OSUTF8CHAR* localName,
                                                   const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__place_is_audio_endElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__place_is_audio_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__place_is_audio_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__place_is_audio_startElement(void* handler, const OSUTF8CHAR* localName,
                                                    const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__place_is_audio_endElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__place_is_audio_characters(void* handler, const OSUTF8CHAR* text, int len);

/* rpid__place_is_video: place-is video: toobright, ok, dark or unknown */
PX_API int PxInit_rpid__place_is_video(RtContext* ctxt, rpid__place_is_video* record);
PX_API void PxPrint_rpid__place_is_video(const char* name, const rpid__place_is_video* record);
PX_API int PxXmlET_rpid__place_is_video(RtContext* ctxt, const rpid__place_is_video* record,
                                        const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_video_StartElement(RtContext* ctxt, const rpid__place_is_video* record,
                                                     const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_video_Contents(RtContext* ctxt, const rpid__place_is_video* record,
                                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_video_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                   const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__place_is_video_init(RtContext* ctxt, PxSaxHandler* handler,
                                            rpid__place_is_video* record, int level);
PX_API int PxSAX_rpid__place_is_video_startElement(void* handler, const OSUTF8CHAR* localName,
                                                   const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__place_is_video_endElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__place_is_video_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__place_is_video_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__place_is_video_startElement(void* handler, const OSUTF8CHAR* localName,
                                                    const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__place_is_video_endElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__place_is_video_characters(void* handler, const OSUTF8CHAR* text, int len);

/* rpid__place_is_text: place-is text: uncomfortable, inappropriate, ok or unknown */
PX_API int PxInit_rpid__place_is_text(RtContext* ctxt, rpid__place_is_text* record);
PX_API void PxPrint_rpid__place_is_text(const char* name, const rpid__place_is_text* record);
PX_API int PxXmlET_rpid__place_is_text(RtContext* ctxt, const rpid__place_is_text* record,
                                       const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_text_StartElement(RtContext* ctxt, const rpid__place_is_text* record,
                                                    const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_text_Contents(RtContext* ctxt, const rpid__place_is_text* record,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_is_text_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                  const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__place_is_text_init(RtContext* ctxt, PxSaxHandler* handler, rpid__place_is_text* record,
                                           int level);
PX_API int PxSAX_rpid__place_is_text_startElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__place_is_text_endElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__place_is_text_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__place_is_text_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__place_is_text_startElement(void* handler, const OSUTF8CHAR* localName,
                                                   const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__place_is_text_endElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__place_is_text_characters(void* handler, const OSUTF8CHAR* text, int len);

/* rpid__place_type: the type of place */
PX_API int PxInit_rpid__place_type(RtContext* ctxt, rpid__place_type* record);
PX_API void PxMemFree_rpid__place_type(RtContext* ctxt, rpid__place_type* record);
PX_API void PxPrint_rpid__place_type(const char* name, const rpid__place_type* record);
PX_API int PxXmlET_rpid__place_type(RtContext* ctxt, const rpid__place_type* record, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_type_StartElement(RtContext* ctxt, const rpid__place_type* record,
                                                 const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_type_Contents(RtContext* ctxt, const rpid__place_type* record,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_type_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_type_Attrs(RtContext* ctxt, const rpid__place_type* record,
                                          const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__place_type_init(RtContext* ctxt, PxSaxHandler* handler, rpid__place_type* record,
                                        int level);
PX_API int PxSAX_rpid__place_type_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__place_type_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__place_type_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__place_type_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__place_type_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__place_type_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__place_type_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_place_type(RtContext* ctxt, rpid__place_type* record);
PX_API int PxXmlE_rpid_place_type_StartElement(RtContext* ctxt, rpid__place_type* record);
PX_API int PxXmlE_rpid_place_type_Contents(RtContext* ctxt, const rpid__place_type* record);
PX_API int PxXmlE_rpid_place_type_EndElement(RtContext* ctxt, const rpid__place_type* record);
PX_API int PxXmlD_rpid_place_type(RtContext* ctxt, rpid__place_type* record);
PX_API int PxXmlV_rpid_place_type(RtContext* ctxt);

/* rpid__place_type_2: place-type: other, or foreign elements */
PX_API int PxInit_rpid__place_type_2(RtContext* ctxt, rpid__place_type_2* record);
PX_API void PxMemFree_rpid__place_type_2(RtContext* ctxt, rpid__place_type_2* record);
PX_API void PxPrint_rpid__place_type_2(const char* name, const rpid__place_type_2* record);
PX_API int PxXmlET_rpid__place_type_2(RtContext* ctxt, const rpid__place_type_2* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_type_2_StartElement(RtContext* ctxt, const rpid__place_type_2* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_type_2_Contents(RtContext* ctxt, const rpid__place_type_2* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__place_type_2_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);

/* rpid__privacy: who can hear, see or read */
PX_API int PxInit_rpid__privacy(RtContext* ctxt, rpid__privacy* record);
PX_API void PxMemFree_rpid__privacy(RtContext* ctxt, rpid__privacy* record);
PX_API void PxPrint_rpid__privacy(const char* name, const rpid__privacy* record);
PX_API int PxXmlET_rpid__privacy(RtContext* ctxt, const rpid__privacy* record, const OSUTF8CHAR* name,
                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_StartElement(RtContext* ctxt, const rpid__privacy* record,
                                              const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_Contents(RtContext* ctxt, const rpid__privacy* record,
                                          const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_Attrs(RtContext* ctxt, const rpid__privacy* record, const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__privacy_init(RtContext* ctxt, PxSaxHandler* handler, rpid__privacy* record, int level);
PX_API int PxSAX_rpid__privacy_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                            const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__privacy_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__privacy_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__privacy_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__privacy_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__privacy_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__privacy_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_privacy(RtContext* ctxt, rpid__privacy* record);
PX_API int PxXmlE_rpid_privacy_StartElement(RtContext* ctxt, rpid__privacy* record);
PX_API int PxXmlE_rpid_privacy_Contents(RtContext* ctxt, const rpid__privacy* record);
PX_API int PxXmlE_rpid_privacy_EndElement(RtContext* ctxt, const rpid__privacy* record);
PX_API int PxXmlD_rpid_privacy(RtContext* ctxt, rpid__privacy* record);
PX_API int PxXmlV_rpid_privacy(RtContext* ctxt);

/* rpid__privacy_2: privacy: unknown, or the media */
PX_API int PxInit_rpid__privacy_2(RtContext* ctxt, rpid__privacy_2* record);
PX_API void PxMemFree_rpid__privacy_2(RtContext* ctxt, rpid__privacy_2* record);
PX_API void PxPrint_rpid__privacy_2(const char* name, const rpid__privacy_2* record);
PX_API int PxXmlET_rpid__privacy_2(RtContext* ctxt, const rpid__privacy_2* record, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_2_StartElement(RtContext* ctxt, const rpid__privacy_2* record,
                                                const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_2_Contents(RtContext* ctxt, const rpid__privacy_2* record,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_2_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);

/* rpid__privacy_4: privacy: the media and foreign elements */
PX_API int PxInit_rpid__privacy_4(RtContext* ctxt, rpid__privacy_4* record);
PX_API void PxMemFree_rpid__privacy_4(RtContext* ctxt, rpid__privacy_4* record);
PX_API void PxPrint_rpid__privacy_4(const char* name, const rpid__privacy_4* record);
PX_API int PxXmlET_rpid__privacy_4(RtContext* ctxt, const rpid__privacy_4* record, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_4_StartElement(RtContext* ctxt, const rpid__privacy_4* record,
                                                const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_4_Contents(RtContext* ctxt, const rpid__privacy_4* record,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__privacy_4_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);

/* rpid__sphere: the sphere of activity (home, work, unknown, foreign elements) */
PX_API int PxInit_rpid__sphere(RtContext* ctxt, rpid__sphere* record);
PX_API void PxMemFree_rpid__sphere(RtContext* ctxt, rpid__sphere* record);
PX_API void PxPrint_rpid__sphere(const char* name, const rpid__sphere* record);
PX_API int PxXmlET_rpid__sphere(RtContext* ctxt, const rpid__sphere* record, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__sphere_StartElement(RtContext* ctxt, const rpid__sphere* record,
                                             const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__sphere_Contents(RtContext* ctxt, const rpid__sphere* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__sphere_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__sphere_Attrs(RtContext* ctxt, const rpid__sphere* record, const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__sphere_init(RtContext* ctxt, PxSaxHandler* handler, rpid__sphere* record, int level);
PX_API int PxSAX_rpid__sphere_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                           const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__sphere_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__sphere_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__sphere_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__sphere_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                            const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__sphere_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__sphere_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_sphere(RtContext* ctxt, rpid__sphere* record);
PX_API int PxXmlE_rpid_sphere_StartElement(RtContext* ctxt, rpid__sphere* record);
PX_API int PxXmlE_rpid_sphere_Contents(RtContext* ctxt, const rpid__sphere* record);
PX_API int PxXmlE_rpid_sphere_EndElement(RtContext* ctxt, const rpid__sphere* record);
PX_API int PxXmlD_rpid_sphere(RtContext* ctxt, rpid__sphere* record);
PX_API int PxXmlV_rpid_sphere(RtContext* ctxt);

/* rpid__relationship: the relationship of a service's owner */
PX_API int PxInit_rpid__relationship(RtContext* ctxt, rpid__relationship* record);
PX_API void PxMemFree_rpid__relationship(RtContext* ctxt, rpid__relationship* record);
PX_API void PxPrint_rpid__relationship(const char* name, const rpid__relationship* record);
PX_API int PxXmlET_rpid__relationship(RtContext* ctxt, const rpid__relationship* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__relationship_StartElement(RtContext* ctxt, const rpid__relationship* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__relationship_Contents(RtContext* ctxt, const rpid__relationship* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__relationship_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__relationship_init(RtContext* ctxt, PxSaxHandler* handler, rpid__relationship* record,
                                          int level);
PX_API int PxSAX_rpid__relationship_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__relationship_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__relationship_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__relationship_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__relationship_startElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__relationship_endElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__relationship_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_relationship(RtContext* ctxt, rpid__relationship* record);
PX_API int PxXmlE_rpid_relationship_StartElement(RtContext* ctxt, rpid__relationship* record);
PX_API int PxXmlE_rpid_relationship_Contents(RtContext* ctxt, const rpid__relationship* record);
PX_API int PxXmlE_rpid_relationship_EndElement(RtContext* ctxt, const rpid__relationship* record);
PX_API int PxXmlD_rpid_relationship(RtContext* ctxt, rpid__relationship* record);
PX_API int PxXmlV_rpid_relationship(RtContext* ctxt);

/* rpid__relationship_2: relationship: the value */
PX_API int PxInit_rpid__relationship_2(RtContext* ctxt, rpid__relationship_2* record);
PX_API void PxMemFree_rpid__relationship_2(RtContext* ctxt, rpid__relationship_2* record);
PX_API void PxPrint_rpid__relationship_2(const char* name, const rpid__relationship_2* record);
PX_API int PxXmlET_rpid__relationship_2(RtContext* ctxt, const rpid__relationship_2* record,
                                        const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__relationship_2_StartElement(RtContext* ctxt, const rpid__relationship_2* record,
                                                     const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__relationship_2_Contents(RtContext* ctxt, const rpid__relationship_2* record,
                                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__relationship_2_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                   const RtXmlNamespace* ns);

/* rpid__service_class: the class of a service */
PX_API int PxInit_rpid__service_class(RtContext* ctxt, rpid__service_class* record);
PX_API void PxMemFree_rpid__service_class(RtContext* ctxt, rpid__service_class* record);
PX_API void PxPrint_rpid__service_class(const char* name, const rpid__service_class* record);
PX_API int PxXmlET_rpid__service_class(RtContext* ctxt, const rpid__service_class* record,
                                       const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__service_class_StartElement(RtContext* ctxt, const rpid__service_class* record,
                                                    const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__service_class_Contents(RtContext* ctxt, const rpid__service_class* record,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__service_class_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                  const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__service_class_init(RtContext* ctxt, PxSaxHandler* handler, rpid__service_class* record,
                                           int level);
PX_API int PxSAX_rpid__service_class_startElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__service_class_endElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__service_class_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__service_class_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__service_class_startElement(void* handler, const OSUTF8CHAR* localName,
                                                   const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__service_class_endElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__service_class_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_service_class(RtContext* ctxt, rpid__service_class* record);
PX_API int PxXmlE_rpid_service_class_StartElement(RtContext* ctxt, rpid__service_class* record);
PX_API int PxXmlE_rpid_service_class_Contents(RtContext* ctxt, const rpid__service_class* record);
PX_API int PxXmlE_rpid_service_class_EndElement(RtContext* ctxt, const rpid__service_class* record);
PX_API int PxXmlD_rpid_service_class(RtContext* ctxt, rpid__service_class* record);
PX_API int PxXmlV_rpid_service_class(RtContext* ctxt);

/* rpid__service_class_2: service-class: the value */
PX_API int PxInit_rpid__service_class_2(RtContext* ctxt, rpid__service_class_2* record);
PX_API void PxMemFree_rpid__service_class_2(RtContext* ctxt, rpid__service_class_2* record);
PX_API void PxPrint_rpid__service_class_2(const char* name, const rpid__service_class_2* record);
PX_API int PxXmlET_rpid__service_class_2(RtContext* ctxt, const rpid__service_class_2* record,
                                         const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__service_class_2_StartElement(RtContext* ctxt, const rpid__service_class_2* record,
                                                      const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__service_class_2_Contents(RtContext* ctxt, const rpid__service_class_2* record,
                                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__service_class_2_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                    const RtXmlNamespace* ns);

/* rpid__status_icon: an icon's URI */
PX_API int PxInit_rpid__status_icon(RtContext* ctxt, rpid__status_icon* record);
PX_API void PxMemFree_rpid__status_icon(RtContext* ctxt, rpid__status_icon* record);
PX_API void PxPrint_rpid__status_icon(const char* name, const rpid__status_icon* record);
PX_API int PxXmlET_rpid__status_icon(RtContext* ctxt, const rpid__status_icon* record, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__status_icon_StartElement(RtContext* ctxt, const rpid__status_icon* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__status_icon_Contents(RtContext* ctxt, const rpid__status_icon* record,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__status_icon_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__status_icon_Attrs(RtContext* ctxt, const rpid__status_icon* record,
                                           const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__status_icon_init(RtContext* ctxt, PxSaxHandler* handler, rpid__status_icon* record,
                                         int level);
PX_API int PxSAX_rpid__status_icon_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__status_icon_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__status_icon_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__status_icon_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__status_icon_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__status_icon_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__status_icon_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_status_icon(RtContext* ctxt, rpid__status_icon* record);
PX_API int PxXmlE_rpid_status_icon_StartElement(RtContext* ctxt, rpid__status_icon* record);
PX_API int PxXmlE_rpid_status_icon_Contents(RtContext* ctxt, const rpid__status_icon* record);
PX_API int PxXmlE_rpid_status_icon_EndElement(RtContext* ctxt, const rpid__status_icon* record);
PX_API int PxXmlD_rpid_status_icon(RtContext* ctxt, rpid__status_icon* record);
PX_API int PxXmlV_rpid_status_icon(RtContext* ctxt);

/* rpid__time_offset: the offset from UTC in minutes */
PX_API int PxInit_rpid__time_offset(RtContext* ctxt, rpid__time_offset* record);
PX_API void PxMemFree_rpid__time_offset(RtContext* ctxt, rpid__time_offset* record);
PX_API void PxPrint_rpid__time_offset(const char* name, const rpid__time_offset* record);
PX_API int PxXmlET_rpid__time_offset(RtContext* ctxt, const rpid__time_offset* record, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__time_offset_StartElement(RtContext* ctxt, const rpid__time_offset* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__time_offset_Contents(RtContext* ctxt, const rpid__time_offset* record,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__time_offset_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__time_offset_Attrs(RtContext* ctxt, const rpid__time_offset* record,
                                           const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__time_offset_init(RtContext* ctxt, PxSaxHandler* handler, rpid__time_offset* record,
                                         int level);
PX_API int PxSAX_rpid__time_offset_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__time_offset_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__time_offset_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__time_offset_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__time_offset_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__time_offset_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__time_offset_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_time_offset(RtContext* ctxt, rpid__time_offset* record);
PX_API int PxXmlE_rpid_time_offset_StartElement(RtContext* ctxt, rpid__time_offset* record);
PX_API int PxXmlE_rpid_time_offset_Contents(RtContext* ctxt, const rpid__time_offset* record);
PX_API int PxXmlE_rpid_time_offset_EndElement(RtContext* ctxt, const rpid__time_offset* record);
PX_API int PxXmlD_rpid_time_offset(RtContext* ctxt, rpid__time_offset* record);
PX_API int PxXmlV_rpid_time_offset(RtContext* ctxt);

/* rpid__user_input: whether the user is active or idle */
PX_API int PxInit_rpid__user_input(RtContext* ctxt, rpid__user_input* record);
PX_API void PxMemFree_rpid__user_input(RtContext* ctxt, rpid__user_input* record);
PX_API void PxPrint_rpid__user_input(const char* name, const rpid__user_input* record);
PX_API int PxXmlET_rpid__user_input(RtContext* ctxt, const rpid__user_input* record, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__user_input_StartElement(RtContext* ctxt, const rpid__user_input* record,
                                                 const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__user_input_Contents(RtContext* ctxt, const rpid__user_input* record,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__user_input_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_rpid__user_input_Attrs(RtContext* ctxt, const rpid__user_input* record,
                                          const RtXmlNamespace* ns);
PX_API void PxSAX_rpid__user_input_init(RtContext* ctxt, PxSaxHandler* handler, rpid__user_input* record,
                                        int level);
PX_API int PxSAX_rpid__user_input_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_rpid__user_input_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxSAX_rpid__user_input_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_rpid__user_input_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_rpid__user_input_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_rpid__user_input_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxVSAX_rpid__user_input_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_rpid_user_input(RtContext* ctxt, rpid__user_input* record);
PX_API int PxXmlE_rpid_user_input_StartElement(RtContext* ctxt, rpid__user_input* record);
PX_API int PxXmlE_rpid_user_input_Contents(RtContext* ctxt, const rpid__user_input* record);
PX_API int PxXmlE_rpid_user_input_EndElement(RtContext* ctxt, const rpid__user_input* record);
PX_API int PxXmlD_rpid_user_input(RtContext* ctxt, rpid__user_input* record);
PX_API int PxXmlV_rpid_user_input(RtContext* ctxt);

/* rpid_class: the class of an element, a token (a document of simple type) */
PX_API int PxXmlE_rpid_class(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_rpid_class_StartElement(RtContext* ctxt);
PX_API int PxXmlE_rpid_class_Contents(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_rpid_class_EndElement(RtContext* ctxt);
PX_API int PxXmlD_rpid_class(RtContext* ctxt, RtXmlString* value);
PX_API int PxXmlV_rpid_class(RtContext* ctxt);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
