// pxsimple patch, diff and compose, over libpxpresence. The document goes to
// standard output, a refusal to standard error as "FILE:LINE: NAME: message".
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "input.h"
#include "pxxml/presence.hpp"

namespace pxsimple {
namespace {

bool readAll(const std::vector<std::string>& files, std::vector<std::string>* texts) {
  for (const std::string& file : files) {
    std::string text, error;
    if (!readInput(file, &text, &error)) {
      std::fprintf(stderr, "pxsimple: %s\n", error.c_str());
      return false;
    }
    texts->push_back(std::move(text));
  }
  return true;
}

// Naming the input the error is about (by PxpError::document), and its line
// when the library knows it.
int reportError(const PxpError& e, const std::vector<std::string>& files) {
  std::string file = e.document >= 0 && static_cast<size_t>(e.document) < files.size()
                         ? shownName(files[static_cast<size_t>(e.document)])
                         : std::string("pxsimple");
  if (e.line > 0) file += ":" + std::to_string(e.line);
  std::fprintf(stderr, "%s: %s: %s", file.c_str(), e.name, e.message);
  if (e.operation >= 0) std::fprintf(stderr, " (operation %d)", e.operation + 1);
  std::fputc('\n', stderr);
  return e.status == PXP_E_BAD_ARGUMENT ? kExitUsage : kExitInvalid;
}

int writeOut(const pxxml::presence::Text& text) {
  std::fwrite(text.view().data(), 1, text.view().size(), stdout);
  if (text.view().empty() || text.view().back() != '\n') std::fputc('\n', stdout);
  return std::fflush(stdout) == 0 ? kExitOk : kExitUsage;
}

// --max-size and --max-depth hold for every input.
pxxml::presence::Limits limitsOf(const Options& options) { return {nullptr, options.maxSize, options.maxDepth}; }

template <typename Run>
int runOn(const Options& options, Run run) {
  std::vector<std::string> texts;
  if (!readAll(options.files, &texts)) return kExitUsage;
  auto result = run(texts, limitsOf(options));
  if (!result) return reportError(result.error(), options.files);
  return writeOut(result.value());
}

}  // namespace

int commandPatch(const Options& options) {
  return runOn(options, [](const std::vector<std::string>& t, const pxxml::presence::Limits& limits) {
    return pxxml::presence::apply(t[0], t[1], limits);
  });
}

int commandDiff(const Options& options) {
  return runOn(options, [](const std::vector<std::string>& t, const pxxml::presence::Limits& limits) {
    return pxxml::presence::generate(t[0], t[1], -1, limits);
  });
}

int commandCompose(const Options& options) {
  return runOn(options, [](const std::vector<std::string>& t, const pxxml::presence::Limits& limits) {
    return pxxml::presence::compose(std::vector<std::string_view>(t.begin(), t.end()), limits);
  });
}

}  // namespace pxsimple
