// Watcher information: enumerations, record tables, content models,
// initialisation and release. watcherinfo = watcher-list*, any*;
// watcher-list = watcher*, any*; watcher = a URI with seven attributes.
#include <cstddef>

#include "winfo/winfo_tables.h"

using namespace pxs;

namespace pxs::winfo {
const Module kModule{
    "xmladdons/addons/simple/winfo/pxxmlwinfo.cpp",     "xmladdons/addons/simple/winfo/pxxmlwinfoenc.cpp",
    "xmladdons/addons/simple/winfo/pxxmlwinfosax.cpp",  "xmladdons/addons/simple/winfo/pxxmlwinfovldt.cpp",
    "xmladdons/addons/simple/winfo/pxxmlwinfodec.cpp",
};
constexpr int8_t kNs = PX_NS_WATCHERINFO;
}  // namespace pxs::winfo

using pxs::winfo::kModule;
using pxs::winfo::kNs;

// ------------------------------------------------------------- enumerations

PX_ENUM_TABLE(tns__watcher_status, {"active", 1}, {"pending", 0}, {"terminated", 3}, {"waiting", 2})
PX_DEFINE_ENUM(tns__watcher_status)
const SimpleType kSimple_tns__watcher_status{"tns__watcher_status", kTable_tns__watcher_status, 4,
                                             Pxtns__watcher_status_ToEnum, Pxtns__watcher_status_ToString};

PX_ENUM_TABLE(tns__watcher_event, {"approved", 1}, {"deactivated", 2}, {"giveup", 6}, {"noresource", 7},
              {"probation", 3}, {"rejected", 4}, {"subscribe", 0}, {"timeout", 5})
PX_DEFINE_ENUM(tns__watcher_event)
const SimpleType kSimple_tns__watcher_event{"tns__watcher_event", kTable_tns__watcher_event, 8,
                                            Pxtns__watcher_event_ToEnum, Pxtns__watcher_event_ToString};

PX_ENUM_TABLE(tns__watcherinfo_state, {"full", 0}, {"partial", 1})
PX_DEFINE_ENUM(tns__watcherinfo_state)
const SimpleType kSimple_tns__watcherinfo_state{"tns__watcherinfo_state", kTable_tns__watcherinfo_state, 2,
                                                Pxtns__watcherinfo_state_ToEnum, Pxtns__watcherinfo_state_ToString};

// -------------------------------------------------------------- watcherinfo

static constexpr Member kMembers_tns__watcherinfo[] = {
    element("tns_watcher_list", Kind::RecordList, kNoBit, offsetof(tns__watcherinfo, tns_watcher_list),
            "watcher-list", kNs, 0, kUnbounded, &kDesc_tns__watcher_list),
    wildcard("tns__any", offsetof(tns__watcherinfo, tns__any), kNs),
    attribute("tns_version", Kind::UInt, kNoBit, offsetof(tns__watcherinfo, tns_version), "version"),
    attribute("tns_state", Kind::Enum, kNoBit, offsetof(tns__watcherinfo, tns_state), "state",
              &kSimple_tns__watcherinfo_state),
};
static_assert(membersFit(kMembers_tns__watcherinfo, sizeof(tns__watcherinfo)));
static const RtXmlElemInfo kElems_tns__watcherinfo[] = {{"watcher-list", kNs, 0, kUnbounded}, {"", kNs, 0, kUnbounded}};
static const uint8_t kMatrix_tns__watcherinfo[] = {
    //               s0 s1  s2
    /* watcher-list */ 1, 1, kNo,
    /* any          */ 2, 2, 2,
};
static const ElemRow kRows_tns__watcherinfo[] = {{0}, {1}};
static const char* const kAttrs_tns__watcherinfo[] = {"version", "state"};
static const int8_t kAttrMembers_tns__watcherinfo[] = {2, 3};

const TypeDesc kDesc_tns__watcherinfo{
    .name = "tns__watcherinfo", .shape = Shape::Sequence, .size = sizeof(tns__watcherinfo), .presentOffset = -1,
    .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns__watcherinfo, .nMembers = count(kMembers_tns__watcherinfo),
    .elems = kElems_tns__watcherinfo, .matrix = kMatrix_tns__watcherinfo, .rows = kRows_tns__watcherinfo,
    .nElems = 2, .nStates = 3, .attrNames = kAttrs_tns__watcherinfo, .attrMembers = kAttrMembers_tns__watcherinfo,
    .nAttrs = 2, .requiredMask = 0x3, .childNs = kNs, .ownNs = kNs, .module = &kModule,
    PX_HANDLER_ENTRIES(tns__watcherinfo)};

// ------------------------------------------------------------- watcher-list

