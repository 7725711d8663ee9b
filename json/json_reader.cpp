// JSON to records, by member kind: the inverse of the writer, strict about
// names and types so that a typing error in a hand-edited file is reported
// where it is, not encoded as something else.
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "families/engines.h"
#include "families/registry.h"
#include "json/json_codec.h"

namespace pxjson {

using namespace pxs;

namespace {

const OSUTF8CHAR* u8(const char* s) { return reinterpret_cast<const OSUTF8CHAR*>(s); }

class Reader {
 public:
  Reader(RtContext* ctxt, std::string* error) : ctxt_(ctxt), error_(error) {}

  bool record(const TypeDesc* d, const Json& j, void* record, const std::string& path);

 private:
  bool fail(const std::string& path, const std::string& what) {
    *error_ = (path.empty() ? std::string("/") : path) + ": " + what;
    return false;
  }
  const char* copy(const std::string& s) { return reinterpret_cast<const char*>(rtxUTF8Strdup(ctxt_, u8(s.c_str()))); }

  bool text(const Json& j, RtXmlString* out, const std::string& path) {
    if (j.is_null()) return true;
    if (!j.is_string()) return fail(path, "a text is expected here");
    out->value = u8(copy(j.get<std::string>()));
    return out->value ? true : fail(path, "out of memory");
  }
  template <typename T>
  bool integer(const Json& j, T* out, const std::string& path) {
    bool fits = j.is_number_integer() &&
                (j.is_number_unsigned() ? j.get<uint64_t>() <= std::numeric_limits<T>::max()
                                        : j.get<int64_t>() >= static_cast<int64_t>(std::numeric_limits<T>::min()) &&
                                              j.get<int64_t>() <= static_cast<int64_t>(std::numeric_limits<T>::max()));
    if (!fits) return fail(path, "an integer from " + std::to_string(std::numeric_limits<T>::min()) + " to " +
                                     std::to_string(std::numeric_limits<T>::max()) + " is expected here");
    *out = j.get<T>();
    return true;
  }
  bool value(const Member& m, const Json& j, void* p, const std::string& path);
  // A record's kept declarations: its enclosing record's (keptOuter_), with
  // those it gives over them (a record written with the whole set gives
  // them all, which comes to the same).
  bool declarations(const Json* j, const void* record, const std::string& path) {
    if (j && !j->is_object()) return fail(path, "declarations are {\"prefix\": \"uri\", ...}");
    std::vector<std::string> texts;
    if (j) {
      for (auto it = j->begin(); it != j->end(); ++it) {
        if (!it.value().is_string()) return fail(path + "/" + it.key(), "a namespace URI is expected here");
        texts.push_back(it.key());
        texts.push_back(it.value().get<std::string>());
      }
    }
    std::vector<RtXmlNamespace> decls;
    for (size_t i = 0; i < texts.size(); i += 2) decls.push_back({u8(texts[i].c_str()), u8(texts[i + 1].c_str())});
    rtXmlNSSetKeptInner(ctxt_, record, keptOuter_, decls.data(), static_cast<int>(decls.size()));
    return true;
  }
  bool choice(const TypeDesc* d, const Json& j, void* record, const std::string& path);
  bool foreignElement(const Json& j, RtXmlString* out, const std::string& path);
  template <typename Item>
  bool list(const Json& j, RtDList* out, const std::string& path, Item&& item);

