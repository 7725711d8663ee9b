// Compares two namespace-aware trees (support/xml_tree.h) for what the
// second loses or changes of the first: elements by local name and
// namespace URI, attributes likewise, texts as values of their types.
// Prefixes, namespace declarations, comments and processing instructions
// are not compared, nor is whitespace-only text between elements. Children
// are matched by name whatever their order, since writers put content in
// schema order. Additions are reported too, apart from losses.
#ifndef PX_TESTS_SUPPORT_XML_COMPARE_H
#define PX_TESTS_SUPPORT_XML_COMPARE_H

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/xml_tree.h"

namespace pxtest::xml {

// How two lexical forms of one value compare.
enum class ValueKind {
  Exact,     // character for character
  Collapse,  // after whitespace collapsing (URIs, tokens, identifiers, enumerations)
  Boolean,   // "1" equals "true", "0" equals "false"
  Integer,   // "+05" equals "5"
  Decimal,   // "1.00" equals "1"
  DateTime,  // the same instant: "2005-05-30T22:00:29+02:00" equals "2005-05-30T20:00:29Z"
  XPath,     // the same selector text, whose prefixes (and the default namespace, for unprefixed
             // names) are bound to the same URIs around both attributes
};

std::string collapseWhitespace(const std::string& s);
// Forms that do not parse as the kind are compared collapsed; XPath texts
// compare exactly (their bindings are checked by bindingChange).
bool sameValue(ValueKind kind, const std::string& a, const std::string& b);
// How the namespaces an XPath selector uses differ between two scopes,
// empty when they do not.
std::string bindingChange(const std::string& selector, const std::map<std::string, std::string>& before,
                          const std::map<std::string, std::string>& after);

// What the comparer knows of an element's type. Unset members leave texts
// and attributes compared exactly and children untyped.
struct Typing {
  ValueKind text = ValueKind::Exact;
  std::function<ValueKind(const Attribute&)> attribute;
  std::function<Typing(const Element&)> child;
};

struct TreeDifference {
  enum class What {
    MissingElement,
    MissingAttribute,
    MissingText,
    ChangedAttribute,
    ChangedText,
    AddedElement,
    AddedAttribute,
    AddedText,
  };
  What what;
  std::string path;  // "/pidf:presence/pidf:tuple[2]/pidf:note", attributes end in "/@name"
  std::string expected;
  std::string actual;
  bool isLoss() const { return what < What::AddedElement; }
};

struct CompareOptions {
  // Namespace URI -> prefix used in paths; elements of other namespaces
  // appear by local name alone.
  std::map<std::string, std::string> aliases;
};

std::vector<TreeDifference> compareTrees(const Element& expected, const Element& actual, const Typing& typing,
                                         const CompareOptions& options = {});

std::string describe(const TreeDifference& d);

}  // namespace pxtest::xml

#endif
