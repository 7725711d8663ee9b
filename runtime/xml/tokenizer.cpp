// The reader's own tokenizer (see tokenizer.h).
#include "xml/tokenizer.h"

#include <cstdio>

#include "xml/chars.h"

namespace pxrt::xml {

namespace {

constexpr size_t kKeepBuffer = 256 * 1024;  // larger buffers are freed after the document
constexpr size_t kLinearAttributes = 16;    // above this many, duplicates are found by hashing
constexpr size_t kTextPiece = 64 * 1024;     // rewritten text is handed over in pieces of about this size

std::string codePoint(uint32_t cp) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
  return buf;
}

uint32_t hashName(const char* p, size_t n) {
  uint32_t h = 2166136261u;
  for (size_t i = 0; i < n; ++i) h = (h ^ static_cast<uint8_t>(p[i])) * 16777619u;
  return h;
}

}  // namespace

// ------------------------------------------------------------------ errors

Tokenizer::Failed Tokenizer::fail(Ptr at, const std::string& what) {
  d_->fail(static_cast<size_t>(at - base_), ST_XML_MALFORMED, what);
  return {};
}

Tokenizer::Failed Tokenizer::notQName(Ptr tag, Ptr name, size_t len) {
  const std::string_view n(reinterpret_cast<const char*>(name), len);
  d_->notQName(static_cast<size_t>(tag - base_), n, n);
  return {};
}

Tokenizer::Failed Tokenizer::noMemory(Ptr at) {
  d_->fail(static_cast<size_t>(at - base_), ST_NO_MEMORY, "no memory for the reader's buffers");
  return {};
}

// A byte where no character may stand: say what it is, in terms of the
// character or of the UTF-8 that is broken.
Tokenizer::Failed Tokenizer::badCharacter(Ptr at) {
  if (at >= end_) return fail(at, "the document ends too early");
  const uint8_t c = *at;
  if (c < 0x80) return fail(at, "character " + codePoint(c) + " is not allowed in XML");
  uint32_t cp = 0;
  if (decodeMultiByte(at, end_, &cp)) return fail(at, "unexpected character " + codePoint(cp));
  // Decode the form leniently to name the problem.
  size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
  bool formed = n && static_cast<size_t>(end_ - at) >= n;
  for (size_t i = 1; formed && i < n; ++i) formed = (at[i] & 0xC0) == 0x80;
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", c);
  if (!formed || c >= 0xF8)
    return fail(at, std::string("byte ") + hex + " is not valid UTF-8 here: the document must be UTF-8");
  uint32_t v = c & (0x7F >> n);
  for (size_t i = 1; i < n; ++i) v = (v << 6) | (at[i] & 0x3F);
  if ((n == 2 && v < 0x80) || (n == 3 && v < 0x800) || (n == 4 && v < 0x10000))
    return fail(at, "overlong UTF-8 form of " + codePoint(v) + " (not valid UTF-8)");
  if (v >= 0xD800 && v < 0xE000) return fail(at, "UTF-8 encoded surrogate " + codePoint(v) + " (not valid UTF-8)");
  return fail(at, "character " + codePoint(v) + " is not allowed in XML");
}

Tokenizer::Ptr Tokenizer::pastCharacter(Ptr at) {
  const uint8_t c = *at;
  if (c == '\t' || c == '\n' || c == '\r') return at + 1;
  uint32_t cp;
  size_t n = c >= 0x80 ? decodeMultiByte(at, end_, &cp) : 0;
  if (!n) return badCharacter(at);
  return at + n;
}

// Something else than what the grammar allows at this place.
Tokenizer::Failed Tokenizer::unexpected(Ptr at, const std::string& where) {
  if (at >= end_) return fail(at, "the document ends " + where);
  const uint8_t c = *at;
  uint32_t cp = c;
  if ((c < 0x20 && !isSpaceByte(c)) || (c >= 0x80 && !decodeMultiByte(at, end_, &cp))) return badCharacter(at);
  std::string shown;
  if (isSpaceByte(c)) shown = c == ' ' ? "space" : c == '\t' ? "tab" : "line end";
  else if (c >= 0x80) shown = "character " + codePoint(cp);
  else shown = std::string("'") + static_cast<char>(c) + "'";
  return fail(at, "unexpected " + shown + " " + where);
}

std::string Tokenizer::openName() const {
  const OpenElement& e = open_.back();
  return std::string(names_.data() + e.name, e.length);
}

// ------------------------------------------------------------------ names

Tokenizer::Ptr Tokenizer::nameSlow(Ptr p) const {
  if (p >= end_) return p;
  const uint8_t cls = kNameClass[*p];
  if (cls & kNameStart) return nameRest(p + 1);
  if (!(cls & kNonAscii)) return p;
  uint32_t cp = 0;
  size_t n = decodeMultiByte(p, end_, &cp);
  if (!n || !isNameStartCodePoint(cp)) return p;
  return nameRest(p + n);
}

