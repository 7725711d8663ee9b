// Which bytes XML text and attribute values must carry as references.
#ifndef PXRT_INTERNAL_ESCAPE_H
#define PXRT_INTERNAL_ESCAPE_H

#include <string>
#include <string_view>

namespace pxrt {

// Character data: & and < always, > so that "]]>" never appears, CR so that
// it survives line-end normalisation.
constexpr const char* textEscape(unsigned char c) {
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
constexpr const char* attrEscape(unsigned char c) {
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

// Which bytes an escape function replaces, as a table: text is copied in
// runs between them, not byte by byte.
template <const char* (*Escape)(unsigned char)>
struct EscapeTable {
  bool special[256];
  constexpr EscapeTable() : special() {
    for (int c = 0; c < 256; ++c) special[c] = Escape(static_cast<unsigned char>(c)) != nullptr;
  }
};
template <const char* (*Escape)(unsigned char)>
inline constexpr EscapeTable<Escape> kEscapeTable{};

template <const char* (*Escape)(unsigned char)>
void appendEscaped(std::string& out, std::string_view text) {
  const bool* special = kEscapeTable<Escape>.special;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const char* run = p;
    while (p < end && !special[static_cast<unsigned char>(*p)]) ++p;
    out.append(run, static_cast<size_t>(p - run));
    if (p == end) break;
    out.append(Escape(static_cast<unsigned char>(*p)));
    ++p;
  }
}

}  // namespace pxrt

#endif
