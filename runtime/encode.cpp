// The encoding calls: prolog, tags with their namespace declarations,
// escaped content and attributes.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "internal/code_layout.h"
#include "internal/context_impl.h"
#include "internal/lexical.h"
#include "xml/chars.h"

using pxrt::implOf;
using pxrt::outWrite;

namespace {

std::string_view sv(const OSUTF8CHAR* p) {
  return p ? std::string_view(reinterpret_cast<const char*>(p)) : std::string_view();
}

// A failed write of the runtime itself opens the error entry that every
// caller level then extends.
int fail(RtContext* ctxt, int status, int line) { return rtxErrSetNewData(ctxt, status, __FILE__, line); }
#define PX_FAIL(ctxt, st) fail((ctxt), (st), __LINE__)

// A binding's declaration on the open start tag, once per prefix.
PX_ENCODE_PATH int writeDecl(RtContext* ctxt, const pxrt::Binding& binding) {
  auto* impl = implOf(ctxt);
  if (impl->out.declaredOnTag(binding.prefix)) return 0;
  if (int st = outWrite(ctxt, binding.declaration())) return st;
  impl->out.addTagDecl(binding.prefix);
  return 0;
}

// Binds in the element's scope; the open start tag will declare it.
PX_ENCODE_PATH void bindOnTag(RtContextImpl* impl, std::string_view prefix, std::string_view uri) {
  impl->ns.bind(prefix, uri);
  impl->openTagBindings.push_back(static_cast<uint32_t>(impl->ns.inForce() - 1));
}

// The binding just made, declared on the open start tag.
int declareLast(RtContext* ctxt) {
  const pxrt::Namespaces& ns = implOf(ctxt)->ns;
  return writeDecl(ctxt, ns.binding(ns.inForce() - 1));
}

// Declarations of the open tag that were bound when it was opened but not
// yet written (the element's own scope holds them; a binding a caller popped
// meanwhile is not declared).
[[gnu::noinline]] PX_ENCODE_PATH int writeBoundDecls(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  auto& written = impl->tagDeclsWritten;
  const size_t count = impl->openTagBindings.size();
  // Every binding of a tag is a new generation: the same count in the same
  // generation is the same bindings, all written.
  if (written.count == count && written.generation == impl->ns.generation()) return 0;
  for (uint32_t i : impl->openTagBindings)
    if (i < impl->ns.inForce())
      if (int st = writeDecl(ctxt, impl->ns.binding(i))) return st;
  written = {count, impl->ns.generation()};
  return 0;
}

// Most tags bind nothing: no call for them.
inline int writeScopeDecls(RtContext* ctxt) {
  return implOf(ctxt)->openTagBindings.empty() ? 0 : writeBoundDecls(ctxt);
}

// Content of an element may follow only a closed start tag. While the
// parse-state byte says a start tag is being written (attribute values of
// simple types are written by their own encoders), the tag stays open.
inline int closeOpenTag(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  if (!impl->out.tagOpen || ctxt->state == RT_STATE_TAG_OPEN) return 0;
  if (int st = writeScopeDecls(ctxt)) return st;
  if (int st = pxrt::outWriteChar(ctxt, '>')) return st;
  impl->out.tagOpen = false;
  impl->out.clearTagDecls();
  impl->openTagBindings.clear();
  return 0;
}

// `<prefix:name`, or `</prefix:name>` with the close, in one piece.
[[gnu::always_inline]] inline int writeTagName(RtContext* ctxt, std::string_view open, std::string_view prefix,
                                               std::string_view name, std::string_view close = {}) {
  const size_t n = open.size() + prefix.size() + (prefix.empty() ? 0 : 1) + name.size() + close.size();
  if (int st = pxrt::outReserve(ctxt, n)) return st;
  RtBuffer& b = ctxt->buffer;
  OSUTF8CHAR* out = b.data + b.byteIndex;
  std::memcpy(out, open.data(), open.size());
  out += open.size();
  if (!prefix.empty()) {
    std::memcpy(out, prefix.data(), prefix.size());
    out += prefix.size();
    *out++ = ':';
  }
  std::memcpy(out, name.data(), name.size());
  out += name.size();
  if (!close.empty()) std::memcpy(out, close.data(), close.size());
  b.byteIndex += n;
  b.data[b.byteIndex] = 0;
  return 0;
}

// Whether an element of a pair with a prefix and a namespace may be written
// under that prefix with no declaration: the prefix in force means the
// namespace (*length: the prefix's). The answer for the binding's own prefix
// text and a constant URI holds until the bindings change, and is kept: the
// children of one element come with the same pair, element after element.
[[gnu::noinline]] PX_ENCODE_PATH bool lookUpPair(RtContextImpl* impl, const RtXmlNamespace* ns, size_t* length) {
  std::string_view text = sv(ns->prefix);
  const auto* uri = reinterpret_cast<const char*>(ns->uri);
  const pxrt::Binding* b = impl->ns.findHandedOut(text);
  if (!b || !impl->ns.hasUri(*b, uri)) return false;
  if (b->prefix.data() == text.data() && impl->ns.hasConstantUri(*b, uri))
    impl->boundPair = {ns->prefix, ns->uri, text.size(), impl->ns.generation()};
  *length = text.size();
  return true;
}

inline bool pairInForce(RtContextImpl* impl, const RtXmlNamespace* ns, size_t* length) {
  const auto& known = impl->boundPair;
  if (ns->prefix == known.prefix && ns->uri == known.uri && known.prefix && impl->ns.generation() == known.generation) {
    *length = known.prefixLength;
    return true;
  }
  return lookUpPair(impl, ns, length);
}

// Whether the start tag being opened declares the prefix itself.
bool declaredOnThisTag(RtContextImpl* impl, std::string_view prefix) {
  for (uint32_t i : impl->openTagBindings)
    if (impl->ns.binding(i).prefix == prefix) return true;
  return false;
}

// A prefix made for a namespace the caller's prefixes cannot name at this
// place: the first "nsN" not in force.
std::string unusedPrefix(RtContextImpl* impl) {
  for (unsigned i = 1;; ++i) {
    std::string made = "ns" + std::to_string(i);
    if (!impl->ns.find(made)) return made;
  }
}

// Prefix of an element's namespace pair; binds the namespace as the default
// one on this element when no prefix is in force for it. The text returned
// stays valid while the element is open (a binding in force, or the caller's).
[[gnu::noinline]] PX_ENCODE_PATH std::string_view resolvePrefix(RtContext* ctxt, const RtXmlNamespace* ns, bool* unbound) {
  auto* impl = implOf(ctxt);
  if (!ns || !ns->uri) {
    if (ns && ns->prefix) {
      // A prefix without its namespace can only be used where it is bound.
      std::string_view prefix = sv(ns->prefix);
      if (!prefix.empty() && prefix != "xml" && !impl->ns.find(prefix)) *unbound = true;
      return prefix;
    }
    // No namespace: undeclare a default one that is in force.
    const pxrt::Binding* def = impl->ns.find("");
    if (def && !def->uri.empty()) {
      bindOnTag(impl, "", "");
    }
    return {};
  }
  const std::string_view uri = sv(ns->uri);
  if (ns->prefix) {
    // A prefix the caller chose is declared where it does not yet mean this
    // namespace, so that the output stays namespace-well-formed; unless the
    // tag's own declarations give it another namespace (a record written
    // back with the declarations it kept): then the namespace is named as
    // if no prefix had been chosen.
    std::string_view prefix = sv(ns->prefix);
    size_t length;
    if (prefix == "xml" || pairInForce(impl, ns, &length)) return prefix;
    if (!declaredOnThisTag(impl, prefix)) {
      bindOnTag(impl, prefix, uri);
      return prefix;
    }
  }
  if (const std::string* p = impl->ns.prefixFor(uri)) return *p;
  if (!declaredOnThisTag(impl, "")) {
    bindOnTag(impl, "", uri);
    return {};
  }
  // Both taken on this tag: a prefix of our own.
  bindOnTag(impl, unusedPrefix(impl), uri);
  return impl->ns.binding(impl->ns.inForce() - 1).prefix;
}

// The prefix of the element whose start tag is open.
std::string_view openElementPrefix(const RtContextImpl* impl) {
  if (impl->openElements.empty()) return {};
  const auto& open = impl->openElements.back();
  return std::string_view(impl->openPrefixText.data() + open.prefixStart, open.prefixLength);
}

// The prefix a foreign attribute of namespace `uri` is written with (*out):
// its own where it means `uri` at this place, or where it can be declared so
// on the open tag; but where the element's name or another declaration of
// the tag uses it, another prefix in force for `uri`, or one made for it.
int attributePrefix(RtContext* ctxt, std::string_view wanted, std::string_view uri, std::string_view* out) {
  auto* impl = implOf(ctxt);
  const pxrt::Binding* b = impl->ns.find(wanted);
  *out = wanted;
  if (b && b->uri == uri) return 0;
  std::string made;
  if (wanted == openElementPrefix(impl) || impl->out.declaredOnTag(wanted) || declaredOnThisTag(impl, wanted)) {
    const std::string* other = impl->ns.prefixFor(uri);
    if (other && !other->empty()) {
      *out = *other;
      return 0;
    }
    made = unusedPrefix(impl);
  }
  impl->ns.bind(made.empty() ? wanted : std::string_view(made), uri);
  if (int st = declareLast(ctxt)) return st;
  *out = impl->ns.binding(impl->ns.inForce() - 1).prefix;
  return 0;
}

// The start tag just written is open, under this prefix until its end tag.
inline void openElement(RtContextImpl* impl, std::string_view prefix) {
  impl->out.tagOpen = true;
  impl->out.clearTagDecls();
  const size_t prefixStart = impl->openPrefixText.size();
  if (!prefix.empty()) impl->openPrefixText.append(prefix);
  impl->openElements.push_back({static_cast<uint32_t>(prefixStart), static_cast<uint32_t>(prefix.size())});
}

// Inline in its two callers: it is most of what they do, element after
// element.
[[gnu::always_inline]] inline int startTag(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns,
                                           RtDList* nsAttrs) {
  auto* impl = implOf(ctxt);
  if (int st = closeOpenTag(ctxt)) return st;
  impl->ns.push();
  impl->openTagBindings.clear();
  if (impl->out.hasPending()) {
    for (auto* p = impl->out.pendingBegin(); p != impl->out.pendingEnd(); ++p) bindOnTag(impl, p->prefix, p->uri);
    impl->out.clearPending();
  }
  if (nsAttrs) {
    for (RtDListNode* n = nsAttrs->head; n; n = n->next) {
      auto* item = static_cast<const RtXmlNamespace*>(n->data);
      if (!item || !item->uri) continue;
      bindOnTag(impl, sv(item->prefix), sv(item->uri));
    }
  }
  bool unbound = false;
  std::string_view prefix;
  size_t length;
  if (ns && ns->uri && ns->prefix && pairInForce(impl, ns, &length))
    prefix = std::string_view(reinterpret_cast<const char*>(ns->prefix), length);
  else
    prefix = resolvePrefix(ctxt, ns, &unbound);
  if (unbound) {
    impl->ns.pop();
    rtxErrAddStrnParm(ctxt, prefix.data(), prefix.size());
    rtxErrAddStrParm(ctxt, reinterpret_cast<const char*>(name));
    return ST_BAD_NAMESPACE;  // recorded by the caller with these parameters
  }
  if (int st = writeTagName(ctxt, "<", prefix, sv(name))) return st;
  openElement(impl, prefix);
  return 0;
}

int writeInt(RtContext* ctxt, long long value) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  return outWrite(ctxt, std::string_view(buf, r.ptr - buf));
}

