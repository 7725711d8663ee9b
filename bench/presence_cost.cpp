// presence_cost OPERATION SIZE N: runs one partial presence operation (or
// the decode it is measured against) N times on the benchmark documents, for
// whole-process comparisons (farm-bench --vs) and instruction counts
// (valgrind --tool=callgrind). OPERATION: decode, apply, generate, compose;
// SIZE: small (1 KB) or large (20 KB).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "presence_bench_documents.h"
#include "pxxml/presence.h"
#include "pxxml/simple/simple.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: presence_cost decode|apply|generate|compose small|large N\n");
    return 2;
  }
  std::string op = argv[1];
  const std::string& doc = pxbench::document(std::strcmp(argv[2], "large") == 0 ? 1 : 0);
  const std::string next = pxbench::changed(doc);
  long n = std::atol(argv[3]);
  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  for (long i = 0; i < n; ++i) {
    PxpText out{};
    int status = 0;
    if (op == "decode") {
      tns_presence record;
      rtxSetInputBuffer(ctxt, doc.data(), doc.size());
      status = PxXmlD_tns_presence(ctxt, &record);
      PxMemFree_tns_presence(ctxt, &record);
    } else if (op == "apply") {
      status = pxpApply(doc.data(), doc.size(), pxbench::kReplaceDiff.data(), pxbench::kReplaceDiff.size(), nullptr, &out, nullptr);
    } else if (op == "generate") {
      status = pxpGenerate(doc.data(), doc.size(), next.data(), next.size(), nullptr, &out, nullptr);
    } else if (op == "compose") {
      PxpInput inputs[2] = {{doc.data(), doc.size()}, {next.data(), next.size()}};
      status = pxpCompose(inputs, 2, nullptr, &out, nullptr);
    } else {
      std::fprintf(stderr, "unknown operation %s\n", op.c_str());
      return 2;
    }
    pxpTextFree(&out);
    if (status != 0) {
      std::fprintf(stderr, "%s failed: %d\n", op.c_str(), status);
      return 1;
    }
  }
  rtxDeleteContext(ctxt);
  return 0;
}
