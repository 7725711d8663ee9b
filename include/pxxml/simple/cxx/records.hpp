// Records owned by C++ objects, and whole documents decoded, validated and
// encoded in one call each.
//
//   px::Record<tns_presence> p(ctx);                  // initialised, released at scope end
//   auto in = px::decode<tns_presence>(ctx, text);   // or px::decode<px::doc::rpid_mood>
//   if (!in) std::fputs(in.errors().text().c_str(), stderr);
//   px::Encoded xml = px::encode(ctx, *p);
//
// The type argument is a document tag (px::doc::...) or a record type that
// only one document has. Each call starts with the context's error list
// empty and hands what it recorded to its result. Records live at a stable
// address (the runtime keeps data of some decoded records keyed by it).
#ifndef PXXML_SIMPLE_CXX_RECORDS_HPP
#define PXXML_SIMPLE_CXX_RECORDS_HPP

#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "pxxml/simple/cxx/documents.hpp"
#include "pxxml/simple/cxx/errors.hpp"

namespace px {

// A record of a document type in its own storage, initialised when made and
// released (its contents returned to the context heap) when destroyed.
// get() is null only when there was no memory or no usable context.
template <class T>
class Record {
 public:
  using document = document_t<T>;
  using record_type = typename document::record;

  explicit Record(RtContext* ctxt) : ctxt_(ctxt) {
    if (detail::context_status(ctxt) != 0) return;
    record_.reset(new (std::nothrow) record_type{});
    if (record_) document::init(ctxt, record_.get());
  }
  ~Record() { reset(); }
  Record(Record&& other) noexcept : ctxt_(other.ctxt_), record_(std::move(other.record_)) {}
  Record& operator=(Record&& other) noexcept {
    if (this != &other) {
      reset();
      ctxt_ = other.ctxt_;
      record_ = std::move(other.record_);
    }
    return *this;
  }
  Record(const Record&) = delete;
  Record& operator=(const Record&) = delete;

  record_type* get() noexcept { return record_.get(); }
  const record_type* get() const noexcept { return record_.get(); }
  record_type& operator*() noexcept { return *record_; }
  const record_type& operator*() const noexcept { return *record_; }
  record_type* operator->() noexcept { return record_.get(); }
  const record_type* operator->() const noexcept { return record_.get(); }
  RtContext* context() const noexcept { return ctxt_; }

 private:
  void reset() noexcept {
    if (record_) document::release(ctxt_, record_.get());
    record_.reset();
  }

  RtContext* ctxt_;
  std::unique_ptr<record_type> record_;
};

// A decoded document: the record (also after a failure, holding what the
// decoder kept) with the status and the errors of decoding.
template <class T>
class Decoded {
 public:
  using document = document_t<T>;
  using record_type = typename document::record;

  Decoded(Record<document> record, int status, Errors errors)
      : record_(std::move(record)), status_(status), errors_(std::move(errors)) {}

  bool ok() const noexcept { return status_ == 0; }
  explicit operator bool() const noexcept { return ok(); }
  int status() const noexcept { return status_; }
  const Errors& errors() const noexcept { return errors_; }

  record_type* get() noexcept { return record_.get(); }
  const record_type* get() const noexcept { return record_.get(); }
  record_type& operator*() noexcept { return *record_; }
  const record_type& operator*() const noexcept { return *record_; }
  record_type* operator->() noexcept { return record_.get(); }
  const record_type* operator->() const noexcept { return record_.get(); }
  // The record, to keep beyond this result.
  Record<document> take() noexcept { return std::move(record_); }

 private:
  Record<document> record_;
  int status_;
  Errors errors_;
};

// An encoded document: its text (what was written, also after a failure),
// the status and the errors.
struct Encoded {
  std::string text;
  int status = 0;
  Errors errors;

  bool ok() const noexcept { return status == 0; }
  explicit operator bool() const noexcept { return ok(); }
};

namespace detail {

// Decode the context's input, set by `input`, into a new record.
template <class D, class SetInput>
Decoded<D> decode_input(RtContext* ctxt, SetInput input) {
  Record<D> record(ctxt);
  int status = context_status(ctxt);
  bool usable = status == 0;
  if (usable) {
    rtxErrReset(ctxt);
    if (!record.get()) status = ST_NO_MEMORY;
    if (status == 0) status = input();
    if (status == 0) status = D::decode(ctxt, record.get());
  }
  return Decoded<D>(std::move(record), status, Errors::take(usable ? ctxt : nullptr));
}

}  // namespace detail

// Decode a document held in memory (kept only for the call).
template <class T>
Decoded<document_t<T>> decode(RtContext* ctxt, std::string_view text) {
  return detail::decode_input<document_t<T>>(ctxt, [&] { return rtxSetInputBuffer(ctxt, text.data(), text.size()); });
}

// Decode a document read from a file.
template <class T>
Decoded<document_t<T>> decode_file(RtContext* ctxt, const char* path) {
  return detail::decode_input<document_t<T>>(ctxt, [&] { return rtxSetInputFile(ctxt, path); });
}

// Validate a document held in memory without building a record. Documents
// whose root has a simple type offer no validation (ST_NOT_SUPPORTED):
// decoding them decides.
template <class T>
Status validate(RtContext* ctxt, std::string_view text) {
  using D = document_t<T>;
  int status = detail::context_status(ctxt);
  if (status != 0) return Status{status, {}};
  rtxErrReset(ctxt);
  status = rtxSetInputBuffer(ctxt, text.data(), text.size());
  if (status == 0) status = D::validate(ctxt);
  return Status{status, Errors::take(ctxt)};
}

// Validate a document read from a file.
template <class T>
Status validate_file(RtContext* ctxt, const char* path) {
  using D = document_t<T>;
  int status = detail::context_status(ctxt);
  if (status != 0) return Status{status, {}};
  rtxErrReset(ctxt);
  status = rtxSetInputFile(ctxt, path);
  if (status == 0) status = D::validate(ctxt);
  return Status{status, Errors::take(ctxt)};
}

// Encode a record as a whole document. The document is the record type's
// own, or the one named: px::encode<px::doc::rpid_mood>(ctx, mood). The
// record is not const: an encoder may keep the namespace declaration of its
// root with it.
template <class T = void, class R>
Encoded encode(RtContext* ctxt, R& record) {
  using D = document_t<std::conditional_t<std::is_void_v<T>, R, T>>;
  static_assert(std::is_same_v<typename D::record, R>, "the record is not of this document's record type");
  Encoded out;
  out.status = detail::context_status(ctxt);
  if (out.status != 0) return out;
  rtxErrReset(ctxt);
  rtxResetOutput(ctxt);
  out.status = D::encode(ctxt, &record);
  size_t length = 0;
  if (const char* text = rtxGetOutput(ctxt, &length)) out.text.assign(text, length);
  out.errors = Errors::take(ctxt);
  return out;
}
template <class T = void, class R>
Encoded encode(RtContext* ctxt, Record<R>& record) {
  if (!record.get()) return Encoded{{}, ST_NO_MEMORY, {}};
  return encode<typename Record<R>::document>(ctxt, *record);
}

}  // namespace px

#endif
