// Decoding and validating handlers: one walk over the element table,
// transition matrix and attribute table of a type. A validating handler is
// the same walk with no record: values go to scratch storage and nothing is
// allocated but the nested-handler block.
#include <cstring>
#include <string>

#include "families/engines.h"
#include "families/values.h"

namespace pxs {

namespace {

const TypeDesc* typeOf(const PxSaxHandler* h) { return static_cast<const TypeDesc*>(h->type); }
// Flags kept in the handler's `validating` word.
constexpr uint16_t kValidating = 1;
constexpr uint16_t kDiagnosed = 2;  // a diagnostic hook was set when the handler began
// Simple content that held a child element: it keeps no value and reports
// nothing about its text, whatever the text was.
constexpr uint16_t kChildInText = 4;
// A child was taken out of its place: the content model may have gone back
// to a state where a single member that already has its value is allowed.
constexpr uint16_t kRecovered = 8;
// The child being started was dropped whole (see dropChild).
constexpr uint16_t kChildDropped = 16;
// The handler's events come from the document router, which hands each one
// to the handler it concerns (see routeStart): a parent may then take a
// leaf child's text and end tag itself (kLeafOpen).
constexpr uint16_t kRouted = 32;
// A leaf child (isLeaf) is open with no handler of its own: its start tag
// is taken, and this handler takes its text and end tag. The leaf's tables
// and record stand in the child block (leafOf).
constexpr uint16_t kLeafOpen = 64;
// What a child's handler takes over from its parent's flags.
constexpr uint16_t kInherited = kDiagnosed | kRouted;
bool validating(const PxSaxHandler* h) { return (h->validating & kValidating) != 0; }
// The diagnostic hook hears each handler entry by its exported name; the
// name is looked up only when a hook is set.
enum class Entry : uint8_t { Start, End };
const char* entryName(const PxSaxHandler* h, Entry entry) {
  const TypeDesc* d = typeOf(h);
  if (entry == Entry::Start) return validating(h) ? d->diagVsaxStart : d->diagSaxStart;
  return validating(h) ? d->diagVsaxEnd : d->diagSaxEnd;
}
void diagStart(PxSaxHandler* h, Entry entry, const OSUTF8CHAR* qname) {
  if (h->validating & kDiagnosed) rtSaxDiagStartFunc(h, entryName(h, entry), qname);
}
void diagEnd(PxSaxHandler* h, Entry entry, const OSUTF8CHAR* qname) {
  if (h->validating & kDiagnosed) rtSaxDiagEndFunc(h, entryName(h, entry), qname);
}
const char* pathOf(const PxSaxHandler* h) {
  return validating(h) ? typeOf(h)->module->vldt : typeOf(h)->module->sax;
}
const char* cstr(const OSUTF8CHAR* p) { return reinterpret_cast<const char*>(p); }

bool isNsDecl(const char* name) { return std::strncmp(name, "xmlns", 5) == 0 && (name[5] == 0 || name[5] == ':'); }
// A declaration (isNsDecl) the runtime binds without a report: the default
// namespace, or a prefix other than none and "xmlns". The reader refuses a
// document that undeclares a prefix before any handler sees it.
bool boundAsIs(const char* name, size_t length) {
  return length == 5 || (length > 6 && !(length == 11 && std::memcmp(name + 6, "xmlns", 5) == 0));
}
bool isXsi(const char* name) { return std::strncmp(name, "xsi:", 4) == 0 && name[4] != 0; }

// One block serves every child handler a type builds: decoding and
// validating handlers of any type, and the runtime's any handler.
constexpr size_t kNestedSize = sizeof(PxSaxHandler) > sizeof(RtSaxAnyHandler) ? sizeof(PxSaxHandler)
                                                                              : sizeof(RtSaxAnyHandler);

// A handler made fresh, as saxInit makes it; a parent passes on whether a
// diagnostic hook was set when the parse began.
void initHandler(RtContext* ctxt, const TypeDesc* d, PxSaxHandler* h, void* record, int level, bool validate,
                 uint16_t inherited) {
  if (!h) return;
  // Every field once, the others zero (no clearing first).
  RtSaxHandler head{};
  head.startElement = validate ? d->vsaxStart : d->saxStart;
  head.endElement = validate ? d->vsaxEnd : d->saxEnd;
  head.characters = validate ? d->vsaxChars : d->saxChars;
  head.context = ctxt;
  head.level = level;
  head.startLevel = static_cast<uint16_t>(level);
  *h = PxSaxHandler{.head = head,
                    .type = d,
                    .record = validate ? nullptr : record,
                    .item = nullptr,
                    .itemElemID = -1,
                    .validating = static_cast<uint16_t>((validate ? kValidating : 0) | (inherited & kInherited)),
                    .rowsSeen = 0,
                    .nested = nullptr};
  if (ctxt) rtxMemBufEmpty(&ctxt->charData);
}

bool isAnyHandler(const RtSaxHandler* head) { return head->startElement == SAXAnyStartElement; }

// A child block's handler field nestedMem is null or a block it owns, at
// all times: the block its handler's children used, or, under the router,
// kept after that handler was dropped for the next sibling's handler to take
// over (an RLMI resource, a PIDF tuple: one block for all, not one each).
// The kept blocks go with the handler that owns the first (saxRelease).
RtSaxHandler* blockHead(void* block) { return static_cast<RtSaxHandler*>(block); }
void freeBlocks(RtContext* ctxt, void* block) {
  while (block) {
    void* next = blockHead(block)->nestedMem;
    rtxMemHeapFreePtr(ctxt, block);
    block = next;
  }
}

void dropNested(PxSaxHandler* h) {
  auto* child = static_cast<RtSaxHandler*>(h->nested);
  if (!child) return;
  if (child->free) child->free(h->head.context, child);
  if (!(h->validating & kRouted) || isAnyHandler(child)) {
    freeBlocks(h->head.context, child->nestedMem);
    child->nestedMem = nullptr;
  }
  h->nested = nullptr;
}

// ---------------------------------------------------------------- attributes

// Attribute names and values are read by their lengths only: the reader
// hands plain ones over where they stand in the document, unterminated.
void reportAttr(RtContext* ctxt, int status, const TypeDesc* d, std::string_view attr, const char* path) {
  if (!rtSaxIncErrors(ctxt)) return;
  rtxErrAddStrParm(ctxt, d->name);
  rtxErrAddStrnParm(ctxt, attr.data(), attr.size());
  rtxErrSetNewData(ctxt, status, path, __LINE__);
}

// A foreign attribute kept as a name/value pair; a prefixed one keeps the
// namespace its prefix is bound to, for the encoder to declare it again.
void keepAnyAttr(RtContext* ctxt, RtDList* list, std::string_view name, std::string_view value, const char* path) {
  auto* nv = static_cast<RtNameValue*>(rtxMemHeapAllocZ(ctxt, sizeof(RtNameValue)));
  if (nv) {
    nv->name = rtxUTF8Strndup(ctxt, reinterpret_cast<const OSUTF8CHAR*>(name.data()), name.size());
    nv->value = rtxUTF8Strndup(ctxt, reinterpret_cast<const OSUTF8CHAR*>(value.data()), value.size());
    const size_t colon = name.find(':');
    if (colon != std::string_view::npos && name.substr(0, 4) != "xml:")
      if (const OSUTF8CHAR* uri = rtXmlNSGetURI(ctxt, reinterpret_cast<const OSUTF8CHAR*>(name.data()), colon))
        nv->nsUri = rtxUTF8Strdup(ctxt, uri);
    if (nv->name && nv->value && rtxDListAppend(ctxt, list, nv)) return;
    rtxMemHeapFreePtr(ctxt, nv->name);
    rtxMemHeapFreePtr(ctxt, nv->value);
    rtxMemHeapFreePtr(ctxt, nv->nsUri);
    rtxMemHeapFreePtr(ctxt, nv);
  }
  rtxErrSetNewData(ctxt, ST_NO_MEMORY, path, __LINE__);
}

// A declared attribute: pattern, conversion, lower bound, presence bit.
int takeAttribute(PxSaxHandler* h, const Member& m) {
  RtContext* ctxt = h->head.context;
  const TypeDesc* d = typeOf(h);
  const char* path = pathOf(h);
  void* record = h->record;
  if (m.simple && m.simple->pattern &&
      !rtxMatchPattern2(ctxt, reinterpret_cast<const OSUTF8CHAR*>(m.simple->pattern))) {
    if (rtSaxIncErrors(ctxt)) {
      std::string member = std::string(d->name) + "." + m.field;
      rtxErrAddStrParm(ctxt, member.c_str());
      rtxErrAddStrnParm(ctxt, cstr(ctxt->input.data), ctxt->input.size);
      rtxErrSetNewData(ctxt, ST_PATTERN_MISMATCH, path, __LINE__);
    }
    return 0;  // not stored, no bit
  }
  Scratch scratch{};
  void* dest = validating(h) ? static_cast<void*>(&scratch) : at<char>(record, m.offset);
  int st = convertInput(ctxt, m, dest, validating(h), true, path);
  if (st == 0 && belowMinimum(m, dest)) {
    if (rtSaxIncErrors(ctxt)) {
      std::string member = validating(h) ? std::string(m.xmlName) : std::string(d->name) + "." + m.field;
      rtxErrAddStrParm(ctxt, member.c_str());
      rtxErrAddUIntParm(ctxt, static_cast<unsigned>(numberOf(m, dest)));
      rtxErrSetNewData(ctxt, ST_CONSTRAINT, path, __LINE__);
    }
    return 0;  // the bit stays clear
  }
  if (!validating(h)) setBit(d, record, m);  // set once met, even when the conversion failed
  return st;
}

// The declared attribute a name stands for, its bit set in seen; -1 for
// none. Members carry their names as documents write them ("xml:lang" with
// its prefix), so an equal name is the attribute: a prefixed name is no
// unqualified attribute, and an unprefixed "lang" is not xml:lang.
// Documents mostly write attributes in the order the schema declares them:
// the search starts at the first one not seen yet, and the length tells
// most other candidates apart before the bytes are compared.
int findAttribute(const TypeDesc* d, const char* name, size_t length, uint32_t* seen) {
  const int n = d->nAttrs;
  if (length == 0) return -1;  // no declared name is empty
  int start = *seen != ~0u ? __builtin_ctz(~*seen) : 0;
  if (start >= n) start = 0;
  auto matches = [&](int i) {
    const Member& m = d->members[d->attrMembers[i]];
    return m.nameLength == length && rtxSameBytes(m.xmlName, name, length);
  };
  auto found = [&](int i) {
    if (i < 32) *seen |= 1u << i;
    return i;
  };
  for (int i = start; i < n; ++i)
    if (matches(i)) return found(i);
  for (int i = 0; i < start; ++i)
    if (matches(i)) return found(i);
  return -1;
}

void attributePass(PxSaxHandler* h, const OSUTF8CHAR* const* attrs) {
  RtContext* ctxt = h->head.context;
  const TypeDesc* d = typeOf(h);
  const char* path = pathOf(h);
  uint32_t seen = 0;
  if (!attrs || !attrs[0]) {  // most elements: only the required ones to report
    if (d->requiredMask) rtSaxTestAttributesPresent(ctxt, 0, d->requiredMask, d->attrNames, d->nAttrs, d->name);
    return;
  }
  // Our reader counted the texts already; another gives NUL-terminated ones.
  const uint32_t* lengths = rtSaxAttrLengths(ctxt, attrs);
  const bool fromReader = lengths != nullptr;
  for (const OSUTF8CHAR* const* a = attrs; a && a[0]; a += 2) {
    const char* name = cstr(a[0]);
    size_t nameLength, length;
    if (lengths) {
      nameLength = lengths[0];
      length = lengths[1];
      lengths += 2;
    } else {
      nameLength = std::strlen(name);
      length = std::strlen(cstr(a[1]));
    }
    const std::string_view nameText(name, nameLength);
    int id = findAttribute(d, name, nameLength, &seen);
    if (id >= 0) {
      // Most values convert without the general converters and without
      // setting up a decode input. The bit is set once the attribute is
      // met, as for any attribute, even when its copy failed.
      const Member& m = d->members[d->attrMembers[id]];
      Scratch scratch;
      void* dest = validating(h) ? static_cast<void*>(&scratch) : at<char>(h->record, m.offset);
      Quick done = quickConvert(ctxt, m, dest, a[1], length, validating(h), path);
      if (done != Quick::NotTaken) {
        if (!validating(h)) setBit(d, h->record, m);
        if (done == Quick::NoMemory) reportAttr(ctxt, ST_BAD_ATTRIBUTE_VALUE, d, nameText, path);
        continue;
      }
    }
    rtxInitContextBuffer(ctxt, a[1], length);
    int st = 0;
    if (id >= 0) {
      st = takeAttribute(h, d->members[d->attrMembers[id]]);
    } else if (isNsDecl(name)) {  // declarations come NUL-terminated
      if (!validating(h)) {
        RtDList* keep = d->nsAttrsMember >= 0 ? at<RtDList>(h->record, d->members[d->nsAttrsMember].offset) : nullptr;
        // Our reader binds a tag's declarations before it hands the tag
        // over; one the record does not keep, and that the runtime would
        // take without a report, needs nothing more.
        if (keep || !fromReader || !boundAsIs(name, nameLength)) st = rtXmlDecNSAttr(ctxt, a[0], a[1], keep, nullptr, 0);
      }
    } else if (isXsi(name)) {
      if (!validating(h)) st = rtXmlDecXSIAttr(ctxt, a[0], a[1]);
    } else if (d->anyAttrMember >= 0) {
      // Any other name is no xsi: attribute the runtime would take.
      if (!validating(h))
        keepAnyAttr(ctxt, at<RtDList>(h->record, d->members[d->anyAttrMember].offset), nameText,
                    std::string_view(cstr(a[1]), length), path);
      continue;
    } else {
      reportAttr(ctxt, ST_UNKNOWN_ATTRIBUTE, d, nameText, path);
      continue;
    }
    if (st < 0) {
      rtxErrSetData(ctxt, st, path, __LINE__);
      reportAttr(ctxt, ST_BAD_ATTRIBUTE_VALUE, d, nameText, path);
    }
  }
  if ((seen & d->requiredMask) != d->requiredMask)
    rtSaxTestAttributesPresent(ctxt, seen, d->requiredMask, d->attrNames, d->nAttrs, d->name);
}

// A document's root must have the expected name, in the expected namespace
// (a presence element of another namespace is not a presence document).
void checkRootName(PxSaxHandler* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname) {
  RtContext* ctxt = h->head.context;
  const TypeDesc* d = typeOf(h);
  bool nameOk = rtxUTF8StrEqual(local, h->head.elemName);
  int nsidx = d->ownNs;
  if (nameOk && d->ownNs >= 0) {
    const OSUTF8CHAR* prefix;
    size_t prefixLen;
    rtXmlDecQName(qname, &prefix, &prefixLen);
    nsidx = rtXmlNSGetIndex(ctxt, prefix, prefixLen);
  }
  if ((nameOk && nsidx == d->ownNs) || !rtSaxIncErrors(ctxt)) return;
  rtxErrAddStrParm(ctxt, cstr(h->head.elemName));
  rtxErrAddStrParm(ctxt, cstr(local));
  if (nameOk) {
    const OSUTF8CHAR* prefix;
    size_t prefixLen;
    rtXmlDecQName(qname, &prefix, &prefixLen);
    const OSUTF8CHAR* uri = rtXmlNSGetURI(ctxt, prefix, prefixLen);
    rtxErrAddStrParm(ctxt, uri ? cstr(uri) : "no namespace");
  }
  rtxErrSetNewData(ctxt, ST_NAME_MISMATCH, pathOf(h), __LINE__);
}

// The attributes of the handler's own start tag.
void ownAttributes(PxSaxHandler* h, const OSUTF8CHAR* const* attrs) {
  h->head.context->state = RT_STATE_START_TAKEN;
  if (!typeOf(h)->childByNameOnly && !typeOf(h)->attributesIgnored) attributePass(h, attrs);
}

void ownStart(PxSaxHandler* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  RtContext* ctxt = h->head.context;
  if (h->head.elemName) checkRootName(h, local, qname);
  ownAttributes(h, attrs);
  if (typeOf(h)->keepsScope && !validating(h) && h->record) {
    if (int st = rtXmlNSKeepInScope(ctxt, h->record)) rtxErrSetData(ctxt, st, pathOf(h), __LINE__);
  }
}

// The block a child's handler lives in, allocated when the first child
// needs one and kept for its siblings until this handler ends; most
// elements of a large list (an RLMI instance, a watcher) have no child that
// needs a handler, and allocate nothing. A failed allocation is recorded
// here, once per child that is then dropped.
void* childBlock(PxSaxHandler* h) {
  if (!h->head.nestedMem) {
    h->head.nestedMem = rtxMemHeapAlloc(h->head.context, kNestedSize);
    if (!h->head.nestedMem) rtxErrSetNewData(h->head.context, ST_NO_MEMORY, pathOf(h), __LINE__);
    else blockHead(h->head.nestedMem)->nestedMem = nullptr;
  }
  return h->head.nestedMem;
}

// The block for an any handler, which keeps nothing in it: blocks kept
// there go first.
void* anyBlock(PxSaxHandler* h) {
  void* block = childBlock(h);
  if (block) {
    freeBlocks(h->head.context, blockHead(block)->nestedMem);
    blockHead(block)->nestedMem = nullptr;
  }
  return block;
}

// A child's handler made fresh in the block, taking over the block kept there.
void initChildHandler(PxSaxHandler* h, const TypeDesc* type, PxSaxHandler* child, void* record) {
  void* kept = child->head.nestedMem;
  initHandler(h->head.context, type, child, record, 0, validating(h), h->validating);
  child->head.nestedMem = kept;
}

// Open content: everything inside the element goes to the any handler, as
// one XML text in the Value member. Validators look at none of it.
void startOpenContent(PxSaxHandler* h) {
  const TypeDesc* d = typeOf(h);
  if (validating(h) || !anyBlock(h)) return;
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    if (d->members[i].role != Role::Value) continue;
    SAXAnyInit(h->head.context, h->head.nestedMem, at<RtXmlString>(h->record, d->members[i].offset), -1);
    h->nested = h->head.nestedMem;
  }
}

// ------------------------------------------------------------ child elements

// The steps every child element takes (the record, its handler, the member
// it fills) are inlined into their callers: each is a few instructions next
// to a call that passes seven arguments.
#define PXS_CHILD_STEP [[gnu::always_inline]] inline

// A child that cannot be kept (an allocation failed and was recorded) is
// dropped whole; the handler notes it, so that the step that started the
// child need not ask the reader.
void dropChild(PxSaxHandler* h) {
  h->validating |= kChildDropped;
  rtSaxSetSkipLevelToCurrent(h->head.context, ST_NO_MEMORY);
}

// Without the block for child handlers a child is dropped whole.
bool noBlock(PxSaxHandler* h) {
  dropChild(h);
  return false;
}

// ------------------------------------------------------------------ leaves
//
// Most children of a large document are leaves: an RLMI name or instance, a
// watcher, a note. Under the router a leaf gets no handler unless an element
// turns up inside it: its start tag is taken as its handler would take it,
// on a stand-in that holds only what that takes (context, tables, record,
// flags), and its parent collects its text and takes its end tag. The router
// then has no handler to open and drop per leaf. An element inside the leaf
// gives it its handler after all (openLeaf), in the state it would be in.
// The chain a diagnostic hook or a caller drives keeps a handler per child.
// Leaves are elements of simple or empty content, and those whose only
// children would be extensions (an RLMI instance): documents seldom carry
// any. An element with named children mostly has some, and gets its handler
// at once.
bool isLeaf(const TypeDesc* type) {
  const Shape shape = type->shape;
  if (shape == Shape::SimpleContent || shape == Shape::EmptyContent) return !type->keepsScope;
  return shape == Shape::Sequence && type->nElems <= 1 && !type->keepsScope &&
         (type->nElems == 0 || type->elems[0].name[0] == 0);
}
PxSaxHandler* leafOf(const PxSaxHandler* h) { return static_cast<PxSaxHandler*>(h->head.nestedMem); }

PXS_CHILD_STEP void startLeaf(PxSaxHandler* h, const TypeDesc* type, PxSaxHandler* leaf, void* record,
                              const OSUTF8CHAR* const* attrs) {
  RtContext* ctxt = h->head.context;
  leaf->head.context = ctxt;
  leaf->type = type;
  leaf->record = validating(h) ? nullptr : record;
  leaf->validating = h->validating & (kValidating | kRouted);
  rtxMemBufEmpty(&ctxt->charData);
  ownAttributes(leaf, attrs);
  h->validating |= kLeafOpen;
}

// An element inside an open leaf: the leaf's handler, as its own start tag
// left it, takes the element, and the router hands it the rest of the leaf.
// This handler's level stays, as under the router it would have.
int openLeaf(PxSaxHandler* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  PxSaxHandler* leaf = leafOf(h);
  h->validating &= static_cast<uint16_t>(~kLeafOpen);
  initChildHandler(h, typeOf(leaf), leaf, leaf->record);
  leaf->head.level = 1;
  h->nested = leaf;
  saxStart(leaf, local, qname, attrs);
  return 0;
}

// Start a nested handler of `type` for the child, on `record` (null when
// validating), and pass it the start tag.
PXS_CHILD_STEP bool startNested(PxSaxHandler* h, const TypeDesc* type, void* record, const OSUTF8CHAR* local,
                                const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  if (!childBlock(h)) return noBlock(h);
  auto* child = static_cast<PxSaxHandler*>(h->head.nestedMem);
  if ((h->validating & kRouted) && isLeaf(type)) {
    startLeaf(h, type, child, record, attrs);
    return true;
  }
  initChildHandler(h, type, child, record);
  h->nested = child;
  // What its entry point would do: a new handler takes its own start tag.
  if (child->validating & kDiagnosed) {
    saxStart(child, local, qname, attrs);
  } else {
    ownStart(child, local, qname, attrs);
    if (type->shape == Shape::OpenContent) startOpenContent(child);
    child->head.level++;
  }
  return true;
}

bool startAny(PxSaxHandler* h, RtDList* list, const OSUTF8CHAR* local, const OSUTF8CHAR* qname,
              const OSUTF8CHAR* const* attrs) {
  RtContext* ctxt = h->head.context;
  if (validating(h)) return false;  // validators keep no foreign element
  if (!anyBlock(h)) return noBlock(h);
  auto* item = static_cast<RtXmlString*>(rtxMemHeapAlloc(ctxt, sizeof(RtXmlString)));
  if (item) *item = RtXmlString{};
  if (!item || !rtxDListAppend(ctxt, list, item)) {
    rtxMemHeapFreePtr(ctxt, item);
    rtxErrSetNewData(ctxt, ST_NO_MEMORY, pathOf(h), __LINE__);
    return noBlock(h);
  }
  SAXAnyInit(ctxt, h->head.nestedMem, item, 0);
  h->nested = h->head.nestedMem;
  SAXAnyStartElement(h->nested, local, qname, attrs);
  return true;
}

// A blank record (all zero bytes, as blankRecord makes it) at the list's tail.
PXS_CHILD_STEP void* newRecord(PxSaxHandler* h, const TypeDesc* type, RtDList* list) {
  RtContext* ctxt = h->head.context;
  if (void* record = rtxDListAppendNew(ctxt, list, type->size)) return record;
  rtxErrSetNewData(ctxt, ST_NO_MEMORY, pathOf(h), __LINE__);
  dropChild(h);
  return nullptr;
}

// A child filling member m (storage at dest, null when validating) of the
// record `owner` described by d. Returns true when a nested handler took it.
PXS_CHILD_STEP bool startMember(PxSaxHandler* h, const TypeDesc* d, void* owner, const Member& m,
                                const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  bool decode = !validating(h);
  void* dest = decode ? at<char>(owner, m.offset) : nullptr;
  switch (m.kind) {
    case Kind::Record:
      if (decode) {
        blankRecord(m.type, dest);
        setBit(d, owner, m);
      }
      return startNested(h, m.type, dest, local, qname, attrs);
    case Kind::RecordList: {
      void* record = nullptr;
      if (decode && !(record = newRecord(h, m.type, static_cast<RtDList*>(dest)))) return false;
      return startNested(h, m.type, record, local, qname, attrs);
    }
    case Kind::AnyList:
      return startAny(h, static_cast<RtDList*>(dest), local, qname, attrs);
    case Kind::Empty:
      if (decode) setBit(d, owner, m);
      return false;
    default:
      return false;  // simple-typed: text collected, converted at the end tag
  }
}

// A new item of a repeated group whose items are choices (the group record's
// first member is its choice): the item's choice takes itemTag and the child
// fills that alternative.
bool startItem(PxSaxHandler* h, const Member& seq, RtDList* list, const ElemRow& row, int16_t id,
               const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  const Member& inner = seq.type->members[0];
  const Member* innerAlt = alternative(inner.type, row.itemTag);
  if (!innerAlt) return false;
  if (validating(h)) return startMember(h, inner.type, nullptr, *innerAlt, local, qname, attrs);
  void* item = newRecord(h, seq.type, list);
  if (!item) return false;
  h->item = item;
  h->itemElemID = id;
  void* innerChoice = at<char>(item, inner.offset);
  *tagOf(inner.type, innerChoice) = row.itemTag;
  return startMember(h, inner.type, innerChoice, *innerAlt, local, qname, attrs);
}

// A child that chooses alternative `tag` of the choice record `choice`
// (type cd); for a repeated alternative, a new item of it.
bool startAlternative(PxSaxHandler* h, const TypeDesc* cd, void* choice, const ElemRow& row, int16_t id,
                      const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  bool decode = !validating(h);
  const Member* alt = alternative(cd, row.tag);
  if (!alt) return false;
  if (alt->kind == Kind::Record && row.inner >= 0) {
    // One member of an embedded group: the group starts empty when the
    // element is the first to choose it.
    const Member& member = alt->type->members[row.inner];
    void* group = decode ? at<char>(choice, alt->offset) : nullptr;
    if (decode && *tagOf(cd, choice) != row.tag) {
      *tagOf(cd, choice) = row.tag;
      blankRecord(alt->type, group);
    }
    return startMember(h, alt->type, group, member, local, qname, attrs);
  }
  if (alt->kind != Kind::SeqList || row.itemTag == 0) {
    if (decode) *tagOf(cd, choice) = row.tag;
    return startMember(h, cd, choice, *alt, local, qname, attrs);
  }
  RtDList* list = nullptr;
  if (decode) {
    list = at<RtDList>(choice, alt->offset);
    if (*tagOf(cd, choice) != row.tag) {
      rtxDListInit(list);
      *tagOf(cd, choice) = row.tag;
    }
  }
  return startItem(h, *alt, list, row, id, local, qname, attrs);
}

bool startChild(PxSaxHandler* h, int16_t id, const OSUTF8CHAR* local, const OSUTF8CHAR* qname,
                const OSUTF8CHAR* const* attrs) {
  const TypeDesc* d = typeOf(h);
  const ElemRow& row = d->rows[id];
  if (row.tag == 0) {
    const Member& m = d->members[row.member];
    if (m.kind == Kind::SeqList && row.itemTag != 0) {
      RtDList* list = validating(h) ? nullptr : at<RtDList>(h->record, m.offset);
      return startItem(h, m, list, row, id, local, qname, attrs);
    }
    return startMember(h, d, h->record, m, local, qname, attrs);
  }
  const TypeDesc* cd = row.member < 0 ? d : d->members[row.member].type;
  void* choice = nullptr;
  if (!validating(h)) choice = row.member < 0 ? h->record : at<char>(h->record, d->members[row.member].offset);
  return startAlternative(h, cd, choice, row, id, local, qname, attrs);
}

// The member a simple-typed child fills, with its owner record and type.
const Member* simpleTarget(PxSaxHandler* h, int16_t id, void** owner, const TypeDesc** ownerType) {
  const TypeDesc* d = typeOf(h);
  const ElemRow& row = d->rows[id];
  *owner = h->record;
  *ownerType = d;
  if (row.tag == 0) {
    const Member& m = d->members[row.member];
    if (m.kind != Kind::SeqList || row.itemTag == 0) return &m;
    const Member& inner = m.type->members[0];
    if (!validating(h) && h->item) *owner = at<char>(h->item, inner.offset);
    *ownerType = inner.type;
    return alternative(inner.type, row.itemTag);
  }
  const TypeDesc* cd = row.member < 0 ? d : d->members[row.member].type;
  if (!validating(h) && row.member >= 0) *owner = at<char>(h->record, d->members[row.member].offset);
  *ownerType = cd;
  const Member* alt = alternative(cd, row.tag);
  if (alt && alt->kind == Kind::Record && row.inner >= 0) {
    if (!validating(h)) *owner = at<char>(*owner, alt->offset);
    *ownerType = alt->type;
    return &alt->type->members[row.inner];
  }
  if (!alt || alt->kind != Kind::SeqList || row.itemTag == 0) return alt;
  const Member& inner = alt->type->members[0];
  if (!validating(h) && h->item) *owner = at<char>(h->item, inner.offset);
  *ownerType = inner.type;
  return alternative(inner.type, row.itemTag);
}

int reportUnexpected(PxSaxHandler* h, const OSUTF8CHAR* qname, int line) {
  RtContext* ctxt = h->head.context;
  if (!rtSaxIncErrors(ctxt)) return 0;
  rtxErrAddStrParm(ctxt, cstr(qname));
  return rtxErrSetNewData(ctxt, ST_UNEXPECTED_ELEMENT, pathOf(h), line);
}

int refuseChild(PxSaxHandler* h, const OSUTF8CHAR* qname, int line) {
  return rtSaxSetSkipLevelToCurrent(h->head.context, reportUnexpected(h, qname, line));
}

// ------------------------------------------------------------ order recovery

// Whether the element of row r and that of row `seen` fill the same value:
// the same single member, or two alternatives of one choice (the same list
// alternative goes on taking items).
bool sameSingleValue(const TypeDesc* d, int r, int seen) {
  const ElemRow& a = d->rows[r];
  const ElemRow& b = d->rows[seen];
  if (a.member < 0 || a.member != b.member) return false;
  const Member& m = d->members[a.member];
  if (a.tag == 0) return !isList(m.kind);
  if (a.tag != b.tag) return true;
  const Member* alt = alternative(m.type, a.tag);
  return !(alt && (isList(alt->kind) || a.itemTag != 0));
}

// Rows whose member can take no further element: a second value for a
// single-valued member is refused, never recovered.
uint32_t fullRows(const PxSaxHandler* h) {
  const TypeDesc* d = typeOf(h);
  uint32_t full = 0;
  for (int r = 0; r < d->nElems && r < 32; ++r)
    for (int seen = 0; seen < d->nElems && seen < 32; ++seen)
      if (((h->rowsSeen >> seen) & 1u) && sameSingleValue(d, r, seen)) full |= 1u << r;
  return full;
}

// A child refused at its place. Decoders keep what real clients send: when
// it fits a member that can still take it, the refusal is recorded (unless
// the context accepts such deviations) and the child is decoded into that
// member, the content model going on from there. Validators report it and
// skip it, unless the context accepts the deviation, when they check it in
// place like the decoder. Returns the row, or -1 when the child was dropped.
int misplacedChild(PxSaxHandler* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, int nsidx, int* status) {
  RtContext* ctxt = h->head.context;
  const TypeDesc* d = typeOf(h);
  bool tolerant = (ctxt->flags & RT_FLAG_ACCEPT_ANY_ORDER) != 0;
  uint32_t full = validating(h) && !tolerant ? ~0u : fullRows(h);
  if (d->strictChildren) {
    // Unexpected content here is -41 with no second lookup.
    uint16_t next = 0;
    int id = rtSaxFindMisplacedElemID8(local, nsidx, d->elems, d->matrix, d->nElems, d->nStates, full, &next);
    if (id < 0) {
      *status = refuseChild(h, qname, __LINE__);
      return -1;
    }
    if (!tolerant) reportUnexpected(h, qname, __LINE__);
    h->head.state = next;
    h->validating |= kRecovered;
    return id;
  }
  ErrorMark before = markErrors(ctxt);
  int id = rtSaxRecoverElemID8(ctxt, &h->head.state, local, qname, nsidx, d->elems, d->matrix, d->nElems,
                               d->nStates, full);
  // The lookup's report gets this handler's position; past the error limit
  // it records nothing, and no older entry is extended instead.
  int st = errorsSince(ctxt, before) ? rtxErrSetData(ctxt, rtxErrGetLastError(ctxt), pathOf(h), __LINE__) : 0;
  if (id < 0) {
    // Dropped whole: the handlers above this one must not count it either.
    *status = rtSaxSetSkipLevelToCurrent(ctxt, st);
    return -1;
  }
  h->validating |= kRecovered;
  return id;
}

// The row the runtime's table lookup would find, found sooner; -1 leaves
// the element to that lookup (its wildcards, its reports). Two properties
// the table check holds every table to make it exact: named rows differ by
// name or namespace, and all of them are of the children's namespace.
// - An element of the children's namespace can match one named row at
//   most, and a named row goes before any wildcard: the rows are tried
//   from the previous child's on (the next item of a list takes the same
//   row, the next member of a sequence mostly the next row), and the row
//   that matches is the answer if the current state allows it.
// - Any other element is for the wildcards: the first one, in row order,
//   that the state allows and that takes the element.
int quickRow(PxSaxHandler* h, const TypeDesc* d, const OSUTF8CHAR* local, int nsidx) {
  const int n = d->nElems;
  const uint16_t state = h->head.state;
  if (state >= d->nStates) return -1;
  int row = -1;
  if (nsidx == d->childNs) {
    int r = h->head.curElemID >= 0 && h->head.curElemID < n ? h->head.curElemID : 0;
    for (int left = n; left > 0; --left) {
      const RtXmlElemInfo& info = d->elems[r];
      // A wildcard row's empty name is no name ("p:", a prefix alone, has an
      // empty local name too).
      if (info.name[0] == local[0] && info.name[0] != 0 && info.nsidx == nsidx &&
          std::strcmp(info.name + 1, cstr(local) + 1) == 0) {
        row = r;
        break;
      }
      if (++r == n) r = 0;
    }
  } else {
    for (int r = 0; r < n; ++r) {
      // As the runtime reads a wildcard row: ##any, or ##other (an element
      // of a namespace, not the row's).
      const RtXmlElemInfo& info = d->elems[r];
      if (info.name[0] == 0 && d->matrix[r * d->nStates + state] != RT_STATE_NO &&
          (info.nsidx == RT_NS_ANY || (nsidx != info.nsidx && nsidx != RT_NS_NONE))) {
        row = r;
        break;
      }
    }
  }
  if (row < 0) return -1;
  const uint8_t next = d->matrix[row * d->nStates + state];
  if (next == RT_STATE_NO) return -1;
  h->head.state = next;
  return row;
}

// Level 1: resolve the child's name, find its row, act on it. Returns false
// when the child was refused (it is then skipped and not counted).
bool childStart(PxSaxHandler* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs,
                int* status) {
  RtContext* ctxt = h->head.context;
  const TypeDesc* d = typeOf(h);
  ctxt->state = RT_STATE_START_TAKEN;
  if (d->childByNameOnly) {
    // One child name, in whatever namespace.
    const Member& list = d->members[d->rows[0].member];
    if (!rtXmlStrCmpAsc(local, d->elems[0].name)) {
      int refused = 0;
      if (rtSaxIncErrors(ctxt)) {
        rtxErrAddStrParm(ctxt, list.field);
        rtxErrAddStrParm(ctxt, cstr(qname));
        refused = rtxErrSetNewData(ctxt, ST_NAME_MISMATCH, pathOf(h), __LINE__);
      }
      *status = rtSaxSetSkipLevelToCurrent(ctxt, refused);
      return false;
    }
    rtxMemBufEmpty(&ctxt->charData);
    h->head.curElemID = 0;
    return true;
  }
  // The reader has bound the declarations of this start tag, and keeps those
  // of every enclosing element in scope, so the name resolves as written.
  // The local name follows the prefix and its colon in the qualified name.
  size_t prefixLen = local > qname ? static_cast<size_t>(local - qname - 1) : 0;
  int nsidx = rtXmlNSGetIndex(ctxt, qname, prefixLen);

  uint16_t stateBefore = h->head.state;
  int id = quickRow(h, d, local, nsidx);
  if (id < 0)
    id = rtSaxGetElemID8(&h->head.state, h->head.curElemID, local, nsidx, d->elems, d->matrix, d->nElems,
                         d->nStates);
  if (id >= 0 && (h->validating & kRecovered) && id < 32 && ((fullRows(h) >> id) & 1u)) {
    h->head.state = stateBefore;  // a second value for a single member: refused as ever
    id = -1;
  }
  if (id < 0) {
    if (d->shape == Shape::ChoiceContent) {
      *status = refuseChild(h, qname, __LINE__);
      return false;
    }
    id = misplacedChild(h, local, qname, nsidx, status);
    if (id < 0) return false;
  }
  h->head.curElemID = static_cast<int16_t>(id);
  if (id < 32) h->rowsSeen |= 1u << id;
  bool nested = startChild(h, static_cast<int16_t>(id), local, qname, attrs);
  if (h->validating & kChildDropped) {
    h->validating &= static_cast<uint16_t>(~kChildDropped);
    *status = ST_NO_MEMORY;  // dropped whole, after a failed allocation
    return false;
  }
  // This handler collects the child's text itself: whatever an earlier
  // element left in the buffer (the text of a simple-content element that
  // held a child element, say) belongs to that element, not to this one.
  if (!nested) rtxMemBufEmpty(&ctxt->charData);
  if (attrs && attrs[0] && !nested) {
    if (int st = rtSaxReportUnexpAttrs(ctxt, attrs, d->elems[id].name)) rtxErrSetData(ctxt, st, pathOf(h), __LINE__);
  }
  return true;
}

// The text collected for the element that ends, taken out of the buffer.
// The general converters, and reports of a refused value, read it as the
// decode input; it is made that only when they need it.
struct Collected {
  const OSUTF8CHAR* text;
  size_t length;
  bool isInput = false;
  void makeInput(RtContext* ctxt) {
    if (!isInput) rtxInitContextBuffer(ctxt, text, length);
    isInput = true;
  }
  int refused(RtContext* ctxt, int status) {
    makeInput(ctxt);
    return status;
  }
};
Collected takeCollected(RtContext* ctxt) {
  RtMemBuf& mb = ctxt->charData;
  Collected c{mb.data ? mb.data + mb.startidx : reinterpret_cast<const OSUTF8CHAR*>(""), mb.usedcnt};
  rtxMemBufEmpty(&mb);
  return c;
}
// Most values convert straight from the buffer, as attribute values do.
int convertCollected(PxSaxHandler* h, const Member& m, void* dest, Collected* c) {
  RtContext* ctxt = h->head.context;
  Quick done = quickConvert(ctxt, m, dest, c->text, c->length, validating(h), pathOf(h));
  if (done == Quick::Done) return 0;
  if (done == Quick::NoMemory) return c->refused(ctxt, ST_NO_MEMORY);
  c->makeInput(ctxt);
  return convertInput(ctxt, m, dest, validating(h), false, pathOf(h));
}

// Level 1 end tag of a simple-typed child: convert the collected text.
int childEnd(PxSaxHandler* h, const OSUTF8CHAR* qname) {
  RtContext* ctxt = h->head.context;
  void* owner;
  const TypeDesc* ownerType;
  const Member* m = simpleTarget(h, h->head.curElemID, &owner, &ownerType);
  Collected text = takeCollected(ctxt);
  if (!m) return 0;
  bool decode = !validating(h);
  int st = 0;
  Scratch scratch{};
  if (m->kind == Kind::TextList) {
    if (decode) {
      auto* item = static_cast<RtXmlString*>(rtxMemHeapAllocZ(ctxt, sizeof(RtXmlString)));
      Member textMember = *m;
      textMember.kind = Kind::Text;
      st = item ? convertCollected(h, textMember, item, &text) : text.refused(ctxt, ST_NO_MEMORY);
      if (st == 0 && !rtxDListAppend(ctxt, at<RtDList>(owner, m->offset), item)) st = text.refused(ctxt, ST_NO_MEMORY);
      if (st != 0) rtxMemHeapFreePtr(ctxt, item);
    }
  } else {
    void* dest = decode ? at<char>(owner, m->offset) : static_cast<void*>(&scratch);
    st = convertCollected(h, *m, dest, &text);
    if (st == 0 && decode) setBit(ownerType, owner, *m);
  }
  if (st == 0) return 0;
  int status = 0;
  if (rtSaxIncErrors(ctxt)) {
    rtxErrAddCtxtBufParm(ctxt);
    rtxErrAddStrParm(ctxt, typeOf(h)->name);
    rtxErrAddStrParm(ctxt, cstr(qname));
    status = rtxErrSetNewData(ctxt, ST_BAD_CONTENT, pathOf(h), __LINE__);
  }
  return rtSaxSetSkipLevelToCurrent(ctxt, status);
}

// ------------------------------------------------------------ own end checks

int listTooShort(PxSaxHandler* h, const std::string& field, uint32_t count) {
  RtContext* ctxt = h->head.context;
  int status = 0;
  if (rtSaxIncErrors(ctxt)) {
    std::string path = std::string(typeOf(h)->name) + (typeOf(h)->listType ? std::string() : field) + ".count";
    rtxErrAddStrParm(ctxt, path.c_str());
    rtxErrAddIntParm(ctxt, static_cast<int>(count));
    status = rtxErrSetNewData(ctxt, ST_CONSTRAINT, pathOf(h), __LINE__);
  }
  return rtSaxSetSkipLevelToCurrent(ctxt, status);
}

// Lists below their minimum and required choices left empty; decoding only.
bool ownEndChecksFound(PxSaxHandler* h, int* status);
// Most types have neither a list with a minimum nor a choice: their tables
// say so, and the checks themselves are skipped.
bool ownEndChecks(PxSaxHandler* h, int* status) {
  return typeOf(h)->endChecked && ownEndChecksFound(h, status);
}

bool ownEndChecksFound(PxSaxHandler* h, int* status) {
  const TypeDesc* d = typeOf(h);
  void* record = h->record;
  auto checkChoice = [&](const TypeDesc* cd, void* choice, const std::string& prefix) -> bool {
    uint16_t tag = tagValue(cd, choice);
    if (tag == 0) {
      if (cd->choiceRequired && rtSaxIncErrors(h->head.context))
        rtxErrSetNewData(h->head.context, ST_BAD_CHOICE, pathOf(h), __LINE__);
      return false;
    }
    const Member* alt = alternative(cd, tag);
    if (alt && isList(alt->kind) && alt->minOccurs > 0) {
      auto* list = at<RtDList>(choice, alt->offset);
      if (list->count < static_cast<uint32_t>(alt->minOccurs)) {
        *status = listTooShort(h, prefix + ".u." + alt->field, list->count);
        return true;
      }
    }
    return false;
  };
  if (d->shape == Shape::ChoiceContent) return checkChoice(d, record, "");
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    const Member& m = d->members[i];
    if (m.role == Role::Attribute) break;  // element members come first (the table check holds it)
    if (m.role != Role::Element) continue;
    if (isList(m.kind) && m.minOccurs > 0) {
      auto* list = at<RtDList>(record, m.offset);
      if (list->count < static_cast<uint32_t>(m.minOccurs)) {
        *status = listTooShort(h, m.field[0] ? std::string(".") + m.field : std::string(), list->count);
        return true;
      }
    } else if (m.kind == Kind::Choice) {
      if (checkChoice(m.type, at<char>(record, m.offset), std::string(".") + m.field)) return true;
    }
  }
  return false;
}

