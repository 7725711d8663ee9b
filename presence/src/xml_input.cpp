#include "xml_input.h"

#include "namespaces.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <string>
#include <vector>

namespace pxp {
namespace {

constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_comments |
                                 pugi::parse_pi | pugi::parse_declaration | pugi::parse_doctype;

// Offset of the first byte that is not valid XML 1.0 character data in
// UTF-8, or npos. Runs of printable ASCII are passed eight bytes at a time.
size_t firstBadCharacter(std::string_view s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  size_t n = s.size();
  size_t i = 0;
  constexpr uint64_t kHigh = 0x8080808080808080ull, kSpace = 0x2020202020202020ull;
  while (i < n) {
    if (n - i >= 8) {
      uint64_t w;
      std::memcpy(&w, p + i, 8);
      // No byte >= 0x80 and none below 0x20 (tab, CR and LF take the slow path).
      if (((w | ((w - kSpace) & ~w)) & kHigh) == 0) {
        i += 8;
        continue;
      }
    }
    unsigned c = p[i];
    if (c < 0x80) {
      if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return i;
      ++i;
      continue;
    }
    size_t len;
    unsigned cp;
    if (c >= 0xC2 && c <= 0xDF) len = 2, cp = c & 0x1F;
    else if (c >= 0xE0 && c <= 0xEF) len = 3, cp = c & 0x0F;
    else if (c >= 0xF0 && c <= 0xF4) len = 4, cp = c & 0x07;
    else return i;
    if (i + len > n) return i;
    for (size_t k = 1; k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) return i;
      cp = (cp << 6) | (p[i + k] & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return i;
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF) return i;
    i += len;
  }
  return std::string_view::npos;
}

bool startsWith(std::string_view s, size_t at, std::string_view prefix) {
  return s.size() - at >= prefix.size() && s.compare(at, prefix.size(), prefix) == 0;
}

// A character or predefined entity reference starts at s[at] ('&').
bool validReference(std::string_view s, size_t at) {
  size_t i = at + 1;
  if (i < s.size() && s[i] == '#') {
    ++i;
    bool hex = i < s.size() && s[i] == 'x';
    if (hex) ++i;
    size_t digits = 0;
    while (i < s.size() && (hex ? std::isxdigit(static_cast<unsigned char>(s[i])) : std::isdigit(static_cast<unsigned char>(s[i])))) {
      ++i;
      ++digits;
    }
    return digits > 0 && i < s.size() && s[i] == ';';
  }
  for (std::string_view name : {"amp;", "lt;", "gt;", "quot;", "apos;"}) {
    if (startsWith(s, i, name)) return true;
  }
  return false;
}

// Finds, moving forwards only, whether an offset lies inside a comment,
// CDATA section or processing instruction, so that the whole check stays
// linear however many ampersands there are.
class SectionCursor {
 public:
  explicit SectionCursor(std::string_view s) : s_(s) {}

  // End of the section holding `at`, or npos when `at` is in none. Offsets
  // must not decrease from call to call.
  size_t endOfSectionHolding(size_t at) {
    static constexpr std::pair<std::string_view, std::string_view> kSections[] = {
        {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};
    while (true) {
      size_t lt = s_.find('<', cursor_);
      if (lt == std::string_view::npos || lt > at) return std::string_view::npos;
      size_t stop = lt + 1;
      for (const auto& [open, close] : kSections) {
        if (s_.compare(lt, open.size(), open) != 0) continue;
        size_t end = s_.find(close, lt + open.size());
        stop = end == std::string_view::npos ? s_.size() : end + close.size();
        break;
      }
      if (at < stop && stop != lt + 1) return stop;
      cursor_ = stop;
    }
  }

 private:
  std::string_view s_;
  size_t cursor_ = 0;
};

// Refuses references to entities that would need a declaration. Ampersands
// inside comments, CDATA sections and processing instructions are text.
bool checkReferences(std::string_view s, size_t* badOffset) {
  SectionCursor sections(s);
  size_t i = 0;
  while ((i = s.find('&', i)) != std::string_view::npos) {
    if (validReference(s, i)) {
      ++i;
      continue;
    }
    size_t end = sections.endOfSectionHolding(i);
    if (end == std::string_view::npos) {
      *badOffset = i;
      return false;
    }
    i = end;
  }
  return true;
}

bool isWhitespace(const char* text) {
  for (; *text; ++text) {
    if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r') return false;
  }
  return true;
}

bool encodingIsUtf8(const pugi::xml_document& doc) {
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling()) {
    if (n.type() != pugi::node_declaration) continue;
    pugi::xml_attribute encoding = n.attribute("encoding");
    if (!encoding) return true;
    std::string value = encoding.value();
    std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return std::tolower(c); });
    return value == "utf-8" || value == "utf8";
  }
  return true;
}

// Documents bind few prefixes and give an element few attributes: the
// first few of either are scanned, which beats a map, and those past them
// hashed, so that thousands cost no scan each.
constexpr size_t kScanned = 16;

