// XML whitespace handling for the collapse and replace facets. Only the four
// XML blanks count: other control characters and Unicode spaces are content.
#include "internal/lexical.h"

namespace pxrt::lex {

std::string_view trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isXmlSpace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && isXmlSpace(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

bool needsInnerCollapse(std::string_view trimmed) {
  // Trimmed again so that a caller passing untrimmed text still gets an
  // answer about the inside only, as the name promises.
  const std::string_view inner = trim(trimmed);
  bool previousWasSpace = false;
  for (char ch : inner) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == 0x20) {
      if (previousWasSpace) return true;
      previousWasSpace = true;
    } else if (isXmlSpace(c)) {
      return true;  // a lone tab, CR or LF still becomes a space
    } else {
      previousWasSpace = false;
    }
  }
  return false;
}

// The write index never passes the read index, so out may be text.data()
// itself: the decode input is collapsed in place.
size_t collapse(std::string_view text, char* out) {
  const std::string_view inner = trim(text);
  size_t written = 0;
  bool inRun = false;
  for (char ch : inner) {
    if (isXmlSpace(static_cast<unsigned char>(ch))) {
      inRun = true;
      continue;
    }
    if (inRun) out[written++] = ' ';
    inRun = false;
    out[written++] = ch;
  }
  return written;
}

void replace(char* text, size_t len) {
  for (size_t i = 0; i < len; ++i) {
    if (isXmlSpace(static_cast<unsigned char>(text[i]))) text[i] = ' ';
  }
}

}  // namespace pxrt::lex
