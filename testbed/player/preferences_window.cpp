#include "preferences_window.h"

#include <string>

#include "abi_bridge.h"
#include "console_output.h"
#include "support/string8.h"
#include "text_conversion.h"

namespace {

constexpr int close_button = 1;
constexpr int margin = 8;
constexpr int header_height = 56;
constexpr int button_width = 80;
constexpr int button_height = 26;
constexpr const wchar_t *frame_class_name = L"player_preferences";

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

HWND create_child(HWND frame, const wchar_t *window_class, const std::string &text, DWORD style, int id) {
  const HWND child = CreateWindowExW(
      0, window_class, wide_from_utf8(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, frame,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
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

// A control that takes Esc itself (an open drop-down list, say) keeps it.
bool wants_the_key(const MSG &message) {
  const LRESULT code =
      SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
  return (code & DLGC_WANTMESSAGE) != 0;
}

}  // namespace

LRESULT CALLBACK preferences_window::frame_procedure(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto *creation = reinterpret_cast<const CREATESTRUCTW *>(lparam);
    SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto *self = reinterpret_cast<preferences_window *>(GetWindowLongPtrW(frame, GWLP_USERDATA));
  if (message == WM_COMMAND && LOWORD(wparam) == close_button) {
    DestroyWindow(frame);
    return 0;
  }
  // The last message a window gets, after its children (the page among them) are gone.
  if (message == WM_NCDESTROY && self != nullptr) self->closed();
  return DefWindowProcW(frame, message, wparam, lparam);
}

void preferences_window::create_frame(preferences_page &page) {
  static const bool registered = [] {
    WNDCLASSW frame_class = {};
    frame_class.lpfnWndProc = frame_procedure;
    frame_class.hInstance = GetModuleHandleW(nullptr);
    frame_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    frame_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame_class.lpszClassName = frame_class_name;
    return RegisterClassW(&frame_class) != 0;
  }();
  if (!registered) return;
  frame_ = CreateWindowExW(0, frame_class_name,
                           wide_from_utf8(std::string("Preferences: ") + page.get_name()).c_str(),
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                           CW_USEDEFAULT, 400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

void preferences_window::open() {
  if (frame_ != nullptr) {
    say("player: the preferences are open already\n");
    return;
  }
  const auto pages = registry_.instances_of(preferences_page::class_guid);
  if (pages.empty()) {
    say("player: the component has no preferences page\n");
    return;
  }
  for (std::size_t i = 1; i < pages.size(); ++i) pages[i]->service_release();
  page_service_ = pages.front();
  auto &page = *static_cast<preferences_page *>(page_service_);
  const std::string description = describe(page);
  say("player: %s\n", description.c_str());

  create_frame(page);
  if (frame_ == nullptr) {
    say("player: the preferences window could not be created\n");
    closed();
    return;
  }
  const HWND header = create_child(frame_, L"STATIC", description, SS_LEFT | SS_NOPREFIX, 0);
  const HWND close = create_child(frame_, L"BUTTON", "Close", WS_TABSTOP, close_button);
  page_ = page.create(frame_);
  if (page_ == nullptr) {
    say("player: the page did not create its window\n");
  } else {
    lay_out(frame_, header, page_, close);
    ShowWindow(page_, SW_SHOW);
  }
  ShowWindow(frame_, SW_SHOW);
  say("player: preferences open until Esc, Close, the close box or 'prefs close'\n");
}

void preferences_window::close() {
  if (frame_ != nullptr) DestroyWindow(frame_);
}

void preferences_window::close_on_request() {
  if (frame_ == nullptr) say("player: the preferences are not open\n");
  close();
}

void preferences_window::closed() {
  if (frame_ != nullptr) say("player: preferences closed\n");
  frame_ = nullptr;
  page_ = nullptr;
  if (page_service_ != nullptr) page_service_->service_release();
  page_service_ = nullptr;
}

bool preferences_window::take_key(MSG &message) {
  if (frame_ == nullptr || (message.hwnd != frame_ && !IsChild(frame_, message.hwnd))) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && !wants_the_key(message)) {
    close();
    return true;
  }
  return page_ != nullptr && IsDialogMessageW(page_, &message);
}
