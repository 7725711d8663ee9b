/*
 * Geopriv location objects with the basic usage policy: the geopriv
 * document in "urn:ietf:params:xml:ns:pidf:geopriv10" (namespace index 5),
 * its usage rules in "urn:ietf:params:xml:ns:pidf:geopriv10:basicPolicy"
 * (index 4). Location information and provided-by are kept as XML texts,
 * whatever their vocabulary.
 * Presence bits: tns_geopriv bit 0 tns_method, bit 1 tns_provided_by;
 * gbp_locPolicyType bits 0-3 retransmission-allowed, retention-expiry,
 * external-ruleset, note-well; tns_locMethod and gbp_notewell bit 0 lang.
 */
#ifndef PXXML_SIMPLE_GEOPRIV_H
#define PXXML_SIMPLE_GEOPRIV_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct gbp_notewell {
  uint32_t present;
  RtXmlString value;
  RtXmlString gbp_lang; /* xml:lang, bit 0 */
  RtDList nsAttrs;
} gbp_notewell;

typedef struct gbp_locPolicyType {
  uint32_t present;
  OSBOOL gbp_retransmission_allowed; /* bit 0 */
  RtXmlString gbp_retention_expiry;  /* bit 1: a date-time, kept as text */
  RtXmlString gbp_external_ruleset;  /* bit 2: a URI */
  gbp_notewell gbp_note_well;        /* bit 3 */
  RtDList gbp__any;                  /* RtXmlString*: foreign elements */
} gbp_locPolicyType;

/* location-info and provided-by: one XML text per child element. */
typedef RtDList tns_locInfoType;
typedef RtDList tns_locProvidedBy;

typedef struct tns_locMethod {
  uint32_t present;
  RtXmlString value;
  RtXmlString tns_lang; /* xml:lang, bit 0 */
  RtDList nsAttrs;
} tns_locMethod;

typedef struct tns_geopriv {
  uint32_t present;
  tns_locInfoType tns_location_info;
  gbp_locPolicyType tns_usage_rules;
  tns_locMethod tns_method;             /* bit 0 */
  tns_locProvidedBy tns_provided_by;    /* bit 1 */
  RtDList tns__any;
} tns_geopriv;

#define PX_GEOPRIV_RECORDS(X) \
  X(tns_geopriv) X(tns_locInfoType) X(tns_locMethod) X(tns_locProvidedBy) X(gbp_locPolicyType) X(gbp_notewell)
PX_GEOPRIV_RECORDS(PX_DECLARE_INIT)
PX_GEOPRIV_RECORDS(PX_DECLARE_FREE)
PX_GEOPRIV_RECORDS(PX_DECLARE_PRINT)
PX_GEOPRIV_RECORDS(PX_DECLARE_TYPE_ENCODER)
PX_GEOPRIV_RECORDS(PX_DECLARE_SAX)
PX_GEOPRIV_RECORDS(PX_DECLARE_VSAX)
PX_DECLARE_ATTRS_ENCODER(tns_locMethod)
PX_DECLARE_ATTRS_ENCODER(gbp_notewell)
PX_DECLARE_APPEND(tns_locInfoType)
PX_DECLARE_APPEND(tns_locProvidedBy)
PX_DECLARE_DOCUMENT(tns_geopriv, tns_geopriv)

#ifdef __cplusplus
}
#endif

#endif
