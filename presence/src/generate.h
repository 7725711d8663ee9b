// Writing the pidf-diff between two versions of a presence state.
#ifndef PXP_GENERATE_H
#define PXP_GENERATE_H

#include <cstdint>
#include <string>
#include <string_view>

#include "failure.h"

namespace pxp {

struct GenerateResult {
  std::string text;
  bool full = false;  // the text is the new state as a pidf-full
};

// version: the diff's version when hasVersion, else the old state's + 1
// when it carries one.
bool generateDiff(std::string_view oldState, std::string_view newState, const Limits& limits, bool hasVersion,
                  uint32_t version, GenerateResult* result, Failure& failure);

}  // namespace pxp

#endif
