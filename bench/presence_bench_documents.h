// The documents of the partial presence benchmarks: a 1 KB presence (a
// person with RPID activities) and a 20 KB one (40 tuples with capability,
// RPID, data-model and CIPID extensions), the one-element replace applied to
// them, and a next version with one tuple changed.
#ifndef PX_BENCH_PRESENCE_BENCH_DOCUMENTS_H
#define PX_BENCH_PRESENCE_BENCH_DOCUMENTS_H

#include <string>

namespace pxbench {

inline std::string smallDocument() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\"\n"
         "    xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\" entity=\"pres:someone@example.com\">\n"
         "  <tuple id=\"t0\">\n    <status><basic>open</basic></status>\n"
         "    <contact priority=\"0.8\">sip:someone@pc0.example.com</contact>\n"
         "    <timestamp>2026-12-05T10:00:00Z</timestamp>\n  </tuple>\n"
         "  <note xml:lang=\"en\">In a meeting until noon</note>\n"
         "  <dm:person id=\"p1\">\n"
         "    <rpid:activities><rpid:meeting/><rpid:on-the-phone/></rpid:activities>\n"
         "    <rpid:mood><rpid:happy/></rpid:mood>\n"
         "    <rpid:place-type><rpid:office/></rpid:place-type>\n"
         "    <rpid:privacy><rpid:quiet/></rpid:privacy>\n"
         "    <rpid:sphere><rpid:work/></rpid:sphere>\n"
         "    <dm:note>Call the desk phone first</dm:note>\n"
         "    <dm:timestamp>2026-12-05T09:55:00Z</dm:timestamp>\n"
         "  </dm:person>\n"
         "</presence>\n";
}

inline std::string largeDocument() {
  std::string doc =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:dm=\"urn:ietf:params:xml:ns:pidf:data-model\"\n"
      "    xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\" xmlns:c=\"urn:ietf:params:xml:ns:pidf:caps\"\n"
      "    xmlns:ci=\"urn:ietf:params:xml:ns:pidf:cipid\" entity=\"pres:someone@example.com\">\n";
  for (int i = 0; i < 40; ++i) {
    std::string n = std::to_string(i);
    doc += "  <tuple id=\"t" + n + "\">\n    <status><basic>" + (i % 2 ? "closed" : "open") +
           "</basic></status>\n"
           "    <c:servcaps><c:audio>true</c:audio><c:video>" + (i % 3 ? "false" : "true") +
           "</c:video><c:message>true</c:message></c:servcaps>\n"
           "    <rpid:class>device-" + n + "</rpid:class>\n"
           "    <rpid:user-input idle-threshold=\"600\">active</rpid:user-input>\n"
           "    <dm:deviceID>mac:8000" + n + "</dm:deviceID>\n"
           "    <ci:homepage>http://example.com/~someone/" + n + "</ci:homepage>\n"
           "    <contact priority=\"0." + std::to_string(i % 10) + "\">sip:someone@pc" + n + ".example.com</contact>\n"
           "    <timestamp>2026-12-05T10:" + (i < 10 ? "0" : "") + n + ":00Z</timestamp>\n  </tuple>\n";
  }
  doc += "  <note xml:lang=\"en\">At the office</note>\n"
         "  <dm:person id=\"p1\"><rpid:activities><rpid:meeting/></rpid:activities></dm:person>\n</presence>\n";
  return doc;
}


// 0: the 1 KB document, 1: the 20 KB one.
inline const std::string& document(int which) {
  static const std::string small = smallDocument(), large = largeDocument();
  return which == 0 ? small : large;
}

// One tuple's status replaced.
inline const std::string kReplaceDiff =
    "<p:pidf-diff xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\">"
    "<p:replace sel=\"presence/tuple[@id='t0']/status\"><status><basic>closed</basic></status></p:replace>"
    "</p:pidf-diff>";

inline std::string changed(const std::string& doc) {
  std::string next = doc;
  size_t at = next.find("<basic>open</basic>");
  next.replace(at, 19, "<basic>closed</basic>");
  return next;
}

}  // namespace pxbench

#endif