Tokenizer::Ptr Tokenizer::nameRest(Ptr p) const {
  for (;;) {
    while (p < end_ && (kNameClass[*p] & kNameChar)) ++p;
    if (p >= end_ || *p < 0x80) return p;
    uint32_t cp = 0;
    size_t n = decodeMultiByte(p, end_, &cp);
    if (!n || !isNameCodePoint(cp)) return p;
    p += n;
  }
}

// ------------------------------------------------------------------ document

void Tokenizer::parse(EventDriver& driver, const char* doc, size_t size, size_t chunk, bool attrsInPlace) {
  d_ = &driver;
  inPlace_ = attrsInPlace;
  base_ = reinterpret_cast<Ptr>(doc);
  end_ = base_ + size;
  chunk_ = chunk;
  names_.clear();
  open_.clear();
  if (size >= UINT32_MAX) {  // name lengths and attribute counts are kept in 32 bits
    driver.fail(0, ST_TOO_LARGE, "documents of 4 GiB and more are not read");
  } else {
    document();
  }
  names_.trim(kKeepBuffer);
  attrs_.trim(kKeepBuffer);
  text_.trim(kKeepBuffer);
  if (attrPointers_.capacity() > kKeepBuffer) {  // the three grow together, and go together
    std::vector<const char*>().swap(attrPointers_);
    std::vector<uint32_t>().swap(attrLengths_);
    std::vector<uint32_t>().swap(attrMarks_);
    attrSlots_ = 0;
  }
  if (attrIndex_.capacity() > kKeepBuffer) std::vector<uint32_t>().swap(attrIndex_);
}

bool Tokenizer::document() {
  Ptr p = base_;
  if (startsWith(p, "\xEF\xBB\xBF", 3)) p += 3;  // byte order mark
  // "<?xml" then a space or "?" is the XML declaration ("<?xml-x" is a PI).
  if (startsWith(p, "<?xml", 5) && (end_ - p == 5 || isSpaceByte(p[5]) || p[5] == '?')) {
    p = xmlDeclaration(p);
    if (!p) return false;
  }
  p = prolog(p);
  if (!p || !elements(p)) return false;
  return true;
}

Tokenizer::Ptr Tokenizer::xmlDeclaration(Ptr p) {
  // Nearly every document declares itself in one of these words, which the
  // checks below accept as they stand.
  static constexpr std::string_view kCommon[] = {
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<?xml version=\"1.0\"?>",
      "<?xml version='1.0' encoding='UTF-8'?>", "<?xml version='1.0'?>"};
  for (std::string_view common : kCommon)
    if (startsWith(p, common.data(), common.size())) return p + common.size();
  const Ptr decl = p;
  p += 5;
  std::string_view values[3];  // version, encoding, standalone
  static const char* const kNames[3] = {"version", "encoding", "standalone"};
  static const size_t kLengths[3] = {7, 8, 10};
  int next = 0;
  for (;;) {
    Ptr q = spaces(p);
    if (startsWith(q, "?>", 2)) {
      p = q + 2;
      break;
    }
    if (q == p) return unexpected(q, "in the XML declaration");
    int which = -1;
    for (int i = next; i < 3 && which < 0; ++i)
      if (startsWith(q, kNames[i], kLengths[i]) && name(q) == q + kLengths[i]) which = i;
    if (which < 0 || (next == 0 && which != 0)) {
      const char* expected = next == 0 ? "version" : next == 1 ? "encoding, standalone or '?>'" : "standalone or '?>'";
      return fail(q, std::string("XML declaration: expected ") + expected);
    }
    q = spaces(q + kLengths[which]);
    if (q >= end_ || *q != '=') return unexpected(q, "in the XML declaration (expected '=')");
    q = spaces(q + 1);
    if (q >= end_ || (*q != '"' && *q != '\'')) return unexpected(q, "in the XML declaration (expected a quote)");
    const uint8_t quote = *q++;
    Ptr v = q;
    while (q < end_ && *q != quote && *q >= 0x20 && *q < 0x80 && *q != '<') ++q;
    if (q >= end_ || *q != quote) return unexpected(q, "in an XML declaration value");
    values[which] = std::string_view(reinterpret_cast<const char*>(v), static_cast<size_t>(q - v));
    p = q + 1;
    next = which + 1;
  }
  if (next == 0) return fail(decl, "XML declaration: version is required");
  // Encoding names: a letter, then letters, digits, '.', '_', '-'.
  std::string_view enc = values[1];
  bool encOk = !enc.data() || (!enc.empty() && ((enc[0] | 0x20) >= 'a' && (enc[0] | 0x20) <= 'z'));
  for (size_t i = 1; encOk && i < enc.size(); ++i) {
    char c = enc[i];
    encOk = ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
  }
  if (!encOk) return fail(decl, "XML declaration: \"" + std::string(enc) + "\" is not an encoding name");
  if (next > 2 && values[2] != "yes" && values[2] != "no")
    return fail(decl, "XML declaration: standalone must be \"yes\" or \"no\"");
  if (!d_->declaration(static_cast<size_t>(decl - base_), values[0], values[1])) return nullptr;
  return p;
}

