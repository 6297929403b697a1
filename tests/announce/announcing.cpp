#include "announcing.h"

#include "announce/announcement.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"
#include "settings/config_variables.h"

const fields users_own_status = {"3", "At work", "Busy until five"};
const std::vector<std::wstring> users_own_status_options = {L"--picture", L"3",        L"--top",
                                                            L"At work",   L"--bottom", L"Busy until five"};

namespace {

std::string describe(const fields &line) {
  const std::string &role = line.at(0), &message = line.at(1);
  std::string text = role + " " + message + " " + line.at(2);
  if (message == "0x000C") return text + " \"" + line.at(4) + "\"";
  if (message == "0x000D" || role == "main_panel") return text;
  return text + " " + line.at(3);
}

}  // namespace

std::vector<std::string> received(const messenger_standin &messenger) {
  std::vector<std::string> out;
  for (const fields &line : messenger.message_log()) {
    if (line.size() >= 4 && line[1] != "0x000E") out.push_back(describe(line));
  }
  return out;
}

std::size_t count_of(const std::vector<std::string> &messages, const std::string &prefix) {
  std::size_t n = 0;
  for (const std::string &m : messages) n += m.rfind(prefix, 0) == 0;
  return n;
}

const std::vector<std::string> opening = {"main_panel 0x0203 1", "main_panel 0x0203 1", "main_panel 0x0201 1",
                                          "main_panel 0x0202 1", "status_form 0x0112 61536 0"};
const std::vector<std::string> saving = {"bottom_edit 0x000D 255", "top_edit 0x000D 255",
                                         "status_combo 0x0147 0 0"};

std::vector<std::string> publishing(const std::string &picture, const std::string &picture_l_param,
                                    const std::string &bottom, const std::string &top) {
  return {"status_combo 0x014E " + picture + " " + picture_l_param, "bottom_edit 0x000C 0 \"" + bottom + "\"",
          "top_edit 0x000C 0 \"" + top + "\"", "status_panel 0x0201 1 65537", "status_panel 0x0202 1 65537"};
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto &part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

void announcing::SetUp() {
  status_saved = false;
  stop_picture = 0;
  saved_status = {};
  own_status = {};
  reset_messenger_windows();
  cfg_enabled = true;
  cfg_active_script.assign("%artist% - %title%");
  cfg_top_text.assign("Now Playing:");
  cfg_music_status_only = false;
  cfg_keep_status_picture = false;
  cfg_keep_first_edit = false;
}

void announcing::TearDown() { reset_messenger_windows(); }

void announcing::start(fake_track &track) {
  player.playback.playing = &track;
  track.service_add_ref();
  events().on_playback_new_track(&track);
}

void announcing::stop() {
  player.playback.playing = nullptr;
  events().on_playback_stop(0);
}
