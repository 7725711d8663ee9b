// Type encoders: start tag with attributes, contents by member kind, end
// tag; every step leaves the output NUL-terminated, and every failure is
// passed outwards with this level's position added.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "families/engines.h"
#include "families/plain_output.h"
#include "pxxml/simple/simple_global.h"

namespace pxs {

namespace {

const OSUTF8CHAR* u8(const char* s) { return reinterpret_cast<const OSUTF8CHAR*>(s); }

// Fixed texts of a start tag. Room for the NUL after them is asked for too,
// so that the buffer stays terminated even when the next write fails.
int writeRaw(RtContext* ctxt, const char* text, size_t n, const char* path) {
  if (rtxCheckBuffer(ctxt, n + 1) != 0) return rtxErrSetNewData(ctxt, ST_BUFFER_FULL, path, __LINE__);
  std::memcpy(ctxt->buffer.data + ctxt->buffer.byteIndex, text, n);
  ctxt->buffer.byteIndex += n;
  ctxt->buffer.data[ctxt->buffer.byteIndex] = 0;
  return 0;
}

// A count below the list's minimum: "<path>.count" and the count.
int countTooLow(RtContext* ctxt, const TypeDesc* d, const Member& m, uint32_t count, const char* path) {
  const char* middle = m.role == Role::Alternative ? ".u." : ".";
  std::string name = d->listType ? std::string(d->name) + ".count" : std::string(d->name) + middle + m.field + ".count";
  rtxErrAddStrParm(ctxt, name.c_str());
  rtxErrAddUIntParm(ctxt, count);
  return rtxErrSetNewData(ctxt, ST_CONSTRAINT, path, __LINE__);
}

bool hasOwnEncoder(const Member& m) {
  return m.simple && (m.kind == Kind::Enum || m.kind == Kind::Decimal || m.simple->pattern || m.simple->encPath);
}

// Room for the text of any number the fast path writes; a decimal that
// does not fit takes the general path.
using Digits = char[48];

// The text of a decimal as the format spells it, when the value has one.
std::string_view decimalText(RtContext* ctxt, const Member& m, const void* p, Digits& digits) {
  int n = rtXmlDecimalText(ctxt, *static_cast<const double*>(p), m.simple->decimal, digits, sizeof digits);
  return n > 0 ? std::string_view(digits, static_cast<size_t>(n)) : std::string_view();
}

// The value of an attribute as its text, when that text needs no check and
// no escape: a number, a boolean, an enumeration name or a plain string.
// Empty when the member takes the general path.
std::string_view plainAttrValue(RtContext* ctxt, const Member& m, const void* p, Digits& digits) {
  auto number = [&](auto v) {
    auto r = std::to_chars(digits, digits + sizeof digits, v);
    return std::string_view(digits, static_cast<size_t>(r.ptr - digits));
  };
  switch (m.kind) {
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime: {
      if (hasOwnEncoder(m)) return {};
      const OSUTF8CHAR* v = static_cast<const RtXmlString*>(p)->value;
      size_t n = v ? plain::length(v, plain::kAttr) : plain::kNotPlain;
      return n == plain::kNotPlain ? std::string_view() : std::string_view(reinterpret_cast<const char*>(v), n);
    }
    case Kind::Enum: {
      if (m.simple->pattern || m.simple->encPath) return {};
      const OSUTF8CHAR* v = m.simple->toString(*static_cast<const uint16_t*>(p));
      size_t n = v ? plain::length(v, plain::kAttr) : plain::kNotPlain;
      return n == plain::kNotPlain || n == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(v), n);
    }
    case Kind::Bool: return *static_cast<const OSBOOL*>(p) ? "true" : "false";
    case Kind::Int: return number(*static_cast<const int32_t*>(p));
    case Kind::UInt: {
      uint32_t v = *static_cast<const uint32_t*>(p);
      return static_cast<int64_t>(v) < m.minValue ? std::string_view() : number(v);
    }
    case Kind::UInt64: return number(*static_cast<const uint64_t*>(p));
    case Kind::Decimal: return decimalText(ctxt, m, p, digits);
    default: return {};
  }
}

// The attribute in one piece when its value is plain and the buffer has
// room; false when the general path must write it.
inline bool writePlainAttribute(RtContext* ctxt, const Member& m, const void* record) {
  Digits digits;
  std::string_view value = plainAttrValue(ctxt, m, at<char>(record, m.offset), digits);
  return !value.empty() && plain::writeAttribute(ctxt, std::string_view(m.xmlName, m.nameLength), value);
}

// Any attribute, by the general path: checks, escapes, growth and errors.
[[gnu::noinline]] int encodeAttribute(RtContext* ctxt, const TypeDesc* d, const Member& m, const void* record) {
  const char* path = d->module->enc;
  const void* p = at<char>(record, m.offset);
  if (m.kind == Kind::AnyAttr) {
    if (int st = rtXmlEncAnyAttr(ctxt, static_cast<const RtDList*>(p))) return rtxErrSetData(ctxt, st, path, __LINE__);
    return 0;
  }
  const OSUTF8CHAR* name = u8(m.xmlName);
  size_t nameLen = m.nameLength;
  int st = 0;
  if (hasOwnEncoder(m)) {
    // Blank, name, '=' and quote written here; the value by the simple
    // type's own encoder, which writes only the value text.
    std::string open = std::string(" ") + m.xmlName + "=\"";
    if ((st = writeRaw(ctxt, open.data(), open.size(), path))) return st;
    if ((st = encodeSimpleContents(ctxt, m.simple, m.kind, p, path))) return rtxErrSetData(ctxt, st, path, __LINE__);
    return writeRaw(ctxt, "\"", 1, path);
  }
  switch (m.kind) {
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime: {
      const OSUTF8CHAR* v = static_cast<const RtXmlString*>(p)->value;
      st = rtXmlEncUTF8Attr2(ctxt, name, nameLen, v, rtxUTF8LenBytes(v));
      break;
    }
    case Kind::Bool: st = rtXmlEncBoolAttr(ctxt, *static_cast<const OSBOOL*>(p), name, nameLen); break;
    case Kind::Int: st = rtXmlEncIntAttr(ctxt, *static_cast<const int32_t*>(p), name, nameLen); break;
    case Kind::UInt: {
      uint32_t v = *static_cast<const uint32_t*>(p);
      if (static_cast<int64_t>(v) < m.minValue) {
        std::string field = std::string(d->name) + "." + m.field;
        rtxErrAddStrParm(ctxt, field.c_str());
        rtxErrAddUIntParm(ctxt, v);
        return rtxErrSetNewData(ctxt, ST_CONSTRAINT, path, __LINE__);
      }
      st = rtXmlEncUIntAttr(ctxt, v, name, nameLen);
      break;
    }
    case Kind::UInt64: st = rtXmlEncUInt64Attr(ctxt, *static_cast<const uint64_t*>(p), name, nameLen); break;
    default: break;
  }
  return st ? rtxErrSetData(ctxt, st, path, __LINE__) : 0;
}

// Elements written whole, straight into the output buffer, when the
// runtime says that the element declares nothing where it stands and every
// piece of it is plain: byte for byte the markup of the general path,
// without a call per piece. Anything else -- a value to escape or check, a
// buffer that must grow, declarations, attribute wildcards -- leaves the
// buffer as it was and takes the general path, which also records any
// failure.
class DirectElement {
 public:
  DirectElement(RtContext* ctxt, const char* name, size_t nameLength)
      : ctxt_(ctxt), name_(name, nameLength ? nameLength : std::strlen(name)) {}
  // `<prefix:name`.
  bool start(const RtXmlNamespace* ns) {
    const OSUTF8CHAR* prefix;
    size_t prefixLength;
    if (rtXmlEncDirectPrefix(ctxt_, ns, &prefix, &prefixLength) != 0) return false;
    prefix_ = std::string_view(reinterpret_cast<const char*>(prefix), prefixLength);
    mark_ = ctxt_->buffer.byteIndex;
    return started_ = plain::writeTag(ctxt_, "<", prefix_, name_, {});
  }
  // `>text</prefix:name>`.
  bool text(const plain::Content& text) {
    return plain::write(ctxt_, ">") && plain::write(ctxt_, text) && plain::writeTag(ctxt_, "</", prefix_, name_, ">");
  }
  bool empty() { return plain::write(ctxt_, "/>"); }
  // The end of an element whose content was written in between: `/>` when
  // its start tag is still open, `</prefix:name>` otherwise, growing the
  // buffer as needed (a full one is recorded under path).
  int finish(bool stillOpen, const char* path) {
    if (stillOpen ? empty() : plain::writeTag(ctxt_, "</", prefix_, name_, ">")) return 0;
    std::string end = stillOpen ? std::string("/>")
                                : "</" + std::string(prefix_) + (prefix_.empty() ? "" : ":") + std::string(name_) + ">";
    return writeRaw(ctxt_, end.data(), end.size(), path);
  }
  // Whether it was written; if not, what was written of it goes.
  bool done(bool written) {
    if (!written && started_) {
      ctxt_->buffer.byteIndex = mark_;
      ctxt_->buffer.data[mark_] = 0;
    }
    return written;
  }

