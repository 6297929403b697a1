#include "playback_commands.h"

#include <cstdio>
#include <cstdlib>

#include "support/string8.h"

namespace {

const char *state_name(playback::state state) {
  switch (state) {
    case playback::state::playing:
      return "playing";
    case playback::state::paused:
      return "paused";
    case playback::state::stopped:
      break;
  }
  return "stopped";
}

void refuse(const char *what) {
  std::printf("player: cannot %s now\n", what);
  std::fflush(stdout);
}

// Every main-menu command of the component, with its check mark.
template <typename Visit>
void for_each_menu_command(service_registry &registry, Visit visit) {
  for (service_base *instance : registry.instances_of(mainmenu_commands::class_guid)) {
    auto *commands = static_cast<mainmenu_commands *>(instance);
    for (t_uint32 i = 0; i < commands->get_command_count(); ++i) visit(*commands, i);
    instance->service_release();
  }
}

void print_menu_item(mainmenu_commands &commands, t_uint32 index) {
  pfc::string8 name;
  t_uint32 flags = 0;
  commands.get_display(index, name, flags);
  constexpr t_uint32 checked = 2;
  std::printf("player: menu [%s] %s\n", (flags & checked) ? "x" : " ", name.text());
}

void list_tracks(playback &transport) {
  const auto &tracks = transport.list().tracks;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    const bool current = transport.current() == tracks[i].get();
    std::printf("%s%2u. %s\n", current ? "> " : "  ", static_cast<unsigned>(i + 1),
                tracks[i]->info().path.c_str());
  }
}

}  // namespace

void add_playback_commands(command_table &commands, playback &transport, service_registry &registry) {
  commands.add("play", "play N: start entry N of the playlist (1 = first)", [&](const auto &args) {
    const long n = args.empty() ? 1 : std::strtol(args[0].c_str(), nullptr, 10);
    if (n < 1 || !transport.play(static_cast<std::size_t>(n - 1))) refuse("play that entry");
  });
  commands.add("next", "the playing track ends and the next one starts", [&](const auto &) {
    if (!transport.next()) refuse("go to a next track");
  });
  commands.add("pause", "pause playback", [&](const auto &) {
    if (!transport.pause()) refuse("pause");
  });
  commands.add("resume", "resume paused playback", [&](const auto &) {
    if (!transport.resume()) refuse("resume");
  });
  commands.add("stop", "stop playback", [&](const auto &) {
    if (!transport.stop()) refuse("stop");
  });
  commands.add("list", "show the playlist", [&](const auto &) { list_tracks(transport); });
  commands.add("status", "show what plays and the component's menu item", [&](const auto &) {
    player_track *track = transport.current();
    std::printf("player: status: %s%s%s\n", state_name(transport.current_state()), track ? ": " : "",
                track ? track->info().path.c_str() : "");
    for_each_menu_command(registry, print_menu_item);
    std::fflush(stdout);
  });
  commands.add("menu", "pick the component's main-menu command", [&](const auto &) {
    for_each_menu_command(registry, [](mainmenu_commands &menu, t_uint32 index) {
      menu.execute(index, nullptr);
      print_menu_item(menu, index);
    });
    std::fflush(stdout);
  });
}
