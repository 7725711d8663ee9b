// Applying a partial presence body to a stored full state.
#ifndef PXP_APPLY_H
#define PXP_APPLY_H

#include <string>
#include <string_view>

#include "failure.h"
#include "presence_form.h"

namespace pxp {

// The new state as text in the stored state's form (*form). On failure
// nothing is produced and `failure` tells why.
bool applyPatch(std::string_view state, std::string_view diff, const Limits& limits, std::string* result, Form* form,
                Failure& failure);

}  // namespace pxp

#endif
