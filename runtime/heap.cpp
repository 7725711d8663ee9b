// Page allocator behind rtxMemHeapAlloc / rtxMemHeapFreePtr.
#include "internal/heap.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace pxrt {

static_assert(sizeof(Heap::Page) % 8 == 0, "page header keeps blocks aligned");

// A free first finds the page that holds the pointer (the page of the last
// free, the current page, else the page index), so that a pointer of another
// heap or of a page already given back is never followed; the page's start
// bit then turns a double free or a pointer into a block's middle into a
// no-op.

bool Heap::failInjected() {
  if (failCountdown_ == 0) return false;
  if (--failCountdown_ != 0) return false;
  setCurrent(current_);  // disarmed: the inline path serves again
  return true;
}

Heap::Page* Heap::newPage(size_t granules) {
  size_t total = pageTotal(granules);
  if (limit_ != 0 && pageBytes_ + total > limit_) return nullptr;
  void* mem = std::malloc(total);
  if (!mem) return nullptr;
  try {
    pageIndex_.insert(reinterpret_cast<uintptr_t>(mem));
  } catch (...) {
    std::free(mem);
    return nullptr;
  }
  Page* page = static_cast<Page*>(mem);
  page->prev = nullptr;
  page->next = pages_;
  if (pages_) pages_->prev = page;
  pages_ = page;
  page->granules = granules;
  page->top = 0;
  page->live = 0;
  std::memset(page->starts(), 0, kStartsBytes);
  pageBytes_ += total;
  return page;
}

void Heap::unlink(Page* page) {
  if (page->prev) page->prev->next = page->next;
  else pages_ = page->next;
  if (page->next) page->next->prev = page->prev;
  page->prev = page->next = nullptr;
}

void Heap::dropPage(Page* page) {
  unlink(page);
  if (page == current_) setCurrent(&none_);
  if (page == lastFreedFrom_) lastFreedFrom_ = &none_;
  if (page->granules == kPageGranules && spare_ == nullptr) {
    page->top = 0;
    spare_ = page;  // kept out of the page list, still counted in pageBytes_
    return;
  }
  pageBytes_ -= pageTotal(page->granules);
  pageIndex_.erase(reinterpret_cast<uintptr_t>(page));
  std::free(page);
}

Heap::Page* Heap::pageOf(const void* p) const {
  // Most blocks are freed from the page they were just bumped from, and a
  // record is released in the order it was built, so the page of the last
  // free comes next.
  if (granuleOf(current_, p) < current_->top) return current_;
  if (granuleOf(lastFreedFrom_, p) < lastFreedFrom_->top) return lastFreedFrom_;
  auto it = pageIndex_.upper_bound(reinterpret_cast<uintptr_t>(p));
  if (it == pageIndex_.begin()) return nullptr;
  Page* page = reinterpret_cast<Page*>(*--it);
  if (granuleOf(page, p) >= page->top) return nullptr;
  lastFreedFrom_ = page;
  return page;
}

size_t Heap::liveBlocks() const {
  size_t n = 0;
  for (const Page* page = pages_; page; page = page->next) n += page->live;
  return n;
}

void* Heap::allocSlow(size_t n) {
  if (failInjected()) return nullptr;
  if (n == 0) n = 1;
  if (n > (SIZE_MAX / 2)) return nullptr;
  const size_t need = granulesFor(n);
  if (n > kBigBlock) {
    Page* page = newPage(need);
    if (!page) return nullptr;
    // Its one block starts at granule 0, and only there may a free find a
    // block: the bitmap covers an ordinary page's granules only.
    void* block = bump(page, need);
    page->top = 1;
    return block;
  }
  Page* page = current_;
  if (page->granules - page->top < need) {
    if (spare_) {
      page = spare_;
      spare_ = nullptr;
      page->prev = nullptr;
      page->next = pages_;
      if (pages_) pages_->prev = page;
      pages_ = page;
    } else {
      page = newPage(kPageGranules);
      if (!page) return nullptr;
    }
    // The old current page stays until its last block is freed; an empty
    // one is given up now.
    if (current_ != &none_ && current_->live == 0) dropPage(current_);
    setCurrent(page);
  }
  return bump(page, need);
}

void* Heap::allocTwoSlow(size_t n, size_t n2, void** second) {
  void* first = alloc(n);
  if (!first) return nullptr;
  *second = alloc(n2);
  if (*second) return first;
  free(first);
  return nullptr;
}

void Heap::freeSlow(const void* p) {
  if (!p) return;
  if (Page* page = pageOf(p)) release(page, granuleOf(page, p));
}

void Heap::reset() {
  Page* keep = nullptr;
  lastFreedFrom_ = &none_;
  while (pages_) {
    Page* page = pages_;
    unlink(page);
    if (!keep && page->granules == kPageGranules) {
      keep = page;
      continue;
    }
    pageBytes_ -= pageTotal(page->granules);
    pageIndex_.erase(reinterpret_cast<uintptr_t>(page));
    std::free(page);
  }
  setCurrent(&none_);
  if (keep) {
    // Its blocks were dropped without a free: their start bits go as well.
    std::memset(keep->starts(), 0, kStartsBytes);
    keep->top = 0;
    keep->live = 0;
    keep->next = nullptr;
    pages_ = keep;
    setCurrent(keep);
  }
}

void Heap::releaseAll() {
  reset();
  while (pages_) {
    Page* page = pages_;
    unlink(page);
    pageBytes_ -= pageTotal(page->granules);
    pageIndex_.erase(reinterpret_cast<uintptr_t>(page));
    std::free(page);
  }
  if (spare_) {
    pageBytes_ -= pageTotal(spare_->granules);
    pageIndex_.erase(reinterpret_cast<uintptr_t>(spare_));
    std::free(spare_);
    spare_ = nullptr;
  }
  setCurrent(&none_);
}

}  // namespace pxrt
