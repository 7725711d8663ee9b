// Presence documents generated for the benchmarks, all valid against the
// PIDF, RPID, data-model, CIPID and capability schemas.
//   presenceDocument(n): n tuples with every PIDF member, notes, and a
//     data-model person with RPID activities (2 tuples: about 1 KB);
//   presenceWithExtensions(n): n tuples that also carry service capabilities,
//     RPID, data-model and CIPID elements (40 tuples: about 20 KB).
#ifndef PX_BENCH_PRESENCE_DOCUMENTS_H
#define PX_BENCH_PRESENCE_DOCUMENTS_H

#include <string>

namespace pxbench_detail {

inline std::string presenceStart() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\"\n"
         "    xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\" xmlns:caps=\"urn:ietf:params:xml:ns:pidf:caps\"\n"
         "    xmlns:ci=\"urn:ietf:params:xml:ns:pidf:cipid\" entity=\"pres:someone@example.com\">\n";
}

// The members every tuple ends with: contact, a note with an entity
// reference, a timestamp.
inline std::string tupleEnd(int i) {
  std::string n = std::to_string(i);
  std::string minute = (i % 60 < 10 ? "0" : "") + std::to_string(i % 60);
  return "    <contact priority=\"0." + std::to_string(i % 10) + "\">sip:someone@pc" + n +
         ".example.com</contact>\n    <note xml:lang=\"en\">Reachable at desk " + n +
         " &amp; by phone</note>\n    <timestamp>2026-12-05T10:" + minute + ":00Z</timestamp>\n  </tuple>\n";
}

inline std::string presenceEnd() {
  return "  <note>At the office</note>\n"
         "  <dm:person id=\"p1\"><rpid:activities><rpid:meeting/></rpid:activities>"
         "<dm:note>Until 11</dm:note></dm:person>\n</presence>\n";
}

inline std::string tupleStart(int i) {
  return "  <tuple id=\"t" + std::to_string(i) + "\">\n    <status><basic>" + (i % 2 ? "closed" : "open") +
         "</basic></status>\n";
}

}  // namespace pxbench_detail

inline std::string presenceDocument(int tuples) {
  using namespace pxbench_detail;
  std::string doc = presenceStart();
  for (int i = 0; i < tuples; ++i)
    doc += tupleStart(i) + "    <dm:deviceID>mac:8000" + std::to_string(i) + "</dm:deviceID>\n" + tupleEnd(i);
  return doc + presenceEnd();
}

inline std::string presenceWithExtensions(int tuples) {
  using namespace pxbench_detail;
  std::string doc = presenceStart();
  for (int i = 0; i < tuples; ++i) {
    std::string n = std::to_string(i);
    std::string second = (i % 60 < 10 ? "0" : "") + std::to_string(i % 60);
    doc += tupleStart(i) + "    <caps:servcaps><caps:audio>true</caps:audio><caps:video>" +
           (i % 3 ? "false" : "true") + "</caps:video></caps:servcaps>\n    <rpid:user-input last-input=\"2026-12-05T09:58:" +
           second + "Z\">" + (i % 4 ? "active" : "idle") + "</rpid:user-input>\n    <dm:deviceID>mac:8000" + n +
           "</dm:deviceID>\n    <ci:card>http://example.com/~someone/card" + n + ".vcd</ci:card>\n" + tupleEnd(i);
  }
  return doc + presenceEnd();
}

#endif
