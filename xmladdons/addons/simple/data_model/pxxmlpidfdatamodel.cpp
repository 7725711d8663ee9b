// PIDF data model: person and device tables, content models, documents,
// initialisation and release. person = any*, note*, timestamp?;
// device = any*, deviceID, note*, timestamp?; both with a required "id".
// Foreign elements (RPID, CIPID, capabilities...) stay XML text.
#include <cstddef>

#include "data_model/data_model_tables.h"

using namespace pxs;

namespace pxs::data_model {
const Module kModule{
    "xmladdons/addons/simple/data_model/pxxmlpidfdatamodel.cpp",
    "xmladdons/addons/simple/data_model/pxxmlpidfdatamodelenc.cpp",
    "xmladdons/addons/simple/data_model/pxxmlpidfdatamodelsax.cpp",
    "xmladdons/addons/simple/data_model/pxxmlpidfdatamodelvldt.cpp",
    "xmladdons/addons/simple/data_model/pxxmlpidfdatamodeldec.cpp",
};
constexpr int8_t kNs = PX_NS_DATAMODEL;
}  // namespace pxs::data_model

using pxs::data_model::kModule;
using pxs::data_model::kNs;

static const char* const kAttrs_id[] = {"id"};

// ------------------------------------------------------------------- person

static constexpr Member kMembers_dm__person[] = {
    wildcard("dm__any", offsetof(dm__person, dm__any), kNs),
    element("dm_note", Kind::RecordList, kNoBit, offsetof(dm__person, dm_note), "note", kNs, 0, kUnbounded,
            &kDesc_Note_t),
    element("dm_timestamp", Kind::DateTime, 0, offsetof(dm__person, dm_timestamp), "timestamp", kNs, 0, 1, nullptr,
            &kSimple_Timestamp_t),
    attribute("dm_id", Kind::Collapsed, kNoBit, offsetof(dm__person, dm_id), "id"),
};
static_assert(membersFit(kMembers_dm__person, sizeof(dm__person)));

static const RtXmlElemInfo kElems_dm__person[] = {
    {"", kNs, 0, kUnbounded},
    {"note", kNs, 0, kUnbounded},
    {"timestamp", kNs, 0, 1},
};
static const uint8_t kMatrix_dm__person[] = {
    //              s0      s1      s2
    /* any       */ 1,      1,      kNo,
    /* note      */ 2,      2,      2,
    /* timestamp */ kFinal, kFinal, kFinal,
};
static const ElemRow kRows_dm__person[] = {{0}, {1}, {2}};
static const int8_t kAttrMembers_dm__person[] = {3};
static_assert(sizeof kMatrix_dm__person == 3 * 3);

const TypeDesc kDesc_dm__person{
    .name = "dm__person", .shape = Shape::Sequence, .size = sizeof(dm__person),
    .presentOffset = offsetof(dm__person, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_dm__person, .nMembers = count(kMembers_dm__person),
    .elems = kElems_dm__person, .matrix = kMatrix_dm__person, .rows = kRows_dm__person,
    .nElems = count(kElems_dm__person), .nStates = 3,
    .attrNames = kAttrs_id, .attrMembers = kAttrMembers_dm__person, .nAttrs = 1, .requiredMask = 0x1,
    .childNs = kNs, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(dm__person)};

// ------------------------------------------------------------------- device

static constexpr Member kMembers_dm__device[] = {
    wildcard("dm__any", offsetof(dm__device, dm__any), kNs),
    element("dm_deviceID", Kind::Collapsed, kNoBit, offsetof(dm__device, dm_deviceID), "deviceID", kNs, 1, 1,
            nullptr, &kSimple_deviceID_t),
    element("dm_note", Kind::RecordList, kNoBit, offsetof(dm__device, dm_note), "note", kNs, 0, kUnbounded,
            &kDesc_Note_t),
    element("dm_timestamp", Kind::DateTime, 0, offsetof(dm__device, dm_timestamp), "timestamp", kNs, 0, 1, nullptr,
            &kSimple_Timestamp_t),
    attribute("dm_id", Kind::Collapsed, kNoBit, offsetof(dm__device, dm_id), "id"),
};
static_assert(membersFit(kMembers_dm__device, sizeof(dm__device)));

static const RtXmlElemInfo kElems_dm__device[] = {
    {"", kNs, 0, kUnbounded},
    {"deviceID", kNs, 1, 1},
    {"note", kNs, 0, kUnbounded},
    {"timestamp", kNs, 0, 1},
};
static const uint8_t kMatrix_dm__device[] = {
    //              s0   s1   s2      s3
    /* any       */ 1,   1,   kNo,    kNo,
    /* deviceID  */ 2,   2,   kNo,    kNo,
    /* note      */ kNo, kNo, 3,      3,
    /* timestamp */ kNo, kNo, kFinal, kFinal,
};
static const ElemRow kRows_dm__device[] = {{0}, {1}, {2}, {3}};
static const int8_t kAttrMembers_dm__device[] = {4};
static_assert(sizeof kMatrix_dm__device == 4 * 4);

const TypeDesc kDesc_dm__device{
    .name = "dm__device", .shape = Shape::Sequence, .size = sizeof(dm__device),
    .presentOffset = offsetof(dm__device, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_dm__device, .nMembers = count(kMembers_dm__device),
    .elems = kElems_dm__device, .matrix = kMatrix_dm__device, .rows = kRows_dm__device,
    .nElems = count(kElems_dm__device), .nStates = 4,
    .attrNames = kAttrs_id, .attrMembers = kAttrMembers_dm__device, .nAttrs = 1, .requiredMask = 0x1,
    .childNs = kNs, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(dm__device)};

// ---------------------------------------------------------------- documents

const DocDesc kDoc_dm_person{"person", &kDesc_dm__person, Kind::Text, kNs, "dm", nullptr, -1, &kModule};
const DocDesc kDoc_dm_device{"device", &kDesc_dm__device, Kind::Text, kNs, "dm", nullptr, -1, &kModule};
// deviceID has a simple type: the identifier, whitespace collapsed, in the
// default namespace.
const DocDesc kDoc_dm_deviceID{"deviceID", nullptr, Kind::Collapsed, kNs, nullptr, nullptr, -1, &kModule};

PX_DEFINE_INIT(dm__person)
PX_DEFINE_INIT(dm__device)
PX_DEFINE_FREE(dm__person)
PX_DEFINE_FREE(dm__device)
