/*
 * Service and device capabilities: the servcaps and devcaps documents and
 * the types they are built from, all in "urn:ietf:params:xml:ns:pidf:caps"
 * (namespace index 8).
 *
 * Shapes:
 * - name lists (tns_methodtypes and the like): one optional string per
 *   listed element, bit i of present for element i, in the listed order,
 *   then foreign elements;
 * - support pairs (tns_methodstype and the like): present bit 0
 *   tns_supported, bit 1 tns_notsupported;
 * - string lists (tns_languagestype_supported and the like): the record is
 *   its list of RtXmlString*, at least one item;
 * - priority values: empty elements whose record is their required
 *   integer attributes.
 *
 * After the records: the names of their presence bits, choice tags and
 * enumeration values; then the operations, one group per type.
 */
#ifndef PXXML_SIMPLE_CAPS_H
#define PXXML_SIMPLE_CAPS_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Boolean capabilities: one byte, 0 or 1. */
typedef OSBOOL tns_applicationtype;
typedef OSBOOL tns_audiotype;
typedef OSBOOL tns_automatatype;
typedef OSBOOL tns_controltype;
typedef OSBOOL tns_datatype;
typedef OSBOOL tns_isfocustype;
typedef OSBOOL tns_messagetype;
typedef OSBOOL tns_texttype;
typedef OSBOOL tns_videotype;
/* tns_typetype, a MIME type, is a bare text: servcaps keeps its items as
 * RtXmlString* in tns_type and its operations take the text pointer. */

typedef struct tns_descriptiontype {
  uint32_t present;
  RtXmlString value;
  RtXmlString tns_lang; /* xml:lang, bit 0 */
  RtDList nsAttrs;
} tns_descriptiontype;

/* ------------------------------------------------------------ name lists */

typedef struct tns_methodtypes {
  uint32_t present;
  RtXmlString tns_ACK;       /* bit 0 */
  RtXmlString tns_BYE;       /* bit 1 */
  RtXmlString tns_CANCEL;    /* bit 2 */
  RtXmlString tns_INFO;      /* bit 3 */
  RtXmlString tns_INVITE;    /* bit 4 */
  RtXmlString tns_MESSAGE;   /* bit 5 */
  RtXmlString tns_NOTIFY;    /* bit 6 */
  RtXmlString tns_OPTIONS;   /* bit 7 */
  RtXmlString tns_PRACK;     /* bit 8 */
  RtXmlString tns_PUBLISH;   /* bit 9 */
  RtXmlString tns_REFER;     /* bit 10 */
  RtXmlString tns_REGISTER;  /* bit 11 */
  RtXmlString tns_SUBSCRIBE; /* bit 12 */
  RtXmlString tns_UPDATE;    /* bit 13 */
  RtDList tns__any;          /* RtXmlString*: foreign elements */
} tns_methodtypes;

typedef struct tns_eventtypes {
  uint32_t present;
  RtXmlString tns_conference;        /* bit 0 */
  RtXmlString tns_dialog;            /* bit 1 */
  RtXmlString tns_kpml;              /* bit 2 */
  RtXmlString tns_message_summary;   /* bit 3 */
  RtXmlString tns_poc_settings;      /* bit 4 */
  RtXmlString tns_presence;          /* bit 5 */
  RtXmlString tns_reg;               /* bit 6 */
  RtXmlString tns_refer;             /* bit 7 */
  RtXmlString tns_Siemens_RTP_Stats; /* bit 8 */
  RtXmlString tns_spirits_INDPs;     /* bit 9 */
  RtXmlString tns_spirits_user_prof; /* bit 10 */
  RtXmlString tns_winfo;             /* bit 11 */
  RtDList tns__any;
} tns_eventtypes;

typedef struct tns_extensiontypes {
  uint32_t present;
  RtXmlString tns_rel100;                   /* bit 0 */
  RtXmlString tns_early_session;            /* bit 1 */
  RtXmlString tns_eventlist;                /* bit 2 */
  RtXmlString tns_from_change;              /* bit 3 */
  RtXmlString tns_gruu;                     /* bit 4 */
  RtXmlString tns_hist_info;                /* bit 5 */
  RtXmlString tns_join;                     /* bit 6 */
  RtXmlString tns_norefersub;               /* bit 7 */
  RtXmlString tns_path;                     /* bit 8 */
  RtXmlString tns_precondition;             /* bit 9 */
  RtXmlString tns_pref;                     /* bit 10 */
  RtXmlString tns_privacy;                  /* bit 11 */
  RtXmlString tns_recipient_list_invite;    /* bit 12 */
  RtXmlString tns_recipient_list_subscribe; /* bit 13 */
  RtXmlString tns_replaces;                 /* bit 14 */
  RtXmlString tns_resource_priority;        /* bit 15 */
  RtXmlString tns_sdp_anat;                 /* bit 16 */
  RtXmlString tns_sec_agree;                /* bit 17 */
  RtXmlString tns_tdialog;                  /* bit 18 */
  RtXmlString tns_timer;                    /* bit 19 */
  RtDList tns__any;
} tns_extensiontypes;

typedef struct tns_actortypes {
  uint32_t present;
  RtXmlString tns_attendant;   /* bit 0 */
  RtXmlString tns_information; /* bit 1 */
  RtXmlString tns_msg_taker;   /* bit 2 */
  RtXmlString tns_principal;   /* bit 3 */
  RtDList tns__any;
} tns_actortypes;

typedef struct tns_classtypes {
  uint32_t present;
  RtXmlString tns_business; /* bit 0 */
  RtXmlString tns_personal; /* bit 1 */
  RtDList tns__any;
} tns_classtypes;

typedef struct tns_duplextypes {
  uint32_t present;
  RtXmlString tns_full;         /* bit 0 */
  RtXmlString tns_half;         /* bit 1 */
  RtXmlString tns_receive_only; /* bit 2 */
  RtXmlString tns_send_only;    /* bit 3 */
  RtDList tns__any;
} tns_duplextypes;

typedef struct tns_mobilitytypes {
  uint32_t present;
  RtXmlString tns_fixed;  /* bit 0 */
  RtXmlString tns_mobile; /* bit 1 */
  RtDList tns__any;
} tns_mobilitytypes;

/* ----------------------------------------------------------- string lists */

/* RtXmlString* items, one per "l" (languages) or "s" (schemes) element. */
typedef RtDList tns_languagestype_supported;
typedef RtDList tns_languagestype_notsupported;
typedef RtDList tns_schemestype_supported;
typedef RtDList tns_schemestype_notsupported;

/* ------------------------------------------------------------- priorities */

typedef struct tns_equalstype {
  int32_t tns_value;
} tns_equalstype;

typedef struct tns_higherthantype {
  int32_t tns_minvalue;
} tns_higherthantype;

typedef struct tns_lowerthantype {
  int32_t tns_maxvalue;
} tns_lowerthantype;

typedef struct tns_rangetype {
  int32_t tns_minvalue;
  int32_t tns_maxvalue;
} tns_rangetype;

/* The element of tns_higherhan is spelled "higherhan". */
typedef struct tns_prioritytypes {
  RtDList tns_equals;    /* tns_equalstype* */
  RtDList tns_higherhan; /* tns_higherthantype* */
  RtDList tns_lowerthan; /* tns_lowerthantype* */
  RtDList tns_range;     /* tns_rangetype* */
  RtDList tns__any;      /* RtXmlString*: foreign elements */
} tns_prioritytypes;

/* ---------------------------------------------------------- support pairs */

