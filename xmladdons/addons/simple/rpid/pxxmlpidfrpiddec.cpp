// RPID: document decoders.
#include "rpid/rpid_tables.h"

PX_RPID_DOCUMENTS(PX_DEFINE_DOCUMENT_DECODER)
PX_DEFINE_DOCUMENT_DECODER(rpid_class, RtXmlString)
