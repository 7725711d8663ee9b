#include "namespaces.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pxp {
namespace {

constexpr size_t kIndexThreshold = 8;
constexpr uint64_t kHashedEntryWork = 8;

}  // namespace


QName splitQName(std::string_view qname) {
  size_t colon = qname.find(':');
  if (colon == std::string_view::npos) return {{}, qname};
  return {qname.substr(0, colon), qname.substr(colon + 1)};
}

bool isNamespaceDeclaration(const pugi::xml_attribute& attribute, std::string_view* prefix) {
  const char* name = attribute.name();
  if (std::strncmp(name, "xmlns", 5) != 0) return false;
  if (name[5] == '\0') {
    if (prefix) *prefix = {};
    return true;
  }
  if (name[5] != ':') return false;
  if (prefix) *prefix = std::string_view(name + 6);
  return true;
}

bool sameUri(const char* a, const char* b) { return a == b || std::strcmp(a, b) == 0; }

namespace {

size_t hashAddress(const void* p, size_t mask) {
  auto v = reinterpret_cast<uintptr_t>(p);
  return static_cast<size_t>((v >> 4) * 0x9E3779B97F4A7C15ull) & mask;
}

}  // namespace

const Scopes::Scope** Scopes::ElementIndex::find(const void* key) {
  if (slots_.empty()) return nullptr;
  size_t mask = slots_.size() - 1;
  for (size_t i = hashAddress(key, mask);; i = (i + 1) & mask) {
    if (slots_[i].key == key) return &slots_[i].scope;
    if (!slots_[i].key) return nullptr;
  }
}

void Scopes::ElementIndex::insert(const void* key, const Scope* scope) {
  if ((used_ + 1) * 2 > slots_.size()) grow();
  size_t mask = slots_.size() - 1;
  size_t i = hashAddress(key, mask);
  while (slots_[i].key && slots_[i].key != key) i = (i + 1) & mask;
  if (!slots_[i].key) ++used_;
  slots_[i] = {key, scope};
}

void Scopes::ElementIndex::grow() {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{nullptr, nullptr});
  used_ = 0;
  for (const Slot& s : old) {
    if (s.key) insert(s.key, s.scope);
  }
}

void Scopes::ElementIndex::clear() {
  if (!used_) return;
  // A large table holding few entries is given up, not emptied slot by
  // slot: a patch clears after each operation, and one operation that
  // looked up thousands of elements must not make every later clear cost
  // that much. Either way a clear costs no more than the inserts before it.
  constexpr size_t kKeptSlots = 1024;
  if (slots_.size() > kKeptSlots && used_ * 8 < slots_.size()) std::vector<Slot>().swap(slots_);
  else std::fill(slots_.begin(), slots_.end(), Slot{nullptr, nullptr});
  used_ = 0;
}

const Scopes::Scope* Scopes::scopeOf(pugi::xml_node element) {
  // Climb to the nearest element whose scope is known, then build downwards.
  pending_.clear();
  const Scope* scope = nullptr;
  for (pugi::xml_node n = element; n && n.type() == pugi::node_element; n = n.parent()) {
    if (const Scope** found = byElement_.find(n.internal_object())) {
      scope = *found;
      break;
    }
    pending_.push_back(n);
  }
  uint64_t read = pending_.size();  // elements climbed, then attributes read
  for (auto it = pending_.rbegin(); it != pending_.rend(); ++it) {
    std::vector<std::pair<std::string_view, const char*>> declarations;
    for (pugi::xml_attribute a = it->first_attribute(); a; a = a.next_attribute()) {
      ++read;
      std::string_view prefix;
      if (isNamespaceDeclaration(a, &prefix)) declarations.emplace_back(prefix, a.value());
    }
    if (!declarations.empty()) {
      Scope& added = storage_.emplace_back(Scope{scope, std::move(declarations), {}});
      if (added.declarations.size() > kIndexThreshold) {
        for (const auto& d : added.declarations) added.index.emplace(d.first, d.second);
        // An entry hashed costs about what reading a few attributes does.
        work_ += kHashedEntryWork * added.declarations.size();
      }
      scope = &added;
    }
    byElement_.insert(it->internal_object(), scope);
  }
  work_ += read;
  return scope;
}

const char* Scopes::lookup(pugi::xml_node element, std::string_view prefix) {
  if (prefix == "xml") return kXmlNs;
  for (const Scope* s = scopeOf(element); s; s = s->parent) {
    if (!s->index.empty()) {
      ++work_;
      auto found = s->index.find(prefix);
      if (found != s->index.end()) return found->second;
      continue;
    }
    // The last declaration of a prefix on one element wins, as in the index.
    work_ += s->declarations.size();
    for (auto it = s->declarations.rbegin(); it != s->declarations.rend(); ++it) {
      if (it->first == prefix) return it->second;
    }
  }
  return prefix.empty() ? "" : nullptr;
}

bool Scopes::elementName(pugi::xml_node element, ExpandedName* out) {
  QName q = splitQName(element.name());
  const char* uri = lookup(element, q.prefix);
  if (!uri) return false;
  *out = {uri, q.local};
  return true;
}

bool Scopes::attributeName(pugi::xml_node element, const pugi::xml_attribute& attribute, ExpandedName* out) {
  QName q = splitQName(attribute.name());
  if (q.prefix.empty()) {
    *out = {"", q.local};
    return true;
  }
  const char* uri = lookup(element, q.prefix);
  if (!uri) return false;
  *out = {uri, q.local};
  return true;
}

void Scopes::clear() {
  byElement_.clear();
  storage_.clear();
}

}  // namespace pxp
