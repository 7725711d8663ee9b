// The library's documents as C++ types: one tag per document under px::doc
// (named like its C operations, px::doc::rpid_mood for PxXmlD_rpid_mood)
// holding its record type, root element, namespace index and operations;
// the record type -> document table for the record types only one document
// uses; and the same operations behind one signature for every document
// (DocumentInfo), found by root element and namespace.
#ifndef PXXML_SIMPLE_CXX_DOCUMENTS_HPP
#define PXXML_SIMPLE_CXX_DOCUMENTS_HPP

#include <cstring>
#include <new>
#include <string_view>
#include <type_traits>

#include "pxxml/simple/cxx/tables.hpp"
#include "pxxml/simple/simple.h"

// Every document: (operation name, record type, root element, namespace
// index, BY_TYPE when no other document has its record type, else SHARED).
#define PX_CXX_RECORD_DOCUMENTS(X)                                                          \
  X(tns_presence, tns_presence, "presence", PX_NS_PIDF, BY_TYPE)                            \
  X(tns_watcherinfo, tns__watcherinfo, "watcherinfo", PX_NS_WATCHERINFO, BY_TYPE)           \
  X(tns_watcher_list, tns__watcher_list, "watcher-list", PX_NS_WATCHERINFO, BY_TYPE)        \
  X(tns_watcher, tns__watcher, "watcher", PX_NS_WATCHERINFO, BY_TYPE)                       \
  X(rpid_activities, rpid__activities, "activities", PX_NS_RPID, SHARED)                    \
  X(rpid_mood, rpid__mood, "mood", PX_NS_RPID, SHARED)                                      \
  X(rpid_place_is, rpid__place_is, "place-is", PX_NS_RPID, BY_TYPE)                         \
  X(rpid_place_type, rpid__place_type, "place-type", PX_NS_RPID, BY_TYPE)                   \
  X(rpid_privacy, rpid__privacy, "privacy", PX_NS_RPID, BY_TYPE)                            \
  X(rpid_sphere, rpid__sphere, "sphere", PX_NS_RPID, BY_TYPE)                               \
  X(rpid_relationship, rpid__relationship, "relationship", PX_NS_RPID, BY_TYPE)             \
  X(rpid_service_class, rpid__service_class, "service-class", PX_NS_RPID, BY_TYPE)          \
  X(rpid_status_icon, rpid__status_icon, "status-icon", PX_NS_RPID, BY_TYPE)                \
  X(rpid_time_offset, rpid__time_offset, "time-offset", PX_NS_RPID, BY_TYPE)                \
  X(rpid_user_input, rpid__user_input, "user-input", PX_NS_RPID, BY_TYPE)                   \
  X(rlmi_list, rlmi__list, "list", PX_NS_RLMI, BY_TYPE)                                     \
  X(rlmi_resource, rlmi__resource, "resource", PX_NS_RLMI, BY_TYPE)                         \
  X(rlmi_instance, rlmi__instance, "instance", PX_NS_RLMI, BY_TYPE)                         \
  X(rlmi_name, rlmi__name, "name", PX_NS_RLMI, BY_TYPE)                                     \
  X(tns_geopriv, tns_geopriv, "geopriv", PX_NS_GEOPRIV, BY_TYPE)                            \
  X(dm_person, dm__person, "person", PX_NS_DATAMODEL, BY_TYPE)                              \
  X(dm_device, dm__device, "device", PX_NS_DATAMODEL, BY_TYPE)                              \
  X(tns_servcaps, tns_servcapstype, "servcaps", PX_NS_CAPS, BY_TYPE)                        \
  X(tns_devcaps, tns_devcaps, "devcaps", PX_NS_CAPS, BY_TYPE)                               \
  X(partial_pidf_diff, partial__pidf_diff, "pidf-diff", PX_NS_PIDF_DIFF, BY_TYPE)           \
  X(partial_pidf_full, partial__pidf_full, "pidf-full", PX_NS_PIDF_DIFF, BY_TYPE)
