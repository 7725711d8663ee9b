// Helpers of the data-model and CIPID suites: decoding from text, the
// documents of simple type, and round trips.
#ifndef PX_TESTS_DATA_MODEL_SUPPORT_H
#define PX_TESTS_DATA_MODEL_SUPPORT_H

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "module_support.h"
#include "pxxml/simple/cipid.h"
#include "pxxml/simple/data_model.h"

namespace pxtest {

template <typename T>
int decodeWith(RtContext* ctxt, int (*decode)(RtContext*, T*), const std::string& text, T* out, size_t chunk = 0) {
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  rtSaxSetChunkSize(ctxt, chunk);
  int st = decode(ctxt, out);
  rtSaxSetChunkSize(ctxt, 0);
  return st;
}

// Documents of simple type: the value is a bare string, shown with its ends.
struct TextDoc {
  const char* element;
  int ns;
  int (*decode)(RtContext*, RtXmlString*);
  int (*encode)(RtContext*, const RtXmlString*);
  int (*validate)(RtContext*);
};
inline const TextDoc kTextDocs[] = {
    {"deviceID", PX_NS_DATAMODEL, PxXmlD_dm_deviceID, PxXmlE_dm_deviceID, PxXmlV_dm_deviceID},
    {"card", PX_NS_CIPID, PxXmlD_cipid_card, PxXmlE_cipid_card, PxXmlV_cipid_card},
    {"display-name", PX_NS_CIPID, PxXmlD_cipid_display_name, PxXmlE_cipid_display_name, PxXmlV_cipid_display_name},
    {"homepage", PX_NS_CIPID, PxXmlD_cipid_homepage, PxXmlE_cipid_homepage, PxXmlV_cipid_homepage},
    {"icon", PX_NS_CIPID, PxXmlD_cipid_icon, PxXmlE_cipid_icon, PxXmlV_cipid_icon},
    {"map", PX_NS_CIPID, PxXmlD_cipid_map, PxXmlE_cipid_map, PxXmlV_cipid_map},
    {"sound", PX_NS_CIPID, PxXmlD_cipid_sound, PxXmlE_cipid_sound, PxXmlV_cipid_sound},
};
inline std::string shownText(const RtXmlString& s) { return s.value ? "[" + std::string(str(s.value)) + "]" : "null"; }
inline void releaseText(RtContext* ctxt, RtXmlString* s) { rtxMemHeapFreePtr(ctxt, s->value); }

// Decode, encode, decode again (in one-byte pieces): both records show the
// same, and the encoding is valid for xmllint (when the text was).
template <typename T, typename Encode, typename Show, typename Release>
void expectRoundTrip(RtContext* ctxt, const std::string& text, int (*decode)(RtContext*, T*), Encode encode,
                     Show show, Release release, bool schemaValid = true) {
  T first{}, second{};
  ASSERT_EQ(decodeWith(ctxt, decode, text, &first), 0) << text;
  rtxResetOutput(ctxt);
  ASSERT_EQ(encode(ctxt, &first), 0) << text;
  std::string xml = rtxGetOutput(ctxt, nullptr);
  ASSERT_EQ(decodeWith(ctxt, decode, xml, &second, 1), 0) << xml;
  EXPECT_EQ(show(second), show(first)) << xml;
  if (schemaValid && haveXmllint() && !corpusDocumentsMissing()) {
    EXPECT_EQ(xmllintValid(xml), 0) << xml;
  }
  release(ctxt, &first);
  release(ctxt, &second);
}

}  // namespace pxtest

#endif
