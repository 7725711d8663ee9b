// Namespace scopes, the URI table and the rtXmlNS* calls.
#include "internal/namespaces.h"

#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "internal/code_layout.h"
#include "internal/context_impl.h"
#include "internal/escape.h"
#include "internal/text_set.h"

namespace pxrt {

// Positions are the namespace indices compiled into every element table.
const char* const kDefaultUriTable[] = {
    "urn:ietf:params:xml:ns:watcherinfo",
    "urn:ietf:params:xml:ns:pidf:rpid",
    "urn:ietf:params:xml:ns:rlmi",
    "urn:ietf:params:xml:ns:pidf:geopriv10:civicLoc",
    "urn:ietf:params:xml:ns:pidf:geopriv10:basicPolicy",
    "urn:ietf:params:xml:ns:pidf:geopriv10",
    "urn:ietf:params:xml:ns:pidf:data-model",
    "urn:ietf:params:xml:ns:pidf:cipid",
    "urn:ietf:params:xml:ns:pidf:caps",
    "urn:ietf:params:xml:ns:pidf",
    "urn:ietf:params:xml:ns:pidf-diff",
};
const int kDefaultUriTableSize = sizeof(kDefaultUriTable) / sizeof(kDefaultUriTable[0]);

Namespaces::Namespaces() : table_(nullptr), tableSize_(0) { setTable(nullptr, 0); }

PX_ENCODE_PATH void Namespaces::setTable(const char* const* uris, int n) {
  if (!uris || n <= 0) {
    uris = kDefaultUriTable;
    n = kDefaultUriTableSize;
  }
  // The built-in URIs are constants: installing them again, as every
  // document an encoder writes does, changes no answer.
  const bool builtIn =
      n <= kDefaultUriTableSize && std::memcmp(uris, kDefaultUriTable, static_cast<size_t>(n) * sizeof *uris) == 0;
  if (builtIn && tableBuiltIn_ && n == tableSize_) {
    table_ = uris;
    return;
  }
  tableBuiltIn_ = builtIn;
  table_ = uris;
  tableSize_ = n;
  ++tableGeneration_;
  tableLengths_.resize(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) tableLengths_[i] = uris[i] ? std::strlen(uris[i]) : static_cast<size_t>(-1);
  for (size_t i = 0; i < count_; ++i) {
    entry(i).index = indexOf(entry(i).uri);
    entry(i).indexTable = tableGeneration_;
  }
}

int Namespaces::indexOf(std::string_view uri) const {
  if (uri.empty()) return -1;
  for (int i = 0; i < tableSize_; ++i) {
    // The schema URIs share their beginning ("urn:ietf:params:xml:ns:"): the
    // last byte tells most of them apart before a whole comparison.
    if (uri.size() == tableLengths_[i] && uri.back() == table_[i][uri.size() - 1] &&
        std::memcmp(uri.data(), table_[i], uri.size()) == 0)
      return i;
  }
  return -1;
}

PX_ENCODE_PATH const std::string& Binding::declaration() const {
  if (declarationText.empty()) {
    declarationText = prefix.empty() ? " xmlns=\"" : " xmlns:" + prefix + "=\"";
    appendEscaped<attrEscape>(declarationText, uri);
    declarationText += '"';
  }
  return declarationText;
}

void Namespaces::truncate(size_t depth) {
  if (scopes_.size() <= depth) return;
  if (count_ != scopes_[depth]) ++generation_;
  count_ = scopes_[depth];
  scopes_.resize(depth);
  if (indexed_ > count_) unindexFrom(count_);
}

namespace {
uint32_t hashText(std::string_view text) {
  uint32_t h = 2166136261u;  // FNV-1a
  for (unsigned char c : text) h = (h ^ c) * 16777619u;
  return h;
}
}  // namespace

void Namespaces::indexUpTo(size_t n) const {
  if (n <= indexed_) return;
  if (n * 2 > buckets_.size()) {  // at most half full: grow, and index again in order
    size_t size = 64;
    while (size < n * 2) size *= 2;
    buckets_.assign(size, 0);
    uriBuckets_.assign(size, 0);
    indexed_ = 0;
  }
  const size_t mask = buckets_.size() - 1;
  for (; indexed_ < n; ++indexed_) {
    Binding& b = entry(indexed_);
    const auto position = static_cast<uint32_t>(indexed_ + 1);
    b.prefixHash = hashText(b.prefix);
    b.nextInBucket = std::exchange(buckets_[b.prefixHash & mask], position);
    b.uriHash = hashText(b.uri);
    b.nextInUriBucket = std::exchange(uriBuckets_[b.uriHash & mask], position);
  }
}

void Namespaces::unindexFrom(size_t n) {
  const size_t mask = buckets_.size() - 1;
  while (indexed_ > n) {
    const Binding& b = entry(--indexed_);
    buckets_[b.prefixHash & mask] = b.nextInBucket;
    uriBuckets_[b.uriHash & mask] = b.nextInUriBucket;
  }
}

const Binding* Namespaces::indexedSearch(std::string_view prefix) const {
  indexUpTo(count_);
  for (uint32_t at = buckets_[hashText(prefix) & (buckets_.size() - 1)]; at; at = entry(at - 1).nextInBucket) {
    const Binding& b = entry(at - 1);
    if (b.prefix == prefix) return &b;
  }
  return nullptr;
}

PX_ENCODE_PATH void Namespaces::bind(std::string_view prefix, std::string_view uri) {
  startPrefix_ = nullptr;
  if (prefix.size() + uri.size() > kLongTexts) longTexts_ = true;
  if (scopes_.empty()) push();
  if (count_ < bindings_.size()) {
    // A slot bound to the same declaration before (the next document's
    // root, mostly) keeps its texts and its made declaration.
    Binding& b = entry(count_);
    if (b.prefix != prefix || b.uri != uri) {
      b.prefix.assign(prefix);
      b.uri.assign(uri);
      b.declarationText.clear();
      b.indexTable = 0;
    }
    if (b.indexTable != tableGeneration_) {
      b.index = indexOf(uri);
      b.indexTable = tableGeneration_;
    }
    b.serial = nextSerial_++;
  } else {
    bindings_.push_back(
        std::make_unique<Binding>(Binding{std::string(prefix), std::string(uri), indexOf(uri), tableGeneration_, {}}));
    bindings_.back()->position = count_;
    bindings_.back()->serial = nextSerial_++;
  }
  if (++count_ > used_) used_ = count_;
  ++generation_;
}

PX_ENCODE_PATH const Binding* Namespaces::search(std::string_view prefix, Lookup* slot) const {
  const size_t n = prefix.size();
  const Binding* found = nullptr;
  if (count_ > kWalkedBindings) {
    found = indexedSearch(prefix);
  } else {
    for (size_t i = count_; i-- > 0;) {
      const Binding& b = entry(i);
      if (b.prefix.size() == n && b.prefix.compare(0, n, prefix) == 0) {
        found = &b;
        break;
      }
    }
  }
  if (slot) {
    slot->generation = generation_;
    slot->length = static_cast<uint8_t>(n);
    for (size_t i = 0; i < n; ++i) slot->prefix[i] = prefix[i];
    slot->result = found;
  }
  return found;
}

int Namespaces::findDefaultIndex() const {
  const Binding* b = find(std::string_view());
  defaultIndex_ = !b || b->uri.empty() ? -2 : b->index;  // RT_NS_NONE
  defaultGeneration_ = generation_;
  defaultTable_ = tableGeneration_;
  return defaultIndex_;
}

PX_ENCODE_PATH const Binding* Namespaces::findHandedOut(std::string_view prefix) const {
  if (prefix.data() == ownText_ && ownTextGeneration_ == generation_ && prefix.size() == ownTextLength_)
    return ownTextResult_;
  const Binding* found = find(prefix);
  if (found && found->prefix.data() == prefix.data()) {
    ownText_ = prefix.data();
    ownTextLength_ = prefix.size();
    ownTextGeneration_ = generation_;
    ownTextResult_ = found;
  }
  return found;
}

PX_ENCODE_PATH bool Namespaces::hasConstantUri(const Binding& b, const char* uri) const {
  // The built-in URIs are constants: one given by its address, at the place
  // of the installed table where this binding's URI was found, is that URI.
  const int i = b.index;
  return i >= 0 && i < kDefaultUriTableSize && b.indexTable == tableGeneration_ && uri == kDefaultUriTable[i] &&
         i < tableSize_ && table_[i] == uri;
}

PX_ENCODE_PATH bool Namespaces::hasUri(const Binding& b, const char* uri) const {
  return hasConstantUri(b, uri) || std::strcmp(b.uri.c_str(), uri) == 0;
}

PX_ENCODE_PATH const Binding* Namespaces::bindingFor(std::string_view uri) const {
  if (count_ > kWalkedBindings) {
    indexUpTo(count_);
    for (uint32_t at = uriBuckets_[hashText(uri) & (uriBuckets_.size() - 1)]; at; at = entry(at - 1).nextInUriBucket) {
      const Binding& b = entry(at - 1);
      if (b.uri == uri && findHandedOut(b.prefix) == &b) return &b;
    }
    return nullptr;
  }
  for (size_t i = count_; i-- > 0;) {
    const Binding& b = entry(i);
    if (b.uri != uri) continue;
    // The binding counts only when no inner binding reuses its prefix.
    if (findHandedOut(b.prefix) == &b) return &b;
  }
  return nullptr;
}

PX_ENCODE_PATH const std::string* Namespaces::prefixFor(std::string_view uri) const {
  const Binding* b = bindingFor(uri);
  return b ? &b->prefix : nullptr;
}

PX_ENCODE_PATH const std::string* Namespaces::prefixFor(const char* uri) const {
  UriLookup& slot = uriSlot(uri);
  if (slot.generation == generation_ && slot.uri == uri &&
      (hasConstantUri(*slot.result, uri) || std::strcmp(slot.result->uri.c_str(), uri) == 0))
    return &slot.result->prefix;
  const Binding* b = bindingFor(uri);
  if (b) slot = UriLookup{generation_, uri, b};
  return b ? &b->prefix : nullptr;
}

PX_ENCODE_PATH void Namespaces::clear() {
  startPrefix_ = nullptr;
  unindexFrom(0);
  if (buckets_.size() > 1024) {  // a large document's
    std::vector<uint32_t>().swap(buckets_);
    std::vector<uint32_t>().swap(uriBuckets_);
  }
  count_ = 0;
  ++generation_;
  scopes_.clear();
  // Keep what documents commonly declare; give back what a large one took.
  constexpr size_t kKeepBindings = 64, kKeepText = 1024;
  if (bindings_.size() > kKeepBindings) bindings_.resize(kKeepBindings);
  for (size_t i = 0; longTexts_ && i < used_ && i < bindings_.size(); ++i) {
    Binding& b = entry(i);
    if (b.uri.capacity() > kKeepText) std::string().swap(b.uri);
    if (b.prefix.capacity() > kKeepText) std::string().swap(b.prefix);
    if (b.declarationText.capacity() > kKeepText) std::string().swap(b.declarationText);
  }
  used_ = 0;
  longTexts_ = false;
}

}  // namespace pxrt