// Documents whose root has a simple type: the record is one RtXmlString.
#define PX_CXX_TEXT_DOCUMENTS(X)                                   \
  X(rpid_class, RtXmlString, "class", PX_NS_RPID)                  \
  X(dm_deviceID, deviceID_t, "deviceID", PX_NS_DATAMODEL)          \
  X(cipid_card, RtXmlString, "card", PX_NS_CIPID)                  \
  X(cipid_display_name, RtXmlString, "display-name", PX_NS_CIPID)  \
  X(cipid_homepage, RtXmlString, "homepage", PX_NS_CIPID)          \
  X(cipid_icon, RtXmlString, "icon", PX_NS_CIPID)                  \
  X(cipid_map, RtXmlString, "map", PX_NS_CIPID)                    \
  X(cipid_sound, RtXmlString, "sound", PX_NS_CIPID)

namespace px {

namespace doc {

#define PX_CXX_RECORD_DOCUMENT(PE, T, ELEMENT, NS, KEY)                                          \
  struct PE {                                                                                    \
    using record = ::T;                                                                          \
    static constexpr const char* name = #PE;                                                     \
    static constexpr const char* element = ELEMENT;                                              \
    static constexpr int ns = NS;                                                                \
    static int init(RtContext* c, record* r) { return PxInit_##T(c, r); }                        \
    static void release(RtContext* c, record* r) { PxMemFree_##T(c, r); }                        \
    static int decode(RtContext* c, record* r) { return PxXmlD_##PE(c, r); }                     \
    static int validate(RtContext* c) { return PxXmlV_##PE(c); }                                 \
    static int encode(RtContext* c, record* r) { return PxXmlE_##PE(c, r); }                     \
    static void print(const char* n, const record* r) { PxPrint_##T(n, r); }                     \
    template <class R, class F>                                                                  \
    static void foreign_lists(R& r, F&& f) {                                                     \
      ::px::detail::walk_##T(r, f);                                                              \
    }                                                                                            \
  };
#define PX_CXX_TEXT_DOCUMENT(PE, T, ELEMENT, NS)                                                 \
  struct PE {                                                                                    \
    using record = ::T;                                                                          \
    static constexpr const char* name = #PE;                                                     \
    static constexpr const char* element = ELEMENT;                                              \
    static constexpr int ns = NS;                                                                \
    static int init(RtContext*, record* r) {                                                     \
      *r = record{0, nullptr};                                                                   \
      return 0;                                                                                  \
    }                                                                                            \
    static void release(RtContext* c, record* r) {                                               \
      rtxMemHeapFreePtr(c, r->value);                                                            \
      r->value = nullptr;                                                                        \
    }                                                                                            \
    static int decode(RtContext* c, record* r) { return PxXmlD_##PE(c, r); }                     \
    static int validate(RtContext* c) { return PxXmlV_##PE(c); }                                 \
    static int encode(RtContext* c, record* r) { return PxXmlE_##PE(c, r); }                     \
    static void print(const char* n, const record* r) { rtxPrintCharStr(n, r->value); }         \
    template <class R, class F>                                                                  \
    static void foreign_lists(R&, F&&) {}                                                        \
  };
PX_CXX_RECORD_DOCUMENTS(PX_CXX_RECORD_DOCUMENT)
PX_CXX_TEXT_DOCUMENTS(PX_CXX_TEXT_DOCUMENT)
#undef PX_CXX_RECORD_DOCUMENT
#undef PX_CXX_TEXT_DOCUMENT

}  // namespace doc

namespace detail {
// The record type of several documents: name the document instead.
struct shared_record_type {};
}  // namespace detail

// The document of a record type that only one document uses.
template <class Record>
struct document_for {};
#define PX_CXX_DOCUMENT_FOR_BY_TYPE(PE, T) \
  template <>                              \
  struct document_for<::T> {               \
    using type = doc::PE;                  \
  };
#define PX_CXX_DOCUMENT_FOR_SHARED(PE, T)
#define PX_CXX_DOCUMENT_FOR(PE, T, ELEMENT, NS, KEY) PX_CXX_DOCUMENT_FOR_##KEY(PE, T)
PX_CXX_RECORD_DOCUMENTS(PX_CXX_DOCUMENT_FOR)
#undef PX_CXX_DOCUMENT_FOR
#undef PX_CXX_DOCUMENT_FOR_BY_TYPE
#undef PX_CXX_DOCUMENT_FOR_SHARED
template <>
struct document_for<rpid__activities> {
  using type = detail::shared_record_type;
};
template <>
struct document_for<RtXmlString> {
  using type = detail::shared_record_type;
};

namespace detail {

template <class T, class = void>
struct is_document : std::false_type {};
template <class T>
struct is_document<T, std::void_t<typename T::record, decltype(T::element)>> : std::true_type {};

template <class T, class = void>
struct record_document {
  using type = void;
};
template <class T>
struct record_document<T, std::void_t<typename document_for<T>::type>> {
  using type = typename document_for<T>::type;
};

// A document tag, or a record type's document; a readable error otherwise.
template <class T>
struct document_of {
  using found = std::conditional_t<is_document<T>::value, T, typename record_document<T>::type>;
  static_assert(!std::is_void_v<found>, "no document has this record type: name one, px::doc::tns_presence say");
  static_assert(!std::is_same_v<found, shared_record_type>,
                "several documents share this record type (rpid__activities and rpid__mood; the texts of class, "
                "deviceID and CIPID): name the document, px::doc::rpid_mood say");
  using type = std::conditional_t<is_document<found>::value, found, doc::tns_presence>;
};

}  // namespace detail

// The document a tag names, or the document of a record type.
template <class T>
using document_t = typename detail::document_of<T>::type;

// A document's operations behind one signature, for records known only at
// run time (the foreign elements of a document).
struct DocumentInfo {
  const char* name;     // "rpid_activities"
  const char* element;  // "activities"
  int ns;               // PX_NS_RPID
  void* (*create)(RtContext*);          // a new initialised record; null without memory
  void (*destroy)(RtContext*, void*);   // release and delete
  int (*decode)(RtContext*, void*);     // the context's input into the record
  int (*encode)(RtContext*, void*);
  int (*validate)(RtContext*);
  // f(list, user) for every list of kept foreign elements in the record.
  void (*foreign_lists)(void* record, void (*f)(RtDList&, void*), void* user);
};

namespace detail {

template <class D>
struct Dispatch {
  using R = typename D::record;
  static void* create(RtContext* c) {
    R* r = new (std::nothrow) R{};
    if (r) D::init(c, r);
    return r;
  }
  static void destroy(RtContext* c, void* r) {
    D::release(c, static_cast<R*>(r));
    delete static_cast<R*>(r);
  }
  static int decode(RtContext* c, void* r) { return D::decode(c, static_cast<R*>(r)); }
  static int encode(RtContext* c, void* r) { return D::encode(c, static_cast<R*>(r)); }
  static void lists(void* r, void (*f)(RtDList&, void*), void* user) {
    D::foreign_lists(*static_cast<R*>(r), [&](RtDList& list) { f(list, user); });
  }
};

}  // namespace detail

template <class D>
inline constexpr DocumentInfo document_info{D::name,
                                            D::element,
                                            D::ns,
                                            &detail::Dispatch<D>::create,
                                            &detail::Dispatch<D>::destroy,
                                            &detail::Dispatch<D>::decode,
                                            &detail::Dispatch<D>::encode,
                                            &D::validate,
                                            &detail::Dispatch<D>::lists};

#define PX_CXX_DOCUMENT_INFO(PE, ...) &document_info<doc::PE>,
inline constexpr const DocumentInfo* all_documents[] = {
    PX_CXX_RECORD_DOCUMENTS(PX_CXX_DOCUMENT_INFO) PX_CXX_TEXT_DOCUMENTS(PX_CXX_DOCUMENT_INFO)};
#undef PX_CXX_DOCUMENT_INFO

// The document whose root has this local name in the namespace of this
// index, or null.
inline const DocumentInfo* find_document(std::string_view element, int ns) noexcept {
  for (const DocumentInfo* d : all_documents)
    if (d->ns == ns && element == d->element) return d;
  return nullptr;
}

}  // namespace px

#endif
