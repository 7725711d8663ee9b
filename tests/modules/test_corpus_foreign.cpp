// The foreign elements of the corpus's documents, at any depth (an RPID
// element inside a person inside a presence), decode again on their own
// with their own module's document decoder: the captured text stands on its
// own. And the documents of simple type offer no validation.
#include <gtest/gtest.h>

#include <map>

#include "foreign.h"
#include "module_support.h"
#include "pidf/corpus_manifest.h"

using namespace pxtest;

TEST(CorpusForeign, EveryKnownForeignElementDecodesStandalone) {
  auto docs = corpusDocuments();
  if (docs.empty()) GTEST_SKIP() << corpusMissing();
  std::map<std::string, int> decoded;
  for (const auto& d : docs) {
    if (!d.wellFormed) continue;
    std::string text;
    ASSERT_TRUE(readFile(corpusDir() + "/" + d.path, &text));
    SimpleCtx ctxt;
    rtxSetInputBuffer(ctxt, text.data(), text.size());
    std::vector<pxsimple::ForeignElement> level;
    ASSERT_EQ(pxsimple::collectForeignElements(ctxt, &level), 0) << d.path;
    while (!level.empty()) {
      std::vector<pxsimple::ForeignElement> next;
      for (const auto& element : level) {
        AnyRecord record(ctxt, element.ops);
        EXPECT_EQ(record.decode(element.xml), 0) << d.path << " " << element.path << "\n" << element.xml;
        int st = -1;
        std::string xml = record.encode(&st);
        EXPECT_EQ(st, 0) << d.path << " " << element.path;
        AnyRecord again(ctxt, element.ops);
        EXPECT_EQ(again.decode(xml), 0) << xml;
        EXPECT_EQ(again.printed(), record.printed()) << d.path << " " << element.path;
        decoded[element.ops->element]++;
        rtxSetInputBuffer(ctxt, element.xml.data(), element.xml.size());
        std::vector<pxsimple::ForeignElement> inner;
        ASSERT_EQ(pxsimple::collectForeignElements(ctxt, &inner), 0);
        for (auto& e : inner) {
          e.path = element.path + e.path.substr(e.path.find('/', 1));
          next.push_back(std::move(e));
        }
      }
      level.swap(next);
    }
  }
  // RPID, CIPID, the data model, capabilities and geopriv all occur.
  for (const char* element : {"person", "device", "deviceID", "activities", "mood", "sphere", "user-input",
                              "card", "homepage", "servcaps", "devcaps", "geopriv"})
    EXPECT_GT(decoded[element], 0) << element;
}

TEST(CorpusForeign, DocumentsOfSimpleTypeOfferNoValidationAndRecordNothing) {
  SimpleCtx ctxt;
  const std::pair<const char*, int> simple[] = {
      {"class", PX_NS_RPID},      {"card", PX_NS_CIPID}, {"display-name", PX_NS_CIPID}, {"homepage", PX_NS_CIPID},
      {"icon", PX_NS_CIPID},      {"map", PX_NS_CIPID},  {"sound", PX_NS_CIPID},        {"deviceID", PX_NS_DATAMODEL}};
  for (const auto& [element, ns] : simple) {
    const pxsimple::DocumentOps* ops = pxsimple::findDocument(element, ns);
    ASSERT_NE(ops, nullptr) << element;
    std::string text = "<x>y</x>";
    rtxSetInputBuffer(ctxt, text.data(), text.size());
    EXPECT_EQ(ops->validate(ctxt), ST_NOT_SUPPORTED) << element;
    EXPECT_EQ(rtxErrGetCount(ctxt), 0) << element;
  }
}