// Comments, processing instructions and white space before the root element.
Tokenizer::Ptr Tokenizer::prolog(Ptr p) {
  for (;;) {
    p = spaces(p);
    if (p >= end_) return fail(p, "the document has no root element");
    if (*p != '<') return unexpected(p, "before the root element (only markup may come before it)");
    if (end_ - p < 2) return unexpected(p + 1, "after '<'");
    switch (p[1]) {
      case '?':
        p = processingInstruction(p);
        break;
      case '!':
        if (startsWith(p, "<!--", 4)) p = comment(p);
        else if (startsWith(p, "<!DOCTYPE", 9)) return doctype(p);
        else return fail(p, "'<!' must start a comment or the document type here");
        break;
      case '/':
        return fail(p, "end tag before the root element");
      default:
        return p;
    }
    if (!p) return nullptr;
  }
}

// After the root element: white space, comments and processing instructions.
bool Tokenizer::epilog(Ptr p) {
  for (;;) {
    p = spaces(p);
    if (p >= end_) return true;
    if (*p != '<') return unexpected(p, "after the root element (the document ends with the root element)");
    if (end_ - p >= 2 && p[1] == '?') {
      p = processingInstruction(p);
    } else if (startsWith(p, "<!--", 4)) {
      p = comment(p);
    } else if (end_ - p >= 2 && name(p + 1) != p + 1) {
      return fail(p, "a second root element starts here (a document has one root element)");
    } else {
      return unexpected(p, "after the root element (the document ends with the root element)");
    }
    if (!p) return false;
  }
}

Tokenizer::Ptr Tokenizer::doctype(Ptr p) {
  const Ptr q = p + 9;
  const Ptr n = spaces(q);
  if (n == q) return unexpected(q, "after <!DOCTYPE (expected white space)");
  const Ptr ne = name(n);
  if (ne == n) return unexpected(n, "in the document type declaration (expected a name)");
  d_->fail(static_cast<size_t>(p - base_), ST_DOCTYPE_REFUSED,
           "document type declaration <!DOCTYPE " +
               std::string(reinterpret_cast<const char*>(n), static_cast<size_t>(ne - n)) +
               "> refused: documents may not carry one (no entities are expanded)");
  return nullptr;
}

// The root element and everything in it; then the epilog.
bool Tokenizer::elements(Ptr p) {
  for (;;) {
    // p is at '<'.
    if (end_ - p < 2) return unexpected(p + 1, "after '<'");
    const uint8_t c = p[1];
    if (c == '/') {
      p = endTag(p);
    } else if (c == '!' || c == '?') {
      p = otherMarkup(p);
    } else {
      p = startTag(p);
    }
    if (!p) return false;
    if (open_.empty()) return epilog(p);
    if (p < end_ && *p != '<') {
      p = text(p);
      if (!p) return false;
    }
    if (p >= end_) return fail(p, "the document ends inside element <" + openName() + ">");
  }
}

// Comments, CDATA sections and processing instructions in content.
Tokenizer::Ptr Tokenizer::otherMarkup(Ptr p) {
  if (p[1] == '?') return processingInstruction(p);
  if (startsWith(p, "<!--", 4)) return comment(p);
  if (startsWith(p, "<![CDATA[", 9)) return cdata(p);
  return fail(p, "'<!' must start a comment or a CDATA section here");
}

// ------------------------------------------------------------------ tags

// n bytes of the document to dst, which has 16 bytes of slack after them.
PX_ALWAYS_INLINE void Tokenizer::copyOut(char* dst, Ptr src, size_t n) const {
#if defined(__SSE2__)
  if (end_ - src >= static_cast<ptrdiff_t>(n + 16)) {
    for (;;) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), load16(src));
      if (n <= 16) return;
      dst += 16;
      src += 16;
      n -= 16;
    }
  }
#endif
  std::memcpy(dst, src, n);
}

