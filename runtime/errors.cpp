// Error list of the context and the status names.
#include <cstdio>
#include <cstring>
#include <string>

#include "internal/context_impl.h"

namespace pxrt {

void ErrorList::addParm(std::string text) {
  if (pending_.size() >= kMaxPendingParms) return;
  if (text.size() > kMaxParmBytes) {
    text.resize(kMaxParmBytes);
    text += "...";
  }
  pending_.push_back(std::move(text));
}

int ErrorList::setNew(int status, const char* file, int line) {
  lastStatus_ = status;
  // Past the heap limit every allocation of a parse fails; those failures
  // count against the error limit like the document's own errors, so that
  // one exhausted heap gives a few entries, not one per element.
  bool overLimit = false;
  if (status == ST_NO_MEMORY && docPosition_) {
    if (counted < limit) counted++;
    else overLimit = true;
  }
  if (overLimit) {
    uncounted++;
    lastDropped_ = true;
    pending_.clear();
    return status;
  }
  if (entries_.size() >= kMaxEntries) {
    if (entries_.empty() && dropped_ == 0) firstDropped_ = status;
    dropped_++;
    lastDropped_ = true;
    pending_.clear();
    return status;
  }
  lastDropped_ = false;
  ErrorEntry& entry = entries_.emplace_back();
  entry.status = status;
  entry.parms.swap(pending_);
  pending_.clear();
  entry.positions.push_back({file ? file : "?", line});
  if (docPosition_) docPosition_->locate(&entry.docLine, &entry.docColumn);
  return status;
}

int ErrorList::setData(int status, const char* file, int line) {
  if (status >= 0) return status;
  // The outward path of a failure that was dropped: the newest kept entry is
  // another failure, so nothing is added to it.
  if (lastDropped_ && status == lastStatus_ && pending_.empty()) return status;
  if (!entries_.empty() && entries_.back().status == status && pending_.empty()) {
    auto& positions = entries_.back().positions;
    if (positions.size() < 64) positions.push_back({file ? file : "?", line});
    lastStatus_ = status;
    return status;
  }
  return setNew(status, file, line);
}

void ErrorList::reset() {
  entries_.clear();
  pending_.clear();
  dropped_ = 0;
  firstDropped_ = 0;
  lastStatus_ = 0;
  lastDropped_ = false;
  counted = 0;
  uncounted = 0;
}

}  // namespace pxrt

using pxrt::implOf;

