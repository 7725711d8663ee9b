// One document on one context: the context set up from the command-line
// options, the document read, its type found, its errors reported.
#ifndef PXSIMPLE_SESSION_H
#define PXSIMPLE_SESSION_H

#include <cstdio>
#include <string>
#include <vector>

#include "cli.h"
#include "element_map.h"
#include "families/descriptor.h"
#include "pxxml/rt.h"
#include "report.h"

namespace pxsimple {

class Session {
 public:
  explicit Session(const Options& options);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  RtContext* context() const { return ctxt_; }
  const Options& options() const { return options_; }
  // Problems printed per document (--max-errors). The library records more
  // than that, so that the count of the rest is the count of problems.
  size_t shownErrors() const { return options_.maxErrors ? options_.maxErrors : kDefaultShownErrors; }
  static constexpr size_t kDefaultShownErrors = 100;
  static constexpr size_t kRecordedErrors = 1000;

  // Read an input and find its document type. On failure the reason is
  // printed and false returned with *exitCode set (2 for input errors, 1
  // for documents that are refused or of no known type).
  bool open(const std::string& file, int* exitCode);
  const std::string& text() const { return text_; }
  const std::string& name() const { return shown_; }
  const pxs::DocDesc* document() const { return doc_; }
  const ElementMap& map() const { return map_; }

  // Give the document (or another text) to the context as its input.
  void useText(const std::string& text);
  void useDocument() { useText(text_); }

  // Print the context's errors about the document as problems, at most the
  // error limit of them; returns how many there were.
  size_t report(std::FILE* out);

 private:
  Options options_;
  RtContext* ctxt_;
  std::string text_, shown_;
  const pxs::DocDesc* doc_ = nullptr;
  ElementMap map_;
};

// A record of any document, released when it goes.
class AnyRecord {
 public:
  AnyRecord(RtContext* ctxt, const pxs::DocDesc* doc);
  ~AnyRecord();
  AnyRecord(const AnyRecord&) = delete;
  AnyRecord& operator=(const AnyRecord&) = delete;
  void* get() { return storage_.data(); }

 private:
  RtContext* ctxt_;
  const pxs::DocDesc* doc_;
  std::vector<char> storage_;
};

// The document type of a text's root element; when there is none, *root
// gets the root's name and namespace for the message.
const pxs::DocDesc* identify(RtContext* ctxt, std::string* root, int* status);

}  // namespace pxsimple

#endif
