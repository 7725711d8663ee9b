// The published partial presence example (a full state, a diff, the state
// after it), the version rule, and the forms of the state.
#include <gtest/gtest.h>

#include "presence_support.h"

namespace {

// The two printed examples disagree in one note text (the corpus manifest
// says so): the result of applying the diff carries the diff's text.
const char* kNoteInResult = "between the last tuple and note element";
const char* kNoteInDiff = "between the last tuple and person element";

TEST(RfcExample, DiffAppliedToFullStateGivesThePublishedResult) {
  PX_CORPUS_FILE(ex1, "rfc/rfc5262-ex1.xml");
  PX_CORPUS_FILE(ex2, "rfc/rfc5262-ex2.xml");
  PX_CORPUS_FILE(ex3, "rfc/rfc5262-ex3.xml");
  auto result = pxxml::presence::apply(ex1, ex2);
  ASSERT_TRUE(result) << result.error().name << ": " << result.error().message;
  EXPECT_EQ(result.value().kind(), PXP_KIND_FULL);
  std::string expected = pxtest::edited(ex3, {{kNoteInResult, kNoteInDiff}});
  EXPECT_TRUE(pxtest::sameDocument(result.value().view(), expected));
  // Without the correction they differ exactly in that text.
  std::string where;
  auto equal = pxxml::presence::equalDocuments(result.value().view(), ex3, &where);
  ASSERT_TRUE(equal);
  EXPECT_FALSE(equal.value());
  EXPECT_NE(where.find(kNoteInDiff), std::string::npos) << where;
  EXPECT_NE(result.value().view().find("version=\"568\""), std::string::npos);
}

TEST(RfcExample, GeneratedDiffReproducesTheResult) {
  PX_CORPUS_FILE(ex1, "rfc/rfc5262-ex1.xml");
  PX_CORPUS_FILE(ex3, "rfc/rfc5262-ex3.xml");
  auto diff = pxxml::presence::generate(ex1, ex3);
  ASSERT_TRUE(diff) << diff.error().message;
  ASSERT_TRUE(diff.value().isDiff());
  EXPECT_LE(diff.value().view().size(), ex3.size());
  EXPECT_NE(diff.value().view().find("version=\"568\""), std::string::npos) << diff.value().view();
  auto applied = pxxml::presence::apply(ex1, diff.value().view());
  ASSERT_TRUE(applied) << applied.error().name << ": " << applied.error().message << "\n" << diff.value().view();
  EXPECT_TRUE(pxtest::sameDocument(applied.value().view(), ex3));
  EXPECT_NE(applied.value().view().find("version=\"568\""), std::string::npos);
}

TEST(RfcExample, DiffOutOfSequenceIsRefused) {
  PX_CORPUS_FILE(ex2, "rfc/rfc5262-ex2.xml");
  PX_CORPUS_FILE(ex3, "rfc/rfc5262-ex3.xml");
  // ex3 is already version 568: the same diff again is a repeat.
  auto repeat = pxxml::presence::apply(ex3, ex2);
  ASSERT_FALSE(repeat);
  EXPECT_EQ(repeat.error().status, PXP_E_OUT_OF_SEQUENCE);
  EXPECT_STREQ(repeat.error().name, "out-of-sequence");
  EXPECT_EQ(repeat.error().document, 1);
  EXPECT_EQ(repeat.error().line, 2);
  PX_CORPUS_FILE(ex1, "rfc/rfc5262-ex1.xml");
  // A gap: 567 followed by 570.
  std::string gap = pxtest::edited(ex2, {{"version=\"568\"", "version=\"570\""}});
  auto skipped = pxxml::presence::apply(ex1, gap);
  ASSERT_FALSE(skipped);
  EXPECT_EQ(skipped.error().status, PXP_E_OUT_OF_SEQUENCE);
}

TEST(RfcExample, DiffWithoutVersionAppliesAndKeepsTheStoredVersion) {
  PX_CORPUS_FILE(ex2, "rfc/rfc5262-ex2.xml");
  PX_CORPUS_FILE(ex1, "rfc/rfc5262-ex1.xml");
  std::string unversioned = pxtest::edited(ex2, {{"version=\"568\"", ""}});
  auto result = pxxml::presence::apply(ex1, unversioned);
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_NE(result.value().view().find("version=\"567\""), std::string::npos);
}

TEST(RfcExample, PresenceStateStaysPresence) {
  PX_CORPUS_FILE(ex1, "rfc/rfc5262-ex1.xml");
  PX_CORPUS_FILE(ex2, "rfc/rfc5262-ex2.xml");
  PX_CORPUS_FILE(ex3, "rfc/rfc5262-ex3.xml");
  auto asPresence = [](std::string text) {
    return pxtest::edited(text, {{"<p:pidf-full", "<presence"}, {"</p:pidf-full>", "</presence>"}, {"version=\"567\"", ""}});
  };
  // The state has no version: the diff's is not checked against it.
  auto result = pxxml::presence::apply(asPresence(ex1), ex2);
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_EQ(result.value().kind(), PXP_KIND_PRESENCE);
  EXPECT_EQ(result.value().view().find("pidf-full"), std::string::npos);
  std::string expected = pxtest::edited(ex3, {{kNoteInResult, kNoteInDiff}, {"<p:pidf-full", "<presence"},
                                              {"</p:pidf-full>", "</presence>"}, {"version=\"568\"", ""}});
  EXPECT_TRUE(pxtest::sameDocument(result.value().view(), expected));
}

TEST(RfcExample, FullStateBodyReplacesTheState) {
  PX_CORPUS_FILE(ex1, "rfc/rfc5262-ex1.xml");
  PX_CORPUS_FILE(ex3, "rfc/rfc5262-ex3.xml");
  auto result = pxxml::presence::apply(ex1, ex3);
  ASSERT_TRUE(result) << result.error().message;
  EXPECT_EQ(result.value().kind(), PXP_KIND_FULL);
  EXPECT_TRUE(pxtest::sameDocument(result.value().view(), ex3));
  // Into a presence state it arrives as presence.
  std::string presence = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"pres:someone@example.com\"/>";
  auto converted = pxxml::presence::apply(presence, ex3);
  ASSERT_TRUE(converted) << converted.error().message;
  EXPECT_EQ(converted.value().kind(), PXP_KIND_PRESENCE);
  EXPECT_EQ(converted.value().view().find("version=\"568\""), std::string::npos);
  EXPECT_NE(converted.value().view().find("<presence "), std::string::npos) << converted.value().view();
}

}  // namespace
