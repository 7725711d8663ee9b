// Element lookup through a content-model table (the presence tuple), the
// report of a refused element, attribute IDs, missing required attributes
// and attributes on an element that takes none.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "rt_fixture.h"

using namespace pxtest;

namespace {

constexpr int kPidf = 9, kElems = 5, kStates = 5;
constexpr uint8_t NO = RT_STATE_NO, FE = RT_STATE_FINAL;

// tuple: status, any foreign element*, contact?, note*, timestamp?
const RtXmlElemInfo kTuple[] = {{"status", kPidf, 1, 1}, {"", kPidf, 0, -1}, {"contact", kPidf, 0, 1},
                                {"note", kPidf, 0, -1}, {"timestamp", kPidf, 0, 1}};
const uint8_t kMatrix[] = {
    1,  NO, NO, NO, NO,  // status
    NO, 2,  2,  NO, NO,  // wildcard
    NO, 3,  3,  NO, NO,  // contact
    NO, 4,  4,  4,  4,   // note
    NO, FE, FE, FE, FE,  // timestamp
};

int step(uint16_t* state, const char* name, int nsidx) {
  return rtSaxGetElemID8(state, 0, u8(name), nsidx, kTuple, kMatrix, kElems, kStates);
}
int report(RtContext* c, uint16_t* state, const char* local, const char* qname) {
  return rtSaxLookupElemID8(c, state, 0, u8(local), u8(qname), kPidf, kTuple, kMatrix, kElems, kStates);
}

}  // namespace

TEST(LookupElem, LegalSequenceWalksTheStates) {
  uint16_t state = 0;
  for (auto [name, ns, row, next] : {std::tuple<const char*, int, int, int>{"status", kPidf, 0, 1}, {"person", 6, 1, 2},
                                     {"x", -1, 1, 2}, {"contact", kPidf, 2, 3}, {"note", kPidf, 3, 4},
                                     {"note", kPidf, 3, 4}, {"timestamp", kPidf, 4, FE}}) {
    EXPECT_EQ(step(&state, name, ns), row) << name;
    EXPECT_EQ(state, next) << name;
  }
  for (auto [name, ns] : {std::pair{"note", kPidf}, {"status", kPidf}, {"x", 1}, {"y", -1}}) {
    EXPECT_EQ(step(&state, name, ns), -1) << name;  // nothing follows the final state
    EXPECT_EQ(state, FE);
  }
}

TEST(LookupElem, EveryStateAgainstEveryKindOfElement) {
  const std::pair<const char*, int> probes[] = {{"status", kPidf}, {"contact", kPidf}, {"note", kPidf},
                                                {"timestamp", kPidf}, {"other", 1}, {"other", -1},
                                                {"status", 1}, {"note", -1}, {"bogus", kPidf}};
  using E = std::pair<int, int>;  // row, next state
  const E R = {-1, -1}, W = {1, 2};  // refused (state kept); taken by the wildcard
  const std::pair<uint16_t, std::array<E, 9>> table[] = {
      {0, {E{0, 1}, R, R, R, R, R, R, R, R}},
      {1, {R, E{2, 3}, E{3, 4}, E{4, FE}, W, W, W, W, R}},
      {2, {R, E{2, 3}, E{3, 4}, E{4, FE}, W, W, W, W, R}},
      {3, {R, R, E{3, 4}, E{4, FE}, R, R, R, R, R}},
      {4, {R, R, E{3, 4}, E{4, FE}, R, R, R, R, R}},
      {5, {R, R, R, R, R, R, R, R, R}},  // past the columns
      {FE, {R, R, R, R, R, R, R, R, R}}};
  for (const auto& [from, expect] : table)
    for (int p = 0; p < 9; ++p) {
      uint16_t state = from;
      EXPECT_EQ(step(&state, probes[p].first, probes[p].second), expect[p].first)
          << "state " << from << " " << probes[p].first << "@" << probes[p].second;
      EXPECT_EQ(state, expect[p].first < 0 ? from : expect[p].second) << "state " << from << " " << p;
    }
  uint16_t state = 1;
  EXPECT_EQ(rtSaxGetElemID8(&state, 0, nullptr, kPidf, kTuple, kMatrix, kElems, kStates), -1);
  EXPECT_EQ(rtSaxGetElemID8(nullptr, 0, u8("note"), kPidf, kTuple, kMatrix, kElems, kStates), -1);
  EXPECT_EQ(state, 1);
}

TEST(LookupElem, RefusalReportNamesWhatWasAllowed) {
  Ctx c;
  std::vector<StatusParams> expect;
  for (auto [from, local, qname, allowed] :
       {std::tuple<uint16_t, const char*, const char*, const char*>{0, "contact", "p:contact", "status"},
        {1, "status", "status", "an element of another namespace, contact, note, timestamp"},
        {3, "contact", nullptr, "note, timestamp"},
        {FE, "note", "note", "no further element"}}) {
    uint16_t state = from;
    EXPECT_EQ(report(c, &state, local, qname), -1);
    EXPECT_EQ(state, from);
    expect.push_back({ST_ELEMENT_NOT_EXPECTED, {qname ? qname : local, allowed}});
  }
  EXPECT_EQ(statusParams(c), expect);
  Ctx limited;  // at the error limit nothing more is recorded
  rtxSetLimit(limited, RT_LIMIT_ERRORS, 2);
  for (int i = 0; i < 4; ++i) {
    uint16_t state = 0;
    EXPECT_EQ(report(limited, &state, "note", "note"), -1);
  }
  EXPECT_EQ(rtxErrGetCount(limited), 2);
}