// The end tag of a simple-content handler's own element: the text it
// collected becomes the value. False (the status in *status) when the text
// is refused; the rest of the element is then dropped.
bool endSimpleValue(PxSaxHandler* h, int* status) {
  const TypeDesc* d = typeOf(h);
  RtContext* ctxt = h->head.context;
  if (h->validating & kChildInText) {
    rtxMemBufEmpty(&ctxt->charData);
  } else if (ctxt->state == RT_STATE_START_TAKEN || ctxt->state == RT_STATE_IN_TEXT) {
    Collected text = takeCollected(ctxt);
    // The one value member the tables found, or a look at every member.
    const int first = d->valueMember >= 0 ? d->valueMember : 0;
    const int end = d->valueMember >= 0 ? d->valueMember + 1 : d->nMembers;
    for (int i = first; i < end; ++i) {
      const Member& m = d->members[i];
      if (m.role != Role::Value) continue;
      Scratch scratch{};
      void* dest = validating(h) ? static_cast<void*>(&scratch) : at<char>(h->record, m.offset);
      if (int st = convertCollected(h, m, dest, &text)) {
        rtSaxIncErrors(ctxt);
        rtxErrSetData(ctxt, st, pathOf(h), __LINE__);
        *status = rtSaxSetSkipLevelToCurrent(ctxt, st);
        return false;
      }
    }
  }
  // The level stays: the owner drops this handler right after.
  ctxt->state = RT_STATE_ENDED;
  return true;
}

