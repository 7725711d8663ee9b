// Capabilities: record tables, content models, initialisation, release and
// the string lists' append helpers. Most of the module repeats four shapes
// (name lists, support pairs, string lists, priority values) over many
// element names; each shape is written once and its tables are derived from
// the names. Every content model here is a sequence of optional children in
// table order, so its transition matrix is derived from its element table.
#include <cstddef>

#include "caps/caps_tables.h"

using namespace pxs;

namespace pxs::caps {

const Module kModule{
    "xmladdons/addons/simple/caps/pxxmlpidfcaps.cpp",    "xmladdons/addons/simple/caps/pxxmlpidfcapsenc.cpp",
    "xmladdons/addons/simple/caps/pxxmlpidfcapssax.cpp", "xmladdons/addons/simple/caps/pxxmlpidfcapsvldt.cpp",
    "xmladdons/addons/simple/caps/pxxmlpidfcapsdec.cpp",
};
constexpr int8_t kNs = PX_NS_CAPS;

// Row i leads to state i + 1 and is accepted in every state up to its own;
// a repeatable row (maximum above 1, the wildcard among them) also in the
// state it leads to. So children keep table order, each optional, and
// states number one more than rows.
template <size_t R>
struct InOrder {
  uint8_t matrix[R * (R + 1)];
  ElemRow rows[R];  // row i fills member i
};
template <size_t R>
constexpr InOrder<R> inOrder(const RtXmlElemInfo (&elems)[R]) {
  static_assert(R + 1 < kFinal, "states must stay below the matrix markers");
  InOrder<R> t{};
  for (size_t row = 0; row < R; ++row) {
    t.rows[row] = ElemRow{static_cast<int8_t>(row)};
    for (size_t state = 0; state <= R; ++state) {
      bool accepted = state <= row || (state == row + 1 && elems[row].maxOccurs != 1);
      t.matrix[row * (R + 1) + state] = accepted ? static_cast<uint8_t>(row + 1) : kNo;
    }
  }
  return t;
}

// Field names of a name list: "tns_" and the element name with each '-'
// turned into '_'. Sized for the longest, "tns_recipient-list-subscribe";
// a longer name fails to compile (out-of-bounds write in a constant).
constexpr size_t kFieldSize = 32;
template <size_t N>
struct FieldNames {
  char text[N][kFieldSize];
};
template <size_t N>
constexpr FieldNames<N> fieldNames(const char* const (&names)[N]) {
  FieldNames<N> f{};
  for (size_t i = 0; i < N; ++i) {
    size_t k = 0;
    for (const char* p = "tns_"; *p; ++p) f.text[i][k++] = *p;
    for (const char* p = names[i]; *p; ++p) f.text[i][k++] = *p == '-' ? '_' : *p;
    f.text[i][k] = 0;
  }
  return f;
}

// A name list: one optional string per name, stored one after the other
// from `first`, then the wildcard list at `any`.
template <size_t N>
struct NameList {
  Member members[N + 1];
  RtXmlElemInfo elems[N + 1];
  InOrder<N + 1> order;
};
template <size_t N>
constexpr NameList<N> nameList(const char* const (&names)[N], const FieldNames<N>& fields, size_t first,
                               size_t any) {
  static_assert(N < 32, "one presence bit per name");
  NameList<N> l{};
  for (size_t i = 0; i < N; ++i) {
    l.members[i] = element(fields.text[i], Kind::Text, static_cast<int8_t>(i), first + i * sizeof(RtXmlString),
                           names[i], kNs, 0, 1);
    l.elems[i] = RtXmlElemInfo{names[i], kNs, 0, 1};
  }
  l.members[N] = wildcard("tns__any", any, kNs);
  l.elems[N] = RtXmlElemInfo{"", kNs, 0, kUnbounded};
  l.order = inOrder(l.elems);
  return l;
}

}  // namespace pxs::caps

using pxs::caps::kModule;
using pxs::caps::kNs;

