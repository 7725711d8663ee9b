// The cross-check finds what a wrong table would say: each case copies a
// real descriptor, breaks one thing in it, and expects exactly the
// differences that the break causes beyond those of the original (and, for
// a break that happens to match the schema, the original's difference gone).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "pidf/pidf_support.h"
#include "pidf/pidf_tables.h"
#include "partial_pidf/patch_tables.h"
#include "rlmi/rlmi_tables.h"
#include "rpid/rpid_tables.h"
#include "schema/schema_bindings.h"
#include "schema/table_check.h"
#include "winfo/winfo_tables.h"

using namespace pxtest;

namespace {

// A descriptor whose tables can be changed.
struct Copy {
  explicit Copy(const pxs::TypeDesc& d)
      : desc(d),
        members(d.members, d.members + d.nMembers),
        elems(d.elems, d.elems + d.nElems),
        matrix(d.matrix, d.matrix + d.nElems * d.nStates),
        rows(d.rows, d.rows + (d.rows ? d.nElems : 0)),
        attrNames(d.attrNames, d.attrNames + d.nAttrs) {
    desc.members = members.data();
    desc.elems = elems.empty() ? nullptr : elems.data();
    desc.matrix = matrix.empty() ? nullptr : matrix.data();
    desc.rows = rows.empty() ? nullptr : rows.data();
    desc.attrNames = attrNames.empty() ? nullptr : attrNames.data();
  }
  pxs::Member& member(const char* field) {
    for (auto& m : members)
      if (std::string(m.field) == field) return m;
    throw std::runtime_error(field);
  }
  uint8_t& cell(int row, int state) { return matrix[static_cast<size_t>(row * desc.nStates + state)]; }

