// pxsimple: check, read and write the XML documents of SIP presence from the
// command line. `pxsimple --help` lists the commands; cli.cpp holds the
// help texts, one file per command group holds its work.
#include <cstring>

#include <string>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "presence_commands.h"

namespace {

// The partial presence commands take the command and its files as argv.
int withArgv(int (*run)(int, char**), const pxsimple::Options& options) {
  std::vector<std::string> words{options.command};
  words.insert(words.end(), options.files.begin(), options.files.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  return run(static_cast<int>(words.size()), argv.data());
}

int patch(const pxsimple::Options& o) { return withArgv(pxsimple::commandPatch, o); }
int diff(const pxsimple::Options& o) { return withArgv(pxsimple::commandDiff, o); }
int compose(const pxsimple::Options& o) { return withArgv(pxsimple::commandCompose, o); }

}  // namespace

int main(int argc, char** argv) {
  pxsimple::Options options;
  int exitCode = pxsimple::kExitUsage;
  if (!pxsimple::parseCommandLine(argc, argv, &options, &exitCode)) return exitCode;
  struct Entry {
    const char* name;
    int (*run)(const pxsimple::Options&);
  };
  static const Entry kRun[] = {
      {"check", pxsimple::commandCheck},         {"decode", pxsimple::commandDecode},
      {"encode", pxsimple::commandEncode},       {"roundtrip", pxsimple::commandRoundtrip},
      {"parse", pxsimple::commandParse},         {"patch", patch},
      {"diff", diff},                            {"compose", compose},
  };
  for (const Entry& e : kRun)
    if (options.command == e.name) return e.run(options);
  return pxsimple::kExitUsage;
}
