#include <windows.h>

#include <shellapi.h>

#include <string>

#include "control.h"
#include "decoys.h"
#include "hang.h"
#include "message_log.h"
#include "options.h"
#include "stand_in.h"
#include "tell.h"
#include "text_lines.h"
#include "text_conversion.h"
#include "waiting_start.h"

options settings;
stand_in_windows windows = {};
published_status published;

const wchar_t *const picture_names[picture_count] = {
    L"Online",         L"Free for chat",      L"Away",   L"Not available", L"Occupied",
    L"Do not disturb", L"Invisible",          L"Lunch",  L"Evil",          L"Depression",
    L"At home",        L"Listening to music", L"Offline"};

namespace {

void signal_ready() {
  if (settings.ready_event.empty()) {
    return;
  }
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, settings.ready_event.c_str());
  if (event != nullptr) {
    SetEvent(event);
    CloseHandle(event);
  }
}

// A log that cannot be written is refused at start: a test or demo that asked for it would
// otherwise wait for lines that never come, or find an empty record afterwards.
bool log_writable(const wchar_t *name, const std::wstring &path) {
  const DWORD failure = path.empty() ? ERROR_SUCCESS : append_failure(path);
  if (failure != ERROR_SUCCESS) {
    tell(L"messenger: cannot write the " + std::wstring(name) + L" " + path + L": " + error_text(failure) +
             L"\n",
         true);
  }
  return failure == ERROR_SUCCESS;
}

// The window classes are registered before a stand-in started ahead of need waits: the first call
// into the window system sets it up, which is much of what a start costs.
int run(HINSTANCE instance, bool classes_registered) {
  if (!log_writable(L"status log", settings.status_log) ||
      !log_writable(L"message log", settings.message_log)) {
    return 2;
  }
  create_resume_event();
  // The status starts as the dialog would publish it: without a picture box or a top edit, it has
  // no picture or no top text.
  published = {settings.picture_box ? settings.picture : -1,
               settings.edit_count > 1 ? settings.top_text : L"", settings.bottom_text};
  start_message_log(settings.message_log);
  if (!(classes_registered || register_window_classes(instance)) || create_status_form(instance) == nullptr ||
      (settings.main_window && create_main_form(instance) == nullptr) ||
      !place_decoys(instance, settings.decoys)) {
    tell(L"messenger: could not create the windows\n", true);
    return 1;
  }
  give_name(windows.status_form, settings.name);
  if (settings.controls_at_start) {
    create_status_controls();
  }
  signal_ready();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(windows.status_form, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  take_name_back(windows.status_form);
  return 0;
}

}  // namespace

std::wstring picture_name(int picture) {
  return picture >= 0 && picture < picture_count ? picture_names[picture] : L"(no picture)";
}

bool handle_control_message(UINT message, WPARAM w_param) {
  if (message == quit_message()) {
    ReplyMessage(0);
    PostQuitMessage(0);
    return true;
  }
  if (message == hang_message()) {
    hang(static_cast<DWORD>(w_param));
    return true;
  }
  if (message == slow_apply_message()) {
    settings.slow_apply_ms = static_cast<unsigned>(w_param);
    return true;
  }
  if (message == slow_open_message()) {
    settings.slow_open_ms = static_cast<unsigned>(w_param);
    return true;
  }
  return false;
}

namespace {

bool parse(int argc, wchar_t **argv) {
  std::wstring error;
  if (parse_options(argc, argv, settings, error)) return true;
  tell(L"messenger: " + error + L"\nTry messenger.exe --help\n", true);
  return false;
}

// The options handed over to a stand-in started ahead of need take the place of its own.
bool take_handed_over_options() {
  std::vector<std::wstring> arguments;
  if (!wait_for_options(settings.wait_for_options, arguments)) return false;
  std::vector<wchar_t *> argv;
  for (std::wstring &argument : arguments) argv.push_back(argument.data());
  settings = options();
  return parse(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const bool parsed = parse(argc - 1, argv + 1);
  LocalFree(argv);
  if (!parsed) return 2;
  if (settings.help) {
    tell(usage_text, false);
    return 0;
  }
  if (!settings.control.empty()) {
    return run_control(settings);
  }
  if (settings.wait_for_options.empty()) return run(instance, false);
  const bool registered = register_window_classes(instance);
  if (!take_handed_over_options()) return 0;
  return run(instance, registered);
}
