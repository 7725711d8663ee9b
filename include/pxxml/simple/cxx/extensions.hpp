// Typed access to the foreign elements records keep: each kept element
// (an RtXmlString of self-contained XML in a wildcard list) whose root the
// library knows is decoded with that document's own decoder, and the
// elements its record keeps in turn are decoded the same way.
//
//   for (const px::Extension& e : px::extensions(ctx, presence->tns__any))
//     if (const dm__person* person = e.as<dm__person>())
//       for (const rpid__activities* a : e.extensions().all<px::doc::rpid_activities>()) ...
//
//   px::add_extension(ctx, presence->tns__any, person);   // encoded, with its declarations
//
// An element of another vocabulary stays text (known() is false). The
// views of an Extension look into the list's texts: the record holding the
// list must outlive them. A decoded record is a copy of what the list keeps:
// to change a kept element, add the changed record (and drop the old text).
#ifndef PXXML_SIMPLE_CXX_EXTENSIONS_HPP
#define PXXML_SIMPLE_CXX_EXTENSIONS_HPP

#include <cstring>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "pxxml/simple/cxx/documents.hpp"
#include "pxxml/simple/cxx/errors.hpp"
#include "pxxml/simple/cxx/lists.hpp"
#include "pxxml/simple/cxx/records.hpp"

namespace px {

namespace detail {

// The root element of a text: its local name and the namespace its prefix
// (or the default namespace) is bound to on the element itself, where a
// kept element carries the declarations it uses. Views into the text; the
// URI is empty when undeclared, the name empty when there is no element.
struct RootElement {
  std::string_view local;
  std::string_view uri;
};

inline bool is_space(char c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Position after the XML declaration, processing instructions, comments
// and whitespace before the first element.
inline size_t skip_prolog(std::string_view xml) noexcept {
  size_t i = 0;
  for (;;) {
    while (i < xml.size() && is_space(xml[i])) ++i;
    std::string_view rest = xml.substr(i);
    size_t end = std::string_view::npos;
    if (rest.substr(0, 2) == "<?") end = rest.find("?>"), end = end == rest.npos ? end : end + 2;
    else if (rest.substr(0, 4) == "<!--") end = rest.find("-->"), end = end == rest.npos ? end : end + 3;
    else return i;
    if (end == rest.npos) return xml.size();
    i += end;
  }
}

inline RootElement root_element(std::string_view xml) noexcept {
  RootElement root;
  size_t i = skip_prolog(xml);
  if (i >= xml.size() || xml[i] != '<') return root;
  size_t start = ++i;
  while (i < xml.size() && !is_space(xml[i]) && xml[i] != '>' && xml[i] != '/') ++i;
  std::string_view qname = xml.substr(start, i - start), prefix;
  if (size_t colon = qname.find(':'); colon != qname.npos) prefix = qname.substr(0, colon), qname.remove_prefix(colon + 1);
  root.local = qname;
  while (i < xml.size()) {
    while (i < xml.size() && is_space(xml[i])) ++i;
    if (i >= xml.size() || xml[i] == '>' || xml[i] == '/') break;
    size_t nameStart = i;
    while (i < xml.size() && xml[i] != '=' && !is_space(xml[i]) && xml[i] != '>') ++i;
    std::string_view name = xml.substr(nameStart, i - nameStart);
    while (i < xml.size() && is_space(xml[i])) ++i;
    if (i >= xml.size() || xml[i] != '=') break;
    ++i;
    while (i < xml.size() && is_space(xml[i])) ++i;
    if (i >= xml.size() || (xml[i] != '"' && xml[i] != '\'')) break;
    char quote = xml[i++];
    size_t valueEnd = xml.find(quote, i);
    if (valueEnd == xml.npos) break;
    std::string_view value = xml.substr(i, valueEnd - i);
    i = valueEnd + 1;
    if (prefix.empty() ? name == "xmlns" : name.substr(0, 6) == "xmlns:" && name.substr(6) == prefix) root.uri = value;
  }
  return root;
}

// Index of a namespace URI in the library's table, -1 when not there.
inline int namespace_index(RtContext* ctxt, std::string_view uri) noexcept {
  NamespaceTable* table = PxGet_SIMPLE_NSURI(ctxt);
  for (int i = 0; table && i < PX_NS_COUNT; ++i)
    if (table[i] && uri == reinterpret_cast<const char*>(table[i])) return i;
  return -1;
}

// A document's text without its XML declaration and surrounding whitespace:
// the element alone.
inline std::string_view element_text(std::string_view xml) noexcept {
  xml.remove_prefix(skip_prolog(xml));
  while (!xml.empty() && is_space(xml.back())) xml.remove_suffix(1);
  return xml;
}

// Elements nested deeper than this stay undecoded (ST_TOO_DEEP): every
// level holds its own copy of what it keeps.
constexpr int kMaxExtensionDepth = 32;

}  // namespace detail

class Extension;
class Extensions;
Extension decode_any(RtContext* ctxt, std::string_view text);
template <class T = void, class R>
Extensions extensions(RtContext* ctxt, const R& record);

// The extensions of one list (or of every list of a record), in order.
class Extensions {
 public:
  using iterator = std::vector<Extension>::iterator;
  using const_iterator = std::vector<Extension>::const_iterator;
  iterator begin() noexcept;
  iterator end() noexcept;
  const_iterator begin() const noexcept;
  const_iterator end() const noexcept;
  size_t size() const noexcept;
  bool empty() const noexcept;
  Extension& operator[](size_t i) noexcept;
  const Extension& operator[](size_t i) const noexcept;
  // The records of the extensions decoded as T, in order (this level only).
  template <class T>
  std::vector<const typename document_t<T>::record*> all() const;

