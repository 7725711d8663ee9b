// Helpers of the module suites: any document type through the uniform
// table of operations, decoded from text, printed, encoded again.
#ifndef PX_TESTS_MODULE_SUPPORT_H
#define PX_TESTS_MODULE_SUPPORT_H

#include <memory>
#include <string>

#include "documents.h"
#include "pidf/pidf_support.h"

namespace pxtest {

// A record of any document type, released with its context.
class AnyRecord {
 public:
  AnyRecord(RtContext* ctxt, const pxsimple::DocumentOps* ops)
      : ctxt_(ctxt), ops_(ops), storage_(new unsigned char[ops->recordSize]()) {}
  ~AnyRecord() { ops_->release(ctxt_, get()); }
  void* get() { return storage_.get(); }
  int decode(const std::string& text, size_t chunk = 0) {
    ops_->release(ctxt_, get());
    rtxSetInputBuffer(ctxt_, text.data(), text.size());
    rtSaxSetChunkSize(ctxt_, chunk);
    int st = ops_->decode(ctxt_, get());
    rtSaxSetChunkSize(ctxt_, 0);
    return st;
  }
  std::string encode(int* status) {
    rtxResetOutput(ctxt_);
    *status = ops_->encode(ctxt_, get());
    return rtxGetOutput(ctxt_, nullptr);
  }
  std::string printed() {
    return capturedStdout([&] { ops_->print("r", get()); });
  }

 private:
  RtContext* ctxt_;
  const pxsimple::DocumentOps* ops_;
  std::unique_ptr<unsigned char[]> storage_;
};

inline int validateText(RtContext* ctxt, const pxsimple::DocumentOps* ops, const std::string& text) {
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  return ops->validate(ctxt);
}

inline bool corpusDocumentsMissing() {
  std::string probe;
  return !readFile(corpusDir() + "/xsd/_all.xsd", &probe);
}

inline bool haveXmllint() { return std::system("xmllint --version > /dev/null 2>&1") == 0; }

// 0 when xmllint finds the document valid against the corpus's schemas.
inline int xmllintValid(const std::string& xml) {
  char path[] = "/tmp/px_doc_XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) return -1;
  close(fd);
  std::ofstream(path) << xml;
  std::string cmd = "xmllint --noout --schema '" + corpusDir() + "/xsd/_all.xsd' " + path + " > /dev/null 2>&1";
  int rc = std::system(cmd.c_str());
  std::remove(path);
  return rc;
}

}  // namespace pxtest

#endif
