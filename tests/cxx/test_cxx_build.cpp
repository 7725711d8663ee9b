// Records built through the C++ API: encoded, decoded back and encoded
// again they give the same document and the same typed values; the list,
// text, presence-bit and enumeration helpers do what the records need.
#include <gtest/gtest.h>

#include <functional>

#include "cxx_support.h"

using namespace cxxtest;

namespace {

// A presence with everything a user typically sets: a tuple with status,
// contact and priority, notes, timestamp; a person with activities and a
// mood; a device with its ID.
px::Encoded buildPresence(px::Context& ctx) {
  px::Record<tns_presence> p(ctx);
  px::set_text(ctx, p->tns_entity, "pres:alice@example.org");
  tns_tuple* t = px::append<tns_tuple>(ctx, p->tns_tuple);
  px::set_text(ctx, t->tns_id, "t1");
  px::set_optional(t->tns_status, TNS_STATUS_BASIC, t->tns_status.tns_basic, uint16_t{TNS_BASIC_CLOSED});
  px::set_text(ctx, px::set_optional(*t, TNS_TUPLE_CONTACT, t->tns_contact, tns_contact{}).value, "sip:alice@pc");
  px::set_optional(t->tns_contact, TNS_CONTACT_PRIORITY, t->tns_contact.tns_priority, 0.5);
  px::set_optional_text(ctx, *t, TNS_TUPLE_TIMESTAMP, t->tns_timestamp, "2024-05-01T10:00:00Z");
  tns_note* note = px::append<tns_note>(ctx, p->tns_note);
  px::set_text(ctx, note->value, "Back soon");
  px::set_optional_text(ctx, *note, TNS_NOTE_LANG, note->tns_lang, "en");

  px::Record<px::doc::rpid_activities> activities(ctx);
  px::rpid::add_value(ctx, activities->rpid__choice2, RPID__ACTIVITIES_5_MEETING);
  px::set_text(ctx, px::rpid::add_value(ctx, activities->rpid__choice2, RPID__ACTIVITIES_5_OTHER)->u.rpid_other.value,
               "juggling");
  px::Record<px::doc::rpid_mood> mood(ctx);
  px::rpid::add_value(ctx, mood->rpid__choice2, RPID__MOOD_5_HAPPY);
  px::Record<dm__person> person(ctx);
  px::set_text(ctx, person->dm_id, "p1");
  EXPECT_TRUE(px::add_extension(ctx, person->dm__any, activities).ok());
  EXPECT_TRUE(px::add_extension<px::doc::rpid_mood>(ctx, person->dm__any, *mood).ok());
  px::Record<dm__device> device(ctx);
  px::set_text(ctx, device->dm_id, "d1");
  px::set_text(ctx, device->dm_deviceID, "urn:device:1");
  EXPECT_TRUE(px::add_extension(ctx, p->tns__any, person).ok());
  EXPECT_TRUE(px::add_extension(ctx, p->tns__any, *device).ok());
  return px::encode(ctx, p);
}

void checkPresence(px::Context& ctx, const tns_presence& p) {
  ASSERT_EQ(p.tns_tuple.count, 1u);
  for (const tns_tuple& t : px::items(p.tns_tuple)) {
    EXPECT_EQ(px::text(t.tns_id), "t1");
    EXPECT_STREQ(px::enums::tns_basic::text(t.tns_status.tns_basic), "closed");
    EXPECT_TRUE(px::has(t, TNS_TUPLE_CONTACT | TNS_TUPLE_TIMESTAMP));
    EXPECT_EQ(px::text(t.tns_contact.value), "sip:alice@pc");
    EXPECT_DOUBLE_EQ(t.tns_contact.tns_priority, 0.5);
  }
  px::Extensions kept = px::extensions(ctx, p.tns__any);
  ASSERT_EQ(kept.size(), 2u);
  ASSERT_NE(kept[0].as<dm__person>(), nullptr);
  EXPECT_EQ(px::text(kept[1].as<dm__device>()->dm_deviceID), "urn:device:1");
  const px::Extensions& inner = kept[0].extensions();
  ASSERT_EQ(inner.size(), 2u);
  std::vector<std::string> names;
  for (const char* name : px::rpid::activity_names(*inner[0].as<px::doc::rpid_activities>())) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::string>{"meeting", "other"}));
  EXPECT_STREQ(px::rpid::mood_names(*inner[1].as<px::doc::rpid_mood>()).at(0), "happy");
}

TEST(CxxBuild, ABuiltPresenceEncodesAndDecodesBackEqual) {
  px::Context ctx;
  px::Encoded first = buildPresence(ctx);
  ASSERT_TRUE(first.ok()) << first.errors.text();
  auto decoded = px::decode<tns_presence>(ctx, first.text);
  ASSERT_TRUE(decoded.ok()) << decoded.errors().text() << first.text;
  checkPresence(ctx, *decoded);
  EXPECT_EQ(px::encode(ctx, *decoded).text, first.text);
  EXPECT_TRUE(px::validate<tns_presence>(ctx, first.text).ok());
}