typedef struct tns_methodstype {
  uint32_t present;
  tns_methodtypes tns_supported;    /* bit 0 */
  tns_methodtypes tns_notsupported; /* bit 1 */
} tns_methodstype;

typedef struct tns_event_packagestype {
  uint32_t present;
  tns_eventtypes tns_supported;    /* bit 0 */
  tns_eventtypes tns_notsupported; /* bit 1 */
} tns_event_packagestype;

typedef struct tns_extensionstype {
  uint32_t present;
  tns_extensiontypes tns_supported;    /* bit 0 */
  tns_extensiontypes tns_notsupported; /* bit 1 */
} tns_extensionstype;

typedef struct tns_actortype {
  uint32_t present;
  tns_actortypes tns_supported;    /* bit 0 */
  tns_actortypes tns_notsupported; /* bit 1 */
} tns_actortype;

typedef struct tns_classtype {
  uint32_t present;
  tns_classtypes tns_supported;    /* bit 0 */
  tns_classtypes tns_notsupported; /* bit 1 */
} tns_classtype;

typedef struct tns_duplextype {
  uint32_t present;
  tns_duplextypes tns_supported;    /* bit 0 */
  tns_duplextypes tns_notsupported; /* bit 1 */
} tns_duplextype;

typedef struct tns_prioritytype {
  uint32_t present;
  tns_prioritytypes tns_supported;    /* bit 0 */
  tns_prioritytypes tns_notsupported; /* bit 1 */
} tns_prioritytype;

typedef struct tns_mobilitytype {
  uint32_t present;
  tns_mobilitytypes tns_supported;    /* bit 0 */
  tns_mobilitytypes tns_notsupported; /* bit 1 */
} tns_mobilitytype;

typedef struct tns_languagestype {
  uint32_t present;
  tns_languagestype_supported tns_supported;       /* bit 0 */
  tns_languagestype_notsupported tns_notsupported; /* bit 1 */
} tns_languagestype;

typedef struct tns_schemestype {
  uint32_t present;
  tns_schemestype_supported tns_supported;       /* bit 0 */
  tns_schemestype_notsupported tns_notsupported; /* bit 1 */
} tns_schemestype;

/* -------------------------------------------------------------- documents */

typedef struct tns_servcapstype {
  uint32_t present;
  tns_actortype tns_actor;             /* bit 0 */
  tns_applicationtype tns_application; /* bit 1 */
  tns_audiotype tns_audio;             /* bit 2 */
  tns_automatatype tns_automata;       /* bit 3 */
  tns_classtype tns_class;             /* bit 4 */
  tns_controltype tns_control;         /* bit 5 */
  tns_datatype tns_data;               /* bit 6 */
  RtDList tns_description;             /* tns_descriptiontype* */
  tns_duplextype tns_duplex;           /* bit 7 */
  tns_event_packagestype tns_event_packages; /* bit 8 */
  tns_extensionstype tns_extensions;   /* bit 9 */
  tns_isfocustype tns_isfocus;         /* bit 10 */
  tns_messagetype tns_message;         /* bit 11 */
  tns_methodstype tns_methods;         /* bit 12 */
  tns_languagestype tns_languages;     /* bit 13 */
  tns_prioritytype tns_priority;       /* bit 14 */
  tns_schemestype tns_schemes;         /* bit 15 */
  tns_texttype tns_text;               /* bit 16 */
  RtDList tns_type;                    /* RtXmlString*: MIME types */
  tns_videotype tns_video;             /* bit 17 */
  RtDList tns__any;                    /* RtXmlString*: foreign elements */
  RtDList _anyAttr;                    /* RtNameValue*: foreign attributes */
} tns_servcapstype;

typedef struct tns_devcaps {
  uint32_t present;
  RtDList tns_description;       /* tns_descriptiontype* */
  tns_mobilitytype tns_mobility; /* bit 0 */
  RtDList tns__any;              /* RtXmlString*: foreign elements */
  RtDList _anyAttr;              /* RtNameValue*: foreign attributes */
} tns_devcaps;

/* ---- names: written by pxnames from the library's tables ---- */
/* Every name is its owner's type name in upper case, an underscore, then
 * - for a presence bit, the member's XML name: the bit's mask in present;
 * - for a choice tag, the alternative's XML name (ANY: foreign elements):
 *   the value of t when that alternative is chosen;
 * - for an enumeration value, its text.
 * Other characters become underscores (in-transit: IN_TRANSIT). */

/* tns_servcapstype.present: one bit per optional member */
enum {
  TNS_SERVCAPSTYPE_ACTOR = 1u << 0,          /* tns_actor */
  TNS_SERVCAPSTYPE_APPLICATION = 1u << 1,    /* tns_application */
  TNS_SERVCAPSTYPE_AUDIO = 1u << 2,          /* tns_audio */
  TNS_SERVCAPSTYPE_AUTOMATA = 1u << 3,       /* tns_automata */
  TNS_SERVCAPSTYPE_CLASS = 1u << 4,          /* tns_class */
  TNS_SERVCAPSTYPE_CONTROL = 1u << 5,        /* tns_control */
  TNS_SERVCAPSTYPE_DATA = 1u << 6,           /* tns_data */
  TNS_SERVCAPSTYPE_DUPLEX = 1u << 7,         /* tns_duplex */
  TNS_SERVCAPSTYPE_EVENT_PACKAGES = 1u << 8, /* tns_event_packages */
  TNS_SERVCAPSTYPE_EXTENSIONS = 1u << 9,     /* tns_extensions */
  TNS_SERVCAPSTYPE_ISFOCUS = 1u << 10,       /* tns_isfocus */
  TNS_SERVCAPSTYPE_MESSAGE = 1u << 11,       /* tns_message */
  TNS_SERVCAPSTYPE_METHODS = 1u << 12,       /* tns_methods */
  TNS_SERVCAPSTYPE_LANGUAGES = 1u << 13,     /* tns_languages */
  TNS_SERVCAPSTYPE_PRIORITY = 1u << 14,      /* tns_priority */
  TNS_SERVCAPSTYPE_SCHEMES = 1u << 15,       /* tns_schemes */
  TNS_SERVCAPSTYPE_TEXT = 1u << 16,          /* tns_text */
  TNS_SERVCAPSTYPE_VIDEO = 1u << 17          /* tns_video */
};

