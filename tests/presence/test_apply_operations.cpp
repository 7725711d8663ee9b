// Every patch operation and every refusal, table-driven over one state: a
// successful row gives the expected new state as edits of the old one and
// is compared as a namespace-aware tree (plus texts that must or must not
// appear, for what the tree comparison ignores); a refused row gives the
// error, the failing operation and its line.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "child_index.h"
#include "namespaces.h"

#include "presence_support.h"

namespace {

using pxtest::diffOf;
using pxtest::edited;
using Edits = std::vector<std::pair<std::string, std::string>>;

const std::string kState = R"(<?xml version="1.0" encoding="UTF-8"?>
<presence xmlns="urn:ietf:params:xml:ns:pidf" xmlns:dm="urn:ietf:params:xml:ns:pidf:data-model"
    xmlns:r="urn:ietf:params:xml:ns:pidf:rpid" xmlns:c="urn:ietf:params:xml:ns:pidf:cipid" entity="pres:alice@example.com">
  <!-- published by the desk phone -->
  <tuple id="t1">
    <status><basic>open</basic></status>
    <contact priority="0.8">sip:alice@desk.example.com</contact>
    <note>At the desk</note>
  </tuple>
  <tuple id="t2">
    <status><basic>closed</basic></status>
  </tuple>
  <note xml:lang="en">Working from the office</note>
  <dm:person id="p1">
    <r:activities><r:busy/><r:meeting/></r:activities>
    <?presence-agent keep?>
  </dm:person>
</presence>
)";

struct Applied {
  const char* name;
  std::vector<std::string> ops;
  Edits edits;
  std::vector<std::string> mustContain = {};
  std::vector<std::string> mustNotContain = {};
};

class ApplySucceeds : public ::testing::TestWithParam<Applied> {};

