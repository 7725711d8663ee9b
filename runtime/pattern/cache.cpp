// PatternCache: compiled patterns by pattern text, per runtime context.
#include <string>

#include "internal/code_layout.h"
#include "internal/pattern.h"

namespace pxrt {
namespace {

// Schema tables hold a few dozen patterns at most. Past this many entries
// someone is feeding arbitrary patterns, and starting over keeps memory
// bounded (each entry may hold a DFA cache of up to about a megabyte).
constexpr size_t kMaxEntries = 128;

}  // namespace

// The returned pointer stays valid until the next get() or clear() on this
// cache: a get() that compiles a new pattern may evict older ones.
PX_ENCODE_PATH const pattern::Program* PatternCache::get(std::string_view pattern, std::string* error) {
  for (const Recent& r : recent_)
    if (r.key && *r.key == pattern) return r.program;
  // The map is keyed by std::string; reusing one key buffer per thread keeps
  // a hit free of allocation.
  thread_local std::string key;
  key.assign(pattern.data(), pattern.size());
  auto it = entries_.find(key);
  if (it == entries_.end()) {
    pattern::ProgramPtr prog = pattern::compile(pattern, error);
    if (!prog) return nullptr;  // failures are not cached: they are rare and cheap to redo
    if (entries_.size() >= kMaxEntries) clear();
    it = entries_.emplace(key, std::move(prog)).first;
  }
  recent_[nextRecent_] = Recent{&it->first, it->second.get()};
  nextRecent_ = (nextRecent_ + 1) % kRecent;
  return it->second.get();
}

}  // namespace pxrt
