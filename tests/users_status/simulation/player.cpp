#include "player.h"

#include "announce/announcement.h"
#include "users_status/status_keeper.h"
#include "host_streams.h"
#include "settings/config_variables.h"
#include "settings_reset.h"
#include "support/wide_text.h"

namespace sim {

const std::vector<track_entry> tracks = {
    {"Gruppa krovi", "Kino"},
    {"Svefn-g-englar", "Sigur R\xC3\xB3s"},
    {"Line one\r\nLine two\tand a tab", "Band"},
    {"", ""},
    {nullptr, "Z"},  // a huge title, made below
    {"Dance \xF0\x9F\x92\x83 Tonight", "The \xF0\x9F\x8E\xB5 Band"},
    {"Gruppa krovi", "Zemfira"},  // the first one's title by another artist: only the top line differs
};
const std::vector<std::string> scripts = {"%artist% - %title%", "%title%", "   ", "%title% $("};
const std::vector<std::string> top_lines = {
    "Now Playing:", "\xD0\xA1\xD0\xBB\xD1\x83\xD1\x88\xD0\xB0\xD1\x8E:", "", "%artist%", "Now $("};

namespace {

// A megabyte of title with a note straddling the cut.
std::string huge_title() { return std::string(4091, 'a') + "\xF0\x9F\x8E\xB5" + std::string(5000, 'b'); }

std::string title_of(int number) {
  return tracks[static_cast<std::size_t>(number)].title != nullptr
             ? tracks[static_cast<std::size_t>(number)].title
             : huge_title();
}

std::string formatted(const std::string &script, int number) {
  std::string out = script;
  const std::string title = title_of(number);
  const std::string artist = tracks[static_cast<std::size_t>(number)].artist;
  for (const auto &[name, value] :
       {std::pair<std::string, std::string>{"%title%", title}, {"%artist%", artist}}) {
    for (std::size_t at = out.find(name); at != std::string::npos; at = out.find(name, at + value.size())) {
      out.replace(at, name.size(), value);
    }
  }
  return out;
}

// As the component publishes a text: one line (each line break and tab a space), cut.
text published_text(const std::string &utf8) {
  const pfc::wide_text_from_utf8 wide(utf8.c_str());
  const text whole(wide.get(), wide.units() - 1);
  text line;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    const char16_t unit = whole[i];
    if (unit == u'\r' && i + 1 < whole.size() && whole[i + 1] == u'\n') continue;
    if (unit == u'\r' || unit == u'\n' || unit == u'\t' || unit == 0x2028 || unit == 0x2029) {
      line += u' ';
    } else if (unit >= 0x20 && (unit < 0x7F || unit > 0x9F)) {
      line += unit;
    }
  }
  return line.substr(0, kept_length(line));
}

}  // namespace

std::size_t kept_length(const text &t) {
  constexpr std::size_t limit = 4096;
  if (t.size() <= limit) return t.size();
  return (t[limit] & 0xFC00) == 0xDC00 ? limit - 1 : limit;
}

track_texts texts_of(int number) {
  const std::string script = cfg_active_script.text();
  track_texts out;
  out.bottom = published_text(formatted(script, number));
  out.top = published_text(formatted(cfg_top_text.text(), number));
  out.shown = script.find("$(") == std::string::npos && out.bottom.find_first_not_of(u' ') != text::npos;
  out.users_top = std::string(cfg_top_text.text()).find("$(") != std::string::npos;
  return out;
}

player::player(world &w) : world_(w) {
  use_window_system(&w);
  use_clock(&w);
  use_status_file(&w);
  reset_status_keeper();
  reset_settings();
  reset_announcement();
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    track_objects_.emplace_back(title_of(static_cast<int>(i)), tracks[i].artist);
  }
  w.set_caller([this](const std::function<void()> &body) { call(body); });
}

player::~player() {
  host.playback.playing = nullptr;
  reset_status_keeper();
  reset_settings();
  reset_announcement();
  use_window_system(nullptr);
  use_clock(nullptr);
  use_status_file(nullptr);
}

void player::call(const std::function<void()> &body) {
  if (depth == 0) {
    call_started_ = world_.now();
  }
  if (call_begins) call_begins(depth == 0);
  ++depth;
  body();
  --depth;
  if (depth == 0) after_call();
}

void player::after_call() {
  if (world_.player_dead()) {
    session = false;
    world_.kill_timer();
  }
  if (call_ends) call_ends(call_started_);
}

