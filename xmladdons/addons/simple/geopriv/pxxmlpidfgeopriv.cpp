// Geopriv: record tables, content models, initialisation, release and the
// append helpers. geopriv = location-info, usage-rules, method?,
// provided-by?, any*; location-info and provided-by hold elements of any
// namespace, kept as XML texts.
#include <cstddef>

#include "geopriv/geopriv_tables.h"

using namespace pxs;

namespace pxs::geopriv {
const Module kModule{
    "xmladdons/addons/simple/geopriv/pxxmlpidfgeopriv.cpp",     "xmladdons/addons/simple/geopriv/pxxmlpidfgeoprivenc.cpp",
    "xmladdons/addons/simple/geopriv/pxxmlpidfgeoprivsax.cpp",  "xmladdons/addons/simple/geopriv/pxxmlpidfgeoprivvldt.cpp",
    "xmladdons/addons/simple/geopriv/pxxmlpidfgeoprivdec.cpp",
};
}  // namespace pxs::geopriv

using pxs::geopriv::kModule;
constexpr int8_t kNs = PX_NS_GEOPRIV;

// ------------------------------------------ location-info and provided-by

// One list of any elements, of any namespace: the record is the list, and
// MIN the fewest elements it may hold.
static const uint8_t kMatrix_anyElements[] = {
    //       s0 s1
    /* any */ 1, 1,
};
static const ElemRow kRows_anyElements[] = {{0}};

#define GEOPRIV_ANY_LIST(T, MIN)                                                                                 \
  static constexpr Member kMembers_##T[] = {                                                                      \
      Member{"", Kind::AnyList, Role::Element, kNoBit, 0, "", RT_NS_ANY, MIN, kUnbounded}};                      \
  static const RtXmlElemInfo kElems_##T[] = {{"", RT_NS_ANY, MIN, kUnbounded}};                                  \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::Sequence, .size = sizeof(T), .presentOffset = -1,          \
                           .tagOffset = -1, .unionOffset = 0, .unionSize = 0, .members = kMembers_##T,            \
                           .nMembers = 1, .elems = kElems_##T, .matrix = kMatrix_anyElements,             \
                           .rows = kRows_anyElements, .nElems = 1, .nStates = 2, .childNs = kNs, .module = &kModule, \
                           .listType = true, .attributesIgnored = true, PX_HANDLER_ENTRIES(T)};
GEOPRIV_ANY_LIST(tns_locInfoType, 0)
GEOPRIV_ANY_LIST(tns_locProvidedBy, 1)

// ------------------------------------------------------------------- method

static constexpr Member kMembers_tns_locMethod[] = {
    textValue(Kind::Text, offsetof(tns_locMethod, value)),
    attribute("tns_lang", Kind::Text, 0, offsetof(tns_locMethod, tns_lang), "xml:lang"),
    nsAttrs(offsetof(tns_locMethod, nsAttrs)),
};
static const char* const kAttrs_lang[] = {"lang"};
static const int8_t kAttrMembers_lang[] = {1};
const TypeDesc kDesc_tns_locMethod{
    .name = "tns_locMethod", .shape = Shape::SimpleContent, .size = sizeof(tns_locMethod),
    .presentOffset = offsetof(tns_locMethod, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_locMethod, .nMembers = count(kMembers_tns_locMethod), .attrNames = kAttrs_lang,
    .attrMembers = kAttrMembers_lang, .nAttrs = 1, .nsAttrsMember = 2, .module = &kModule,
    PX_HANDLER_ENTRIES(tns_locMethod)};

// ------------------------------------------------------------------ geopriv

static constexpr Member kMembers_tns_geopriv[] = {
    element("tns_location_info", Kind::Record, kNoBit, offsetof(tns_geopriv, tns_location_info), "location-info", kNs,
            1, 1, &kDesc_tns_locInfoType),
    element("tns_usage_rules", Kind::Record, kNoBit, offsetof(tns_geopriv, tns_usage_rules), "usage-rules", kNs, 1, 1,
            &kDesc_gbp_locPolicyType),
    element("tns_method", Kind::Record, 0, offsetof(tns_geopriv, tns_method), "method", kNs, 0, 1,
            &kDesc_tns_locMethod),
    element("tns_provided_by", Kind::Record, 1, offsetof(tns_geopriv, tns_provided_by), "provided-by", kNs, 0, 1,
            &kDesc_tns_locProvidedBy),
    wildcard("tns__any", offsetof(tns_geopriv, tns__any), kNs),
};
static_assert(membersFit(kMembers_tns_geopriv, sizeof(tns_geopriv)));
static const RtXmlElemInfo kElems_tns_geopriv[] = {{"location-info", kNs, 1, 1},
                                                   {"usage-rules", kNs, 1, 1},
                                                   {"method", kNs, 0, 1},
                                                   {"provided-by", kNs, 0, 1},
                                                   {"", kNs, 0, kUnbounded}};
static const uint8_t kMatrix_tns_geopriv[] = {
    //                 s0   s1   s2  s3  s4  s5
    /* location-info */ 1, kNo, kNo, kNo, kNo, kNo,
    /* usage-rules   */ kNo, 2, kNo, kNo, kNo, kNo,
    /* method        */ kNo, kNo, 3, kNo, kNo, kNo,
    /* provided-by   */ kNo, kNo, 4, 4, kNo, kNo,
    /* any           */ kNo, kNo, 5, 5, 5, 5,
};
static const ElemRow kRows_tns_geopriv[] = {{0}, {1}, {2}, {3}, {4}};
const TypeDesc kDesc_tns_geopriv{
    .name = "tns_geopriv", .shape = Shape::Sequence, .size = sizeof(tns_geopriv),
    .presentOffset = offsetof(tns_geopriv, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_geopriv, .nMembers = count(kMembers_tns_geopriv), .elems = kElems_tns_geopriv,
    .matrix = kMatrix_tns_geopriv, .rows = kRows_tns_geopriv, .nElems = 5, .nStates = 6, .childNs = kNs,
    .ownNs = kNs, .module = &kModule, .attributesIgnored = true, PX_HANDLER_ENTRIES(tns_geopriv)};

const DocDesc kDoc_tns_geopriv{"geopriv", &kDesc_tns_geopriv, Kind::Text, kNs, "tns", "gbp", PX_NS_BASICPOLICY,
                               &kModule};

PX_DEFINE_INIT(tns_geopriv)
PX_DEFINE_INIT(tns_locInfoType)
PX_DEFINE_INIT(tns_locMethod)
PX_DEFINE_INIT(tns_locProvidedBy)
PX_DEFINE_FREE(tns_geopriv)
PX_DEFINE_FREE(tns_locInfoType)
PX_DEFINE_FREE(tns_locMethod)
PX_DEFINE_FREE(tns_locProvidedBy)
PX_DEFINE_APPEND(tns_locInfoType)
PX_DEFINE_APPEND(tns_locProvidedBy)