namespace {

struct StatusInfo {
  int status;
  const char* name;
  const char* text;
};

constexpr StatusInfo kStatuses[] = {
    {ST_OK, "ST_OK", "success"},
    {ST_BUFFER_FULL, "ST_BUFFER_FULL", "output buffer is full"},
    {ST_BAD_ARGUMENT, "ST_BAD_ARGUMENT", "invalid argument"},
    {ST_NAME_MISMATCH, "ST_NAME_MISMATCH", "element name differs from the expected one"},
    {ST_ENUM_UNKNOWN, "ST_ENUM_UNKNOWN", "text is not one of the enumeration's values"},
    {ST_INVALID_UTF8, "ST_INVALID_UTF8", "text is not valid UTF-8"},
    {ST_XML_MALFORMED, "ST_XML_MALFORMED", "document is not well-formed XML"},
    {ST_DOCTYPE_REFUSED, "ST_DOCTYPE_REFUSED", "document type declarations are refused"},
    {ST_TOO_DEEP, "ST_TOO_DEEP", "elements nested deeper than the limit"},
    {ST_BAD_CHOICE, "ST_BAD_CHOICE", "choice has no valid alternative"},
    {ST_NO_MEMORY, "ST_NO_MEMORY", "out of memory or heap limit reached"},
    {ST_BAD_CONTEXT, "ST_BAD_CONTEXT", "context is not initialised"},
    {ST_BAD_VALUE, "ST_BAD_VALUE", "text is not a valid value of its type"},
    {ST_OUT_OF_RANGE, "ST_OUT_OF_RANGE", "number does not fit its type"},
    {ST_IO, "ST_IO", "input cannot be read"},
    {ST_TOO_LARGE, "ST_TOO_LARGE", "document larger than the limit"},
    {ST_CONSTRAINT, "ST_CONSTRAINT", "value or count below its minimum"},
    {ST_MISSING_ATTRIBUTE, "ST_MISSING_ATTRIBUTE", "required attribute is missing"},
    {ST_ELEMENT_NOT_EXPECTED, "ST_ELEMENT_NOT_EXPECTED", "element not allowed at this place"},
    {ST_UNEXPECTED_ATTRIBUTE, "ST_UNEXPECTED_ATTRIBUTE", "element takes no attributes"},
    {ST_NO_INPUT, "ST_NO_INPUT", "no document was given"},
    {ST_BAD_NAMESPACE, "ST_BAD_NAMESPACE", "unusable namespace declaration"},
    {ST_BAD_PATTERN, "ST_BAD_PATTERN", "pattern cannot be compiled"},
    {ST_UNSUPPORTED_ENCODING, "ST_UNSUPPORTED_ENCODING",
     "document encoding is not supported: convert the document to UTF-8"},
    {ST_READER_FAILED, "ST_READER_FAILED", "XML reader cannot be created"},
    {ST_UNKNOWN_ATTRIBUTE, "ST_UNKNOWN_ATTRIBUTE", "attribute is not declared for the element"},
    {ST_PATTERN_MISMATCH, "ST_PATTERN_MISMATCH", "value does not match its pattern"},
    {ST_UNEXPECTED_ELEMENT, "ST_UNEXPECTED_ELEMENT", "element where the content allows none"},
    {ST_BAD_CONTENT, "ST_BAD_CONTENT", "element text cannot be converted"},
    {ST_BAD_ATTRIBUTE_VALUE, "ST_BAD_ATTRIBUTE_VALUE", "attribute value cannot be converted"},
    {ST_NOT_SUPPORTED, "ST_NOT_SUPPORTED", "operation not supported"},
};

const StatusInfo* findStatus(int status) {
  for (const auto& info : kStatuses)
    if (info.status == status) return &info;
  return nullptr;
}

}  // namespace

extern "C" {

const char* rtxStatusName(int status) {
  const StatusInfo* info = findStatus(status);
  return info ? info->name : "ST_UNKNOWN";
}

const char* rtxStatusText(int status) {
  const StatusInfo* info = findStatus(status);
  return info ? info->text : "unknown status";
}

int rtxErrAddStrParm(RtContext* ctxt, const char* text) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  impl->errors.addParm(text ? text : "<null>");
  return 0;
}

int rtxErrAddStrnParm(RtContext* ctxt, const char* text, size_t len) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  impl->errors.addParm(text ? std::string(text, len) : std::string("<null>"));
  return 0;
}

int rtxErrAddIntParm(RtContext* ctxt, int value) { return rtxErrAddInt64Parm(ctxt, value); }

int rtxErrAddInt64Parm(RtContext* ctxt, int64_t value) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  impl->errors.addParm(std::to_string(value));
  return 0;
}

int rtxErrAddUIntParm(RtContext* ctxt, unsigned int value) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  impl->errors.addParm(std::to_string(value));
  return 0;
}

int rtxErrAddCtxtBufParm(RtContext* ctxt) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  const RtBuffer& in = ctxt->input;
  size_t n = in.byteIndex <= in.size ? in.size - in.byteIndex : 0;
  return rtxErrAddStrnParm(ctxt, in.data ? reinterpret_cast<const char*>(in.data + in.byteIndex) : "", n);
}

int rtxErrSetNewData(RtContext* ctxt, int status, const char* file, int line) {
  auto* impl = implOf(ctxt);
  if (!impl) return status;
  return impl->errors.setNew(status, file, line);
}

int rtxErrSetData(RtContext* ctxt, int status, const char* file, int line) {
  auto* impl = implOf(ctxt);
  if (!impl) return status;
  return impl->errors.setData(status, file, line);
}

