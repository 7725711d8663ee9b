// Initialisation, release and printing, by member kind.
#include <cstdio>
#include <cstring>

#include "families/engines.h"

namespace pxs {

namespace {

void releaseFields(RtContext* ctxt, const TypeDesc* d, void* record);

constexpr size_t kNameSize = 512;  // printed names are cut, never overflowed

void initMember(const Member& m, void* record) {
  switch (m.kind) {
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime: {
      auto* s = at<RtXmlString>(record, m.offset);
      s->cdata = 0;
      s->value = nullptr;
      break;
    }
    case Kind::RecordList:
    case Kind::TextList:
    case Kind::AnyList:
    case Kind::AnyAttr:
    case Kind::NsAttrs:
    case Kind::SeqList:
      rtxDListInit(at<RtDList>(record, m.offset));
      break;
    case Kind::Record:
    case Kind::Choice:
      clearRecord(m.type, at<char>(record, m.offset));
      break;
    case Kind::Bool:
    case Kind::Int:
    case Kind::UInt:
    case Kind::UInt64:
    case Kind::Decimal:
    case Kind::Enum:
    case Kind::Empty:
      break;  // meaningless until the presence bit or a decoder sets them
  }
}

void freeText(RtContext* ctxt, RtXmlString* s) { rtxMemHeapFreePtr(ctxt, s->value); }

// A list's items and nodes go in one walk: what each item holds, the item,
// its node. The same frees as walking the items and then freeing the whole
// list, without walking it twice.
template <typename ReleaseItem>
void freeList(RtContext* ctxt, RtDList* list, ReleaseItem releaseItem) {
  for (RtDListNode* n = list->head; n;) {
    RtDListNode* next = n->next;
    if (n->data) releaseItem(n->data);
    rtxMemHeapFreePtr(ctxt, n->data);
    rtxMemHeapFreePtr(ctxt, n);
    n = next;
  }
  rtxDListInit(list);
}

void freeTextList(RtContext* ctxt, RtDList* list) {
  freeList(ctxt, list, [ctxt](void* item) { freeText(ctxt, static_cast<RtXmlString*>(item)); });
}

void freeRecordList(RtContext* ctxt, const TypeDesc* type, RtDList* list) {
  freeList(ctxt, list, [ctxt, type](void* item) { releaseFields(ctxt, type, item); });
}

// Release one member's storage (the member holds a value).
void releaseMember(RtContext* ctxt, const Member& m, void* record) {
  switch (m.kind) {
    case Kind::RecordList:
    case Kind::SeqList:
    case Kind::TextList:
    case Kind::AnyList:
    case Kind::AnyAttr:
    case Kind::NsAttrs:
      if (!at<RtDList>(record, m.offset)->head) return;  // most lists stay empty: no call
      break;
    default:
      break;
  }
  switch (m.kind) {
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime:
      freeText(ctxt, at<RtXmlString>(record, m.offset));
      break;
    case Kind::Record:
    case Kind::Choice:
      releaseFields(ctxt, m.type, at<char>(record, m.offset));
      break;
    case Kind::RecordList:
    case Kind::SeqList:
      freeRecordList(ctxt, m.type, at<RtDList>(record, m.offset));
      break;
    case Kind::TextList:
    case Kind::AnyList:
      freeTextList(ctxt, at<RtDList>(record, m.offset));
      break;
    case Kind::AnyAttr:
      rtXmlMemFreeAnyAttrs(ctxt, at<RtDList>(record, m.offset));
      break;
    case Kind::NsAttrs:
      rtXmlNSFreeAttrList(ctxt, at<RtDList>(record, m.offset));
      break;
    default:
      break;
  }
}

void formName(char* out, const char* fmt, const char* name, const char* field) {
  std::snprintf(out, kNameSize, fmt, name, field);
}

void printItems(const char* listName, const RtDList* list, const TypeDesc* type) {
  char itemName[kNameSize];
  int i = 0;
  for (const RtDListNode* n = list->head; n; n = n->next, ++i) {
    std::snprintf(itemName, kNameSize, "%s[%d]", listName, i);
    if (type) printRecord(itemName, type, n->data);
    else rtxPrintCharStr(itemName, n->data ? static_cast<const RtXmlString*>(n->data)->value : nullptr);
  }
}

void printValue(const char* name, const Member& m, const void* record) {
  const void* p = at<char>(record, m.offset);
  switch (m.kind) {
    case Kind::Text:
    case Kind::Collapsed:
    case Kind::DateTime:
      rtxPrintCharStr(name, static_cast<const RtXmlString*>(p)->value);
      break;
    case Kind::Bool: rtxPrintBoolean(name, *static_cast<const OSBOOL*>(p)); break;
    case Kind::Int: rtxPrintInteger(name, *static_cast<const int32_t*>(p)); break;
    case Kind::UInt: rtxPrintUnsigned(name, *static_cast<const uint32_t*>(p)); break;
    case Kind::UInt64: rtxPrintUInt64(name, *static_cast<const uint64_t*>(p)); break;
    case Kind::Decimal:
    case Kind::Enum: printSimple(name, m.simple, m.kind, p); break;
    default: break;
  }
}

void printMember(const char* name, const TypeDesc* d, const Member& m, const void* record) {
  char formed[kNameSize];
  const char* fmt = m.role == Role::Alternative ? "%s.u.%s" : "%s.%s";
  formName(formed, fmt, name, m.field);
  switch (m.kind) {
    case Kind::Record:
    case Kind::Choice:
      printRecord(formed, m.type, at<char>(record, m.offset));
      break;
    case Kind::RecordList:
    case Kind::SeqList:
      printItems(formed, at<RtDList>(record, m.offset), m.type);
      break;
    case Kind::TextList:
      printItems(formed, at<RtDList>(record, m.offset), nullptr);
      break;
    case Kind::AnyList:
      // Foreign elements of a sequence print under the record's own name.
      printItems(m.role == Role::Alternative ? formed : name, at<RtDList>(record, m.offset), nullptr);
      break;
    case Kind::AnyAttr: {
      char itemName[kNameSize];
      int i = 0;
      for (const RtDListNode* n = at<RtDList>(record, m.offset)->head; n; n = n->next, ++i) {
        std::snprintf(itemName, kNameSize, "%s[%d]", formed, i);
        rtxPrintNVP(itemName, static_cast<const RtNameValue*>(n->data));
      }
      break;
    }
    case Kind::NsAttrs:
      break;  // printed with the value, under the element's own name
    case Kind::Empty:
      // An optional empty element prints its presence; a chosen empty
      // alternative is told by the tag line alone.
      if (m.role != Role::Alternative) std::printf("%s = <null>\n", formed);
      break;
    default:
      printValue(m.role == Role::Value ? name : formed, m, record);
      break;
  }
}

}  // namespace

void clearRecord(const TypeDesc* d, void* record) {
  if (uint32_t* p = presentOf(d, record)) *p = 0;
  if (d->shape == Shape::Choice || d->shape == Shape::ChoiceContent) {
    *tagOf(d, record) = 0;
    std::memset(at<char>(record, d->unionOffset), 0, d->unionSize);
  }
  for (uint8_t i = 0; i < d->nMembers; ++i)
    if (d->members[i].role != Role::Alternative) initMember(d->members[i], record);
}

void blankRecord(const TypeDesc* d, void* record) { std::memset(record, 0, d->size); }

int initRecord(RtContext* ctxt, const TypeDesc* d, void* record) {
  if (int st = rtxCheckContext(ctxt)) return rtxErrSetData(ctxt, st, d->module->base, __LINE__);
  if (!record) return rtxErrSetNewData(ctxt, ST_BAD_ARGUMENT, d->module->base, __LINE__);
  clearRecord(d, record);
  if (d->keepsScope) rtXmlNSDropKept(ctxt, record);  // a new record: nothing kept yet
  return 0;
}

void releaseRecord(RtContext* ctxt, const TypeDesc* d, void* record) {
  if (ctxt && record) releaseFields(ctxt, d, record);
}

namespace {

// What a record holds, released; the walk below a record the caller has
// checked, one call per record.
void releaseFields(RtContext* ctxt, const TypeDesc* d, void* record) {
  if (d->keepsScope) rtXmlNSDropKept(ctxt, record);
  if (d->shape == Shape::Choice || d->shape == Shape::ChoiceContent) {
    if (const Member* alt = alternative(d, tagValue(d, record))) releaseMember(ctxt, *alt, record);
  }
  const uint32_t present = presentBits(d, record);
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    const Member& m = d->members[i];
    const ReleaseOp op = m.release;
    if (op == ReleaseOp::None || (m.bit >= 0 && !((present >> m.bit) & 1u))) continue;
    // Texts are most members, and most lists stay empty: both are done
    // here, without the general step. Tests in order of frequency rather
    // than a jump, which would mostly be mispredicted.
    if (op == ReleaseOp::Text) freeText(ctxt, at<RtXmlString>(record, m.offset));
    else if (op == ReleaseOp::Record || at<RtDList>(record, m.offset)->head) releaseMember(ctxt, m, record);
  }
}

}  // namespace