static constexpr Member kMembers_tns__watcher_list[] = {
    element("tns_watcher", Kind::RecordList, kNoBit, offsetof(tns__watcher_list, tns_watcher), "watcher", kNs, 0,
            kUnbounded, &kDesc_tns__watcher),
    wildcard("tns__any", offsetof(tns__watcher_list, tns__any), kNs),
    attribute("tns_resource", Kind::Collapsed, kNoBit, offsetof(tns__watcher_list, tns_resource), "resource"),
    attribute("tns_package", Kind::Text, kNoBit, offsetof(tns__watcher_list, tns_package), "package"),
};
static_assert(membersFit(kMembers_tns__watcher_list, sizeof(tns__watcher_list)));
static const RtXmlElemInfo kElems_tns__watcher_list[] = {{"watcher", kNs, 0, kUnbounded}, {"", kNs, 0, kUnbounded}};
static const uint8_t kMatrix_tns__watcher_list[] = {
    //          s0 s1  s2
    /* watcher */ 1, 1, kNo,
    /* any     */ 2, 2, 2,
};
static const ElemRow kRows_tns__watcher_list[] = {{0}, {1}};
static const char* const kAttrs_tns__watcher_list[] = {"resource", "package"};
static const int8_t kAttrMembers_tns__watcher_list[] = {2, 3};

const TypeDesc kDesc_tns__watcher_list{
    .name = "tns__watcher_list", .shape = Shape::Sequence, .size = sizeof(tns__watcher_list), .presentOffset = -1,
    .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns__watcher_list, .nMembers = count(kMembers_tns__watcher_list),
    .elems = kElems_tns__watcher_list, .matrix = kMatrix_tns__watcher_list, .rows = kRows_tns__watcher_list,
    .nElems = 2, .nStates = 3, .attrNames = kAttrs_tns__watcher_list,
    .attrMembers = kAttrMembers_tns__watcher_list, .nAttrs = 2, .requiredMask = 0x3, .childNs = kNs, .ownNs = kNs,
    .module = &kModule, PX_HANDLER_ENTRIES(tns__watcher_list)};

// ------------------------------------------------------------------ watcher

static constexpr Member kMembers_tns__watcher[] = {
    textValue(Kind::Collapsed, offsetof(tns__watcher, value)),
    attribute("tns_display_name", Kind::Text, 0, offsetof(tns__watcher, tns_display_name), "display-name"),
    attribute("tns_status", Kind::Enum, kNoBit, offsetof(tns__watcher, tns_status), "status",
              &kSimple_tns__watcher_status),
    attribute("tns_event", Kind::Enum, kNoBit, offsetof(tns__watcher, tns_event), "event", &kSimple_tns__watcher_event),
    attribute("tns_expiration", Kind::UInt64, 1, offsetof(tns__watcher, tns_expiration), "expiration"),
    attribute("tns_id", Kind::Text, kNoBit, offsetof(tns__watcher, tns_id), "id"),
    attribute("tns_duration_subscribed", Kind::UInt64, 2, offsetof(tns__watcher, tns_duration_subscribed),
              "duration-subscribed"),
    attribute("tns_lang", Kind::Text, 3, offsetof(tns__watcher, tns_lang), "xml:lang"),
    nsAttrs(offsetof(tns__watcher, nsAttrs)),
};
static_assert(membersFit(kMembers_tns__watcher, sizeof(tns__watcher)));
static const char* const kAttrs_tns__watcher[] = {"display-name", "status",   "event", "expiration",
                                                  "id",           "duration-subscribed", "lang"};
static const int8_t kAttrMembers_tns__watcher[] = {1, 2, 3, 4, 5, 6, 7};

const TypeDesc kDesc_tns__watcher{
    .name = "tns__watcher", .shape = Shape::SimpleContent, .size = sizeof(tns__watcher),
    .presentOffset = offsetof(tns__watcher, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns__watcher, .nMembers = count(kMembers_tns__watcher),
    .attrNames = kAttrs_tns__watcher, .attrMembers = kAttrMembers_tns__watcher, .nAttrs = 7, .requiredMask = 0x16,
    .nsAttrsMember = 8, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(tns__watcher)};

// ---------------------------------------------------------------- documents

const DocDesc kDoc_tns_watcherinfo{"watcherinfo", &kDesc_tns__watcherinfo, Kind::Text, kNs, "tns", nullptr, -1, &kModule};
const DocDesc kDoc_tns_watcher_list{"watcher-list", &kDesc_tns__watcher_list, Kind::Text, kNs, "tns", nullptr, -1,
                                    &kModule};
const DocDesc kDoc_tns_watcher{"watcher", &kDesc_tns__watcher, Kind::Text, kNs, "tns", nullptr, -1, &kModule};

PX_WINFO_RECORDS(PX_DEFINE_INIT)
PX_WINFO_RECORDS(PX_DEFINE_FREE)
