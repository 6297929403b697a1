#include "preferences_window.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "abi_bridge.h"
#include "support/string8.h"
#include "text_conversion.h"

namespace {

constexpr int close_button = 1;
constexpr int margin = 8;
constexpr int header_height = 56;
constexpr int button_width = 80;
constexpr int button_height = 26;

bool frame_closed = false;

LRESULT CALLBACK frame_proc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && LOWORD(wparam) == close_button) {
    DestroyWindow(frame);
    return 0;
  }
  if (message == WM_DESTROY) frame_closed = true;
  return DefWindowProcW(frame, message, wparam, lparam);
}

HWND create_frame(const std::string &page_name) {
  WNDCLASSW frame_class = {};
  frame_class.lpfnWndProc = frame_proc;
  frame_class.hInstance = GetModuleHandleW(nullptr);
  frame_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  frame_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  frame_class.lpszClassName = L"player_preferences";
  RegisterClassW(&frame_class);
  return CreateWindowExW(0, L"player_preferences", wide_from_utf8("Preferences: " + page_name).c_str(),
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                         CW_USEDEFAULT, 400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::string describe(preferences_page &page) {
  GUID own;
  GUID parent;
  std::string text = std::string("Page \"") + page.get_name() + "\"  " + guid_text(*page.get_guid(&own)) +
                     "\r\nListed under " + guid_text(*page.get_parent_guid(&parent)) + "\r\nHelp: ";
  pfc::string8 help;
  bool answered = false;
  char error[256];
  if (!abi_get_help_url(&page, &help, &answered, error, sizeof error)) {
    text += std::string("(") + error + ")";
  } else if (answered) {
    text += help.text();
  }
  return text;
}

// Places the header, the page and the Close button, and fits the frame around them.
void lay_out(HWND frame, HWND header, HWND page, HWND close) {
  RECT page_rect;
  GetWindowRect(page, &page_rect);
  const int page_width = page_rect.right - page_rect.left;
  const int page_height = page_rect.bottom - page_rect.top;
  const int width = page_width + 2 * margin;
  SetWindowPos(header, nullptr, margin, margin, page_width, header_height, SWP_NOZORDER);
  SetWindowPos(page, nullptr, margin, 2 * margin + header_height, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const int buttons_top = 3 * margin + header_height + page_height;
  SetWindowPos(close, nullptr, width - margin - button_width, buttons_top, button_width, button_height,
               SWP_NOZORDER);
  RECT outer = {0, 0, width, buttons_top + button_height + margin};
  AdjustWindowRect(&outer, static_cast<DWORD>(GetWindowLongW(frame, GWL_STYLE)), FALSE);
  SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER);
}

void run_until_closed(HWND page) {
  MSG message;
  while (!frame_closed && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsWindow(page) && IsDialogMessageW(page, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

void show_preferences(service_registry &registry) {
  const auto pages = registry.instances_of(preferences_page::class_guid);
  if (pages.empty()) {
    std::printf("player: the component has no preferences page\n");
    return;
  }
  auto &page = *static_cast<preferences_page *>(pages.front());
  const std::string description = describe(page);
  std::printf("player: %s\n", description.c_str());
  std::fflush(stdout);

  frame_closed = false;
  const HWND frame = create_frame(page.get_name());
  const HWND header = CreateWindowExW(0, L"STATIC", wide_from_utf8(description).c_str(),
                                      WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, frame,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
  const HWND close =
      CreateWindowExW(0, L"BUTTON", L"Close", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, frame,
                      reinterpret_cast<HMENU>(close_button), GetModuleHandleW(nullptr), nullptr);
  const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(header, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(close, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  const HWND page_window = page.create(frame);
  if (page_window == nullptr) {
    std::printf("player: the page did not create its window\n");
  } else {
    lay_out(frame, header, page_window, close);
    ShowWindow(page_window, SW_SHOW);
  }
  ShowWindow(frame, SW_SHOW);
  run_until_closed(page_window);
  std::printf("player: preferences closed\n");
  for (service_base *instance : pages) instance->service_release();
}