// Documents of other modules, built and read back the same way.
struct BuildCase {
  const char* name;
  std::function<px::Encoded(px::Context&)> build;
  std::function<std::string(px::Context&, const std::string&)> roundtrip;  // decode, check, encode again
};

template <class T>
std::string decodeAndEncode(px::Context& ctx, const std::string& text,
                            std::function<void(const typename px::document_t<T>::record&)> check) {
  auto decoded = px::decode<T>(ctx, text);
  EXPECT_TRUE(decoded.ok()) << decoded.errors().text() << text;
  if (!decoded.ok()) return {};
  check(*decoded);
  return px::encode<T>(ctx, *decoded).text;
}

const BuildCase kBuildCases[] = {
    {"watcherinfo",
     [](px::Context& ctx) {
       px::Record<tns__watcherinfo> w(ctx);
       w->tns_version = 3;
       w->tns_state = TNS__WATCHERINFO_STATE_PARTIAL;
       tns__watcher_list* list = px::append<tns__watcher_list>(ctx, w->tns_watcher_list);
       px::set_text(ctx, list->tns_resource, "sip:alice@example.org");
       px::set_text(ctx, list->tns_package, "presence");
       tns__watcher* watcher = px::append<tns__watcher>(ctx, list->tns_watcher);
       px::set_text(ctx, watcher->value, "sip:bob@example.org");
       px::set_text(ctx, watcher->tns_id, "w1");
       watcher->tns_status = TNS__WATCHER_STATUS_WAITING;
       watcher->tns_event = TNS__WATCHER_EVENT_TIMEOUT;
       px::set_optional(*watcher, TNS__WATCHER_EXPIRATION, watcher->tns_expiration, uint64_t{600});
       return px::encode(ctx, w);
     },
     [](px::Context& ctx, const std::string& text) {
       return decodeAndEncode<px::doc::tns_watcherinfo>(ctx, text, [](const tns__watcherinfo& w) {
         EXPECT_EQ(w.tns_state, TNS__WATCHERINFO_STATE_PARTIAL);
         for (const tns__watcher_list& l : px::items(w.tns_watcher_list))
           for (const tns__watcher& watcher : px::items(l.tns_watcher)) {
             EXPECT_STREQ(px::enums::tns__watcher_status::text(watcher.tns_status), "waiting");
             EXPECT_STREQ(px::enums::tns__watcher_event::text(watcher.tns_event), "timeout");
             EXPECT_TRUE(px::has(watcher, TNS__WATCHER_EXPIRATION));
             EXPECT_FALSE(px::has(watcher, TNS__WATCHER_DURATION_SUBSCRIBED));
           }
       });
     }},
    {"rlmi list",
     [](px::Context& ctx) {
       px::Record<rlmi__list> l(ctx);
       px::set_text(ctx, l->rlmi_uri, "sip:friends@example.org");
       l->rlmi_version = 1;
       l->rlmi_fullState = 1;
       rlmi__resource* r = px::append<rlmi__resource>(ctx, l->rlmi_resource);
       px::set_text(ctx, r->rlmi_uri, "sip:bob@example.org");
       rlmi__instance* i = px::append<rlmi__instance>(ctx, r->rlmi_instance);
       px::set_text(ctx, i->rlmi_id, "i1");
       i->rlmi_state = RLMI__INSTANCE_STATE_TERMINATED;
       px::set_optional_text(ctx, *i, RLMI__INSTANCE_REASON, i->rlmi_reason, "noresource");
       return px::encode(ctx, l);
     },
     [](px::Context& ctx, const std::string& text) {
       return decodeAndEncode<rlmi__list>(ctx, text, [](const rlmi__list& l) {
         for (const rlmi__resource& r : px::items(l.rlmi_resource))
           for (const rlmi__instance& i : px::items(r.rlmi_instance)) {
             EXPECT_EQ(i.rlmi_state, RLMI__INSTANCE_STATE_TERMINATED);
             EXPECT_EQ(px::text(i.rlmi_reason), "noresource");
             EXPECT_EQ(i.present, static_cast<uint32_t>(RLMI__INSTANCE_REASON));
           }
       });
     }},
    {"sphere",
     [](px::Context& ctx) {
       px::Record<rpid__sphere> s(ctx);
       s->t = RPID__SPHERE_WORK;
       px::set_optional_text(ctx, *s, RPID__SPHERE_FROM, s->from, "2024-05-01T08:00:00Z");
       return px::encode(ctx, s);
     },
     [](px::Context& ctx, const std::string& text) {
       return decodeAndEncode<rpid__sphere>(ctx, text, [](const rpid__sphere& s) {
         EXPECT_STREQ(px::choice_name(px::choice_names::rpid__sphere, s.t), "work");
         EXPECT_EQ(s.present, static_cast<uint32_t>(RPID__SPHERE_FROM));
       });
     }},
    {"display-name",
     [](px::Context& ctx) {
       px::Record<px::doc::cipid_display_name> name(ctx);
       px::set_text(ctx, *name, "Alice  A.");
       return px::encode(ctx, name);
     },
     [](px::Context& ctx, const std::string& text) {
       return decodeAndEncode<px::doc::cipid_display_name>(
           ctx, text, [](const RtXmlString& s) { EXPECT_EQ(px::text(s), "Alice  A."); });
     }},
};

