#include "presence_form.h"

#include <cstring>

#include "xml_input.h"

namespace pxp {
namespace {

// A prefix bound to `uri` on the root, or a new declaration of one.
std::string rootPrefixFor(pugi::xml_node root, Scopes& scopes, const char* uri, const char* preferred) {
  const char* def = scopes.lookup(root, "");
  if (def && sameUri(def, uri)) return "";
  for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute()) {
    std::string_view p;
    if (isNamespaceDeclaration(a, &p) && !p.empty() && sameUri(a.value(), uri)) return std::string(p);
  }
  std::string prefix = preferred;
  for (int i = 1; scopes.lookup(root, prefix); ++i) prefix = std::string(preferred) + std::to_string(i);
  root.append_attribute(("xmlns:" + prefix).c_str()).set_value(uri);
  return prefix;
}

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

}  // namespace

bool classifyForm(const pugi::xml_document& doc, Scopes& scopes, Form* form, Failure& failure) {
  pugi::xml_node root = documentElement(doc);
  ExpandedName name;
  if (!scopes.elementName(root, &name)) {
    return fail(failure, PXP_E_INVALID_DOCUMENT, std::string("the prefix of <") + root.name() + "> is not declared");
  }
  if (name.local == "presence" && sameUri(name.uri, kPidfNs)) {
    *form = Form::Presence;
    return true;
  }
  if (name.local == "pidf-full" && sameUri(name.uri, kDiffNs)) {
    *form = Form::Full;
    uint32_t version;
    pugi::xml_attribute v = root.attribute("version");
    if (v && !parseVersion(v.value(), &version)) {
      return fail(failure, PXP_E_INVALID_DOCUMENT, "version=\"" + std::string(v.value()) + "\" is not an unsigned 32-bit number");
    }
    return true;
  }
  return fail(failure, PXP_E_INVALID_DOCUMENT,
              "the document element {" + std::string(name.uri) + "}" + std::string(name.local) +
                  " is neither PIDF presence nor pidf-full");
}

bool parseVersion(const char* text, uint32_t* value) {
  uint64_t v = 0;
  if (!*text) return false;
  for (const char* p = text; *p; ++p) {
    if (*p < '0' || *p > '9') return false;
    v = v * 10 + static_cast<uint64_t>(*p - '0');
    if (v > 0xFFFFFFFFull) return false;
  }
  *value = static_cast<uint32_t>(v);
  return true;
}

bool readVersion(pugi::xml_node root, uint32_t* value) {
  pugi::xml_attribute a = root.attribute("version");
  return a && parseVersion(a.value(), value);
}

void writeVersion(pugi::xml_node root, uint32_t value) {
  pugi::xml_attribute a = root.attribute("version");
  if (!a) a = root.append_attribute("version");
  a.set_value(std::to_string(value).c_str());
}

void convertForm(pugi::xml_document& doc, Scopes& scopes, Form from, Form target, bool hasVersion, uint32_t version) {
  pugi::xml_node root = documentElement(doc);
  if (from != target) {
    const char* uri = target == Form::Full ? kDiffNs : kPidfNs;
    std::string prefix = rootPrefixFor(root, scopes, uri, target == Form::Full ? "pd" : "pidf");
    std::string local = target == Form::Full ? "pidf-full" : "presence";
    root.set_name((prefix.empty() ? local : prefix + ":" + local).c_str());
    if (target == Form::Presence) root.remove_attribute("version");
    scopes.clear();
  }
  if (target == Form::Full && hasVersion) writeVersion(root, version);
}

std::string serialize(const pugi::xml_document& doc, size_t sizeHint) {
  StringWriter writer;
  writer.out.reserve(sizeHint + sizeHint / 8);
  doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  // pugixml keeps no text beside the document element: the line break after
  // the XML declaration comes back here.
  std::string& out = writer.out;
  if (out.compare(0, 5, "<?xml") == 0) {
    size_t end = out.find("?>");
    if (end != std::string::npos && end + 2 < out.size() && out[end + 2] != '\n') out.insert(end + 2, "\n");
  }
  return std::move(out);
}

}  // namespace pxp
