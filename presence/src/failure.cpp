#include "failure.h"

#include <algorithm>
#include <utility>

namespace pxp {

bool fail(Failure& failure, int status, std::string message) {
  failure.status = status;
  failure.message = std::move(message);
  return false;
}

Limits limitsFrom(const PxpOptions* options) {
  Limits limits{kDefaultMaxDocumentSize, kDefaultMaxDepth};
  if (!options) return limits;
  if (options->context) {
    limits.maxDocumentSize = rtxGetLimit(options->context, RT_LIMIT_DOCUMENT_SIZE);
    limits.maxDepth = std::min(rtxGetLimit(options->context, RT_LIMIT_DEPTH), kMaxDepthCeiling);
    return limits;
  }
  if (options->maxDocumentSize) limits.maxDocumentSize = options->maxDocumentSize;
  if (options->maxDepth) limits.maxDepth = options->maxDepth;
  limits.maxDepth = std::min(limits.maxDepth, kMaxDepthCeiling);
  return limits;
}

}  // namespace pxp

extern "C" PXP_API const char* pxpErrorName(int status) {
  switch (status) {
    case PXP_OK: return "ok";
    case PXP_E_INVALID_ATTRIBUTE_VALUE: return "invalid-attribute-value";
    case PXP_E_INVALID_CHARACTER_SET: return "invalid-character-set";
    case PXP_E_INVALID_DIFF_FORMAT: return "invalid-diff-format";
    case PXP_E_INVALID_ENTITY_DECLARATION: return "invalid-entity-declaration";
    case PXP_E_INVALID_NAMESPACE_PREFIX: return "invalid-namespace-prefix";
    case PXP_E_INVALID_NAMESPACE_URI: return "invalid-namespace-uri";
    case PXP_E_INVALID_NODE_TYPES: return "invalid-node-types";
    case PXP_E_INVALID_PATCH_DIRECTIVE: return "invalid-patch-directive";
    case PXP_E_INVALID_ROOT_ELEMENT_REMOVAL: return "invalid-root-element-removal";
    case PXP_E_INVALID_XML_PROLOG_OR_EPILOG: return "invalid-xml-prolog-or-epilog";
    case PXP_E_INVALID_WHITESPACE_DIRECTIVE: return "invalid-whitespace-directive";
    case PXP_E_UNLOCATED_NODE: return "unlocated-node";
    case PXP_E_UNSUPPORTED_ID_FUNCTION: return "unsupported-id-function";
    case PXP_E_UNSUPPORTED_XML_ID: return "unsupported-xml-id";
    case PXP_E_OUT_OF_SEQUENCE: return "out-of-sequence";
    case PXP_E_INVALID_DOCUMENT: return "invalid-document";
    case PXP_E_LIMIT_EXCEEDED: return "limit-exceeded";
    case PXP_E_ENTITY_MISMATCH: return "entity-mismatch";
    case PXP_E_NO_MEMORY: return "no-memory";
    case PXP_E_BAD_ARGUMENT: return "bad-argument";
    default: return "unknown";
  }
}
