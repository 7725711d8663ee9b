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
};

}  // namespace

const DocumentOps* findDocument(const char* localName, int nsIndex) {
  for (const auto& doc : kDocuments)
    if (doc.nsIndex == nsIndex && std::strcmp(doc.element, localName) == 0) return &doc;
  return nullptr;
}

}  // namespace pxsimple
