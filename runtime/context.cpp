// Context set-up: creation, release, document input, output buffer, limits.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "internal/code_layout.h"
#include "internal/context_impl.h"
#include "internal/reader.h"

using pxrt::implOf;

RtContextImpl::~RtContextImpl() { delete reader; }

extern "C" {

int rtxInitContext(RtContext* ctxt) {
  if (!ctxt) return ST_BAD_ARGUMENT;
  std::memset(ctxt, 0, sizeof(*ctxt));
  ctxt->impl = new (std::nothrow) RtContextImpl();
  if (!ctxt->impl) return ST_NO_MEMORY;
  ctxt->buffer.dynamic = 1;
  return 0;
}

RtContext* rtxNewContext(void) {
  auto* ctxt = static_cast<RtContext*>(std::calloc(1, sizeof(RtContext)));
  if (!ctxt) return nullptr;
  if (rtxInitContext(ctxt) != 0) {
    std::free(ctxt);
    return nullptr;
  }
  return ctxt;
}

void rtxFreeContext(RtContext* ctxt) {
  if (!ctxt || !ctxt->impl) return;
  // The library's block lives on the general heap and has its own release.
  if (ctxt->gdFree && ctxt->pGlobalData) ctxt->gdFree(ctxt);
  delete ctxt->impl;
  ctxt->impl = nullptr;
  if (ctxt->buffer.dynamic) std::free(ctxt->buffer.data);
  std::free(ctxt->charData.data);
  std::memset(ctxt, 0, sizeof(*ctxt));
}

void rtxDeleteContext(RtContext* ctxt) {
  rtxFreeContext(ctxt);
  std::free(ctxt);
}

PX_ENCODE_PATH int rtxCheckContext(RtContext* ctxt) { return ctxt && ctxt->impl ? 0 : ST_BAD_CONTEXT; }

int rtxSetInputBuffer(RtContext* ctxt, const void* data, size_t size) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  if (!data && size) return rtxErrSetNewData(ctxt, ST_BAD_ARGUMENT, __FILE__, __LINE__);
  impl->docFile.clear();
  impl->docFile.shrink_to_fit();
  impl->docData = static_cast<const char*>(data);
  impl->docSize = size;
  return 0;
}

int rtxSetInputFile(RtContext* ctxt, const char* path) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  impl->docData = nullptr;
  impl->docSize = 0;
  FILE* f = path ? std::fopen(path, "rb") : nullptr;
  if (!f) {
    rtxErrAddStrParm(ctxt, path ? path : "<null>");
    rtxErrAddStrParm(ctxt, std::strerror(errno));
    return rtxErrSetNewData(ctxt, ST_IO, __FILE__, __LINE__);
  }
  std::string bytes;
  char chunk[65536];
  size_t n;
  int status = 0;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
    if (bytes.size() + n > impl->limits.documentSize) {
      rtxErrAddStrParm(ctxt, path);
      rtxErrAddUIntParm(ctxt, static_cast<unsigned>(impl->limits.documentSize));
      status = rtxErrSetNewData(ctxt, ST_TOO_LARGE, __FILE__, __LINE__);
      break;
    }
    bytes.append(chunk, n);
  }
  if (status == 0 && std::ferror(f)) {
    rtxErrAddStrParm(ctxt, path);
    rtxErrAddStrParm(ctxt, "read error");
    status = rtxErrSetNewData(ctxt, ST_IO, __FILE__, __LINE__);
  }
  std::fclose(f);
  if (status != 0) return status;
  impl->docFile = std::move(bytes);
  impl->docData = impl->docFile.data();
  impl->docSize = impl->docFile.size();
  return 0;
}

int rtxInitContextBuffer(RtContext* ctxt, const OSUTF8CHAR* data, size_t size) {
  if (!ctxt) return ST_BAD_CONTEXT;
  ctxt->input.data = const_cast<OSUTF8CHAR*>(data);
  ctxt->input.size = data ? size : 0;
  ctxt->input.byteIndex = 0;
  ctxt->input.flags = 0;
  ctxt->input.dynamic = 0;
  return 0;
}

int rtxSetGrowingOutput(RtContext* ctxt) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (!ctxt->buffer.dynamic) {
    ctxt->buffer.data = nullptr;
    ctxt->buffer.size = 0;
  }
  ctxt->buffer.dynamic = 1;
  rtxResetOutput(ctxt);
  return 0;
}