PX_ALWAYS_INLINE Tokenizer::Ptr Tokenizer::startTag(Ptr p) {
  const Ptr tag = p;
  const Ptr n = p + 1;
#if defined(__SSE2__)
  // A name shorter than a vector is scanned, copied and searched for its
  // colon with one load.
  __m128i v;
  bool loaded = false;
  if (end_ - n > 16 && (kNameClass[*n] & kNameStart)) {
    v = load16(n);
    if (unsigned stop = nameStopMask(v); stop && n[__builtin_ctz(stop)] < 0x80) {
      p = n + __builtin_ctz(stop);
      loaded = true;
    }
  }
  if (!loaded) p = name(n);
#else
  p = name(n);
#endif
  const size_t len = static_cast<size_t>(p - n);
  if (!len) return unexpected(n, "after '<' (expected an element name)");

  // The name goes on the stack of open elements, NUL-terminated, with 16
  // bytes of slack so that short names copy and compare a word at a time.
  char* slot = names_.reserve(len + 17);
  if (!slot) return noMemory(tag);
  OpenElement e{names_.size(), static_cast<uint32_t>(len), 0};
#if defined(__SSE2__)
  if (!loaded && len <= 16 && end_ - n >= 16) {
    v = load16(n);
    loaded = true;
  }
  if (loaded) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(slot), v);
    if (unsigned colons = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(':')))) &
                          ((1u << len) - 1)) {
      e.local = static_cast<uint32_t>(__builtin_ctz(colons) + 1);
      if (notQName(colons, len) || !startsName(n + e.local, n + len)) return notQName(tag, n, len);
    }
  } else
#endif
  {
    std::memcpy(slot, n, len);
    if (const void* colon = std::memchr(n, ':', len)) {
      e.local = static_cast<uint32_t>(static_cast<Ptr>(colon) - n + 1);
      if (e.local == len || std::memchr(n + e.local, ':', len - e.local) || !startsName(n + e.local, n + len))
        return notQName(tag, n, len);
    }
  }
  slot[len] = 0;
  names_.resize(e.name + len + 1);
  open_.push_back(e);

  static const char* const kNone[1] = {nullptr};
  const char* const* attrs = kNone;
  bool nsAttrs = false;
  bool empty = false;
  if (p < end_ && *p == '>') {
    ++p;
  } else {
    p = attributes(p, &attrs, &nsAttrs, &empty);
    if (!p) return nullptr;
  }
  const char* qname = names_.data() + e.name;
  const size_t at = static_cast<size_t>(tag - base_);
  const size_t tagEnd = static_cast<size_t>(p - base_);
  if (!d_->startElement(at, tagEnd, qname, qname + e.local, attrs, nsAttrs)) return nullptr;
  if (empty) {
    d_->endElement(at, tagEnd, qname, qname + e.local);
    names_.resize(e.name);
    open_.pop_back();
  }
  return p;
}

