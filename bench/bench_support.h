// Shared pieces of the benchmarks: the bare expat parse every decoder is
// measured against, and a decode loop on one reused context.
#ifndef PX_BENCH_SUPPORT_H
#define PX_BENCH_SUPPORT_H

#include <benchmark/benchmark.h>
#include <expat.h>

#include <string>

#include "pxxml/simple/simple.h"

namespace pxbench {

inline void XMLCALL onStart(void*, const XML_Char*, const XML_Char**) {}
inline void XMLCALL onEnd(void*, const XML_Char*) {}
inline void XMLCALL onText(void*, const XML_Char*, int) {}

// expat without namespace processing and with handlers that do nothing: the
// floor under any decoder built on it.
inline void expatParse(benchmark::State& state, const std::string& doc) {
  XML_Parser parser = XML_ParserCreate("UTF-8");
  for (auto _ : state) {
    XML_ParserReset(parser, "UTF-8");
    XML_SetElementHandler(parser, onStart, onEnd);
    XML_SetCharacterDataHandler(parser, onText);
    if (XML_Parse(parser, doc.data(), static_cast<int>(doc.size()), 1) != XML_STATUS_OK) state.SkipWithError("parse");
  }
  XML_ParserFree(parser);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
  state.counters["bytes"] = static_cast<double>(doc.size());
}

// Decode and release on one context, as a server does per message.
template <typename T, int (*Decode)(RtContext*, T*), void (*Release)(RtContext*, T*)>
void decodeLoop(benchmark::State& state, const std::string& doc) {
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  T record;
  for (auto _ : state) {
    rtxSetInputBuffer(ctxt, doc.data(), doc.size());
    if (Decode(ctxt, &record) != 0) state.SkipWithError("decode");
    Release(ctxt, &record);
  }
  rtxDeleteContext(ctxt);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

}  // namespace pxbench

#endif
