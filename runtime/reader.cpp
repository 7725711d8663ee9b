// The reader: checks before a parse, then the chosen back end.
#include "internal/reader.h"

#include <new>

#include "internal/context_impl.h"
#if defined(PX_HAVE_EXPAT)
#include "xml/expat_backend.h"
#endif

namespace pxrt {

namespace {
#if defined(PX_READER_EXPAT_DEFAULT)
constexpr ReaderBackend kDefaultBackend = ReaderBackend::Expat;
#else
constexpr ReaderBackend kDefaultBackend = ReaderBackend::Own;
#endif
}  // namespace

bool expatBackendAvailable() {
#if defined(PX_HAVE_EXPAT)
  return true;
#else
  return false;
#endif
}

Reader::Reader(RtContext* ctxt) : ctxt_(ctxt), backend_(kDefaultBackend) {}

Reader::~Reader() = default;

RtSaxReader* Reader::acquire(void* handler, RtSaxStartElementFn start, RtSaxEndElementFn end,
                             RtSaxCharactersFn chars) {
  if (busy_) return nullptr;  // one document at a time per context
  busy_ = true;
  reader_ = RtSaxReader{ctxt_, handler, start, end, chars, false, nullptr};
  return &reader_;
}

bool Reader::select(ReaderBackend backend) {
  if (backend == ReaderBackend::Expat && !expatBackendAvailable()) return false;
  backend_ = backend;
  return true;
}

int Reader::parse() {
  RtContextImpl* impl = ctxt_->impl;
  if (!impl->docData) return rtxErrSetNewData(ctxt_, ST_NO_INPUT, __FILE__, __LINE__);
  if (impl->docSize > impl->limits.documentSize) {
    rtxErrAddUIntParm(ctxt_, static_cast<unsigned>(impl->docSize > 0xFFFFFFFFu ? 0xFFFFFFFFu : impl->docSize));
    rtxErrAddUIntParm(ctxt_, static_cast<unsigned>(impl->limits.documentSize));
    return rtxErrSetNewData(ctxt_, ST_TOO_LARGE, __FILE__, __LINE__);
  }
  const char* data = impl->docData;
  const size_t size = impl->docSize;
  driver_.begin(reader_, data, size);
  if (driver_.checkStartBytes()) {
#if defined(PX_HAVE_EXPAT)
    if (backend_ == ReaderBackend::Expat) {
      if (!expat_) expat_.reset(new (std::nothrow) xml::ExpatBackend());
      if (expat_) expat_->parse(driver_, data, size, impl->chunkSize);
      else driver_.fail(0, ST_READER_FAILED, "expat parser cannot be created");
    } else
#endif
    {
      tokenizer_.parse(driver_, data, size, impl->chunkSize, reader_.attrsByLength);
    }
  }
  return driver_.finish();
}

}  // namespace pxrt