  RtContext* ctxt_;
  std::string* error_;
  const void* keptOuter_ = nullptr;  // the nearest enclosing record that keeps declarations
};

template <typename Item>
bool Reader::list(const Json& j, RtDList* out, const std::string& path, Item&& item) {
  if (!j.is_array()) return fail(path, "an array is expected here");
  for (size_t i = 0; i < j.size(); ++i) {
    void* p = item(j[i], path + "/" + std::to_string(i));
    if (!p) return false;
    if (!rtxDListAppend(ctxt_, out, p)) return fail(path, "out of memory");
  }
  return true;
}

// A kept foreign element: its XML text, or a document of the library as
// JSON ({"person": {...}}), written as a self-contained element.
bool Reader::foreignElement(const Json& j, RtXmlString* out, const std::string& path) {
  if (j.is_string()) return text(j, out, path);
  if (!j.is_object()) return fail(path, "a foreign element is its XML text or an object");
  if (j.contains("xml")) return text(j["xml"], out, path + "/xml");
  std::string why;
  const DocDesc* doc = documentOf(j, &why);
  if (!doc) return fail(path, why);
  std::vector<char> record(doc->type ? doc->type->size : sizeof(RtXmlString));
  if (doc->type) clearRecord(doc->type, record.data());
  if (!documentFromJson(ctxt_, doc, j, record.data(), error_)) {
    *error_ = path + *error_;
    return false;
  }
  // The element alone, declaring the namespace it is in as its default.
  const OSUTF8CHAR* uri = rtXmlNSDefaultURITable(nullptr)[doc->nsIndex];
  RtXmlNamespace pair{nullptr, uri};
  size_t mark = 0;
  rtxGetOutput(ctxt_, &mark);
  int st = doc->type ? encodeType(ctxt_, doc->type, record.data(), u8(doc->elemName), &pair)
                     : rtXmlEncString(ctxt_, reinterpret_cast<const RtXmlString*>(record.data()), u8(doc->elemName), &pair);
  size_t end = 0;
  const char* written = rtxGetOutput(ctxt_, &end);
  if (st == 0) out->value = rtxUTF8Strndup(ctxt_, u8(written + mark), end - mark);
  ctxt_->buffer.byteIndex = mark;
  if (doc->type) releaseRecord(ctxt_, doc->type, record.data());
  if (st != 0) return fail(path, std::string("the element cannot be written: ") + rtxStatusName(st));
  return out->value ? true : fail(path, "out of memory");
}

bool Reader::choice(const TypeDesc* d, const Json& j, void* record, const std::string& path) {
  if (!j.is_object()) return fail(path, "an object naming the chosen alternative is expected here");
  uint16_t tag = 0;
  for (auto it = j.begin(); it != j.end(); ++it) {
    uint16_t n = 0;
    const Member* alt = nullptr;
    for (uint8_t i = 0; i < d->nMembers && !alt; ++i)
      if (d->members[i].role == Role::Alternative && (++n, it.key() == d->members[i].field)) alt = &d->members[i];
    if (!alt) {
      if (d->shape == Shape::ChoiceContent) continue;  // attributes of the same record
      return fail(path, "\"" + it.key() + "\" is no alternative of " + d->name);
    }
    if (tag) return fail(path, "a choice takes one alternative, not two");
    tag = n;
    *tagOf(d, record) = tag;
    std::string where = path + "/" + it.key();
    if (alt->kind == Kind::Empty) {
      if (!it.value().is_boolean() || !it.value().get<bool>()) return fail(where, "an empty alternative is true");
    } else if (!value(*alt, it.value(), at<char>(record, alt->offset), where)) {
      return false;
    }
  }
  return true;
}

bool Reader::value(const Member& m, const Json& j, void* p, const std::string& path) {
  switch (m.kind) {
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime:
      return text(j, static_cast<RtXmlString*>(p), path);
    case Kind::Bool:
      if (!j.is_boolean()) return fail(path, "true or false is expected here");
      *static_cast<OSBOOL*>(p) = j.get<bool>();
      return true;
    case Kind::Int:
      return integer(j, static_cast<int32_t*>(p), path);
    case Kind::UInt:
      return integer(j, static_cast<uint32_t*>(p), path);
    case Kind::UInt64:
      return integer(j, static_cast<uint64_t*>(p), path);
    case Kind::Decimal:
      if (!j.is_number()) return fail(path, "a number is expected here");
      *static_cast<double*>(p) = j.get<double>();
      return true;
    case Kind::Enum: {
      if (!j.is_string() || !m.simple || !m.simple->toEnum) return fail(path, "an enumeration text is expected here");
      std::string s = j.get<std::string>();
      if (m.simple->toEnum(u8(s.c_str()), s.size(), static_cast<uint16_t*>(p)) != 0) {
        std::string allowed;
        for (uint16_t v = 0; v < m.simple->enumCount; ++v)
          allowed += (v ? ", \"" : "\"") + std::string(reinterpret_cast<const char*>(m.simple->toString(v))) + "\"";
        return fail(path, "\"" + s + "\" is not one of " + allowed);
      }
      return true;
    }
    case Kind::Record:
      clearRecord(m.type, p);
      return record(m.type, j, p, path);
    case Kind::Choice:
      clearRecord(m.type, p);
      return choice(m.type, j, p, path);
    case Kind::RecordList:
    case Kind::SeqList:
      return list(j, static_cast<RtDList*>(p), path, [&](const Json& item, const std::string& where) -> void* {
        void* r = rtxMemHeapAlloc(ctxt_, m.type->size);
        if (!r) return fail(where, "out of memory"), nullptr;
        clearRecord(m.type, r);
        return record(m.type, item, r, where) ? r : nullptr;
      });
    case Kind::TextList:
    case Kind::AnyList:
      return list(j, static_cast<RtDList*>(p), path, [&](const Json& item, const std::string& where) -> void* {
        auto* s = static_cast<RtXmlString*>(rtxMemHeapAllocZ(ctxt_, sizeof(RtXmlString)));
        if (!s) return fail(where, "out of memory"), nullptr;
        bool ok = m.kind == Kind::AnyList ? foreignElement(item, s, where) : text(item, s, where);
        return ok && s->value ? s : (ok && fail(where, "a text is expected here"), nullptr);
      });
    case Kind::AnyAttr:
      return list(j, static_cast<RtDList*>(p), path, [&](const Json& item, const std::string& where) -> void* {
        if (!item.is_object() || !item.contains("name") || !item["name"].is_string() || !item.contains("value") ||
            !item["value"].is_string())
          return fail(where, "an attribute is {\"name\": text, \"value\": text}"), nullptr;
        auto* nv = static_cast<RtNameValue*>(rtxMemHeapAllocZ(ctxt_, sizeof(RtNameValue)));
        if (!nv) return fail(where, "out of memory"), nullptr;
        nv->name = u8(copy(item["name"].get<std::string>()));
        nv->value = u8(copy(item["value"].get<std::string>()));
        if (item.contains("ns") && item["ns"].is_string()) nv->nsUri = u8(copy(item["ns"].get<std::string>()));
        return nv;
      });
    case Kind::NsAttrs:
      return list(j, static_cast<RtDList*>(p), path, [&](const Json& item, const std::string& where) -> void* {
        if (!item.is_object() || !item.contains("uri") || !item["uri"].is_string())
          return fail(where, "a namespace declaration is {\"prefix\": text, \"uri\": text}"), nullptr;
        auto* ns = static_cast<RtXmlNamespace*>(rtxMemHeapAllocZ(ctxt_, sizeof(RtXmlNamespace)));
        if (!ns) return fail(where, "out of memory"), nullptr;
        std::string prefix = item.contains("prefix") && item["prefix"].is_string() ? item["prefix"].get<std::string>() : "";
        ns->prefix = prefix.empty() ? nullptr : u8(copy(prefix));
        ns->uri = u8(copy(item["uri"].get<std::string>()));
        return ns;
      });
    case Kind::Empty:
      if (!j.is_boolean()) return fail(path, "true or false is expected here");
      return true;
  }
  return fail(path, "cannot be read");
}

bool Reader::record(const TypeDesc* d, const Json& j, void* record, const std::string& path) {
  if (d->shape == Shape::Choice) return choice(d, j, record, path);
  if (!j.is_object()) return fail(path, std::string("an object (") + d->name + ") is expected here");
  // The declarations first, whatever the key order: the members inside
  // keep theirs over these.
  const void* outer = keptOuter_;
  if (d->keepsScope) {
    auto xmlns = j.find("xmlns");
    if (!declarations(xmlns == j.end() ? nullptr : &*xmlns, record, path + "/xmlns")) return false;
    keptOuter_ = record;
  }
  struct Restore {
    const void*& at;
    const void* was;
    ~Restore() { at = was; }
  } restore{keptOuter_, outer};
  if (d->shape == Shape::ChoiceContent && !choice(d, j, record, path)) return false;
  for (auto it = j.begin(); it != j.end(); ++it) {
    const Member* m = nullptr;
    for (uint8_t i = 0; i < d->nMembers && !m; ++i)
      if (it.key() == d->members[i].field) m = &d->members[i];
    if (m && m->role == Role::Alternative) continue;  // read by choice() above
    std::string where = path + "/" + it.key();
    if (!m && d->keepsScope && it.key() == "xmlns") continue;  // read above
    if (!m) {
      std::string known;
      for (uint8_t i = 0; i < d->nMembers; ++i)
        if (d->members[i].role != Role::Alternative) known += (known.empty() ? "" : ", ") + std::string(d->members[i].field);
      return fail(where, std::string("no member of ") + d->name + " has this name (members: " + known + ")");
    }
    if (!value(*m, it.value(), at<char>(record, m->offset), where)) return false;
    if (m->kind != Kind::Empty || it.value().get<bool>()) setBit(d, record, *m);
  }
  return true;
}

}  // namespace

const DocDesc* documentOf(const Json& json, std::string* error) {
  if (!json.is_object() || json.size() != 1) {
    *error = "a document is an object with one member named after its root element, such as {\"presence\": {...}}";
    return nullptr;
  }
  std::string root = json.begin().key();
  size_t n = 0;
  const DocDesc* const* docs = allDocuments(&n);
  for (size_t i = 0; i < n; ++i)
    if (root == docs[i]->elemName) return docs[i];
  *error = "\"" + root + "\" is not the root element of any document the library knows";
  return nullptr;
}

bool documentFromJson(RtContext* ctxt, const DocDesc* doc, const Json& json, void* record, std::string* error) {
  Reader reader(ctxt, error);
  std::string path = std::string("/") + doc->elemName;
  const Json& body = json.begin().value();
  if (doc->type) return reader.record(doc->type, body, record, path);
  auto* text = static_cast<RtXmlString*>(record);
  if (!body.is_string()) {
    *error = path + ": the text of the element is expected here";
    return false;
  }
  text->value = rtxUTF8Strdup(ctxt, u8(body.get<std::string>().c_str()));
  return true;
}

}  // namespace pxjson
