#include "child_index.h"

#include "namespaces.h"

namespace pxp {
namespace {

// Local names and values hold no NUL: the parts of a key cannot run into
// each other, and a key by name alone (no NUL) differs from every key by
// attribute (two).
std::string keyOf(std::string_view local, std::string_view attribute, std::string_view value) {
  std::string key(local);
  if (attribute.empty()) return key;
  key += '\0';
  key += attribute;
  key += '\0';
  key += value;
  return key;
}

const ChildIndex::Nodes kNone;

pugi::xml_node nextElement(pugi::xml_node n) {
  while (n && n.type() != pugi::node_element) n = n.next_sibling();
  return n;
}

pugi::xml_node previousElement(pugi::xml_node n) {
  while (n && n.type() != pugi::node_element) n = n.previous_sibling();
  return n;
}

}  // namespace

// The keys a child is found by: its local name; for each attribute, its
// local name and value under the child's local name and under any name.
template <typename Visit>
void ChildIndex::forEachKey(pugi::xml_node child, Visit visit) {
  std::string_view local = splitQName(child.name()).local;
  visit(keyOf(local, {}, {}));
  for (pugi::xml_attribute a = child.first_attribute(); a; a = a.next_attribute()) {
    if (isNamespaceDeclaration(a)) continue;
    std::string_view attribute = splitQName(a.name()).local;
    if (attribute.empty()) continue;
    visit(keyOf(local, attribute, a.value()));
    visit(keyOf({}, attribute, a.value()));
  }
}

void ChildIndex::enter(Keys& keys, pugi::xml_node child) {
  if (child.type() != pugi::node_element) return;
  // Two attributes of one child with the same local name and value give
  // one key: the child is listed once.
  forEachKey(child, [&](std::string key) { keys[std::move(key)].insert(child.internal_object()); });
}

void ChildIndex::leave(Keys& keys, pugi::xml_node child) {
  if (child.type() != pugi::node_element) return;
  forEachKey(child, [&](const std::string& key) {
    auto found = keys.find(key);
    if (found == keys.end()) return;
    found->second.erase(child.internal_object());
    if (found->second.empty()) keys.erase(found);
  });
}

ChildIndex::Keys* ChildIndex::indexOf(pugi::xml_node parent) {
  auto found = parents_.find(parent.internal_object());
  return found == parents_.end() ? nullptr : &found->second;
}

#ifdef PX_SELF_CHECKS
namespace {

// Fuzzing and sanitizer builds check every answer against a walk of the
// children, and stop at the first that differs.
bool hasKey(pugi::xml_node child, std::string_view local, std::string_view attribute, std::string_view value) {
  if (child.type() != pugi::node_element) return false;
  if (!local.empty() && splitQName(child.name()).local != local) return false;
  if (attribute.empty()) return true;
  for (pugi::xml_attribute a = child.first_attribute(); a; a = a.next_attribute())
    if (!isNamespaceDeclaration(a) && splitQName(a.name()).local == attribute && value == a.value()) return true;
  return false;
}

void checkCandidates(pugi::xml_node parent, std::string_view local, std::string_view attribute, std::string_view value,
                     const ChildIndex::Nodes& found) {
  size_t walked = 0;
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
    if (!hasKey(c, local, attribute, value)) continue;
    ++walked;
    if (!found.count(c.internal_object())) __builtin_trap();
  }
  if (walked != found.size()) __builtin_trap();
}

void checkElementAt(pugi::xml_node parent, uint64_t position, pugi::xml_node found) {
  pugi::xml_node c = parent.first_child();
  for (uint64_t at = 0; c; c = c.next_sibling())
    if (c.type() == pugi::node_element && ++at == position) break;
  if (c != found) __builtin_trap();
}

}  // namespace
#endif

const ChildIndex::Nodes* ChildIndex::candidates(pugi::xml_node parent, std::string_view local,
                                                std::string_view attribute, std::string_view value) {
  if (walks_.empty() && parents_.empty()) return nullptr;  // a small document: nothing walked is large
  Keys* keys = indexOf(parent);
  if (!keys) {
    auto walks = walks_.find(parent.internal_object());
    if (walks == walks_.end() || walks->second < kWalksBeforeIndex) return nullptr;
    walks_.erase(walks);
    keys = &parents_[parent.internal_object()];
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) enter(*keys, c);
  }
  auto found = keys->find(keyOf(local, attribute, value));
  const Nodes* nodes = found == keys->end() ? &kNone : &found->second;
#ifdef PX_SELF_CHECKS
  checkCandidates(parent, local, attribute, value, *nodes);
#endif
  return nodes;
}