 private:
  RtContext* ctxt_;
  std::string_view name_, prefix_;
  size_t mark_ = 0;
  bool started_ = false;
};

// A text element whose text is plain.
bool directText(RtContext* ctxt, const char* name, size_t nameLength, const RtXmlNamespace* ns,
                const plain::Content& text) {
  DirectElement e(ctxt, name, nameLength);
  return e.done(e.start(ns) && e.text(text));
}

bool directEmpty(RtContext* ctxt, const char* name, size_t nameLength, const RtXmlNamespace* ns) {
  DirectElement e(ctxt, name, nameLength);
  return e.done(e.start(ns) && e.empty());
}

// Character data of a text that is not to be written as CDATA.
plain::Content contentOf(const RtXmlString* s) { return s->cdata ? plain::Content{} : plain::content(s->value); }

// The text of a simple-content value, when it is plain.
plain::Content plainValueText(const Member& m, const void* p, Digits& digits) {
  if (m.kind == Kind::Int) {
    auto r = std::to_chars(digits, digits + sizeof digits, *static_cast<const int32_t*>(p));
    return plain::plainContent(std::string_view(digits, static_cast<size_t>(r.ptr - digits)));
  }
  if ((m.kind != Kind::Text && m.kind != Kind::Collapsed && m.kind != Kind::DateTime) || hasOwnEncoder(m)) return {};
  return contentOf(static_cast<const RtXmlString*>(p));
}

bool hasAttributes(const TypeDesc* d) { return d->nAttrs > 0 || d->anyAttrMember >= 0 || d->nsAttrsMember >= 0; }

// The start tag of a record with attributes: `<prefix:name` and its
// attributes, when all of them are plain and it declares nothing.
bool directStartTag(RtContext* ctxt, DirectElement& e, const TypeDesc* d, const void* record,
                    const RtXmlNamespace* ns) {
  if (d->keepsScope) return false;
  if (d->nsAttrsMember >= 0 && at<RtDList>(record, d->members[d->nsAttrsMember].offset)->count != 0) return false;
  if (d->anyAttrMember >= 0 && at<RtDList>(record, d->members[d->anyAttrMember].offset)->count != 0) return false;
  bool written = e.start(ns);
  for (uint8_t i = 0; written && i < d->nAttrs; ++i) {
    const Member& m = d->members[d->attrMembers[i]];
    written = !isPresent(d, record, m) || writePlainAttribute(ctxt, m, record);
  }
  return e.done(written);
}

int contentsChecked(RtContext* ctxt, const TypeDesc* d, const void* record, const RtXmlNamespace* ns);

// A record of simple or empty content with plain attributes, that keeps no
// declarations and has none and no attribute wildcard to write.
bool directRecord(RtContext* ctxt, const TypeDesc* d, const void* record, const char* name, size_t nameLength,
                  const RtXmlNamespace* ns) {
  Digits digits;
  plain::Content value;
  if (d->shape == Shape::SimpleContent) {
    const Member* v = d->valueMember >= 0 ? &d->members[d->valueMember] : nullptr;
    for (uint8_t i = 0; i < d->nMembers && !v; ++i)
      if (d->members[i].role == Role::Value) v = &d->members[i];
    if (!v || !(value = plainValueText(*v, at<char>(record, v->offset), digits)).plain()) return false;
  }
  DirectElement e(ctxt, name, nameLength);
  if (!directStartTag(ctxt, e, d, record, ns)) return false;
  if (!e.done(d->shape == Shape::SimpleContent ? e.text(value) : e.empty())) return false;
  if (hasAttributes(d)) ctxt->state = RT_STATE_START_TAKEN;
  return true;
}

// A record of element content whose start tag is plain: its tags are
// written here, its children as they come, and the runtime closes the start
// tag before the first of them. False when the general path must write it;
// otherwise *status tells how it went.
bool directSequence(RtContext* ctxt, const TypeDesc* d, const void* record, const char* name, size_t nameLength,
                    const RtXmlNamespace* ns, int* status) {
  DirectElement e(ctxt, name, nameLength);
  if (!directStartTag(ctxt, e, d, record, ns)) return false;
  if (hasAttributes(d)) ctxt->state = RT_STATE_START_TAKEN;
  rtXmlEncDirectOpenTag(ctxt, 1);
  const char* path = d->module->enc;
  int st = contentsChecked(ctxt, d, record, ns);
  if (!st) st = e.finish(rtXmlEncDirectOpenTag(ctxt, 0) == 1, path);
  *status = st ? rtxErrSetData(ctxt, st, path, __LINE__) : 0;
  return true;
}

// A text member's element, when its text is plain.
bool directPlainText(RtContext* ctxt, const Member& m, const RtXmlString* s, const RtXmlNamespace* ns) {
  plain::Content text = contentOf(s);
  return text.plain() && directText(ctxt, m.xmlName, m.nameLength, ns, text);
}

// A value text written where the runtime would write it -- as content,
// closing an open start tag first, or as an attribute value while a start
// tag is being written -- copied as it is when it needs no escape there.
// `closed`: the caller has just closed the element's start tag itself.
int writeValueText(RtContext* ctxt, const OSUTF8CHAR* text, size_t plainInText, bool closed = false) {
  const bool inTag = ctxt->state == RT_STATE_TAG_OPEN;
  if (plainInText != plain::kNotPlain && plainInText > 0 &&
      (!inTag || plain::length(text, plain::kAttr) == plainInText)) {
    if (!inTag && !closed)
      if (int st = rtXmlEncTermStartElement(ctxt)) return st;
    if (plain::write(ctxt, std::string_view(reinterpret_cast<const char*>(text), plainInText))) return 0;
  }
  return rtXmlEncUTF8Str(ctxt, text, nullptr, nullptr);
}

int encodeText(RtContext* ctxt, const RtXmlString* s, const OSUTF8CHAR* name, const RtXmlNamespace* ns,
               const char* path, size_t nameLength = 0) {
  // Text that needs no check: the whole element at once; or, without an
  // escape, the tags by the runtime and the text copied in one piece.
  plain::Content text = contentOf(s);
  if (name && text.plain() && directText(ctxt, reinterpret_cast<const char*>(name), nameLength, ns, text)) return 0;
  size_t n = text.plain() && text.written == text.length ? text.length : plain::kNotPlain;
  if (n != plain::kNotPlain) {
    int st = name ? rtXmlEncStartElement(ctxt, name, ns, nullptr, 1) : 0;
    if (!st) st = writeValueText(ctxt, s->value, n, name != nullptr);
    if (!st && name) st = rtXmlEncEndElement(ctxt, name, ns);
    return st ? rtxErrSetData(ctxt, st, path, __LINE__) : 0;
  }
  int st = rtxValidateUTF8(ctxt, s->value);
  if (!st) st = rtXmlEncString(ctxt, s, name, ns);
  return st ? rtxErrSetData(ctxt, st, path, __LINE__) : 0;
}

int encodeChecked(RtContext* ctxt, const TypeDesc* d, const void* record, const OSUTF8CHAR* name,
                  const RtXmlNamespace* ns, size_t nameLength = 0);

// A record inside the one being written: the context was checked by the
// outermost call. A missing record gets the whole encoder's entries.
inline int encodeNested(RtContext* ctxt, const TypeDesc* d, const void* record, const OSUTF8CHAR* name,
                        const RtXmlNamespace* ns, size_t nameLength) {
  return record ? encodeChecked(ctxt, d, record, name, ns, nameLength) : encodeType(ctxt, d, record, name, ns);
}

// One member of element content (or a chosen alternative) under the
// children's namespace pair.
int encodeElementMember(RtContext* ctxt, const TypeDesc* d, const Member& m, const void* record,
                        const RtXmlNamespace* child, const RtXmlNamespace* received) {
  const char* path = d->module->enc;
  const void* p = at<char>(record, m.offset);
  const OSUTF8CHAR* name = u8(m.xmlName);
  int st = 0;
  switch (m.kind) {
    case Kind::Record:
      st = encodeNested(ctxt, m.type, p, name, child, m.nameLength);
      break;
    case Kind::Choice:
      st = encodeNested(ctxt, m.type, p, nullptr, received, 0);
      break;
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime:
      if (!hasOwnEncoder(m)) return encodeText(ctxt, static_cast<const RtXmlString*>(p), name, child, path, m.nameLength);
      // A type with an encoder of its own differs only in where it records
      // failures: plain text without a pattern to match has none.
      if (!m.simple->pattern && directPlainText(ctxt, m, static_cast<const RtXmlString*>(p), child)) return 0;
      st = encodeSimple(ctxt, m.simple, m.kind, p, name, child, m.simple->encPath ? m.simple->encPath : path);
      break;
    case Kind::Enum:
      if (!m.simple->pattern && !m.simple->encPath) {
        plain::Content text = plain::content(m.simple->toString(*static_cast<const uint16_t*>(p)));
        if (text.plain() && directText(ctxt, m.xmlName, m.nameLength, child, text)) return 0;
      }
      st = encodeSimple(ctxt, m.simple, m.kind, p, name, child, path);
      break;
    case Kind::Decimal: {
      Digits digits;
      std::string_view text = decimalText(ctxt, m, p, digits);
      if (!text.empty() && directText(ctxt, m.xmlName, m.nameLength, child, plain::plainContent(text))) return 0;
      st = encodeSimple(ctxt, m.simple, m.kind, p, name, child, path);
      break;
    }
    case Kind::Bool: st = rtXmlEncBool(ctxt, *static_cast<const OSBOOL*>(p), name, child); break;
    case Kind::Int: st = rtXmlEncInt(ctxt, *static_cast<const int32_t*>(p), name, child); break;
    case Kind::Empty:
      if (!directEmpty(ctxt, m.xmlName, m.nameLength, child)) st = rtXmlEncEmptyElement(ctxt, name, child, nullptr, 1);
      break;
    case Kind::RecordList:
    case Kind::SeqList:
    case Kind::TextList:
    case Kind::AnyList: {
      auto* list = static_cast<const RtDList*>(p);
      if (m.minOccurs > 0 && list->count < static_cast<uint32_t>(m.minOccurs))
        return countTooLow(ctxt, d, m, list->count, path);
      for (const RtDListNode* n = list->head; n && !st; n = n->next) {
        if (m.kind == Kind::RecordList) st = encodeNested(ctxt, m.type, n->data, name, child, m.nameLength);
        else if (m.kind == Kind::SeqList) st = encodeNested(ctxt, m.type, n->data, nullptr, received, 0);
        else if (m.kind == Kind::AnyList) st = rtXmlEncAny(ctxt, static_cast<const RtXmlString*>(n->data), nullptr, child);
        else if (int tst = encodeText(ctxt, static_cast<const RtXmlString*>(n->data), name, child, path, m.nameLength))
          return tst;
      }
      break;
    }
    default:
      break;
  }
  return st ? rtxErrSetData(ctxt, st, path, __LINE__) : 0;
}

int encodeChoice(RtContext* ctxt, const TypeDesc* d, const void* record, const RtXmlNamespace* child,
                 const RtXmlNamespace* received) {
  uint16_t tag = tagValue(d, record);
  const Member* alt = alternative(d, tag);
  if (!alt) {
    if (tag == 0 && d->choiceZeroEncodes) return 0;
    char text[40];
    std::snprintf(text, sizeof text, "%d", tag);
    rtxErrAddStrParm(ctxt, text);
    return rtxErrSetNewData(ctxt, ST_BAD_CHOICE, d->module->enc, __LINE__);
  }
  return encodeElementMember(ctxt, d, *alt, record, child, received);
}

RtXmlNamespace childPair(RtContext* ctxt, const TypeDesc* d, const RtXmlNamespace* received) {
  if (d->childNs < 0) return received ? *received : RtXmlNamespace{nullptr, nullptr};
  NamespaceTable* table = namespaceTable(ctxt);
  const OSUTF8CHAR* uri = table ? table[d->childNs] : nullptr;
  return RtXmlNamespace{uri ? rtXmlNSGetPrefix(ctxt, uri) : nullptr, uri};
}

RtDList* nsAttrsOf(const TypeDesc* d, const void* record) {
  if (d->nsAttrsMember < 0) return nullptr;
  return const_cast<RtDList*>(at<RtDList>(record, d->members[d->nsAttrsMember].offset));
}

// The attributes alone, between parse-state bytes 3 and 2.
int writeAttributes(RtContext* ctxt, const TypeDesc* d, const void* record) {
  // The attribute table lists the attribute members in member order, and a
  // wildcard member comes after them.
  ctxt->state = RT_STATE_TAG_OPEN;
  for (uint8_t i = 0; i < d->nAttrs; ++i) {
    const Member& m = d->members[d->attrMembers[i]];
    if (!isPresent(d, record, m) || writePlainAttribute(ctxt, m, record)) continue;
    if (int st = encodeAttribute(ctxt, d, m, record)) return st;
  }
  if (d->anyAttrMember >= 0) {
    const Member& m = d->members[d->anyAttrMember];
    if (at<RtDList>(record, m.offset)->count != 0)
      if (int st = encodeAttribute(ctxt, d, m, record)) return st;
  }
  ctxt->state = RT_STATE_START_TAKEN;
  return 0;
}

}  // namespace

