// The context's error list, copied out after an operation, and the outcome
// of an operation that produces nothing else.
#ifndef PXXML_SIMPLE_CXX_ERRORS_HPP
#define PXXML_SIMPLE_CXX_ERRORS_HPP

#include <string>
#include <utility>
#include <vector>

#include "pxxml/rt.h"

namespace px {

// One entry of the list: its status, the status's name and description, the
// entry's parameters in the order they were recorded, and the source
// positions that recorded or passed it on.
struct Error {
  int status = 0;
  std::string name;         // "ST_ELEMENT_NOT_EXPECTED"
  std::string description;  // one line for people
  std::vector<std::string> parameters;
  std::vector<std::pair<std::string, int>> positions;  // file, line
  // Where in the document, for entries recorded while reading one: line and
  // column from 1 (0 when the entry has no place in a document).
  int line = 0;
  int column = 0;
};

class Errors {
 public:
  Errors() = default;

  // The context's list as it stands, which is then emptied for the next
  // operation.
  static Errors take(RtContext* ctxt) {
    Errors out;
    if (!ctxt) return out;
    int count = rtxErrGetCount(ctxt);
    for (int i = 0; i < count; ++i) {
      Error e;
      e.status = rtxErrGetStatus(ctxt, i);
      e.name = rtxStatusName(e.status);
      e.description = rtxStatusText(e.status);
      for (int p = 0, n = rtxErrGetParmCount(ctxt, i); p < n; ++p) e.parameters.push_back(text(rtxErrGetParm(ctxt, i, p)));
      for (int p = 0, n = rtxErrGetPosCount(ctxt, i); p < n; ++p)
        e.positions.emplace_back(text(rtxErrGetPosFile(ctxt, i, p)), rtxErrGetPosLine(ctxt, i, p));
      e.line = rtxErrGetLine(ctxt, i);
      e.column = rtxErrGetColumn(ctxt, i);
      out.entries_.push_back(std::move(e));
    }
    out.dropped_ = rtxErrGetDropped(ctxt);
    out.text_.resize(rtxErrFormat(ctxt, nullptr, 0) + 1);
    out.text_.resize(rtxErrFormat(ctxt, out.text_.data(), out.text_.size()));
    rtxErrReset(ctxt);
    return out;
  }

  bool empty() const noexcept { return entries_.empty(); }
  size_t size() const noexcept { return entries_.size(); }
  const Error& operator[](size_t i) const { return entries_[i]; }
  std::vector<Error>::const_iterator begin() const noexcept { return entries_.begin(); }
  std::vector<Error>::const_iterator end() const noexcept { return entries_.end(); }
  // Entries the list had no room for.
  int dropped() const noexcept { return dropped_; }
  // The printable list, one entry a line, as rtxErrFormat writes it.
  const std::string& text() const noexcept { return text_; }

 private:
  static std::string text(const char* s) { return s ? s : ""; }

  std::vector<Error> entries_;
  int dropped_ = 0;
  std::string text_;
};

// The outcome of an operation that yields no value: its status and what the
// context recorded.
struct Status {
  int status = 0;
  Errors errors;

  bool ok() const noexcept { return status == 0; }
  explicit operator bool() const noexcept { return ok(); }
};

// 0 for a usable context; else why not (moved from or never set up).
namespace detail {
inline int context_status(RtContext* ctxt) noexcept { return ctxt ? rtxCheckContext(ctxt) : ST_BAD_CONTEXT; }
}  // namespace detail

}  // namespace px

#endif
