// Shows the preferences page, then the preset editor over it, in a window like the player's
// preferences window, against a player that is playing a track, for scripts/pictures to take
// screenshots of. Before each screenshot it prints "<scene> <left> <top> <width> <height>" (the
// screen rectangle of the window's client area) and waits for a line on standard input.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "component/service_impl.h"
#include "fake_player.h"
#include "page_driver.h"
#include "settings/config_variables.h"
#include "resources/resource.h"
#include "preferences/preferences_page.h"

namespace {

void settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  MSG message;
  for (int i = 0; i < 50; ++i) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
}

void announce_scene(const char *scene, HWND window) {
  settle(window);
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

HWND create_frame() {
  WNDCLASSW frame_class = {};
  frame_class.lpfnWndProc = DefWindowProcW;
  frame_class.hInstance = GetModuleHandleW(nullptr);
  frame_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  frame_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  frame_class.lpszClassName = L"preferences_frame";
  RegisterClassW(&frame_class);
  return CreateWindowExW(0, L"preferences_frame", L"Preferences: Tunesignal",
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 40, 40, 600, 470, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int main() {
  bound_player player;
  fake_track song("Ocean Eyes", "Billie Eilish");
  player.playback.playing = &song;
  cfg_presets.remove_all();
  cfg_top_text.assign("Now Playing:");
  cfg_active_script.assign("%artist% - %title%");

  service_impl_single_t<tconfig_input> page_object;
  const HWND frame = create_frame();
  const HWND page = page_object.create(frame);
  SetWindowPos(page, nullptr, 8, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
  announce_scene("preferences", frame);

  when_editor_opens([](HWND editor) {
    const HWND script = GetDlgItem(editor, IDC_PRESET_SCRIPT);
    SendMessageW(script, EM_SETSEL, 0, -1);
    type_text(script, L"%artist% - %title% \u266B");
    announce_scene("editor", editor);
    press_cancel(editor);
  });
  SendMessageW(GetDlgItem(page, IDC_PRESETS), LB_SETCURSEL, 1, 0);
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_PRESETS, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_PRESETS)));
  DestroyWindow(frame);
  return editor_was_answered() ? 0 : 1;
}
