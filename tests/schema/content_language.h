// The orders of children that a content model allows, for comparison with
// a transition matrix. Symbols are the element and wildcard particles of
// the model, numbered depth first (the rows of an element table). A child
// may start when some valid content begins with the children before it and
// itself: the prefixes of the model's language, the same language a matrix
// accepts (matrices check no minimum at the element's end).
#ifndef PX_TESTS_SCHEMA_CONTENT_LANGUAGE_H
#define PX_TESTS_SCHEMA_CONTENT_LANGUAGE_H

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "schema/xsd_model.h"

namespace pxtest::schema {

class ContentLanguage {
 public:
  explicit ContentLanguage(const xsd::Particle& top);

  const std::vector<const xsd::Particle*>& leaves() const { return leaves_; }
  int start() { return stateOf(closure({start_})); }
  // The state after `symbol`, or -1 when no valid content goes on that way.
  int next(int state, int symbol);
  // Whether the empty content is valid.
  bool nullable() const;

 private:
  using StateSet = std::set<int>;
  int newState();
  void edge(int from, int label, int to) { edges_[static_cast<size_t>(from)].push_back({label, to}); }
  int build(const xsd::Particle& p, int from);
  int buildOnce(const xsd::Particle& p, int from);
  StateSet closure(StateSet s) const;
  int stateOf(const StateSet& s);

  std::vector<const xsd::Particle*> leaves_;
  std::map<const xsd::Particle*, int> symbolOf_;
  std::vector<std::vector<std::pair<int, int>>> edges_;  // (symbol or -1 for epsilon, target)
  int start_ = 0;
  int accept_ = 0;
  std::vector<bool> live_;  // reaches the accepting state
  std::map<StateSet, int> ids_;
  std::vector<StateSet> sets_;
};

// Where the matrix and the model disagree: after the children `before`
// (the shortest such sequence), in matrix state `state`, the children that
// only the model allows and those that only the matrix allows. A
// disagreement met again in the same matrix state after longer sequences is
// reported once.
struct OrderDisagreement {
  std::vector<int> before;
  int state = 0;
  std::vector<int> schemaOnly;
  std::vector<int> tablesOnly;
};

std::vector<OrderDisagreement> compareWithMatrix(ContentLanguage& language, const uint8_t* matrix, int nRows,
                                                 int nStates);

}  // namespace pxtest::schema

#endif
