// A schema as data: one constant TypeDesc per record type, read by the
// generic engines of every operation family (initialise, release, print,
// encode, decode, validate). Modules declare their tables with these types;
// the engines hold every rule once.
#ifndef PXS_FAMILIES_DESCRIPTOR_H
#define PXS_FAMILIES_DESCRIPTOR_H

#include <cstddef>
#include <cstdint>

#include "pxxml/rt.h"

namespace pxs {

// The member-kind table of the record model: storage and the runtime calls
// each family makes for it follow from the kind.
enum class Kind : uint8_t {
  Text,        // RtXmlString, kept as it is
  Collapsed,   // RtXmlString, whitespace collapsed on decoding (URIs, IDs, tokens)
  DateTime,    // RtXmlString holding a date-time, kept as text; validated as xs:dateTime
  Bool,        // OSBOOL
  Int,         // int32_t
  UInt,        // uint32_t
  UInt64,      // uint64_t
  Decimal,     // double, spelled by the simple type's RtDecimalFormat
  Enum,        // uint16_t, texts of the simple type's enumeration
  Record,      // nested record embedded by value
  RecordList,  // RtDList of pointers to records of `type`
  TextList,    // RtDList of pointers to RtXmlString (repeated simple element)
  AnyList,     // RtDList of pointers to RtXmlString, one foreign element each
  AnyAttr,     // _anyAttr: RtDList of pointers to RtNameValue
  NsAttrs,     // nsAttrs: RtDList of RtXmlNamespace pointers
  Choice,      // embedded choice record (t, u) of `type`
  SeqList,     // RtDList of pointers to records of an anonymous sequence `type`
  Empty,       // optional element of empty type: the presence bit is the member
};

// Members that repeat an element: an RtDList of the items.
constexpr bool isList(Kind k) {
  return k == Kind::RecordList || k == Kind::TextList || k == Kind::AnyList || k == Kind::SeqList;
}

// Where a member stands in XML.
enum class Role : uint8_t {
  Element,      // a child element (or a group of them: Choice, SeqList, AnyList)
  Attribute,    // an attribute of the element
  Value,        // the text content of a simple-content type
  Alternative,  // an alternative of a choice type; its offset is inside u
};

// Named simple types with encoders of their own: enumerations, decimals,
// pattern-checked texts.
struct SimpleType {
  const char* name;  // record-model name, "tns_basic"
  const RtEnumItem* enumTable = nullptr;
  uint16_t enumCount = 0;
  int (*toEnum)(const OSUTF8CHAR*, size_t, uint16_t*) = nullptr;
  const OSUTF8CHAR* (*toString)(uint16_t) = nullptr;
  const RtDecimalFormat* decimal = nullptr;
  const char* pattern = nullptr;  // whole-value XML Schema pattern of a text type
  // Text types with an encoder of their own in another file (the data
  // model's Timestamp_t and deviceID_t): owners write such members through
  // it, and its failures are recorded with this path first.
  const char* encPath = nullptr;
};

struct TypeDesc;

// What releasing a member takes, by its kind; the release walk reads it
// instead of testing the kind. Alternatives are released through their
// choice's tag, values hold nothing.
enum class ReleaseOp : uint8_t { None, Text, List, Record };
constexpr ReleaseOp releaseOpOf(Kind k, Role r) {
  if (r == Role::Alternative) return ReleaseOp::None;
  switch (k) {
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime: return ReleaseOp::Text;
    case Kind::RecordList:
    case Kind::TextList:
    case Kind::AnyList:
    case Kind::SeqList:
    case Kind::AnyAttr:
    case Kind::NsAttrs: return ReleaseOp::List;
    case Kind::Record:
    case Kind::Choice: return ReleaseOp::Record;
    default: return ReleaseOp::None;
  }
}

struct Member {
  const char* field;   // record field name, used in printed names and messages
  Kind kind;
  Role role;
  int8_t bit;          // presence bit, -1 when the member owns none
  uint16_t offset;     // offsetof in the record (in the union for alternatives)
  const char* xmlName; // element or attribute name as written ("xml:lang"), null for groups
  int8_t nsIndex;      // namespace index of an element
  int32_t minOccurs;
  int32_t maxOccurs;   // -1: unbounded
  const TypeDesc* type = nullptr;      // Record, RecordList, Choice, SeqList
  const SimpleType* simple = nullptr;  // Enum, Decimal, pattern-checked Text
  int64_t minValue = INT64_MIN;        // lower bound of a number
  uint8_t nameLength = 0;              // of xmlName (0: not known, or no name)
  ReleaseOp release = releaseOpOf(kind, role);
};

// What a start tag found in the element table does to the record: fill a
// member, or choose an alternative of a choice (possibly inside a new item
// of a repeated alternative whose items are themselves choices).
struct ElemRow {
  int8_t member;    // index into members; -1: the record itself is the choice
  uint16_t tag = 0; // tag the element chooses (0: the member is not a choice)
  uint16_t itemTag = 0;  // for a repeated group whose items are choices (a
                         // SeqList member, or a SeqList alternative): the tag
                         // the element gives the new item's choice
  int8_t inner = -1;     // for an alternative that is an embedded group record:
                         // the group's member the element fills
};

enum class Shape : uint8_t {
  Sequence,       // element content (members in schema order)
  SimpleContent,  // text value with attributes
  ChoiceContent,  // the whole content is one choice: t, present, u, attributes
  Choice,         // an anonymous choice group record: t, u
  Group,          // an anonymous sequence group record (item of a SeqList)
  EmptyContent,   // no content, only attributes
  OpenContent,    // any content, kept as one XML text in the Value member
};

struct Module {
  const char* base;  // "xmladdons/addons/simple/pidf/pxxmlpidf.cpp"
  const char* enc;
  const char* sax;
  const char* vldt;
  const char* dec;
};

// A list with a minimum count, or a choice, among the element members
// (they come first: the table check holds it); choice content always.
constexpr bool hasEndChecks(Shape shape, const Member* members, uint8_t n) {
  if (shape == Shape::ChoiceContent) return true;
  for (uint8_t i = 0; i < n && members[i].role != Role::Attribute; ++i) {
    const Kind k = members[i].kind;
    if ((members[i].minOccurs > 0 && isList(k)) || k == Kind::Choice) return true;
  }
  return false;
}
constexpr int8_t onlyValueMember(const Member* members, uint8_t n) {
  int found = -1;
  for (uint8_t i = 0; i < n; ++i) {
    if (members[i].role != Role::Value) continue;
    if (found >= 0 || i > 127) return -1;
    found = i;
  }
  return static_cast<int8_t>(found);
}

struct TypeDesc {
  const char* name;  // record type name, used in messages
  Shape shape;
  uint16_t size;
  int16_t presentOffset;  // -1: no presence word
  int16_t tagOffset;      // choices: offset of t
  uint16_t unionOffset;   // choices: the union u, zero-filled on initialisation
  uint16_t unionSize;
  const Member* members;
  uint8_t nMembers;
  // Content model: element table, transition matrix, row actions.
  const RtXmlElemInfo* elems = nullptr;
  const uint8_t* matrix = nullptr;
  const ElemRow* rows = nullptr;
  uint8_t nElems = 0;
  uint8_t nStates = 0;
  // Attributes: names in declaration order, their members, required mask.
  const char* const* attrNames = nullptr;
  const int8_t* attrMembers = nullptr;
  uint8_t nAttrs = 0;
  uint32_t requiredMask = 0;
  int8_t anyAttrMember = -1;  // member index of _anyAttr
  int8_t nsAttrsMember = -1;  // member index of nsAttrs
  int8_t childNs = -1;        // namespace index of child elements
  int8_t ownNs = -1;          // namespace of the type's own element as a document root
  const Module* module = nullptr;
  // Choices: whether the encoder writes nothing for tag 0 (else -9), and
  // whether the decoder reports a choice that ends with tag 0.
  bool choiceZeroEncodes = false;
  bool choiceRequired = false;
  // A child that no row takes is refused as unexpected content (-41), with
  // no second lookup, as in choice-only content.
  bool strictChildren = false;
  // The record is its one list (a list-type record): counts are reported
  // under the type's name alone ("tns_locProvidedBy.count").
  bool listType = false;
  // Children are taken by local name alone, any namespace, against the one
  // row of the table; another name is a name mismatch (-3) with the list
  // member's field name, and the element's attributes are not examined.
  bool childByNameOnly = false;
  // The element's attributes are not examined at all (containers whose
  // schema declares none and whose content is kept as found).
  bool attributesIgnored = false;
  // Simple content whose start tag writes its attributes before its kept
  // namespace declarations (the _Attrs step still writes the declarations
  // first).
  bool attrsBeforeDecls = false;
  // The root's namespace declarations are kept with the record and written
  // back by its document encoder: texts inside it (the selectors of a
  // partial presence document) resolve names through them.
  bool keepsScope = false;
  // Exported entry points, set into handler heads.
  RtSaxStartElementFn saxStart = nullptr;
  RtSaxEndElementFn saxEnd = nullptr;
  RtSaxCharactersFn saxChars = nullptr;
  RtSaxStartElementFn vsaxStart = nullptr;
  RtSaxEndElementFn vsaxEnd = nullptr;
  RtSaxCharactersFn vsaxChars = nullptr;
  // Names reported to the diagnostic hooks.
  const char* diagSaxStart = nullptr;
  const char* diagSaxEnd = nullptr;
  const char* diagVsaxStart = nullptr;
  const char* diagVsaxEnd = nullptr;
  // Worked out from the members when the tables are initialised, for the
  // steps that run at every element: whether the end of the element has
  // counts or a choice to check, and which member takes the text of
  // simple content (-1: none, or more than one).
  bool endChecked = hasEndChecks(shape, members, nMembers);
  int8_t valueMember = onlyValueMember(members, nMembers);
};

// A global element that can stand as a document.
struct DocDesc {
  const char* elemName;     // "presence"
  const TypeDesc* type;     // null for an element of simple type
  Kind simpleKind;          // Text or Collapsed, for simple-typed elements
  int8_t nsIndex;
  const char* prefix;       // registered on the root; null: default namespace
  const char* prefix2 = nullptr;  // a second prefix some roots register
  int8_t ns2 = -1;
  const Module* module = nullptr;
};

// Record access.
template <typename T>
inline T* at(void* record, uint16_t offset) {
  return reinterpret_cast<T*>(static_cast<char*>(record) + offset);
}
template <typename T>
inline const T* at(const void* record, uint16_t offset) {
  return reinterpret_cast<const T*>(static_cast<const char*>(record) + offset);
}
inline uint32_t* presentOf(const TypeDesc* d, void* record) {
  return d->presentOffset >= 0 ? at<uint32_t>(record, static_cast<uint16_t>(d->presentOffset)) : nullptr;
}
inline uint32_t presentBits(const TypeDesc* d, const void* record) {
  return d->presentOffset >= 0 ? *at<uint32_t>(record, static_cast<uint16_t>(d->presentOffset)) : 0;
}
// A member holds a value: always for members without a bit.
inline bool isPresent(const TypeDesc* d, const void* record, const Member& m) {
  return m.bit < 0 || (presentBits(d, record) >> m.bit) & 1u;
}
inline void setBit(const TypeDesc* d, void* record, const Member& m) {
  if (m.bit >= 0)
    if (uint32_t* p = presentOf(d, record)) *p |= 1u << m.bit;
}
inline uint16_t* tagOf(const TypeDesc* d, void* record) { return at<uint16_t>(record, static_cast<uint16_t>(d->tagOffset)); }
inline uint16_t tagValue(const TypeDesc* d, const void* record) {
  return *at<uint16_t>(record, static_cast<uint16_t>(d->tagOffset));
}
// The alternative a tag names, or null (tags count from 1).
inline const Member* alternative(const TypeDesc* d, uint16_t tag) {
  uint16_t seen = 0;
  for (uint8_t i = 0; i < d->nMembers; ++i)
    if (d->members[i].role == Role::Alternative && ++seen == tag) return &d->members[i];
  return nullptr;
}
inline uint16_t alternativeCount(const TypeDesc* d) {
  uint16_t n = 0;
  for (uint8_t i = 0; i < d->nMembers; ++i)
    if (d->members[i].role == Role::Alternative) ++n;
  return n;
}

}  // namespace pxs

#endif
