// Generated single-change variants of the corpus documents. For every
// variant: decoding and validating reach the same verdict, except where the
// two are meant to differ (each such difference is named below and must be
// recognisable from the error lists); every text value of the decoded
// record is, as a whole, the text of an element (or the value of an
// attribute) of the name it was decoded from, so no text leaks from one
// element into another; the chain of handlers a diagnostic hook keeps gives
// what the router gives; and nothing crashes, leaks or hangs (the suite also
// runs under the sanitizers). Deterministic: the same variants every run.
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "families/engines.h"
#include "families/registry.h"
#include "pxxml/simple/simple.h"
#include "support/corpus.h"
#include "support/xml_compare.h"

using namespace pxs;

namespace {

using pxtest::corpusDir;
using pxtest::xml::collapseWhitespace;

std::string localOf(const std::string& qname) {
  size_t colon = qname.find(':');
  return colon == std::string::npos ? qname : qname.substr(colon + 1);
}

// ------------------------------------------------------------- the variants

struct Variant {
  std::string kind;
  std::string text;
};

std::string serialise(const pugi::xml_document& doc) {
  std::ostringstream out;
  doc.save(out, "", pugi::format_raw | pugi::format_no_declaration);
  return out.str();
}

void elementsOf(pugi::xml_node n, std::vector<pugi::xml_node>* out) {
  for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element) {
      out->push_back(c);
      elementsOf(c, out);
    }
}

bool textOnly(pugi::xml_node e) {
  bool text = false;
  for (pugi::xml_node c = e.first_child(); c; c = c.next_sibling()) {
    if (c.type() == pugi::node_element) return false;
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) text = true;
  }
  return text;
}

size_t elementChildren(pugi::xml_node e) {
  size_t n = 0;
  for (pugi::xml_node c = e.first_child(); c; c = c.next_sibling()) n += c.type() == pugi::node_element;
  return n;
}

// Values near the limits of the types the documents use, and texts no type
// takes.
const char* const kEdgeValues[] = {"", " ", "0", "-1", "1.0", "1.0001", "0.999", "4294967295", "4294967296",
                                   "18446744073709551616", "-2147483649", "true", "TRUE", "yes",
                                   "2005-10-27T16:49:29Z", "2005-02-30T25:00:00Z", "9999-12-31T23:59:60+14:00",
                                   "\xC3\xA9t\xC3\xA9", "open ", "a b\tc"};

// Every change of one kind to one document, thinned to at most `limit`
// places spread evenly over the document.
using Change = std::function<bool(pugi::xml_document&, size_t place)>;

void addVariants(const std::string& source, const std::string& kind, size_t places, size_t limit, Change change,
                 std::vector<Variant>* out) {
  size_t step = places > limit ? (places + limit - 1) / limit : 1;
  for (size_t place = 0; place < places; place += step) {
    pugi::xml_document doc;
    doc.load_string(source.c_str(), pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_declaration);
    if (change(doc, place)) out->push_back({kind, serialise(doc)});
  }
}

