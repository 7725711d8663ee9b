// RPID: every activity and mood value through a round trip, the choice tags
// (empty alternatives count), foreign elements as list items, the refusals
// of the content models, the statuses at an element's end, the valued
// elements' conversions and bounds, and the simple-typed class document.
#include <gtest/gtest.h>

#include <cstring>

#include "module_support.h"

using namespace pxtest;

namespace {

const char* kRpid = "urn:ietf:params:xml:ns:pidf:rpid";

std::string rpidDoc(const std::string& element, const std::string& body, const std::string& attrs = "") {
  return "<r:" + element + " xmlns:r='" + kRpid + "' xmlns:x='urn:x'" + attrs + ">" + body + "</r:" + element + ">";
}

template <typename T>
int decode(RtContext* ctxt, int (*fn)(RtContext*, T*), const std::string& text, T* out) {
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  return fn(ctxt, out);
}

template <typename T>
std::string encode(RtContext* ctxt, int (*fn)(RtContext*, T*), T* record, int* st) {
  rtxResetOutput(ctxt);
  *st = fn(ctxt, record);
  return rtxGetOutput(ctxt, nullptr);
}

const rpid__activities_5& item(const rpid__activities& a, int i) {
  RtDListNode* n = a.rpid__choice2.u.rpid__seq2.head;
  while (i-- > 0) n = n->next;
  return static_cast<rpid__activities_4*>(n->data)->rpid__choice1;
}

}  // namespace

// Each value name of a list, in tag order, decodes to its tag and comes back.
struct ValueListCase {
  const char* element;
  std::vector<std::string> names;
};

class RpidValues : public ::testing::TestWithParam<ValueListCase> {};

TEST_P(RpidValues, EveryValueDecodesToItsTagAndRoundTrips) {
  SimpleCtx ctxt;
  const auto& c = GetParam();
  std::string body = "<r:note>n</r:note>";
  for (const auto& name : c.names) body += "<r:" + name + "/>";
  body += "<r:other xml:lang='en'>free text</r:other><x:a/><x:b>t</x:b>";
  std::string text = rpidDoc(c.element, body);
  const pxsimple::DocumentOps* ops = pxsimple::findDocument(c.element, PX_NS_RPID);
  ASSERT_NE(ops, nullptr);
  AnyRecord first(ctxt, ops);
  ASSERT_EQ(first.decode(text), 0);
  auto* a = static_cast<rpid__activities*>(first.get());
  uint16_t n = static_cast<uint16_t>(c.names.size());
  ASSERT_EQ(a->rpid__choice2.t, 2);
  ASSERT_EQ(a->rpid__choice2.u.rpid__seq2.count, n + 3u);
  for (uint16_t i = 0; i < n; ++i) EXPECT_EQ(item(*a, i).t, i + 1) << c.names[i];
  // other: the tag after every empty value; then one item per foreign element.
  EXPECT_EQ(item(*a, n).t, n + 1);
  EXPECT_STREQ(str(item(*a, n).u.rpid_other.lang.value), "en");
  EXPECT_EQ(item(*a, n + 1).t, n + 2);
  EXPECT_EQ(item(*a, n + 1).u.rpid__any.count, 1u);
  EXPECT_EQ(item(*a, n + 2).t, n + 2);
  expectRoundTrip(ctxt, ops, text, &first);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RpidValues,
    ::testing::Values(
        ValueListCase{"activities",
                      {"appointment", "away", "breakfast", "busy", "dinner", "holiday", "in-transit",
                       "looking-for-work", "meal", "meeting", "on-the-phone", "performance", "permanent-absence",
                       "playing", "presentation", "shopping", "sleeping", "spectator", "steering", "travel", "tv",
                       "vacation", "working", "worship"}},
        ValueListCase{"mood",
                      {"afraid",     "amazed",     "angry",       "annoyed",    "anxious",   "ashamed",
                       "bored",      "brave",      "calm",        "cold",       "confused",  "contented",
                       "cranky",     "curious",    "depressed",   "disappointed", "disgusted", "distracted",
                       "embarrassed", "excited",   "flirtatious", "frustrated", "grumpy",    "guilty",
                       "happy",      "hot",        "humbled",     "humiliated", "hungry",    "hurt",
                       "impressed",  "in_awe",     "in_love",     "indignant",  "interested", "invincible",
                       "jealous",    "lonely",     "mean",        "moody",      "nervous",   "neutral",
                       "offended",   "playful",    "proud",       "relieved",   "remorseful", "restless",
                       "sad",        "sarcastic",  "serious",     "shocked",    "shy",       "sick",
                       "sleepy",     "stressed",   "surprised",   "thirsty",    "worried"}}),
    [](const auto& info) { return std::string(info.param.element); });