// Steps called on their own get the same argument checks as the whole
// encoder.
static int checkArguments(RtContext* ctxt, const void* record, const char* path) {
  if (int st = rtxCheckContext(ctxt)) return st;
  return record ? 0 : rtxErrSetNewData(ctxt, ST_BAD_ARGUMENT, path, __LINE__);
}

// The steps without the checks, for the whole encoder, which checks once.
namespace {

int attrsChecked(RtContext* ctxt, const TypeDesc* d, const void* record) {
  if (d->shape == Shape::SimpleContent)
    if (int st = rtXmlEncNSAttrs(ctxt, nsAttrsOf(d, record))) return rtxErrSetData(ctxt, st, d->module->enc, __LINE__);
  return writeAttributes(ctxt, d, record);
}

int startChecked(RtContext* ctxt, const TypeDesc* d, const void* record, const OSUTF8CHAR* name,
                 const RtXmlNamespace* ns) {
  const char* path = d->module->enc;
  // Declarations the decoded record kept go back on its element.
  if (name && d->keepsScope) rtXmlNSDeclareKept(ctxt, record);
  if (hasAttributes(d)) {
    if (name)
      if (int st = rtXmlEncStartElement(ctxt, name, ns, nsAttrsOf(d, record), 0))
        return rtxErrSetData(ctxt, st, path, __LINE__);
    // Declarations of simple content go before its attributes, or after
    // them where the type says so.
    int st = d->attrsBeforeDecls ? writeAttributes(ctxt, d, record) : attrsChecked(ctxt, d, record);
    if (st) return rtxErrSetData(ctxt, st, path, __LINE__);
    if (d->shape == Shape::SimpleContent && d->attrsBeforeDecls)
      if (int st = rtXmlEncNSAttrs(ctxt, nsAttrsOf(d, record))) return rtxErrSetData(ctxt, st, path, __LINE__);
  } else if (int st = rtXmlEncStartElement(ctxt, name, ns, nullptr, 1)) {
    return rtxErrSetData(ctxt, st, path, __LINE__);
  }
  return writeTerminator(ctxt, path);
}

int contentsChecked(RtContext* ctxt, const TypeDesc* d, const void* record, const RtXmlNamespace* ns) {
  const char* path = d->module->enc;
  // The children's namespace pair is looked up when a child is written, not
  // for elements that have none.
  RtXmlNamespace child{};
  int st = 0;
  switch (d->shape) {
    case Shape::SimpleContent:
      for (uint8_t i = 0; i < d->nMembers && !st; ++i) {
        const Member& m = d->members[i];
        if (m.role != Role::Value) continue;
        const void* p = at<char>(record, m.offset);
        if (hasOwnEncoder(m)) st = encodeSimpleContents(ctxt, m.simple, m.kind, p, path);
        else if (m.kind == Kind::Int) st = rtXmlEncInt(ctxt, *static_cast<const int32_t*>(p), nullptr, ns);
        else st = encodeText(ctxt, static_cast<const RtXmlString*>(p), nullptr, ns, path);
        if (st) st = rtxErrSetData(ctxt, st, path, __LINE__);
      }
      break;
    case Shape::Choice:
    case Shape::ChoiceContent:
      child = childPair(ctxt, d, ns);
      st = encodeChoice(ctxt, d, record, &child, ns);
      break;
    case Shape::Sequence:
    case Shape::Group: {
      // Child elements come before the attribute members (the tables are
      // checked to keep that order).
      bool childKnown = false;
      for (uint8_t i = 0; i < d->nMembers && !st; ++i) {
        const Member& m = d->members[i];
        if (m.role == Role::Attribute) break;
        if (m.role != Role::Element || !isPresent(d, record, m)) continue;
        if (isList(m.kind) && m.minOccurs <= 0 && at<RtDList>(record, m.offset)->count == 0) continue;
        if (!childKnown) child = childPair(ctxt, d, ns), childKnown = true;
        st = encodeElementMember(ctxt, d, m, record, &child, ns);
      }
      break;
    }
    case Shape::OpenContent:
      // The content was kept as XML text: it is written back as markup.
      for (uint8_t i = 0; i < d->nMembers && !st; ++i)
        if (d->members[i].role == Role::Value)
          if ((st = rtXmlEncAny(ctxt, at<RtXmlString>(record, d->members[i].offset), nullptr, ns)))
            st = rtxErrSetData(ctxt, st, path, __LINE__);
      break;
    case Shape::EmptyContent:
      break;
  }
  if (st) return st;
  return writeTerminator(ctxt, path);
}

}  // namespace

