/*
 * RPID rich presence: activities, mood, place-is, place-type, privacy,
 * sphere, relationship, service-class, status-icon, time-offset, user-input
 * and class, in "urn:ietf:params:xml:ns:pidf:rpid" (namespace index 1).
 *
 * Most records end with the shared attributes from, until, id and the
 * attribute wildcard; their presence bits follow the optional content
 * members. Choices hold a tag t (0: nothing chosen, 1.. the alternatives in
 * schema order, empty ones included) and a union u.
 *
 * After the records: the names of their presence bits, choice tags and
 * enumeration values; then the operations, one group per type.
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
/* Every name is its owner's type name in upper case, an underscore, then
 * - for a presence bit, the member's XML name: the bit's mask in present;
 * - for a choice tag, the alternative's XML name (ANY: foreign elements):
 *   the value of t when that alternative is chosen;
 * - for an enumeration value, its text.
 * Other characters become underscores (in-transit: IN_TRANSIT). */

/* rpid__activities.present: one bit per optional member */
enum {
  RPID__ACTIVITIES_FROM = 1u << 0,  /* from */
  RPID__ACTIVITIES_UNTIL = 1u << 1, /* until */
  RPID__ACTIVITIES_ID = 1u << 2     /* rpid_id */
};

/* rpid__activities_2.t: the alternative chosen (0: none) */
enum {
  RPID__ACTIVITIES_2_UNKNOWN = 1, /* <unknown/> */
  RPID__ACTIVITIES_2_SEQ2 = 2     /* u.rpid__seq2 */
};

/* rpid__activities_5.t: the alternative chosen (0: none) */
enum {
  RPID__ACTIVITIES_5_APPOINTMENT = 1,        /* <appointment/> */
  RPID__ACTIVITIES_5_AWAY = 2,               /* <away/> */
  RPID__ACTIVITIES_5_BREAKFAST = 3,          /* <breakfast/> */
  RPID__ACTIVITIES_5_BUSY = 4,               /* <busy/> */
  RPID__ACTIVITIES_5_DINNER = 5,             /* <dinner/> */
  RPID__ACTIVITIES_5_HOLIDAY = 6,            /* <holiday/> */
  RPID__ACTIVITIES_5_IN_TRANSIT = 7,         /* <in-transit/> */
  RPID__ACTIVITIES_5_LOOKING_FOR_WORK = 8,   /* <looking-for-work/> */
  RPID__ACTIVITIES_5_MEAL = 9,               /* <meal/> */
  RPID__ACTIVITIES_5_MEETING = 10,           /* <meeting/> */
  RPID__ACTIVITIES_5_ON_THE_PHONE = 11,      /* <on-the-phone/> */
  RPID__ACTIVITIES_5_PERFORMANCE = 12,       /* <performance/> */
  RPID__ACTIVITIES_5_PERMANENT_ABSENCE = 13, /* <permanent-absence/> */
  RPID__ACTIVITIES_5_PLAYING = 14,           /* <playing/> */
  RPID__ACTIVITIES_5_PRESENTATION = 15,      /* <presentation/> */
  RPID__ACTIVITIES_5_SHOPPING = 16,          /* <shopping/> */
  RPID__ACTIVITIES_5_SLEEPING = 17,          /* <sleeping/> */
  RPID__ACTIVITIES_5_SPECTATOR = 18,         /* <spectator/> */
  RPID__ACTIVITIES_5_STEERING = 19,          /* <steering/> */
  RPID__ACTIVITIES_5_TRAVEL = 20,            /* <travel/> */
  RPID__ACTIVITIES_5_TV = 21,                /* <tv/> */
  RPID__ACTIVITIES_5_VACATION = 22,          /* <vacation/> */
  RPID__ACTIVITIES_5_WORKING = 23,           /* <working/> */
  RPID__ACTIVITIES_5_WORSHIP = 24,           /* <worship/> */
  RPID__ACTIVITIES_5_OTHER = 25,             /* u.rpid_other */
  RPID__ACTIVITIES_5_ANY = 26                /* u.rpid__any */
};

/* rpid__mood.present: one bit per optional member */
enum {
  RPID__MOOD_FROM = 1u << 0,  /* from */
  RPID__MOOD_UNTIL = 1u << 1, /* until */
  RPID__MOOD_ID = 1u << 2     /* rpid_id */
};

