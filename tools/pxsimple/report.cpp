// Sentences for the statuses that documents get, and the problems of an
// error list.
#include "report.h"

#include <map>

#include "families/registry.h"

namespace pxsimple {

namespace {

using Params = std::vector<std::string>;

std::string param(const Params& p, size_t i) { return i < p.size() ? p[i] : std::string("?"); }

// The record types of the library by name, to name an enumeration's values.
const std::map<std::string, const pxs::TypeDesc*>& typesByName() {
  static const std::map<std::string, const pxs::TypeDesc*> types = [] {
    std::map<std::string, const pxs::TypeDesc*> out;
    std::vector<const pxs::TypeDesc*> todo;
    size_t n = 0;
    const pxs::DocDesc* const* docs = pxs::allDocuments(&n);
    for (size_t i = 0; i < n; ++i)
      if (docs[i]->type) todo.push_back(docs[i]->type);
    while (!todo.empty()) {
      const pxs::TypeDesc* d = todo.back();
      todo.pop_back();
      if (!out.emplace(d->name, d).second) continue;
      for (uint8_t i = 0; i < d->nMembers; ++i)
        if (d->members[i].type) todo.push_back(d->members[i].type);
    }
    return out;
  }();
  return types;
}

std::string localOf(const std::string& qname) {
  size_t colon = qname.find(':');
  return colon == std::string::npos ? qname : qname.substr(colon + 1);
}

// The member of a record type that an element or attribute fills.
const pxs::Member* memberOf(const std::string& type, const std::string& xmlName) {
  auto it = typesByName().find(type);
  if (it == typesByName().end()) return nullptr;
  for (uint8_t i = 0; i < it->second->nMembers; ++i) {
    const pxs::Member& m = it->second->members[i];
    if (m.xmlName && (m.xmlName == xmlName || localOf(m.xmlName) == localOf(xmlName))) return &m;
  }
  return nullptr;
}

// What a value of a member looks like, for the sentence.
std::string expectedForm(const pxs::Member* m, const std::string& converterType) {
  if (m && m->kind == pxs::Kind::Enum && m->simple && m->simple->toString) {
    std::string values;
    for (uint16_t v = 0; v < m->simple->enumCount; ++v)
      values += (v ? ", " : "") + std::string(reinterpret_cast<const char*>(m->simple->toString(v)));
    return "one of: " + values;
  }
  std::string t = converterType;
  if (m) {
    switch (m->kind) {
      case pxs::Kind::DateTime: t = "dateTime"; break;
      case pxs::Kind::Bool: t = "boolean"; break;
      case pxs::Kind::Decimal: t = "decimal"; break;
      case pxs::Kind::Int: t = "int"; break;
      case pxs::Kind::UInt: t = "unsignedInt"; break;
      case pxs::Kind::UInt64: t = "unsignedLong"; break;
      default: break;
    }
  }
  if (t == "dateTime") return "a date and time such as 2005-10-27T16:49:29Z";
  if (t == "boolean") return "true or false (or 1 or 0)";
  if (t == "decimal") return "a decimal number such as 0.8";
  if (t == "int") return "a whole number from -2147483648 to 2147483647";
  if (t == "unsignedInt") return "a whole number from 0 to 4294967295";
  if (t == "unsignedLong") return "a whole number from 0 to 18446744073709551615";
  return t.empty() ? "a valid value" : "a valid " + t;
}

// The element name of a path's last step, without its index.
std::string lastStep(const std::string& path) {
  if (path.empty()) return std::string();
  std::string step = path.substr(path.rfind('/') + 1);
  return step.substr(0, step.find('['));
}

std::string quoted(const std::string& s) {
  std::string shown = s.size() > 60 ? s.substr(0, 57) + "..." : s;
  return "\"" + shown + "\"";
}

}  // namespace

std::string describe(int status, const Params& p, const std::string& element) {
  std::string el = element.empty() ? std::string("the element") : "<" + element + ">";
  switch (status) {
    case ST_NAME_MISMATCH:
      if (p.size() > 2)
        return "<" + param(p, 1) + "> is in namespace " + param(p, 2) + ", not the namespace of a " + param(p, 0) +
               " document; check its xmlns declaration";
      return "the document element is <" + param(p, 1) + "> but <" + param(p, 0) + "> is expected here";
    case ST_ELEMENT_NOT_EXPECTED:
      if (param(p, 1) == "no further element")
        return "<" + param(p, 0) + "> is not allowed here: nothing may follow at this place; move it before the "
               "element that ends the content, or remove it";
      return "<" + param(p, 0) + "> is not allowed at this place (allowed here: " + param(p, 1) +
             "); move it to its place in the schema's order or remove it (--any-order accepts elements that are "
             "only out of order)";
    case ST_UNEXPECTED_ELEMENT:
      return "<" + param(p, 0) + "> is not allowed inside " + el + "; remove it";
    case ST_MISSING_ATTRIBUTE:
      if (p.size() == 1) return "the attribute " + quoted(param(p, 0)) + " has no value to write";
      return el + " needs the attribute " + quoted(param(p, 1)) + "; add it";
    case ST_UNKNOWN_ATTRIBUTE:
      return el + " has no attribute " + quoted(param(p, 1)) +
             " in its schema; remove it (a foreign attribute needs a namespace prefix, and only some elements "
             "take one)";
    case ST_UNEXPECTED_ATTRIBUTE:
      return "<" + param(p, 0) + "> takes no attribute " + quoted(param(p, 1)) + "; remove it";
    case ST_CONSTRAINT: {
      std::string what = param(p, 0);
      if (what.size() > 6 && what.compare(what.size() - 6, 6, ".count") == 0)
        return el + " is missing content it must have (" + what.substr(0, what.size() - 6) + " has " +
               param(p, 1) + " items, at least 1 is required)";
      return "the value " + param(p, 1) + " of " + what + " is below its minimum";
    }
    case ST_BAD_CHOICE:
      return el + " must contain one of its alternatives and contains none";
    case ST_PATTERN_MISMATCH:
      return quoted(param(p, 1)) + " does not have the form of " + param(p, 0) + "; see the syntax of its type";
    case ST_BAD_CONTENT: {
      const pxs::Member* m = memberOf(param(p, 1), param(p, 2));
      return "<" + param(p, 2) + "> holds " + quoted(param(p, 0)) + ", which is not " + expectedForm(m, "");
    }
    case ST_BAD_ATTRIBUTE_VALUE: {
      const pxs::Member* m = memberOf(param(p, 0), param(p, 1));
      return "the attribute " + quoted(param(p, 1)) + " of " + el + " must be " + expectedForm(m, "");
    }
    case ST_XML_MALFORMED:
      return "the document is not well-formed XML: " + param(p, 0) + "; fix the markup";
    case ST_DOCTYPE_REFUSED:
      return "documents with a DOCTYPE are refused (no entity is ever expanded); remove the DOCTYPE";
    case ST_TOO_DEEP:
      return "elements are nested deeper than the limit; raise it with --max-depth if the document is genuine";
    case ST_TOO_LARGE:
      return "the document (" + param(p, 0) + " bytes) is larger than the limit " + param(p, 1) +
             "; raise it with --max-size if the document is genuine";
    case ST_UNSUPPORTED_ENCODING:  // the reader's own words say what to do
      return p.empty() ? std::string("the document is not in UTF-8; convert it to UTF-8") : param(p, 0);
    case ST_INVALID_UTF8:
      return "the text is not valid UTF-8 (" + param(p, 0) + "); convert the document to UTF-8";
    case ST_BAD_NAMESPACE:
      return "the namespace declaration " + quoted(param(p, 0)) + " cannot be used; fix it";
    case ST_BAD_VALUE:
    case ST_OUT_OF_RANGE:
      return quoted(param(p, 1)) + " is not " + expectedForm(nullptr, param(p, 0));
    case ST_ENUM_UNKNOWN:
      return quoted(param(p, 0)) + " is not one of the values allowed here";
    default: {
      std::string s = rtxStatusText(status);
      for (size_t i = 0; i < p.size(); ++i) s += (i ? ", " : ": ") + quoted(p[i]);
      return s;
    }
  }
}

void collectProblems(RtContext* ctxt, const ElementMap& map, const Placement* placed, std::vector<Problem>* out) {
  int n = rtxErrGetCount(ctxt);
  for (int i = 0; i < n; ++i) {
    int status = rtxErrGetStatus(ctxt, i);
    Params params;
    for (int k = 0; k < rtxErrGetParmCount(ctxt, i); ++k) params.push_back(rtxErrGetParm(ctxt, i, k));
    // A converter's own entry is told by the entry after it, which names
    // the element or attribute: one problem, not two.
    if ((status == ST_BAD_VALUE || status == ST_OUT_OF_RANGE || status == ST_ENUM_UNKNOWN) && i + 1 < n) {
      int next = rtxErrGetStatus(ctxt, i + 1);
      if (next == ST_BAD_CONTENT || next == ST_BAD_ATTRIBUTE_VALUE) continue;
    }
    Problem p;
    p.status = status;
    p.params = params;
    p.where = {rtxErrGetLine(ctxt, i), rtxErrGetColumn(ctxt, i)};
    p.path = p.where.line ? map.pathAt(p.where) : std::string();
    if (placed) {
      // Inside a kept element checked on its own: its path in the whole
      // document, and where that element starts there.
      std::string inner = p.path.substr(p.path.find('/', 1) == std::string::npos ? p.path.size() : p.path.find('/', 1));
      p.path = placed->path + inner;
      Position at;
      p.where = placed->map->find(p.path, &at) || placed->map->find(placed->path, &at) ? at : Position{};
    }
    std::string element = lastStep(p.path);
    // A refused child is reported at its own start tag: the sentence names
    // the element it stands in.
    if (status == ST_UNEXPECTED_ELEMENT && !params.empty() && element == params[0])
      element = lastStep(p.path.substr(0, p.path.rfind('/')));
    p.message = describe(status, params, element);
    bool seen = false;
    for (const Problem& q : *out)
      seen = seen || (q.status == p.status && q.params == p.params && q.where.line == p.where.line &&
                      q.where.column == p.where.column && q.path == p.path);
    if (!seen) out->push_back(std::move(p));
  }
}

std::string formatProblem(const std::string& file, const Problem& p) {
  std::string s = file;
  if (p.where.line) s += ":" + std::to_string(p.where.line) + ":" + std::to_string(p.where.column);
  s += ": ";
  if (!p.path.empty()) s += p.path + ": ";
  return s + rtxStatusName(p.status) + ": " + p.message;
}

void printProblems(std::FILE* out, const std::string& file, const std::vector<Problem>& problems, size_t shown,
                   bool unexamined) {
  for (size_t i = 0; i < problems.size() && i < shown; ++i)
    std::fprintf(out, "%s\n", formatProblem(file, problems[i]).c_str());
  size_t more = problems.size() > shown ? problems.size() - shown : 0;
  if (unexamined) std::fprintf(out, "%s: ... and more than %zu more errors\n", file.c_str(), more);
  else if (more) std::fprintf(out, "%s: ... and %zu more error%s\n", file.c_str(), more, more == 1 ? "" : "s");
}

}  // namespace pxsimple
