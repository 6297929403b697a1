#include "playback.h"

#include <cstdio>
#include <functional>

#include "support/string_base.h"
#include "title_formatting.h"

namespace {

// Stop reasons as the host reports them.
constexpr int stop_reason_user = 0;
constexpr int stop_reason_starting_another = 2;

// Event bits of a callback's flags: bit n asks for the event of callback slot n.
enum event_bit : unsigned {
  event_starting = 1u << 0,
  event_new_track = 1u << 1,
  event_stop = 1u << 2,
  event_pause = 1u << 4,
};

// Each registered playback callback that asked for `event`, reached through its own table.
void tell_callbacks(service_registry &registry, unsigned event,
                    const std::function<void(play_callback &)> &deliver) {
  for (service_base *instance : registry.instances_of(play_callback_static::class_guid)) {
    auto *callback = static_cast<play_callback_static *>(instance);
    if (callback->get_flags() & event) deliver(*callback);
    instance->service_release();
  }
}

void announce_event(const char *what, const player_track *track) {
  if (track != nullptr) {
    std::printf("player: %s: %s\n", what, track->info().path.c_str());
  } else {
    std::printf("player: %s\n", what);
  }
  std::fflush(stdout);
}

}  // namespace

playback::playback(playlist &list, service_registry &registry) : list_(list), registry_(registry) {}

player_track *playback::current() const {
  return state_ == state::stopped ? nullptr : list_.tracks[index_].get();
}

void playback::play(std::size_t index) {
  if (state_ != state::stopped) stop_events(stop_reason_starting_another);
  tell_callbacks(registry_, event_starting, [](play_callback &c) { c.on_playback_starting(0, false); });
  start_track(index, "playing");
}

std::string playback::next() {
  if (state_ == state::stopped) return "nothing is playing";
  if (index_ + 1 >= list_.tracks.size()) {
    return "entry " + std::to_string(index_ + 1) + " is the last";
  }
  start_track(index_ + 1, "next track");
  return {};
}

std::string playback::pause() { return set_paused(true); }

std::string playback::resume() { return set_paused(false); }

std::string playback::set_paused(bool paused) {
  if (state_ == state::stopped) return "nothing is playing";
  if (state_ == (paused ? state::paused : state::playing)) {
    return paused ? "it is paused already" : "it is not paused";
  }
  state_ = paused ? state::paused : state::playing;
  announce_event(paused ? "paused" : "resumed", nullptr);
  tell_callbacks(registry_, event_pause, [paused](play_callback &c) { c.on_playback_pause(paused); });
  return {};
}

std::string playback::stop() {
  if (state_ == state::stopped) return "nothing is playing";
  stop_events(stop_reason_user);
  return {};
}

void playback::start_track(std::size_t index, const char *what) {
  index_ = index;
  list_.focus = index;
  state_ = state::playing;
  player_track *track = list_.tracks[index].get();
  announce_event(what, track);
  tell_callbacks(registry_, event_new_track, [track](play_callback &c) {
    track->service_add_ref();
    c.on_playback_new_track(track);
  });
}

void playback::stop_events(int reason) {
  state_ = state::stopped;
  announce_event("stopped", nullptr);
  tell_callbacks(registry_, event_stop, [reason](play_callback &c) { c.on_playback_stop(reason); });
}

bool player_playback_control::get_now_playing(track **out) {
  player_track *playing = transport_.current();
  if (playing == nullptr) return false;
  playing->service_add_ref();
  if (*out != nullptr) (*out)->service_release();
  *out = playing;
  return true;
}

bool player_playback_control::is_playing() { return transport_.current_state() != playback::state::stopped; }

bool player_playback_control::format_playing_title(void *, pfc::string_base &out, titleformat_object *script,
                                                   void *, int) {
  player_track *playing = transport_.current();
  if (playing == nullptr || script == nullptr) return false;
  out.assign(compiled_script::of(script).format(playing->info()).c_str());
  return true;
}

t_size player_playlist_manager::get_active_playlist() {
  return transport_.list().tracks.empty() ? pfc::infinite_size : 0;
}

t_size player_playlist_manager::get_focus_item(t_size playlist) {
  if (playlist != 0 || transport_.list().tracks.empty()) return pfc::infinite_size;
  return static_cast<t_size>(transport_.list().focus);
}

void player_playlist_manager::format_item_title(t_size playlist, t_size item, void *, pfc::string_base &out,
                                                titleformat_object *script, void *, int) {
  const auto &tracks = transport_.list().tracks;
  if (playlist != 0 || item >= tracks.size() || script == nullptr) return;
  out.assign(compiled_script::of(script).format(tracks[item]->info()).c_str());
}
