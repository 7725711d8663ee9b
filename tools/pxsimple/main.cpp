// pxsimple: check, read and write the XML documents of SIP presence from the
// command line. `pxsimple --help` lists the commands; cli.cpp holds the
// help texts, one file per command group holds its work.
#include "cli.h"
#include "commands.h"

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
      {"parse", pxsimple::commandParse},         {"patch", pxsimple::commandPatch},
      {"diff", pxsimple::commandDiff},           {"compose", pxsimple::commandCompose},
  };
  for (const Entry& e : kRun)
    if (options.command == e.name) return e.run(options);
  return pxsimple::kExitUsage;
}
