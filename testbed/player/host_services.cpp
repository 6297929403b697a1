#include "host_services.h"

#include <cstdio>

void stdout_console::print(const char *text, t_size length) {
  if (length == pfc::infinite_size) {
    std::fputs(text, stdout);
  } else {
    std::fwrite(text, 1, length, stdout);
  }
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

const char *player_core_version::get_version_string() { return "Tunesignal player 1.0"; }

host_services::host_services(service_registry &registry) {
  registry.add_host_service(console_receiver::class_guid, &console_, "console");
  registry.add_host_service(core_version::class_guid, &core_version_, "core version");
}
