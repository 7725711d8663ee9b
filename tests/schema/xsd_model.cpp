#include "schema/xsd_model.h"

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace pxtest::xsd {

struct SchemaSet::SchemaDoc {
  const xml::Element* root = nullptr;
  std::string file;
  std::string tns;
  bool chameleon = false;  // no target namespace of its own
  bool elementsQualified = false;
  bool attributesQualified = false;
};

SchemaSet::SchemaSet() = default;
SchemaSet::~SchemaSet() = default;

namespace {

bool isXs(const xml::Element& e, const char* local) { return e.ns == kXsNamespace && e.local == local; }

std::string attr(const xml::Element& e, const char* name, const std::string& fallback = "") {
  const xml::Attribute* a = e.attribute(name);
  return a ? a->value : fallback;
}

int occurs(const xml::Element& e, const char* name) {
  const xml::Attribute* a = e.attribute(name);
  if (!a) return 1;
  if (a->value == "unbounded") return kUnbounded;
  return std::atoi(a->value.c_str());
}

}  // namespace

const Type* Type::builtin() const {
  const Type* t = this;
  while (t && t->variety == Variety::Simple) t = t->base;
  return t;
}

std::string Type::label() const {
  if (!name.local.empty()) return name.local;
  return source ? "anonymous type (line " + std::to_string(source->line) + ")" : "anonymous type";
}

const std::map<std::string, std::string>& SchemaSet::aliases() {
  static const std::map<std::string, std::string> kAliases = {
      {"pidf", "urn:ietf:params:xml:ns:pidf"},
      {"rpid", "urn:ietf:params:xml:ns:pidf:rpid"},
      {"dm", "urn:ietf:params:xml:ns:pidf:data-model"},
      {"cipid", "urn:ietf:params:xml:ns:pidf:cipid"},
      {"caps", "urn:ietf:params:xml:ns:pidf:caps"},
      {"gp", "urn:ietf:params:xml:ns:pidf:geopriv10"},
      {"gbp", "urn:ietf:params:xml:ns:pidf:geopriv10:basicPolicy"},
      {"civic", "urn:ietf:params:xml:ns:pidf:geopriv10:civicLoc"},
      {"winfo", "urn:ietf:params:xml:ns:watcherinfo"},
      {"rlmi", "urn:ietf:params:xml:ns:rlmi"},
      {"diff", "urn:ietf:params:xml:ns:pidf-diff"},
      {"xml", xml::kXmlNamespace},
  };
  return kAliases;
}

bool SchemaSet::load(const std::string& dir, std::string* error) {
  std::vector<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* entry = readdir(d)) {
      std::string n = entry->d_name;
      if (n.size() > 4 && n.substr(n.size() - 4) == ".xsd" && n != "_all.xsd") names.push_back(n);
    }
    closedir(d);
  }
  if (names.empty()) {
    *error = "no schema in " + dir;
    return false;
  }
  std::sort(names.begin(), names.end());
  for (const auto& n : names)
    if (!loadFile(dir, n, nullptr, error)) return false;
  // Build every global element and named type now, so that resolution
  // failures show up here.
  for (const auto& [name, def] : elementDefs_) {
    GlobalElement g{name, nullptr};
    const xml::Element& e = *def.source;
    if (e.attribute("type")) {
      g.type = typeRef(e, attr(e, "type"), def);
    } else {
      for (const xml::Element* c : e.elements())
        if (isXs(*c, "complexType") || isXs(*c, "simpleType")) g.type = buildType({c, def.doc, def.tns});
      if (!g.type) g.type = builtinType("anyType");
    }
    elements_[name] = g;
  }
  for (auto* defs : {&complexDefs_, &simpleDefs_})
    for (const auto& [name, def] : *defs) types_[name] = buildType(def);
  if (!error_.empty()) {
    *error = error_;
    return false;
  }
  return true;
}

