// Differential test: random small patterns over {a, b} against a plain
// backtracking matcher that works on the generated tree itself, so it shares
// neither parser nor engine with the library.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "internal/pattern.h"

namespace {

// Character classes with their meaning over the text alphabet a, b, c, LF.
struct ClassForm {
  const char* text;
  const char* members;
};
const ClassForm kClasses[] = {
    {"[ab]", "ab"},      {"[^a]", "bc\n"},     {"[a-b]", "ab"},    {"[a-c-[b]]", "ac"},
    {"[^ab-[c]]", "\n"}, {"[\\s]", "\n"},      {"\\S", "abc"},     {"[b-]", "b"},
    {"\\n", "\n"},       {"[^\\n]", "abc"},    {".", "abc"},       {"[a-c-[^b]]", "b"},
    {"\\i", "abc"},      {"[\\c-[a-b]]", "c"}, {"\\D", "abc\n"},   {"[^\\s-[\\n]]", "abc"},
};

struct Tree {
  enum Kind { Empty, Chars, Seq, Alt, Rep } kind = Empty;
  std::string members;  // Chars: the characters it accepts
  std::string text;     // Chars: how it is written
  unsigned min = 0, max = 0;
  bool unbounded = false;
  std::vector<std::unique_ptr<Tree>> kids;
};

class Generator {
 public:
  explicit Generator(uint32_t seed) : rng_(seed) {}

  std::unique_ptr<Tree> tree(int depth) {
    auto t = std::make_unique<Tree>();
    const unsigned r = pick(10);
    if (depth == 0 || r < 4) {
      t->kind = Tree::Chars;
      if (pick(3) == 0) {
        const ClassForm& c = kClasses[pick(std::size(kClasses))];
        t->text = c.text;
        t->members = c.members;
      } else {
        t->text = t->members = pick(2) ? "a" : "b";
      }
    } else if (r < 8) {
      t->kind = r < 6 ? Tree::Seq : Tree::Alt;
      const unsigned n = 2 + pick(2);
      for (unsigned i = 0; i < n; ++i) {
        t->kids.push_back(t->kind == Tree::Alt && pick(6) == 0 ? std::make_unique<Tree>() : tree(depth - 1));
      }
    } else {
      t->kind = Tree::Rep;
      t->min = pick(3);
      t->max = t->min + pick(3);
      t->unbounded = pick(3) == 0;
      t->kids.push_back(tree(depth - 1));
    }
    return t;
  }

  std::string text() {
    std::string s;
    const unsigned n = pick(9);
    for (unsigned i = 0; i < n; ++i) s += "aabbc\n"[pick(6)];
    return s;
  }

 private:
  unsigned pick(size_t n) { return static_cast<unsigned>(rng_() % n); }
  std::mt19937 rng_;
};

std::string render(const Tree& t) {
  switch (t.kind) {
    case Tree::Empty:
      return "";
    case Tree::Chars:
      return t.text;
    case Tree::Seq: {
      std::string s;
      for (const auto& k : t.kids) s += k->kind == Tree::Alt ? "(" + render(*k) + ")" : render(*k);
      return s;
    }
    case Tree::Alt: {
      std::string s;
      for (const auto& k : t.kids) s += (s.empty() && &k == &t.kids.front() ? "" : "|") + render(*k);
      return s;
    }
    case Tree::Rep: {
      const Tree& k = *t.kids[0];
      std::string s = k.kind == Tree::Chars ? render(k) : "(" + render(k) + ")";
      const std::string n = std::to_string(t.min), m = std::to_string(t.max);
      if (t.unbounded) return s + (t.min == 0 ? "*" : t.min == 1 ? "+" : "{" + n + ",}");
      if (t.min == 0 && t.max == 1) return s + "?";
      return s + (t.min == t.max ? "{" + n + "}" : "{" + n + "," + m + "}");
    }
  }
  return "";
}

using Next = std::function<bool(size_t)>;

// Backtracking with continuations; a repetition past its minimum must make
// progress, which keeps empty loops finite without changing the language.
bool match(const Tree& t, const std::string& s, size_t i, const Next& k);

bool matchSeq(const Tree& t, size_t idx, const std::string& s, size_t i, const Next& k) {
  if (idx == t.kids.size()) return k(i);
  return match(*t.kids[idx], s, i, [&](size_t j) { return matchSeq(t, idx + 1, s, j, k); });
}

bool matchRep(const Tree& t, unsigned count, const std::string& s, size_t i, const Next& k) {
  if (count >= t.min && k(i)) return true;
  if (!t.unbounded && count >= t.max) return false;
  return match(*t.kids[0], s, i, [&](size_t j) { return !(j == i && count >= t.min) && matchRep(t, count + 1, s, j, k); });
}

bool match(const Tree& t, const std::string& s, size_t i, const Next& k) {
  switch (t.kind) {
    case Tree::Empty:
      return k(i);
    case Tree::Chars:
      return i < s.size() && t.members.find(s[i]) != std::string::npos && k(i + 1);
    case Tree::Seq:
      return matchSeq(t, 0, s, i, k);
    case Tree::Alt:
      for (const auto& kid : t.kids) {
        if (match(*kid, s, i, k)) return true;
      }
      return false;
    case Tree::Rep:
      return matchRep(t, 0, s, i, k);
  }
  return false;
}

TEST(PatternDifferential, RandomPatternsAgreeWithBacktracking) {
  Generator gen(20240611);
  int matched = 0;
  for (int round = 0; round < 2000; ++round) {
    const auto tree = gen.tree(4);
    const std::string pattern = render(*tree);
    std::string error;
    auto prog = pxrt::pattern::compile(pattern, &error);
    ASSERT_TRUE(prog) << pattern << ": " << error;
    // The same language behind a long chain of optional digits: its
    // closures are too big to precompute, so the matcher walks the program.
    pxrt::pattern::ProgramPtr chained;
    if (round % 4 == 0) chained = pxrt::pattern::compile("(\\d?){300}(" + pattern + ")", &error);
    for (int n = 0; n < 40; ++n) {
      const std::string text = gen.text();
      const bool expected = match(*tree, text, 0, [&](size_t j) { return j == text.size(); });
      matched += expected;
      ASSERT_EQ(pxrt::pattern::matches(*prog, text), expected) << "pattern " << pattern << " text \"" << text << "\"";
      if (chained) {
        ASSERT_EQ(pxrt::pattern::matches(*chained, text), expected) << "chained " << pattern;
      }
    }
  }
  EXPECT_GT(matched, 2000);  // the generator must not produce only rejections
}

}  // namespace
