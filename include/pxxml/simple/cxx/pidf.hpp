// PIDF status at a glance.
//
//   for (auto& t : px::items<tns_tuple>(p.tns_tuple)) std::puts(px::pidf::basic(t.tns_status));
#ifndef PXXML_SIMPLE_CXX_PIDF_HPP
#define PXXML_SIMPLE_CXX_PIDF_HPP

#include "pxxml/simple/cxx/enums.hpp"
#include "pxxml/simple/cxx/lists.hpp"
#include "pxxml/simple/pidf.h"

namespace px {
namespace pidf {

// "open" or "closed"; "" when the status carries no basic element (its
// member then holds 0, which would read as "open").
inline const char* basic(const tns_status& status) noexcept {
  return has(status, TNS_STATUS_BASIC) ? enums::tns_basic::text(status.tns_basic) : "";
}

}  // namespace pidf
}  // namespace px

#endif
