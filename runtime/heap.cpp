// Page allocator behind rtxMemHeapAlloc / rtxMemHeapFreePtr.
#include "internal/heap.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace pxrt {

static_assert(sizeof(Heap::Page) % 8 == 0, "page header keeps blocks aligned");

// Every block starts with an 8-byte header: the magic word and 4 bytes
// unused. A free first finds the page that holds the pointer (the page of
// the last free, the current page, else the page index), so that a pointer
// of another heap or of a page already given back is never read; the magic
// word then turns a double free or a pointer into a block's middle into a
// no-op.

bool Heap::failInjected() {
  if (failCountdown_ == 0) return false;
  if (--failCountdown_ != 0) return false;
  setCurrent(current_);  // disarmed: the inline path serves again
  return true;
}

Heap::Page* Heap::newPage(size_t capacity) {
  size_t total = sizeof(Page) + capacity;
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
  page->capacity = capacity;
  page->used = 0;
  page->live = 0;
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
  if (page == current_) setCurrent(nullptr);
  if (page == lastFreedFrom_) lastFreedFrom_ = nullptr;
  if (page->capacity == kPageCapacity && spare_ == nullptr) {
    page->used = 0;
    spare_ = page;  // kept out of the page list, still counted in pageBytes_
    return;
  }
  pageBytes_ -= sizeof(Page) + page->capacity;
  pageIndex_.erase(reinterpret_cast<uintptr_t>(page));
  std::free(page);
}

Heap::Page* Heap::pageOf(const void* p) const {
  const auto addr = reinterpret_cast<uintptr_t>(p);
  // Most blocks are freed from the page they were just bumped from, and a
  // record is released in the order it was built, so the page of the last
  // free comes next.
  if (current_ && holdsBlock(current_, addr)) return current_;
  if (lastFreedFrom_ && holdsBlock(lastFreedFrom_, addr)) return lastFreedFrom_;
  auto it = pageIndex_.upper_bound(addr);
  if (it == pageIndex_.begin()) return nullptr;
  Page* page = reinterpret_cast<Page*>(*--it);
  if (!holdsBlock(page, addr)) return nullptr;
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
  size_t need = kHeaderSize + roundUp(n);
  Page* page;
  if (need > kBigBlock) {
    page = newPage(need);
    if (!page) return nullptr;
  } else {
    page = current_;
    if (!page || page->capacity - page->used < need) {
      if (spare_) {
        page = spare_;
        spare_ = nullptr;
        page->prev = nullptr;
        page->next = pages_;
        if (pages_) pages_->prev = page;
        pages_ = page;
      } else {
        page = newPage(kPageCapacity);
        if (!page) return nullptr;
      }
      // The old current page stays until its last block is freed; an empty
      // one is given up now.
      if (current_ && current_->live == 0) dropPage(current_);
      setCurrent(page);
    }
  }
  return bump(page, need);
}

void Heap::freeSlow(const void* p) {
  if (Page* page = p ? pageOf(p) : nullptr) release(page, p);
}

void Heap::reset() {
  Page* keep = nullptr;
  lastFreedFrom_ = nullptr;
  while (pages_) {
    Page* page = pages_;
    unlink(page);
    if (!keep && page->capacity == kPageCapacity) {
      keep = page;
      continue;
    }
    pageBytes_ -= sizeof(Page) + page->capacity;
    pageIndex_.erase(reinterpret_cast<uintptr_t>(page));
    std::free(page);
  }
  setCurrent(nullptr);
  if (keep) {
    keep->used = 0;
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
    pageBytes_ -= sizeof(Page) + page->capacity;
    pageIndex_.erase(reinterpret_cast<uintptr_t>(page));
    std::free(page);
  }
  if (spare_) {
    pageBytes_ -= sizeof(Page) + spare_->capacity;
    pageIndex_.erase(reinterpret_cast<uintptr_t>(spare_));
    std::free(spare_);
    spare_ = nullptr;
  }
  setCurrent(nullptr);
}

}  // namespace pxrt
