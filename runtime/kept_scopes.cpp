// Kept namespace declarations as shared chains of bindings.
#include "internal/kept_scopes.h"

#include <algorithm>
#include <string_view>

#include "internal/namespaces.h"
#include "internal/text_set.h"

namespace pxrt {

KeptScopes::NodeRef KeptScopes::newNode(const std::string& prefix, const std::string& uri, NodeRef parent,
                                        uint64_t binding) {
  NodeRef n;
  if (!free_.empty()) {
    n = free_.back();
    free_.pop_back();
  } else {
    nodes_.emplace_back();
    n = static_cast<NodeRef>(nodes_.size());
  }
  Node& node = nodes_[n - 1];
  node.prefix = prefix;
  node.uri = uri;
  node.parent = parent;
  node.users = 0;
  node.binding = binding;
  node.id = nextId_++;
  if (parent) nodes_[parent - 1].users++;
  return n;
}

// A holder lets go; a node nobody holds goes, and lets go of its parent.
// Chains may be as long as a document has declarations: no recursion.
void KeptScopes::release(NodeRef n) {
  while (n) {
    Node& node = nodes_[n - 1];
    if (--node.users != 0) return;
    const NodeRef parent = node.parent;
    node.parent = 0;
    node.binding = 0;
    node.id = 0;
    free_.push_back(n);
    n = parent;
  }
}

void KeptScopes::hold(const void* record, NodeRef n) {
  nodes_[n - 1].users++;
  byRecord_[record] = n;
}

void KeptScopes::keepInForce(const void* record, const Namespaces& ns) {
  drop(record);
  const size_t count = ns.inForce();
  if (count == 0) return;
  if (atPosition_.size() < count) atPosition_.resize(count, 0);
  // The innermost position whose node still stands for its binding: the
  // chain below it holds, as bindings go and come in stack order.
  size_t i = count;
  for (; i > 0; --i) {
    const NodeRef at = atPosition_[i - 1];
    if (at && nodes_[at - 1].users && nodes_[at - 1].binding == ns.binding(i - 1).serial) break;
  }
  NodeRef n = i ? atPosition_[i - 1] : 0;
  for (; i < count; ++i) {
    const Binding& b = ns.binding(i);
    n = newNode(b.prefix, b.uri, n, b.serial);
    atPosition_[i] = n;
  }
  hold(record, n);
}

void KeptScopes::keep(const void* record, const Declarations& decls) { keepOver(record, nullptr, decls); }

void KeptScopes::keepOver(const void* record, const void* outer, const Declarations& decls) {
  const NodeRef base = outer ? nodeOf(outer) : 0;
  if (base) nodes_[base - 1].users++;  // held while record's old set goes: record may be outer
  drop(record);
  NodeRef n = base;
  for (const auto& [prefix, uri] : decls) n = newNode(prefix, uri, n, 0);
  if (n) hold(record, n);
  if (base) release(base);
}

bool KeptScopes::inner(const void* record, const void* outer, std::vector<NodeRef>* out) const {
  out->clear();
  const NodeRef stop = outer ? nodeOf(outer) : 0;
  TextSet met;
  NodeRef n = nodeOf(record);
  for (; n && n != stop; n = nodes_[n - 1].parent)
    if (met.insert(nodes_[n - 1].prefix)) out->push_back(n);
  if (n != stop) return false;
  std::reverse(out->begin(), out->end());
  return true;
}

void KeptScopes::drop(const void* record) {
  auto it = byRecord_.find(record);
  if (it == byRecord_.end()) return;
  const NodeRef n = it->second;
  byRecord_.erase(it);
  release(n);
}

const KeptScopes::Effective* KeptScopes::effective(const void* record) {
  const NodeRef start = nodeOf(record);
  if (!start) return nullptr;
  if (flatId_ == nodes_[start - 1].id) return &flat_;
  std::vector<NodeRef> chain;
  for (NodeRef n = start; n; n = nodes_[n - 1].parent) chain.push_back(n);
  flat_.clear();
  std::unordered_map<std::string_view, size_t> at;  // prefix -> its place in flat_
  for (size_t i = chain.size(); i-- > 0;) {
    const Node& c = nodes_[chain[i] - 1];
    auto [it, added] = at.emplace(c.prefix, flat_.size());
    if (added) flat_.emplace_back(chain[i], chain[i]);
    else flat_[it->second].second = chain[i];  // an inner binding: its URI, at the outer place
  }
  flatId_ = nodes_[start - 1].id;
  return &flat_;
}

void KeptScopes::clear() {
  nodes_.clear();
  free_.clear();
  byRecord_.clear();
  atPosition_.clear();
  inForce_ = {};
  flatId_ = 0;
  flat_.clear();
}

}  // namespace pxrt
