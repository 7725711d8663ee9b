// Geopriv: validating handlers and the document validator.
#include "geopriv/geopriv_tables.h"

PX_DEFINE_VSAX(tns_geopriv)
PX_DEFINE_VSAX(tns_locInfoType)
PX_DEFINE_VSAX(tns_locMethod)
PX_DEFINE_VSAX(tns_locProvidedBy)
PX_DEFINE_DOCUMENT_VALIDATOR(tns_geopriv)
