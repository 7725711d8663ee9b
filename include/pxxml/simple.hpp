// pxxmlSimple for C++17: a header-only layer over the C operations.
//
//   px::Context ctx;                                        // one per thread
//   auto p = px::decode<tns_presence>(ctx, text);           // px::Decoded: record, status, errors
//   if (!p) std::fputs(p.errors().text().c_str(), stderr);
//   for (const tns_tuple& t : px::items(p->tns_tuple))      // typed ranges over the lists
//     std::puts(px::enums::tns_basic::text(t.tns_status.tns_basic));
//   for (const px::Extension& e : px::extensions(ctx, p->tns__any))   // foreign elements, typed
//     if (const dm__person* person = e.as<dm__person>()) ...
//   px::Record<tns_presence> out(ctx);                      // built records, released at scope end
//   px::Encoded xml = px::encode(ctx, *out);
//
// Nothing throws on its own behalf (a std::string or std::vector may when
// memory runs out); failures come back as statuses with the context's error
// list. Everything goes through the library's exported C operations.
//
//   cxx/context.hpp     px::Context
//   cxx/documents.hpp   px::doc::<document> tags, document_t, DocumentInfo
//   cxx/records.hpp     Record, decode, decode_file, validate, encode
//   cxx/lists.hpp       items, append, set_text, presence bits
//   cxx/enums.hpp       enumeration texts, choice alternative names
//   cxx/extensions.hpp  Extension, extensions, add_extension
//   cxx/rpid.hpp        the value lists of activities and mood
#ifndef PXXML_SIMPLE_HPP
#define PXXML_SIMPLE_HPP

#include "pxxml/simple/cxx/context.hpp"
#include "pxxml/simple/cxx/documents.hpp"
#include "pxxml/simple/cxx/enums.hpp"
#include "pxxml/simple/cxx/errors.hpp"
#include "pxxml/simple/cxx/extensions.hpp"
#include "pxxml/simple/cxx/lists.hpp"
#include "pxxml/simple/cxx/pidf.hpp"
#include "pxxml/simple/cxx/records.hpp"
#include "pxxml/simple/cxx/rpid.hpp"

#endif