 private:
  friend class Extension;
  template <class T, class R>
  friend Extensions extensions(RtContext* ctxt, const R& record);
  friend Extensions extensions(RtContext* ctxt, const RtDList& list);
  void add(RtContext* ctxt, const RtDList& list, int depth);

  std::vector<Extension> items_;
};

class Extension {
 public:
  Extension(Extension&& other) noexcept { *this = std::move(other); }
  Extension& operator=(Extension&& other) noexcept {
    if (this != &other) {
      release();
      ctxt_ = other.ctxt_;
      text_ = other.text_;
      root_ = other.root_;
      document_ = std::exchange(other.document_, nullptr);
      record_ = std::exchange(other.record_, nullptr);
      status_ = other.status_;
      errors_ = std::move(other.errors_);
      nested_ = std::move(other.nested_);
    }
    return *this;
  }
  Extension(const Extension&) = delete;
  Extension& operator=(const Extension&) = delete;
  ~Extension() { release(); }

  // The element as kept, its root's local name and namespace.
  std::string_view text() const noexcept { return text_; }
  std::string_view element() const noexcept { return root_.local; }
  std::string_view namespace_uri() const noexcept { return root_.uri; }
  // The document the library reads this element as; null: it stays text.
  const DocumentInfo* document() const noexcept { return document_; }
  bool known() const noexcept { return document_ != nullptr; }
  // Whether a known element decoded without error (an unknown one is ok).
  bool ok() const noexcept { return status_ == 0; }
  int status() const noexcept { return status_; }
  const Errors& errors() const noexcept { return errors_; }

  // The decoded record when this element is a T (a document tag, or a
  // record type of one document) that decoded without error; else null.
  template <class T>
  const typename document_t<T>::record* as() const noexcept {
    return is<T>() ? static_cast<const typename document_t<T>::record*>(record_) : nullptr;
  }
  template <class T>
  typename document_t<T>::record* as() noexcept {
    return is<T>() ? static_cast<typename document_t<T>::record*>(record_) : nullptr;
  }
  template <class T>
  bool is() const noexcept {
    return document_ == &document_info<document_t<T>> && record_ && status_ == 0;
  }

  // The elements the decoded record keeps, decoded in turn.
  const Extensions& extensions() const noexcept { return nested_; }
  Extensions& extensions() noexcept { return nested_; }

 private:
  friend class Extensions;
  friend Extension decode_any(RtContext* ctxt, std::string_view text);
  Extension() = default;