/* rpid__mood_2.t: the alternative chosen (0: none) */
enum {
  RPID__MOOD_2_UNKNOWN = 1, /* <unknown/> */
  RPID__MOOD_2_SEQ2 = 2     /* u.rpid__seq2 */
};

/* rpid__mood_5.t: the alternative chosen (0: none) */
enum {
  RPID__MOOD_5_AFRAID = 1,        /* <afraid/> */
  RPID__MOOD_5_AMAZED = 2,        /* <amazed/> */
  RPID__MOOD_5_ANGRY = 3,         /* <angry/> */
  RPID__MOOD_5_ANNOYED = 4,       /* <annoyed/> */
  RPID__MOOD_5_ANXIOUS = 5,       /* <anxious/> */
  RPID__MOOD_5_ASHAMED = 6,       /* <ashamed/> */
  RPID__MOOD_5_BORED = 7,         /* <bored/> */
  RPID__MOOD_5_BRAVE = 8,         /* <brave/> */
  RPID__MOOD_5_CALM = 9,          /* <calm/> */
  RPID__MOOD_5_COLD = 10,         /* <cold/> */
  RPID__MOOD_5_CONFUSED = 11,     /* <confused/> */
  RPID__MOOD_5_CONTENTED = 12,    /* <contented/> */
  RPID__MOOD_5_CRANKY = 13,       /* <cranky/> */
  RPID__MOOD_5_CURIOUS = 14,      /* <curious/> */
  RPID__MOOD_5_DEPRESSED = 15,    /* <depressed/> */
  RPID__MOOD_5_DISAPPOINTED = 16, /* <disappointed/> */
  RPID__MOOD_5_DISGUSTED = 17,    /* <disgusted/> */
  RPID__MOOD_5_DISTRACTED = 18,   /* <distracted/> */
  RPID__MOOD_5_EMBARRASSED = 19,  /* <embarrassed/> */
  RPID__MOOD_5_EXCITED = 20,      /* <excited/> */
  RPID__MOOD_5_FLIRTATIOUS = 21,  /* <flirtatious/> */
  RPID__MOOD_5_FRUSTRATED = 22,   /* <frustrated/> */
  RPID__MOOD_5_GRUMPY = 23,       /* <grumpy/> */
  RPID__MOOD_5_GUILTY = 24,       /* <guilty/> */
  RPID__MOOD_5_HAPPY = 25,        /* <happy/> */
  RPID__MOOD_5_HOT = 26,          /* <hot/> */
  RPID__MOOD_5_HUMBLED = 27,      /* <humbled/> */
  RPID__MOOD_5_HUMILIATED = 28,   /* <humiliated/> */
  RPID__MOOD_5_HUNGRY = 29,       /* <hungry/> */
  RPID__MOOD_5_HURT = 30,         /* <hurt/> */
  RPID__MOOD_5_IMPRESSED = 31,    /* <impressed/> */
  RPID__MOOD_5_IN_AWE = 32,       /* <in_awe/> */
  RPID__MOOD_5_IN_LOVE = 33,      /* <in_love/> */
  RPID__MOOD_5_INDIGNANT = 34,    /* <indignant/> */
  RPID__MOOD_5_INTERESTED = 35,   /* <interested/> */
  RPID__MOOD_5_INVINCIBLE = 36,   /* <invincible/> */
  RPID__MOOD_5_JEALOUS = 37,      /* <jealous/> */
  RPID__MOOD_5_LONELY = 38,       /* <lonely/> */
  RPID__MOOD_5_MEAN = 39,         /* <mean/> */
  RPID__MOOD_5_MOODY = 40,        /* <moody/> */
  RPID__MOOD_5_NERVOUS = 41,      /* <nervous/> */
  RPID__MOOD_5_NEUTRAL = 42,      /* <neutral/> */
  RPID__MOOD_5_OFFENDED = 43,     /* <offended/> */
  RPID__MOOD_5_PLAYFUL = 44,      /* <playful/> */
  RPID__MOOD_5_PROUD = 45,        /* <proud/> */
  RPID__MOOD_5_RELIEVED = 46,     /* <relieved/> */
  RPID__MOOD_5_REMORSEFUL = 47,   /* <remorseful/> */
  RPID__MOOD_5_RESTLESS = 48,     /* <restless/> */
  RPID__MOOD_5_SAD = 49,          /* <sad/> */
  RPID__MOOD_5_SARCASTIC = 50,    /* <sarcastic/> */
  RPID__MOOD_5_SERIOUS = 51,      /* <serious/> */
  RPID__MOOD_5_SHOCKED = 52,      /* <shocked/> */
  RPID__MOOD_5_SHY = 53,          /* <shy/> */
  RPID__MOOD_5_SICK = 54,         /* <sick/> */
  RPID__MOOD_5_SLEEPY = 55,       /* <sleepy/> */
  RPID__MOOD_5_STRESSED = 56,     /* <stressed/> */
  RPID__MOOD_5_SURPRISED = 57,    /* <surprised/> */
  RPID__MOOD_5_THIRSTY = 58,      /* <thirsty/> */
  RPID__MOOD_5_WORRIED = 59,      /* <worried/> */
  RPID__MOOD_5_OTHER = 60,        /* u.rpid_other */
  RPID__MOOD_5_ANY = 61           /* u.rpid__any */
};

