// A namespace-aware XML tree for tests: elements know their namespace URI
// and local name, attributes likewise, and every element keeps the prefixes
// in scope so that QName values (type="tns:tuple") can be resolved.
// Namespace declarations, comments and processing instructions are not
// part of the tree; adjacent text and CDATA runs are joined. Internal DTD
// entities are expanded, external ones never loaded.
#ifndef PX_TESTS_SUPPORT_XML_TREE_H
#define PX_TESTS_SUPPORT_XML_TREE_H

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pxtest::xml {

inline constexpr const char* kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

struct Attribute {
  std::string ns;  // namespace URI, empty for none
  std::string local;
  std::string prefix;  // as written, for messages
  std::string value;
};

struct Element;

// One piece of content: a text run or an element.
struct Content {
  std::string text;
  std::unique_ptr<Element> element;
  bool isText() const { return !element; }
};

struct Element {
  std::string ns;
  std::string local;
  std::string prefix;
  int line = 0;
  std::vector<Attribute> attributes;
  std::vector<Content> content;
  // prefix -> URI of every declaration in scope; "" is the default namespace.
  std::map<std::string, std::string> scope;

  const Attribute* attribute(const std::string& local, const std::string& ns = "") const;
  // The element children, in order.
  std::vector<const Element*> elements() const;
  // Every text run joined.
  std::string text() const;
  bool hasElementChildren() const;
  // Resolves a QName written in this element's scope; false for an
  // undeclared prefix. An unprefixed name takes the default namespace when
  // `useDefault` is set (element and type references in schemas).
  bool resolve(const std::string& qname, std::string* ns, std::string* local, bool useDefault = true) const;
};

struct Document {
  std::unique_ptr<Element> root;
};

// False with a message (line and reason) when the text is not well-formed.
bool parse(const std::string& text, Document* out, std::string* error);
bool parseFile(const std::string& path, Document* out, std::string* error);

}  // namespace pxtest::xml

#endif
