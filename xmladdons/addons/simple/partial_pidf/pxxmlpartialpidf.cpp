// Partial presence documents: record tables, content models,
// initialisation and release. pidf-diff = (add | replace | remove)*, in any
// order; pidf-full = the content of presence (tuple*, note*, any*) with the
// presence's entity and a version on its own start tag.
#include <cstddef>

#include "partial_pidf/patch_tables.h"
#include "pidf/pidf_tables.h"

using namespace pxs;

namespace pxs::patch {
const Module kPartial{
    "xmladdons/addons/simple/partial_pidf/pxxmlpartialpidf.cpp",
    "xmladdons/addons/simple/partial_pidf/pxxmlpartialpidfenc.cpp",
    "xmladdons/addons/simple/partial_pidf/pxxmlpartialpidfsax.cpp",
    "xmladdons/addons/simple/partial_pidf/pxxmlpartialpidfvldt.cpp",
    "xmladdons/addons/simple/partial_pidf/pxxmlpartialpidfdec.cpp",
};
constexpr int8_t kNs = PX_NS_PIDF_DIFF;
constexpr int8_t kPidf = PX_NS_PIDF;
}  // namespace pxs::patch

using pxs::patch::kNs;
using pxs::patch::kPartial;
using pxs::patch::kPidf;

// ---------------------------------------------------- one operation: choice

static constexpr Member kMembers_partial__pidf_diff_1[] = {
    Member{"partial_add", Kind::Record, Role::Alternative, kNoBit, offsetof(partial__pidf_diff_1, u.partial_add),
           "add", kNs, 1, 1, &kDesc_add},
    Member{"partial_replace", Kind::Record, Role::Alternative, kNoBit,
           offsetof(partial__pidf_diff_1, u.partial_replace), "replace", kNs, 1, 1, &kDesc_replace},
    Member{"partial_remove", Kind::Record, Role::Alternative, kNoBit,
           offsetof(partial__pidf_diff_1, u.partial_remove), "remove", kNs, 1, 1, &kDesc_remove_},
};
static_assert(membersFit(kMembers_partial__pidf_diff_1, sizeof(partial__pidf_diff_1)));

const TypeDesc kDesc_partial__pidf_diff_1{
    .name = "partial__pidf_diff_1", .shape = Shape::Choice, .size = sizeof(partial__pidf_diff_1),
    .presentOffset = -1, .tagOffset = offsetof(partial__pidf_diff_1, t),
    .unionOffset = offsetof(partial__pidf_diff_1, u), .unionSize = sizeof(partial__pidf_diff_1::u),
    .members = kMembers_partial__pidf_diff_1, .nMembers = count(kMembers_partial__pidf_diff_1), .childNs = kNs,
    .module = &kPartial};

// --------------------------------------------------- one member of the list

static constexpr Member kMembers_partial__pidf_diff_2[] = {
    element("partial__choice1", Kind::Choice, kNoBit, offsetof(partial__pidf_diff_2, partial__choice1), nullptr, kNs,
            1, 1, &kDesc_partial__pidf_diff_1),
};

const TypeDesc kDesc_partial__pidf_diff_2{
    .name = "partial__pidf_diff_2", .shape = Shape::Group, .size = sizeof(partial__pidf_diff_2),
    .presentOffset = -1, .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_partial__pidf_diff_2, .nMembers = count(kMembers_partial__pidf_diff_2), .module = &kPartial};

// ---------------------------------------------------------------- pidf-diff

static constexpr Member kMembers_partial__pidf_diff[] = {
    element("partial__seq", Kind::SeqList, kNoBit, offsetof(partial__pidf_diff, partial__seq), nullptr, kNs, 0,
            kUnbounded, &kDesc_partial__pidf_diff_2),
    attribute("partial_version", Kind::UInt, 0, offsetof(partial__pidf_diff, partial_version), "version"),
    attribute("partial_entity", Kind::Collapsed, 1, offsetof(partial__pidf_diff, partial_entity), "entity"),
};
static_assert(membersFit(kMembers_partial__pidf_diff, sizeof(partial__pidf_diff)));
static const RtXmlElemInfo kElems_partial__pidf_diff[] = {
    {"add", kNs, 1, 1}, {"replace", kNs, 1, 1}, {"remove", kNs, 1, 1}};
