// A stand-in for the host media player: loads a component DLL exactly as the host does, offers
// the host's API and services, keeps the component's configuration in a profile folder and takes
// commands from standard input or a script file.
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "app_data.h"
#include "command_input.h"
#include "command_table.h"
#include "component_info.h"
#include "component_module.h"
#include "config_file.h"
#include "console_output.h"
#include "host_services.h"
#include "options.h"
#include "page_commands.h"
#include "playback.h"
#include "playback_commands.h"
#include "preferences_window.h"
#include "service_registry.h"
#include "text_conversion.h"
#include "title_formatting.h"
#include "windows_error.h"

namespace {

bool parse_milliseconds(const std::string &text, DWORD &milliseconds) {
  char *end = nullptr;
  const unsigned long value = std::strtoul(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value > 3600000) return false;
  milliseconds = static_cast<DWORD>(value);
  return true;
}

void add_session_commands(command_table &commands, component_module &component, service_registry &registry,
                          const config_file &config, preferences_window &preferences) {
  commands.add("save", "save the component's configuration now", [&](const auto &) {
    if (component.save_config(config)) say("player: configuration saved\n");
  });
  commands.add("info", "show what the component says about itself and its application data folder",
               [&](const auto &) { print_component_info(registry, component.client()); });
  commands.add("quit", "save, stop the component and exit", [&](const auto &) { commands.stop(); });
  commands.add("help", "list the commands", [&](const auto &) { commands.print_help(); });
  // What the component does later (trying again, waiting for the messenger) happens meanwhile.
  commands.add("wait", "wait MS: let MS milliseconds pass (at most an hour), the player running",
               [&](const auto &args) {
                 DWORD milliseconds = 0;
                 if (args.size() != 1 || !parse_milliseconds(args[0], milliseconds)) {
                   say("player: 'wait' takes milliseconds, from 0 to 3600000\n");
                   return;
                 }
                 answer_messages_for(milliseconds,
                                     [&](MSG &message) { return preferences.take_key(message); });
               });
  // Lets a program that drives the player know when everything before it has been done.
  commands.add("echo", "echo TEXT: print TEXT", [](const auto &args) {
    std::string line;
    for (const std::string &word : args) line += (line.empty() ? "" : " ") + word;
    say("%s\n", line.c_str());
  });
}

// The script file, or standard input; true in `own` when the handle is the player's to close.
HANDLE open_commands(const options &opts, bool &own) {
  own = !opts.script.empty();
  if (!own) return GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE script = CreateFileW(opts.script.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (script == INVALID_HANDLE_VALUE) {
    throw std::runtime_error("cannot open the script " + utf8_from_wide(opts.script) + ": " +
                             windows_error_text(GetLastError()));
  }
  return script;
}

int run(const options &opts) {
  bool own_input = false;
  const HANDLE input = opts.info ? nullptr : open_commands(opts, own_input);
  CreateDirectoryW(opts.profile.c_str(), nullptr);
  use_app_data_folder(opts.app_data);
  service_registry registry;
  host_services services(registry);
  playlist tracks = opts.playlist.empty() ? playlist{} : load_playlist(opts.playlist);
  playback transport(tracks, registry);
  player_playback_control playback_service(transport);
  player_titleformat_compiler compiler_service;
  player_playlist_manager playlist_service(transport);
  registry.add_host_service(playback_control::class_guid, &playback_service, "playback control");
  registry.add_host_service(titleformat_compiler::class_guid, &compiler_service, "title-format compiler");
  registry.add_host_service(playlist_manager::class_guid, &playlist_service, "playlist manager");
  component_module component(opts.component, registry);
  const config_file config(opts.profile + L"\\" + wide_from_utf8(component.file_name()) + L".cfg");

  component.start(config);
  if (opts.info) {
    print_component_info(registry, component.client());
    component.stop(nullptr);
    return 0;
  }
  component.init_hooks();

  preferences_window preferences(registry);
  command_table commands;
  add_session_commands(commands, component, registry, config, preferences);
  add_playback_commands(commands, transport, registry);
  add_preferences_commands(commands, preferences);
  run_commands(input, own_input, commands, [&](MSG &message) { return preferences.take_key(message); });
  // As the player does at exit: the page goes first, and stores what it holds before the save.
  preferences.close();
  component.stop(&config);

  for (const std::string &line : registry.unreleased_references()) {
    say("player: the component still holds references: %s\n", line.c_str());
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t **argv) {
  options opts;
  std::string error;
  if (!parse_options(argc, argv, opts, error)) {
    print_error_text("player: " + error + "\n" + usage_text);
    return 2;
  }
  if (opts.help) {
    print_text(usage_text);
    return 0;
  }
  try {
    return run(opts);
  } catch (const std::exception &e) {
    say("player: %s\n", e.what());
    return 1;
  }
}
