// Recursive-descent parser for the XML Schema regular-expression syntax.
//
// The grammar is followed strictly: a construct another regex dialect would
// accept (lazy quantifiers, a bare ']' or '}', '\$', a '-' in the middle of a
// class) is refused with its position, because a pattern that silently means
// something else than its schema author intended is worse than a loud error.
// '^' and '$' are ordinary characters: every pattern is matched against the
// whole value.
#include <string>

#include "pattern/ast.h"
#include "pattern/utf8.h"

namespace pxrt::pattern::detail {
namespace {

// Groups and classes may nest this deep. Real patterns stay far below it;
// the bound keeps the parser's and compiler's recursion off the stack limit
// of small threads.
constexpr int kMaxDepth = 200;
// Counts above this saturate; the compiler's size bound refuses them anyway.
constexpr uint32_t kCountCeiling = 1000000000;

struct ParseError {
  size_t pos;
  std::string message;
};

// Either a single code point (after a single-character escape) or a set
// (after a multi-character one). Only single code points may end a range.
struct Escape {
  bool single = true;
  uint32_t cp = 0;
  CharSet set;
};

class Parser {
 public:
  Parser(std::string_view text, Ast* ast) : p_(text), ast_(ast) {}

  void run() {
    ast_->nodes.reserve(p_.size() + 1);  // about one node per pattern character
    ast_->root = parseRegExp();
    if (i_ < p_.size()) {
      // parseBranch only stops early at '|' or ')', and parseRegExp eats '|'.
      fail(i_, "unbalanced ')' with no group open");
    }
  }

 private:
  [[noreturn]] static void fail(size_t pos, std::string message) { throw ParseError{pos, std::move(message)}; }

  bool more() const { return i_ < p_.size(); }
  char peek() const { return p_[i_]; }

  uint32_t addNode(Node node) {
    ast_->nodes.push_back(std::move(node));
    return static_cast<uint32_t>(ast_->nodes.size() - 1);
  }

  uint32_t addSetNode(size_t pos, CharSet set) {
    set.normalize();
    ast_->sets.push_back(std::move(set));
    Node n;
    n.kind = Node::Kind::Set;
    n.pos = pos;
    n.set = static_cast<uint32_t>(ast_->sets.size() - 1);
    return addNode(std::move(n));
  }

  void enter(size_t pos) {
    if (++depth_ > kMaxDepth) fail(pos, "groups or classes nested too deeply");
  }

  uint32_t parseRegExp() {
    const size_t start = i_;
    enter(start);
    std::vector<uint32_t> branches{parseBranch()};
    while (more() && peek() == '|') {
      ++i_;
      branches.push_back(parseBranch());
    }
    --depth_;
    if (branches.size() == 1) return branches[0];
    Node n;
    n.kind = Node::Kind::Alt;
    n.pos = start;
    n.kids = std::move(branches);
    return addNode(std::move(n));
  }

  uint32_t parseBranch() {
    const size_t start = i_;
    std::vector<uint32_t> pieces;
    while (more() && peek() != '|' && peek() != ')') pieces.push_back(parsePiece());
    if (pieces.size() == 1) return pieces[0];
    Node n;
    n.kind = pieces.empty() ? Node::Kind::Empty : Node::Kind::Concat;
    n.pos = start;
    n.kids = std::move(pieces);
    return addNode(std::move(n));
  }

  uint32_t parsePiece() {
    const uint32_t atom = parseAtom();
    if (!more()) return atom;
    const size_t q = i_;
    uint32_t min = 0, max = 0;
    switch (peek()) {
      case '?': min = 0; max = 1; ++i_; break;
      case '*': min = 0; max = kUnbounded; ++i_; break;
      case '+': min = 1; max = kUnbounded; ++i_; break;
      case '{': parseCount(&min, &max); break;
      default: return atom;
    }
    if (more() && (peek() == '?' || peek() == '*' || peek() == '+' || peek() == '{')) {
      fail(i_, "a quantifier cannot follow another quantifier (no lazy or possessive forms)");
    }
    Node n;
    n.kind = Node::Kind::Repeat;
    n.pos = q;
    n.min = min;
    n.max = max;
    n.kids = {atom};
    return addNode(std::move(n));
  }

