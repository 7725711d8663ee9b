// XML Schema regular expressions (the pattern facet): compile once, match in
// time linear in the text. Used by rtxMatchPattern and rtXmlEncDecimal.
#ifndef PXRT_INTERNAL_PATTERN_H
#define PXRT_INTERNAL_PATTERN_H

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pxrt::pattern {

// A compiled pattern. Opaque outside runtime/pattern/.
struct Program;

struct ProgramDeleter {
  void operator()(Program* p) const noexcept;
};
using ProgramPtr = std::unique_ptr<Program, ProgramDeleter>;

// Compile an XML Schema pattern. On failure returns null and sets *error to a
// short explanation naming the offending position.
ProgramPtr compile(std::string_view pattern, std::string* error);

// True when the whole UTF-8 text matches. Invalid UTF-8 never matches.
bool matches(const Program& program, std::string_view text);

}  // namespace pxrt::pattern

namespace pxrt {

// Per-context cache of compiled patterns, keyed by the pattern text. Patterns
// come from constant schema tables, so the cache stays small; it is bounded
// all the same so that callers passing arbitrary patterns cannot grow it
// without limit.
class PatternCache {
 public:
  // The compiled pattern, compiling it on first use; null when the pattern
  // does not compile (the explanation goes to *error).
  const pattern::Program* get(std::string_view pattern, std::string* error);
  void clear() {
    entries_.clear();
    forgetRecent();
  }

 private:
  void forgetRecent() {
    for (Recent& r : recent_) r = Recent{};
  }
  std::unordered_map<std::string, pattern::ProgramPtr> entries_;
  // The last few patterns found, checked by their text before the map is
  // hashed: a document asks for the same two or three again and again. The
  // keys are the map's own (its nodes stay put until it is cleared).
  struct Recent {
    const std::string* key = nullptr;
    const pattern::Program* program = nullptr;
  };
  static constexpr size_t kRecent = 4;
  Recent recent_[kRecent];
  size_t nextRecent_ = 0;
};

}  // namespace pxrt

#endif