int encodeAttrs(RtContext* ctxt, const TypeDesc* d, const void* record) {
  if (int st = checkArguments(ctxt, record, d->module->enc)) return st;
  return attrsChecked(ctxt, d, record);
}

int encodeStart(RtContext* ctxt, const TypeDesc* d, const void* record, const OSUTF8CHAR* name,
                const RtXmlNamespace* ns) {
  if (int st = checkArguments(ctxt, record, d->module->enc)) return st;
  return startChecked(ctxt, d, record, name, ns);
}

int encodeContents(RtContext* ctxt, const TypeDesc* d, const void* record, const RtXmlNamespace* ns) {
  if (int st = checkArguments(ctxt, record, d->module->enc)) return st;
  return contentsChecked(ctxt, d, record, ns);
}

int writeTerminator(RtContext* ctxt, const char* path) {
  if (OSUTF8CHAR* end = plain::room(ctxt, 0)) {  // the common case: no call
    *end = 0;
    return 0;
  }
  if (rtxCheckBuffer(ctxt, 1) != 0) return rtxErrSetNewData(ctxt, ST_BUFFER_FULL, path, __LINE__);
  ctxt->buffer.data[ctxt->buffer.byteIndex] = 0;
  return 0;
}

int encodeEnd(RtContext* ctxt, const TypeDesc* d, const OSUTF8CHAR* name, const RtXmlNamespace* ns) {
  return encodeSimpleEnd(ctxt, name, ns, d->module->enc);
}

