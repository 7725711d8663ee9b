// Records as JSON: one more engine over the descriptors of the schema
// modules, for scripts (jq) and for people who edit a document by hand.
//
// A document is an object with one member named after its root element
// ({"presence": {...}}). A record is an object whose keys are the record's
// member names (those of the C headers: "tns_tuple", "tns_entity", ...);
// optional members without a value are left out; lists are arrays;
// enumerations are their texts ("open"); a choice is an object with one key,
// the chosen alternative's member name (an alternative of empty type has the
// value true; nothing chosen is {}); an optional element of empty type is
// true; the text of a simple-content element is "value"; a kept foreign
// element is its XML text, or an object {"xml": text, ...} where a reader
// added more about it (see Decorate below); kept foreign attributes are
// {"name", "value"[, "ns"]} objects and kept namespace declarations
// {"prefix", "uri"} objects. Records whose texts depend on the declarations
// in scope where they stood (a partial presence document and its
// operations) carry them as "xmlns": {"prefix": "uri", ...} ("" for the
// default namespace), so that their selectors keep their meaning.
#ifndef PXSIMPLE_JSON_CODEC_H
#define PXSIMPLE_JSON_CODEC_H

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "families/descriptor.h"

namespace pxjson {

using Json = nlohmann::ordered_json;

// Called for every kept foreign element on the way out: the text, and the
// JSON value to write for it (a string at first), which the caller may turn
// into an object {"xml": text, ...}.
using Decorate = std::function<void(const RtXmlString& element, Json* out)>;

// The document's JSON. A record of a simple-typed document is an
// RtXmlString.
Json documentToJson(RtContext* ctxt, const pxs::DocDesc* doc, const void* record,
                    const Decorate& decorate = nullptr);
// outer: the record this one is nested in whose kept namespace declarations
// its own are written relative to (the nearest enclosing one that keeps
// them; null at the top).
Json recordToJson(RtContext* ctxt, const pxs::TypeDesc* type, const void* record, const Decorate& decorate = nullptr,
                  const void* outer = nullptr);

// The document a JSON value stands for (its one key), or null with a
// message in *error.
const pxs::DocDesc* documentOf(const Json& json, std::string* error);

// Fill an initialised record from JSON, allocating from the context heap.
// On failure returns false with *error naming the JSON path ("/presence/
// tns_tuple/0/tns_id") and what was wrong; the record holds what was read
// before and is released as usual.
bool documentFromJson(RtContext* ctxt, const pxs::DocDesc* doc, const Json& json, void* record, std::string* error);

}  // namespace pxjson

#endif
