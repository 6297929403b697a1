#include "host_services.h"

#include <string>

#include "console_output.h"

void stdout_console::print(const char *text, t_size length) {
  print_text((length == pfc::infinite_size ? std::string(text) : std::string(text, length)) + "\n");
}

const char *player_core_version::get_version_string() { return "Tunesignal player 1.0"; }

host_services::host_services(service_registry &registry) {
  registry.add_host_service(console_receiver::class_guid, &console_, "console");
  registry.add_host_service(core_version::class_guid, &core_version_, "core version");
}
