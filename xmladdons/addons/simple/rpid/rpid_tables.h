// The RPID module's descriptors, shared by its source files.
#ifndef PXS_RPID_TABLES_H
#define PXS_RPID_TABLES_H

#include "data_model/common_tables.h"
#include "families/tables.h"
#include "pxxml/simple/rpid.h"

namespace pxs::rpid {
extern const Module kModule;
}

#define PX_RPID_DECLARE_DESC(T) extern const pxs::TypeDesc kDesc_##T;
PX_RPID_ELEMENTS(PX_RPID_DECLARE_DESC)
PX_RPID_PLAIN_ELEMENTS(PX_RPID_DECLARE_DESC)
PX_RPID_GROUPS(PX_RPID_DECLARE_DESC)
extern const pxs::SimpleType kSimple_rpid_activeIdle;

#define PX_RPID_DOCUMENTS(X)                                                                                    \
  X(rpid_activities, rpid__activities) X(rpid_mood, rpid__mood) X(rpid_place_is, rpid__place_is)               \
  X(rpid_place_type, rpid__place_type) X(rpid_privacy, rpid__privacy) X(rpid_sphere, rpid__sphere)             \
  X(rpid_relationship, rpid__relationship) X(rpid_service_class, rpid__service_class)                         \
  X(rpid_status_icon, rpid__status_icon) X(rpid_time_offset, rpid__time_offset)                               \
  X(rpid_user_input, rpid__user_input)
#define PX_RPID_DECLARE_DOC(PE, T) extern const pxs::DocDesc kDoc_##PE;
PX_RPID_DOCUMENTS(PX_RPID_DECLARE_DOC)
extern const pxs::DocDesc kDoc_rpid_class;

#endif
