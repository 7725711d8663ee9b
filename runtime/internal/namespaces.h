// Namespace scopes shared by encoding and decoding, and the URI table whose
// positions are the namespace indices of the schema tables.
#ifndef PXRT_INTERNAL_NAMESPACES_H
#define PXRT_INTERNAL_NAMESPACES_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "internal/text_set.h"

namespace pxrt {

// "xmlns" or "xmlns:..." (a declaration), byte by byte: no call, and no
// byte read past the end of a shorter name.
inline bool isDeclarationName(const char* name) {
  return name[0] == 'x' && name[1] == 'm' && name[2] == 'l' && name[3] == 'n' && name[4] == 's' &&
         (name[5] == 0 || name[5] == ':');
}
inline bool isDeclarationName(std::string_view name) {
  return name.substr(0, 5) == "xmlns" && (name.size() == 5 || name[5] == ':');
}

struct Binding {
  std::string prefix;  // "" for the default namespace
  std::string uri;     // "" undeclares the default namespace
  int index;           // position of uri in the URI table, -1 when absent
  uint64_t indexTable = 0;  // the installed table index was found in
  // The binding as attribute text (` xmlns:p="uri"`), escaped, made on first
  // use: a capture of a foreign element declares its prefixes again on the
  // captured root, and a document's bindings serve many captures.
  const std::string& declaration() const;
  mutable std::string declarationText;
  uint64_t serial = 0;  // unique to each binding made: a slot bound again is another binding
  size_t position = 0;  // of its slot among the bindings: slots stay where they are
  // Kept by the prefix index of Namespaces while the binding is indexed.
  uint32_t prefixHash = 0;
  uint32_t nextInBucket = 0;  // position + 1 of the next older binding of its bucket; 0: none
  uint32_t uriHash = 0;
  uint32_t nextInUriBucket = 0;  // the same by URI
};

class Namespaces {
 public:
  Namespaces();

  void setTable(const char* const* uris, int n);
  int indexOf(std::string_view uri) const;

  void push() { scopes_.push_back(static_cast<uint32_t>(count_)); }
  // Answers of find() stay good while no binding goes: a scope that bound
  // nothing (most encoded elements) leaves them.
  void pop() {
    if (scopes_.empty()) return;
    if (count_ != scopes_.back()) ++generation_;
    count_ = scopes_.back();
    scopes_.pop_back();
    if (indexed_ > count_) unindexFrom(count_);
  }
  size_t depth() const { return scopes_.size(); }
  void truncate(size_t depth);  // pop scopes until depth remain

  // Bind in the innermost scope (a scope is opened if none is).
  void bind(std::string_view prefix, std::string_view uri);
  // Innermost binding of a prefix; null when unbound. The answers the
  // start tag's own prefix and the recent lookups give are inline: every
  // prefixed element is resolved by the reader, and again by its handlers.
  const Binding* find(std::string_view prefix) const {
    if (prefix.data() == startPrefix_ && startPrefix_ && prefix.size() == startPrefixLength_) return startBinding_;
    const size_t n = prefix.size();
    if (n > kCachedPrefix) return search(prefix, nullptr);
    Lookup* slot = &lookups_[(n + (n ? static_cast<unsigned char>(prefix[0]) : 0u)) % kLookups];
    if (slot->generation == generation_ && slot->length == n) {
      size_t i = 0;  // prefixes are a few bytes: no call
      while (i < n && slot->prefix[i] == prefix[i]) ++i;
      if (i == n) return slot->result;
    }
    return search(prefix, slot);
  }
  // The same for a prefix text that may be a binding's own, as
  // rtXmlNSGetPrefix hands it out and encoders pass it back element after
  // element: a binding's text changes only with the generation, so the last
  // answer for such an address holds until then.
  const Binding* findHandedOut(std::string_view prefix) const;
  // The prefix of the start tag being dispatched, as the reader resolved it
  // (the text at its very address): the handlers and a capture ask for that
  // prefix again, at that address, while the tag is dispatched, and get the
  // answer without a search. Cleared when the dispatch ends and by bind().
  void setStartPrefix(std::string_view prefix, const Binding* b) {
    startPrefix_ = prefix.data();
    startPrefixLength_ = prefix.size();
    startBinding_ = b;
  }
  void clearStartPrefix() { startPrefix_ = nullptr; }
  // The namespace index of unprefixed names: the default namespace's, or
  // RT_NS_NONE outside any (-2). Most elements of a document are unprefixed
  // and each is resolved by its handler: the answer is kept while no binding
  // and no URI table changes.
  int defaultIndex() const {
    if (defaultGeneration_ == generation_ && defaultTable_ == tableGeneration_) return defaultIndex_;
    return findDefaultIndex();
  }
  // Whether a binding's URI is the given NUL-terminated text.
  bool hasUri(const Binding& b, const char* uri) const;
  // Whether it is, and stays so until the generation changes: the URI is
  // one of the built-in constants, found at its place in the table.
  bool hasConstantUri(const Binding& b, const char* uri) const;
  // Changes whenever the bindings in force change.
  uint64_t generation() const { return generation_; }
  // Prefix in force for a URI, not shadowed by an inner binding; null if none.
  const std::string* prefixFor(std::string_view uri) const;
  // The same for a NUL-terminated URI, remembering recent answers: encoders
  // ask it for the same few namespaces at every element with children.
  const std::string* prefixFor(const char* uri) const;
  // Tells prefixFor(uri) its answer, known to the caller: b is the binding
  // just made for uri, and no other binding in force names uri or b's
  // prefix. findHandedOut then knows the text it hands out.
  void notePrefixFor(const char* uri, const Binding* b) const {
    uriSlot(uri) = UriLookup{generation_, uri, b};
    ownText_ = b->prefix.data();
    ownTextLength_ = b->prefix.size();
    ownTextGeneration_ = generation_;
    ownTextResult_ = b;
  }
  // The bindings in force, outermost first.
  size_t inForce() const { return count_; }
  // Bindings in force before the scope at `depth` was opened (all of them
  // when no such scope is open).
  size_t inForceBefore(size_t depth) const { return depth < scopes_.size() ? scopes_[depth] : count_; }
  // Whether one of the bindings in force from position `from` on binds the
  // prefix: the declarations of the innermost elements, mostly none.
  bool boundFrom(std::string_view prefix, size_t from) const {
    if (count_ <= from + kWalkedBindings) {
      for (size_t i = count_; i > from; --i)
        if (entry(i - 1).prefix == prefix) return true;
      return false;
    }
    const Binding* b = find(prefix);  // the innermost binding is there if any is
    return b && b->position >= from;
  }
  const Binding& binding(size_t i) const { return entry(i); }

