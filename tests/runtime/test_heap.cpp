// The context heap (alignment, page return, soak bounds, big blocks, bad
// frees, failure injection, the heap limit), its lists and string copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "rt_fixture.h"

using namespace pxtest;

namespace {
// Bytes of one ordinary page, as the heap reports it.
size_t onePage() {
  Ctx c;
  rtxMemHeapAlloc(c, 1);
  return rtxMemHeapPageBytes(c);
}
}  // namespace

TEST(HeapAlloc, BlocksAreAlignedDistinctAndWritable) {
  Ctx c;
  std::vector<std::pair<unsigned char*, size_t>> blocks;
  for (int round = 0; round < 3; ++round)
    for (size_t n : {0, 1, 7, 15, 16, 17, 31, 100, 1000, 4096, 16000, 16368, 16369, 16384, 20000, 70000}) {
      auto* p = static_cast<unsigned char*>(rtxMemHeapAlloc(c, n));
      ASSERT_NE(p, nullptr) << n;
      EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 8, 0u) << n;  // enough for any record member
      std::memset(p, static_cast<int>(blocks.size()), n);
      blocks.emplace_back(p, n);
    }
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), blocks.size());
  for (size_t i = 0; i < blocks.size(); ++i)  // no block overwrote another
    EXPECT_EQ(std::count(blocks[i].first, blocks[i].first + blocks[i].second, i & 0xFF), long(blocks[i].second));
  std::sort(blocks.begin(), blocks.end());
  for (size_t i = 1; i < blocks.size(); ++i) EXPECT_GE(blocks[i].first, blocks[i - 1].first + blocks[i - 1].second);
  for (auto& b : blocks) rtxMemHeapFreePtr(c, b.first);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 0u);
  EXPECT_LE(rtxMemHeapPageBytes(c), 2 * onePage());  // the emptied current page and one spare

  void* p = rtxMemHeapAlloc(c, 256);  // AllocZ clears memory that held data
  std::memset(p, 0xAB, 256);
  rtxMemHeapFreePtr(c, p);
  auto* z = static_cast<unsigned char*>(rtxMemHeapAllocZ(c, 256));
  EXPECT_EQ(std::count(z, z + 256, 0), 256);
  rtxMemFree(c);
  EXPECT_EQ(rtxMemHeapPageBytes(c), 0u);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 0u);
}

TEST(HeapPages, EmptiedPagesAndBigBlocksGoBack) {
  Ctx c;
  const size_t page = onePage();
  std::vector<void*> blocks;
  while (rtxMemHeapPageBytes(c) < 5 * page) blocks.push_back(rtxMemHeapAlloc(c, 4000));
  const size_t full = rtxMemHeapPageBytes(c);
  // All but the newest block (alone on the current page): the older pages
  // go back, all but one spare.
  for (size_t i = 0; i + 1 < blocks.size(); ++i) rtxMemHeapFreePtr(c, blocks[i]);
  EXPECT_LT(rtxMemHeapPageBytes(c), full);
  EXPECT_LE(rtxMemHeapPageBytes(c), 2 * page);
  // Blocks above 16 KiB get a page each, returned on free in any order.
  const size_t base = rtxMemHeapPageBytes(c);
  std::vector<void*> big;
  size_t atLeast = base;
  for (size_t n : {16 * 1024 + 1, 50000, 1 << 20}) {
    big.push_back(rtxMemHeapAlloc(c, n));
    std::memset(big.back(), 0x5A, n);
    EXPECT_GE(rtxMemHeapPageBytes(c), atLeast += n);
  }
  for (int i : {1, 0, 2}) rtxMemHeapFreePtr(c, big[i]);
  EXPECT_EQ(rtxMemHeapPageBytes(c), base);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 1u);
}

TEST(HeapSoak, FreeAllAndResetCyclesStayBounded) {
  Ctx c;
  const size_t bound = 4 * onePage() + 64 * 1024;
  std::vector<void*> blocks;
  size_t peak = 0;
  for (int cycle = 0; cycle < 200000 && peak <= bound; ++cycle) {
    for (int i = 0; i < 4 + cycle % 13; ++i) blocks.push_back(rtxMemHeapAlloc(c, 700 + (cycle * 37 + i * 211) % 5000));
    if (cycle % 97 == 0) blocks.push_back(rtxMemHeapAlloc(c, 40000));
    if (cycle % 2) std::reverse(blocks.begin(), blocks.end());
    for (void* p : blocks) rtxMemHeapFreePtr(c, p);
    blocks.clear();
    peak = std::max(peak, rtxMemHeapPageBytes(c));
  }
  EXPECT_LE(peak, bound);
  Ctx r;
  peak = 0;
  for (int cycle = 0; cycle < 200000 && peak <= bound; ++cycle) {
    for (int i = 0; i < 3 + cycle % 7; ++i) rtxMemHeapAlloc(r, 100 + (cycle * 131 + i * 977) % 9000);
    if (cycle % 101 == 0) rtxMemHeapAlloc(r, 30000);
    rtxMemReset(r);
    peak = std::max(peak, rtxMemHeapPageBytes(r));
  }
  EXPECT_LE(peak, 3 * onePage());
  EXPECT_EQ(rtxMemHeapLiveBlocks(r), 0u);
}

