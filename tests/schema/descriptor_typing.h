// What the library's descriptors say about the texts of a document, for
// the tree comparer: the value kind of every attribute and simple content
// the tables bind, followed into nested records, groups and choices.
// Elements the tables keep as XML text (wildcards, open content) are left
// untyped, so that they compare character for character.
#ifndef PX_TESTS_SCHEMA_DESCRIPTOR_TYPING_H
#define PX_TESTS_SCHEMA_DESCRIPTOR_TYPING_H

#include <string>
#include <vector>

#include "families/descriptor.h"
#include "support/xml_compare.h"

namespace pxtest::schema {

xml::ValueKind valueKindOf(pxs::Kind kind);

// nsUris: the library's namespace table, by index.
xml::Typing typingOf(const pxs::DocDesc* doc, const std::vector<std::string>& nsUris);
xml::Typing typingOf(const pxs::TypeDesc* d, const std::vector<std::string>& nsUris);

}  // namespace pxtest::schema

#endif
