/* pxxmlSimple: every module of the library. */
#ifndef PXXML_SIMPLE_H
#define PXXML_SIMPLE_H

#include "pxxml/simple/simple_global.h"
#include "pxxml/simple/pidf.h"
#include "pxxml/simple/rpid.h"
#include "pxxml/simple/rlmi.h"
#include "pxxml/simple/winfo.h"
#include "pxxml/simple/patch_ops.h"
#include "pxxml/simple/partial_pidf.h"
#include "pxxml/simple/data_model.h"
#include "pxxml/simple/geopriv.h"
#include "pxxml/simple/cipid.h"
#include "pxxml/simple/caps.h"

#endif
