// Selectors of patch operations: the restricted XPath of the `sel`
// attribute, parsed into steps, then bound to namespace URIs through the
// patch document's declarations in scope at the operation.
#ifndef PXP_SELECTOR_H
#define PXP_SELECTOR_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pxp {

// A name as written; `uri` is filled by binding (element names without a
// prefix take the default namespace, attribute names none).
struct NameTest {
  bool any = false;  // "*"
  std::string_view prefix;
  std::string_view local;
  const char* uri = "";
};

enum class PredicateKind { Position, Attribute, Child, Self };
struct Predicate {
  PredicateKind kind;
  NameTest name;            // Attribute, Child
  std::string_view literal; // Attribute, Child, Self
  uint64_t position = 0;    // Position
};

struct Step {
  NameTest name;
  std::vector<Predicate> predicates;
};

enum class FinalKind { Element, Text, Comment, ProcessingInstruction, Attribute, Namespace };

struct Selector {
  bool idFunction = false;
  std::vector<Step> steps;  // element steps from the root; the last is the target when final is Element
  FinalKind final = FinalKind::Element;
  uint64_t finalPosition = 0;  // text(), comment(), processing-instruction(): 0 when absent
  bool hasTarget = false;      // processing-instruction('target')
  std::string_view target;
  NameTest attribute;          // @name
  std::string_view namespacePrefix;  // namespace::prefix
};

// Parses `text` (which must outlive the result). `forAdd` selects the add
// form, whose last step cannot be an attribute or a namespace. On failure
// returns false with a description in *why.
bool parseSelector(std::string_view text, bool forAdd, Selector* out, std::string* why);

}  // namespace pxp

#endif