// The attributes of a start tag and its end ('>' or '/>'). Each goes to
// attrs_ as name, NUL, one filler byte, value, NUL: the layout of
// name="value" as written, so that such an attribute is one copy, its '='
// and closing quote made the NULs. For handlers that read attributes by
// their lengths (inPlace_), a plain name="value" is not copied at all: the
// array points into the document, the value 2 bytes after the name as in
// attrs_; so is a plain "xml:" name (xml:lang). Declarations and other
// prefixed names are still copied: the namespace calls they go to take
// NUL-terminated texts. *attrs gets the handlers' array of them.
Tokenizer::Ptr Tokenizer::attributes(Ptr p, const char* const** attrs, bool* nsAttrs, bool* empty) {
  attrs_.clear();
  unsigned generation = attrs_.generation();
  size_t count = 0;
  for (;;) {
    const Ptr s = p;
    if (p < end_ && *p == ' ') ++p;  // mostly one space before each attribute
    if (p < end_ && *p <= ' ') p = spaces(p);
    if (p >= end_) return fail(p, "start tag <" + openName() + " is not closed (missing '>')");
    if (*p == '>') {
      ++p;
      break;
    }
    if (*p == '/') {
      if (end_ - p >= 2 && p[1] == '>') {
        p += 2;
        *empty = true;
        break;
      }
      return unexpected(p + 1, "after '/' in a start tag (expected '>')");
    }
    const Ptr an = p;
    unsigned nameColons;
    p = attributeName(an, &nameColons);
    if (p == an) return unexpected(an, "in start tag <" + openName() + ">");
    if (s == an) return fail(an, "attributes must be separated by white space (start tag <" + openName() + ">)");
    const size_t anLen = static_cast<size_t>(p - an);
    uint8_t quote;
    if (end_ - p >= 2 && *p == '=' && (p[1] == '"' || p[1] == '\'')) {  // mostly name="value", no spaces
      quote = p[1];
      p += 2;
    } else {
      if (p < end_ && *p != '=') p = spaces(p);
      if (p >= end_ || *p != '=') {
        return fail(p, "attribute " + std::string(reinterpret_cast<const char*>(an), anLen) + " of <" + openName() +
                           "> has no value (expected '=')");
      }
      ++p;
      if (p < end_ && *p != '"' && *p != '\'') p = spaces(p);
      if (p >= end_ || (*p != '"' && *p != '\'')) {
        return fail(p, "the value of attribute " + std::string(reinterpret_cast<const char*>(an), anLen) +
                           " must be in quotes");
      }
      quote = *p++;
    }
    if (count >= attrSlots_) {  // room for this one and the null after it
      attrPointers_.resize(2 * count + 16);
      attrLengths_.resize(2 * count + 16);
      attrMarks_.resize(count + 8);
      attrSlots_ = count + 7;
    }

    const size_t mark = attrs_.size();
    attrMarks_[count] = static_cast<uint32_t>(mark);
    size_t valueLength;
    const bool isDeclaration = anLen == 5 && std::memcmp(an, "xmlns", 5) == 0;
    // An "xml:" name (bound everywhere; xml:lang stands on most presence
    // elements) needs no namespace check unless its local part is odd: a
    // second colon, nothing after the colon, or no ASCII name start after
    // it (the checks decide the non-ASCII ones). Such a name goes nowhere
    // that wants a NUL after it, like a name without a prefix.
    const bool xmlName = nameColons && an[3] == ':' && std::memcmp(an, "xml", 3) == 0 &&
                         !notQName(nameColons, anLen) && (kNameClass[an[4]] & kNameStart);
    const Ptr q = scanDelims(p, end_, static_cast<char>(quote), '<', '&');
    if (q < end_ && *q == quote && p == an + anLen + 2) {
      if (inPlace_ && (!nameColons || xmlName) && !isDeclaration) {
        attrMarks_[count] = kInDocument;
        attrPointers_[2 * count] = reinterpret_cast<const char*>(an);
        attrPointers_[2 * count + 1] = reinterpret_cast<const char*>(p);
      } else {
        // name="value" as it stands: the bytes from the name to the
        // closing quote in one copy.
        const size_t n = static_cast<size_t>(q - an);
        char* dst = attrs_.reserve(n + 1 + 16);
        if (!dst) return noMemory(an);
        copyOut(dst, an, n);
        dst[anLen] = 0;
        dst[n] = 0;
        attrs_.resize(mark + n + 1);
      }
      valueLength = static_cast<size_t>(q - p);
      p = q + 1;
    } else {
      if (!attrs_.append(an, anLen) || !attrs_.push('\0') || !attrs_.push(static_cast<char>(quote))) return noMemory(an);
      p = attributeValue(p, quote, an, anLen);
      if (!p) return nullptr;
      valueLength = attrs_.size() - mark - anLen - 3;  // the value and its NUL follow the name, NUL and quote
    }
    if (attrMarks_[count] != kInDocument) {
      if (attrs_.generation() != generation) {  // the buffer moved: point again
        generation = attrs_.generation();
        for (size_t i = 0; i < count; ++i)
          if (attrMarks_[i] != kInDocument) {
            attrPointers_[2 * i] = attrs_.data() + attrMarks_[i];
            attrPointers_[2 * i + 1] = attrPointers_[2 * i] + attrLengths_[2 * i] + 2;
          }
      }
      attrPointers_[2 * count] = attrs_.data() + mark;
      attrPointers_[2 * count + 1] = attrs_.data() + mark + anLen + 2;
    }
    attrLengths_[2 * count] = static_cast<uint32_t>(anLen);
    attrLengths_[2 * count + 1] = static_cast<uint32_t>(valueLength);
    ++count;
    // A declaration or a prefix other than a plain "xml:" goes to the
    // namespace checks.
    if ((nameColons && !xmlName) || isDeclaration) *nsAttrs = true;
    if (count > 1) {
      if (count <= kLinearAttributes) {
        // Few attributes: compare the newest name with each earlier one.
        const char* newest = attrPointers_[2 * count - 2];
        for (size_t i = 0; i + 1 < count; ++i) {
          const char* other = attrPointers_[2 * i];
          if (static_cast<size_t>(attrPointers_[2 * i + 1] - other) == anLen + 2 && other[0] == newest[0] &&
              std::memcmp(other, newest, anLen) == 0)
            return duplicateAttribute(an, newest, anLen);
        }
      } else if (!uniqueAttribute(an, count)) {
        return nullptr;
      }
    }
  }
  if (count) {
    attrPointers_[2 * count] = nullptr;
    *attrs = attrPointers_.data();
  }
  return p;
}

