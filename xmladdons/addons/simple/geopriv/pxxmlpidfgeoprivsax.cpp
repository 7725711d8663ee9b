// Geopriv: decoding handlers.
#include "geopriv/geopriv_tables.h"

PX_DEFINE_SAX(tns_geopriv)
PX_DEFINE_SAX(tns_locInfoType)
PX_DEFINE_SAX(tns_locMethod)
PX_DEFINE_SAX(tns_locProvidedBy)
