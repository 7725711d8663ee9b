// XML Schema patterns: syntax, escapes, the XML name classes, errors with
// their positions, the selector patterns of the patch operations, and long
// values that exercise the DFA cache limits.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "internal/pattern.h"
#include "partial_pidf/patch_patterns.h"

namespace {

using pxrt::pattern::compile;
using pxrt::pattern::matches;

// The three patterns of the patch-operation attribute types, verbatim.
const char* const kXpath = pxs::patch::kXpathPattern;
const char* const kXpathAdd = pxs::patch::kXpathAddPattern;
const char* const kType = pxs::patch::kTypePattern;

struct Case {
  const char* pattern;
  std::string text;
  bool expected;
};

void expectCases(const Case* cases, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(std::string(c.pattern) + " ~ \"" + c.text + "\"");
    std::string error;
    auto prog = compile(c.pattern, &error);
    ASSERT_TRUE(prog) << error;
    EXPECT_EQ(matches(*prog, c.text), c.expected);
    EXPECT_EQ(matches(*prog, c.text), c.expected);  // again, on cached DFA states
  }
}

TEST(PatternSyntax, TableOfCases) {
  const Case cases[] = {
      // Whole-value match; ^ and $ are plain characters.
      {"abc", "abc", true}, {"abc", "ab", false}, {"abc", "abcd", false}, {"abc", "xabc", false},
      {"", "", true}, {"", "a", false}, {"^a$", "^a$", true}, {"^a$", "a", false},
      // Alternation, empty branches and groups.
      {"a|bc", "bc", true}, {"a|bc", "abc", false}, {"a|", "", true}, {"|a", "a", true},
      {"()", "", true}, {"(a|)b", "b", true}, {"x(a|b)*y", "xababby", true}, {"x(a|b)*y", "xacy", false},
      // Quantifiers, counted ones included.
      {"a?", "", true}, {"a?", "aa", false}, {"a*", "aaaa", true}, {"a+", "", false}, {"a+", "aaa", true},
      {"a{3}", "aaa", true}, {"a{3}", "aa", false}, {"a{3}", "aaaa", false},
      {"a{2,}", "a", false}, {"a{2,}", "aa", true}, {"a{2,}", "aaaaaaa", true},
      {"a{1,3}", "", false}, {"a{1,3}", "aaa", true}, {"a{1,3}", "aaaa", false},
      {"a{0,3}", "", true}, {"a{0,3}", "aa", true}, {"a{0,0}", "", true}, {"a{0,0}", "a", false},
      {"(ab){2}", "abab", true}, {"(ab){2}", "ab", false}, {"(a|bc){2,3}", "bcabc", true},
      {"(a|bc){2,3}", "abcabc", false}, {"x{1}y{0}", "x", true},
      // Loops over bodies that can match nothing must still terminate.
      {"(a*)*", "aaa", true}, {"(a*)+b", "b", true}, {"(a?){3}", "a", true}, {"()*", "", true},
      {"(|a)+", "aa", true}, {"(a*)*", "b", false},
      // Huge counts over bodies that match only the empty text cost nothing.
      {"((){1000000000}){1000000000}", "", true}, {"(()()(){99999}a){2,}", "aaa", true},
      // '.' is one code point other than CR and LF.
      {".", "\n", false}, {".", "\r", false}, {".", "\t", true}, {".", "\xC3\xA9", true},
      {".", "\xE2\x82\xAC", true}, {".", "\xF0\x9D\x84\x9E", true}, {"..", "\xC3\xA9", false},
      {"a.c", "a\xF0\x9D\x84\x9E" "c", true},
      // Classes, negation, ranges, subtraction, and what is literal inside.
      {"[abc]", "b", true}, {"[abc]", "d", false}, {"[a-c]", "b", true}, {"[^a-c]", "d", true},
      {"[^a-c]", "b", false}, {"[^a]", "\n", true}, {"[-a]", "-", true}, {"[a-]", "-", true},
      {"[^-a]", "-", false}, {"[a\\-z]", "-", true}, {"[a\\-z]", "b", false},
      {"[a-z-[aeiou]]", "b", true}, {"[a-z-[aeiou]]", "e", false}, {"[^a-z-[0-9]]", "A", true},
      {"[^a-z-[0-9]]", "5", false}, {"[^a-z-[0-9]]", "b", false},
      {"[a-z-[b-y-[m]]]", "m", true}, {"[a-z-[b-y-[m]]]", "c", false}, {"[a-z-[b-y-[m]]]", "z", true},
      {"[a^]", "^", true}, {"[\\^]", "^", true}, {"[.]", ".", true}, {"[.]", "x", false},
      {"[*+?(){}|$]", "}", true}, {"[\\]\\[]", "]", true}, {"[\\]\\[]", "[", true},
      {"[\\n\\t]", "\t", true}, {"[\\s\\d]", "7", true}, {"[\\s\\d]", "x", false},
      {"[\xC3\xA0-\xC3\xBF]", "\xC3\xA9", true}, {"[\xC3\xA0-\xC3\xBF]", "\xC3\x9F", false},
      // Single-character escapes.
      {"\\n\\r\\t", "\n\r\t", true}, {"\\\\", "\\", true}, {"\\|", "|", true}, {"\\.", ".", true},
      {"\\.", "x", false}, {"\\-\\^", "-^", true}, {"\\?\\*\\+", "?*+", true},
      {"\\{\\}\\(\\)\\[\\]", "{}()[]", true},
      // \s \d: the four XML blanks, ASCII digits only.
      {"\\s", " ", true}, {"\\s", "\r", true}, {"\\s", "\v", false}, {"\\s", "\xC2\xA0", false},
      {"\\S", "a", true}, {"\\S", "\t", false}, {"\\d", "9", true}, {"\\d", "a", false},
      {"\\d", "\xD9\xA3", false}, {"\\D", "\xD9\xA3", true}, {"\\D", "5", false},
      // \i \c at the edges of the XML name-character ranges.
      {"\\i", ":", true}, {"\\i", "_", true}, {"\\i", "-", false}, {"\\i", "1", false},
      {"\\i", "\xC3\x80", true}, {"\\i", "\xC3\x97", false}, {"\\i", "\xCB\xBF", true},
      {"\\i", "\xCC\x80", false}, {"\\c", "\xCC\x80", true}, {"\\c", "\xCD\xBE", false},
      {"\\i", "\xC2\xB7", false}, {"\\c", "\xC2\xB7", true}, {"\\i", "\xE2\x80\x8C", true},
      {"\\i", "\xE2\x80\x8B", false}, {"\\i", "\xE2\x80\xBF", false}, {"\\c", "\xE2\x80\xBF", true},
      {"\\i", "\xEF\xBF\xBD", true}, {"\\i", "\xF0\x90\x80\x80", true}, {"\\i", "\xF3\xAF\xBF\xBF", true},
      {"\\i", "\xF3\xB0\x80\x80", false}, {"\\c", "-.9", false}, {"\\c*", "-.9", true},
      {"\\I", "-", true}, {"\\I", "a", false}, {"\\C", " ", true}, {"\\C", ".", false},
      {"[\\i-[:]][\\c-[:]]*", "a-b.c", true}, {"[\\i-[:]][\\c-[:]]*", "a:b", false},
      // Malformed UTF-8 in the text never matches.
      {".*", "a\xFF", false}, {".*", "\xC0\x80", false}, {".*", "\xED\xA0\x80", false}, {".*", "\xED\xBF\xBF", false},
      {".*", "\xF4\x90\x80\x80", false}, {".*", "\xE2\x82", false}, {"[^a]*", "\x80", false},
      {"a.b", std::string("a\0b", 3), true},
  };
  expectCases(cases, std::size(cases));
}

