/*
 * XML patch operations of partial presence documents: add, replace, remove,
 * in "urn:ietf:params:xml:ns:pidf-diff" (namespace index 10). They occur
 * only inside a pidf-diff document (partial_pidf.h).
 * Presence bits: add bit 0 pos, bit 1 type; remove_ bit 0 ws.
 */
#ifndef PXXML_SIMPLE_PATCH_OPS_H
#define PXXML_SIMPLE_PATCH_OPS_H

#include "pxxml/simple/px_decl.h"

#ifdef __cplusplus
extern "C" {
#endif

/* add's pos: 0 "before", 1 "after", 2 "prepend". */
typedef uint16_t pos;
/* remove's ws: 0 "before", 1 "after", 2 "both". */
typedef uint16_t ws;

/* The content of add and replace is kept as one XML text in value, and
 * written back as markup by the encoders. */
typedef struct add {
  RtXmlString value;
  uint32_t present;
  RtXmlString sel;   /* an XPath selector (xpath_add pattern) */
  uint16_t pos;      /* pos, bit 0 */
  RtXmlString type;  /* @name or namespace::prefix, bit 1 */
} add;

typedef struct replace {
  RtXmlString value;
  RtXmlString sel; /* an XPath selector (xpath pattern) */
} replace;

typedef struct remove_ {
  uint32_t present;
  RtXmlString sel; /* an XPath selector (xpath pattern) */
  uint16_t ws;     /* ws, bit 0 */
} remove_;

PX_DECLARE_ENUM(pos)
PX_DECLARE_ENUM(ws)
PX_DECLARE_SIMPLE(pos)
PX_DECLARE_SIMPLE(ws)
PX_DECLARE_SIMPLE_TEXT(xpath)
PX_DECLARE_SIMPLE_TEXT(xpath_add)
PX_DECLARE_SIMPLE_TEXT(type)

#define PX_PATCH_RECORDS(X) X(add) X(replace) X(remove_)
PX_PATCH_RECORDS(PX_DECLARE_INIT)
PX_PATCH_RECORDS(PX_DECLARE_PRINT)
PX_PATCH_RECORDS(PX_DECLARE_TYPE_ENCODER)
PX_PATCH_RECORDS(PX_DECLARE_ATTRS_ENCODER)
PX_PATCH_RECORDS(PX_DECLARE_SAX)
PX_PATCH_RECORDS(PX_DECLARE_VSAX)

#ifdef __cplusplus
}
#endif

#endif