using pxrt::implOf;

namespace {
std::string_view sv(const OSUTF8CHAR* p) {
  return p ? std::string_view(reinterpret_cast<const char*>(p)) : std::string_view();
}
std::string_view sv(const OSUTF8CHAR* p, size_t n) {
  return p ? std::string_view(reinterpret_cast<const char*>(p), n) : std::string_view();
}
}  // namespace

extern "C" {

PX_ENCODE_PATH int rtXmlNSSetURITable(RtContext* ctxt, const OSUTF8CHAR* const* uris, int n) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  impl->ns.setTable(reinterpret_cast<const char* const*>(uris), n);
  return 0;
}

PX_ENCODE_PATH int rtXmlNSSetNamespace(RtContext* ctxt, RtDList* nsAttrs, const OSUTF8CHAR* prefix, const OSUTF8CHAR* uri,
                        OSBOOL override) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  if (!uri) return rtxErrSetNewData(ctxt, ST_BAD_ARGUMENT, __FILE__, __LINE__);
  std::string_view p = sv(prefix), u = sv(uri);
  if (nsAttrs) {
    // Kept with the record: a second encoding of the same record must not
    // grow the list again.
    for (RtDListNode* n = nsAttrs->head; n; n = n->next) {
      auto* item = static_cast<RtXmlNamespace*>(n->data);
      if (item && sv(item->prefix) == p) {
        if (sv(item->uri) == u) return 0;
        if (!override) return 0;
        item->uri = rtxUTF8Strdup(ctxt, uri);
        return item->uri ? 0 : rtxErrSetNewData(ctxt, ST_NO_MEMORY, __FILE__, __LINE__);
      }
    }
    auto* item = static_cast<RtXmlNamespace*>(rtxMemHeapAlloc(ctxt, sizeof(RtXmlNamespace)));
    if (!item) return rtxErrSetNewData(ctxt, ST_NO_MEMORY, __FILE__, __LINE__);
    item->prefix = prefix ? rtxUTF8Strdup(ctxt, prefix) : nullptr;
    item->uri = rtxUTF8Strdup(ctxt, uri);
    if (!item->uri || (prefix && !item->prefix) || !rtxDListAppend(ctxt, nsAttrs, item)) {
      rtxMemHeapFreePtr(ctxt, item->prefix);
      rtxMemHeapFreePtr(ctxt, item->uri);
      rtxMemHeapFreePtr(ctxt, item);
      return rtxErrSetNewData(ctxt, ST_NO_MEMORY, __FILE__, __LINE__);
    }
    return 0;
  }
  // Without override, a prefix already registered for the next start tag
  // keeps its namespace: two declarations of one prefix cannot stand on a tag.
  impl->out.addPending(p, u, override != 0);
  return 0;
}

