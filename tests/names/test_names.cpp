// The named constants of the public headers, as the compiler sees them,
// against the library's descriptors: a presence bit is the mask of its
// member's bit, a choice tag the position of its alternative, an
// enumeration value the value of its text. Every bit, alternative and
// enumeration value reachable from the documents has its name. The list of
// names comes from pxnames at build time; the checks here look the items up
// in the descriptors by their field names and texts alone.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "families/registry.h"
#include "pxxml/simple/simple.h"

namespace {

using pxs::Kind;
using pxs::Member;
using pxs::Role;
using pxs::TypeDesc;

enum class NameKind { PresenceBit, ChoiceTag, EnumValue };

struct NameRow {
  const char* name;
  long value;
  NameKind kind;
  const char* owner;
  const char* item;
};

const NameRow kRows[] = {
#define PX_NAME_ROW(NAME, KIND, OWNER, ITEM) {#NAME, static_cast<long>(NAME), NameKind::KIND, OWNER, ITEM},
#include "names_table.inc"
#undef PX_NAME_ROW
};

// Every record type and enumeration reachable from the documents, by name.
struct Tables {
  std::map<std::string, const TypeDesc*> types;
  std::map<std::string, const pxs::SimpleType*> enums;

  Tables() {
    size_t n = 0;
    const pxs::DocDesc* const* docs = pxs::allDocuments(&n);
    for (size_t i = 0; i < n; ++i) add(docs[i]->type);
  }
  void add(const TypeDesc* d) {
    if (!d || !types.emplace(d->name, d).second) return;
    for (uint8_t i = 0; i < d->nMembers; ++i) {
      if (d->members[i].kind == Kind::Enum && d->members[i].simple && d->members[i].simple->enumTable)
        enums.emplace(d->members[i].simple->name, d->members[i].simple);
      add(d->members[i].type);
    }
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

const Member* memberNamed(const TypeDesc* d, const char* field, bool alternative) {
  for (uint8_t i = 0; i < d->nMembers; ++i)
    if ((d->members[i].role == Role::Alternative) == alternative && std::strcmp(d->members[i].field, field) == 0)
      return &d->members[i];
  return nullptr;
}

TEST(Names, EveryConstantHasTheValueOfItsTableEntry) {
  ASSERT_GT(sizeof kRows / sizeof kRows[0], 300u);
  for (const NameRow& row : kRows) {
    SCOPED_TRACE(row.name);
    if (row.kind == NameKind::EnumValue) {
      auto it = tables().enums.find(row.owner);
      ASSERT_NE(it, tables().enums.end());
      uint16_t value = 0xFFFF;
      const auto* text = reinterpret_cast<const OSUTF8CHAR*>(row.item);
      ASSERT_EQ(it->second->toEnum(text, std::strlen(row.item), &value), 0);
      EXPECT_EQ(row.value, value);
      EXPECT_STREQ(reinterpret_cast<const char*>(it->second->toString(static_cast<uint16_t>(row.value))), row.item);
      continue;
    }
    auto it = tables().types.find(row.owner);
    ASSERT_NE(it, tables().types.end());
    const TypeDesc* d = it->second;
    const Member* m = memberNamed(d, row.item, row.kind == NameKind::ChoiceTag);
    ASSERT_NE(m, nullptr) << row.owner << "." << row.item;
    if (row.kind == NameKind::PresenceBit) {
      ASSERT_GE(m->bit, 0);
      EXPECT_EQ(row.value, 1L << m->bit);
    } else {
      EXPECT_EQ(pxs::alternative(d, static_cast<uint16_t>(row.value)), m);
    }
  }
}

TEST(Names, EveryBitAlternativeAndEnumerationValueIsNamedOnce) {
  std::set<std::string> named, items;
  for (const NameRow& row : kRows) {
    EXPECT_TRUE(named.insert(row.name).second) << row.name << " twice";
    EXPECT_TRUE(items.insert(std::string(row.owner) + "." + row.item + (row.kind == NameKind::ChoiceTag ? "/t" : ""))
                    .second)
        << row.owner << "." << row.item << " named twice";
  }
  size_t expected = 0;
  for (const auto& [name, d] : tables().types) {
    expected += pxs::alternativeCount(d);
    for (uint8_t i = 0; i < d->nMembers; ++i) expected += d->members[i].bit >= 0;
  }
  for (const auto& [name, e] : tables().enums) expected += e->enumCount;
  EXPECT_EQ(named.size(), expected);
}

TEST(Names, NamespaceIndicesArePositionsInTheNamespaceTable) {
  const std::pair<int, const char*> indices[] = {
      {PX_NS_WATCHERINFO, "urn:ietf:params:xml:ns:watcherinfo"},
      {PX_NS_RPID, "urn:ietf:params:xml:ns:pidf:rpid"},
      {PX_NS_RLMI, "urn:ietf:params:xml:ns:rlmi"},
      {PX_NS_CIVICLOC, "urn:ietf:params:xml:ns:pidf:geopriv10:civicLoc"},
      {PX_NS_BASICPOLICY, "urn:ietf:params:xml:ns:pidf:geopriv10:basicPolicy"},
      {PX_NS_GEOPRIV, "urn:ietf:params:xml:ns:pidf:geopriv10"},
      {PX_NS_DATAMODEL, "urn:ietf:params:xml:ns:pidf:data-model"},
      {PX_NS_CIPID, "urn:ietf:params:xml:ns:pidf:cipid"},
      {PX_NS_CAPS, "urn:ietf:params:xml:ns:pidf:caps"},
      {PX_NS_PIDF, "urn:ietf:params:xml:ns:pidf"},
      {PX_NS_PIDF_DIFF, "urn:ietf:params:xml:ns:pidf-diff"},
  };
  RtContext* ctxt = rtxNewContext();
  ASSERT_EQ(PxInit_SIMPLE_Global(ctxt), 0);
  NamespaceTable* table = PxGet_SIMPLE_NSURI(ctxt);
  ASSERT_NE(table, nullptr);
  int n = 0;
  const OSUTF8CHAR* const* builtIn = rtXmlNSDefaultURITable(&n);
  EXPECT_EQ(n, PX_NS_COUNT);
  for (const auto& [index, uri] : indices) {
    EXPECT_STREQ(reinterpret_cast<const char*>(table[index]), uri);
    EXPECT_STREQ(reinterpret_cast<const char*>(builtIn[index]), uri);
  }
  // Each document's root lies in the namespace its module's index names.
  size_t count = 0;
  const pxs::DocDesc* const* docs = pxs::allDocuments(&count);
  std::set<int> used;
  for (size_t i = 0; i < count; ++i) used.insert(docs[i]->nsIndex);
  EXPECT_EQ(used, (std::set<int>{PX_NS_WATCHERINFO, PX_NS_RPID, PX_NS_RLMI, PX_NS_GEOPRIV, PX_NS_DATAMODEL,
                                 PX_NS_CIPID, PX_NS_CAPS, PX_NS_PIDF, PX_NS_PIDF_DIFF}));
  rtxDeleteContext(ctxt);
}

}  // namespace
