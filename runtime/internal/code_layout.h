// Where the runtime code that encoding a small document runs through goes.
//
// Encoding a 1 KB presence document runs once through some 25 KB of code,
// near the 32 KB first-level instruction cache. The runtime's share of it
// (the namespace declarations of the root, the element calls, decimals and
// their patterns) lay spread over 150 KB of the library, and so fell
// unevenly on the cache's sets: a set given more of those lines than it has
// ways misses on every document. Grouped in one section, the lines take
// consecutive sets (when the section came in, callgrind's cache model of
// 32 KB, 8 ways, counted 27 misses a document instead of 73; that count
// moves with every layout, so changes here are judged by time). Functions
// decoding also calls (the namespace scopes) go there too; decoding
// measures the same either way.
#ifndef PXRT_INTERNAL_CODE_LAYOUT_H
#define PXRT_INTERNAL_CODE_LAYOUT_H

#if defined(__GNUC__) && defined(__ELF__)
#define PX_ENCODE_PATH __attribute__((section(".text.hot.px_encode")))
#else
#define PX_ENCODE_PATH
#endif

#endif