// A child handler's own end tag, as its entry point would take it: the
// common cases here, without the entry point's general steps; with a
// diagnostic hook set, or a level left unusual by a skip, the entry point.
// The common cases also end an open leaf (its stand-in is no handler).
void endOwnElement(PxSaxHandler* c) {
  int status = 0;
  if (typeOf(c)->shape == Shape::SimpleContent) {
    endSimpleValue(c, &status);
    return;
  }
  c->head.level = 0;
  if (!validating(c) && ownEndChecks(c, &status)) return;
  c->head.context->state = RT_STATE_ENDED;
}

void endChildHandler(PxSaxHandler* c, const OSUTF8CHAR* local, const OSUTF8CHAR* qname) {
  if ((c->validating & kDiagnosed) || c->head.level != 1 || typeOf(c)->shape == Shape::OpenContent) {
    saxEnd(c, local, qname);
    return;
  }
  endOwnElement(c);
}

void endLeaf(PxSaxHandler* h) {
  h->validating &= static_cast<uint16_t>(~kLeafOpen);
  endOwnElement(leafOf(h));
}

}  // namespace

void saxRelease(PxSaxHandler* h) {
  // A parse that stopped early leaves a chain of handlers open below.
  auto* child = static_cast<RtSaxHandler*>(h->nested);
  if (child && !isAnyHandler(child)) saxRelease(static_cast<PxSaxHandler*>(h->nested));
  if (child) {
    if (child->free) child->free(h->head.context, child);
    freeBlocks(h->head.context, child->nestedMem);
    child->nestedMem = nullptr;
    h->nested = nullptr;
  }
  if (h->head.free) h->head.free(h->head.context, h);
  freeBlocks(h->head.context, h->head.nestedMem);
  h->head.nestedMem = nullptr;
}

