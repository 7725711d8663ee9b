// RLMI: enumeration, record tables, content models, initialisation and
// release. list = name*, resource*; resource = name*, instance*;
// instance = any*; name = text with a language. list, resource and
// instance keep foreign attributes.
#include <cstddef>

#include "rlmi/rlmi_tables.h"

using namespace pxs;

namespace pxs::rlmi {
const Module kModule{
    "xmladdons/addons/simple/rlmi/pxxmlpidfrlmi.cpp",    "xmladdons/addons/simple/rlmi/pxxmlpidfrlmienc.cpp",
    "xmladdons/addons/simple/rlmi/pxxmlpidfrlmisax.cpp", "xmladdons/addons/simple/rlmi/pxxmlpidfrlmivldt.cpp",
    "xmladdons/addons/simple/rlmi/pxxmlpidfrlmidec.cpp",
};
constexpr int8_t kNs = PX_NS_RLMI;
}  // namespace pxs::rlmi

using pxs::rlmi::kModule;
using pxs::rlmi::kNs;

PX_ENUM_TABLE(rlmi__instance_state, {"active", 0}, {"pending", 1}, {"terminated", 2})
PX_DEFINE_ENUM(rlmi__instance_state)
const SimpleType kSimple_rlmi__instance_state{"rlmi__instance_state", kTable_rlmi__instance_state, 3,
                                              Pxrlmi__instance_state_ToEnum, Pxrlmi__instance_state_ToString};

// Names first, then the records of the second list: list and resource share
// this content model.
static const uint8_t kMatrix_namesThenList[] = {
    //              s0 s1  s2
    /* name       */ 1, 1, kNo,
    /* resource/instance */ 2, 2, 2,
};
static const ElemRow kRows_two[] = {{0}, {1}};

// --------------------------------------------------------------------- list

static constexpr Member kMembers_rlmi__list[] = {
    element("rlmi_name", Kind::RecordList, kNoBit, offsetof(rlmi__list, rlmi_name), "name", kNs, 0, kUnbounded,
            &kDesc_rlmi__name),
    element("rlmi_resource", Kind::RecordList, kNoBit, offsetof(rlmi__list, rlmi_resource), "resource", kNs, 0,
            kUnbounded, &kDesc_rlmi__resource),
    attribute("rlmi_uri", Kind::Collapsed, kNoBit, offsetof(rlmi__list, rlmi_uri), "uri"),
    attribute("rlmi_version", Kind::UInt, kNoBit, offsetof(rlmi__list, rlmi_version), "version"),
    attribute("rlmi_fullState", Kind::Bool, kNoBit, offsetof(rlmi__list, rlmi_fullState), "fullState"),
    attribute("rlmi_cid", Kind::Text, 0, offsetof(rlmi__list, rlmi_cid), "cid"),
    anyAttr(offsetof(rlmi__list, _anyAttr)),
};
static_assert(membersFit(kMembers_rlmi__list, sizeof(rlmi__list)));
static const RtXmlElemInfo kElems_rlmi__list[] = {{"name", kNs, 0, kUnbounded}, {"resource", kNs, 0, kUnbounded}};
static const char* const kAttrs_rlmi__list[] = {"uri", "version", "fullState", "cid"};
static const int8_t kAttrMembers_rlmi__list[] = {2, 3, 4, 5};