/* rpid__place_is.present: one bit per optional member */
enum {
  RPID__PLACE_IS_AUDIO = 1u << 0, /* rpid_audio */
  RPID__PLACE_IS_VIDEO = 1u << 1, /* rpid_video */
  RPID__PLACE_IS_TEXT = 1u << 2,  /* rpid_text */
  RPID__PLACE_IS_FROM = 1u << 3,  /* from */
  RPID__PLACE_IS_UNTIL = 1u << 4, /* until */
  RPID__PLACE_IS_ID = 1u << 5     /* rpid_id */
};

/* rpid__place_is_audio.t: the alternative chosen (0: none) */
enum {
  RPID__PLACE_IS_AUDIO_NOISY = 1,   /* <noisy/> */
  RPID__PLACE_IS_AUDIO_OK = 2,      /* <ok/> */
  RPID__PLACE_IS_AUDIO_QUIET = 3,   /* <quiet/> */
  RPID__PLACE_IS_AUDIO_UNKNOWN = 4  /* <unknown/> */
};

/* rpid__place_is_video.t: the alternative chosen (0: none) */
enum {
  RPID__PLACE_IS_VIDEO_TOOBRIGHT = 1, /* <toobright/> */
  RPID__PLACE_IS_VIDEO_OK = 2,        /* <ok/> */
  RPID__PLACE_IS_VIDEO_DARK = 3,      /* <dark/> */
  RPID__PLACE_IS_VIDEO_UNKNOWN = 4    /* <unknown/> */
};

/* rpid__place_is_text.t: the alternative chosen (0: none) */
enum {
  RPID__PLACE_IS_TEXT_UNCOMFORTABLE = 1, /* <uncomfortable/> */
  RPID__PLACE_IS_TEXT_INAPPROPRIATE = 2, /* <inappropriate/> */
  RPID__PLACE_IS_TEXT_OK = 3,            /* <ok/> */
  RPID__PLACE_IS_TEXT_UNKNOWN = 4        /* <unknown/> */
};

/* rpid__place_type.present: one bit per optional member */
enum {
  RPID__PLACE_TYPE_FROM = 1u << 0,  /* from */
  RPID__PLACE_TYPE_UNTIL = 1u << 1, /* until */
  RPID__PLACE_TYPE_ID = 1u << 2     /* rpid_id */
};

/* rpid__place_type_2.t: the alternative chosen (0: none) */
enum {
  RPID__PLACE_TYPE_2_OTHER = 1, /* u.rpid_other */
  RPID__PLACE_TYPE_2_ANY = 2    /* u.rpid__any */
};

/* rpid__privacy.present: one bit per optional member */
enum {
  RPID__PRIVACY_FROM = 1u << 0,  /* from */
  RPID__PRIVACY_UNTIL = 1u << 1, /* until */
  RPID__PRIVACY_ID = 1u << 2     /* rpid_id */
};

