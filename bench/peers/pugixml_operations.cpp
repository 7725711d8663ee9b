// pugixml: parse (its default options: entities, line ends, no
// whitespace-only text) and a walk of every element, attribute and text, or
// the parse alone; and saving the parsed document to a string without
// indentation, as our encoder writes. One xml_document and one string are
// kept from document to document. load_buffer copies the caller's bytes
// first, since our decoder leaves its input untouched too.
#include <cstring>
#include <pugixml.hpp>

#include "operation.h"

namespace pxpeers {
namespace {

bool isNamespaceDeclaration(const char* name) {
  return std::strncmp(name, "xmlns", 5) == 0 && (name[5] == 0 || name[5] == ':');
}

// Every element, attribute and text node below and including root, in
// document order, with as few calls into the library as its interface
// allows (each accessor is a call into the shared library): one type(), one
// first_child() and one next_sibling() a node. Recursive: these documents
// are a few levels deep.
template <typename Visitor>
void visitTree(const pugi::xml_node& element, Visitor& visit) {
  visit.element(element);
  for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) visit.attribute(a);
  for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
    pugi::xml_node_type type = child.type();
    if (type == pugi::node_element)
      visitTree(child, visit);
    else if (type == pugi::node_pcdata || type == pugi::node_cdata)
      visit.text(child);
  }
}

// The walk that is timed: each name and value is read (its first byte), as
// a consumer looking for what it knows does, without the use it then makes
// of a value.
struct Touch {
  unsigned sum = 0;
  void element(const pugi::xml_node& n) { sum += static_cast<unsigned char>(n.name()[0]); }
  void attribute(const pugi::xml_attribute& a) {
    sum += static_cast<unsigned char>(a.name()[0]) + static_cast<unsigned char>(a.value()[0]);
  }
  void text(const pugi::xml_node& n) { sum += static_cast<unsigned char>(n.value()[0]); }
};

struct Count {
  Tally t;
  void element(const pugi::xml_node& n) {
    ++t.elements;
    t.nameBytes += std::strlen(n.name());
  }
  void attribute(const pugi::xml_attribute& a) {
    if (isNamespaceDeclaration(a.name())) return;
    ++t.attributes;
    t.nameBytes += std::strlen(a.name());
    t.attributeBytes += std::strlen(a.value());
  }
  void text(const pugi::xml_node& n) { t.textBytes += std::strlen(n.value()); }
};

class ParseAndWalk : public Operation {
 public:
  explicit ParseAndWalk(bool walk) : walk_(walk) {}
  bool prepare(const std::string& doc) override {
    doc_ = &doc;
    return true;
  }
  bool run() override {
    pugi::xml_parse_result result =
        tree_.load_buffer(doc_->data(), doc_->size(), pugi::parse_default, pugi::encoding_utf8);
    if (!result) return false;
    if (walk_) {
      Touch touch;
      if (pugi::xml_node root = tree_.document_element()) visitTree(root, touch);
      touched_ += touch.sum;
    }
    return true;
  }
  Tally tally() const override {
    Count count;
    if (pugi::xml_node root = tree_.document_element()) visitTree(root, count);
    return count.t;
  }

 private:
  bool walk_;
  pugi::xml_document tree_;
  const std::string* doc_ = nullptr;
  unsigned touched_ = 0;  // keeps the walk from being optimised away
};

class StringWriter : public pugi::xml_writer {
 public:
  explicit StringWriter(std::string& out) : out_(out) {}
  void write(const void* data, size_t size) override { out_.append(static_cast<const char*>(data), size); }

 private:
  std::string& out_;
};

class Save : public Operation {
 public:
  bool prepare(const std::string& doc) override {
    return static_cast<bool>(tree_.load_buffer(doc.data(), doc.size(), pugi::parse_default, pugi::encoding_utf8));
  }
  bool run() override {
    out_.clear();
    StringWriter writer(out_);
    tree_.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return !out_.empty();
  }
  size_t written() const override { return out_.size(); }

 private:
  pugi::xml_document tree_;
  std::string out_;
};

}  // namespace

std::unique_ptr<Operation> makePugixmlOperation(OpId id) {
  switch (id) {
    case OpId::Pugixml:
      return std::make_unique<ParseAndWalk>(true);
    case OpId::PugixmlParseOnly:
      return std::make_unique<ParseAndWalk>(false);
    case OpId::PugixmlSave:
      return std::make_unique<Save>();
    default:
      return nullptr;
  }
}

}  // namespace pxpeers
