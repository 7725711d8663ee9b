// A received partial presence body read into operations: a pidf-diff with
// its version and its add, replace and remove operations in order, or a
// pidf-full (new full state).
#ifndef PXP_PATCH_DOCUMENT_H
#define PXP_PATCH_DOCUMENT_H

#include <pugixml.hpp>

#include <cstdint>
#include <string_view>
#include <vector>

#include "failure.h"
#include "namespaces.h"

namespace pxp {

enum class OpKind { Add, Replace, Remove };
enum class Position { Append, Before, After, Prepend };
enum class Whitespace { None, Before, After, Both };

struct Operation {
  OpKind kind;
  pugi::xml_node element;
  int index;
  int line;
  const char* sel;
  Position pos = Position::Append;
  bool hasPos = false;
  const char* type = nullptr;  // add: "@name" or "namespace::prefix"
  Whitespace ws = Whitespace::None;
};

struct PatchDocument {
  pugi::xml_document doc;
  Scopes scopes;
  bool fullState = false;  // the body is a pidf-full
  int rootLine = 0;
  bool hasVersion = false;
  uint32_t version = 0;
  std::vector<Operation> operations;
};

// Reads `text` (kept alive by the caller) as document number `documentIndex`.
bool readPatch(std::string_view text, const Limits& limits, int documentIndex, PatchDocument& patch,
               Failure& failure);

}  // namespace pxp

#endif
