// pxsimple: command-line tool over the library.
//
//   pxsimple check [--deep] FILE
//                            validate and decode FILE; print "valid" or every
//                            recorded error; exit 0 only when both succeeded.
//                            Elements of simple type offer no validation: for
//                            them decoding alone decides. With --deep, every
//                            foreign element kept inside the document whose
//                            type the library knows is checked the same way,
//                            at any depth, and reported by its element path.
//   pxsimple roundtrip FILE  decode FILE, print the record on standard error
//                            and write the re-encoded document on standard
//                            output, also when decoding recorded errors
//                            (listed on standard error; exit 1)
//   pxsimple parse FILE      read FILE and print its document element as
//                            self-contained XML text
//   --any-order              (check, roundtrip) children that stand only out
//                            of their schema order are no error
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "documents.h"
#include "foreign.h"
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

const pxsimple::DocumentOps* identify(RtContext* ctxt) {
  std::string root;
  int st = 0;
  const pxsimple::DocumentOps* doc = pxsimple::identifyDocument(ctxt, &root, &st);
  if (st != 0) printErrors(ctxt);
  else if (!doc) std::fprintf(stderr, "pxsimple: no document type for root element \"%s\"\n", root.c_str());
  return doc;
}

// Validate and decode the context's document; print what went wrong.
bool checkDocument(RtContext* ctxt, const pxsimple::DocumentOps* doc, const std::string& label) {
  rtxErrReset(ctxt);
  int validated = doc->validate(ctxt);
  if (validated == ST_NOT_SUPPORTED) validated = 0;  // a simple type: decoding decides
  std::unique_ptr<unsigned char[]> record(new unsigned char[doc->recordSize]());
  int decoded = doc->decode(ctxt, record.get());
  doc->release(ctxt, record.get());
  if (validated == 0 && decoded == 0) {
    std::printf("%svalid\n", label.c_str());
    return true;
  }
  std::printf("%sinvalid\n", label.c_str());
  std::fprintf(stderr, "%svalidate: %s (%d), decode: %s (%d)\n", label.c_str(), rtxStatusName(validated), validated,
               rtxStatusName(decoded), decoded);
  printErrors(ctxt);
  return false;
}

// Check the context's document, then, when deep, each known foreign element
// inside it, recursively. Returns true when everything passed.
bool checkTree(RtContext* ctxt, const pxsimple::DocumentOps* doc, const std::string& path, bool deep) {
  bool ok = checkDocument(ctxt, doc, path.empty() ? std::string() : path + ": ");
  if (!deep) return ok;
  std::vector<pxsimple::ForeignElement> found;
  if (pxsimple::collectForeignElements(ctxt, &found) != 0) {
    printErrors(ctxt);
    return false;
  }
  for (const auto& element : found) {
    // Paths inside a captured element start with that element: joined once.
    std::string full = path.empty() ? element.path : path + element.path.substr(element.path.find('/', 1));
    rtxSetInputBuffer(ctxt, element.xml.data(), element.xml.size());
    ok = checkTree(ctxt, element.ops, full, true) && ok;
  }
  return ok;
}

int commandCheck(RtContext* ctxt, bool deep) {
  const pxsimple::DocumentOps* doc = identify(ctxt);
  if (!doc) return 1;
  return checkTree(ctxt, doc, "", deep) ? 0 : 1;
}

int commandRoundtrip(RtContext* ctxt) {
  const pxsimple::DocumentOps* doc = identify(ctxt);
  if (!doc) return 1;
  rtxErrReset(ctxt);
  std::unique_ptr<unsigned char[]> record(new unsigned char[doc->recordSize]());
  // A document with errors is still written back: the user sees what the
  // record kept of it, and the errors say what was wrong.
  int decoded = doc->decode(ctxt, record.get());
  if (decoded != 0) {
    std::fprintf(stderr, "decode: %s (%d)\n", rtxStatusName(decoded), decoded);
    printErrors(ctxt);
    rtxErrReset(ctxt);
  }
  // The print family writes to standard output; here it goes to standard
  // error so that standard output carries only the document.
  std::fflush(stdout);
  int saved = dup(1);
  dup2(2, 1);
  doc->print(doc->element, record.get());
  std::fflush(stdout);
  dup2(saved, 1);
  close(saved);
  int st = doc->encode(ctxt, record.get());
  if (st != 0) {
    std::fprintf(stderr, "encode: %s (%d)\n", rtxStatusName(st), st);
    printErrors(ctxt);
  } else {
    std::printf("%s\n", rtxGetOutput(ctxt, nullptr));
  }
  doc->release(ctxt, record.get());
  return st == 0 && decoded == 0 ? 0 : 1;
}

int commandParse(RtContext* ctxt) {
  RtSaxAnyHandler handler;
  RtXmlString captured{0, nullptr};
  SAXAnyInit(ctxt, &handler, &captured, 0);
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &handler, SAXAnyStartElement, SAXAnyEndElement, SAXAnyCharacters);
  if (!reader) return 1;
  int st = rtSaxCParse(reader);
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
               "usage: pxsimple COMMAND [--any-order] FILE\n"
               "commands:\n"
               "  check [--deep] FILE  validate and decode FILE; print \"valid\" or the errors;\n"
               "                  --deep also checks every foreign element the library knows\n"
               "  roundtrip FILE  decode FILE, print the record on stderr, write it re-encoded on stdout\n"
               "  parse FILE      print FILE's document element as self-contained XML text\n"
               "options:\n"
               "  --any-order     accept children that stand only out of their schema order\n"
               "                  (real clients write a person before their tuples, say)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const char* command = argv[1];
  bool deep = false, anyOrder = false;
  const char* file = nullptr;
  for (int i = 2; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--deep") && !std::strcmp(command, "check")) deep = true;
    else if (!std::strcmp(argv[i], "--any-order")) anyOrder = true;
    else if (!file) file = argv[i];
    else return usage();
  }
  if (!file) return usage();
  if (std::strcmp(command, "check") && std::strcmp(command, "roundtrip") && std::strcmp(command, "parse"))
    return usage();
  RtContext* ctxt = rtxNewContext();
  if (!ctxt || PxInit_SIMPLE_Global(ctxt) != 0) {
    std::fprintf(stderr, "pxsimple: out of memory\n");
    return 1;
  }
  if (anyOrder) ctxt->flags |= RT_FLAG_ACCEPT_ANY_ORDER;
  int rc = 1;
  if (rtxSetInputFile(ctxt, file) != 0) printErrors(ctxt);
  else if (!std::strcmp(command, "check")) rc = commandCheck(ctxt, deep);
  else if (!std::strcmp(command, "roundtrip")) rc = commandRoundtrip(ctxt);
  else rc = commandParse(ctxt);
  rtxDeleteContext(ctxt);
  return rc;
}
