#include "schema/schema_bindings.h"

#include "caps/caps_tables.h"
#include "data_model/data_model_tables.h"
#include "geopriv/geopriv_tables.h"
#include "partial_pidf/patch_tables.h"
#include "pidf/pidf_tables.h"
#include "rlmi/rlmi_tables.h"
#include "rpid/rpid_tables.h"
#include "winfo/winfo_tables.h"

namespace pxtest::schema {

const std::vector<TypeBinding>& typeBindings() {
  static const std::vector<TypeBinding> kBindings = {
    // PIDF
    {&kDesc_tns_presence, "type pidf:presence"},
    {&kDesc_tns_tuple, "type pidf:tuple"},
    {&kDesc_tns_status, "type pidf:status"},
    {&kDesc_tns_contact, "type pidf:contact"},
    {&kDesc_tns_note, "type pidf:note"},
    // RPID
    {&kDesc_rpid__activities, "element rpid:activities"},
    {&kDesc_rpid__activities_2, "element rpid:activities/2"},
    {&kDesc_rpid__activities_4, "element rpid:activities/2/2"},
    {&kDesc_rpid__activities_5, "element rpid:activities/2/2/1"},
    {&kDesc_rpid__mood, "element rpid:mood"},
    {&kDesc_rpid__mood_2, "element rpid:mood/2"},
    {&kDesc_rpid__mood_4, "element rpid:mood/2/2"},
    {&kDesc_rpid__mood_5, "element rpid:mood/2/2/1"},
    {&kDesc_rpid__place_is, "element rpid:place-is"},
    {&kDesc_rpid__place_is_audio, "element rpid:place-is/audio"},
    {&kDesc_rpid__place_is_video, "element rpid:place-is/video"},
    {&kDesc_rpid__place_is_text, "element rpid:place-is/text"},
    {&kDesc_rpid__place_type, "element rpid:place-type"},
    {&kDesc_rpid__place_type_2, "element rpid:place-type/2"},
    {&kDesc_rpid__privacy, "element rpid:privacy"},
    {&kDesc_rpid__privacy_2, "element rpid:privacy/2"},
    {&kDesc_rpid__privacy_4, "element rpid:privacy/2/2"},
    {&kDesc_rpid__sphere, "element rpid:sphere"},
    {&kDesc_rpid__relationship, "element rpid:relationship"},
    {&kDesc_rpid__relationship_2, "element rpid:relationship/2"},
    {&kDesc_rpid__service_class, "element rpid:service-class"},
    {&kDesc_rpid__service_class_2, "element rpid:service-class/2"},
    {&kDesc_rpid__status_icon, "element rpid:status-icon"},
    {&kDesc_rpid__time_offset, "element rpid:time-offset"},
    {&kDesc_rpid__user_input, "element rpid:user-input"},
    // Data model and its common types
    {&kDesc_Note_t, "type dm:Note_t"},
    {&kDesc_dm__person, "element dm:person"},
    {&kDesc_dm__device, "element dm:device"},
    // Capabilities
    {&kDesc_tns_servcapstype, "type caps:servcapstype"},
    {&kDesc_tns_devcaps, "type caps:devcaps"},
    {&kDesc_tns_descriptiontype, "type caps:descriptiontype"},
    {&kDesc_tns_methodtypes, "type caps:methodtypes"},
    {&kDesc_tns_eventtypes, "type caps:eventtypes"},
    {&kDesc_tns_extensiontypes, "type caps:extensiontypes"},
    {&kDesc_tns_actortypes, "type caps:actortypes"},
    {&kDesc_tns_classtypes, "type caps:classtypes"},
    {&kDesc_tns_duplextypes, "type caps:duplextypes"},
    {&kDesc_tns_mobilitytypes, "type caps:mobilitytypes"},
    {&kDesc_tns_methodstype, "type caps:methodstype"},
    {&kDesc_tns_event_packagestype, "type caps:event-packagestype"},
    {&kDesc_tns_extensionstype, "type caps:extensionstype"},
    {&kDesc_tns_actortype, "type caps:actortype"},
    {&kDesc_tns_classtype, "type caps:classtype"},
    {&kDesc_tns_duplextype, "type caps:duplextype"},
    {&kDesc_tns_prioritytype, "type caps:prioritytype"},
    {&kDesc_tns_mobilitytype, "type caps:mobilitytype"},
    {&kDesc_tns_languagestype, "type caps:languagestype"},
    {&kDesc_tns_schemestype, "type caps:schemestype"},
    {&kDesc_tns_languagestype_supported, "type caps:languagestype/supported"},
    {&kDesc_tns_languagestype_notsupported, "type caps:languagestype/notsupported"},
    {&kDesc_tns_schemestype_supported, "type caps:schemestype/supported"},
    {&kDesc_tns_schemestype_notsupported, "type caps:schemestype/notsupported"},
    {&kDesc_tns_prioritytypes, "type caps:prioritytypes"},
    {&kDesc_tns_equalstype, "type caps:equalstype"},
    {&kDesc_tns_higherthantype, "type caps:higherthantype"},
    {&kDesc_tns_lowerthantype, "type caps:lowerthantype"},
    {&kDesc_tns_rangetype, "type caps:rangetype"},
    // Geopriv and the basic policy
    {&kDesc_tns_geopriv, "type gp:geopriv"},
    {&kDesc_tns_locInfoType, "type gp:locInfoType"},
    {&kDesc_tns_locMethod, "type gp:locMethod"},
    {&kDesc_tns_locProvidedBy, "type gp:locProvidedBy"},
    {&kDesc_gbp_locPolicyType, "type gbp:locPolicyType"},
    {&kDesc_gbp_notewell, "type gbp:notewell"},
    // Watcher information
    {&kDesc_tns__watcherinfo, "element winfo:watcherinfo"},
    {&kDesc_tns__watcher_list, "element winfo:watcher-list"},
    {&kDesc_tns__watcher, "element winfo:watcher"},
    // RLMI
    {&kDesc_rlmi__list, "element rlmi:list"},
    {&kDesc_rlmi__resource, "element rlmi:resource"},
    {&kDesc_rlmi__instance, "element rlmi:instance"},
    {&kDesc_rlmi__name, "element rlmi:name"},
    // Patch operations and partial PIDF
    {&kDesc_add, "type diff:add"},
    {&kDesc_replace, "type diff:replace"},
    {&kDesc_remove_, "type diff:remove"},
    {&kDesc_partial__pidf_diff, "element diff:pidf-diff"},
    {&kDesc_partial__pidf_diff_2, "element diff:pidf-diff/0"},
    {&kDesc_partial__pidf_diff_1, "element diff:pidf-diff/0/1"},
    {&kDesc_partial__pidf_full, "element diff:pidf-full"},
  };
  return kBindings;
}

const std::vector<SimpleBinding>& simpleBindings() {
  static const std::vector<SimpleBinding> kBindings = {
    {&kSimple_tns_basic, "type pidf:basic"},
    {&kSimple_tns_qvalue, "type pidf:qvalue"},
    {&kSimple_tns_applicationtype, "type caps:applicationtype"},
    {&kSimple_tns_audiotype, "type caps:audiotype"},
    {&kSimple_tns_automatatype, "type caps:automatatype"},
    {&kSimple_tns_controltype, "type caps:controltype"},
    {&kSimple_tns_datatype, "type caps:datatype"},
    {&kSimple_tns_isfocustype, "type caps:isfocustype"},
    {&kSimple_tns_messagetype, "type caps:messagetype"},
    {&kSimple_tns_texttype, "type caps:texttype"},
    {&kSimple_tns_videotype, "type caps:videotype"},
    {&kSimple_tns_typetype, "type caps:typetype"},
    {&kSimple_Timestamp_t, "type dm:Timestamp_t"},
    {&kSimple_deviceID_t, "type dm:deviceID_t"},
    {&kSimple_rpid_activeIdle, "type rpid:activeIdle"},
    {&kSimple_pos, "type diff:pos"},
    {&kSimple_ws, "type diff:ws"},
    {&kSimple_xpath, "type diff:xpath"},
    {&kSimple_xpath_add, "type diff:xpath-add"},
    {&kSimple_type, "type diff:type"},
    {&kSimple_rlmi__instance_state, "element rlmi:instance@state"},
    {&kSimple_tns__watcherinfo_state, "element winfo:watcherinfo@state"},
    {&kSimple_tns__watcher_status, "element winfo:watcher@status"},
    {&kSimple_tns__watcher_event, "element winfo:watcher@event"},
  };
  return kBindings;
}

}  // namespace pxtest::schema
