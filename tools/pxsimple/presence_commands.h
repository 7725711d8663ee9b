// pxsimple's partial presence commands, over libpxpresence:
//
//   pxsimple patch STATE DIFF     apply DIFF (pidf-diff or pidf-full) to STATE
//   pxsimple diff OLD NEW         the pidf-diff from OLD to NEW (or NEW as a
//                                 pidf-full when a diff would not be smaller)
//   pxsimple compose FILE...      one presence document from several
//
// The document goes to standard output, errors to standard error as
// "FILE:LINE: NAME: message". "-" reads standard input. Exit status: 0
// success, 1 a document problem (patch refused, invalid input document),
// 2 usage or input errors (missing or unreadable file).
#ifndef PXSIMPLE_PRESENCE_COMMANDS_H
#define PXSIMPLE_PRESENCE_COMMANDS_H

namespace pxsimple {

// argv[0] is the command's name ("patch", "diff", "compose").
int commandPatch(int argc, char** argv);
int commandDiff(int argc, char** argv);
int commandCompose(int argc, char** argv);

}  // namespace pxsimple

#endif
