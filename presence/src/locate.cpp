#include "locate.h"

#include <cstring>
#include <string>
#include <vector>

namespace pxp {
namespace {

bool nameMatches(const NameTest& test, pugi::xml_node element, Scopes& scopes, const RootAlias& alias) {
  if (test.any) return true;
  QName q = splitQName(element.name());
  if (q.local == test.local) {
    const char* uri = scopes.lookup(element, q.prefix);
    if (uri && sameUri(uri, test.uri)) return true;
  }
  // The alias applies to the document element only.
  return alias.uri && element.parent().type() == pugi::node_document && test.local == alias.local &&
         sameUri(test.uri, alias.uri);
}

// Compares the string value of `element` (its descendant text in document
// order) with `literal`, stopping at the first difference.
bool stringValueEquals(pugi::xml_node element, std::string_view literal, Walker& walk) {
  size_t matched = 0;
  pugi::xml_node n = element.first_child();
  while (n) {
    ++walk.visits;
    if (isTextNode(n)) {
      std::string_view v = n.value();
      if (literal.size() - matched < v.size() || literal.compare(matched, v.size(), v) != 0) return false;
      matched += v.size();
    }
    if (n.type() == pugi::node_element && n.first_child()) {
      n = n.first_child();
      continue;
    }
    while (n != element && !n.next_sibling()) n = n.parent();
    if (n == element) break;
    n = n.next_sibling();
  }
  return matched == literal.size();
}

bool predicateHolds(const Predicate& p, pugi::xml_node element, Walker& walk) {
  static const RootAlias kNoAlias;
  switch (p.kind) {
    case PredicateKind::Attribute:
      for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        ++walk.visits;
        if (isNamespaceDeclaration(a)) continue;
        ExpandedName name;
        if (!walk.scopes.attributeName(element, a, &name)) continue;
        if (name.local == p.name.local && sameUri(name.uri, p.name.uri)) return p.literal == std::string_view(a.value());
      }
      return false;
    case PredicateKind::Child:
      for (pugi::xml_node c = element.first_child(); c; c = c.next_sibling()) {
        ++walk.visits;
        if (c.type() == pugi::node_element && nameMatches(p.name, c, walk.scopes, kNoAlias) &&
            stringValueEquals(c, p.literal, walk)) {
          return true;
        }
      }
      return false;
    case PredicateKind::Self:
      return stringValueEquals(element, p.literal, walk);
    case PredicateKind::Position:
      return false;  // applied by position, see applyPredicates
  }
  return false;
}

void applyPredicates(const std::vector<Predicate>& predicates, std::vector<pugi::xml_node>& nodes, Walker& walk) {
  for (const Predicate& p : predicates) {
    if (p.kind == PredicateKind::Position) {
      if (p.position >= 1 && p.position <= nodes.size()) {
        pugi::xml_node kept = nodes[p.position - 1];
        nodes.assign(1, kept);
      } else {
        nodes.clear();
      }
      continue;
    }
    size_t out = 0;
    for (pugi::xml_node n : nodes) {
      if (predicateHolds(p, n, walk)) nodes[out++] = n;
    }
    nodes.resize(out);
  }
}

// The children an index can give for a step: none for a step with a
// position, which needs the children in order; by the first attribute
// predicate, or by name alone.
const ChildIndex::Nodes* indexedChildren(ChildIndex* index, const Step& step, pugi::xml_node parent) {
  if (!index) return nullptr;
  const Predicate* keyed = nullptr;
  for (const Predicate& p : step.predicates) {
    if (p.kind == PredicateKind::Position) return nullptr;
    if (p.kind == PredicateKind::Attribute && !p.name.any && !keyed) keyed = &p;
  }
  if (keyed) return index->candidates(parent, step.name.any ? std::string_view() : step.name.local, keyed->name.local,
                                      keyed->literal);
  return step.name.any ? nullptr : index->candidates(parent, step.name.local, {}, {});
}

// The element a step `*[n]` selects among the children of `parent`, from
// the index's cursor; false when the step has another form or the index
// leaves `parent` to be walked.
bool positionedChild(Walker& walk, const Step& step, pugi::xml_node parent, pugi::xml_node* at) {
  return walk.index && step.name.any && step.predicates.size() == 1 &&
         step.predicates[0].kind == PredicateKind::Position &&
         walk.index->elementAt(parent, step.predicates[0].position, at, &walk.visits);
}

// Children of `parent` of the final kind, one entry per text run; no more
// than `wanted` of them.
void finalChildren(const Selector& sel, pugi::xml_node parent, size_t wanted, std::vector<pugi::xml_node>& out,
                   Walker& walk) {
  for (pugi::xml_node c = parent.first_child(); c && out.size() < wanted; c = c.next_sibling()) {
    ++walk.visits;
    switch (sel.final) {
      case FinalKind::Text:
        if (isTextNode(c)) {
          out.push_back(c);
          // The rest of the run is one text node of the selector's.
          while (c.next_sibling() && isTextNode(c.next_sibling())) {
            ++walk.visits;
            c = c.next_sibling();
          }
        }
        break;
      case FinalKind::Comment:
        if (c.type() == pugi::node_comment) out.push_back(c);
        break;
      case FinalKind::ProcessingInstruction:
        if (c.type() == pugi::node_pi && (!sel.hasTarget || sel.target == c.name())) out.push_back(c);
        break;
      default:
        break;
    }
  }
}

}  // namespace

