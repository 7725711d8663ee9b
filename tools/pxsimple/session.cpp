// Contexts, inputs and document types for the commands.
#include "session.h"

#include <algorithm>

#include "families/engines.h"
#include "families/registry.h"
#include "input.h"
#include "pxxml/simple/simple.h"

namespace pxsimple {

namespace {

// Looks at the root's start tag only.
struct RootProbe {
  RtSaxHandler head;
  std::string local, uri;
  int nsIndex = -1;
  bool seen = false;
};

int probeStart(void* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const*) {
  auto* p = static_cast<RootProbe*>(h);
  if (p->seen) return 0;
  p->seen = true;
  p->local = reinterpret_cast<const char*>(local);
  const OSUTF8CHAR* prefix;
  size_t len;
  rtXmlDecQName(qname, &prefix, &len);
  p->nsIndex = rtXmlNSGetIndex(p->head.context, prefix, len);
  if (const OSUTF8CHAR* uri = rtXmlNSGetURI(p->head.context, prefix, len)) p->uri = reinterpret_cast<const char*>(uri);
  return 0;
}
int probeEnd(void*, const OSUTF8CHAR*, const OSUTF8CHAR*) { return 0; }
int probeChars(void*, const OSUTF8CHAR*, int) { return 0; }

}  // namespace

const pxs::DocDesc* identify(RtContext* ctxt, std::string* root, int* status) {
  RootProbe probe{};
  probe.head.context = ctxt;
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &probe, probeStart, probeEnd, probeChars);
  *status = reader ? rtSaxCParse(reader) : ST_READER_FAILED;
  if (reader) rtSaxCReleaseReader(reader);
  *root = "<" + probe.local + "> in " + (probe.uri.empty() ? std::string("no namespace") : "namespace " + probe.uri);
  return *status == 0 ? pxs::findDocument(probe.local.c_str(), probe.nsIndex) : nullptr;
}

Session::Session(const Options& options) : options_(options), ctxt_(rtxNewContext()) {
  if (!ctxt_ || PxInit_SIMPLE_Global(ctxt_) != 0) {
    std::fprintf(stderr, "pxsimple: out of memory\n");
    std::exit(kExitUsage);
  }
  if (options.maxDepth) rtxSetLimit(ctxt_, RT_LIMIT_DEPTH, options.maxDepth);
  if (options.maxSize) rtxSetLimit(ctxt_, RT_LIMIT_DOCUMENT_SIZE, options.maxSize);
  rtxSetLimit(ctxt_, RT_LIMIT_ERRORS, std::max(shownErrors(), kRecordedErrors));
  if (options.anyOrder) ctxt_->flags |= RT_FLAG_ACCEPT_ANY_ORDER;
}

Session::~Session() { rtxDeleteContext(ctxt_); }

void Session::useText(const std::string& text) { rtxSetInputBuffer(ctxt_, text.data(), text.size()); }

bool Session::open(const std::string& file, int* exitCode) {
  shown_ = shownName(file);
  doc_ = nullptr;
  std::string error;
  if (!readInput(file, &text_, &error)) {
    std::fprintf(stderr, "pxsimple: %s\n", error.c_str());
    *exitCode = kExitUsage;
    return false;
  }
  rtxErrReset(ctxt_);
  useDocument();
  *exitCode = kExitInvalid;
  if (!map_.build(ctxt_)) {  // not well-formed, refused by a limit, not UTF-8...
    report(stderr);
    return false;
  }
  std::string root;
  int status = 0;
  useDocument();
  doc_ = identify(ctxt_, &root, &status);
  if (!doc_) {
    std::fprintf(stderr,
                 "%s: the document element is %s, which is no document this tool knows (presence, pidf-diff, "
                 "pidf-full, watcherinfo, list and the other roots of the presence schemas)\n",
                 shown_.c_str(), root.c_str());
    return false;
  }
  rtxErrReset(ctxt_);
  return true;
}

size_t Session::report(std::FILE* out) {
  std::vector<Problem> problems;
  collectProblems(ctxt_, map_, nullptr, &problems);
  printProblems(out, shown_, problems, shownErrors(), rtxErrGetUnrecorded(ctxt_) > 0);
  return problems.size();
}

AnyRecord::AnyRecord(RtContext* ctxt, const pxs::DocDesc* doc)
    : ctxt_(ctxt), doc_(doc), storage_(doc->type ? doc->type->size : sizeof(RtXmlString)) {
  if (doc->type) pxs::initRecord(ctxt, doc->type, storage_.data());
}

AnyRecord::~AnyRecord() {
  if (doc_->type) pxs::releaseRecord(ctxt_, doc_->type, storage_.data());
  else rtxMemHeapFreePtr(ctxt_, reinterpret_cast<RtXmlString*>(storage_.data())->value);
}

}  // namespace pxsimple
