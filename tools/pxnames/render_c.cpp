// The names block of the public module headers: one enum per owner, its
// constants aligned, each with what it stands for.
#include <sstream>

#include "render.h"

namespace pxnames {

const char* const kNamesBegin = "/* ---- names: written by pxnames from the library's tables ---- */";
const char* const kNamesEnd = "/* ---- end of names ---- */";

namespace {

const char* const kNamingRule =
    "/* Every name is its owner's type name in upper case, an underscore, then\n"
    " * - for a presence bit, the member's XML name: the bit's mask in present;\n"
    " * - for a choice tag, the alternative's XML name (ANY: foreign elements):\n"
    " *   the value of t when that alternative is chosen;\n"
    " * - for an enumeration value, its text.\n"
    " * Other characters become underscores (in-transit: IN_TRANSIT). */\n";

std::string heading(const ConstantGroup& g) {
  switch (g.kind) {
    case ConstantKind::EnumValue:
      return g.owner + ": the values of the enumeration";
    case ConstantKind::ChoiceTag:
      return g.owner + ".t: the alternative chosen (0: none)";
    case ConstantKind::PresenceBit:
      break;
  }
  return g.owner + ".present: one bit per optional member";
}

std::string valueText(const Constant& c) {
  if (c.kind != ConstantKind::PresenceBit) return std::to_string(c.value);
  int bit = 0;
  while ((1L << bit) != c.value) ++bit;
  return "1u << " + std::to_string(bit);
}

// What the constant stands for, as a user sees it in the record or the XML.
std::string note(const Constant& c) {
  switch (c.kind) {
    case ConstantKind::EnumValue:
      return "\"" + c.xml + "\"";
    case ConstantKind::ChoiceTag:
      return c.holdsValue ? "u." + c.item : "<" + c.xml + "/>";
    case ConstantKind::PresenceBit:
      break;
  }
  return c.item;
}

void renderGroup(std::ostringstream& out, const ConstantGroup& g) {
  size_t width = 0;
  for (const Constant& c : g.constants) width = std::max(width, c.name.size() + 3 + valueText(c).size() + 1);
  out << "\n/* " << heading(g) << " */\nenum {\n";
  for (size_t i = 0; i < g.constants.size(); ++i) {
    const Constant& c = g.constants[i];
    std::string entry = c.name + " = " + valueText(c) + (i + 1 < g.constants.size() ? "," : "");
    out << "  " << entry << std::string(width - entry.size() + 1, ' ') << "/* " << note(c) << " */\n";
  }
  out << "};\n";
}

}  // namespace

std::map<std::string, std::string> renderHeaderNames(const Model& model) {
  std::map<std::string, std::ostringstream> blocks;
  for (const ConstantGroup& g : model.groups) renderGroup(blocks[g.header], g);
  std::map<std::string, std::string> out;
  for (auto& [header, text] : blocks) out[header] = std::string(kNamesBegin) + "\n" + kNamingRule + text.str() + "\n" + kNamesEnd;
  return out;
}

std::string renderConstantTable(const Model& model) {
  static const char* const kKinds[] = {"PresenceBit", "ChoiceTag", "EnumValue"};
  std::ostringstream out;
  out << "// Written by pxnames: every named constant of the public headers.\n";
  for (const ConstantGroup& g : model.groups)
    for (const Constant& c : g.constants)
      out << "PX_NAME_ROW(" << c.name << ", " << kKinds[static_cast<int>(c.kind)] << ", \"" << c.owner << "\", \""
          << c.item << "\")\n";
  return out.str();
}

}  // namespace pxnames
