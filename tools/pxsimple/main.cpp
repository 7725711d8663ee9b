// pxsimple: command-line tool over the library.
//
//   pxsimple parse FILE   read FILE with the runtime's reader, print the
//                         document element as self-contained XML text, or
//                         the errors; exit 0 only when the reader succeeded.
#include <cstdio>
#include <cstring>
#include <string>

#include "pxxml/rt.h"
#include "pxxml/simple/simple.h"

namespace {

void printErrors(RtContext* ctxt) {
  size_t n = rtxErrFormat(ctxt, nullptr, 0);
  std::string text(n + 1, '\0');
  rtxErrFormat(ctxt, text.data(), text.size());
  text.resize(n);
  std::fputs(text.c_str(), stderr);
}

// Capture the whole document element with the any handler.
int commandParse(RtContext* ctxt, const char* path) {
  int st = rtxSetInputFile(ctxt, path);
  if (st != 0) {
    printErrors(ctxt);
    return 1;
  }
  RtSaxAnyHandler handler;
  RtXmlString captured{0, nullptr};
  SAXAnyInit(ctxt, &handler, &captured, 0);
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &handler, SAXAnyStartElement, SAXAnyEndElement, SAXAnyCharacters);
  if (!reader) {
    std::fprintf(stderr, "pxsimple: cannot create the XML reader\n");
    return 1;
  }
  st = rtSaxCParse(reader);
  rtSaxCReleaseReader(reader);
  if (st != 0 || !captured.value) {
    printErrors(ctxt);
    return 1;
  }
  std::printf("%s\n", reinterpret_cast<const char*>(captured.value));
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: pxsimple COMMAND FILE\n"
               "commands:\n"
               "  parse FILE   read FILE and print its document element as XML text\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return usage();
  RtContext* ctxt = rtxNewContext();
  if (!ctxt || PxInit_SIMPLE_Global(ctxt) != 0) {
    std::fprintf(stderr, "pxsimple: out of memory\n");
    return 1;
  }
  int rc;
  if (std::strcmp(argv[1], "parse") == 0) rc = commandParse(ctxt, argv[2]);
  else rc = usage();
  rtxDeleteContext(ctxt);
  return rc;
}