bool ChildIndex::elementAt(pugi::xml_node parent, uint64_t position, pugi::xml_node* found, uint64_t* visits) {
  if (parent.type() != pugi::node_element || position == 0) return false;
  if (cursor_.parent != parent) {
    if (!walks_.count(parent.internal_object()) && !indexOf(parent)) return false;
    cursor_ = Cursor{parent, {}, 0};
  }
  // From the cursor, or from the first child when that is nearer.
  pugi::xml_node n = cursor_.node;
  uint64_t at = cursor_.position;
  if (!n || (position < at && position - 1 < at - position)) {
    n = parent.first_child();
    for (; n && n.type() != pugi::node_element; n = n.next_sibling()) ++*visits;
    at = 1;
  }
  // Every sibling passed counts, text and comments between the elements too.
  while (n && at < position) {
    do {
      n = n.next_sibling();
      ++*visits;
    } while (n && n.type() != pugi::node_element);
    ++at;
  }
  while (n && at > position) {
    do {
      n = n.previous_sibling();
      ++*visits;
    } while (n && n.type() != pugi::node_element);
    --at;
  }
  if (n) cursor_ = Cursor{parent, n, at};
  *found = n;
#ifdef PX_SELF_CHECKS
  checkElementAt(parent, position, n);
#endif
  return true;
}

void ChildIndex::walked(pugi::xml_node parent, size_t children) {
  if (children >= kIndexedFrom && parent.type() == pugi::node_element && !indexOf(parent))
    ++walks_[parent.internal_object()];
}

void ChildIndex::cursorInserted(pugi::xml_node node) {
  if (!cursor_.node || node.parent() != cursor_.parent || node.type() != pugi::node_element) return;
  if (nextElement(node.next_sibling()) == cursor_.node) ++cursor_.position;
  else if (previousElement(node.previous_sibling()) != cursor_.node) cursor_.node = {};  // position unknown
}

void ChildIndex::cursorRemoving(pugi::xml_node node) {
  if (!cursor_.parent) return;
  if (node.parent() != cursor_.parent) {
    // An element above the cursor's parent takes it along.
    for (pugi::xml_node n = cursor_.parent; n; n = n.parent())
      if (n == node) {
        cursor_ = Cursor{};
        return;
      }
    return;
  }
  if (!cursor_.node || node.type() != pugi::node_element) return;
  if (node == cursor_.node) {
    cursor_.node = previousElement(node.previous_sibling());
    --cursor_.position;
  } else if (nextElement(node.next_sibling()) == cursor_.node) {
    --cursor_.position;
  } else if (previousElement(node.previous_sibling()) != cursor_.node) {
    cursor_.node = {};  // somewhere else: the position of the cursor is unknown
  }
}

void ChildIndex::inserted(pugi::xml_node node) {
  cursorInserted(node);
  if (Keys* keys = indexOf(node.parent())) enter(*keys, node);
}

// The indices of the elements at and below node: their storage is about to
// be reused.
void ChildIndex::forgetBelow(pugi::xml_node node) {
  if ((parents_.empty() && walks_.empty()) || node.type() != pugi::node_element) return;
  for (pugi::xml_node n = node;;) {
    parents_.erase(n.internal_object());
    walks_.erase(n.internal_object());
    if (pugi::xml_node child = nextElement(n.first_child())) {
      n = child;
      continue;
    }
    // On to the next element after n's subtree, within node's.
    for (;;) {
      if (n == node) return;
      if (pugi::xml_node sibling = nextElement(n.next_sibling())) {
        n = sibling;
        break;
      }
      n = n.parent();
    }
  }
}

void ChildIndex::remove(pugi::xml_node node) {
  cursorRemoving(node);
  if (Keys* keys = indexOf(node.parent())) leave(*keys, node);
  forgetBelow(node);
  node.parent().remove_child(node);
}

// Attribute changes: the element leaves its parent's index under its old
// keys and enters it under its new ones.
template <typename Change>
void ChildIndex::changeAttributes(pugi::xml_node element, Change change) {
  Keys* keys = indexOf(element.parent());
  if (keys) leave(*keys, element);
  change();
  if (keys) enter(*keys, element);
}

void ChildIndex::appendAttribute(pugi::xml_node element, const char* name, const char* value) {
  changeAttributes(element, [&] { element.append_attribute(name).set_value(value); });
}

void ChildIndex::setValue(pugi::xml_node element, pugi::xml_attribute attribute, const char* value) {
  changeAttributes(element, [&] { attribute.set_value(value); });
}

void ChildIndex::removeAttribute(pugi::xml_node element, pugi::xml_attribute attribute) {
  changeAttributes(element, [&] { element.remove_attribute(attribute); });
}

}  // namespace pxp