std::vector<Variant> variantsOf(const std::string& source, size_t limit) {
  pugi::xml_document probe;
  probe.load_string(source.c_str(), pugi::parse_default | pugi::parse_ws_pcdata);
  std::vector<pugi::xml_node> all;
  elementsOf(probe, &all);
  size_t attributes = 0;
  for (auto e : all)
    for (auto a = e.first_attribute(); a; a = a.next_attribute()) ++attributes;
  auto nth = [](pugi::xml_document& doc, size_t i) {
    std::vector<pugi::xml_node> v;
    elementsOf(doc, &v);
    return i < v.size() ? v[i] : pugi::xml_node();
  };
  // The i-th attribute of the document, with the element that carries it.
  auto nthAttribute = [](pugi::xml_document& doc, size_t i) {
    std::vector<pugi::xml_node> v;
    elementsOf(doc, &v);
    for (auto e : v)
      for (auto a = e.first_attribute(); a; a = a.next_attribute())
        if (i-- == 0) return std::make_pair(e, a);
    return std::make_pair(pugi::xml_node(), pugi::xml_attribute());
  };
  std::vector<Variant> out;
  size_t n = all.size();
  addVariants(source, "element inserted into text content", n, limit, [&](pugi::xml_document& d, size_t i) {
    pugi::xml_node e = nth(d, i);
    if (!e || !textOnly(e)) return false;
    pugi::xml_node text = e.first_child();
    std::string value = text.value();
    text.set_value(value.substr(0, value.size() / 2).c_str());
    pugi::xml_node mark = e.insert_child_after("m:mark", text);
    mark.append_attribute("xmlns:m") = "urn:mark";
    e.insert_child_after(pugi::node_pcdata, mark).set_value(value.substr(value.size() / 2).c_str());
    return true;
  }, &out);
  addVariants(source, "text inserted into element content", n, limit, [&](pugi::xml_document& d, size_t i) {
    pugi::xml_node e = nth(d, i);
    if (!e || elementChildren(e) == 0) return false;
    pugi::xml_node first = e.first_child();
    e.insert_child_before(pugi::node_pcdata, first).set_value(("MARK" + std::to_string(i)).c_str());
    return true;
  }, &out);
  addVariants(source, "siblings swapped", n, limit, [&](pugi::xml_document& d, size_t i) {
    pugi::xml_node e = nth(d, i);
    if (!e) return false;
    pugi::xml_node next = e.next_sibling();
    while (next && next.type() != pugi::node_element) next = next.next_sibling();
    if (!next) return false;
    e.parent().insert_move_after(e, next);
    return true;
  }, &out);
  addVariants(source, "child element removed", n, limit, [&](pugi::xml_document& d, size_t i) {
    pugi::xml_node e = nth(d, i);
    if (!e || e == d.document_element()) return false;
    return e.parent().remove_child(e);
  }, &out);
  addVariants(source, "attribute removed", attributes, limit, [&](pugi::xml_document& d, size_t i) {
    auto [e, a] = nthAttribute(d, i);
    if (!a || std::string(a.name()).rfind("xmlns", 0) == 0) return false;
    return e.remove_attribute(a);
  }, &out);
  addVariants(source, "attribute value near a limit", attributes, limit, [&](pugi::xml_document& d, size_t i) {
    auto [e, a] = nthAttribute(d, i);
    if (!a || std::string(a.name()).rfind("xmlns", 0) == 0) return false;
    a.set_value(kEdgeValues[i % (sizeof kEdgeValues / sizeof kEdgeValues[0])]);
    return true;
  }, &out);
  addVariants(source, "text value near a limit", n, limit, [&](pugi::xml_document& d, size_t i) {
    pugi::xml_node e = nth(d, i);
    if (!e || !textOnly(e)) return false;
    e.text().set(kEdgeValues[i % (sizeof kEdgeValues / sizeof kEdgeValues[0])]);
    return true;
  }, &out);
  addVariants(source, "element in a wrong namespace", n, limit, [&](pugi::xml_document& d, size_t i) {
    pugi::xml_node e = nth(d, i);
    if (!e) return false;
    e.set_name(("w:" + localOf(e.name())).c_str());
    e.append_attribute("xmlns:w") = "urn:wrong";
    return true;
  }, &out);
  addVariants(source, "element duplicated", n, limit, [&](pugi::xml_document& d, size_t i) {
    pugi::xml_node e = nth(d, i);
    if (!e || e == d.document_element()) return false;
    e.parent().insert_copy_after(e, e);
    return true;
  }, &out);
  return out;
}

// ------------------------------------------------- what the variant holds

// The texts of a document by element local name (whole string values, and
// collapsed) and attribute name.
struct Texts {
  std::map<std::string, std::set<std::string>> elements, attributes;

  explicit Texts(const std::string& xml) {
    pugi::xml_document doc;
    doc.load_string(xml.c_str(), pugi::parse_default | pugi::parse_ws_pcdata);
    std::vector<pugi::xml_node> all;
    elementsOf(doc, &all);
    for (auto e : all) {
      std::string value;
      for (pugi::xpath_node t : e.select_nodes(".//text()")) value += t.node().value();
      auto& set = elements[localOf(e.name())];
      set.insert(value);
      set.insert(collapseWhitespace(value));
      for (auto a = e.first_attribute(); a; a = a.next_attribute()) {
        std::string name = a.name();
        auto& values = attributes[name.rfind("xml:", 0) == 0 ? name : localOf(name)];
        values.insert(a.value());
        values.insert(collapseWhitespace(a.value()));
      }
    }
  }
};

// Every text value of a record, with the element (or attribute) it came
// from: simple-content values come from their own element.
struct Value {
  std::string name;
  bool attribute;
  std::string text;
};

void walkRecord(const TypeDesc* d, const void* record, const std::string& element, std::vector<Value>* out);

