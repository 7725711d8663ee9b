// Documents built to be costly for a reader that keeps namespaces, at
// growing sizes N: each must take time linear in N (the fitted complexity
// Google Benchmark prints, with its RMS). A quadratic step shows as a
// complexity of N^2 and as times that grow sixteen-fold from one size to
// the next but one.
//   - a partial presence document: N declarations on its root, N operations
//     (each keeps the declarations in scope), one in three rebinding one of
//     them; decoded, then written back;
//   - an RLMI list: N declarations on its root and a resource carrying N
//     foreign attributes, one for each; decoded, then written back (the
//     resource's start tag declares all N again);
//   - a PIDF status holding N foreign elements, each under its own prefix
//     declared on the root;
//   - a PIDF status holding one foreign element that declares N prefixes,
//     carries N attributes under them and holds N children under them.
// Two presence documents of N declarations and N elements, one under each
// prefix, composed and compared.
// And a diff applied to a state of N tuples and N/4 notes after them: N
// operations, each selecting one tuple by its id (every third replaces it,
// the others add to or change its contents), then N/4 replacing the notes
// by their position among the root's children, one after another, as a
// generated diff does.
#include <benchmark/benchmark.h>

#include <string>

#include "pxxml/presence.h"
#include "pxxml/simple/simple.h"

