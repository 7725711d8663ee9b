#include "schema/table_check.h"

#include <set>
#include <sstream>

#include "schema/content_language.h"

namespace pxtest::schema {

using pxs::Kind;
using pxs::Member;
using pxs::Role;
using pxs::Shape;
using pxs::TypeDesc;
using xsd::Particle;
using Node = xsd::SchemaSet::Node;

namespace {

const char* kindName(Kind k) {
  switch (k) {
    case Kind::Text: return "text";
    case Kind::Collapsed: return "collapsed text";
    case Kind::DateTime: return "date-time text";
    case Kind::Bool: return "boolean";
    case Kind::Int: return "signed integer";
    case Kind::UInt: return "unsigned integer";
    case Kind::UInt64: return "64-bit unsigned integer";
    case Kind::Decimal: return "decimal";
    case Kind::Enum: return "enumeration";
    case Kind::Record: return "nested record";
    case Kind::RecordList: return "list of records";
    case Kind::TextList: return "list of texts";
    case Kind::AnyList: return "wildcard list";
    case Kind::AnyAttr: return "attribute wildcard";
    case Kind::NsAttrs: return "namespace declarations";
    case Kind::Choice: return "choice";
    case Kind::SeqList: return "list of sequences";
    case Kind::Empty: return "empty element";
  }
  return "?";
}

const char* shapeName(Shape s) {
  switch (s) {
    case Shape::Sequence: return "element content";
    case Shape::SimpleContent: return "simple content";
    case Shape::ChoiceContent: return "one choice";
    case Shape::Choice: return "choice group";
    case Shape::Group: return "sequence group";
    case Shape::EmptyContent: return "empty content";
    case Shape::OpenContent: return "open content";
  }
  return "?";
}

const char* contentName(xsd::Type::Content c) {
  switch (c) {
    case xsd::Type::Content::Empty: return "empty content";
    case xsd::Type::Content::Simple: return "simple content";
    case xsd::Type::Content::ElementOnly: return "element content";
    case xsd::Type::Content::Mixed: return "mixed content";
  }
  return "?";
}

std::string occurs(int min, int max) {
  return std::to_string(min) + ".." + (max == xsd::kUnbounded ? std::string("unbounded") : std::to_string(max));
}

// The member kinds that hold a value of a builtin type, by its local name.
std::set<Kind> kindsFor(const std::string& builtin) {
  static const std::map<std::string, std::set<Kind>> kKinds = {
      {"string", {Kind::Text}},          {"normalizedString", {Kind::Text}}, {"language", {Kind::Text}},
      {"anySimpleType", {Kind::Text}},   {"anyURI", {Kind::Collapsed}},      {"ID", {Kind::Collapsed}},
      {"token", {Kind::Collapsed}},      {"NCName", {Kind::Collapsed}},      {"dateTime", {Kind::DateTime}},
      {"boolean", {Kind::Bool}},         {"integer", {Kind::Int}},           {"int", {Kind::Int}},
      {"unsignedInt", {Kind::UInt}},     {"nonNegativeInteger", {Kind::UInt}}, {"positiveInteger", {Kind::UInt}},
      {"unsignedLong", {Kind::UInt64}},  {"decimal", {Kind::Decimal}},
  };
  auto it = kKinds.find(builtin);
  return it == kKinds.end() ? std::set<Kind>{} : it->second;
}

bool nullable(const Particle& p) {
  if (p.min == 0) return true;
  switch (p.kind) {
    case Particle::Kind::Element:
    case Particle::Kind::Any:
      return false;
    case Particle::Kind::Choice:
      if (p.particles.empty()) return true;
      for (const auto& c : p.particles)
        if (nullable(c)) return true;
      return false;
    default:
      for (const auto& c : p.particles)
        if (!nullable(c)) return false;
      return true;
  }
}

void collectLeaves(const Particle& p, std::vector<const Particle*>* out) {
  if (p.isGroup()) {
    for (const auto& c : p.particles) collectLeaves(c, out);
  } else {
    out->push_back(&p);
  }
}

// The positions of each leaf below the top group, group by group.
void collectLeafPaths(const Particle& p, std::vector<size_t>* at, std::vector<std::vector<size_t>>* out) {
  if (!p.isGroup()) {
    out->push_back(*at);
    return;
  }
  for (size_t i = 0; i < p.particles.size(); ++i) {
    at->push_back(i);
    collectLeafPaths(p.particles[i], at, out);
    at->pop_back();
  }
}

// The k-th member of a role, with its index in the member table.
const Member* nthMember(const TypeDesc* d, Role role, size_t k, int* index) {
  for (uint8_t i = 0; i < d->nMembers; ++i)
    if (d->members[i].role == role && k-- == 0) {
      *index = i;
      return &d->members[i];
    }
  return nullptr;
}

// What the element at `path` must do to the record, derived from the
// member structure: which member it fills, the tag it chooses, the tag of
// a new item's choice, or the member of an embedded group. False when the
// structure cannot be followed (reported elsewhere).
bool expectedRow(const TypeDesc* d, bool wholeIsOneGroup, const std::vector<size_t>& path, pxs::ElemRow* row) {
  *row = pxs::ElemRow{-1};
  size_t at = 0;
  int index = -1;
  if (d->shape == Shape::ChoiceContent) {
    row->tag = static_cast<uint16_t>(path[0] + 1);
    return true;
  }
  const Member* m = nthMember(d, Role::Element, wholeIsOneGroup ? 0 : path[at++], &index);
  if (!m) return false;
  row->member = static_cast<int8_t>(index);
  if (m->kind == Kind::Choice && m->type && at < path.size()) {
    row->tag = static_cast<uint16_t>(path[at] + 1);
    const Member* alt = nthMember(m->type, Role::Alternative, path[at++], &index);
    if (!alt) return false;
    m = alt;
  }
  if (at == path.size()) return true;
  if (!m->type) return false;
  if (m->kind == Kind::SeqList) {  // a new item, whose own choice the element sets
    const Member* c = nthMember(m->type, Role::Element, path[at++], &index);
    if (!c || c->kind != Kind::Choice || at >= path.size()) return false;
    row->itemTag = static_cast<uint16_t>(path[at] + 1);
    return true;
  }
  if (m->kind == Kind::Record) {  // an embedded group
    if (!nthMember(m->type, Role::Element, path[at], &index)) return false;
    row->inner = static_cast<int8_t>(index);
    return true;
  }
  return false;
}

bool hasFacets(const xsd::Type* t) {
  for (; t && t->variety == xsd::Type::Variety::Simple; t = t->base)
    if (!t->enumerations.empty() || !t->patterns.empty()) return true;
  return false;
}

}  // namespace

std::string TableCheck::nsName(int index) const {
  if (index == RT_NS_ANY) return "any namespace";
  if (index >= 0 && static_cast<size_t>(index) < nsUris_.size()) return "{" + nsUris_[static_cast<size_t>(index)] + "}";
  return "namespace index " + std::to_string(index);
}

int TableCheck::nsIndex(const std::string& uri) const {
  for (size_t i = 0; i < nsUris_.size(); ++i)
    if (nsUris_[i] == uri) return static_cast<int>(i);
  return -100;
}

bool TableCheck::sameNode(const Node& a, const Node& b) const {
  if (a.type && b.type) return a.type == b.type || (a.type->source && a.type->source == b.type->source);
  if (a.particle && b.particle)
    return a.particle == b.particle || (a.particle->source && a.particle->source == b.particle->source);
  return false;
}

// The namespace index a wildcard row must carry: the type's own namespace
// stands for ##other, RT_NS_ANY for ##any.
int TableCheck::expectedWildcardNs(const Particle& any, std::string* problem) const {
  if (any.anyNamespace == "##other") return nsIndex(any.anyTargetNamespace);
  if (any.anyNamespace == "##any") return RT_NS_ANY;
  *problem = "wildcard namespace \"" + any.anyNamespace + "\" has no table form";
  return -100;
}

void TableCheck::checkType(const TypeDesc* d) {
  auto it = types_.find(d);
  if (it == types_.end()) {
    add(d->name, "binding", "no schema type bound");
    return;
  }
  const Node& node = it->second;
  if (d->shape == Shape::Choice || d->shape == Shape::Group) {
    const Particle* p = node.particle;
    auto want = d->shape == Shape::Choice ? Particle::Kind::Choice : Particle::Kind::Sequence;
    if (!p || p->kind != want) {
      add(d->name, "content", std::string("tables: ") + shapeName(d->shape) + ", schema: another particle");
      return;
    }
    std::vector<const Particle*> ps;
    for (const auto& c : p->particles) ps.push_back(&c);
    checkPresenceBits(d, checkMembers(d, d->shape == Shape::Choice ? Role::Alternative : Role::Element, ps), nullptr);
    return;
  }
  if (!node.type || node.type->isSimple()) {
    add(d->name, "content", "bound to no complex type");
    return;
  }
  checkComplex(d, *node.type);
}

void TableCheck::checkComplex(const TypeDesc* d, const xsd::Type& t) {
  using C = xsd::Type::Content;
  bool topChoice = t.hasParticle && t.particle.kind == Particle::Kind::Choice && t.particle.max == 1;
  bool shapeOk = (d->shape == Shape::Sequence && t.content == C::ElementOnly && !topChoice) ||
                 (d->shape == Shape::ChoiceContent && t.content == C::ElementOnly && topChoice) ||
                 (d->shape == Shape::SimpleContent && t.content == C::Simple) ||
                 (d->shape == Shape::EmptyContent && t.content == C::Empty) ||
                 (d->shape == Shape::OpenContent && t.content == C::Mixed);
  MemberParticles elements;
  if (!shapeOk) {
    add(d->name, "content", std::string("tables: ") + shapeName(d->shape) + ", schema: " + contentName(t.content));
  } else if (d->shape == Shape::Sequence || d->shape == Shape::ChoiceContent) {
    checkRows(d, t.particle);
    std::vector<const Particle*> ps;
    if (d->shape == Shape::ChoiceContent || (t.particle.kind == Particle::Kind::Sequence && t.particle.max == 1)) {
      for (const auto& c : t.particle.particles) ps.push_back(&c);
    } else {
      ps.push_back(&t.particle);  // the whole content is one repeated group
    }
    elements = checkMembers(d, d->shape == Shape::ChoiceContent ? Role::Alternative : Role::Element, ps);
    checkEmptyContent(d, t);
  } else if (d->shape == Shape::SimpleContent) {
    const Member* value = nullptr;
    for (uint8_t i = 0; i < d->nMembers; ++i)
      if (d->members[i].role == Role::Value) value = &d->members[i];
    if (!value)
      add(d->name, "value", "no value member");
    else
      checkValueKind(d->name, "value", *value, t.valueType, false);
  } else if (d->shape == Shape::OpenContent) {
    std::vector<const Particle*> leaves;
    collectLeaves(t.particle, &leaves);
    bool anyOnly = leaves.size() == 1 && leaves[0]->kind == Particle::Kind::Any && leaves[0]->anyNamespace == "##any";
    if (!anyOnly)
      add(d->name, "open content", "schema content is not one wildcard of any namespace");
    else if (leaves[0]->max != xsd::kUnbounded || t.particle.max != 1)
      add(d->name, "open content",
          "tables keep any content as one text; schema allows " + occurs(leaves[0]->min, leaves[0]->max) +
              " element(s) beside text");
  }
  checkAttributes(d, t);
  checkPresenceBits(d, elements, &t);
}

void TableCheck::checkRows(const TypeDesc* d, const Particle& top) {
  std::vector<const Particle*> leaves;
  collectLeaves(top, &leaves);
  if (leaves.size() != d->nElems) {
    add(d->name, "rows",
        "tables: " + std::to_string(d->nElems) + " rows, schema: " + std::to_string(leaves.size()) +
            " elements and wildcards");
    return;
  }
  for (size_t i = 0; i < leaves.size(); ++i) {
    const RtXmlElemInfo& row = d->elems[i];
    const Particle& p = *leaves[i];
    std::string rowName = row.name[0] ? row.name : "(wildcard)";
    std::string aspect = "row " + std::to_string(i) + " " + rowName;
    if (p.kind == Particle::Kind::Any) {
      std::string problem;
      int want = expectedWildcardNs(p, &problem);
      if (row.name[0]) add(d->name, aspect, "tables: a named row, schema: a wildcard");
      if (!problem.empty())
        add(d->name, aspect + " namespace", problem);
      else if (row.nsidx != want)
        add(d->name, aspect + " namespace",
            "tables: " +
                std::string(row.nsidx == RT_NS_ANY ? "elements of any namespace"
                                                   : "elements of namespaces other than " + nsName(row.nsidx)) +
                ", schema: " + p.anyNamespace +
                (p.anyNamespace == "##other" ? " (other than {" + p.anyTargetNamespace + "})" : ""));
    } else {
      if (rowName != p.name.local) add(d->name, aspect, "schema names the element \"" + p.name.local + "\"");
      if (row.nsidx != nsIndex(p.name.ns))
        add(d->name, aspect + " namespace", "tables: " + nsName(row.nsidx) + ", schema: {" + p.name.ns + "}");
      else if (d->childByNameOnly)
        add(d->name, aspect + " namespace",
            "tables take the element by its local name in any namespace, schema: {" + p.name.ns + "} only");
      if (row.nsidx != d->childNs && !d->childByNameOnly)
        add(d->name, aspect + " encoder namespace",
            "children are written in " + nsName(d->childNs) + ", the row says " + nsName(row.nsidx));
    }
    if (row.minOccurs != p.min || row.maxOccurs != p.max)
      add(d->name, aspect + " occurrence",
          "tables: " + occurs(row.minOccurs, row.maxOccurs) + ", schema: " + occurs(p.min, p.max));
  }
  // The decoder takes the previous child's row again without looking
  // further when it fits: no two named rows may take the same element.
  for (size_t i = 0; i < d->nElems; ++i)
    for (size_t j = 0; j < i; ++j)
      if (d->elems[i].name[0] && d->elems[i].nsidx == d->elems[j].nsidx &&
          std::string(d->elems[i].name) == d->elems[j].name)
        add(d->name, "row " + std::to_string(i) + " " + d->elems[i].name + " repeated",
            "row " + std::to_string(j) + " takes the same element");
  checkMatrix(d, top);
  checkRowActions(d, top);
}

void TableCheck::checkRowActions(const TypeDesc* d, const Particle& top) {
  if (!d->rows || d->childByNameOnly) return;
  std::vector<std::vector<size_t>> paths;
  std::vector<size_t> at;
  collectLeafPaths(top, &at, &paths);
  bool wholeIsOneGroup = d->shape == Shape::Sequence && top.max != 1;
  auto text = [](const pxs::ElemRow& r) {
    return "member " + std::to_string(r.member) + ", tag " + std::to_string(r.tag) + ", item tag " +
           std::to_string(r.itemTag) + ", group member " + std::to_string(r.inner);
  };
  for (size_t i = 0; i < paths.size() && i < d->nElems; ++i) {
    pxs::ElemRow want;
    if (!expectedRow(d, wholeIsOneGroup, paths[i], &want)) continue;
    const pxs::ElemRow& got = d->rows[i];
    if (got.member != want.member || got.tag != want.tag || got.itemTag != want.itemTag || got.inner != want.inner)
      add(d->name,
          "row " + std::to_string(i) + " " + (d->elems[i].name[0] ? d->elems[i].name : "(wildcard)") + " action",
          "tables: " + text(got) + "; by the members: " + text(want));
  }
}

void TableCheck::checkMatrix(const TypeDesc* d, const Particle& top) {
  ContentLanguage language(top);
  auto rowName = [&](int r) {
    return std::string(d->elems[r].name[0] ? d->elems[r].name : "(wildcard)");
  };
  auto names = [&](const std::vector<int>& rows) {
    std::string s;
    for (int r : rows) s += (s.empty() ? "" : ", ") + rowName(r);
    return s;
  };
  for (const auto& o : compareWithMatrix(language, d->matrix, d->nElems, d->nStates)) {
    std::string where = o.before.empty() ? "first child" : "after " + names(o.before);
    if (!o.schemaOnly.empty())
      add(d->name, "order, " + where + ", schema allows more",
          "schema allows " + names(o.schemaOnly) + " here, the matrix refuses it");
    if (!o.tablesOnly.empty())
      add(d->name, "order, " + where + ", tables allow more",
          "the matrix accepts " + names(o.tablesOnly) + " here, the schema does not");
  }
}

TableCheck::MemberParticles TableCheck::checkMembers(const TypeDesc* d, Role role,
                                                    const std::vector<const Particle*>& particles) {
  std::vector<const Member*> members;
  for (uint8_t i = 0; i < d->nMembers; ++i)
    if (d->members[i].role == role) members.push_back(&d->members[i]);
  if (members.size() != particles.size()) {
    add(d->name, "members",
        "tables: " + std::to_string(members.size()) + " content members, schema: " +
            std::to_string(particles.size()) + " particles");
    return {};
  }
  MemberParticles pairs;
  for (size_t i = 0; i < members.size(); ++i) {
    checkMember(d, *members[i], *particles[i]);
    pairs.emplace_back(members[i], particles[i]);
  }
  return pairs;
}

// Optional single elements (0..1) and optional attributes own the bits of
// the presence word, counted in record order, elements first; nothing else
// owns one, and a record without such members has no presence word.
void TableCheck::checkPresenceBits(const TypeDesc* d, const MemberParticles& elements, const xsd::Type* t) {
  int next = 0;
  auto expect = [&](const Member& m, bool optional) {
    int want = optional ? next++ : -1;
    if (m.bit != want)
      add(d->name, std::string("presence bit of ") + m.field,
          "tables: " + std::to_string(m.bit) + ", by the schema's occurrences: " + std::to_string(want));
  };
  for (const auto& [m, p] : elements)
    expect(*m, m->role == Role::Element && p->kind == Particle::Kind::Element && p->min == 0 && p->max == 1);
  if (t && t->attributes.size() == d->nAttrs)
    for (size_t i = 0; i < t->attributes.size(); ++i) expect(d->members[d->attrMembers[i]], !t->attributes[i].required);
  if ((next > 0) != (d->presentOffset >= 0))
    add(d->name, "presence word",
        next > 0 ? "optional members but no presence word" : "a presence word without optional members");
}

void TableCheck::checkMember(const TypeDesc* d, const Member& m, const Particle& p) {
  std::string aspect = std::string("member ") + (m.field[0] ? m.field : "(list)");
  if (m.minOccurs != p.min || m.maxOccurs != p.max)
    add(d->name, aspect + " occurrence",
        "tables: " + occurs(m.minOccurs, m.maxOccurs) + ", schema: " + occurs(p.min, p.max));
  auto expectKind = [&](Kind want) {
    if (m.kind != want)
      add(d->name, aspect + " kind", std::string("tables: ") + kindName(m.kind) + ", schema: " + kindName(want));
  };
  auto expectType = [&](Node want) {
    auto bound = m.type ? types_.find(m.type) : types_.end();
    if (bound == types_.end() || !sameNode(bound->second, want))
      add(d->name, aspect + " type",
          std::string("tables: ") + (m.type ? m.type->name : "none") + ", schema: " +
              (want.type ? want.type->label() : "a group"));
  };
  switch (p.kind) {
    case Particle::Kind::Element: {
      std::string xmlName = m.xmlName ? m.xmlName : "";
      if (xmlName != p.name.local)
        add(d->name, aspect + " name", "tables: \"" + xmlName + "\", schema: \"" + p.name.local + "\"");
      if (m.nsIndex != nsIndex(p.name.ns))
        add(d->name, aspect + " namespace", "tables: " + nsName(m.nsIndex) + ", schema: {" + p.name.ns + "}");
      if (p.type->isSimple()) {
        checkValueKind(d->name, aspect, m, p.type, p.max != 1);
      } else if (p.type->isEmptyType() && p.max == 1) {
        expectKind(Kind::Empty);
      } else {
        expectKind(p.max == 1 ? Kind::Record : Kind::RecordList);
        expectType(Node{p.type, nullptr});
      }
      break;
    }
    case Particle::Kind::Any: {
      expectKind(Kind::AnyList);
      std::string problem;
      int want = expectedWildcardNs(p, &problem);
      if (!problem.empty())
        add(d->name, aspect + " namespace", problem);
      else if (m.nsIndex != want)
        add(d->name, aspect + " namespace",
            "tables: " + std::string(m.nsIndex == RT_NS_ANY ? "any namespace" : "other than " + nsName(m.nsIndex)) +
                ", schema: " + p.anyNamespace);
      break;
    }
    case Particle::Kind::Choice:
      expectKind(Kind::Choice);
      expectType(Node{nullptr, &p});
      break;
    default:
      expectKind(p.max == 1 ? Kind::Record : Kind::SeqList);
      expectType(Node{nullptr, &p});
      break;
  }
}

void TableCheck::checkValueKind(const std::string& type, const std::string& aspect, const Member& m,
                                const xsd::Type* t, bool repeated) {
  const xsd::Type* builtin = t ? t->builtin() : nullptr;
  std::string builtinName = builtin ? builtin->name.local : "?";
  bool enumeration = false;
  for (const xsd::Type* s = t; s && s->isSimple(); s = s->base) enumeration = enumeration || !s->enumerations.empty();
  std::set<Kind> kinds = enumeration ? std::set<Kind>{Kind::Enum} : kindsFor(builtinName);
  if (repeated) kinds = kinds.count(Kind::Text) ? std::set<Kind>{Kind::TextList} : std::set<Kind>{};
  if (!kinds.count(m.kind))
    add(type, aspect + " kind",
        std::string("tables: ") + kindName(m.kind) + ", schema: " + (t ? t->label() : "?") + " (xs:" + builtinName +
            ")");
  if (builtinName == "positiveInteger" && m.minValue != 1)
    add(type, aspect + " lower bound", "schema: xs:positiveInteger, tables: no minimum of 1");
  // Types with facets need their simple type's tables; a simple type given
  // must be the schema's.
  if (m.simple) {
    auto it = simples_.find(m.simple);
    if (it == simples_.end() || !sameNode(Node{it->second, nullptr}, Node{t, nullptr}))
      add(type, aspect + " simple type",
          std::string("tables: ") + m.simple->name + ", schema: " + (t ? t->label() : "?"));
  } else if (hasFacets(t) || builtinName == "decimal") {
    add(type, aspect + " simple type", "tables: none, schema: " + t->label() + " with facets");
  }
}

void TableCheck::checkEmptyContent(const TypeDesc* d, const xsd::Type& t) {
  bool schemaEmptyOk = !t.hasParticle || nullable(t.particle);
  bool tablesEmptyOk = true;
  if (d->shape == Shape::ChoiceContent) {
    tablesEmptyOk = !d->choiceRequired;
  } else {
    for (uint8_t i = 0; i < d->nMembers; ++i) {
      const Member& m = d->members[i];
      if (m.role != Role::Element) continue;
      if (isList(m.kind) && m.minOccurs > 0) tablesEmptyOk = false;
      if (m.kind == Kind::Choice && m.type && m.type->choiceRequired) tablesEmptyOk = false;
    }
  }
  if (schemaEmptyOk != tablesEmptyOk)
    add(d->name, "empty content",
        schemaEmptyOk ? "schema allows the element without content, the decoder refuses it"
                      : "schema requires content, the decoder accepts the element without it");
}

void TableCheck::checkAttributes(const TypeDesc* d, const xsd::Type& t) {
  std::string name = d->name;
  if (t.attributes.size() != d->nAttrs) {
    std::string schemaNames;
    for (const auto& a : t.attributes) schemaNames += (schemaNames.empty() ? "" : ", ") + a.name.local;
    add(name, "attributes",
        "tables: " + std::to_string(d->nAttrs) + ", schema: " + std::to_string(t.attributes.size()) + " (" +
            schemaNames + ")");
  } else {
    for (size_t i = 0; i < t.attributes.size(); ++i) {
      const xsd::AttributeUse& a = t.attributes[i];
      std::string aspect = "attribute " + a.name.local;
      if (a.name.local != d->attrNames[i]) {
        add(name, "attribute " + std::to_string(i),
            std::string("tables: ") + d->attrNames[i] + ", schema: " + a.name.local);
        continue;
      }
      const Member& m = d->members[d->attrMembers[i]];
      std::string written = a.name.ns == xml::kXmlNamespace ? "xml:" + a.name.local : a.name.local;
      if (!a.name.ns.empty() && a.name.ns != xml::kXmlNamespace)
        add(name, aspect + " namespace", "schema qualifies it with {" + a.name.ns + "}");
      if (!m.xmlName || written != m.xmlName)
        add(name, aspect + " name", "tables write \"" + std::string(m.xmlName ? m.xmlName : "") + "\"");
      bool required = (d->requiredMask >> i) & 1u;
      if (required != a.required)
        add(name, aspect + " use",
            std::string("tables: ") + (required ? "required" : "optional") + ", schema: " +
                (a.required ? "required" : "optional"));
      checkValueKind(name, aspect, m, a.type, false);
    }
  }
  // Attribute members and the attribute table name the same members.
  std::set<int> tabled;
  for (uint8_t i = 0; i < d->nAttrs; ++i) tabled.insert(d->attrMembers[i]);
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    const Member& m = d->members[i];
    if (m.role == Role::Attribute && m.kind != Kind::AnyAttr && m.kind != Kind::NsAttrs && !tabled.count(i))
      add(name, std::string("attribute member ") + m.field, "not in the attribute table");
  }
  // The encoder takes a sequence's child elements from the members before
  // the first attribute member.
  bool attributeSeen = false;
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    if (d->members[i].role == Role::Attribute) attributeSeen = true;
    else if (attributeSeen && d->members[i].role == Role::Element)
      add(name, "member order", std::string("element member ") + d->members[i].field + " after an attribute member");
  }
  // The encoder writes the attributes by the table, in member order: the
  // table follows the members, and the wildcard's pairs come last.
  for (uint8_t i = 0; i < d->nAttrs; ++i) {
    int previous = i ? d->attrMembers[i - 1] : -1;
    if (d->attrMembers[i] <= previous || (d->anyAttrMember >= 0 && d->attrMembers[i] > d->anyAttrMember))
      add(name, "attribute table order", std::string("member ") + d->members[d->attrMembers[i]].field +
                                             " out of member order, or after the wildcard");
  }
  bool tablesWildcard = d->anyAttrMember >= 0;
  if (tablesWildcard != t.anyAttribute)
    add(name, "attribute wildcard",
        std::string("tables: ") + (tablesWildcard ? "keep other attributes" : "none") + ", schema: " +
            (t.anyAttribute ? "anyAttribute " + t.anyAttributeNamespace : "none"));
  if ((d->attributesIgnored || d->childByNameOnly) && !t.anyAttribute)
    add(name, "attributes ignored",
        "the decoder examines no attribute of the element; schema: " +
            (t.attributes.empty() ? std::string("no attribute allowed")
                                  : std::to_string(t.attributes.size()) + " declared"));
}

