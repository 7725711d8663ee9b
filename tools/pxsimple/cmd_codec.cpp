// pxsimple decode, encode, roundtrip and parse.
#include <unistd.h>

#include <cstdio>

#include "commands.h"
#include "families/engines.h"
#include "families/registry.h"
#include "input.h"
#include "json/json_codec.h"
#include "session.h"

namespace pxsimple {

namespace {

using pxjson::Json;

// Kept elements whose type the library knows, decoded in place: {"xml":
// text, "<root>": record}, recursively.
pxjson::Decorate typedExtensions(RtContext* ctxt) {
  return [ctxt](const RtXmlString& element, Json* out) {
    std::string text = reinterpret_cast<const char*>(element.value);
    rtxSetInputBuffer(ctxt, text.data(), text.size());
    std::string root;
    int status = 0;
    const pxs::DocDesc* doc = identify(ctxt, &root, &status);
    if (!doc) return;
    AnyRecord record(ctxt, doc);
    rtxSetInputBuffer(ctxt, text.data(), text.size());
    pxs::decodeDocument(ctxt, doc, record.get());
    Json typed = pxjson::documentToJson(ctxt, doc, record.get(), typedExtensions(ctxt));
    Json both = Json::object();
    both["xml"] = text;
    both.update(typed);
    *out = both;
  };
}

// The record tree for people: one member a line, nested by indentation.
void printTree(const Json& j, const std::string& name, int indent) {
  std::string pad(static_cast<size_t>(indent) * 2, ' ');
  if (j.is_object()) {
    if (j.contains("xml") && j.size() > 1) {  // a kept element decoded in place: its record only
      for (auto it = j.begin(); it != j.end(); ++it)
        if (it.key() != "xml") printTree(it.value(), name + " " + it.key(), indent);
      return;
    }
    std::printf("%s%s\n", pad.c_str(), name.c_str());
    for (auto it = j.begin(); it != j.end(); ++it) printTree(it.value(), it.key(), indent + 1);
  } else if (j.is_array()) {
    for (size_t i = 0; i < j.size(); ++i) printTree(j[i], name + "[" + std::to_string(i) + "]", indent);
  } else {
    std::string value = j.is_string() ? j.get<std::string>() : j.dump();
    std::printf("%s%s: %s\n", pad.c_str(), name.c_str(), value.c_str());
  }
}

// Decode the session's document into the record; its errors, if any, go to
// standard error. Returns the decoder's status.
int decodeReported(Session& s, AnyRecord& record) {
  s.useDocument();
  int decoded = pxs::decodeDocument(s.context(), s.document(), record.get());
  if (decoded != 0) s.report(stderr);
  rtxErrReset(s.context());
  return decoded;
}

// Encode a record as a whole document on standard output, or say why not.
int writeDocument(RtContext* ctxt, const pxs::DocDesc* doc, void* record, bool defaultNamespace,
                  const std::string& shown) {
  // Without its own prefix registered, the root's namespace becomes the
  // default namespace and the document's elements go unprefixed.
  if (defaultNamespace) ctxt->flags |= RT_FLAG_NO_OWN_NAMESPACE;
  if (pxs::encodeDocument(ctxt, doc, record) != 0) {
    char errors[4096];
    rtxErrFormat(ctxt, errors, sizeof errors);
    std::fprintf(stderr, "%s: the record cannot be written as a document:\n%s", shown.c_str(), errors);
    return kExitInvalid;
  }
  std::printf("%s\n", rtxGetOutput(ctxt, nullptr));
  return kExitOk;
}

}  // namespace

int commandDecode(const Options& options) {
  Session s(options);
  int rc = kExitOk;
  if (!s.open(options.files[0], &rc)) return rc;
  RtContext* ctxt = s.context();
  AnyRecord record(ctxt, s.document());
  int decoded = decodeReported(s, record);
  Json json = pxjson::documentToJson(ctxt, s.document(), record.get(), typedExtensions(ctxt));
  if (options.json) std::printf("%s\n", json.dump(2).c_str());
  else printTree(json.begin().value(), json.begin().key(), 0);
  return decoded == 0 ? kExitOk : kExitInvalid;
}

int commandEncode(const Options& options) {
  std::string text, error;
  if (!readInput(options.files[0], &text, &error)) {
    std::fprintf(stderr, "pxsimple: %s\n", error.c_str());
    return kExitUsage;
  }
  std::string shown = shownName(options.files[0]);
  Json json = Json::parse(text, nullptr, false);
  if (json.is_discarded()) {
    std::fprintf(stderr, "%s: is not JSON; give a file that `pxsimple decode --json` wrote\n", shown.c_str());
    return kExitUsage;
  }
  const pxs::DocDesc* doc = pxjson::documentOf(json, &error);
  if (!doc) {
    std::fprintf(stderr, "%s: %s\n", shown.c_str(), error.c_str());
    return kExitInvalid;
  }
  Session s(options);
  RtContext* ctxt = s.context();
  AnyRecord record(ctxt, doc);
  if (!pxjson::documentFromJson(ctxt, doc, json, record.get(), &error)) {
    std::fprintf(stderr, "%s: %s\n", shown.c_str(), error.c_str());
    return kExitInvalid;
  }
  return writeDocument(ctxt, doc, record.get(), options.defaultNamespace, shown);
}

int commandRoundtrip(const Options& options) {
  Session s(options);
  int rc = kExitOk;
  if (!s.open(options.files[0], &rc)) return rc;
  RtContext* ctxt = s.context();
  AnyRecord record(ctxt, s.document());
  // A document with errors is still written back: the user sees what the
  // record kept of it, and the errors say what was wrong.
  int decoded = decodeReported(s, record);
  // The print family writes to standard output; here it goes to standard
  // error so that standard output carries only the document.
  std::fflush(stdout);
  int saved = dup(1);
  dup2(2, 1);
  if (s.document()->type) pxs::printRecord(s.document()->elemName, s.document()->type, record.get());
  else rtxPrintCharStr(s.document()->elemName, static_cast<RtXmlString*>(record.get())->value);
  std::fflush(stdout);
  dup2(saved, 1);
  close(saved);
  int written = writeDocument(ctxt, s.document(), record.get(), options.defaultNamespace, s.name());
  return decoded == 0 ? written : kExitInvalid;
}

int commandParse(const Options& options) {
  Session s(options);
  int rc = kExitOk;
  if (!s.open(options.files[0], &rc)) return rc;
  RtContext* ctxt = s.context();
  RtSaxAnyHandler handler;
  RtXmlString captured{0, nullptr};
  SAXAnyInit(ctxt, &handler, &captured, 0);
  s.useDocument();
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &handler, SAXAnyStartElement, SAXAnyEndElement, SAXAnyCharacters);
  int st = reader ? rtSaxCParse(reader) : ST_READER_FAILED;
  if (reader) rtSaxCReleaseReader(reader);
  if (st != 0 || !captured.value) {
    s.report(stderr);
    return kExitInvalid;
  }
  std::printf("%s\n", reinterpret_cast<const char*>(captured.value));
  return kExitOk;
}

}  // namespace pxsimple
