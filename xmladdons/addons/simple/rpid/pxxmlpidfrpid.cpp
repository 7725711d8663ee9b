// RPID: record tables, content models, the activeIdle enumeration,
// initialisation and release. Every RPID element carries the shared
// attributes from, until, id and an attribute wildcard (relationship and
// service-class excepted); its children are in the RPID namespace.
#include <cstddef>

#include "rpid/rpid_value_lists.h"

using namespace pxs;
using pxs::rpid::kNs;

namespace pxs::rpid {
const Module kModule{
    "xmladdons/addons/simple/rpid/pxxmlpidfrpid.cpp",    "xmladdons/addons/simple/rpid/pxxmlpidfrpidenc.cpp",
    "xmladdons/addons/simple/rpid/pxxmlpidfrpidsax.cpp", "xmladdons/addons/simple/rpid/pxxmlpidfrpidvldt.cpp",
    "xmladdons/addons/simple/rpid/pxxmlpidfrpiddec.cpp",
};
}  // namespace pxs::rpid

using pxs::rpid::kModule;

PX_ENUM_TABLE(rpid_activeIdle, {"active", 0}, {"idle", 1})
PX_DEFINE_ENUM(rpid_activeIdle)
const SimpleType kSimple_rpid_activeIdle{"rpid_activeIdle", kTable_rpid_activeIdle, 2, Pxrpid_activeIdle_ToEnum,
                                         Pxrpid_activeIdle_ToString};

// The shared attributes, their presence bits starting at `bit`.
#define RPID_SHARED_ATTRIBUTES(T, bit)                                              \
  attribute("from", Kind::DateTime, (bit), offsetof(T, from), "from"),             \
      attribute("until", Kind::DateTime, (bit) + 1, offsetof(T, until), "until"), \
      attribute("rpid_id", Kind::Collapsed, (bit) + 2, offsetof(T, rpid_id), "id"), anyAttr(offsetof(T, _anyAttr))
static const char* const kSharedAttrs[] = {"from", "until", "id"};

constexpr Member notes(size_t offset) {
  return element("rpid_note", Kind::RecordList, kNoBit, offset, "note", kNs, 0, kUnbounded, &kDesc_Note_t);
}
constexpr Member choice2(size_t offset, const TypeDesc* type) {
  return element("rpid__choice2", Kind::Choice, kNoBit, offset, nullptr, kNs, 1, 1, type);
}
// minOccurs: the alternative's minimum as the schema states it (0 for the
// activities marker "unknown" and the relationship "other").
constexpr Member emptyAlt(const char* name, int32_t minOccurs = 1) {
  return Member{name, Kind::Empty, Role::Alternative, kNoBit, 0, name, kNs, minOccurs, 1};
}
template <typename T>
constexpr Member otherAlt(size_t offset, int32_t minOccurs = 1) {
  return Member{"rpid_other", Kind::Record, Role::Alternative, kNoBit, static_cast<uint16_t>(offset), "other", kNs,
                minOccurs, 1, &kDesc_Note_t};
}
constexpr Member anyAlt(size_t offset) {
  return Member{"rpid__any", Kind::AnyList, Role::Alternative, kNoBit, static_cast<uint16_t>(offset), "", kNs, 1,
                kUnbounded};
}

// ------------------------------------------------------- activities, mood

static constexpr const char* kActivities[] = {
    "appointment", "away",      "breakfast", "busy",     "dinner",       "holiday",  "in-transit", "looking-for-work",
    "meal",        "meeting",   "on-the-phone", "performance", "permanent-absence", "playing", "presentation", "shopping",
    "sleeping",    "spectator", "steering",  "travel",   "tv",           "vacation", "working",    "worship"};
static_assert(sizeof kActivities / sizeof kActivities[0] == 24);
static constexpr auto kActivityList = rpid::valueList(kActivities, 0);

