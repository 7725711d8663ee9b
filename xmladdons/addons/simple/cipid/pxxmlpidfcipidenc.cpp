// CIPID: document encoders. Each writes one element in the CIPID namespace,
// declared as the default namespace on it, holding the text.
#include "cipid/cipid_tables.h"

#define PX_CIPID_ENCODER(PE) PX_DEFINE_SIMPLE_DOCUMENT_ENCODER(PE, RtXmlString)
PX_CIPID_DOCUMENTS(PX_CIPID_ENCODER)
