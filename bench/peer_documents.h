// The documents the benchmarks measure, by name, each built on first use
// only (a plain measuring loop then pays for its own document alone):
//   pidf1k    1 KB PIDF: two tuples, a data-model person with RPID activities
//   pidf20k   20 KB PIDF: 40 tuples with capability, RPID, data-model and
//             CIPID extensions
//   winfo1m   1 MB watcher information: 5 lists x 1,000 watchers carrying
//             all seven watcher attributes
//   rlmi270k  270 KB RLMI list: 1,000 resources with names and instances
//   empty     the smallest presence document: what a document costs before
//             its first byte of content
#ifndef PX_BENCH_PEER_DOCUMENTS_H
#define PX_BENCH_PEER_DOCUMENTS_H

#include <array>
#include <string>
#include <string_view>

#include "list_documents.h"
#include "presence_documents.h"

namespace pxbench {

// Which of the library's document types decodes a document.
enum class DocumentKind { Presence, Watcherinfo, RlmiList };

struct PeerDocument {
  std::string_view name;
  std::string_view title;  // for tables: "1 KB PIDF"
  DocumentKind kind;
};

inline constexpr std::array<PeerDocument, 4> kPeerDocuments{{
    {"pidf1k", "1 KB PIDF", DocumentKind::Presence},
    {"pidf20k", "20 KB PIDF", DocumentKind::Presence},
    {"winfo1m", "1 MB winfo", DocumentKind::Watcherinfo},
    {"rlmi270k", "270 KB RLMI", DocumentKind::RlmiList},
}};
inline constexpr PeerDocument kEmptyDocument{"empty", "near-empty PIDF", DocumentKind::Presence};

// The document's description, or null for an unknown name.
inline const PeerDocument* findPeerDocument(std::string_view name) {
  for (const PeerDocument& d : kPeerDocuments)
    if (d.name == name) return &d;
  return name == kEmptyDocument.name ? &kEmptyDocument : nullptr;
}

// The document's text; empty for an unknown name.
inline const std::string& peerDocumentText(std::string_view name) {
  if (name == "pidf1k") {
    static const std::string doc = presenceDocument(2);
    return doc;
  }
  if (name == "pidf20k") {
    static const std::string doc = presenceWithExtensions(40);
    return doc;
  }
  if (name == "winfo1m") {
    static const std::string doc = watcherinfoDocument(5, 1000);
    return doc;
  }
  if (name == "rlmi270k") {
    static const std::string doc = rlmiDocument(1000);
    return doc;
  }
  if (name == "empty") {
    static const std::string doc = "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"pres:a@b\"/>";
    return doc;
  }
  static const std::string none;
  return none;
}

}  // namespace pxbench

#endif