TEST(LookupAttr, IdsByWrittenNameAndSeenBits) {
  const char* names[] = {"id", "lang", "version", "entity"};
  uint32_t seen = 0;
  for (auto [name, id] : {std::pair{"id", 0}, {"xml:lang", 1}, {"lang", -1}, {"p:id", -1}, {"xml:id", -1},
                          {"ID", -1}, {"entity", 3}, {"", -1}, {"versions", -1}, {"xmlns:lang", -1}})
    EXPECT_EQ(rtSaxGetAttributeID(u8(name), 4, names, &seen), id) << name;
  EXPECT_EQ(seen, 0b1011u);
  // The search starts at the first name not seen yet and wraps around.
  EXPECT_EQ(rtSaxGetAttributeID(u8("id"), 4, names, &seen), 0);
  EXPECT_EQ(rtSaxGetAttributeID(u8("xml:lang"), 4, names, &seen), 1);
  EXPECT_EQ(seen, 0b1011u);
  uint32_t all = ~0u;
  EXPECT_EQ(rtSaxGetAttributeID(u8("entity"), 4, names, &all), 3);
  EXPECT_EQ(rtSaxGetAttributeID(u8("version"), 4, names, nullptr), 2);
  EXPECT_EQ(rtSaxGetAttributeID(u8("version"), 2, names, &seen), -1);  // beyond nAttrs
  std::vector<std::string> many;  // attributes past bit 31 leave the word alone
  for (int i = 0; i < 40; ++i) many.push_back("a" + std::to_string(i));
  std::vector<const char*> ptrs;
  for (auto& m : many) ptrs.push_back(m.c_str());
  seen = 0;
  EXPECT_EQ(rtSaxGetAttributeID(u8("a31"), 40, ptrs.data(), &seen), 31);
  EXPECT_EQ(rtSaxGetAttributeID(u8("a35"), 40, ptrs.data(), &seen), 35);
  EXPECT_EQ(seen, 0x80000000u);
}

TEST(LookupAttr, MissingRequiredAttributes) {
  const char* names[] = {"id", "lang", "version", "entity"};
  Ctx c;
  EXPECT_EQ(rtSaxTestAttributesPresent(c, 0b0100, 0b0111, names, 4, "tns_tuple"), ST_MISSING_ATTRIBUTE);
  EXPECT_EQ(statusParams(c), (std::vector<StatusParams>{{ST_MISSING_ATTRIBUTE, {"tns_tuple", "id"}},
                                                         {ST_MISSING_ATTRIBUTE, {"tns_tuple", "xml:lang"}}}));
  rtxErrReset(c);
  for (auto [seen, required] : {std::pair{0b1111u, 0b0111u}, {0b0111u, 0b0111u}, {0u, 0u}})
    EXPECT_EQ(rtSaxTestAttributesPresent(c, seen, required, names, 4, "tns_tuple"), 0);
  EXPECT_EQ(rtxErrGetCount(c), 0);
  rtxSetLimit(c, RT_LIMIT_ERRORS, 1);
  EXPECT_EQ(rtSaxTestAttributesPresent(c, 0, 0b1001, names, 4, "t"), ST_MISSING_ATTRIBUTE);
  EXPECT_EQ(statusParams(c), (std::vector<StatusParams>{{ST_MISSING_ATTRIBUTE, {"t", "id"}}}));
}

TEST(LookupAttr, UnexpectedAttributesOnAnElementThatTakesNone) {
  const OSUTF8CHAR* attrs[] = {u8("xmlns"), u8("urn:a"), u8("xmlns:p"), u8("urn:b"), u8("xsi:type"), u8("t"),
                               u8("id"),    u8("1"),     u8("p:foo"),   u8("2"),     u8("xmlnsx"),   u8("3"),
                               nullptr};
  Ctx c;
  EXPECT_EQ(rtSaxReportUnexpAttrs(c, attrs, "basic"), ST_UNEXPECTED_ATTRIBUTE);
  EXPECT_EQ(statusParams(c), (std::vector<StatusParams>{{ST_UNEXPECTED_ATTRIBUTE, {"basic", "id"}},
                                                         {ST_UNEXPECTED_ATTRIBUTE, {"basic", "p:foo"}},
                                                         {ST_UNEXPECTED_ATTRIBUTE, {"basic", "xmlnsx"}}}));
  rtxErrReset(c);
  EXPECT_EQ(rtSaxReportUnexpAttrs(c, attrs + 6, ""), 0);  // a wildcard match is exempt
  EXPECT_EQ(rtSaxReportUnexpAttrs(c, attrs, nullptr), 0);
  EXPECT_EQ(rtSaxReportUnexpAttrs(c, attrs + 12, "basic"), 0);
  EXPECT_EQ(rtSaxReportUnexpAttrs(c, attrs, "basic"), ST_UNEXPECTED_ATTRIBUTE);
  EXPECT_EQ(rtxErrGetCount(c), 3);
  const OSUTF8CHAR* nsOnly[] = {u8("xmlns:q"), u8("urn:q"), u8("xsi:nil"), u8("true"), nullptr};
  rtxErrReset(c);
  EXPECT_EQ(rtSaxReportUnexpAttrs(c, nsOnly, "basic"), 0);
  rtxSetLimit(c, RT_LIMIT_ERRORS, 2);
  EXPECT_EQ(rtSaxReportUnexpAttrs(c, attrs, "basic"), ST_UNEXPECTED_ATTRIBUTE);
  EXPECT_EQ(rtxErrGetCount(c), 2);
}
