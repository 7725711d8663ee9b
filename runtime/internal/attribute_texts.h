// The texts of a start tag's attribute array. The reader counts them, and
// for handlers that read by those counts (rtSaxCSetAttrsByLength) hands
// plain attributes over where they stand in the document, without a NUL;
// an array of anyone else (expat's, a caller's own) is NUL-terminated.
#ifndef PXRT_INTERNAL_ATTRIBUTE_TEXTS_H
#define PXRT_INTERNAL_ATTRIBUTE_TEXTS_H

#include <cstdint>
#include <string_view>

namespace pxrt {

class AttributeTexts {
 public:
  // lengths: the reader's counts for this array, or null.
  AttributeTexts(const char* const* attrs, const uint32_t* lengths) : a_(attrs), lengths_(lengths) {}
  bool done() const { return !a_ || !a_[0]; }
  void next() {
    a_ += 2;
    if (lengths_) lengths_ += 2;
  }
  std::string_view name() const { return lengths_ ? std::string_view(a_[0], lengths_[0]) : std::string_view(a_[0]); }
  std::string_view value() const { return lengths_ ? std::string_view(a_[1], lengths_[1]) : std::string_view(a_[1]); }

 private:
  const char* const* a_;
  const uint32_t* lengths_;
};

// Where the first colon of a name is, or npos. Names are short: a loop
// here costs less than a call.
inline size_t colonIn(std::string_view name) {
  for (size_t i = 0; i < name.size(); ++i)
    if (name[i] == ':') return i;
  return std::string_view::npos;
}

// The prefix of a name ("" without a colon).
inline std::string_view namePrefix(std::string_view name) {
  const size_t colon = colonIn(name);
  return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

}  // namespace pxrt

#endif
