// expat alone: no namespace processing, handlers that do nothing, one parser
// reset from document to document -- the floor under any reader built on it.
#include <expat.h>

#include "operation.h"

namespace pxpeers {
namespace {

void XMLCALL onStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL onEnd(void*, const XML_Char*) {}
void XMLCALL onText(void*, const XML_Char*, int) {}

class ExpatParse : public Operation {
 public:
  ~ExpatParse() override {
    if (parser_) XML_ParserFree(parser_);
  }
  bool prepare(const std::string& doc) override {
    doc_ = &doc;
    parser_ = XML_ParserCreate("UTF-8");
    return parser_ != nullptr;
  }
  bool run() override {
    XML_ParserReset(parser_, "UTF-8");
    XML_SetElementHandler(parser_, onStart, onEnd);
    XML_SetCharacterDataHandler(parser_, onText);
    return XML_Parse(parser_, doc_->data(), static_cast<int>(doc_->size()), 1) == XML_STATUS_OK;
  }

 private:
  const std::string* doc_ = nullptr;
  XML_Parser parser_ = nullptr;
};

}  // namespace

std::unique_ptr<Operation> makeExpatOperation() { return std::make_unique<ExpatParse>(); }

}  // namespace pxpeers
