#include "timing.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "loop.h"

namespace pxpeers {

double Measured::bytesPerSecond() const {
  size_t bytes = op->writes ? written : inputBytes;
  return seconds > 0 ? static_cast<double>(bytes) / seconds : 0;
}

double threadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

namespace {

struct Work {
  Measured result;
  std::unique_ptr<Operation> operation;
  std::vector<double> perDocument;
};

double timeLoop(Operation& operation, long iterations, bool& ok) {
  double start = threadCpuSeconds();
  ok = px_peers_measured_loop(&operation, iterations) && ok;
  return threadCpuSeconds() - start;
}

// Iterations that fill about one repetition's time, from growing trial runs.
long calibrate(Operation& operation, double target, bool& ok) {
  long n = 1;
  for (;;) {
    double t = timeLoop(operation, n, ok);
    if (!ok) return 1;
    if (t >= target / 8 || n >= (1L << 30)) return std::max(1L, std::lround(static_cast<double>(n) * target / t));
    n *= 4;
  }
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

std::vector<Measured> measureAll(const std::vector<const OpInfo*>& ops,
                                 const std::vector<const pxbench::PeerDocument*>& docs,
                                 const TimingOptions& options) {
  std::vector<Work> work;
  for (const pxbench::PeerDocument* doc : docs) {
    const std::string& text = pxbench::peerDocumentText(doc->name);
    for (const OpInfo* op : ops) {
      Work w;
      w.result.op = op;
      w.result.doc = doc;
      w.result.inputBytes = text.size();
      w.operation = makeOperation(op->id, doc->kind);
      w.result.ok = w.operation && w.operation->prepare(text) && w.operation->run();
      if (w.result.ok) {
        w.result.written = w.operation->written();
        w.result.iterations = calibrate(*w.operation, options.secondsPerRepetition, w.result.ok);
      }
      work.push_back(std::move(w));
    }
  }
  for (int r = 0; r < options.repetitions; ++r) {
    for (Work& w : work) {
      if (!w.result.ok) continue;
      w.result.ok = w.operation->run();  // warm the caches after the other operations
      double t = timeLoop(*w.operation, w.result.iterations, w.result.ok);
      w.perDocument.push_back(t / static_cast<double>(w.result.iterations));
    }
  }
  std::vector<Measured> results;
  for (Work& w : work) {
    if (w.result.ok && !w.perDocument.empty()) {
      w.result.seconds = median(w.perDocument);
      auto [lo, hi] = std::minmax_element(w.perDocument.begin(), w.perDocument.end());
      w.result.minSeconds = *lo;
      w.result.maxSeconds = *hi;
    }
    results.push_back(w.result);
  }
  return results;
}

}  // namespace pxpeers
