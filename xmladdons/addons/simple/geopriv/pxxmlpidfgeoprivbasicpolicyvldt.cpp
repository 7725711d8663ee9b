// Basic usage policy: validating handlers.
#include "geopriv/geopriv_tables.h"

PX_DEFINE_VSAX(gbp_locPolicyType)
PX_DEFINE_VSAX(gbp_notewell)