const TypeDesc kDesc_rlmi__list{
    .name = "rlmi__list", .shape = Shape::Sequence, .size = sizeof(rlmi__list),
    .presentOffset = offsetof(rlmi__list, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rlmi__list, .nMembers = count(kMembers_rlmi__list), .elems = kElems_rlmi__list,
    .matrix = kMatrix_namesThenList, .rows = kRows_two, .nElems = 2, .nStates = 3, .attrNames = kAttrs_rlmi__list,
    .attrMembers = kAttrMembers_rlmi__list, .nAttrs = 4, .requiredMask = 0x7, .anyAttrMember = 6, .childNs = kNs,
    .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(rlmi__list)};

// ----------------------------------------------------------------- resource

static constexpr Member kMembers_rlmi__resource[] = {
    element("rlmi_name", Kind::RecordList, kNoBit, offsetof(rlmi__resource, rlmi_name), "name", kNs, 0, kUnbounded,
            &kDesc_rlmi__name),
    element("rlmi_instance", Kind::RecordList, kNoBit, offsetof(rlmi__resource, rlmi_instance), "instance", kNs, 0,
            kUnbounded, &kDesc_rlmi__instance),
    attribute("rlmi_uri", Kind::Collapsed, kNoBit, offsetof(rlmi__resource, rlmi_uri), "uri"),
    anyAttr(offsetof(rlmi__resource, _anyAttr)),
};
static_assert(membersFit(kMembers_rlmi__resource, sizeof(rlmi__resource)));
static const RtXmlElemInfo kElems_rlmi__resource[] = {{"name", kNs, 0, kUnbounded}, {"instance", kNs, 0, kUnbounded}};
static const char* const kAttrs_rlmi__resource[] = {"uri"};
static const int8_t kAttrMembers_rlmi__resource[] = {2};

const TypeDesc kDesc_rlmi__resource{
    .name = "rlmi__resource", .shape = Shape::Sequence, .size = sizeof(rlmi__resource), .presentOffset = -1,
    .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rlmi__resource, .nMembers = count(kMembers_rlmi__resource), .elems = kElems_rlmi__resource,
    .matrix = kMatrix_namesThenList, .rows = kRows_two, .nElems = 2, .nStates = 3,
    .attrNames = kAttrs_rlmi__resource, .attrMembers = kAttrMembers_rlmi__resource, .nAttrs = 1,
    .requiredMask = 0x1, .anyAttrMember = 3, .childNs = kNs, .ownNs = kNs, .module = &kModule,
    PX_HANDLER_ENTRIES(rlmi__resource)};

// ----------------------------------------------------------------- instance

static constexpr Member kMembers_rlmi__instance[] = {
    wildcard("rlmi__any", offsetof(rlmi__instance, rlmi__any), kNs),
    attribute("rlmi_id", Kind::Text, kNoBit, offsetof(rlmi__instance, rlmi_id), "id"),
    attribute("rlmi_state", Kind::Enum, kNoBit, offsetof(rlmi__instance, rlmi_state), "state",
              &kSimple_rlmi__instance_state),
    attribute("rlmi_reason", Kind::Text, 0, offsetof(rlmi__instance, rlmi_reason), "reason"),
    attribute("rlmi_cid", Kind::Text, 1, offsetof(rlmi__instance, rlmi_cid), "cid"),
    anyAttr(offsetof(rlmi__instance, _anyAttr)),
};
static_assert(membersFit(kMembers_rlmi__instance, sizeof(rlmi__instance)));
static const RtXmlElemInfo kElems_rlmi__instance[] = {{"", kNs, 0, kUnbounded}};
static const uint8_t kMatrix_rlmi__instance[] = {
    //       s0 s1
    /* any */ 1, 1,
};
static const ElemRow kRows_rlmi__instance[] = {{0}};
static const char* const kAttrs_rlmi__instance[] = {"id", "state", "reason", "cid"};
static const int8_t kAttrMembers_rlmi__instance[] = {1, 2, 3, 4};

const TypeDesc kDesc_rlmi__instance{
    .name = "rlmi__instance", .shape = Shape::Sequence, .size = sizeof(rlmi__instance),
    .presentOffset = offsetof(rlmi__instance, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rlmi__instance, .nMembers = count(kMembers_rlmi__instance), .elems = kElems_rlmi__instance,
    .matrix = kMatrix_rlmi__instance, .rows = kRows_rlmi__instance, .nElems = 1, .nStates = 2,
    .attrNames = kAttrs_rlmi__instance, .attrMembers = kAttrMembers_rlmi__instance, .nAttrs = 4,
    .requiredMask = 0x3, .anyAttrMember = 5, .childNs = kNs, .ownNs = kNs, .module = &kModule,
    PX_HANDLER_ENTRIES(rlmi__instance)};

// --------------------------------------------------------------------- name

static constexpr Member kMembers_rlmi__name[] = {
    textValue(Kind::Text, offsetof(rlmi__name, value)),
    attribute("rlmi_lang", Kind::Text, 0, offsetof(rlmi__name, rlmi_lang), "xml:lang"),
    nsAttrs(offsetof(rlmi__name, nsAttrs)),
};
static_assert(membersFit(kMembers_rlmi__name, sizeof(rlmi__name)));
static const char* const kAttrs_rlmi__name[] = {"lang"};
static const int8_t kAttrMembers_rlmi__name[] = {1};

const TypeDesc kDesc_rlmi__name{
    .name = "rlmi__name", .shape = Shape::SimpleContent, .size = sizeof(rlmi__name),
    .presentOffset = offsetof(rlmi__name, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rlmi__name, .nMembers = count(kMembers_rlmi__name), .attrNames = kAttrs_rlmi__name,
    .attrMembers = kAttrMembers_rlmi__name, .nAttrs = 1, .nsAttrsMember = 2, .ownNs = kNs, .module = &kModule,
    PX_HANDLER_ENTRIES(rlmi__name)};

// ---------------------------------------------------------------- documents

const DocDesc kDoc_rlmi_list{"list", &kDesc_rlmi__list, Kind::Text, kNs, "rlmi", nullptr, -1, &kModule};
const DocDesc kDoc_rlmi_resource{"resource", &kDesc_rlmi__resource, Kind::Text, kNs, "rlmi", nullptr, -1, &kModule};
const DocDesc kDoc_rlmi_instance{"instance", &kDesc_rlmi__instance, Kind::Text, kNs, "rlmi", nullptr, -1, &kModule};
const DocDesc kDoc_rlmi_name{"name", &kDesc_rlmi__name, Kind::Text, kNs, "rlmi", nullptr, -1, &kModule};

PX_RLMI_RECORDS(PX_DEFINE_INIT)
PX_RLMI_RECORDS(PX_DEFINE_FREE)
