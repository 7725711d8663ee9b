// The reader's expat back end: expat without namespace processing, its
// events handed to the event driver. Kept as a build option and as the
// reference the own tokenizer is tested against.
#ifndef PXRT_XML_EXPAT_BACKEND_H
#define PXRT_XML_EXPAT_BACKEND_H

#include <expat.h>

#include "xml/driver.h"

namespace pxrt::xml {

class ExpatBackend {
 public:
  ExpatBackend() = default;
  ~ExpatBackend();
  ExpatBackend(const ExpatBackend&) = delete;
  ExpatBackend& operator=(const ExpatBackend&) = delete;

  // Feeds the document in pieces of chunk bytes (0: whole).
  void parse(EventDriver& driver, const char* doc, size_t size, size_t chunk);

 private:
  bool prepare();
  size_t offset() const;

  static void XMLCALL onStart(void* user, const XML_Char* name, const XML_Char** attrs);
  static void XMLCALL onEnd(void* user, const XML_Char* name);
  static void XMLCALL onText(void* user, const XML_Char* text, int len);
  static void XMLCALL onXmlDecl(void* user, const XML_Char* version, const XML_Char* encoding, int standalone);
  static void XMLCALL onProcessingInstruction(void* user, const XML_Char* target, const XML_Char* data);
  static void XMLCALL onDoctype(void* user, const XML_Char* name, const XML_Char*, const XML_Char*, int);
  static void XMLCALL onEntityDecl(void* user, const XML_Char* name, int, const XML_Char*, int, const XML_Char*,
                                   const XML_Char*, const XML_Char*, const XML_Char*);
  void refuseDoctype(const char* what, const char* name);

  XML_Parser parser_ = nullptr;
  size_t lastTagEnd_ = 0;  // just past the last start tag
  EventDriver* d_ = nullptr;
};

}  // namespace pxrt::xml

#endif
