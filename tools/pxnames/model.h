// The names a user of the library needs, derived from its tables: every
// record type reachable from the documents, in the order a reader meets
// them, with the constants of its presence bits and choice tags, and the
// values of the enumerations its members use.
#ifndef PXNAMES_MODEL_H
#define PXNAMES_MODEL_H

#include <string>
#include <vector>

#include "families/descriptor.h"

namespace pxnames {

enum class ConstantKind { PresenceBit, ChoiceTag, EnumValue };

struct Constant {
  std::string name;  // TNS_TUPLE_CONTACT
  long value;
  ConstantKind kind;
  std::string owner;  // the record type or enumeration it belongs to
  std::string item;   // member field, alternative field, or enumeration text
  std::string xml;    // what it stands for in XML (element, attribute or text)
  bool holdsValue = false;  // a choice alternative with storage in the union
};

// The constants of one owner, written together under one comment.
struct ConstantGroup {
  std::string header;  // "pidf.h"
  std::string owner;
  ConstantKind kind;
  std::vector<Constant> constants;
};

struct Model {
  std::vector<const pxs::TypeDesc*> types;  // every record type, depth first from the documents
  std::vector<ConstantGroup> groups;        // in the order of their types
};

// Derive the model; a name given twice is an error, reported in *error.
Model deriveModel(std::string* error);

// The public header of a record type's module ("rpid.h").
std::string headerOf(const pxs::TypeDesc* type);
// NAME_PART: upper case, every other character an underscore.
std::string constantPart(const std::string& text);
// The short name of a member: its XML name without a prefix, else its field
// without the module prefix ("rpid__any" -> "any").
std::string shortName(const pxs::Member& m);

}  // namespace pxnames

#endif
