// The any handler: keeps a whole foreign element (or the whole content of an
// element) as XML text that stands on its own. Every namespace prefix the
// captured markup uses but does not declare itself is declared on the
// captured root, and an unprefixed element outside any default namespace gets
// xmlns="" there, so the text means the same wherever it is written back or
// decoded again.
//
// Inside a parse the markup is the document's own bytes: one copy of the
// element's span, with the root's declarations inserted after its name.
// Nothing is escaped or rebuilt, so the cost is the copy (what the reader
// already checked is well-formed stays so; comments, references and quotes
// stay as written). Driven outside a parse, the handler writes the markup
// from the events instead.
#include <cstring>
#include <string>
#include <string_view>

#include "internal/attribute_texts.h"
#include "internal/context_impl.h"
#include "internal/escape.h"
#include "internal/reader.h"

namespace {

using pxrt::Capture;

std::string_view sv(const OSUTF8CHAR* p) {
  return p ? std::string_view(reinterpret_cast<const char*>(p)) : std::string_view();
}

// The prefix of a qualified name, without measuring the whole name first:
// prefixes are a few bytes.
std::string_view prefixOf(const OSUTF8CHAR* qname) {
  if (!qname) return {};
  const char* q = reinterpret_cast<const char*>(qname);
  for (const char* p = q; *p; ++p)
    if (*p == ':') return std::string_view(q, static_cast<size_t>(p - q));
  return {};
}

bool declaredInside(const Capture& cap, std::string_view prefix) { return cap.declared.contains(prefix); }

// The prefixes used but bound outside, walked while few (most captures use
// one or two), hashed past that; the set holds views of the bindings'
// prefixes, which stay while the capture runs.
constexpr size_t kWalkedExternals = pxrt::kWalkedTexts;

[[gnu::noinline]] bool usedBeforeAmongMany(const Capture& cap, std::string_view prefix) {
  return cap.externalPrefixes.count(prefix) != 0;
}

[[gnu::always_inline]] inline bool usedBefore(const Capture& cap, std::string_view prefix) {
  if (cap.external.size() > kWalkedExternals) return usedBeforeAmongMany(cap, prefix);
  for (const pxrt::Binding* e : cap.external)
    if (e->prefix == prefix) return true;
  return false;
}

[[gnu::noinline]] void indexExternals(Capture& cap) {
  if (cap.external.size() == kWalkedExternals + 1)
    for (const pxrt::Binding* e : cap.external) cap.externalPrefixes.insert(e->prefix);
  else
    cap.externalPrefixes.insert(cap.external.back()->prefix);
}

[[gnu::always_inline]] inline void addExternal(Capture& cap, const pxrt::Binding* b) {
  cap.external.push_back(b);
  if (cap.external.size() > kWalkedExternals) indexExternals(cap);
}

void clearExternals(Capture& cap) {
  cap.external.clear();
  if (!cap.externalPrefixes.empty()) cap.externalPrefixes.clear();
}

// Remember a prefix the capture uses; it is declared on the root unless the
// captured markup declares it itself (as `inside` tells).
template <typename DeclaredInside>
[[gnu::always_inline]] inline void notePrefixUse(RtContextImpl* impl, std::string_view prefix, bool forElement,
                                                 DeclaredInside inside) {
  Capture& cap = impl->capture;
  if (prefix == "xml" || prefix == "xmlns") return;
  if (prefix.empty() && !forElement) return;  // unprefixed attributes have no namespace
  if (inside(prefix)) return;
  if (prefix.empty() && cap.undeclaresDefault) return;
  if (usedBefore(cap, prefix)) return;
  const pxrt::Binding* b = impl->ns.find(prefix);
  if (b && !b->uri.empty()) addExternal(cap, b);
  // Outside any default namespace an unprefixed element has none; say so
  // explicitly, or it would join whatever default surrounds it later.
  else if (prefix.empty()) cap.undeclaresDefault = true;
}

// The declarations a top-level element of the capture needs, as attribute
// text appended to decls; the list starts again for the next one.
[[gnu::always_inline]] inline void rootDecls(Capture& cap, std::string& decls) {
  if (cap.undeclaresDefault) decls += " xmlns=\"\"";
  for (const pxrt::Binding* b : cap.external) decls += b->declaration();
  clearExternals(cap);
  cap.undeclaresDefault = false;
}

RtSaxAnyHandler* ownerOf(void* handler, RtContextImpl** implOut) {
  auto* h = static_cast<RtSaxAnyHandler*>(handler);
  RtContextImpl* impl = h ? pxrt::implOf(h->head.context) : nullptr;
  if (!impl || !impl->capture.active || impl->capture.id != h->captureId) return nullptr;
  *implOut = impl;
  return h;
}

// The tag being read now, when a parse is under way.
bool tagSpan(RtContextImpl* impl, const char** doc, size_t* begin, size_t* end) {
  return impl->errors.documentPosition() && impl->reader && impl->reader->tagSpan(doc, begin, end);
}

OSUTF8CHAR* copyOfSpan(RtContext* ctxt, const Capture& cap, size_t end) {
  const size_t total = end - cap.spanBegin + cap.insertText.size();
  auto* out = static_cast<OSUTF8CHAR*>(rtxMemHeapAlloc(ctxt, total + 1));
  if (!out) return nullptr;
  OSUTF8CHAR* w = out;
  size_t from = cap.spanBegin;
  size_t textFrom = 0;
  for (const auto& [at, textEnd] : cap.inserts) {
    std::memcpy(w, cap.doc + from, at - from);
    w += at - from;
    std::memcpy(w, cap.insertText.data() + textFrom, textEnd - textFrom);
    w += textEnd - textFrom;
    from = at;
    textFrom = textEnd;
  }
  std::memcpy(w, cap.doc + from, end - from);
  w += end - from;
  *w = 0;
  return out;
}

// The capture ends; `end` is where its markup ends in the document (span
// captures only).
int finish(RtSaxAnyHandler* h, RtContextImpl* impl, size_t end) {
  Capture& cap = impl->capture;
  cap.active = false;
  if (!h->target) return 0;
  RtContext* ctxt = h->head.context;
  OSUTF8CHAR* copy = cap.fromDocument && end >= cap.spanBegin
                         ? copyOfSpan(ctxt, cap, end)
                         : rtxUTF8Strndup(ctxt, reinterpret_cast<const OSUTF8CHAR*>(cap.text.data()), cap.text.size());
  if (!copy) return rtxErrSetNewData(ctxt, ST_NO_MEMORY, __FILE__, __LINE__);
  h->target->cdata = 0;
  h->target->value = copy;
  return 0;
}

}  // namespace

