#include <cstring>

#include "cases.h"
#include "check.h"
#include "host_services.h"
#include "started_component.h"
#include "host_streams.h"
#include "stored_chain.h"

void configuration_round_trip_keeps_every_byte() {
  player_services host;
  started_component component(host.api);
  foobar2000_client *client = component.client();
  if (client == nullptr) return;
  abort_flag go_on(false);

  collected_bytes_stream defaults;
  client->get_config(&defaults, go_on);
  check_number(defaults.size(), 287, "the untouched settings are stored in 287 bytes");

  // Every setting away from its default, in the order the component stores them.
  const char *const presets[] = {"Сейчас играет: %title%",
                                 "\xF0\x9F\x8E\xB8 %artist% — %album% \xF0\x9F\x8E\xB6", ""};
  bytes stored;
  add_list_record(stored, setting::presets, presets, 3);
  add_switch_record(stored, setting::keep_top_text, 1);
  add_switch_record(stored, setting::keep_status_picture, 1);
  add_switch_record(stored, setting::music_status_only, 1);
  add_text_record(stored, setting::top_text, "Слушаю \xF0\x9F\x8E\xA7:");
  add_text_record(stored, setting::active_script, "%artist% — %title%");
  add_switch_record(stored, setting::enabled, 0);
  stored_bytes_stream in(stored.data(), stored.size());
  client->set_config(&in, go_on);

  collected_bytes_stream saved;
  client->get_config(&saved, go_on);
  check_number(saved.size(), stored.size(), "the stored chain comes back at its own size");
  check(saved.size() == stored.size() && std::memcmp(saved.data(), stored.data(), stored.size()) == 0,
        "the stored chain comes back byte for byte");
}