  void clear();

 private:
  // Each binding has a block of its own, so that its address stays while
  // scopes grow and the prefix texts handed out by rtXmlNSGetPrefix stay
  // valid until their scope is popped; reaching binding i is one load. The
  // first count_ bindings are in force; the others are kept for reuse, so
  // that binding the same declarations document after document allocates
  // nothing.
  const Binding* bindingFor(std::string_view uri) const;
  struct Lookup;
  // find() past its recent answers; the answer is kept in slot, if any.
  const Binding* search(std::string_view prefix, Lookup* slot) const;

  Binding& entry(size_t i) const { return *bindings_[i]; }
  std::vector<std::unique_ptr<Binding>> bindings_;
  size_t count_ = 0;
  // Past a few bindings in force, a prefix is found through a hash index of
  // them rather than by a walk: a document may bind thousands of prefixes
  // and use each, and walking for every use would take time quadratic in
  // its size. The index covers the first indexed_ bindings (never more than
  // are in force), made when a search needs it. Bindings come and go in
  // stack order, so each bucket lists its bindings innermost first, and a
  // binding that goes is the head of its bucket.
  static constexpr size_t kWalkedBindings = kWalkedTexts;
  mutable std::vector<uint32_t> buckets_;  // position + 1 of each bucket's innermost binding; 0: none
  mutable std::vector<uint32_t> uriBuckets_;  // the same by URI, for the prefix of a namespace
  mutable size_t indexed_ = 0;
  const Binding* indexedSearch(std::string_view prefix) const;
  void indexUpTo(size_t n) const;
  void unindexFrom(size_t n);
  // Recent answers of find(), each valid in the generation of bindings it
  // was made in. Children of one element mostly use one or two prefixes
  // (tns:, dm:, rpid:...), looked up by the reader and again by the
  // handlers: a few slots by length and first byte answer nearly all.
  struct Lookup {
    uint64_t generation = 0;
    uint8_t length = 0;
    char prefix[15];
    const Binding* result = nullptr;
  };
  static constexpr size_t kLookups = 8;
  static constexpr size_t kCachedPrefix = sizeof(Lookup::prefix);
  // Recent answers of prefixFor(const char*), by the address of the URI asked
  // for, each valid in the generation it was made in and for the URI text it
  // answered (checked: the text at an address may change).
  struct UriLookup {
    uint64_t generation = 0;
    const char* uri = nullptr;
    const Binding* result = nullptr;
  };
  static constexpr size_t kUriLookups = 4;
  mutable UriLookup uriLookups_[kUriLookups];
  UriLookup& uriSlot(const char* uri) const {
    return uriLookups_[(reinterpret_cast<uintptr_t>(uri) >> 3) % kUriLookups];
  }
  // The last answer of findHandedOut for a binding's own text.
  mutable const char* ownText_ = nullptr;
  mutable size_t ownTextLength_ = 0;
  mutable uint64_t ownTextGeneration_ = 0;
  mutable const Binding* ownTextResult_ = nullptr;
  const char* startPrefix_ = nullptr;
  size_t startPrefixLength_ = 0;
  const Binding* startBinding_ = nullptr;
  uint64_t generation_ = 1;
  uint64_t nextSerial_ = 1;
  mutable Lookup lookups_[kLookups];
  int findDefaultIndex() const;  // defaultIndex when the kept answer no longer holds
  mutable uint64_t defaultGeneration_ = 0;  // of the binding generation and
  mutable uint64_t defaultTable_ = 0;       // the table the answer holds for
  mutable int defaultIndex_ = 0;
  size_t used_ = 0;  // most bindings in force since the last clear
  // Whether a binding since the last clear had texts long enough for it, or
  // its declaration, to hold more than clear() keeps (escaping makes a
  // declaration at most about six times its texts).
  static constexpr size_t kLongTexts = 128;
  bool longTexts_ = false;
  std::vector<uint32_t> scopes_;  // first binding of each scope
  const char* const* table_;
  uint64_t tableGeneration_ = 0;  // counts the tables installed
  bool tableBuiltIn_ = false;     // the installed table holds the built-in URIs
  int tableSize_;
  std::vector<size_t> tableLengths_;
};

// The URI table of the presence schemas, used for decoding on a context that
// never installed a table of its own.
extern const char* const kDefaultUriTable[];
extern const int kDefaultUriTableSize;

}  // namespace pxrt

#endif
