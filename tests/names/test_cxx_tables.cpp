// The C++ API's tables against the library's: its document tags are the
// library's documents (root element, namespace, record size), and the
// generated walkers hand over exactly the lists of kept foreign elements
// that a walk of the descriptors finds, on every record of the corpus.
#include <gtest/gtest.h>

#include <set>

#include "cxx/cxx_support.h"
#include "families/registry.h"

using namespace cxxtest;

namespace {

using pxs::Kind;
using pxs::Member;
using pxs::Role;
using pxs::TypeDesc;

const pxs::DocDesc* libraryDocument(const char* element, int ns) {
  size_t n = 0;
  const pxs::DocDesc* const* docs = pxs::allDocuments(&n);
  for (size_t i = 0; i < n; ++i)
    if (docs[i]->nsIndex == ns && std::string(docs[i]->elemName) == element) return docs[i];
  return nullptr;
}

TEST(CxxTables, DocumentTagsAreTheLibrarysDocuments) {
  size_t n = 0;
  pxs::allDocuments(&n);
  EXPECT_EQ(std::size(px::all_documents), n);
  std::set<const pxs::DocDesc*> matched;
  forEachDocument([&](auto tag) {
    using D = decltype(tag);
    const pxs::DocDesc* doc = libraryDocument(D::element, D::ns);
    ASSERT_NE(doc, nullptr) << D::name;
    matched.insert(doc);
    if (doc->type) EXPECT_EQ(doc->type->size, sizeof(typename D::record)) << D::name;
    else EXPECT_TRUE((std::is_same_v<typename D::record, RtXmlString>)) << D::name;
    EXPECT_EQ(px::find_document(D::element, D::ns), &px::document_info<D>);
  });
  EXPECT_EQ(matched.size(), n);
}

// Texts in the lists of kept foreign elements, by the descriptors: present
// members, the chosen alternative, list items.
size_t keptByTables(const TypeDesc* d, const void* record) {
  size_t n = 0;
  bool choice = d->shape == pxs::Shape::Choice || d->shape == pxs::Shape::ChoiceContent;
  const Member* chosen = choice ? pxs::alternative(d, pxs::tagValue(d, record)) : nullptr;
  for (uint8_t i = 0; i < d->nMembers; ++i) {
    const Member& m = d->members[i];
    if (m.role == Role::Alternative ? &m != chosen : !pxs::isPresent(d, record, m)) continue;
    const void* at = pxs::at<char>(record, m.offset);
    switch (m.kind) {
      case Kind::AnyList:
        n += static_cast<const RtDList*>(at)->count;
        break;
      case Kind::Record:
      case Kind::Choice:
        n += keptByTables(m.type, at);
        break;
      case Kind::RecordList:
      case Kind::SeqList:
        for (const RtDListNode* node = static_cast<const RtDList*>(at)->head; node; node = node->next)
          n += keptByTables(m.type, node->data);
        break;
      default:
        break;
    }
  }
  return n;
}

TEST(CxxTables, WalkersFindTheListsTheDescriptorsHave) {
  auto files = corpusFiles();
  PX_SKIP_WITHOUT_CORPUS(files);
  px::Context ctx;
  size_t records = 0, kept = 0;
  for (const std::string& file : files) {
    std::string text;
    ASSERT_TRUE(readFile(file, &text));
    px::Extension root = px::decode_any(ctx, text);
    std::vector<px::Extension*> all{&root};
    collectAll(root.extensions(), &all);
    for (px::Extension* e : all)
      forEachDocument([&](auto tag) {
        using D = decltype(tag);
        const auto* record = e->as<D>();
        if (!record) return;
        const TypeDesc* type = libraryDocument(D::element, D::ns)->type;
        size_t walked = 0;
        D::foreign_lists(*record, [&](const RtDList& list) { walked += list.count; });
        EXPECT_EQ(walked, type ? keptByTables(type, record) : 0u) << file << " " << D::name;
        ++records;
        kept += walked;
      });
  }
  EXPECT_GT(records, 100u);
  EXPECT_GT(kept, 100u);
}

}  // namespace