TEST(Rpid, ActivitiesChoicesAtTheirEdges) {
  SimpleCtx ctxt;
  rpid__activities a;
  // Nothing chosen: accepted, and written back as an empty element.
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_activities, rpidDoc("activities", ""), &a), 0);
  EXPECT_EQ(a.rpid__choice2.t, 0);
  int st = -1;
  EXPECT_NE(encode(ctxt, PxXmlE_rpid_activities, &a, &st).find("<rpid:activities xmlns:rpid="), std::string::npos);
  EXPECT_EQ(st, 0);
  PxMemFree_rpid__activities(ctxt, &a);
  // busy and tv: tags 4 and 21.
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_activities, rpidDoc("activities", "<r:busy/><r:tv/>"), &a), 0);
  EXPECT_EQ(item(a, 0).t, 4);
  EXPECT_EQ(item(a, 1).t, 21);
  // The list alternative with no item: refused by the encoder.
  PxMemFree_rpid__activities(ctxt, &a);
  PxInit_rpid__activities(ctxt, &a);
  a.rpid__choice2.t = 2;
  rtxErrReset(ctxt);
  encode(ctxt, PxXmlE_rpid_activities, &a, &st);
  EXPECT_EQ(st, ST_CONSTRAINT);
  EXPECT_EQ(statusParams(ctxt)[0], StatusParams(ST_CONSTRAINT, {"rpid__activities_2.u.rpid__seq2.count", "0"}));
  // A value with no foreign element in its wildcard alternative.
  rpid__activities_4 empty;
  PxInit_rpid__activities_4(ctxt, &empty);
  empty.rpid__choice1.t = 26;
  rtxDListAppend(ctxt, &a.rpid__choice2.u.rpid__seq2, &empty);
  rtxErrReset(ctxt);
  encode(ctxt, PxXmlE_rpid_activities, &a, &st);
  EXPECT_EQ(statusParams(ctxt)[0], StatusParams(ST_CONSTRAINT, {"rpid__activities_5.u.rpid__any.count", "0"}));
  empty.rpid__choice1.t = 27;
  rtxErrReset(ctxt);
  encode(ctxt, PxXmlE_rpid_activities, &a, &st);
  EXPECT_EQ(statusParams(ctxt)[0], StatusParams(ST_BAD_CHOICE, {"27"}));
  rtxDListFreeNodes(ctxt, &a.rpid__choice2.u.rpid__seq2);
  // Refused: anything after unknown, a value after a foreign element.
  rtxErrReset(ctxt);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_activities, rpidDoc("activities", "<r:unknown/><r:busy/>"), &a),
            ST_ELEMENT_NOT_EXPECTED);
  EXPECT_EQ(a.rpid__choice2.t, 1);
  PxMemFree_rpid__activities(ctxt, &a);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_activities, rpidDoc("activities", "<x:a/><r:busy/>"), &a),
            ST_ELEMENT_NOT_EXPECTED);
  PxMemFree_rpid__activities(ctxt, &a);
}

TEST(Rpid, PrintingAnEmptyAlternativeIsTheTagLineAlone) {
  rpid__activities_5 v{};
  v.t = 4;
  EXPECT_EQ(capturedStdout([&] { PxPrint_rpid__activities_5("v", &v); }), "v.t = 4\n");
}