int writeUInt(RtContext* ctxt, unsigned long long value) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  return outWrite(ctxt, std::string_view(buf, r.ptr - buf));
}

// Element with a text value: <name>text</name>, or the text alone when no
// name is given.
template <typename WriteValue>
int encodeValue(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns, WriteValue&& writeValue) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (name) {
    if (int st = rtXmlEncStartElement(ctxt, name, ns, nullptr, 1)) return st;
  } else if (int st = closeOpenTag(ctxt)) {
    return PX_FAIL(ctxt, st);
  }
  if (int st = writeValue()) return PX_FAIL(ctxt, st);
  if (name) return rtXmlEncEndElement(ctxt, name, ns);
  return 0;
}

int attrOpen(RtContext* ctxt, const OSUTF8CHAR* name, size_t nameLen) {
  int st = pxrt::outWriteChar(ctxt, ' ');
  if (!st) st = outWrite(ctxt, std::string_view(reinterpret_cast<const char*>(name), nameLen));
  if (!st) st = outWrite(ctxt, "=\"");
  return st;
}

template <typename WriteValue>
int encodeAttr(RtContext* ctxt, const OSUTF8CHAR* name, size_t nameLen, WriteValue&& writeValue) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (!name) return PX_FAIL(ctxt, ST_BAD_ARGUMENT);
  int st = attrOpen(ctxt, name, nameLen);
  if (!st) st = writeValue();
  if (!st) st = pxrt::outWriteChar(ctxt, '"');
  return st ? PX_FAIL(ctxt, st) : 0;
}

}  // namespace

