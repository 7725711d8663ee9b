// Reading untrusted XML into a pugixml tree: size, character set, entity
// references, DOCTYPE, nesting depth, one document element and unique
// attribute names are checked here, because pugixml itself is lenient
// about them.
#ifndef PXP_XML_INPUT_H
#define PXP_XML_INPUT_H

#include <pugixml.hpp>

#include <string_view>

#include "failure.h"

namespace pxp {

// Statuses to report for each kind of input problem (a patch document and
// a state document are refused under different names).
struct InputStatuses {
  int malformed;         // not well-formed
  int characterSet;      // not UTF-8
  int entityDeclaration; // DOCTYPE or an unknown entity reference
  bool checkPrefixes;    // every prefix must be declared (a patch reports its own per operation)
};
inline constexpr InputStatuses kDocumentStatuses{PXP_E_INVALID_DOCUMENT, PXP_E_INVALID_DOCUMENT,
                                                 PXP_E_INVALID_DOCUMENT, true};
inline constexpr InputStatuses kDiffStatuses{PXP_E_INVALID_DIFF_FORMAT, PXP_E_INVALID_CHARACTER_SET,
                                             PXP_E_INVALID_ENTITY_DECLARATION, false};

// Parse `text` (kept alive by the caller while `doc` is used for line
// numbers). On failure fills `failure` with the status, the document index
// and the line.
bool parseDocument(std::string_view text, const Limits& limits, const InputStatuses& statuses, int documentIndex,
                   pugi::xml_document& doc, Failure& failure);

// Namespace well-formedness: names of at most one colon, prefixes declared
// where they are used, declarations of names without a colon. Fails with
// `undeclared` or `malformed` and the line of the first offending element,
// which *offender receives when given.
bool checkPrefixes(std::string_view text, const pugi::xml_document& doc, int undeclared, int malformed,
                   Failure& failure, pugi::xml_node* offender = nullptr);

// 1-based line of a byte offset of `text`.
int lineOfOffset(std::string_view text, ptrdiff_t offset);
// Line of a node of a document parsed from `text` (0 when unknown).
int lineOfNode(std::string_view text, pugi::xml_node node);

// The document element (null when none).
pugi::xml_node documentElement(const pugi::xml_document& doc);

}  // namespace pxp

#endif
