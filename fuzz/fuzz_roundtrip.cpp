// Fuzz target: a document that decodes must encode (unless a facet check of
// the encoder refuses a kept value), its encoding must decode again, and
// from there encoding and decoding are each other's inverse: the records
// print the same and the text comes out the same. (The first decode may
// drop what a record cannot hold, such as elements inside a note, so the
// first record is not compared.)
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "documents.h"

namespace {

RtContext* context() {
  static RtContext* ctxt = [] {
    RtContext* c = rtxNewContext();
    PxInit_SIMPLE_Global(c);
    return c;
  }();
  return ctxt;
}

// The print family writes to standard output: read it back through a pipe
// file kept open for the whole run.
std::string printed(const pxsimple::DocumentOps* ops, const void* record) {
  static FILE* sink = std::tmpfile();
  std::fflush(stdout);
  int saved = dup(1);
  std::rewind(sink);
  (void)ftruncate(fileno(sink), 0);
  dup2(fileno(sink), 1);
  ops->print("r", record);
  std::fflush(stdout);
  dup2(saved, 1);
  close(saved);
  std::string text;
  std::rewind(sink);
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, sink)) > 0;) text.append(buf, n);
  return text;
}

struct Record {
  const pxsimple::DocumentOps* ops;
  RtContext* ctxt;
  std::unique_ptr<unsigned char[]> bytes;
  Record(const pxsimple::DocumentOps* o, RtContext* c) : ops(o), ctxt(c), bytes(new unsigned char[o->recordSize]()) {}
  ~Record() { ops->release(ctxt, bytes.get()); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RtContext* ctxt = context();
  rtxErrReset(ctxt);
  rtxSetInputBuffer(ctxt, data, size);
  std::string root;
  int st = 0;
  const pxsimple::DocumentOps* ops = pxsimple::identifyDocument(ctxt, &root, &st);
  if (!ops) return 0;
  Record first(ops, ctxt);
  rtxSetInputBuffer(ctxt, data, size);
  if (ops->decode(ctxt, first.bytes.get()) != 0) return 0;
  rtxResetOutput(ctxt);
  if (int enc = ops->encode(ctxt, first.bytes.get())) {
    // The decoder keeps some values that the encoder's facet checks refuse
    // (a priority of 2, say): those, recorded, are the only allowed stops.
    if ((enc != ST_PATTERN_MISMATCH && enc != ST_CONSTRAINT) || rtxErrGetCount(ctxt) == 0) __builtin_trap();
    return 0;
  }
  std::string xml = rtxGetOutput(ctxt, nullptr);
  Record second(ops, ctxt);
  rtxSetInputBuffer(ctxt, xml.data(), xml.size());
  if (ops->decode(ctxt, second.bytes.get()) != 0) __builtin_trap();
  rtxResetOutput(ctxt);
  if (ops->encode(ctxt, second.bytes.get()) != 0 || xml != rtxGetOutput(ctxt, nullptr)) __builtin_trap();
  Record third(ops, ctxt);
  rtxSetInputBuffer(ctxt, xml.data(), xml.size());
  if (ops->decode(ctxt, third.bytes.get()) != 0) __builtin_trap();
  if (printed(ops, second.bytes.get()) != printed(ops, third.bytes.get())) __builtin_trap();
  return 0;
}
