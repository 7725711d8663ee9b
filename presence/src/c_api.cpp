// The C entry points: argument checks, the translation of internal failures
// into PxpError, result texts on the C heap, and no exception crossing the
// boundary.
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "apply.h"
#include "compare.h"
#include "compose.h"
#include "failure.h"
#include "generate.h"
#include "presence_form.h"
#include "xml_input.h"

namespace pxp {
namespace {

void report(const Failure& failure, PxpError* error) {
  if (!error) return;
  error->status = failure.status;
  error->name = pxpErrorName(failure.status);
  error->document = failure.document;
  error->operation = failure.operation;
  error->line = failure.line;
  std::size_t n = std::min(failure.message.size(), sizeof error->message - 1);
  std::memcpy(error->message, failure.message.data(), n);
  error->message[n] = '\0';
}

int finish(const Failure& failure, PxpError* error) {
  report(failure, error);
  return failure.status;
}

int giveText(std::string&& text, PxpKind kind, PxpText* out, PxpError* error) {
  char* data = static_cast<char*>(std::malloc(text.size() + 1));
  Failure failure;
  if (!data) {
    fail(failure, PXP_E_NO_MEMORY, "out of memory for the result");
    return finish(failure, error);
  }
  std::memcpy(data, text.data(), text.size());
  data[text.size()] = '\0';
  *out = PxpText{data, text.size(), kind};
  return finish(failure, error);
}

int badArgument(PxpError* error, const char* what) {
  Failure failure;
  fail(failure, PXP_E_BAD_ARGUMENT, what);
  return finish(failure, error);
}

int outOfMemory(PxpError* error) {
  Failure failure;
  fail(failure, PXP_E_NO_MEMORY, "out of memory");
  return finish(failure, error);
}

}  // namespace
}  // namespace pxp

using namespace pxp;

extern "C" {

PXP_API void pxpTextFree(PxpText* text) {
  if (!text) return;
  std::free(text->data);
  text->data = nullptr;
  text->length = 0;
}

PXP_API int pxpApply(const char* state, size_t stateLength, const char* diff, size_t diffLength,
                     const PxpOptions* options, PxpText* result, PxpError* error) {
  if (!state || !diff || !result) return badArgument(error, "state, diff and result are required");
  *result = PxpText{nullptr, 0, PXP_KIND_PRESENCE};
  try {
    Failure failure;
    std::string text;
    Form form;
    if (!applyPatch({state, stateLength}, {diff, diffLength}, limitsFrom(options), &text, &form, failure)) {
      return finish(failure, error);
    }
    return giveText(std::move(text), form == Form::Full ? PXP_KIND_FULL : PXP_KIND_PRESENCE, result, error);
  } catch (const std::bad_alloc&) {
    return outOfMemory(error);
  }
}

PXP_API int pxpGenerate(const char* oldState, size_t oldLength, const char* newState, size_t newLength,
                        const PxpGenerateOptions* options, PxpText* result, PxpError* error) {
  if (!oldState || !newState || !result) return badArgument(error, "both states and result are required");
  *result = PxpText{nullptr, 0, PXP_KIND_DIFF};
  try {
    Failure failure;
    GenerateResult generated;
    bool hasVersion = options && options->hasVersion;
    uint32_t version = options ? options->version : 0;
    if (!generateDiff({oldState, oldLength}, {newState, newLength}, limitsFrom(options ? &options->limits : nullptr),
                      hasVersion, version, &generated, failure)) {
      return finish(failure, error);
    }
    return giveText(std::move(generated.text), generated.full ? PXP_KIND_FULL : PXP_KIND_DIFF, result, error);
  } catch (const std::bad_alloc&) {
    return outOfMemory(error);
  }
}

PXP_API int pxpCompose(const PxpInput* inputs, size_t count, const PxpOptions* options, PxpText* result,
                       PxpError* error) {
  if (!inputs || !result || count == 0) return badArgument(error, "at least one input and a result are required");
  *result = PxpText{nullptr, 0, PXP_KIND_PRESENCE};
  try {
    std::vector<std::string_view> texts;
    for (size_t i = 0; i < count; ++i) {
      if (!inputs[i].data) return badArgument(error, "an input has no data");
      texts.emplace_back(inputs[i].data, inputs[i].length);
    }
    Failure failure;
    std::string text;
    if (!composeDocuments(texts, limitsFrom(options), &text, failure)) return finish(failure, error);
    return giveText(std::move(text), PXP_KIND_PRESENCE, result, error);
  } catch (const std::bad_alloc&) {
    return outOfMemory(error);
  }
}

PXP_API int pxpCompare(const char* a, size_t aLength, const char* b, size_t bLength, const PxpOptions* options,
                       int* equal, PxpError* error) {
  if (!a || !b || !equal) return badArgument(error, "both documents and equal are required");
  *equal = 0;
  try {
    Limits limits = limitsFrom(options);
    Failure failure;
    pugi::xml_document x, y;
    if (!parseDocument({a, aLength}, limits, kDocumentStatuses, 0, x, failure) ||
        !parseDocument({b, bLength}, limits, kDocumentStatuses, 1, y, failure)) {
      return finish(failure, error);
    }
    Scopes xs, ys;
    std::string where;
    *equal = equalElements(documentElement(x), xs, documentElement(y), ys, &where, failure) ? 1 : 0;
    if (failure.status) {
      *equal = 0;
      return finish(failure, error);
    }
    failure.message = where;
    return finish(failure, error);
  } catch (const std::bad_alloc&) {
    return outOfMemory(error);
  }
}

}  // extern "C"