namespace {

std::string declarations(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += " xmlns:p" + std::to_string(i) + "='urn:x" + std::to_string(i) + "'";
  return s;
}

std::string diffDocument(int n) {
  std::string doc = "<d:pidf-diff xmlns:d='urn:ietf:params:xml:ns:pidf-diff' xmlns='urn:ietf:params:xml:ns:pidf' "
                    "entity='pres:a@example.com'" + declarations(n) + ">";
  for (int i = 0; i < n; ++i) {
    std::string p = "p" + std::to_string(i % 50);
    doc += i % 3 ? "<d:remove sel='*/" + p + ":tuple'/>"
                 : "<d:remove xmlns:" + p + "='urn:again" + std::to_string(i) + "' sel='*/" + p + ":tuple'/>";
  }
  return doc + "</d:pidf-diff>";
}

std::string rlmiDocument(int n) {
  std::string doc = "<list xmlns='urn:ietf:params:xml:ns:rlmi' uri='sip:l@example.com' version='1' fullState='true'" +
                    declarations(n) + "><resource uri='sip:r@example.com'";
  for (int i = 0; i < n; ++i) doc += " p" + std::to_string(i) + ":a='v'";
  return doc + "/></list>";
}

std::string foreignDocument(int n) {
  std::string doc = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='pres:a@example.com'" + declarations(n) +
                    "><tuple id='t'><status><basic>open</basic>";
  for (int i = 0; i < n; ++i) doc += "<p" + std::to_string(i) + ":e>t</p" + std::to_string(i) + ":e>";
  return doc + "</status></tuple></presence>";
}

std::string capturedDocument(int n) {
  std::string doc = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='pres:a@example.com'><tuple id='t'>"
                    "<status><basic>open</basic><x:e xmlns:x='urn:e'" + declarations(n);
  for (int i = 0; i < n; ++i) doc += " p" + std::to_string(i) + ":a='v'";
  doc += ">";
  for (int i = 0; i < n; ++i) doc += "<p" + std::to_string(i) + ":k/>";
  return doc + "</x:e></status></tuple></presence>";
}

std::string tupleState(int n) {
  std::string doc = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='pres:a@example.com'>";
  for (int i = 0; i < n; ++i)
    doc += "<tuple id='t" + std::to_string(i) + "'><status><basic>open</basic></status><contact>sip:a" +
           std::to_string(i) + "@example.com</contact></tuple>";
  for (int i = 0; i < n / 4; ++i) doc += "<note>n" + std::to_string(i) + "</note>";
  return doc + "</presence>";
}

std::string tupleDiff(int n) {
  std::string doc = "<p:pidf-diff xmlns:p='urn:ietf:params:xml:ns:pidf-diff' xmlns='urn:ietf:params:xml:ns:pidf' entity='pres:a@example.com'>";
  for (int i = 0; i < n; ++i) {
    const std::string id = "t" + std::to_string((i * 7) % n), sel = "/presence/tuple[@id='" + id + "']";
    if (i % 3 == 0)
      doc += "<p:replace sel=\"" + sel + "\"><tuple id='" + id + "'><status><basic>closed</basic></status></tuple></p:replace>";
    else if (i % 3 == 1)
      doc += "<p:add sel=\"" + sel + "\"><note>added</note></p:add>";
    else
      doc += "<p:replace sel=\"" + sel + "/status/basic/text()\">closed</p:replace>";
  }
  for (int i = 0; i < n / 4; ++i)
    doc += "<p:replace sel='*/*[" + std::to_string(n + 1 + i) + "]'><note>m" + std::to_string(i) + "</note></p:replace>";
  return doc + "<p:replace sel='/presence/note[1]/text()'>m</p:replace></p:pidf-diff>";
}

void BM_ApplyOperationsToManyTuples(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string stored = tupleState(n), diff = tupleDiff(n);
  for (auto _ : state) {
    PxpText out{};
    PxpError error{};
    if (pxpApply(stored.data(), stored.size(), diff.data(), diff.size(), nullptr, &out, &error) != 0)
      state.SkipWithError(error.message);
    pxpTextFree(&out);
  }
  state.SetComplexityN(n);
}

// Partial presence documents checked, compared and composed: two states
// with N declarations on the root and N elements, one under each prefix.
void BM_ComposeAndCompareUnderManyDeclarations(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::string doc[2];
  for (int k = 0; k < 2; ++k) {
    doc[k] = "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='pres:a@example.com'" + declarations(n) + ">";
    for (int i = 0; i < n; ++i) doc[k] += "<p" + std::to_string(i) + ":e>" + std::to_string(k) + "</p" + std::to_string(i) + ":e>";
    doc[k] += "</presence>";
  }
  const PxpInput inputs[] = {{doc[0].data(), doc[0].size()}, {doc[1].data(), doc[1].size()}};
  for (auto _ : state) {
    PxpText out{};
    int equal = 0;
    if (pxpCompose(inputs, 2, nullptr, &out, nullptr) != 0 ||
        pxpCompare(doc[0].data(), doc[0].size(), doc[1].data(), doc[1].size(), nullptr, &equal, nullptr) != 0)
      state.SkipWithError("compose or compare");
    pxpTextFree(&out);
  }
  state.SetComplexityN(n);
}

// Decode (and write back) on one context, release after each round.
template <typename T, int (*Decode)(RtContext*, T*), int (*Encode)(RtContext*, T*), void (*Release)(RtContext*, T*)>
void roundTrip(benchmark::State& state, std::string (*make)(int), bool encode) {
  const std::string doc = make(static_cast<int>(state.range(0)));
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  for (auto _ : state) {
    T record;
    rtxSetInputBuffer(ctxt, doc.data(), doc.size());
    if (Decode(ctxt, &record) != 0) state.SkipWithError("decode");
    if (encode) {
      rtxResetOutput(ctxt);
      if (Encode(ctxt, &record) != 0) state.SkipWithError("encode");
    }
    Release(ctxt, &record);
  }
  rtxDeleteContext(ctxt);
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_DiffOperationsUnderManyDeclarations(benchmark::State& state) {
  roundTrip<partial__pidf_diff, PxXmlD_partial_pidf_diff, PxXmlE_partial_pidf_diff, PxMemFree_partial__pidf_diff>(
      state, diffDocument, true);
}
void BM_RlmiForeignAttributesOfManyNamespaces(benchmark::State& state) {
  roundTrip<rlmi__list, PxXmlD_rlmi_list, PxXmlE_rlmi_list, PxMemFree_rlmi__list>(state, rlmiDocument, true);
}
void BM_PidfForeignElementsOfManyNamespaces(benchmark::State& state) {
  roundTrip<tns_presence, PxXmlD_tns_presence, PxXmlE_tns_presence, PxMemFree_tns_presence>(state, foreignDocument,
                                                                                            false);
}

void BM_PidfForeignElementDeclaringMany(benchmark::State& state) {
  roundTrip<tns_presence, PxXmlD_tns_presence, PxXmlE_tns_presence, PxMemFree_tns_presence>(state, capturedDocument,
                                                                                            true);
}

}  // namespace

BENCHMARK(BM_DiffOperationsUnderManyDeclarations)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);
BENCHMARK(BM_RlmiForeignAttributesOfManyNamespaces)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);
BENCHMARK(BM_PidfForeignElementsOfManyNamespaces)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);
BENCHMARK(BM_PidfForeignElementDeclaringMany)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);
BENCHMARK(BM_ComposeAndCompareUnderManyDeclarations)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);
BENCHMARK(BM_ApplyOperationsToManyTuples)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);
