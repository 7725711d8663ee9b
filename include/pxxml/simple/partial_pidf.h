/*
 * Partial presence documents: pidf-diff (a versioned list of patch
 * operations) and pidf-full (a presence document with a version), in
 * "urn:ietf:params:xml:ns:pidf-diff" (namespace index 10); the presence
 * content of pidf-full stays in the PIDF namespace.
 * Presence bits: partial__pidf_diff bit 0 partial_version, bit 1
 * partial_entity; partial__pidf_full bit 0 partial_version.
 */
#ifndef PXXML_SIMPLE_PARTIAL_PIDF_H
#define PXXML_SIMPLE_PARTIAL_PIDF_H

#include "pxxml/simple/patch_ops.h"
#include "pxxml/simple/pidf.h"

#ifdef __cplusplus
extern "C" {
#endif

/* One operation: t 1 add, 2 replace, 3 remove; 0 none. */
typedef struct partial__pidf_diff_1 {
  uint16_t t;
  union {
    struct add partial_add;
    struct replace partial_replace;
    struct remove_ partial_remove;
  } u;
} partial__pidf_diff_1;

typedef struct partial__pidf_diff_2 {
  partial__pidf_diff_1 partial__choice1;
} partial__pidf_diff_2;

typedef struct partial__pidf_diff {
  uint32_t present;
  RtDList partial__seq;        /* partial__pidf_diff_2*, in document order */
  uint32_t partial_version;    /* bit 0 */
  RtXmlString partial_entity;  /* bit 1 */
} partial__pidf_diff;

/* pidf-full extends presence: the presence record, embedded, then version.
 * The presence's entity is written on the pidf-full start tag. */
typedef struct partial__pidf_full {
  uint32_t present;
  tns_presence base;
  uint32_t partial_version; /* bit 0 */
} partial__pidf_full;

#define PX_PARTIAL_RECORDS(X) X(partial__pidf_diff) X(partial__pidf_diff_1) X(partial__pidf_diff_2) X(partial__pidf_full)
PX_PARTIAL_RECORDS(PX_DECLARE_INIT)
PX_PARTIAL_RECORDS(PX_DECLARE_PRINT)
PX_PARTIAL_RECORDS(PX_DECLARE_TYPE_ENCODER)
PX_DECLARE_FREE(partial__pidf_diff)
PX_DECLARE_FREE(partial__pidf_full)
PX_DECLARE_ATTRS_ENCODER(partial__pidf_diff)
PX_DECLARE_ATTRS_ENCODER(partial__pidf_full)
PX_DECLARE_SAX(partial__pidf_diff)
PX_DECLARE_SAX(partial__pidf_full)
PX_DECLARE_VSAX(partial__pidf_diff)
PX_DECLARE_VSAX(partial__pidf_full)
PX_DECLARE_DOCUMENT(partial_pidf_diff, partial__pidf_diff)
PX_DECLARE_DOCUMENT(partial_pidf_full, partial__pidf_full)

#ifdef __cplusplus
}
#endif

#endif