TEST(HeapBadFree, DoubleFreeIsANoOp) {
  Ctx c;
  void* keep = rtxMemHeapAlloc(c, 48);
  std::memset(keep, 0x11, 48);
  void* p = rtxMemHeapAlloc(c, 48);
  rtxMemHeapFreePtr(c, p);
  rtxMemHeapFreePtr(c, p);
  rtxMemHeapFreePtr(c, nullptr);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 1u);
  EXPECT_NE(rtxMemHeapAlloc(c, 48), keep);  // the page still counts its live block
  EXPECT_EQ(static_cast<unsigned char*>(keep)[47], 0x11);
  // Blocks whose page went back to the system: a big block, ordinary pages
  // emptied while another is current, and every block of a reset heap.
  void* big = rtxMemHeapAlloc(c, 300000);
  rtxMemHeapFreePtr(c, big);
  const size_t bytes = rtxMemHeapPageBytes(c);
  rtxMemHeapFreePtr(c, big);
  EXPECT_EQ(rtxMemHeapPageBytes(c), bytes);
  std::vector<void*> old;
  while (rtxMemHeapPageBytes(c) < bytes + 3 * onePage()) old.push_back(rtxMemHeapAlloc(c, 8000));
  void* last = rtxMemHeapAlloc(c, 10);
  for (int twice = 0; twice < 2; ++twice)
    for (void* q : old) rtxMemHeapFreePtr(c, q);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 3u);
  rtxMemReset(c);
  rtxMemHeapFreePtr(c, last);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 0u);
  EXPECT_NE(rtxMemHeapAlloc(c, 10), nullptr);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 1u);
}

TEST(HeapBadFree, ForeignPointersAreIgnored) {
  Ctx a, b;
  auto* pa = static_cast<unsigned char*>(rtxMemHeapAllocZ(a, 64));
  auto* pb = static_cast<unsigned char*>(rtxMemHeapAlloc(b, 64));
  std::memset(pb, 0x22, 64);
  alignas(16) unsigned char local[128] = {};
  rtxMemHeapFreePtr(a, local + 64);
  rtxMemHeapFreePtr(a, pa + 16);  // inside a block
  rtxMemHeapFreePtr(a, pb);       // a block of another context
  EXPECT_EQ(rtxMemHeapLiveBlocks(a), 1u);
  EXPECT_EQ(rtxMemHeapLiveBlocks(b), 1u);
  EXPECT_NE(rtxMemHeapAlloc(b, 64), pb);  // still live in its own heap
  EXPECT_EQ(pb[0], 0x22);
  rtxMemHeapFreePtr(b, pb);
  EXPECT_EQ(rtxMemHeapLiveBlocks(b), 1u);

  // Where blocks started before a reset, a block now spans: those addresses
  // are its middle. And a big block has no middle a free may take either.
  Ctx c;
  std::vector<unsigned char*> small;
  for (int i = 0; i < 70; ++i) small.push_back(static_cast<unsigned char*>(rtxMemHeapAlloc(c, 8)));
  rtxMemReset(c);
  auto* wide = static_cast<unsigned char*>(rtxMemHeapAlloc(c, 70 * 8));
  ASSERT_EQ(wide, small[0]);  // the kept page is bumped from its start again
  for (unsigned char* q : small) rtxMemHeapFreePtr(c, q + 8);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 1u);
  auto* big = static_cast<unsigned char*>(rtxMemHeapAlloc(c, 200000));
  std::memset(big, 0xff, 200000);  // no byte of it may read as a block's start
  for (size_t off : {size_t{8}, size_t{4096}, size_t{66000}, size_t{199992}}) rtxMemHeapFreePtr(c, big + off);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 2u);
  rtxMemHeapFreePtr(c, big);
  rtxMemHeapFreePtr(c, wide);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 0u);
}

TEST(HeapFailure, FailAfterHitsExactlyTheNthAllocation) {
  for (size_t n : {1, 2, 5}) {
    Ctx c;
    rtxMemHeapFailAfter(c, n);
    for (size_t i = 1; i <= n + 3; ++i) EXPECT_EQ(rtxMemHeapAlloc(c, 24) == nullptr, i == n) << n << " " << i;
  }
  Ctx c;
  rtxMemHeapFailAfter(c, 2);
  rtxMemHeapFailAfter(c, 0);  // switched off
  for (int i = 0; i < 4; ++i) EXPECT_NE(rtxMemHeapAlloc(c, 8), nullptr);
  RtDList list{};
  rtxMemHeapFailAfter(c, 1);
  EXPECT_EQ(rtxDListAppend(c, &list, nullptr), nullptr);
  EXPECT_EQ(list.count, 0u);
  EXPECT_EQ(list.head, nullptr);
  // A new item fails whole, whether its block or its node is refused: the
  // list is as it was and no block stays behind.
  const size_t live = rtxMemHeapLiveBlocks(c);
  for (size_t n : {1, 2}) {
    rtxMemHeapFailAfter(c, n);
    EXPECT_EQ(rtxDListAppendNew(c, &list, 40), nullptr) << n;
    EXPECT_TRUE(list.count == 0 && !list.head && !list.tail) << n;
    EXPECT_EQ(rtxMemHeapLiveBlocks(c), live) << n;
  }
  rtxMemHeapFailAfter(c, 0);
}