extern "C" {

PX_ENCODE_PATH int rtXmlEncStartDocument(RtContext* ctxt) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (int st = outWrite(ctxt, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")) return PX_FAIL(ctxt, st);
  return 0;
}

PX_ENCODE_PATH int rtXmlEncEndDocument(RtContext* ctxt) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (int st = closeOpenTag(ctxt)) return PX_FAIL(ctxt, st);
  if (int st = pxrt::outReserve(ctxt, 0)) return PX_FAIL(ctxt, st);
  ctxt->buffer.data[ctxt->buffer.byteIndex] = 0;
  return 0;
}

PX_ENCODE_PATH int rtXmlEncStartElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns, RtDList* nsAttrs,
                         OSBOOL terminate) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (!name) return 0;
  if (int st = startTag(ctxt, name, ns, nsAttrs)) return PX_FAIL(ctxt, st);
  if (terminate)
    if (int st = closeOpenTag(ctxt)) return PX_FAIL(ctxt, st);
  return 0;
}

PX_ENCODE_PATH int rtXmlEncTermStartElement(RtContext* ctxt) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (int st = closeOpenTag(ctxt)) return PX_FAIL(ctxt, st);
  return 0;
}

PX_ENCODE_PATH int rtXmlEncEndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  if (!name) return 0;
  int st;
  if (impl->out.tagOpen) {
    // Nothing was written inside: close the start tag as an empty element.
    st = writeScopeDecls(ctxt);
    if (!st) st = outWrite(ctxt, "/>");
    if (!st) {
      impl->out.tagOpen = false;
      impl->out.clearTagDecls();
      impl->openTagBindings.clear();
    }
  } else if (impl->openElements.empty()) {
    st = writeTagName(ctxt, "</", {}, sv(name), ">");
  } else {
    const auto& open = impl->openElements.back();
    std::string_view prefix(impl->openPrefixText.data() + open.prefixStart, open.prefixLength);
    st = writeTagName(ctxt, "</", prefix, sv(name), ">");
  }
  if (st) return PX_FAIL(ctxt, st);
  if (!impl->openElements.empty()) {
    impl->openPrefixText.resize(impl->openElements.back().prefixStart);
    impl->openElements.pop_back();
  }
  impl->ns.pop();
  return 0;
}

int rtXmlEncEmptyElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns, RtDList* nsAttrs,
                         OSBOOL terminate) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (!name) return 0;
  if (int st = startTag(ctxt, name, ns, nsAttrs)) return PX_FAIL(ctxt, st);
  if (!terminate) return 0;
  return rtXmlEncEndElement(ctxt, name, ns);
}

// rtXmlEncDirectPrefix past the pair found as it was last time with no
// start tag open: a lookup, or a start tag to close.
[[gnu::noinline]] PX_ENCODE_PATH static int directPrefixSlow(RtContext* ctxt, RtContextImpl* impl, const RtXmlNamespace* ns,
                                                      const OSUTF8CHAR** prefix, size_t* prefixLen) {
  // A pair the start tag would declare takes the general path.
  size_t length;
  if (!pairInForce(impl, ns, &length) || closeOpenTag(ctxt) != 0) return 1;
  *prefix = ns->prefix;
  *prefixLen = length;
  return 0;
}

PX_ENCODE_PATH int rtXmlEncDirectPrefix(RtContext* ctxt, const RtXmlNamespace* ns, const OSUTF8CHAR** prefix, size_t* prefixLen) {
  auto* impl = implOf(ctxt);
  if (!impl || !prefix || !prefixLen || !ns || !ns->uri || !ns->prefix || impl->out.hasPending()) return 1;
  // Element after element of one parent: the pair is the one found last,
  // and the previous sibling closed its own tags. Nothing else to do.
  const auto& known = impl->boundPair;
  if (!impl->out.tagOpen && ns->prefix == known.prefix && ns->uri == known.uri &&
      impl->ns.generation() == known.generation) {
    *prefix = ns->prefix;
    *prefixLen = known.prefixLength;
    return 0;
  }
  return directPrefixSlow(ctxt, impl, ns, prefix, prefixLen);
}

