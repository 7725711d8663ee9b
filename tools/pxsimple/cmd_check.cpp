// pxsimple check: validate and decode each document and, unless shallow,
// every kept element inside it whose type the library knows, at any depth;
// each problem reported once, where it is in the document.
#include <algorithm>

#include "commands.h"
#include "families/engines.h"
#include "families/registry.h"
#include "foreign.h"
#include "session.h"

namespace pxsimple {

namespace {

// Validate and decode the context's input as `doc`; the problems of both,
// each once. Documents of simple type have no validator: decoding decides.
struct Findings {
  std::vector<Problem> problems;
  size_t unrecorded = 0;  // found past the error limit, not recorded
};

void checkText(Session& s, const std::string& text, const pxs::DocDesc* doc, const ElementMap& map,
               const Placement* placed, Findings* out) {
  RtContext* ctxt = s.context();
  rtxErrReset(ctxt);
  s.useText(text);
  if (doc->type) pxs::validateDocument(ctxt, doc);
  collectProblems(ctxt, map, placed, &out->problems);
  size_t unrecorded = rtxErrGetUnrecorded(ctxt);
  rtxErrReset(ctxt);
  s.useText(text);
  {
    AnyRecord record(ctxt, doc);
    pxs::decodeDocument(ctxt, doc, record.get());
  }
  collectProblems(ctxt, map, placed, &out->problems);
  out->unrecorded += std::max(unrecorded, static_cast<size_t>(rtxErrGetUnrecorded(ctxt)));
  rtxErrReset(ctxt);
}

// The kept elements of a text that the library knows, each checked on its
// own, and those inside them in turn.
void checkKept(Session& s, const std::string& text, const ElementMap& map, const std::string& placedPath,
               Findings* out) {
  RtContext* ctxt = s.context();
  s.useText(text);
  std::vector<ForeignElement> kept;
  if (collectForeignElements(ctxt, &kept) != 0) return;  // reported by the element's own check
  for (const ForeignElement& element : kept) {
    const pxs::DocDesc* doc = pxs::findDocument(element.ops->element, element.ops->nsIndex);
    if (!doc) continue;
    // Its path in the whole document: where it stands in this text, below
    // the element this text was kept from.
    std::string here = map.pathAt({element.line, element.column});
    std::string path = placedPath.empty() ? here : placedPath + here.substr(std::min(here.size(), here.find('/', 1)));
    s.useText(element.xml);
    ElementMap inner;
    if (!inner.build(ctxt)) continue;
    Placement placed{&s.map(), path};
    checkText(s, element.xml, doc, inner, &placed, out);
    checkKept(s, element.xml, inner, path, out);
  }
}

}  // namespace

int commandCheck(const Options& options) {
  int worst = kExitOk;
  for (const std::string& file : options.files) {
    Session s(options);
    int rc = kExitOk;
    if (!s.open(file, &rc)) {
      worst = std::max(worst, rc);
      continue;
    }
    Findings found;
    checkText(s, s.text(), s.document(), s.map(), nullptr, &found);
    if (!options.shallow) checkKept(s, s.text(), s.map(), std::string(), &found);
    std::vector<Problem>& problems = found.problems;
    if (problems.empty() && found.unrecorded == 0) {
      std::printf("%s: valid\n", s.name().c_str());
      continue;
    }
    worst = std::max(worst, kExitInvalid);
    std::printf("%s: invalid\n", s.name().c_str());
    std::stable_sort(problems.begin(), problems.end(), [](const Problem& a, const Problem& b) {
      return a.where.line != b.where.line ? a.where.line < b.where.line : a.where.column < b.where.column;
    });
    printProblems(stdout, s.name(), problems, s.shownErrors(), found.unrecorded > 0);
  }
  return worst;
}

}  // namespace pxsimple
