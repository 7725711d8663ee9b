// peers_heap: the most heap each operation holds while it handles a document,
// counted by the replaced malloc (counting_malloc.cpp).
//
//   peers_heap [OPERATION DOCUMENT]
//
// For each operation and document (all of them without arguments): set up as
// the timing does, then the first run's peak of bytes held above what was
// held before it -- everything the run needed at its height: reader buffers,
// the record or tree, the output buffer, whatever the set-up had not made
// yet. For our decoder also the bytes of the context heap's pages while the
// record is held. One line each:
//   OPERATION DOCUMENT bytes=B peak=P pages=G
#include <cstdio>
#include <cstring>
#include <string>

#include "counting_malloc.h"
#include "operation.h"

namespace {

bool measure(const pxpeers::OpInfo& op, const pxbench::PeerDocument& doc) {
  const std::string& text = pxbench::peerDocumentText(doc.name);
  long long peak = 0;
  size_t pages = 0;
  bool ok = false;
  {
    auto operation = pxpeers::makeOperation(op.id, doc.kind);
    if (operation && operation->prepare(text)) {
      long long before = pxpeers::heapLiveBytes();
      pxpeers::heapResetPeak();
      ok = operation->run();
      peak = pxpeers::heapPeakBytes() - before;
      pages = operation->runReportingHeapPages();
    }
  }
  if (!ok) {
    std::printf("%.*s %.*s FAILED\n", static_cast<int>(op.name.size()), op.name.data(),
                static_cast<int>(doc.name.size()), doc.name.data());
    return false;
  }
  std::printf("%.*s %.*s bytes=%zu peak=%lld pages=%zu\n", static_cast<int>(op.name.size()), op.name.data(),
              static_cast<int>(doc.name.size()), doc.name.data(), text.size(), peak, pages);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3) {
    const pxpeers::OpInfo* op = pxpeers::findOperation(argv[1]);
    const pxbench::PeerDocument* doc = pxbench::findPeerDocument(argv[2]);
    if (!op || !doc) {
      std::fprintf(stderr, "unknown %s\n", op ? argv[2] : argv[1]);
      return 2;
    }
    return measure(*op, *doc) ? 0 : 1;
  }
  if (argc != 1) {
    std::fprintf(stderr, "usage: %s [OPERATION DOCUMENT]\n", argv[0]);
    return 2;
  }
  bool ok = true;
  for (const pxbench::PeerDocument& doc : pxbench::kPeerDocuments)
    for (const pxpeers::OpInfo& op : pxpeers::kOperations) ok = measure(op, doc) && ok;
  for (const pxpeers::OpInfo& op : pxpeers::kOperations) ok = measure(op, pxbench::kEmptyDocument) && ok;
  return ok ? 0 : 1;
}