TEST(Rpid, PrintingAnOtherValue) {
  SimpleCtx ctxt;
  rpid__activities a;
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_activities, rpidDoc("activities", "<r:other xml:lang='de'>frei</r:other>"), &a), 0);
  EXPECT_EQ(capturedStdout([&] { PxPrint_rpid__activities_5("v", &item(a, 0)); }),
            "v.t = 25\nv.u.rpid_other = 'frei'\nv.u.rpid_other.lang = 'de'\n");
  PxMemFree_rpid__activities(ctxt, &a);
}

TEST(Rpid, MoodNeedsAValueAndForeignElementsAreOneItemEach) {
  SimpleCtx ctxt;
  rpid__mood m;
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_mood, rpidDoc("mood", "<r:note>n</r:note>"), &m), ST_BAD_CHOICE);
  auto errs = errors(ctxt);
  ASSERT_EQ(errs.size(), 1u);
  EXPECT_TRUE(errs[0].params.empty());
  int st = -1;
  rtxErrReset(ctxt);
  encode(ctxt, PxXmlE_rpid_mood, &m, &st);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_BAD_CHOICE, {"0"}}}));
  PxMemFree_rpid__mood(ctxt, &m);

  rtxErrReset(ctxt);
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_mood, rpidDoc("mood", "<x:a/><x:b/>"), &m), 0);
  ASSERT_EQ(m.rpid__choice2.u.rpid__seq2.count, 2u);
  EXPECT_EQ(item(m, 0).t, 61);
  EXPECT_EQ(item(m, 1).t, 61);
  EXPECT_EQ(item(m, 0).u.rpid__any.count, 1u);
  // One item holding two texts writes both elements.
  rtxDListAppend(ctxt, const_cast<RtDList*>(&item(m, 0).u.rpid__any), newText(ctxt, "<x:c xmlns:x=\"urn:x\"/>"));
  std::string xml = encode(ctxt, PxXmlE_rpid_mood, &m, &st);
  ASSERT_EQ(st, 0);
  EXPECT_LT(xml.find("<x:a"), xml.find("<x:c"));
  EXPECT_LT(xml.find("<x:c"), xml.find("<x:b")) << xml;
  PxMemFree_rpid__mood(ctxt, &m);
}

TEST(Rpid, PlaceIsConditions) {
  SimpleCtx ctxt;
  rpid__place_is p;
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_place_is, rpidDoc("place-is", "<r:audio><r:noisy/></r:audio><r:text><r:ok/></r:text>"),
                   &p), 0);
  EXPECT_EQ(p.present, 5u);
  EXPECT_EQ(p.rpid_audio.t, 1);
  EXPECT_EQ(p.rpid_text.t, 3);
  int st = -1;
  std::string xml = encode(ctxt, PxXmlE_rpid_place_is, &p, &st);
  ASSERT_EQ(st, 0);
  EXPECT_LT(xml.find("audio"), xml.find("<rpid:text>"));
  PxMemFree_rpid__place_is(ctxt, &p);
  // Two children of video: the second is unexpected; none: -9 at its end.
  rtxErrReset(ctxt);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_place_is, rpidDoc("place-is", "<r:video><r:ok/><r:dark/></r:video>"), &p),
            ST_UNEXPECTED_ELEMENT);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_UNEXPECTED_ELEMENT, {"r:dark"}}}));
  EXPECT_EQ(p.rpid_video.t, 2);
  PxMemFree_rpid__place_is(ctxt, &p);
  rtxErrReset(ctxt);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_place_is, rpidDoc("place-is", "<r:video/>"), &p), ST_BAD_CHOICE);
  PxMemFree_rpid__place_is(ctxt, &p);
  // text ends the content: audio after it is refused.
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_place_is, rpidDoc("place-is", "<r:text><r:ok/></r:text><r:audio><r:ok/></r:audio>"),
                   &p), ST_ELEMENT_NOT_EXPECTED);
  PxMemFree_rpid__place_is(ctxt, &p);
}

