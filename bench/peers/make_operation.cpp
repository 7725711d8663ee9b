#include "operation.h"

namespace pxpeers {

std::unique_ptr<Operation> makeOperation(OpId id, pxbench::DocumentKind kind) {
  switch (id) {
    case OpId::Decode:
    case OpId::Validate:
    case OpId::Encode:
      return makeOwnOperation(id, kind);
    case OpId::Expat:
      return makeExpatOperation();
    case OpId::Libxml2Tree:
    case OpId::Libxml2Sax:
    case OpId::Libxml2Save:
      return makeLibxml2Operation(id);
    case OpId::Pugixml:
    case OpId::PugixmlParseOnly:
    case OpId::PugixmlSave:
      return makePugixmlOperation(id);
  }
  return nullptr;
}

}  // namespace pxpeers
