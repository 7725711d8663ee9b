// Line and column counting, forward from the last position asked for.
#include "xml/line_counter.h"

namespace pxrt::xml {

void LineCounter::reset(const char* doc, size_t size) {
  doc_ = reinterpret_cast<const unsigned char*>(doc);
  size_ = doc ? size : 0;
  offset_ = 0;
  line_ = column_ = 1;
}

void LineCounter::locate(size_t offset, uint32_t* line, uint32_t* column) {
  if (offset > size_) offset = size_;
  if (offset < offset_) {  // asked for an earlier place: count again from the start
    offset_ = 0;
    line_ = column_ = 1;
  }
  for (size_t i = offset_; i < offset; ++i) {
    const unsigned char c = doc_[i];
    if (c == '\n') {
      // The LF of a CR LF pair ends no second line.
      if (i == 0 || doc_[i - 1] != '\r') ++line_;
      column_ = 1;
    } else if (c == '\r') {
      ++line_;
      column_ = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++column_;
    }
  }
  offset_ = offset;
  *line = line_;
  *column = column_;
}

}  // namespace pxrt::xml
