// Helpers of the C++ API suites (compiled as C++17): the corpus, files, and
// every document tag as a type list.
#ifndef PX_TESTS_CXX_SUPPORT_H
#define PX_TESTS_CXX_SUPPORT_H

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "pxxml/simple.hpp"
#include "support/corpus.h"

namespace cxxtest {

using pxtest::corpusDir;
using pxtest::corpusFiles;
using pxtest::readFile;

#define PX_SKIP_WITHOUT_CORPUS(files)                                                               \
  if ((files).empty()) GTEST_SKIP() << "corpus not available: no documents under " << corpusDir() \
                                    << " (set PX_CORPUS_DIR)"

// Every document tag, for tests that run once per document type.
struct EndOfList {};
template <class... T>
struct Types {};
#define PX_TEST_TAG(PE, ...) px::doc::PE,
using AllDocuments = Types<PX_CXX_RECORD_DOCUMENTS(PX_TEST_TAG) PX_CXX_TEXT_DOCUMENTS(PX_TEST_TAG) EndOfList>;
#undef PX_TEST_TAG

// f(D{}) for every document tag D.
template <class F, class... T>
void forEachDocumentIn(F& f, Types<T...>) {
  auto one = [&](auto tag) {
    if constexpr (!std::is_same_v<decltype(tag), EndOfList>) f(tag);
  };
  (one(T{}), ...);
}
template <class F>
void forEachDocument(F&& f) {
  forEachDocumentIn(f, AllDocuments{});
}

// Every extension below these, depth first (the list's own first).
inline void collectAll(px::Extensions& level, std::vector<px::Extension*>* out) {
  for (px::Extension& e : level) {
    out->push_back(&e);
    collectAll(e.extensions(), out);
  }
}

}  // namespace cxxtest

#endif
