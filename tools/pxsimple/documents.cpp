// Table of the documents pxsimple handles.
#include "documents.h"

#include <cstring>

namespace pxsimple {

namespace {

// Adapters from the typed operations to the uniform signature.
template <typename T, int (*Decode)(RtContext*, T*), int (*Encode)(RtContext*, T*),
          void (*Print)(const char*, const T*), void (*Release)(RtContext*, T*)>
struct Ops {
  static int decode(RtContext* c, void* r) { return Decode(c, static_cast<T*>(r)); }
  static int encode(RtContext* c, void* r) { return Encode(c, static_cast<T*>(r)); }
  static void print(const char* n, const void* r) { Print(n, static_cast<const T*>(r)); }
  static void release(RtContext* c, void* r) { Release(c, static_cast<T*>(r)); }
};

#define PXSIMPLE_DOC(elem, ns, T, PE)                                                                        \
  DocumentOps {                                                                                              \
    elem, ns, sizeof(T), Ops<T, PxXmlD_##PE, PxXmlE_##PE, PxPrint_##T, PxMemFree_##T>::decode, PxXmlV_##PE, \
        Ops<T, PxXmlD_##PE, PxXmlE_##PE, PxPrint_##T, PxMemFree_##T>::encode,                               \
        Ops<T, PxXmlD_##PE, PxXmlE_##PE, PxPrint_##T, PxMemFree_##T>::print,                                \
        Ops<T, PxXmlD_##PE, PxXmlE_##PE, PxPrint_##T, PxMemFree_##T>::release                               \
  }

// Documents of simple type: the record is one text.
template <int (*Decode)(RtContext*, RtXmlString*), int (*Encode)(RtContext*, const RtXmlString*)>
struct TextOps {
  static int decode(RtContext* c, void* r) { return Decode(c, static_cast<RtXmlString*>(r)); }
  static int encode(RtContext* c, void* r) { return Encode(c, static_cast<RtXmlString*>(r)); }
  static void print(const char* n, const void* r) { rtxPrintCharStr(n, static_cast<const RtXmlString*>(r)->value); }
  static void release(RtContext* c, void* r) {
    rtxMemHeapFreePtr(c, static_cast<RtXmlString*>(r)->value);
    static_cast<RtXmlString*>(r)->value = nullptr;
  }
};

#define PXSIMPLE_TEXT_DOC(elem, ns, PE)                                                                   \
  DocumentOps {                                                                                           \
    elem, ns, sizeof(RtXmlString), TextOps<PxXmlD_##PE, PxXmlE_##PE>::decode, PxXmlV_##PE,                 \
        TextOps<PxXmlD_##PE, PxXmlE_##PE>::encode, TextOps<PxXmlD_##PE, PxXmlE_##PE>::print,              \
        TextOps<PxXmlD_##PE, PxXmlE_##PE>::release                                                        \
  }

const DocumentOps kDocuments[] = {
    PXSIMPLE_DOC("presence", PX_NS_PIDF, tns_presence, tns_presence),
    PXSIMPLE_DOC("watcherinfo", PX_NS_WATCHERINFO, tns__watcherinfo, tns_watcherinfo),
    PXSIMPLE_DOC("watcher-list", PX_NS_WATCHERINFO, tns__watcher_list, tns_watcher_list),
    PXSIMPLE_DOC("watcher", PX_NS_WATCHERINFO, tns__watcher, tns_watcher),
    PXSIMPLE_DOC("list", PX_NS_RLMI, rlmi__list, rlmi_list),
    PXSIMPLE_DOC("resource", PX_NS_RLMI, rlmi__resource, rlmi_resource),
    PXSIMPLE_DOC("instance", PX_NS_RLMI, rlmi__instance, rlmi_instance),
    PXSIMPLE_DOC("name", PX_NS_RLMI, rlmi__name, rlmi_name),
    PXSIMPLE_DOC("pidf-diff", PX_NS_PIDF_DIFF, partial__pidf_diff, partial_pidf_diff),
    PXSIMPLE_DOC("pidf-full", PX_NS_PIDF_DIFF, partial__pidf_full, partial_pidf_full),
    PXSIMPLE_DOC("activities", PX_NS_RPID, rpid__activities, rpid_activities),
    PXSIMPLE_DOC("mood", PX_NS_RPID, rpid__mood, rpid_mood),
    PXSIMPLE_DOC("place-is", PX_NS_RPID, rpid__place_is, rpid_place_is),
    PXSIMPLE_DOC("place-type", PX_NS_RPID, rpid__place_type, rpid_place_type),
    PXSIMPLE_DOC("privacy", PX_NS_RPID, rpid__privacy, rpid_privacy),
    PXSIMPLE_DOC("sphere", PX_NS_RPID, rpid__sphere, rpid_sphere),
    PXSIMPLE_DOC("relationship", PX_NS_RPID, rpid__relationship, rpid_relationship),
    PXSIMPLE_DOC("service-class", PX_NS_RPID, rpid__service_class, rpid_service_class),
    PXSIMPLE_DOC("status-icon", PX_NS_RPID, rpid__status_icon, rpid_status_icon),
    PXSIMPLE_DOC("time-offset", PX_NS_RPID, rpid__time_offset, rpid_time_offset),
    PXSIMPLE_DOC("user-input", PX_NS_RPID, rpid__user_input, rpid_user_input),
    PXSIMPLE_TEXT_DOC("class", PX_NS_RPID, rpid_class),
    PXSIMPLE_DOC("geopriv", PX_NS_GEOPRIV, tns_geopriv, tns_geopriv),
    PXSIMPLE_DOC("servcaps", PX_NS_CAPS, tns_servcapstype, tns_servcaps),
    PXSIMPLE_DOC("devcaps", PX_NS_CAPS, tns_devcaps, tns_devcaps),
    PXSIMPLE_DOC("person", PX_NS_DATAMODEL, dm__person, dm_person),
    PXSIMPLE_DOC("device", PX_NS_DATAMODEL, dm__device, dm_device),
    PXSIMPLE_TEXT_DOC("deviceID", PX_NS_DATAMODEL, dm_deviceID),
    PXSIMPLE_TEXT_DOC("card", PX_NS_CIPID, cipid_card),
    PXSIMPLE_TEXT_DOC("display-name", PX_NS_CIPID, cipid_display_name),
    PXSIMPLE_TEXT_DOC("homepage", PX_NS_CIPID, cipid_homepage),
    PXSIMPLE_TEXT_DOC("icon", PX_NS_CIPID, cipid_icon),
    PXSIMPLE_TEXT_DOC("map", PX_NS_CIPID, cipid_map),
    PXSIMPLE_TEXT_DOC("sound", PX_NS_CIPID, cipid_sound),
};

}  // namespace

namespace {

// Looks at the first start tag only: its local name and namespace index.
struct RootProbe {
  RtSaxHandler head;
  std::string local;
  int nsIndex = -1;
};

int probeStart(void* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const*) {
  auto* p = static_cast<RootProbe*>(h);
  if (p->head.level++ == 0) {
    p->local = reinterpret_cast<const char*>(local);
    const OSUTF8CHAR* prefix;
    size_t len;
    rtXmlDecQName(qname, &prefix, &len);
    p->nsIndex = rtXmlNSGetIndex(p->head.context, prefix, len);
  }
  return 0;
}
int probeEnd(void* h, const OSUTF8CHAR*, const OSUTF8CHAR*) {
  static_cast<RootProbe*>(h)->head.level--;
  return 0;
}
int probeChars(void*, const OSUTF8CHAR*, int) { return 0; }

}  // namespace

const DocumentOps* identifyDocument(RtContext* ctxt, std::string* rootName, int* status) {
  RootProbe probe{};
  probe.head.context = ctxt;
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &probe, probeStart, probeEnd, probeChars);
  if (!reader) {
    *status = ST_READER_FAILED;
    return nullptr;
  }
  *status = rtSaxCParse(reader);
  rtSaxCReleaseReader(reader);
  if (rootName) *rootName = probe.local;
  return *status == 0 ? findDocument(probe.local.c_str(), probe.nsIndex) : nullptr;
}

const DocumentOps* findDocument(const char* localName, int nsIndex) {
  for (const auto& doc : kDocuments)
    if (doc.nsIndex == nsIndex && std::strcmp(doc.element, localName) == 0) return &doc;
  return nullptr;
}

}  // namespace pxsimple
