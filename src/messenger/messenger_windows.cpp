#include "messenger/messenger_windows.h"

#include <cstring>

namespace {

// Written by discovery alone; everyone else reads it through messenger_windows.
messenger_window_table found = {};

// The class name as 8-bit text, or an empty text when it cannot be read. Names are later compared
// byte for byte: "TEDIT" is not the messenger's edit.
struct class_name {
  char text[256] = {};

  explicit class_name(HWND window) {
    if (!the_window_system().class_name(window, text, 255)) {
      text[0] = '\0';
    }
  }

  bool is(const char *expected) const { return std::strcmp(text, expected) == 0; }
};

// Asks a panel for its caption length.
messenger_result caption_length(HWND panel, LRESULT &length) {
  const messenger_reply reply = send_to_messenger(panel, WM_GETTEXTLENGTH, 0, 0);
  length = reply.value;
  return result_of(reply);
}

messenger_result enumerate_status_form() {
  messenger_result result = messenger_result::completed;
  the_window_system().visit_descendants(found.status_form, classify_status_child, &result);
  return result;
}

DWORD process_of(HWND window) { return the_window_system().process_of(window); }

// The first top-level window of the class that belongs to `process`; with process 0, or when the
// process has none, the first of the class.
HWND first_top_level(const wchar_t *window_class, DWORD process) {
  window_system &windows = the_window_system();
  const HWND first = windows.find_top_level(window_class, nullptr);
  if (process == 0) return first;
  for (HWND window = first; window != nullptr; window = windows.find_top_level(window_class, window)) {
    if (process_of(window) == process) return window;
  }
  return first;
}

}  // namespace

const messenger_window_table &messenger_windows = found;

void reset_messenger_windows() { found = {}; }

DWORD status_dialog_process() { return process_of(found.status_form); }

bool is_valid_window(HWND window) { return the_window_system().is_window(window); }

bool classify_main_child(HWND window, void *) {
  if (class_name(window).is("TPanel")) {
    found.main_panel = window;
  }
  return true;
}

bool classify_status_child(HWND window, void *result) {
  const class_name name(window);
  if (name.is("TPanel")) {
    // The caption length is asked once per bound, the second time only when the first passes.
    LRESULT first = 0;
    LRESULT second = 0;
    messenger_result asked = caption_length(window, first);
    if (asked == messenger_result::completed && first > 0) asked = caption_length(window, second);
    if (asked != messenger_result::completed) {
      *static_cast<messenger_result *>(result) = asked;
      return false;
    }
    if (first > 0 && second < 3) {
      found.status_panel = window;
    }
  } else if (name.is("TEdit")) {
    // A dialog of one edit has no top line: its edit, met again in a second search, stays the bottom
    // one only.
    if (found.bottom_edit == nullptr) {
      found.bottom_edit = window;
    } else if (window != found.bottom_edit) {
      found.top_edit = window;
    }
  } else if (name.is("TComboBox")) {
    found.status_combo = window;
  }
  return true;
}

HWND find_status_form(DWORD preferred_process) { return first_top_level(L"TCusForm", preferred_process); }

bool is_messenger_window(HWND window, DWORD process, const char *window_class) {
  return is_valid_window(window) && process_of(window) == process && class_name(window).is(window_class);
}

bool messenger_windows_still_there(DWORD process) {
  const messenger_window_table &table = messenger_windows;
  if (process == 0 || table.status_form == nullptr || table.status_panel == nullptr) return false;
  const struct {
    HWND window;
    const char *window_class;
  } windows[] = {{table.main_form, "TMainForm"},    {table.main_panel, "TPanel"},
                 {table.status_form, "TCusForm"},   {table.status_panel, "TPanel"},
                 {table.status_combo, "TComboBox"}, {table.bottom_edit, "TEdit"},
                 {table.top_edit, "TEdit"}};
  for (const auto &found_before : windows) {
    if (found_before.window != nullptr &&
        !is_messenger_window(found_before.window, process, found_before.window_class)) {
      return false;
    }
  }
  return true;
}

messenger_result find_messenger_windows(DWORD preferred_process) {
  reset_messenger_windows();
  found.status_form = find_status_form(preferred_process);
  if (found.status_form == nullptr) {
    return messenger_result::completed;
  }
  const DWORD process = status_dialog_process();
  const HWND main_form = first_top_level(L"TMainForm", process);
  if (process_of(main_form) == process) {
    found.main_form = main_form;
    the_window_system().visit_descendants(main_form, classify_main_child, nullptr);
  }
  const messenger_result enumerated = enumerate_status_form();
  if (enumerated != messenger_result::completed || is_valid_window(found.status_panel)) return enumerated;
  const messenger_result opened = open_status_dialog();
  if (opened != messenger_result::completed) return opened;
  return enumerate_status_form();
}