TEST(PatternSyntax, MalformedPatternsNameTheOffset) {
  struct Bad {
    const char* pattern;
    size_t offset;
  };
  const Bad bad[] = {
      {"(a", 0},       {"a)", 1},     {"[z-a]", 1},   {"*a", 0},         {"a**", 2},
      {"a*?", 2},      {"x{2}{3}", 4}, {"a{3,1}", 1},  {"a{,3}", 2},      {"a{3", 1},
      {"a{3,x}", 4},   {"{3}", 0},    {"\\q", 0},     {"\\$", 0},        {"\\w", 0},
      {"a\\W", 1},     {"\\p{L}", 0}, {"\\P{Lu}", 0}, {"[a", 0},         {"[]", 1},
      {"[^]", 2},      {"a]", 1},     {"a}", 1},      {"[a-c-e]", 4},    {"[\\d-z]", 3},
      {"[a-\\d]", 3},  {"a\\", 1},    {"[a[b]", 2},   {"[a-z-[b]c]", 8}, {"[a--]", 3},
      {"ab\xFF", 2},   {"[-[a]]", 1}, {"a{200000}", 1}, {"(a{1000}){1000}", 9},
      {"a{99999999999}", 1},
  };
  for (const Bad& b : bad) {
    SCOPED_TRACE(b.pattern);
    std::string error;
    EXPECT_FALSE(compile(b.pattern, &error));
    EXPECT_NE(error.find("at offset " + std::to_string(b.offset)), std::string::npos) << error;
  }
  EXPECT_FALSE(compile("(", nullptr));  // the explanation is optional
  std::string error;
  EXPECT_FALSE(compile(std::string(300, '(') + "a" + std::string(300, ')'), &error));
  EXPECT_NE(error.find("nested too deeply at offset 200"), std::string::npos) << error;
  EXPECT_TRUE(compile(std::string(150, '(') + "a" + std::string(150, ')'), &error)) << error;
  EXPECT_TRUE(compile("a{199999}", &error)) << error;  // just under the expansion bound
  EXPECT_FALSE(compile("[\\w]", &error));
  EXPECT_NE(error.find("not supported"), std::string::npos) << error;
}

