// pugixml: parse (its default options: entities, line ends, no
// whitespace-only text) and a walk of every element, attribute and text, or
// the parse alone; and saving the parsed document to a string without
// indentation, as our encoder writes. One xml_document and one string are kept from document to
// document. load_buffer copies the caller's bytes first, since our decoder
// leaves its input untouched too.
#include <cstring>
#include <pugixml.hpp>

#include "operation.h"

namespace pxpeers {
namespace {

bool isNamespaceDeclaration(const char* name) {
  return std::strncmp(name, "xmlns", 5) == 0 && (name[5] == 0 || name[5] == ':');
}

Tally walk(const pugi::xml_node& root) {
  Tally t;
  pugi::xml_node node = root;
  while (node) {
    if (node.type() == pugi::node_element) {
      ++t.elements;
      t.nameBytes += std::strlen(node.name());
      for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        if (isNamespaceDeclaration(a.name())) continue;
        ++t.attributes;
        t.nameBytes += std::strlen(a.name());
        t.attributeBytes += std::strlen(a.value());
      }
    } else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
      t.textBytes += std::strlen(node.value());
    }
    if (node.type() == pugi::node_element && node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && node != root && !node.next_sibling()) node = node.parent();
    node = (node && node != root) ? node.next_sibling() : pugi::xml_node();
  }
  return t;
}

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
    if (walk_) tally_ = walk(tree_.document_element());
    return true;
  }
  Tally tally() const override { return tally_; }

 private:
  bool walk_;
  pugi::xml_document tree_;
  const std::string* doc_ = nullptr;
  Tally tally_;
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