bool SchemaSet::loadFile(const std::string& dir, const std::string& file, const std::string* chameleonNs,
                         std::string* error) {
  auto& parsed = parsed_;
  std::string path = dir + "/" + file;
  if (!parsed.count(path)) {
    auto doc = std::make_unique<xml::Document>();
    std::string why;
    if (!xml::parseFile(path, doc.get(), &why)) {
      *error = file + ": " + why;
      return false;
    }
    parsed[path] = std::move(doc);
  }
  const xml::Element* root = parsed[path]->root.get();
  if (!isXs(*root, "schema")) {
    *error = file + ": not a schema";
    return false;
  }
  auto doc = std::make_unique<SchemaDoc>();
  doc->root = root;
  doc->file = file;
  doc->chameleon = !root->attribute("targetNamespace");
  if (doc->chameleon && !chameleonNs) return true;  // read when included
  doc->tns = doc->chameleon ? *chameleonNs : attr(*root, "targetNamespace");
  doc->elementsQualified = attr(*root, "elementFormDefault") == "qualified";
  doc->attributesQualified = attr(*root, "attributeFormDefault") == "qualified";
  std::string key = file + "#" + doc->tns;
  if (files_.count(key)) return true;
  const SchemaDoc* d = doc.get();
  files_[key] = std::move(doc);

  for (const xml::Element* c : root->elements()) {
    if (isXs(*c, "include")) {
      if (!loadFile(dir, attr(*c, "schemaLocation"), &d->tns, error)) return false;
      continue;
    }
    if (isXs(*c, "import")) {
      if (c->attribute("schemaLocation") && !loadFile(dir, attr(*c, "schemaLocation"), nullptr, error)) return false;
      continue;
    }
    std::map<QName, Definition>* defs = isXs(*c, "element")          ? &elementDefs_
                                        : isXs(*c, "complexType")    ? &complexDefs_
                                        : isXs(*c, "simpleType")     ? &simpleDefs_
                                        : isXs(*c, "attribute")      ? &attributeDefs_
                                        : isXs(*c, "attributeGroup") ? &attributeGroupDefs_
                                        : isXs(*c, "group")          ? &groupDefs_
                                                                     : nullptr;
    if (defs) (*defs)[QName{d->tns, attr(*c, "name")}] = Definition{c, d, d->tns};
  }
  return true;
}

QName SchemaSet::refName(const xml::Element& at, const std::string& qname, const Definition& ctx) const {
  QName q;
  if (!at.resolve(qname, &q.ns, &q.local)) q.ns = "?undeclared prefix";
  // References without a namespace inside a chameleon schema mean the
  // includer's namespace.
  if (q.ns.empty() && ctx.doc->chameleon) q.ns = ctx.tns;
  return q;
}

const Type* SchemaSet::builtinType(const std::string& local) {
  QName name{kXsNamespace, local};
  auto it = types_.find(name);
  if (it != types_.end()) return it->second;
  Type& t = storage_.emplace_back();
  t.variety = Type::Variety::Builtin;
  t.name = name;
  types_[name] = &t;
  return &t;
}

const Type* SchemaSet::typeRef(const xml::Element& at, const std::string& qname, const Definition& ctx) {
  QName q = refName(at, qname, ctx);
  if (q.ns == kXsNamespace) return builtinType(q.local);
  for (auto* defs : {&complexDefs_, &simpleDefs_}) {
    auto it = defs->find(q);
    if (it != defs->end()) return buildType(it->second);
  }
  error_ += "unresolved type " + q.str() + " (line " + std::to_string(at.line) + " of " + ctx.doc->file + "); ";
  return builtinType("anyType");
}

const Type* SchemaSet::buildType(const Definition& def) {
  auto key = std::make_pair(def.source, def.tns);
  auto it = built_.find(key);
  if (it != built_.end()) return it->second;
  Type& t = storage_.emplace_back();
  built_[key] = &t;
  t.source = def.source;
  if (def.source->attribute("name")) t.name = QName{def.tns, attr(*def.source, "name")};
  if (isXs(*def.source, "simpleType"))
    buildSimple(&t, *def.source, def);
  else
    buildComplex(&t, *def.source, def);
  return &t;
}