  uint32_t readNumber() {
    uint64_t v = 0;
    while (more() && peek() >= '0' && peek() <= '9') {
      v = v * 10 + static_cast<uint64_t>(peek() - '0');
      if (v > kCountCeiling) v = kCountCeiling;
      ++i_;
    }
    return static_cast<uint32_t>(v);
  }

  bool atDigit() const { return more() && peek() >= '0' && peek() <= '9'; }

  // {n}, {n,} or {n,m}.
  void parseCount(uint32_t* min, uint32_t* max) {
    const size_t open = i_++;
    if (!atDigit()) fail(i_, "expected a number after '{'");
    *min = readNumber();
    if (more() && peek() == '}') {
      *max = *min;
    } else if (more() && peek() == ',') {
      ++i_;
      if (more() && peek() == '}') {
        *max = kUnbounded;
      } else {
        if (!atDigit()) fail(i_, "expected a number or '}' after ','");
        *max = readNumber();
        if (*min > *max) fail(open, "quantifier {n,m} with n greater than m");
      }
    } else {
      fail(more() ? i_ : open, "malformed quantifier, expected '}' or ','");
    }
    if (!more() || peek() != '}') fail(more() ? i_ : open, "malformed quantifier, expected '}'");
    ++i_;
  }

  uint32_t decodeLiteral() {
    uint32_t cp = 0;
    const auto* b = reinterpret_cast<const unsigned char*>(p_.data());
    const size_t n = decodeUtf8(b + i_, b + p_.size(), &cp);
    if (n == 0) fail(i_, "invalid UTF-8 in the pattern");
    i_ += n;
    return cp;
  }

  uint32_t parseAtom() {
    const size_t at = i_;
    const char c = peek();
    switch (c) {
      case '(': {
        ++i_;
        const uint32_t inner = parseRegExp();
        if (!more() || peek() != ')') fail(at, "unbalanced '(': this group is never closed");
        ++i_;
        return inner;
      }
      case '[':
        return addSetNode(at, parseClassExpr());
      case '.':
        ++i_;
        return addSetNode(at, anyButNewline());
      case '\\': {
        Escape e = parseEscape();
        return addSetNode(at, e.single ? CharSet::single(e.cp) : std::move(e.set));
      }
      case '?':
      case '*':
      case '+':
        fail(at, std::string("quantifier '") + c + "' has nothing to repeat");
      case '{':
        fail(at, "quantifier '{' has nothing to repeat (write \\{ for the character)");
      case '}':
      case ']':
        fail(at, std::string("unescaped '") + c + "' (write \\" + c + ")");
      default:
        return addSetNode(at, CharSet::single(decodeLiteral()));
    }
  }

  Escape parseEscape() {
    const size_t at = i_++;
    if (!more()) fail(at, "pattern ends with a lone '\\'");
    const char c = peek();
    ++i_;
    Escape e;
    switch (c) {
      case 'n': e.cp = '\n'; return e;
      case 'r': e.cp = '\r'; return e;
      case 't': e.cp = '\t'; return e;
      case '\\': case '|': case '.': case '-': case '^': case '?': case '*': case '+':
      case '{': case '}': case '(': case ')': case '[': case ']':
        e.cp = static_cast<unsigned char>(c);
        return e;
      default:
        break;
    }
    e.single = false;
    switch (c) {
      case 's': e.set = spaceChars(); return e;
      case 'S': e.set = spaceChars().complement(); return e;
      case 'i': e.set = nameStartChars(); return e;
      case 'I': e.set = nameStartChars().complement(); return e;
      case 'c': e.set = nameChars(); return e;
      case 'C': e.set = nameChars().complement(); return e;
      case 'd': e.set = digitChars(); return e;
      case 'D': e.set = digitChars().complement(); return e;
      case 'w':
      case 'W':
        fail(at, std::string("\\") + c + " is not supported (it needs Unicode categories; refused rather than approximated)");
      case 'p':
      case 'P':
        fail(at, std::string("\\") + c + "{...} Unicode category escapes are not supported");
      default:
        break;
    }
    const auto uc = static_cast<unsigned char>(c);
    if (uc >= 0x21 && uc < 0x7F) fail(at, std::string("unknown escape '\\") + c + "'");
    fail(at, "unknown escape");
  }

