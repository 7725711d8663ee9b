// Decode a presence, print each tuple's basic status and the activities of
// the persons it carries; build a presence with a busy person and encode it.
#include <cstdio>

#include "pxxml/simple.hpp"

int main(int argc, char** argv) {
  px::Context ctx;
  auto in = px::decode_file<tns_presence>(ctx, argc > 1 ? argv[1] : "presence.xml");
  if (!in) return std::fputs(in.errors().text().c_str(), stderr), 1;
  for (auto& t : px::items<tns_tuple>(in->tns_tuple)) std::puts(px::pidf::basic(t.tns_status));
  for (const px::Extension& e : px::extensions(ctx, in->tns__any))
    for (const rpid__activities* a : e.extensions().all<px::doc::rpid_activities>())
      for (const char* name : px::rpid::activity_names(*a)) std::printf("%s: %s\n", e.document()->element, name);
  px::Record<px::doc::rpid_activities> busy(ctx);
  px::rpid::add_value(ctx, busy->rpid__choice2, RPID__ACTIVITIES_5_BUSY);
  px::Record<dm__person> person(ctx);
  px::set_text(ctx, person->dm_id, "p1");
  px::add_extension(ctx, person->dm__any, busy);
  px::Record<tns_presence> out(ctx);
  px::set_text(ctx, out->tns_entity, "pres:someone@example.com");
  px::add_extension(ctx, out->tns__any, person);
  std::puts(px::encode(ctx, out).text.c_str());
}
