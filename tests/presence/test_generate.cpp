// Generating diffs: apply(old, generate(old, new)) equals new as a tree, for
// every pair of corpus presence documents of one presentity and for variants
// made from them (tuples, persons, devices, notes, extensions and root
// attributes added, changed, removed and reordered), with the diff never
// larger than the new document.
#include <gtest/gtest.h>

#include <dirent.h>

#include <functional>
#include <map>
#include <pugixml.hpp>
#include <regex>

#include "presence_support.h"

namespace {

const std::string kStub = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"stub\"/>";

// The document in presence form (a pidf-full loses its root and version).
std::string asPresence(const std::string& text) {
  auto probe = pxxml::presence::apply(text, pxtest::diffOf({}));
  if (!probe || probe.value().kind() == PXP_KIND_PRESENCE) return text;
  auto converted = pxxml::presence::apply(kStub, text);
  return converted ? converted.value().str() : text;
}

// Checks the property for one pair; returns the diff's kind.
PxpKind roundTrip(const std::string& oldText, const std::string& newText, const std::string& label) {
  auto diff = pxxml::presence::generate(oldText, newText);
  EXPECT_TRUE(diff) << label << ": " << diff.error().name << ": " << diff.error().message;
  if (!diff) return PXP_KIND_PRESENCE;
  if (diff.value().isDiff()) {
    EXPECT_LE(diff.value().view().size(), newText.size()) << label;
  }
  auto applied = pxxml::presence::apply(oldText, diff.value().view());
  EXPECT_TRUE(applied) << label << ": " << applied.error().name << " at operation " << applied.error().operation << ": "
                       << applied.error().message << "\n" << diff.value().view();
  if (applied) {
    EXPECT_TRUE(pxtest::sameDocument(asPresence(applied.value().str()), asPresence(newText)))
        << label << "\n--- diff:\n" << diff.value().view();
  }
  return diff.value().kind();
}

// Corpus documents that are presence states, by presentity.
std::map<std::string, std::vector<std::pair<std::string, std::string>>> corpusStates() {
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> byEntity;
  std::regex entity("entity=[\"']([^\"']*)[\"']");
  for (const char* folder : {"rfc", "real"}) {
    std::string dir = pxtest::corpusDir() + "/" + folder;
    DIR* d = opendir(dir.c_str());
    if (!d) continue;
    while (dirent* e = readdir(d)) {
      std::string name = e->d_name;
      if (name.size() < 4 || name.substr(name.size() - 4) != ".xml") continue;
      std::string text;
      if (!pxtest::readFile(dir + "/" + name, &text)) continue;
      if (!pxxml::presence::generate(text, text)) continue;  // not a presence state
      std::smatch m;
      std::string key = std::regex_search(text, m, entity) ? m[1].str() : "";
      byEntity[key].emplace_back(std::string(folder) + "/" + name, text);
    }
    closedir(d);
  }
  return byEntity;
}

TEST(GenerateProperty, CorpusPairsOfOnePresentity) {
  auto byEntity = corpusStates();
  if (byEntity.empty()) GTEST_SKIP() << "corpus absent: " << pxtest::corpusDir();
  int pairs = 0;
  for (const auto& [entity, docs] : byEntity) {
    for (const auto& [oldName, oldText] : docs) {
      for (const auto& [newName, newText] : docs) {
        roundTrip(oldText, newText, oldName + " -> " + newName);
        ++pairs;
      }
    }
  }
  EXPECT_GE(pairs, 40);
}

// Variants of a document, made on its tree.
using Edit = std::function<void(pugi::xml_node root)>;

pugi::xml_node child(pugi::xml_node root, const char* local, int nth = 0) {
  for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) {
    std::string name = c.name();
    size_t colon = name.find(':');
    if (c.type() == pugi::node_element && name.substr(colon == std::string::npos ? 0 : colon + 1) == local && nth-- == 0) return c;
  }
  return {};
}

