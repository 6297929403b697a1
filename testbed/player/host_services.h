#pragma once

#include "counted.h"
#include "service_registry.h"

// The console: every entry goes to standard output as one line.
class stdout_console : public counted<console_receiver> {
 public:
  void print(const char *text, t_size length) override;
};

class player_core_version : public counted<core_version> {
 public:
  const char *get_version_string() override;
};

// The player's own services, registered with the registry for the component to find.
class host_services {
 public:
  explicit host_services(service_registry &registry);

 private:
  stdout_console console_;
  player_core_version core_version_;
};