  // At '['. Parses a positive or negated group, optionally followed by a
  // subtraction "-[...]", up to and including the closing ']'.
  CharSet parseClassExpr() {
    const size_t open = i_++;
    enter(open);
    bool negated = false;
    if (more() && peek() == '^') {
      negated = true;
      ++i_;
    }
    CharSet items;
    CharSet subtracted;
    bool empty = true;
    bool hasSubtraction = false;
    for (;;) {
      if (!more()) fail(open, "character class is never closed");
      const char c = peek();
      if (c == ']') {
        if (empty) fail(i_, "empty character class");
        ++i_;
        break;
      }
      if (c == '[') fail(i_, "unescaped '[' inside a character class");
      if (c == '-') {
        const bool nextOpens = i_ + 1 < p_.size() && p_[i_ + 1] == '[';
        const bool nextCloses = i_ + 1 < p_.size() && p_[i_ + 1] == ']';
        if (nextOpens) {
          if (empty) fail(i_, "class subtraction with nothing to subtract from");
          ++i_;
          subtracted = parseClassExpr();
          hasSubtraction = true;
          if (!more() || peek() != ']') fail(i_, "a class subtraction must end its character class");
          ++i_;
          break;
        }
        // A plain '-' is only a character at either end of the group.
        if (empty || nextCloses) {
          items.add('-', '-');
          ++i_;
          empty = false;
          continue;
        }
        fail(i_, "'-' inside a character class must be escaped (\\-) unless it starts or ends the class");
      }
      const size_t itemPos = i_;
      uint32_t lo = 0;
      if (c == '\\') {
        Escape e = parseEscape();
        if (!e.single) {
          items.addSet(e.set);
          empty = false;
          continue;
        }
        lo = e.cp;
      } else {
        lo = decodeLiteral();
      }
      empty = false;
      const bool isRange = i_ + 1 < p_.size() && peek() == '-' && p_[i_ + 1] != ']' && p_[i_ + 1] != '[';
      if (!isRange) {
        items.add(lo, lo);
        continue;
      }
      ++i_;  // the '-'
      uint32_t hi = 0;
      if (peek() == '\\') {
        const size_t escPos = i_;
        Escape e = parseEscape();
        if (!e.single) fail(escPos, "a multi-character escape cannot end a range");
        hi = e.cp;
      } else if (peek() == '-') {
        fail(i_, "a range cannot end with an unescaped '-' (write \\-)");
      } else {
        hi = decodeLiteral();
      }
      if (hi < lo) fail(itemPos, "character range is reversed (end before start)");
      items.add(lo, hi);
    }
    --depth_;
    items.normalize();
    CharSet result = negated ? items.complement() : std::move(items);
    if (hasSubtraction) result = result.minus(subtracted);
    return result;
  }

  std::string_view p_;
  Ast* ast_;
  size_t i_ = 0;
  int depth_ = 0;
};

}  // namespace

bool parse(std::string_view pattern, Ast* ast, std::string* error) {
  try {
    Parser(pattern, ast).run();
    return true;
  } catch (const ParseError& e) {
    if (error) *error = e.message + " at offset " + std::to_string(e.pos);
    return false;
  }
}

}  // namespace pxrt::pattern::detail