  static Extension read(RtContext* ctxt, std::string_view text, int depth) {
    Extension e;
    e.ctxt_ = ctxt;
    e.text_ = text;
    e.root_ = detail::root_element(text);
    if ((e.status_ = detail::context_status(ctxt)) != 0) return e;
    int ns = detail::namespace_index(ctxt, e.root_.uri);
    e.document_ = ns >= 0 ? find_document(e.root_.local, ns) : nullptr;
    if (!e.document_) return e;
    if (depth >= detail::kMaxExtensionDepth) {
      e.status_ = ST_TOO_DEEP;
      return e;
    }
    rtxErrReset(ctxt);
    e.record_ = e.document_->create(ctxt);
    e.status_ = e.record_ ? rtxSetInputBuffer(ctxt, text.data(), text.size()) : ST_NO_MEMORY;
    if (e.status_ == 0) e.status_ = e.document_->decode(ctxt, e.record_);
    e.errors_ = Errors::take(ctxt);
    if (e.status_ == 0) {
      struct Visit {
        Extension* owner;
        int depth;
      } visit{&e, depth + 1};
      e.document_->foreign_lists(
          e.record_,
          [](RtDList& list, void* user) {
            auto* v = static_cast<Visit*>(user);
            v->owner->nested_.add(v->owner->ctxt_, list, v->depth);
          },
          &visit);
    }
    return e;
  }

  void release() noexcept {
    nested_.items_.clear();  // they may view texts of this record
    if (record_) document_->destroy(ctxt_, record_);
    record_ = nullptr;
  }

  RtContext* ctxt_ = nullptr;
  std::string_view text_;
  detail::RootElement root_;
  const DocumentInfo* document_ = nullptr;
  void* record_ = nullptr;
  int status_ = 0;
  Errors errors_;
  Extensions nested_;
};

inline Extensions::iterator Extensions::begin() noexcept { return items_.begin(); }
inline Extensions::iterator Extensions::end() noexcept { return items_.end(); }
inline Extensions::const_iterator Extensions::begin() const noexcept { return items_.begin(); }
inline Extensions::const_iterator Extensions::end() const noexcept { return items_.end(); }
inline size_t Extensions::size() const noexcept { return items_.size(); }
inline bool Extensions::empty() const noexcept { return items_.empty(); }
inline Extension& Extensions::operator[](size_t i) noexcept { return items_[i]; }
inline const Extension& Extensions::operator[](size_t i) const noexcept { return items_[i]; }

template <class T>
std::vector<const typename document_t<T>::record*> Extensions::all() const {
  std::vector<const typename document_t<T>::record*> out;
  for (const Extension& e : items_)
    if (auto* r = e.as<T>()) out.push_back(r);
  return out;
}

inline void Extensions::add(RtContext* ctxt, const RtDList& list, int depth) {
  for (const RtXmlString& s : items<RtXmlString>(list)) items_.push_back(Extension::read(ctxt, text(s), depth));
}

// The extensions of one list of kept foreign elements.
inline Extensions extensions(RtContext* ctxt, const RtDList& list) {
  Extensions out;
  out.add(ctxt, list, 0);
  return out;
}

// A document of whatever type the library knows, decoded as its root
// element says, with everything it keeps decoded in turn: an Extension over
// the whole text (which must outlive it).
inline Extension decode_any(RtContext* ctxt, std::string_view text) { return Extension::read(ctxt, text, 0); }

// The extensions of every such list a record holds, at any depth (a tuple's
// status included), in the order of the record. The record's document is
// its type's own or the one named: px::extensions<px::doc::rpid_mood>(ctx, m).
template <class T, class R>
Extensions extensions(RtContext* ctxt, const R& record) {
  using D = document_t<std::conditional_t<std::is_void_v<T>, R, T>>;
  static_assert(std::is_same_v<typename D::record, R>, "the record is not of this document's record type");
  Extensions out;
  D::foreign_lists(record, [&](const RtDList& list) { out.add(ctxt, list, 0); });
  return out;
}

// Add a record to a list of kept foreign elements: encoded as a document of
// its type (px::add_extension<px::doc::rpid_mood>(...) names one), without
// the XML declaration, declaring the namespaces it uses, its text kept in
// the context heap.
template <class T = void, class R>
Status add_extension(RtContext* ctxt, RtDList& list, R& record) {
  Encoded encoded = encode<T>(ctxt, record);
  if (!encoded.ok()) return Status{encoded.status, std::move(encoded.errors)};
  if (!append_text(ctxt, list, detail::element_text(encoded.text))) return Status{ST_NO_MEMORY, {}};
  return Status{};
}

}  // namespace px

#endif
