/*
 * CIPID contact information (namespace index 7,
 * "urn:ietf:params:xml:ns:pidf:cipid"): six documents of simple type, each
 * value a bare RtXmlString that the caller initialises and frees. The
 * decoders store display-name as written and collapse the whitespace of the
 * five URIs; the validators return ST_NOT_SUPPORTED.
 */
#ifndef PXXML_SIMPLE_CIPID_H
#define PXXML_SIMPLE_CIPID_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */

/* cipid_card: the URI of a contact card */
PX_API int PxXmlE_cipid_card(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_card_StartElement(RtContext* ctxt);
PX_API int PxXmlE_cipid_card_Contents(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_card_EndElement(RtContext* ctxt);
PX_API int PxXmlD_cipid_card(RtContext* ctxt, RtXmlString* value);
PX_API int PxXmlV_cipid_card(RtContext* ctxt);

/* cipid_display_name: the name to display, kept as written */
PX_API int PxXmlE_cipid_display_name(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_display_name_StartElement(RtContext* ctxt);
PX_API int PxXmlE_cipid_display_name_Contents(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_display_name_EndElement(RtContext* ctxt);
PX_API int PxXmlD_cipid_display_name(RtContext* ctxt, RtXmlString* value);
PX_API int PxXmlV_cipid_display_name(RtContext* ctxt);

/* cipid_homepage: the URI of a home page */
PX_API int PxXmlE_cipid_homepage(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_homepage_StartElement(RtContext* ctxt);
PX_API int PxXmlE_cipid_homepage_Contents(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_homepage_EndElement(RtContext* ctxt);
PX_API int PxXmlD_cipid_homepage(RtContext* ctxt, RtXmlString* value);
PX_API int PxXmlV_cipid_homepage(RtContext* ctxt);

/* cipid_icon: the URI of an icon */
PX_API int PxXmlE_cipid_icon(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_icon_StartElement(RtContext* ctxt);
PX_API int PxXmlE_cipid_icon_Contents(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_icon_EndElement(RtContext* ctxt);
PX_API int PxXmlD_cipid_icon(RtContext* ctxt, RtXmlString* value);
PX_API int PxXmlV_cipid_icon(RtContext* ctxt);

/* cipid_map: the URI of a map */
PX_API int PxXmlE_cipid_map(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_map_StartElement(RtContext* ctxt);
PX_API int PxXmlE_cipid_map_Contents(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_map_EndElement(RtContext* ctxt);
PX_API int PxXmlD_cipid_map(RtContext* ctxt, RtXmlString* value);
PX_API int PxXmlV_cipid_map(RtContext* ctxt);

/* cipid_sound: the URI of a sound */
PX_API int PxXmlE_cipid_sound(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_sound_StartElement(RtContext* ctxt);
PX_API int PxXmlE_cipid_sound_Contents(RtContext* ctxt, const RtXmlString* value);
PX_API int PxXmlE_cipid_sound_EndElement(RtContext* ctxt);
PX_API int PxXmlD_cipid_sound(RtContext* ctxt, RtXmlString* value);
PX_API int PxXmlV_cipid_sound(RtContext* ctxt);

/* ---- end of operations ---- */

#ifdef __cplusplus
}
#endif

#endif
