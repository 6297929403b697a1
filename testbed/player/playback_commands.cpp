#include "playback_commands.h"

#include <cstdlib>

#include "console_output.h"
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

// `reason` is what kept the transport from acting; empty when it acted.
void tell_refusal(const char *what, const std::string &reason) {
  if (!reason.empty()) say("player: cannot %s: %s\n", what, reason.c_str());
}

// An optional sign and digits, nothing else: "2abc" is no entry number.
bool is_whole_number(const std::string &word) {
  const std::size_t digits = word[0] == '-' || word[0] == '+' ? 1 : 0;
  return word.size() > digits && word.find_first_not_of("0123456789", digits) == std::string::npos;
}

std::string entries_text(std::size_t count) {
  if (count == 0) return "the playlist is empty";
  if (count == 1) return "the playlist has entry 1 only";
  return "the playlist has entries 1 to " + std::to_string(count);
}

void play_entry(playback &transport, const command_table::arguments &args) {
  if (args.size() > 1) {
    say("player: play takes one entry number\n");
    return;
  }
  const std::string word = args.empty() ? "1" : args[0];
  if (!is_whole_number(word)) {
    say("player: play takes an entry number: %s\n", word.c_str());
    return;
  }
  // A number too long for this type comes out as the largest it holds: out of range as well.
  const long long number = std::strtoll(word.c_str(), nullptr, 10);
  const std::size_t count = transport.list().tracks.size();
  if (number < 1 || static_cast<unsigned long long>(number) > count) {
    say("player: there is no entry %s: %s\n", word.c_str(), entries_text(count).c_str());
    return;
  }
  transport.play(static_cast<std::size_t>(number - 1));
}

// "tag FIELD VALUE": the value is the rest of the line; without one, the tag goes.
void tag_playing_track(playback &transport, const std::string &text) {
  const std::size_t field_end = text.find_first_of(" \t");
  const std::string field = text.substr(0, field_end);
  if (field.empty()) {
    say("player: tag takes a field and its text: tag FIELD VALUE (no VALUE removes the tag)\n");
    return;
  }
  const std::size_t value_start =
      field_end == std::string::npos ? std::string::npos : text.find_first_not_of(" \t", field_end);
  const std::string value = value_start == std::string::npos ? std::string() : text.substr(value_start);
  tell_refusal("edit a tag", transport.edit_tag(field, value));
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
  say("player: menu [%s] %s\n", (flags & checked) ? "x" : " ", name.text());
}

void list_tracks(playback &transport) {
  const auto &tracks = transport.list().tracks;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    const bool current = transport.current() == tracks[i].get();
    say("%s%2u. %s\n", current ? "> " : "  ", static_cast<unsigned>(i + 1), tracks[i]->info().path.c_str());
  }
}

}  // namespace

void add_playback_commands(command_table &commands, playback &transport, service_registry &registry) {
  commands.add(
      "play",
      "play N: start entry N of the playlist (1 = first); an entry with\n"
      "\"stream\": [{\"title\": \"Song A\", \"seconds\": 1.5}, ...] plays as a stream, each title in turn",
      [&](const auto &args) { play_entry(transport, args); });
  commands.add("next", "the playing track ends and the next one starts",
               [&](const auto &) { tell_refusal("go to the next track", transport.next()); });
  commands.add("pause", "pause playback", [&](const auto &) { tell_refusal("pause", transport.pause()); });
  commands.add("resume", "resume paused playback",
               [&](const auto &) { tell_refusal("resume", transport.resume()); });
  commands.add("stop", "stop playback", [&](const auto &) { tell_refusal("stop", transport.stop()); });
  commands.add_text(
      "tag",
      "tag FIELD VALUE: set a tag of the playing track (a stream's own tags) to VALUE, the rest\n"
      "of the line; with no VALUE the tag is removed",
      [&](const std::string &text) { tag_playing_track(transport, text); });
  commands.add("list", "show the playlist", [&](const auto &) { list_tracks(transport); });
  commands.add("status", "show what plays and the component's menu item", [&](const auto &) {
    player_track *track = transport.current();
    say("player: status: %s%s%s\n", state_name(transport.current_state()), track ? ": " : "",
        track ? track->info().path.c_str() : "");
    for_each_menu_command(registry, print_menu_item);
  });
  commands.add("menu", "pick the component's main-menu command", [&](const auto &) {
    for_each_menu_command(registry, [](mainmenu_commands &menu, t_uint32 index) {
      menu.execute(index, nullptr);
      print_menu_item(menu, index);
    });
  });
}
