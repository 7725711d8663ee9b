// Builds the tree with expat in namespace mode: names arrive as
// "uri SEP local SEP prefix", declarations through their own handler just
// before the start tag that carries them.
#include "support/xml_tree.h"

#include <expat.h>

#include <fstream>
#include <sstream>

namespace pxtest::xml {

namespace {

constexpr char kSep = '\x01';  // never part of a name or a URI

void splitName(const char* raw, std::string* ns, std::string* local, std::string* prefix) {
  std::string s(raw);
  size_t a = s.find(kSep);
  if (a == std::string::npos) {
    ns->clear();
    *local = s;
    prefix->clear();
    return;
  }
  *ns = s.substr(0, a);
  size_t b = s.find(kSep, a + 1);
  *local = s.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
  *prefix = b == std::string::npos ? std::string() : s.substr(b + 1);
}

struct Builder {
  XML_Parser parser = nullptr;
  Document* doc = nullptr;
  std::vector<Element*> open;
  std::map<std::string, std::string> pending;  // declarations of the next start tag

  static void start(void* data, const XML_Char* name, const XML_Char** attrs) {
    auto* b = static_cast<Builder*>(data);
    auto element = std::make_unique<Element>();
    splitName(name, &element->ns, &element->local, &element->prefix);
    element->line = static_cast<int>(XML_GetCurrentLineNumber(b->parser));
    if (!b->open.empty()) element->scope = b->open.back()->scope;
    for (auto& [prefix, uri] : b->pending) element->scope[prefix] = uri;
    b->pending.clear();
    for (const XML_Char** a = attrs; a[0]; a += 2) {
      Attribute attr;
      splitName(a[0], &attr.ns, &attr.local, &attr.prefix);
      attr.value = a[1];
      element->attributes.push_back(std::move(attr));
    }
    Element* raw = element.get();
    if (b->open.empty()) {
      b->doc->root = std::move(element);
    } else {
      Content c;
      c.element = std::move(element);
      b->open.back()->content.push_back(std::move(c));
    }
    b->open.push_back(raw);
  }
  static void end(void* data, const XML_Char*) { static_cast<Builder*>(data)->open.pop_back(); }
  static void text(void* data, const XML_Char* s, int len) {
    auto* b = static_cast<Builder*>(data);
    if (b->open.empty()) return;
    auto& content = b->open.back()->content;
    if (content.empty() || !content.back().isText()) content.emplace_back();
    content.back().text.append(s, static_cast<size_t>(len));
  }
  static void declare(void* data, const XML_Char* prefix, const XML_Char* uri) {
    static_cast<Builder*>(data)->pending[prefix ? prefix : ""] = uri ? uri : "";
  }
};

}  // namespace

const Attribute* Element::attribute(const std::string& name, const std::string& nsUri) const {
  for (const auto& a : attributes)
    if (a.local == name && a.ns == nsUri) return &a;
  return nullptr;
}

std::vector<const Element*> Element::elements() const {
  std::vector<const Element*> out;
  for (const auto& c : content)
    if (c.element) out.push_back(c.element.get());
  return out;
}

std::string Element::text() const {
  std::string out;
  for (const auto& c : content)
    if (c.isText()) out += c.text;
  return out;
}

bool Element::hasElementChildren() const {
  for (const auto& c : content)
    if (c.element) return true;
  return false;
}

bool Element::resolve(const std::string& qname, std::string* nsOut, std::string* localOut, bool useDefault) const {
  size_t colon = qname.find(':');
  std::string prefix = colon == std::string::npos ? "" : qname.substr(0, colon);
  *localOut = colon == std::string::npos ? qname : qname.substr(colon + 1);
  if (prefix == "xml") {
    *nsOut = kXmlNamespace;
    return true;
  }
  if (prefix.empty() && !useDefault) {
    nsOut->clear();
    return true;
  }
  auto it = scope.find(prefix);
  if (it == scope.end()) {
    nsOut->clear();
    return prefix.empty();
  }
  *nsOut = it->second;
  return true;
}

bool parse(const std::string& text, Document* out, std::string* error) {
  Builder b;
  b.doc = out;
  out->root.reset();
  b.parser = XML_ParserCreateNS(nullptr, kSep);
  if (!b.parser) {
    *error = "no parser";
    return false;
  }
  XML_SetReturnNSTriplet(b.parser, 1);
  XML_SetUserData(b.parser, &b);
  XML_SetElementHandler(b.parser, Builder::start, Builder::end);
  XML_SetCharacterDataHandler(b.parser, Builder::text);
  XML_SetStartNamespaceDeclHandler(b.parser, Builder::declare);
  XML_SetParamEntityParsing(b.parser, XML_PARAM_ENTITY_PARSING_NEVER);
  bool ok = XML_Parse(b.parser, text.data(), static_cast<int>(text.size()), 1) == XML_STATUS_OK;
  if (!ok) {
    std::ostringstream msg;
    msg << "line " << XML_GetCurrentLineNumber(b.parser) << ": " << XML_ErrorString(XML_GetErrorCode(b.parser));
    *error = msg.str();
    out->root.reset();
  }
  XML_ParserFree(b.parser);
  return ok;
}

bool parseFile(const std::string& path, Document* out, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot read " + path;
    return false;
  }
  std::ostringstream s;
  s << in.rdbuf();
  return parse(s.str(), out, error);
}

}  // namespace pxtest::xml
