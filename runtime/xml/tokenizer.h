// The reader's own back end: one pass over the document held in memory,
// checking well-formedness completely and reporting start tags, end tags and
// text runs to the event driver.
//
// The document is never modified nor copied. Names and attribute values are
// copied into buffers reused from document to document (handlers get
// NUL-terminated texts); text runs are handed over in place unless a
// reference or a CR needs rewriting. With a chunk size set (a test hook),
// text runs are also cut at every multiple of the chunk size, as a reader
// fed in pieces would cut them.
#ifndef PXRT_XML_TOKENIZER_H
#define PXRT_XML_TOKENIZER_H

#include <cstdint>
#include <string>
#include <vector>

#include "xml/byte_buffer.h"
#include "xml/chars.h"
#include "xml/driver.h"

namespace pxrt::xml {

class Tokenizer {
 public:
  // attrsInPlace: the handlers read attributes by the lengths
  // attrLengths() gives, so plain ones may be handed over unterminated.
  void parse(EventDriver& driver, const char* doc, size_t size, size_t chunk, bool attrsInPlace = false);
  // The name and value lengths of the attributes in attrs, when attrs is
  // the array this tokenizer hands the handlers (it holds the latest start
  // tag's attributes, and the lengths always match what it holds).
  const uint32_t* attrLengths(const char* const* attrs) const {
    return attrs == attrPointers_.data() ? attrLengths_.data() : nullptr;
  }

 private:
  using Ptr = const uint8_t*;
  // What a failing step returns: a null position, or false.
  struct Failed {
    operator Ptr() const { return nullptr; }
    operator bool() const { return false; }
  };

  struct OpenElement {
    size_t name;      // offset in names_
    uint32_t length;  // of the qualified name
    uint32_t local;   // offset of the local part in the name
  };

  bool document();
  Ptr xmlDeclaration(Ptr p);
  Ptr prolog(Ptr p);
  bool elements(Ptr p);
  bool epilog(Ptr p);

  Ptr otherMarkup(Ptr p);
  Ptr startTag(Ptr p);
  Ptr attributes(Ptr p, const char* const** attrs, bool* nsAttrs, bool* empty);
  Ptr attributeValue(Ptr p, uint8_t quote, Ptr name, size_t nameLen);
  bool uniqueAttribute(Ptr nameAt, size_t count);
  Failed duplicateAttribute(Ptr nameAt, const char* name, size_t len);
  Ptr endTag(Ptr p);
  Ptr endTagName(Ptr tag);
  Ptr text(Ptr p);
  Ptr rewrittenText(Ptr start, Ptr p);
  bool takeSegment(size_t at, Ptr seg, Ptr p);
  void copyOut(char* dst, Ptr src, size_t n) const;
  Ptr reference(Ptr p, ByteBuffer& out);
  Ptr comment(Ptr p);
  Ptr processingInstruction(Ptr p);
  Ptr cdata(Ptr p);
  Ptr doctype(Ptr p);

  // End of the name at p (p itself: no name there).
  Ptr name(Ptr p) const {
#if defined(__SSE2__)
    if (end_ - p > 16 && (kNameClass[*p] & kNameStart)) {
      Ptr q = p + 1;
      do {
        if (unsigned stop = nameStopMask(load16(q))) {
          q += __builtin_ctz(stop);
          return *q < 0x80 ? q : nameRest(q);
        }
        q += 16;
      } while (end_ - q >= 16);
      return nameRest(q);
    }
#endif
    return nameSlow(p);
  }
  // The colons of the len bytes at p, as a mask with a bit for each (names
  // are short: one vector); of a longer name 1 for one colon where a local
  // name follows, 3 for more or for a colon last. Either way notQName(m, len)
  // tells a name that namespaces forbid.
  unsigned colons(Ptr p, size_t len) const {
#if defined(__SSE2__)
    if (len <= 16 && end_ - p >= 16)
      return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(load16(p), _mm_set1_epi8(':')))) &
             ((1u << len) - 1);
#endif
    const void* first = std::memchr(p, ':', len);
    if (!first) return 0;
    const Ptr rest = static_cast<Ptr>(first) + 1;
    return rest == p + len || std::memchr(rest, ':', static_cast<size_t>(p + len - rest)) ? 3 : 1;
  }
  // End of an attribute's name at p (p itself: no name there), and
  // colons() of it. A name that fits one vector is scanned and searched for
  // colons in the same load, since nearly every attribute name does.
  Ptr attributeName(Ptr p, unsigned* nameColons) const {
#if defined(__SSE2__)
    if (end_ - p > 16 && (kNameClass[*p] & kNameStart)) {
      const __m128i v = load16(p);
      // The first byte starts a name, so its stop bit is clear.
      if (unsigned stop = nameStopMask(v)) {
        const unsigned len = static_cast<unsigned>(__builtin_ctz(stop));
        if (p[len] < 0x80) {
          *nameColons =
              static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(':')))) & ((1u << len) - 1);
          return p + len;
        }
      }
    }
#endif
    const Ptr q = name(p);
    *nameColons = colons(p, static_cast<size_t>(q - p));
    return q;
  }
  // A second colon, or a colon last (a mask's top bit; a longer name's
  // colons() said so already).
  static bool notQName(unsigned colons, size_t len) {
    return ((colons & (colons - 1)) | (len <= 16 ? colons >> (len - 1) : 0)) != 0;
  }
  Ptr nameSlow(Ptr p) const;
  Ptr nameRest(Ptr q) const;  // the rest of a name that has started
  Ptr spaces(Ptr p) const {
    while (p < end_ && *p <= ' ' && isSpaceByte(*p)) ++p;
    return p;
  }
  static bool isSpaceByte(uint8_t c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }
  bool startsWith(Ptr p, const char* lit, size_t n) const {
    return static_cast<size_t>(end_ - p) >= n && std::memcmp(p, lit, n) == 0;
  }

  void deliverInPlace(Ptr t, size_t n);
  void deliverCopy(size_t at, const char* t, size_t n);

  Failed fail(Ptr at, const std::string& what);
  Failed badCharacter(Ptr at);
  // Past the character a scan stopped at that is no delimiter there: a tab,
  // a line end or a multi-byte character XML allows; null (the parse
  // failed) for anything else.
  Ptr pastCharacter(Ptr at);
  Failed unexpected(Ptr at, const std::string& where);
  Failed notQName(Ptr tag, Ptr name, size_t len);  // an element's name namespaces forbid
  Failed noMemory(Ptr at);
  std::string openName() const;

  EventDriver* d_ = nullptr;
  Ptr base_ = nullptr;
  Ptr end_ = nullptr;
  size_t chunk_ = 0;

  ByteBuffer names_;  // qualified names of the open elements, NUL-terminated
  std::vector<OpenElement> open_;
  ByteBuffer attrs_;  // name NUL filler value NUL ... of the current start tag
  std::vector<const char*> attrPointers_;  // into attrs_, for the handlers
  std::vector<uint32_t> attrLengths_;      // name and value length of each, beside them
  // Where each attribute's name starts in attrs_, or kInDocument for one
  // handed over in place.
  std::vector<uint32_t> attrMarks_;
  size_t attrSlots_ = 0;  // attributes the three have room for, with the pointers' null
  static constexpr uint32_t kInDocument = UINT32_MAX;
  bool inPlace_ = false;
  std::vector<uint32_t> attrIndex_;  // hash of attribute names, for large tags
  ByteBuffer text_;  // text rewritten for references and line ends
};

}  // namespace pxrt::xml

#endif