void walkMember(const TypeDesc* d, const void* record, const Member& m, const std::string& element,
                std::vector<Value>* out) {
  if (!isPresent(d, record, m)) return;
  const void* p = at<char>(record, m.offset);
  std::string name = m.xmlName && m.xmlName[0] ? m.xmlName : element;
  switch (m.kind) {
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime:
      if (auto* s = static_cast<const RtXmlString*>(p); s->value)
        out->push_back({m.role == Role::Value ? element : name, m.role == Role::Attribute,
                        reinterpret_cast<const char*>(s->value)});
      break;
    case Kind::TextList:
      for (auto* node = static_cast<const RtDList*>(p)->head; node; node = node->next)
        if (auto* s = static_cast<const RtXmlString*>(node->data); s && s->value)
          out->push_back({name, false, reinterpret_cast<const char*>(s->value)});
      break;
    case Kind::Record:
    case Kind::Choice:
      walkRecord(m.type, p, name, out);
      break;
    case Kind::RecordList:
    case Kind::SeqList:
      for (auto* node = static_cast<const RtDList*>(p)->head; node; node = node->next)
        if (node->data) walkRecord(m.type, node->data, name, out);
      break;
    default:
      break;  // numbers, enumerations and kept foreign elements are no texts of their own
  }
}

void walkRecord(const TypeDesc* d, const void* record, const std::string& element, std::vector<Value>* out) {
  if (d->shape == Shape::OpenContent) {  // markup kept whole, not a text: only the attributes
    for (uint8_t i = 0; i < d->nMembers; ++i)
      if (d->members[i].role == Role::Attribute) walkMember(d, record, d->members[i], element, out);
    return;
  }
  if (d->shape == Shape::Choice || d->shape == Shape::ChoiceContent)
    if (const Member* alt = alternative(d, tagValue(d, record))) walkMember(d, record, *alt, element, out);
  for (uint8_t i = 0; i < d->nMembers; ++i)
    if (d->members[i].role != Role::Alternative) walkMember(d, record, d->members[i], element, out);
}

// -------------------------------------------- where decoding and validating differ

// The record types of every document, by name, for reading error entries.
void collectTypes(const TypeDesc* d, std::map<std::string, const TypeDesc*>* out) {
  if (!d || out->count(d->name)) return;
  (*out)[d->name] = d;
  for (uint8_t i = 0; i < d->nMembers; ++i) collectTypes(d->members[i].type, out);
}

struct Entry {
  int status;
  std::vector<std::string> params;
};

bool sameEntries(const std::vector<Entry>& a, const std::vector<Entry>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const Entry& x, const Entry& y) { return x.status == y.status && x.params == y.params; });
}

std::vector<Entry> entries(RtContext* ctxt) {
  std::vector<Entry> out;
  for (int i = 0; i < rtxErrGetCount(ctxt); ++i) {
    Entry e{rtxErrGetStatus(ctxt, i), {}};
    for (int p = 0; p < rtxErrGetParmCount(ctxt, i); ++p) e.params.push_back(rtxErrGetParm(ctxt, i, p));
    out.push_back(e);
  }
  return out;
}

bool namesDateTime(const std::map<std::string, const TypeDesc*>& types, const std::string& type,
                   const std::string& xmlName) {
  auto it = types.find(type);
  if (it == types.end()) return false;
  for (uint8_t i = 0; i < it->second->nMembers; ++i) {
    const Member& m = it->second->members[i];
    if (m.kind == Kind::DateTime && m.xmlName && localOf(m.xmlName) == localOf(xmlName)) return true;
  }
  return false;
}

// Date-times are kept as text by decoders; validators check them.
bool onlyDateTimesRefused(const std::map<std::string, const TypeDesc*>& types, const std::vector<Entry>& errs) {
  for (size_t i = 0; i < errs.size(); ++i) {
    const Entry& e = errs[i];
    bool converter = (e.status == ST_BAD_VALUE || e.status == ST_OUT_OF_RANGE) && i + 1 < errs.size();
    if (converter) continue;  // the converter's own entry, named by the next one
    if (e.status == ST_BAD_CONTENT && e.params.size() == 3 && namesDateTime(types, e.params[1], e.params[2])) continue;
    if (e.status == ST_BAD_ATTRIBUTE_VALUE && e.params.size() == 2 && namesDateTime(types, e.params[0], e.params[1]))
      continue;
    return false;
  }
  return !errs.empty();
}

