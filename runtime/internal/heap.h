// The context heap: a page allocator for decoded records.
//
// Blocks are bumped out of 64 KiB pages; every block can be freed on its own,
// and a page whose blocks are all freed goes back to the system (one spare page
// is kept). So a context reused for millions of decode -> release cycles, or
// decode -> reset cycles, stays at a fixed size, while the common path is a
// pointer bump. Blocks too large for a page get a page of their own.
//
// Blocks carry no header. A page keeps one bit per 8-byte granule of its block
// area, set where a live block starts: a free of a pointer that is not a live
// block's start (freed twice, into a block's middle) finds the bit clear and
// does nothing. A decoded record is mostly small blocks (list nodes, short
// texts), where an 8-byte header would be a fifth of the heap; the bitmap is
// 1/64 of a page.
#ifndef PXRT_INTERNAL_HEAP_H
#define PXRT_INTERNAL_HEAP_H

#include <bit>
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

  // Records hold nothing wider than 8 bytes; small texts are most blocks, so
  // the grid is kept at 8 bytes.
  static constexpr size_t kAlign = 8;
  static constexpr size_t kPageCapacity = 64 * 1024;
  static constexpr size_t kPageGranules = kPageCapacity / kAlign;
  static constexpr size_t kStartsBytes = kPageGranules / 8;

  // The common cases, inline: a small block bumped from the current page, a
  // block freed from the page the last free found or from the current page.
  // The rest goes out of line. The page pointers they read are never null
  // (an empty stand-in page takes the place of none), so neither tests.
  void* alloc(size_t n) {
    Page* page = bumpFrom_;
    if (n - 1 < kBigBlock) {  // 1 <= n, a block for a page
      const size_t need = granulesFor(n);
      if (page->granules - page->top >= need) return bump(page, need);
    }
    return allocSlow(n);
  }
  // Two blocks in one step, each freed on its own like any other: a list
  // item and its node. Both or neither (null).
  void* allocTwo(size_t n, size_t n2, void** second) {
    Page* page = bumpFrom_;
    if (n - 1 < kBigBlock && n2 - 1 < kBigBlock) {
      const size_t need = granulesFor(n), need2 = granulesFor(n2);
      if (page->granules - page->top >= need + need2) {
        const size_t granule = page->top, granule2 = granule + need;
        page->top = granule2 + need2;
        page->live += 2;
        markStart(page, granule);
        markStart(page, granule2);
        *second = page->area() + granule2 * kAlign;
        return page->area() + granule * kAlign;
      }
    }
    return allocTwoSlow(n, n2, second);
  }
  void free(const void* p) {
    // A record released as a whole gives back its blocks in the order they
    // were taken, page after page: the page of the last free is tried first.
    Page* page = lastFreedFrom_;
    size_t granule = granuleOf(page, p);
    if (granule >= page->top) {
      page = current_;
      granule = granuleOf(page, p);
      if (granule >= page->top) return freeSlow(p);
    }
    release(page, granule);
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
    size_t granules;  // size of the block area, in granules
    size_t top;       // granules bumped; no block starts at or above it
    size_t live;      // blocks not yet freed
    size_t pad_;
    // The start bitmap, then the block area, at fixed offsets after the
    // header, so that neither address is loaded. A big block's page has the
    // same layout and uses bit 0 only.
    uint64_t* starts() { return reinterpret_cast<uint64_t*>(this + 1); }
    uintptr_t areaAddress() const { return reinterpret_cast<uintptr_t>(this + 1) + kStartsBytes; }
    unsigned char* area() { return reinterpret_cast<unsigned char*>(areaAddress()); }
  };

 private:
  static constexpr size_t kBigBlock = kPageCapacity / 4;  // larger blocks get their own page
  static constexpr size_t granulesFor(size_t n) { return (n + kAlign - 1) / kAlign; }
  // A page as malloc'ed: header, start bitmap, block area.
  static constexpr size_t pageTotal(size_t granules) { return sizeof(Page) + kStartsBytes + granules * kAlign; }

  // The granule of `p` in `page`'s area; a pointer off the grid or below the
  // area gives a number beyond any page (the rotation moves the bits off the
  // grid to the top), so one compare with `top` decides.
  static size_t granuleOf(const Page* page, const void* p) {
    return std::rotr(reinterpret_cast<uintptr_t>(p) - page->areaAddress(), 3);
  }
  void* bump(Page* page, size_t need) {
    const size_t granule = page->top;
    page->top = granule + need;
    page->live++;
    markStart(page, granule);
    return page->area() + granule * kAlign;
  }
  // Clears the start bit of `granule`; whether it was set. Every free runs
  // it: on x86-64 a bit-test-and-reset takes the bit's place in its word as
  // it is (modulo 64), which C++ cannot say without a mask.
  static bool clearStart(Page* page, size_t granule) {
    uint64_t& word = page->starts()[granule / 64];
#if defined(__x86_64__) && defined(__GNUC__)
    uint64_t value = word;
    bool wasSet;
    asm("btrq %2, %0" : "+r"(value), "=@ccc"(wasSet) : "r"(granule));
    if (wasSet) word = value;
    return wasSet;
#else
    const uint64_t bit = uint64_t{1} << (granule % 64);
    if (!(word & bit)) return false;
    word ^= bit;
    return true;
#endif
  }
  static void markStart(Page* page, size_t granule) {
    page->starts()[granule / 64] |= uint64_t{1} << (granule % 64);
  }
  // A block of `page` below its top. An emptied current page is bumped from
  // its start again, any other emptied page given up; every bit of an emptied
  // page is clear, so it needs no clearing before it is bumped again.
  void release(Page* page, size_t granule) {
    if (!clearStart(page, granule)) return;
    if (--page->live != 0) return;
    if (page == current_) page->top = 0;
    else dropPage(page);
  }
  void* allocSlow(size_t n);
  void* allocTwoSlow(size_t n, size_t n2, void** second);
  void freeSlow(const void* p);
  Page* newPage(size_t granules);
  void dropPage(Page* page);
  void unlink(Page* page);
  bool failInjected();
  Page* pageOf(const void* p) const;

  // Stands for "no page": no granules, nothing bumped, never written.
  Page none_{};
  Page* pages_ = nullptr;  // every page in use, current first
  Page* current_ = &none_; // the page blocks are bumped from
  // current_, or none_ while a failure is armed: the inline allocation then
  // goes to allocSlow, which counts down, without testing the countdown.
  Page* bumpFrom_ = &none_;
  void setCurrent(Page* page) {
    current_ = page;
    bumpFrom_ = failCountdown_ ? &none_ : page;
  }
  Page* spare_ = nullptr;  // one empty page kept for reuse
  mutable Page* lastFreedFrom_ = &none_;  // the page pageOf found last
  // Address of every page held (the spare included): a free finds the page
  // of its pointer here before reading anything at the pointer.
  std::set<uintptr_t> pageIndex_;
  size_t pageBytes_ = 0;
  size_t limit_ = 0;  // 0: unlimited
  size_t failCountdown_ = 0;
};

}  // namespace pxrt

#endif
