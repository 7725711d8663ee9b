// Pattern engine costs: compiling the XPath selector pattern, matching short
// selectors on a warm DFA cache, and 100 KB hostile values, both on a fresh
// program (every DFA state built during the match) and on a warm one.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "internal/pattern.h"
#include "partial_pidf/patch_patterns.h"

namespace {

using pxrt::pattern::compile;
using pxrt::pattern::matches;

const char* const kXpath = pxs::patch::kXpathPattern;
const char* const kXpathAdd = pxs::patch::kXpathAddPattern;
const char* const kType = pxs::patch::kTypePattern;

pxrt::pattern::ProgramPtr mustCompile(const char* pattern) {
  std::string error;
  auto prog = compile(pattern, &error);
  if (!prog) std::abort();
  return prog;
}

void BM_CompileXpath(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(compile(kXpath, nullptr));
}
BENCHMARK(BM_CompileXpath)->Unit(benchmark::kMicrosecond);

void BM_ShortSelectorsWarm(benchmark::State& state) {
  const char* const selectors[] = {"/presence/tuple[@id='a1']/status", "/presence/tuple/@id", "id('x')/a",
                                   "/pres:presence/pres:tuple[1]", "tuple/status/basic/text()"};
  auto prog = mustCompile(kXpath);
  for (const char* s : selectors) matches(*prog, s);
  for (auto _ : state) {
    for (const char* s : selectors) benchmark::DoNotOptimize(matches(*prog, s));
  }
  state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_ShortSelectorsWarm);

// The first match on a freshly compiled program: compile excluded, DFA
// states built as the selector is read.
void BM_ShortSelectorCold(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto prog = mustCompile(kXpath);
    state.ResumeTiming();
    benchmark::DoNotOptimize(matches(*prog, "/presence/tuple[@id='a1']/status"));
  }
}
BENCHMARK(BM_ShortSelectorCold)->Unit(benchmark::kMicrosecond);

std::string hostile(int which) {
  const std::string run(100000, 'a');
  std::mt19937 rng(5);
  std::string s;
  switch (which) {
    case 0: return "/" + run + "[";
    case 1:
      for (int i = 0; i < 50000; ++i) s += "a:";
      return s + "/";
    case 2: return "a[@b='" + run + "'";
    case 3: {  // random but plausible steps, predicates and quotes: stays alive
      const char* const pieces[] = {"a", "b:", "c1", "/", "[1]", "[@a='", "[.=\"", "'", "\"", "]", "x", "*"};
      while (s.size() < 100000) s += pieces[rng() % std::size(pieces)];
      return s;
    }
    case 4:  // many nested predicate openings, each a new way to close
      for (int i = 0; i < 12500; ++i) s += "a[@b='x";
      return s + "]";
    default:  // for the n-th-from-last pattern
      for (int i = 0; i < 100000; ++i) s += (rng() & 1) ? 'a' : 'b';
      return s;
  }
}
const char* const kHostileNames[] = {"slash_run_bracket", "a_colon_repeated", "open_predicate",
                                     "random_selector_chars", "nested_predicates", "nth_from_last"};

const char* patternFor(int which) { return which == 5 ? "(a|b)*a(a|b){20}" : kXpath; }

void BM_Hostile100KB(benchmark::State& state) {
  const int which = static_cast<int>(state.range(0));
  const bool warm = state.range(1) != 0;
  const std::string text = hostile(which);
  state.SetLabel(std::string(kHostileNames[which]) + (warm ? " warm" : " cold"));
  auto prog = mustCompile(patternFor(which));
  if (warm) matches(*prog, text);
  for (auto _ : state) {
    if (!warm) {
      state.PauseTiming();
      prog = mustCompile(patternFor(which));
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(matches(*prog, text));
  }
  state.SetBytesProcessed(state.iterations() * int64_t(text.size()));
}
BENCHMARK(BM_Hostile100KB)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
