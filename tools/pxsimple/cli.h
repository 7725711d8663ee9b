// The command line of pxsimple: commands, options and their help texts.
#ifndef PXSIMPLE_CLI_H
#define PXSIMPLE_CLI_H

#include <cstddef>
#include <string>
#include <vector>

namespace pxsimple {

struct Options {
  std::string command;
  std::vector<std::string> files;  // "-" is standard input
  bool shallow = false;            // check: the document element only
  bool anyOrder = false;           // children out of schema order are no error
  bool json = false;               // decode: JSON instead of the record tree
  bool defaultNamespace = false;   // writing: the root's namespace as the default one
  size_t maxDepth = 0;             // 0: the runtime's default
  size_t maxSize = 0;
  size_t maxErrors = 0;
  bool help = false;
};

// Exit statuses, the same for every command.
constexpr int kExitOk = 0;
constexpr int kExitInvalid = 1;  // a document is invalid, or was refused
constexpr int kExitUsage = 2;    // usage or input error

// Parses argv; on a usage error prints the message and returns false with
// *exitCode set. --help and --version are answered here too.
bool parseCommandLine(int argc, char** argv, Options* out, int* exitCode);

}  // namespace pxsimple

#endif
