// pxpresence-tool: the partial presence commands until pxsimple dispatches
// them itself (pxsimple patch | diff | compose ...).
#include <cstdio>
#include <string>

#include "presence_commands.h"

int main(int argc, char** argv) {
  if (argc >= 2) {
    std::string command = argv[1];
    if (command == "patch") return pxsimple::commandPatch(argc - 1, argv + 1);
    if (command == "diff") return pxsimple::commandDiff(argc - 1, argv + 1);
    if (command == "compose") return pxsimple::commandCompose(argc - 1, argv + 1);
  }
  std::fprintf(stderr, "usage: %s patch STATE DIFF | diff OLD NEW | compose FILE...\n", argv[0]);
  return 2;
}
