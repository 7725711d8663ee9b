// The element children of large elements by local name, and by local name
// and attribute value, kept up to date while a patch changes the tree.
//
// A diff to a resource list's state selects one tuple among thousands by its
// id, operation after operation; walking every child of the root for each
// would make applying it cost operations × children. The index hands the
// selector the few children that can match a step `name[@attr='value']` (or
// a step `name` alone, or `*[@attr='value']`); the selector still checks
// each of them in full, namespaces included, so the index only has to find
// a superset: it goes by local names, as written after any prefix, and by
// the value exactly as the tree holds it.
//
// It is made for an element with many children once a patch has walked
// them a few times (a diff of one operation pays no more than a walk). A
// step `*[n]` goes to the n-th element child from the place the last one
// ended; other steps with a position, and `*` alone, walk the children.
// Candidates come in no particular order: a selector must locate exactly one
// node, so where more than one matches, their order does not matter.
//
// Every change to the tree's elements and attributes goes through the
// index (the calls below), so that none is missed: pugixml reuses the
// storage of removed nodes, and a removed element must leave the index
// before another element can take its place.
#ifndef PXP_CHILD_INDEX_H
#define PXP_CHILD_INDEX_H

#include <pugixml.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace pxp {

class ChildIndex {
 public:
  // Unordered, and each taken out in constant time: the children of one
  // name are most of a large element's.
  using Nodes = std::unordered_set<pugi::xml_node_struct*>;

  // Children of `parent` that may be elements named `local` (empty: any
  // name) with an attribute of local name `attribute` whose value is
  // `value` (`attribute` empty: by name alone). Null when `parent` has not
  // been walked often enough yet (see `walked`): the caller walks them.
  const Nodes* candidates(pugi::xml_node parent, std::string_view local, std::string_view attribute,
                          std::string_view value);

  // The element child of `parent` at `position` (1 first), walked to from
  // where the last such lookup ended, as a diff that replaces the children
  // of the root by position one after another asks for them; null when
  // there is none. False when `parent` has not been found to have many
  // children: the caller walks them. Adds the children walked to *visits.
  bool elementAt(pugi::xml_node parent, uint64_t position, pugi::xml_node* found, uint64_t* visits);

  // The caller walked the children of `parent` itself, and found so many.
  // Only elements walked this way, with many children, get lookups.
  void walked(pugi::xml_node parent, size_t children);

  // Changes to the tree. A node inserted by other means is announced
  // after the fact; `remove` takes a node of any kind, with all below it.
  void inserted(pugi::xml_node node);
  void remove(pugi::xml_node node);
  void appendAttribute(pugi::xml_node element, const char* name, const char* value);
  void setValue(pugi::xml_node element, pugi::xml_attribute attribute, const char* value);
  void removeAttribute(pugi::xml_node element, pugi::xml_attribute attribute);

  // Whether a lookup of the element's children is held.
  bool holdsLookupOf(pugi::xml_node element) const {
    return parents_.count(element.internal_object()) != 0 || cursor_.parent == element;
  }

  // Children an element must have before it is indexed, and the walks of
  // them a patch makes before that: a diff of one or two operations walks
  // the children once or twice, which costs less than indexing them.
  static constexpr size_t kIndexedFrom = 32;
  static constexpr unsigned kWalksBeforeIndex = 3;

 private:
  using Keys = std::unordered_map<std::string, Nodes>;
  Keys* indexOf(pugi::xml_node parent);
  static void enter(Keys& keys, pugi::xml_node child);
  static void leave(Keys& keys, pugi::xml_node child);
  void forgetBelow(pugi::xml_node node);
  template <typename Visit>
  static void forEachKey(pugi::xml_node child, Visit visit);
  template <typename Change>
  void changeAttributes(pugi::xml_node element, Change change);

  std::unordered_map<const void*, Keys> parents_;
  std::unordered_map<const void*, unsigned> walks_;  // of elements with many children, not yet indexed
  // Where the last positional lookup ended: `node` is the element child of
  // `parent` at `position`. Moved along by changes next to it, forgotten
  // by others.
  struct Cursor {
    pugi::xml_node parent, node;
    uint64_t position = 0;
  };
  Cursor cursor_;
  void cursorInserted(pugi::xml_node node);
  void cursorRemoving(pugi::xml_node node);
};

}  // namespace pxp

#endif