void saxInit(RtContext* ctxt, const TypeDesc* d, PxSaxHandler* h, void* record, int level, bool validate) {
  initHandler(ctxt, d, h, record, level, validate, rtSaxDiagEnabled(ctxt) ? kDiagnosed : 0);
}

void saxRouted(PxSaxHandler* h) {
  if (!(h->validating & kDiagnosed)) h->validating |= kRouted;
}

int saxStart(PxSaxHandler* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname, const OSUTF8CHAR* const* attrs) {
  const TypeDesc* d = typeOf(h);
  RtContext* ctxt = h->head.context;
  constexpr Entry diag = Entry::Start;
  diagStart(h, diag, qname);
  if (h->head.level == 0) {
    ownStart(h, local, qname, attrs);
    if (d->shape == Shape::OpenContent) startOpenContent(h);
  } else if (d->shape == Shape::OpenContent) {
    if (h->nested) SAXAnyStartElement(h->nested, local, qname, attrs);
  } else if (d->shape == Shape::SimpleContent) {
    // An element inside text content only raises the level, and the text
    // around it is no value of this element.
    ctxt->state = RT_STATE_START_TAKEN;
    h->validating |= kChildInText;
  } else if (d->shape == Shape::EmptyContent) {
    ctxt->state = RT_STATE_START_TAKEN;
    return refuseChild(h, qname, __LINE__);
  } else if (h->head.level == 1) {
    int status = 0;
    if (!childStart(h, local, qname, attrs, &status)) return status;
  } else if (h->validating & kLeafOpen) {
    return openLeaf(h, local, qname, attrs);
  } else if (h->nested) {
    auto* child = static_cast<RtSaxHandler*>(h->nested);
    child->startElement(child, local, qname, attrs);
    // A child that refused the element had it dropped whole: not counted.
    if (rtSaxSkipRequested(ctxt)) return 0;
  }
  h->head.level++;
  diagEnd(h, diag, qname);
  return 0;
}

