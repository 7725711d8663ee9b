// The library's content-model tables held against the RFC schemas of the
// corpus: every record type, simple type and document the modules declare
// is bound to its schema construct below and compared with it (see
// table_check.h for what is compared). A difference fails the test unless
// it is listed as deliberate, with the sentence of the library's contract
// that makes it so; a listed deviation that no longer occurs fails too.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "pidf/pidf_support.h"
#include "schema/library_tables.h"
#include "schema/schema_bindings.h"
#include "schema/table_check.h"

using namespace pxtest;
using pxtest::schema::Difference;

namespace {

// Differences the library keeps on purpose, each with the sentence of its
// contract that asks for it.
struct Deviation {
  const char* type;
  const char* aspect;
  const char* reason;
};

constexpr const char* kRequiredChildren =
    "Each handler of a type with required child elements keeps one bit per required child, set when that child "
    "starts; nothing reads these bits, so a complex element that ends before its required children is not reported "
    "(only a child arriving where a required one must come first is refused by the matrix).";
constexpr const char* kWildcardRow =
    "The wildcard row carries the type's own namespace index and stands for elements of other namespaces.";
constexpr const char* kValueOrder =
    "Notes come first; values may repeat in any mixture; once a foreign element has come, only further foreign "
    "elements are accepted.";
constexpr const char* kLocationLists =
    "`tns_locInfoType` (content of \"location-info\") and `tns_locProvidedBy` (content of \"provided-by\") have the "
    "same shape: one field, an `RtDList` of `RtXmlString`, each string one child element (any namespace) as XML "
    "text.";
constexpr const char* kLocationListAttributes =
    "The location-info and provided-by handlers (`PxSAX_tns_locInfoType_startElement`, "
    "`PxSAX_tns_locProvidedBy_startElement`): at their own start tag the name is checked (-3 when a name was given) "
    "and no attribute is examined.";
constexpr const char* kStringListChild =
    "A child start tag (level 1) must be named exactly \"l\" (or \"s\"), compared with `rtXmlStrCmpAsc`; another "
    "name records -3 with the parameters \"tns_l\" (or \"tns_s\") and the child's qualified name and is skipped; an "
    "accepted child empties the character buffer.";
constexpr const char* kStringListAttributes =
    "String-list handlers: the own start tag takes the name check (-3) and opens a namespace scope; attributes are "
    "not examined.";

const std::vector<Deviation> kDeviations = {
    {"tns_tuple", "empty content",
     "A tuple with no child element at all is accepted by the decoder and by the validator: nothing checks at the "
     "tuple's end that the required \"status\" came, and the embedded status stays as `PxInit_tns_status` left it "
     "(the encoder then writes an empty \"status\" element)."},
    {"rpid__activities", "order, after (wildcard), schema allows more", kValueOrder},
    {"rpid__mood", "order, after (wildcard), schema allows more", kValueOrder},
    {"rpid__privacy", "empty content",
     "Own end: tag 0 gives -9, so an empty `privacy` element is refused by the decoder although the encoder writes "
     "one for tag 0."},
    {"dm__device", "empty content", kRequiredChildren},
    {"tns_languagestype_supported", "row 0 l namespace", kStringListChild},
    {"tns_languagestype_supported", "attributes ignored", kStringListAttributes},
    {"tns_languagestype_notsupported", "row 0 l namespace", kStringListChild},
    {"tns_languagestype_notsupported", "attributes ignored", kStringListAttributes},
    {"tns_schemestype_supported", "row 0 s namespace", kStringListChild},
    {"tns_schemestype_supported", "attributes ignored", kStringListAttributes},
    {"tns_schemestype_notsupported", "row 0 s namespace", kStringListChild},
    {"tns_schemestype_notsupported", "attributes ignored", kStringListAttributes},
    {"tns_geopriv", "empty content",
     "The geopriv handler does not report a missing \"location-info\" or \"usage-rules\" at its end tag."},
    {"tns_geopriv", "attributes ignored",
     "Decoding (`PxSAX_tns_geopriv_startElement`): the root start tag is checked against \"geopriv\" (-3) and opens "
     "a namespace scope; its attributes are not examined."},
    {"tns_locInfoType", "row 0 (wildcard) namespace", kLocationLists},
    {"tns_locInfoType", "member (list) namespace", kLocationLists},
    {"tns_locInfoType", "attributes ignored", kLocationListAttributes},
    {"tns_locProvidedBy", "row 0 (wildcard) namespace", kLocationLists},
    {"tns_locProvidedBy", "member (list) namespace", kLocationLists},
    {"tns_locProvidedBy", "attributes ignored", kLocationListAttributes},
    {"rlmi__instance", "row 0 (wildcard) namespace", kWildcardRow},
    {"rlmi__instance", "member rlmi__any namespace", kWildcardRow},
    {"replace", "open content", "Both elements have open content: any elements and text, in any namespace."},
};

// Differences found earlier and corrected in the tables; they must not come
// back (any difference not listed above fails the test).
struct Correction {
  const char* type;
  const char* aspect;
};
const Correction kCorrected[] = {
    {"rpid__relationship", "row 5 other occurrence"},
    {"rpid__relationship_2", "member rpid_other occurrence"},
    {"rpid__activities_2", "member unknown occurrence"},
    {"tns_locProvidedBy", "row 0 (wildcard) occurrence"},
};

std::string str(const Difference& d) { return d.type + " | " + d.aspect + " | " + d.detail; }

}  // namespace

