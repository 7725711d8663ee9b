// Descriptors of the patch operations and of the partial presence
// documents, shared by the module's source files.
#ifndef PXS_PATCH_TABLES_H
#define PXS_PATCH_TABLES_H

#include "families/tables.h"
#include "pxxml/simple/partial_pidf.h"

namespace pxs::patch {
extern const Module kModule;    // the patch operations
extern const Module kPartial;   // the partial presence documents
}  // namespace pxs::patch

extern const pxs::TypeDesc kDesc_add;
extern const pxs::TypeDesc kDesc_replace;
extern const pxs::TypeDesc kDesc_remove_;
extern const pxs::SimpleType kSimple_pos;
extern const pxs::SimpleType kSimple_ws;
extern const pxs::SimpleType kSimple_xpath;
extern const pxs::SimpleType kSimple_xpath_add;
extern const pxs::SimpleType kSimple_type;

extern const pxs::TypeDesc kDesc_partial__pidf_diff;
extern const pxs::TypeDesc kDesc_partial__pidf_diff_1;
extern const pxs::TypeDesc kDesc_partial__pidf_diff_2;
extern const pxs::TypeDesc kDesc_partial__pidf_full;
extern const pxs::DocDesc kDoc_partial_pidf_diff;
extern const pxs::DocDesc kDoc_partial_pidf_full;

#endif
