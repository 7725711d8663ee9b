// The record types of each module, one X-macro list per set of types that
// share their operation families: the module sources expand a list once per
// family into the exported definitions (PX_PIDF_RECORDS(PX_DEFINE_INIT)).
// The public headers declare the same operations one by one.
#ifndef PXS_TYPE_LISTS_H
#define PXS_TYPE_LISTS_H

#define PX_PIDF_RECORDS(X) X(tns_presence) X(tns_tuple) X(tns_status) X(tns_contact) X(tns_note)

// RPID: records with attributes and handlers of their own, records with
// handlers but no attributes, and anonymous groups (decoded by their
// owners' handlers).
#define PX_RPID_ELEMENTS(X)                                                                                 \
  X(rpid__activities) X(rpid__mood) X(rpid__place_is) X(rpid__place_type) X(rpid__privacy) X(rpid__sphere) \
  X(rpid__status_icon) X(rpid__time_offset) X(rpid__user_input)
#define PX_RPID_PLAIN_ELEMENTS(X) \
  X(rpid__relationship) X(rpid__service_class) X(rpid__place_is_audio) X(rpid__place_is_video) X(rpid__place_is_text)
#define PX_RPID_GROUPS(X)                                                                                     \
  X(rpid__activities_2) X(rpid__activities_4) X(rpid__activities_5) X(rpid__mood_2) X(rpid__mood_4)           \
  X(rpid__mood_5) X(rpid__place_type_2) X(rpid__privacy_2) X(rpid__privacy_4) X(rpid__relationship_2)        \
  X(rpid__service_class_2)

#define PX_RLMI_RECORDS(X) X(rlmi__list) X(rlmi__resource) X(rlmi__instance) X(rlmi__name)

#define PX_WINFO_ENUMS(X) X(tns__watcher_status) X(tns__watcher_event) X(tns__watcherinfo_state)
#define PX_WINFO_RECORDS(X) X(tns__watcherinfo) X(tns__watcher_list) X(tns__watcher)

#define PX_PATCH_RECORDS(X) X(add) X(replace) X(remove_)
#define PX_PARTIAL_RECORDS(X) X(partial__pidf_diff) X(partial__pidf_diff_1) X(partial__pidf_diff_2) X(partial__pidf_full)

#define PX_DATA_MODEL_RECORDS(X) X(Note_t) X(dm__person) X(dm__device)

#define PX_GEOPRIV_RECORDS(X) \
  X(tns_geopriv) X(tns_locInfoType) X(tns_locMethod) X(tns_locProvidedBy) X(gbp_locPolicyType) X(gbp_notewell)

// Capabilities, by shape (see caps.h).
#define PX_CAPS_BOOLEANS(X)                                                                       \
  X(tns_applicationtype) X(tns_audiotype) X(tns_automatatype) X(tns_controltype) X(tns_datatype) \
  X(tns_isfocustype) X(tns_messagetype) X(tns_texttype) X(tns_videotype)
#define PX_CAPS_NAME_LISTS(X)                                                                    \
  X(tns_methodtypes) X(tns_eventtypes) X(tns_extensiontypes) X(tns_actortypes) X(tns_classtypes) \
  X(tns_duplextypes) X(tns_mobilitytypes)
#define PX_CAPS_SUPPORT_PAIRS(X)                                                                         \
  X(tns_methodstype) X(tns_event_packagestype) X(tns_extensionstype) X(tns_actortype) X(tns_classtype) \
  X(tns_duplextype) X(tns_prioritytype) X(tns_mobilitytype) X(tns_languagestype) X(tns_schemestype)
#define PX_CAPS_STRING_LISTS(X)                                                                  \
  X(tns_languagestype_supported) X(tns_languagestype_notsupported) X(tns_schemestype_supported) \
  X(tns_schemestype_notsupported)
#define PX_CAPS_PRIORITY_VALUES(X) X(tns_equalstype) X(tns_higherthantype) X(tns_lowerthantype) X(tns_rangetype)
// Records that hold something to release.
#define PX_CAPS_RECORDS(X)                                                                  \
  PX_CAPS_NAME_LISTS(X) PX_CAPS_SUPPORT_PAIRS(X) PX_CAPS_STRING_LISTS(X) X(tns_prioritytypes) \
  X(tns_descriptiontype) X(tns_servcapstype) X(tns_devcaps)
// Records with attributes of their own.
#define PX_CAPS_ATTRIBUTED(X) \
  PX_CAPS_PRIORITY_VALUES(X) X(tns_descriptiontype) X(tns_servcapstype) X(tns_devcaps)

#endif
