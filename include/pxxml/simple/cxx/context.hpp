// px::Context: a runtime context with the library's per-context block, owned.
#ifndef PXXML_SIMPLE_CXX_CONTEXT_HPP
#define PXXML_SIMPLE_CXX_CONTEXT_HPP

#include <utility>

#include "pxxml/simple/simple.h"

namespace px {

// One context per thread: everything decoded, built or encoded through it
// lives in its heap. Records, results and extensions keep a pointer to the
// runtime context, which stays where it is when the Context moves; they must
// be gone before the Context that made them is destroyed. A Context converts
// to RtContext* wherever the C functions want one.
class Context {
 public:
  Context() noexcept : ctxt_(rtxNewContext()) { status_ = ctxt_ ? PxInit_SIMPLE_Global(ctxt_) : ST_NO_MEMORY; }
  ~Context() { reset(); }

  Context(Context&& other) noexcept
      : ctxt_(std::exchange(other.ctxt_, nullptr)), status_(std::exchange(other.status_, ST_BAD_CONTEXT)) {}
  Context& operator=(Context&& other) noexcept {
    if (this != &other) {
      reset();
      ctxt_ = std::exchange(other.ctxt_, nullptr);
      status_ = std::exchange(other.status_, ST_BAD_CONTEXT);
    }
    return *this;
  }
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  RtContext* get() const noexcept { return ctxt_; }
  operator RtContext*() const noexcept { return ctxt_; }
  // 0 when usable; ST_NO_MEMORY when it could not be set up, ST_BAD_CONTEXT
  // once moved from.
  int status() const noexcept { return status_; }
  explicit operator bool() const noexcept { return status_ == 0; }

 private:
  void reset() noexcept {
    if (ctxt_) rtxDeleteContext(ctxt_);  // runs the library block's release hook
    ctxt_ = nullptr;
    status_ = ST_BAD_CONTEXT;
  }

  RtContext* ctxt_;
  int status_;
};

}  // namespace px

#endif
