// Command-line parsing and the help texts.
#include "cli.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef PXSIMPLE_VERSION
#define PXSIMPLE_VERSION "unknown"
#endif

namespace pxsimple {

namespace {

struct Command {
  const char* name;
  const char* synopsis;
  const char* help;
  int minFiles;
  int maxFiles;  // -1: any number
};

const Command kCommands[] = {
    {"check", "check [--shallow] [--any-order] FILE...",
     "Validate each document and everything the library knows inside it (the RPID, data-model, CIPID,\n"
     "capability and geopriv elements a presence carries, at any depth). Prints \"FILE: valid\", or each\n"
     "error once: document line and column, element path, the status and what to do about it.\n"
     "  --shallow     check the document element only, not the extensions inside it\n"
     "  --any-order   children that stand only out of their schema order are no error\n",
     1, -1},
    {"decode", "decode [--json] FILE",
     "Decode the document and print its record tree, with the extensions it carries decoded in place.\n"
     "  --json        write the tree as JSON: member names as keys, enumerations and choices by name;\n"
     "                `pxsimple encode` reads it back\n",
     1, 1},
    {"encode", "encode [--default-ns] FILE.json",
     "Write the XML document that a JSON file (as `decode --json` writes it) describes.\n"
     "  --default-ns  write the root's namespace as the default namespace, without a prefix\n",
     1, 1},
    {"roundtrip", "roundtrip [--default-ns] [--any-order] FILE",
     "Decode the document, print its record on standard error and write it encoded again on standard\n"
     "output, also when decoding recorded errors (they are listed on standard error; exit status 1).\n"
     "  --default-ns  write the root's namespace as the default namespace, without a prefix\n"
     "  --any-order   children that stand only out of their schema order are no error\n",
     1, 1},
    {"parse", "parse FILE", "Print the document element as self-contained XML text.\n", 1, 1},
    {"patch", "patch STATE DIFF",
     "Apply a pidf-diff to a stored presence state (a presence or pidf-full document) and write the new\n"
     "state. A diff whose version does not follow the state's is refused.\n",
     2, 2},
    {"diff", "diff OLD NEW", "Write the pidf-diff that turns one presence document into another.\n", 2, 2},
    {"compose", "compose FILE...",
     "Compose the presence documents of one entity (one per device or client) into one document.\n", 1, -1},
};

const char* kCommonOptions =
    "Options of every command:\n"
    "  --max-depth N    refuse documents nested deeper than N elements (default 256)\n"
    "  --max-size N     refuse documents larger than N bytes (default 64 MiB)\n"
    "  --max-errors N   errors printed per document by check, decode and roundtrip (default 100)\n"
    "  -h, --help       this help\n"
    "FILE \"-\" is standard input. Exit status: 0 success (every document valid), 1 a document is\n"
    "invalid or was refused, 2 a usage or input error.\n";

void printUsage(std::FILE* out) {
  std::fprintf(out,
               "pxsimple %s: check, read and write the XML documents of SIP presence (PIDF, RPID, CIPID, the\n"
               "data model, capabilities, geopriv, watcher information, RLMI and partial PIDF).\n\n"
               "usage: pxsimple COMMAND [OPTIONS] FILE...\n\nCommands:\n",
               PXSIMPLE_VERSION);
  for (const Command& c : kCommands) std::fprintf(out, "  %s\n", c.synopsis);
  std::fprintf(out, "\n%s\n", kCommonOptions);
  std::fprintf(out,
               "Examples:\n"
               "  pxsimple check body.xml              is a presence body from a SIP trace valid?\n"
               "  pxsimple check -  < notify-body.xml  the same from standard input\n"
               "  pxsimple decode --json body.xml | jq '.presence.tns_tuple[].tns_status.tns_basic'\n"
               "  pxsimple decode --json body.xml > b.json && pxsimple encode b.json\n"
               "  pxsimple patch state.xml diff.xml    apply a partial publication\n"
               "\n`pxsimple COMMAND --help` explains one command.\n");
}

const Command* findCommand(const char* name) {
  for (const Command& c : kCommands)
    if (std::strcmp(c.name, name) == 0) return &c;
  return nullptr;
}

bool sizeValue(const char* option, const char* text, size_t* out) {
  char* end = nullptr;
  unsigned long long v = text ? std::strtoull(text, &end, 10) : 0;
  if (!text || !*text || *end || v == 0 || text[0] == '-') {
    std::fprintf(stderr, "pxsimple: %s needs a positive number, not \"%s\"\n", option, text ? text : "");
    return false;
  }
  *out = static_cast<size_t>(v);
  return true;
}

}  // namespace

bool parseCommandLine(int argc, char** argv, Options* out, int* exitCode) {
  *exitCode = kExitUsage;
  if (argc < 2) {
    printUsage(stderr);
    return false;
  }
  const char* first = argv[1];
  if (!std::strcmp(first, "-h") || !std::strcmp(first, "--help") || !std::strcmp(first, "help")) {
    printUsage(stdout);
    *exitCode = kExitOk;
    return false;
  }
  if (!std::strcmp(first, "--version")) {
    std::printf("pxsimple %s\n", PXSIMPLE_VERSION);
    *exitCode = kExitOk;
    return false;
  }
  const Command* cmd = findCommand(first);
  if (!cmd) {
    std::fprintf(stderr, "pxsimple: unknown command \"%s\"; the commands are check, decode, encode, roundtrip, "
                         "parse, patch, diff and compose (pxsimple --help)\n", first);
    return false;
  }
  out->command = cmd->name;
  bool filesOnly = false;
  for (int i = 2; i < argc; ++i) {
    const char* a = argv[i];
    if (filesOnly || a[0] != '-' || !std::strcmp(a, "-")) {
      out->files.push_back(a);
      continue;
    }
    auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (!std::strcmp(a, "--")) filesOnly = true;
    else if (!std::strcmp(a, "-h") || !std::strcmp(a, "--help")) out->help = true;
    else if (!std::strcmp(a, "--shallow") && out->command == "check") out->shallow = true;
    else if (!std::strcmp(a, "--deep") && out->command == "check") out->shallow = false;  // the default
    else if (!std::strcmp(a, "--any-order")) out->anyOrder = true;
    else if (!std::strcmp(a, "--json") && out->command == "decode") out->json = true;
    else if (!std::strcmp(a, "--default-ns")) out->defaultNamespace = true;
    else if (!std::strcmp(a, "--max-depth")) { if (!sizeValue(a, next(), &out->maxDepth)) return false; }
    else if (!std::strcmp(a, "--max-size")) { if (!sizeValue(a, next(), &out->maxSize)) return false; }
    else if (!std::strcmp(a, "--max-errors")) { if (!sizeValue(a, next(), &out->maxErrors)) return false; }
    else {
      std::fprintf(stderr, "pxsimple %s: unknown option \"%s\" (pxsimple %s --help)\n", cmd->name, a, cmd->name);
      return false;
    }
  }
  if (out->help) {
    std::printf("usage: pxsimple %s\n\n%s\n%s", cmd->synopsis, cmd->help, kCommonOptions);
    *exitCode = kExitOk;
    return false;
  }
  int n = static_cast<int>(out->files.size());
  if (n < cmd->minFiles || (cmd->maxFiles >= 0 && n > cmd->maxFiles)) {
    std::fprintf(stderr, "usage: pxsimple %s\n(pxsimple %s --help)\n", cmd->synopsis, cmd->name);
    return false;
  }
  return true;
}

}  // namespace pxsimple