static const uint8_t kMatrix_partial__pidf_diff[] = {
    //          s0 s1
    /* add     */ 1, 1,
    /* replace */ 1, 1,
    /* remove  */ 1, 1,
};
// Each operation is a new item of the list, its choice set to the operation.
static const ElemRow kRows_partial__pidf_diff[] = {{0, 0, 1}, {0, 0, 2}, {0, 0, 3}};
static const char* const kAttrs_partial__pidf_diff[] = {"version", "entity"};
static const int8_t kAttrMembers_partial__pidf_diff[] = {1, 2};

const TypeDesc kDesc_partial__pidf_diff{
    .name = "partial__pidf_diff", .shape = Shape::Sequence, .size = sizeof(partial__pidf_diff),
    .presentOffset = offsetof(partial__pidf_diff, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_partial__pidf_diff, .nMembers = count(kMembers_partial__pidf_diff),
    .elems = kElems_partial__pidf_diff, .matrix = kMatrix_partial__pidf_diff, .rows = kRows_partial__pidf_diff,
    .nElems = 3, .nStates = 2, .attrNames = kAttrs_partial__pidf_diff,
    .attrMembers = kAttrMembers_partial__pidf_diff, .nAttrs = 2, .childNs = kNs, .ownNs = kNs, .module = &kPartial,
    .keepsScope = true, PX_HANDLER_ENTRIES(partial__pidf_diff)};

// ---------------------------------------------------------------- pidf-full

// The members of the embedded presence are the extension's own, in place:
// one table serves initialisation, release and printing of the base, and
// its entity travels on the pidf-full start tag.
constexpr size_t kBase = offsetof(partial__pidf_full, base);
static constexpr Member kMembers_partial__pidf_full[] = {
    element("tns_tuple", Kind::RecordList, kNoBit, kBase + offsetof(tns_presence, tns_tuple), "tuple", kPidf, 0,
            kUnbounded, &kDesc_tns_tuple),
    element("tns_note", Kind::RecordList, kNoBit, kBase + offsetof(tns_presence, tns_note), "note", kPidf, 0,
            kUnbounded, &kDesc_tns_note),
    wildcard("tns__any", kBase + offsetof(tns_presence, tns__any), kPidf),
    attribute("tns_entity", Kind::Collapsed, kNoBit, kBase + offsetof(tns_presence, tns_entity), "entity"),
    attribute("partial_version", Kind::UInt, 0, offsetof(partial__pidf_full, partial_version), "version"),
};
static_assert(membersFit(kMembers_partial__pidf_full, sizeof(partial__pidf_full)));
static const RtXmlElemInfo kElems_partial__pidf_full[] = {
    {"tuple", kPidf, 0, kUnbounded}, {"note", kPidf, 0, kUnbounded}, {"", kPidf, 0, kUnbounded}};
static const uint8_t kMatrix_partial__pidf_full[] = {
    //        s0 s1  s2   s3
    /* tuple */ 1, 1, kNo, kNo,
    /* note  */ 2, 2, 2, kNo,
    /* any   */ 3, 3, 3, 3,
};
static const ElemRow kRows_partial__pidf_full[] = {{0}, {1}, {2}};
static const char* const kAttrs_partial__pidf_full[] = {"entity", "version"};
static const int8_t kAttrMembers_partial__pidf_full[] = {3, 4};

const TypeDesc kDesc_partial__pidf_full{
    .name = "partial__pidf_full", .shape = Shape::Sequence, .size = sizeof(partial__pidf_full),
    .presentOffset = offsetof(partial__pidf_full, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_partial__pidf_full, .nMembers = count(kMembers_partial__pidf_full),
    .elems = kElems_partial__pidf_full, .matrix = kMatrix_partial__pidf_full, .rows = kRows_partial__pidf_full,
    .nElems = 3, .nStates = 4, .attrNames = kAttrs_partial__pidf_full,
    .attrMembers = kAttrMembers_partial__pidf_full, .nAttrs = 2, .requiredMask = 0x1, .childNs = kPidf,
    .ownNs = kNs, .module = &kPartial, .strictChildren = true, .keepsScope = true,
    PX_HANDLER_ENTRIES(partial__pidf_full)};

// ---------------------------------------------------------------- documents

const DocDesc kDoc_partial_pidf_diff{"pidf-diff", &kDesc_partial__pidf_diff, Kind::Text, kNs, "partial", "tns", kPidf,
                                     &kPartial};
const DocDesc kDoc_partial_pidf_full{"pidf-full", &kDesc_partial__pidf_full, Kind::Text, kNs, "partial", "tns", kPidf,
                                     &kPartial};

PX_PARTIAL_RECORDS(PX_DEFINE_INIT)
PX_DEFINE_FREE(partial__pidf_diff)
PX_DEFINE_FREE(partial__pidf_full)
