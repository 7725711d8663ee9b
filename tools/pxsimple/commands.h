// The commands of pxsimple; each returns the process's exit status.
#ifndef PXSIMPLE_COMMANDS_H
#define PXSIMPLE_COMMANDS_H

#include "cli.h"

namespace pxsimple {

int commandCheck(const Options& options);
int commandDecode(const Options& options);
int commandEncode(const Options& options);
int commandRoundtrip(const Options& options);
int commandParse(const Options& options);
// Partial presence: apply a pidf-diff, generate one, compose publications.
int commandPatch(const Options& options);
int commandDiff(const Options& options);
int commandCompose(const Options& options);

}  // namespace pxsimple

#endif
