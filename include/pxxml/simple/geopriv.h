/*
 * Geopriv location objects with the basic usage policy: the geopriv
 * document in "urn:ietf:params:xml:ns:pidf:geopriv10" (namespace index 5),
 * its usage rules in "urn:ietf:params:xml:ns:pidf:geopriv10:basicPolicy"
 * (index 4). Location information and provided-by are kept as XML texts,
 * whatever their vocabulary.
 *
 * After the records: the names of their presence bits, choice tags and
 * enumeration values; then the operations, one group per type.
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

/* ---- names: written by pxnames from the library's tables ---- */
/* Every name is its owner's type name in upper case, an underscore, then
 * - for a presence bit, the member's XML name: the bit's mask in present;
 * - for a choice tag, the alternative's XML name (ANY: foreign elements):
 *   the value of t when that alternative is chosen;
 * - for an enumeration value, its text.
 * Other characters become underscores (in-transit: IN_TRANSIT). */

/* tns_geopriv.present: one bit per optional member */
enum {
  TNS_GEOPRIV_METHOD = 1u << 0,      /* tns_method */
  TNS_GEOPRIV_PROVIDED_BY = 1u << 1  /* tns_provided_by */
};

/* gbp_locPolicyType.present: one bit per optional member */
enum {
  GBP_LOCPOLICYTYPE_RETRANSMISSION_ALLOWED = 1u << 0, /* gbp_retransmission_allowed */
  GBP_LOCPOLICYTYPE_RETENTION_EXPIRY = 1u << 1,       /* gbp_retention_expiry */
  GBP_LOCPOLICYTYPE_EXTERNAL_RULESET = 1u << 2,       /* gbp_external_ruleset */
  GBP_LOCPOLICYTYPE_NOTE_WELL = 1u << 3               /* gbp_note_well */
};

/* gbp_notewell.present: one bit per optional member */
enum {
  GBP_NOTEWELL_LANG = 1u << 0  /* gbp_lang */
};

/* tns_locMethod.present: one bit per optional member */
enum {
  TNS_LOCMETHOD_LANG = 1u << 0  /* tns_lang */
};

