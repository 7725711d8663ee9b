// The runtime's lists and texts from C++: typed ranges over RtDList, items
// appended in the context heap, texts and optional members set.
//
//   for (const tns_tuple& t : px::items(p->tns_tuple)) ...      // the item type as declared
//   for (tns_note& n : px::items<tns_note>(p->tns_note)) ...
//   tns_tuple* t = px::append<tns_tuple>(ctx, p->tns_tuple);  // zero-filled: initialised
//   px::set_text(ctx, t->tns_id, "t1");
//   px::set_optional_text(ctx, *t, TNS_TUPLE_TIMESTAMP, t->tns_timestamp, "2024-05-01T10:00:00Z");
//
// Items and texts come from the context heap, where the record's release
// returns them.
#ifndef PXXML_SIMPLE_CXX_LISTS_HPP
#define PXXML_SIMPLE_CXX_LISTS_HPP

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <type_traits>
#include <utility>

#include "pxxml/rt.h"

namespace px {

namespace detail {

// A list item that becomes a reference to whatever item type the caller
// declares (the lists of the records are untyped); const when the list is.
template <bool Const>
class AnyItem {
 public:
  explicit AnyItem(void* data) noexcept : data_(data) {}
  template <class T, class = std::enable_if_t<!Const || std::is_const_v<T>>>
  operator T&() const noexcept {
    return *static_cast<T*>(data_);
  }

 private:
  void* data_;
};

// Forward iteration over the nodes with data (a null item is skipped).
template <class Item, class Make>
class ListIterator {
 public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = Item;
  using difference_type = std::ptrdiff_t;
  using pointer = void;
  using reference = Item;

  explicit ListIterator(RtDListNode* node = nullptr) noexcept : node_(skip(node)) {}
  Item operator*() const noexcept { return Make{}(node_->data); }
  ListIterator& operator++() noexcept {
    node_ = skip(node_->next);
    return *this;
  }
  ListIterator operator++(int) noexcept {
    ListIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const ListIterator& other) const noexcept { return node_ == other.node_; }
  bool operator!=(const ListIterator& other) const noexcept { return node_ != other.node_; }

 private:
  static RtDListNode* skip(RtDListNode* n) noexcept {
    while (n && !n->data) n = n->next;
    return n;
  }
  RtDListNode* node_;
};

template <bool Const>
struct MakeAny {
  AnyItem<Const> operator()(void* data) const noexcept { return AnyItem<Const>(data); }
};
template <class T>
struct MakeTyped {
  T& operator()(void* data) const noexcept { return *static_cast<T*>(data); }
};

template <class Iterator>
class ListRange {
 public:
  ListRange(RtDListNode* head, uint32_t count) noexcept : head_(head), count_(count) {}
  Iterator begin() const noexcept { return Iterator(head_); }
  Iterator end() const noexcept { return Iterator(); }
  // Nodes in the list (a node without data included).
  uint32_t size() const noexcept { return count_; }
  bool empty() const noexcept { return head_ == nullptr; }

 private:
  RtDListNode* head_;
  uint32_t count_;
};

}  // namespace detail

// The items of a list, each taken as the reference type the loop declares.
inline detail::ListRange<detail::ListIterator<detail::AnyItem<false>, detail::MakeAny<false>>> items(
    RtDList& list) noexcept {
  return {list.head, list.count};
}
inline detail::ListRange<detail::ListIterator<detail::AnyItem<true>, detail::MakeAny<true>>> items(
    const RtDList& list) noexcept {
  return {list.head, list.count};
}
// The items of a list as T (T const for a const list).
template <class T>
detail::ListRange<detail::ListIterator<T&, detail::MakeTyped<T>>> items(RtDList& list) noexcept {
  return {list.head, list.count};
}
template <class T>
detail::ListRange<detail::ListIterator<const T&, detail::MakeTyped<const T>>> items(const RtDList& list) noexcept {
  return {list.head, list.count};
}

// A new zero-filled T (an initialised record) at the end of the list, in the
// context heap; null without memory.
template <class T>
T* append(RtContext* ctxt, RtDList& list) noexcept {
  static_assert(std::is_trivially_copyable_v<T>, "list items are C records");
  auto* item = static_cast<T*>(rtxMemHeapAllocZ(ctxt, sizeof(T)));
  if (item && !rtxDListAppend(ctxt, &list, item)) {
    rtxMemHeapFreePtr(ctxt, item);
    item = nullptr;
  }
  return item;
}

// The text of a value ("" when unset), as a view or as a C string.
inline std::string_view text(const RtXmlString& s) noexcept {
  return s.value ? std::string_view(reinterpret_cast<const char*>(s.value)) : std::string_view();
}
inline const char* c_str(const RtXmlString& s) noexcept {
  return s.value ? reinterpret_cast<const char*>(s.value) : "";
}

// Replace a text with a copy of `value` in the context heap (the former
// text goes back to the heap when it came from there).
inline int set_text(RtContext* ctxt, RtXmlString& s, std::string_view value) noexcept {
  const char* data = value.empty() ? "" : value.data();
  OSUTF8CHAR* copy = rtxUTF8Strndup(ctxt, reinterpret_cast<const OSUTF8CHAR*>(data), value.size());
  if (!copy) return ST_NO_MEMORY;
  rtxMemHeapFreePtr(ctxt, s.value);
  s.value = copy;
  s.cdata = 0;
  return 0;
}

// A new text at the end of a list of texts (foreign elements, MIME types,
// languages); null without memory.
inline RtXmlString* append_text(RtContext* ctxt, RtDList& list, std::string_view value) noexcept {
  auto* s = static_cast<RtXmlString*>(rtxMemHeapAllocZ(ctxt, sizeof(RtXmlString)));
  if (!s) return nullptr;
  if (set_text(ctxt, *s, value) != 0 || !rtxDListAppend(ctxt, &list, s)) {
    rtxMemHeapFreePtr(ctxt, s->value);
    rtxMemHeapFreePtr(ctxt, s);
    return nullptr;
  }
  return s;
}

// Presence bits: the constants TYPE_MEMBER of the headers are the masks.
template <class R>
bool has(const R& record, uint32_t mask) noexcept {
  return (record.present & mask) == mask;
}
template <class R>
void mark(R& record, uint32_t mask) noexcept {
  record.present |= mask;
}
template <class R>
void unmark(R& record, uint32_t mask) noexcept {
  record.present &= ~mask;
}

// An optional member set and marked present: its value, or its text.
template <class R, class M, class V>
M& set_optional(R& record, uint32_t mask, M& member, V&& value) {
  member = std::forward<V>(value);
  mark(record, mask);
  return member;
}
template <class R>
int set_optional_text(RtContext* ctxt, R& record, uint32_t mask, RtXmlString& member, std::string_view value) {
  int status = set_text(ctxt, member, value);
  if (status == 0) mark(record, mask);
  return status;
}

}  // namespace px

#endif
