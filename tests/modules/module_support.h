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

// Decoded whole and in 3-byte chunks to the same record, encoded, decoded
// again to the same record and encoded again to the same text, valid for the
// library's validator and for xmllint (when it and the schemas are at hand).
// Returns the first encoding.
inline std::string expectRoundTrip(RtContext* ctxt, const pxsimple::DocumentOps* ops, const std::string& text,
                                   AnyRecord* first) {
  EXPECT_EQ(first->decode(text), 0) << text;
  AnyRecord pieces(ctxt, ops), second(ctxt, ops);
  EXPECT_EQ(pieces.decode(text, 3), 0);
  EXPECT_EQ(pieces.printed(), first->printed());
  int st = -1;
  std::string xml = first->encode(&st);
  EXPECT_EQ(st, 0) << xml;
  EXPECT_EQ(second.decode(xml), 0) << xml;
  EXPECT_EQ(second.printed(), first->printed()) << xml;
  EXPECT_EQ(second.encode(&st), xml);
  EXPECT_EQ(validateText(ctxt, ops, xml), 0) << xml;
  if (haveXmllint() && !corpusDocumentsMissing()) {
    EXPECT_EQ(xmllintValid(xml), 0) << xml;
  }
  return xml;
}

}  // namespace pxtest

#endif
