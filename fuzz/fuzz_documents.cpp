// Fuzz target: any bytes as a document. The root element picks the
// document type (presence when it names none the library knows); the
// document is validated and decoded, and the record released, on one context
// reused across inputs as a server would. Nothing may crash, hang or leak.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "documents.h"

namespace {

RtContext* context() {
  static RtContext* ctxt = [] {
    RtContext* c = rtxNewContext();
    PxInit_SIMPLE_Global(c);
    rtxSetLimit(c, RT_LIMIT_HEAP, 64u << 20);
    return c;
  }();
  return ctxt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RtContext* ctxt = context();
  rtxErrReset(ctxt);
  rtxSetInputBuffer(ctxt, data, size);
  std::string root;
  int st = 0;
  const pxsimple::DocumentOps* ops = pxsimple::identifyDocument(ctxt, &root, &st);
  if (!ops) ops = pxsimple::findDocument("presence", PX_NS_PIDF);
  rtxSetInputBuffer(ctxt, data, size);
  ops->validate(ctxt);
  std::unique_ptr<unsigned char[]> record(new unsigned char[ops->recordSize]());
  rtxSetInputBuffer(ctxt, data, size);
  ops->decode(ctxt, record.get());
  ops->release(ctxt, record.get());
  // Everything a decode takes from the heap goes back with the record.
  if (rtxMemHeapLiveBlocks(ctxt) != 0) __builtin_trap();
  rtxErrReset(ctxt);
  return 0;
}
