// Line and column of a byte offset in a document, computed on demand and
// carried forward from the last answer, so that positions asked for in
// document order cost one pass over the document in all.
//
// Lines and columns count from 1. A line ends at LF, at CR LF and at a CR
// alone (the line ends XML normalises). A column counts characters, not
// bytes: every UTF-8 lead byte is one character, a tab is one character.
#ifndef PXRT_XML_LINE_COUNTER_H
#define PXRT_XML_LINE_COUNTER_H

#include <cstddef>
#include <cstdint>

namespace pxrt::xml {

class LineCounter {
 public:
  void reset(const char* doc, size_t size);
  // Position of the byte at offset (clamped to the document's end).
  void locate(size_t offset, uint32_t* line, uint32_t* column);

 private:
  const unsigned char* doc_ = nullptr;
  size_t size_ = 0;
  size_t offset_ = 0;   // the last position answered
  uint32_t line_ = 1;
  uint32_t column_ = 1;
};

}  // namespace pxrt::xml

#endif
