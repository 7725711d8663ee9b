/*
 * What every module header of the library needs: the runtime's types, the
 * handler record of the decoding and validating handlers, and the library
 * frame with its namespace indices.
 */
#ifndef PXXML_SIMPLE_PX_DECL_H
#define PXXML_SIMPLE_PX_DECL_H

#include "pxxml/rt.h"
#include "pxxml/simple/sax_handler.h"
#include "pxxml/simple/simple_global.h"

#endif
