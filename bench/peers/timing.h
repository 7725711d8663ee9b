// Timing every operation on every document in one run. Repetitions are
// interleaved -- the first repetition of every pair, then the second, ... --
// so that a change of the machine's speed during the run moves all of them
// alike and the ratios between them stay meaningful. Each repetition runs
// the operation for about the same time and records the time per document;
// the median of the repetitions is reported. Time is the thread's CPU time,
// which another process on a shared core does not inflate.
#ifndef PX_BENCH_PEERS_TIMING_H
#define PX_BENCH_PEERS_TIMING_H

#include <string>
#include <vector>

#include "operation.h"

namespace pxpeers {

struct TimingOptions {
  int repetitions = 7;
  double secondsPerRepetition = 0.05;
};

struct Measured {
  const OpInfo* op = nullptr;
  const pxbench::PeerDocument* doc = nullptr;
  size_t inputBytes = 0;
  size_t written = 0;  // per document, encoders only
  bool ok = false;     // prepared and every run succeeded
  long iterations = 0; // per repetition
  double seconds = 0;  // median per document
  double minSeconds = 0, maxSeconds = 0;

  // Bytes a second of what the operation is measured by: input for
  // readers, output for encoders.
  double bytesPerSecond() const;
};

double threadCpuSeconds();

std::vector<Measured> measureAll(const std::vector<const OpInfo*>& ops,
                                 const std::vector<const pxbench::PeerDocument*>& docs, const TimingOptions& options);

}  // namespace pxpeers

#endif
