// The value lists of RPID activities and mood: "unknown", or one or more
// values, each a named element (its tag), an "other" text or foreign
// elements. activities and mood share their record types; their tags are
// RPID__ACTIVITIES_5_* and RPID__MOOD_5_*.
//
//   for (uint16_t tag : px::rpid::values(a->rpid__choice2)) ...    // RPID__ACTIVITIES_5_AWAY, ...
//   for (const char* name : px::rpid::activity_names(*a)) ...     // "away", ...
//   px::rpid::add_value(ctx, a->rpid__choice2, RPID__ACTIVITIES_5_BUSY);
#ifndef PXXML_SIMPLE_CXX_RPID_HPP
#define PXXML_SIMPLE_CXX_RPID_HPP

#include <cstdint>
#include <vector>

#include "pxxml/simple/cxx/enums.hpp"
#include "pxxml/simple/cxx/lists.hpp"
#include "pxxml/simple/rpid.h"

namespace px {
namespace rpid {

// The tag of each value in order; none when the element says "unknown".
inline std::vector<uint16_t> values(const rpid__activities_2& list) {
  std::vector<uint16_t> tags;
  if (list.t != RPID__ACTIVITIES_2_SEQ2) return tags;
  for (const rpid__activities_4& item : items<rpid__activities_4>(list.u.rpid__seq2))
    tags.push_back(item.rpid__choice1.t);
  return tags;
}

// The names of the values: "away", "other" (its text in the value), "any"
// (foreign elements); none when the element says "unknown".
inline std::vector<const char*> activity_names(const rpid__activities& activities) {
  std::vector<const char*> names;
  for (uint16_t tag : values(activities.rpid__choice2)) names.push_back(choice_name(choice_names::rpid__activities_5, tag));
  return names;
}
inline std::vector<const char*> mood_names(const rpid__mood& mood) {
  std::vector<const char*> names;
  for (uint16_t tag : values(mood.rpid__choice2)) names.push_back(choice_name(choice_names::rpid__mood_5, tag));
  return names;
}

// Append a value with this tag, making the element a list of values. The
// new value is returned for an "other" text or foreign elements; null
// without memory.
inline rpid__activities_5* add_value(RtContext* ctxt, rpid__activities_2& list, uint16_t tag) noexcept {
  if (list.t != RPID__ACTIVITIES_2_SEQ2) {
    list.t = RPID__ACTIVITIES_2_SEQ2;
    rtxDListInit(&list.u.rpid__seq2);
  }
  rpid__activities_4* item = append<rpid__activities_4>(ctxt, list.u.rpid__seq2);
  if (!item) return nullptr;
  item->rpid__choice1.t = tag;
  return &item->rpid__choice1;
}

}  // namespace rpid
}  // namespace px

#endif