void TableCheck::checkSimple(const pxs::SimpleType* s) {
  auto it = simples_.find(s);
  if (it == simples_.end() || !it->second || !it->second->isSimple()) {
    add(s->name, "binding", "no schema simple type bound");
    return;
  }
  const xsd::Type& t = *it->second;
  std::vector<std::string> enums, patterns;
  for (const xsd::Type* x = &t; x && x->isSimple(); x = x->base) {
    if (enums.empty()) enums = x->enumerations;
    if (patterns.empty()) patterns = x->patterns;
  }
  if (s->enumTable || !enums.empty()) {
    std::vector<std::string> tables(s->enumCount);
    for (uint16_t i = 0; i < s->enumCount; ++i) {
      const RtEnumItem& item = s->enumTable[i];
      if (item.value >= 0 && item.value < s->enumCount)
        tables[static_cast<size_t>(item.value)] = reinterpret_cast<const char*>(item.name);
    }
    if (tables != enums) {
      auto join = [](const std::vector<std::string>& v) {
        std::string out;
        for (const auto& x : v) out += (out.empty() ? "" : ", ") + x;
        return out;
      };
      add(s->name, "enumeration", "tables in value order: " + join(tables) + "; schema: " + join(enums));
    } else {
      // The decoder reads attribute values off the table and element texts
      // through the converter: both must give every text the same value.
      for (uint16_t i = 0; i < s->enumCount; ++i) {
        const RtEnumItem& item = s->enumTable[i];
        uint16_t value = 0xFFFF;
        if (s->toEnum && s->toEnum(item.name, item.namelen, &value) == 0 && value == item.value) continue;
        add(s->name, "enumeration",
            std::string("the converter does not give ") + reinterpret_cast<const char*>(item.name) + " its value");
        break;
      }
    }
  }
  std::vector<std::string> tablePatterns;
  if (s->decimal)
    for (uint8_t i = 0; i < s->decimal->nPatterns; ++i) tablePatterns.push_back(s->decimal->patterns[i]);
  if (s->pattern) tablePatterns.push_back(s->pattern);
  if (tablePatterns != patterns) {
    std::ostringstream detail;
    detail << "tables: " << tablePatterns.size() << " pattern(s), schema: " << patterns.size();
    for (size_t i = 0; i < patterns.size() && i < tablePatterns.size(); ++i)
      if (patterns[i] != tablePatterns[i]) detail << "; pattern " << i << " differs";
    add(s->name, "patterns", detail.str());
  }
  const xsd::Type* builtin = t.builtin();
  std::string builtinName = builtin ? builtin->name.local : "?";
  if (s->decimal && builtinName != "decimal")
    add(s->name, "base", "tables: decimal, schema: xs:" + builtinName);
}

