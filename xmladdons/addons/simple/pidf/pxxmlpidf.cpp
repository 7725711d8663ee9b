// PIDF: record tables, content models, enumeration, initialisation and
// release. presence = tuple*, note*, any*; tuple = status, any*, contact?,
// note*, timestamp?; status = basic?, any*; contact and note are text with
// attributes.
#include <cstddef>

#include "pidf/pidf_tables.h"

using namespace pxs;

namespace pxs::pidf {
const Module kModule{
    "xmladdons/addons/simple/pidf/pxxmlpidf.cpp",    "xmladdons/addons/simple/pidf/pxxmlpidfenc.cpp",
    "xmladdons/addons/simple/pidf/pxxmlpidfsax.cpp", "xmladdons/addons/simple/pidf/pxxmlpidfvldt.cpp",
    "xmladdons/addons/simple/pidf/pxxmlpidfdec.cpp",
};
constexpr int8_t kNs = PX_NS_PIDF;
}  // namespace pxs::pidf

using pxs::pidf::kModule;
using pxs::pidf::kNs;

// ------------------------------------------------------------ simple types

PX_ENUM_TABLE(tns_basic, {"closed", 1}, {"open", 0})
PX_DEFINE_ENUM(tns_basic)

const SimpleType kSimple_tns_basic{"tns_basic", kTable_tns_basic, 2, Pxtns_basic_ToEnum, Pxtns_basic_ToString};

static const char* const kQvaluePatterns[] = {"0(.[0-9]{0,3})?", "1(.0{0,3})?"};
static const RtDecimalFormat kQvalueFormat{-1, -1, -1, 1, 1, 0, 0, 2, kQvaluePatterns};
const SimpleType kSimple_tns_qvalue{"tns_qvalue", nullptr, 0, nullptr, nullptr, &kQvalueFormat};

// ----------------------------------------------------------------- presence

static constexpr Member kMembers_tns_presence[] = {
    element("tns_tuple", Kind::RecordList, kNoBit, offsetof(tns_presence, tns_tuple), "tuple", kNs, 0, kUnbounded,
            &kDesc_tns_tuple),
    element("tns_note", Kind::RecordList, kNoBit, offsetof(tns_presence, tns_note), "note", kNs, 0, kUnbounded,
            &kDesc_tns_note),
    wildcard("tns__any", offsetof(tns_presence, tns__any), kNs),
    attribute("tns_entity", Kind::Collapsed, kNoBit, offsetof(tns_presence, tns_entity), "entity"),
};
static_assert(membersFit(kMembers_tns_presence, sizeof(tns_presence)));

static const RtXmlElemInfo kElems_tns_presence[] = {
    {"tuple", kNs, 0, kUnbounded},
    {"note", kNs, 0, kUnbounded},
    {"", kNs, 0, kUnbounded},
};
static const uint8_t kMatrix_tns_presence[] = {
    //        s0  s1   s2   s3
    /* tuple */ 1, 1, kNo, kNo,
    /* note  */ 2, 2, 2, kNo,
    /* any   */ 3, 3, 3, 3,
};
static const ElemRow kRows_tns_presence[] = {{0}, {1}, {2}};
static const char* const kAttrs_tns_presence[] = {"entity"};
static const int8_t kAttrMembers_tns_presence[] = {3};
static_assert(sizeof kMatrix_tns_presence == 3 * 4);

const TypeDesc kDesc_tns_presence{
    .name = "tns_presence", .shape = Shape::Sequence, .size = sizeof(tns_presence), .presentOffset = -1,
    .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_presence, .nMembers = count(kMembers_tns_presence),
    .elems = kElems_tns_presence, .matrix = kMatrix_tns_presence, .rows = kRows_tns_presence,
    .nElems = count(kElems_tns_presence), .nStates = 4,
    .attrNames = kAttrs_tns_presence, .attrMembers = kAttrMembers_tns_presence, .nAttrs = 1, .requiredMask = 0x1,
    .childNs = kNs, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(tns_presence)};

// -------------------------------------------------------------------- tuple

static constexpr Member kMembers_tns_tuple[] = {
    element("tns_status", Kind::Record, kNoBit, offsetof(tns_tuple, tns_status), "status", kNs, 1, 1,
            &kDesc_tns_status),
    wildcard("tns__any", offsetof(tns_tuple, tns__any), kNs),
    element("tns_contact", Kind::Record, 0, offsetof(tns_tuple, tns_contact), "contact", kNs, 0, 1,
            &kDesc_tns_contact),
    element("tns_note", Kind::RecordList, kNoBit, offsetof(tns_tuple, tns_note), "note", kNs, 0, kUnbounded,
            &kDesc_tns_note),
    element("tns_timestamp", Kind::DateTime, 1, offsetof(tns_tuple, tns_timestamp), "timestamp", kNs, 0, 1),
    attribute("tns_id", Kind::Collapsed, kNoBit, offsetof(tns_tuple, tns_id), "id"),
};
static_assert(membersFit(kMembers_tns_tuple, sizeof(tns_tuple)));

