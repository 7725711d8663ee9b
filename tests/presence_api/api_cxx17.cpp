// The C++ API compiled as C++17, beside the C API compiled as C: both
// headers stand alone in the language versions they promise.
#include "pxxml/presence.hpp"

extern "C" int applyFromC(void);

int main() {
  if (int c = applyFromC()) return 10 + c;
  auto applied = pxxml::presence::apply(
      "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"/>",
      "<p:pidf-diff xmlns=\"urn:ietf:params:xml:ns:pidf\" xmlns:p=\"urn:ietf:params:xml:ns:pidf-diff\">"
      "<p:add sel=\"presence\"><note>hi</note></p:add></p:pidf-diff>");
  if (!applied || applied.value().view().find("<note>hi</note>") == std::string_view::npos) return 1;
  pxxml::presence::Text moved = std::move(applied).value();
  auto equal = pxxml::presence::equalDocuments(moved.view(), "<presence xmlns=\"urn:ietf:params:xml:ns:pidf\" entity=\"e\"><note>hi</note></presence>");
  return equal && equal.value() ? 0 : 2;
}