// Lists below their minimum and required choices left empty are checked at
// an element's end by decoders only.
bool onlyOwnEndChecks(const std::vector<Entry>& errs) {
  for (const Entry& e : errs) {
    if (e.status == ST_BAD_CHOICE && e.params.empty()) continue;
    if (e.status == ST_CONSTRAINT && !e.params.empty() && e.params[0].size() > 6 &&
        e.params[0].compare(e.params[0].size() - 6, 6, ".count") == 0)
      continue;
    return false;
  }
  return !errs.empty();
}

struct Tally {
  size_t variants = 0, agreed = 0, dateTimes = 0, ownEndChecks = 0;
};

}  // namespace

TEST(Variants, DecodeAndValidateAgreeAndNoTextLeaks) {
  namespace fs = std::filesystem;
  std::string dir = corpusDir();
  if (!fs::is_directory(dir + "/rfc")) GTEST_SKIP() << "corpus not found at " << dir;
  size_t nDocs = 0;
  const DocDesc* const* docs = allDocuments(&nDocs);
  std::map<std::string, const TypeDesc*> types;
  for (size_t i = 0; i < nDocs; ++i) collectTypes(docs[i]->type, &types);

  std::vector<std::string> paths;
  for (const char* sub : {"/rfc", "/real"})
    for (const auto& entry : fs::directory_iterator(dir + sub))
      if (entry.path().extension() == ".xml") paths.push_back(entry.path().string());
  std::sort(paths.begin(), paths.end());

  RtContext* ctxt = rtxNewContext();
  PxInit_SIMPLE_Global(ctxt);
  std::map<std::string, Tally> tally;
  size_t documents = 0;
  for (const std::string& path : paths) {
    std::ifstream in(path, std::ios::binary);
    std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    pugi::xml_document probe;
    if (!probe.load_string(source.c_str())) continue;  // not well-formed: nothing to vary
    pugi::xml_node root = probe.document_element();
    std::string prefix = std::string(root.name()).find(':') == std::string::npos
                             ? "xmlns"
                             : "xmlns:" + std::string(root.name()).substr(0, std::string(root.name()).find(':'));
    int ns = rtXmlNSURIIndex(ctxt, reinterpret_cast<const OSUTF8CHAR*>(root.attribute(prefix.c_str()).value()));
    const DocDesc* doc = findDocument(localOf(root.name()).c_str(), ns);
    if (!doc || !doc->type) continue;
    ++documents;
    for (const Variant& v : variantsOf(source, 60)) {
      Tally& t = tally[v.kind];
      ++t.variants;
      std::vector<char> record(doc->type->size);
      rtxErrReset(ctxt);
      rtxSetInputBuffer(ctxt, v.text.data(), v.text.size());
      int decoded = decodeDocument(ctxt, doc, record.data());
      auto decodeErrors = entries(ctxt);
      std::vector<Value> values;
      walkRecord(doc->type, record.data(), doc->elemName, &values);
      Texts texts(v.text);
      for (const Value& value : values) {
        auto& where = value.attribute ? texts.attributes : texts.elements;
        const auto& found = where[value.name];
        EXPECT_TRUE(found.count(value.text) || found.count(collapseWhitespace(value.text)))
            << path << " (" << v.kind << "): \"" << value.text << "\" is no whole text of any "
            << (value.attribute ? "attribute " : "element ") << value.name << "\n" << v.text;
      }
      releaseRecord(ctxt, doc->type, record.data());
      const std::string where = path + " (" + v.kind + ")\n" + v.text;
      EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u) << where;
      // The same document through the chain of handlers a diagnostic hook
      // keeps, one handler per element, every event passed down from the
      // root: the router, with its leaves and kept blocks, changes no value,
      // no error entry and no status, in decoding or validating.
      auto throughChain = [&](auto run) {
        rtxErrReset(ctxt);
        rtSaxSetDiagHook(ctxt, [](void*, const char*, const OSUTF8CHAR*, OSBOOL) {}, nullptr);
        rtxSetInputBuffer(ctxt, v.text.data(), v.text.size());
        int st = run();
        rtSaxSetDiagHook(ctxt, nullptr, nullptr);
        return st;
      };
      EXPECT_EQ(throughChain([&] { return decodeDocument(ctxt, doc, record.data()); }), decoded) << where;
      EXPECT_TRUE(sameEntries(entries(ctxt), decodeErrors)) << where;
      std::vector<Value> chainValues;
      walkRecord(doc->type, record.data(), doc->elemName, &chainValues);
      EXPECT_TRUE(std::equal(chainValues.begin(), chainValues.end(), values.begin(), values.end(),
                             [](const Value& a, const Value& b) {
                               return a.name == b.name && a.attribute == b.attribute && a.text == b.text;
                             }))
          << where;
      releaseRecord(ctxt, doc->type, record.data());
      EXPECT_EQ(rtxMemHeapLiveBlocks(ctxt), 0u) << where;
      rtxErrReset(ctxt);
      rtxSetInputBuffer(ctxt, v.text.data(), v.text.size());
      int validated = validateDocument(ctxt, doc);
      auto validateErrors = entries(ctxt);
      EXPECT_EQ(throughChain([&] { return validateDocument(ctxt, doc); }), validated) << where;
      EXPECT_TRUE(sameEntries(entries(ctxt), validateErrors)) << where;
      if ((decoded == 0) == (validated == 0)) {
        ++t.agreed;
      } else if (decoded == 0 && onlyDateTimesRefused(types, validateErrors)) {
        ++t.dateTimes;
      } else if (validated == 0 && onlyOwnEndChecks(decodeErrors)) {
        ++t.ownEndChecks;
      } else {
        ADD_FAILURE() << path << " (" << v.kind << "): decode " << decoded << ", validate " << validated << "\n"
                      << v.text;
      }
      rtxMemReset(ctxt);
    }
  }
  rtxDeleteContext(ctxt);
  EXPECT_GT(documents, 30u);
  std::printf("%-38s %8s %8s %10s %10s\n", "change", "variants", "agreed", "date-time", "own-end");
  size_t total = 0;
  for (const auto& [kind, t] : tally) {
    std::printf("%-38s %8zu %8zu %10zu %10zu\n", kind.c_str(), t.variants, t.agreed, t.dateTimes, t.ownEndChecks);
    total += t.variants;
  }
  std::printf("%zu variants of %zu documents\n", total, documents);
}

