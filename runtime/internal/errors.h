// The context's error list: entries with a status, the parameters pushed
// before the entry was opened, and the chain of source positions that every
// level of code adds as the failure travels outwards.
#ifndef PXRT_INTERNAL_ERRORS_H
#define PXRT_INTERNAL_ERRORS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pxrt {

// Where in the document being parsed the current event is. The reader
// installs one in the error list for the length of a parse.
class DocumentPosition {
 public:
  virtual void locate(uint32_t* line, uint32_t* column) = 0;

 protected:
  ~DocumentPosition() = default;
};

struct ErrorPosition {
  const char* file;  // static text of the code that recorded it
  int line;
};

struct ErrorEntry {
  int status = 0;
  std::vector<std::string> parms;
  std::vector<ErrorPosition> positions;
  uint32_t docLine = 0;  // place in the document (0: recorded outside a parse)
  uint32_t docColumn = 0;
};

class ErrorList {
 public:
  // Entries kept at most; later ones are counted as dropped. Decoders stop
  // recording earlier, at the error limit, so this only bounds memory against
  // callers that record in a loop.
  static constexpr size_t kMaxEntries = 4096;
  static constexpr size_t kMaxPendingParms = 16;
  static constexpr size_t kMaxParmBytes = 512;

  void addParm(std::string text);
  int setNew(int status, const char* file, int line);
  int setData(int status, const char* file, int line);
  void reset();
  // New entries take their document position from source (null: none).
  void setDocumentPosition(DocumentPosition* source) { docPosition_ = source; }
  DocumentPosition* documentPosition() const { return docPosition_; }

  int first() const { return entries_.empty() ? firstDropped_ : entries_.front().status; }
  int last() const { return lastStatus_; }
  const std::vector<ErrorEntry>& entries() const { return entries_; }
  int dropped() const { return dropped_; }

  // Counter behind rtSaxIncErrors, and the errors it refused past the limit
  // (found, not recorded).
  unsigned counted = 0;
  unsigned limit = 100;
  unsigned uncounted = 0;

 private:
  std::vector<ErrorEntry> entries_;
  std::vector<std::string> pending_;
  int dropped_ = 0;
  int firstDropped_ = 0;
  int lastStatus_ = 0;
  bool lastDropped_ = false;  // the newest failure was not stored
  DocumentPosition* docPosition_ = nullptr;
};

}  // namespace pxrt

#endif
