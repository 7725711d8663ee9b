#include "compare.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <tuple>
#include <vector>

#include "locate.h"

namespace pxp {
namespace {

struct Attribute {
  const char* uri;
  std::string_view local;
  std::string_view value;
  bool operator<(const Attribute& o) const {
    int u = std::strcmp(uri, o.uri);
    if (u != 0) return u < 0;
    return std::tie(local, value) < std::tie(o.local, o.value);
  }
  bool operator==(const Attribute& o) const { return sameUri(uri, o.uri) && local == o.local && value == o.value; }
};

// A significant child: an element, or the text of a run (text pieces that
// only comments or processing instructions separate belong to one run). A
// run of one piece is viewed in place; longer runs are joined in `joined`.
struct Child {
  pugi::xml_node element;
  std::string_view text;
};

void significantChildren(pugi::xml_node parent, std::vector<Child>& out, std::deque<std::string>& joined) {
  out.clear();
  std::string_view first;
  std::string* run = nullptr;
  auto flush = [&] {
    std::string_view text = run ? std::string_view(*run) : first;
    if (!isWhitespaceText(text)) out.push_back({{}, text});
    first = {};
    run = nullptr;
  };
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
    if (isTextNode(c)) {
      std::string_view piece = c.value();
      if (run) run->append(piece);
      else if (first.empty()) first = piece;
      else {
        run = &joined.emplace_back(first);
        run->append(piece);
      }
    } else if (c.type() == pugi::node_element) {
      flush();
      out.push_back({c, {}});
    }
  }
  flush();
}

bool attributesOf(pugi::xml_node e, Scopes& scopes, std::vector<Attribute>& out, Failure& failure) {
  out.clear();
  for (pugi::xml_attribute a = e.first_attribute(); a; a = a.next_attribute()) {
    if (isNamespaceDeclaration(a)) continue;
    ExpandedName name;
    if (!scopes.attributeName(e, a, &name)) {
      return fail(failure, PXP_E_INVALID_DOCUMENT, std::string("the prefix of attribute ") + a.name() + " is not declared");
    }
    out.push_back({name.uri, name.local, a.value()});
  }
  std::sort(out.begin(), out.end());
  return true;
}

std::string pathOf(pugi::xml_node n) {
  std::string path;
  for (; n && n.type() == pugi::node_element; n = n.parent()) {
    int index = 1;
    for (pugi::xml_node s = n.previous_sibling(n.name()); s; s = s.previous_sibling(n.name())) ++index;
    path = "/" + std::string(n.name()) + "[" + std::to_string(index) + "]" + path;
  }
  return path;
}

bool differ(std::string* where, pugi::xml_node at, const std::string& what) {
  if (where) *where = pathOf(at) + ": " + what;
  return false;
}

}  // namespace

bool equalElements(pugi::xml_node a, Scopes& aScopes, pugi::xml_node b, Scopes& bScopes, std::string* where,
                   Failure& failure) {
  std::vector<std::pair<pugi::xml_node, pugi::xml_node>> pending{{a, b}};
  std::vector<Attribute> aAttrs, bAttrs;
  std::vector<Child> aKids, bKids;
  std::deque<std::string> joined;
  while (!pending.empty()) {
    joined.clear();
    auto [x, y] = pending.back();
    pending.pop_back();
    ExpandedName xn, yn;
    if (!aScopes.elementName(x, &xn) || !bScopes.elementName(y, &yn)) {
      if (where) where->clear();
      return fail(failure, PXP_E_INVALID_DOCUMENT,
                  std::string("the prefix of <") + (aScopes.elementName(x, &xn) ? y.name() : x.name()) + "> is not declared");
    }
    if (xn.local != yn.local || !sameUri(xn.uri, yn.uri)) {
      return differ(where, x, "element {" + std::string(xn.uri) + "}" + std::string(xn.local) + " against {" + yn.uri + "}" + std::string(yn.local));
    }
    if (!attributesOf(x, aScopes, aAttrs, failure) || !attributesOf(y, bScopes, bAttrs, failure)) {
      if (where) where->clear();
      return false;
    }
    if (aAttrs != bAttrs) return differ(where, x, "attributes differ");
    significantChildren(x, aKids, joined);
    significantChildren(y, bKids, joined);
    if (aKids.size() != bKids.size()) {
      return differ(where, x, std::to_string(aKids.size()) + " significant children against " + std::to_string(bKids.size()));
    }
    for (size_t i = aKids.size(); i-- > 0;) {
      bool ae = static_cast<bool>(aKids[i].element), be = static_cast<bool>(bKids[i].element);
      if (ae != be) return differ(where, x, "child " + std::to_string(i + 1) + " is an element in one and text in the other");
      if (!ae && aKids[i].text != bKids[i].text) {
        return differ(where, x, "text \"" + std::string(aKids[i].text) + "\" against \"" + std::string(bKids[i].text) + "\"");
      }
      if (ae) pending.emplace_back(aKids[i].element, bKids[i].element);
    }
  }
  return true;
}

}  // namespace pxp