// The attribute names of one element seen so far.
class AttributeNames {
 public:
  // False when the name was there already.
  bool add(std::string_view name) {
    if (count_ < kScanned) {
      for (size_t i = 0; i < count_; ++i)
        if (first_[i] == name) return false;
      first_[count_++] = name;
      return true;
    }
    if (many_.empty()) many_.insert(first_.begin(), first_.end());
    return many_.insert(name).second;
  }
  // A large set is given up rather than emptied bucket by bucket, so that
  // one element of thousands of attributes costs the next ones nothing.
  void clear() {
    count_ = 0;
    if (!many_.empty()) std::unordered_set<std::string_view>().swap(many_);
  }

 private:
  std::array<std::string_view, kScanned> first_;
  size_t count_ = 0;
  std::unordered_set<std::string_view> many_;
};

bool duplicateAttributes(pugi::xml_node element) {
  AttributeNames names;
  for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute())
    if (!names.add(a.name())) return true;
  return false;
}

// Namespace well-formedness, element by element in document order: every
// prefix used is declared by the element or one that encloses it.
class PrefixCheck {
 public:
  PrefixCheck(std::string_view text, int undeclared, int malformed, Failure& failure, pugi::xml_node* offender)
      : text_(text), undeclared_(undeclared), malformed_(malformed), failure_(failure), offender_(offender) {}

  bool enter(pugi::xml_node n) {
    marks_.push_back(declared_.size());
    // The element's own declarations count for its attributes wherever they
    // stand: used prefixes are checked once all are read.
    used_.clear();
    names_.clear();
    for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
      if (!names_.add(a.name())) return duplicate(n);
      std::string_view p;
      if (!prefixOf(a.name(), &p)) return malformed(n, a.name());
      std::string_view declaredPrefix;
      if (isNamespaceDeclaration(a, &declaredPrefix)) {
        if (declaredPrefix.empty()) continue;
        if (declaredPrefix == "xmlns") return malformed(n, a.name());
        if (!*a.value()) return refuse(n, declaredPrefix);  // a prefix cannot be undeclared
        declare(declaredPrefix);
      } else if (!p.empty()) {
        used_.push_back(p);
      }
    }
    std::string_view p;
    if (!prefixOf(n.name(), &p)) return malformed(n, n.name());
    if (!p.empty() && !bound(p)) return refuse(n, p);
    for (std::string_view u : used_)
      if (!bound(u)) return refuse(n, u);
    return true;
  }
  void leave() {
    const size_t mark = marks_.back();
    marks_.pop_back();
    for (size_t i = declared_.size(); i > mark && i > kScanned; --i)
      if (auto found = deep_.find(declared_[i - 1]); --found->second == 0) deep_.erase(found);
    declared_.resize(mark);
  }

 private:
  // The declarations in force past the first few are counted by prefix.
  // A prefix cannot be undeclared (refused above), so a found one is bound.
  void declare(std::string_view prefix) {
    if (declared_.size() >= kScanned) ++deep_[prefix];
    declared_.push_back(prefix);
  }
  bool bound(std::string_view prefix) const {
    if (prefix == "xml") return true;
    for (size_t i = std::min(declared_.size(), kScanned); i-- > 0;)
      if (declared_[i] == prefix) return true;
    return declared_.size() > kScanned && deep_.count(prefix) != 0;
  }
  // The prefix of a name, empty when it has none; false when the name has
  // an empty prefix or local part, or a second colon.
  static bool prefixOf(const char* name, std::string_view* prefix) {
    const char* colon = std::strchr(name, ':');
    if (!colon) {
      *prefix = {};
      return *name != 0;
    }
    *prefix = std::string_view(name, static_cast<size_t>(colon - name));
    return colon != name && colon[1] != 0 && !std::strchr(colon + 1, ':');
  }
  bool refuse(pugi::xml_node at, std::string_view prefix) {
    failure_.line = lineOfNode(text_, at);
    if (offender_) *offender_ = at;
    return fail(failure_, undeclared_, "prefix \"" + std::string(prefix) + "\" is not declared (in <" + at.name() + ">)");
  }
  bool duplicate(pugi::xml_node at) {
    failure_.line = lineOfNode(text_, at);
    if (offender_) *offender_ = at;
    return fail(failure_, malformed_, std::string("an attribute appears twice on <") + at.name() + ">");
  }
  bool malformed(pugi::xml_node at, std::string_view name) {
    failure_.line = lineOfNode(text_, at);
    if (offender_) *offender_ = at;
    return fail(failure_, malformed_, "\"" + std::string(name) + "\" is not a namespace-well-formed name (in <" + at.name() + ">)");
  }

  std::string_view text_;
  int undeclared_, malformed_;
  Failure& failure_;
  pugi::xml_node* offender_;
  std::vector<std::string_view> declared_;
  std::vector<size_t> marks_;
  std::unordered_map<std::string_view, uint32_t> deep_;  // declarations in force past kScanned
  std::vector<std::string_view> used_;  // prefixes of the current element's attributes
  AttributeNames names_;                // its attribute names so far
};

