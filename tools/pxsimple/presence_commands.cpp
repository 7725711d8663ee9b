#include "presence_commands.h"

#include <cstdio>
#include <string>
#include <vector>

#include "input.h"
#include "pxxml/presence.hpp"

namespace pxsimple {
namespace {

constexpr int kDocumentProblem = 1;
constexpr int kUsageError = 2;

bool readAll(int first, int argc, char** argv, std::vector<std::string>* texts) {
  for (int i = first; i < argc; ++i) {
    std::string text, error;
    if (!readInput(argv[i], &text, &error)) {
      std::fprintf(stderr, "pxsimple: %s\n", error.c_str());
      return false;
    }
    texts->push_back(std::move(text));
  }
  return true;
}

// "FILE:LINE: NAME: message [operation N]", naming the input the error is
// about (`files` index by PxpError::document).
int reportError(const PxpError& e, const std::vector<const char*>& files) {
  const char* file = e.document >= 0 && static_cast<size_t>(e.document) < files.size() ? files[e.document] : "pxsimple";
  std::fprintf(stderr, "%s:%d: %s: %s", file, e.line, e.name, e.message);
  if (e.operation >= 0) std::fprintf(stderr, " (operation %d)", e.operation + 1);
  std::fputc('\n', stderr);
  return e.status == PXP_E_BAD_ARGUMENT ? kUsageError : kDocumentProblem;
}

int writeOut(const pxxml::presence::Text& text) {
  std::fwrite(text.view().data(), 1, text.view().size(), stdout);
  if (text.view().empty() || text.view().back() != '\n') std::fputc('\n', stdout);
  return std::fflush(stdout) == 0 ? 0 : kUsageError;
}

int usage(const char* line) {
  std::fprintf(stderr, "usage: pxsimple %s\n", line);
  return kUsageError;
}

}  // namespace

int commandPatch(int argc, char** argv) {
  if (argc != 3) return usage("patch STATE DIFF");
  std::vector<std::string> texts;
  if (!readAll(1, argc, argv, &texts)) return kUsageError;
  auto result = pxxml::presence::apply(texts[0], texts[1]);
  if (!result) return reportError(result.error(), {argv[1], argv[2]});
  return writeOut(result.value());
}

int commandDiff(int argc, char** argv) {
  if (argc != 3) return usage("diff OLD NEW");
  std::vector<std::string> texts;
  if (!readAll(1, argc, argv, &texts)) return kUsageError;
  auto result = pxxml::presence::generate(texts[0], texts[1]);
  if (!result) return reportError(result.error(), {argv[1], argv[2]});
  return writeOut(result.value());
}

int commandCompose(int argc, char** argv) {
  if (argc < 2) return usage("compose FILE...");
  std::vector<std::string> texts;
  if (!readAll(1, argc, argv, &texts)) return kUsageError;
  std::vector<std::string_view> views(texts.begin(), texts.end());
  auto result = pxxml::presence::compose(views);
  if (!result) return reportError(result.error(), std::vector<const char*>(argv + 1, argv + argc));
  return writeOut(result.value());
}

}  // namespace pxsimple
