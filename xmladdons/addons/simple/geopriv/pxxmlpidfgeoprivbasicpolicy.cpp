// Basic usage policy: the usage rules of a location object and their
// note-well. retransmission-allowed?, retention-expiry?, external-ruleset?,
// note-well?, then foreign elements, in the basic-policy namespace.
#include <cstddef>

#include "geopriv/geopriv_tables.h"

using namespace pxs;

namespace pxs::geopriv {
const Module kPolicy{
    "xmladdons/addons/simple/geopriv/pxxmlpidfgeoprivbasicpolicy.cpp",
    "xmladdons/addons/simple/geopriv/pxxmlpidfgeoprivbasicpolicyenc.cpp",
    "xmladdons/addons/simple/geopriv/pxxmlpidfgeoprivbasicpolicysax.cpp",
    "xmladdons/addons/simple/geopriv/pxxmlpidfgeoprivbasicpolicyvldt.cpp",
    "xmladdons/addons/simple/geopriv/pxxmlpidfgeoprivbasicpolicysax.cpp",
};
}  // namespace pxs::geopriv

using pxs::geopriv::kPolicy;
constexpr int8_t kNs = PX_NS_BASICPOLICY;

// ------------------------------------------------------------------ note-well

static constexpr Member kMembers_gbp_notewell[] = {
    textValue(Kind::Text, offsetof(gbp_notewell, value)),
    attribute("gbp_lang", Kind::Text, 0, offsetof(gbp_notewell, gbp_lang), "xml:lang"),
    nsAttrs(offsetof(gbp_notewell, nsAttrs)),
};
static const char* const kAttrs_lang[] = {"lang"};
static const int8_t kAttrMembers_lang[] = {1};
const TypeDesc kDesc_gbp_notewell{
    .name = "gbp_notewell", .shape = Shape::SimpleContent, .size = sizeof(gbp_notewell),
    .presentOffset = offsetof(gbp_notewell, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_gbp_notewell, .nMembers = count(kMembers_gbp_notewell), .attrNames = kAttrs_lang,
    .attrMembers = kAttrMembers_lang, .nAttrs = 1, .nsAttrsMember = 2, .module = &kPolicy,
    PX_HANDLER_ENTRIES(gbp_notewell)};

// -------------------------------------------------------------- usage rules

static constexpr Member kMembers_gbp_locPolicyType[] = {
    element("gbp_retransmission_allowed", Kind::Bool, 0, offsetof(gbp_locPolicyType, gbp_retransmission_allowed),
            "retransmission-allowed", kNs, 0, 1),
    // Kept as text; checked as a date and time by the validator only.
    element("gbp_retention_expiry", Kind::DateTime, 1, offsetof(gbp_locPolicyType, gbp_retention_expiry),
            "retention-expiry", kNs, 0, 1),
    element("gbp_external_ruleset", Kind::Collapsed, 2, offsetof(gbp_locPolicyType, gbp_external_ruleset),
            "external-ruleset", kNs, 0, 1),
    element("gbp_note_well", Kind::Record, 3, offsetof(gbp_locPolicyType, gbp_note_well), "note-well", kNs, 0, 1,
            &kDesc_gbp_notewell),
    wildcard("gbp__any", offsetof(gbp_locPolicyType, gbp__any), kNs),
};
static_assert(membersFit(kMembers_gbp_locPolicyType, sizeof(gbp_locPolicyType)));
static const RtXmlElemInfo kElems_gbp_locPolicyType[] = {{"retransmission-allowed", kNs, 0, 1},
                                                         {"retention-expiry", kNs, 0, 1},
                                                         {"external-ruleset", kNs, 0, 1},
                                                         {"note-well", kNs, 0, 1},
                                                         {"", kNs, 0, kUnbounded}};
static const uint8_t kMatrix_gbp_locPolicyType[] = {
    //                          s0 s1   s2   s3   s4   s5
    /* retransmission-allowed */ 1, kNo, kNo, kNo, kNo, kNo,
    /* retention-expiry       */ 2, 2, kNo, kNo, kNo, kNo,
    /* external-ruleset       */ 3, 3, 3, kNo, kNo, kNo,
    /* note-well              */ 4, 4, 4, 4, kNo, kNo,
    /* any                    */ 5, 5, 5, 5, 5, 5,
};
static const ElemRow kRows_gbp_locPolicyType[] = {{0}, {1}, {2}, {3}, {4}};
const TypeDesc kDesc_gbp_locPolicyType{
    .name = "gbp_locPolicyType", .shape = Shape::Sequence, .size = sizeof(gbp_locPolicyType),
    .presentOffset = offsetof(gbp_locPolicyType, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_gbp_locPolicyType, .nMembers = count(kMembers_gbp_locPolicyType),
    .elems = kElems_gbp_locPolicyType, .matrix = kMatrix_gbp_locPolicyType, .rows = kRows_gbp_locPolicyType,
    .nElems = 5, .nStates = 6, .childNs = kNs, .module = &kPolicy, PX_HANDLER_ENTRIES(gbp_locPolicyType)};

PX_DEFINE_INIT(gbp_locPolicyType)
PX_DEFINE_INIT(gbp_notewell)
PX_DEFINE_FREE(gbp_locPolicyType)
PX_DEFINE_FREE(gbp_notewell)