// Depth, document element, text outside it, attribute names and (when asked)
// namespace well-formedness, in one walk without recursion.
bool checkTree(std::string_view text, const pugi::xml_document& doc, const Limits& limits,
               const InputStatuses& statuses, Failure& failure) {
  int roots = 0;
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_element) ++roots;
    if (n.type() == pugi::node_doctype) {
      failure.line = lineOfNode(text, n);
      return fail(failure, statuses.entityDeclaration, "document type declarations are not accepted");
    }
    if ((n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) && !isWhitespace(n.value())) {
      failure.line = lineOfNode(text, n);
      return fail(failure, statuses.malformed, "text outside the document element");
    }
  }
  if (roots != 1) return fail(failure, statuses.malformed, roots ? "more than one document element" : "no document element");
  size_t depth = 0;
  pugi::xml_node n = documentElement(doc);
  pugi::xml_node root = n;
  PrefixCheck prefixes(text, statuses.malformed, statuses.malformed, failure, nullptr);
  bool checkPrefixes = statuses.checkPrefixes;
  while (n) {
    if (n.type() == pugi::node_element) {
      ++depth;
      if (depth > limits.maxDepth) {
        failure.line = lineOfNode(text, n);
        return fail(failure, PXP_E_LIMIT_EXCEEDED,
                    "elements nested deeper than the limit of " + std::to_string(limits.maxDepth) + " levels");
      }
      if (checkPrefixes) {
        if (!prefixes.enter(n)) return false;  // duplicate attributes included
      } else if (duplicateAttributes(n)) {
        failure.line = lineOfNode(text, n);
        return fail(failure, statuses.malformed, std::string("an attribute appears twice on <") + n.name() + ">");
      }
      if (n.first_child()) {
        n = n.first_child();
        continue;
      }
      --depth;
      if (checkPrefixes) prefixes.leave();
    }
    while (n != root && !n.next_sibling()) {
      n = n.parent();
      --depth;
      if (checkPrefixes) prefixes.leave();
    }
    if (n == root) break;
    n = n.next_sibling();
  }
  return true;
}

}  // namespace

bool checkPrefixes(std::string_view text, const pugi::xml_document& doc, int undeclaredStatus, int malformedStatus,
                   Failure& failure, pugi::xml_node* offender) {
  PrefixCheck prefixes(text, undeclaredStatus, malformedStatus, failure, offender);
  pugi::xml_node root = documentElement(doc);
  pugi::xml_node n = root;
  while (n) {
    if (n.type() == pugi::node_element) {
      if (!prefixes.enter(n)) return false;
      if (n.first_child()) {
        n = n.first_child();
        continue;
      }
      prefixes.leave();
    }
    while (n != root && !n.next_sibling()) {
      n = n.parent();
      prefixes.leave();
    }
    if (n == root) break;
    n = n.next_sibling();
  }
  return true;
}

pugi::xml_node documentElement(const pugi::xml_document& doc) {
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_element) return n;
  }
  return {};
}

int lineOfOffset(std::string_view text, ptrdiff_t offset) {
  if (offset < 0) return 0;
  size_t end = std::min(static_cast<size_t>(offset), text.size());
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + end, '\n'));
}

int lineOfNode(std::string_view text, pugi::xml_node node) { return lineOfOffset(text, node.offset_debug()); }

bool parseDocument(std::string_view text, const Limits& limits, const InputStatuses& statuses, int documentIndex,
                   pugi::xml_document& doc, Failure& failure) {
  failure.document = documentIndex;
  if (text.size() > limits.maxDocumentSize) {
    return fail(failure, PXP_E_LIMIT_EXCEEDED,
                "document of " + std::to_string(text.size()) + " bytes is over the limit of " +
                    std::to_string(limits.maxDocumentSize));
  }
  size_t bad = firstBadCharacter(text);
  if (bad != std::string_view::npos) {
    failure.line = lineOfOffset(text, static_cast<ptrdiff_t>(bad));
    return fail(failure, statuses.characterSet, "byte " + std::to_string(bad) + " is not a valid UTF-8 XML character");
  }
  if (!checkReferences(text, &bad)) {
    failure.line = lineOfOffset(text, static_cast<ptrdiff_t>(bad));
    return fail(failure, statuses.entityDeclaration, "entity reference other than a character reference or a predefined entity");
  }
  pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size(), kParseFlags, pugi::encoding_utf8);
  if (!parsed) {
    failure.line = lineOfOffset(text, parsed.offset);
    return fail(failure, statuses.malformed, std::string("not well-formed XML: ") + parsed.description());
  }
  if (!encodingIsUtf8(doc)) return fail(failure, statuses.characterSet, "the XML declaration names an encoding other than UTF-8");
  return checkTree(text, doc, limits, statuses, failure);
}

}  // namespace pxp
