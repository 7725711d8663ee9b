// pxnames: the names of the library's tables in its public headers.
//
//   pxnames write ROOT    write the names block of every module header and
//                         include/pxxml/simple/cxx/tables.hpp under ROOT
//   pxnames check ROOT    compare them instead; exit 1 when any differs
//   pxnames table FILE    write the list of every constant (for the tests)
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "render.h"

namespace {

bool readFile(const std::string& path, std::string* out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  *out = s.str();
  return true;
}

bool writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

// The header's text with its names block replaced; false without markers.
bool splice(const std::string& text, const std::string& block, std::string* out) {
  size_t begin = text.find(pxnames::kNamesBegin), end = text.find(pxnames::kNamesEnd);
  if (begin == std::string::npos || end == std::string::npos) return false;
  *out = text.substr(0, begin) + block + text.substr(end + std::string(pxnames::kNamesEnd).size());
  return true;
}

// Write (or compare) one file; returns false when it differs in check mode
// or cannot be written.
bool update(const std::string& path, const std::string& wanted, const std::string& current, bool check) {
  if (wanted == current) return true;
  if (check) {
    std::fprintf(stderr, "out of date: %s (run scripts/update_names.sh)\n", path.c_str());
    return false;
  }
  if (!writeFile(path, wanted)) {
    std::fprintf(stderr, "pxnames: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("wrote %s\n", path.c_str());
  return true;
}

int headers(const pxnames::Model& model, const std::string& root, bool check) {
  bool ok = true;
  size_t constants = 0;
  for (const auto& g : model.groups) constants += g.constants.size();
  for (const auto& [header, block] : pxnames::renderHeaderNames(model)) {
    std::string path = root + "/include/pxxml/simple/" + header, text, wanted;
    if (!readFile(path, &text) || !splice(text, block, &wanted)) {
      std::fprintf(stderr, "pxnames: %s has no names block\n", path.c_str());
      ok = false;
      continue;
    }
    ok = update(path, wanted, text, check) && ok;
  }
  std::string path = root + "/include/pxxml/simple/cxx/tables.hpp", text;
  readFile(path, &text);
  ok = update(path, pxnames::renderCxxTables(model), text, check) && ok;
  if (ok) std::printf("%zu constants in %zu groups, %zu record types\n", constants, model.groups.size(), model.types.size());
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pxnames write|check ROOT | pxnames table FILE\n");
    return 2;
  }
  std::string command = argv[1], error;
  pxnames::Model model = pxnames::deriveModel(&error);
  if (!error.empty()) {
    std::fprintf(stderr, "pxnames: names collide:\n%s", error.c_str());
    return 1;
  }
  if (command == "write" || command == "check") return headers(model, argv[2], command == "check");
  if (command == "table") return writeFile(argv[2], pxnames::renderConstantTable(model)) ? 0 : 1;
  std::fprintf(stderr, "pxnames: unknown command %s\n", command.c_str());
  return 2;
}
