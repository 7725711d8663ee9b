#include "selector.h"

#include <limits>

namespace pxp {
namespace {

// XML name characters, ASCII exactly and every non-ASCII byte accepted (the
// input is valid UTF-8 already; names are compared, never classified).
bool nameStart(unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; }
bool nameChar(unsigned char c) { return nameStart(c) || std::isdigit(c) || c == '-' || c == '.'; }

class Parser {
 public:
  Parser(std::string_view text, std::string* why) : s_(text), why_(why) {}

  bool parse(bool forAdd, Selector* out) {
    accept('/');
    if (lookingAt("id(")) {
      out->idFunction = true;
      pos_ += 3;
      if (peek() == '\'' || peek() == '"') {
        std::string_view name;
        if (!literal(&name)) return false;
      }
      if (!expect(')')) return false;
      // The id form: steps each after a slash; what follows is checked but
      // never evaluated.
      while (accept('/')) {
        if (!step(forAdd, out, true)) return false;
        if (out->final != FinalKind::Element) break;
      }
      return atEnd();
    }
    while (true) {
      if (!step(forAdd, out, false)) return false;
      if (out->final != FinalKind::Element) return atEnd();
      if (atEnd()) return true;
      if (!expect('/')) return false;
    }
  }

 private:
  bool step(bool forAdd, Selector* out, bool idForm) {
    if (lookingAt("text()")) {
      pos_ += 6;
      out->final = FinalKind::Text;
      return optionalPosition(&out->finalPosition);
    }
    if (lookingAt("comment()")) {
      pos_ += 9;
      out->final = FinalKind::Comment;
      return optionalPosition(&out->finalPosition);
    }
    if (lookingAt("processing-instruction(")) {
      pos_ += 23;
      out->final = FinalKind::ProcessingInstruction;
      if (peek() == '\'' || peek() == '"') {
        out->hasTarget = true;
        if (!literal(&out->target) || !validName(out->target, false)) return false;
      }
      if (!expect(')')) return false;
      return optionalPosition(&out->finalPosition);
    }
    if (peek() == '@') {
      if (forAdd) return error("an add selector cannot end in an attribute");
      ++pos_;
      out->final = FinalKind::Attribute;
      return qname(&out->attribute);
    }
    if (lookingAt("namespace::")) {
      if (forAdd) return error("an add selector cannot end in a namespace");
      pos_ += 11;
      out->final = FinalKind::Namespace;
      size_t start = pos_;
      if (!ncname()) return false;
      out->namespacePrefix = s_.substr(start, pos_ - start);
      return true;
    }
    Step& st = out->steps.emplace_back();
    if (accept('*')) st.name.any = true;
    else if (!qname(&st.name)) return false;
    while (peek() == '[') {
      if (!predicate(&st.predicates.emplace_back())) return false;
    }
    (void)idForm;
    return true;
  }

  bool predicate(Predicate* p) {
    ++pos_;  // '['
    if (std::isdigit(static_cast<unsigned char>(peek()))) {
      p->kind = PredicateKind::Position;
      if (!number(&p->position)) return false;
      return expect(']');
    }
    if (accept('@')) {
      p->kind = PredicateKind::Attribute;
      if (!qname(&p->name)) return false;
    } else if (accept('.')) {
      p->kind = PredicateKind::Self;
    } else {
      p->kind = PredicateKind::Child;
      if (!qname(&p->name)) return false;
    }
    if (!expect('=')) return false;
    if (!literal(&p->literal)) return false;
    return expect(']');
  }

  bool optionalPosition(uint64_t* position) {
    if (peek() != '[') return true;
    ++pos_;
    if (!number(position)) return false;
    return expect(']');
  }

  bool number(uint64_t* value) {
    size_t start = pos_;
    uint64_t v = 0;
    while (std::isdigit(static_cast<unsigned char>(peek()))) {
      // Positions past any document's size saturate: they locate nothing.
      if (v < std::numeric_limits<uint64_t>::max() / 10 - 10) v = v * 10 + static_cast<uint64_t>(peek() - '0');
      ++pos_;
    }
    if (pos_ == start) return error("a position must be a number");
    *value = v;
    return true;
  }

  bool literal(std::string_view* out) {
    char quote = peek();
    if (quote != '\'' && quote != '"') return error("a quoted value is expected");
    size_t close = s_.find(quote, pos_ + 1);
    if (close == std::string_view::npos) return error("unterminated quoted value");
    *out = s_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    return true;
  }

  bool qname(NameTest* name) {
    size_t start = pos_;
    if (!ncname()) return false;
    if (peek() == ':' && pos_ + 1 < s_.size() && s_[pos_ + 1] != ':') {
      name->prefix = s_.substr(start, pos_ - start);
      ++pos_;
      start = pos_;
      if (!ncname()) return false;
    }
    name->local = s_.substr(start, pos_ - start);
    return true;
  }

  bool ncname() {
    if (!nameStart(static_cast<unsigned char>(peek()))) return error("a name is expected");
    while (nameChar(static_cast<unsigned char>(peek()))) ++pos_;
    return true;
  }

  bool validName(std::string_view name, bool) {
    if (name.empty() || !nameStart(static_cast<unsigned char>(name[0]))) return error("a name is expected");
    for (char c : name) {
      if (!nameChar(static_cast<unsigned char>(c)) && c != ':') return error("a name is expected");
    }
    return true;
  }

  char peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
  bool atEnd() {
    if (pos_ == s_.size()) return true;
    return error("unexpected text");
  }
  bool accept(char c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
  }
  bool expect(char c) {
    if (accept(c)) return true;
    return error(std::string("'") + c + "' expected");
  }
  bool lookingAt(std::string_view word) const { return s_.substr(pos_, word.size()) == word; }
  bool error(const std::string& what) {
    if (why_) *why_ = what + " at character " + std::to_string(pos_ + 1);
    return false;
  }

  std::string_view s_;
  size_t pos_ = 0;
  std::string* why_;
};

}  // namespace

bool parseSelector(std::string_view text, bool forAdd, Selector* out, std::string* why) {
  *out = Selector{};
  if (text.empty()) {
    if (why) *why = "empty selector";
    return false;
  }
  return Parser(text, why).parse(forAdd, out);
}

}  // namespace pxp
