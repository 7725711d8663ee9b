// The corpus manifest as data: for each document, its folder, the namespace
// of its root element, and what libxml2 reported (well-formed, valid).
#ifndef PX_TESTS_CORPUS_MANIFEST_H
#define PX_TESTS_CORPUS_MANIFEST_H

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "pidf/pidf_support.h"

namespace pxtest {

struct CorpusDocument {
  std::string path;       // relative to the corpus folder, "rfc/rfc3863-ex1.xml"
  std::string root;       // local name, "presence"
  std::string namespaceUri;
  bool wellFormed = false;
  bool valid = false;
};

// Rows of the manifest's tables: | file | ... | `root` {ns} | ... | WF yes; valid (...) | ...
inline std::vector<CorpusDocument> corpusDocuments() {
  std::vector<CorpusDocument> docs;
  std::string text;
  if (!readFile(corpusDir() + "/MANIFEST.md", &text)) return docs;
  std::istringstream lines(text);
  std::string line;
  static const std::regex rootRe("`([^`]+)` \\{([^}]*)\\}");
  while (std::getline(lines, line)) {
    if (line.rfind("| ", 0) != 0) continue;
    std::vector<std::string> cols;
    std::stringstream row(line.substr(1));
    for (std::string col; std::getline(row, col, '|');) {
      size_t b = col.find_first_not_of(' '), e = col.find_last_not_of(' ');
      cols.push_back(b == std::string::npos ? "" : col.substr(b, e - b + 1));
    }
    if (cols.empty() || cols[0].size() < 5 || cols[0].substr(cols[0].size() - 4) != ".xml") continue;
    CorpusDocument d;
    d.path = (cols[0].rfind("rfc", 0) == 0 ? "rfc/" : "real/") + cols[0];
    for (const auto& c : cols) {
      std::smatch m;
      if (d.root.empty() && std::regex_search(c, m, rootRe)) {
        d.root = m[1];
        if (size_t colon = d.root.find(':'); colon != std::string::npos) d.root = d.root.substr(colon + 1);
        d.namespaceUri = m[2];
      }
      if (c.rfind("WF ", 0) == 0) {
        d.wellFormed = c.rfind("WF yes", 0) == 0;
        d.valid = d.wellFormed && c.find("; valid") != std::string::npos;
      }
    }
    docs.push_back(d);
  }
  return docs;
}

}  // namespace pxtest

#endif
