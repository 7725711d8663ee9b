// The tree reader and comparer that the corpus and schema suites rely on:
// values of each kind, selector bindings, and tree comparisons that must
// find (or must not find) a loss.
#include <gtest/gtest.h>

#include "support/xml_compare.h"

using namespace pxtest::xml;

namespace {

struct ValueCase {
  ValueKind kind;
  const char* a;
  const char* b;
  bool same;
};

const ValueCase kValues[] = {
    {ValueKind::Exact, "a b", "a b", true},
    {ValueKind::Exact, " a", "a", false},
    {ValueKind::Collapse, " a \n\t b ", "a b", true},
    {ValueKind::Collapse, "ab", "a b", false},
    {ValueKind::Boolean, "1", "true", true},
    {ValueKind::Boolean, " false ", "0", true},
    {ValueKind::Boolean, "0", "true", false},
    {ValueKind::Boolean, "yes", " yes", true},  // not a boolean: compared collapsed
    {ValueKind::Integer, "+05", "5", true},
    {ValueKind::Integer, "-0", "0", true},
    {ValueKind::Integer, "-12", "12", false},
    {ValueKind::Integer, "007", "70", false},
    {ValueKind::Decimal, "1.00", "1", true},
    {ValueKind::Decimal, "0.5", ".50", true},
    {ValueKind::Decimal, "0.8", "0.9", false},
    {ValueKind::Decimal, "1e3", "1000", false},  // no exponent in xs:decimal: compared as text
    {ValueKind::DateTime, "2005-05-30T22:00:29+02:00", "2005-05-30T20:00:29Z", true},
    {ValueKind::DateTime, "2005-05-30T20:00:29.500Z", "2005-05-30T20:00:29.5Z", true},
    {ValueKind::DateTime, "2005-01-01T00:30:00+01:00", "2004-12-31T23:30:00Z", true},
    {ValueKind::DateTime, "2005-05-30T20:00:29", "2005-05-30T20:00:29Z", false},
    {ValueKind::DateTime, "2005-05-30T20:00:29Z", "2005-05-30T20:00:30Z", false},
    {ValueKind::XPath, "a/b", "a/b", true},
};

TEST(XmlCompare, ValuesCompareAsTheirKind) {
  for (const auto& c : kValues) {
    EXPECT_EQ(sameValue(c.kind, c.a, c.b), c.same)
        << static_cast<int>(c.kind) << " \"" << c.a << "\" \"" << c.b << "\"";
    EXPECT_EQ(sameValue(c.kind, c.b, c.a), c.same) << "reversed: \"" << c.b << "\" \"" << c.a << "\"";
  }
}

struct BindingCase {
  const char* selector;
  std::map<std::string, std::string> before, after;
  const char* change;  // empty: no change
};

const BindingCase kBindings[] = {
    {"*/d:person/r:busy", {{"d", "D"}, {"r", "R"}}, {{"d", "D"}, {"r", "R"}, {"x", "X"}}, ""},
    {"*/d:person", {{"d", "D"}}, {}, "prefix d was D, is unbound"},
    {"presence/note", {{"", "P"}}, {{"tns", "P"}}, "the default namespace was P, is unbound"},
    {"presence/note", {}, {}, ""},
    // Functions, attributes, literals and namespace nodes use no binding.
    {"text()", {{"", "P"}}, {}, ""},
    {"/*/@id", {{"", "P"}}, {}, ""},
    {"*[@id='a:b c']/comment()", {{"", "P"}}, {}, ""},
    {"*/namespace::q", {{"", "P"}}, {}, ""},
    {"/*/@p:id", {{"p", "A"}}, {{"p", "B"}}, "prefix p was A, is B"},
};

TEST(XmlCompare, SelectorsKeepTheNamespacesTheyName) {
  for (const auto& c : kBindings) EXPECT_EQ(bindingChange(c.selector, c.before, c.after), c.change) << c.selector;
}

struct TreeCase {
  const char* name;
  const char* input;
  const char* output;
  std::vector<std::string> differences;  // describe() of each, in order
};

const TreeCase kTrees[] = {
    {"prefixes, declarations, comments and layout do not count",
     "<?xml version='1.0'?><!--c--><p:a xmlns:p='u' x='1'>\n  <p:b>t</p:b><?pi x?>\n</p:a>",
     "<a xmlns='u' x='1'><b>t</b></a>",
     {}},
    {"a lost child and everything in it is one loss",
     "<a xmlns='u'><b><c/></b><d/></a>",
     "<a xmlns='u'><d/></a>",
     {"/a/b: element lost"}},
    {"children may come back in another order", "<a><b/><c/></a>", "<a><c/><b/></a>", {}},
    {"a child in another namespace is another child",
     "<a><b xmlns='u'/></a>",
     "<a><b xmlns='v'/></a>",
     {"/a/b: element lost", "/a/b: element added"}},
    {"siblings of one name are told apart by position",
     "<a><b>1</b><b>2</b></a>",
     "<a><b>1</b><b>3</b></a>",
     {"/a/b[2]: text changed from \"2\" to \"3\""}},
    {"attributes lost, changed and added",
     "<a x='1' y='2' xml:lang='en'/>",
     "<a x='3' z='4'/>",
     {"/a/@x: attribute changed from \"1\" to \"3\"", "/a/@y: attribute lost (was \"2\")",
      "/a/@xml:lang: attribute lost (was \"en\")", "/a/@z: attribute added (\"4\")"}},
    {"text beside elements counts unless it is all whitespace",
     "<a>\n keep <b/>\n</a>",
     "<a><b/></a>",
     {"/a: text lost (was \"\n keep \")"}},
    {"text of a text-only element counts to the last space",
     "<a> t </a>",
     "<a>t</a>",
     {"/a: text changed from \" t \" to \"t\""}},
    {"entities and character references are their characters", "<a>&lt;&#65;</a>", "<a><![CDATA[<A]]></a>", {}},
    {"another root is a lost document", "<a/>", "<b/>", {"/a: element lost (written as {}b)"}},
};

TEST(XmlCompare, TreesShowWhatTheOutputLostOrAdded) {
  CompareOptions options;
  for (const auto& c : kTrees) {
    Document in, out;
    std::string error;
    ASSERT_TRUE(parse(c.input, &in, &error)) << c.name << ": " << error;
    ASSERT_TRUE(parse(c.output, &out, &error)) << c.name << ": " << error;
    std::vector<std::string> got;
    for (const auto& d : compareTrees(*in.root, *out.root, Typing{}, options)) got.push_back(describe(d));
    EXPECT_EQ(got, c.differences) << c.name;
  }
}

TEST(XmlCompare, TypingReachesChildrenAndAttributes) {
  // A decimal attribute on the child b and collapsed text in b.
  Typing typing;
  typing.child = [](const Element& e) {
    Typing t;
    if (e.local == "b") {
      t.text = ValueKind::Collapse;
      t.attribute = [](const Attribute& a) { return a.local == "q" ? ValueKind::Decimal : ValueKind::Exact; };
    }
    return t;
  };
  Document in, out;
  std::string error;
  ASSERT_TRUE(parse("<a><b q='1.0' r='x'> u </b><c> u </c></a>", &in, &error));
  ASSERT_TRUE(parse("<a><b q='1' r='x '>u</b><c>u</c></a>", &out, &error));
  std::vector<std::string> got;
  for (const auto& d : compareTrees(*in.root, *out.root, typing)) got.push_back(describe(d));
  EXPECT_EQ(got, (std::vector<std::string>{"/a/b/@r: attribute changed from \"x\" to \"x \"",
                                           "/a/c: text changed from \" u \" to \"u\""}));
}

TEST(XmlCompare, PathsUseTheGivenPrefixes) {
  Document in, out;
  std::string error;
  ASSERT_TRUE(parse("<p:a xmlns:p='urn:p' xmlns:q='urn:q'><q:b q:x='1'/></p:a>", &in, &error));
  ASSERT_TRUE(parse("<a xmlns='urn:p'/>", &out, &error));
  CompareOptions options{{{"urn:p", "pidf"}}};
  auto diffs = compareTrees(*in.root, *out.root, Typing{}, options);
  ASSERT_EQ(diffs.size(), 1u);
  EXPECT_EQ(diffs[0].path, "/pidf:a/b");
  EXPECT_TRUE(diffs[0].isLoss());
}

TEST(XmlTree, ElementsKnowTheirNamespacesAndScope) {
  Document doc;
  std::string error;
  ASSERT_TRUE(
      parse("<!DOCTYPE r [<!ENTITY e \"x&amp;y\">]><r xmlns='urn:d' xmlns:p='urn:p'>"
            "<p:c p:a='1' b='&e;'>t<!--no-->u<![CDATA[v]]></p:c></r>",
            &doc, &error))
      << error;
  const Element& r = *doc.root;
  EXPECT_EQ(r.ns, "urn:d");
  ASSERT_EQ(r.elements().size(), 1u);
  const Element& c = *r.elements()[0];
  EXPECT_EQ(c.ns, "urn:p");
  EXPECT_EQ(c.prefix, "p");
  EXPECT_EQ(c.text(), "tuv");
  EXPECT_EQ(c.content.size(), 1u);  // the comment does not split the text
  ASSERT_NE(c.attribute("a", "urn:p"), nullptr);
  EXPECT_EQ(c.attribute("a"), nullptr);
  EXPECT_EQ(c.attribute("b")->value, "x&y");
  std::string ns, local;
  EXPECT_TRUE(c.resolve("p:t", &ns, &local));
  EXPECT_EQ(ns + " " + local, "urn:p t");
  EXPECT_TRUE(c.resolve("t", &ns, &local));
  EXPECT_EQ(ns, "urn:d");
  EXPECT_TRUE(c.resolve("t", &ns, &local, false));
  EXPECT_EQ(ns, "");
  EXPECT_TRUE(c.resolve("xml:lang", &ns, &local));
  EXPECT_EQ(ns, kXmlNamespace);
  EXPECT_FALSE(c.resolve("z:t", &ns, &local));
}

TEST(XmlTree, MalformedTextIsRefusedWithItsLine) {
  Document doc;
  std::string error;
  EXPECT_FALSE(parse("<a>\n<b></a>", &doc, &error));
  EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
  EXPECT_EQ(doc.root, nullptr);
  EXPECT_FALSE(parse("   <?xml version='1.0'?><a/>", &doc, &error));
}

}  // namespace
