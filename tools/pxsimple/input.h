// Reading a document named on the command line ("-": standard input), with
// a message a person can act on when it cannot be read.
#ifndef PXSIMPLE_INPUT_H
#define PXSIMPLE_INPUT_H

#include <string>

namespace pxsimple {

// True with the bytes in *text; false with the reason in *error
// ("FILE: no such file", "FILE: is a directory", "FILE: is empty", ...).
bool readInput(const std::string& name, std::string* text, std::string* error);

// The name to show for an input in messages.
inline std::string shownName(const std::string& name) { return name == "-" ? "(standard input)" : name; }

}  // namespace pxsimple

#endif