TEST(HeapFailure, HeapLimitRefusesBeyondIt) {
  Ctx c;
  const size_t page = onePage(), limit = 3 * page - 100;
  EXPECT_EQ(rtxSetLimit(c, RT_LIMIT_HEAP, limit), 0);
  EXPECT_EQ(rtxGetLimit(c, RT_LIMIT_HEAP), limit);
  std::vector<void*> blocks;
  while (void* p = rtxMemHeapAlloc(c, 1000)) {
    blocks.push_back(p);
    ASSERT_LE(blocks.size() * 1000, limit);
  }
  EXPECT_EQ(rtxMemHeapPageBytes(c), 2 * page);  // a third page would pass the limit
  EXPECT_EQ(rtxMemHeapAlloc(c, 70000), nullptr);
  for (void* p : blocks) rtxMemHeapFreePtr(c, p);
  EXPECT_NE(rtxMemHeapAlloc(c, 1000), nullptr);
  rtxSetLimit(c, RT_LIMIT_HEAP, 0);
  EXPECT_NE(rtxMemHeapAlloc(c, 4 * page), nullptr);
  Ctx tiny;
  rtxSetLimit(tiny, RT_LIMIT_HEAP, 1000);  // less than one page
  EXPECT_EQ(rtxMemHeapAlloc(tiny, 1), nullptr);
  EXPECT_EQ(rtxMemHeapPageBytes(tiny), 0u);
}

TEST(HeapList, AppendAndFreeKeepLinksConsistent) {
  Ctx c;
  RtDList list;
  rtxDListInit(&list);
  auto check = [&](const std::vector<void*>& expect) {
    ASSERT_EQ(list.count, expect.size());
    RtDListNode* prev = nullptr;
    size_t i = 0;
    for (RtDListNode* n = list.head; n && i < expect.size(); prev = n, n = n->next, ++i)
      EXPECT_TRUE(n->data == expect[i] && n->prev == prev) << i;
    EXPECT_EQ(i, expect.size());
    EXPECT_EQ(list.tail, prev);
  };
  check({});
  EXPECT_EQ(rtxDListAppend(c, nullptr, nullptr), nullptr);
  std::vector<void*> data;
  for (int i = 0; i < 5; ++i) {
    data.push_back(rtxMemHeapAlloc(c, 16));
    EXPECT_EQ(rtxDListAppend(c, &list, data.back()), list.tail);
    check(data);
  }
  rtxDListFreeNodes(c, &list);
  check({});
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 5u);  // the items stay
  for (void* d : data) rtxDListAppend(c, &list, d);
  rtxDListFreeAll(c, &list);
  check({});
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 0u);
  // New items come zero-filled, over freed blocks full of bytes, and are
  // freed as any other.
  data.clear();
  for (int i = 0; i < 8; ++i) data.push_back(std::memset(rtxMemHeapAlloc(c, 64), 0xAB, 64));
  for (void* d : data) rtxMemHeapFreePtr(c, d);
  data.clear();
  for (int i = 0; i < 3; ++i) {
    auto* item = static_cast<unsigned char*>(rtxDListAppendNew(c, &list, 64));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(std::all_of(item, item + 64, [](unsigned char b) { return b == 0; })) << i;
    std::memset(item, 0xAB, 64);
    data.push_back(item);
    check(data);
  }
  EXPECT_EQ(rtxDListAppendNew(c, nullptr, 8), nullptr);
  EXPECT_EQ(rtxDListAppendNew(nullptr, &list, 8), nullptr);
  rtxDListFreeAll(c, &list);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 0u);
}

TEST(HeapStrings, DupAndNdup) {
  Ctx c;
  EXPECT_EQ(rtxUTF8Strdup(c, nullptr), nullptr);
  EXPECT_EQ(rtxUTF8Strndup(c, nullptr, 3), nullptr);
  const char* text = "pr\xC3\xA9sence";
  EXPECT_STREQ(str(rtxUTF8Strdup(c, u8(text))), text);
  EXPECT_STREQ(str(rtxUTF8Strdup(c, u8(""))), "");
  for (auto [n, expect] : {std::pair<size_t, const char*>{0, ""}, {2, "pr"}, {4, "pr\xC3\xA9"}, {10, text}})
    EXPECT_STREQ(str(rtxUTF8Strndup(c, u8(text), n)), expect);
  rtxMemHeapFailAfter(c, 1);
  EXPECT_EQ(rtxUTF8Strdup(c, u8("abc")), nullptr);
  EXPECT_EQ(rtxMemHeapLiveBlocks(c), 6u);  // heap copies, each its own block
}
