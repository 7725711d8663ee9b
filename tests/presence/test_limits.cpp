// Untrusted input: limits from options or a runtime context, deep and long
// input, the C API's argument checks and error names.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "presence_support.h"
#include "pxxml/rt.h"

namespace {

std::string nested(int depth) {
  std::string doc = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\">";
  for (int i = 1; i < depth; ++i) doc += "<x:a xmlns:x=\"urn:x\">";
  for (int i = 1; i < depth; ++i) doc += "</x:a>";
  return doc + "</presence>";
}

TEST(Limits, DefaultsAreTheRuntimes) {
  RtContext* ctxt = rtxNewContext();
  size_t depth = rtxGetLimit(ctxt, RT_LIMIT_DEPTH);
  rtxDeleteContext(ctxt);
  auto ok = pxxml::presence::apply(nested(static_cast<int>(depth)), pxtest::diffOf({}));
  EXPECT_TRUE(ok) << ok.error().message;
  auto deep = pxxml::presence::apply(nested(static_cast<int>(depth) + 1), pxtest::diffOf({}));
  ASSERT_FALSE(deep);
  EXPECT_EQ(deep.error().status, PXP_E_LIMIT_EXCEEDED);
  EXPECT_EQ(deep.error().document, 0);
}

TEST(Limits, TakenFromAContext) {
  RtContext* ctxt = rtxNewContext();
  rtxSetLimit(ctxt, RT_LIMIT_DEPTH, 10);
  pxxml::presence::Limits limits{ctxt};
  auto deep = pxxml::presence::apply(nested(11), pxtest::diffOf({}), limits);
  ASSERT_FALSE(deep);
  EXPECT_EQ(deep.error().status, PXP_E_LIMIT_EXCEEDED);
  rtxSetLimit(ctxt, RT_LIMIT_DEPTH, 1000);
  EXPECT_TRUE(pxxml::presence::apply(nested(600), pxtest::diffOf({}), limits));
  rtxSetLimit(ctxt, RT_LIMIT_DOCUMENT_SIZE, 100);
  auto large = pxxml::presence::apply(nested(1), pxtest::diffOf({}), limits);
  ASSERT_FALSE(large);
  EXPECT_EQ(large.error().status, PXP_E_LIMIT_EXCEEDED);
  EXPECT_EQ(large.error().document, 1) << "the diff is the larger input";
  rtxDeleteContext(ctxt);
}

TEST(Limits, TakenFromOptions) {
  pxxml::presence::Limits limits{nullptr, 0, 5};
  auto deep = pxxml::presence::generate(nested(3), nested(6), -1, limits);
  ASSERT_FALSE(deep);
  EXPECT_EQ(deep.error().status, PXP_E_LIMIT_EXCEEDED);
  EXPECT_EQ(deep.error().document, 1);
  pxxml::presence::Limits small{nullptr, 50, 0};
  auto composed = pxxml::presence::compose({nested(2)}, small);
  ASSERT_FALSE(composed);
  EXPECT_EQ(composed.error().status, PXP_E_LIMIT_EXCEEDED);
}

TEST(Limits, NestingHasACeilingWhateverTheCallerAllows) {
  pxxml::presence::Limits generous{nullptr, 0, 1000000};
  auto ok = pxxml::presence::apply(nested(10000), pxtest::diffOf({"<p:remove sel=\"*/*\"/>"}), generous);
  EXPECT_TRUE(ok) << ok.error().message;
  auto deep = pxxml::presence::apply(nested(10001), pxtest::diffOf({}), generous);
  ASSERT_FALSE(deep);
  EXPECT_EQ(deep.error().status, PXP_E_LIMIT_EXCEEDED);
}

TEST(HostileInput, DeepSelectorOnDeepState) {
  std::string sel = "*";
  for (int i = 1; i < 250; ++i) sel += "/x:a";
  auto result = pxxml::presence::apply(nested(250), pxtest::diffOf({"<p:add sel=\"" + sel + "\" xmlns:x=\"urn:x\"><x:b/></p:add>"}));
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_NE(result.value().view().find("<x:b/>"), std::string::npos);
}

TEST(HostileInput, ManyOperationsAndManySiblings) {
  std::vector<std::string> ops;
  for (int i = 0; i < 3000; ++i) ops.push_back("<p:add sel=\"*\"><tuple id=\"t" + std::to_string(i) + "\"><status/></tuple></p:add>");
  ops.push_back("<p:remove sel=\"*/tuple[@id='t1500']\"/>");
  ops.push_back("<p:replace sel=\"*/tuple[2999]/@id\">last</p:replace>");
  auto result = pxxml::presence::apply("<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"/>", pxtest::diffOf(ops));
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_EQ(result.value().view().find("t1500"), std::string::npos);
  EXPECT_NE(result.value().view().find("id=\"last\""), std::string::npos);
}

// Patches that would walk much of the state for each operation are
// refused once their walking passes a few steps for each byte of input,
// naming the operation and what to do; selecting as generated diffs do
// stays far below that (the other rows here and the scaling benchmark).
TEST(HostileInput, OperationsThatEachWalkTheStateAreRefused) {
  const int n = 3000;
  std::string decls, tuples, byId, byPosition;
  for (int i = 0; i < n; ++i) {
    decls += " xmlns:n" + std::to_string(i) + "=\"urn:n" + std::to_string(i) + "\"";
    tuples += "<tuple id=\"t" + std::to_string(i) + "\"><status/></tuple>";
    byId += "<p:add sel=\"/presence/tuple[@id='t" + std::to_string(i) + "']/status\"><basic>open</basic></p:add>\n";
    byPosition += "<p:add sel=\"/presence/tuple[" + std::to_string(n - i % 7) + "]/status\"><basic>open</basic></p:add>\n";
  }
  const std::string root = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"";
  // Each operation resolves names under a root of thousands of declarations.
  auto declared = pxxml::presence::apply(root + decls + ">" + tuples + "</presence>", pxtest::diffOf({byId}));
  // Each selects a tuple by its position among thousands, from the far end.
  auto positioned = pxxml::presence::apply(root + ">" + tuples + "</presence>", pxtest::diffOf({byPosition}));
  for (const auto* refused : {&declared, &positioned}) {
    ASSERT_FALSE(*refused);
    EXPECT_EQ(refused->error().status, PXP_E_LIMIT_EXCEEDED);
    EXPECT_EQ(refused->error().document, 1);
    EXPECT_GT(refused->error().operation, 100);
    EXPECT_LT(refused->error().operation, n);
    EXPECT_NE(std::string(refused->error().message).find("send the new state in full"), std::string::npos)
        << refused->error().message;
  }
  // The same operations by id, without the declarations, go through.
  auto byIdAlone = pxxml::presence::apply(root + ">" + tuples + "</presence>", pxtest::diffOf({byId}));
  ASSERT_TRUE(byIdAlone) << byIdAlone.error().message;
}

TEST(HostileInput, ManyDeclarationsOnOneElement) {
  std::string decls;
  for (int i = 0; i < 2000; ++i) decls += " xmlns:n" + std::to_string(i) + "=\"urn:n" + std::to_string(i) + "\"";
  std::string state = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\"" + decls + " entity=\"e\">";
  for (int i = 0; i < 2000; ++i) state += "<n" + std::to_string(i) + ":e/>";
  state += "</presence>";
  auto result = pxxml::presence::apply(state, pxtest::diffOf({"<p:remove sel=\"*/q:e\" xmlns:q=\"urn:n1999\"/>"}));
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_EQ(result.value().view().find("<n1999:e/>"), std::string::npos);

  // Past the first few, declarations are counted by prefix: those of an
  // element end with it, and a prefix bound nowhere any more is refused.
  std::string outer, inner;
  for (int i = 0; i < 40; ++i) {
    outer += " xmlns:n" + std::to_string(i) + "=\"urn:n\"";
    inner += " xmlns:m" + std::to_string(i) + "=\"urn:m\"";
  }
  const std::string open = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\"" + outer + " entity=\"e\">\n";
  const std::string scoped = "<m39:a" + inner + "><m20:b/></m39:a>\n";
  auto inside = pxxml::presence::apply(open + scoped + "</presence>", pxtest::diffOf({}));
  EXPECT_TRUE(inside) << inside.error().message;
  auto after = pxxml::presence::apply(open + scoped + "<m20:c/></presence>", pxtest::diffOf({}));
  ASSERT_FALSE(after);
  EXPECT_EQ(after.error().status, PXP_E_INVALID_DOCUMENT);
  EXPECT_EQ(after.error().line, 3);
  EXPECT_NE(std::string(after.error().message).find("\"m20\""), std::string::npos) << after.error().message;
}

// Found by fuzzing: a full-state body whose extension prefix was never
// declared became the state, and no later call could read it.
TEST(HostileInput, FullStateBodyMustDeclareItsPrefixes) {
  const std::string body =
      "<p:pidf-full xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\" "
      "xmlsn:c=\"urn:ietf:params:xml:ns:pidf:caps\" entity=\"e\">\n<tuple id=\"t\"><status/><c:servcaps/></tuple></p:pidf-full>";
  auto result = pxxml::presence::apply("<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"/>", body);
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().status, PXP_E_INVALID_DOCUMENT);
  EXPECT_EQ(result.error().document, 1);
  EXPECT_EQ(result.error().line, 1);
  auto state = pxxml::presence::apply("<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\">\n<c:x/></presence>", pxtest::diffOf({}));
  ASSERT_FALSE(state);
  EXPECT_EQ(state.error().status, PXP_E_INVALID_DOCUMENT);
  EXPECT_EQ(state.error().line, 2);
}

TEST(HostileInput, AmpersandsInCommentsCdataAndInstructionsAreText) {
  std::string state = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"a&amp;b\">";
  for (int i = 0; i < 500; ++i) state += "<?pi & " + std::to_string(i) + "?><!-- & --><note><![CDATA[&]]></note>\n";
  auto ok = pxxml::presence::apply(state + "</presence>", pxtest::diffOf({}));
  EXPECT_TRUE(ok) << ok.error().message;
  auto refused = pxxml::presence::apply(state + "<note>&nbsp;</note></presence>", pxtest::diffOf({}));
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().status, PXP_E_INVALID_DOCUMENT);
  EXPECT_EQ(refused.error().line, 501);
}

TEST(CApi, RefusesNullArguments) {
  PxpText out{};
  PxpError error{};
  EXPECT_EQ(pxpApply(nullptr, 0, "x", 1, nullptr, &out, &error), PXP_E_BAD_ARGUMENT);
  EXPECT_STREQ(error.name, "bad-argument");
  EXPECT_EQ(pxpApply("x", 1, "x", 1, nullptr, nullptr, nullptr), PXP_E_BAD_ARGUMENT);
  EXPECT_EQ(pxpGenerate("x", 1, nullptr, 0, nullptr, &out, &error), PXP_E_BAD_ARGUMENT);
  EXPECT_EQ(pxpCompose(nullptr, 1, nullptr, &out, &error), PXP_E_BAD_ARGUMENT);
  PxpInput input{nullptr, 0};
  EXPECT_EQ(pxpCompose(&input, 1, nullptr, &out, &error), PXP_E_BAD_ARGUMENT);
  EXPECT_EQ(pxpCompare("x", 1, "x", 1, nullptr, nullptr, &error), PXP_E_BAD_ARGUMENT);
  pxpTextFree(nullptr);
  pxpTextFree(&out);
}

TEST(CApi, EveryStatusHasItsOwnName) {
  std::set<std::string> names;
  int statuses[] = {PXP_E_INVALID_ATTRIBUTE_VALUE, PXP_E_INVALID_CHARACTER_SET, PXP_E_INVALID_DIFF_FORMAT,
                    PXP_E_INVALID_ENTITY_DECLARATION, PXP_E_INVALID_NAMESPACE_PREFIX, PXP_E_INVALID_NAMESPACE_URI,
                    PXP_E_INVALID_NODE_TYPES, PXP_E_INVALID_PATCH_DIRECTIVE, PXP_E_INVALID_ROOT_ELEMENT_REMOVAL,
                    PXP_E_INVALID_XML_PROLOG_OR_EPILOG, PXP_E_INVALID_WHITESPACE_DIRECTIVE, PXP_E_UNLOCATED_NODE,
                    PXP_E_UNSUPPORTED_ID_FUNCTION, PXP_E_UNSUPPORTED_XML_ID, PXP_E_OUT_OF_SEQUENCE,
                    PXP_E_INVALID_DOCUMENT, PXP_E_LIMIT_EXCEEDED, PXP_E_ENTITY_MISMATCH, PXP_E_NO_MEMORY,
                    PXP_E_BAD_ARGUMENT};
  for (int s : statuses) {
    std::string name = pxpErrorName(s);
    EXPECT_NE(name, "unknown") << s;
    EXPECT_TRUE(names.insert(name).second) << name;
  }
  EXPECT_STREQ(pxpErrorName(PXP_E_UNLOCATED_NODE), "unlocated-node");
  EXPECT_STREQ(pxpErrorName(7), "unknown");
}

TEST(CApi, SuccessClearsTheErrorReport) {
  PxpText out{};
  PxpError error{};
  error.status = -99;
  std::string diff = pxtest::diffOf({});
  std::string state = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"/>";
  ASSERT_EQ(pxpApply(state.data(), state.size(), diff.data(), diff.size(), nullptr, &out, &error), PXP_OK);
  EXPECT_EQ(error.status, PXP_OK);
  EXPECT_EQ(out.data[out.length], '\0');
  EXPECT_EQ(std::strlen(out.data), out.length);
  pxpTextFree(&out);
  EXPECT_EQ(out.data, nullptr);
}

}  // namespace
