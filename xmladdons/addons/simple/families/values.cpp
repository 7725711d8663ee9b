// Value conversion by member kind.
#include "families/values.h"

namespace pxs {

int convertInput(RtContext* ctxt, const Member& m, void* dest, bool validate, bool attribute, const char* path) {
  const RtBuffer& in = ctxt->input;
  const OSUTF8CHAR* text = in.data ? in.data + in.byteIndex : reinterpret_cast<const OSUTF8CHAR*>("");
  size_t length = in.data && in.size > in.byteIndex ? in.size - in.byteIndex : 0;
  switch (quickConvert(ctxt, m, dest, text, length, validate, path)) {
    case Quick::Done: return 0;
    case Quick::NoMemory: return ST_NO_MEMORY;
    case Quick::NotTaken: break;
  }
  switch (m.kind) {
    case Kind::Text:
      return validate ? 0 : rtXmlDecXmlStr(ctxt, static_cast<RtXmlString*>(dest));
    case Kind::Collapsed:
      if (validate) return 0;
      if (int st = rtXmlTreatWhitespaces(ctxt, 0)) return st;
      return rtXmlDecXmlStr(ctxt, static_cast<RtXmlString*>(dest));
    case Kind::DateTime:
      if (!validate) return rtXmlDecXmlStr(ctxt, static_cast<RtXmlString*>(dest));
      if (attribute) {
        RtDateTime dt;
        int st = rtxParseDateTimeString(ctxt->input.data + ctxt->input.byteIndex,
                                        ctxt->input.size - ctxt->input.byteIndex, &dt);
        return st > 0 ? 0 : (st < 0 ? st : ST_BAD_VALUE);
      } else {
        RtDateTime dt;
        return rtXmlDecDateTime(ctxt, &dt);
      }
    case Kind::Bool: return rtXmlDecBool(ctxt, static_cast<OSBOOL*>(dest));
    case Kind::Int: return rtXmlDecInt(ctxt, static_cast<int32_t*>(dest));
    case Kind::UInt: return rtXmlDecUInt(ctxt, static_cast<uint32_t*>(dest));
    case Kind::UInt64: return rtXmlDecUInt64(ctxt, static_cast<uint64_t*>(dest));
    case Kind::Decimal: return rtXmlDecDecimal(ctxt, static_cast<double*>(dest));
    case Kind::Enum: {
      int st = m.simple->toEnum(ctxt->input.data + ctxt->input.byteIndex, ctxt->input.size - ctxt->input.byteIndex,
                                static_cast<uint16_t*>(dest));
      if (st == ST_ENUM_UNKNOWN && rtSaxIncErrors(ctxt)) {
        rtxErrAddCtxtBufParm(ctxt);
        rtxErrSetNewData(ctxt, st, path, __LINE__);
      }
      return st;
    }
    default:
      return 0;  // nothing to convert (empty elements, wildcards, groups)
  }
}

uint64_t numberOf(const Member& m, const void* value) {
  switch (m.kind) {
    case Kind::UInt: return *static_cast<const uint32_t*>(value);
    case Kind::UInt64: return *static_cast<const uint64_t*>(value);
    default: return 0;
  }
}

bool belowMinimum(const Member& m, const void* value) {
  if (m.minValue == INT64_MIN) return false;
  if (m.kind == Kind::Int) return *static_cast<const int32_t*>(value) < m.minValue;
  if (m.kind == Kind::UInt || m.kind == Kind::UInt64)
    return m.minValue > 0 && numberOf(m, value) < static_cast<uint64_t>(m.minValue);
  return false;
}

}  // namespace pxs
