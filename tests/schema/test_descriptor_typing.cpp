// The value kinds the corpus comparison takes from the descriptors: by
// document, down a path of elements, for an attribute or for the text.
#include <gtest/gtest.h>

#include "caps/caps_tables.h"
#include "cipid/cipid_tables.h"
#include "data_model/data_model_tables.h"
#include "geopriv/geopriv_tables.h"
#include "partial_pidf/patch_tables.h"
#include "pidf/pidf_tables.h"
#include "rlmi/rlmi_tables.h"
#include "rpid/rpid_tables.h"
#include "schema/descriptor_typing.h"
#include "schema/xsd_model.h"
#include "winfo/winfo_tables.h"

using namespace pxtest;
using xml::ValueKind;

namespace {

struct Step {
  const char* alias;  // namespace alias of SchemaSet::aliases()
  const char* local;
};

struct TypingCase {
  const pxs::DocDesc* doc;
  std::vector<Step> path;  // below the root
  const char* attribute;   // null: the element's text; "xml:lang" for the XML namespace
  ValueKind kind;
  bool typedChildren;  // whether children are typed: false for simple values and kept text
};

const TypingCase kCases[] = {
    {&kDoc_tns_presence, {}, "entity", ValueKind::Collapse, true},
    {&kDoc_tns_presence, {{"pidf", "tuple"}, {"pidf", "contact"}}, "priority", ValueKind::Decimal, true},
    {&kDoc_tns_presence, {{"pidf", "tuple"}, {"pidf", "contact"}}, nullptr, ValueKind::Collapse, true},
    {&kDoc_tns_presence, {{"pidf", "tuple"}, {"pidf", "timestamp"}}, nullptr, ValueKind::DateTime, false},
    {&kDoc_tns_presence, {{"pidf", "tuple"}, {"pidf", "status"}, {"pidf", "basic"}}, nullptr, ValueKind::Collapse,
     false},
    {&kDoc_tns_presence, {{"pidf", "note"}}, "xml:lang", ValueKind::Exact, true},
    {&kDoc_tns_presence, {{"pidf", "note"}}, nullptr, ValueKind::Exact, true},
    // Foreign elements are kept as text: nothing below them is typed.
    {&kDoc_tns_presence, {{"dm", "person"}}, "id", ValueKind::Exact, false},
    // An element of a PIDF name in another namespace is foreign too.
    {&kDoc_tns_presence, {{"rpid", "tuple"}}, nullptr, ValueKind::Exact, false},
    {&kDoc_partial_pidf_diff, {}, "version", ValueKind::Integer, true},
    {&kDoc_partial_pidf_diff, {{"diff", "add"}}, "sel", ValueKind::XPath, false},
    {&kDoc_partial_pidf_diff, {{"diff", "add"}}, "type", ValueKind::XPath, false},
    {&kDoc_partial_pidf_diff, {{"diff", "remove"}}, "sel", ValueKind::XPath, true},
    {&kDoc_partial_pidf_diff, {{"diff", "remove"}}, "ws", ValueKind::Collapse, true},
    {&kDoc_partial_pidf_full, {{"pidf", "tuple"}, {"pidf", "contact"}}, "priority", ValueKind::Decimal, true},
    {&kDoc_rpid_activities, {}, "from", ValueKind::DateTime, true},
    {&kDoc_rpid_activities, {{"rpid", "other"}}, "xml:lang", ValueKind::Exact, true},
    {&kDoc_rpid_privacy, {{"rpid", "audio"}}, nullptr, ValueKind::Exact, false},
    {&kDoc_rpid_user_input, {}, nullptr, ValueKind::Collapse, true},
    {&kDoc_rpid_user_input, {}, "idle-threshold", ValueKind::Integer, true},
    {&kDoc_rpid_time_offset, {}, nullptr, ValueKind::Integer, true},
    {&kDoc_tns_servcaps, {{"caps", "audio"}}, nullptr, ValueKind::Boolean, false},
    {&kDoc_tns_servcaps, {{"caps", "priority"}, {"caps", "supported"}, {"caps", "equals"}}, "value",
     ValueKind::Integer, true},
    // Language lists take their children by local name in any namespace.
    {&kDoc_tns_servcaps, {{"caps", "languages"}, {"caps", "supported"}, {"pidf", "l"}}, nullptr, ValueKind::Exact,
     false},
    {&kDoc_tns_geopriv, {{"gp", "usage-rules"}, {"gbp", "retransmission-allowed"}}, nullptr, ValueKind::Boolean,
     false},
    {&kDoc_tns_geopriv, {{"gp", "usage-rules"}, {"gbp", "retention-expiry"}}, nullptr, ValueKind::DateTime, false},
    {&kDoc_tns_watcherinfo, {{"winfo", "watcher-list"}, {"winfo", "watcher"}}, "expiration", ValueKind::Integer,
     true},
    {&kDoc_tns_watcherinfo, {{"winfo", "watcher-list"}, {"winfo", "watcher"}}, nullptr, ValueKind::Collapse, true},
    {&kDoc_rlmi_list, {}, "fullState", ValueKind::Boolean, true},
    {&kDoc_rlmi_list, {}, "unknown", ValueKind::Exact, true},
    {&kDoc_cipid_card, {}, nullptr, ValueKind::Collapse, false},
    {&kDoc_cipid_display_name, {}, nullptr, ValueKind::Exact, false},
};

std::vector<std::string> libraryUris() {
  int n = 0;
  const OSUTF8CHAR* const* uris = rtXmlNSDefaultURITable(&n);
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i) out.push_back(reinterpret_cast<const char*>(uris[i]));
  return out;
}

TEST(DescriptorTyping, KindsFollowTheTablesDownToEachValue) {
  std::vector<std::string> uris = libraryUris();
  for (const auto& c : kCases) {
    std::string where = std::string(c.doc->elemName);
    xml::Typing t = schema::typingOf(c.doc, uris);
    for (const auto& step : c.path) {
      where += std::string("/") + step.local;
      xml::Element e;
      e.ns = xsd::SchemaSet::aliases().at(step.alias);
      e.local = step.local;
      ASSERT_TRUE(t.child) << where << ": children untyped";
      t = t.child(e);
    }
    EXPECT_EQ(static_cast<bool>(t.child), c.typedChildren) << where;
    if (!c.attribute) {
      EXPECT_EQ(t.text, c.kind) << where;
      continue;
    }
    xml::Attribute a;
    std::string name = c.attribute;
    if (name.rfind("xml:", 0) == 0) {
      a.ns = xml::kXmlNamespace;
      name = name.substr(4);
    }
    a.local = name;
    ValueKind got = t.attribute ? t.attribute(a) : ValueKind::Exact;
    EXPECT_EQ(got, c.kind) << where << "@" << c.attribute;
  }
}

}  // namespace