TEST(SchemaTables, EveryTableAgreesWithTheSchemasOrIsAListedDeviation) {
  std::string dir = corpusDir() + "/xsd";
  xsd::SchemaSet schemas;
  std::string error;
  if (!schemas.load(dir, &error)) {
    if (error.rfind("no schema in", 0) == 0) GTEST_SKIP() << "schemas not available: " << dir;
    FAIL() << error;
  }
  EXPECT_EQ(schemas.filesRead(), 14);

  int n = 0;
  const OSUTF8CHAR* const* uris = rtXmlNSDefaultURITable(&n);
  std::vector<std::string> nsUris;
  for (int i = 0; i < n; ++i) nsUris.push_back(reinterpret_cast<const char*>(uris[i]));
  schema::TableCheck check(schemas, nsUris);

  std::set<const pxs::TypeDesc*> boundTypes;
  for (const auto& b : schema::typeBindings()) {
    auto node = schemas.resolve(b.path, &error);
    ASSERT_TRUE(node.type || node.particle) << b.desc->name << ": " << error;
    EXPECT_TRUE(boundTypes.insert(b.desc).second) << b.desc->name << " bound twice";
    check.bind(b.desc, node);
  }
  std::set<const pxs::SimpleType*> boundSimples;
  for (const auto& b : schema::simpleBindings()) {
    auto node = schemas.resolve(b.path, &error);
    ASSERT_TRUE(node.type && node.type->isSimple()) << b.simple->name << ": " << error;
    EXPECT_TRUE(boundSimples.insert(b.simple).second) << b.simple->name << " bound twice";
    check.bind(b.simple, node.type);
  }

  // Every descriptor the modules declare or reach is bound, and nothing else.
  auto types = schema::reachableTypes();
  auto simples = schema::reachableSimpleTypes();
  for (const auto* d : types) EXPECT_TRUE(boundTypes.count(d)) << d->name << " has no schema binding";
  for (const auto* s : simples) EXPECT_TRUE(boundSimples.count(s)) << s->name << " has no schema binding";
  EXPECT_EQ(types.size(), boundTypes.size());
  EXPECT_EQ(simples.size(), boundSimples.size());

  for (const auto* d : types) check.checkType(d);
  for (const auto* s : simples) check.checkSimple(s);
  auto documents = schema::declaredDocuments();
  for (const auto* doc : documents) check.checkDocument(doc);

  std::vector<bool> occurred(kDeviations.size(), false);
  std::vector<std::string> unlisted;
  for (const auto& d : check.differences()) {
    bool listed = false;
    for (size_t i = 0; i < kDeviations.size(); ++i)
      if (d.type == kDeviations[i].type && d.aspect == kDeviations[i].aspect) listed = occurred[i] = true;
    if (!listed) unlisted.push_back(str(d));
  }
  std::vector<std::string> gone;
  for (size_t i = 0; i < kDeviations.size(); ++i)
    if (!occurred[i]) gone.push_back(std::string(kDeviations[i].type) + " | " + kDeviations[i].aspect);

  std::ostringstream summary;
  summary << "compared " << types.size() << " record types, " << simples.size() << " simple types and "
          << documents.size() << " documents with " << schemas.filesRead() << " schema files; "
          << check.differences().size() << " differences, " << check.differences().size() - unlisted.size()
          << " of them listed as deliberate (" << kDeviations.size() << " listed); " << std::size(kCorrected)
          << " corrected in the tables earlier\n";
  for (const auto& c : kCorrected)
    for (const auto& d : check.differences())
      EXPECT_FALSE(d.type == c.type && d.aspect == c.aspect) << "corrected difference is back: " << str(d);
  for (const auto& u : unlisted) summary << "  not listed: " << u << "\n";
  for (const auto& g : gone) summary << "  listed, no longer occurs: " << g << "\n";
  EXPECT_TRUE(unlisted.empty() && gone.empty()) << summary.str();
  if (std::getenv("PX_SHOW_DEVIATIONS"))
    for (const auto& d : check.differences()) std::cout << str(d) << "\n";
}
