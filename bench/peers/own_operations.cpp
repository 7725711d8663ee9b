// Our decode, validate and encode, each on one context reused from document
// to document.
#include "operation.h"
#include "pxxml/simple/simple.h"

namespace pxpeers {
namespace {

// A document type's operations, so that one implementation serves all.
template <typename T, int (*Decode)(RtContext*, T*), void (*Release)(RtContext*, T*), int (*Validate)(RtContext*),
          int (*Encode)(RtContext*, T*)>
struct DocumentType {
  using Record = T;
  static int decode(RtContext* c, T* r) { return Decode(c, r); }
  static void release(RtContext* c, T* r) { Release(c, r); }
  static int validate(RtContext* c) { return Validate(c); }
  static int encode(RtContext* c, T* r) { return Encode(c, r); }
};

using Presence = DocumentType<tns_presence, PxXmlD_tns_presence, PxMemFree_tns_presence, PxXmlV_tns_presence,
                              PxXmlE_tns_presence>;
using Watcherinfo = DocumentType<tns__watcherinfo, PxXmlD_tns_watcherinfo, PxMemFree_tns__watcherinfo,
                                 PxXmlV_tns_watcherinfo, PxXmlE_tns_watcherinfo>;
using RlmiList = DocumentType<rlmi__list, PxXmlD_rlmi_list, PxMemFree_rlmi__list, PxXmlV_rlmi_list, PxXmlE_rlmi_list>;

class OwnContext {
 public:
  OwnContext() : ctxt_(rtxNewContext()) {
    if (ctxt_ && PxInit_SIMPLE_Global(ctxt_) != 0) {
      rtxDeleteContext(ctxt_);
      ctxt_ = nullptr;
    }
  }
  ~OwnContext() {
    if (ctxt_) rtxDeleteContext(ctxt_);
  }
  OwnContext(const OwnContext&) = delete;
  OwnContext& operator=(const OwnContext&) = delete;
  RtContext* get() const { return ctxt_; }

 private:
  RtContext* ctxt_;
};

template <typename Type>
class Decode : public Operation {
 public:
  bool prepare(const std::string& doc) override {
    doc_ = &doc;
    return ctxt_.get() != nullptr;
  }
  bool run() override {
    bool ok = decode();
    Type::release(ctxt_.get(), &record_);
    return ok;
  }
  size_t runReportingHeapPages() override {
    decode();
    size_t pages = rtxMemHeapPageBytes(ctxt_.get());
    Type::release(ctxt_.get(), &record_);
    return pages;
  }

 private:
  bool decode() {
    rtxSetInputBuffer(ctxt_.get(), doc_->data(), doc_->size());
    return Type::decode(ctxt_.get(), &record_) == 0;
  }
  OwnContext ctxt_;
  const std::string* doc_ = nullptr;
  typename Type::Record record_{};
};

template <typename Type>
class Validate : public Operation {
 public:
  bool prepare(const std::string& doc) override {
    doc_ = &doc;
    return ctxt_.get() != nullptr;
  }
  bool run() override {
    rtxSetInputBuffer(ctxt_.get(), doc_->data(), doc_->size());
    return Type::validate(ctxt_.get()) == 0;
  }

 private:
  OwnContext ctxt_;
  const std::string* doc_ = nullptr;
};

// Writes the record decoded from the document, into the context's growing
// output buffer, kept from document to document.
template <typename Type>
class Encode : public Operation {
 public:
  ~Encode() override {
    if (decoded_) Type::release(ctxt_.get(), &record_);
  }
  bool prepare(const std::string& doc) override {
    if (!ctxt_.get()) return false;
    rtxSetInputBuffer(ctxt_.get(), doc.data(), doc.size());
    decoded_ = true;
    return Type::decode(ctxt_.get(), &record_) == 0;
  }
  bool run() override {
    rtxResetOutput(ctxt_.get());
    if (Type::encode(ctxt_.get(), &record_) != 0) return false;
    rtxGetOutput(ctxt_.get(), &written_);
    return true;
  }
  size_t written() const override { return written_; }

 private:
  OwnContext ctxt_;
  typename Type::Record record_{};
  bool decoded_ = false;
  size_t written_ = 0;
};

template <typename Type>
std::unique_ptr<Operation> makeFor(OpId id) {
  switch (id) {
    case OpId::Decode:
      return std::make_unique<Decode<Type>>();
    case OpId::Validate:
      return std::make_unique<Validate<Type>>();
    case OpId::Encode:
      return std::make_unique<Encode<Type>>();
    default:
      return nullptr;
  }
}

}  // namespace

std::unique_ptr<Operation> makeOwnOperation(OpId id, pxbench::DocumentKind kind) {
  switch (kind) {
    case pxbench::DocumentKind::Presence:
      return makeFor<Presence>(id);
    case pxbench::DocumentKind::Watcherinfo:
      return makeFor<Watcherinfo>(id);
    case pxbench::DocumentKind::RlmiList:
      return makeFor<RlmiList>(id);
  }
  return nullptr;
}

}  // namespace pxpeers
