// What a context holds behind its public members.
#ifndef PXRT_INTERNAL_CONTEXT_IMPL_H
#define PXRT_INTERNAL_CONTEXT_IMPL_H

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "internal/errors.h"
#include "internal/heap.h"
#include "internal/kept_scopes.h"
#include "internal/namespaces.h"
#include "internal/output.h"
#include "internal/pattern.h"
#include "internal/text_set.h"
#include "pxxml/rt.h"

namespace pxrt {

class Reader;  // the XML reader, created on the first parse

// State of the any handler's capture (one per context: a capture takes every
// event of its element, so two never run at once).
struct Capture {
  uint32_t id = 0;  // the handler that owns the capture
  bool active = false;
  // Inside a parse the captured markup is the document's own bytes, copied
  // whole from spanBegin to the capture's end, with the declarations it
  // needs inserted (offset in the document, text); outside one it is
  // written here, in `text`.
  bool fromDocument = false;
  const char* doc = nullptr;
  size_t spanBegin = 0;
  size_t rootInsertAt = 0;  // where the current top-level element's declarations go
  // Insertions: (document offset, end of its text in insertText); the text
  // of insertion i runs from the end of insertion i-1. One buffer reused
  // capture after capture, so a capture allocates nothing once warm.
  std::vector<std::pair<size_t, size_t>> inserts;
  std::string insertText;
  std::string text;
  size_t rootInsert = 0;                 // where the root's declarations go
  bool startOpen = false;                // the last thing written is a start tag
  TextStack declared;                    // prefixes declared inside the capture
  std::vector<size_t> declaredMarks;     // declared.size() at each open element
  // Prefixes used but bound outside: the bindings themselves, which stay in
  // place while the capture runs (they belong to enclosing elements).
  std::vector<const Binding*> external;
  // Their prefixes, once more than a few: a capture may use thousands.
  std::unordered_set<std::string_view> externalPrefixes;
  bool undeclaresDefault = false;  // an unprefixed element outside any default namespace
  std::string rootDecls;           // reused to build the root's declarations
};

struct Limits {
  static constexpr unsigned kDefaultErrors = 100;
  static constexpr size_t kDefaultDepth = 256;
  static constexpr size_t kDefaultDocumentSize = 64u << 20;
  size_t depth = kDefaultDepth;
  size_t documentSize = kDefaultDocumentSize;
};

struct RtContextImplData {
  Heap heap;
  ErrorList errors;
  Namespaces ns;
  Output out;
  // Encoding: declarations bound on the open start tag (positions in ns),
  // and the open elements, innermost last.
  std::vector<uint32_t> openTagBindings;
  // How many of them were declared, in which generation of bindings: the
  // tag's declarations are written once (after its start, and again asked
  // for when it closes), and only a binding made since needs the walk.
  struct {
    size_t count = 0;
    uint64_t generation = 0;
  } tagDeclsWritten;
  struct OpenElement {
    // The prefix the element was written with: its end tag uses the same.
    // The texts are kept end to end in openPrefixText, so that opening an
    // element allocates nothing once the stack has grown.
    uint32_t prefixStart, prefixLength;
  };
  std::vector<OpenElement> openElements;
  std::string openPrefixText;
  // The last element namespace pair found bound as it is, at its very
  // addresses, in a generation of bindings: the children of one element
  // come with the same pair, and the lookup is done once for all of them.
  struct BoundPair {
    const OSUTF8CHAR* prefix = nullptr;
    const OSUTF8CHAR* uri = nullptr;
    size_t prefixLength = 0;
    uint64_t generation = 0;
  } boundPair;
  Limits limits;
  PatternCache patterns;
  Capture capture;
  uint32_t captureSerial = 0;

  // The document to decode.
  const char* docData = nullptr;
  size_t docSize = 0;
  std::string docFile;  // owns the bytes of a document read from a file
  size_t chunkSize = 0;

  KeptScopes keptScopes;  // namespace declarations kept with decoded records

  Reader* reader = nullptr;
  std::string scratch;  // decode input rewritten by whitespace collapse

  RtSaxDiagFn diag = nullptr;
  void* diagData = nullptr;
};

}  // namespace pxrt

struct RtContextImpl : pxrt::RtContextImplData {
  ~RtContextImpl();
};

namespace pxrt {
inline RtContextImpl* implOf(RtContext* ctxt) { return ctxt ? ctxt->impl : nullptr; }

// A prefix used inside an element the reader passes over for the capture
// under way; bindings in force from position insideFrom on are declared
// inside the captured markup.
void noteCapturedPrefix(RtContextImpl* impl, std::string_view prefix, bool forElement, size_t insideFrom);
}  // namespace pxrt

#endif
