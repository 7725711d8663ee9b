// The summary of a timing run: one markdown table of throughput per
// operation and document, one of the ratios the targets are stated in.
#ifndef PX_BENCH_PEERS_SUMMARY_H
#define PX_BENCH_PEERS_SUMMARY_H

#include <cstdio>
#include <string>
#include <vector>

#include "timing.h"

namespace pxpeers {

// "86.1 MB/s, 81,900 doc/s" and the like; "failed" when the operation failed.
std::string throughputCell(const Measured& m);

// Ratio of two operations' times on one document (per byte written when
// perByteWritten), NaN when either is missing or failed.
double timeRatio(const std::vector<Measured>& results, const pxbench::PeerDocument* doc, OpId numerator,
                 OpId denominator, bool perByteWritten);

void printSummary(std::FILE* out, const std::vector<Measured>& results,
                  const std::vector<const pxbench::PeerDocument*>& docs, const TimingOptions& options,
                  const std::string& pinning);

}  // namespace pxpeers

#endif