// The value up to the closing quote, normalised into attrs_: references
// replaced, tab, CR, LF and CR LF each made one space.
Tokenizer::Ptr Tokenizer::attributeValue(Ptr p, uint8_t quote, Ptr name, size_t nameLen) {
  Ptr seg = p;
  for (;;) {
    p = scanDelims(p, end_, static_cast<char>(quote), '<', '&');
    if (p >= end_) {
      return fail(name, "the value of attribute " + std::string(reinterpret_cast<const char*>(name), nameLen) +
                            " is not closed");
    }
    const uint8_t c = *p;
    if (c == quote) {
      if (!attrs_.append(seg, static_cast<size_t>(p - seg)) || !attrs_.push('\0')) return noMemory(p);
      return p + 1;
    }
    if (c == '&') {
      if (!attrs_.append(seg, static_cast<size_t>(p - seg))) return noMemory(p);
      p = reference(p, attrs_);
      if (!p) return nullptr;
      seg = p;
    } else if (c == '<') {
      return fail(p, "'<' is not allowed in the value of attribute " +
                         std::string(reinterpret_cast<const char*>(name), nameLen) + " (write &lt;)");
    } else if (c == '\t' || c == '\n' || c == '\r') {
      if (!attrs_.append(seg, static_cast<size_t>(p - seg)) || !attrs_.push(' ')) return noMemory(p);
      ++p;
      if (c == '\r' && p < end_ && *p == '\n') ++p;
      seg = p;
    } else if (!(p = pastCharacter(p))) {
      return nullptr;
    }
  }
}

Tokenizer::Failed Tokenizer::duplicateAttribute(Ptr nameAt, const char* name, size_t len) {
  return fail(nameAt, "attribute " + std::string(name, len) + " given twice in start tag <" + openName() + ">");
}

// Among many attributes, the newest one's name differs from every earlier
// one: open addressing over attribute numbers + 1, at most half full.
bool Tokenizer::uniqueAttribute(Ptr nameAt, size_t count) {
  auto nameOf = [&](size_t i, size_t* len) {
    *len = static_cast<size_t>(attrPointers_[2 * i + 1] - attrPointers_[2 * i] - 2);
    return attrPointers_[2 * i];
  };
  size_t len;
  const char* newest = nameOf(count - 1, &len);
  size_t slots = attrIndex_.size();
  if (count == kLinearAttributes + 1 || count * 2 > slots) {
    slots = 64;
    while (slots < count * 4) slots *= 2;
    attrIndex_.assign(slots, 0);
    for (size_t i = 0; i + 1 < count; ++i) {
      size_t l;
      const char* nm = nameOf(i, &l);
      size_t h = hashName(nm, l) & (slots - 1);
      while (attrIndex_[h]) h = (h + 1) & (slots - 1);
      attrIndex_[h] = static_cast<uint32_t>(i + 1);
    }
  }
  size_t h = hashName(newest, len) & (slots - 1);
  while (uint32_t slot = attrIndex_[h]) {
    size_t l;
    const char* other = nameOf(slot - 1, &l);
    if (l == len && std::memcmp(other, newest, len) == 0) return duplicateAttribute(nameAt, newest, len);
    h = (h + 1) & (slots - 1);
  }
  attrIndex_[h] = static_cast<uint32_t>(count);
  return true;
}

// The name of an end tag is the open element's, or the document is refused:
// so it is compared with that name rather than scanned.
PX_ALWAYS_INLINE Tokenizer::Ptr Tokenizer::endTag(Ptr p) {
  const Ptr tag = p;
  const Ptr n = p + 2;
  const OpenElement e = open_.back();
  const char* qname = names_.data() + e.name;
  Ptr q = n + e.length;
  bool same = end_ - n > static_cast<ptrdiff_t>(e.length);
#if defined(__SSE2__)
  if (same && e.length <= 16 && end_ - n >= 16) {
    const __m128i a = load16(n), b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(qname));
    const unsigned differ = ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, b))) & ((1u << e.length) - 1);
    same = differ == 0;
  } else
#endif
  {
    same = same && std::memcmp(n, qname, e.length) == 0;
  }
  // The name must also end there ('</ab>' does not close <a>).
  if (!same || (kNameClass[*q] & (kNameChar | kNonAscii))) {
    q = endTagName(tag);
    if (!q) return nullptr;
  }
  if (q < end_ && *q != '>') q = spaces(q);
  if (q >= end_ || *q != '>') return unexpected(q, "in end tag </" + openName() + "> (expected '>')");
  d_->endElement(static_cast<size_t>(tag - base_), static_cast<size_t>(q + 1 - base_), qname, qname + e.local);
  names_.resize(e.name);
  open_.pop_back();
  return q + 1;
}

// An end tag whose name is not plainly the open element's: its name scanned,
// the mismatch reported.
Tokenizer::Ptr Tokenizer::endTagName(Ptr tag) {
  const Ptr n = tag + 2;
  const OpenElement& e = open_.back();
  const Ptr q = name(n);
  if (q == n) return unexpected(n, "after '</' (expected an element name)");
  if (static_cast<size_t>(q - n) != e.length || std::memcmp(n, names_.data() + e.name, e.length) != 0) {
    return fail(tag, "end tag </" + std::string(reinterpret_cast<const char*>(n), static_cast<size_t>(q - n)) +
                         "> does not match start tag <" + openName() + ">");
  }
  return q;
}

