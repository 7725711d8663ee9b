// Written by pxnames from the library's tables; do not edit.
//
// walk_<record>(record, f) calls f(list) for every list of kept foreign
// elements (RtDList of RtXmlString*) the record holds, at any depth: through
// present members, the chosen alternative of a choice, and list items. The
// record may be const. choice_names::<choice>[t] is the name of alternative t
// ("" for 0, nothing chosen).
#ifndef PXXML_SIMPLE_CXX_TABLES_HPP
#define PXXML_SIMPLE_CXX_TABLES_HPP

#include <type_traits>

#include "pxxml/simple/simple.h"

namespace px {
namespace detail {

// A list item as T, const when the record holding the list is.
template <class T, class R>
std::conditional_t<std::is_const_v<R>, const T, T>& item(R&, void* data) {
  return *static_cast<std::conditional_t<std::is_const_v<R>, const T, T>*>(data);
}

template <class R, class F>
void walk_tns__watcher_list(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns__watcherinfo(R& r, F& f) {
  for (RtDListNode* n = r.tns_watcher_list.head; n; n = n->next)
    if (n->data) walk_tns__watcher_list(item<tns__watcher_list>(r, n->data), f);
  f(r.tns__any);
}

template <class R, class F>
void walk_tns__watcher(R& r, F& f) {
  (void)r;
  (void)f;
}

template <class R, class F>
void walk_rpid__activities_5(R& r, F& f) {
  if (r.t == RPID__ACTIVITIES_5_ANY) f(r.u.rpid__any);
}

template <class R, class F>
void walk_rpid__activities_4(R& r, F& f) {
  walk_rpid__activities_5(r.rpid__choice1, f);
}

template <class R, class F>
void walk_rpid__activities_2(R& r, F& f) {
  if (r.t == RPID__ACTIVITIES_2_SEQ2) {
    for (RtDListNode* n = r.u.rpid__seq2.head; n; n = n->next)
      if (n->data) walk_rpid__activities_4(item<rpid__activities_4>(r, n->data), f);
  }
}

template <class R, class F>
void walk_rpid__activities(R& r, F& f) {
  walk_rpid__activities_2(r.rpid__choice2, f);
}

template <class R, class F>
void walk_rpid__mood_5(R& r, F& f) {
  if (r.t == RPID__MOOD_5_ANY) f(r.u.rpid__any);
}

template <class R, class F>
void walk_rpid__mood_4(R& r, F& f) {
  walk_rpid__mood_5(r.rpid__choice1, f);
}

template <class R, class F>
void walk_rpid__mood_2(R& r, F& f) {
  if (r.t == RPID__MOOD_2_SEQ2) {
    for (RtDListNode* n = r.u.rpid__seq2.head; n; n = n->next)
      if (n->data) walk_rpid__mood_4(item<rpid__mood_4>(r, n->data), f);
  }
}

template <class R, class F>
void walk_rpid__mood(R& r, F& f) {
  walk_rpid__mood_2(r.rpid__choice2, f);
}

template <class R, class F>
void walk_rpid__place_is(R& r, F& f) {
  (void)r;
  (void)f;
}

template <class R, class F>
void walk_rpid__place_type_2(R& r, F& f) {
  if (r.t == RPID__PLACE_TYPE_2_ANY) f(r.u.rpid__any);
}

template <class R, class F>
void walk_rpid__place_type(R& r, F& f) {
  walk_rpid__place_type_2(r.rpid__choice2, f);
}

template <class R, class F>
void walk_rpid__privacy_4(R& r, F& f) {
  f(r.rpid__any);
}

template <class R, class F>
void walk_rpid__privacy_2(R& r, F& f) {
  if (r.t == RPID__PRIVACY_2_SEQ2) walk_rpid__privacy_4(r.u.rpid__seq2, f);
}

template <class R, class F>
void walk_rpid__privacy(R& r, F& f) {
  walk_rpid__privacy_2(r.rpid__choice2, f);
}

template <class R, class F>
void walk_rpid__sphere(R& r, F& f) {
  if (r.t == RPID__SPHERE_ANY) f(r.u.rpid__any);
}

template <class R, class F>
void walk_rpid__relationship_2(R& r, F& f) {
  if (r.t == RPID__RELATIONSHIP_2_ANY) f(r.u.rpid__any);
}

template <class R, class F>
void walk_rpid__relationship(R& r, F& f) {
  walk_rpid__relationship_2(r.rpid__choice2, f);
}

template <class R, class F>
void walk_rpid__service_class_2(R& r, F& f) {
  if (r.t == RPID__SERVICE_CLASS_2_ANY) f(r.u.rpid__any);
}

template <class R, class F>
void walk_rpid__service_class(R& r, F& f) {
  walk_rpid__service_class_2(r.rpid__choice2, f);
}

template <class R, class F>
void walk_rpid__status_icon(R& r, F& f) {
  (void)r;
  (void)f;
}

template <class R, class F>
void walk_rpid__time_offset(R& r, F& f) {
  (void)r;
  (void)f;
}

template <class R, class F>
void walk_rpid__user_input(R& r, F& f) {
  (void)r;
  (void)f;
}

template <class R, class F>
void walk_rlmi__instance(R& r, F& f) {
  f(r.rlmi__any);
}

template <class R, class F>
void walk_rlmi__resource(R& r, F& f) {
  for (RtDListNode* n = r.rlmi_instance.head; n; n = n->next)
    if (n->data) walk_rlmi__instance(item<rlmi__instance>(r, n->data), f);
}

template <class R, class F>
void walk_rlmi__list(R& r, F& f) {
  for (RtDListNode* n = r.rlmi_resource.head; n; n = n->next)
    if (n->data) walk_rlmi__resource(item<rlmi__resource>(r, n->data), f);
}

template <class R, class F>
void walk_rlmi__name(R& r, F& f) {
  (void)r;
  (void)f;
}

template <class R, class F>
void walk_tns_locInfoType(R& r, F& f) {
  f(r);
}

template <class R, class F>
void walk_gbp_locPolicyType(R& r, F& f) {
  f(r.gbp__any);
}

template <class R, class F>
void walk_tns_locProvidedBy(R& r, F& f) {
  f(r);
}

template <class R, class F>
void walk_tns_geopriv(R& r, F& f) {
  walk_tns_locInfoType(r.tns_location_info, f);
  walk_gbp_locPolicyType(r.tns_usage_rules, f);
  if (r.present & TNS_GEOPRIV_PROVIDED_BY) walk_tns_locProvidedBy(r.tns_provided_by, f);
  f(r.tns__any);
}

template <class R, class F>
void walk_dm__person(R& r, F& f) {
  f(r.dm__any);
}

template <class R, class F>
void walk_dm__device(R& r, F& f) {
  f(r.dm__any);
}

template <class R, class F>
void walk_tns_actortypes(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_actortype(R& r, F& f) {
  if (r.present & TNS_ACTORTYPE_SUPPORTED) walk_tns_actortypes(r.tns_supported, f);
  if (r.present & TNS_ACTORTYPE_NOTSUPPORTED) walk_tns_actortypes(r.tns_notsupported, f);
}

template <class R, class F>
void walk_tns_classtypes(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_classtype(R& r, F& f) {
  if (r.present & TNS_CLASSTYPE_SUPPORTED) walk_tns_classtypes(r.tns_supported, f);
  if (r.present & TNS_CLASSTYPE_NOTSUPPORTED) walk_tns_classtypes(r.tns_notsupported, f);
}

template <class R, class F>
void walk_tns_duplextypes(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_duplextype(R& r, F& f) {
  if (r.present & TNS_DUPLEXTYPE_SUPPORTED) walk_tns_duplextypes(r.tns_supported, f);
  if (r.present & TNS_DUPLEXTYPE_NOTSUPPORTED) walk_tns_duplextypes(r.tns_notsupported, f);
}

template <class R, class F>
void walk_tns_eventtypes(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_event_packagestype(R& r, F& f) {
  if (r.present & TNS_EVENT_PACKAGESTYPE_SUPPORTED) walk_tns_eventtypes(r.tns_supported, f);
  if (r.present & TNS_EVENT_PACKAGESTYPE_NOTSUPPORTED) walk_tns_eventtypes(r.tns_notsupported, f);
}

template <class R, class F>
void walk_tns_extensiontypes(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_extensionstype(R& r, F& f) {
  if (r.present & TNS_EXTENSIONSTYPE_SUPPORTED) walk_tns_extensiontypes(r.tns_supported, f);
  if (r.present & TNS_EXTENSIONSTYPE_NOTSUPPORTED) walk_tns_extensiontypes(r.tns_notsupported, f);
}

template <class R, class F>
void walk_tns_methodtypes(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_methodstype(R& r, F& f) {
  if (r.present & TNS_METHODSTYPE_SUPPORTED) walk_tns_methodtypes(r.tns_supported, f);
  if (r.present & TNS_METHODSTYPE_NOTSUPPORTED) walk_tns_methodtypes(r.tns_notsupported, f);
}

template <class R, class F>
void walk_tns_prioritytypes(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_prioritytype(R& r, F& f) {
  if (r.present & TNS_PRIORITYTYPE_SUPPORTED) walk_tns_prioritytypes(r.tns_supported, f);
  if (r.present & TNS_PRIORITYTYPE_NOTSUPPORTED) walk_tns_prioritytypes(r.tns_notsupported, f);
}

template <class R, class F>
void walk_tns_servcapstype(R& r, F& f) {
  if (r.present & TNS_SERVCAPSTYPE_ACTOR) walk_tns_actortype(r.tns_actor, f);
  if (r.present & TNS_SERVCAPSTYPE_CLASS) walk_tns_classtype(r.tns_class, f);
  if (r.present & TNS_SERVCAPSTYPE_DUPLEX) walk_tns_duplextype(r.tns_duplex, f);
  if (r.present & TNS_SERVCAPSTYPE_EVENT_PACKAGES) walk_tns_event_packagestype(r.tns_event_packages, f);
  if (r.present & TNS_SERVCAPSTYPE_EXTENSIONS) walk_tns_extensionstype(r.tns_extensions, f);
  if (r.present & TNS_SERVCAPSTYPE_METHODS) walk_tns_methodstype(r.tns_methods, f);
  if (r.present & TNS_SERVCAPSTYPE_PRIORITY) walk_tns_prioritytype(r.tns_priority, f);
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_mobilitytypes(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_mobilitytype(R& r, F& f) {
  if (r.present & TNS_MOBILITYTYPE_SUPPORTED) walk_tns_mobilitytypes(r.tns_supported, f);
  if (r.present & TNS_MOBILITYTYPE_NOTSUPPORTED) walk_tns_mobilitytypes(r.tns_notsupported, f);
}

template <class R, class F>
void walk_tns_devcaps(R& r, F& f) {
  if (r.present & TNS_DEVCAPS_MOBILITY) walk_tns_mobilitytype(r.tns_mobility, f);
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_status(R& r, F& f) {
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_tuple(R& r, F& f) {
  walk_tns_status(r.tns_status, f);
  f(r.tns__any);
}

template <class R, class F>
void walk_tns_presence(R& r, F& f) {
  for (RtDListNode* n = r.tns_tuple.head; n; n = n->next)
    if (n->data) walk_tns_tuple(item<tns_tuple>(r, n->data), f);
  f(r.tns__any);
}

template <class R, class F>
void walk_partial__pidf_diff(R& r, F& f) {
  (void)r;
  (void)f;
}

template <class R, class F>
void walk_partial__pidf_full(R& r, F& f) {
  for (RtDListNode* n = r.base.tns_tuple.head; n; n = n->next)
    if (n->data) walk_tns_tuple(item<tns_tuple>(r, n->data), f);
  f(r.base.tns__any);
}

}  // namespace detail

namespace choice_names {

inline constexpr const char* rpid__activities_2[] = {"", "unknown", "seq2"};
inline constexpr const char* rpid__activities_5[] = {"", "appointment", "away", "breakfast", "busy", "dinner",
    "holiday", "in-transit", "looking-for-work", "meal", "meeting", "on-the-phone", "performance",
    "permanent-absence", "playing", "presentation", "shopping", "sleeping", "spectator", "steering", "travel",
    "tv", "vacation", "working", "worship", "other", "any"};
inline constexpr const char* rpid__mood_2[] = {"", "unknown", "seq2"};
inline constexpr const char* rpid__mood_5[] = {"", "afraid", "amazed", "angry", "annoyed", "anxious",
    "ashamed", "bored", "brave", "calm", "cold", "confused", "contented", "cranky", "curious", "depressed",
    "disappointed", "disgusted", "distracted", "embarrassed", "excited", "flirtatious", "frustrated", "grumpy",
    "guilty", "happy", "hot", "humbled", "humiliated", "hungry", "hurt", "impressed", "in_awe", "in_love",
    "indignant", "interested", "invincible", "jealous", "lonely", "mean", "moody", "nervous", "neutral",
    "offended", "playful", "proud", "relieved", "remorseful", "restless", "sad", "sarcastic", "serious",
    "shocked", "shy", "sick", "sleepy", "stressed", "surprised", "thirsty", "worried", "other", "any"};
inline constexpr const char* rpid__place_is_audio[] = {"", "noisy", "ok", "quiet", "unknown"};
inline constexpr const char* rpid__place_is_video[] = {"", "toobright", "ok", "dark", "unknown"};
inline constexpr const char* rpid__place_is_text[] = {"", "uncomfortable", "inappropriate", "ok", "unknown"};
inline constexpr const char* rpid__place_type_2[] = {"", "other", "any"};
inline constexpr const char* rpid__privacy_2[] = {"", "unknown", "seq2"};
inline constexpr const char* rpid__sphere[] = {"", "home", "work", "unknown", "any"};
inline constexpr const char* rpid__relationship_2[] = {"", "assistant", "associate", "family", "friend",
    "other", "self", "supervisor", "unknown", "any"};
inline constexpr const char* rpid__service_class_2[] = {"", "courier", "electronic", "freight", "in-person",
    "postal", "unknown", "any"};
inline constexpr const char* partial__pidf_diff_1[] = {"", "add", "replace", "remove"};

}  // namespace choice_names
}  // namespace px

#endif
