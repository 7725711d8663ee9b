#include "import.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace pxp {
namespace {

struct Binding {
  std::string_view prefix;
  const char* uri;
};

// Prefixes a copy needs from outside, in first-use order.
struct Needed {
  std::vector<Binding> list;
  std::unordered_set<std::string_view> seen;
};

// Records prefix `p` used at `element` when its binding comes from outside
// the copied subtree (the same declaration as at the subtree's parent).
bool noteUse(pugi::xml_node element, std::string_view p, pugi::xml_node outside, Scopes& scopes,
             Needed& needed, Failure& failure) {
  if (p == "xml") return true;
  const char* here = scopes.lookup(element, p);
  if (!here) {
    return fail(failure, PXP_E_INVALID_NAMESPACE_PREFIX,
                "prefix \"" + std::string(p) + "\" of <" + element.name() + "> is not declared");
  }
  const char* there = outside.type() == pugi::node_element ? scopes.lookup(outside, p) : (p.empty() ? "" : nullptr);
  // The same declaration as outside (no declaration at all counts as one):
  // otherwise it is declared inside the copy and travels with it.
  bool fromOutside = here == there || (there && !*here && !*there);
  if (!fromOutside) return true;
  if (needed.seen.insert(p).second) needed.list.push_back({p, here});
  return true;
}

bool collectNeeded(pugi::xml_node source, Scopes& scopes, Needed& needed, Failure& failure) {
  pugi::xml_node outside = source.parent();
  pugi::xml_node n = source;
  while (n) {
    if (n.type() == pugi::node_element) {
      if (!noteUse(n, splitQName(n.name()).prefix, outside, scopes, needed, failure)) return false;
      for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
        if (isNamespaceDeclaration(a)) continue;
        QName q = splitQName(a.name());
        if (!q.prefix.empty() && !noteUse(n, q.prefix, outside, scopes, needed, failure)) return false;
      }
      if (n.first_child()) {
        n = n.first_child();
        continue;
      }
    }
    while (n != source && !n.next_sibling()) n = n.parent();
    if (n == source) break;
    n = n.next_sibling();
  }
  return true;
}

pugi::xml_node insertCopy(pugi::xml_node source, Placement at) {
  return at.before ? at.parent.insert_copy_before(source, at.before) : at.parent.append_copy(source);
}

}  // namespace

bool importNode(pugi::xml_node source, Scopes& sourceScopes, const Placement& at, Scopes& destScopes,
                pugi::xml_node* copy, Failure& failure) {
  if (source.type() != pugi::node_element) {
    *copy = insertCopy(source, at);
    if (!*copy) return fail(failure, PXP_E_NO_MEMORY, "out of memory copying content");
    return true;
  }
  Needed needed;
  if (!collectNeeded(source, sourceScopes, needed, failure)) return false;
  // Resolve the destination's bindings before the copy changes the tree.
  std::vector<Binding> declare;
  for (const Binding& n : needed.list) {
    const char* bound = at.parent.type() == pugi::node_element ? destScopes.lookup(at.parent, n.prefix)
                                                               : (n.prefix.empty() ? "" : nullptr);
    if (!bound || !sameUri(bound, n.uri)) declare.push_back(n);
  }
  *copy = insertCopy(source, at);
  if (!*copy) return fail(failure, PXP_E_NO_MEMORY, "out of memory copying content");
  for (const Binding& n : declare) {
    std::string name = n.prefix.empty() ? std::string("xmlns") : "xmlns:" + std::string(n.prefix);
    pugi::xml_attribute a = copy->first_attribute() ? copy->insert_attribute_before(name.c_str(), copy->first_attribute())
                                                    : copy->append_attribute(name.c_str());
    a.set_value(n.uri);
  }
  return true;
}

std::string prefixForAttribute(pugi::xml_node element, Scopes& scopes, std::string_view wanted, const char* uri) {
  if (!wanted.empty()) {
    const char* bound = scopes.lookup(element, wanted);
    if (bound && sameUri(bound, uri)) return std::string(wanted);
  }
  std::string prefix = wanted.empty() ? "ns" : std::string(wanted);
  for (int i = 1; scopes.lookup(element, prefix); ++i) prefix = (wanted.empty() ? "ns" : std::string(wanted)) + std::to_string(i);
  element.append_attribute(("xmlns:" + prefix).c_str()).set_value(uri);
  scopes.clear();
  return prefix;
}

}  // namespace pxp
