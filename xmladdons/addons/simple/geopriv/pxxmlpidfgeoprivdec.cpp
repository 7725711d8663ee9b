// Geopriv: the document decoder.
#include "geopriv/geopriv_tables.h"

PX_DEFINE_DOCUMENT_DECODER(tns_geopriv, tns_geopriv)
