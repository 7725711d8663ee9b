// Partial presence: apply a one-element replace, generate a diff and compose
// two publications, on a 1 KB presence document (a person with RPID
// activities) and a 20 KB one (40 tuples with capability, RPID, data-model
// and CIPID extensions). Each benchmark reports `x_decode`: its time over
// the time of decoding the same state once with PxXmlD_tns_presence.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <string>

#include "bench_support.h"
#include "presence_bench_documents.h"
#include "pxxml/presence.h"

namespace {

using pxbench::changed;
using pxbench::document;
using pxbench::kReplaceDiff;



// Seconds per PxXmlD_tns_presence decode of `doc`, measured once.
double decodeSeconds(int which) {
  static std::map<int, double> measured;
  auto found = measured.find(which);
  if (found != measured.end()) return found->second;
  const std::string& doc = document(which);
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  tns_presence record;
  int rounds = 0;
  auto start = std::chrono::steady_clock::now();
  std::chrono::duration<double> spent{};
  while (spent.count() < 0.3) {
    for (int i = 0; i < 50; ++i, ++rounds) {
      rtxSetInputBuffer(ctxt, doc.data(), doc.size());
      PxXmlD_tns_presence(ctxt, &record);
      PxMemFree_tns_presence(ctxt, &record);
    }
    spent = std::chrono::steady_clock::now() - start;
  }
  rtxDeleteContext(ctxt);
  return measured[which] = spent.count() / rounds;
}

template <typename Body>
void run(benchmark::State& state, Body body) {
  int which = static_cast<int>(state.range(0));
  const std::string& doc = document(which);
  auto start = std::chrono::steady_clock::now();
  for (auto _ : state) body(doc);
  std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
  state.counters["bytes"] = static_cast<double>(doc.size());
  state.counters["x_decode"] = spent.count() / static_cast<double>(state.iterations()) / decodeSeconds(which);
}

void BM_Decode(benchmark::State& state) {
  run(state, [](const std::string& doc) {
    static RtContext* ctxt = [] {
      RtContext* c = rtxNewContext();
      PxInit_SIMPLE_Global(c);
      return c;
    }();
    tns_presence record;
    rtxSetInputBuffer(ctxt, doc.data(), doc.size());
    if (PxXmlD_tns_presence(ctxt, &record) != 0) std::abort();
    PxMemFree_tns_presence(ctxt, &record);
  });
}

void BM_ApplyReplace(benchmark::State& state) {
  run(state, [](const std::string& doc) {
    PxpText out;
    if (pxpApply(doc.data(), doc.size(), kReplaceDiff.data(), kReplaceDiff.size(), nullptr, &out, nullptr) != 0) std::abort();
    benchmark::DoNotOptimize(out.data);
    pxpTextFree(&out);
  });
}

void BM_Generate(benchmark::State& state) {
  static const std::string next[2] = {changed(document(0)), changed(document(1))};
  run(state, [&state](const std::string& doc) {
    const std::string& n = next[state.range(0)];
    PxpText out;
    if (pxpGenerate(doc.data(), doc.size(), n.data(), n.size(), nullptr, &out, nullptr) != 0) std::abort();
    benchmark::DoNotOptimize(out.data);
    pxpTextFree(&out);
  });
}

void BM_Compose(benchmark::State& state) {
  static const std::string next[2] = {changed(document(0)), changed(document(1))};
  run(state, [&state](const std::string& doc) {
    const std::string& n = next[state.range(0)];
    PxpInput inputs[2] = {{doc.data(), doc.size()}, {n.data(), n.size()}};
    PxpText out;
    if (pxpCompose(inputs, 2, nullptr, &out, nullptr) != 0) std::abort();
    benchmark::DoNotOptimize(out.data);
    pxpTextFree(&out);
  });
}

void BM_Compare(benchmark::State& state) {
  run(state, [](const std::string& doc) {
    int equal = 0;
    if (pxpCompare(doc.data(), doc.size(), doc.data(), doc.size(), nullptr, &equal, nullptr) != 0 || !equal) std::abort();
  });
}

BENCHMARK(BM_Decode)->Arg(0)->Arg(1);
BENCHMARK(BM_ApplyReplace)->Arg(0)->Arg(1);
BENCHMARK(BM_Generate)->Arg(0)->Arg(1);
BENCHMARK(BM_Compose)->Arg(0)->Arg(1);
BENCHMARK(BM_Compare)->Arg(0)->Arg(1);

}  // namespace
