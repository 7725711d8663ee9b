#include "schema/content_language.h"

#include <deque>
#include <tuple>

namespace pxtest::schema {

namespace {

void collectLeaves(const xsd::Particle& p, std::vector<const xsd::Particle*>* out) {
  if (p.isGroup()) {
    for (const auto& c : p.particles) collectLeaves(c, out);
  } else {
    out->push_back(&p);
  }
}

}  // namespace

ContentLanguage::ContentLanguage(const xsd::Particle& top) {
  collectLeaves(top, &leaves_);
  for (size_t i = 0; i < leaves_.size(); ++i) symbolOf_[leaves_[i]] = static_cast<int>(i);
  start_ = newState();
  accept_ = build(top, start_);
  // Live states: those from which the accepting state can be reached.
  live_.assign(edges_.size(), false);
  live_[static_cast<size_t>(accept_)] = true;
  for (bool changed = true; changed;) {
    changed = false;
    for (size_t s = 0; s < edges_.size(); ++s)
      for (const auto& [label, to] : edges_[s])
        if (live_[static_cast<size_t>(to)] && !live_[s]) live_[s] = changed = true;
  }
}

int ContentLanguage::newState() {
  edges_.emplace_back();
  return static_cast<int>(edges_.size()) - 1;
}

// min copies, then either a loop (unbounded) or max - min optional copies.
int ContentLanguage::build(const xsd::Particle& p, int from) {
  int cur = from;
  for (int i = 0; i < p.min; ++i) cur = buildOnce(p, cur);
  if (p.max == xsd::kUnbounded) {
    int loop = newState();
    edge(cur, -1, loop);
    int end = buildOnce(p, loop);
    edge(end, -1, loop);
    return loop;
  }
  for (int i = p.min; i < p.max; ++i) {
    int end = buildOnce(p, cur);
    int join = newState();
    edge(cur, -1, join);
    edge(end, -1, join);
    cur = join;
  }
  return cur;
}

int ContentLanguage::buildOnce(const xsd::Particle& p, int from) {
  switch (p.kind) {
    case xsd::Particle::Kind::Element:
    case xsd::Particle::Kind::Any: {
      int to = newState();
      edge(from, symbolOf_.at(&p), to);
      return to;
    }
    case xsd::Particle::Kind::Sequence:
    case xsd::Particle::Kind::All: {  // the schemas use no xs:all; read as a sequence
      int cur = from;
      for (const auto& c : p.particles) cur = build(c, cur);
      return cur;
    }
    case xsd::Particle::Kind::Choice: {
      int to = newState();
      if (p.particles.empty()) edge(from, -1, to);
      for (const auto& c : p.particles) edge(build(c, from), -1, to);
      return to;
    }
  }
  return from;
}

ContentLanguage::StateSet ContentLanguage::closure(StateSet s) const {
  std::deque<int> work(s.begin(), s.end());
  while (!work.empty()) {
    int x = work.front();
    work.pop_front();
    for (const auto& [label, to] : edges_[static_cast<size_t>(x)])
      if (label < 0 && s.insert(to).second) work.push_back(to);
  }
  return s;
}

int ContentLanguage::stateOf(const StateSet& s) {
  bool live = false;
  for (int x : s) live = live || live_[static_cast<size_t>(x)];
  if (!live) return -1;
  auto it = ids_.find(s);
  if (it != ids_.end()) return it->second;
  int id = static_cast<int>(sets_.size());
  sets_.push_back(s);
  ids_[s] = id;
  return id;
}

int ContentLanguage::next(int state, int symbol) {
  if (state < 0) return -1;
  StateSet moved;
  for (int x : sets_[static_cast<size_t>(state)])
    for (const auto& [label, to] : edges_[static_cast<size_t>(x)])
      if (label == symbol) moved.insert(to);
  return moved.empty() ? -1 : stateOf(closure(moved));
}

bool ContentLanguage::nullable() const { return closure({start_}).count(accept_) > 0; }

std::vector<OrderDisagreement> compareWithMatrix(ContentLanguage& language, const uint8_t* matrix, int nRows,
                                                 int nStates) {
  struct Item {
    int schema;
    int tables;
    std::vector<int> before;
  };
  std::vector<OrderDisagreement> out;
  std::set<std::tuple<int, std::vector<int>, std::vector<int>>> reported;
  std::set<std::pair<int, int>> seen;
  std::deque<Item> work{{language.start(), 0, {}}};
  seen.insert({work.front().schema, 0});
  while (!work.empty()) {
    Item item = work.front();
    work.pop_front();
    OrderDisagreement d{item.before, item.tables, {}, {}};
    for (int row = 0; row < nRows; ++row) {
      int schemaNext = language.next(item.schema, row);
      // A state without a column (the final marker among them) takes nothing.
      int tablesNext = item.tables < nStates ? matrix[row * nStates + item.tables] : 0xFF;
      bool schemaOk = schemaNext >= 0, tablesOk = tablesNext != 0xFF;
      if (schemaOk && !tablesOk) d.schemaOnly.push_back(row);
      if (tablesOk && !schemaOk) d.tablesOnly.push_back(row);
      if (schemaOk && tablesOk && seen.insert({schemaNext, tablesNext}).second) {
        Item n{schemaNext, tablesNext, item.before};
        n.before.push_back(row);
        work.push_back(std::move(n));
      }
    }
    if ((!d.schemaOnly.empty() || !d.tablesOnly.empty()) &&
        reported.insert({d.state, d.schemaOnly, d.tablesOnly}).second)
      out.push_back(std::move(d));
  }
  return out;
}

}  // namespace pxtest::schema