TEST_P(ApplySucceeds, GivesTheEditedState) {
  const Applied& row = GetParam();
  auto result = pxxml::presence::apply(kState, diffOf(row.ops));
  ASSERT_TRUE(result) << result.error().name << " at operation " << result.error().operation << ": "
                      << result.error().message;
  std::string text = result.value().str();
  EXPECT_EQ(result.value().kind(), PXP_KIND_PRESENCE);
  EXPECT_TRUE(pxtest::sameDocument(text, edited(kState, row.edits)));
  for (const auto& s : row.mustContain) EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
  for (const auto& s : row.mustNotContain) EXPECT_EQ(text.find(s), std::string::npos) << s << "\n" << text;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ApplySucceeds,
    ::testing::Values(
        Applied{"AddAppendsToElement",
                {R"op(<p:add sel="presence/tuple[@id='t2']"><note>Gone home</note></p:add>)op"},
                {{"<basic>closed</basic></status>", "<basic>closed</basic></status><note>Gone home</note>"}}},
        Applied{"AddPrepends",
                {R"op(<p:add sel="*/dm:person" pos="prepend"><r:mood><r:happy/></r:mood></p:add>)op"},
                {{"<dm:person id=\"p1\">", "<dm:person id=\"p1\"><r:mood><r:happy/></r:mood>"}}},
        Applied{"AddBeforeByPosition",
                {R"op(<p:add sel="/presence/tuple[2]" pos="before"><tuple id="t3"><status><basic>open</basic></status></tuple></p:add>)op"},
                {{"<tuple id=\"t2\">", "<tuple id=\"t3\"><status><basic>open</basic></status></tuple><tuple id=\"t2\">"}}},
        Applied{"AddAfterElement",
                {R"op(<p:add sel="presence/note" pos="after"><note>Back at 3</note></p:add>)op"},
                {{"office</note>", "office</note><note>Back at 3</note>"}}},
        Applied{"AddAfterTextNode",
                {R"op(<p:add sel="*/tuple[@id='t1']/note/text()" pos="after"><x:mark/></p:add>)op"},
                {{"At the desk</note>", "At the desk<x:mark xmlns:x=\"urn:example:x\"/></note>"}},
                {"xmlns:x=\"urn:example:x\""}},
        Applied{"AddSeveralNodesKeepsTheirOrder",
                {R"op(<p:add sel="*/tuple[@id='t2']/status"><x:a/><x:b/>text</p:add>)op"},
                {{"<basic>closed</basic>", "<basic>closed</basic><x:a xmlns:x=\"urn:example:x\"/><x:b xmlns:x=\"urn:example:x\"/>text"}}},
        Applied{"AddAttribute",
                {R"op(<p:add sel="*/tuple[@id='t1']/note" type="@xml:lang">en</p:add>)op"},
                {{"<note>At the desk", "<note xml:lang=\"en\">At the desk"}}},
        Applied{"AddAttributeInNamespaceDeclaresItsPrefix",
                {R"op(<p:add sel="*/tuple[@id='t2']" type="@x:origin">phone</p:add>)op"},
                {{"<tuple id=\"t2\">", "<tuple id=\"t2\" xmlns:y=\"urn:example:x\" y:origin=\"phone\">"}},
                {"xmlns:x=\"urn:example:x\""}},
        Applied{"AddNamespaceDeclaration",
                {R"op(<p:add sel="*/tuple[@id='t2']" type="namespace::caps">urn:ietf:params:xml:ns:pidf:caps</p:add>)op"},
                {},
                {"<tuple id=\"t2\" xmlns:caps=\"urn:ietf:params:xml:ns:pidf:caps\">"}},
        Applied{"AddCommentBeforeRoot",
                {R"op(<p:add sel="*" pos="before"><!-- composed by the server --></p:add>)op"},
                {},
                {"<!-- composed by the server --><presence"}},
        Applied{"AddedContentKeepsItsDefaultNamespace",
                {R"op(<p:add sel="*/dm:person/r:activities"><vacation xmlns="urn:ietf:params:xml:ns:pidf:rpid"/></p:add>)op"},
                {{"<r:meeting/>", "<r:meeting/><r:vacation/>"}}},
        Applied{"AddedContentInNoNamespaceUndeclaresTheDefault",
                {R"op(<p:add sel="*/tuple[@id='t2']"><plain xmlns=""/></p:add>)op"},
                {{"<basic>closed</basic></status>", "<basic>closed</basic></status><plain xmlns=\"\"/>"}},
                {"<plain xmlns=\"\"/>"}},
        Applied{"ReplaceElement",
                {R"op(<p:replace sel="*/tuple[@id='t2']"><tuple id="t2"><status><basic>open</basic></status><note>Back</note></tuple></p:replace>)op"},
                {{"<basic>closed</basic></status>", "<basic>open</basic></status><note>Back</note>"}}},
        Applied{"ReplaceElementAroundWhitespace",
                {"<p:replace sel=\"*/tuple[@id='t2']/status\">\n  <status><basic>open</basic></status>\n</p:replace>"},
                {{"<basic>closed</basic>", "<basic>open</basic>"}}},
        Applied{"ReplaceAttribute",
                {R"op(<p:replace sel="*/tuple[@id='t1']/contact/@priority">0.5</p:replace>)op"},
                {{"priority=\"0.8\"", "priority=\"0.5\""}}},
        Applied{"ReplaceAttributeByEmptyValue",
                {R"op(<p:replace sel="*/tuple[@id='t1']/contact/@priority"></p:replace>)op"},
                {{"priority=\"0.8\"", "priority=\"\""}}},
        Applied{"ReplaceText",
                {R"op(<p:replace sel="*/tuple[@id='t1']/status/basic/text()">closed</p:replace>)op"},
                {{"<basic>open</basic>", "<basic>closed</basic>"}}},
        Applied{"ReplaceTextByNothing",
                {R"op(<p:replace sel="*/tuple[@id='t1']/note/text()"/>)op"},
                {{"<note>At the desk</note>", "<note/>"}}},
        Applied{"ReplaceNamespaceUri",
                {R"op(<p:replace sel="*/namespace::r">urn:example:rpid</p:replace>)op"},
                {{"xmlns:r=\"urn:ietf:params:xml:ns:pidf:rpid\"", "xmlns:r=\"urn:example:rpid\""}}},
        Applied{"ReplaceComment",
                {R"op(<p:replace sel="presence/comment()"><!-- published by the mobile --></p:replace>)op"},
                {},
                {"<!-- published by the mobile -->"},
                {"desk phone"}},
        Applied{"ReplaceProcessingInstruction",
                {R"op(<p:replace sel="*/dm:person/processing-instruction('presence-agent')"><?presence-agent drop?></p:replace>)op"},
                {},
                {"<?presence-agent drop?>"},
                {"keep"}},
        Applied{"RemoveElement",
                {R"op(<p:remove sel="*/tuple[@id='t2']"/>)op"},
                {{"<tuple id=\"t2\">\n    <status><basic>closed</basic></status>\n  </tuple>", ""}}},
        Applied{"RemoveElementWithWhitespaceBefore",
                {R"op(<p:remove sel="*/tuple[@id='t2']" ws="before"/>)op"},
                {{"<tuple id=\"t2\">\n    <status><basic>closed</basic></status>\n  </tuple>", ""}},
                {"</tuple>\n  <note xml:lang"}},
        Applied{"RemoveElementWithWhitespaceAfter",
                {R"op(<p:remove sel="*/tuple[@id='t2']" ws="after"/>)op"},
                {{"<tuple id=\"t2\">\n    <status><basic>closed</basic></status>\n  </tuple>", ""}},
                {"</tuple>\n  <note xml:lang"}},
        Applied{"RemoveElementWithWhitespaceOnBothSides",
                {R"op(<p:remove sel="*/tuple[@id='t2']" ws="both"/>)op"},
                {{"<tuple id=\"t2\">\n    <status><basic>closed</basic></status>\n  </tuple>", ""}},
                {"</tuple><note xml:lang"}},
        Applied{"RemoveAttribute",
                {R"op(<p:remove sel="*/tuple[@id='t1']/contact/@priority"/>)op"},
                {{" priority=\"0.8\"", ""}}},
        Applied{"RemoveUnusedNamespaceDeclaration",
                {R"op(<p:remove sel="*/namespace::c"/>)op"},
                {},
                {},
                {"xmlns:c="}},
        Applied{"RemoveText",
                {R"op(<p:remove sel="*/tuple[@id='t1']/note/text()"/>)op"},
                {{"<note>At the desk</note>", "<note/>"}}},
        Applied{"RemoveCommentAndProcessingInstruction",
                {R"op(<p:remove sel="*/comment()"/>)op", R"op(<p:remove sel="*/dm:person/processing-instruction()[1]"/>)op"},
                {},
                {},
                {"<!--", "<?presence-agent"}},
        Applied{"SelfPredicate",
                {R"op(<p:remove sel="*/tuple/note[.='At the desk']"/>)op"},
                {{"<note>At the desk</note>", ""}}},
        Applied{"ChildPredicate",
                {R"op(<p:replace sel="*/tuple[contact='sip:alice@desk.example.com']/status/basic/text()">closed</p:replace>)op"},
                {{"<basic>open</basic>", "<basic>closed</basic>"}}},
        Applied{"DoubleQuotedPredicateAndWildcardPositions",
                {R"op(<p:remove sel='*/*[4]/r:activities/*[2]'/>)op", R"op(<p:replace sel='*/tuple[@id="t2"]/@id'>t9</p:replace>)op"},
                {{"<r:meeting/>", ""}, {"<tuple id=\"t2\">", "<tuple id=\"t9\">"}}},
        Applied{"PredicatesApplyInOrder",
                {R"op(<p:replace sel="*/tuple[@id='t2'][1]/@id">t8</p:replace>)op"},
                {{"<tuple id=\"t2\">", "<tuple id=\"t8\">"}}},
        Applied{"OperationsSeeEarlierOnes",
                {R"op(<p:add sel="*/tuple[@id='t2']" pos="after"><tuple id="t3"><status><basic>open</basic></status></tuple></p:add>)op",
                 R"op(<p:replace sel="*/tuple[@id='t3']/status/basic/text()">closed</p:replace>)op",
                 R"op(<p:remove sel="*/tuple[@id='t1']"/>)op"},
                {{"<tuple id=\"t1\">\n    <status><basic>open</basic></status>\n    <contact priority=\"0.8\">sip:alice@desk.example.com</contact>\n    <note>At the desk</note>\n  </tuple>", ""},
                 {"<basic>closed</basic></status>\n  </tuple>", "<basic>closed</basic></status>\n  </tuple><tuple id=\"t3\"><status><basic>closed</basic></status></tuple>"}}},
        Applied{"EmptyDiffChangesNothing", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A child test compares the child's whole string value: the status of t2
// holds the text "closed" (in its basic child), that of t1 "open".
TEST(ApplyPredicates, ChildTestComparesTheChildsStringValue) {
  auto result = pxxml::presence::apply(kState, diffOf({R"op(<p:remove sel="*/tuple[status='closed']"/>)op"}));
  ASSERT_TRUE(result) << result.error().message;  // the status child's string value is "closed"
  EXPECT_EQ(result.value().view().find("id=\"t2\""), std::string::npos);
}

struct Refused {
  const char* name;
  std::vector<std::string> ops;
  int status;
  int operation;  // failing operation, -1 when the diff as a whole is refused
};

class ApplyRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(ApplyRefuses, WithTheErrorAndItsOperation) {
  const Refused& row = GetParam();
  auto result = pxxml::presence::apply(kState, diffOf(row.ops));
  ASSERT_FALSE(result) << result.value().view();
  const PxpError& e = result.error();
  EXPECT_EQ(e.status, row.status) << e.name << ": " << e.message;
  EXPECT_STREQ(e.name, pxpErrorName(row.status));
  EXPECT_EQ(e.operation, row.operation) << e.message;
  EXPECT_EQ(e.document, 1);
  if (row.operation >= 0) {
    EXPECT_EQ(e.line, 3 + row.operation);
  }
  EXPECT_GT(std::string(e.message).size(), 10u);
}

const std::string kAddT3 = R"op(<p:add sel="*/tuple[@id='t2']" pos="after"><tuple id="t3"/></p:add>)op";

INSTANTIATE_TEST_SUITE_P(
    Errors, ApplyRefuses,
    ::testing::Values(
        Refused{"NoNodeLocated", {kAddT3, R"op(<p:remove sel="*/tuple[@id='nobody']"/>)op"}, PXP_E_UNLOCATED_NODE, 1},
        Refused{"SeveralNodesLocated", {R"op(<p:remove sel="*/tuple"/>)op"}, PXP_E_UNLOCATED_NODE, 0},
        Refused{"PositionZero", {R"op(<p:remove sel="*/tuple[0]"/>)op"}, PXP_E_UNLOCATED_NODE, 0},
        Refused{"UnprefixedNameIsInTheDiffsDefaultNamespace", {R"op(<p:remove sel="*/person"/>)op"}, PXP_E_UNLOCATED_NODE, 0},
        Refused{"NamespaceNotInScope", {R"op(<p:remove sel="*/tuple[1]/namespace::zz"/>)op"}, PXP_E_UNLOCATED_NODE, 0},
        Refused{"UndeclaredPrefixInSelector", {kAddT3, R"op(<p:remove sel="*/zz:person"/>)op"}, PXP_E_INVALID_NAMESPACE_PREFIX, 1},
        Refused{"UndeclaredPrefixInPredicate", {R"op(<p:remove sel="*/tuple[@zz:id='t1']"/>)op"}, PXP_E_INVALID_NAMESPACE_PREFIX, 0},
        Refused{"UndeclaredPrefixInContent", {R"op(<p:add sel="*/tuple[@id='t2']"><zz:mark/></p:add>)op"}, PXP_E_INVALID_NAMESPACE_PREFIX, 0},
        Refused{"UndeclaredPrefixInType", {R"op(<p:add sel="*/tuple[@id='t2']" type="@zz:a">1</p:add>)op"}, PXP_E_INVALID_NAMESPACE_PREFIX, 0},
        Refused{"RemovingNamespaceStillInUse", {R"op(<p:remove sel="*/namespace::r"/>)op"}, PXP_E_INVALID_NAMESPACE_PREFIX, 0},
        Refused{"AddingDeclaredNamespace", {R"op(<p:add sel="*" type="namespace::dm">urn:example:other</p:add>)op"}, PXP_E_INVALID_NAMESPACE_PREFIX, 0},
        Refused{"AddingReservedPrefix", {R"op(<p:add sel="*" type="namespace::xml">urn:example:other</p:add>)op"}, PXP_E_INVALID_NAMESPACE_PREFIX, 0},
        Refused{"AddingNamespaceWithoutUri", {R"op(<p:add sel="*" type="namespace::n2"></p:add>)op"}, PXP_E_INVALID_NAMESPACE_URI, 0},
        Refused{"ReplacingNamespaceByNothing", {R"op(<p:replace sel="*/namespace::c"></p:replace>)op"}, PXP_E_INVALID_NAMESPACE_URI, 0},
        Refused{"ReplacingInheritedNamespace", {R"op(<p:replace sel="*/tuple[1]/namespace::dm">urn:example:dm</p:replace>)op"}, PXP_E_INVALID_NAMESPACE_URI, 0},
        Refused{"AddingExistingAttribute", {R"op(<p:add sel="*" type="@entity">pres:bob@example.com</p:add>)op"}, PXP_E_INVALID_ATTRIBUTE_VALUE, 0},
        Refused{"ReplacingElementByText", {R"op(<p:replace sel="*/tuple[@id='t2']">closed</p:replace>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"ReplacingElementByTwoElements", {R"op(<p:replace sel="*/tuple[@id='t2']"><tuple id="a"/><tuple id="b"/></p:replace>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"ReplacingElementByNothing", {R"op(<p:replace sel="*/tuple[@id='t2']"/>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"ReplacingTextByElement", {R"op(<p:replace sel="*/tuple[1]/status/basic/text()"><basic/></p:replace>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"ReplacingAttributeByElement", {R"op(<p:replace sel="*/@entity"><x:e/></p:replace>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"ReplacingCommentByElement", {R"op(<p:replace sel="*/comment()"><x:e/></p:replace>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"ReplacingRootByOtherElement", {R"op(<p:replace sel="*"><x:e/></p:replace>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"AddingAttributeWithElementContent", {R"op(<p:add sel="*" type="@x:a"><x:e/></p:add>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"AddingAttributeToText", {R"op(<p:add sel="*/tuple[1]/note/text()" type="@a">1</p:add>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"AppendingToText", {R"op(<p:add sel="*/tuple[1]/note/text()"><x:e/></p:add>)op"}, PXP_E_INVALID_NODE_TYPES, 0},
        Refused{"RemovingRoot", {R"op(<p:remove sel="/presence"/>)op"}, PXP_E_INVALID_ROOT_ELEMENT_REMOVAL, 0},
        Refused{"RemovingRootByWildcard", {kAddT3, R"op(<p:remove sel="*"/>)op"}, PXP_E_INVALID_ROOT_ELEMENT_REMOVAL, 1},
        Refused{"WhitespaceMissingBefore", {R"op(<p:remove sel="*/dm:person/r:activities/r:meeting" ws="before"/>)op"}, PXP_E_INVALID_WHITESPACE_DIRECTIVE, 0},
        Refused{"WhitespaceMissingAfter", {R"op(<p:remove sel="*/dm:person/r:activities/r:busy" ws="after"/>)op"}, PXP_E_INVALID_WHITESPACE_DIRECTIVE, 0},
        Refused{"WhitespaceMissingOnBothSides", {R"op(<p:remove sel="*/dm:person/r:activities/r:busy" ws="both"/>)op"}, PXP_E_INVALID_WHITESPACE_DIRECTIVE, 0},
        Refused{"PredicatesApplyInOrder", {R"op(<p:remove sel="*/tuple[1][@id='t2']"/>)op"}, PXP_E_UNLOCATED_NODE, 0},
        Refused{"WhitespaceDirectiveOnAttribute", {R"op(<p:remove sel="*/@entity" ws="after"/>)op"}, PXP_E_INVALID_WHITESPACE_DIRECTIVE, 0},
        Refused{"WhitespaceDirectiveUnknown", {R"op(<p:remove sel="*/tuple[1]" ws="around"/>)op"}, PXP_E_INVALID_WHITESPACE_DIRECTIVE, 0},
        Refused{"ElementBeforeRoot", {R"op(<p:add sel="*" pos="before"><tuple id="t0"/></p:add>)op"}, PXP_E_INVALID_XML_PROLOG_OR_EPILOG, 0},
        Refused{"TextAfterRoot", {R"op(<p:add sel="*" pos="after">trailing</p:add>)op"}, PXP_E_INVALID_XML_PROLOG_OR_EPILOG, 0},
        Refused{"SelectorSyntax", {R"op(<p:remove sel="*/tuple[@id='t1'"/>)op"}, PXP_E_INVALID_PATCH_DIRECTIVE, 0},
        Refused{"AddSelectorEndingInAttribute", {R"op(<p:add sel="*/@entity">x</p:add>)op"}, PXP_E_INVALID_PATCH_DIRECTIVE, 0},
        Refused{"PosWithType", {R"op(<p:add sel="*" pos="prepend" type="@a">1</p:add>)op"}, PXP_E_INVALID_PATCH_DIRECTIVE, 0},
        Refused{"TypeNotAName", {R"op(<p:add sel="*" type="id">1</p:add>)op"}, PXP_E_INVALID_PATCH_DIRECTIVE, 0},
        Refused{"UnknownPos", {R"op(<p:add sel="*" pos="middle"><x:e/></p:add>)op"}, PXP_E_INVALID_PATCH_DIRECTIVE, 0},
        Refused{"MissingSel", {kAddT3, R"op(<p:remove/>)op"}, PXP_E_INVALID_PATCH_DIRECTIVE, 1},
        Refused{"UnknownAttribute", {R"op(<p:remove sel="*/tuple[1]" pos="before"/>)op"}, PXP_E_INVALID_PATCH_DIRECTIVE, 0},
        Refused{"IdFunction", {R"op(<p:remove sel="id('t1')/status"/>)op"}, PXP_E_UNSUPPORTED_ID_FUNCTION, 0},
        Refused{"NameWithTwoColonsInContent", {kAddT3, R"op(<p:add sel="*"><x:a:b/></p:add>)op"}, PXP_E_INVALID_DIFF_FORMAT, 1},
        Refused{"UnknownOperation", {kAddT3, R"op(<p:move sel="*/tuple[1]"/>)op"}, PXP_E_INVALID_DIFF_FORMAT, 1},
        Refused{"OperationOutsideTheNamespace", {R"op(<remove sel="*/tuple[1]"/>)op"}, PXP_E_INVALID_DIFF_FORMAT, 0},
        Refused{"RemoveWithContent", {R"op(<p:remove sel="*/tuple[1]"><x:e/></p:remove>)op"}, PXP_E_INVALID_DIFF_FORMAT, 0},
        Refused{"TextBetweenOperations", {kAddT3, "stray words"}, PXP_E_INVALID_DIFF_FORMAT, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// Refusals of the patch document as a whole, before any operation.
struct RefusedDocument {
  const char* name;
  std::string diff;
  int status;
  int line;
};

class ApplyRefusesDiff : public ::testing::TestWithParam<RefusedDocument> {};

TEST_P(ApplyRefusesDiff, BeforeAnyOperation) {
  const RefusedDocument& row = GetParam();
  auto result = pxxml::presence::apply(kState, row.diff);
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().status, row.status) << result.error().message;
  EXPECT_EQ(result.error().document, 1);
  EXPECT_EQ(result.error().operation, -1);
  EXPECT_EQ(result.error().line, row.line) << result.error().message;
}

const std::string kDiffHead = "<p:pidf-diff xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\">\n";

// Twenty attributes a0 ... a19: past the names an element's check scans.
std::string manyAttributes() {
  std::string text;
  for (int i = 0; i < 20; ++i) text += " a" + std::to_string(i) + "=\"v\"";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ApplyRefusesDiff,
    ::testing::Values(
        RefusedDocument{"NotWellFormed", kDiffHead + "<p:remove sel=\"*/a\">\n</p:pidf-diff>", PXP_E_INVALID_DIFF_FORMAT, 3},
        RefusedDocument{"WrongRoot", "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"x\"/>", PXP_E_INVALID_DIFF_FORMAT, 1},
        RefusedDocument{"BadVersion", "<p:pidf-diff xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\" version=\"-1\"/>", PXP_E_INVALID_DIFF_FORMAT, 1},
        RefusedDocument{"VersionTooLarge", "<p:pidf-diff xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\" version=\"4294967296\"/>", PXP_E_INVALID_DIFF_FORMAT, 1},
        RefusedDocument{"UnknownEntity", kDiffHead + "<p:add sel=\"*\">&nbsp;</p:add></p:pidf-diff>", PXP_E_INVALID_ENTITY_DECLARATION, 2},
        RefusedDocument{"Doctype", "<?xml version=\"1.0\"?>\n<!DOCTYPE p [<!ENTITY a \"b\">]>\n" + kDiffHead + "</p:pidf-diff>", PXP_E_INVALID_ENTITY_DECLARATION, 2},
        RefusedDocument{"OtherEncoding", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n" + kDiffHead + "</p:pidf-diff>", PXP_E_INVALID_CHARACTER_SET, 0},
        RefusedDocument{"InvalidUtf8", kDiffHead + "<p:add sel=\"*\">\xC3\x28</p:add></p:pidf-diff>", PXP_E_INVALID_CHARACTER_SET, 2},
        RefusedDocument{"ControlCharacter", kDiffHead + "\x01</p:pidf-diff>", PXP_E_INVALID_CHARACTER_SET, 2},
        RefusedDocument{"UndeclaredRootPrefix", "<q:pidf-diff/>", PXP_E_INVALID_NAMESPACE_PREFIX, 1},
        RefusedDocument{"TwoRoots", kDiffHead + "</p:pidf-diff><p:pidf-diff xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\"/>", PXP_E_INVALID_DIFF_FORMAT, 0},
        RefusedDocument{"DuplicateAttribute", kDiffHead + "<p:remove sel=\"*/a\" sel=\"*/b\"/></p:pidf-diff>", PXP_E_INVALID_DIFF_FORMAT, 2},
        RefusedDocument{"DuplicateAmongMany", kDiffHead + "<p:remove sel=\"*/a\"" + manyAttributes() + " a3=\"w\"/></p:pidf-diff>", PXP_E_INVALID_DIFF_FORMAT, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyRefusesState, WhenItIsNoPresenceDocument) {
  struct Row {
    std::string state;
    int status;
  };
  for (const Row& row : {Row{"<watcherinfo xmlns=\"urn:ietf:params:xml:ns:watcherinfo\"/>", PXP_E_INVALID_DOCUMENT},
                         Row{"<presence xmlns=\"urn:ietf:params:xml:ns:pidf\">", PXP_E_INVALID_DOCUMENT},
                         Row{"<t:presence/>", PXP_E_INVALID_DOCUMENT},
                         Row{"<presence xmlns:a:b=\"urn:x\" xmlns=\"urn:ietf:params:xml:ns:pidf\"/>", PXP_E_INVALID_DOCUMENT},
                         Row{"<p:pidf-full xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\" entity=\"e\" version=\"56?\"/>", PXP_E_INVALID_DOCUMENT},
                         Row{"<presence xmlns=\"urn:ietf:params:xml:ns:pidf\">&bogus;</presence>", PXP_E_INVALID_DOCUMENT},
                         Row{"<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"" + manyAttributes() + " a17=\"w\"/>",
                             PXP_E_INVALID_DOCUMENT}}) {
    auto result = pxxml::presence::apply(row.state, diffOf({}));
    ASSERT_FALSE(result) << row.state;
    EXPECT_EQ(result.error().status, row.status) << row.state;
    EXPECT_EQ(result.error().document, 0);
  }
}

TEST(ApplyAtomicity, RefusedPatchProducesNothingAndTheStateStillApplies) {
  std::string before = kState;
  auto refused = pxxml::presence::apply(kState, diffOf({kAddT3, R"op(<p:remove sel="*/tuple[@id='nobody']"/>)op"}));
  ASSERT_FALSE(refused);
  EXPECT_TRUE(refused.value().view().empty());
  EXPECT_EQ(kState, before);
  auto applied = pxxml::presence::apply(kState, diffOf({kAddT3}));
  ASSERT_TRUE(applied);
  EXPECT_NE(applied.value().view().find("t3"), std::string::npos);
}

TEST(ApplyInPrefixedState, AddedPidfContentIsDeclaredWhereTheDefaultDiffers) {
  const std::string state =
      "<t:presence xmlns:t=\"urn:ietf:params:xml:ns:pidf\" entity=\"pres:alice@example.com\">"
      "<t:tuple id=\"t1\"><t:status><t:basic>open</t:basic></t:status></t:tuple></t:presence>";
  auto result = pxxml::presence::apply(
      state, diffOf({R"op(<p:add sel="t:presence" xmlns:t="urn:ietf:params:xml:ns:pidf"><tuple id="t2"><status/></tuple></p:add>)op",
                     R"op(<p:replace sel="presence/tuple[@id='t1']/status/basic/text()">closed</p:replace>)op"}));
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_TRUE(pxtest::sameDocument(
      result.value().view(),
      "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"pres:alice@example.com\">"
      "<tuple id=\"t1\"><status><basic>closed</basic></status></tuple><tuple id=\"t2\"><status/></tuple></presence>"));
  EXPECT_NE(result.value().view().find("<tuple xmlns=\"urn:ietf:params:xml:ns:pidf\" id=\"t2\">"), std::string::npos)
      << result.value().view();
}

// A fixed sequence of numbers below n, the same on every run.
class Draws {
 public:
  explicit Draws(uint32_t seed) : state_(seed) {}
  uint32_t operator()(uint32_t n) {
    state_ = state_ * 1103515245u + 12345u;
    return (state_ >> 16) % n;
  }

 private:
  uint32_t state_;
};

// Among many siblings the children a step names are looked up, and the
// lookup is kept up to date as operations replace, rename, add and remove
// them. A patch applied at once must give what its operations give applied
// one at a time, each to the state the one before left (where every lookup
// starts afresh). Elements of the same local name and ids in another
// namespace, and one with the id under two names, must not count.
TEST(ApplyToManySiblings, AllAtOnceIsOneAtATime) {
  std::string state = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:y=\"urn:example:y\" entity=\"e\">";
  std::vector<std::string> ids;
  for (int i = 0; i < 48; ++i) {
    ids.push_back("t" + std::to_string(i));
    state += "<tuple id=\"t" + std::to_string(i) + "\"><status><basic>open</basic></status></tuple>";
    if (i % 3 == 0) state += "<y:tuple id=\"t" + std::to_string(i) + "\"/>";
  }
  ids.push_back("both");
  state += "<tuple id=\"both\" y:id=\"both\"><status><basic>open</basic></status></tuple><note>n</note></presence>";

  std::map<std::string, std::vector<std::string>> added;  // attributes an operation gave each tuple
  std::vector<std::string> ops;
  Draws next(12345);
  const std::string tuple = "<tuple id=\"%\"><status><basic>open</basic></status></tuple>";
  auto withId = [&tuple](const std::string& id) { return pxtest::edited(tuple, {{"%", id}}); };
  for (int k = 0; k < 400; ++k) {
    const size_t at = next(static_cast<uint32_t>(ids.size()));
    const std::string id = ids[at], fresh = "n" + std::to_string(k), sel = "/presence/tuple[@id='" + id + "']";
    switch (next(10)) {
      case 0:
        ops.push_back("<p:replace sel=\"" + sel + "\">" + withId(fresh) + "</p:replace>");
        added.erase(id);
        ids[at] = fresh;
        break;
      case 1:
        ops.push_back("<p:replace sel=\"" + sel + "/@id\">" + fresh + "</p:replace>");
        added[fresh] = added[id];
        added.erase(id);
        ids[at] = fresh;
        break;
      case 2:
        ops.push_back("<p:add sel=\"" + sel + "\" type=\"@a" + std::to_string(k) + "\">v</p:add>");
        added[id].push_back("a" + std::to_string(k));
        break;
      case 3:
        if (ids.size() > 40) {
          ops.push_back("<p:remove sel=\"" + sel + "\"/>");
          added.erase(id);
          ids.erase(ids.begin() + static_cast<long>(at));
          break;
        }
        [[fallthrough]];
      case 4:
        ops.push_back("<p:add sel=\"/presence/note\" pos=\"before\">" + withId(fresh) + "</p:add>");
        ids.push_back(fresh);
        break;
      case 8:
        // By position: the cursor moves along as elements come and go.
        ops.push_back("<p:add sel=\"/presence/*[" + std::to_string(next(40) + 1) + "]\" type=\"@z" + std::to_string(k) +
                      "\">v</p:add>");
        if (next(2)) break;
        ops.push_back("<p:add sel=\"/presence/*[" + std::to_string(next(40) + 1) + "]\" pos=\"before\">" + withId(fresh) +
                      "</p:add>");
        ids.push_back(fresh);
        break;
      case 5:
        // By any name: the ids the other namespace also has are left out.
        if (id[0] == 't' && std::stoi(id.substr(1)) % 3 == 0) break;
        ops.push_back("<p:replace sel=\"/presence/*[@id='" + id + "']/status/basic/text()\">closed</p:replace>");
        break;
      case 6:
        if (added[id].empty()) break;
        ops.push_back("<p:remove sel=\"" + sel + "/@" + added[id].back() + "\"/>");
        added[id].pop_back();
        break;
      case 7:
        if (added[id].empty()) break;
        ops.push_back("<p:replace sel=\"/presence/tuple[@" + added[id].back() + "='v']/status/basic/text()\">busy</p:replace>");
        break;
      default:
        ops.push_back("<p:replace sel=\"/presence/note/text()\">" + fresh + "</p:replace>");
        break;
    }
  }

  auto atOnce = pxxml::presence::apply(state, diffOf(ops));
  ASSERT_TRUE(atOnce) << "operation " << atOnce.error().operation << ": " << atOnce.error().message;
  std::string oneAtATime = state;
  for (size_t i = 0; i < ops.size(); ++i) {
    auto step = pxxml::presence::apply(oneAtATime, diffOf({ops[i]}));
    ASSERT_TRUE(step) << ops[i] << ": " << step.error().message;
    oneAtATime = step.value().str();
  }
  EXPECT_EQ(atOnce.value().str(), oneAtATime);

  // What was removed, or renamed, is gone from the lookup: the same patch
  // cannot select it again, and finds the one that takes its id after it.
  const std::string removed = ids[1], renamed = ids[2];
  auto selectBasic = [](const std::string& id) {
    return "<p:replace sel=\"/presence/tuple[@id='" + id + "']/status/basic/text()\">x</p:replace>";
  };
  for (const auto& first : {"<p:remove sel=\"/presence/tuple[@id='" + removed + "']\"/>",
                            "<p:replace sel=\"/presence/tuple[@id='" + renamed + "']/@id\">other</p:replace>"}) {
    const std::string& id = first.find("remove") != std::string::npos ? removed : renamed;
    auto gone = pxxml::presence::apply(atOnce.value().str(), diffOf({first, selectBasic(id)}));
    ASSERT_FALSE(gone) << first;
    EXPECT_EQ(gone.error().operation, 1);
    EXPECT_NE(std::string(gone.error().message).find("locates no node"), std::string::npos) << gone.error().message;
    auto again = pxxml::presence::apply(
        atOnce.value().str(),
        diffOf({first, "<p:add sel=\"/presence/note\" pos=\"before\">" + withId(id) + "</p:add>", selectBasic(id),
                "<p:remove sel=\"/presence/tuple[@id='" + id + "']\"/>", selectBasic("other")}));
    if (first.find("remove") != std::string::npos) {
      ASSERT_FALSE(again);
      EXPECT_EQ(again.error().operation, 4) << again.error().message;
    } else {
      EXPECT_TRUE(again) << again.error().message;
    }
  }

  // A step that names two of the many is refused, as among few.
  auto twice = pxxml::presence::apply(atOnce.value().str(),
                                      diffOf({"<p:add sel=\"/presence/note\" pos=\"before\">" + withId(ids[0]) + "</p:add>",
                                              "<p:remove sel=\"/presence/tuple[@id='" + ids[0] + "']\"/>"}));
  ASSERT_FALSE(twice);
  EXPECT_EQ(twice.error().status, PXP_E_UNLOCATED_NODE);
  EXPECT_EQ(twice.error().operation, 1);
  EXPECT_NE(std::string(twice.error().message).find("more than one"), std::string::npos) << twice.error().message;
}
// The lookup itself, against a walk of the children, after each of many
// random changes made through it: for every name and attribute value, the
// children it gives are exactly those that have them.
TEST(ApplyToManySiblings, LookupFollowsEveryChange) {
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string("<r xmlns:p='urn:p'><holder><big/></holder></r>"));
  pugi::xml_node root = doc.first_child(), holder = root.first_child(), big = holder.first_child();
  for (int i = 0; i < 40; ++i) big.append_child("e");
  Draws next(7);
  const char* names[] = {"e", "f", "p:e"};
  const char* attributes[] = {"a", "b", "p:a"};
  const char* values[] = {"v0", "v1", "v2"};
  auto nthChild = [&root](uint32_t n) {
    pugi::xml_node c = root.first_child();
    for (; n > 0 && c.next_sibling(); --n) c = c.next_sibling();
    return c;
  };
  auto countChildren = [&root] {
    uint32_t n = 0;
    for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) ++n;
    return n;
  };
  for (int i = 0; i < 40; ++i) {
    pugi::xml_node e = root.append_child(names[next(3)]);
    e.append_attribute(attributes[next(3)]).set_value(values[next(3)]);
    if (i % 5 == 0) root.append_child(pugi::node_pcdata).set_value(" ");
  }

  pxp::ChildIndex index;
  // Forty children: indexed once walked a few times.
  for (pugi::xml_node parent : {big, root}) {
    for (unsigned i = 0; i < pxp::ChildIndex::kWalksBeforeIndex; ++i) {
      ASSERT_FALSE(index.candidates(parent, "e", {}, {}));
      index.walked(parent, pxp::ChildIndex::kIndexedFrom);
    }
    ASSERT_TRUE(index.candidates(parent, "e", {}, {}));
    ASSERT_TRUE(index.holdsLookupOf(parent));
  }
  pugi::xml_node lastFound;
  uint64_t visits = 0;
  for (int step = 0; step < 1500; ++step) {
    pugi::xml_node child = nthChild(next(countChildren()));
    pugi::xml_attribute attribute = child.first_attribute();
    switch (next(6)) {
      case 0: {
        pugi::xml_node added = root.insert_child_before(names[next(3)], child);
        added.append_attribute(attributes[next(3)]).set_value(values[next(3)]);
        index.inserted(added);
        break;
      }
      case 1:
        // Now and then the element the last positional lookup ended at.
        if (lastFound && next(2)) child = lastFound;
        if (countChildren() > 40 && child != holder) {
          index.remove(child);
          if (child == lastFound) lastFound = pugi::xml_node();
        }
        break;
      case 5:
        index.inserted(root.insert_child_before(pugi::node_pcdata, child));
        break;
      case 2:
        if (child.type() == pugi::node_element) index.appendAttribute(child, attributes[next(3)], values[next(3)]);
        break;
      case 3:
        if (attribute) index.setValue(child, attribute, values[next(3)]);
        break;
      default:
        if (attribute) index.removeAttribute(child, attribute);
        break;
    }
    // And the element at a position, from wherever the last one ended.
    for (int probe = 0; probe < 3; ++probe) {
      const uint64_t position = next(countChildren() + 2) + 1;
      pugi::xml_node walked = root.first_child();
      for (uint64_t at = walked.type() == pugi::node_element ? 1 : 0; walked && at < position;) {
        walked = walked.next_sibling();
        if (walked.type() == pugi::node_element) ++at;
      }
      pugi::xml_node found;
      ASSERT_TRUE(index.elementAt(root, position, &found, &visits));
      EXPECT_EQ(found, walked) << "step " << step << ": *[" << position << "]";
      lastFound = found;
    }
    for (std::string_view local : {"e", "f", ""}) {
      for (std::string_view name : {"a", "b", ""}) {
        for (std::string_view value : {"v0", "v1", "v2"}) {
          if (local.empty() && name.empty()) continue;
          std::set<pugi::xml_node_struct*> walked;
          for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) {
            if (c.type() != pugi::node_element) continue;
            if (!local.empty() && pxp::splitQName(c.name()).local != local) continue;
            bool has = name.empty();
            for (pugi::xml_attribute a = c.first_attribute(); a && !has; a = a.next_attribute())
              has = pxp::splitQName(a.name()).local == name && value == a.value();
            if (has) walked.insert(c.internal_object());
          }
          const pxp::ChildIndex::Nodes* found = index.candidates(root, local, name, value);
          ASSERT_TRUE(found) << "step " << step;
          EXPECT_EQ(std::set<pugi::xml_node_struct*>(found->begin(), found->end()), walked)
              << "step " << step << ": " << local << "[@" << name << "='" << value << "']";
        }
      }
    }
  }
  // An element that goes takes the lookups below it with it.
  pugi::xml_node third;
  ASSERT_TRUE(index.elementAt(big, 3, &third, &visits));
  EXPECT_EQ(third, big.first_child().next_sibling().next_sibling());
  index.remove(holder);
  EXPECT_FALSE(index.holdsLookupOf(big));
  EXPECT_TRUE(index.holdsLookupOf(root));
}

}  // namespace
