// XML patch operations: enumerations, pattern types, record tables and
// initialisation. add and replace have open content, kept as one XML text;
// remove has none. Their selectors are checked against XPath patterns.
#include <cstddef>

#include "partial_pidf/patch_patterns.h"
#include "partial_pidf/patch_tables.h"

using namespace pxs;

namespace pxs::patch {
const Module kModule{
    "xmladdons/addons/simple/partial_pidf/pxxml-patch-ops.cpp",
    "xmladdons/addons/simple/partial_pidf/pxxml-patch-opsenc.cpp",
    "xmladdons/addons/simple/partial_pidf/pxxml-patch-opssax.cpp",
    "xmladdons/addons/simple/partial_pidf/pxxml-patch-opsvldt.cpp",
    "xmladdons/addons/simple/partial_pidf/pxxml-patch-opssax.cpp",
};
}  // namespace pxs::patch

using pxs::patch::kModule;

PX_ENUM_TABLE(pos, {"after", 1}, {"before", 0}, {"prepend", 2})
PX_DEFINE_ENUM(pos)
const SimpleType kSimple_pos{"pos", kTable_pos, 3, Pxpos_ToEnum, Pxpos_ToString};

PX_ENUM_TABLE(ws, {"after", 1}, {"before", 0}, {"both", 2})
PX_DEFINE_ENUM(ws)
const SimpleType kSimple_ws{"ws", kTable_ws, 3, Pxws_ToEnum, Pxws_ToString};

const SimpleType kSimple_xpath{"xpath", nullptr, 0, nullptr, nullptr, nullptr, pxs::patch::kXpathPattern};
const SimpleType kSimple_xpath_add{"xpath_add", nullptr, 0, nullptr, nullptr, nullptr, pxs::patch::kXpathAddPattern};
const SimpleType kSimple_type{"type", nullptr, 0, nullptr, nullptr, nullptr, pxs::patch::kTypePattern};

// ---------------------------------------------------------------------- add

static constexpr Member kMembers_add[] = {
    textValue(Kind::Text, offsetof(add, value)),
    attribute("sel", Kind::Text, kNoBit, offsetof(add, sel), "sel", &kSimple_xpath_add),
    attribute("pos", Kind::Enum, 0, offsetof(add, pos), "pos", &kSimple_pos),
    attribute("type", Kind::Text, 1, offsetof(add, type), "type", &kSimple_type),
};
static_assert(membersFit(kMembers_add, sizeof(add)));
static const char* const kAttrs_add[] = {"sel", "pos", "type"};
static const int8_t kAttrMembers_add[] = {1, 2, 3};

const TypeDesc kDesc_add{
    .name = "add", .shape = Shape::OpenContent, .size = sizeof(add), .presentOffset = offsetof(add, present),
    .tagOffset = -1, .unionOffset = 0, .unionSize = 0, .members = kMembers_add, .nMembers = count(kMembers_add),
    .attrNames = kAttrs_add, .attrMembers = kAttrMembers_add, .nAttrs = 3, .requiredMask = 0x1,
    .ownNs = PX_NS_PIDF_DIFF, .module = &kModule, .keepsScope = true, PX_HANDLER_ENTRIES(add)};

// ------------------------------------------------------------------ replace

static constexpr Member kMembers_replace[] = {
    textValue(Kind::Text, offsetof(replace, value)),
    attribute("sel", Kind::Text, kNoBit, offsetof(replace, sel), "sel", &kSimple_xpath),
};
static_assert(membersFit(kMembers_replace, sizeof(replace)));
static const char* const kAttrs_replace[] = {"sel"};
static const int8_t kAttrMembers_replace[] = {1};

const TypeDesc kDesc_replace{
    .name = "replace", .shape = Shape::OpenContent, .size = sizeof(replace), .presentOffset = -1, .tagOffset = -1,
    .unionOffset = 0, .unionSize = 0, .members = kMembers_replace, .nMembers = count(kMembers_replace),
    .attrNames = kAttrs_replace, .attrMembers = kAttrMembers_replace, .nAttrs = 1, .requiredMask = 0x1,
    .ownNs = PX_NS_PIDF_DIFF, .module = &kModule, .keepsScope = true, PX_HANDLER_ENTRIES(replace)};

// ------------------------------------------------------------------- remove

static constexpr Member kMembers_remove_[] = {
    attribute("sel", Kind::Text, kNoBit, offsetof(remove_, sel), "sel", &kSimple_xpath),
    attribute("ws", Kind::Enum, 0, offsetof(remove_, ws), "ws", &kSimple_ws),
};
static_assert(membersFit(kMembers_remove_, sizeof(remove_)));
static const char* const kAttrs_remove_[] = {"sel", "ws"};
static const int8_t kAttrMembers_remove_[] = {0, 1};

const TypeDesc kDesc_remove_{
    .name = "remove_", .shape = Shape::EmptyContent, .size = sizeof(remove_),
    .presentOffset = offsetof(remove_, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_remove_, .nMembers = count(kMembers_remove_), .attrNames = kAttrs_remove_,
    .attrMembers = kAttrMembers_remove_, .nAttrs = 2, .requiredMask = 0x1, .ownNs = PX_NS_PIDF_DIFF,
    .module = &kModule, .keepsScope = true, PX_HANDLER_ENTRIES(remove_)};

PX_PATCH_RECORDS(PX_DEFINE_INIT)