TEST(CxxBuild, RecordsOfEveryModuleRoundTrip) {
  for (const BuildCase& c : kBuildCases) {
    SCOPED_TRACE(c.name);
    px::Context ctx;
    px::Encoded first = c.build(ctx);
    ASSERT_TRUE(first.ok()) << first.errors.text();
    EXPECT_EQ(c.roundtrip(ctx, first.text), first.text);
  }
}

TEST(CxxBuild, AnAddedExtensionIsTheElementAloneWithItsDeclarations) {
  px::Context ctx;
  px::Record<px::doc::rpid_activities> a(ctx);
  px::rpid::add_value(ctx, a->rpid__choice2, RPID__ACTIVITIES_5_AWAY);
  RtDList list;
  rtxDListInit(&list);
  ASSERT_TRUE(px::add_extension(ctx, list, a).ok());
  ASSERT_TRUE(px::add_extension(ctx, list, a).ok());
  ASSERT_EQ(list.count, 2u);
  for (const RtXmlString& s : px::items(list))
    EXPECT_EQ(px::text(s), "<rpid:activities xmlns:rpid=\"urn:ietf:params:xml:ns:pidf:rpid\"><rpid:away/></rpid:activities>");
  // A record the encoder refuses adds nothing and says why.
  px::Record<dm__person> noId(ctx);
  px::Status refused = px::add_extension(ctx, list, noId);
  EXPECT_FALSE(refused.ok());
  EXPECT_FALSE(refused.errors.empty());
  EXPECT_EQ(list.count, 2u);
  for (const RtXmlString& s : px::items(list)) rtxMemHeapFreePtr(ctx, s.value);
  rtxDListFreeAll(ctx, &list);
}

// The lists of a record whose type several documents share are walked as
// the document named.
TEST(CxxBuild, ARecordOfASharedTypeIsWalkedAsTheDocumentNamed) {
  px::Context ctx;
  px::Record<px::doc::rpid_mood> mood(ctx);
  px::rpid::add_value(ctx, mood->rpid__choice2, RPID__MOOD_5_CALM);
  rpid__mood_5* foreign = px::rpid::add_value(ctx, mood->rpid__choice2, RPID__MOOD_5_ANY);
  px::append_text(ctx, foreign->u.rpid__any, "<x:zen xmlns:x=\"urn:example:moods\"/>");
  px::Extensions kept = px::extensions<px::doc::rpid_mood>(ctx, *mood);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].element(), "zen");
  // Walked as activities, the same tag is no foreign value.
  EXPECT_TRUE(px::extensions<px::doc::rpid_activities>(ctx, *mood).empty());
  px::Encoded xml = px::encode(ctx, mood);
  ASSERT_TRUE(xml.ok()) << xml.errors.text();
  EXPECT_NE(xml.text.find("<rpid:calm/><x:zen xmlns:x=\"urn:example:moods\"/>"), std::string::npos) << xml.text;
}

TEST(CxxBuild, ListsAreTypedRangesAndItemsComeFromTheHeap) {
  px::Context ctx;
  px::Record<tns_presence> p(ctx);
  size_t blocks = rtxMemHeapLiveBlocks(ctx);
  for (const char* id : {"a", "b", "c"}) px::set_text(ctx, px::append<tns_tuple>(ctx, p->tns_tuple)->tns_id, id);
  EXPECT_GT(rtxMemHeapLiveBlocks(ctx), blocks);
  std::string ids;
  for (const tns_tuple& t : px::items(p->tns_tuple)) ids += px::c_str(t.tns_id);
  for (tns_tuple& t : px::items<tns_tuple>(p->tns_tuple)) EXPECT_EQ(t.present, 0u);  // zero-filled
  EXPECT_EQ(ids, "abc");
  EXPECT_EQ(px::items(p->tns_tuple).size(), 3u);
  EXPECT_TRUE(px::items(p->tns_note).empty());
  // A const list gives only const items.
  const RtDList& frozen = p->tns_tuple;
  using ConstItem = decltype(*px::items(frozen).begin());
  static_assert(std::is_convertible_v<ConstItem, const tns_tuple&>);
  static_assert(!std::is_convertible_v<ConstItem, tns_tuple&>);
  static_assert(std::is_same_v<decltype(*px::items<tns_tuple>(frozen).begin()), const tns_tuple&>);
  // Replacing a text returns the former one to the heap.
  tns_tuple& first = *static_cast<tns_tuple*>(p->tns_tuple.head->data);
  size_t before = rtxMemHeapLiveBlocks(ctx);
  px::set_text(ctx, first.tns_id, "a much longer identifier than before");
  px::set_text(ctx, first.tns_id, "");
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctx), before);
  EXPECT_EQ(px::text(first.tns_id), "");
  EXPECT_NE(first.tns_id.value, nullptr);
  // Releasing the record returns everything.
  p = px::Record<tns_presence>(ctx);
  EXPECT_EQ(rtxMemHeapLiveBlocks(ctx), blocks);
}