void TableCheck::checkDocument(const pxs::DocDesc* doc) {
  std::string uri = doc->nsIndex >= 0 && static_cast<size_t>(doc->nsIndex) < nsUris_.size()
                        ? nsUris_[static_cast<size_t>(doc->nsIndex)]
                        : "";
  const xsd::GlobalElement* g = schemas_.element(xsd::QName{uri, doc->elemName});
  std::string label = std::string("document ") + doc->elemName;
  if (!g) {
    add(label, "root", "no global element {" + uri + "}" + doc->elemName);
    return;
  }
  if (doc->type) {
    auto it = types_.find(doc->type);
    if (it == types_.end() || !sameNode(it->second, Node{g->type, nullptr}))
      add(label, "type", std::string("tables: ") + doc->type->name + ", schema: " + g->type->label());
    if (doc->type->ownNs != doc->nsIndex)
      add(label, "root namespace", "the type's own namespace is " + nsName(doc->type->ownNs));
  } else {
    const xsd::Type* builtin = g->type->builtin();
    std::string builtinName = builtin ? builtin->name.local : "?";
    if (!g->type->isSimple() || !kindsFor(builtinName).count(doc->simpleKind))
      add(label, "kind", std::string("tables: ") + kindName(doc->simpleKind) + ", schema: " + g->type->label() +
                             " (xs:" + builtinName + ")");
  }
}

}  // namespace pxtest::schema
