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
 * Presence bits of tns_servcapstype are noted on its fields; tns_devcaps
 * bit 0 tns_mobility; tns_descriptiontype bit 0 tns_lang.
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

#define PX_CAPS_SUPPORT_PAIR(T, INNER) \
  typedef struct T {                   \
    uint32_t present;                  \
    INNER tns_supported;    /* bit 0 */ \
    INNER tns_notsupported; /* bit 1 */ \
  } T;
PX_CAPS_SUPPORT_PAIR(tns_methodstype, tns_methodtypes)
PX_CAPS_SUPPORT_PAIR(tns_event_packagestype, tns_eventtypes)
PX_CAPS_SUPPORT_PAIR(tns_extensionstype, tns_extensiontypes)
PX_CAPS_SUPPORT_PAIR(tns_actortype, tns_actortypes)
PX_CAPS_SUPPORT_PAIR(tns_classtype, tns_classtypes)
PX_CAPS_SUPPORT_PAIR(tns_duplextype, tns_duplextypes)
PX_CAPS_SUPPORT_PAIR(tns_prioritytype, tns_prioritytypes)
PX_CAPS_SUPPORT_PAIR(tns_mobilitytype, tns_mobilitytypes)

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

/* ------------------------------------------------------------- operations */

#define PX_CAPS_BOOLEANS(X)                                                                       \
  X(tns_applicationtype) X(tns_audiotype) X(tns_automatatype) X(tns_controltype) X(tns_datatype) \
  X(tns_isfocustype) X(tns_messagetype) X(tns_texttype) X(tns_videotype)
#define PX_CAPS_NAME_LISTS(X)                                                                    \
  X(tns_methodtypes) X(tns_eventtypes) X(tns_extensiontypes) X(tns_actortypes) X(tns_classtypes) \
  X(tns_duplextypes) X(tns_mobilitytypes)
#define PX_CAPS_SUPPORT_PAIRS(X)                                                                         \
  X(tns_methodstype) X(tns_event_packagestype) X(tns_extensionstype) X(tns_actortype) X(tns_classtype) \
  X(tns_duplextype) X(tns_prioritytype) X(tns_mobilitytype) X(tns_languagestype) X(tns_schemestype)
#define PX_CAPS_STRING_LISTS(X)                                                                  \
  X(tns_languagestype_supported) X(tns_languagestype_notsupported) X(tns_schemestype_supported) \
  X(tns_schemestype_notsupported)
#define PX_CAPS_PRIORITY_VALUES(X) X(tns_equalstype) X(tns_higherthantype) X(tns_lowerthantype) X(tns_rangetype)
/* Records that hold something to release. */
#define PX_CAPS_RECORDS(X)                                                                  \
  PX_CAPS_NAME_LISTS(X) PX_CAPS_SUPPORT_PAIRS(X) PX_CAPS_STRING_LISTS(X) X(tns_prioritytypes) \
  X(tns_descriptiontype) X(tns_servcapstype) X(tns_devcaps)
/* Records with attributes of their own. */
#define PX_CAPS_ATTRIBUTED(X) \
  PX_CAPS_PRIORITY_VALUES(X) X(tns_descriptiontype) X(tns_servcapstype) X(tns_devcaps)

PX_CAPS_BOOLEANS(PX_DECLARE_SIMPLE)
PX_DECLARE_SIMPLE_TEXT(tns_typetype)

PX_CAPS_RECORDS(PX_DECLARE_INIT)
PX_CAPS_RECORDS(PX_DECLARE_FREE)
PX_CAPS_RECORDS(PX_DECLARE_PRINT)
PX_CAPS_RECORDS(PX_DECLARE_TYPE_ENCODER)
PX_CAPS_RECORDS(PX_DECLARE_SAX)
PX_CAPS_RECORDS(PX_DECLARE_VSAX)
PX_CAPS_PRIORITY_VALUES(PX_DECLARE_INIT)
PX_CAPS_PRIORITY_VALUES(PX_DECLARE_PRINT)
PX_CAPS_PRIORITY_VALUES(PX_DECLARE_TYPE_ENCODER)
PX_CAPS_PRIORITY_VALUES(PX_DECLARE_SAX)
PX_CAPS_PRIORITY_VALUES(PX_DECLARE_VSAX)
PX_CAPS_ATTRIBUTED(PX_DECLARE_ATTRS_ENCODER)
PX_CAPS_STRING_LISTS(PX_DECLARE_APPEND)

PX_DECLARE_DOCUMENT(tns_servcaps, tns_servcapstype)
PX_DECLARE_DOCUMENT(tns_devcaps, tns_devcaps)

#ifdef __cplusplus
}
#endif

#endif
