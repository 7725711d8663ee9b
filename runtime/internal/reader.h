// The XML reader: expat without namespace processing, driving one root
// handler with the skip rule, the nesting and size limits, and the reader's
// own namespace scopes.
#ifndef PXRT_INTERNAL_READER_H
#define PXRT_INTERNAL_READER_H

#include <expat.h>

#include <string>
#include <vector>

#include "pxxml/rt.h"

struct RtSaxReader {
  RtContext* ctxt;
  void* handler;
  RtSaxStartElementFn start;
  RtSaxEndElementFn end;
  RtSaxCharactersFn chars;
};

namespace pxrt {

class Reader {
 public:
  explicit Reader(RtContext* ctxt) : ctxt_(ctxt) {}
  ~Reader();
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  RtSaxReader* acquire(void* handler, RtSaxStartElementFn start, RtSaxEndElementFn end, RtSaxCharactersFn chars);
  void release() { busy_ = false; }
  int parse();

  // The skip rule (rtSaxSetSkipLevelToCurrent).
  void requestSkip();
  bool skipRequestedInStart() const { return phase_ == Phase::Start && skipRequested_; }
  int depth() const { return depth_; }

 private:
  static void XMLCALL onStart(void* user, const XML_Char* name, const XML_Char** attrs);
  static void XMLCALL onEnd(void* user, const XML_Char* name);
  static void XMLCALL onText(void* user, const XML_Char* text, int len);
  static void XMLCALL onDoctype(void* user, const XML_Char*, const XML_Char*, const XML_Char*, int);
  static void XMLCALL onEntityDecl(void* user, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                                   const XML_Char*, const XML_Char*, const XML_Char*);
  void stop(int status, const char* what);
  bool prepareParser();

  RtContext* ctxt_;
  XML_Parser parser_ = nullptr;
  RtSaxReader reader_{};
  bool busy_ = false;

  int depth_ = 0;
  int skipDepth_ = -1;         // depth of the element being skipped, -1: none
  bool skipWhole_ = false;     // its end tag is dropped too
  enum class Phase { Text, Start, End };
  Phase phase_ = Phase::Text;  // the event being dispatched
  bool skipRequested_ = false; // requested during the current start tag
  int status_ = 0;
  std::vector<size_t> scopeDepth_;  // namespace scope depth before each open element
};

}  // namespace pxrt

#endif