bool isTextNode(pugi::xml_node node) {
  return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

pugi::xml_node endOfTextRun(pugi::xml_node first) {
  pugi::xml_node last = first;
  while (last.next_sibling() && isTextNode(last.next_sibling())) last = last.next_sibling();
  return last;
}

std::string runText(pugi::xml_node first) {
  std::string text;
  for (pugi::xml_node n = first; n && isTextNode(n); n = n.next_sibling()) text += n.value();
  return text;
}

bool isWhitespaceText(std::string_view text) {
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return false;
  }
  return true;
}

bool isWhitespaceRun(pugi::xml_node first) {
  for (pugi::xml_node n = first; n && isTextNode(n); n = n.next_sibling()) {
    if (!isWhitespaceText(n.value())) return false;
  }
  return true;
}

int locate(const Selector& sel, const pugi::xml_document& doc, Walker& walk, const RootAlias& alias,
           Located* first) {
  Scopes& scopes = walk.scopes;
  std::vector<pugi::xml_node> contexts{doc};
  std::vector<pugi::xml_node> next;
  std::vector<pugi::xml_node> matched;
  for (const Step& step : sel.steps) {
    next.clear();
    for (pugi::xml_node parent : contexts) {
      matched.clear();
      if (pugi::xml_node at; positionedChild(walk, step, parent, &at)) {
        if (at) next.push_back(at);
        continue;
      }
      if (const ChildIndex::Nodes* some = indexedChildren(walk.index, step, parent)) {
        for (pugi::xml_node_struct* c : *some) {
          ++walk.visits;
          if (nameMatches(step.name, pugi::xml_node(c), scopes, alias)) matched.push_back(pugi::xml_node(c));
        }
      } else {
        size_t children = 0;
        for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
          ++children;
          if (c.type() == pugi::node_element && nameMatches(step.name, c, scopes, alias)) matched.push_back(c);
        }
        walk.visits += children;
        if (walk.index) walk.index->walked(parent, children);
      }
      applyPredicates(step.predicates, matched, walk);
      next.insert(next.end(), matched.begin(), matched.end());
    }
    contexts.swap(next);
    if (contexts.empty()) return 0;
  }

  int count = 0;
  auto found = [&](NodeKind kind, pugi::xml_node node, pugi::xml_attribute attribute) {
    if (count++ == 0) *first = Located{kind, node, attribute};
  };
  switch (sel.final) {
    case FinalKind::Element:
      if (sel.steps.empty()) return 0;
      for (pugi::xml_node n : contexts) {
        found(NodeKind::Element, n, {});
        if (count > 1) break;
      }
      return count;
    case FinalKind::Attribute:
      for (pugi::xml_node n : contexts) {
        if (n.type() != pugi::node_element) continue;
        for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
          ++walk.visits;
          if (isNamespaceDeclaration(a)) continue;
          ExpandedName name;
          if (scopes.attributeName(n, a, &name) && name.local == sel.attribute.local &&
              sameUri(name.uri, sel.attribute.uri)) {
            found(NodeKind::Attribute, n, a);
          }
        }
        if (count > 1) break;
      }
      return count;
    case FinalKind::Namespace:
      // Only a declaration written on the element itself can be replaced or
      // removed; an inherited one is reported by the caller.
      for (pugi::xml_node n : contexts) {
        if (n.type() != pugi::node_element) continue;
        if (!scopes.lookup(n, sel.namespacePrefix)) continue;
        pugi::xml_attribute declaration;
        for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
          ++walk.visits;
          std::string_view prefix;
          if (isNamespaceDeclaration(a, &prefix) && !prefix.empty() && prefix == sel.namespacePrefix) declaration = a;
        }
        found(NodeKind::Namespace, n, declaration);
        if (count > 1) break;
      }
      return count;
    default: {
      NodeKind kind = sel.final == FinalKind::Text      ? NodeKind::Text
                      : sel.final == FinalKind::Comment ? NodeKind::Comment
                                                        : NodeKind::ProcessingInstruction;
      for (pugi::xml_node parent : contexts) {
        matched.clear();
        // The one at the position, or two: more are not counted.
        finalChildren(sel, parent, sel.finalPosition ? sel.finalPosition : 2, matched, walk);
        if (sel.finalPosition) {
          if (sel.finalPosition > matched.size()) continue;
          found(kind, matched[sel.finalPosition - 1], {});
        } else {
          for (pugi::xml_node n : matched) found(kind, n, {});
        }
        if (count > 1) break;
      }
      return count;
    }
  }
  return count;
}

}  // namespace pxp
