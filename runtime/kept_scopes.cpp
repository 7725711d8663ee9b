// Shared, reference-counted sets of kept namespace declarations.
#include "internal/kept_scopes.h"

namespace pxrt {

namespace {
std::string keyOf(const Declarations& decls) {
  std::string key;
  for (const auto& [prefix, uri] : decls) {
    key += prefix;
    key += '\0';
    key += uri;
    key += '\0';
  }
  return key;
}
}  // namespace

void KeptScopes::keep(const void* record, Declarations decls) {
  drop(record);
  if (decls.empty()) return;
  std::string key = keyOf(decls);
  uint32_t index;
  if (auto it = byKey_.find(key); it != byKey_.end()) {
    index = it->second;
  } else {
    if (!freeSets_.empty()) {
      index = freeSets_.back();
      freeSets_.pop_back();
    } else {
      index = static_cast<uint32_t>(sets_.size());
      sets_.emplace_back();
    }
    sets_[index] = Set{std::move(decls), key, 0};
    byKey_.emplace(std::move(key), index);
  }
  sets_[index].users++;
  byRecord_[record] = index;
}

const Declarations* KeptScopes::find(const void* record) const {
  auto it = byRecord_.find(record);
  return it == byRecord_.end() ? nullptr : &sets_[it->second].decls;
}

void KeptScopes::drop(const void* record) {
  auto it = byRecord_.find(record);
  if (it == byRecord_.end()) return;
  Set& set = sets_[it->second];
  if (--set.users == 0) {
    byKey_.erase(set.key);
    set = Set{};
    freeSets_.push_back(it->second);
  }
  byRecord_.erase(it);
}

void KeptScopes::clear() {
  sets_.clear();
  freeSets_.clear();
  byKey_.clear();
  byRecord_.clear();
}

}  // namespace pxrt
