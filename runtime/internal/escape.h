// Which bytes XML text and attribute values must carry as references.
#ifndef PXRT_INTERNAL_ESCAPE_H
#define PXRT_INTERNAL_ESCAPE_H

#include <string>
#include <string_view>

namespace pxrt {

// Character data: & and < always, > so that "]]>" never appears, CR so that
// it survives line-end normalisation.
inline const char* textEscape(unsigned char c) {
  switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '\r': return "&#13;";
    default: return nullptr;
  }
}

// Double-quoted attribute values: also the quote, and TAB, LF, CR, which
// attribute-value normalisation would otherwise turn into spaces.
inline const char* attrEscape(unsigned char c) {
  switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    case '\t': return "&#9;";
    case '\n': return "&#10;";
    case '\r': return "&#13;";
    default: return nullptr;
  }
}

template <const char* (*Escape)(unsigned char)>
void appendEscaped(std::string& out, std::string_view text) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char* rep = Escape(static_cast<unsigned char>(text[i]));
    if (!rep) continue;
    out.append(text.data() + start, i - start);
    out.append(rep);
    start = i + 1;
  }
  out.append(text.data() + start, text.size() - start);
}

}  // namespace pxrt

#endif
