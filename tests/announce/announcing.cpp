#include "announcing.h"

#include "users_status/status_keeper.h"
#include "messenger/messenger_windows.h"
#include "settings/config_variables.h"
#include "settings_reset.h"

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

void announcing::SetUp() {
  reset_status_keeper();
  reset_settings();
  cfg_active_script.assign("%artist% - %title%");
}

void announcing::TearDown() { reset_status_keeper(); }

void announcing::let_time_pass(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void announcing::start(fake_track &track) {
  player.playback.playing = &track;
  track.service_add_ref();
  events().on_playback_new_track(&track);
}

void announcing::stop() {
  player.playback.playing = nullptr;
  events().on_playback_stop(0);
}