namespace {

int encodeChecked(RtContext* ctxt, const TypeDesc* d, const void* record, const OSUTF8CHAR* name,
                  const RtXmlNamespace* ns, size_t nameLength) {
  const char* path = d->module->enc;
  if (name && (d->shape == Shape::SimpleContent || d->shape == Shape::EmptyContent) &&
      directRecord(ctxt, d, record, reinterpret_cast<const char*>(name), nameLength, ns))
    return 0;
  if (int st = 0; name && d->shape == Shape::Sequence &&
                  directSequence(ctxt, d, record, reinterpret_cast<const char*>(name), nameLength, ns, &st))
    return st;
  if (int st = startChecked(ctxt, d, record, name, ns)) return rtxErrSetData(ctxt, st, path, __LINE__);
  if (int st = contentsChecked(ctxt, d, record, ns)) return rtxErrSetData(ctxt, st, path, __LINE__);
  if (int st = encodeEnd(ctxt, d, name, ns)) return rtxErrSetData(ctxt, st, path, __LINE__);
  return 0;
}

}  // namespace

int encodeType(RtContext* ctxt, const TypeDesc* d, const void* record, const OSUTF8CHAR* name,
               const RtXmlNamespace* ns) {
  const char* path = d->module->enc;
  if (int st = checkArguments(ctxt, record, path)) return rtxErrSetData(ctxt, st, path, __LINE__);
  return encodeChecked(ctxt, d, record, name, ns);
}