PX_ENCODE_PATH const OSUTF8CHAR* rtXmlNSGetPrefix(RtContext* ctxt, const OSUTF8CHAR* uri) {
  auto* impl = implOf(ctxt);
  if (!impl || !uri) return nullptr;
  // Declarations pending for the next start tag come first; mostly there are
  // none, and the URI is then not measured.
  const std::string* prefix = impl->out.hasPending() ? impl->out.pendingPrefixFor(sv(uri)) : nullptr;
  if (!prefix) prefix = impl->ns.prefixFor(reinterpret_cast<const char*>(uri));
  return prefix ? reinterpret_cast<const OSUTF8CHAR*>(prefix->c_str()) : nullptr;
}

const OSUTF8CHAR* rtXmlNSGetURI(RtContext* ctxt, const OSUTF8CHAR* prefix, size_t prefixLen) {
  auto* impl = implOf(ctxt);
  if (!impl) return nullptr;
  const pxrt::Binding* b = impl->ns.find(sv(prefix, prefix ? prefixLen : 0));
  return b && !b->uri.empty() ? reinterpret_cast<const OSUTF8CHAR*>(b->uri.c_str()) : nullptr;
}

int rtXmlNSGetIndex(RtContext* ctxt, const OSUTF8CHAR* prefix, size_t prefixLen) {
  auto* impl = implOf(ctxt);
  if (!impl) return -1;
  if (!prefix || prefixLen == 0) return impl->ns.defaultIndex();
  const pxrt::Binding* b = impl->ns.find(sv(prefix, prefixLen));
  return b ? b->index : -1;
}

