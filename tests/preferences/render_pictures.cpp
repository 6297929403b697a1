// Shows the preferences page, then the preset editor over it, in a window like the player's
// preferences window, against a player that is playing a track, for scripts/pictures to take
// screenshots of. Before each screenshot it prints "<scene> <left> <top> <width> <height>" (the
// screen rectangle of the window's client area) and waits for a line on standard input.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "fake_player.h"
#include "page_driver.h"
#include "settings/config_variables.h"

namespace {

// Paints the window and everything in it now, and lets the messages that follow be handled.
void paint_fully(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  MSG message;
  for (int i = 0; i < 50; ++i) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
}

void announce_scene(const char *scene, HWND window) {
  paint_fully(window);
  // The client area only: without a window manager on the virtual display nobody draws captions.
  RECT rect;
  GetClientRect(window, &rect);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  std::printf("%s %ld %ld %ld %ld\n", scene, origin.x, origin.y, rect.right, rect.bottom);
  std::fflush(stdout);
  std::string line;
  std::getline(std::cin, line);
}

}  // namespace

int main() {
  bound_player player;
  fake_track song("Ocean Eyes", "Billie Eilish");
  player.playback.playing = &song;
  cfg_presets.remove_all();
  cfg_top_text.assign("Now Playing:");
  cfg_active_script.assign("%artist% - %title%");

  // A frame of the system's dialog class: the look of the player's preferences window, a plain
  // face-coloured client area.
  open_page open(CreateWindowExW(0, WC_DIALOG, L"Preferences: Tunesignal",
                                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 40, 40, 600, 470,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  SetWindowPos(open.page(), nullptr, 8, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  announce_scene("preferences", open.frame());

  const bool answered = open.edit_entry(1, [](HWND editor) {
    const HWND script = script_edit(editor);
    SendMessageW(script, EM_SETSEL, 0, -1);
    type_text(script, L"%artist% - %title% \u266B");
    announce_scene("editor", editor);
    press_cancel(editor);
  });
  return answered ? 0 : 1;
}
