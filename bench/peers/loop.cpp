#include "loop.h"

extern "C" __attribute__((noinline, visibility("default"))) bool px_peers_measured_loop(pxpeers::Operation* operation,
                                                                                        long iterations) {
  bool ok = true;
  for (long i = 0; i < iterations; ++i) ok = operation->run() && ok;
  return ok;
}