PX_ENCODE_PATH int rtXmlEncDirectOpenTag(RtContext* ctxt, OSBOOL open) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  if (open) {
    impl->out.tagOpen = true;
    impl->openTagBindings.clear();
    impl->out.clearTagDecls();
    return 0;
  }
  const bool stillOpen = impl->out.tagOpen;
  impl->out.tagOpen = false;
  return stillOpen ? 1 : 0;
}

// Whether a root's own declarations are all there is at its start: no tag
// open, nothing pending, nothing in force, and pairs that neither repeat a
// prefix (a second registration would be ignored) nor a namespace (the name
// would take the later prefix). Then the general calls would bind exactly
// these pairs on the tag and name the root by the first.
static bool onlyOwnDeclarations(const RtContextImpl* impl, const RtXmlNamespace* own, int n) {
  if (impl->out.tagOpen || impl->out.hasPending() || impl->ns.inForce() != 0 || n < 1 || n > 2) return false;
  for (int i = 0; i < n; ++i)
    if (!own[i].uri) return false;
  return n == 1 || (sv(own[0].prefix) != sv(own[1].prefix) && sv(own[0].uri) != sv(own[1].uri));
}

PX_ENCODE_PATH int rtXmlEncRootStart(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* own, int n) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  if (!name || n < 0 || (n > 0 && !own)) return PX_FAIL(ctxt, ST_BAD_ARGUMENT);
  if (!onlyOwnDeclarations(impl, own, n)) {
    for (int i = 0; i < n; ++i)
      if (int st = rtXmlNSSetNamespace(ctxt, nullptr, own[i].prefix, own[i].uri, 0)) return st;
    const RtXmlNamespace pair{nullptr, n > 0 ? own[0].uri : nullptr};
    if (int st = rtXmlEncStartElement(ctxt, name, &pair, nullptr, 0)) return st;
    return rtXmlEncNSAttrs(ctxt, nullptr);
  }
  impl->ns.push();
  impl->openTagBindings.clear();
  for (int i = 0; i < n; ++i) bindOnTag(impl, sv(own[i].prefix), sv(own[i].uri));
  // The children's encoders ask for the prefixes of these namespaces first,
  // the root's own namespace most.
  for (int i = n; i-- > 0;)
    impl->ns.notePrefixFor(reinterpret_cast<const char*>(own[i].uri), &impl->ns.binding(impl->openTagBindings[i]));
  // The binding's own text: it stays while the root is open.
  const std::string& prefix = impl->ns.binding(impl->openTagBindings[0]).prefix;
  if (int st = writeTagName(ctxt, "<", prefix, sv(name))) return PX_FAIL(ctxt, st);
  openElement(impl, prefix);
  if (int st = writeBoundDecls(ctxt)) return PX_FAIL(ctxt, st);
  return 0;
}