TEST(PatternSelectors, PatchOperationPatterns) {
  ASSERT_EQ(std::string(kXpath).size(), 972u);  // the whole pattern, as the schema gives it
  ASSERT_EQ(std::string(kXpathAdd).size(), 902u);
  const Case cases[] = {
      {kXpath, "/presence/tuple[@id='a1']/status", true}, {kXpathAdd, "/presence/tuple[@id='a1']/status", true},
      {kXpath, "/presence/tuple/@id", true},              {kXpathAdd, "/presence/tuple/@id", false},
      {kXpath, "id('x')/a", true},                        {kXpathAdd, "id('x')/a", false},
      {kXpath, "/pres:presence/pres:tuple[1]", true},     {kXpathAdd, "/pres:presence/pres:tuple[1]", true},
      {kXpath, "tuple/status/basic/text()", true},        {kXpathAdd, "tuple/status/basic/text()", true},
      {kXpath, "/", false},            {kXpath, "*", true},                  {kXpath, "a/b/", false},
      {kXpath, "a[1][@b='x']", true},  {kXpath, "a[.=\"x y\"]", true},       {kXpath, "a[b='x]y']", true},
      {kXpath, "a[1", false},          {kXpath, "a b", false},               {kXpath, "comment()[2]", true},
      {kXpath, "processing-instruction('t')", true}, {kXpath, "id(\"x\")", true},
      {kXpath, "/pr\xC3\xA9s:t\xC3\xBCple", true}, {kXpath, "/a/namespace::p", true},
      {kXpath, "a[@b='\n']", false},
      // ':' is a name character, so namespace::p is also an ordinary name step.
      {kXpathAdd, "/a/namespace::p", true},
      {kType, "@id", true}, {kType, "namespace::pfx", true}, {kType, "id", false}, {kType, "@p:id", true},
      {kType, "@", false},  {kType, "namespace::", false},   {kType, "@1a", false},
      {kType, "@a:", true},  // ':' is itself a name character, so this is one name
  };
  expectCases(cases, std::size(cases));
}

TEST(PatternSelectors, QValues) {
  auto q0 = compile("0(.[0-9]{0,3})?", nullptr);
  auto q1 = compile("1(.0{0,3})?", nullptr);
  ASSERT_TRUE(q0 && q1);
  auto either = [&](const char* t) { return matches(*q0, t) || matches(*q1, t); };
  for (const char* t : {"0", "0.5", "0.123", "1", "1.0", "1.000"}) EXPECT_TRUE(either(t)) << t;
  for (const char* t : {"0.1234", "1.5", "2", "", "1.0000", "00.1", "0.5x"}) EXPECT_FALSE(either(t)) << t;
  // '.' is any character, as the schema writes it: so the second character of
  // "0x5", "01" and "0." is the "separator" and these match too.
  for (const char* t : {"0x5", "01", "0.", "1x00"}) EXPECT_TRUE(either(t)) << t;
  EXPECT_FALSE(either("1x5"));
}

TEST(PatternLongValues, SelectorsOfHundredKilobytes) {
  auto xpath = compile(kXpath, nullptr);
  ASSERT_TRUE(xpath);
  const std::string run(100000, 'a');
  EXPECT_FALSE(matches(*xpath, "/" + run + "["));
  EXPECT_TRUE(matches(*xpath, "/" + run));
  std::string colons;
  for (int i = 0; i < 50000; ++i) colons += "a:";
  EXPECT_TRUE(matches(*xpath, colons + "a"));
  EXPECT_FALSE(matches(*xpath, colons + "/"));
  EXPECT_TRUE(matches(*xpath, "a[@b='" + run + "']"));
  EXPECT_FALSE(matches(*xpath, "a[@b='" + run + "'"));
}

