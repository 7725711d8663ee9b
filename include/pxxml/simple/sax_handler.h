/*
 * The handler record of every decoding (PxSAX_) and validating (PxVSAX_)
 * handler of the library. Callers that drive a handler themselves allocate
 * one of these and pass it to the type's _init.
 */
#ifndef PXXML_SIMPLE_SAX_HANDLER_H
#define PXXML_SIMPLE_SAX_HANDLER_H

#include "pxxml/rt.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct PxSaxHandler {
  RtSaxHandler head;
  const void* type;   /* the tables of the record type */
  void* record;       /* the record being filled; null when validating */
  void* item;         /* working fields of a repeated choice alternative: */
  int16_t itemElemID; /*   the list item being filled and its element row */
  uint16_t validating;
  uint32_t rowsSeen;  /* one bit per element row met (rows 0 to 31) */
  void* nested;       /* handler of the current child, in nestedMem */
} PxSaxHandler;

#ifdef __cplusplus
}
#endif

#endif
