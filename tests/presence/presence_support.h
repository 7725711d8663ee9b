// Helpers of the partial presence suites: calls through the C++ API,
// document equality with the first difference, diff envelopes, the corpus.
#ifndef PX_TESTS_PRESENCE_SUPPORT_H
#define PX_TESTS_PRESENCE_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "pxxml/presence.hpp"
#include "support/corpus.h"

namespace pxtest {

// Reads a corpus file or skips the test, naming the path.
#define PX_CORPUS_FILE(var, relative)                                                  \
  std::string var;                                                                     \
  do {                                                                                 \
    std::string path_ = pxtest::corpusDir() + "/" + (relative);                        \
    if (!pxtest::readFile(path_, &var)) GTEST_SKIP() << "corpus file absent: " << path_; \
  } while (0)

// Equal as namespace-aware trees; on a difference the failure names it.
inline ::testing::AssertionResult sameDocument(std::string_view actual, std::string_view expected) {
  std::string where;
  auto equal = pxxml::presence::equalDocuments(actual, expected, &where);
  if (!equal) {
    return ::testing::AssertionFailure() << "compare failed: " << equal.error().name << ": " << equal.error().message
                                         << "\n--- actual:\n" << actual;
  }
  if (!equal.value()) return ::testing::AssertionFailure() << where << "\n--- actual:\n" << actual << "\n--- expected:\n" << expected;
  return ::testing::AssertionSuccess();
}

inline const char* kPidfNs = "urn:ietf:params:xml:ns:pidf";

// A pidf-diff with PIDF as default namespace, p for pidf-diff, dm and r for
// the data model and RPID, x for a namespace of no schema; each operation on
// its own line, so operation i is on line 3 + i.
inline std::string diffOf(const std::vector<std::string>& ops, const std::string& rootAttributes = "") {
  std::string d =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<p:pidf-diff xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\" "
      "xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\" xmlns:r=\"urn:ietf:params:xml:ns:pidf:rpid\" "
      "xmlns:x=\"urn:example:x\" entity=\"pres:alice@example.com\"" +
      rootAttributes + ">\n";
  for (const auto& op : ops) d += op + "\n";
  return d + "</p:pidf-diff>\n";
}

// Text with every `from` replaced by `to`, in order; fails the test when a
// `from` is missing (the table would then test nothing).
inline std::string edited(std::string text, const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [from, to] : edits) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "edit source not found: " << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace pxtest

#endif
