// Basic usage policy: encoders and printing.
#include "geopriv/geopriv_tables.h"

PX_DEFINE_PRINT(gbp_locPolicyType)
PX_DEFINE_PRINT(gbp_notewell)
PX_DEFINE_TYPE_ENCODER(gbp_locPolicyType)
PX_DEFINE_TYPE_ENCODER(gbp_notewell)
PX_DEFINE_ATTRS_ENCODER(gbp_notewell)