pugi::xml_node addTuple(pugi::xml_node root, pugi::xml_node before, const char* id, const char* basic) {
  pugi::xml_node t = before ? root.insert_child_before("tuple", before) : root.append_child("tuple");
  t.append_attribute("xmlns").set_value(pxtest::kPidfNs);
  t.append_attribute("id").set_value(id);
  t.append_child("status").append_child("basic").append_child(pugi::node_pcdata).set_value(basic);
  return t;
}

const std::vector<std::pair<const char*, Edit>> kEdits = {
    {"basic flipped",
     [](pugi::xml_node r) {
       for (pugi::xml_node t = child(r, "tuple"); t; t = {}) {
         pugi::xml_node basic = t.find_node([](pugi::xml_node n) { return std::string(n.name()).find("basic") != std::string::npos; });
         if (basic) basic.text().set(std::string(basic.text().get()) == "open" ? "closed" : "open");
       }
     }},
    {"first tuple removed", [](pugi::xml_node r) { if (pugi::xml_node t = child(r, "tuple")) r.remove_child(t); }},
    {"tuple added first", [](pugi::xml_node r) { addTuple(r, r.first_child(), "gen-first", "open"); }},
    {"tuple added after the tuples",
     [](pugi::xml_node r) {
       pugi::xml_node last;
       for (pugi::xml_node t = child(r, "tuple"); t; t = t.next_sibling(t.name())) last = t;
       addTuple(r, last ? last.next_sibling() : r.first_child(), "gen-after", "closed");
     }},
    {"tuple appended", [](pugi::xml_node r) { addTuple(r, pugi::xml_node(), "gen-end", "open"); }},
    {"tuples reordered",
     [](pugi::xml_node r) {
       pugi::xml_node a = child(r, "tuple"), b = child(r, "tuple", 1);
       if (a && b) r.insert_move_before(b, a);
     }},
    {"duplicate id", [](pugi::xml_node r) { if (pugi::xml_node t = child(r, "tuple")) r.insert_copy_after(t, t); }},
    {"entity changed", [](pugi::xml_node r) { r.attribute("entity").set_value("pres:changed@example.com"); }},
    {"root attribute in a namespace added",
     [](pugi::xml_node r) {
       r.append_attribute("xmlns:gx").set_value("urn:example:generated");
       r.append_attribute("gx:origin").set_value("test");
     }},
    {"presence note changed",
     [](pugi::xml_node r) {
       if (pugi::xml_node n = child(r, "note")) n.text().set("changed note");
       else r.append_child("note").append_attribute("xmlns").set_value(pxtest::kPidfNs);
     }},
    {"presence note added", [](pugi::xml_node r) {
       pugi::xml_node n = r.append_child("pn:note");
       n.append_attribute("xmlns:pn").set_value(pxtest::kPidfNs);
       n.text().set("added note");
     }},
    {"person added",
     [](pugi::xml_node r) {
       pugi::xml_node p = r.append_child("gdm:person");
       p.append_attribute("xmlns:gdm").set_value("urn:ietf:params:xml:ns:pidf:data-model");
       p.append_attribute("id").set_value("gen-person");
       pugi::xml_node a = p.append_child("gr:activities");
       a.append_attribute("xmlns:gr").set_value("urn:ietf:params:xml:ns:pidf:rpid");
       a.append_child("gr:away");
     }},
    {"extensions removed",
     [](pugi::xml_node r) {
       std::vector<pugi::xml_node> gone;
       for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
         if (c.type() == pugi::node_element && std::string(c.name()).find(':') != std::string::npos) gone.push_back(c);
       }
       for (pugi::xml_node c : gone) r.remove_child(c);
     }},
    {"extension inside a tuple changed",
     [](pugi::xml_node r) {
       if (pugi::xml_node t = child(r, "tuple")) {
         pugi::xml_node x = t.append_child("gx:flag");
         x.append_attribute("xmlns:gx").set_value("urn:example:generated");
         x.text().set("1");
       }
     }},
};

std::string edit(const std::string& text, const Edit& how) {
  pugi::xml_document doc;
  doc.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_declaration | pugi::parse_comments);
  how(doc.document_element());
  std::ostringstream out;
  doc.save(out, "", pugi::format_raw);
  return out.str();
}

