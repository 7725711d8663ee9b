// Whole-value matching. The hot loop decodes one code point, maps it to its
// class and follows a cached DFA transition; only a transition taken for the
// first time runs an NFA step. Nothing here allocates per character: the
// scratch vectors are sized to the program on first use and the DFA cache
// reuses its memory after a flush.
#include <algorithm>
#include <exception>

#include "internal/code_layout.h"
#include "internal/pattern.h"
#include "pattern/program.h"
#include "pattern/utf8.h"

namespace pxrt::pattern {
namespace {

using detail::LazyDfa;

void prepare(const Program& prog) {
  if (prog.scratchReady) return;
  prog.nfa.prepare(prog);
  prog.dfa.prepare(prog);
  prog.cur.reserve(prog.code.size());
  prog.next.reserve(prog.code.size());
  prog.scratchReady = true;
}

// Reads the next code point's class; false on malformed UTF-8.
inline bool readClass(const Program& prog, const unsigned char*& p, const unsigned char* end, uint32_t* cls) {
  if (*p < 0x80) {
    *cls = prog.asciiClass[*p++];
    return true;
  }
  uint32_t cp = 0;
  const size_t n = detail::decodeUtf8(p, end, &cp);
  if (n == 0) return false;
  p += n;
  *cls = prog.classOf(cp);
  return true;
}

// Plain Thompson simulation from the position set in prog.cur; accept says
// whether that set contains Match.
bool simulate(const Program& prog, const unsigned char* p, const unsigned char* end, bool accept) {
  while (p < end) {
    if (prog.cur.empty()) return false;
    uint32_t cls = 0;
    if (!readClass(prog, p, end, &cls)) return false;
    accept = prog.nfa.step(prog.cur.data(), prog.cur.size(), cls, prog.next);
    prog.cur.swap(prog.next);
  }
  return accept;
}

// The DFA state for the sorted set in prog.next, flushing a full cache once.
// kFull means that even an empty cache cannot hold it.
int32_t internOrFlush(const Program& prog, bool accept) {
  int32_t t = prog.dfa.intern(prog.next, accept);
  if (t != LazyDfa::kFull) return t;
  prog.dfa.flush();
  return prog.dfa.intern(prog.next, accept);
}

bool run(const Program& prog, std::string_view text) {
  prepare(prog);
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  LazyDfa& dfa = prog.dfa;

  if (!dfa.enabled()) return simulate(prog, p, end, prog.nfa.start(prog.cur));

  int32_t s = dfa.startState();
  if (s == LazyDfa::kUnknown) {
    const bool accept = prog.nfa.start(prog.next);
    std::sort(prog.next.begin(), prog.next.end());
    s = internOrFlush(prog, accept);
    if (s == LazyDfa::kFull) {
      prog.cur.swap(prog.next);
      return simulate(prog, p, end, accept);
    }
    dfa.setStartState(s);
  }

  const int32_t* trans = dfa.transitions();
  const uint32_t width = dfa.classCount();
  size_t sinceFlush = 0;  // characters handled since the cache was last emptied
  while (p < end) {
    uint32_t cls = 0;
    if (!readClass(prog, p, end, &cls)) return false;
    int32_t t = trans[size_t(s) * width + cls];
    if (t < 0) {
      const bool accept = prog.nfa.step(dfa.positions(s), dfa.positionCount(s), cls, prog.next);
      std::sort(prog.next.begin(), prog.next.end());
      t = dfa.intern(prog.next, accept);
      if (t == LazyDfa::kFull) {
        // A flush pays off only when the cache served many characters per
        // state it held; otherwise this text keeps producing new states and
        // the plain simulation is cheaper than building and forgetting them.
        const bool thrashing = sinceFlush < 10 * dfa.stateCount();
        dfa.flush();
        sinceFlush = 0;
        t = thrashing ? LazyDfa::kFull : dfa.intern(prog.next, accept);
        if (t == LazyDfa::kFull) {
          prog.cur.swap(prog.next);
          return simulate(prog, p, end, accept);
        }
      } else {
        dfa.setNext(s, cls, t);
      }
      trans = dfa.transitions();  // interning may have moved the table
    }
    s = t;
    ++sinceFlush;
    if (s == LazyDfa::kDead) return false;
  }
  return dfa.accepting(s);
}

}  // namespace

PX_ENCODE_PATH bool matches(const Program& prog, std::string_view text) {
  try {
    return run(prog, text);
  } catch (const std::exception&) {
    // Only growing the scratch or the DFA cache can throw (out of memory).
    // The cache may be half-updated, so it is rebuilt on the next call; the
    // value is reported as not matching, which callers treat as invalid.
    prog.scratchReady = false;
    return false;
  }
}

}  // namespace pxrt::pattern