void SchemaSet::buildSimple(Type* t, const xml::Element& e, const Definition& ctx) {
  t->variety = Type::Variety::Simple;
  for (const xml::Element* c : e.elements()) {
    if (isXs(*c, "restriction")) {
      if (c->attribute("base")) t->base = typeRef(*c, attr(*c, "base"), ctx);
      for (const xml::Element* f : c->elements()) {
        if (isXs(*f, "simpleType")) t->base = buildType({f, ctx.doc, ctx.tns});
        if (isXs(*f, "enumeration")) t->enumerations.push_back(attr(*f, "value"));
        if (isXs(*f, "pattern")) t->patterns.push_back(attr(*f, "value"));
      }
    } else if (isXs(*c, "list") || isXs(*c, "union")) {
      t->base = builtinType("string");  // not used by these schemas
    }
  }
  if (!t->base) t->base = builtinType("anySimpleType");
}

void SchemaSet::addAttributes(Type* t, const xml::Element& holder, const Definition& ctx) {
  for (const xml::Element* c : holder.elements()) {
    if (isXs(*c, "attribute")) {
      t->attributes.push_back(buildAttribute(*c, ctx));
    } else if (isXs(*c, "attributeGroup")) {
      QName q = refName(*c, attr(*c, "ref"), ctx);
      auto it = attributeGroupDefs_.find(q);
      if (it == attributeGroupDefs_.end())
        error_ += "unresolved attribute group " + q.str() + "; ";
      else
        addAttributes(t, *it->second.source, it->second);
    } else if (isXs(*c, "anyAttribute")) {
      t->anyAttribute = true;
      t->anyAttributeNamespace = attr(*c, "namespace", "##any");
    }
  }
}

AttributeUse SchemaSet::buildAttribute(const xml::Element& e, const Definition& ctx) {
  AttributeUse use;
  use.required = attr(e, "use") == "required";
  const xml::Element* decl = &e;
  Definition declCtx = ctx;
  if (e.attribute("ref")) {
    use.name = refName(e, attr(e, "ref"), ctx);
    auto it = attributeDefs_.find(use.name);
    if (it == attributeDefs_.end()) {
      error_ += "unresolved attribute " + use.name.str() + "; ";
      use.type = builtinType("anySimpleType");
      return use;
    }
    decl = it->second.source;
    declCtx = it->second;
  } else {
    bool qualified = e.attribute("form") ? attr(e, "form") == "qualified" : ctx.doc->attributesQualified;
    use.name = QName{qualified ? ctx.tns : "", attr(e, "name")};
  }
  if (decl->attribute("type")) use.type = typeRef(*decl, attr(*decl, "type"), declCtx);
  for (const xml::Element* c : decl->elements())
    if (isXs(*c, "simpleType")) use.type = buildType({c, declCtx.doc, declCtx.tns});
  if (!use.type) use.type = builtinType("anySimpleType");
  return use;
}