TEST(GenerateProperty, VariantsOfCorpusDocuments) {
  auto byEntity = corpusStates();
  if (byEntity.empty()) GTEST_SKIP() << "corpus absent: " << pxtest::corpusDir();
  int diffs = 0, full = 0;
  for (const auto& [entity, docs] : byEntity) {
    for (const auto& [name, text] : docs) {
      std::vector<std::pair<std::string, std::string>> variants;
      for (const auto& [label, how] : kEdits) variants.emplace_back(label, edit(text, how));
      for (const auto& [label, variant] : variants) {
        (roundTrip(text, variant, name + " -> " + label) == PXP_KIND_DIFF ? diffs : full)++;
        roundTrip(variant, text, name + " <- " + label);
      }
      // Two edits apart.
      for (size_t i = 0; i + 1 < variants.size(); ++i) {
        roundTrip(variants[i].second, variants[i + 1].second, name + ": " + variants[i].first + " -> " + variants[i + 1].first);
      }
    }
  }
  // Most single edits are carried by a diff, not by full state.
  EXPECT_GT(diffs, 3 * full);
}

TEST(Generate, VersionsAndSmallDiffs) {
  const std::string oldState =
      "<pf:pidf-full xmlns:pf=\"urn:ietf:params:xml:ns:pidf-diff\" xmlns=\"urn:ietf:params:xml:ns:pidf\" "
      "entity=\"pres:a@example.com\" version=\"41\"><tuple id=\"a\"><status><basic>open</basic></status></tuple>"
      "<tuple id=\"b\"><status><basic>open</basic></status><note>a note long enough to make full state the bigger "
      "document of the two</note></tuple></pf:pidf-full>";
  std::string newState = pxtest::edited(oldState, {{"version=\"41\"", "version=\"42\""}, {"<basic>open</basic></status></tuple>", "<basic>closed</basic></status></tuple>"}});
  auto diff = pxxml::presence::generate(oldState, newState);
  ASSERT_TRUE(diff);
  ASSERT_TRUE(diff.value().isDiff()) << diff.value().view();
  EXPECT_NE(diff.value().view().find("version=\"42\""), std::string::npos);
  EXPECT_NE(diff.value().view().find("entity=\"pres:a@example.com\""), std::string::npos);
  EXPECT_NE(diff.value().view().find("sel=\"*/tuple[@id='a']\""), std::string::npos) << diff.value().view();
  EXPECT_EQ(diff.value().view().find("id='b'"), std::string::npos) << "unchanged tuples stay out of the diff";
  // An explicit version wins.
  auto seven = pxxml::presence::generate(oldState, newState, 7);
  ASSERT_TRUE(seven);
  EXPECT_NE(seven.value().view().find("version=\"7\""), std::string::npos);
  // Identical states: an empty diff.
  auto none = pxxml::presence::generate(oldState, oldState);
  ASSERT_TRUE(none);
  EXPECT_EQ(none.value().view().find("sel="), std::string::npos) << none.value().view();
}

TEST(Generate, FullStateWhenEverythingChanged) {
  const std::string oldState = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"><tuple id=\"a\"><status/></tuple></presence>";
  const std::string newState = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"><tuple id=\"z\"><status/></tuple></presence>";
  auto result = pxxml::presence::generate(oldState, newState);
  ASSERT_TRUE(result);
  EXPECT_EQ(result.value().kind(), PXP_KIND_FULL);
  EXPECT_NE(result.value().view().find("pidf-full"), std::string::npos);
  auto applied = pxxml::presence::apply(oldState, result.value().view());
  ASSERT_TRUE(applied);
  EXPECT_TRUE(pxtest::sameDocument(applied.value().view(), newState));
}

TEST(Generate, RefusesDocumentsThatAreNoPresenceStates) {
  auto result = pxxml::presence::generate("<presence xmlns=\"urn:ietf:params:xml:ns:pidf\"/>", "<list xmlns=\"urn:ietf:params:xml:ns:rlmi\"/>");
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().status, PXP_E_INVALID_DOCUMENT);
  EXPECT_EQ(result.error().document, 1);
}

}  // namespace