PX_ENCODE_PATH int rtXmlEncNSAttrs(RtContext* ctxt, RtDList* nsAttrs) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  if (!impl->out.tagOpen) {
    // Outside a start tag there is nothing to declare on; the list stays
    // pending for the next one.
    if (nsAttrs)
      for (RtDListNode* n = nsAttrs->head; n; n = n->next)
        if (auto* item = static_cast<const RtXmlNamespace*>(n->data); item && item->uri)
          impl->out.addPending(sv(item->prefix), sv(item->uri));
    return 0;
  }
  if (int st = writeScopeDecls(ctxt)) return PX_FAIL(ctxt, st);
  if (nsAttrs) {
    for (RtDListNode* n = nsAttrs->head; n; n = n->next) {
      auto* item = static_cast<const RtXmlNamespace*>(n->data);
      if (!item || !item->uri) continue;
      if (impl->out.declaredOnTag(sv(item->prefix))) continue;
      impl->ns.bind(sv(item->prefix), sv(item->uri));
      if (int st = declareLast(ctxt)) return PX_FAIL(ctxt, st);
    }
  }
  return 0;
}

int rtXmlEncString(RtContext* ctxt, const RtXmlString* str, const OSUTF8CHAR* name, const RtXmlNamespace* ns) {
  std::string_view text = str ? sv(str->value) : std::string_view();
  bool cdata = str && str->cdata;
  return encodeValue(ctxt, name, ns, [&] {
    return cdata ? pxrt::outWriteCData(ctxt, text) : pxrt::outWriteText(ctxt, text);
  });
}

int rtXmlEncUTF8Str(RtContext* ctxt, const OSUTF8CHAR* text, const OSUTF8CHAR* name, const RtXmlNamespace* ns) {
  return encodeValue(ctxt, name, ns, [&] { return pxrt::outWriteText(ctxt, sv(text)); });
}

int rtXmlEncBool(RtContext* ctxt, OSBOOL value, const OSUTF8CHAR* name, const RtXmlNamespace* ns) {
  return encodeValue(ctxt, name, ns, [&] { return outWrite(ctxt, value ? "true" : "false"); });
}

int rtXmlEncInt(RtContext* ctxt, int32_t value, const OSUTF8CHAR* name, const RtXmlNamespace* ns) {
  return encodeValue(ctxt, name, ns, [&] { return writeInt(ctxt, value); });
}

PX_ENCODE_PATH int rtXmlDecimalText(RtContext* ctxt, double value, const RtDecimalFormat* format, char* text, size_t size) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (!text || size == 0) return ST_BAD_ARGUMENT;
  int len = pxrt::lex::formatDecimal(value, format, text, size);
  if (len < 0) return len;
  if (format && format->nPatterns && format->patterns) {
    // A pattern that does not compile matches nothing here; the pattern
    // calls say why.
    bool matched = false;
    std::string error;
    for (uint8_t i = 0; i < format->nPatterns && !matched; ++i) {
      const auto* program = format->patterns[i] ? implOf(ctxt)->patterns.get(format->patterns[i], &error) : nullptr;
      matched = program && pxrt::pattern::matches(*program, std::string_view(text, static_cast<size_t>(len)));
    }
    if (!matched) return ST_PATTERN_MISMATCH;
  }
  return len;
}

int rtXmlEncDecimal(RtContext* ctxt, double value, const OSUTF8CHAR* name, const RtXmlNamespace* ns,
                    const RtDecimalFormat* format) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  char text[400];
  int len = rtXmlDecimalText(ctxt, value, format, text, sizeof text);
  if (len < 0) {
    // The text that does not match, or the value that has none.
    rtxErrAddStrParm(ctxt, "decimal");
    if (len == ST_PATTERN_MISMATCH) {
      rtxErrAddStrParm(ctxt, text);
    } else {
      char shown[40];
      std::snprintf(shown, sizeof shown, "%.17g", value);
      rtxErrAddStrParm(ctxt, shown);
    }
    return PX_FAIL(ctxt, len);
  }
  return encodeValue(ctxt, name, ns, [&] { return outWrite(ctxt, std::string_view(text, len)); });
}

