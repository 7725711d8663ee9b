// Geopriv: encoders and printing.
#include "geopriv/geopriv_tables.h"

#define PX_GEOPRIV_OWN(X) X(tns_geopriv) X(tns_locInfoType) X(tns_locMethod) X(tns_locProvidedBy)
PX_GEOPRIV_OWN(PX_DEFINE_PRINT)
PX_GEOPRIV_OWN(PX_DEFINE_TYPE_ENCODER)
PX_DEFINE_ATTRS_ENCODER(tns_locMethod)
PX_DEFINE_DOCUMENT_ENCODER(tns_geopriv, tns_geopriv)
