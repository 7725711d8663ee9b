// Element and attribute lookups of the handlers, and their reports.
#include <cstring>
#include <string>

#include "internal/attribute_texts.h"
#include "internal/context_impl.h"

namespace {

const char* cstr(const OSUTF8CHAR* p) { return reinterpret_cast<const char*>(p); }

// Equal names. Schema names are short and most candidates differ in their
// first bytes, so a loop inlined here costs less than a call to strcmp.
bool sameName(const char* a, const char* b) {
  while (*a && *a == *b) ++a, ++b;
  return *a == *b;
}

bool isLang(const char* d) { return d[0] == 'l' && d[1] == 'a' && d[2] == 'n' && d[3] == 'g' && d[4] == 0; }

// A row accepts the element by name and namespace: a named row needs both
// equal; a wildcard row (empty name) takes elements of other namespaces, as
// ##other does: not the type's own, and not elements in no namespace.
bool rowAccepts(const RtXmlElemInfo& row, const char* localName, int nsidx) {
  if (row.name[0] == 0) return row.nsidx == RT_NS_ANY || (nsidx != row.nsidx && nsidx != RT_NS_NONE);
  return nsidx == row.nsidx && row.name[0] == localName[0] && sameName(row.name, localName);
}

}  // namespace

extern "C" {

int rtSaxGetElemID8(uint16_t* state, int16_t curElemID, const OSUTF8CHAR* localName, int nsidx,
                    const RtXmlElemInfo* table, const uint8_t* matrix, int nElems, int nStates) {
  if (!state || !localName || !table || !matrix) return -1;
  // A state without a column (the final state, or one past the table) takes
  // no further element.
  if (*state >= nStates) return -1;
  int wildcard = -1;
  for (int row = 0; row < nElems; ++row) {
    uint8_t next = matrix[row * nStates + *state];
    if (next == RT_STATE_NO) continue;
    if (table[row].name[0] == 0) {
      if (wildcard < 0 && rowAccepts(table[row], cstr(localName), nsidx)) wildcard = row;
      continue;
    }
    if (rowAccepts(table[row], cstr(localName), nsidx)) {
      *state = next;
      return row;
    }
  }
  if (wildcard >= 0) *state = matrix[wildcard * nStates + *state];
  return wildcard;
}

int rtSaxFindMisplacedElemID8(const OSUTF8CHAR* localName, int nsidx, const RtXmlElemInfo* table,
                              const uint8_t* matrix, int nElems, int nStates, uint32_t fullRows,
                              uint16_t* nextState) {
  if (!localName || !table || !matrix || !nextState) return -1;
  int found = -1;
  for (int pass = 0; pass < 2 && found < 0; ++pass) {  // named rows before wildcard rows
    for (int row = 0; row < nElems && row < 32; ++row) {
      if ((fullRows >> row) & 1u) continue;
      bool wildcard = table[row].name[0] == 0;
      if (wildcard != (pass == 1) || !rowAccepts(table[row], cstr(localName), nsidx)) continue;
      found = row;
      break;
    }
  }
  if (found < 0) return -1;
  // In a sequence a row leads to the same state wherever it is allowed.
  for (int s = 0; s < nStates; ++s) {
    uint8_t next = matrix[found * nStates + s];
    if (next == RT_STATE_NO) continue;
    *nextState = next;
    return found;
  }
  return -1;  // a row allowed nowhere takes nothing
}

int rtSaxRecoverElemID8(RtContext* ctxt, uint16_t* state, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                        int nsidx, const RtXmlElemInfo* table, const uint8_t* matrix, int nElems, int nStates,
                        uint32_t fullRows) {
  uint16_t next = 0;
  int row = state ? rtSaxFindMisplacedElemID8(localName, nsidx, table, matrix, nElems, nStates, fullRows, &next) : -1;
  bool silent = row >= 0 && ctxt && (ctxt->flags & RT_FLAG_ACCEPT_ANY_ORDER);
  // The report names what the document should have had at this place.
  if (!silent) rtSaxLookupElemID8(ctxt, state, -1, localName, qName, nsidx, table, matrix, nElems, nStates);
  if (row >= 0) *state = next;
  return row;
}

int rtSaxLookupElemID8(RtContext* ctxt, uint16_t* state, int16_t curElemID, const OSUTF8CHAR* localName,
                       const OSUTF8CHAR* qName, int nsidx, const RtXmlElemInfo* table, const uint8_t* matrix,
                       int nElems, int nStates) {
  if (!rtSaxIncErrors(ctxt)) return -1;
  // Name what would have been accepted here, so that the report says how to
  // fix the document.
  std::string allowed;
  if (state && table && matrix && *state < nStates) {
    for (int row = 0; row < nElems; ++row) {
      if (matrix[row * nStates + *state] == RT_STATE_NO) continue;
      if (!allowed.empty()) allowed += ", ";
      allowed += table[row].name[0] ? table[row].name : "an element of another namespace";
    }
  }
  if (allowed.empty()) allowed = "no further element";
  rtxErrAddStrParm(ctxt, qName ? cstr(qName) : localName ? cstr(localName) : "?");
  rtxErrAddStrParm(ctxt, allowed.c_str());
  rtxErrSetNewData(ctxt, ST_ELEMENT_NOT_EXPECTED, __FILE__, __LINE__);
  return -1;
}

int rtSaxGetAttributeID(const OSUTF8CHAR* name, int nAttrs, const char* const* attrNames, uint32_t* seen) {
  if (!name || !attrNames) return -1;
  const char* n = cstr(name);
  // xml:lang is declared as "lang"; other declared attributes are
  // unqualified, so a prefixed name never matches them (a declared name has
  // no colon, so an equal name has none either).
  bool xmlPrefixed = n[0] == 'x' && n[1] == 'm' && n[2] == 'l' && n[3] == ':';
  const char* local = xmlPrefixed ? n + 4 : n;
  // Documents mostly write attributes in the order the schema declares
  // them, so the search starts at the first one not seen yet and the first
  // candidate is usually the one.
  int start = seen && *seen != ~0u ? __builtin_ctz(~*seen) : 0;
  if (start >= nAttrs) start = 0;
  for (int k = 0, i = start; k < nAttrs; ++k, i = i + 1 == nAttrs ? 0 : i + 1) {
    const char* declared = attrNames[i];
    if (declared[0] != local[0] || (local[0] && declared[1] != local[1]) || std::strcmp(declared, local) != 0)
      continue;
    if (isLang(declared) != xmlPrefixed) continue;
    if (seen && i < 32) *seen |= 1u << i;
    return i;
  }
  return -1;
}

int rtSaxTestAttributesPresent(RtContext* ctxt, uint32_t seen, uint32_t required, const char* const* attrNames,
                               int nAttrs, const char* typeName) {
  int status = 0;
  for (int i = 0; i < nAttrs && i < 32; ++i) {
    uint32_t bit = 1u << i;
    if (!(required & bit) || (seen & bit)) continue;
    status = ST_MISSING_ATTRIBUTE;
    if (!rtSaxIncErrors(ctxt)) continue;
    rtxErrAddStrParm(ctxt, typeName ? typeName : "?");
    rtxErrAddStrParm(ctxt, std::strcmp(attrNames[i], "lang") == 0 ? "xml:lang" : attrNames[i]);
    rtxErrSetNewData(ctxt, ST_MISSING_ATTRIBUTE, __FILE__, __LINE__);
  }
  return status;
}

int rtSaxReportUnexpAttrs(RtContext* ctxt, const OSUTF8CHAR* const* attrs, const char* elemName) {
  // A foreign element matched by a wildcard may carry any attribute.
  if (!attrs || !elemName || elemName[0] == 0) return 0;
  int status = 0;
  // Names by the reader's counts where it has them: they may come unterminated.
  const auto* names = reinterpret_cast<const char* const*>(attrs);
  for (pxrt::AttributeTexts a(names, rtSaxAttrLengths(ctxt, attrs)); !a.done(); a.next()) {
    const std::string_view name = a.name();
    if (pxrt::isDeclarationName(name) || name.substr(0, 4) == "xsi:") continue;
    status = ST_UNEXPECTED_ATTRIBUTE;
    if (!rtSaxIncErrors(ctxt)) continue;
    rtxErrAddStrParm(ctxt, elemName);
    rtxErrAddStrnParm(ctxt, name.data(), name.size());
    rtxErrSetNewData(ctxt, ST_UNEXPECTED_ATTRIBUTE, __FILE__, __LINE__);
  }
  return status;
}

}  // extern "C"
