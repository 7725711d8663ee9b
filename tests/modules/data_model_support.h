// Helpers of the data-model and CIPID suites: decoding from text, round
// trips of documents of complex and of simple type, and the foreign
// elements a decoded presence document captured, told apart by their root.
#ifndef PX_TESTS_DATA_MODEL_SUPPORT_H
#define PX_TESTS_DATA_MODEL_SUPPORT_H

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

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

// The value of a document of simple type, with its ends visible.
inline std::string shownText(const RtXmlString& s) { return s.value ? "[" + std::string(str(s.value)) + "]" : "null"; }
inline void releaseText(RtContext* ctxt, RtXmlString* s) { rtxMemHeapFreePtr(ctxt, const_cast<OSUTF8CHAR*>(s->value)); }

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

inline void appendTexts(const RtDList& list, std::vector<std::string>* out) {
  for (const RtDListNode* n = list.head; n; n = n->next) out->push_back(str(static_cast<RtXmlString*>(n->data)->value));
}

// The foreign elements of a presence record, its tuples and their statuses.
inline std::vector<std::string> capturedItems(const tns_presence& p) {
  std::vector<std::string> out;
  appendTexts(p.tns__any, &out);
  for (const RtDListNode* n = p.tns_tuple.head; n; n = n->next) {
    auto* t = static_cast<const tns_tuple*>(n->data);
    appendTexts(t->tns__any, &out);
    appendTexts(t->tns_status.tns__any, &out);
  }
  return out;
}

// Local name and namespace index of a captured element's root, read from
// its text (a capture declares what its root uses).
inline std::pair<std::string, int> rootOf(RtContext* ctxt, const std::string& xml) {
  size_t end = xml.find_first_of(" />", 1);
  std::string qname = xml.substr(1, end - 1);
  size_t colon = qname.find(':');
  std::string prefix = colon == std::string::npos ? "" : qname.substr(0, colon);
  std::string decl = prefix.empty() ? "xmlns=\"" : "xmlns:" + prefix + "=\"";
  size_t at = xml.find(decl);
  if (at == std::string::npos) return {qname.substr(colon + 1), -1};
  at += decl.size();
  std::string uri = xml.substr(at, xml.find('"', at) - at);
  return {qname.substr(colon == std::string::npos ? 0 : colon + 1), rtXmlNSURIIndex(ctxt, u8(uri.c_str()))};
}

// A captured item of the data model or CIPID: decoded on its own with its
// document decoder (and its own captures in turn), then round tripped.
inline void expectStandalone(RtContext* ctxt, const std::string& item, std::map<std::string, int>* seen) {
  auto [local, ns] = rootOf(ctxt, item);
  if (ns != PX_NS_DATAMODEL && ns != PX_NS_CIPID) return;
  // Some corpus documents carry RPID content that its schema refuses.
  bool valid = !haveXmllint() || corpusDocumentsMissing() || xmllintValid(item) == 0;
  auto person = [](const dm__person& p) { return capturedStdout([&] { PxPrint_dm__person("r", &p); }); };
  auto device = [](const dm__device& d) { return capturedStdout([&] { PxPrint_dm__device("r", &d); }); };
  auto nested = [&](const RtDList& list) {
    std::vector<std::string> inner;
    appendTexts(list, &inner);
    for (const auto& i : inner) expectStandalone(ctxt, i, seen);
  };
  if (ns == PX_NS_DATAMODEL && local == "person") {
    dm__person p;
    ASSERT_EQ(decodeWith(ctxt, PxXmlD_dm_person, item, &p), 0);
    rtxSetInputBuffer(ctxt, item.data(), item.size());
    EXPECT_EQ(PxXmlV_dm_person(ctxt), 0);
    nested(p.dm__any);
    PxMemFree_dm__person(ctxt, &p);
    expectRoundTrip(ctxt, item, PxXmlD_dm_person, PxXmlE_dm_person, person, PxMemFree_dm__person, valid);
  } else if (ns == PX_NS_DATAMODEL && local == "device") {
    dm__device d;
    ASSERT_EQ(decodeWith(ctxt, PxXmlD_dm_device, item, &d), 0);
    rtxSetInputBuffer(ctxt, item.data(), item.size());
    EXPECT_EQ(PxXmlV_dm_device(ctxt), 0);
    nested(d.dm__any);
    PxMemFree_dm__device(ctxt, &d);
    expectRoundTrip(ctxt, item, PxXmlD_dm_device, PxXmlE_dm_device, device, PxMemFree_dm__device, valid);
  } else if (ns == PX_NS_DATAMODEL && local == "deviceID") {
    expectRoundTrip(ctxt, item, PxXmlD_dm_deviceID, PxXmlE_dm_deviceID, shownText, releaseText, valid);
  } else {
    using Decode = int (*)(RtContext*, RtXmlString*);
    using Encode = int (*)(RtContext*, const RtXmlString*);
    static const std::map<std::string, std::pair<Decode, Encode>> kCipid = {
        {"card", {PxXmlD_cipid_card, PxXmlE_cipid_card}},
        {"display-name", {PxXmlD_cipid_display_name, PxXmlE_cipid_display_name}},
        {"homepage", {PxXmlD_cipid_homepage, PxXmlE_cipid_homepage}},
        {"icon", {PxXmlD_cipid_icon, PxXmlE_cipid_icon}},
        {"map", {PxXmlD_cipid_map, PxXmlE_cipid_map}},
        {"sound", {PxXmlD_cipid_sound, PxXmlE_cipid_sound}}};
    auto it = kCipid.find(local);
    ASSERT_NE(it, kCipid.end()) << local;
    expectRoundTrip(ctxt, item, it->second.first, it->second.second, shownText, releaseText, valid);
  }
  (*seen)[local]++;
}

}  // namespace pxtest

#endif
