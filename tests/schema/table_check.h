// Holds the library's descriptors against the schema model: element tables
// (names, namespaces, order, occurrences), the language of the transition
// matrices, member kinds and nested types, whether an element may be empty,
// attribute tables with their required masks and wildcards, enumerations
// and patterns, and the documents' root elements. Every difference becomes
// one entry with a stable key (type and aspect) and a readable detail.
#ifndef PX_TESTS_SCHEMA_TABLE_CHECK_H
#define PX_TESTS_SCHEMA_TABLE_CHECK_H

#include <map>
#include <string>
#include <vector>

#include "families/descriptor.h"
#include "schema/xsd_model.h"

namespace pxtest::schema {

struct Difference {
  std::string type;    // record type, simple type or document element name
  std::string aspect;  // what differs: "row 5 other", "attribute id", "empty content", ...
  std::string detail;  // the tables' and the schema's sides
};

class TableCheck {
 public:
  // nsUris: the library's namespace table, by index.
  TableCheck(const xsd::SchemaSet& schemas, std::vector<std::string> nsUris)
      : schemas_(schemas), nsUris_(std::move(nsUris)) {}

  // Bindings first (nested types are compared by them), then the checks.
  void bind(const pxs::TypeDesc* d, xsd::SchemaSet::Node node) { types_[d] = node; }
  void bind(const pxs::SimpleType* s, const xsd::Type* t) { simples_[s] = t; }

  void checkType(const pxs::TypeDesc* d);
  void checkSimple(const pxs::SimpleType* s);
  void checkDocument(const pxs::DocDesc* doc);

  const std::vector<Difference>& differences() const { return differences_; }

 private:
  void add(const std::string& type, const std::string& aspect, const std::string& detail) {
    differences_.push_back({type, aspect, detail});
  }
  std::string nsName(int index) const;
  int nsIndex(const std::string& uri) const;
  bool sameNode(const xsd::SchemaSet::Node& a, const xsd::SchemaSet::Node& b) const;

  void checkComplex(const pxs::TypeDesc* d, const xsd::Type& t);
  void checkRows(const pxs::TypeDesc* d, const xsd::Particle& top);
  void checkMatrix(const pxs::TypeDesc* d, const xsd::Particle& top);
  void checkRowActions(const pxs::TypeDesc* d, const xsd::Particle& top);
  using MemberParticles = std::vector<std::pair<const pxs::Member*, const xsd::Particle*>>;
  MemberParticles checkMembers(const pxs::TypeDesc* d, pxs::Role role,
                               const std::vector<const xsd::Particle*>& particles);
  void checkPresenceBits(const pxs::TypeDesc* d, const MemberParticles& elements, const xsd::Type* t);
  void checkMember(const pxs::TypeDesc* d, const pxs::Member& m, const xsd::Particle& p);
  void checkValueKind(const std::string& type, const std::string& aspect, const pxs::Member& m, const xsd::Type* t,
                      bool repeated);
  void checkEmptyContent(const pxs::TypeDesc* d, const xsd::Type& t);
  void checkAttributes(const pxs::TypeDesc* d, const xsd::Type& t);
  int expectedWildcardNs(const xsd::Particle& any, std::string* problem) const;

  const xsd::SchemaSet& schemas_;
  std::vector<std::string> nsUris_;
  std::map<const pxs::TypeDesc*, xsd::SchemaSet::Node> types_;
  std::map<const pxs::SimpleType*, const xsd::Type*> simples_;
  std::vector<Difference> differences_;
};

}  // namespace pxtest::schema

#endif
