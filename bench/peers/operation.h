// One measured operation on one document: ours (decode, validate, encode)
// or a peer's (expat, libxml2, pugixml). Everything an operation needs
// before its first document -- contexts and parsers, the record or tree an
// encoder writes -- is done by prepare(), outside what is measured; run()
// then handles the document once, as a server does per message, reusing
// what prepare() made.
#ifndef PX_BENCH_PEERS_OPERATION_H
#define PX_BENCH_PEERS_OPERATION_H

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "peer_documents.h"

namespace pxpeers {

enum class OpId {
  Decode,
  Validate,
  Encode,
  Expat,
  Libxml2Tree,
  Libxml2Sax,
  Pugixml,
  PugixmlParseOnly,
  Libxml2Save,
  PugixmlSave
};

struct OpInfo {
  OpId id;
  std::string_view name;   // on the command line
  std::string_view title;  // in tables
  bool writes;             // an encoder: measured per byte written
};

inline constexpr std::array<OpInfo, 10> kOperations{{
    {OpId::Expat, "expat", "expat alone, empty callbacks", false},
    {OpId::Libxml2Sax, "libxml2-sax", "libxml2 SAX2, empty callbacks", false},
    {OpId::Libxml2Tree, "libxml2-tree", "libxml2 parse to tree + walk", false},
    {OpId::Pugixml, "pugixml", "pugixml parse + walk", false},
    // The tree built and not looked at: what the walk adds to pugixml.
    {OpId::PugixmlParseOnly, "pugixml-parse", "pugixml parse alone, no walk", false},
    {OpId::Decode, "decode", "ours: decode to records + release", false},
    {OpId::Validate, "validate", "ours: validate", false},
    {OpId::Libxml2Save, "libxml2-save", "libxml2 serialise (xmlDocDumpMemory)", true},
    {OpId::PugixmlSave, "pugixml-save", "pugixml save to a string", true},
    {OpId::Encode, "encode", "ours: encode the decoded record", true},
}};

inline const OpInfo* findOperation(std::string_view name) {
  for (const OpInfo& op : kOperations)
    if (op.name == name) return &op;
  return nullptr;
}

inline const OpInfo& operationInfo(OpId id) {
  for (const OpInfo& op : kOperations)
    if (op.id == id) return op;
  return kOperations[0];
}

// What a tree walk saw, so that the peers' walks can be held against each
// other: elements, attributes other than namespace declarations, and the
// bytes of their values after entity and line-end normalisation.
struct Tally {
  size_t elements = 0;
  size_t attributes = 0;
  size_t attributeBytes = 0;
  // Not compared: the peers differ on whitespace-only text and on whether a
  // name carries its prefix.
  size_t textBytes = 0;
  size_t nameBytes = 0;
};

class Operation {
 public:
  virtual ~Operation() = default;
  // Set up for this document (kept by reference until destruction). False
  // when the document is refused.
  virtual bool prepare(const std::string& doc) = 0;
  // Handle the document once; false when it fails.
  virtual bool run() = 0;
  // Bytes the last run wrote; 0 for readers.
  virtual size_t written() const { return 0; }
  // What the last run's walk saw (tree walks only).
  virtual Tally tally() const { return {}; }
  // One more run that reports the bytes of the context heap's pages while
  // the decoded record is held (our decoder only; 0 elsewhere).
  virtual size_t runReportingHeapPages() { return 0; }
};

std::unique_ptr<Operation> makeOperation(OpId id, pxbench::DocumentKind kind);

// Per family of operations.
std::unique_ptr<Operation> makeOwnOperation(OpId id, pxbench::DocumentKind kind);
std::unique_ptr<Operation> makeExpatOperation();
std::unique_ptr<Operation> makeLibxml2Operation(OpId id);
std::unique_ptr<Operation> makePugixmlOperation(OpId id);

}  // namespace pxpeers

#endif
