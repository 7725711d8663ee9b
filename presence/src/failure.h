// How the library's internals report a refusal: one Failure filled at the
// place that detects it, carried up by a false return, and copied into the
// caller's PxpError at the C boundary.
#ifndef PXP_FAILURE_H
#define PXP_FAILURE_H

#include <string>

#include "pxxml/presence.h"

namespace pxp {

struct Failure {
  int status = PXP_OK;
  int document = -1;
  int operation = -1;
  int line = 0;
  std::string message;
};

// Records a refusal and returns false, so callers can `return fail(...)`.
bool fail(Failure& failure, int status, std::string message);

// Limits in force for one call.
struct Limits {
  size_t maxDocumentSize;
  size_t maxDepth;
};
Limits limitsFrom(const PxpOptions* options);

// The runtime's defaults (rtxSetLimit with 0 restores them).
inline constexpr size_t kDefaultMaxDocumentSize = size_t{64} << 20;
inline constexpr size_t kDefaultMaxDepth = 256;
// Whatever a caller allows: pugixml releases a removed subtree recursively,
// so nesting is bounded where the thread's stack is safe.
inline constexpr size_t kMaxDepthCeiling = 10000;

}  // namespace pxp

#endif
