// Equality as namespace-aware trees: what counts and what does not.
#include <gtest/gtest.h>

#include "presence_support.h"

namespace {

struct Pair {
  const char* name;
  const char* a;
  const char* b;
  bool equal;
};

class Compare : public ::testing::TestWithParam<Pair> {};

TEST_P(Compare, Documents) {
  const Pair& row = GetParam();
  std::string where;
  auto result = pxxml::presence::equalDocuments(row.a, row.b, &where);
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_EQ(result.value(), row.equal) << where;
  if (!row.equal) {
    EXPECT_FALSE(where.empty());
  }
  auto reverse = pxxml::presence::equalDocuments(row.b, row.a);
  ASSERT_TRUE(reverse);
  EXPECT_EQ(reverse.value(), row.equal) << "comparison is symmetric";
}

INSTANTIATE_TEST_SUITE_P(
    Trees, Compare,
    ::testing::Values(
        Pair{"PrefixesDoNotCount", "<a xmlns='urn:x'><b/></a>", "<p:a xmlns:p='urn:x'><p:b/></p:a>", true},
        Pair{"DeclarationsDoNotCount", "<a xmlns:q='urn:q'/>", "<a/>", true},
        Pair{"CommentsAndInstructionsDoNotCount", "<a><!-- c --><b/><?pi x?></a>", "<a><b/></a>", true},
        Pair{"WhitespaceOnlyTextDoesNotCount", "<a>\n  <b/>\n</a>", "<a><b/></a>", true},
        Pair{"TextSplitByCommentIsOneText", "<a>x<!-- c -->y</a>", "<a>xy</a>", true},
        Pair{"CdataIsText", "<a><![CDATA[x<y]]></a>", "<a>x&lt;y</a>", true},
        Pair{"AttributeOrderDoesNotCount", "<a x='1' y='2'/>", "<a y='2' x='1'/>", true},
        Pair{"EmptyElementForms", "<a></a>", "<a/>", true},
        Pair{"NamespaceCounts", "<a xmlns='urn:x'/>", "<a xmlns='urn:y'/>", false},
        Pair{"NoNamespaceIsNotDefault", "<a xmlns='urn:x'><b xmlns=''/></a>", "<a xmlns='urn:x'><b/></a>", false},
        Pair{"AttributeNamespaceCounts", "<a xmlns:p='urn:p' p:x='1'/>", "<a x='1'/>", false},
        Pair{"AttributeValueCounts", "<a x='1'/>", "<a x='2'/>", false},
        Pair{"MissingAttribute", "<a x='1'/>", "<a/>", false},
        Pair{"TextCounts", "<a>x</a>", "<a>y</a>", false},
        Pair{"SignificantSpacesCount", "<a> x</a>", "<a>x</a>", false},
        Pair{"ChildOrderCounts", "<a><b/><c/></a>", "<a><c/><b/></a>", false},
        Pair{"DeepDifference", "<a><b><c>1</c></b></a>", "<a><b><c>2</c></b></a>", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompareReport, NamesThePathOfTheFirstDifference) {
  std::string where;
  auto result = pxxml::presence::equalDocuments("<a><b/><b><c>1</c></b></a>", "<a><b/><b><c>2</c></b></a>", &where);
  ASSERT_TRUE(result);
  EXPECT_FALSE(result.value());
  EXPECT_EQ(where.rfind("/a[1]/b[2]/c[1]: ", 0), 0u) << where;
}

TEST(CompareReport, UndeclaredPrefixIsAnError) {
  auto result = pxxml::presence::equalDocuments("<q:a/>", "<a/>");
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().status, PXP_E_INVALID_DOCUMENT);
}

}  // namespace
