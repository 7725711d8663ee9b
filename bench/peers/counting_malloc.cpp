// malloc and its relatives, replaced for the whole process (libraries and
// libstdc++'s operator new included) by the C library's own functions plus a
// count of the bytes live: each block counts what malloc_usable_size says,
// its request rounded up to the allocator's granule. The process is single
// threaded, so the count needs no synchronisation. Only peers_heap links
// this file: the timed benchmark keeps the C library's allocator untouched.
#include "counting_malloc.h"

#include <errno.h>
#include <malloc.h>
#include <stddef.h>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);
}

namespace {

// Signed: a block the dynamic loader allocated before this file's functions
// took over may still be freed through them.
struct Count {
  long long live = 0;
  long long peak = 0;
};

Count& count() {
  static Count c;  // the process-wide allocator's own state
  return c;
}

void added(void* block) {
  if (!block) return;
  Count& c = count();
  c.live += static_cast<long long>(malloc_usable_size(block));
  if (c.live > c.peak) c.peak = c.live;
}

void removed(void* block) {
  if (block) count().live -= static_cast<long long>(malloc_usable_size(block));
}

}  // namespace

namespace pxpeers {

long long heapLiveBytes() { return count().live; }
long long heapPeakBytes() { return count().peak; }
void heapResetPeak() { count().peak = count().live; }

}  // namespace pxpeers

#define PX_EXPORT extern "C" __attribute__((visibility("default")))

PX_EXPORT void* malloc(size_t size) {
  void* block = __libc_malloc(size);
  added(block);
  return block;
}

PX_EXPORT void free(void* block) {
  removed(block);
  __libc_free(block);
}

PX_EXPORT void* calloc(size_t count, size_t size) {
  void* block = __libc_calloc(count, size);
  added(block);
  return block;
}

PX_EXPORT void* realloc(void* block, size_t size) {
  size_t before = block ? malloc_usable_size(block) : 0;
  void* moved = __libc_realloc(block, size);
  if (!moved && block && size) return nullptr;  // failed: the old block stays
  count().live -= static_cast<long long>(before);
  added(moved);
  return moved;
}

PX_EXPORT void* memalign(size_t alignment, size_t size) {
  void* block = __libc_memalign(alignment, size);
  added(block);
  return block;
}

PX_EXPORT void* aligned_alloc(size_t alignment, size_t size) { return memalign(alignment, size); }

PX_EXPORT int posix_memalign(void** out, size_t alignment, size_t size) {
  if (alignment < sizeof(void*) || (alignment & (alignment - 1))) return EINVAL;
  void* block = memalign(alignment, size);
  if (!block) return ENOMEM;
  *out = block;
  return 0;
}

PX_EXPORT void* valloc(size_t size) { return memalign(4096, size); }
PX_EXPORT void* pvalloc(size_t size) { return memalign(4096, (size + 4095) & ~size_t{4095}); }
