// The C++ API on documents written elsewhere: a presence decoded through
// px::decode reaches, typed, every element its records keep (RPID inside a
// person inside a presence), agrees with the tool's deep check on which
// elements the library knows, and each of them goes back into a list
// through px::add_extension and decodes again to the same record.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "cxx_support.h"
#include "foreign.h"

using namespace cxxtest;

namespace {

std::vector<std::string> elementNames(const px::Extensions& level) {
  std::vector<std::string> names;
  for (const px::Extension& e : level) names.emplace_back(e.element());
  return names;
}

TEST(CxxCorpus, PresenceReachesThePersonsActivitiesTyped) {
  std::string path = corpusDir() + "/rfc/rfc4480-ex1.xml";
  std::string text;
  if (!readFile(path, &text)) GTEST_SKIP() << "corpus not available: " << path;
  px::Context ctx;
  auto in = px::decode<tns_presence>(ctx, text);
  ASSERT_TRUE(in.ok()) << in.errors().text();

  std::vector<std::string> ids;
  for (const tns_tuple& t : px::items(in->tns_tuple)) {
    ids.emplace_back(px::text(t.tns_id));
    EXPECT_TRUE(px::has(t.tns_status, TNS_STATUS_BASIC));
    EXPECT_EQ(t.tns_status.tns_basic, TNS_BASIC_OPEN);
  }
  EXPECT_EQ(ids, (std::vector<std::string>{"bs35r9", "ty4658", "eg92n8"}));

  // Every list of the record, tuples first, then the presence's own.
  px::Extensions all = px::extensions(ctx, *in);
  EXPECT_EQ(elementNames(all),
            (std::vector<std::string>{"deviceID", "relationship", "service-class", "relationship", "deviceID", "class",
                                      "service-class", "status-icon", "device", "person"}));
  for (const px::Extension& e : all) EXPECT_TRUE(e.known() && e.ok()) << e.element() << "\n" << e.errors().text();
  EXPECT_EQ(all[1].as<rpid__relationship>()->rpid__choice2.t, RPID__RELATIONSHIP_2_SELF);
  EXPECT_EQ(all[2].as<rpid__service_class>()->rpid__choice2.t, RPID__SERVICE_CLASS_2_ELECTRONIC);
  EXPECT_EQ(px::text(*all[4].as<px::doc::dm_deviceID>()), "urn:x-mac:0003ba4811e3");
  EXPECT_EQ(px::text(*all[5].as<px::doc::rpid_class>()), "email");
  const px::Extension& device = all[8];
  ASSERT_EQ(elementNames(device.extensions()), std::vector<std::string>{"user-input"});
  const rpid__user_input* input = device.extensions()[0].as<rpid__user_input>();
  ASSERT_NE(input, nullptr);
  EXPECT_EQ(input->value, RPID_ACTIVEIDLE_IDLE);
  EXPECT_TRUE(px::has(*input, RPID__USER_INPUT_IDLE_THRESHOLD | RPID__USER_INPUT_LAST_INPUT));
  EXPECT_EQ(input->rpid_idle_threshold, 600u);

  const px::Extension& person = all[9];
  const dm__person* p = person.as<dm__person>();
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(px::text(p->dm_id), "p1");
  EXPECT_TRUE(px::has(*p, DM__PERSON_TIMESTAMP));
  EXPECT_EQ(person.as<px::doc::dm_device>(), nullptr);
  const px::Extensions& inner = person.extensions();
  ASSERT_EQ(elementNames(inner), (std::vector<std::string>{"activities", "class", "mood", "place-is", "place-type",
                                                           "privacy", "sphere", "status-icon", "time-offset"}));
  for (const px::Extension& e : inner) EXPECT_TRUE(e.known() && e.ok()) << e.element() << "\n" << e.errors().text();

  auto activities = inner.all<px::doc::rpid_activities>();
  ASSERT_EQ(activities.size(), 1u);
  EXPECT_EQ(px::rpid::values(activities[0]->rpid__choice2), std::vector<uint16_t>{RPID__ACTIVITIES_5_AWAY});
  EXPECT_STREQ(px::rpid::activity_names(*activities[0]).at(0), "away");
  EXPECT_TRUE(px::has(*activities[0], RPID__ACTIVITIES_FROM | RPID__ACTIVITIES_UNTIL));
  EXPECT_EQ(px::text(activities[0]->until), "2005-05-30T17:00:00+05:00");
  ASSERT_EQ(activities[0]->rpid_note.count, 1u);
  for (const Note_t& note : px::items(activities[0]->rpid_note)) EXPECT_EQ(px::text(note.value), "Far away");
  EXPECT_EQ(px::text(*inner[1].as<px::doc::rpid_class>()), "calendar");

  const rpid__mood* mood = inner[2].as<px::doc::rpid_mood>();
  ASSERT_NE(mood, nullptr);
  EXPECT_EQ(inner[2].as<px::doc::rpid_activities>(), nullptr);
  EXPECT_EQ(px::rpid::values(mood->rpid__choice2), (std::vector<uint16_t>{RPID__MOOD_5_ANGRY, RPID__MOOD_5_OTHER}));
  for (const rpid__mood_4& item : px::items(mood->rpid__choice2.u.rpid__seq2))
    if (item.rpid__choice1.t == RPID__MOOD_5_OTHER) {
      EXPECT_EQ(px::text(item.rpid__choice1.u.rpid_other.value), "brooding");
    }

  const rpid__place_is* place = inner[3].as<rpid__place_is>();
  ASSERT_NE(place, nullptr);
  EXPECT_EQ(place->present & (RPID__PLACE_IS_AUDIO | RPID__PLACE_IS_VIDEO | RPID__PLACE_IS_TEXT), RPID__PLACE_IS_AUDIO);
  EXPECT_EQ(place->rpid_audio.t, RPID__PLACE_IS_AUDIO_NOISY);

  // A vocabulary the library does not know stays text, inside a known one.
  EXPECT_EQ(inner[4].as<rpid__place_type>()->rpid__choice2.t, RPID__PLACE_TYPE_2_ANY);
  ASSERT_EQ(inner[4].extensions().size(), 1u);
  const px::Extension& residence = inner[4].extensions()[0];
  EXPECT_FALSE(residence.known());
  EXPECT_TRUE(residence.ok());
  EXPECT_EQ(residence.element(), "residence");
  EXPECT_EQ(residence.namespace_uri(), "urn:ietf:params:xml:ns:location-type");
  EXPECT_NE(residence.text().find("<lt:residence"), std::string_view::npos);

  EXPECT_EQ(inner[5].as<rpid__privacy>()->rpid__choice2.t, RPID__PRIVACY_2_UNKNOWN);
  EXPECT_EQ(px::text(inner[7].as<rpid__status_icon>()->value), "http://example.com/play.gif");
  EXPECT_EQ(inner[8].as<rpid__time_offset>()->value, -240);
}

// The outermost known foreign elements inside a text, recursively, as the
// tool's deep check finds them: their local names, sorted.
void toolKnownElements(RtContext* ctxt, const std::string& xml, std::vector<std::string>* out) {
  rtxSetInputBuffer(ctxt, xml.data(), xml.size());
  std::vector<pxsimple::ForeignElement> found;
  ASSERT_EQ(pxsimple::collectForeignElements(ctxt, &found), 0);
  for (const auto& element : found) {
    out->push_back(element.ops->element);
    toolKnownElements(ctxt, element.xml, out);
  }
}

void apiKnownElements(const px::Extensions& level, std::vector<std::string>* out, std::vector<std::string>* failed) {
  for (const px::Extension& e : level) {
    if (e.known()) out->emplace_back(e.document()->element);
    if (e.known() && !e.ok()) failed->emplace_back(e.element());
    apiKnownElements(e.extensions(), out, failed);
  }
}

TEST(CxxCorpus, ExtensionsAreTheElementsTheDeepCheckFinds) {
  auto files = corpusFiles();
  PX_SKIP_WITHOUT_CORPUS(files);
  px::Context ctx;
  size_t documents = 0, elements = 0;
  for (const std::string& file : files) {
    std::string text;
    ASSERT_TRUE(readFile(file, &text));
    px::Extension root = px::decode_any(ctx, text);
    if (!root.known() || !root.ok()) continue;  // unknown roots and broken documents: other suites
    ++documents;
    std::vector<std::string> api, tool, failed;
    apiKnownElements(root.extensions(), &api, &failed);
    toolKnownElements(ctx, text, &tool);
    std::sort(api.begin(), api.end());
    std::sort(tool.begin(), tool.end());
    EXPECT_EQ(api, tool) << file;
    elements += api.size();
    rtxErrReset(ctx);
  }
  EXPECT_GT(documents, 30u);
  EXPECT_GT(elements, 50u);
}

// Each known extension of the corpus, added to a list of its own through
// add_extension, decodes again and encodes to the same document.
TEST(CxxCorpus, EveryKnownExtensionGoesBackIntoAListUnchanged) {
  auto files = corpusFiles();
  PX_SKIP_WITHOUT_CORPUS(files);
  px::Context ctx;
  std::map<std::string, int> seen;
  for (const std::string& file : files) {
    std::string text;
    ASSERT_TRUE(readFile(file, &text));
    px::Extension root = px::decode_any(ctx, text);
    if (!root.known() || !root.ok()) continue;
    std::vector<px::Extension*> all;
    collectAll(root.extensions(), &all);
    for (px::Extension* e : all) {
      if (!e->known() || !e->ok()) continue;
      forEachDocument([&](auto tag) {
        using D = decltype(tag);
        auto* record = e->as<D>();
        if (!record) return;
        px::Encoded original = px::encode<D>(ctx, *record);
        ASSERT_TRUE(original.ok()) << file << " " << D::name << "\n" << original.errors.text();
        RtDList list;
        rtxDListInit(&list);
        px::Status added = px::add_extension<D>(ctx, list, *record);
        ASSERT_TRUE(added.ok()) << added.errors.text();
        ASSERT_EQ(list.count, 1u);
        std::string_view kept = px::text(*static_cast<RtXmlString*>(list.head->data));
        // The element alone, declaring the namespace of its root itself.
        EXPECT_EQ(kept.front(), '<');
        EXPECT_EQ(kept.find("<?xml"), std::string_view::npos);
        px::detail::RootElement root = px::detail::root_element(kept);
        EXPECT_EQ(root.local, e->element());
        EXPECT_EQ(root.uri, e->namespace_uri()) << kept;
        px::Extensions again = px::extensions(ctx, list);
        ASSERT_TRUE(again[0].is<D>()) << kept << "\n" << again[0].errors().text();
        EXPECT_EQ(px::encode<D>(ctx, *again[0].as<D>()).text, original.text) << file << " " << D::name;
        seen[D::name]++;
        for (const RtXmlString& s : px::items<RtXmlString>(list)) rtxMemHeapFreePtr(ctx, s.value);
        rtxDListFreeAll(ctx, &list);
      });
    }
  }
  for (const char* name : {"dm_person", "dm_device", "dm_deviceID", "rpid_activities", "rpid_mood", "rpid_class",
                           "rpid_sphere", "rpid_user_input", "cipid_card", "tns_servcaps", "tns_devcaps", "tns_geopriv"})
    EXPECT_GT(seen[name], 0) << name;
}

}  // namespace