TEST(Rpid, PrivacyMediaOrderAndForeignElements) {
  SimpleCtx ctxt;
  rpid__privacy p;
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_privacy, rpidDoc("privacy", "<r:text/><r:audio/>"), &p), ST_ELEMENT_NOT_EXPECTED);
  PxMemFree_rpid__privacy(ctxt, &p);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_privacy, rpidDoc("privacy", "<r:unknown/><x:a/>"), &p), ST_ELEMENT_NOT_EXPECTED);
  PxMemFree_rpid__privacy(ctxt, &p);
  rtxErrReset(ctxt);
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_privacy, rpidDoc("privacy", "<x:a/>"), &p), 0);
  EXPECT_EQ(p.rpid__choice2.t, 2);
  EXPECT_EQ(p.rpid__choice2.u.rpid__seq2.present, 0u);
  EXPECT_EQ(p.rpid__choice2.u.rpid__seq2.rpid__any.count, 1u);
  PxMemFree_rpid__privacy(ctxt, &p);
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_privacy, rpidDoc("privacy", "<r:audio/><r:video/>"), &p), 0);
  EXPECT_EQ(p.rpid__choice2.u.rpid__seq2.present, 5u);
  // Nothing chosen encodes as an empty element, which the decoder refuses.
  PxMemFree_rpid__privacy(ctxt, &p);
  PxInit_rpid__privacy(ctxt, &p);
  int st = -1;
  std::string xml = encode(ctxt, PxXmlE_rpid_privacy, &p, &st);
  ASSERT_EQ(st, 0);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_privacy, xml, &p), ST_BAD_CHOICE);
  PxMemFree_rpid__privacy(ctxt, &p);
}

TEST(Rpid, PlaceTypeSphereRelationshipServiceClass) {
  SimpleCtx ctxt;
  rpid__place_type pt;
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_place_type, rpidDoc("place-type", "<r:other>x</r:other><x:a/>"), &pt),
            ST_ELEMENT_NOT_EXPECTED);
  EXPECT_EQ(pt.rpid__choice2.t, 1);
  PxMemFree_rpid__place_type(ctxt, &pt);

  rpid__sphere s;
  rtxErrReset(ctxt);
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_sphere, rpidDoc("sphere", "bowling league"), &s), 0);
  EXPECT_EQ(s.t, 0);
  PxMemFree_rpid__sphere(ctxt, &s);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_sphere, rpidDoc("sphere", "<r:work/><r:home/>"), &s), ST_UNEXPECTED_ELEMENT);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_UNEXPECTED_ELEMENT, {"r:home"}}}));
  EXPECT_EQ(s.t, 2);
  PxMemFree_rpid__sphere(ctxt, &s);
  PxInit_rpid__sphere(ctxt, &s);
  s.t = 4;
  rtxErrReset(ctxt);
  int st = -1;
  encode(ctxt, PxXmlE_rpid_sphere, &s, &st);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_CONSTRAINT, {"rpid__sphere.u.rpid__any.count", "0"}}}));

  rpid__relationship r;
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_relationship, rpidDoc("relationship", "<r:family/>"), &r), 0);
  EXPECT_EQ(r.rpid__choice2.t, 3);
  PxMemFree_rpid__relationship(ctxt, &r);
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_relationship, rpidDoc("relationship", "<x:a/><x:b/>"), &r), 0);
  EXPECT_EQ(r.rpid__choice2.t, 9);
  EXPECT_EQ(r.rpid__choice2.u.rpid__any.count, 2u);
  PxMemFree_rpid__relationship(ctxt, &r);
  rtxErrReset(ctxt);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_relationship, rpidDoc("relationship", "<r:friend/><r:self/>"), &r),
            ST_ELEMENT_NOT_EXPECTED);
  PxMemFree_rpid__relationship(ctxt, &r);

  rpid__service_class sc;
  rtxErrReset(ctxt);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_service_class, rpidDoc("service-class", ""), &sc), ST_BAD_CHOICE);
  rtxErrReset(ctxt);
  encode(ctxt, PxXmlE_rpid_service_class, &sc, &st);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_BAD_CHOICE, {"0"}}}));
  PxMemFree_rpid__service_class(ctxt, &sc);
}

