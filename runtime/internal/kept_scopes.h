// Namespace declarations kept with decoded records (rtXmlNSKeepInScope).
//
// The bindings in force at an element are the chain of the bindings its
// ancestors and the element itself made. They are kept as that chain: one
// node per binding of the document, made when a record first keeps it and
// pointing to the node of the binding before it. So keeping costs constant
// time and space per record, however many prefixes the document binds
// around it: the records of one scope share a node, and a record whose own
// element binds one more prefix adds one node. A document of many
// operations under a root of many declarations is read in time linear in
// its size. Nodes are counted by the records and nodes that hold them and
// go with the last of those. The effective set (each prefix's innermost
// binding, outermost first) is worked out only when asked for.
#ifndef PXRT_INTERNAL_KEPT_SCOPES_H
#define PXRT_INTERNAL_KEPT_SCOPES_H

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace pxrt {

class Namespaces;

using Declarations = std::vector<std::pair<std::string, std::string>>;  // (prefix, uri), outermost first

class KeptScopes {
 public:
  // A node, by index + 1 (0: none).
  using NodeRef = uint32_t;

  // The bindings in force now, kept for the record.
  void keepInForce(const void* record, const Namespaces& ns);
  // A given set, outermost first (for records read from another form).
  void keep(const void* record, const Declarations& decls);
  // A set made of outer's (none when outer keeps none) and decls over it.
  void keepOver(const void* record, const void* outer, const Declarations& decls);
  // The nodes of record's chain before outer's node, each prefix's
  // innermost, outermost first; false when the chain does not pass there.
  bool inner(const void* record, const void* outer, std::vector<NodeRef>* out) const;
  void drop(const void* record);
  void clear();

  NodeRef nodeOf(const void* record) const {
    auto it = byRecord_.find(record);
    return it == byRecord_.end() ? 0 : it->second;
  }
  const std::string& prefixOf(NodeRef n) const { return nodes_[n - 1].prefix; }
  const std::string& uriOf(NodeRef n) const { return nodes_[n - 1].uri; }
  NodeRef parentOf(NodeRef n) const { return nodes_[n - 1].parent; }
  // The effective set of a record's chain, as the nodes that give each
  // prefix (its outermost binding, which gives its place) and its URI (its
  // innermost); null when the record keeps none. The list is good until the
  // next call; the nodes, while the record keeps its set.
  using Effective = std::vector<std::pair<NodeRef, NodeRef>>;
  const Effective* effective(const void* record);

  // A node found wholly in force while the bindings in force were `count`,
  // the last of them bound as `serial`: while that holds, a walk reaching
  // it may stop there.
  void noteInForce(NodeRef n, size_t count, uint64_t serial) {
    inForce_ = {n, n ? nodes_[n - 1].id : 0, count, serial};
  }
  NodeRef knownInForce(size_t count, uint64_t serial) const {
    const InForce& k = inForce_;
    return k.node && k.count == count && k.serial == serial && nodes_[k.node - 1].id == k.id ? k.node : 0;
  }

 private:
  struct Node {
    std::string prefix, uri;
    NodeRef parent = 0;
    uint32_t users = 0;     // records and child nodes holding it; 0: a free slot
    uint64_t binding = 0;   // serial of the binding it stands for; 0: a given declaration
    uint64_t id = 0;        // unique while the node lives
  };
  NodeRef newNode(const std::string& prefix, const std::string& uri, NodeRef parent, uint64_t binding);
  void release(NodeRef n);
  void hold(const void* record, NodeRef n);

  std::vector<Node> nodes_;
  std::vector<NodeRef> free_;
  std::unordered_map<const void*, NodeRef> byRecord_;
  // The node made for the binding at each position of the scopes, valid
  // while it lives and that binding is still the one made then.
  std::vector<NodeRef> atPosition_;
  uint64_t nextId_ = 1;
  // The effective set last worked out, for the node of that id: asked for
  // one declaration after another, a set is worked out once; asked for
  // the sets of many records, one is kept at a time, not one per record.
  uint64_t flatId_ = 0;
  Effective flat_;
  struct InForce {
    NodeRef node = 0;
    uint64_t id = 0;
    size_t count = 0;
    uint64_t serial = 0;
  } inForce_;
};

}  // namespace pxrt

#endif
