// examples/basic_status.cpp: print the basic status of every tuple of a presence document and the
// type of each element kept beside the tuples.
#include <cstdio>
#include "pxxml/simple.hpp"

int main(int argc, char** argv) {
  px::Context ctx;
  auto p = px::decode_file<tns_presence>(ctx, argc > 1 ? argv[1] : "samples/presence.xml");
  if (!p) return std::fputs(p.errors().text().c_str(), stderr), 1;
  for (const tns_tuple& t : px::items(p->tns_tuple))
    std::puts(px::has(t.tns_status, TNS_STATUS_BASIC) ? px::enums::tns_basic::text(t.tns_status.tns_basic) : "-");
  for (const px::Extension& e : px::extensions(ctx, p->tns__any)) std::puts(e.known() ? e.document()->name : "?");
}
