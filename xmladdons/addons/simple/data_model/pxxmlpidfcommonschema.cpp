// Common data-model types: Note_t (a text with xml:lang), Timestamp_t and
// deviceID_t (texts). They have no element of their own: the owner's tables
// name the element and its namespace, so one Note_t descriptor serves the
// data-model notes and the RPID notes alike.
#include <cstddef>

#include "data_model/common_tables.h"

using namespace pxs;

namespace pxs::common_schema {
constexpr const char* kEncPath = "xmladdons/addons/simple/data_model/pxxmlpidfcommonschemaenc.cpp";
// The common schema has no document, hence no decoder file: document paths
// never come from this module.
const Module kModule{
    "xmladdons/addons/simple/data_model/pxxmlpidfcommonschema.cpp",
    kEncPath,
    "xmladdons/addons/simple/data_model/pxxmlpidfcommonschemasax.cpp",
    "xmladdons/addons/simple/data_model/pxxmlpidfcommonschemavldt.cpp",
    "xmladdons/addons/simple/data_model/pxxmlpidfcommonschema.cpp",
};
}  // namespace pxs::common_schema

using pxs::common_schema::kEncPath;
using pxs::common_schema::kModule;

// -------------------------------------------------------------- text types

// Owners write these members through PxXmlET_Timestamp_t and
// PxXmlET_deviceID_t, so a failure there names this module's encoder first.
const SimpleType kSimple_Timestamp_t{.name = "Timestamp_t", .encPath = kEncPath};
const SimpleType kSimple_deviceID_t{.name = "deviceID_t", .encPath = kEncPath};

// ------------------------------------------------------------------- Note_t

static constexpr Member kMembers_Note_t[] = {
    textValue(Kind::Text, offsetof(Note_t, value)),
    attribute("lang", Kind::Text, 0, offsetof(Note_t, lang), "xml:lang"),
    nsAttrs(offsetof(Note_t, nsAttrs)),
};
static_assert(membersFit(kMembers_Note_t, sizeof(Note_t)));
static const char* const kAttrs_Note_t[] = {"lang"};
static const int8_t kAttrMembers_Note_t[] = {1};

// A note's start tag carries xml:lang before the declarations kept with it.
const TypeDesc kDesc_Note_t{
    .name = "Note_t", .shape = Shape::SimpleContent, .size = sizeof(Note_t),
    .presentOffset = offsetof(Note_t, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_Note_t, .nMembers = count(kMembers_Note_t),
    .attrNames = kAttrs_Note_t, .attrMembers = kAttrMembers_Note_t, .nAttrs = 1,
    .nsAttrsMember = 2, .module = &kModule, .attrsBeforeDecls = true, PX_HANDLER_ENTRIES(Note_t)};

PX_DEFINE_INIT(Note_t)
PX_DEFINE_FREE(Note_t)
