// Namespace resolution over pugixml's qualified names: which URI a prefix
// means at an element, with each element's declarations read once.
#ifndef PXP_NAMESPACES_H
#define PXP_NAMESPACES_H

#include <pugixml.hpp>

#include <cstdint>
#include <deque>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace pxp {

inline constexpr const char* kPidfNs = "urn:ietf:params:xml:ns:pidf";
inline constexpr const char* kDiffNs = "urn:ietf:params:xml:ns:pidf-diff";
inline constexpr const char* kDataModelNs = "urn:ietf:params:xml:ns:pidf:data-model";
inline constexpr const char* kXmlNs = "http://www.w3.org/XML/1998/namespace";

struct QName {
  std::string_view prefix;  // empty when unprefixed
  std::string_view local;
};
QName splitQName(std::string_view qname);

// True for xmlns and xmlns:p; *prefix is "" for the default namespace.
bool isNamespaceDeclaration(const pugi::xml_attribute& attribute, std::string_view* prefix = nullptr);

// An element's or attribute's expanded name.
struct ExpandedName {
  const char* uri;  // "" for no namespace
  std::string_view local;
};

// Lookups are cached per element; the cache must be cleared after the tree
// changes (clear()), since pugixml reuses the storage of removed nodes.
// Each lookup walks only the ancestors that declare namespaces, and each
// element's attributes are read once, so resolution stays linear in the tree.
class Scopes {
 public:
  // URI bound to `prefix` at `element` (its own declarations included):
  // null when the prefix is unbound; for the empty prefix the default
  // namespace, "" when there is none. "xml" is always bound.
  const char* lookup(pugi::xml_node element, std::string_view prefix);

  // The element's own namespace; false when its prefix is unbound.
  bool elementName(pugi::xml_node element, ExpandedName* out);
  // An attribute's namespace on `element` (unprefixed: no namespace).
  bool attributeName(pugi::xml_node element, const pugi::xml_attribute& attribute, ExpandedName* out);

  void clear();

  // Elements climbed, attributes read and scopes searched so far: what
  // resolution has cost, for a caller that bounds the work of its input.
  uint64_t work() const { return work_; }

 private:
  struct Scope {
    const Scope* parent;
    std::vector<std::pair<std::string_view, const char*>> declarations;
    std::unordered_map<std::string_view, const char*> index;  // filled when there are many
  };
  const Scope* scopeOf(pugi::xml_node element);

  // Element -> scope, open addressing on the node address: one probe per
  // element and no allocation per entry.
  class ElementIndex {
   public:
    const Scope** find(const void* key);
    void insert(const void* key, const Scope* scope);
    void clear();

   private:
    struct Slot {
      const void* key;
      const Scope* scope;
    };
    void grow();
    std::vector<Slot> slots_;
    size_t used_ = 0;
  };

  ElementIndex byElement_;
  uint64_t work_ = 0;
  std::deque<Scope> storage_;
  std::vector<pugi::xml_node> pending_;
};

// Equal URIs (both may be "" for no namespace).
bool sameUri(const char* a, const char* b);

}  // namespace pxp

#endif
