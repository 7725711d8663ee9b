// Every corpus document (rfc/ and real/, the invalid ones included) decoded
// with the operations of its root element, encoded again, and the two read
// as namespace-aware trees: nothing of the input may be missing from the
// output or changed in it, values compared as their types where the
// descriptors give them. The only exceptions are the losses listed below,
// each with the sentence of the library's contract that asks for it; a
// listed loss that no longer happens fails the test too.
#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "modules/module_support.h"
#include "schema/descriptor_typing.h"
#include "schema/library_tables.h"
#include "schema/xsd_model.h"
#include "support/xml_compare.h"

using namespace pxtest;

namespace {

// Documents that are not well-formed: nothing to compare.
const std::vector<std::string> kNotWellFormed = {"real/pjproject-1.xml", "real/resip-12.xml", "rfc/rfc4482-ex1.xml",
                                                 "rfc/rfc4662-ex1.xml"};

struct Unread {
  const char* document;
  const char* reason;
};

constexpr const char* kCoveredNamespaces =
    "Everything it needs beyond the caller's records lives in one small block per runtime context, "
    "`SIMPLE_Global`, which holds the library's namespace table: the eleven namespace URIs of the schemas it "
    "covers, in a fixed order.";

// Documents whose root element the library has no document for (older
// drafts' namespaces, a misspelt one, none at all).
const std::vector<Unread> kNoDocument = {
    {"real/resip-15.xml", kCoveredNamespaces}, {"real/resip-16.xml", kCoveredNamespaces},
    {"real/resip-17.xml", kCoveredNamespaces}, {"real/resip-18.xml", kCoveredNamespaces},
    {"real/resip-21.xml", kCoveredNamespaces}, {"real/resip-22.xml", kCoveredNamespaces},
    {"real/resip-27.xml", kCoveredNamespaces},
};

struct Loss {
  const char* document;
  const char* path;  // the loss and everything below it
  const char* reason;
};

constexpr const char* kRequiredWithoutText =
    "required text members with a null pointer are handed to the runtime as they are.";
constexpr const char* kSchemaInstance =
    "Else, a name longer than three characters that begins with \"xsi:\": status = `rtXmlDecXSIAttr` (context, "
    "name, value).";

// Losses the library has on purpose.
const std::vector<Loss> kDeliberateLosses = {
    // Documents without a required attribute (presence entity, tuple id): the
    // runtime refuses to write a required attribute that has no text, so
    // nothing is written back (resip-14 also puts PIDF contact and note in
    // status, where only foreign elements may stand).
    {"real/resip-6.xml", "/", kRequiredWithoutText},
    {"real/resip-14.xml", "/", kRequiredWithoutText},
    {"rfc/rfc4479-ex1.xml", "/", kRequiredWithoutText},
    // Schema-instance attributes are read by the runtime, not kept in records.
    {"real/resip-7.xml", "/pidf:presence/@xsi:schemaLocation", kSchemaInstance},
    {"rfc/rfc4482-ex2.xml", "/pidf:presence/@xsi:schemaLocation", kSchemaInstance},
};

std::vector<std::string> corpusNames() {
  std::vector<std::string> out;
  for (const char* folder : {"rfc", "real"}) {
    std::string dir = corpusDir() + "/" + folder;
    DIR* d = opendir(dir.c_str());
    if (!d) continue;
    while (dirent* e = readdir(d)) {
      std::string n = e->d_name;
      if (n.size() > 4 && n.substr(n.size() - 4) == ".xml") out.push_back(std::string(folder) + "/" + n);
    }
    closedir(d);
  }
  std::sort(out.begin(), out.end());
  return out;
}

bool covers(const Loss& l, const std::string& document, const std::string& path) {
  if (document != l.document) return false;
  std::string p = l.path;
  return path == p || path.rfind(p + "/", 0) == 0;
}

const pxs::DocDesc* docDescFor(const pxsimple::DocumentOps* ops) {
  for (const auto* doc : schema::declaredDocuments())
    if (doc->nsIndex == ops->nsIndex && std::string(doc->elemName) == ops->element) return doc;
  return nullptr;
}

std::map<std::string, std::string> pathAliases() {
  std::map<std::string, std::string> out;
  for (const auto& [alias, uri] : xsd::SchemaSet::aliases()) out[uri] = alias;
  out["http://www.w3.org/2001/XMLSchema-instance"] = "xsi";
  return out;
}

}  // namespace