PX_ENCODE_PATH int rtXmlEncAny(RtContext* ctxt, const RtXmlString* xml, const OSUTF8CHAR* name, const RtXmlNamespace* ns) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  int st = closeOpenTag(ctxt);
  if (!st && xml && xml->value) st = outWrite(ctxt, sv(xml->value));
  return st ? PX_FAIL(ctxt, st) : 0;
}

int rtXmlEncUTF8Attr2(RtContext* ctxt, const OSUTF8CHAR* name, size_t nameLen, const OSUTF8CHAR* value,
                      size_t valueLen) {
  // An attribute that is written must have a value: a record whose required
  // text was never set is refused rather than written as an empty one.
  if (implOf(ctxt) && name && !value) {
    rtxErrAddStrnParm(ctxt, reinterpret_cast<const char*>(name), nameLen);
    return PX_FAIL(ctxt, ST_MISSING_ATTRIBUTE);
  }
  std::string_view text = value ? std::string_view(reinterpret_cast<const char*>(value), valueLen) : "";
  // Element texts are checked by the encoders; a value written here would
  // otherwise make the whole document unreadable.
  for (unsigned char c : text)
    if (c < 0x20 || c >= 0x80) {
      if (int st = pxrt::validateUTF8(ctxt, text.data(), text.size())) return st;
      break;
    }
  return encodeAttr(ctxt, name, nameLen, [&] { return pxrt::outWriteAttrValue(ctxt, text); });
}

int rtXmlEncIntAttr(RtContext* ctxt, int32_t value, const OSUTF8CHAR* name, size_t nameLen) {
  return encodeAttr(ctxt, name, nameLen, [&] { return writeInt(ctxt, value); });
}

int rtXmlEncUIntAttr(RtContext* ctxt, uint32_t value, const OSUTF8CHAR* name, size_t nameLen) {
  return encodeAttr(ctxt, name, nameLen, [&] { return writeUInt(ctxt, value); });
}

int rtXmlEncUInt64Attr(RtContext* ctxt, uint64_t value, const OSUTF8CHAR* name, size_t nameLen) {
  return encodeAttr(ctxt, name, nameLen, [&] { return writeUInt(ctxt, value); });
}

int rtXmlEncBoolAttr(RtContext* ctxt, OSBOOL value, const OSUTF8CHAR* name, size_t nameLen) {
  return encodeAttr(ctxt, name, nameLen, [&] { return outWrite(ctxt, value ? "true" : "false"); });
}

int rtXmlEncAnyAttr(RtContext* ctxt, const RtDList* anyAttrs) {
  if (!implOf(ctxt)) return ST_BAD_CONTEXT;
  if (!anyAttrs) return 0;
  auto* impl = implOf(ctxt);
  for (const RtDListNode* n = anyAttrs->head; n; n = n->next) {
    auto* nv = static_cast<const RtNameValue*>(n->data);
    if (!nv || !nv->name) continue;
    std::string_view name = sv(nv->name);
    // Only a name that stands as an attribute of its own: any other would
    // make the document unreadable, and a declaration written here would
    // escape the bindings the rest of the document is named by.
    const bool declaration = name.substr(0, 5) == "xmlns" && (name.size() == 5 || name[5] == ':');
    if (declaration || !pxrt::xml::isQualifiedName(name)) {
      rtxErrAddStrParm(ctxt, std::string(name).c_str());
      return PX_FAIL(ctxt, ST_BAD_ARGUMENT);
    }
    std::string renamed;
    size_t colon = name.find(':');
    if (nv->nsUri && colon != std::string_view::npos && name.substr(0, colon) != "xml" && impl->out.tagOpen) {
      std::string_view prefix;
      if (int st = attributePrefix(ctxt, name.substr(0, colon), sv(nv->nsUri), &prefix)) return PX_FAIL(ctxt, st);
      if (prefix != name.substr(0, colon)) {
        renamed.append(prefix).append(name.substr(colon));
        name = renamed;
      }
    }
    if (int st = rtXmlEncUTF8Attr2(ctxt, reinterpret_cast<const OSUTF8CHAR*>(name.data()), name.size(), nv->value,
                                   sv(nv->value).size()))
      return st;
  }
  return 0;
}

}  // extern "C"