Particle SchemaSet::buildParticle(const xml::Element& e, const Definition& ctx) {
  Particle p;
  p.source = &e;
  p.min = occurs(e, "minOccurs");
  p.max = occurs(e, "maxOccurs");
  if (isXs(e, "element")) {
    p.kind = Particle::Kind::Element;
    if (e.attribute("ref")) {
      p.name = refName(e, attr(e, "ref"), ctx);
      auto it = elementDefs_.find(p.name);
      if (it == elementDefs_.end()) {
        error_ += "unresolved element " + p.name.str() + "; ";
        p.type = builtinType("anyType");
        return p;
      }
      const Definition& def = it->second;
      const xml::Element& g = *def.source;
      if (g.attribute("type")) p.type = typeRef(g, attr(g, "type"), def);
      for (const xml::Element* c : g.elements())
        if (isXs(*c, "complexType") || isXs(*c, "simpleType")) p.type = buildType({c, def.doc, def.tns});
    } else {
      bool qualified = e.attribute("form") ? attr(e, "form") == "qualified" : ctx.doc->elementsQualified;
      p.name = QName{qualified ? ctx.tns : "", attr(e, "name")};
      if (e.attribute("type")) p.type = typeRef(e, attr(e, "type"), ctx);
      for (const xml::Element* c : e.elements())
        if (isXs(*c, "complexType") || isXs(*c, "simpleType")) p.type = buildType({c, ctx.doc, ctx.tns});
    }
    if (!p.type) p.type = builtinType("anyType");
    return p;
  }
  if (isXs(e, "any")) {
    p.kind = Particle::Kind::Any;
    p.anyNamespace = attr(e, "namespace", "##any");
    p.anyTargetNamespace = ctx.tns;
    p.processContents = attr(e, "processContents", "strict");
    return p;
  }
  if (isXs(e, "group")) {
    QName q = refName(e, attr(e, "ref"), ctx);
    auto it = groupDefs_.find(q);
    if (it == groupDefs_.end()) {
      error_ += "unresolved group " + q.str() + "; ";
      return p;
    }
    for (const xml::Element* c : it->second.source->elements())
      if (isXs(*c, "sequence") || isXs(*c, "choice") || isXs(*c, "all")) {
        Particle inner = buildParticle(*c, it->second);
        inner.min = p.min;
        inner.max = p.max;
        return inner;
      }
    return p;
  }
  p.kind = isXs(e, "choice") ? Particle::Kind::Choice : isXs(e, "all") ? Particle::Kind::All : Particle::Kind::Sequence;
  for (const xml::Element* c : e.elements())
    if (isXs(*c, "element") || isXs(*c, "any") || isXs(*c, "sequence") || isXs(*c, "choice") || isXs(*c, "group"))
      p.particles.push_back(buildParticle(*c, ctx));
  return p;
}

void SchemaSet::buildComplex(Type* t, const xml::Element& e, const Definition& ctx) {
  t->variety = Type::Variety::Complex;
  bool mixed = attr(e, "mixed") == "true";
  auto takeParticle = [&](const xml::Element& holder) {
    for (const xml::Element* c : holder.elements())
      if (isXs(*c, "sequence") || isXs(*c, "choice") || isXs(*c, "all") || isXs(*c, "group")) {
        t->particle = buildParticle(*c, ctx);
        t->hasParticle = true;
      }
  };
  auto inherit = [&](const Type* base) {
    if (!base || base->variety != Type::Variety::Complex) return;
    t->attributes = base->attributes;
    t->anyAttribute = base->anyAttribute;
    t->anyAttributeNamespace = base->anyAttributeNamespace;
  };
  takeParticle(e);
  addAttributes(t, e, ctx);
  for (const xml::Element* c : e.elements()) {
    if (isXs(*c, "simpleContent")) {
      t->content = Type::Content::Simple;
      for (const xml::Element* d : c->elements()) {
        if (!isXs(*d, "extension") && !isXs(*d, "restriction")) continue;
        const Type* base = typeRef(*d, attr(*d, "base"), ctx);
        inherit(base);
        t->valueType = base->variety == Type::Variety::Complex ? base->valueType : base;
        addAttributes(t, *d, ctx);
      }
      return;
    }
    if (isXs(*c, "complexContent")) {
      if (c->attribute("mixed")) mixed = attr(*c, "mixed") == "true";
      for (const xml::Element* d : c->elements()) {
        if (!isXs(*d, "extension") && !isXs(*d, "restriction")) continue;
        const Type* base = typeRef(*d, attr(*d, "base"), ctx);
        bool extension = isXs(*d, "extension");
        if (extension) {
          inherit(base);
          if (base->hasParticle) {
            t->particle = base->particle;
            t->hasParticle = true;
          }
        }
        Particle own;
        bool hasOwn = false;
        for (const xml::Element* g : d->elements())
          if (isXs(*g, "sequence") || isXs(*g, "choice") || isXs(*g, "all") || isXs(*g, "group")) {
            own = buildParticle(*g, ctx);
            hasOwn = true;
          }
        if (hasOwn && t->hasParticle) {
          Particle both;
          both.kind = Particle::Kind::Sequence;
          both.particles = {t->particle, own};
          t->particle = both;
        } else if (hasOwn) {
          t->particle = own;
          t->hasParticle = true;
        }
        addAttributes(t, *d, ctx);
      }
    }
  }
  t->content = t->hasParticle ? (mixed ? Type::Content::Mixed : Type::Content::ElementOnly)
                              : (mixed ? Type::Content::Mixed : Type::Content::Empty);
}