static const RtXmlElemInfo kElems_tns_tuple[] = {
    {"status", kNs, 1, 1},
    {"", kNs, 0, kUnbounded},
    {"contact", kNs, 0, 1},
    {"note", kNs, 0, kUnbounded},
    {"timestamp", kNs, 0, 1},
};
static const uint8_t kMatrix_tns_tuple[] = {
    //            s0   s1      s2      s3      s4
    /* status    */ 1, kNo, kNo, kNo, kNo,
    /* any       */ kNo, 2, 2, kNo, kNo,
    /* contact   */ kNo, 3, 3, kNo, kNo,
    /* note      */ kNo, 4, 4, 4, 4,
    /* timestamp */ kNo, kFinal, kFinal, kFinal, kFinal,
};
static const ElemRow kRows_tns_tuple[] = {{0}, {1}, {2}, {3}, {4}};
static const char* const kAttrs_tns_tuple[] = {"id"};
static const int8_t kAttrMembers_tns_tuple[] = {5};
static_assert(sizeof kMatrix_tns_tuple == 5 * 5);

const TypeDesc kDesc_tns_tuple{
    .name = "tns_tuple", .shape = Shape::Sequence, .size = sizeof(tns_tuple),
    .presentOffset = offsetof(tns_tuple, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_tuple, .nMembers = count(kMembers_tns_tuple),
    .elems = kElems_tns_tuple, .matrix = kMatrix_tns_tuple, .rows = kRows_tns_tuple,
    .nElems = count(kElems_tns_tuple), .nStates = 5,
    .attrNames = kAttrs_tns_tuple, .attrMembers = kAttrMembers_tns_tuple, .nAttrs = 1, .requiredMask = 0x1,
    .childNs = kNs, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(tns_tuple)};

// ------------------------------------------------------------------- status

static constexpr Member kMembers_tns_status[] = {
    element("tns_basic", Kind::Enum, 0, offsetof(tns_status, tns_basic), "basic", kNs, 0, 1, nullptr,
            &kSimple_tns_basic),
    wildcard("tns__any", offsetof(tns_status, tns__any), kNs),
};
static_assert(membersFit(kMembers_tns_status, sizeof(tns_status)));

static const RtXmlElemInfo kElems_tns_status[] = {
    {"basic", kNs, 0, 1},
    {"", kNs, 0, kUnbounded},
};
static const uint8_t kMatrix_tns_status[] = {
    //        s0  s1   s2
    /* basic */ 1, kNo, kNo,
    /* any   */ 2, 2, 2,
};
static const ElemRow kRows_tns_status[] = {{0}, {1}};

const TypeDesc kDesc_tns_status{
    .name = "tns_status", .shape = Shape::Sequence, .size = sizeof(tns_status),
    .presentOffset = offsetof(tns_status, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_status, .nMembers = count(kMembers_tns_status),
    .elems = kElems_tns_status, .matrix = kMatrix_tns_status, .rows = kRows_tns_status,
    .nElems = count(kElems_tns_status), .nStates = 3, .childNs = kNs, .ownNs = kNs, .module = &kModule,
    PX_HANDLER_ENTRIES(tns_status)};

// ------------------------------------------------------------------ contact

static constexpr Member kMembers_tns_contact[] = {
    textValue(Kind::Collapsed, offsetof(tns_contact, value)),
    attribute("tns_priority", Kind::Decimal, 0, offsetof(tns_contact, tns_priority), "priority",
              &kSimple_tns_qvalue),
    nsAttrs(offsetof(tns_contact, nsAttrs)),
};
static_assert(membersFit(kMembers_tns_contact, sizeof(tns_contact)));
static const char* const kAttrs_tns_contact[] = {"priority"};
static const int8_t kAttrMembers_tns_contact[] = {1};

const TypeDesc kDesc_tns_contact{
    .name = "tns_contact", .shape = Shape::SimpleContent, .size = sizeof(tns_contact),
    .presentOffset = offsetof(tns_contact, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_contact, .nMembers = count(kMembers_tns_contact),
    .attrNames = kAttrs_tns_contact, .attrMembers = kAttrMembers_tns_contact, .nAttrs = 1,
    .nsAttrsMember = 2, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(tns_contact)};

// --------------------------------------------------------------------- note

static constexpr Member kMembers_tns_note[] = {
    textValue(Kind::Text, offsetof(tns_note, value)),
    attribute("tns_lang", Kind::Text, 0, offsetof(tns_note, tns_lang), "xml:lang"),
    nsAttrs(offsetof(tns_note, nsAttrs)),
};
static_assert(membersFit(kMembers_tns_note, sizeof(tns_note)));
static const char* const kAttrs_tns_note[] = {"lang"};
static const int8_t kAttrMembers_tns_note[] = {1};

const TypeDesc kDesc_tns_note{
    .name = "tns_note", .shape = Shape::SimpleContent, .size = sizeof(tns_note),
    .presentOffset = offsetof(tns_note, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_note, .nMembers = count(kMembers_tns_note),
    .attrNames = kAttrs_tns_note, .attrMembers = kAttrMembers_tns_note, .nAttrs = 1,
    .nsAttrsMember = 2, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(tns_note)};

// ----------------------------------------------------------------- document

const DocDesc kDoc_tns_presence{"presence", &kDesc_tns_presence, Kind::Text, kNs, "tns", nullptr, -1, &kModule};

// ------------------------------------------------ initialisation and release

PX_PIDF_RECORDS(PX_DEFINE_INIT)
PX_PIDF_RECORDS(PX_DEFINE_FREE)
