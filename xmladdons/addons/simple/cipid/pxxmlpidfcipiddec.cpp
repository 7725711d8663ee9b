// CIPID: the six documents, their decoders and validators. Each root has a
// simple type, so decoding goes through the runtime's simple-type handler
// and validation is not offered. display-name is free text kept as written;
// the others are URIs, whitespace collapsed (their form is not checked).
#include "cipid/cipid_tables.h"

using namespace pxs;

namespace pxs::cipid {
// The module has no handlers of its own: the decoder file stands for them.
const Module kModule{
    "xmladdons/addons/simple/cipid/pxxmlpidfcipiddec.cpp", "xmladdons/addons/simple/cipid/pxxmlpidfcipidenc.cpp",
    "xmladdons/addons/simple/cipid/pxxmlpidfcipiddec.cpp", "xmladdons/addons/simple/cipid/pxxmlpidfcipiddec.cpp",
    "xmladdons/addons/simple/cipid/pxxmlpidfcipiddec.cpp",
};
constexpr int8_t kNs = PX_NS_CIPID;
}  // namespace pxs::cipid

using pxs::cipid::kModule;
using pxs::cipid::kNs;

const DocDesc kDoc_cipid_card{"card", nullptr, Kind::Collapsed, kNs, nullptr, nullptr, -1, &kModule};
const DocDesc kDoc_cipid_display_name{"display-name", nullptr, Kind::Text, kNs, nullptr, nullptr, -1, &kModule};
const DocDesc kDoc_cipid_homepage{"homepage", nullptr, Kind::Collapsed, kNs, nullptr, nullptr, -1, &kModule};
const DocDesc kDoc_cipid_icon{"icon", nullptr, Kind::Collapsed, kNs, nullptr, nullptr, -1, &kModule};
const DocDesc kDoc_cipid_map{"map", nullptr, Kind::Collapsed, kNs, nullptr, nullptr, -1, &kModule};
const DocDesc kDoc_cipid_sound{"sound", nullptr, Kind::Collapsed, kNs, nullptr, nullptr, -1, &kModule};

#define PX_CIPID_DECODER(PE) PX_DEFINE_DOCUMENT_DECODER(PE, RtXmlString)
PX_CIPID_DOCUMENTS(PX_CIPID_DECODER)
PX_CIPID_DOCUMENTS(PX_DEFINE_DOCUMENT_VALIDATOR)
