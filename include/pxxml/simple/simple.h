/* pxxmlSimple: every module of the library. */
#ifndef PXXML_SIMPLE_H
#define PXXML_SIMPLE_H

#include "pxxml/simple/simple_global.h"

#endif