void printRecord(const char* name, const TypeDesc* d, const void* record) {
  if (!record) return;
  if (!name) name = "";
  if (d->shape == Shape::SimpleContent || d->shape == Shape::OpenContent) {
    for (uint8_t i = 0; i < d->nMembers; ++i)
      if (d->members[i].role == Role::Value) printMember(name, d, d->members[i], record);
    if (d->nsAttrsMember >= 0) rtXmlPrintNSAttrs(name, at<RtDList>(record, d->members[d->nsAttrsMember].offset));
  } else if (d->shape == Shape::EmptyContent) {
    rtxPrintNull(name);
  } else if (d->shape == Shape::Choice || d->shape == Shape::ChoiceContent) {
    uint16_t tag = tagValue(d, record);
    std::printf("%s.t = %d\n", name, tag);
    if (const Member* alt = alternative(d, tag)) printMember(name, d, *alt, record);
  }
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    const Member& m = d->members[i];
    if (m.role == Role::Alternative || m.role == Role::Value) continue;
    if (!isPresent(d, record, m)) continue;
    printMember(name, d, m, record);
  }
}

void printSimple(const char* name, const SimpleType* t, Kind kind, const void* value) {
  if (kind == Kind::Decimal) rtxPrintReal(name, *static_cast<const double*>(value));
  else if (kind == Kind::Bool) rtxPrintBoolean(name, *static_cast<const OSBOOL*>(value));
  else if (kind == Kind::Enum) rtxPrintCharStr(name, t->toString(*static_cast<const uint16_t*>(value)));
  else rtxPrintCharStr(name, static_cast<const RtXmlString*>(value)->value);
}

const OSUTF8CHAR* enumToString(const RtEnumItem* table, uint16_t n, uint16_t value) {
  if (value >= n) return reinterpret_cast<const OSUTF8CHAR*>("_UNKNOWN_");
  return table[table[value].transidx].name;
}

int enumToEnum(const RtEnumItem* table, uint16_t n, const OSUTF8CHAR* text, size_t len, uint16_t* out) {
  int pos = rtxLookupEnum(text, len, table, n);
  if (pos < 0) return pos;
  if (out) *out = static_cast<uint16_t>(table[pos].value & 0xFFFF);
  return 0;
}

uint32_t listAppend(RtContext* ctxt, RtDList* list, void* item) {
  rtxDListAppend(ctxt, list, item);
  return list ? list->count : 0;
}

}  // namespace pxs