int saxEnd(PxSaxHandler* h, const OSUTF8CHAR* local, const OSUTF8CHAR* qname) {
  const TypeDesc* d = typeOf(h);
  RtContext* ctxt = h->head.context;
  constexpr Entry diag = Entry::End;
  diagStart(h, diag, qname);

  if (d->shape == Shape::SimpleContent) {
    if (h->head.level > 1) {  // the end of an element inside the text
      h->head.level--;
      diagEnd(h, diag, qname);
      return 0;
    }
    int status = 0;
    if (!endSimpleValue(h, &status)) return status;
    diagEnd(h, diag, qname);
    return 0;
  }

  h->head.level--;
  if (d->shape == Shape::OpenContent) {
    // The element's own end tag closes the capture of its content.
    if (h->nested) SAXAnyEndElement(h->nested, local, qname);
    if (h->head.level == 0) {
      dropNested(h);
      ctxt->state = RT_STATE_ENDED;
    }
    diagEnd(h, diag, qname);
    return 0;
  }
  if (h->head.level == 0) {
    int status = 0;
    if (!validating(h) && ownEndChecks(h, &status)) return status;
    ctxt->state = RT_STATE_ENDED;
  } else if (h->head.level == 1) {
    if (h->nested) {
      auto* child = static_cast<RtSaxHandler*>(h->nested);
      if (isAnyHandler(child)) child->endElement(child, local, qname);
      else endChildHandler(static_cast<PxSaxHandler*>(h->nested), local, qname);
      dropNested(h);
    } else if (h->validating & kLeafOpen) {
      endLeaf(h);
    } else if (ctxt->state == RT_STATE_START_TAKEN || ctxt->state == RT_STATE_IN_TEXT) {
      if (int st = childEnd(h, qname)) return st;
    }
  } else if (h->nested) {
    auto* child = static_cast<RtSaxHandler*>(h->nested);
    child->endElement(child, local, qname);
  }
  diagEnd(h, diag, qname);
  return 0;
}

