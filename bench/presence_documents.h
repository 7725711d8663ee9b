// Presence documents generated for the benchmarks: n tuples with every PIDF
// member, notes, and a data-model person as a foreign element.
#ifndef PX_BENCH_PRESENCE_DOCUMENTS_H
#define PX_BENCH_PRESENCE_DOCUMENTS_H

#include <string>

inline std::string presenceDocument(int tuples) {
  std::string doc =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\"\n"
      "    xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\" entity=\"pres:someone@example.com\">\n";
  for (int i = 0; i < tuples; ++i) {
    std::string n = std::to_string(i);
    doc += "  <tuple id=\"t" + n + "\">\n    <status><basic>" + (i % 2 ? "closed" : "open") +
           "</basic></status>\n    <dm:deviceID>mac:8000" + n + "</dm:deviceID>\n"
           "    <contact priority=\"0." + std::to_string(i % 10) + "\">sip:someone@pc" + n +
           ".example.com</contact>\n    <note xml:lang=\"en\">Reachable at desk " + n +
           " &amp; by phone</note>\n    <timestamp>2026-12-05T10:" + (i % 60 < 10 ? "0" : "") +
           std::to_string(i % 60) + ":00Z</timestamp>\n  </tuple>\n";
  }
  doc += "  <note>At the office</note>\n"
         "  <dm:person id=\"p1\"><rpid:activities><rpid:meeting/></rpid:activities>"
         "<dm:note>Until 11</dm:note></dm:person>\n</presence>\n";
  return doc;
}

#endif
