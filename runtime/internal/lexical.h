// Lexical forms of the XML Schema simple types the runtime converts: pure
// functions over byte spans, no context, no allocation. The rtXmlDec* and
// rtXmlEnc* calls wrap them with the context's decode input, heap, output
// buffer and error list.
#ifndef PXRT_INTERNAL_LEXICAL_H
#define PXRT_INTERNAL_LEXICAL_H

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pxxml/rt.h"

namespace pxrt::lex {

// XML whitespace: space, tab, carriage return, line feed.
constexpr bool isXmlSpace(unsigned char c) { return c == 0x20 || c == 0x09 || c == 0x0D || c == 0x0A; }

// The text without leading and trailing XML whitespace.
std::string_view trim(std::string_view text);
// True when collapsing would change more than the ends: an inner run of
// several blanks, or an inner tab, carriage return or line feed.
bool needsInnerCollapse(std::string_view trimmed);
// Collapse (trim, then every inner whitespace run becomes one space) into
// out, which holds at least text.size() bytes; returns the length written.
size_t collapse(std::string_view text, char* out);
// Replace (every tab, carriage return, line feed becomes a space) in place.
void replace(char* text, size_t len);

// Each parser accepts the collapsed lexical form with whitespace around it
// (the types' whiteSpace facet is "collapse"), and returns ST_OK, ST_BAD_VALUE
// for a text that is not a lexical form, or ST_OUT_OF_RANGE for a number that
// does not fit. The output is written only on ST_OK.
int parseBool(std::string_view text, bool* out);        // true false 1 0
int parseInt32(std::string_view text, int32_t* out);    // xs:int
int parseUInt32(std::string_view text, uint32_t* out);  // xs:unsignedInt
int parseUInt64(std::string_view text, uint64_t* out);  // xs:unsignedLong
int parseDecimal(std::string_view text, double* out);   // xs:decimal (no exponent, no INF/NaN)

// xs:dateTime: [-]YYYY-MM-DDThh:mm:ss[.s+][Z|(+|-)hh:mm]. Returns the number of
// bytes of the text read (the whole text, > 0) on success, ST_BAD_VALUE
// otherwise. Checks month lengths and leap years, 24:00:00 only with zero
// fractions, zone offsets up to 14:00, years of four or more digits without
// leading zeros beyond four, year 0000 refused.
int parseDateTime(std::string_view text, RtDateTime* out);

// Spell a decimal by the format (digits limits, forced sign and point). The
// shortest text that reads back as the same double is used, in plain
// positional notation (never an exponent); fraction digits beyond
// fractionDigits are rounded away. Returns the length written into out (at
// most cap-1 bytes plus a NUL), or a negative status: ST_BAD_VALUE for
// infinities and NaN, ST_CONSTRAINT when the integer part needs more digits
// than maxIntegerDigits or the whole more than totalDigits. Patterns are not
// checked here.
int formatDecimal(double value, const RtDecimalFormat* format, char* out, size_t cap);

}  // namespace pxrt::lex

#endif