int saxChars(PxSaxHandler* h, const OSUTF8CHAR* text, int len) {
  const TypeDesc* d = typeOf(h);
  RtContext* ctxt = h->head.context;
  if (textAfterEndDropped(h)) return 0;
  if (d->shape == Shape::OpenContent) {
    if (h->nested && h->head.level >= 1) SAXAnyCharacters(h->nested, text, len);
    return 0;
  }
  bool collecting = ctxt->state == RT_STATE_START_TAKEN || ctxt->state == RT_STATE_IN_TEXT;
  if (d->shape == Shape::SimpleContent) {
    if (!collecting || h->head.level != 1) return 0;
  } else {
    if (h->head.level <= 1) return 0;  // text between children is dropped
    if (h->nested) {
      auto* child = static_cast<RtSaxHandler*>(h->nested);
      return child->characters(child, text, len);
    }
    if (!collecting) return 0;
  }
  // An open leaf's text is the leaf's: one of element or empty content
  // drops it.
  const PxSaxHandler* owner = h;
  if (h->validating & kLeafOpen) {
    owner = leafOf(h);
    if (typeOf(owner)->shape != Shape::SimpleContent) return 0;
  }
  ctxt->state = RT_STATE_IN_TEXT;
  if (int st = rtxMemBufAdd(&ctxt->charData, text, static_cast<size_t>(len))) {
    rtSaxIncErrors(ctxt);
    rtxErrSetNewData(ctxt, st, pathOf(owner), __LINE__);
    return rtSaxSetSkipLevelToCurrent(ctxt, st);
  }
  return 0;
}

}  // namespace pxs