/* ---- end of names ---- */

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* tns_geopriv: a location object: location, usage rules, method, provider */
PX_API int PxInit_tns_geopriv(RtContext* ctxt, tns_geopriv* record);
PX_API void PxMemFree_tns_geopriv(RtContext* ctxt, tns_geopriv* record);
PX_API void PxPrint_tns_geopriv(const char* name, const tns_geopriv* record);
PX_API int PxXmlET_tns_geopriv(RtContext* ctxt, const tns_geopriv* record, const OSUTF8CHAR* name,
                               const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_geopriv_StartElement(RtContext* ctxt, const tns_geopriv* record, const OSUTF8CHAR* name,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_geopriv_Contents(RtContext* ctxt, const tns_geopriv* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_geopriv_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_geopriv_init(RtContext* ctxt, PxSaxHandler* handler, tns_geopriv* record, int level);
PX_API int PxSAX_tns_geopriv_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                          const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_geopriv_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_geopriv_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_geopriv_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_geopriv_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                           const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_geopriv_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_geopriv_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API int PxXmlE_tns_geopriv(RtContext* ctxt, tns_geopriv* record);
PX_API int PxXmlE_tns_geopriv_StartElement(RtContext* ctxt, tns_geopriv* record);
PX_API int PxXmlE_tns_geopriv_Contents(RtContext* ctxt, const tns_geopriv* record);
PX_API int PxXmlE_tns_geopriv_EndElement(RtContext* ctxt, const tns_geopriv* record);
PX_API int PxXmlD_tns_geopriv(RtContext* ctxt, tns_geopriv* record);
PX_API int PxXmlV_tns_geopriv(RtContext* ctxt);

/* tns_locInfoType: location-info: one XML text per child element */
PX_API int PxInit_tns_locInfoType(RtContext* ctxt, tns_locInfoType* record);
PX_API void PxMemFree_tns_locInfoType(RtContext* ctxt, tns_locInfoType* record);
PX_API void PxPrint_tns_locInfoType(const char* name, const tns_locInfoType* record);
PX_API int PxXmlET_tns_locInfoType(RtContext* ctxt, const tns_locInfoType* record, const OSUTF8CHAR* name,
                                   const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locInfoType_StartElement(RtContext* ctxt, const tns_locInfoType* record,
                                                const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locInfoType_Contents(RtContext* ctxt, const tns_locInfoType* record,
                                            const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locInfoType_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                              const RtXmlNamespace* ns);
PX_API uint32_t Pxtns_locInfoType_Append(RtContext* ctxt, tns_locInfoType* list, void* item);
PX_API void PxSAX_tns_locInfoType_init(RtContext* ctxt, PxSaxHandler* handler, tns_locInfoType* record,
                                       int level);
PX_API int PxSAX_tns_locInfoType_startElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_locInfoType_endElement(void* handler, const OSUTF8CHAR* localName,
                                            const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_locInfoType_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_locInfoType_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_locInfoType_startElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_locInfoType_endElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_locInfoType_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_locMethod: how the location was determined, with its language */
PX_API int PxInit_tns_locMethod(RtContext* ctxt, tns_locMethod* record);
PX_API void PxMemFree_tns_locMethod(RtContext* ctxt, tns_locMethod* record);
PX_API void PxPrint_tns_locMethod(const char* name, const tns_locMethod* record);
PX_API int PxXmlET_tns_locMethod(RtContext* ctxt, const tns_locMethod* record, const OSUTF8CHAR* name,
                                 const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locMethod_StartElement(RtContext* ctxt, const tns_locMethod* record,
                                              const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locMethod_Contents(RtContext* ctxt, const tns_locMethod* record,
                                          const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locMethod_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locMethod_Attrs(RtContext* ctxt, const tns_locMethod* record, const RtXmlNamespace* ns);
PX_API void PxSAX_tns_locMethod_init(RtContext* ctxt, PxSaxHandler* handler, tns_locMethod* record, int level);
PX_API int PxSAX_tns_locMethod_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                            const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_locMethod_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_locMethod_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_locMethod_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_locMethod_startElement(void* handler, const OSUTF8CHAR* localName,
                                             const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_locMethod_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_locMethod_characters(void* handler, const OSUTF8CHAR* text, int len);

/* tns_locProvidedBy: provided-by: one XML text per child element */
PX_API int PxInit_tns_locProvidedBy(RtContext* ctxt, tns_locProvidedBy* record);
PX_API void PxMemFree_tns_locProvidedBy(RtContext* ctxt, tns_locProvidedBy* record);
PX_API void PxPrint_tns_locProvidedBy(const char* name, const tns_locProvidedBy* record);
PX_API int PxXmlET_tns_locProvidedBy(RtContext* ctxt, const tns_locProvidedBy* record, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locProvidedBy_StartElement(RtContext* ctxt, const tns_locProvidedBy* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locProvidedBy_Contents(RtContext* ctxt, const tns_locProvidedBy* record,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_tns_locProvidedBy_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API uint32_t Pxtns_locProvidedBy_Append(RtContext* ctxt, tns_locProvidedBy* list, void* item);
PX_API void PxSAX_tns_locProvidedBy_init(RtContext* ctxt, PxSaxHandler* handler, tns_locProvidedBy* record,
                                         int level);
PX_API int PxSAX_tns_locProvidedBy_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_tns_locProvidedBy_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxSAX_tns_locProvidedBy_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_tns_locProvidedBy_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_tns_locProvidedBy_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_tns_locProvidedBy_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxVSAX_tns_locProvidedBy_characters(void* handler, const OSUTF8CHAR* text, int len);

/* gbp_locPolicyType: usage rules: retransmission, retention, ruleset, note */
PX_API int PxInit_gbp_locPolicyType(RtContext* ctxt, gbp_locPolicyType* record);
PX_API void PxMemFree_gbp_locPolicyType(RtContext* ctxt, gbp_locPolicyType* record);
PX_API void PxPrint_gbp_locPolicyType(const char* name, const gbp_locPolicyType* record);
PX_API int PxXmlET_gbp_locPolicyType(RtContext* ctxt, const gbp_locPolicyType* record, const OSUTF8CHAR* name,
                                     const RtXmlNamespace* ns);
PX_API int PxXmlET_gbp_locPolicyType_StartElement(RtContext* ctxt, const gbp_locPolicyType* record,
                                                  const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_gbp_locPolicyType_Contents(RtContext* ctxt, const gbp_locPolicyType* record,
                                              const RtXmlNamespace* ns);
PX_API int PxXmlET_gbp_locPolicyType_EndElement(RtContext* ctxt, const OSUTF8CHAR* name,
                                                const RtXmlNamespace* ns);
PX_API void PxSAX_gbp_locPolicyType_init(RtContext* ctxt, PxSaxHandler* handler, gbp_locPolicyType* record,
                                         int level);
PX_API int PxSAX_gbp_locPolicyType_startElement(void* handler, const OSUTF8CHAR* localName,
                                                const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_gbp_locPolicyType_endElement(void* handler, const OSUTF8CHAR* localName,
                                              const OSUTF8CHAR* qName);
PX_API int PxSAX_gbp_locPolicyType_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_gbp_locPolicyType_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_gbp_locPolicyType_startElement(void* handler, const OSUTF8CHAR* localName,
                                                 const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_gbp_locPolicyType_endElement(void* handler, const OSUTF8CHAR* localName,
                                               const OSUTF8CHAR* qName);
PX_API int PxVSAX_gbp_locPolicyType_characters(void* handler, const OSUTF8CHAR* text, int len);

/* gbp_notewell: a usage-rules note with its language */
PX_API int PxInit_gbp_notewell(RtContext* ctxt, gbp_notewell* record);
PX_API void PxMemFree_gbp_notewell(RtContext* ctxt, gbp_notewell* record);
PX_API void PxPrint_gbp_notewell(const char* name, const gbp_notewell* record);
PX_API int PxXmlET_gbp_notewell(RtContext* ctxt, const gbp_notewell* record, const OSUTF8CHAR* name,
                                const RtXmlNamespace* ns);
PX_API int PxXmlET_gbp_notewell_StartElement(RtContext* ctxt, const gbp_notewell* record,
                                             const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_gbp_notewell_Contents(RtContext* ctxt, const gbp_notewell* record, const RtXmlNamespace* ns);
PX_API int PxXmlET_gbp_notewell_EndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
PX_API int PxXmlET_gbp_notewell_Attrs(RtContext* ctxt, const gbp_notewell* record, const RtXmlNamespace* ns);
PX_API void PxSAX_gbp_notewell_init(RtContext* ctxt, PxSaxHandler* handler, gbp_notewell* record, int level);
PX_API int PxSAX_gbp_notewell_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                           const OSUTF8CHAR* const* attrs);
PX_API int PxSAX_gbp_notewell_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxSAX_gbp_notewell_characters(void* handler, const OSUTF8CHAR* text, int len);
PX_API void PxVSAX_gbp_notewell_init(RtContext* ctxt, PxSaxHandler* handler, int level);
PX_API int PxVSAX_gbp_notewell_startElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                            const OSUTF8CHAR* const* attrs);
PX_API int PxVSAX_gbp_notewell_endElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
PX_API int PxVSAX_gbp_notewell_characters(void* handler, const OSUTF8CHAR* text, int len);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
