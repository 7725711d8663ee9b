// Collecting the known foreign elements of a document with the any handler,
// which captures each as text that stands on its own.
#include "foreign.h"

#include <map>
#include <utility>

namespace pxsimple {

namespace {

struct Collector {
  RtSaxHandler head;
  std::vector<std::pair<std::string, int>> stack;  // path and namespace of each open element
  std::vector<std::map<std::string, int>> seen;    // namesakes seen so far at each depth
  RtSaxAnyHandler any;
  RtXmlString text{0, nullptr};
  size_t captureDepth = 0;  // depth of the element being captured, 0: none
  const DocumentOps* captured = nullptr;
  int line = 0, column = 0;  // of the element being captured
  std::vector<ForeignElement>* out = nullptr;
};

const char* cstr(const OSUTF8CHAR* p) { return reinterpret_cast<const char*>(p); }

int onStart(void* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  auto* c = static_cast<Collector*>(h);
  if (c->captureDepth) {
    SAXAnyStartElement(&c->any, local, qname, attrs);
    c->stack.emplace_back(std::string(), -1);
    return 0;
  }
  const OSUTF8CHAR* prefix;
  size_t len;
  rtXmlDecQName(qname, &prefix, &len);
  int ns = rtXmlNSGetIndex(c->head.context, prefix, len);
  size_t depth = c->stack.size();
  if (c->seen.size() <= depth + 1) c->seen.resize(depth + 2);
  int n = ++c->seen[depth][cstr(qname)];
  c->seen[depth + 1].clear();
  std::string path = (c->stack.empty() ? std::string() : c->stack.back().first) + "/" + cstr(qname) + "[" +
                     std::to_string(n) + "]";
  const DocumentOps* ops = c->stack.empty() || ns == c->stack.back().second ? nullptr : findDocument(cstr(local), ns);
  if (ops) {
    SAXAnyInit(c->head.context, &c->any, &c->text, 0);
    SAXAnyStartElement(&c->any, local, qname, attrs);
    c->captureDepth = depth + 1;
    c->captured = ops;
    rtSaxGetPosition(c->head.context, &c->line, &c->column);
  }
  c->stack.emplace_back(std::move(path), ns);
  return 0;
}

int onEnd(void* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname) {
  auto* c = static_cast<Collector*>(h);
  if (c->captureDepth) {
    SAXAnyEndElement(&c->any, local, qname);
    if (c->stack.size() == c->captureDepth) {
      c->captureDepth = 0;
      if (c->text.value)
        c->out->push_back({c->stack.back().first, cstr(c->text.value), c->captured, c->line, c->column});
      rtxMemHeapFreePtr(c->head.context, c->text.value);
      c->text.value = nullptr;
    }
  }
  c->stack.pop_back();
  return 0;
}

int onText(void* h, const OSUTF8CHAR* text, int len) {
  auto* c = static_cast<Collector*>(h);
  if (c->captureDepth) SAXAnyCharacters(&c->any, text, len);
  return 0;
}

}  // namespace

int collectForeignElements(RtContext* ctxt, std::vector<ForeignElement>* out) {
  Collector collector{};
  collector.head.context = ctxt;
  collector.out = out;
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &collector, onStart, onEnd, onText);
  if (!reader) return ST_READER_FAILED;
  int st = rtSaxCParse(reader);
  rtSaxCReleaseReader(reader);
  return st;
}

}  // namespace pxsimple
