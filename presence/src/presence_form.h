// The two forms of a full presence state: a PIDF presence document and a
// pidf-full (the same content under a versioned root of the partial PIDF
// namespace), with conversions between them and the version attribute.
#ifndef PXP_PRESENCE_FORM_H
#define PXP_PRESENCE_FORM_H

#include <pugixml.hpp>

#include <cstdint>
#include <string>

#include "failure.h"
#include "namespaces.h"

namespace pxp {

enum class Form { Presence, Full };

// The form of a document whose root is {pidf}presence or {pidf-diff}pidf-full;
// false (invalid-document) for any other root.
bool classifyForm(const pugi::xml_document& doc, Scopes& scopes, Form* form, Failure& failure);

// An unsigned 32-bit decimal, as the version attribute holds.
bool parseVersion(const char* text, uint32_t* value);
// The root's version attribute, when present and valid.
bool readVersion(pugi::xml_node root, uint32_t* value);
void writeVersion(pugi::xml_node root, uint32_t value);

// Rewrites the root into `target` form (no change when already in it). A
// pidf-full loses its version as a presence; a presence becoming a
// pidf-full takes `version` when hasVersion.
void convertForm(pugi::xml_document& doc, Scopes& scopes, Form from, Form target, bool hasVersion, uint32_t version);

// The document as text, exactly as the tree holds it.
// sizeHint: the expected size of the text (the input's, say), reserved at once.
std::string serialize(const pugi::xml_document& doc, size_t sizeHint = 0);

}  // namespace pxp

#endif