int rtxSetFixedOutput(RtContext* ctxt, OSUTF8CHAR* buf, size_t size) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (!buf && size) return ST_BAD_ARGUMENT;
  if (ctxt->buffer.dynamic) std::free(ctxt->buffer.data);
  ctxt->buffer.data = buf;
  ctxt->buffer.size = size;
  ctxt->buffer.dynamic = 0;
  rtxResetOutput(ctxt);
  return 0;
}

PX_ENCODE_PATH void rtxResetOutput(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  if (!impl) return;
  ctxt->buffer.byteIndex = 0;
  if (ctxt->buffer.data && ctxt->buffer.size) ctxt->buffer.data[0] = 0;
  impl->out.clear();
  impl->ns.clear();
  // Elements an abandoned encoding left open are gone with its output.
  impl->openTagBindings.clear();
  impl->openElements.clear();
  impl->openPrefixText.clear();
}

PX_ENCODE_PATH const char* rtxGetOutput(RtContext* ctxt, size_t* len) {
  if (!ctxt) return nullptr;
  if (len) *len = ctxt->buffer.byteIndex;
  if (!ctxt->buffer.data) return "";
  return reinterpret_cast<const char*>(ctxt->buffer.data);
}

int rtxCheckBuffer(RtContext* ctxt, size_t n) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  // The byte after the n is where the terminating NUL goes; it is not asked
  // for here because the terminator itself is checked with n = 1.
  return n == 0 ? 0 : pxrt::outReserve(ctxt, n - 1);
}

int rtxSetLimit(RtContext* ctxt, RtLimit which, size_t value) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  switch (which) {
    case RT_LIMIT_ERRORS:
      impl->errors.limit = value ? static_cast<unsigned>(value) : pxrt::Limits::kDefaultErrors;
      return 0;
    case RT_LIMIT_DEPTH:
      impl->limits.depth = value ? value : pxrt::Limits::kDefaultDepth;
      return 0;
    case RT_LIMIT_DOCUMENT_SIZE:
      impl->limits.documentSize = value ? value : pxrt::Limits::kDefaultDocumentSize;
      return 0;
    case RT_LIMIT_HEAP:
      impl->heap.setLimit(value);
      return 0;
  }
  return ST_BAD_ARGUMENT;
}

size_t rtxGetLimit(RtContext* ctxt, RtLimit which) {
  auto* impl = implOf(ctxt);
  if (!impl) return 0;
  switch (which) {
    case RT_LIMIT_ERRORS: return impl->errors.limit;
    case RT_LIMIT_DEPTH: return impl->limits.depth;
    case RT_LIMIT_DOCUMENT_SIZE: return impl->limits.documentSize;
    case RT_LIMIT_HEAP: return impl->heap.limit();
  }
  return 0;
}

/* ------------------------------------------------------------------ heap */

void* rtxMemHeapAlloc(RtContext* ctxt, size_t nbytes) {
  auto* impl = implOf(ctxt);
  return impl ? impl->heap.alloc(nbytes) : nullptr;
}

void* rtxMemHeapAllocZ(RtContext* ctxt, size_t nbytes) {
  void* p = rtxMemHeapAlloc(ctxt, nbytes);
  if (p) std::memset(p, 0, nbytes);
  return p;
}

void rtxMemHeapFreePtr(RtContext* ctxt, const void* p) {
  if (auto* impl = implOf(ctxt)) impl->heap.free(p);
}

OSUTF8CHAR* rtxUTF8Strndup(RtContext* ctxt, const OSUTF8CHAR* text, size_t n) {
  if (!text) return nullptr;
  auto* copy = static_cast<OSUTF8CHAR*>(rtxMemHeapAlloc(ctxt, n + 1));
  if (!copy) return nullptr;
  std::memcpy(copy, text, n);
  copy[n] = 0;
  return copy;
}

OSUTF8CHAR* rtxUTF8Strdup(RtContext* ctxt, const OSUTF8CHAR* text) {
  return text ? rtxUTF8Strndup(ctxt, text, std::strlen(reinterpret_cast<const char*>(text))) : nullptr;
}

