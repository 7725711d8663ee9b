// The C++ tables header: for every record type that can hold foreign
// elements, a walker that hands each list of kept foreign elements (at any
// depth, through present members, chosen alternatives and list items) to a
// callback; and the names of every choice's alternatives.
#include <cstddef>
#include <tuple>
#include <map>
#include <set>
#include <sstream>

#include "families/registry.h"
#include "pxxml/simple/partial_pidf.h"
#include "render.h"

namespace pxnames {

namespace {

using pxs::Kind;
using pxs::Member;
using pxs::Role;
using pxs::Shape;
using pxs::TypeDesc;

// An extended type's descriptor lists its base's members among its own, at
// their offsets inside the embedded base record.
struct EmbeddedBase {
  const char* type;
  const char* field;
  size_t offset;
  size_t size;
};
const EmbeddedBase kEmbedded[] = {
    {"partial__pidf_full", "base", offsetof(partial__pidf_full, base), sizeof(tns_presence)},
};

std::string indent(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\n  ") : std::string(1, c);
  return out;
}

std::string access(const TypeDesc* d, const Member& m) {
  if (d->listType && m.offset == 0 && !*m.field) return "r";
  std::string path = m.role == Role::Alternative ? "r.u." : "r.";
  for (const EmbeddedBase& e : kEmbedded)
    if (d->name == std::string(e.type) && m.offset >= e.offset && m.offset < e.offset + e.size)
      path += std::string(e.field) + ".";
  return path + m.field;
}

class CxxWriter {
 public:
  explicit CxxWriter(const Model& model) {
    for (const ConstantGroup& g : model.groups)
      for (const Constant& c : g.constants) names_[{c.owner, c.item, c.kind}] = c.name;
  }

  std::string walkers() {
    size_t count = 0;
    const pxs::DocDesc* const* docs = pxs::allDocuments(&count);
    for (size_t i = 0; i < count; ++i)
      if (docs[i]->type) emit(docs[i]->type, true);
    return out_.str();
  }

 private:
  bool reaches(const TypeDesc* d) {
    if (!d) return false;
    if (auto it = reach_.find(d); it != reach_.end()) return it->second;
    reach_[d] = false;  // no type contains itself
    bool any = false;
    for (uint8_t i = 0; i < d->nMembers; ++i)
      any = d->members[i].kind == Kind::AnyList || reaches(d->members[i].type) || any;
    return reach_[d] = any;
  }

  void emit(const TypeDesc* d, bool always) {
    if (emitted_.count(d) || (!always && !reaches(d))) return;
    emitted_.insert(d);
    for (uint8_t i = 0; i < d->nMembers; ++i)
      if (reaches(d->members[i].type)) emit(d->members[i].type, false);
    out_ << "\ntemplate <class R, class F>\nvoid walk_" << d->name << "(R& r, F& f) {\n";
    bool empty = true;
    for (uint8_t i = 0; i < d->nMembers; ++i) {
      const Member& m = d->members[i];
      std::string step = visit(d, m);
      if (step.empty()) continue;
      empty = false;
      std::string guard;
      if (m.role == Role::Alternative)
        guard = "r.t == " + names_.at({d->name, m.field, ConstantKind::ChoiceTag});
      else if (m.bit >= 0 && m.kind != Kind::AnyList)
        guard = "r.present & " + names_.at({d->name, m.field, ConstantKind::PresenceBit});
      if (guard.empty())
        out_ << "  " << step << "\n";
      else if (step.find('\n') == std::string::npos)
        out_ << "  if (" << guard << ") " << step << "\n";
      else
        out_ << "  if (" << guard << ") {\n    " << indent(step) << "\n  }\n";
    }
    if (empty) out_ << "  (void)r;\n  (void)f;\n";
    out_ << "}\n";
  }

  // The statement that walks one member, or nothing when it holds no list.
  std::string visit(const TypeDesc* d, const Member& m) {
    std::string path = access(d, m);
    switch (m.kind) {
      case Kind::AnyList:
        return "f(" + path + ");";
      case Kind::Record:
      case Kind::Choice:
        return reaches(m.type) ? "walk_" + std::string(m.type->name) + "(" + path + ", f);" : "";
      case Kind::RecordList:
      case Kind::SeqList:
        if (!reaches(m.type)) return "";
        return "for (RtDListNode* n = " + path + ".head; n; n = n->next)\n    if (n->data) walk_" + m.type->name +
               "(item<" + m.type->name + ">(r, n->data), f);";
      default:
        return "";
    }
  }

  struct Key {
    std::string owner, item;
    ConstantKind kind;
    bool operator<(const Key& o) const {
      return std::tie(owner, item, kind) < std::tie(o.owner, o.item, o.kind);
    }
  };
  std::map<Key, std::string> names_;
  std::map<const TypeDesc*, bool> reach_;
  std::set<const TypeDesc*> emitted_;
  std::ostringstream out_;
};

std::string choiceNames(const Model& model) {
  std::ostringstream out;
  for (const TypeDesc* d : model.types) {
    if (d->shape != Shape::Choice && d->shape != Shape::ChoiceContent) continue;
    std::string line = "inline constexpr const char* " + std::string(d->name) + "[] = {\"\"";
    for (uint8_t i = 0; i < d->nMembers; ++i) {
      const Member& m = d->members[i];
      if (m.role != Role::Alternative) continue;
      std::string name = "\"" + (m.xmlName && *m.xmlName ? std::string(m.xmlName) : shortName(m)) + "\"";
      if (line.size() + name.size() + 4 > 112) {
        out << line << ",\n";
        line = "    " + name;
      } else {
        line += ", " + name;
      }
    }
    out << line << "};\n";
  }
  return out.str();
}

}  // namespace

std::string renderCxxTables(const Model& model) {
  std::ostringstream out;
  out << R"(// Written by pxnames from the library's tables; do not edit.
//
// walk_<record>(record, f) calls f(list) for every list of kept foreign
// elements (RtDList of RtXmlString*) the record holds, at any depth: through
// present members, the chosen alternative of a choice, and list items. The
// record may be const. choice_names::<choice>[t] is the name of alternative t
// ("" for 0, nothing chosen).
#ifndef PXXML_SIMPLE_CXX_TABLES_HPP
#define PXXML_SIMPLE_CXX_TABLES_HPP

#include <type_traits>

#include "pxxml/simple/simple.h"

namespace px {
namespace detail {

// A list item as T, const when the record holding the list is.
template <class T, class R>
std::conditional_t<std::is_const_v<R>, const T, T>& item(R&, void* data) {
  return *static_cast<std::conditional_t<std::is_const_v<R>, const T, T>*>(data);
}
)";
  out << CxxWriter(model).walkers();
  out << "\n}  // namespace detail\n\nnamespace choice_names {\n\n" << choiceNames(model)
      << "\n}  // namespace choice_names\n}  // namespace px\n\n#endif\n";
  return out.str();
}

}  // namespace pxnames