int rtxErrGetFirstError(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  return impl ? impl->errors.first() : 0;
}

int rtxErrGetLastError(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  return impl ? impl->errors.last() : 0;
}

void rtxErrReset(RtContext* ctxt) {
  if (auto* impl = implOf(ctxt)) impl->errors.reset();
}

int rtxErrGetCount(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  return impl ? static_cast<int>(impl->errors.entries().size()) : 0;
}

static const pxrt::ErrorEntry* entryAt(RtContext* ctxt, int entry) {
  auto* impl = implOf(ctxt);
  if (!impl || entry < 0 || static_cast<size_t>(entry) >= impl->errors.entries().size()) return nullptr;
  return &impl->errors.entries()[entry];
}

int rtxErrGetStatus(RtContext* ctxt, int entry) {
  auto* e = entryAt(ctxt, entry);
  return e ? e->status : 0;
}

int rtxErrGetParmCount(RtContext* ctxt, int entry) {
  auto* e = entryAt(ctxt, entry);
  return e ? static_cast<int>(e->parms.size()) : 0;
}

const char* rtxErrGetParm(RtContext* ctxt, int entry, int parm) {
  auto* e = entryAt(ctxt, entry);
  if (!e || parm < 0 || static_cast<size_t>(parm) >= e->parms.size()) return nullptr;
  return e->parms[parm].c_str();
}

int rtxErrGetPosCount(RtContext* ctxt, int entry) {
  auto* e = entryAt(ctxt, entry);
  return e ? static_cast<int>(e->positions.size()) : 0;
}

const char* rtxErrGetPosFile(RtContext* ctxt, int entry, int pos) {
  auto* e = entryAt(ctxt, entry);
  if (!e || pos < 0 || static_cast<size_t>(pos) >= e->positions.size()) return nullptr;
  return e->positions[pos].file;
}

int rtxErrGetPosLine(RtContext* ctxt, int entry, int pos) {
  auto* e = entryAt(ctxt, entry);
  if (!e || pos < 0 || static_cast<size_t>(pos) >= e->positions.size()) return 0;
  return e->positions[pos].line;
}

int rtxErrGetLine(RtContext* ctxt, int entry) {
  auto* e = entryAt(ctxt, entry);
  return e ? static_cast<int>(e->docLine) : 0;
}

int rtxErrGetColumn(RtContext* ctxt, int entry) {
  auto* e = entryAt(ctxt, entry);
  return e ? static_cast<int>(e->docColumn) : 0;
}

int rtxErrGetDropped(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  return impl ? impl->errors.dropped() : 0;
}

size_t rtxErrFormat(RtContext* ctxt, char* buf, size_t size) {
  auto* impl = implOf(ctxt);
  std::string out;
  if (impl) {
    for (const auto& e : impl->errors.entries()) {
      if (e.docLine) out += "line " + std::to_string(e.docLine) + ", column " + std::to_string(e.docColumn) + ": ";
      out += rtxStatusName(e.status);
      out += " (" + std::to_string(e.status) + "): ";
      out += rtxStatusText(e.status);
      if (!e.parms.empty()) {
        out += "; parameters";
        for (size_t i = 0; i < e.parms.size(); ++i) {
          out += i ? ", \"" : " \"";
          out += e.parms[i];
          out += '"';
        }
      }
      out += "; at ";
      for (size_t i = 0; i < e.positions.size(); ++i) {
        if (i) out += " <- ";
        out += e.positions[i].file;
        out += ':' + std::to_string(e.positions[i].line);
      }
      out += '\n';
    }
    if (impl->errors.dropped())
      out += std::to_string(impl->errors.dropped()) + " more errors not kept\n";
  }
  if (buf && size) {
    size_t n = out.size() < size - 1 ? out.size() : size - 1;
    std::memcpy(buf, out.data(), n);
    buf[n] = '\0';
  }
  return out.size();
}

}  // extern "C"
