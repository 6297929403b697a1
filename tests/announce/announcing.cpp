#include "announcing.h"

#include "announce/announcement.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"
#include "settings/config_variables.h"
#include "settings_reset.h"

const fields users_own_status = {"3", "At work", "Busy until five"};
const std::vector<std::wstring> users_own_status_options = {L"--picture", L"3",        L"--top",
                                                            L"At work",   L"--bottom", L"Busy until five"};

messages received(const messenger_standin &messenger) {
  messages out;
  for (const window_message &message : messenger.messages()) {
    if (message.message != WM_GETTEXTLENGTH) out.push_back(message);
  }
  return out;
}

std::size_t count_of(const messages &seen, const window_message &expected) {
  std::size_t n = 0;
  for (const window_message &message : seen) n += matches(expected, message);
  return n;
}

const messages opening = {{"main_panel", WM_LBUTTONDBLCLK, MK_LBUTTON, any},
                          {"main_panel", WM_LBUTTONDBLCLK, MK_LBUTTON, any},
                          {"main_panel", WM_LBUTTONDOWN, MK_LBUTTON, any},
                          {"main_panel", WM_LBUTTONUP, MK_LBUTTON, any},
                          {"status_form", WM_SYSCOMMAND, SC_CLOSE, 0}};
const messages saving = {{"bottom_edit", WM_GETTEXT, 255, any},
                         {"top_edit", WM_GETTEXT, 255, any},
                         {"status_combo", CB_GETCURSEL, 0, 0}};

messages publishing(std::uint32_t picture, std::uint32_t picture_l_param, const std::string &bottom,
                    const std::string &top) {
  return {{"status_combo", CB_SETCURSEL, picture, picture_l_param},
          {"bottom_edit", WM_SETTEXT, 0, any, bottom},
          {"top_edit", WM_SETTEXT, 0, any, top},
          {"status_panel", WM_LBUTTONDOWN, MK_LBUTTON, 0x00010001},
          {"status_panel", WM_LBUTTONUP, MK_LBUTTON, 0x00010001}};
}

messages joined(std::initializer_list<messages> parts) {
  messages out;
  for (const messages &part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

void announcing::SetUp() {
  status_saved = false;
  stop_picture = 0;
  saved_status = {};
  own_status = {};
  reset_messenger_windows();
  reset_settings();
  cfg_active_script.assign("%artist% - %title%");
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