/* tns_actortype.present: one bit per optional member */
enum {
  TNS_ACTORTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_ACTORTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_actortypes.present: one bit per optional member */
enum {
  TNS_ACTORTYPES_ATTENDANT = 1u << 0,   /* tns_attendant */
  TNS_ACTORTYPES_INFORMATION = 1u << 1, /* tns_information */
  TNS_ACTORTYPES_MSG_TAKER = 1u << 2,   /* tns_msg_taker */
  TNS_ACTORTYPES_PRINCIPAL = 1u << 3    /* tns_principal */
};

/* tns_classtype.present: one bit per optional member */
enum {
  TNS_CLASSTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_CLASSTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_classtypes.present: one bit per optional member */
enum {
  TNS_CLASSTYPES_BUSINESS = 1u << 0, /* tns_business */
  TNS_CLASSTYPES_PERSONAL = 1u << 1  /* tns_personal */
};

/* tns_descriptiontype.present: one bit per optional member */
enum {
  TNS_DESCRIPTIONTYPE_LANG = 1u << 0  /* tns_lang */
};

/* tns_duplextype.present: one bit per optional member */
enum {
  TNS_DUPLEXTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_DUPLEXTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_duplextypes.present: one bit per optional member */
enum {
  TNS_DUPLEXTYPES_FULL = 1u << 0,         /* tns_full */
  TNS_DUPLEXTYPES_HALF = 1u << 1,         /* tns_half */
  TNS_DUPLEXTYPES_RECEIVE_ONLY = 1u << 2, /* tns_receive_only */
  TNS_DUPLEXTYPES_SEND_ONLY = 1u << 3     /* tns_send_only */
};

/* tns_event_packagestype.present: one bit per optional member */
enum {
  TNS_EVENT_PACKAGESTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_EVENT_PACKAGESTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_eventtypes.present: one bit per optional member */
enum {
  TNS_EVENTTYPES_CONFERENCE = 1u << 0,         /* tns_conference */
  TNS_EVENTTYPES_DIALOG = 1u << 1,             /* tns_dialog */
  TNS_EVENTTYPES_KPML = 1u << 2,               /* tns_kpml */
  TNS_EVENTTYPES_MESSAGE_SUMMARY = 1u << 3,    /* tns_message_summary */
  TNS_EVENTTYPES_POC_SETTINGS = 1u << 4,       /* tns_poc_settings */
  TNS_EVENTTYPES_PRESENCE = 1u << 5,           /* tns_presence */
  TNS_EVENTTYPES_REG = 1u << 6,                /* tns_reg */
  TNS_EVENTTYPES_REFER = 1u << 7,              /* tns_refer */
  TNS_EVENTTYPES_SIEMENS_RTP_STATS = 1u << 8,  /* tns_Siemens_RTP_Stats */
  TNS_EVENTTYPES_SPIRITS_INDPS = 1u << 9,      /* tns_spirits_INDPs */
  TNS_EVENTTYPES_SPIRITS_USER_PROF = 1u << 10, /* tns_spirits_user_prof */
  TNS_EVENTTYPES_WINFO = 1u << 11              /* tns_winfo */
};

/* tns_extensionstype.present: one bit per optional member */
enum {
  TNS_EXTENSIONSTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_EXTENSIONSTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_extensiontypes.present: one bit per optional member */
enum {
  TNS_EXTENSIONTYPES_REL100 = 1u << 0,                    /* tns_rel100 */
  TNS_EXTENSIONTYPES_EARLY_SESSION = 1u << 1,             /* tns_early_session */
  TNS_EXTENSIONTYPES_EVENTLIST = 1u << 2,                 /* tns_eventlist */
  TNS_EXTENSIONTYPES_FROM_CHANGE = 1u << 3,               /* tns_from_change */
  TNS_EXTENSIONTYPES_GRUU = 1u << 4,                      /* tns_gruu */
  TNS_EXTENSIONTYPES_HIST_INFO = 1u << 5,                 /* tns_hist_info */
  TNS_EXTENSIONTYPES_JOIN = 1u << 6,                      /* tns_join */
  TNS_EXTENSIONTYPES_NOREFERSUB = 1u << 7,                /* tns_norefersub */
  TNS_EXTENSIONTYPES_PATH = 1u << 8,                      /* tns_path */
  TNS_EXTENSIONTYPES_PRECONDITION = 1u << 9,              /* tns_precondition */
  TNS_EXTENSIONTYPES_PREF = 1u << 10,                     /* tns_pref */
  TNS_EXTENSIONTYPES_PRIVACY = 1u << 11,                  /* tns_privacy */
  TNS_EXTENSIONTYPES_RECIPIENT_LIST_INVITE = 1u << 12,    /* tns_recipient_list_invite */
  TNS_EXTENSIONTYPES_RECIPIENT_LIST_SUBSCRIBE = 1u << 13, /* tns_recipient_list_subscribe */
  TNS_EXTENSIONTYPES_REPLACES = 1u << 14,                 /* tns_replaces */
  TNS_EXTENSIONTYPES_RESOURCE_PRIORITY = 1u << 15,        /* tns_resource_priority */
  TNS_EXTENSIONTYPES_SDP_ANAT = 1u << 16,                 /* tns_sdp_anat */
  TNS_EXTENSIONTYPES_SEC_AGREE = 1u << 17,                /* tns_sec_agree */
  TNS_EXTENSIONTYPES_TDIALOG = 1u << 18,                  /* tns_tdialog */
  TNS_EXTENSIONTYPES_TIMER = 1u << 19                     /* tns_timer */
};

/* tns_methodstype.present: one bit per optional member */
enum {
  TNS_METHODSTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_METHODSTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_methodtypes.present: one bit per optional member */
enum {
  TNS_METHODTYPES_ACK = 1u << 0,        /* tns_ACK */
  TNS_METHODTYPES_BYE = 1u << 1,        /* tns_BYE */
  TNS_METHODTYPES_CANCEL = 1u << 2,     /* tns_CANCEL */
  TNS_METHODTYPES_INFO = 1u << 3,       /* tns_INFO */
  TNS_METHODTYPES_INVITE = 1u << 4,     /* tns_INVITE */
  TNS_METHODTYPES_MESSAGE = 1u << 5,    /* tns_MESSAGE */
  TNS_METHODTYPES_NOTIFY = 1u << 6,     /* tns_NOTIFY */
  TNS_METHODTYPES_OPTIONS = 1u << 7,    /* tns_OPTIONS */
  TNS_METHODTYPES_PRACK = 1u << 8,      /* tns_PRACK */
  TNS_METHODTYPES_PUBLISH = 1u << 9,    /* tns_PUBLISH */
  TNS_METHODTYPES_REFER = 1u << 10,     /* tns_REFER */
  TNS_METHODTYPES_REGISTER = 1u << 11,  /* tns_REGISTER */
  TNS_METHODTYPES_SUBSCRIBE = 1u << 12, /* tns_SUBSCRIBE */
  TNS_METHODTYPES_UPDATE = 1u << 13     /* tns_UPDATE */
};

/* tns_languagestype.present: one bit per optional member */
enum {
  TNS_LANGUAGESTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_LANGUAGESTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_prioritytype.present: one bit per optional member */
enum {
  TNS_PRIORITYTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_PRIORITYTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_schemestype.present: one bit per optional member */
enum {
  TNS_SCHEMESTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_SCHEMESTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_devcaps.present: one bit per optional member */
enum {
  TNS_DEVCAPS_MOBILITY = 1u << 0  /* tns_mobility */
};

/* tns_mobilitytype.present: one bit per optional member */
enum {
  TNS_MOBILITYTYPE_SUPPORTED = 1u << 0,    /* tns_supported */
  TNS_MOBILITYTYPE_NOTSUPPORTED = 1u << 1  /* tns_notsupported */
};

/* tns_mobilitytypes.present: one bit per optional member */
enum {
  TNS_MOBILITYTYPES_FIXED = 1u << 0,  /* tns_fixed */
  TNS_MOBILITYTYPES_MOBILE = 1u << 1  /* tns_mobile */
};

/* ---- end of names ---- */

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* tns_applicationtype: a boolean capability */
PX_API void PxPrint_tns_applicationtype(const char* name, tns_applicationtype value);
PX_API int PxXmlET_tns_applicationtype(RtContext* ctxt, tns_applicationtype value, const OSUTF8CHAR* name,
                                       const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_applicationtype_StartElement(RtContext* ctxt, tns_applicationtype value,
                                                    const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_applicationtype_Contents(RtContext* ctxt, tns_applicationtype value,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_applicationtype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                  const RtXmlNamespace* ns);

/* tns_audiotype: a boolean capability */
PX_API void PxPrint_tns_audiotype(const char* name, tns_audiotype value);
PX_API int PxXmlET_tns_audiotype(RtContext* ctxt, tns_audiotype value, const OSUTF8CHAR* name,
                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_audiotype_StartElement(RtContext* ctxt, tns_audiotype value, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_audiotype_Contents(RtContext* ctxt, tns_audiotype value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_audiotype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* tns_automatatype: a boolean capability */
PX_API void PxPrint_tns_automatatype(const char* name, tns_automatatype value);
PX_API int PxXmlET_tns_automatatype(RtContext* ctxt, tns_automatatype value, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_automatatype_StartElement(RtContext* ctxt, tns_automatatype value,
                                                 const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_automatatype_Contents(RtContext* ctxt, tns_automatatype value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_automatatype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                               const RtXmlNamespace* ns);

/* tns_controltype: a boolean capability */
PX_API void PxPrint_tns_controltype(const char* name, tns_controltype value);
PX_API int PxXmlET_tns_controltype(RtContext* ctxt, tns_controltype value, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_controltype_StartElement(RtContext* ctxt, tns_controltype value, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_controltype_Contents(RtContext* ctxt, tns_controltype value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_controltype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);

/* tns_datatype: a boolean capability */
PX_API void PxPrint_tns_datatype(const char* name, tns_datatype value);
PX_API int PxXmlET_tns_datatype(RtContext* ctxt, tns_datatype value, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_datatype_StartElement(RtContext* ctxt, tns_datatype value, const OSUTF8CHAR* name,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_datatype_Contents(RtContext* ctxt, tns_datatype value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_datatype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* tns_isfocustype: a boolean capability */
PX_API void PxPrint_tns_isfocustype(const char* name, tns_isfocustype value);
PX_API int PxXmlET_tns_isfocustype(RtContext* ctxt, tns_isfocustype value, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_isfocustype_StartElement(RtContext* ctxt, tns_isfocustype value, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_isfocustype_Contents(RtContext* ctxt, tns_isfocustype value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_isfocustype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);

/* tns_messagetype: a boolean capability */
PX_API void PxPrint_tns_messagetype(const char* name, tns_messagetype value);
PX_API int PxXmlET_tns_messagetype(RtContext* ctxt, tns_messagetype value, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_messagetype_StartElement(RtContext* ctxt, tns_messagetype value, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_messagetype_Contents(RtContext* ctxt, tns_messagetype value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_messagetype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);

/* tns_texttype: a boolean capability */
PX_API void PxPrint_tns_texttype(const char* name, tns_texttype value);
PX_API int PxXmlET_tns_texttype(RtContext* ctxt, tns_texttype value, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_texttype_StartElement(RtContext* ctxt, tns_texttype value, const OSUTF8CHAR* name,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_texttype_Contents(RtContext* ctxt, tns_texttype value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_texttype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* tns_videotype: a boolean capability */
PX_API void PxPrint_tns_videotype(const char* name, tns_videotype value);
PX_API int PxXmlET_tns_videotype(RtContext* ctxt, tns_videotype value, const OSUTF8CHAR* name,
                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_videotype_StartElement(RtContext* ctxt, tns_videotype value, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_videotype_Contents(RtContext* ctxt, tns_videotype value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_videotype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* tns_typetype: a MIME type */
PX_API void PxPrint_tns_typetype(const char* name, const OSUTF8CHAR* value);
PX_API int PxXmlET_tns_typetype(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_typetype_StartElement(RtContext* ctxt, const OSUTF8CHAR* value, const OSUTF8CHAR* name,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_typetype_Contents(RtContext* ctxt, const OSUTF8CHAR* value, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_typetype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);

/* tns_methodtypes: SIP methods by name, and foreign elements */
PX_API int PxInit_tns_methodtypes(RtContext* ctxt, tns_methodtypes* record);
PX_API void PxMemFree_tns_methodtypes(RtContext* ctxt, tns_methodtypes* record);
PX_API void PxPrint_tns_methodtypes(const char* name, const tns_methodtypes* record);
PX_API int PxXmlET_tns_methodtypes(RtContext* ctxt, const tns_methodtypes* record, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_methodtypes_StartElement(RtContext* ctxt, const tns_methodtypes* record,
                                                const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_methodtypes_Contents(RtContext* ctxt, const tns_methodtypes* record,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_methodtypes_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);
PX_API void PxSAX_tns_methodtypes_init(RtContext* ctxt, PxSaxHandler* handler, tns_methodtypes* record,
                                       int level);
PX_API int PxSAX_tns_methodtypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_methodtypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_methodtypes_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_methodtypes_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_methodtypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_methodtypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_methodtypes_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_eventtypes: event packages by name, and foreign elements */
PX_API int PxInit_tns_eventtypes(RtContext* ctxt, tns_eventtypes* record);
PX_API void PxMemFree_tns_eventtypes(RtContext* ctxt, tns_eventtypes* record);
PX_API void PxPrint_tns_eventtypes(const char* name, const tns_eventtypes* record);
PX_API int PxXmlET_tns_eventtypes(RtContext* ctxt, const tns_eventtypes* record, const OSUTF8CHAR* name,
                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_eventtypes_StartElement(RtContext* ctxt, const tns_eventtypes* record,
                                               const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_eventtypes_Contents(RtContext* ctxt, const tns_eventtypes* record,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_eventtypes_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_eventtypes_init(RtContext* ctxt, PxSaxHandler* handler, tns_eventtypes* record,
                                      int level);
PX_API int PxSAX_tns_eventtypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_eventtypes_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_eventtypes_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_eventtypes_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_eventtypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_eventtypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_eventtypes_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_extensiontypes: SIP extensions by name, and foreign elements */
PX_API int PxInit_tns_extensiontypes(RtContext* ctxt, tns_extensiontypes* record);
PX_API void PxMemFree_tns_extensiontypes(RtContext* ctxt, tns_extensiontypes* record);
PX_API void PxPrint_tns_extensiontypes(const char* name, const tns_extensiontypes* record);
PX_API int PxXmlET_tns_extensiontypes(RtContext* ctxt, const tns_extensiontypes* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_extensiontypes_StartElement(RtContext* ctxt, const tns_extensiontypes* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_extensiontypes_Contents(RtContext* ctxt, const tns_extensiontypes* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_extensiontypes_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);
PX_API void PxSAX_tns_extensiontypes_init(RtContext* ctxt, PxSaxHandler* handler, tns_extensiontypes* record,
                                          int level);
PX_API int PxSAX_tns_extensiontypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_extensiontypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_extensiontypes_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_extensiontypes_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_extensiontypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_extensiontypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_extensiontypes_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_actortypes: actors by name, and foreign elements */
PX_API int PxInit_tns_actortypes(RtContext* ctxt, tns_actortypes* record);
PX_API void PxMemFree_tns_actortypes(RtContext* ctxt, tns_actortypes* record);
PX_API void PxPrint_tns_actortypes(const char* name, const tns_actortypes* record);
PX_API int PxXmlET_tns_actortypes(RtContext* ctxt, const tns_actortypes* record, const OSUTF8CHAR* name,
                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_actortypes_StartElement(RtContext* ctxt, const tns_actortypes* record,
                                               const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_actortypes_Contents(RtContext* ctxt, const tns_actortypes* record,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_actortypes_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_actortypes_init(RtContext* ctxt, PxSaxHandler* handler, tns_actortypes* record,
                                      int level);
PX_API int PxSAX_tns_actortypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_actortypes_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_actortypes_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_actortypes_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_actortypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_actortypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_actortypes_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_classtypes: classes by name, and foreign elements */
PX_API int PxInit_tns_classtypes(RtContext* ctxt, tns_classtypes* record);
PX_API void PxMemFree_tns_classtypes(RtContext* ctxt, tns_classtypes* record);
PX_API void PxPrint_tns_classtypes(const char* name, const tns_classtypes* record);
PX_API int PxXmlET_tns_classtypes(RtContext* ctxt, const tns_classtypes* record, const OSUTF8CHAR* name,
                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_classtypes_StartElement(RtContext* ctxt, const tns_classtypes* record,
                                               const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_classtypes_Contents(RtContext* ctxt, const tns_classtypes* record,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_classtypes_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_classtypes_init(RtContext* ctxt, PxSaxHandler* handler, tns_classtypes* record,
                                      int level);
PX_API int PxSAX_tns_classtypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_classtypes_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_classtypes_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_classtypes_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_classtypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_classtypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_classtypes_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_duplextypes: duplex modes by name, and foreign elements */
PX_API int PxInit_tns_duplextypes(RtContext* ctxt, tns_duplextypes* record);
PX_API void PxMemFree_tns_duplextypes(RtContext* ctxt, tns_duplextypes* record);
PX_API void PxPrint_tns_duplextypes(const char* name, const tns_duplextypes* record);
PX_API int PxXmlET_tns_duplextypes(RtContext* ctxt, const tns_duplextypes* record, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_duplextypes_StartElement(RtContext* ctxt, const tns_duplextypes* record,
                                                const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_duplextypes_Contents(RtContext* ctxt, const tns_duplextypes* record,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_duplextypes_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);
PX_API void PxSAX_tns_duplextypes_init(RtContext* ctxt, PxSaxHandler* handler, tns_duplextypes* record,
                                       int level);
PX_API int PxSAX_tns_duplextypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_duplextypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_duplextypes_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_duplextypes_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_duplextypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_duplextypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_duplextypes_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_mobilitytypes: mobility by name, and foreign elements */
PX_API int PxInit_tns_mobilitytypes(RtContext* ctxt, tns_mobilitytypes* record);
PX_API void PxMemFree_tns_mobilitytypes(RtContext* ctxt, tns_mobilitytypes* record);
PX_API void PxPrint_tns_mobilitytypes(const char* name, const tns_mobilitytypes* record);
PX_API int PxXmlET_tns_mobilitytypes(RtContext* ctxt, const tns_mobilitytypes* record, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_mobilitytypes_StartElement(RtContext* ctxt, const tns_mobilitytypes* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_mobilitytypes_Contents(RtContext* ctxt, const tns_mobilitytypes* record,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_mobilitytypes_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API void PxSAX_tns_mobilitytypes_init(RtContext* ctxt, PxSaxHandler* handler, tns_mobilitytypes* record,
                                         int level);
PX_API int PxSAX_tns_mobilitytypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_mobilitytypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_mobilitytypes_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_mobilitytypes_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_mobilitytypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_mobilitytypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_mobilitytypes_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_methodstype: methods supported and not supported */
PX_API int PxInit_tns_methodstype(RtContext* ctxt, tns_methodstype* record);
PX_API void PxMemFree_tns_methodstype(RtContext* ctxt, tns_methodstype* record);
PX_API void PxPrint_tns_methodstype(const char* name, const tns_methodstype* record);
PX_API int PxXmlET_tns_methodstype(RtContext* ctxt, const tns_methodstype* record, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_methodstype_StartElement(RtContext* ctxt, const tns_methodstype* record,
                                                const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_methodstype_Contents(RtContext* ctxt, const tns_methodstype* record,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_methodstype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);
PX_API void PxSAX_tns_methodstype_init(RtContext* ctxt, PxSaxHandler* handler, tns_methodstype* record,
                                       int level);
PX_API int PxSAX_tns_methodstype_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_methodstype_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_methodstype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_methodstype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_methodstype_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_methodstype_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_methodstype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_event_packagestype: event packages supported and not supported */
PX_API int PxInit_tns_event_packagestype(RtContext* ctxt, tns_event_packagestype* record);
PX_API void PxMemFree_tns_event_packagestype(RtContext* ctxt, tns_event_packagestype* record);
PX_API void PxPrint_tns_event_packagestype(const char* name, const tns_event_packagestype* record);
PX_API int PxXmlET_tns_event_packagestype(RtContext* ctxt, const tns_event_packagestype* record,
                                          const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_event_packagestype_StartElement(RtContext* ctxt, const tns_event_packagestype* record,
                                                       const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_event_packagestype_Contents(RtContext* ctxt, const tns_event_packagestype* record,
                                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_event_packagestype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                     const RtXmlNamespace* ns);
PX_API void PxSAX_tns_event_packagestype_init(RtContext* ctxt, PxSaxHandler* handler,
                                              tns_event_packagestype* record, int level);
PX_API int PxSAX_tns_event_packagestype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                     const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_event_packagestype_endElement(void* handler, const OSUTF8CHAR* localName,
                                                   const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_event_packagestype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_event_packagestype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_event_packagestype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                      const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_event_packagestype_endElement(void* handler, const OSUTF8CHAR* localName,
                                                    const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_event_packagestype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_extensionstype: extensions supported and not supported */
PX_API int PxInit_tns_extensionstype(RtContext* ctxt, tns_extensionstype* record);
PX_API void PxMemFree_tns_extensionstype(RtContext* ctxt, tns_extensionstype* record);
PX_API void PxPrint_tns_extensionstype(const char* name, const tns_extensionstype* record);
PX_API int PxXmlET_tns_extensionstype(RtContext* ctxt, const tns_extensionstype* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_extensionstype_StartElement(RtContext* ctxt, const tns_extensionstype* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_extensionstype_Contents(RtContext* ctxt, const tns_extensionstype* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_extensionstype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);
PX_API void PxSAX_tns_extensionstype_init(RtContext* ctxt, PxSaxHandler* handler, tns_extensionstype* record,
                                          int level);
PX_API int PxSAX_tns_extensionstype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_extensionstype_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_extensionstype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_extensionstype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_extensionstype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_extensionstype_endElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_extensionstype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_actortype: actors supported and not supported */
PX_API int PxInit_tns_actortype(RtContext* ctxt, tns_actortype* record);
PX_API void PxMemFree_tns_actortype(RtContext* ctxt, tns_actortype* record);
PX_API void PxPrint_tns_actortype(const char* name, const tns_actortype* record);
PX_API int PxXmlET_tns_actortype(RtContext* ctxt, const tns_actortype* record, const OSUTF8CHAR* name,
                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_actortype_StartElement(RtContext* ctxt, const tns_actortype* record,
                                              const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_actortype_Contents(RtContext* ctxt, const tns_actortype* record,
                                          const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_actortype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_actortype_init(RtContext* ctxt, PxSaxHandler* handler, tns_actortype* record, int level);
PX_API int PxSAX_tns_actortype_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                            const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_actortype_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_actortype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_actortype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_actortype_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_actortype_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_actortype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_classtype: classes supported and not supported */
PX_API int PxInit_tns_classtype(RtContext* ctxt, tns_classtype* record);
PX_API void PxMemFree_tns_classtype(RtContext* ctxt, tns_classtype* record);
PX_API void PxPrint_tns_classtype(const char* name, const tns_classtype* record);
PX_API int PxXmlET_tns_classtype(RtContext* ctxt, const tns_classtype* record, const OSUTF8CHAR* name,
                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_classtype_StartElement(RtContext* ctxt, const tns_classtype* record,
                                              const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_classtype_Contents(RtContext* ctxt, const tns_classtype* record,
                                          const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_classtype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_classtype_init(RtContext* ctxt, PxSaxHandler* handler, tns_classtype* record, int level);
PX_API int PxSAX_tns_classtype_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                            const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_classtype_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_classtype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_classtype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_classtype_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_classtype_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_classtype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_duplextype: duplex modes supported and not supported */
PX_API int PxInit_tns_duplextype(RtContext* ctxt, tns_duplextype* record);
PX_API void PxMemFree_tns_duplextype(RtContext* ctxt, tns_duplextype* record);
PX_API void PxPrint_tns_duplextype(const char* name, const tns_duplextype* record);
PX_API int PxXmlET_tns_duplextype(RtContext* ctxt, const tns_duplextype* record, const OSUTF8CHAR* name,
                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_duplextype_StartElement(RtContext* ctxt, const tns_duplextype* record,
                                               const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_duplextype_Contents(RtContext* ctxt, const tns_duplextype* record,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_duplextype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_duplextype_init(RtContext* ctxt, PxSaxHandler* handler, tns_duplextype* record,
                                      int level);
PX_API int PxSAX_tns_duplextype_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_duplextype_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_duplextype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_duplextype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_duplextype_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_duplextype_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_duplextype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_prioritytype: priorities supported and not supported */
PX_API int PxInit_tns_prioritytype(RtContext* ctxt, tns_prioritytype* record);
PX_API void PxMemFree_tns_prioritytype(RtContext* ctxt, tns_prioritytype* record);
PX_API void PxPrint_tns_prioritytype(const char* name, const tns_prioritytype* record);
PX_API int PxXmlET_tns_prioritytype(RtContext* ctxt, const tns_prioritytype* record, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_prioritytype_StartElement(RtContext* ctxt, const tns_prioritytype* record,
                                                 const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_prioritytype_Contents(RtContext* ctxt, const tns_prioritytype* record,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_prioritytype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                               const RtXmlNamespace* ns);
PX_API void PxSAX_tns_prioritytype_init(RtContext* ctxt, PxSaxHandler* handler, tns_prioritytype* record,
                                        int level);
PX_API int PxSAX_tns_prioritytype_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_prioritytype_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_prioritytype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_prioritytype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_prioritytype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_prioritytype_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_prioritytype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_mobilitytype: mobility supported and not supported */
PX_API int PxInit_tns_mobilitytype(RtContext* ctxt, tns_mobilitytype* record);
PX_API void PxMemFree_tns_mobilitytype(RtContext* ctxt, tns_mobilitytype* record);
PX_API void PxPrint_tns_mobilitytype(const char* name, const tns_mobilitytype* record);
PX_API int PxXmlET_tns_mobilitytype(RtContext* ctxt, const tns_mobilitytype* record, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_mobilitytype_StartElement(RtContext* ctxt, const tns_mobilitytype* record,
                                                 const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_mobilitytype_Contents(RtContext* ctxt, const tns_mobilitytype* record,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_mobilitytype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                               const RtXmlNamespace* ns);
PX_API void PxSAX_tns_mobilitytype_init(RtContext* ctxt, PxSaxHandler* handler, tns_mobilitytype* record,
                                        int level);
PX_API int PxSAX_tns_mobilitytype_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_mobilitytype_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_mobilitytype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_mobilitytype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_mobilitytype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_mobilitytype_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_mobilitytype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_languagestype: languages supported and not supported */
PX_API int PxInit_tns_languagestype(RtContext* ctxt, tns_languagestype* record);
PX_API void PxMemFree_tns_languagestype(RtContext* ctxt, tns_languagestype* record);
PX_API void PxPrint_tns_languagestype(const char* name, const tns_languagestype* record);
PX_API int PxXmlET_tns_languagestype(RtContext* ctxt, const tns_languagestype* record, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_languagestype_StartElement(RtContext* ctxt, const tns_languagestype* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_languagestype_Contents(RtContext* ctxt, const tns_languagestype* record,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_languagestype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API void PxSAX_tns_languagestype_init(RtContext* ctxt, PxSaxHandler* handler, tns_languagestype* record,
                                         int level);
PX_API int PxSAX_tns_languagestype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_languagestype_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_languagestype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_languagestype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_languagestype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_languagestype_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_languagestype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_schemestype: URI schemes supported and not supported */
PX_API int PxInit_tns_schemestype(RtContext* ctxt, tns_schemestype* record);
PX_API void PxMemFree_tns_schemestype(RtContext* ctxt, tns_schemestype* record);
PX_API void PxPrint_tns_schemestype(const char* name, const tns_schemestype* record);
PX_API int PxXmlET_tns_schemestype(RtContext* ctxt, const tns_schemestype* record, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_schemestype_StartElement(RtContext* ctxt, const tns_schemestype* record,
                                                const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_schemestype_Contents(RtContext* ctxt, const tns_schemestype* record,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_schemestype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);
PX_API void PxSAX_tns_schemestype_init(RtContext* ctxt, PxSaxHandler* handler, tns_schemestype* record,
                                       int level);
PX_API int PxSAX_tns_schemestype_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_schemestype_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_schemestype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_schemestype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_schemestype_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_schemestype_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_schemestype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_languagestype_supported: the supported languages, one text each */
PX_API int PxInit_tns_languagestype_supported(RtContext* ctxt, tns_languagestype_supported* record);
PX_API void PxMemFree_tns_languagestype_supported(RtContext* ctxt, tns_languagestype_supported* record);
PX_API void PxPrint_tns_languagestype_supported(const char* name, const tns_languagestype_supported* record);
PX_API int PxXmlET_tns_languagestype_supported(RtContext* ctxt, const tns_languagestype_supported* record,
                                               const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_languagestype_supported_StartElement(RtContext* ctxt,
                                                            const tns_languagestype_supported* record,
                                                            const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_languagestype_supported_Contents(RtContext* ctxt,
                                                        const tns_languagestype_supported* record,
                                                        const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_languagestype_supported_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                          const RtXmlNamespace* ns);
PX_API uint32_t Pxtns_languagestype_supported_Append(RtContext* ctxt, tns_languagestype_supported* list,
                                                     void* item);
PX_API void PxSAX_tns_languagestype_supported_init(RtContext* ctxt, PxSaxHandler* handler,
                                                   tns_languagestype_supported* record, int level);
PX_API int PxSAX_tns_languagestype_supported_startElement(void* handler, const OSUTF8CHAR* localName,
                                                          const OSUTF8CHAR* qName,
                                                          const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_languagestype_supported_endElement(void* handler, const OSUTF8CHAR* localName,
                                                        const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_languagestype_supported_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_languagestype_supported_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_languagestype_supported_startElement(void* handler, const OSUTF8CHAR* localName,
                                                           const OSUTF8CHAR* qName,
                                                           const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_languagestype_supported_endElement(void* handler, const OSUTF8CHAR* localName,
                                                         const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_languagestype_supported_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_languagestype_notsupported: the languages not supported, one text each */
PX_API int PxInit_tns_languagestype_notsupported(RtContext* ctxt, tns_languagestype_notsupported* record);
PX_API void PxMemFree_tns_languagestype_notsupported(RtContext* ctxt, tns_languagestype_notsupported* record);
PX_API void PxPrint_tns_languagestype_notsupported(const char* name,
                                                   const tns_languagestype_notsupported* record);
PX_API int PxXmlET_tns_languagestype_notsupported(RtContext* ctxt, const tns_languagestype_notsupported* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_languagestype_notsupported_StartElement(RtContext* ctxt,
                                                               const tns_languagestype_notsupported* record,
                                                               const OSUTF8CHAR* name,
                                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_languagestype_notsupported_Contents(RtContext* ctxt,
                                                           const tns_languagestype_notsupported* record,
                                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_languagestype_notsupported_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                             const RtXmlNamespace* ns);
PX_API uint32_t Pxtns_languagestype_notsupported_Append(RtContext* ctxt, tns_languagestype_notsupported* list,
                                                        void* item);
PX_API void PxSAX_tns_languagestype_notsupported_init(RtContext* ctxt, PxSaxHandler* handler,
                                                      tns_languagestype_notsupported* record, int level);
PX_API int PxSAX_tns_languagestype_notsupported_startElement(void* handler, const OSUTF8CHAR* localName,
                                                             const OSUTF8CHAR* qName,
                                                             const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_languagestype_notsupported_endElement(void* handler, const OSUTF8CHAR* localName,
                                                           const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_languagestype_notsupported_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_languagestype_notsupported_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_languagestype_notsupported_startElement(void* handler, const OSUTF8CHAR* localName,
                                                              const OSUTF8CHAR* qName,
                                                              const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_languagestype_notsupported_endElement(void* handler, const OSUTF8CHAR* localName,
                                                            const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_languagestype_notsupported_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_schemestype_supported: the supported URI schemes, one text each */
PX_API int PxInit_tns_schemestype_supported(RtContext* ctxt, tns_schemestype_supported* record);
PX_API void PxMemFree_tns_schemestype_supported(RtContext* ctxt, tns_schemestype_supported* record);
PX_API void PxPrint_tns_schemestype_supported(const char* name, const tns_schemestype_supported* record);
PX_API int PxXmlET_tns_schemestype_supported(RtContext* ctxt, const tns_schemestype_supported* record,
                                             const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_schemestype_supported_StartElement(RtContext* ctxt,
                                                          const tns_schemestype_supported* record,
                                                          const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_schemestype_supported_Contents(RtContext* ctxt, const tns_schemestype_supported* record,
                                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_schemestype_supported_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                        const RtXmlNamespace* ns);
PX_API uint32_t Pxtns_schemestype_supported_Append(RtContext* ctxt, tns_schemestype_supported* list,
                                                   void* item);
PX_API void PxSAX_tns_schemestype_supported_init(RtContext* ctxt, PxSaxHandler* handler,
                                                 tns_schemestype_supported* record, int level);
PX_API int PxSAX_tns_schemestype_supported_startElement(void* handler, const OSUTF8CHAR* localName,
                                                        const OSUTF8CHAR* qName,
                                                        const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_schemestype_supported_endElement(void* handler, const OSUTF8CHAR* localName,
                                                      const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_schemestype_supported_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_schemestype_supported_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_schemestype_supported_startElement(void* handler, const OSUTF8CHAR* localName,
                                                         const OSUTF8CHAR* qName,
                                                         const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_schemestype_supported_endElement(void* handler, const OSUTF8CHAR* localName,
                                                       const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_schemestype_supported_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_schemestype_notsupported: the URI schemes not supported, one text each */
PX_API int PxInit_tns_schemestype_notsupported(RtContext* ctxt, tns_schemestype_notsupported* record);
PX_API void PxMemFree_tns_schemestype_notsupported(RtContext* ctxt, tns_schemestype_notsupported* record);
PX_API void PxPrint_tns_schemestype_notsupported(const char* name, const tns_schemestype_notsupported* record);
PX_API int PxXmlET_tns_schemestype_notsupported(RtContext* ctxt, const tns_schemestype_notsupported* record,
                                                const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_schemestype_notsupported_StartElement(RtContext* ctxt,
                                                             const tns_schemestype_notsupported* record,
                                                             const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_schemestype_notsupported_Contents(RtContext* ctxt,
                                                         const tns_schemestype_notsupported* record,
                                                         const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_schemestype_notsupported_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                           const RtXmlNamespace* ns);
PX_API uint32_t Pxtns_schemestype_notsupported_Append(RtContext* ctxt, tns_schemestype_notsupported* list,
                                                      void* item);
PX_API void PxSAX_tns_schemestype_notsupported_init(RtContext* ctxt, PxSaxHandler* handler,
                                                    tns_schemestype_notsupported* record, int level);
PX_API int PxSAX_tns_schemestype_notsupported_startElement(void* handler, const OSUTF8CHAR* localName,
                                                           const OSUTF8CHAR* qName,
                                                           const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_schemestype_notsupported_endElement(void* handler, const OSUTF8CHAR* localName,
                                                         const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_schemestype_notsupported_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_schemestype_notsupported_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_schemestype_notsupported_startElement(void* handler, const OSUTF8CHAR* localName,
                                                            const OSUTF8CHAR* qName,
                                                            const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_schemestype_notsupported_endElement(void* handler, const OSUTF8CHAR* localName,
                                                          const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_schemestype_notsupported_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_equalstype: a priority equal to a value */
PX_API int PxInit_tns_equalstype(RtContext* ctxt, tns_equalstype* record);
PX_API void PxPrint_tns_equalstype(const char* name, const tns_equalstype* record);
PX_API int PxXmlET_tns_equalstype(RtContext* ctxt, const tns_equalstype* record, const OSUTF8CHAR* name,
                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_equalstype_StartElement(RtContext* ctxt, const tns_equalstype* record,
                                               const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_equalstype_Contents(RtContext* ctxt, const tns_equalstype* record,
                                           const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_equalstype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_equalstype_Attrs(RtContext* ctxt, const tns_equalstype* record,
                                        const RtXmlNamespace* ns);
PX_API void PxSAX_tns_equalstype_init(RtContext* ctxt, PxSaxHandler* handler, tns_equalstype* record,
                                      int level);
PX_API int PxSAX_tns_equalstype_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_equalstype_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_equalstype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_equalstype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_equalstype_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_equalstype_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_equalstype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_higherthantype: priorities above a value */
PX_API int PxInit_tns_higherthantype(RtContext* ctxt, tns_higherthantype* record);
PX_API void PxPrint_tns_higherthantype(const char* name, const tns_higherthantype* record);
PX_API int PxXmlET_tns_higherthantype(RtContext* ctxt, const tns_higherthantype* record, const OSUTF8CHAR* name,
                                      const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_higherthantype_StartElement(RtContext* ctxt, const tns_higherthantype* record,
                                                   const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_higherthantype_Contents(RtContext* ctxt, const tns_higherthantype* record,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_higherthantype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_higherthantype_Attrs(RtContext* ctxt, const tns_higherthantype* record,
                                            const RtXmlNamespace* ns);
PX_API void PxSAX_tns_higherthantype_init(RtContext* ctxt, PxSaxHandler* handler, tns_higherthantype* record,
                                          int level);
PX_API int PxSAX_tns_higherthantype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_higherthantype_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_higherthantype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_higherthantype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_higherthantype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_higherthantype_endElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_higherthantype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_lowerthantype: priorities below a value */
PX_API int PxInit_tns_lowerthantype(RtContext* ctxt, tns_lowerthantype* record);
PX_API void PxPrint_tns_lowerthantype(const char* name, const tns_lowerthantype* record);
PX_API int PxXmlET_tns_lowerthantype(RtContext* ctxt, const tns_lowerthantype* record, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_lowerthantype_StartElement(RtContext* ctxt, const tns_lowerthantype* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_lowerthantype_Contents(RtContext* ctxt, const tns_lowerthantype* record,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_lowerthantype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_lowerthantype_Attrs(RtContext* ctxt, const tns_lowerthantype* record,
                                           const RtXmlNamespace* ns);
PX_API void PxSAX_tns_lowerthantype_init(RtContext* ctxt, PxSaxHandler* handler, tns_lowerthantype* record,
                                         int level);
PX_API int PxSAX_tns_lowerthantype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_lowerthantype_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_lowerthantype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_lowerthantype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_lowerthantype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_lowerthantype_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_lowerthantype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_rangetype: priorities within a range */
PX_API int PxInit_tns_rangetype(RtContext* ctxt, tns_rangetype* record);
PX_API void PxPrint_tns_rangetype(const char* name, const tns_rangetype* record);
PX_API int PxXmlET_tns_rangetype(RtContext* ctxt, const tns_rangetype* record, const OSUTF8CHAR* name,
                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_rangetype_StartElement(RtContext* ctxt, const tns_rangetype* record,
                                              const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_rangetype_Contents(RtContext* ctxt, const tns_rangetype* record,
                                          const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_rangetype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_rangetype_Attrs(RtContext* ctxt, const tns_rangetype* record, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_rangetype_init(RtContext* ctxt, PxSaxHandler* handler, tns_rangetype* record, int level);
PX_API int PxSAX_tns_rangetype_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                            const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_rangetype_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_rangetype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_rangetype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_rangetype_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_rangetype_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_rangetype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_prioritytypes: priority values and foreign elements */
PX_API int PxInit_tns_prioritytypes(RtContext* ctxt, tns_prioritytypes* record);
PX_API void PxMemFree_tns_prioritytypes(RtContext* ctxt, tns_prioritytypes* record);
PX_API void PxPrint_tns_prioritytypes(const char* name, const tns_prioritytypes* record);
PX_API int PxXmlET_tns_prioritytypes(RtContext* ctxt, const tns_prioritytypes* record, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_prioritytypes_StartElement(RtContext* ctxt, const tns_prioritytypes* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_prioritytypes_Contents(RtContext* ctxt, const tns_prioritytypes* record,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_prioritytypes_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API void PxSAX_tns_prioritytypes_init(RtContext* ctxt, PxSaxHandler* handler, tns_prioritytypes* record,
                                         int level);
PX_API int PxSAX_tns_prioritytypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_prioritytypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_prioritytypes_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_prioritytypes_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_prioritytypes_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_prioritytypes_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_prioritytypes_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_descriptiontype: a description with its language */
PX_API int PxInit_tns_descriptiontype(RtContext* ctxt, tns_descriptiontype* record);
PX_API void PxMemFree_tns_descriptiontype(RtContext* ctxt, tns_descriptiontype* record);
PX_API void PxPrint_tns_descriptiontype(const char* name, const tns_descriptiontype* record);
PX_API int PxXmlET_tns_descriptiontype(RtContext* ctxt, const tns_descriptiontype* record,
                                       const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_descriptiontype_StartElement(RtContext* ctxt, const tns_descriptiontype* record,
                                                    const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_descriptiontype_Contents(RtContext* ctxt, const tns_descriptiontype* record,
                                                const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_descriptiontype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                  const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_descriptiontype_Attrs(RtContext* ctxt, const tns_descriptiontype* record,
                                             const RtXmlNamespace* ns);
PX_API void PxSAX_tns_descriptiontype_init(RtContext* ctxt, PxSaxHandler* handler, tns_descriptiontype* record,
                                           int level);
PX_API int PxSAX_tns_descriptiontype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                  const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_descriptiontype_endElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_descriptiontype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_descriptiontype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_descriptiontype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                   const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_descriptiontype_endElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_descriptiontype_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_servcapstype: the capabilities of a service */
PX_API int PxInit_tns_servcapstype(RtContext* ctxt, tns_servcapstype* record);
PX_API void PxMemFree_tns_servcapstype(RtContext* ctxt, tns_servcapstype* record);
PX_API void PxPrint_tns_servcapstype(const char* name, const tns_servcapstype* record);
PX_API int PxXmlET_tns_servcapstype(RtContext* ctxt, const tns_servcapstype* record, const OSUTF8CHAR* name,
                                    const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_servcapstype_StartElement(RtContext* ctxt, const tns_servcapstype* record,
                                                 const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_servcapstype_Contents(RtContext* ctxt, const tns_servcapstype* record,
                                             const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_servcapstype_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_servcapstype_Attrs(RtContext* ctxt, const tns_servcapstype* record,
                                          const RtXmlNamespace* ns);
PX_API void PxSAX_tns_servcapstype_init(RtContext* ctxt, PxSaxHandler* handler, tns_servcapstype* record,
                                        int level);
PX_API int PxSAX_tns_servcapstype_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_servcapstype_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_servcapstype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_servcapstype_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_servcapstype_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_servcapstype_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_servcapstype_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_tns_servcaps(RtContext* ctxt, tns_servcapstype* record);
PX_API int PxXmlE_tns_servcaps_StartElement(RtContext* ctxt, tns_servcapstype* record);
PX_API int PxXmlE_tns_servcaps_Contents(RtContext* ctxt, const tns_servcapstype* record);
PX_API int PxXmlE_tns_servcaps_EndElement(RtContext* ctxt, const tns_servcapstype* record);
PX_API int PxXmlD_tns_servcaps(RtContext* ctxt, tns_servcapstype* record);
PX_API int PxXmlV_tns_servcaps(RtContext* ctxt);

/* tns_devcaps: the capabilities of a device */
PX_API int PxInit_tns_devcaps(RtContext* ctxt, tns_devcaps* record);
PX_API void PxMemFree_tns_devcaps(RtContext* ctxt, tns_devcaps* record);
PX_API void PxPrint_tns_devcaps(const char* name, const tns_devcaps* record);
PX_API int PxXmlET_tns_devcaps(RtContext* ctxt, const tns_devcaps* record, const OSUTF8CHAR* name,
                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_devcaps_StartElement(RtContext* ctxt, const tns_devcaps* record, const OSUTF8CHAR* name,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_devcaps_Contents(RtContext* ctxt, const tns_devcaps* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_devcaps_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_devcaps_Attrs(RtContext* ctxt, const tns_devcaps* record, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_devcaps_init(RtContext* ctxt, PxSaxHandler* handler, tns_devcaps* record, int level);
PX_API int PxSAX_tns_devcaps_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                          const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_devcaps_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_devcaps_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_devcaps_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_devcaps_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                           const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_devcaps_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_devcaps_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_tns_devcaps(RtContext* ctxt, tns_devcaps* record);
PX_API int PxXmlE_tns_devcaps_StartElement(RtContext* ctxt, tns_devcaps* record);
PX_API int PxXmlE_tns_devcaps_Contents(RtContext* ctxt, const tns_devcaps* record);
PX_API int PxXmlE_tns_devcaps_EndElement(RtContext* ctxt, const tns_devcaps* record);
PX_API int PxXmlD_tns_devcaps(RtContext* ctxt, tns_devcaps* record);
PX_API int PxXmlV_tns_devcaps(RtContext* ctxt);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
