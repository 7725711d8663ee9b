#include "schema/descriptor_typing.h"

#include <cstring>

#include "partial_pidf/patch_tables.h"

namespace pxtest::schema {

using pxs::Kind;
using pxs::Member;
using pxs::Role;
using pxs::TypeDesc;

namespace {

bool inNamespace(int nsIndex, const std::string& uri, const std::vector<std::string>& nsUris) {
  if (nsIndex == RT_NS_ANY) return true;
  return nsIndex >= 0 && static_cast<size_t>(nsIndex) < nsUris.size() && nsUris[static_cast<size_t>(nsIndex)] == uri;
}

// The member that takes a child element, searched through the groups and
// choices the type embeds.
const Member* childMember(const TypeDesc* d, const xml::Element& child, const std::vector<std::string>& nsUris) {
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    const Member& m = d->members[i];
    if (m.role != Role::Element && m.role != Role::Alternative) continue;
    bool group = m.kind == Kind::Choice || m.kind == Kind::SeqList || (m.kind == Kind::Record && !m.xmlName);
    if (group && m.type) {
      if (const Member* inner = childMember(m.type, child, nsUris)) return inner;
      continue;
    }
    if (!m.xmlName || !m.xmlName[0]) continue;  // a wildcard
    if (child.local == m.xmlName && (d->childByNameOnly || inNamespace(m.nsIndex, child.ns, nsUris))) return &m;
  }
  return nullptr;
}

const Member* attributeMember(const TypeDesc* d, const xml::Attribute& a) {
  bool lang = a.ns == xml::kXmlNamespace && a.local == "lang";
  if (!lang && !a.ns.empty()) return nullptr;
  for (uint8_t i = 0; i < d->nAttrs; ++i)
    if (std::strcmp(d->attrNames[i], a.local.c_str()) == 0 && (std::strcmp(d->attrNames[i], "lang") == 0) == lang)
      return &d->members[d->attrMembers[i]];
  return nullptr;
}

}  // namespace

xml::ValueKind valueKindOf(Kind kind) {
  switch (kind) {
    case Kind::Collapsed:
    case Kind::Enum:
      return xml::ValueKind::Collapse;
    case Kind::DateTime:
      return xml::ValueKind::DateTime;
    case Kind::Bool:
      return xml::ValueKind::Boolean;
    case Kind::Int:
    case Kind::UInt:
    case Kind::UInt64:
      return xml::ValueKind::Integer;
    case Kind::Decimal:
      return xml::ValueKind::Decimal;
    default:
      return xml::ValueKind::Exact;
  }
}

xml::Typing typingOf(const TypeDesc* d, const std::vector<std::string>& nsUris) {
  xml::Typing t;
  if (d->shape == pxs::Shape::SimpleContent)
    for (uint8_t i = 0; i < d->nMembers; ++i)
      if (d->members[i].role == Role::Value) t.text = valueKindOf(d->members[i].kind);
  t.attribute = [d](const xml::Attribute& a) {
    const Member* m = attributeMember(d, a);
    if (!m) return xml::ValueKind::Exact;
    // Selectors name elements through the declarations around them.
    if (m->simple == &kSimple_xpath || m->simple == &kSimple_xpath_add || m->simple == &kSimple_type)
      return xml::ValueKind::XPath;
    return valueKindOf(m->kind);
  };
  if (d->shape == pxs::Shape::OpenContent) return t;  // kept as text, untyped
  t.child = [d, nsUris](const xml::Element& child) -> xml::Typing {
    const Member* m = childMember(d, child, nsUris);
    if (!m) return {};
    if ((m->kind == Kind::Record || m->kind == Kind::RecordList) && m->type) return typingOf(m->type, nsUris);
    xml::Typing simple;
    simple.text = valueKindOf(m->kind);
    return simple;
  };
  return t;
}

xml::Typing typingOf(const pxs::DocDesc* doc, const std::vector<std::string>& nsUris) {
  if (doc->type) return typingOf(doc->type, nsUris);
  xml::Typing t;
  t.text = valueKindOf(doc->simpleKind);
  return t;
}

}  // namespace pxtest::schema
