// Shared helpers of the runtime suites: an owning context, a snapshot of the
// error list, and capture of what a call writes to standard output.
#ifndef PX_TESTS_RT_FIXTURE_H
#define PX_TESTS_RT_FIXTURE_H

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "pxxml/rt.h"

namespace pxtest {

// A context that lives as long as the object.
class Ctx {
 public:
  Ctx() { rtxInitContext(&ctxt_); }
  ~Ctx() { rtxFreeContext(&ctxt_); }
  Ctx(const Ctx&) = delete;
  Ctx& operator=(const Ctx&) = delete;
  operator RtContext*() { return &ctxt_; }
  RtContext* operator->() { return &ctxt_; }

 private:
  RtContext ctxt_{};
};

struct ErrPos {
  std::string file;
  int line = 0;
  bool operator==(const ErrPos&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const ErrPos& p) { return os << p.file << ':' << p.line; }

struct ErrSnapshot {
  int status = 0;
  std::vector<std::string> params;
  std::vector<ErrPos> positions;
};

// Every entry of the context's error list.
inline std::vector<ErrSnapshot> errors(RtContext* ctxt) {
  std::vector<ErrSnapshot> out(static_cast<size_t>(rtxErrGetCount(ctxt)));
  for (int e = 0; e < rtxErrGetCount(ctxt); ++e) {
    out[e].status = rtxErrGetStatus(ctxt, e);
    for (int p = 0; p < rtxErrGetParmCount(ctxt, e); ++p) out[e].params.push_back(rtxErrGetParm(ctxt, e, p));
    for (int p = 0; p < rtxErrGetPosCount(ctxt, e); ++p)
      out[e].positions.push_back({rtxErrGetPosFile(ctxt, e, p), rtxErrGetPosLine(ctxt, e, p)});
  }
  return out;
}

// Statuses and parameters only, for comparisons with a literal list.
using StatusParams = std::pair<int, std::vector<std::string>>;
inline std::vector<StatusParams> statusParams(RtContext* ctxt) {
  std::vector<StatusParams> out;
  for (auto& e : errors(ctxt)) out.emplace_back(e.status, std::move(e.params));
  return out;
}

// What fn writes to standard output (file descriptor 1).
inline std::string capturedStdout(const std::function<void()>& fn) {
  std::fflush(stdout);
  FILE* tmp = std::tmpfile();
  if (!tmp) std::abort();
  const int saved = dup(1);
  dup2(fileno(tmp), 1);
  fn();
  std::fflush(stdout);
  dup2(saved, 1);
  close(saved);
  std::string text;
  std::rewind(tmp);
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, tmp)) > 0;) text.append(buf, n);
  std::fclose(tmp);
  return text;
}

inline const OSUTF8CHAR* u8(const char* s) { return reinterpret_cast<const OSUTF8CHAR*>(s); }
inline const char* str(const OSUTF8CHAR* s) { return reinterpret_cast<const char*>(s); }

// Make a text the decode input (kept by pointer: the bytes must outlive it).
inline void setInput(RtContext* ctxt, std::string_view text) { rtxInitContextBuffer(ctxt, u8(text.data()), text.size()); }

// The decode input as it stands.
inline std::string input(RtContext* ctxt) {
  const RtBuffer& in = ctxt->input;
  if (!in.data || in.byteIndex >= in.size) return {};
  return std::string(str(in.data) + in.byteIndex, in.size - in.byteIndex);
}

}  // namespace pxtest

#endif
