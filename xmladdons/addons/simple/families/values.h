// Conversion of the decode input into a member's storage, by kind; shared by
// the decoding handlers (into the record) and the validating handlers (into
// a scratch value, with text kinds not looked at).
#ifndef PXS_FAMILIES_VALUES_H
#define PXS_FAMILIES_VALUES_H

#include "families/descriptor.h"

namespace pxs {

// Scratch storage big enough for any member kind a validator converts.
union Scratch {
  RtXmlString text;
  OSBOOL b;
  int32_t i;
  uint32_t u;
  uint64_t u64;
  double d;
  uint16_t e;
};

// dest: the member's storage (decoding) or a Scratch (validating).
// attribute: the text is an attribute value (validators parse date-times of
// attributes directly, of elements through the runtime's converter).
int convertInput(RtContext* ctxt, const Member& m, void* dest, bool validate, bool attribute, const char* path);

// True when a converted number is below the member's lower bound.
bool belowMinimum(const Member& m, const void* value);
uint64_t numberOf(const Member& m, const void* value);

}  // namespace pxs

#endif
