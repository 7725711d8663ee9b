// Namespace declarations kept with decoded records (rtXmlNSKeepInScope).
// Most records of one document keep the same declarations (those of its
// root), so each distinct set is stored once and shared by reference count;
// lookups by record address are constant time, however many records keep
// a set.
#ifndef PXRT_INTERNAL_KEPT_SCOPES_H
#define PXRT_INTERNAL_KEPT_SCOPES_H

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace pxrt {

using Declarations = std::vector<std::pair<std::string, std::string>>;  // (prefix, uri), outermost first

class KeptScopes {
 public:
  void keep(const void* record, Declarations decls);
  const Declarations* find(const void* record) const;
  void drop(const void* record);
  void clear();

 private:
  struct Set {
    Declarations decls;
    std::string key;
    uint32_t users = 0;
  };
  std::vector<Set> sets_;
  std::vector<uint32_t> freeSets_;
  std::unordered_map<std::string, uint32_t> byKey_;
  std::unordered_map<const void*, uint32_t> byRecord_;
};

}  // namespace pxrt

#endif
