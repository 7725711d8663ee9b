// The shared document corpus of the suites: where it is (PX_CORPUS_DIR, or
// the place the build was configured with), its documents, and the message
// of a test skipped without it, which names the place looked in (the test
// script counts these after the run).
#ifndef PX_TESTS_SUPPORT_CORPUS_H
#define PX_TESTS_SUPPORT_CORPUS_H

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace pxtest {

inline std::string corpusDir() {
  if (const char* env = std::getenv("PX_CORPUS_DIR")) return env;
  return PX_DEFAULT_CORPUS_DIR;
}

inline std::string corpusMissing() { return "corpus not found at " + corpusDir(); }

inline bool readFile(const std::string& path, std::string* out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  *out = s.str();
  return true;
}

// The corpus documents (rfc/ and real/), full paths, sorted; none without
// the corpus.
inline std::vector<std::string> corpusFiles() {
  std::vector<std::string> files;
  for (const char* folder : {"rfc", "real"}) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(corpusDir() + "/" + folder, ec))
      if (entry.path().extension() == ".xml") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace pxtest

#endif
