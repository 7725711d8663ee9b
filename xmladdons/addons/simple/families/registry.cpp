// The table of documents behind allDocuments and findDocument.
#include "families/registry.h"

#include <cstring>

#include "caps/caps_tables.h"
#include "cipid/cipid_tables.h"
#include "data_model/data_model_tables.h"
#include "geopriv/geopriv_tables.h"
#include "partial_pidf/patch_tables.h"
#include "pidf/pidf_tables.h"
#include "rlmi/rlmi_tables.h"
#include "rpid/rpid_tables.h"
#include "winfo/winfo_tables.h"

namespace pxs {

namespace {

#define PXS_RPID_DOC(PE, T) &kDoc_##PE,
#define PXS_CIPID_DOC(PE) &kDoc_##PE,
const DocDesc* const kDocuments[] = {
    &kDoc_tns_watcherinfo, &kDoc_tns_watcher_list, &kDoc_tns_watcher,
    PX_RPID_DOCUMENTS(PXS_RPID_DOC) &kDoc_rpid_class,
    &kDoc_rlmi_list, &kDoc_rlmi_resource, &kDoc_rlmi_instance, &kDoc_rlmi_name,
    &kDoc_tns_geopriv,
    &kDoc_dm_person, &kDoc_dm_device, &kDoc_dm_deviceID,
    PX_CIPID_DOCUMENTS(PXS_CIPID_DOC)
    &kDoc_tns_servcaps, &kDoc_tns_devcaps,
    &kDoc_tns_presence,
    &kDoc_partial_pidf_diff, &kDoc_partial_pidf_full,
};
#undef PXS_RPID_DOC
#undef PXS_CIPID_DOC
static_assert(sizeof kDocuments / sizeof kDocuments[0] == 34, "every document of the library");

}  // namespace

const DocDesc* const* allDocuments(size_t* count) {
  if (count) *count = sizeof kDocuments / sizeof kDocuments[0];
  return kDocuments;
}

const DocDesc* findDocument(const char* localName, int nsIndex) {
  if (!localName) return nullptr;
  for (const DocDesc* doc : kDocuments)
    if (doc->nsIndex == nsIndex && std::strcmp(doc->elemName, localName) == 0) return doc;
  return nullptr;
}

}  // namespace pxs