// An element inside text content: the text around it is no value of the
// element that holds it, and none of it reaches the next sibling's value.
TEST(Variants, TextAroundAChildElementStaysWithItsOwnElement) {
  struct Case {
    const char* root;
    int ns;
    const char* text;
    const char* neighbour;
    const char* value;
  } cases[] = {
      {"presence", PX_NS_PIDF,
       "<presence xmlns='urn:ietf:params:xml:ns:pidf' entity='pres:a@example.com'><tuple id='t1'><status/>"
       "<contact>sip:a@example.com<x/></contact><timestamp>2005-10-27T16:49:29Z</timestamp></tuple></presence>",
       "timestamp", "2005-10-27T16:49:29Z"},
      {"person", PX_NS_DATAMODEL,
       "<dm:person xmlns:dm='urn:ietf:params:xml:ns:pidf:data-model' id='p'><dm:note>hello<x/></dm:note>"
       "<dm:timestamp>2005-10-27T16:49:29Z</dm:timestamp></dm:person>",
       "timestamp", "2005-10-27T16:49:29Z"},
      {"servcaps", PX_NS_CAPS,
       "<caps:servcaps xmlns:caps='urn:ietf:params:xml:ns:pidf:caps'><caps:description>softphone<x/>"
       "</caps:description><caps:isfocus>true</caps:isfocus></caps:servcaps>",
       nullptr, nullptr},
  };
  RtContext* ctxt = rtxNewContext();
  for (const Case& c : cases) {
    const DocDesc* doc = findDocument(c.root, c.ns);
    ASSERT_NE(doc, nullptr) << c.root;
    std::vector<char> record(doc->type->size);
    std::string text = c.text;
    rtxErrReset(ctxt);
    rtxSetInputBuffer(ctxt, text.data(), text.size());
    EXPECT_EQ(decodeDocument(ctxt, doc, record.data()), 0) << c.text;
    std::vector<Value> values;
    walkRecord(doc->type, record.data(), doc->elemName, &values);
    for (const Value& v : values) {
      if (c.neighbour && v.name == c.neighbour) {
        EXPECT_EQ(v.text, c.value);
      }
      EXPECT_TRUE(v.name != "contact" && v.name != "note" && v.name != "description") << v.name << " kept " << v.text;
    }
    if (!c.neighbour) {  // the boolean after the description
      auto* caps = reinterpret_cast<tns_servcapstype*>(record.data());
      EXPECT_TRUE((caps->present >> 10) & 1u);
      EXPECT_TRUE(caps->tns_isfocus);
    }
    releaseRecord(ctxt, doc->type, record.data());
    rtxSetInputBuffer(ctxt, text.data(), text.size());
    EXPECT_EQ(validateDocument(ctxt, doc), 0) << c.text;
  }
  rtxDeleteContext(ctxt);
}
