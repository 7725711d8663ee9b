// Walking the descriptors from the documents and naming what users need.
#include "model.h"

#include <cctype>
#include <cstring>
#include <map>
#include <set>

#include "families/registry.h"

namespace pxnames {

namespace {

using pxs::Kind;
using pxs::Member;
using pxs::Role;
using pxs::Shape;
using pxs::TypeDesc;

bool isChoice(const TypeDesc* d) { return d->shape == Shape::Choice || d->shape == Shape::ChoiceContent; }

// Depth first from the documents: each record type once, and each
// enumeration once with the first record type that uses it.
class Walker {
 public:
  void visit(const TypeDesc* d) {
    if (!d || !seen_.insert(d).second) return;
    types.push_back(d);
    for (uint8_t i = 0; i < d->nMembers; ++i) {
      const Member& m = d->members[i];
      if (m.kind == Kind::Enum && m.simple && m.simple->enumTable && enumSeen_.insert(m.simple).second)
        enumsOf[d].push_back(m.simple);
      visit(m.type);
    }
  }

  std::vector<const TypeDesc*> types;
  std::map<const TypeDesc*, std::vector<const pxs::SimpleType*>> enumsOf;

 private:
  std::set<const TypeDesc*> seen_;
  std::set<const pxs::SimpleType*> enumSeen_;
};

std::string upper(const char* name) { return constantPart(name); }

ConstantGroup presenceBits(const TypeDesc* d) {
  ConstantGroup g{headerOf(d), d->name, ConstantKind::PresenceBit, {}};
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    const Member& m = d->members[i];
    if (m.bit < 0) continue;
    g.constants.push_back({upper(d->name) + "_" + constantPart(shortName(m)), 1L << m.bit, ConstantKind::PresenceBit,
                           d->name, m.field, m.xmlName ? m.xmlName : ""});
  }
  return g;
}

ConstantGroup choiceTags(const TypeDesc* d) {
  ConstantGroup g{headerOf(d), d->name, ConstantKind::ChoiceTag, {}};
  long tag = 0;
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    const Member& m = d->members[i];
    if (m.role != Role::Alternative) continue;
    ++tag;
    g.constants.push_back({upper(d->name) + "_" + constantPart(shortName(m)), tag, ConstantKind::ChoiceTag, d->name,
                           m.field, m.xmlName ? m.xmlName : "", m.kind != Kind::Empty});
  }
  return g;
}

ConstantGroup enumValues(const pxs::SimpleType* t, const TypeDesc* user) {
  ConstantGroup g{headerOf(user), t->name, ConstantKind::EnumValue, {}};
  for (uint16_t v = 0; v < t->enumCount; ++v) {
    const char* text = reinterpret_cast<const char*>(t->toString(v));
    g.constants.push_back({upper(t->name) + "_" + constantPart(text), v, ConstantKind::EnumValue, t->name, text, text});
  }
  return g;
}

}  // namespace

std::string headerOf(const TypeDesc* type) {
  std::string path = type->module ? type->module->base : "";
  size_t slash = path.rfind('/');
  std::string file = path.substr(slash + 1);
  if (file == "pxxml-patch-ops.cpp") return "patch_ops.h";
  std::string dir = path.substr(0, slash);
  return dir.substr(dir.rfind('/') + 1) + ".h";
}

std::string constantPart(const std::string& text) {
  std::string out;
  for (char c : text) out += std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::toupper(c)) : '_';
  return out;
}

std::string shortName(const Member& m) {
  if (m.xmlName && *m.xmlName) {
    const char* colon = std::strrchr(m.xmlName, ':');
    return colon ? colon + 1 : m.xmlName;
  }
  std::string field = m.field;
  size_t us = field.find('_');
  if (us == std::string::npos) return field;
  size_t start = field.find_first_not_of('_', us);
  return start == std::string::npos ? field : field.substr(start);
}

Model deriveModel(std::string* error) {
  Walker walker;
  size_t count = 0;
  const pxs::DocDesc* const* docs = pxs::allDocuments(&count);
  for (size_t i = 0; i < count; ++i) walker.visit(docs[i]->type);
  Model model;
  model.types = walker.types;
  for (const TypeDesc* d : model.types) {
    for (const pxs::SimpleType* t : walker.enumsOf[d]) model.groups.push_back(enumValues(t, d));
    if (isChoice(d)) model.groups.push_back(choiceTags(d));
    ConstantGroup bits = presenceBits(d);
    if (!bits.constants.empty()) model.groups.push_back(std::move(bits));
  }
  std::map<std::string, std::string> owners;
  for (const ConstantGroup& g : model.groups)
    for (const Constant& c : g.constants) {
      auto [it, fresh] = owners.emplace(c.name, c.owner + "." + c.item);
      if (!fresh && error) *error += c.name + " names both " + it->second + " and " + c.owner + "." + c.item + "\n";
    }
  return model;
}

}  // namespace pxnames
