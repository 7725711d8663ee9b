// Enumerations and choice alternatives by name.
//
//   px::enums::tns_basic::text(TNS_BASIC_OPEN)         // "open"
//   px::enums::tns_basic::value("closed")              // TNS_BASIC_CLOSED, or nothing
//   px::choice_name(px::choice_names::rpid__activities_5, tag)   // "away"
//
// The values themselves are the constants of the C headers (TNS_BASIC_OPEN,
// RPID__ACTIVITIES_5_AWAY, TNS_TUPLE_CONTACT, ...).
#ifndef PXXML_SIMPLE_CXX_ENUMS_HPP
#define PXXML_SIMPLE_CXX_ENUMS_HPP

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "pxxml/simple/cxx/tables.hpp"
#include "pxxml/simple/simple.h"

#define PX_CXX_ENUMERATIONS(X)                                                                           \
  X(tns_basic) X(rpid_activeIdle) X(rlmi__instance_state) X(tns__watcher_status) X(tns__watcher_event) \
  X(tns__watcherinfo_state) X(pos) X(ws)

namespace px {
namespace enums {

// text(value): the enumeration's text for a value ("" for none);
// value(text): the value of a text, nothing when it is none of them.
#define PX_CXX_ENUMERATION(T)                                                                      \
  struct T {                                                                                       \
    static const char* text(uint16_t value) noexcept {                                             \
      const OSUTF8CHAR* s = Px##T##_ToString(value);                                               \
      const char* c = reinterpret_cast<const char*>(s);                                            \
      return c && std::strcmp(c, "_UNKNOWN_") != 0 ? c : "";                                         \
    }                                                                                              \
    static std::optional<uint16_t> value(std::string_view text) noexcept {                         \
      uint16_t v = 0;                                                                              \
      const char* data = text.empty() ? "" : text.data();                                          \
      if (Px##T##_ToEnum(reinterpret_cast<const OSUTF8CHAR*>(data), text.size(), &v) != 0) return {}; \
      return v;                                                                                    \
    }                                                                                              \
  };
PX_CXX_ENUMERATIONS(PX_CXX_ENUMERATION)
#undef PX_CXX_ENUMERATION

}  // namespace enums

// The name of a choice's alternative from its table in px::choice_names:
// "" for 0 (nothing chosen) and for a tag the choice does not have.
template <size_t N>
const char* choice_name(const char* const (&names)[N], unsigned tag) noexcept {
  return tag < N ? names[tag] : "";
}

}  // namespace px

#endif
