// RPID: decoding handlers.
#include "rpid/rpid_tables.h"

PX_RPID_ELEMENTS(PX_DEFINE_SAX)
PX_RPID_PLAIN_ELEMENTS(PX_DEFINE_SAX)