TEST(CxxBuild, PresenceBitsAreSetClearedAndTested) {
  tns__watcher w{};
  px::mark(w, TNS__WATCHER_DISPLAY_NAME | TNS__WATCHER_LANG);
  EXPECT_TRUE(px::has(w, TNS__WATCHER_LANG));
  EXPECT_FALSE(px::has(w, TNS__WATCHER_LANG | TNS__WATCHER_EXPIRATION));
  px::unmark(w, TNS__WATCHER_DISPLAY_NAME);
  EXPECT_EQ(w.present, static_cast<uint32_t>(TNS__WATCHER_LANG));
  EXPECT_EQ(px::set_optional(w, TNS__WATCHER_DURATION_SUBSCRIBED, w.tns_duration_subscribed, uint64_t{42}), 42u);
  EXPECT_EQ(w.present, static_cast<uint32_t>(TNS__WATCHER_LANG | TNS__WATCHER_DURATION_SUBSCRIBED));
  // A status without basic holds 0 there, which is "open": the bit decides.
  tns_status status{};
  EXPECT_STREQ(px::pidf::basic(status), "");
  status.tns_basic = TNS_BASIC_CLOSED;
  px::mark(status, TNS_STATUS_BASIC);
  EXPECT_STREQ(px::pidf::basic(status), "closed");
}

// Every value of every enumeration goes to its text and back; other texts
// and values have none.
TEST(CxxBuild, EnumerationsConvertBothWays) {
  struct Row {
    const char* enumeration;
    std::function<const char*(uint16_t)> text;
    std::function<std::optional<uint16_t>(std::string_view)> value;
    std::vector<const char*> texts;  // in value order
  };
#define PX_ROW(E, ...) {#E, px::enums::E::text, px::enums::E::value, {__VA_ARGS__}}
  const Row rows[] = {
      PX_ROW(tns_basic, "open", "closed"),
      PX_ROW(rpid_activeIdle, "active", "idle"),
      PX_ROW(rlmi__instance_state, "active", "pending", "terminated"),
      PX_ROW(tns__watcher_status, "pending", "active", "waiting", "terminated"),
      PX_ROW(tns__watcher_event, "subscribe", "approved", "deactivated", "probation", "rejected", "timeout", "giveup",
             "noresource"),
      PX_ROW(tns__watcherinfo_state, "full", "partial"),
      PX_ROW(pos, "before", "after", "prepend"),
      PX_ROW(ws, "before", "after", "both"),
  };
#undef PX_ROW
  for (const Row& row : rows) {
    SCOPED_TRACE(row.enumeration);
    for (uint16_t v = 0; v < row.texts.size(); ++v) {
      EXPECT_STREQ(row.text(v), row.texts[v]);
      EXPECT_EQ(row.value(row.texts[v]), std::optional<uint16_t>(v));
    }
    EXPECT_STREQ(row.text(static_cast<uint16_t>(row.texts.size())), "");
    EXPECT_EQ(row.value("Open"), std::nullopt);
    EXPECT_EQ(row.value(""), std::nullopt);
    EXPECT_EQ(row.value(std::string_view(row.texts[0], 2)), std::nullopt);  // a prefix is no text
  }
  EXPECT_EQ(px::enums::tns_basic::value("closed"), std::optional<uint16_t>(TNS_BASIC_CLOSED));
  EXPECT_STREQ(px::choice_name(px::choice_names::rpid__activities_5, RPID__ACTIVITIES_5_IN_TRANSIT), "in-transit");
  EXPECT_STREQ(px::choice_name(px::choice_names::rpid__mood_5, RPID__MOOD_5_ANY), "any");
  EXPECT_STREQ(px::choice_name(px::choice_names::rpid__mood_5, 0), "");
  EXPECT_STREQ(px::choice_name(px::choice_names::rpid__mood_5, 1000), "");
}

}  // namespace