TEST(CorpusNoLoss, EveryDocumentEncodesBackAllItDecodedOrListsWhy) {
  auto files = corpusNames();
  if (files.empty()) GTEST_SKIP() << "corpus not available: " << corpusDir();
  int n = 0;
  const OSUTF8CHAR* const* uris = rtXmlNSDefaultURITable(&n);
  std::vector<std::string> nsUris;
  for (int i = 0; i < n; ++i) nsUris.push_back(reinterpret_cast<const char*>(uris[i]));
  xml::CompareOptions options{pathAliases()};

  std::ostringstream report;
  std::vector<std::string> unlisted, additions;
  std::vector<bool> deliberateSeen(kDeliberateLosses.size()), unreadSeen(kNoDocument.size());
  int compared = 0, losses = 0, unreadCount = 0;
  for (const auto& file : files) {
    std::string text;
    ASSERT_TRUE(readFile(corpusDir() + "/" + file, &text)) << file;
    xml::Document input;
    std::string error;
    bool wellFormed = xml::parse(text, &input, &error);
    bool listedBroken = std::count(kNotWellFormed.begin(), kNotWellFormed.end(), file) > 0;
    EXPECT_EQ(wellFormed, !listedBroken) << file << ": " << error;
    if (!wellFormed) continue;

    auto uri = std::find(nsUris.begin(), nsUris.end(), input.root->ns);
    const pxsimple::DocumentOps* ops =
        uri == nsUris.end() ? nullptr
                            : pxsimple::findDocument(input.root->local.c_str(), static_cast<int>(uri - nsUris.begin()));
    auto unread =
        std::find_if(kNoDocument.begin(), kNoDocument.end(), [&](const Unread& u) { return file == u.document; });
    if (!ops) {
      ++unreadCount;
      if (unread == kNoDocument.end())
        unlisted.push_back(file + ": no library document for {" + input.root->ns + "}" + input.root->local);
      else
        unreadSeen[static_cast<size_t>(unread - kNoDocument.begin())] = true;
      continue;
    }
    if (unread != kNoDocument.end()) unlisted.push_back(file + ": listed as unread, but the library reads it");

    SimpleCtx ctxt;
    AnyRecord record(ctxt, ops);
    int decoded = record.decode(text);
    int encoded = -1;
    std::string xmlOut = record.encode(&encoded);
    ++compared;
    std::vector<xml::TreeDifference> diffs;
    xml::Document output;
    if (encoded != 0 || !xml::parse(xmlOut, &output, &error)) {
      diffs.push_back({xml::TreeDifference::What::MissingElement, "/", "",
                       "encoding failed with " + std::to_string(encoded) + " " + error});
    } else {
      const pxs::DocDesc* doc = docDescFor(ops);
      ASSERT_NE(doc, nullptr) << ops->element;
      diffs = xml::compareTrees(*input.root, *output.root, schema::typingOf(doc, nsUris), options);
    }
    for (const auto& d : diffs) {
      std::string line = file + " " + xml::describe(d) + " [decode status " + std::to_string(decoded) + "]";
      if (!d.isLoss()) {
        additions.push_back(line);
        continue;
      }
      ++losses;
      bool listed = false;
      for (size_t i = 0; i < kDeliberateLosses.size(); ++i)
        if (covers(kDeliberateLosses[i], file, d.path)) listed = deliberateSeen[i] = true;
      if (!listed) unlisted.push_back(line);
    }
  }

  std::vector<std::string> gone;
  for (size_t i = 0; i < kNoDocument.size(); ++i)
    if (!unreadSeen[i]) gone.push_back(std::string(kNoDocument[i].document) + " (no library document)");
  for (size_t i = 0; i < kDeliberateLosses.size(); ++i)
    if (!deliberateSeen[i])
      gone.push_back(std::string(kDeliberateLosses[i].document) + " " + kDeliberateLosses[i].path);
  report << files.size() << " documents: " << compared << " decoded, encoded and compared, " << kNotWellFormed.size()
         << " not well-formed, " << unreadCount << " without a library document; " << losses << " losses; "
         << unlisted.size() << " findings not listed\n";
  for (const auto& u : unlisted) report << "  not listed: " << u << "\n";
  for (const auto& g : gone) report << "  listed, no longer happens: " << g << "\n";
  EXPECT_TRUE(unlisted.empty() && gone.empty()) << report.str();
  EXPECT_GE(compared, 40);
  if (std::getenv("PX_SHOW_DEVIATIONS"))
    for (const auto& a : additions) std::cout << "added: " << a << "\n";
}
