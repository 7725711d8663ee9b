// List documents generated for the benchmarks, valid against their schemas:
// watcher information with `lists` lists of `watchers` watchers each, every
// watcher carrying all seven of its attributes (5 x 1,000: about 1 MB), and
// an RLMI list of `resources` resources with two names and two instances each
// (1,000: about 270 KB).
#ifndef PX_BENCH_LIST_DOCUMENTS_H
#define PX_BENCH_LIST_DOCUMENTS_H

#include <string>

inline std::string watcherinfoDocument(int lists, int watchers) {
  std::string doc =
      "<?xml version=\"1.0\"?>\n<watcherinfo xmlns=\"urn:ietf:params:xml:ns:watcherinfo\" version=\"12\" "
      "state=\"full\">\n";
  static const char* kStatus[] = {"active", "pending", "waiting", "terminated"};
  static const char* kEvent[] = {"subscribe", "approved", "timeout", "rejected"};
  static const char* kLang[] = {"en", "de", "fr-CA"};
  for (int l = 0; l < lists; ++l) {
    doc += "  <watcher-list resource=\"sip:user" + std::to_string(l) + "@example.com\" package=\"presence\">\n";
    for (int w = 0; w < watchers; ++w) {
      std::string n = std::to_string(l * watchers + w);
      doc += "    <watcher id=\"wid" + n + "\" status=\"" + kStatus[w % 4] + "\" event=\"" + kEvent[w % 4] +
             "\" display-name=\"Watcher number " + n + "\" expiration=\"" + std::to_string(3600 - w % 60) +
             "\" duration-subscribed=\"" + std::to_string(w * 7) + "\" xml:lang=\"" + kLang[w % 3] +
             "\">sip:watcher" + n + "@pc.example.net</watcher>\n";
    }
    doc += "  </watcher-list>\n";
  }
  return doc + "</watcherinfo>\n";
}

inline std::string rlmiDocument(int resources) {
  std::string doc =
      "<?xml version=\"1.0\"?>\n<list xmlns=\"urn:ietf:params:xml:ns:rlmi\" uri=\"sip:buddies@example.com\" "
      "version=\"7\" fullState=\"true\">\n  <name xml:lang=\"en\">Buddy list</name>\n";
  for (int r = 0; r < resources; ++r) {
    std::string n = std::to_string(r);
    doc += "  <resource uri=\"sip:friend" + n + "@example.com\">\n    <name xml:lang=\"en\">Friend " + n +
           "</name>\n    <name xml:lang=\"de\">Freund " + n + "</name>\n    <instance id=\"i" + n + "\" state=\"" +
           (r % 3 ? "active" : "pending") + "\" cid=\"c" + n + "@example.com\"/>\n    <instance id=\"j" + n +
           "\" state=\"terminated\" reason=\"timeout\"/>\n  </resource>\n";
  }
  return doc + "</list>\n";
}

#endif
