// Test handlers for the reader: a recorder that logs the events it gets and
// mirrors the level bookkeeping of the library's handlers (a refused child is
// not counted, a child handler gets the events of its own element), and
// helpers to run a document through a handler.
#ifndef PX_TESTS_SAX_RECORDER_H
#define PX_TESTS_SAX_RECORDER_H

#include <cstring>
#include <string>
#include <vector>

#include "pxxml/rt.h"

namespace pxtest {

struct Recorder {
  RtSaxHandler head;
  std::vector<std::string>* log;
  std::string name;             // prefix of this handler's log lines
  std::string refuse;           // child element refused at level 1
  std::string nestedFor;        // child element handed to `nested`
  Recorder* nested = nullptr;
  bool nestedActive = false;
  std::string skipOnText;       // text that asks to skip the rest of its element
};

inline const char* s(const OSUTF8CHAR* p) { return reinterpret_cast<const char*>(p); }

int recStart(void* hp, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs);
int recEnd(void* hp, const OSUTF8CHAR* local, const OSUTF8CHAR* qname);
int recChars(void* hp, const OSUTF8CHAR* text, int len);

inline void recInit(Recorder* r, RtContext* ctxt, std::vector<std::string>* log, std::string name) {
  std::memset(&r->head, 0, sizeof r->head);
  r->head.startElement = recStart;
  r->head.endElement = recEnd;
  r->head.characters = recChars;
  r->head.context = ctxt;
  r->log = log;
  r->name = std::move(name);
  r->nestedActive = false;
}

inline int recStart(void* hp, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  auto* r = static_cast<Recorder*>(hp);
  RtContext* ctxt = r->head.context;
  if (r->head.level == 0) {
    r->log->push_back(r->name + ":own<" + s(qname));
  } else if (r->head.level == 1 && r->refuse == s(local)) {
    r->log->push_back(r->name + ":refuse<" + s(qname));
    return rtSaxSetSkipLevelToCurrent(ctxt, ST_ELEMENT_NOT_EXPECTED);
  } else if (r->head.level == 1 && r->nested && r->nestedFor == s(local)) {
    recInit(r->nested, ctxt, r->log, r->nested->name);
    r->nestedActive = true;
    r->nested->head.startElement(r->nested, local, qname, attrs);
  } else if (r->head.level >= 2 && r->nestedActive) {
    r->nested->head.startElement(r->nested, local, qname, attrs);
    if (rtSaxSkipRequested(ctxt)) return 0;  // the child refused it: not counted here
  } else {
    r->log->push_back(r->name + ":<" + s(qname));
  }
  r->head.level++;
  return 0;
}

inline int recEnd(void* hp, const OSUTF8CHAR* local, const OSUTF8CHAR* qname) {
  auto* r = static_cast<Recorder*>(hp);
  r->head.level--;
  if (r->head.level == 0) {
    r->log->push_back(r->name + ":own>" + s(qname));
  } else if (r->nestedActive) {
    r->nested->head.endElement(r->nested, local, qname);
    if (r->head.level == 1) r->nestedActive = false;
  } else {
    r->log->push_back(r->name + ":>" + s(qname));
  }
  return 0;
}

inline int recChars(void* hp, const OSUTF8CHAR* text, int len) {
  auto* r = static_cast<Recorder*>(hp);
  if (r->nestedActive && r->head.level >= 2) return r->nested->head.characters(r->nested, text, len);
  std::string t(s(text), static_cast<size_t>(len));
  if (t.find_first_not_of(" \n\t\r") == std::string::npos) return 0;
  // Text arrives in arbitrary runs; join consecutive runs in the log.
  std::string line = r->name + ":'" + t;
  if (!r->log->empty() && r->log->back().rfind(r->name + ":'", 0) == 0) r->log->back() += t;
  else r->log->push_back(line);
  if (!r->skipOnText.empty() && r->log->back().find(r->skipOnText) != std::string::npos)
    return rtSaxSetSkipLevelToCurrent(r->head.context, 0);
  return 0;
}

// Parse a document held in memory with a handler; returns the reader status.
inline int parseWith(RtContext* ctxt, const std::string& doc, void* handler) {
  rtxSetInputBuffer(ctxt, doc.data(), doc.size());
  auto* head = static_cast<RtSaxHandler*>(handler);
  RtSaxReader* reader =
      rtSaxCCreateXmlReader(ctxt, handler, head->startElement, head->endElement, head->characters);
  if (!reader) return ST_READER_FAILED;
  int st = rtSaxCParse(reader);
  rtSaxCReleaseReader(reader);
  return st;
}

// Capture a whole document's element as text with the any handler.
inline std::string captureDocument(RtContext* ctxt, const std::string& doc, int* status = nullptr) {
  RtSaxAnyHandler any;
  RtXmlString text{0, nullptr};
  SAXAnyInit(ctxt, &any, &text, 0);
  int st = parseWith(ctxt, doc, &any);
  if (status) *status = st;
  return text.value ? s(text.value) : std::string("<none>");
}

struct Context {
  RtContext* ctxt = rtxNewContext();
  ~Context() { rtxDeleteContext(ctxt); }
  operator RtContext*() const { return ctxt; }
};

}  // namespace pxtest

#endif
