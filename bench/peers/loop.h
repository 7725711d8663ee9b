// The loop every measurement runs: the timed repetitions, and the plain
// loop mode that callgrind counts (its name is what the counting script
// collects in, so it keeps C linkage and is never inlined).
#ifndef PX_BENCH_PEERS_LOOP_H
#define PX_BENCH_PEERS_LOOP_H

#include "operation.h"

extern "C" bool px_peers_measured_loop(pxpeers::Operation* operation, long iterations);

#endif