const Type* SchemaSet::type(const QName& name) const {
  auto it = types_.find(name);
  return it == types_.end() ? nullptr : it->second;
}

const GlobalElement* SchemaSet::element(const QName& name) const {
  auto it = elements_.find(name);
  return it == elements_.end() ? nullptr : &it->second;
}

namespace {

// Depth first through nested groups: the element particle of that name.
const Particle* findElement(const Particle& group, const std::string& local) {
  for (const Particle& p : group.particles) {
    if (p.kind == Particle::Kind::Element && p.name.local == local) return &p;
    if (p.isGroup())
      if (const Particle* inner = findElement(p, local)) return inner;
  }
  return nullptr;
}

}  // namespace

SchemaSet::Node SchemaSet::resolve(const std::string& path, std::string* error) const {
  Node node;
  size_t space = path.find(' ');
  size_t end = path.find_first_of("/@", space);
  std::string head = path.substr(0, space);
  std::string qname = path.substr(space + 1, end == std::string::npos ? std::string::npos : end - space - 1);
  size_t colon = qname.find(':');
  auto alias = aliases().find(qname.substr(0, colon));
  if (space == std::string::npos || colon == std::string::npos || alias == aliases().end()) {
    *error = "bad path " + path;
    return {};
  }
  QName name{alias->second, qname.substr(colon + 1)};
  if (head == "type") {
    node.type = type(name);
  } else if (head == "element") {
    if (const GlobalElement* g = element(name)) node.type = g->type;
  }
  if (!node.type) {
    *error = "no " + head + " " + name.str();
    return {};
  }
  while (end != std::string::npos) {
    char sep = path[end];
    size_t next = path.find_first_of("/@", end + 1);
    std::string step = path.substr(end + 1, next == std::string::npos ? std::string::npos : next - end - 1);
    end = next;
    bool numeric = !step.empty() && std::all_of(step.begin(), step.end(), ::isdigit);
    if (sep == '@') {
      const Type* found = nullptr;
      if (node.type)
        for (const auto& a : node.type->attributes)
          if (a.name.local == step) found = a.type;
      node = Node{found, nullptr};
    } else if (numeric) {
      size_t k = static_cast<size_t>(std::atoi(step.c_str()));
      const Particle* group = node.type ? (node.type->hasParticle ? &node.type->particle : nullptr) : node.particle;
      if (node.type && k == 0) {
        node = Node{nullptr, group};
      } else if (group && group->isGroup() && k >= 1 && k <= group->particles.size()) {
        node = Node{nullptr, &group->particles[k - 1]};
      } else {
        node = Node{};
      }
    } else {
      const Particle* group = node.type ? (node.type->hasParticle ? &node.type->particle : nullptr) : node.particle;
      const Particle* p = group ? findElement(*group, step) : nullptr;
      node = Node{p ? p->type : nullptr, nullptr};
    }
    if (!node.type && !node.particle) {
      *error = "path " + path + " fails at step " + step;
      return {};
    }
  }
  return node;
}

}  // namespace pxtest::xsd
