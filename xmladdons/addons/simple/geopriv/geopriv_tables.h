// Descriptors of the geopriv and basic-policy schemas, shared by the
// module's source files.
#ifndef PXS_GEOPRIV_TABLES_H
#define PXS_GEOPRIV_TABLES_H

#include "families/tables.h"
#include "pxxml/simple/geopriv.h"

namespace pxs::geopriv {
extern const Module kModule;
extern const Module kPolicy;
}  // namespace pxs::geopriv

extern const pxs::TypeDesc kDesc_tns_geopriv;
extern const pxs::TypeDesc kDesc_tns_locInfoType;
extern const pxs::TypeDesc kDesc_tns_locMethod;
extern const pxs::TypeDesc kDesc_tns_locProvidedBy;
extern const pxs::TypeDesc kDesc_gbp_locPolicyType;
extern const pxs::TypeDesc kDesc_gbp_notewell;
extern const pxs::DocDesc kDoc_tns_geopriv;

#endif
