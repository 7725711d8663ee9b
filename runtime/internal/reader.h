// The XML reader behind rtSaxCCreateXmlReader / rtSaxCParse: one event
// driver (skip rule, nesting and size limits, namespace scopes, dispatch to
// the root handler) fed by one of two back ends -- the reader's own
// tokenizer, or expat where it is built in.
#ifndef PXRT_INTERNAL_READER_H
#define PXRT_INTERNAL_READER_H

#include <memory>

#include "pxxml/rt.h"
#include "xml/driver.h"
#include "xml/tokenizer.h"

namespace pxrt {

namespace xml {
class ExpatBackend;
}

enum class ReaderBackend { Own, Expat };

// The back end the context's next documents are read with. Returns 0, or
// ST_NOT_SUPPORTED when that back end is not built in (ST_BAD_CONTEXT,
// ST_NO_MEMORY as usual). Records nothing. For tests and benchmarks that
// compare the back ends.
int selectReaderBackend(RtContext* ctxt, ReaderBackend backend);
// True when the library was built with expat.
bool expatBackendAvailable();

class Reader {
 public:
  explicit Reader(RtContext* ctxt);
  ~Reader();
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  RtSaxReader* acquire(void* handler, RtSaxStartElementFn start, RtSaxEndElementFn end, RtSaxCharactersFn chars);
  void release() { busy_ = false; }
  int parse();
  bool select(ReaderBackend backend);

  // The skip rule (rtSaxSetSkipLevelToCurrent).
  void requestSkip() { driver_.requestSkip(); }
  bool skipRequestedInStart() const { return driver_.skipRequestedInStart(); }
  bool holdCapture() { return driver_.holdCapture(); }
  // rtSaxAttrLengths: our own tokenizer counts them.
  const uint32_t* attrLengths(const char* const* attrs) const {
    return backend_ == ReaderBackend::Own ? tokenizer_.attrLengths(attrs) : nullptr;
  }
  bool tagSpan(const char** doc, size_t* begin, size_t* end) const { return driver_.tagSpan(doc, begin, end); }

 private:
  RtContext* ctxt_;
  RtSaxReader reader_{};
  bool busy_ = false;
  ReaderBackend backend_;
  xml::EventDriver driver_;
  xml::Tokenizer tokenizer_;
  std::unique_ptr<xml::ExpatBackend> expat_;  // created on first use
};

}  // namespace pxrt

#endif
