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
#include <cstring>
#include <set>

namespace pxrt {

class Heap {
 public:
  Heap() = default;
  Heap(const Heap&) = delete;
  Heap& operator=(const Heap&) = delete;
  ~Heap() { releaseAll(); }

  // The common cases, inline: a small block bumped from the current page, a
  // block freed from the current page or from the page the last free found.
  // The rest goes out of line.
  void* alloc(size_t n) {
    Page* page = bumpFrom_;
    if (n - 1 < kBigBlock - kHeaderSize && page) {  // 1 <= n, a block for a page
      const size_t need = kHeaderSize + roundUp(n);
      if (page->capacity - page->used >= need) return bump(page, need);
    }
    return allocSlow(n);
  }
  void free(const void* p) {
    const auto addr = reinterpret_cast<uintptr_t>(p);
    // A record released as a whole gives back its blocks in the order they
    // were taken, page after page: the page of the last free is tried first.
    Page* page = lastFreedFrom_;
    if (!page || !holdsBlock(page, addr)) {
      page = current_;
      if (!page || !holdsBlock(page, addr)) return freeSlow(p);
    }
    release(page, p);
  }
  void reset();       // drop every block; keep one page
  void releaseAll();  // drop every block and page

  void setLimit(size_t bytes) { limit_ = bytes; }
  size_t limit() const { return limit_; }
  void failAfter(size_t n) {
    failCountdown_ = n;
    setCurrent(current_);
  }
  size_t pageBytes() const { return pageBytes_; }
  // Counted from the pages (few) rather than at every allocation and free.
  size_t liveBlocks() const;

  struct Page {
    Page* prev;
    Page* next;
    size_t capacity;  // bytes of block area
    size_t used;      // bump offset into the block area
    size_t live;      // blocks not yet freed
    size_t pad_;
    unsigned char* area() { return reinterpret_cast<unsigned char*>(this + 1); }
  };

 private:
  // Records hold nothing wider than 8 bytes; small texts are most blocks, so
  // the grid and the block header are kept at 8 bytes.
  static constexpr size_t kAlign = 8;
  static constexpr size_t kHeaderSize = 8;
  static constexpr size_t kPageCapacity = 64 * 1024;
  static constexpr size_t kBigBlock = kPageCapacity / 4;  // larger blocks get their own page
  static constexpr uint32_t kLiveMagic = 0x50584850;     // "PXHP"
  static constexpr uint32_t kFreedMagic = 0x46524545;
  static constexpr size_t roundUp(size_t n) { return (n + kAlign - 1) & ~(kAlign - 1); }

  // A block follows its header, on the block grid, inside the bumped part
  // (one unsigned compare: an address below the first block wraps around).
  static bool holdsBlock(Page* page, uintptr_t addr) {
    const uintptr_t offset = addr - reinterpret_cast<uintptr_t>(page->area()) - kHeaderSize;
    return offset < page->used && offset % kAlign == 0;
  }
  void* bump(Page* page, size_t need) {
    auto* header = reinterpret_cast<uint32_t*>(page->area() + page->used);
    page->used += need;
    page->live++;
    const uint32_t words[2] = {kLiveMagic, 0};  // the magic, then 4 bytes kept zero: one store
    std::memcpy(header, words, sizeof words);
    return header + 2;
  }
  // A block of `page`; the magic word turns a double free or a pointer into
  // a block's middle into a no-op. An emptied current page is bumped from its
  // start again, any other emptied page given up.
  void release(Page* page, const void* p) {
    auto* header = const_cast<uint32_t*>(static_cast<const uint32_t*>(p) - 2);
    if (header[0] != kLiveMagic) return;
    header[0] = kFreedMagic;
    if (--page->live != 0) return;
    if (page == current_) page->used = 0;
    else dropPage(page);
  }
  void* allocSlow(size_t n);
  void freeSlow(const void* p);
  Page* newPage(size_t capacity);
  void dropPage(Page* page);
  void unlink(Page* page);
  bool failInjected();
  Page* pageOf(const void* p) const;

  Page* pages_ = nullptr;    // every page in use, current first
  Page* current_ = nullptr;  // the page blocks are bumped from
  // current_, or null while a failure is armed: the inline allocation then
  // goes to allocSlow, which counts down, without testing the countdown.
  Page* bumpFrom_ = nullptr;
  void setCurrent(Page* page) {
    current_ = page;
    bumpFrom_ = failCountdown_ ? nullptr : page;
  }
  Page* spare_ = nullptr;    // one empty page kept for reuse
  mutable Page* lastFreedFrom_ = nullptr;  // the page pageOf found last
  // Address of every page held (the spare included): a free finds the page
  // of its pointer here before reading anything at the pointer.
  std::set<uintptr_t> pageIndex_;
  size_t pageBytes_ = 0;
  size_t limit_ = 0;  // 0: unlimited
  size_t failCountdown_ = 0;
};

}  // namespace pxrt

#endif
