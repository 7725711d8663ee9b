#include "support/xml_compare.h"

#include <cctype>
#include <cstdlib>
#include <optional>

namespace pxtest::xml {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool allSpace(const std::string& s) {
  for (char c : s)
    if (!isSpace(c)) return false;
  return true;
}

std::optional<bool> booleanOf(const std::string& s) {
  std::string t = collapseWhitespace(s);
  if (t == "true" || t == "1") return true;
  if (t == "false" || t == "0") return false;
  return std::nullopt;
}

// Sign and digits without leading zeros: "-0" and "+000" are both "0".
std::optional<std::string> integerOf(const std::string& s) {
  std::string t = collapseWhitespace(s);
  bool negative = false;
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  if (i == t.size()) return std::nullopt;
  for (size_t k = i; k < t.size(); ++k)
    if (!std::isdigit(static_cast<unsigned char>(t[k]))) return std::nullopt;
  while (i + 1 < t.size() && t[i] == '0') ++i;
  std::string digits = t.substr(i);
  return (negative && digits != "0" ? "-" : "") + digits;
}

std::optional<double> decimalOf(const std::string& s) {
  std::string t = collapseWhitespace(s);
  if (t.empty()) return std::nullopt;
  for (char c : t)
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != '+' && c != '-') return std::nullopt;
  char* end = nullptr;
  double v = std::strtod(t.c_str(), &end);
  if (*end) return std::nullopt;
  return v;
}

// Days from 1970-01-01 of a proleptic Gregorian date.
long long daysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

bool digitsAt(const std::string& t, size_t pos, size_t n, int* out) {
  if (pos + n > t.size()) return false;
  int v = 0;
  for (size_t i = pos; i < pos + n; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    v = v * 10 + (t[i] - '0');
  }
  *out = v;
  return true;
}

// An xs:dateTime as one text per instant: UTC seconds and the fraction
// without trailing zeros; without a time zone, the fields as written.
std::optional<std::string> dateTimeOf(const std::string& s) {
  std::string t = collapseWhitespace(s);
  int year, month, day, hour, minute, second;
  if (t.size() < 19 || t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':' || t[16] != ':') return std::nullopt;
  if (!digitsAt(t, 0, 4, &year) || !digitsAt(t, 5, 2, &month) || !digitsAt(t, 8, 2, &day) ||
      !digitsAt(t, 11, 2, &hour) || !digitsAt(t, 14, 2, &minute) || !digitsAt(t, 17, 2, &second))
    return std::nullopt;
  size_t pos = 19;
  std::string fraction;
  if (pos < t.size() && t[pos] == '.') {
    size_t start = ++pos;
    while (pos < t.size() && std::isdigit(static_cast<unsigned char>(t[pos]))) ++pos;
    if (pos == start) return std::nullopt;
    fraction = t.substr(start, pos - start);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  }
  long long seconds =
      (daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 24 + hour) * 3600 +
      minute * 60LL + second;
  if (pos == t.size()) return "local " + t.substr(0, 19) + "." + fraction;
  if (t[pos] == 'Z' && pos + 1 == t.size()) return std::to_string(seconds) + "." + fraction + "Z";
  int oh, om;
  if ((t[pos] != '+' && t[pos] != '-') || pos + 6 != t.size() || t[pos + 3] != ':' || !digitsAt(t, pos + 1, 2, &oh) ||
      !digitsAt(t, pos + 4, 2, &om))
    return std::nullopt;
  long long offset = (oh * 60LL + om) * 60;
  seconds += t[pos] == '+' ? -offset : offset;
  return std::to_string(seconds) + "." + fraction + "Z";
}

template <typename F>
bool sameParsed(F parse, const std::string& a, const std::string& b) {
  auto x = parse(a), y = parse(b);
  if (x && y) return *x == *y;
  return collapseWhitespace(a) == collapseWhitespace(b);
}

class Walker {
 public:
  Walker(const CompareOptions& options, std::vector<TreeDifference>* out) : options_(options), out_(out) {}

  void element(const Element& e, const Element& a, const Typing& typing, const std::string& path) {
    attributes(e, a, typing, path);
    texts(e, a, typing, path);
    children(e, a, typing, path);
  }

  std::string name(const std::string& ns, const std::string& local) const {
    auto it = options_.aliases.find(ns);
    return it == options_.aliases.end() || it->second.empty() ? local : it->second + ":" + local;
  }

 private:
  void add(TreeDifference::What what, const std::string& path, const std::string& expected, const std::string& actual) {
    out_->push_back(TreeDifference{what, path, expected, actual});
  }