static constexpr const char* kMoods[] = {
    "afraid",     "amazed",      "angry",      "annoyed",     "anxious",   "ashamed",   "bored",    "brave",
    "calm",       "cold",        "confused",   "contented",   "cranky",    "curious",   "depressed", "disappointed",
    "disgusted",  "distracted",  "embarrassed", "excited",    "flirtatious", "frustrated", "grumpy", "guilty",
    "happy",      "hot",         "humbled",    "humiliated",  "hungry",    "hurt",      "impressed", "in_awe",
    "in_love",    "indignant",   "interested", "invincible",  "jealous",   "lonely",    "mean",     "moody",
    "nervous",    "neutral",     "offended",   "playful",     "proud",     "relieved",  "remorseful", "restless",
    "sad",        "sarcastic",   "serious",    "shocked",     "shy",       "sick",      "sleepy",   "stressed",
    "surprised",  "thirsty",     "worried"};
static_assert(sizeof kMoods / sizeof kMoods[0] == 59);
static constexpr auto kMoodList = rpid::valueList(kMoods, 1);

// One value (the choice inside a list item).
#define RPID_VALUE_DESC(T, LIST)                                                                                 \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::Choice, .size = sizeof(T), .presentOffset = -1,           \
                           .tagOffset = offsetof(T, t), .unionOffset = offsetof(T, u), .unionSize = sizeof(T::u), \
                           .members = LIST.values, .nMembers = count(LIST.values), .childNs = kNs,               \
                           .module = &kModule};
RPID_VALUE_DESC(rpid__activities_5, kActivityList)
RPID_VALUE_DESC(rpid__mood_5, kMoodList)

// One list item: its value.
static constexpr Member kMembers_rpid__activities_4[] = {
    element("rpid__choice1", Kind::Choice, kNoBit, offsetof(rpid__activities_4, rpid__choice1), nullptr, kNs, 1, 1,
            &kDesc_rpid__activities_5)};
static constexpr Member kMembers_rpid__mood_4[] = {
    element("rpid__choice1", Kind::Choice, kNoBit, offsetof(rpid__mood_4, rpid__choice1), nullptr, kNs, 1, 1,
            &kDesc_rpid__mood_5)};
#define RPID_ITEM_DESC(T)                                                                                      \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::Group, .size = sizeof(T), .presentOffset = -1,          \
                           .tagOffset = -1, .unionOffset = 0, .unionSize = 0, .members = kMembers_##T,         \
                           .nMembers = count(kMembers_##T), .childNs = kNs, .module = &kModule};
RPID_ITEM_DESC(rpid__activities_4)
RPID_ITEM_DESC(rpid__mood_4)

// unknown, or the list of values (at least one).
static constexpr Member kMembers_rpid__activities_2[] = {
    emptyAlt("unknown", 0),
    Member{"rpid__seq2", Kind::SeqList, Role::Alternative, kNoBit, offsetof(rpid__activities_2, u.rpid__seq2),
           nullptr, kNs, 1, kUnbounded, &kDesc_rpid__activities_4}};
static constexpr Member kMembers_rpid__mood_2[] = {
    emptyAlt("unknown"),
    Member{"rpid__seq2", Kind::SeqList, Role::Alternative, kNoBit, offsetof(rpid__mood_2, u.rpid__seq2), nullptr,
           kNs, 1, kUnbounded, &kDesc_rpid__mood_4}};
// An activities element may say nothing; a mood must.
const TypeDesc kDesc_rpid__activities_2{
    .name = "rpid__activities_2", .shape = Shape::Choice, .size = sizeof(rpid__activities_2), .presentOffset = -1,
    .tagOffset = offsetof(rpid__activities_2, t), .unionOffset = offsetof(rpid__activities_2, u),
    .unionSize = sizeof(rpid__activities_2::u), .members = kMembers_rpid__activities_2,
    .nMembers = count(kMembers_rpid__activities_2), .childNs = kNs, .module = &kModule,
    .choiceZeroEncodes = true};
const TypeDesc kDesc_rpid__mood_2{
    .name = "rpid__mood_2", .shape = Shape::Choice, .size = sizeof(rpid__mood_2), .presentOffset = -1,
    .tagOffset = offsetof(rpid__mood_2, t), .unionOffset = offsetof(rpid__mood_2, u),
    .unionSize = sizeof(rpid__mood_2::u), .members = kMembers_rpid__mood_2, .nMembers = count(kMembers_rpid__mood_2),
    .childNs = kNs, .module = &kModule, .choiceRequired = true};

static constexpr Member kMembers_rpid__activities[] = {
    notes(offsetof(rpid__activities, rpid_note)),
    choice2(offsetof(rpid__activities, rpid__choice2), &kDesc_rpid__activities_2),
    RPID_SHARED_ATTRIBUTES(rpid__activities, 0)};
static constexpr Member kMembers_rpid__mood[] = {
    notes(offsetof(rpid__mood, rpid_note)), choice2(offsetof(rpid__mood, rpid__choice2), &kDesc_rpid__mood_2),
    RPID_SHARED_ATTRIBUTES(rpid__mood, 0)};
static const int8_t kAttrMembers_list[] = {2, 3, 4};

#define RPID_LIST_DESC(T, LIST)                                                                                   \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::Sequence, .size = sizeof(T),                              \
                           .presentOffset = offsetof(T, present), .tagOffset = -1, .unionOffset = 0,             \
                           .unionSize = 0, .members = kMembers_##T, .nMembers = count(kMembers_##T),             \
                           .elems = LIST.elems, .matrix = LIST.matrix, .rows = LIST.rows,                        \
                           .nElems = count(LIST.elems), .nStates = 4, .attrNames = kSharedAttrs,                 \
                           .attrMembers = kAttrMembers_list, .nAttrs = 3, .anyAttrMember = 5, .childNs = kNs,    \
                           .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(T)};
