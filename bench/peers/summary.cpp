#include "summary.h"

#include <cmath>
#include <limits>

namespace pxpeers {
namespace {

// 1234567 -> "1,234,567"
std::string grouped(double value) {
  std::string digits = std::to_string(std::llround(value));
  std::string out;
  int lead = static_cast<int>(digits.size()) % 3;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i && static_cast<int>(i) % 3 == lead) out += ',';
    out += digits[i];
  }
  return out;
}

std::string fixed(double value, int decimals) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  return buf;
}

// Three significant figures at most, as many as a ratio needs.
std::string ratioText(double r) {
  if (std::isnan(r)) return "-";
  return fixed(r, r >= 10 ? 1 : 2);
}

const Measured* find(const std::vector<Measured>& results, const pxbench::PeerDocument* doc, OpId op) {
  for (const Measured& m : results)
    if (m.doc == doc && m.op->id == op) return &m;
  return nullptr;
}

struct RatioRow {
  const char* title;
  OpId numerator, denominator;
  bool perByteWritten;
  const char* target;
};

constexpr RatioRow kRatios[] = {
    {"decode / libxml2 tree + walk", OpId::Decode, OpId::Libxml2Tree, false, "<= 0.33"},
    {"decode / pugixml parse + walk", OpId::Decode, OpId::Pugixml, false, "<= 2"},
    {"validate / decode", OpId::Validate, OpId::Decode, false, "<= 1"},
    {"encode / pugixml save, per byte written", OpId::Encode, OpId::PugixmlSave, true, "<= 1"},
    {"decode / expat alone", OpId::Decode, OpId::Expat, false, ""},
};

}  // namespace

std::string throughputCell(const Measured& m) {
  if (!m.ok || m.seconds <= 0) return "failed";
  double mbs = m.bytesPerSecond() / 1e6;
  return fixed(mbs, mbs >= 100 ? 0 : 1) + " MB/s, " + grouped(1 / m.seconds) + " doc/s";
}

double timeRatio(const std::vector<Measured>& results, const pxbench::PeerDocument* doc, OpId numerator,
                 OpId denominator, bool perByteWritten) {
  const Measured* a = find(results, doc, numerator);
  const Measured* b = find(results, doc, denominator);
  double nan = std::numeric_limits<double>::quiet_NaN();
  if (!a || !b || !a->ok || !b->ok || a->seconds <= 0 || b->seconds <= 0) return nan;
  if (!perByteWritten) return a->seconds / b->seconds;
  if (!a->written || !b->written) return nan;
  return (a->seconds / static_cast<double>(a->written)) / (b->seconds / static_cast<double>(b->written));
}

void printSummary(std::FILE* out, const std::vector<Measured>& results,
                  const std::vector<const pxbench::PeerDocument*>& docs, const TimingOptions& options,
                  const std::string& pinning) {
  std::fprintf(out, "\nMedians of %d interleaved repetitions of about %.0f ms each, thread CPU time, %s.\n",
               options.repetitions, options.secondsPerRepetition * 1e3, pinning.c_str());
  std::fprintf(out, "MB = 10^6 bytes: of input for readers, of output for encoders.\n\n");

  std::fprintf(out, "| operation |");
  for (const auto* d : docs) std::fprintf(out, " %.*s |", static_cast<int>(d->title.size()), d->title.data());
  std::fprintf(out, "\n|---|");
  for (size_t i = 0; i < docs.size(); ++i) std::fprintf(out, "---|");
  std::fprintf(out, "\n| document bytes |");
  for (const auto* d : docs) std::fprintf(out, " %s |", grouped(static_cast<double>(pxbench::peerDocumentText(d->name).size())).c_str());
  std::fprintf(out, "\n");
  for (const OpInfo& op : kOperations) {
    bool any = false;
    std::string row = "| " + std::string(op.title) + " |";
    for (const auto* d : docs) {
      const Measured* m = find(results, d, op.id);
      any = any || m;
      row += " " + (m ? throughputCell(*m) : std::string("-")) + " |";
    }
    if (any) std::fprintf(out, "%s\n", row.c_str());
    if (!any || !op.writes) continue;
    row = "| " + std::string(op.name) + ": bytes written |";
    for (const auto* d : docs) {
      const Measured* m = find(results, d, op.id);
      row += " " + (m && m->ok ? grouped(static_cast<double>(m->written)) : std::string("-")) + " |";
    }
    std::fprintf(out, "%s\n", row.c_str());
  }
  std::fprintf(out, "\n| ratio of times (lower: ours faster) |");
  for (const auto* d : docs) std::fprintf(out, " %.*s |", static_cast<int>(d->title.size()), d->title.data());
  std::fprintf(out, " target |\n|---|");
  for (size_t i = 0; i <= docs.size(); ++i) std::fprintf(out, "---|");
  std::fprintf(out, "\n");
  for (const RatioRow& r : kRatios) {
    std::fprintf(out, "| %s |", r.title);
    for (const auto* d : docs)
      std::fprintf(out, " %s |", ratioText(timeRatio(results, d, r.numerator, r.denominator, r.perByteWritten)).c_str());
    std::fprintf(out, " %s |\n", r.target);
  }
  for (const auto* d : docs) {
    const Measured* m = d->name == "pidf1k" ? find(results, d, OpId::Decode) : nullptr;
    if (m && m->ok)
      std::fprintf(out, "\nOurs: the 1 KB PIDF decodes in %s us (target: under 3 us).\n", fixed(m->seconds * 1e6, 2).c_str());
  }
}

}  // namespace pxpeers