  pxs::TypeDesc desc;
  std::vector<pxs::Member> members;
  std::vector<RtXmlElemInfo> elems;
  std::vector<uint8_t> matrix;
  std::vector<pxs::ElemRow> rows;
  std::vector<const char*> attrNames;
};

struct TypeBreak {
  const char* name;
  const pxs::TypeDesc* original;
  std::function<void(Copy&)> breakIt;
  std::set<std::string> appear;     // aspects the break adds
  std::set<std::string> disappear;  // aspects of the original the break removes
};

const TypeBreak kTypeBreaks[] = {
    {"a row's maximum", &kDesc_tns_tuple, [](Copy& c) { c.elems[2].maxOccurs = -1; }, {"row 2 contact occurrence"}, {}},
    {"a row's name", &kDesc_tns_tuple, [](Copy& c) { c.elems[0].name = "state"; }, {"row 0 state"}, {}},
    {"two rows for one element", &kDesc_tns_tuple, [](Copy& c) { c.elems[4].name = "note"; },
     {"row 4 note", "row 4 note repeated"}, {}},
    {"a row's namespace", &kDesc_tns_tuple, [](Copy& c) { c.elems[3].nsidx = PX_NS_RPID; },
     {"row 3 note namespace", "row 3 note encoder namespace"}, {}},
    {"a row missing", &kDesc_tns_status, [](Copy& c) { c.desc.nElems = 1; }, {"rows"}, {}},
    {"the matrix takes contact after a note", &kDesc_tns_tuple, [](Copy& c) { c.cell(2, 4) = 3; },
     {"order, after status, note, tables allow more"}, {}},
    {"the matrix refuses a note right after status", &kDesc_tns_tuple, [](Copy& c) { c.cell(3, 1) = pxs::kNo; },
     {"order, after status, schema allows more"}, {}},
    {"the matrix takes a tuple after the first note", &kDesc_tns_presence, [](Copy& c) { c.cell(0, 2) = 1; },
     {"order, after note, tables allow more"}, {}},
    {"values after foreign elements, as the schema has them", &kDesc_rpid__activities,
     [](Copy& c) {
       for (int row = 2; row < c.desc.nElems - 1; ++row) c.cell(row, 3) = 2;
     },
     {}, {"order, after (wildcard), schema allows more"}},
    {"a row that fills another member", &kDesc_tns_tuple, [](Copy& c) { c.rows[2].member = 3; },
     {"row 2 contact action"}, {}},
    {"a value with its neighbour's tag", &kDesc_rpid__activities, [](Copy& c) { c.rows[5].itemTag = 5; },
     {"row 5 busy action"}, {}},
    {"a medium in another member of its group", &kDesc_rpid__privacy, [](Copy& c) { c.rows[3].inner = 2; },
     {"row 3 text action"}, {}},
    {"an alternative with another tag", &kDesc_rpid__sphere, [](Copy& c) { c.rows[0].tag = 2; },
     {"row 0 home action"}, {}},
    {"an operation that starts no new item", &kDesc_partial__pidf_diff, [](Copy& c) { c.rows[1].itemTag = 0; },
     {"row 1 replace action"}, {}},
    {"a required attribute made optional", &kDesc_tns_tuple, [](Copy& c) { c.desc.requiredMask = 0; },
     {"attribute id use"}, {}},
    {"an optional element without its bit", &kDesc_tns_tuple, [](Copy& c) { c.member("tns_timestamp").bit = -1; },
     {"presence bit of tns_timestamp"}, {}},
    {"bits counted out of record order", &kDesc_rpid__place_is,
     [](Copy& c) { std::swap(c.member("from").bit, c.member("rpid_audio").bit); },
     {"presence bit of from", "presence bit of rpid_audio"}, {}},
    {"a presence word with no bit in it", &kDesc_tns__watcher_list, [](Copy& c) { c.desc.presentOffset = 0; },
     {"presence word"}, {}},
    {"an attribute renamed", &kDesc_tns_tuple, [](Copy& c) { c.attrNames[0] = "ident"; }, {"attribute 0"}, {}},
    {"an attribute wildcard the schema lacks, before the attributes", &kDesc_tns_tuple,
     [](Copy& c) { c.desc.anyAttrMember = 0; }, {"attribute table order", "attribute wildcard"}, {}},
    {"an attribute of the wrong kind", &kDesc_rlmi__list,
     [](Copy& c) { c.member("rlmi_version").kind = pxs::Kind::Int; },
     {"attribute version kind"}, {}},
    {"a lower bound lost", &kDesc_rpid__user_input,
     [](Copy& c) { c.member("rpid_idle_threshold").minValue = INT64_MIN; },
     {"attribute idle-threshold lower bound"}, {}},
    {"a single record made a list", &kDesc_tns_tuple,
     [](Copy& c) { c.member("tns_status").kind = pxs::Kind::RecordList; },
     {"member tns_status kind"}, {"empty content"}},  // a list of at least one is checked at the end
    {"a member of another type", &kDesc_tns_tuple, [](Copy& c) { c.member("tns_status").type = &kDesc_tns_note; },
     {"member tns_status type"}, {}},
    {"a date kept as plain text", &kDesc_tns_tuple, [](Copy& c) { c.member("tns_timestamp").kind = pxs::Kind::Text; },
     {"member tns_timestamp kind"}, {}},
    {"an enumeration without its table", &kDesc_tns_status, [](Copy& c) { c.member("tns_basic").simple = nullptr; },
     {"member tns_basic simple type"}, {}},
    {"a wildcard of any namespace", &kDesc_tns_presence, [](Copy& c) { c.member("tns__any").nsIndex = RT_NS_ANY; },
     {"member tns__any namespace"}, {}},
    {"a member's occurrence", &kDesc_tns_presence, [](Copy& c) { c.member("tns_note").maxOccurs = 1; },
     {"member tns_note occurrence"}, {}},
    {"a list that may not be empty", &kDesc_rlmi__list, [](Copy& c) { c.member("rlmi_name").minOccurs = 1; },
     {"member rlmi_name occurrence", "empty content"}, {}},
    {"a choice that must be given", &kDesc_rpid__sphere, [](Copy& c) { c.desc.choiceRequired = true; },
     {"empty content"}, {}},
    {"a value of the wrong kind", &kDesc_tns__watcher, [](Copy& c) { c.member("value").kind = pxs::Kind::Text; },
     {"value kind"}, {}},
    {"another content shape", &kDesc_tns_note, [](Copy& c) { c.desc.shape = pxs::Shape::EmptyContent; },
     {"content"}, {}},
    {"an alternative out of order", &kDesc_rpid__place_type_2, [](Copy& c) { std::swap(c.members[0], c.members[1]); },
     {"member rpid__any kind", "member rpid__any name", "member rpid__any occurrence", "member rpid__any type",
      "member rpid_other kind", "member rpid_other occurrence"},
     {}},
    {"attributes ignored where the schema allows none", &kDesc_tns_status,
     [](Copy& c) { c.desc.attributesIgnored = true; }, {"attributes ignored"}, {}},
};

std::vector<std::string> libraryUris() {
  int n = 0;
  const OSUTF8CHAR* const* uris = rtXmlNSDefaultURITable(&n);
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i) out.push_back(reinterpret_cast<const char*>(uris[i]));
  return out;
}

