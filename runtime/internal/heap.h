// The context heap: a page allocator for decoded records.
//
// Blocks are bumped out of 64 KiB pages; every block can be freed on its own,
// and a page whose blocks are all freed goes back to the system (one spare page
// is kept). So a context reused for millions of decode -> release cycles, or
// decode -> reset cycles, stays at a fixed size, while the common path is a
// pointer bump. Blocks too large for a page get a page of their own.
#ifndef PXRT_INTERNAL_HEAP_H
#define PXRT_INTERNAL_HEAP_H

#include <cstddef>
#include <cstdint>
#include <set>

namespace pxrt {

class Heap {
 public:
  Heap() = default;
  Heap(const Heap&) = delete;
  Heap& operator=(const Heap&) = delete;
  ~Heap() { releaseAll(); }

  void* alloc(size_t n);
  void free(const void* p);
  void reset();       // drop every block; keep one page
  void releaseAll();  // drop every block and page

  void setLimit(size_t bytes) { limit_ = bytes; }
  size_t limit() const { return limit_; }
  void failAfter(size_t n) { failCountdown_ = n; }
  size_t pageBytes() const { return pageBytes_; }
  size_t liveBlocks() const { return liveBlocks_; }

  struct Page;

 private:
  Page* newPage(size_t capacity);
  void dropPage(Page* page);
  void unlink(Page* page);
  bool failInjected();
  Page* pageOf(const void* p) const;

  Page* pages_ = nullptr;    // every page in use, current first
  Page* current_ = nullptr;  // the page blocks are bumped from
  Page* spare_ = nullptr;    // one empty page kept for reuse
  mutable Page* lastFreedFrom_ = nullptr;  // the page pageOf found last
  // Address of every page held (the spare included): a free finds the page
  // of its pointer here before reading anything at the pointer.
  std::set<uintptr_t> pageIndex_;
  size_t pageBytes_ = 0;
  size_t liveBlocks_ = 0;
  size_t limit_ = 0;  // 0: unlimited
  size_t failCountdown_ = 0;
};

}  // namespace pxrt

#endif
