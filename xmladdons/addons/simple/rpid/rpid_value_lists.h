// activities and mood share one shape: notes, then either the marker
// "unknown" or a list of values, each an empty element of a fixed list, an
// "other" note, or foreign elements. The tables of that shape are derived
// from the list of value names.
#ifndef PXS_RPID_VALUE_LISTS_H
#define PXS_RPID_VALUE_LISTS_H

#include <cstddef>

#include "rpid/rpid_tables.h"

namespace pxs::rpid {

constexpr int8_t kNs = PX_NS_RPID;

template <size_t N>
struct ValueList {
  Member values[N + 2];                  // alternatives of one value: the names, other, foreign elements
  RtXmlElemInfo elems[N + 4];            // note, unknown, the names, other, foreign elements
  ElemRow rows[N + 4];
  uint8_t matrix[(N + 4) * 4];
};

// unknownMin: the marker's minimum occurrence as the schema states it.
template <size_t N>
constexpr ValueList<N> valueList(const char* const (&names)[N], int32_t unknownMin) {
  ValueList<N> v{};
  for (size_t i = 0; i < N; ++i) v.values[i] = Member{names[i], Kind::Empty, Role::Alternative, kNoBit, 0, names[i], kNs, 1, 1};
  v.values[N] = Member{"rpid_other", Kind::Record, Role::Alternative, kNoBit,
                       offsetof(rpid__activities_5, u.rpid_other), "other", kNs, 1, 1, &kDesc_Note_t};
  v.values[N + 1] = Member{"rpid__any", Kind::AnyList, Role::Alternative, kNoBit,
                           offsetof(rpid__activities_5, u.rpid__any), "", kNs, 1, kUnbounded};
  v.elems[0] = {"note", kNs, 0, kUnbounded};
  v.elems[1] = {"unknown", kNs, unknownMin, 1};
  for (size_t i = 0; i < N; ++i) v.elems[2 + i] = {names[i], kNs, 1, 1};
  v.elems[N + 2] = {"other", kNs, 1, 1};
  v.elems[N + 3] = {"", kNs, 1, kUnbounded};
  // A value starts a new list item (tag 2 of the outer choice) whose own
  // choice takes the value's tag.
  v.rows[0] = {0};
  v.rows[1] = {1, 1};
  for (size_t i = 0; i < N + 2; ++i) v.rows[2 + i] = {1, 2, static_cast<uint16_t>(i + 1)};
  //                     s0  s1  s2   s3
  const uint8_t note[] = {1, 1, kNo, kNo};
  const uint8_t unknown[] = {4, 4, kNo, kNo};  // state 4 has no column: nothing follows
  const uint8_t value[] = {2, 2, 2, kNo};
  const uint8_t any[] = {3, 3, 3, 3};
  for (size_t row = 0; row < N + 4; ++row) {
    const uint8_t* src = row == 0 ? note : row == 1 ? unknown : row == N + 3 ? any : value;
    for (size_t s = 0; s < 4; ++s) v.matrix[row * 4 + s] = src[s];
  }
  return v;
}

}  // namespace pxs::rpid

#endif