// "The 17th character from the end is an a" needs 2^17 DFA states, far past
// the cache budget: the matcher has to flush or fall back and stay right.
TEST(PatternLongValues, CacheOverflowKeepsAnswersRight) {
  auto prog = compile("(a|b)*a(a|b){16}", nullptr);
  ASSERT_TRUE(prog);
  std::mt19937 rng(7);
  for (int round = 0; round < 6; ++round) {
    std::string text(round < 3 ? 20000 : 300, 'a');
    for (char& ch : text) ch = (rng() & 1) ? 'a' : 'b';
    for (char last : {'a', 'b'}) {
      text[text.size() - 17] = last;
      EXPECT_EQ(matches(*prog, text), last == 'a') << round;
    }
  }
  // Short values right after a flush must start from the real start state.
  EXPECT_FALSE(matches(*prog, ""));
  EXPECT_TRUE(matches(*prog, "a" + std::string(16, 'b')));
  EXPECT_FALSE(matches(*prog, "b" + std::string(16, 'a')));
}

// Long cached stretches between bursts of new states: the cache fills in the
// middle of one value, is flushed, and matching resumes on the new cache.
TEST(PatternLongValues, CacheFlushInTheMiddleOfAValue) {
  auto prog = compile("(c|[ab])*a[ab]{16}", nullptr);
  ASSERT_TRUE(prog);
  std::mt19937 rng(11);
  std::string text;
  for (int block = 0; block < 1500; ++block) {
    text.append(1000, 'c');
    for (int i = 0; i < 30; ++i) text += (rng() & 1) ? 'a' : 'b';
  }
  for (char last : {'a', 'b', 'a'}) {
    text[text.size() - 17] = last;
    EXPECT_EQ(matches(*prog, text), last == 'a');
  }
  EXPECT_FALSE(matches(*prog, "c"));
  EXPECT_TRUE(matches(*prog, "ca" + std::string(16, 'b')));
}

// Thousands of distinct classes make DFA rows too wide to cache; the plain
// simulation must then do the work.
TEST(PatternLongValues, ManyClassesWithoutDfa) {
  std::string pattern = "(";
  std::string text;
  auto utf8 = [](uint32_t cp) {
    return std::string{char(0xE0 | (cp >> 12)), char(0x80 | ((cp >> 6) & 0x3F)), char(0x80 | (cp & 0x3F))};
  };
  for (uint32_t i = 0; i < 2100; ++i) {
    const uint32_t lo = 0x4E00 + 3 * i;
    pattern += (i ? "|[" : "[") + utf8(lo) + "-" + utf8(lo + 1) + "]";
    if (i % 7 == 0) text += utf8(lo + 1);
  }
  pattern += ")*";
  std::string error;
  auto prog = compile(pattern, &error);
  ASSERT_TRUE(prog) << error;
  EXPECT_TRUE(matches(*prog, text));
  EXPECT_FALSE(matches(*prog, text + utf8(0x4E00 + 2)));  // the gap between two ranges
}

TEST(PatternCache, CompilesOnceAndStaysBounded) {
  pxrt::PatternCache cache;
  std::string error;
  const auto* a = cache.get("a+", &error);
  ASSERT_TRUE(a);
  EXPECT_EQ(cache.get(std::string("a+"), &error), a);
  EXPECT_TRUE(matches(*a, "aaa"));
  EXPECT_EQ(cache.get("(a", &error), nullptr);
  EXPECT_NE(error.find("offset 0"), std::string::npos);
  for (int i = 0; i < 300; ++i) {
    const std::string p = "x{" + std::to_string(i) + "}";
    const auto* prog = cache.get(p, &error);
    ASSERT_TRUE(prog) << error;
    EXPECT_TRUE(matches(*prog, std::string(size_t(i), 'x')));
    EXPECT_FALSE(matches(*prog, std::string(size_t(i) + 1, 'x')));
  }
  cache.clear();
  const auto* b = cache.get("b", &error);
  ASSERT_TRUE(b);
  EXPECT_TRUE(matches(*b, "b"));
}

}  // namespace
