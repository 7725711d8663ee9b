/*
 * RLMI resource-list documents: list, resource, instance, name, in
 * "urn:ietf:params:xml:ns:rlmi" (namespace index 2).
 * Presence bits: rlmi__list bit 0 rlmi_cid; rlmi__instance bit 0
 * rlmi_reason, bit 1 rlmi_cid; rlmi__name bit 0 rlmi_lang.
 */
#ifndef PXXML_SIMPLE_RLMI_H
#define PXXML_SIMPLE_RLMI_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Instance state: 0 "active", 1 "pending", 2 "terminated". */
typedef uint16_t rlmi__instance_state;

typedef struct rlmi__name {
  uint32_t present;
  RtXmlString value;
  RtXmlString rlmi_lang; /* xml:lang, bit 0 */
  RtDList nsAttrs;
} rlmi__name;

typedef struct rlmi__instance {
  uint32_t present;
  RtDList rlmi__any; /* RtXmlString*: foreign elements */
  RtXmlString rlmi_id;
  uint16_t rlmi_state;     /* rlmi__instance_state */
  RtXmlString rlmi_reason; /* bit 0 */
  RtXmlString rlmi_cid;    /* bit 1 */
  RtDList _anyAttr;        /* RtNameValue* */
} rlmi__instance;

typedef struct rlmi__resource {
  RtDList rlmi_name;     /* rlmi__name* */
  RtDList rlmi_instance; /* rlmi__instance* */
  RtXmlString rlmi_uri;
  RtDList _anyAttr;
} rlmi__resource;

typedef struct rlmi__list {
  uint32_t present;
  RtDList rlmi_name;     /* rlmi__name* */
  RtDList rlmi_resource; /* rlmi__resource* */
  RtXmlString rlmi_uri;
  uint32_t rlmi_version;
  OSBOOL rlmi_fullState;
  RtXmlString rlmi_cid; /* bit 0 */
  RtDList _anyAttr;
} rlmi__list;

PX_DECLARE_ENUM(rlmi__instance_state)
PX_DECLARE_SIMPLE(rlmi__instance_state)

#define PX_RLMI_RECORDS(X) X(rlmi__list) X(rlmi__resource) X(rlmi__instance) X(rlmi__name)
PX_RLMI_RECORDS(PX_DECLARE_INIT)
PX_RLMI_RECORDS(PX_DECLARE_FREE)
PX_RLMI_RECORDS(PX_DECLARE_PRINT)
PX_RLMI_RECORDS(PX_DECLARE_TYPE_ENCODER)
PX_RLMI_RECORDS(PX_DECLARE_ATTRS_ENCODER)
PX_RLMI_RECORDS(PX_DECLARE_SAX)
PX_RLMI_RECORDS(PX_DECLARE_VSAX)
PX_DECLARE_DOCUMENT(rlmi_list, rlmi__list)
PX_DECLARE_DOCUMENT(rlmi_resource, rlmi__resource)
PX_DECLARE_DOCUMENT(rlmi_instance, rlmi__instance)
PX_DECLARE_DOCUMENT(rlmi_name, rlmi__name)

#ifdef __cplusplus
}
#endif

#endif
