// Bytes held by malloc in this process, where counting_malloc.cpp is linked.
#ifndef PX_BENCH_PEERS_COUNTING_MALLOC_H
#define PX_BENCH_PEERS_COUNTING_MALLOC_H

namespace pxpeers {

long long heapLiveBytes();
// The most held since the last reset.
long long heapPeakBytes();
void heapResetPeak();

}  // namespace pxpeers

#endif
