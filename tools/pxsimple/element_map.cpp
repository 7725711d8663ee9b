// Building the element map with the reader.
#include "element_map.h"

#include <map>

namespace pxsimple {

struct MapBuilder {
  RtSaxHandler head;
  ElementMap* map;
  std::vector<size_t> open;                      // elements not yet ended
  std::vector<std::map<std::string, int>> seen;  // namesakes so far, per depth
  std::vector<std::vector<size_t>> children;     // the children of each open element

  static Position here(RtContext* ctxt) {
    Position p;
    rtSaxGetPosition(ctxt, &p.line, &p.column);
    return p;
  }
  static int onStart(void* h, const OSUTF8CHAR*, const OSUTF8CHAR* qname, const OSUTF8CHAR* const*) {
    auto* b = static_cast<MapBuilder*>(h);
    size_t depth = b->open.size();
    if (b->seen.size() <= depth) b->seen.resize(depth + 1);
    if (b->children.size() <= depth) b->children.resize(depth + 1);
    std::string name = reinterpret_cast<const char*>(qname);
    int n = ++b->seen[depth][name];
    std::string parent = depth ? b->map->elements_[b->open.back()].path : std::string();
    b->map->elements_.push_back({parent + "/" + name + "[" + std::to_string(n) + "]", here(b->head.context), {},
                                 static_cast<int>(depth)});
    b->children[depth].push_back(b->map->elements_.size() - 1);
    b->open.push_back(b->map->elements_.size() - 1);
    if (b->seen.size() <= depth + 1) b->seen.resize(depth + 2);
    b->seen[depth + 1].clear();
    if (b->children.size() <= depth + 1) b->children.resize(depth + 2);
    b->children[depth + 1].clear();
    return 0;
  }
  static int onEnd(void* h, const OSUTF8CHAR*, const OSUTF8CHAR*) {
    auto* b = static_cast<MapBuilder*>(h);
    if (b->open.empty()) return 0;
    size_t depth = b->open.size();
    b->map->elements_[b->open.back()].end = here(b->head.context);
    // "[1]" only where an element has namesakes among its siblings.
    if (depth < b->children.size()) b->simplify(b->children[depth], b->seen[depth]);
    b->open.pop_back();
    return 0;
  }
  static int onText(void*, const OSUTF8CHAR*, int) { return 0; }

  void simplify(const std::vector<size_t>& kids, const std::map<std::string, int>& counts) {
    for (size_t i : kids) {
      std::string& path = map->elements_[i].path;
      size_t bracket = path.rfind('[');
      std::string name = path.substr(path.rfind('/') + 1, bracket - path.rfind('/') - 1);
      auto it = counts.find(name);
      if (it != counts.end() && it->second == 1) renamePrefix(i, path.substr(0, bracket));
    }
  }
  // Drop the "[1]" of an element in its own path and its descendants'. They
  // follow it in document order, up to the next element no deeper than it:
  // a walk further on would make a document of many siblings take time
  // quadratic in their number.
  void renamePrefix(size_t index, const std::string& shorter) {
    std::string old = map->elements_[index].path;
    const int depth = map->elements_[index].depth;
    for (size_t j = index; j < map->elements_.size(); ++j) {
      if (j > index && map->elements_[j].depth <= depth) break;
      std::string& p = map->elements_[j].path;
      if (p.compare(0, old.size(), old) == 0 && (p.size() == old.size() || p[old.size()] == '/'))
        p = shorter + p.substr(old.size());
    }
  }
};

bool ElementMap::build(RtContext* ctxt) {
  elements_.clear();
  MapBuilder b{};
  b.head.context = ctxt;
  b.map = this;
  RtSaxReader* reader = rtSaxCCreateXmlReader(ctxt, &b, MapBuilder::onStart, MapBuilder::onEnd, MapBuilder::onText);
  if (!reader) return false;
  int st = rtSaxCParse(reader);
  rtSaxCReleaseReader(reader);
  // The root's children were simplified when it ended; the root has none.
  if (!elements_.empty()) {
    std::string& root = elements_.front().path;
    std::string shorter = root.substr(0, root.rfind('['));
    b.renamePrefix(0, shorter);
  }
  return st == 0;
}

std::string ElementMap::pathAt(Position p) const {
  const Element* best = nullptr;
  for (const Element& e : elements_) {
    if (!(e.start <= p)) break;  // document order: later elements start later
    bool ended = e.end.line != 0;
    if (!ended || p <= e.end)
      if (!best || e.depth >= best->depth) best = &e;
  }
  return best ? best->path : std::string();
}

bool ElementMap::find(const std::string& path, Position* out) const {
  for (const Element& e : elements_)
    if (e.path == path) {
      *out = e.start;
      return true;
    }
  return false;
}

}  // namespace pxsimple