  void attributes(const Element& e, const Element& a, const Typing& typing, const std::string& path) {
    for (const auto& attr : e.attributes) {
      std::string p = path + "/@" + (attr.ns == kXmlNamespace ? "xml:" + attr.local : name(attr.ns, attr.local));
      const Attribute* other = a.attribute(attr.local, attr.ns);
      ValueKind kind = typing.attribute ? typing.attribute(attr) : ValueKind::Exact;
      if (!other)
        add(TreeDifference::What::MissingAttribute, p, attr.value, "");
      else if (!sameValue(kind, attr.value, other->value))
        add(TreeDifference::What::ChangedAttribute, p, attr.value, other->value);
      else if (kind == ValueKind::XPath)
        if (std::string change = bindingChange(attr.value, e.scope, a.scope); !change.empty())
          add(TreeDifference::What::ChangedAttribute, p, attr.value, other->value + " (" + change + ")");
    }
    for (const auto& attr : a.attributes)
      if (!e.attribute(attr.local, attr.ns))
        add(TreeDifference::What::AddedAttribute,
            path + "/@" + (attr.ns == kXmlNamespace ? "xml:" + attr.local : name(attr.ns, attr.local)), "", attr.value);
  }

  // Text-only content compares as one value; beside child elements, only
  // runs that are not all whitespace count, wherever they stand.
  void texts(const Element& e, const Element& a, const Typing& typing, const std::string& path) {
    if (!e.hasElementChildren() && !a.hasElementChildren()) {
      std::string x = e.text(), y = a.text();
      if (sameValue(typing.text, x, y)) return;
      bool xEmpty = typing.text == ValueKind::Exact ? x.empty() : allSpace(x);
      bool yEmpty = typing.text == ValueKind::Exact ? y.empty() : allSpace(y);
      add(xEmpty   ? TreeDifference::What::AddedText
          : yEmpty ? TreeDifference::What::MissingText
                   : TreeDifference::What::ChangedText,
          path, x, y);
      return;
    }
    std::vector<std::string> xs = runs(e), ys = runs(a);
    std::vector<bool> used(ys.size(), false);
    std::vector<std::string> left;
    for (const auto& x : xs) {
      bool found = false;
      for (size_t j = 0; j < ys.size() && !found; ++j)
        if (!used[j] && sameValue(typing.text, x, ys[j])) used[j] = found = true;
      if (!found) left.push_back(x);
    }
    size_t j = 0;
    for (const auto& x : left) {
      while (j < ys.size() && used[j]) ++j;
      if (j < ys.size()) {
        used[j] = true;
        add(TreeDifference::What::ChangedText, path, x, ys[j]);
      } else {
        add(TreeDifference::What::MissingText, path, x, "");
      }
    }
    for (size_t k = 0; k < ys.size(); ++k)
      if (!used[k]) add(TreeDifference::What::AddedText, path, "", ys[k]);
  }

  static std::vector<std::string> runs(const Element& e) {
    std::vector<std::string> out;
    for (const auto& c : e.content)
      if (c.isText() && !allSpace(c.text)) out.push_back(c.text);
    return out;
  }

  static bool sameName(const Element& x, const Element& y) { return x.local == y.local && x.ns == y.ns; }

  static std::string indexed(const std::vector<const Element*>& siblings, size_t i, const std::string& label) {
    size_t n = 0, k = 0;
    for (size_t j = 0; j < siblings.size(); ++j) {
      if (!sameName(*siblings[j], *siblings[i])) continue;
      ++n;
      if (j <= i) ++k;
    }
    return n > 1 ? label + "[" + std::to_string(k) + "]" : label;
  }

  bool lossless(const Element& e, const Element& a, const Typing& typing) {
    std::vector<TreeDifference> trial;
    Walker inner(options_, &trial);
    inner.element(e, a, typing, "");
    for (const auto& d : trial)
      if (d.isLoss()) return false;
    return true;
  }

  void children(const Element& e, const Element& a, const Typing& typing, const std::string& path) {
    std::vector<const Element*> xs = e.elements(), ys = a.elements();
    std::vector<int> pair(xs.size(), -1);
    std::vector<bool> used(ys.size(), false);
    std::vector<Typing> typings;
    for (const Element* x : xs) typings.push_back(typing.child ? typing.child(*x) : Typing{});
    // First the children kept whole, then the same names for a closer look.
    for (size_t i = 0; i < xs.size(); ++i)
      for (size_t j = 0; j < ys.size() && pair[i] < 0; ++j)
        if (!used[j] && sameName(*xs[i], *ys[j]) && lossless(*xs[i], *ys[j], typings[i])) {
          pair[i] = static_cast<int>(j);
          used[j] = true;
        }
    for (size_t i = 0; i < xs.size(); ++i)
      for (size_t j = 0; j < ys.size() && pair[i] < 0; ++j)
        if (!used[j] && sameName(*xs[i], *ys[j])) {
          pair[i] = static_cast<int>(j);
          used[j] = true;
        }
    for (size_t i = 0; i < xs.size(); ++i) {
      std::string p = path + "/" + indexed(xs, i, name(xs[i]->ns, xs[i]->local));
      if (pair[i] < 0)
        add(TreeDifference::What::MissingElement, p, "", "");
      else
        element(*xs[i], *ys[static_cast<size_t>(pair[i])], typings[i], p);
    }
    for (size_t j = 0; j < ys.size(); ++j)
      if (!used[j])
        add(TreeDifference::What::AddedElement, path + "/" + indexed(ys, j, name(ys[j]->ns, ys[j]->local)), "", "");
  }

