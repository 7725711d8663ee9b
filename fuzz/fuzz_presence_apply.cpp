// Fuzz target: any state with any diff. The input is the state, a NUL, then
// the diff (without a NUL, the whole input is a diff for a fixed state).
// apply, generate, compose and compare run on them; nothing may crash, hang
// or leak, and where apply succeeds, the diff generated from the state to
// the result must reproduce the result (else the target traps).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "pxxml/presence.h"

namespace {

const char kState[] =
    "<?xml version=\"1.0\"?>\n<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" "
    "xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" xmlns:r=\"urn:ietf:params:xml:ns:pidf:rpid\" entity=\"e\">\n"
    "  <tuple id=\"t1\"><status><basic>open</basic></status><note>n</note></tuple>\n"
    "  <tuple id=\"t2\"><status><basic>closed</basic></status></tuple>\n"
    "  <note>presence</note><!-- c --><dm:person id=\"p\"><r:activities><r:busy/></r:activities></dm:person>\n"
    "</presence>\n";

const char kStub[] = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"/>";

// A state in presence form: versions are the sender's business, not content.
bool presenceForm(const PxpText& state, PxpText* out) {
  if (state.kind != PXP_KIND_FULL) {
    *out = PxpText{nullptr, 0, PXP_KIND_PRESENCE};
    return true;
  }
  return pxpApply(kStub, sizeof kStub - 1, state.data, state.length, nullptr, out, nullptr) == PXP_OK;
}

// Equal as documents, both in presence form.
bool sameState(const PxpText& a, const PxpText& b) {
  PxpText x{}, y{};
  bool converted = presenceForm(a, &x) && presenceForm(b, &y);
  const PxpText& left = x.data ? x : a;
  const PxpText& right = y.data ? y : b;
  int equal = 0;
  bool same = converted && pxpCompare(left.data, left.length, right.data, right.length, nullptr, &equal, nullptr) == PXP_OK && equal == 1;
  pxpTextFree(&x);
  pxpTextFree(&y);
  return same;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  const char* nul = static_cast<const char*>(std::memchr(text, '\0', size));
  std::string state = nul ? std::string(text, nul) : std::string(kState);
  std::string diff = nul ? std::string(nul + 1, text + size) : std::string(text, size);
  PxpOptions options{nullptr, 0, 64};

  PxpText result{};
  PxpError error{};
  if (pxpApply(state.data(), state.size(), diff.data(), diff.size(), &options, &result, &error) == PXP_OK) {
    PxpText generated{};
    if (pxpGenerate(state.data(), state.size(), result.data, result.length, nullptr, &generated, nullptr) == PXP_OK) {
      PxpText again{};
      if (pxpApply(state.data(), state.size(), generated.data, generated.length, nullptr, &again, nullptr) != PXP_OK ||
          !sameState(again, result)) {
        __builtin_trap();
      }
      pxpTextFree(&again);
    }
    pxpTextFree(&generated);
  }
  pxpTextFree(&result);

  // The two inputs as publications and as documents to compare.
  PxpInput inputs[2] = {{state.data(), state.size()}, {diff.data(), diff.size()}};
  PxpText composed{};
  pxpCompose(inputs, 2, &options, &composed, nullptr);
  pxpTextFree(&composed);
  int equal = 0;
  pxpCompare(state.data(), state.size(), diff.data(), diff.size(), &options, &equal, nullptr);
  return 0;
}
