#pragma once

#include <string>

#include "component_loader.h"
#include "config_file.h"
#include "service_registry.h"
#include "no_copy.h"

// One component DLL, loaded and started the way the host does it, and stopped and unloaded again
// when this object goes.
class component_module : private no_copy {
 public:
  // Loads the DLL, calls its entry point and registers its factories. Throws std::runtime_error
  // when the DLL does not load or has no entry point.
  component_module(const std::wstring &dll_path, service_registry &registry);

  // Hands over the stored configuration, the file name and the services flag. A configuration
  // the component refuses is reported and the start goes on.
  void start(const config_file &config);

  // Calls on_init of every start/quit hook; at stop, on_quit follows.
  void init_hooks();

  // The component's whole configuration, saved atomically. Failures are reported, not thrown.
  bool save_config(const config_file &config);

  // Quits the hooks (when they were started), saves unless `config` is null, and withdraws the
  // services flag.
  void stop(const config_file *config);

  foobar2000_client &client() { return *client_; }
  const std::string &file_name() const { return file_name_; }

 private:
  service_registry &registry_;
  component_loader loader_;
  foobar2000_client *client_;
  std::string file_name_;
  std::string folder_;
  bool hooks_initialised_ = false;
  bool started_ = false;
};
