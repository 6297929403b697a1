#include "page_driver.h"

#include "component/service_impl.h"
#include "resources/resource.h"
#include "preferences/preferences_page.h"

namespace {

service_impl_single_t<tunesignal_page> page_object;

std::function<void(HWND)> pending_answer;
bool answered = false;
UINT_PTR editor_timer = 0;

constexpr DWORD closing_limit_ms = 1000;

BOOL CALLBACK take_editor(HWND window, LPARAM result) {
  wchar_t title[32] = {};
  GetWindowTextW(window, title, 32);
  if (std::wstring(title) != L"Preset Edit" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND *>(result) = window;
  return FALSE;
}

HWND find_editor() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), take_editor, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK look_for_editor(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND editor = find_editor();
  if (editor == nullptr || !pending_answer) return;
  KillTimer(nullptr, timer);
  editor_timer = 0;
  const auto answer = std::move(pending_answer);
  pending_answer = nullptr;
  answer(editor);
  answered = !IsWindowVisible(editor);
  // An editor left open would keep its modal loop, and the test, waiting for ever.
  if (!answered) EndDialog(editor, IDABORT);
}

}  // namespace

open_page::open_page()
    : open_page(CreateWindowExW(0, L"STATIC", L"Preferences", WS_OVERLAPPEDWINDOW, 0, 0, 700, 600, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr)) {}

open_page::open_page(HWND frame) : frame_(frame), page_(page_object.create(frame)) {
  ShowWindow(page_, SW_SHOW);
}

open_page::~open_page() { close(); }

void open_page::close() {
  if (frame_ != nullptr) DestroyWindow(frame_);
  frame_ = nullptr;
  page_ = nullptr;
}

void open_page::click(int id) const { SendMessageW(item(id), BM_CLICK, 0, 0); }

void open_page::select(int index) const {
  SendMessageW(item(IDC_PRESETS), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void open_page::double_click_selection() const {
  SendMessageW(page_, WM_COMMAND, MAKEWPARAM(IDC_PRESETS, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(item(IDC_PRESETS)));
}

bool open_page::edit_entry(int index, std::function<void(HWND)> answer) const {
  when_editor_opens(std::move(answer));
  select(index);
  double_click_selection();
  stop_waiting_for_editor();
  return editor_was_answered();
}

bool open_page::add_entry(std::function<void(HWND)> answer) const {
  when_editor_opens(std::move(answer));
  click(IDC_ADD);
  stop_waiting_for_editor();
  return editor_was_answered();
}

std::vector<std::wstring> open_page::list() const {
  const HWND list = item(IDC_PRESETS);
  std::vector<std::wstring> entries;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    entries.push_back(text);
  }
  return entries;
}

int open_page::selection() const {
  return static_cast<int>(SendMessageW(item(IDC_PRESETS), LB_GETCURSEL, 0, 0));
}

bool open_page::checked(int id) const { return IsDlgButtonChecked(page_, id) == BST_CHECKED; }

void when_editor_opens(std::function<void(HWND)> answer) {
  stop_waiting_for_editor();
  pending_answer = std::move(answer);
  answered = false;
  editor_timer = SetTimer(nullptr, 0, 10, look_for_editor);
}

void stop_waiting_for_editor() {
  if (editor_timer != 0) KillTimer(nullptr, editor_timer);
  editor_timer = 0;
  pending_answer = nullptr;
}

bool editor_was_answered() { return answered; }

HWND script_edit(HWND editor) { return GetDlgItem(editor, IDC_PRESET_SCRIPT); }

HWND preview_edit(HWND editor) { return GetDlgItem(editor, IDC_PRESET_PREVIEW); }

void type_text(HWND edit, const std::wstring &text) {
  for (const wchar_t c : text) SendMessageW(edit, WM_CHAR, c, 1);
}

void paste_text(HWND edit, const std::wstring &text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  OpenClipboard(edit);
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  SendMessageW(edit, WM_PASTE, 0, 0);
}

void press_ok(HWND editor) { SendMessageW(GetDlgItem(editor, IDOK), BM_CLICK, 0, 0); }

void press_cancel(HWND editor) { SendMessageW(GetDlgItem(editor, IDCANCEL), BM_CLICK, 0, 0); }

void press_escape() { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); }

void click_close_box(HWND editor) { PostMessageW(editor, WM_SYSCOMMAND, SC_CLOSE, 0); }

void wait_for_editor_to_close(HWND editor) {
  const DWORD start = GetTickCount();
  MSG message;
  while (IsWindowVisible(editor) && GetTickCount() - start < closing_limit_ms) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    if (!IsDialogMessageW(editor, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}
