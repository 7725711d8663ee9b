// A C++17 program built against an installed tree through find_package:
// builds a presence record, encodes it, decodes and validates the text, and
// compares the records. Exit 0 when they agree.
#include <pxxml/simple/simple.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct ContextDeleter {
  void operator()(RtContext* ctxt) const { rtxDeleteContext(ctxt); }
};
using Context = std::unique_ptr<RtContext, ContextDeleter>;

const OSUTF8CHAR* text(RtContext* ctxt, const char* value) {
  return rtxUTF8Strdup(ctxt, reinterpret_cast<const OSUTF8CHAR*>(value));
}

std::string str(const RtXmlString& s) { return s.value ? reinterpret_cast<const char*>(s.value) : ""; }

void build(RtContext* ctxt, tns_presence* p) {
  PxInit_tns_presence(ctxt, p);
  p->tns_entity.value = text(ctxt, "pres:bob@example.org");
  auto* t = static_cast<tns_tuple*>(rtxMemHeapAlloc(ctxt, sizeof(tns_tuple)));
  PxInit_tns_tuple(ctxt, t);
  t->tns_id.value = text(ctxt, "b1");
  t->tns_status.tns_basic = 0;  // open
  t->tns_status.present = 1;
  t->tns_contact.value.value = text(ctxt, "sip:bob@example.org");
  t->present |= 1;
  rtxDListAppend(ctxt, &p->tns_tuple, t);
}

}  // namespace

int main() {
  Context ctxt(rtxNewContext());
  if (!ctxt || PxInit_SIMPLE_Global(ctxt.get()) != 0) {
    std::fprintf(stderr, "cmake_client: no context\n");
    return 1;
  }
  RtContext* c = ctxt.get();

  tns_presence built;
  build(c, &built);
  rtxSetGrowingOutput(c);
  rtxResetOutput(c);
  if (PxXmlE_tns_presence(c, &built) != 0) {
    std::fprintf(stderr, "cmake_client: encoding failed\n");
    return 1;
  }
  const std::string xml = rtxGetOutput(c, nullptr);

  rtxSetInputBuffer(c, xml.data(), xml.size());
  const int validated = PxXmlV_tns_presence(c);
  tns_presence decoded;
  rtxSetInputBuffer(c, xml.data(), xml.size());
  const int status = PxXmlD_tns_presence(c, &decoded);

  bool same = validated == 0 && status == 0 && str(decoded.tns_entity) == str(built.tns_entity) &&
              decoded.tns_tuple.count == 1;
  if (same) {
    const auto* t = static_cast<const tns_tuple*>(decoded.tns_tuple.head->data);
    same = str(t->tns_id) == "b1" && (t->tns_status.present & 1) && t->tns_status.tns_basic == 0 &&
           (t->present & 1) && str(t->tns_contact.value) == "sip:bob@example.org";
  }
  PxMemFree_tns_presence(c, &decoded);
  PxMemFree_tns_presence(c, &built);
  if (!same) {
    std::fprintf(stderr, "cmake_client: records differ after the round trip (validate %d, decode %d)\n%s\n",
                 validated, status, xml.c_str());
    return 1;
  }
  std::printf("cmake_client: built, encoded, validated and decoded %zu bytes\n", xml.size());
  return 0;
}
