// The XML Schema constructs the presence schemas use, read into a small
// model: named and anonymous types, global elements and attributes,
// sequences and choices with their occurrences, element and attribute
// wildcards, attribute groups, simple and complex content with extension
// and restriction, enumeration and pattern facets. Includes and imports are
// followed; a schema without a target namespace takes its includer's
// (chameleon include), and its definitions keep their identity across the
// namespaces they are included into.
#ifndef PX_TESTS_SCHEMA_XSD_MODEL_H
#define PX_TESTS_SCHEMA_XSD_MODEL_H

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/xml_tree.h"

namespace pxtest::xsd {

inline constexpr const char* kXsNamespace = "http://www.w3.org/2001/XMLSchema";
inline constexpr int kUnbounded = -1;

struct QName {
  std::string ns;
  std::string local;
  bool operator<(const QName& o) const { return ns != o.ns ? ns < o.ns : local < o.local; }
  bool operator==(const QName& o) const = default;
  std::string str() const { return "{" + ns + "}" + local; }
};

struct Type;

struct Particle {
  enum class Kind { Element, Any, Sequence, Choice, All };
  Kind kind = Kind::Sequence;
  int min = 1;
  int max = 1;  // kUnbounded for unbounded
  // Element: its name and type (never null: xs:anyType when not given).
  QName name;
  const Type* type = nullptr;
  // Any: the namespace constraint as written ("##other", "##any", ...) with
  // the target namespace it is relative to, and processContents.
  std::string anyNamespace;
  std::string anyTargetNamespace;
  std::string processContents;
  // Groups.
  std::vector<Particle> particles;
  const xml::Element* source = nullptr;
  bool isGroup() const { return kind == Kind::Sequence || kind == Kind::Choice || kind == Kind::All; }
};

struct AttributeUse {
  QName name;
  bool required = false;
  const Type* type = nullptr;
};

struct Type {
  enum class Variety { Builtin, Simple, Complex };
  enum class Content { Empty, Simple, ElementOnly, Mixed };
  Variety variety = Variety::Complex;
  QName name;                            // empty local name: anonymous
  const xml::Element* source = nullptr;  // the definition; shared by chameleon copies
  // Simple types: the base (a builtin at the end of the chain) and facets.
  const Type* base = nullptr;
  std::vector<std::string> enumerations;
  std::vector<std::string> patterns;
  // Complex types.
  Content content = Content::Empty;
  const Type* valueType = nullptr;  // simple content
  bool hasParticle = false;
  Particle particle;                     // the top group
  std::vector<AttributeUse> attributes;  // declaration order, groups expanded, base first
  bool anyAttribute = false;
  std::string anyAttributeNamespace;

  bool isSimple() const { return variety != Variety::Complex; }
  // The builtin a simple type restricts, itself for a builtin.
  const Type* builtin() const;
  // A type with no content and no attributes (the common schema's "empty").
  bool isEmptyType() const {
    return variety == Variety::Complex && content == Content::Empty && attributes.empty() && !anyAttribute;
  }
  std::string label() const;
};

struct GlobalElement {
  QName name;
  const Type* type = nullptr;
};

class SchemaSet {
 public:
  SchemaSet();
  ~SchemaSet();
  SchemaSet(const SchemaSet&) = delete;
  SchemaSet& operator=(const SchemaSet&) = delete;

  // Reads every .xsd of `dir` except the corpus helper _all.xsd, with the
  // documents they include and import. False with a message on failure.
  bool load(const std::string& dir, std::string* error);

  int filesRead() const { return static_cast<int>(parsed_.size()); }
  const Type* type(const QName& name) const;
  const GlobalElement* element(const QName& name) const;

  // A node named by a path: "type NS:name" (a named type) or "element
  // NS:name" (the anonymous type of a global element), NS being one of the
  // aliases below, then steps: "/0" the content's top group, "/k" the k-th
  // particle of the current group (1-based), "/name" the type of the
  // element particle of that name (searched through nested groups),
  // "@name" the type of that attribute. Exactly one of the results is set.
  struct Node {
    const Type* type = nullptr;
    const Particle* particle = nullptr;
  };
  Node resolve(const std::string& path, std::string* error) const;

  static const std::map<std::string, std::string>& aliases();  // alias -> namespace URI

 private:
  struct SchemaDoc;
  struct Definition {
    const xml::Element* source;
    const SchemaDoc* doc;
    std::string tns;  // effective target namespace
  };

  bool loadFile(const std::string& dir, const std::string& file, const std::string* chameleonNs, std::string* error);
  const Type* buildType(const Definition& def);
  const Type* typeRef(const xml::Element& at, const std::string& qname, const Definition& ctx);
  const Type* builtinType(const std::string& local);
  void buildComplex(Type* t, const xml::Element& e, const Definition& ctx);
  void buildSimple(Type* t, const xml::Element& e, const Definition& ctx);
  Particle buildParticle(const xml::Element& e, const Definition& ctx);
  void addAttributes(Type* t, const xml::Element& holder, const Definition& ctx);
  AttributeUse buildAttribute(const xml::Element& e, const Definition& ctx);
  QName refName(const xml::Element& at, const std::string& qname, const Definition& ctx) const;

  // Parsed once per file: chameleon copies share one tree, so a definition
  // is the same element wherever it is included.
  std::map<std::string, std::unique_ptr<xml::Document>> parsed_;
  std::map<std::string, std::unique_ptr<SchemaDoc>> files_;  // key: file + "#" + namespace
  std::map<QName, Definition> complexDefs_, simpleDefs_, elementDefs_, attributeDefs_, attributeGroupDefs_, groupDefs_;
  std::map<std::pair<const xml::Element*, std::string>, const Type*> built_;
  std::map<QName, GlobalElement> elements_;
  std::map<QName, const Type*> types_;
  std::deque<Type> storage_;
  std::string error_;
};

}  // namespace pxtest::xsd

#endif
