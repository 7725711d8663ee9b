// Records to JSON, by member kind.
#include <cmath>
#include <vector>

#include "json/json_codec.h"

namespace pxjson {

using namespace pxs;

namespace {

const char* cstr(const OSUTF8CHAR* p) { return reinterpret_cast<const char*>(p); }

Json text(const RtXmlString& s) { return s.value ? Json(cstr(s.value)) : Json(nullptr); }

Json listOf(const RtDList& list, const std::function<Json(const void*)>& item) {
  Json out = Json::array();
  for (const RtDListNode* n = list.head; n; n = n->next)
    if (n->data) out.push_back(item(n->data));
  return out;
}

Json memberValue(RtContext* ctxt, const Member& m, const void* p, const Decorate& decorate, const void* outer);

Json choiceValue(RtContext* ctxt, const TypeDesc* d, const void* record, const Decorate& decorate, const void* outer) {
  Json out = Json::object();
  if (const Member* alt = alternative(d, tagValue(d, record)))
    out[alt->field] =
        alt->kind == Kind::Empty ? Json(true) : memberValue(ctxt, *alt, at<char>(record, alt->offset), decorate, outer);
  return out;
}

Json memberValue(RtContext* ctxt, const Member& m, const void* p, const Decorate& decorate, const void* outer) {
  switch (m.kind) {
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime:
      return text(*static_cast<const RtXmlString*>(p));
    case Kind::Bool:
      return Json(*static_cast<const OSBOOL*>(p) != 0);
    case Kind::Int:
      return Json(*static_cast<const int32_t*>(p));
    case Kind::UInt:
      return Json(*static_cast<const uint32_t*>(p));
    case Kind::UInt64:
      return Json(*static_cast<const uint64_t*>(p));
    case Kind::Decimal: {
      double v = *static_cast<const double*>(p);
      return std::isfinite(v) ? Json(v) : Json(nullptr);
    }
    case Kind::Enum: {
      uint16_t v = *static_cast<const uint16_t*>(p);
      return Json(m.simple && m.simple->toString ? cstr(m.simple->toString(v)) : "_UNKNOWN_");
    }
    case Kind::Record:
      return recordToJson(ctxt, m.type, p, decorate, outer);
    case Kind::Choice:
      return choiceValue(ctxt, m.type, p, decorate, outer);
    case Kind::RecordList:
    case Kind::SeqList:
      return listOf(*static_cast<const RtDList*>(p), [&](const void* r) { return recordToJson(ctxt, m.type, r, decorate, outer); });
    case Kind::TextList:
      return listOf(*static_cast<const RtDList*>(p), [](const void* s) { return text(*static_cast<const RtXmlString*>(s)); });
    case Kind::AnyList:
      return listOf(*static_cast<const RtDList*>(p), [&](const void* s) {
        const auto& element = *static_cast<const RtXmlString*>(s);
        Json out = text(element);
        if (decorate && element.value) decorate(element, &out);
        return out;
      });
    case Kind::AnyAttr:
      return listOf(*static_cast<const RtDList*>(p), [](const void* a) {
        const auto* nv = static_cast<const RtNameValue*>(a);
        Json out = {{"name", nv->name ? cstr(nv->name) : ""}, {"value", nv->value ? cstr(nv->value) : ""}};
        if (nv->nsUri) out["ns"] = cstr(nv->nsUri);
        return out;
      });
    case Kind::NsAttrs:
      return listOf(*static_cast<const RtDList*>(p), [](const void* a) {
        const auto* ns = static_cast<const RtXmlNamespace*>(a);
        return Json{{"prefix", ns->prefix ? cstr(ns->prefix) : ""}, {"uri", ns->uri ? cstr(ns->uri) : ""}};
      });
    case Kind::Empty:
      return Json(true);
  }
  return Json(nullptr);
}

// The namespace declarations a record keeps, as {"prefix": "uri"}: those
// beyond its enclosing record's (a partial presence operation mostly has
// none of its own), so that the JSON grows with the document, not with the
// product of its operations and its root's declarations.
void keptDeclarations(RtContext* ctxt, const void* record, const void* outer, Json* out) {
  std::vector<RtXmlNamespace> decls(16);
  int n = rtXmlNSGetKeptInner(ctxt, record, outer, decls.data(), static_cast<int>(decls.size()));
  if (n > static_cast<int>(decls.size())) {
    decls.resize(static_cast<size_t>(n));
    n = rtXmlNSGetKeptInner(ctxt, record, outer, decls.data(), n);
  }
  if (n <= 0) return;
  Json all = Json::object();
  for (int i = 0; i < n; ++i) all[cstr(decls[i].prefix)] = cstr(decls[i].uri);
  (*out)["xmlns"] = std::move(all);
}

}  // namespace

Json recordToJson(RtContext* ctxt, const TypeDesc* d, const void* record, const Decorate& decorate, const void* outer) {
  if (d->shape == Shape::Choice) return choiceValue(ctxt, d, record, decorate, outer);
  Json out = Json::object();
  if (d->keepsScope) {
    keptDeclarations(ctxt, record, outer, &out);
    outer = record;
  }
  if (d->shape == Shape::ChoiceContent) out.update(choiceValue(ctxt, d, record, decorate, outer));
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    const Member& m = d->members[i];
    if (m.role == Role::Alternative || !isPresent(d, record, m)) continue;
    // Empty lists say nothing; leaving them out keeps the JSON readable.
    bool list = m.kind == Kind::RecordList || m.kind == Kind::SeqList || m.kind == Kind::TextList ||
                m.kind == Kind::AnyList || m.kind == Kind::AnyAttr || m.kind == Kind::NsAttrs;
    if (list && at<RtDList>(record, m.offset)->count == 0) continue;
    out[m.field] = memberValue(ctxt, m, at<char>(record, m.offset), decorate, outer);
  }
  return out;
}

Json documentToJson(RtContext* ctxt, const DocDesc* doc, const void* record, const Decorate& decorate) {
  Json out = Json::object();
  if (doc->type) out[doc->elemName] = recordToJson(ctxt, doc->type, record, decorate);
  else out[doc->elemName] = text(*static_cast<const RtXmlString*>(record));
  return out;
}

}  // namespace pxjson