  const CompareOptions& options_;
  std::vector<TreeDifference>* out_;
};

}  // namespace

std::string collapseWhitespace(const std::string& s) {
  std::string out;
  bool space = false;
  for (char c : s) {
    if (isSpace(c)) {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += c;
  }
  return out;
}

bool sameValue(ValueKind kind, const std::string& a, const std::string& b) {
  switch (kind) {
    case ValueKind::Exact:
    case ValueKind::XPath:
      return a == b;
    case ValueKind::Collapse:
      return collapseWhitespace(a) == collapseWhitespace(b);
    case ValueKind::Boolean:
      return sameParsed(booleanOf, a, b);
    case ValueKind::Integer:
      return sameParsed(integerOf, a, b);
    case ValueKind::Decimal:
      return sameParsed(decimalOf, a, b);
    case ValueKind::DateTime:
      return sameParsed(dateTimeOf, a, b);
  }
  return false;
}

namespace {

bool nameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool nameChar(char c) { return nameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.'; }

std::string bindingOf(const std::map<std::string, std::string>& scope, const std::string& prefix) {
  auto it = scope.find(prefix);
  return it == scope.end() || it->second.empty() ? "" : it->second;
}

}  // namespace

std::string bindingChange(const std::string& selector, const std::map<std::string, std::string>& before,
                          const std::map<std::string, std::string>& after) {
  std::string out;
  auto check = [&](const std::string& prefix) {
    std::string x = bindingOf(before, prefix), y = bindingOf(after, prefix);
    if (x == y) return;
    std::string what = prefix.empty() ? "the default namespace" : "prefix " + prefix;
    std::string change = what + " was " + (x.empty() ? "unbound" : x) + ", is " + (y.empty() ? "unbound" : y);
    if (out.find(change) == std::string::npos) out += (out.empty() ? "" : "; ") + change;
  };
  const size_t n = selector.size();
  for (size_t i = 0; i < n;) {
    char c = selector[i];
    if (c == '\'' || c == '"') {  // literals name nothing
      size_t close = selector.find(c, i + 1);
      i = close == std::string::npos ? n : close + 1;
      continue;
    }
    if (!nameStart(c)) {
      ++i;
      continue;
    }
    size_t start = i;
    while (i < n && nameChar(selector[i])) ++i;
    bool attribute = start > 0 && selector[start - 1] == '@';
    if (i + 1 < n && selector[i] == ':' && selector[i + 1] == ':') {  // an axis; its name test follows
      i += 2;
      while (i < n && nameChar(selector[i])) ++i;  // namespace::prefix names a node, not a binding
      continue;
    }
    if (i + 1 < n && selector[i] == ':' && nameStart(selector[i + 1])) {
      check(selector.substr(start, i - start));
      ++i;
      while (i < n && nameChar(selector[i])) ++i;
      continue;
    }
    size_t next = i;
    while (next < n && selector[next] == ' ') ++next;
    bool function = next < n && selector[next] == '(';
    if (!function && !attribute) check("");  // an unprefixed element name
  }
  return out;
}

std::vector<TreeDifference> compareTrees(const Element& expected, const Element& actual, const Typing& typing,
                                         const CompareOptions& options) {
  std::vector<TreeDifference> out;
  Walker walker(options, &out);
  std::string root = "/" + walker.name(expected.ns, expected.local);
  if (expected.local != actual.local || expected.ns != actual.ns) {
    out.push_back({TreeDifference::What::MissingElement, root, "{" + expected.ns + "}" + expected.local,
                   "{" + actual.ns + "}" + actual.local});
    return out;
  }
  walker.element(expected, actual, typing, root);
  return out;
}

std::string describe(const TreeDifference& d) {
  using W = TreeDifference::What;
  switch (d.what) {
    case W::MissingElement:
      return d.path + ": element lost" + (d.actual.empty() ? "" : " (written as " + d.actual + ")");
    case W::MissingAttribute:
      return d.path + ": attribute lost (was \"" + d.expected + "\")";
    case W::MissingText:
      return d.path + ": text lost (was \"" + d.expected + "\")";
    case W::ChangedAttribute:
      return d.path + ": attribute changed from \"" + d.expected + "\" to \"" + d.actual + "\"";
    case W::ChangedText:
      return d.path + ": text changed from \"" + d.expected + "\" to \"" + d.actual + "\"";
    case W::AddedElement:
      return d.path + ": element added";
    case W::AddedAttribute:
      return d.path + ": attribute added (\"" + d.actual + "\")";
    case W::AddedText:
      return d.path + ": text added (\"" + d.actual + "\")";
  }
  return d.path;
}

}  // namespace pxtest::xml