namespace pxrt {

void noteCapturedPrefix(RtContextImpl* impl, std::string_view prefix, bool forElement, size_t insideFrom) {
  notePrefixUse(impl, prefix, forElement,
                [impl, insideFrom](std::string_view p) { return impl->ns.boundFrom(p, insideFrom); });
}

}  // namespace pxrt

extern "C" {

void SAXAnyInit(RtContext* ctxt, void* handler, RtXmlString* target, int level) {
  auto* impl = pxrt::implOf(ctxt);
  auto* h = static_cast<RtSaxAnyHandler*>(handler);
  if (!impl || !h) return;
  std::memset(h, 0, sizeof *h);
  h->head.startElement = SAXAnyStartElement;
  h->head.endElement = SAXAnyEndElement;
  h->head.characters = SAXAnyCharacters;
  h->head.context = ctxt;
  h->head.level = level;
  h->head.startLevel = static_cast<uint16_t>(level);
  h->target = target;
  h->initLevel = level;
  h->captureId = ++impl->captureSerial;
  if (target) {
    target->cdata = 0;
    target->value = nullptr;
  }
  Capture& cap = impl->capture;
  cap.id = h->captureId;
  cap.active = true;
  cap.text.clear();
  cap.declared.clear();
  cap.declaredMarks.clear();
  clearExternals(cap);
  cap.undeclaresDefault = false;
  cap.inserts.clear();
  cap.insertText.clear();
  cap.rootInsert = 0;
  cap.startOpen = false;
  // The content of an element begins where its start tag, being read now,
  // ends; a whole element begins with its own start tag (decided there).
  size_t begin = 0, end = 0;
  cap.fromDocument = level < 0 && tagSpan(impl, &cap.doc, &begin, &end);
  cap.spanBegin = end;
}

int SAXAnyStartElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                       const OSUTF8CHAR* const* attrs) {
  RtContextImpl* impl = nullptr;
  RtSaxAnyHandler* h = ownerOf(handler, &impl);
  if (!h) return 0;
  Capture& cap = impl->capture;
  bool root = h->head.level == (h->initLevel < 0 ? h->initLevel : 0);

  if (root) {
    size_t begin = 0, end = 0;
    const char* doc = nullptr;
    bool span = tagSpan(impl, &doc, &begin, &end);
    if (h->initLevel >= 0) {
      cap.fromDocument = span;
      cap.doc = doc;
      cap.spanBegin = begin;
    }
    cap.rootInsertAt = begin + 1 + sv(qName).size();  // after "<qname"
  }

  cap.declaredMarks.push_back(cap.declared.size());
  // The reader's counts where it has them: plain attributes may then come
  // without their NULs.
  const auto* names = reinterpret_cast<const char* const*>(attrs);
  const uint32_t* lengths = impl->reader ? impl->reader->attrLengths(names) : nullptr;
  for (pxrt::AttributeTexts a(names, lengths); !a.done(); a.next()) {
    std::string_view an = a.name();
    if (an == "xmlns") cap.declared.push("");
    else if (an.substr(0, 6) == "xmlns:") cap.declared.push(an.substr(6));
  }
  auto inside = [&cap](std::string_view prefix) { return declaredInside(cap, prefix); };
  notePrefixUse(impl, prefixOf(qName), true, inside);
  for (pxrt::AttributeTexts a(names, lengths); !a.done(); a.next()) {
    std::string_view an = a.name();
    if (!pxrt::isDeclarationName(an)) notePrefixUse(impl, pxrt::namePrefix(an), false, inside);
  }
  // A whole element copied from the document needs none of the events
  // inside it: the reader passes over them, telling only the prefixes used.
  if (root && h->initLevel >= 0 && cap.fromDocument && impl->reader) impl->reader->holdCapture();

  if (!cap.fromDocument) {
    cap.text += '<';
    cap.text += sv(qName);
    if (root) cap.rootInsert = cap.text.size();
    for (pxrt::AttributeTexts a(names, lengths); !a.done(); a.next()) {
      cap.text += ' ';
      cap.text += a.name();
      cap.text += "=\"";
      pxrt::appendEscaped<pxrt::attrEscape>(cap.text, a.value());
      cap.text += '"';
    }
    cap.text += '>';
    cap.startOpen = true;
  }
  h->head.level++;
  return 0;
}

int SAXAnyEndElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName) {
  RtContextImpl* impl = nullptr;
  RtSaxAnyHandler* h = ownerOf(handler, &impl);
  if (!h) return 0;
  Capture& cap = impl->capture;
  h->head.level--;
  int rootLevel = h->initLevel < 0 ? h->initLevel : 0;
  // Where this end tag lies matters only where the capture ends.
  size_t begin = 0, end = 0;
  const char* doc = nullptr;
  bool span = h->head.level <= rootLevel && cap.fromDocument && tagSpan(impl, &doc, &begin, &end);
  if (h->head.level < rootLevel) return finish(h, impl, begin);  // the enclosing element ended

  if (!cap.fromDocument) {
    // An element with no content is written in its short form.
    if (cap.startOpen) {
      cap.text.back() = '/';
      cap.text += '>';
    } else {
      cap.text += "</";
      cap.text += sv(qName);
      cap.text += '>';
    }
    cap.startOpen = false;
  }
  if (!cap.declaredMarks.empty()) {
    cap.declared.truncate(cap.declaredMarks.back());
    cap.declaredMarks.pop_back();
  }
  if (h->head.level == rootLevel) {
    if (cap.fromDocument) {
      // Straight after the text inserted for earlier top-level elements.
      const size_t before = cap.insertText.size();
      rootDecls(cap, cap.insertText);
      if (cap.insertText.size() != before) cap.inserts.emplace_back(cap.rootInsertAt, cap.insertText.size());
    } else {
      cap.rootDecls.clear();
      rootDecls(cap, cap.rootDecls);
      cap.text.insert(cap.rootInsert, cap.rootDecls);
    }
    if (h->initLevel >= 0) return finish(h, impl, span ? end : 0);
  }
  return 0;
}

int SAXAnyCharacters(void* handler, const OSUTF8CHAR* text, int len) {
  RtContextImpl* impl = nullptr;
  RtSaxAnyHandler* h = ownerOf(handler, &impl);
  if (!h || len <= 0) return 0;
  impl->capture.startOpen = false;
  if (impl->capture.fromDocument) return 0;  // copied with the element's span
  pxrt::appendEscaped<pxrt::textEscape>(impl->capture.text,
                                        std::string_view(reinterpret_cast<const char*>(text), len));
  return 0;
}

}  // extern "C"