class TableCheckBreaks : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    schemas_ = std::make_unique<xsd::SchemaSet>();
    std::string error;
    if (!schemas_->load(corpusDir() + "/xsd", &error)) schemas_.reset();
  }
  static void TearDownTestSuite() { schemas_.reset(); }
  void SetUp() override {
    if (!schemas_) GTEST_SKIP() << "schemas not available: " << corpusDir() << "/xsd";
  }

  // A check with every real descriptor bound.
  std::unique_ptr<schema::TableCheck> check() {
    auto c = std::make_unique<schema::TableCheck>(*schemas_, libraryUris());
    std::string error;
    for (const auto& b : schema::typeBindings()) c->bind(b.desc, schemas_->resolve(b.path, &error));
    for (const auto& b : schema::simpleBindings()) c->bind(b.simple, schemas_->resolve(b.path, &error).type);
    return c;
  }
  static std::set<std::string> aspects(const schema::TableCheck& c) {
    std::set<std::string> out;
    for (const auto& d : c.differences()) out.insert(d.aspect);
    return out;
  }
  xsd::SchemaSet::Node nodeOf(const pxs::TypeDesc* d) {
    std::string error;
    for (const auto& b : schema::typeBindings())
      if (b.desc == d) return schemas_->resolve(b.path, &error);
    return {};
  }

  static std::unique_ptr<xsd::SchemaSet> schemas_;
};
std::unique_ptr<xsd::SchemaSet> TableCheckBreaks::schemas_;

TEST_F(TableCheckBreaks, EachBrokenTypeTableIsFound) {
  for (const auto& b : kTypeBreaks) {
    auto before = check();
    before->checkType(b.original);
    Copy copy(*b.original);
    b.breakIt(copy);
    auto after = check();
    after->bind(&copy.desc, nodeOf(b.original));
    after->checkType(&copy.desc);
    std::set<std::string> was = aspects(*before), is = aspects(*after), appeared, disappeared;
    for (const auto& a : is)
      if (!was.count(a)) appeared.insert(a);
    for (const auto& a : was)
      if (!is.count(a)) disappeared.insert(a);
    EXPECT_EQ(appeared, b.appear) << b.name;
    EXPECT_EQ(disappeared, b.disappear) << b.name;
  }
}

TEST_F(TableCheckBreaks, EnumerationsPatternsAndDocumentsAreHeldToo) {
  auto c = check();
  // The enumeration in the schema's order is open, closed.
  static const RtEnumItem swapped[] = {{reinterpret_cast<const OSUTF8CHAR*>("closed"), 0, 6, 0},
                                       {reinterpret_cast<const OSUTF8CHAR*>("open"), 1, 4, 1}};
  pxs::SimpleType basic = kSimple_tns_basic;
  basic.enumTable = swapped;
  // A converter that disagrees with the table ("open" is 0 in both).
  pxs::SimpleType reconverted = kSimple_tns_basic;
  reconverted.toEnum = [](const OSUTF8CHAR*, size_t len, uint16_t* value) {
    *value = len == 4 ? 1 : 0;
    return 0;
  };
  std::string xpath = std::string(kSimple_xpath.pattern) + "?";
  pxs::SimpleType selector = kSimple_xpath;
  selector.pattern = xpath.c_str();
  pxs::SimpleType noFormat = kSimple_tns_qvalue;
  noFormat.decimal = nullptr;
  std::string error;
  c->bind(&basic, schemas_->resolve("type pidf:basic", &error).type);
  c->bind(&reconverted, schemas_->resolve("type pidf:basic", &error).type);
  c->bind(&selector, schemas_->resolve("type diff:xpath", &error).type);
  c->bind(&noFormat, schemas_->resolve("type pidf:qvalue", &error).type);
  const pxs::SimpleType* simples[] = {&basic, &reconverted, &selector, &noFormat, &kSimple_tns_basic, &kSimple_xpath,
                                      &kSimple_tns_qvalue};
  for (const pxs::SimpleType* s : simples)
    c->checkSimple(s);

  pxs::DocDesc misnamed = kDoc_tns_presence;
  misnamed.elemName = "presense";
  pxs::DocDesc mistyped = kDoc_tns_presence;
  mistyped.type = &kDesc_tns_tuple;
  pxs::DocDesc misplaced = kDoc_tns_presence;
  misplaced.nsIndex = PX_NS_RLMI;
  pxs::DocDesc uncollapsed = kDoc_rpid_class;
  uncollapsed.simpleKind = pxs::Kind::Text;
  const pxs::DocDesc* documents[] = {&misnamed, &mistyped, &misplaced, &uncollapsed, &kDoc_tns_presence,
                                     &kDoc_rpid_class};
  for (const pxs::DocDesc* d : documents)
    c->checkDocument(d);

  std::vector<std::string> found;
  for (const auto& d : c->differences()) found.push_back(d.type + " | " + d.aspect);
  EXPECT_EQ(found, (std::vector<std::string>{"tns_basic | enumeration", "tns_basic | enumeration",
                                             "xpath | patterns", "tns_qvalue | patterns", "document presense | root",
                                             "document presence | type", "document presence | root",
                                             "document class | kind"}));
}

}  // namespace