const OSUTF8CHAR* const* rtXmlNSDefaultURITable(int* n) {
  if (n) *n = pxrt::kDefaultUriTableSize;
  return reinterpret_cast<const OSUTF8CHAR* const*>(pxrt::kDefaultUriTable);
}

int rtXmlNSURIIndex(RtContext* ctxt, const OSUTF8CHAR* uri) {
  auto* impl = implOf(ctxt);
  return impl ? impl->ns.indexOf(sv(uri)) : -1;
}

int rtXmlNSPush(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  impl->ns.push();
  return 0;
}

int rtXmlNSPop(RtContext* ctxt) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  impl->ns.pop();
  return 0;
}

int rtXmlNSAddPrefixLink(RtContext* ctxt, const OSUTF8CHAR* prefix, const OSUTF8CHAR* uri,
                         const OSUTF8CHAR* nsPrefix, int reserved) {
  auto* impl = implOf(ctxt);
  if (!impl) return ST_BAD_CONTEXT;
  impl->ns.bind(sv(prefix), sv(uri));
  return 0;
}

int rtXmlNSKeepInScope(RtContext* ctxt, const void* record) {
  auto* impl = implOf(ctxt);
  if (!impl || !record) return ST_BAD_ARGUMENT;
  impl->keptScopes.keepInForce(record, impl->ns);
  return 0;
}