RPID_LIST_DESC(rpid__activities, kActivityList)
RPID_LIST_DESC(rpid__mood, kMoodList)

// ------------------------------------------------------------------ place-is

// audio, video, text: exactly one empty child, its row number plus 1 the tag.
#define RPID_CONDITION(T, A, B, C, D)                                                                             \
  static constexpr Member kMembers_##T[] = {emptyAlt(A), emptyAlt(B), emptyAlt(C), emptyAlt(D)};                \
  static const RtXmlElemInfo kElems_##T[] = {{A, kNs, 1, 1}, {B, kNs, 1, 1}, {C, kNs, 1, 1}, {D, kNs, 1, 1}};     \
  static const uint8_t kMatrix_##T[] = {kFinal, kFinal, kFinal, kFinal};                                        \
  static const ElemRow kRows_##T[] = {{-1, 1}, {-1, 2}, {-1, 3}, {-1, 4}};                                        \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::ChoiceContent, .size = sizeof(T), .presentOffset = -1,   \
                           .tagOffset = offsetof(T, t), .unionOffset = sizeof(T), .unionSize = 0,               \
                           .members = kMembers_##T, .nMembers = 4, .elems = kElems_##T, .matrix = kMatrix_##T,  \
                           .rows = kRows_##T, .nElems = 4, .nStates = 1, .childNs = kNs, .module = &kModule,    \
                           .choiceRequired = true, PX_HANDLER_ENTRIES(T)};
RPID_CONDITION(rpid__place_is_audio, "noisy", "ok", "quiet", "unknown")
RPID_CONDITION(rpid__place_is_video, "toobright", "ok", "dark", "unknown")
RPID_CONDITION(rpid__place_is_text, "uncomfortable", "inappropriate", "ok", "unknown")

static constexpr Member kMembers_rpid__place_is[] = {
    notes(offsetof(rpid__place_is, rpid_note)),
    element("rpid_audio", Kind::Record, 0, offsetof(rpid__place_is, rpid_audio), "audio", kNs, 0, 1,
            &kDesc_rpid__place_is_audio),
    element("rpid_video", Kind::Record, 1, offsetof(rpid__place_is, rpid_video), "video", kNs, 0, 1,
            &kDesc_rpid__place_is_video),
    element("rpid_text", Kind::Record, 2, offsetof(rpid__place_is, rpid_text), "text", kNs, 0, 1,
            &kDesc_rpid__place_is_text),
    RPID_SHARED_ATTRIBUTES(rpid__place_is, 3)};
static_assert(membersFit(kMembers_rpid__place_is, sizeof(rpid__place_is)));
static const RtXmlElemInfo kElems_rpid__place_is[] = {
    {"note", kNs, 0, kUnbounded}, {"audio", kNs, 0, 1}, {"video", kNs, 0, 1}, {"text", kNs, 0, 1}};
