// The CIPID module's documents, shared by its encoder and decoder files.
#ifndef PXS_CIPID_TABLES_H
#define PXS_CIPID_TABLES_H

#include "families/tables.h"
#include "pxxml/simple/cipid.h"

namespace pxs::cipid {
extern const Module kModule;
}

// Every CIPID element has a simple type and is a document of its own.
#define PX_CIPID_DOCUMENTS(X) \
  X(cipid_card) X(cipid_display_name) X(cipid_homepage) X(cipid_icon) X(cipid_map) X(cipid_sound)

#define PX_CIPID_DECLARE_DOC(PE) extern const pxs::DocDesc kDoc_##PE;
PX_CIPID_DOCUMENTS(PX_CIPID_DECLARE_DOC)
#undef PX_CIPID_DECLARE_DOC

#endif
