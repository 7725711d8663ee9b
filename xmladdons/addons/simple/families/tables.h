// Helpers for writing schema tables: member rows read like the record
// tables they come from, and the entry-point block of a descriptor is one
// macro.
#ifndef PXS_FAMILIES_TABLES_H
#define PXS_FAMILIES_TABLES_H

#include <cstddef>
#include <string>

#include "families/descriptor.h"
#include "families/wrappers.h"
#include "type_lists.h"

namespace pxs {

constexpr uint8_t kNo = RT_STATE_NO;        // element not allowed in this state
constexpr uint8_t kFinal = RT_STATE_FINAL;  // allowed, and the content is then complete
constexpr int32_t kUnbounded = -1;
constexpr int8_t kNoBit = -1;

// A child element (or element list) of a sequence.
constexpr Member element(const char* field, Kind kind, int8_t bit, size_t offset, const char* xmlName, int8_t ns,
                         int32_t minOccurs, int32_t maxOccurs, const TypeDesc* type = nullptr,
                         const SimpleType* simple = nullptr) {
  const size_t length = xmlName ? std::char_traits<char>::length(xmlName) : 0;
  if (length > UINT8_MAX) throw "element name too long";  // stops the build
  return Member{field,     kind, Role::Element, bit, static_cast<uint16_t>(offset), xmlName, ns, minOccurs, maxOccurs,
                type,      simple, INT64_MIN,   static_cast<uint8_t>(length)};
}
// The element wildcard list of a sequence.
constexpr Member wildcard(const char* field, size_t offset, int8_t ns, int32_t minOccurs = 0) {
  return Member{field, Kind::AnyList, Role::Element, kNoBit, static_cast<uint16_t>(offset), "", ns, minOccurs,
                kUnbounded};
}
constexpr Member attribute(const char* field, Kind kind, int8_t bit, size_t offset, const char* xmlName,
                           const SimpleType* simple = nullptr, int64_t minValue = INT64_MIN) {
  const size_t length = std::char_traits<char>::length(xmlName);
  if (length > UINT8_MAX) throw "attribute name too long";  // stops the build
  return Member{field, kind, Role::Attribute, bit, static_cast<uint16_t>(offset), xmlName, -1, bit < 0 ? 1 : 0, 1,
                nullptr, simple, minValue, static_cast<uint8_t>(length)};
}
constexpr Member textValue(Kind kind, size_t offset, const SimpleType* simple = nullptr) {
  return Member{"value", kind, Role::Value, kNoBit, static_cast<uint16_t>(offset), nullptr, -1, 1, 1, nullptr, simple};
}
constexpr Member nsAttrs(size_t offset) {
  return Member{"nsAttrs", Kind::NsAttrs, Role::Attribute, kNoBit, static_cast<uint16_t>(offset), nullptr, -1, 0, 0};
}
constexpr Member anyAttr(size_t offset) {
  return Member{"_anyAttr", Kind::AnyAttr, Role::Attribute, kNoBit, static_cast<uint16_t>(offset), nullptr, -1, 0, 0};
}

template <typename T, size_t N>
constexpr uint8_t count(const T (&)[N]) {
  static_assert(N < 256, "tables are indexed by bytes");
  return static_cast<uint8_t>(N);
}

// Every member lies inside its record and owns a bit of a 32-bit word.
template <size_t N>
constexpr bool membersFit(const Member (&members)[N], size_t recordSize) {
  for (const Member& m : members) {
    if (m.offset >= recordSize) return false;
    if (m.bit >= 32) return false;
  }
  return true;
}

constexpr size_t textLength(const char* s) {
  size_t n = 0;
  while (s[n]) ++n;
  return n;
}
constexpr int compareText(const char* a, const char* b) {
  for (;; ++a, ++b) {
    if (*a != *b) return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b) ? -1 : 1;
    if (!*a) return 0;
  }
}

// An enumeration table as rtxLookupEnum and the _ToString index need it:
// texts strictly ascending, lengths right, every value's entry reachable
// through the index column.
struct EnumEntry {
  const char* text;
  int32_t value;
};
template <size_t N>
struct EnumTable {
  RtEnumItem items[N];
};
template <size_t N>
inline EnumTable<N> enumTable(const EnumEntry (&sorted)[N]) {
  EnumTable<N> t{};
  for (size_t i = 0; i < N; ++i) {
    t.items[i].name = reinterpret_cast<const OSUTF8CHAR*>(sorted[i].text);
    t.items[i].value = sorted[i].value;
    t.items[i].namelen = static_cast<uint16_t>(textLength(sorted[i].text));
    for (size_t j = 0; j < N; ++j)
      if (sorted[j].value == static_cast<int32_t>(i)) t.items[i].transidx = static_cast<uint16_t>(j);
  }
  return t;
}
template <size_t N>
constexpr bool enumTableValid(const EnumEntry (&sorted)[N]) {
  for (size_t i = 0; i + 1 < N; ++i)
    if (compareText(sorted[i].text, sorted[i + 1].text) >= 0) return false;
  for (size_t v = 0; v < N; ++v) {
    size_t found = 0;
    for (size_t j = 0; j < N; ++j) found += sorted[j].value == static_cast<int32_t>(v);
    if (found != 1) return false;
  }
  return true;
}

}  // namespace pxs

// An enumeration's table kTable_T from its texts sorted, each with its value
// (its position in the schema's list), checked when compiled.
#define PX_ENUM_TABLE(T, ...)                                                     \
  static constexpr pxs::EnumEntry kEntries_##T[] = {__VA_ARGS__};                \
  static_assert(pxs::enumTableValid(kEntries_##T), "enumeration table of " #T); \
  static const auto kEnum_##T = pxs::enumTable(kEntries_##T);                   \
  static const RtEnumItem(&kTable_##T)[sizeof kEntries_##T / sizeof kEntries_##T[0]] = kEnum_##T.items;

// The exported entry points and diagnostic names of a type with handlers.
#define PX_HANDLER_ENTRIES(T)                                                                      \
  .saxStart = PxSAX_##T##_startElement, .saxEnd = PxSAX_##T##_endElement,                         \
  .saxChars = PxSAX_##T##_characters, .vsaxStart = PxVSAX_##T##_startElement,                     \
  .vsaxEnd = PxVSAX_##T##_endElement, .vsaxChars = PxVSAX_##T##_characters,                       \
  .diagSaxStart = "PxSAX_" #T "_startElement", .diagSaxEnd = "PxSAX_" #T "_endElement",           \
  .diagVsaxStart = "PxVSAX_" #T "_startElement", .diagVsaxEnd = "PxVSAX_" #T "_endElement"

#endif