static const uint8_t kMatrix_rpid__place_is[] = {
    //        s0      s1      s2      s3
    /* note  */ 1, 1, kNo, kNo,
    /* audio */ 2, 2, kNo, kNo,
    /* video */ 3, 3, 3, kNo,
    /* text  */ kFinal, kFinal, kFinal, kFinal,
};
static const ElemRow kRows_rpid__place_is[] = {{0}, {1}, {2}, {3}};
static const int8_t kAttrMembers_rpid__place_is[] = {4, 5, 6};
const TypeDesc kDesc_rpid__place_is{
    .name = "rpid__place_is", .shape = Shape::Sequence, .size = sizeof(rpid__place_is),
    .presentOffset = offsetof(rpid__place_is, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rpid__place_is, .nMembers = count(kMembers_rpid__place_is), .elems = kElems_rpid__place_is,
    .matrix = kMatrix_rpid__place_is, .rows = kRows_rpid__place_is, .nElems = 4, .nStates = 4,
    .attrNames = kSharedAttrs, .attrMembers = kAttrMembers_rpid__place_is, .nAttrs = 3, .anyAttrMember = 7,
    .childNs = kNs, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(rpid__place_is)};

// ---------------------------------------------------------------- place-type

static constexpr Member kMembers_rpid__place_type_2[] = {
    otherAlt<rpid__place_type_2>(offsetof(rpid__place_type_2, u.rpid_other)),
    anyAlt(offsetof(rpid__place_type_2, u.rpid__any))};
const TypeDesc kDesc_rpid__place_type_2{
    .name = "rpid__place_type_2", .shape = Shape::Choice, .size = sizeof(rpid__place_type_2), .presentOffset = -1,
    .tagOffset = offsetof(rpid__place_type_2, t), .unionOffset = offsetof(rpid__place_type_2, u),
    .unionSize = sizeof(rpid__place_type_2::u), .members = kMembers_rpid__place_type_2, .nMembers = 2,
    .childNs = kNs, .module = &kModule, .choiceRequired = true};

static constexpr Member kMembers_rpid__place_type[] = {
    notes(offsetof(rpid__place_type, rpid_note)),
    choice2(offsetof(rpid__place_type, rpid__choice2), &kDesc_rpid__place_type_2),
    RPID_SHARED_ATTRIBUTES(rpid__place_type, 0)};
static const RtXmlElemInfo kElems_rpid__place_type[] = {
    {"note", kNs, 0, kUnbounded}, {"other", kNs, 1, 1}, {"", kNs, 1, kUnbounded}};
static const uint8_t kMatrix_rpid__place_type[] = {
    //        s0 s1  s2
    /* note  */ 1, 1, kNo,
    /* other */ 3, 3, kNo,  // state 3 has no column: nothing follows
    /* any   */ 2, 2, 2,
};
static const ElemRow kRows_rpid__place_type[] = {{0}, {1, 1}, {1, 2}};
const TypeDesc kDesc_rpid__place_type{
    .name = "rpid__place_type", .shape = Shape::Sequence, .size = sizeof(rpid__place_type),
    .presentOffset = offsetof(rpid__place_type, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rpid__place_type, .nMembers = count(kMembers_rpid__place_type),
    .elems = kElems_rpid__place_type, .matrix = kMatrix_rpid__place_type, .rows = kRows_rpid__place_type,
    .nElems = 3, .nStates = 3, .attrNames = kSharedAttrs, .attrMembers = kAttrMembers_list, .nAttrs = 3,
    .anyAttrMember = 5, .childNs = kNs, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(rpid__place_type)};

// ------------------------------------------------------------------- privacy

static constexpr Member kMembers_rpid__privacy_4[] = {
    element("rpid_audio", Kind::Empty, 0, 0, "audio", kNs, 0, 1),
    element("rpid_text", Kind::Empty, 1, 0, "text", kNs, 0, 1),
    element("rpid_video", Kind::Empty, 2, 0, "video", kNs, 0, 1),
    wildcard("rpid__any", offsetof(rpid__privacy_4, rpid__any), kNs)};
const TypeDesc kDesc_rpid__privacy_4{
    .name = "rpid__privacy_4", .shape = Shape::Group, .size = sizeof(rpid__privacy_4),
    .presentOffset = offsetof(rpid__privacy_4, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rpid__privacy_4, .nMembers = count(kMembers_rpid__privacy_4), .childNs = kNs,
    .module = &kModule};

static constexpr Member kMembers_rpid__privacy_2[] = {
    emptyAlt("unknown"),
    Member{"rpid__seq2", Kind::Record, Role::Alternative, kNoBit, offsetof(rpid__privacy_2, u.rpid__seq2), nullptr,
           kNs, 1, 1, &kDesc_rpid__privacy_4}};
// Nothing chosen writes an empty privacy element, which a decoder refuses.
const TypeDesc kDesc_rpid__privacy_2{
    .name = "rpid__privacy_2", .shape = Shape::Choice, .size = sizeof(rpid__privacy_2), .presentOffset = -1,
    .tagOffset = offsetof(rpid__privacy_2, t), .unionOffset = offsetof(rpid__privacy_2, u),
    .unionSize = sizeof(rpid__privacy_2::u), .members = kMembers_rpid__privacy_2, .nMembers = 2, .childNs = kNs,
    .module = &kModule, .choiceZeroEncodes = true, .choiceRequired = true};

static constexpr Member kMembers_rpid__privacy[] = {
    notes(offsetof(rpid__privacy, rpid_note)),
    choice2(offsetof(rpid__privacy, rpid__choice2), &kDesc_rpid__privacy_2),
    RPID_SHARED_ATTRIBUTES(rpid__privacy, 0)};
static const RtXmlElemInfo kElems_rpid__privacy[] = {{"note", kNs, 0, kUnbounded}, {"unknown", kNs, 1, 1},
                                                     {"audio", kNs, 0, 1},         {"text", kNs, 0, 1},
                                                     {"video", kNs, 0, 1},         {"", kNs, 0, kUnbounded}};
static const uint8_t kMatrix_rpid__privacy[] = {
    //          s0 s1  s2   s3   s4   s5   s6
    /* note    */ 1, 1, kNo, kNo, kNo, kNo, kNo,
    /* unknown */ 7, 7, kNo, kNo, kNo, kNo, kNo,  // state 7 has no column
    /* audio   */ 3, 3, 3, kNo, kNo, kNo, kNo,
    /* text    */ 4, 4, 4, 4, kNo, kNo, kNo,
    /* video   */ 5, 5, 5, 5, 5, kNo, kNo,
    /* any     */ 6, 6, 6, 6, 6, 6, 6,
};
// The media and foreign elements fill the group of tag 2.
static const ElemRow kRows_rpid__privacy[] = {{0}, {1, 1}, {1, 2, 0, 0}, {1, 2, 0, 1}, {1, 2, 0, 2}, {1, 2, 0, 3}};
const TypeDesc kDesc_rpid__privacy{
    .name = "rpid__privacy", .shape = Shape::Sequence, .size = sizeof(rpid__privacy),
    .presentOffset = offsetof(rpid__privacy, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rpid__privacy, .nMembers = count(kMembers_rpid__privacy), .elems = kElems_rpid__privacy,
    .matrix = kMatrix_rpid__privacy, .rows = kRows_rpid__privacy, .nElems = 6, .nStates = 7,
    .attrNames = kSharedAttrs, .attrMembers = kAttrMembers_list, .nAttrs = 3, .anyAttrMember = 5, .childNs = kNs,
    .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(rpid__privacy)};

// -------------------------------------------------------------------- sphere

static constexpr Member kMembers_rpid__sphere[] = {
    emptyAlt("home"), emptyAlt("work"), emptyAlt("unknown"), anyAlt(offsetof(rpid__sphere, u.rpid__any)),
    RPID_SHARED_ATTRIBUTES(rpid__sphere, 0)};
static const RtXmlElemInfo kElems_rpid__sphere[] = {
    {"home", kNs, 1, 1}, {"work", kNs, 1, 1}, {"unknown", kNs, 1, 1}, {"", kNs, 1, kUnbounded}};
static const uint8_t kMatrix_rpid__sphere[] = {
    //          s0      s1
    /* home    */ kFinal, kNo,
    /* work    */ kFinal, kNo,
    /* unknown */ kFinal, kNo,
    /* any     */ 1, 1,
};
static const ElemRow kRows_rpid__sphere[] = {{-1, 1}, {-1, 2}, {-1, 3}, {-1, 4}};
static const int8_t kAttrMembers_rpid__sphere[] = {4, 5, 6};
const TypeDesc kDesc_rpid__sphere{
    .name = "rpid__sphere", .shape = Shape::ChoiceContent, .size = sizeof(rpid__sphere),
    .presentOffset = offsetof(rpid__sphere, present), .tagOffset = offsetof(rpid__sphere, t),
    .unionOffset = offsetof(rpid__sphere, u), .unionSize = sizeof(rpid__sphere::u), .members = kMembers_rpid__sphere,
    .nMembers = count(kMembers_rpid__sphere), .elems = kElems_rpid__sphere, .matrix = kMatrix_rpid__sphere,
    .rows = kRows_rpid__sphere, .nElems = 4, .nStates = 2, .attrNames = kSharedAttrs,
    .attrMembers = kAttrMembers_rpid__sphere, .nAttrs = 3, .anyAttrMember = 7, .childNs = kNs, .ownNs = kNs,
    .module = &kModule, .choiceZeroEncodes = true, PX_HANDLER_ENTRIES(rpid__sphere)};

// ---------------------------------------------- relationship, service-class

static constexpr Member kMembers_rpid__relationship_2[] = {
    emptyAlt("assistant"), emptyAlt("associate"), emptyAlt("family"), emptyAlt("friend"),
    otherAlt<rpid__relationship_2>(offsetof(rpid__relationship_2, u.rpid_other), 0),
    emptyAlt("self"), emptyAlt("supervisor"), emptyAlt("unknown"),
    anyAlt(offsetof(rpid__relationship_2, u.rpid__any))};
const TypeDesc kDesc_rpid__relationship_2{
    .name = "rpid__relationship_2", .shape = Shape::Choice, .size = sizeof(rpid__relationship_2),
    .presentOffset = -1, .tagOffset = offsetof(rpid__relationship_2, t),
    .unionOffset = offsetof(rpid__relationship_2, u), .unionSize = sizeof(rpid__relationship_2::u),
    .members = kMembers_rpid__relationship_2, .nMembers = count(kMembers_rpid__relationship_2), .childNs = kNs,
    .module = &kModule, .choiceZeroEncodes = true};

static constexpr Member kMembers_rpid__service_class_2[] = {
    emptyAlt("courier"), emptyAlt("electronic"), emptyAlt("freight"), emptyAlt("in-person"),
    emptyAlt("postal"), emptyAlt("unknown"), anyAlt(offsetof(rpid__service_class_2, u.rpid__any))};
const TypeDesc kDesc_rpid__service_class_2{
    .name = "rpid__service_class_2", .shape = Shape::Choice, .size = sizeof(rpid__service_class_2),
    .presentOffset = -1, .tagOffset = offsetof(rpid__service_class_2, t),
    .unionOffset = offsetof(rpid__service_class_2, u), .unionSize = sizeof(rpid__service_class_2::u),
    .members = kMembers_rpid__service_class_2, .nMembers = count(kMembers_rpid__service_class_2), .childNs = kNs,
    .module = &kModule, .choiceRequired = true};

// Notes, then one value: the row of a value is its tag.
static constexpr uint8_t kMatrix_relationship[] = {
    //         s0 s1  s2
    /* note   */ 1, 1, kNo,
    /* values */ 3, 3, kNo,  // state 3 has no column: nothing follows a named value
    /* any    */ 2, 2, 2,
};
template <size_t N>
struct ValueTable {
  RtXmlElemInfo elems[N + 1];
  ElemRow rows[N + 1];
  uint8_t matrix[(N + 1) * 3];
};
// optional: the value the schema lets occur zero times (relationship's
// "other"), or null.
template <size_t N>
constexpr ValueTable<N + 1> valueTable(const char* const (&names)[N], const char* optional = nullptr) {
  ValueTable<N + 1> t{};
  t.elems[0] = {"note", kNs, 0, kUnbounded};
  t.rows[0] = {0};
  for (size_t i = 0; i <= N; ++i) {
    bool any = i == N;
    int32_t min = !any && optional && compareText(names[i], optional) == 0 ? 0 : 1;
    t.elems[1 + i] = {any ? "" : names[i], kNs, min, any ? kUnbounded : 1};
    t.rows[1 + i] = {1, static_cast<uint16_t>(i + 1)};
  }
  for (size_t row = 0; row <= N + 1; ++row)
    for (size_t s = 0; s < 3; ++s)
      t.matrix[row * 3 + s] = kMatrix_relationship[(row == 0 ? 0 : row == N + 1 ? 2 : 1) * 3 + s];
  return t;
}
static constexpr const char* kRelationships[] = {"assistant", "associate", "family", "friend", "other",
                                             "self",      "supervisor", "unknown"};
static constexpr const char* kServiceClasses[] = {"courier", "electronic", "freight", "in-person", "postal", "unknown"};
static constexpr auto kRelationshipTable = valueTable(kRelationships, "other");
static constexpr auto kServiceClassTable = valueTable(kServiceClasses);

static constexpr Member kMembers_rpid__relationship[] = {
    notes(offsetof(rpid__relationship, rpid_note)),
    choice2(offsetof(rpid__relationship, rpid__choice2), &kDesc_rpid__relationship_2)};
static constexpr Member kMembers_rpid__service_class[] = {
    notes(offsetof(rpid__service_class, rpid_note)),
    choice2(offsetof(rpid__service_class, rpid__choice2), &kDesc_rpid__service_class_2)};
#define RPID_VALUE_ELEMENT_DESC(T, TABLE)                                                                        \
  const TypeDesc kDesc_##T{.name = #T, .shape = Shape::Sequence, .size = sizeof(T), .presentOffset = -1,         \
                           .tagOffset = -1, .unionOffset = 0, .unionSize = 0, .members = kMembers_##T,           \
                           .nMembers = count(kMembers_##T), .elems = TABLE.elems, .matrix = TABLE.matrix,        \
                           .rows = TABLE.rows, .nElems = count(TABLE.elems), .nStates = 3, .childNs = kNs,       \
                           .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(T)};
RPID_VALUE_ELEMENT_DESC(rpid__relationship, kRelationshipTable)
RPID_VALUE_ELEMENT_DESC(rpid__service_class, kServiceClassTable)

// ----------------------------------------------------------- valued elements

static constexpr Member kMembers_rpid__status_icon[] = {
    textValue(Kind::Collapsed, offsetof(rpid__status_icon, value)), RPID_SHARED_ATTRIBUTES(rpid__status_icon, 0),
    nsAttrs(offsetof(rpid__status_icon, nsAttrs))};
static const int8_t kAttrMembers_rpid__status_icon[] = {1, 2, 3};
const TypeDesc kDesc_rpid__status_icon{
    .name = "rpid__status_icon", .shape = Shape::SimpleContent, .size = sizeof(rpid__status_icon),
    .presentOffset = offsetof(rpid__status_icon, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rpid__status_icon, .nMembers = count(kMembers_rpid__status_icon), .attrNames = kSharedAttrs,
    .attrMembers = kAttrMembers_rpid__status_icon, .nAttrs = 3, .anyAttrMember = 4, .nsAttrsMember = 5,
    .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(rpid__status_icon)};

static constexpr Member kMembers_rpid__time_offset[] = {
    textValue(Kind::Int, offsetof(rpid__time_offset, value)),
    attribute("from", Kind::DateTime, 0, offsetof(rpid__time_offset, from), "from"),
    attribute("until", Kind::DateTime, 1, offsetof(rpid__time_offset, until), "until"),
    attribute("rpid_description", Kind::Text, 2, offsetof(rpid__time_offset, rpid_description), "description"),
    attribute("rpid_id", Kind::Collapsed, 3, offsetof(rpid__time_offset, rpid_id), "id"),
    anyAttr(offsetof(rpid__time_offset, _anyAttr)), nsAttrs(offsetof(rpid__time_offset, nsAttrs))};
static const char* const kAttrs_rpid__time_offset[] = {"from", "until", "description", "id"};
static const int8_t kAttrMembers_rpid__time_offset[] = {1, 2, 3, 4};
const TypeDesc kDesc_rpid__time_offset{
    .name = "rpid__time_offset", .shape = Shape::SimpleContent, .size = sizeof(rpid__time_offset),
    .presentOffset = offsetof(rpid__time_offset, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rpid__time_offset, .nMembers = count(kMembers_rpid__time_offset),
    .attrNames = kAttrs_rpid__time_offset, .attrMembers = kAttrMembers_rpid__time_offset, .nAttrs = 4,
    .anyAttrMember = 5, .nsAttrsMember = 6, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(rpid__time_offset)};

static constexpr Member kMembers_rpid__user_input[] = {
    textValue(Kind::Enum, offsetof(rpid__user_input, value), &kSimple_rpid_activeIdle),
    attribute("rpid_idle_threshold", Kind::UInt, 0, offsetof(rpid__user_input, rpid_idle_threshold),
              "idle-threshold", nullptr, 1),
    attribute("rpid_last_input", Kind::DateTime, 1, offsetof(rpid__user_input, rpid_last_input), "last-input"),
    attribute("rpid_id", Kind::Collapsed, 2, offsetof(rpid__user_input, rpid_id), "id"),
    anyAttr(offsetof(rpid__user_input, _anyAttr)), nsAttrs(offsetof(rpid__user_input, nsAttrs))};
static const char* const kAttrs_rpid__user_input[] = {"idle-threshold", "last-input", "id"};
static const int8_t kAttrMembers_rpid__user_input[] = {1, 2, 3};
const TypeDesc kDesc_rpid__user_input{
    .name = "rpid__user_input", .shape = Shape::SimpleContent, .size = sizeof(rpid__user_input),
    .presentOffset = offsetof(rpid__user_input, present), .tagOffset = -1, .unionOffset = 0, .unionSize = 0,
    .members = kMembers_rpid__user_input, .nMembers = count(kMembers_rpid__user_input),
    .attrNames = kAttrs_rpid__user_input, .attrMembers = kAttrMembers_rpid__user_input, .nAttrs = 3,
    .anyAttrMember = 4, .nsAttrsMember = 5, .ownNs = kNs, .module = &kModule, PX_HANDLER_ENTRIES(rpid__user_input)};

// ----------------------------------------------------------------- documents

#define RPID_DOC(PE, ELEM, T) const DocDesc kDoc_##PE{ELEM, &kDesc_##T, Kind::Text, kNs, "rpid", nullptr, -1, &kModule};
RPID_DOC(rpid_activities, "activities", rpid__activities)
RPID_DOC(rpid_mood, "mood", rpid__mood)
RPID_DOC(rpid_place_is, "place-is", rpid__place_is)
RPID_DOC(rpid_place_type, "place-type", rpid__place_type)
RPID_DOC(rpid_privacy, "privacy", rpid__privacy)
RPID_DOC(rpid_sphere, "sphere", rpid__sphere)
RPID_DOC(rpid_relationship, "relationship", rpid__relationship)
RPID_DOC(rpid_service_class, "service-class", rpid__service_class)
RPID_DOC(rpid_status_icon, "status-icon", rpid__status_icon)
RPID_DOC(rpid_time_offset, "time-offset", rpid__time_offset)
RPID_DOC(rpid_user_input, "user-input", rpid__user_input)
// class has a simple type: its text, collapsed, in the default namespace.
const DocDesc kDoc_rpid_class{"class", nullptr, Kind::Collapsed, kNs, nullptr, nullptr, -1, &kModule};

// ---------------------------------------------- initialisation and release

PX_RPID_ELEMENTS(PX_DEFINE_INIT)
PX_RPID_ELEMENTS(PX_DEFINE_FREE)
PX_RPID_PLAIN_ELEMENTS(PX_DEFINE_INIT)
PX_DEFINE_FREE(rpid__relationship)
PX_DEFINE_FREE(rpid__service_class)
PX_RPID_GROUPS(PX_DEFINE_INIT)
PX_RPID_GROUPS(PX_DEFINE_FREE)
