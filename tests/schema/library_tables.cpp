#include "schema/library_tables.h"

#include <algorithm>

#include "caps/caps_tables.h"
#include "cipid/cipid_tables.h"
#include "data_model/data_model_tables.h"
#include "geopriv/geopriv_tables.h"
#include "partial_pidf/patch_tables.h"
#include "pidf/pidf_tables.h"
#include "rlmi/rlmi_tables.h"
#include "rpid/rpid_tables.h"
#include "winfo/winfo_tables.h"

namespace pxtest::schema {

#define PXT_DESC(T) &kDesc_##T,
#define PXT_SIMPLE(T) &kSimple_##T,
#define PXT_DOC(PE) &kDoc_##PE,
#define PXT_RPID_DOC(PE, T) &kDoc_##PE,

std::vector<const pxs::TypeDesc*> declaredTypes() {
  return {PX_PIDF_RECORDS(PXT_DESC)                                                          //
          PX_RPID_ELEMENTS(PXT_DESC) PX_RPID_PLAIN_ELEMENTS(PXT_DESC) PX_RPID_GROUPS(PXT_DESC)  //
          PX_DATA_MODEL_RECORDS(PXT_DESC)                                                      //
          PX_CAPS_RECORDS(PXT_DESC) PX_CAPS_PRIORITY_VALUES(PXT_DESC)                          //
          PX_GEOPRIV_RECORDS(PXT_DESC)                                                         //
          PX_WINFO_RECORDS(PXT_DESC)                                                           //
          PX_RLMI_RECORDS(PXT_DESC)                                                            //
          PX_PATCH_RECORDS(PXT_DESC) PX_PARTIAL_RECORDS(PXT_DESC)};
}

std::vector<const pxs::SimpleType*> declaredSimpleTypes() {
  return {PXT_SIMPLE(tns_basic) PXT_SIMPLE(tns_qvalue)                                       //
          PX_CAPS_BOOLEANS(PXT_SIMPLE) PXT_SIMPLE(tns_typetype)                              //
          PXT_SIMPLE(Timestamp_t) PXT_SIMPLE(deviceID_t)                                     //
          PXT_SIMPLE(rpid_activeIdle)                                                        //
          PXT_SIMPLE(pos) PXT_SIMPLE(ws) PXT_SIMPLE(xpath) PXT_SIMPLE(xpath_add) PXT_SIMPLE(type)  //
          PXT_SIMPLE(rlmi__instance_state)                                                   //
          PX_WINFO_ENUMS(PXT_SIMPLE)};
}

std::vector<const pxs::DocDesc*> declaredDocuments() {
  return {PXT_DOC(tns_presence)                                                   //
          PX_RPID_DOCUMENTS(PXT_RPID_DOC) PXT_DOC(rpid_class)                     //
          PX_CIPID_DOCUMENTS(PXT_DOC)                                             //
          PXT_DOC(dm_person) PXT_DOC(dm_device) PXT_DOC(dm_deviceID)              //
          PXT_DOC(tns_servcaps) PXT_DOC(tns_devcaps)                              //
          PXT_DOC(tns_geopriv)                                                    //
          PXT_DOC(tns_watcherinfo) PXT_DOC(tns_watcher_list) PXT_DOC(tns_watcher)  //
          PXT_DOC(rlmi_list) PXT_DOC(rlmi_resource) PXT_DOC(rlmi_instance) PXT_DOC(rlmi_name)  //
          PXT_DOC(partial_pidf_diff) PXT_DOC(partial_pidf_full)};
}

namespace {

template <typename T>
bool pushOnce(std::vector<const T*>* v, const T* x) {
  if (!x || std::find(v->begin(), v->end(), x) != v->end()) return false;
  v->push_back(x);
  return true;
}

void walk(const pxs::TypeDesc* d, std::vector<const pxs::TypeDesc*>* types,
          std::vector<const pxs::SimpleType*>* simples) {
  if (!pushOnce(types, d)) return;
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    pushOnce(simples, d->members[i].simple);
    if (d->members[i].type) walk(d->members[i].type, types, simples);
  }
}

}  // namespace

std::vector<const pxs::TypeDesc*> reachableTypes() {
  std::vector<const pxs::TypeDesc*> types;
  std::vector<const pxs::SimpleType*> simples;
  for (const auto* d : declaredTypes()) walk(d, &types, &simples);
  for (const auto* doc : declaredDocuments())
    if (doc->type) walk(doc->type, &types, &simples);
  return types;
}

std::vector<const pxs::SimpleType*> reachableSimpleTypes() {
  std::vector<const pxs::TypeDesc*> types;
  std::vector<const pxs::SimpleType*> simples = declaredSimpleTypes();
  for (const auto* d : declaredTypes()) walk(d, &types, &simples);
  return simples;
}

}  // namespace pxtest::schema