/* rpid__privacy_2.t: the alternative chosen (0: none) */
enum {
  RPID__PRIVACY_2_UNKNOWN = 1, /* <unknown/> */
  RPID__PRIVACY_2_SEQ2 = 2     /* u.rpid__seq2 */
};

/* rpid__privacy_4.present: one bit per optional member */
enum {
  RPID__PRIVACY_4_AUDIO = 1u << 0, /* rpid_audio */
  RPID__PRIVACY_4_TEXT = 1u << 1,  /* rpid_text */
  RPID__PRIVACY_4_VIDEO = 1u << 2  /* rpid_video */
};

/* rpid__sphere.t: the alternative chosen (0: none) */
enum {
  RPID__SPHERE_HOME = 1,    /* <home/> */
  RPID__SPHERE_WORK = 2,    /* <work/> */
  RPID__SPHERE_UNKNOWN = 3, /* <unknown/> */
  RPID__SPHERE_ANY = 4      /* u.rpid__any */
};

/* rpid__sphere.present: one bit per optional member */
enum {
  RPID__SPHERE_FROM = 1u << 0,  /* from */
  RPID__SPHERE_UNTIL = 1u << 1, /* until */
  RPID__SPHERE_ID = 1u << 2     /* rpid_id */
};

/* rpid__relationship_2.t: the alternative chosen (0: none) */
enum {
  RPID__RELATIONSHIP_2_ASSISTANT = 1,  /* <assistant/> */
  RPID__RELATIONSHIP_2_ASSOCIATE = 2,  /* <associate/> */
  RPID__RELATIONSHIP_2_FAMILY = 3,     /* <family/> */
  RPID__RELATIONSHIP_2_FRIEND = 4,     /* <friend/> */
  RPID__RELATIONSHIP_2_OTHER = 5,      /* u.rpid_other */
  RPID__RELATIONSHIP_2_SELF = 6,       /* <self/> */
  RPID__RELATIONSHIP_2_SUPERVISOR = 7, /* <supervisor/> */
  RPID__RELATIONSHIP_2_UNKNOWN = 8,    /* <unknown/> */
  RPID__RELATIONSHIP_2_ANY = 9         /* u.rpid__any */
};

/* rpid__service_class_2.t: the alternative chosen (0: none) */
enum {
  RPID__SERVICE_CLASS_2_COURIER = 1,    /* <courier/> */
  RPID__SERVICE_CLASS_2_ELECTRONIC = 2, /* <electronic/> */
  RPID__SERVICE_CLASS_2_FREIGHT = 3,    /* <freight/> */
  RPID__SERVICE_CLASS_2_IN_PERSON = 4,  /* <in-person/> */
  RPID__SERVICE_CLASS_2_POSTAL = 5,     /* <postal/> */
  RPID__SERVICE_CLASS_2_UNKNOWN = 6,    /* <unknown/> */
  RPID__SERVICE_CLASS_2_ANY = 7         /* u.rpid__any */
};

/* rpid__status_icon.present: one bit per optional member */
enum {
  RPID__STATUS_ICON_FROM = 1u << 0,  /* from */
  RPID__STATUS_ICON_UNTIL = 1u << 1, /* until */
  RPID__STATUS_ICON_ID = 1u << 2     /* rpid_id */
};

/* rpid__time_offset.present: one bit per optional member */
enum {
  RPID__TIME_OFFSET_FROM = 1u << 0,        /* from */
  RPID__TIME_OFFSET_UNTIL = 1u << 1,       /* until */
  RPID__TIME_OFFSET_DESCRIPTION = 1u << 2, /* rpid_description */
  RPID__TIME_OFFSET_ID = 1u << 3           /* rpid_id */
};

/* rpid_activeIdle: the values of the enumeration */
enum {
  RPID_ACTIVEIDLE_ACTIVE = 0, /* "active" */
  RPID_ACTIVEIDLE_IDLE = 1    /* "idle" */
};

/* rpid__user_input.present: one bit per optional member */
enum {
  RPID__USER_INPUT_IDLE_THRESHOLD = 1u << 0, /* rpid_idle_threshold */
  RPID__USER_INPUT_LAST_INPUT = 1u << 1,     /* rpid_last_input */
  RPID__USER_INPUT_ID = 1u << 2              /* rpid_id */
};

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