// A record's kept declarations that do not mean already what they say at
// this place become pending declarations of its start tag. The walk goes
// from the record's own bindings outward and stops at a part of the chain
// that an earlier walk found wholly in force, while the same bindings are:
// the siblings in a partial presence document keep their root's chain, and
// each would otherwise walk all of the root's declarations again.
int rtXmlNSDeclareKept(RtContext* ctxt, const void* record) {
  auto* impl = implOf(ctxt);
  if (!impl || !record) return 0;
  pxrt::KeptScopes& kept = impl->keptScopes;
  const pxrt::KeptScopes::NodeRef start = kept.nodeOf(record);
  if (!start) return 0;
  const size_t count = impl->ns.inForce();
  const uint64_t top = count ? impl->ns.binding(count - 1).serial : 0;
  const pxrt::KeptScopes::NodeRef stop = kept.knownInForce(count, top);
  const size_t callerPending = impl->out.pendingCount();
  pxrt::TextSet met;  // prefixes met on the walk: one met again further out is shadowed there
  std::vector<pxrt::KeptScopes::NodeRef> wanted;  // innermost first
  pxrt::KeptScopes::NodeRef checked = start;      // from here outward, every binding was found in force
  for (pxrt::KeptScopes::NodeRef n = start; n && n != stop; n = kept.parentOf(n)) {
    const std::string& prefix = kept.prefixOf(n);
    const std::string& uri = kept.uriOf(n);
    // Already meant here (declared on an enclosing element that was written
    // back the same way): nothing to repeat. Undeclaring the default
    // namespace where none is in force is the rule anyway. Asked of every
    // binding, shadowed or not, for the part of the chain found in force.
    const bool shadowed = !met.insert(prefix);  // by an inner binding of the chain
    const pxrt::Binding* b = impl->ns.find(prefix);
    if (b ? b->uri == uri : uri.empty()) continue;
    checked = kept.parentOf(n);
    // What the caller declared for the same prefix stays: it was asked for.
    if (!shadowed && !impl->out.hasPending(prefix, callerPending)) wanted.push_back(n);
  }
  if (checked) kept.noteInForce(checked, count, top);
  for (size_t i = wanted.size(); i-- > 0;) impl->out.appendPending(kept.prefixOf(wanted[i]), kept.uriOf(wanted[i]));
  return static_cast<int>(wanted.size());
}

void rtXmlNSDropKept(RtContext* ctxt, const void* record) {
  if (auto* impl = implOf(ctxt)) impl->keptScopes.drop(record);
}