void player::start_session() {
  if (session) return;
  world_.new_player_process();
  reset_status_keeper();
  reset_settings();
  reset_announcement();
  host.playback.playing = nullptr;
  stored_bytes_stream in(saved.data(), static_cast<t_size>(saved.size()));
  abort_flag go_on;
  cfg_var_reader::load_chain(in, go_on);
  session = true;
  session_started = world_.now();
  state = playback::stopped;
  track = -1;
  source = -1;
  request();
  call([this] { hooks_.on_init(); });
}

void player::quit() {
  if (!session) return;
  request();
  call([this] { hooks_.on_quit(); });
  session = false;
  world_.player_ends();
  world_.kill_timer();
}

void player::kill() {
  session = false;
  world_.player_ends();
  world_.kill_timer();
}

void player::request(bool after_stop) {
  ++requests;
  request_messages = world_.messages_from_component();
  put_back_after_stop = after_stop;
}

void player::save() {
  if (!session) return;
  collected_bytes_stream out;
  abort_flag go_on;
  cfg_var_writer::save_chain(out, go_on);
  saved.assign(out.data(), out.data() + out.size());
  saved_owed.assign(cfg_owed_status.bytes.data(),
                    cfg_owed_status.bytes.data() + cfg_owed_status.bytes.size());
}

bool player::saved_owes_what_is_owed() const {
  return saved_owed == std::vector<std::uint8_t>(cfg_owed_status.bytes.data(),
                                                 cfg_owed_status.bytes.data() + cfg_owed_status.bytes.size());
}

void player::new_track(int number) {
  if (!session) return;
  fake_track *object = &track_objects_[static_cast<std::size_t>(number)];
  // Every start of a track (or stream) begins from its own tags.
  object->title = title_of(number);
  object->artist = tracks[static_cast<std::size_t>(number)].artist;
  state = playback::playing;
  track = number;
  source = number;
  track_event = world_.now();
  ++track_events;
  if (cfg_enabled) request();
  host.playback.playing = object;
  object->service_add_ref();
  call([&] { events_.on_playback_new_track(object); });
}

void player::stop(int reason) {
  if (!session) return;
  state = playback::stopped;
  host.playback.playing = nullptr;
  if (cfg_enabled) request(true);
  call([&] { events_.on_playback_stop(reason); });
}

void player::pause(bool paused) {
  if (!session || state == playback::stopped || (state == playback::paused) == paused) return;
  state = paused ? playback::paused : playback::playing;
  if (!paused) announced_again();
  if (cfg_enabled) request();
  call([&] { events_.on_playback_pause(paused); });
}

void player::new_title(int number) { new_text(number, false); }

void player::edit_tags(int number) { new_text(number, true); }

void player::new_text(int number, bool edited) {
  if (!session || state == playback::stopped) return;
  fake_track *playing = host.playback.playing;
  playing->title = title_of(number);
  playing->artist = tracks[static_cast<std::size_t>(number)].artist;
  source = number;
  quiet_event = true;
  if (state == playback::playing && cfg_enabled) {
    const track_texts now = texts_of(number);
    const track_texts before = texts_of(track);
    const bool asked_already = before.shown && now.bottom == before.bottom && now.top == before.top;
    if (now.shown && !asked_already) {
      announced_again();
      request();
      quiet_event = false;
    }
  }
  if (edited) {
    playing->service_add_ref();
    call([&] { events_.on_playback_edited(playing); });
  } else {
    call([&] { events_.on_playback_dynamic_info_track(nullptr); });
  }
  quiet_event = false;
}

void player::announced_again() {
  track = source;
  track_event = world_.now();
  ++track_events;
}

void player::menu() {
  if (!session) return;
  announced_again();
  request();
  call([this] { menu_.execute(0, nullptr); });
}

void player::option(int which) {
  if (!session) return;
  cfg_int_t<bool> *const options[] = {&cfg_music_status_only, &cfg_keep_status_picture, &cfg_keep_top_text};
  *options[which] = !*options[which];
  settings_changed();
}

void player::top_line(int which) {
  if (!session) return;
  cfg_top_text.assign(top_lines[static_cast<std::size_t>(which)].c_str());
  settings_changed();
}

void player::script(int which) {
  if (!session) return;
  cfg_active_script.assign(scripts[static_cast<std::size_t>(which)].c_str());
  settings_changed();
}

// As the preferences page does: a changed setting shows at once.
void player::settings_changed() {
  announced_again();
  if (cfg_enabled && state == playback::playing) request();
  call([] { show_settings_change(); });
}

}  // namespace sim