// The records whose declarations were kept live in the heap: they go with it.
void rtxMemReset(RtContext* ctxt) {
  if (auto* impl = implOf(ctxt)) {
    impl->heap.reset();
    impl->keptScopes.clear();
  }
}

void rtxMemFree(RtContext* ctxt) {
  if (auto* impl = implOf(ctxt)) {
    impl->heap.releaseAll();
    impl->keptScopes.clear();
  }
}

size_t rtxMemHeapPageBytes(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  return impl ? impl->heap.pageBytes() : 0;
}

size_t rtxMemHeapLiveBlocks(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  return impl ? impl->heap.liveBlocks() : 0;
}

void rtxMemHeapFailAfter(RtContext* ctxt, size_t n) {
  if (auto* impl = implOf(ctxt)) impl->heap.failAfter(n);
}

/* ----------------------------------------------------------------- lists */

void rtxDListInit(RtDList* list) {
  if (!list) return;
  list->count = 0;
  list->head = list->tail = nullptr;
}

namespace {
RtDListNode* linkAtTail(RtDList* list, RtDListNode* node, void* data) {
  node->data = data;
  node->next = nullptr;
  node->prev = list->tail;
  if (list->tail) list->tail->next = node;
  else list->head = node;
  list->tail = node;
  list->count++;
  return node;
}
}  // namespace

RtDListNode* rtxDListAppend(RtContext* ctxt, RtDList* list, void* data) {
  if (!list) return nullptr;
  auto* node = static_cast<RtDListNode*>(rtxMemHeapAlloc(ctxt, sizeof(RtDListNode)));
  return node ? linkAtTail(list, node, data) : nullptr;
}

// The decoders' new list item: one call for what took three (the block,
// clearing it, the node), at every item of a large list.
void* rtxDListAppendNew(RtContext* ctxt, RtDList* list, size_t nbytes) {
  auto* impl = implOf(ctxt);
  if (!impl || !list) return nullptr;
  void* nodeBlock;
  void* data = impl->heap.allocTwo(nbytes, sizeof(RtDListNode), &nodeBlock);
  if (!data) return nullptr;
  auto* node = static_cast<RtDListNode*>(nodeBlock);
  std::memset(data, 0, nbytes);
  linkAtTail(list, node, data);
  return data;
}

void rtxDListFreeNodes(RtContext* ctxt, RtDList* list) {
  if (!list) return;
  for (RtDListNode* n = list->head; n;) {
    RtDListNode* next = n->next;
    rtxMemHeapFreePtr(ctxt, n);
    n = next;
  }
  rtxDListInit(list);
}

void rtxDListFreeAll(RtContext* ctxt, RtDList* list) {
  if (!list) return;
  for (RtDListNode* n = list->head; n;) {
    RtDListNode* next = n->next;
    rtxMemHeapFreePtr(ctxt, n->data);
    rtxMemHeapFreePtr(ctxt, n);
    n = next;
  }
  rtxDListInit(list);
}

/* ------------------------------------------------- character-data buffer */

int rtxMemBufAppend(RtMemBuf* mb, const OSUTF8CHAR* data, size_t len) {
  if (!mb) return ST_BAD_ARGUMENT;
  if (len == 0) return 0;
  size_t end = mb->startidx + mb->usedcnt;
  if (end + len < end) return ST_NO_MEMORY;
  if (end + len > mb->bufsize) {
    // Collected bytes move to the front; the buffer grows only when the
    // text of one element needs it.
    if (mb->startidx) {
      std::memmove(mb->data, mb->data + mb->startidx, mb->usedcnt);
      mb->startidx = 0;
      end = mb->usedcnt;
    }
    if (end + len > mb->bufsize) {
      size_t cap = mb->bufsize ? mb->bufsize : 256;
      while (cap < end + len) cap *= 2;
      auto* grown = static_cast<OSUTF8CHAR*>(std::realloc(mb->data, cap));
      if (!grown) return ST_NO_MEMORY;
      mb->data = grown;
      mb->bufsize = cap;
    }
  }
  std::memcpy(mb->data + end, data, len);
  mb->usedcnt += len;
  return 0;
}

void rtxMemBufReset(RtMemBuf* mb) {
  if (mb) rtxMemBufEmpty(mb);
}

}  // extern "C"
