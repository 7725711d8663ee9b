// libxml2: a tree and a walk of it (what SIP servers' presence modules do),
// SAX2 with handlers that do nothing, and serialising a tree. The parsers
// keep one parser context (and so one name dictionary) from document to
// document, as our decoder keeps its context.
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstring>

#include "operation.h"

namespace pxpeers {
namespace {

constexpr int kOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

// Every element, attribute and text node below and including root, in
// document order. Iterative: depth does not matter.
template <typename Visitor>
void visitTree(const xmlNode* root, Visitor& visit) {
  const xmlNode* node = root;
  while (node) {
    if (node->type == XML_ELEMENT_NODE) {
      visit.element(node);
      for (const xmlAttr* a = node->properties; a; a = a->next) visit.attribute(a);
    } else if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
      visit.text(node);
    }
    if (node->type == XML_ELEMENT_NODE && node->children) {
      node = node->children;
      continue;
    }
    while (node && node != root && !node->next) node = node->parent;
    node = (node && node != root) ? node->next : nullptr;
  }
}

// The walk that is timed: each name, namespace and value is read (its first
// byte), as a consumer looking for what it knows does, without the use it
// then makes of a value.
struct Touch {
  unsigned sum = 0;
  static unsigned first(const xmlChar* text) { return text ? text[0] : 0; }
  void element(const xmlNode* n) { sum += first(n->name) + (n->ns ? first(n->ns->href) : 0); }
  void attribute(const xmlAttr* a) { sum += first(a->name) + (a->children ? first(a->children->content) : 0); }
  void text(const xmlNode* n) { sum += first(n->content); }
};

size_t length(const xmlChar* text) { return text ? std::strlen(reinterpret_cast<const char*>(text)) : 0; }

struct Count {
  Tally t;
  void element(const xmlNode* n) {
    ++t.elements;
    t.nameBytes += length(n->name);
  }
  void attribute(const xmlAttr* a) {
    ++t.attributes;
    t.nameBytes += length(a->name);
    for (const xmlNode* v = a->children; v; v = v->next) t.attributeBytes += length(v->content);
  }
  void text(const xmlNode* n) { t.textBytes += length(n->content); }
};

class ParserContext {
 public:
  ParserContext() : ctxt_(xmlNewParserCtxt()) {}
  ~ParserContext() {
    if (ctxt_) xmlFreeParserCtxt(ctxt_);
  }
  ParserContext(const ParserContext&) = delete;
  ParserContext& operator=(const ParserContext&) = delete;
  xmlParserCtxtPtr get() const { return ctxt_; }

 private:
  xmlParserCtxtPtr ctxt_;
};

// The tree of one document is kept until the next is parsed, for tally().
class TreeAndWalk : public Operation {
 public:
  ~TreeAndWalk() override {
    if (tree_) xmlFreeDoc(tree_);
  }
  bool prepare(const std::string& doc) override {
    doc_ = &doc;
    return ctxt_.get() != nullptr;
  }
  bool run() override {
    if (tree_) xmlFreeDoc(tree_);
    tree_ = xmlCtxtReadMemory(ctxt_.get(), doc_->data(), static_cast<int>(doc_->size()), nullptr, "UTF-8", kOptions);
    if (!tree_) return false;
    Touch touch;
    visitTree(xmlDocGetRootElement(tree_), touch);
    touched_ += touch.sum;
    return true;
  }
  Tally tally() const override {
    Count count;
    if (tree_) visitTree(xmlDocGetRootElement(tree_), count);
    return count.t;
  }

 private:
  ParserContext ctxt_;
  const std::string* doc_ = nullptr;
  xmlDocPtr tree_ = nullptr;
  unsigned touched_ = 0;  // keeps the walk from being optimised away
};

void onStart(void*, const xmlChar*, const xmlChar*, const xmlChar*, int, const xmlChar**, int, int,
             const xmlChar**) {}
void onEnd(void*, const xmlChar*, const xmlChar*, const xmlChar*) {}
void onText(void*, const xmlChar*, int) {}

// The parser context's handler table is replaced by one with empty SAX2
// element and text handlers and nothing else, so no tree is built.
class Sax : public Operation {
 public:
  bool prepare(const std::string& doc) override {
    doc_ = &doc;
    if (!ctxt_.get() || !ctxt_.get()->sax) return false;
    xmlSAXHandler sax{};
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = onStart;
    sax.endElementNs = onEnd;
    sax.characters = onText;
    sax.ignorableWhitespace = onText;
    sax.cdataBlock = onText;
    *ctxt_.get()->sax = sax;
    return true;
  }
  bool run() override {
    xmlParserCtxtPtr c = ctxt_.get();
    xmlDocPtr none = xmlCtxtReadMemory(c, doc_->data(), static_cast<int>(doc_->size()), nullptr, "UTF-8", kOptions);
    if (none) xmlFreeDoc(none);
    return c->wellFormed && none == nullptr;
  }

 private:
  ParserContext ctxt_;
  const std::string* doc_ = nullptr;
};

// Serialises the tree parsed from the document into memory it then frees.
class Save : public Operation {
 public:
  ~Save() override {
    if (tree_) xmlFreeDoc(tree_);
  }
  bool prepare(const std::string& doc) override {
    tree_ = xmlReadMemory(doc.data(), static_cast<int>(doc.size()), nullptr, "UTF-8", kOptions);
    return tree_ != nullptr;
  }
  bool run() override {
    xmlChar* text = nullptr;
    int size = 0;
    xmlDocDumpMemory(tree_, &text, &size);
    if (!text) return false;
    xmlFree(text);
    written_ = static_cast<size_t>(size);
    return true;
  }
  size_t written() const override { return written_; }

 private:
  xmlDocPtr tree_ = nullptr;
  size_t written_ = 0;
};

}  // namespace

std::unique_ptr<Operation> makeLibxml2Operation(OpId id) {
  xmlInitParser();
  switch (id) {
    case OpId::Libxml2Tree:
      return std::make_unique<TreeAndWalk>();
    case OpId::Libxml2Sax:
      return std::make_unique<Sax>();
    case OpId::Libxml2Save:
      return std::make_unique<Save>();
    default:
      return nullptr;
  }
}

}  // namespace pxpeers
