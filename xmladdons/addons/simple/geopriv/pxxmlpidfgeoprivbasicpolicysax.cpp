// Basic usage policy: decoding handlers.
#include "geopriv/geopriv_tables.h"

PX_DEFINE_SAX(gbp_locPolicyType)
PX_DEFINE_SAX(gbp_notewell)