// ------------------------------------------------------------------ text

void Tokenizer::deliverInPlace(Ptr t, size_t n) {
  size_t at = static_cast<size_t>(t - base_);
  const char* s = reinterpret_cast<const char*>(t);
  if (!chunk_) {
    d_->characters(at, s, n);
    return;
  }
  while (n) {
    size_t piece = chunk_ - at % chunk_;
    if (piece > n) piece = n;
    d_->characters(at, s, piece);
    at += piece;
    s += piece;
    n -= piece;
  }
}

void Tokenizer::deliverCopy(size_t at, const char* t, size_t n) {
  if (!chunk_) {
    d_->characters(at, t, n);
    return;
  }
  for (size_t i = 0; i < n; i += chunk_) d_->characters(at, t + i, n - i < chunk_ ? n - i : chunk_);
}

// Character data up to the next '<' (or the end), most often handed over
// in place at once.
PX_ALWAYS_INLINE Tokenizer::Ptr Tokenizer::text(Ptr p) {
  const Ptr start = p;
  p = scanText(p, end_);
  if (p < end_ && *p != '<') return rewrittenText(start, p);
  if (!chunk_) {
    d_->characters(static_cast<size_t>(start - base_), reinterpret_cast<const char*>(start),
                   static_cast<size_t>(p - start));
  } else {
    deliverInPlace(start, static_cast<size_t>(p - start));
  }
  return p;
}

// Plain text [seg, p) of a run being rewritten: copied after what text_
// holds, or, when it is long, handed over in place after text_ is.
bool Tokenizer::takeSegment(size_t at, Ptr seg, Ptr p) {
  const size_t n = static_cast<size_t>(p - seg);
  if (n < kTextPiece) return text_.append(seg, n);
  if (text_.size()) deliverCopy(at, text_.data(), text_.size());
  text_.clear();
  deliverInPlace(seg, n);
  return true;
}

// The rest of a text run from p, the first byte that needs a look. A run
// with references or CRs goes to the handler rewritten (in pieces of about
// kTextPiece, so memory stays bounded).
Tokenizer::Ptr Tokenizer::rewrittenText(Ptr start, Ptr p) {
  const size_t at = static_cast<size_t>(start - base_);
  Ptr seg = start;
  bool rewritten = false;
  for (;;) {
    if (p >= end_ || *p == '<') break;
    const uint8_t c = *p;
    if (c == '&') {
      if (!rewritten) text_.clear();
      rewritten = true;
      if (!takeSegment(at, seg, p)) return noMemory(p);
      p = reference(p, text_);
      if (!p) return nullptr;
      seg = p;
    } else if (c == '\r') {
      if (!rewritten) text_.clear();
      rewritten = true;
      if (!takeSegment(at, seg, p) || !text_.push('\n')) return noMemory(p);
      ++p;
      if (p < end_ && *p == '\n') ++p;
      seg = p;
    } else if (c == ']') {
      if (end_ - p >= 3 && p[1] == ']' && p[2] == '>') return fail(p, "']]>' is not allowed in text (write ]]&gt;)");
      ++p;
    } else if (!(p = pastCharacter(p))) {
      return nullptr;
    }
    if (rewritten && text_.size() >= kTextPiece) {
      deliverCopy(at, text_.data(), text_.size());
      text_.clear();
    }
    p = scanText(p, end_);
  }
  if (!rewritten) {
    deliverInPlace(start, static_cast<size_t>(p - start));
  } else {
    if (!takeSegment(at, seg, p)) return noMemory(p);
    if (text_.size()) deliverCopy(at, text_.data(), text_.size());
  }
  return p;
}

