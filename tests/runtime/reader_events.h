// Reading one document with a chosen back end of the reader and recording
// what the root handler sees: start tags with their attributes, end tags,
// and text (adjacent runs joined, since back ends may cut runs anywhere).
// Shared by the differential tests and the differential fuzz target.
#ifndef PX_TESTS_READER_EVENTS_H
#define PX_TESTS_READER_EVENTS_H

#include <string>
#include <string_view>
#include <vector>

#include "internal/reader.h"
#include "pxxml/rt.h"

namespace pxtest {

struct Reading {
  int status = 0;
  std::vector<std::string> events;  // "<qname|local a=[v]...", ">qname|local", "'text"
  std::string reason;               // first parameter of the first error entry
  int line = 0, column = 0;         // position of the first error entry

  // Start and end tags only: what must agree even when a document is
  // refused, since text before the refusal may be cut differently.
  std::vector<std::string> tags() const {
    std::vector<std::string> out;
    for (const auto& e : events)
      if (e[0] != '\'') out.push_back(e);
    return out;
  }
};

struct EventLog {
  RtSaxHandler head;
  std::vector<std::string>* events;
  bool byLength;  // the reader may hand attributes over unterminated
};

inline int logStart(void* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  auto* log = static_cast<EventLog*>(h);
  std::string e = "<" + std::string(reinterpret_cast<const char*>(qname)) + "|" + reinterpret_cast<const char*>(local);
  const uint32_t* lengths = rtSaxAttrLengths(log->head.context, attrs);
  for (; attrs[0]; attrs += 2) {
    const auto* n = reinterpret_cast<const char*>(attrs[0]);
    const auto* v = reinterpret_cast<const char*>(attrs[1]);
    // By their lengths alone, as the decoders read them (the texts may then
    // have no NUL after them), or as C strings.
    const bool byLength = lengths && log->byLength;
    const std::string_view name = byLength ? std::string_view(n, lengths[0]) : std::string_view(n);
    const std::string_view value = byLength ? std::string_view(v, lengths[1]) : std::string_view(v);
    if (lengths && !byLength && (lengths[0] != name.size() || lengths[1] != value.size())) {
      // Lengths a back end counts must be the texts' own: a wrong one shows
      // as an event the other back end (which counts none) does not have.
      e += " (lengths differ)";
    }
    if (lengths) lengths += 2;
    e.append(" ").append(name).append("=[").append(value).append("]");
  }
  log->events->push_back(std::move(e));
  return 0;
}

inline int logEnd(void* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname) {
  static_cast<EventLog*>(h)->events->push_back(">" + std::string(reinterpret_cast<const char*>(qname)) + "|" +
                                               reinterpret_cast<const char*>(local));
  return 0;
}

inline int logText(void* h, const OSUTF8CHAR* text, int len) {
  auto& events = *static_cast<EventLog*>(h)->events;
  std::string_view t(reinterpret_cast<const char*>(text), static_cast<size_t>(len));
  if (!events.empty() && events.back()[0] == '\'') events.back() += t;
  else events.push_back("'" + std::string(t));
  return 0;
}

// The document with the back end, fed in chunks of chunk bytes (0: whole);
// byLength: attributes read by their lengths, which lets the reader hand
// them over in place. Fails with status ST_NOT_SUPPORTED when the back end
// is not built in.
inline Reading readWith(RtContext* ctxt, std::string_view doc, pxrt::ReaderBackend backend, size_t chunk = 0,
                        bool byLength = false) {
  Reading r;
  rtxErrReset(ctxt);
  if (int st = pxrt::selectReaderBackend(ctxt, backend)) {
    r.status = st;
    return r;
  }
  EventLog log{};
  log.head.context = ctxt;
  log.events = &r.events;
  log.byLength = byLength;
  rtxSetInputBuffer(ctxt, doc.data(), doc.size());
  rtSaxSetChunkSize(ctxt, chunk);
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &log, logStart, logEnd, logText);
  if (reader) rtSaxCSetAttrsByLength(reader, byLength);
  r.status = reader ? rtSaxCParse(reader) : ST_READER_FAILED;
  if (reader) rtSaxCReleaseReader(reader);
  rtSaxSetChunkSize(ctxt, 0);
  if (rtxErrGetCount(ctxt) > 0) {
    const char* parm = rtxErrGetParm(ctxt, 0, 0);
    r.reason = parm ? parm : "";
    r.line = rtxErrGetLine(ctxt, 0);
    r.column = rtxErrGetColumn(ctxt, 0);
  }
  return r;
}

}  // namespace pxtest

#endif