TEST(Rpid, ValuedElements) {
  SimpleCtx ctxt;
  rpid__user_input u;
  std::string text = rpidDoc("user-input", "idle", " idle-threshold='0' last-input='2001-10-27T16:49:29Z'");
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_user_input, text, &u), ST_CONSTRAINT);
  EXPECT_EQ(statusParams(ctxt),
            (std::vector<StatusParams>{{ST_CONSTRAINT, {"rpid__user_input.rpid_idle_threshold", "0"}}}));
  EXPECT_EQ(u.present, 2u);
  EXPECT_EQ(u.value, 1);
  rtxErrReset(ctxt);
  rtxSetInputBuffer(ctxt, text.data(), text.size());
  EXPECT_EQ(PxXmlV_rpid_user_input(ctxt), ST_CONSTRAINT);
  EXPECT_EQ(statusParams(ctxt), (std::vector<StatusParams>{{ST_CONSTRAINT, {"idle-threshold", "0"}}}));
  // The encoder refuses the bound before writing what follows.
  u.present |= 1;
  rtxErrReset(ctxt);
  int st = -1;
  std::string xml = encode(ctxt, PxXmlE_rpid_user_input, &u, &st);
  EXPECT_EQ(st, ST_CONSTRAINT);
  EXPECT_EQ(xml.find("last-input"), std::string::npos);
  PxMemFree_rpid__user_input(ctxt, &u);
  rtxErrReset(ctxt);
  u.value = 0;
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_user_input, rpidDoc("user-input", "asleep"), &u), ST_ENUM_UNKNOWN);
  EXPECT_EQ(statusParams(ctxt)[0], StatusParams(ST_ENUM_UNKNOWN, {"asleep"}));
  PxMemFree_rpid__user_input(ctxt, &u);

  rpid__time_offset t;
  rtxErrReset(ctxt);
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_time_offset, rpidDoc("time-offset", "60", " description='Tokyo'"), &t), 0);
  EXPECT_EQ(t.value, 60);
  EXPECT_EQ(t.present, 4u);
  PxMemFree_rpid__time_offset(ctxt, &t);
  EXPECT_EQ(decode(ctxt, PxXmlD_rpid_time_offset, rpidDoc("time-offset", "sixty"), &t), ST_BAD_VALUE);
  PxMemFree_rpid__time_offset(ctxt, &t);

  rpid__status_icon s;
  rtxErrReset(ctxt);
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_status_icon, rpidDoc("status-icon", "  http://x/i.png \n"), &s), 0);
  EXPECT_STREQ(str(s.value.value), "http://x/i.png");
  // The declaration the document encoder adds is written once.
  xml = encode(ctxt, PxXmlE_rpid_status_icon, &s, &st);
  ASSERT_EQ(st, 0);
  size_t decl = xml.find("xmlns:rpid=");
  EXPECT_EQ(xml.find("xmlns:rpid=", decl + 1), std::string::npos) << xml;
  PxMemFree_rpid__status_icon(ctxt, &s);
}

TEST(Rpid, ClassIsASimpleTypedDocument) {
  SimpleCtx ctxt;
  RtXmlString c{0, nullptr};
  ASSERT_EQ(decode(ctxt, PxXmlD_rpid_class, rpidDoc("class", "  forwarded   calls "), &c), 0);
  EXPECT_STREQ(str(c.value), "forwarded calls");
  rtxResetOutput(ctxt);
  EXPECT_EQ(PxXmlE_rpid_class(ctxt, &c), 0);
  EXPECT_EQ(std::string(rtxGetOutput(ctxt, nullptr)),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<class xmlns=\"urn:ietf:params:xml:ns:pidf:rpid\">"
            "forwarded calls</class>");
  rtxErrReset(ctxt);
  EXPECT_EQ(PxXmlV_rpid_class(ctxt), ST_NOT_SUPPORTED);
  EXPECT_EQ(rtxErrGetCount(ctxt), 0);
}
