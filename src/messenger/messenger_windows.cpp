#include "messenger/messenger_windows.h"

#include <cstring>

messenger_window_table messenger_windows = {};

namespace {

// The class name as 8-bit text, or an empty text when it cannot be read. Names are later compared
// byte for byte: "TEDIT" is not the messenger's edit.
struct class_name {
  char text[256] = {};

  explicit class_name(HWND window) {
    if (GetClassNameA(window, text, 255) == 0) {
      text[0] = '\0';
    }
  }

  bool is(const char *expected) const { return std::strcmp(text, expected) == 0; }
};

// Asks a panel for its caption length; false when the messenger did not answer.
bool caption_length(HWND panel, LRESULT &length) {
  const messenger_reply reply = messenger_channel().send(panel, WM_GETTEXTLENGTH, 0, 0);
  length = reply.value;
  return reply.answered;
}

messenger_result enumerate_status_form() {
  messenger_result result = messenger_result::completed;
  EnumChildWindows(messenger_windows.status_form, classify_status_child, reinterpret_cast<LPARAM>(&result));
  return result;
}

}  // namespace

void reset_messenger_windows() { messenger_windows = {}; }

bool operator==(const messenger_instance &a, const messenger_instance &b) {
  return a.main_form == b.main_form && a.process == b.process;
}

bool operator!=(const messenger_instance &a, const messenger_instance &b) { return !(a == b); }

messenger_instance current_messenger_instance() {
  DWORD process = 0;
  if (messenger_windows.status_form != nullptr) GetWindowThreadProcessId(messenger_windows.status_form, &process);
  return {messenger_windows.main_form, process};
}

bool is_valid_window(HWND window) { return window != nullptr && IsWindow(window); }

bool is_messenger_running() { return FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr) != nullptr; }

BOOL CALLBACK classify_main_child(HWND window, LPARAM) {
  if (class_name(window).is("TPanel")) {
    messenger_windows.main_panel = window;
  }
  return TRUE;
}

BOOL CALLBACK classify_status_child(HWND window, LPARAM result) {
  const class_name name(window);
  if (name.is("TPanel")) {
    // The caption length is asked once per bound, the second time only when the first passes.
    LRESULT first = 0;
    LRESULT second = 0;
    if (!caption_length(window, first) || (first > 0 && !caption_length(window, second))) {
      *reinterpret_cast<messenger_result *>(result) = messenger_result::not_responding;
      return FALSE;
    }
    if (first > 0 && second < 3) {
      messenger_windows.status_panel = window;
    }
  } else if (name.is("TEdit")) {
    if (messenger_windows.bottom_edit == nullptr) {
      messenger_windows.bottom_edit = window;
    } else {
      messenger_windows.top_edit = window;
    }
  } else if (name.is("TComboBox")) {
    messenger_windows.status_combo = window;
  }
  return TRUE;
}

messenger_result find_messenger_windows() {
  messenger_windows.main_form = FindWindowExW(nullptr, messenger_windows.main_form, L"TMainForm", nullptr);
  if (messenger_windows.main_form != nullptr) {
    EnumChildWindows(messenger_windows.main_form, classify_main_child, 0);
  }
  messenger_windows.status_form = FindWindowExW(nullptr, messenger_windows.status_form, L"TCusForm", nullptr);
  if (messenger_windows.status_form == nullptr) {
    return messenger_result::completed;
  }
  if (enumerate_status_form() == messenger_result::not_responding) {
    return messenger_result::not_responding;
  }
  if (is_valid_window(messenger_windows.status_panel)) {
    return messenger_result::completed;
  }
  if (open_status_dialog() == messenger_result::not_responding) {
    return messenger_result::not_responding;
  }
  return enumerate_status_form();
}