int encodeSimpleStart(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns, const char* path) {
  if (int st = rtXmlEncStartElement(ctxt, name, ns, nullptr, 1)) return rtxErrSetData(ctxt, st, path, __LINE__);
  return writeTerminator(ctxt, path);
}

int encodeSimpleContents(RtContext* ctxt, const SimpleType* t, Kind kind, const void* value, const char* path) {
  int st = 0;
  if (kind == Kind::Enum) {
    const OSUTF8CHAR* text = t->toString(*static_cast<const uint16_t*>(value));
    st = writeValueText(ctxt, text, text ? plain::length(text, plain::kText) : plain::kNotPlain);
  } else if (kind == Kind::Bool) {
    st = rtXmlEncBool(ctxt, *static_cast<const OSBOOL*>(value), nullptr, nullptr);
  } else if (kind == Kind::Decimal) {
    st = rtXmlEncDecimal(ctxt, *static_cast<const double*>(value), nullptr, nullptr, t->decimal);
  } else {
    auto* s = static_cast<const RtXmlString*>(value);
    // Plain text is valid UTF-8 of allowed characters: checked no further.
    size_t n = s->value && !s->cdata ? plain::length(s->value, plain::kText) : plain::kNotPlain;
    if (n == plain::kNotPlain)
      if ((st = rtxValidateUTF8(ctxt, s->value))) return rtxErrSetData(ctxt, st, path, __LINE__);
    if (t && t->pattern && !rtxMatchPattern(ctxt, s->value, u8(t->pattern))) {
      rtxErrAddStrParm(ctxt, t->name);
      rtxErrAddStrParm(ctxt, s->value ? reinterpret_cast<const char*>(s->value) : "");
      return rtxErrSetNewData(ctxt, ST_PATTERN_MISMATCH, path, __LINE__);
    }
    st = n == plain::kNotPlain ? rtXmlEncString(ctxt, s, nullptr, nullptr) : writeValueText(ctxt, s->value, n);
  }
  if (st) return rtxErrSetData(ctxt, st, path, __LINE__);
  return writeTerminator(ctxt, path);
}

int encodeSimpleEnd(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns, const char* path) {
  if (int st = rtXmlEncEndElement(ctxt, name, ns)) return rtxErrSetData(ctxt, st, path, __LINE__);
  return writeTerminator(ctxt, path);
}

int encodeSimple(RtContext* ctxt, const SimpleType* t, Kind kind, const void* value, const OSUTF8CHAR* name,
                 const RtXmlNamespace* ns, const char* path) {
  if (int st = encodeSimpleStart(ctxt, name, ns, path)) return rtxErrSetData(ctxt, st, path, __LINE__);
  if (int st = encodeSimpleContents(ctxt, t, kind, value, path)) return rtxErrSetData(ctxt, st, path, __LINE__);
  if (int st = encodeSimpleEnd(ctxt, name, ns, path)) return rtxErrSetData(ctxt, st, path, __LINE__);
  return 0;
}

}  // namespace pxs