// A reference at p ('&'): its character(s) appended to out.
Tokenizer::Ptr Tokenizer::reference(Ptr p, ByteBuffer& out) {
  Ptr r = p + 1;
  if (r < end_ && *r == '#') {
    ++r;
    const bool hex = r < end_ && *r == 'x';
    if (hex) ++r;
    const Ptr digits = r;
    uint32_t v = 0;
    for (; r < end_; ++r) {
      uint32_t d;
      const uint8_t c = *r;
      if (c >= '0' && c <= '9') d = c - '0';
      else if (hex && (c | 0x20) >= 'a' && (c | 0x20) <= 'f') d = (c | 0x20) - 'a' + 10;
      else break;
      v = v * (hex ? 16 : 10) + d;
      if (v > 0x10FFFF) v = 0x110000;  // stays out of range, never overflows
    }
    if (r == digits || r >= end_ || *r != ';') {
      return fail(p, hex ? "malformed character reference (expected &#x followed by hex digits and ';')"
                         : "malformed character reference (expected &# followed by digits and ';', or &#x)");
    }
    if (!isXmlChar(v)) {
      return fail(p, "character reference " +
                         std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(r + 1 - p)) +
                         " names a character XML does not allow");
    }
    char utf8[4];
    if (!out.append(utf8, encodeUtf8(v, utf8))) return noMemory(p);
    return r + 1;
  }
  const Ptr ne = name(r);
  if (ne == r || ne >= end_ || *ne != ';')
    return fail(p, "'&' must start a reference such as &amp; or &#38; (write &amp; for '&')");
  const std::string_view entity(reinterpret_cast<const char*>(r), static_cast<size_t>(ne - r));
  char c;
  if (entity == "lt") c = '<';
  else if (entity == "gt") c = '>';
  else if (entity == "amp") c = '&';
  else if (entity == "apos") c = '\'';
  else if (entity == "quot") c = '"';
  else {
    return fail(p, "entity &" + std::string(entity) +
                       "; is not defined (only &lt; &gt; &amp; &apos; &quot; and character references exist)");
  }
  if (!out.push(c)) return noMemory(p);
  return ne + 1;
}

// ------------------------------------------------------------------ other markup

Tokenizer::Ptr Tokenizer::comment(Ptr p) {
  Ptr q = p + 4;
  for (;;) {
    q = scanDelims(q, end_, '-', '-', '-');
    if (q >= end_) return fail(p, "comment is not closed (missing -->)");
    const uint8_t c = *q;
    if (c == '-') {
      if (end_ - q >= 2 && q[1] == '-') {
        if (end_ - q >= 3 && q[2] == '>') return q + 3;
        return fail(q, "'--' is not allowed inside a comment");
      }
      ++q;
    } else if (!(q = pastCharacter(q))) {
      return nullptr;
    }
  }
}

Tokenizer::Ptr Tokenizer::processingInstruction(Ptr p) {
  const Ptr t = p + 2;
  const Ptr te = name(t);
  if (te == t) return unexpected(t, "after '<?' (expected a processing instruction target)");
  if (te - t == 3 && (t[0] | 0x20) == 'x' && (t[1] | 0x20) == 'm' && (t[2] | 0x20) == 'l') {
    if (std::memcmp(t, "xml", 3) == 0) return fail(p, "the XML declaration is allowed only at the very start of the document");
    return fail(p, "processing instruction target " + std::string(reinterpret_cast<const char*>(t), 3) +
                       " is reserved");
  }
  if (std::memchr(t, ':', static_cast<size_t>(te - t))) {
    d_->colonInTarget(static_cast<size_t>(p - base_),
                      std::string_view(reinterpret_cast<const char*>(t), static_cast<size_t>(te - t)));
    return nullptr;
  }
  if (startsWith(te, "?>", 2)) return te + 2;
  if (te >= end_ || !isSpaceByte(*te)) return unexpected(te, "after a processing instruction target");
  Ptr q = te;
  for (;;) {
    q = scanDelims(q, end_, '?', '?', '?');
    if (q >= end_) return fail(p, "processing instruction is not closed (missing ?>)");
    const uint8_t c = *q;
    if (c == '?') {
      if (end_ - q >= 2 && q[1] == '>') return q + 2;
      ++q;
    } else if (!(q = pastCharacter(q))) {
      return nullptr;
    }
  }
}

Tokenizer::Ptr Tokenizer::cdata(Ptr p) {
  const Ptr start = p + 9;
  const size_t at = static_cast<size_t>(start - base_);
  Ptr q = start, seg = start;
  bool rewritten = false;
  for (;;) {
    q = scanDelims(q, end_, ']', ']', ']');
    if (q >= end_) return fail(p, "CDATA section is not closed (missing ]]>)");
    const uint8_t c = *q;
    if (c == ']') {
      if (end_ - q >= 3 && q[1] == ']' && q[2] == '>') break;
      ++q;
    } else if (c == '\t' || c == '\n') {
      ++q;
    } else if (c == '\r') {
      if (!rewritten) text_.clear();
      rewritten = true;
      if (!takeSegment(at, seg, q) || !text_.push('\n')) return noMemory(q);
      ++q;
      if (q < end_ && *q == '\n') ++q;
      seg = q;
      if (text_.size() >= kTextPiece) {
        deliverCopy(at, text_.data(), text_.size());
        text_.clear();
      }
    } else if (!(q = pastCharacter(q))) {
      return nullptr;
    }
  }
  if (!rewritten) {
    if (q > start) deliverInPlace(start, static_cast<size_t>(q - start));
  } else {
    if (!takeSegment(at, seg, q)) return noMemory(q);
    if (text_.size()) deliverCopy(at, text_.data(), text_.size());
  }
  return q + 3;
}

}  // namespace pxrt::xml
