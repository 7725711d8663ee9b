// Composing the publications of one presentity into one presence document.
#ifndef PXP_COMPOSE_H
#define PXP_COMPOSE_H

#include <string>
#include <string_view>
#include <vector>

#include "failure.h"

namespace pxp {

bool composeDocuments(const std::vector<std::string_view>& inputs, const Limits& limits, std::string* result,
                      Failure& failure);

}  // namespace pxp

#endif