int rtXmlNSGetKeptCount(RtContext* ctxt, const void* record) {
  auto* impl = implOf(ctxt);
  const auto* decls = impl && record ? impl->keptScopes.effective(record) : nullptr;
  return decls ? static_cast<int>(decls->size()) : 0;
}

int rtXmlNSGetKept(RtContext* ctxt, const void* record, int index, const OSUTF8CHAR** prefix, const OSUTF8CHAR** uri) {
  auto* impl = implOf(ctxt);
  const auto* decls = impl && record ? impl->keptScopes.effective(record) : nullptr;
  if (!decls || index < 0 || static_cast<size_t>(index) >= decls->size() || !prefix || !uri) return ST_BAD_ARGUMENT;
  const auto [prefixNode, uriNode] = (*decls)[static_cast<size_t>(index)];
  *prefix = reinterpret_cast<const OSUTF8CHAR*>(impl->keptScopes.prefixOf(prefixNode).c_str());
  *uri = reinterpret_cast<const OSUTF8CHAR*>(impl->keptScopes.uriOf(uriNode).c_str());
  return 0;
}

int rtXmlNSSetKept(RtContext* ctxt, const void* record, const RtXmlNamespace* decls, int count) {
  auto* impl = implOf(ctxt);
  if (!impl || !record || count < 0 || (count > 0 && !decls)) return ST_BAD_ARGUMENT;
  pxrt::Declarations kept;
  for (int i = 0; i < count; ++i)
    kept.emplace_back(std::string(sv(decls[i].prefix)), std::string(sv(decls[i].uri)));
  impl->keptScopes.keep(record, kept);
  return 0;
}

int rtXmlNSGetKeptInner(RtContext* ctxt, const void* record, const void* outer, RtXmlNamespace* decls, int capacity) {
  auto* impl = implOf(ctxt);
  if (!impl || !record || capacity < 0 || (capacity > 0 && !decls)) return ST_BAD_ARGUMENT;
  pxrt::KeptScopes& kept = impl->keptScopes;
  std::vector<pxrt::KeptScopes::NodeRef> own;
  auto put = [&](int i, const std::string& prefix, const std::string& uri) {
    if (i < capacity) decls[i] = {reinterpret_cast<const OSUTF8CHAR*>(prefix.c_str()),
                                  reinterpret_cast<const OSUTF8CHAR*>(uri.c_str())};
  };
  if (outer && kept.inner(record, outer, &own)) {
    for (size_t i = 0; i < own.size(); ++i) put(static_cast<int>(i), kept.prefixOf(own[i]), kept.uriOf(own[i]));
    return static_cast<int>(own.size());
  }
  const auto* all = kept.effective(record);
  if (!all) return 0;
  for (size_t i = 0; i < all->size(); ++i)
    put(static_cast<int>(i), kept.prefixOf((*all)[i].first), kept.uriOf((*all)[i].second));
  return static_cast<int>(all->size());
}

int rtXmlNSSetKeptInner(RtContext* ctxt, const void* record, const void* outer, const RtXmlNamespace* decls,
                        int count) {
  auto* impl = implOf(ctxt);
  if (!impl || !record || count < 0 || (count > 0 && !decls)) return ST_BAD_ARGUMENT;
  pxrt::Declarations own;
  for (int i = 0; i < count; ++i) own.emplace_back(std::string(sv(decls[i].prefix)), std::string(sv(decls[i].uri)));
  impl->keptScopes.keepOver(record, outer, own);
  return 0;
}

void rtXmlNSFreeAttrList(RtContext* ctxt, RtDList* nsAttrs) {
  if (!ctxt || !nsAttrs) return;
  for (RtDListNode* n = nsAttrs->head; n; n = n->next) {
    auto* item = static_cast<RtXmlNamespace*>(n->data);
    if (!item) continue;
    rtxMemHeapFreePtr(ctxt, item->prefix);
    rtxMemHeapFreePtr(ctxt, item->uri);
  }
  rtxDListFreeAll(ctxt, nsAttrs);
}

}  // extern "C"
