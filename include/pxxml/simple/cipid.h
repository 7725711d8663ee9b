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

PX_DECLARE_SIMPLE_DOCUMENT(cipid_card, RtXmlString)
PX_DECLARE_SIMPLE_DOCUMENT(cipid_display_name, RtXmlString)
PX_DECLARE_SIMPLE_DOCUMENT(cipid_homepage, RtXmlString)
PX_DECLARE_SIMPLE_DOCUMENT(cipid_icon, RtXmlString)
PX_DECLARE_SIMPLE_DOCUMENT(cipid_map, RtXmlString)
PX_DECLARE_SIMPLE_DOCUMENT(cipid_sound, RtXmlString)

#ifdef __cplusplus
}
#endif

#endif
