#include "playback.h"

#include <functional>

#include "console_output.h"
#include "hand_out.h"
#include "support/string_base.h"
#include "title_formatting.h"

namespace {

// Stop reasons as the host reports them.
constexpr int stop_reason_user = 0;
constexpr int stop_reason_end_of_playlist = 1;
constexpr int stop_reason_starting_another = 2;

// Event bits of a callback's flags: bit n asks for the event of callback slot n.
enum event_bit : unsigned {
  event_starting = 1u << 0,
  event_new_track = 1u << 1,
  event_stop = 1u << 2,
  event_pause = 1u << 4,
  event_edited = 1u << 5,
  event_dynamic_info_track = 1u << 7,
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
    say("player: %s: %s\n", what, track->info().path.c_str());
  } else {
    say("player: %s\n", what);
  }
}

void announce_stream_title(const stream_title &title) {
  say("player: stream title: %s\n", title.title.c_str());
}

}  // namespace

playback::playback(playlist &list, service_registry &registry)
    : list_(list), registry_(registry), clock_([this] { stream_title_over(); }) {}

player_track *playback::current() const {
  return state_ == state::stopped ? nullptr : list_.tracks[index_].get();
}

titleformat::track_info playback::playing_info() const {
  titleformat::track_info info = list_.tracks[index_]->info();
  const std::vector<stream_title> &stream = list_.tracks[index_]->stream();
  if (!stream.empty()) titleformat::set_tag(info, "title", stream[stream_title_].title);
  return info;
}

void playback::play(std::size_t index) {
  if (state_ != state::stopped) stop_events(stop_reason_starting_another, "stopped");
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
  if (paused) {
    clock_.pause();
  } else {
    clock_.resume();
  }
  announce_event(paused ? "paused" : "resumed", nullptr);
  tell_callbacks(registry_, event_pause, [paused](play_callback &c) { c.on_playback_pause(paused); });
  return {};
}

std::string playback::stop() {
  if (state_ == state::stopped) return "nothing is playing";
  stop_events(stop_reason_user, "stopped");
  return {};
}

std::string playback::edit_tag(const std::string &name, const std::string &text) {
  player_track *track = current();
  if (track == nullptr) return "nothing is playing";
  if (!track->edit_tag(name, text)) return "the playing track has no tag \"" + name + "\" to remove";
  if (text.empty()) {
    say("player: tag %s removed: %s\n", name.c_str(), track->info().path.c_str());
  } else {
    say("player: tag %s set to \"%s\": %s\n", name.c_str(), text.c_str(), track->info().path.c_str());
  }
  tell_callbacks(registry_, event_edited, [track](play_callback &c) {
    track->service_add_ref();
    c.on_playback_edited(track);
  });
  return {};
}

void playback::start_track(std::size_t index, const char *what) {
  index_ = index;
  list_.focus = index;
  state_ = state::playing;
  player_track *track = list_.tracks[index].get();
  announce_event(what, track);
  // The stream's first title is known as it starts, so the new track has it already.
  stream_title_ = 0;
  if (track->stream().empty()) {
    clock_.cancel();
  } else {
    announce_stream_title(track->stream().front());
    clock_.start(track->stream().front().seconds);
  }
  tell_callbacks(registry_, event_new_track, [track](play_callback &c) {
    track->service_add_ref();
    c.on_playback_new_track(track);
  });
}

void playback::stop_events(int reason, const char *what) {
  state_ = state::stopped;
  clock_.cancel();
  announce_event(what, nullptr);
  tell_callbacks(registry_, event_stop, [reason](play_callback &c) { c.on_playback_stop(reason); });
}

void playback::stream_title_over() {
  const std::vector<stream_title> &stream = list_.tracks[index_]->stream();
  if (stream_title_ + 1 < stream.size()) {
    ++stream_title_;
    announce_stream_title(stream[stream_title_]);
    clock_.start(stream[stream_title_].seconds);
    // The host passes what the stream sent; the component asks the playback control instead.
    tell_callbacks(registry_, event_dynamic_info_track,
                   [](play_callback &c) { c.on_playback_dynamic_info_track(nullptr); });
  } else if (index_ + 1 < list_.tracks.size()) {
    start_track(index_ + 1, "next track");
  } else {
    stop_events(stop_reason_end_of_playlist, "stopped at the end of the playlist");
  }
}

bool player_playback_control::get_now_playing(track **out) {
  player_track *playing = transport_.current();
  if (playing == nullptr) return false;
  hand_out<track>(out, playing);
  return true;
}

bool player_playback_control::is_playing() { return transport_.current_state() != playback::state::stopped; }

bool player_playback_control::format_playing_title(void *, pfc::string_base &out, titleformat_object *script,
                                                   void *, int) {
  if (transport_.current() == nullptr || script == nullptr) return false;
  out.assign(compiled_script::of(script).format(transport_.playing_info()).c_str());
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
