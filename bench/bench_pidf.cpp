// Decoding and encoding presence documents of about 1 KB and 20 KB, beside
// a bare expat parse of the same bytes (no namespace processing, handlers
// that do nothing): the cost of the library over the reader alone.
#include <benchmark/benchmark.h>
#include <expat.h>

#include "presence_documents.h"
#include "pxxml/simple/simple.h"

namespace {

const std::string& document(int tuples) {
  static const std::string small = presenceDocument(2);
  static const std::string large = presenceDocument(64);
  return tuples <= 2 ? small : large;
}

void XMLCALL onStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL onEnd(void*, const XML_Char*) {}
void XMLCALL onText(void*, const XML_Char*, int) {}

void BM_ExpatParse(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
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

void BM_DecodePresence(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  tns_presence p;
  for (auto _ : state) {
    rtxSetInputBuffer(ctxt, doc.data(), doc.size());
    if (PxXmlD_tns_presence(ctxt, &p) != 0) state.SkipWithError("decode");
    PxMemFree_tns_presence(ctxt, &p);
  }
  rtxDeleteContext(ctxt);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_DecodePresenceHeapReset(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  tns_presence p;
  for (auto _ : state) {
    rtxSetInputBuffer(ctxt, doc.data(), doc.size());
    if (PxXmlD_tns_presence(ctxt, &p) != 0) state.SkipWithError("decode");
    rtxMemReset(ctxt);
  }
  rtxDeleteContext(ctxt);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_ValidatePresence(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  for (auto _ : state) {
    rtxSetInputBuffer(ctxt, doc.data(), doc.size());
    if (PxXmlV_tns_presence(ctxt) != 0) state.SkipWithError("validate");
  }
  rtxDeleteContext(ctxt);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_EncodePresence(benchmark::State& state) {
  const std::string& doc = document(static_cast<int>(state.range(0)));
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  tns_presence p;
  rtxSetInputBuffer(ctxt, doc.data(), doc.size());
  if (PxXmlD_tns_presence(ctxt, &p) != 0) state.SkipWithError("decode");
  size_t written = 0;
  for (auto _ : state) {
    rtxResetOutput(ctxt);
    if (PxXmlE_tns_presence(ctxt, &p) != 0) state.SkipWithError("encode");
    rtxGetOutput(ctxt, &written);
  }
  PxMemFree_tns_presence(ctxt, &p);
  rtxDeleteContext(ctxt);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * written));
}

}  // namespace

BENCHMARK(BM_ExpatParse)->Arg(2)->Arg(64);
BENCHMARK(BM_DecodePresence)->Arg(2)->Arg(64);
BENCHMARK(BM_DecodePresenceHeapReset)->Arg(2)->Arg(64);
BENCHMARK(BM_ValidatePresence)->Arg(2)->Arg(64);
BENCHMARK(BM_EncodePresence)->Arg(2)->Arg(64);