// The parts of a descriptor every sequence of this module shares.
#define CAPS_SEQUENCE(ELEMS, ORDER)                                                                              \
  .elems = ELEMS, .matrix = ORDER.matrix, .rows = ORDER.rows, .nElems = count(ELEMS),                           \
  .nStates = static_cast<uint8_t>(count(ELEMS) + 1)

// ------------------------------------------------------------ simple types

#define CAPS_BOOLEAN(T) const SimpleType kSimple_##T{#T};
PX_CAPS_BOOLEANS(CAPS_BOOLEAN)
const SimpleType kSimple_tns_typetype{"tns_typetype"};

// --------------------------------------------------------------- name lists

// The strings lie one after the other, first to last, with the wildcard
// list right behind them: the derived offsets rely on it.
#define CAPS_NAME_LIST(T, FIRST, LAST, ...)                                                                     \
  static constexpr const char* kNames_##T[] = {__VA_ARGS__};                                                   \
  static constexpr auto kFields_##T = caps::fieldNames(kNames_##T);                                            \
  static constexpr auto kList_##T =                                                                            \
      caps::nameList(kNames_##T, kFields_##T, offsetof(T, FIRST), offsetof(T, tns__any));                      \
  static_assert(offsetof(T, LAST) == offsetof(T, FIRST) + (count(kNames_##T) - 1) * sizeof(RtXmlString));      \
  static_assert(offsetof(T, tns__any) == offsetof(T, LAST) + sizeof(RtXmlString));                            \
  static_assert(membersFit(kList_##T.members, sizeof(T)));                                                    \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::Sequence, .size = sizeof(T),                            \
                           .presentOffset = offsetof(T, present), .tagOffset = -1, .unionOffset = 0,           \
                           .unionSize = 0, .members = kList_##T.members, .nMembers = count(kList_##T.members), \
                           CAPS_SEQUENCE(kList_##T.elems, kList_##T.order), .childNs = kNs, .ownNs = kNs,   \
                           .module = &kModule, PX_HANDLER_ENTRIES(T)};

CAPS_NAME_LIST(tns_methodtypes, tns_ACK, tns_UPDATE, "ACK", "BYE", "CANCEL", "INFO", "INVITE", "MESSAGE", "NOTIFY",
               "OPTIONS", "PRACK", "PUBLISH", "REFER", "REGISTER", "SUBSCRIBE", "UPDATE")
CAPS_NAME_LIST(tns_eventtypes, tns_conference, tns_winfo, "conference", "dialog", "kpml", "message-summary",
               "poc-settings", "presence", "reg", "refer", "Siemens-RTP-Stats", "spirits-INDPs", "spirits-user-prof",
               "winfo")
CAPS_NAME_LIST(tns_extensiontypes, tns_rel100, tns_timer, "rel100", "early-session", "eventlist", "from-change",
               "gruu", "hist-info", "join", "norefersub", "path", "precondition", "pref", "privacy",
               "recipient-list-invite", "recipient-list-subscribe", "replaces", "resource-priority", "sdp-anat",
               "sec-agree", "tdialog", "timer")
CAPS_NAME_LIST(tns_actortypes, tns_attendant, tns_principal, "attendant", "information", "msg-taker", "principal")
CAPS_NAME_LIST(tns_classtypes, tns_business, tns_personal, "business", "personal")
CAPS_NAME_LIST(tns_duplextypes, tns_full, tns_send_only, "full", "half", "receive-only", "send-only")
CAPS_NAME_LIST(tns_mobilitytypes, tns_fixed, tns_mobile, "fixed", "mobile")

// ------------------------------------------------------------ string lists

// One or more children of one name, matched by local name alone.
static const uint8_t kMatrix_oneList[] = {
    //       s0 s1
    /* l/s */ 1, 1,
};
static const ElemRow kRows_oneList[] = {{0}};

#define CAPS_STRING_LIST(T, FIELD, NAME)                                                                        \
  static constexpr Member kMembers_##T[] = {element(FIELD, Kind::TextList, kNoBit, 0, NAME, kNs, 1, kUnbounded)}; \
  static const RtXmlElemInfo kElems_##T[] = {{NAME, kNs, 1, kUnbounded}};                                      \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::Sequence, .size = sizeof(T), .presentOffset = -1,       \
                           .tagOffset = -1, .unionOffset = 0, .unionSize = 0, .members = kMembers_##T,         \
                           .nMembers = 1, .elems = kElems_##T, .matrix = kMatrix_oneList,                      \
                           .rows = kRows_oneList, .nElems = 1, .nStates = 2, .childNs = kNs, .ownNs = kNs,     \
                           .module = &kModule, .listType = true, .childByNameOnly = true, PX_HANDLER_ENTRIES(T)};

CAPS_STRING_LIST(tns_languagestype_supported, "tns_l", "l")
CAPS_STRING_LIST(tns_languagestype_notsupported, "tns_l", "l")
CAPS_STRING_LIST(tns_schemestype_supported, "tns_s", "s")
CAPS_STRING_LIST(tns_schemestype_notsupported, "tns_s", "s")

// ----------------------------------------------------------- priority values

// Empty elements whose record is their required integer attributes.
static constexpr Member kMembers_tns_equalstype[] = {
    attribute("tns_value", Kind::Int, kNoBit, offsetof(tns_equalstype, tns_value), "value")};
static constexpr Member kMembers_tns_higherthantype[] = {
    attribute("tns_minvalue", Kind::Int, kNoBit, offsetof(tns_higherthantype, tns_minvalue), "minvalue")};
static constexpr Member kMembers_tns_lowerthantype[] = {
    attribute("tns_maxvalue", Kind::Int, kNoBit, offsetof(tns_lowerthantype, tns_maxvalue), "maxvalue")};
static constexpr Member kMembers_tns_rangetype[] = {
    attribute("tns_minvalue", Kind::Int, kNoBit, offsetof(tns_rangetype, tns_minvalue), "minvalue"),
    attribute("tns_maxvalue", Kind::Int, kNoBit, offsetof(tns_rangetype, tns_maxvalue), "maxvalue")};
static const char* const kAttrs_tns_equalstype[] = {"value"};
static const char* const kAttrs_tns_higherthantype[] = {"minvalue"};
static const char* const kAttrs_tns_lowerthantype[] = {"maxvalue"};
static const char* const kAttrs_tns_rangetype[] = {"minvalue", "maxvalue"};
static const int8_t kAttrMembers_inOrder[] = {0, 1};

#define CAPS_PRIORITY_VALUE(T)                                                                                   \
  static_assert(count(kMembers_##T) == count(kAttrs_##T));                                                     \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::EmptyContent, .size = sizeof(T), .presentOffset = -1,   \
                           .tagOffset = -1, .unionOffset = 0, .unionSize = 0, .members = kMembers_##T,         \
                           .nMembers = count(kMembers_##T), .attrNames = kAttrs_##T,                           \
                           .attrMembers = kAttrMembers_inOrder, .nAttrs = count(kAttrs_##T),                  \
                           .requiredMask = (1u << count(kAttrs_##T)) - 1, .ownNs = kNs, .module = &kModule,    \
                           PX_HANDLER_ENTRIES(T)};
PX_CAPS_PRIORITY_VALUES(CAPS_PRIORITY_VALUE)

// The element of values above a threshold is spelled "higherhan", and only
// that spelling is written or accepted.
static constexpr Member kMembers_tns_prioritytypes[] = {
    element("tns_equals", Kind::RecordList, kNoBit, offsetof(tns_prioritytypes, tns_equals), "equals", kNs, 0,
            kUnbounded, &kDesc_tns_equalstype),
    element("tns_higherhan", Kind::RecordList, kNoBit, offsetof(tns_prioritytypes, tns_higherhan), "higherhan", kNs,
            0, kUnbounded, &kDesc_tns_higherthantype),
    element("tns_lowerthan", Kind::RecordList, kNoBit, offsetof(tns_prioritytypes, tns_lowerthan), "lowerthan", kNs,
            0, kUnbounded, &kDesc_tns_lowerthantype),
    element("tns_range", Kind::RecordList, kNoBit, offsetof(tns_prioritytypes, tns_range), "range", kNs, 0,
            kUnbounded, &kDesc_tns_rangetype),
    wildcard("tns__any", offsetof(tns_prioritytypes, tns__any), kNs),
};
static_assert(membersFit(kMembers_tns_prioritytypes, sizeof(tns_prioritytypes)));
static constexpr RtXmlElemInfo kElems_tns_prioritytypes[] = {
    {"equals", kNs, 0, kUnbounded}, {"higherhan", kNs, 0, kUnbounded}, {"lowerthan", kNs, 0, kUnbounded},
    {"range", kNs, 0, kUnbounded},  {"", kNs, 0, kUnbounded},
};
static constexpr auto kOrder_tns_prioritytypes = caps::inOrder(kElems_tns_prioritytypes);
const TypeDesc kDesc_tns_prioritytypes{
    .name = "tns_prioritytypes", .shape = Shape::Sequence, .size = sizeof(tns_prioritytypes), .presentOffset = -1,
    .tagOffset = -1, .unionOffset = 0, .unionSize = 0, .members = kMembers_tns_prioritytypes,
    .nMembers = count(kMembers_tns_prioritytypes),
    CAPS_SEQUENCE(kElems_tns_prioritytypes, kOrder_tns_prioritytypes), .childNs = kNs,
    .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(tns_prioritytypes)};

// ------------------------------------------------------------ support pairs

static const RtXmlElemInfo kElems_pair[] = {{"supported", kNs, 0, 1}, {"notsupported", kNs, 0, 1}};
static const uint8_t kMatrix_pair[] = {
    //                s0      s1
    /* supported    */ 1, kNo,
    /* notsupported */ kFinal, kFinal,
};
static const ElemRow kRows_pair[] = {{0}, {1}};

#define CAPS_SUPPORT_PAIR(T, SUPPORTED, NOTSUPPORTED)                                                             \
  static constexpr Member kMembers_##T[] = {                                                                     \
      element("tns_supported", Kind::Record, 0, offsetof(T, tns_supported), "supported", kNs, 0, 1,             \
              &kDesc_##SUPPORTED),                                                                               \
      element("tns_notsupported", Kind::Record, 1, offsetof(T, tns_notsupported), "notsupported", kNs, 0, 1,    \
              &kDesc_##NOTSUPPORTED)};                                                                           \
  static_assert(membersFit(kMembers_##T, sizeof(T)));                                                           \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::Sequence, .size = sizeof(T),                             \
                           .presentOffset = offsetof(T, present), .tagOffset = -1, .unionOffset = 0,            \
                           .unionSize = 0, .members = kMembers_##T, .nMembers = 2, .elems = kElems_pair,        \
                           .matrix = kMatrix_pair, .rows = kRows_pair, .nElems = 2, .nStates = 2,               \
                           .childNs = kNs, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(T)};

CAPS_SUPPORT_PAIR(tns_methodstype, tns_methodtypes, tns_methodtypes)
CAPS_SUPPORT_PAIR(tns_event_packagestype, tns_eventtypes, tns_eventtypes)
CAPS_SUPPORT_PAIR(tns_extensionstype, tns_extensiontypes, tns_extensiontypes)
CAPS_SUPPORT_PAIR(tns_actortype, tns_actortypes, tns_actortypes)
CAPS_SUPPORT_PAIR(tns_classtype, tns_classtypes, tns_classtypes)
CAPS_SUPPORT_PAIR(tns_duplextype, tns_duplextypes, tns_duplextypes)
CAPS_SUPPORT_PAIR(tns_prioritytype, tns_prioritytypes, tns_prioritytypes)
CAPS_SUPPORT_PAIR(tns_mobilitytype, tns_mobilitytypes, tns_mobilitytypes)
CAPS_SUPPORT_PAIR(tns_languagestype, tns_languagestype_supported, tns_languagestype_notsupported)
CAPS_SUPPORT_PAIR(tns_schemestype, tns_schemestype_supported, tns_schemestype_notsupported)

// -------------------------------------------------------------- description

// Text with a language, shaped as the PIDF note.
static constexpr Member kMembers_tns_descriptiontype[] = {
    textValue(Kind::Text, offsetof(tns_descriptiontype, value)),
    attribute("tns_lang", Kind::Text, 0, offsetof(tns_descriptiontype, tns_lang), "xml:lang"),
    nsAttrs(offsetof(tns_descriptiontype, nsAttrs)),
};
static_assert(membersFit(kMembers_tns_descriptiontype, sizeof(tns_descriptiontype)));
static const char* const kAttrs_tns_descriptiontype[] = {"lang"};
static const int8_t kAttrMembers_tns_descriptiontype[] = {1};
const TypeDesc kDesc_tns_descriptiontype{
    .name = "tns_descriptiontype", .shape = Shape::SimpleContent, .size = sizeof(tns_descriptiontype),
    .presentOffset = offsetof(tns_descriptiontype, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_descriptiontype, .nMembers = count(kMembers_tns_descriptiontype),
    .attrNames = kAttrs_tns_descriptiontype, .attrMembers = kAttrMembers_tns_descriptiontype, .nAttrs = 1,
    .nsAttrsMember = 2, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(tns_descriptiontype)};

// ----------------------------------------------------------------- servcaps

// Booleans and MIME types are simple-typed children, converted by the
// servcaps handler itself at their end tags.
#define CAPS_PAIR_MEMBER(FIELD, BIT, NAME, TYPE) \
  element(#FIELD, Kind::Record, BIT, offsetof(tns_servcapstype, FIELD), NAME, kNs, 0, 1, &kDesc_##TYPE)
#define CAPS_BOOL_MEMBER(FIELD, BIT, NAME) \
  element(#FIELD, Kind::Bool, BIT, offsetof(tns_servcapstype, FIELD), NAME, kNs, 0, 1)
static constexpr Member kMembers_tns_servcapstype[] = {
    CAPS_PAIR_MEMBER(tns_actor, 0, "actor", tns_actortype),
    CAPS_BOOL_MEMBER(tns_application, 1, "application"),
    CAPS_BOOL_MEMBER(tns_audio, 2, "audio"),
    CAPS_BOOL_MEMBER(tns_automata, 3, "automata"),
    CAPS_PAIR_MEMBER(tns_class, 4, "class", tns_classtype),
    CAPS_BOOL_MEMBER(tns_control, 5, "control"),
    CAPS_BOOL_MEMBER(tns_data, 6, "data"),
    element("tns_description", Kind::RecordList, kNoBit, offsetof(tns_servcapstype, tns_description), "description",
            kNs, 0, kUnbounded, &kDesc_tns_descriptiontype),
    CAPS_PAIR_MEMBER(tns_duplex, 7, "duplex", tns_duplextype),
    CAPS_PAIR_MEMBER(tns_event_packages, 8, "event-packages", tns_event_packagestype),
    CAPS_PAIR_MEMBER(tns_extensions, 9, "extensions", tns_extensionstype),
    CAPS_BOOL_MEMBER(tns_isfocus, 10, "isfocus"),
    CAPS_BOOL_MEMBER(tns_message, 11, "message"),
    CAPS_PAIR_MEMBER(tns_methods, 12, "methods", tns_methodstype),
    CAPS_PAIR_MEMBER(tns_languages, 13, "languages", tns_languagestype),
    CAPS_PAIR_MEMBER(tns_priority, 14, "priority", tns_prioritytype),
    CAPS_PAIR_MEMBER(tns_schemes, 15, "schemes", tns_schemestype),
    CAPS_BOOL_MEMBER(tns_text, 16, "text"),
    element("tns_type", Kind::TextList, kNoBit, offsetof(tns_servcapstype, tns_type), "type", kNs, 0, kUnbounded),
    CAPS_BOOL_MEMBER(tns_video, 17, "video"),
    wildcard("tns__any", offsetof(tns_servcapstype, tns__any), kNs),
    anyAttr(offsetof(tns_servcapstype, _anyAttr)),
};
static_assert(membersFit(kMembers_tns_servcapstype, sizeof(tns_servcapstype)));
static constexpr RtXmlElemInfo kElems_tns_servcapstype[] = {
    {"actor", kNs, 0, 1},          {"application", kNs, 0, 1},
    {"audio", kNs, 0, 1},          {"automata", kNs, 0, 1},
    {"class", kNs, 0, 1},          {"control", kNs, 0, 1},
    {"data", kNs, 0, 1},           {"description", kNs, 0, kUnbounded},
    {"duplex", kNs, 0, 1},         {"event-packages", kNs, 0, 1},
    {"extensions", kNs, 0, 1},     {"isfocus", kNs, 0, 1},
    {"message", kNs, 0, 1},        {"methods", kNs, 0, 1},
    {"languages", kNs, 0, 1},      {"priority", kNs, 0, 1},
    {"schemes", kNs, 0, 1},        {"text", kNs, 0, 1},
    {"type", kNs, 0, kUnbounded},  {"video", kNs, 0, 1},
    {"", kNs, 0, kUnbounded},
};
static_assert(count(kElems_tns_servcapstype) + 1 == count(kMembers_tns_servcapstype), "a row per element member");
static constexpr auto kOrder_tns_servcapstype = caps::inOrder(kElems_tns_servcapstype);
const TypeDesc kDesc_tns_servcapstype{
    .name = "tns_servcapstype", .shape = Shape::Sequence, .size = sizeof(tns_servcapstype),
    .presentOffset = offsetof(tns_servcapstype, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_servcapstype, .nMembers = count(kMembers_tns_servcapstype),
    CAPS_SEQUENCE(kElems_tns_servcapstype, kOrder_tns_servcapstype), .anyAttrMember = 21,
    .childNs = kNs, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(tns_servcapstype)};

// ------------------------------------------------------------------ devcaps

static constexpr Member kMembers_tns_devcaps[] = {
    element("tns_description", Kind::RecordList, kNoBit, offsetof(tns_devcaps, tns_description), "description", kNs,
            0, kUnbounded, &kDesc_tns_descriptiontype),
    element("tns_mobility", Kind::Record, 0, offsetof(tns_devcaps, tns_mobility), "mobility", kNs, 0, 1,
            &kDesc_tns_mobilitytype),
    wildcard("tns__any", offsetof(tns_devcaps, tns__any), kNs),
    anyAttr(offsetof(tns_devcaps, _anyAttr)),
};
static_assert(membersFit(kMembers_tns_devcaps, sizeof(tns_devcaps)));
static constexpr RtXmlElemInfo kElems_tns_devcaps[] = {
    {"description", kNs, 0, kUnbounded}, {"mobility", kNs, 0, 1}, {"", kNs, 0, kUnbounded}};
static constexpr auto kOrder_tns_devcaps = caps::inOrder(kElems_tns_devcaps);
const TypeDesc kDesc_tns_devcaps{
    .name = "tns_devcaps", .shape = Shape::Sequence, .size = sizeof(tns_devcaps),
    .presentOffset = offsetof(tns_devcaps, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_tns_devcaps, .nMembers = count(kMembers_tns_devcaps),
    CAPS_SEQUENCE(kElems_tns_devcaps, kOrder_tns_devcaps), .anyAttrMember = 3, .childNs = kNs,
    .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(tns_devcaps)};

// ---------------------------------------------------------------- documents

const DocDesc kDoc_tns_servcaps{"servcaps", &kDesc_tns_servcapstype, Kind::Text, kNs, "tns", nullptr, -1, &kModule};
const DocDesc kDoc_tns_devcaps{"devcaps", &kDesc_tns_devcaps, Kind::Text, kNs, "tns", nullptr, -1, &kModule};

// ------------------------------------------- initialisation, release, append

PX_CAPS_RECORDS(PX_DEFINE_INIT)
PX_CAPS_PRIORITY_VALUES(PX_DEFINE_INIT)
PX_CAPS_RECORDS(PX_DEFINE_FREE)
PX_CAPS_STRING_LISTS(PX_DEFINE_APPEND)
