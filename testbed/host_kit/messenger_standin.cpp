#include "messenger_standin.h"

#include <fstream>
#include <sstream>

#include "messenger_quit.h"
#include "program_folder.h"
// The commands' codes and layout are the messenger's own.
#include "../messenger/user_command.h"

namespace {

// Long enough for a slow machine to start Wine's window system; reaching it means a broken start.
constexpr DWORD start_limit_ms = 60000;
constexpr DWORD quit_limit_ms = 20000;

std::wstring temporary_path(const wchar_t *kind) {
  static int counter = 0;
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + L"tunesignal-" + kind + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter) + L".log";
}

std::wstring quoted(const std::wstring &argument) {
  std::wstring result = L"\"";
  for (wchar_t c : argument) {
    if (c == L'"') {
      result += L'\\';
    }
    result += c;
  }
  return result + L"\"";
}

std::vector<std::vector<std::string>> read_lines(const std::wstring &path) {
  std::vector<std::vector<std::string>> lines;
  std::ifstream file(path.c_str(), std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    std::vector<std::string> fields;
    std::istringstream split(line);
    std::string field;
    while (std::getline(split, field, '\t')) {
      fields.push_back(field);
    }
    if (!line.empty() && line.back() == '\t') {
      fields.emplace_back();
    }
    lines.push_back(fields);
  }
  return lines;
}

}  // namespace

messenger_standin::messenger_standin(const std::vector<std::wstring> &arguments, logs kept)
    : status_log_path_(temporary_path(L"status")), message_log_path_(temporary_path(L"messages")) {
  const std::wstring ready_name = L"TunesignalTestReady." + std::to_wstring(GetCurrentProcessId()) + L"." +
                                  std::to_wstring(reinterpret_cast<UINT_PTR>(this));
  const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, ready_name.c_str());

  std::wstring command = quoted(program_folder() + L"messenger.exe") + L" --ready-event " + quoted(ready_name);
  if (kept == logs::kept) {
    command += L" --status-log " + quoted(status_log_path_) + L" --message-log " + quoted(message_log_path_);
  }
  for (const std::wstring &argument : arguments) {
    command += L" " + quoted(argument);
  }
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process_)) {
    const HANDLE waits[] = {ready, process_.hProcess};
    ready_ = WaitForMultipleObjects(2, waits, FALSE, start_limit_ms) == WAIT_OBJECT_0;
  }
  CloseHandle(ready);
}

messenger_standin::~messenger_standin() {
  end_messenger_process(process_, status_form());
  DeleteFileW(status_log_path_.c_str());
  DeleteFileW(message_log_path_.c_str());
}

bool messenger_standin::running() const {
  return ready_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND messenger_standin::status_form() const {
  for (HWND form = FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr); form != nullptr;
       form = FindWindowExW(nullptr, form, L"TCusForm", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(form, &owner);
    if (owner == process_.dwProcessId) {
      return form;
    }
  }
  return nullptr;
}

void messenger_standin::kill() {
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, quit_limit_ms);
}

void messenger_standin::hang(DWORD milliseconds) {
  static const UINT hang_request = RegisterWindowMessageW(L"TunesignalMessengerHang");
  SendMessageW(status_form(), hang_request, milliseconds, 0);
}

namespace {

// Asks the messenger for a user's action and waits until it is done.
void ask(HWND status_form, user_command command, const std::wstring &data = {}) {
  COPYDATASTRUCT request = {static_cast<ULONG_PTR>(command),
                            static_cast<DWORD>(data.size() * sizeof(wchar_t)),
                            const_cast<wchar_t *>(data.data())};
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(status_form, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request), SMTO_ABORTIFHUNG,
                      quit_limit_ms, &answer);
}

}  // namespace

void messenger_standin::user_opens_dialog() { ask(status_form(), user_command::open); }

void messenger_standin::user_types(int picture, const std::wstring &top, const std::wstring &bottom) {
  ask(status_form(), user_command::type, user_command_data(picture, top, bottom));
}

void messenger_standin::user_presses_ok() { ask(status_form(), user_command::ok); }

void messenger_standin::user_cancels() { ask(status_form(), user_command::cancel); }

void messenger_standin::user_closes_dialog() { ask(status_form(), user_command::close); }

void messenger_standin::user_sets_status(int picture, const std::wstring &top, const std::wstring &bottom) {
  ask(status_form(), user_command::set, user_command_data(picture, top, bottom));
}

bool messenger_standin::dialog_on_screen() const { return IsWindowVisible(status_form()) != FALSE; }

void messenger_standin::resume() {
  const std::wstring name = L"TunesignalMessengerResume." + std::to_wstring(process_.dwProcessId);
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name.c_str());
  if (event != nullptr) {
    SetEvent(event);
    CloseHandle(event);
  }
}

std::vector<std::vector<std::string>> messenger_standin::status_log(std::size_t from) const {
  std::vector<std::vector<std::string>> lines = read_lines(status_log_path_);
  lines.erase(lines.begin(), lines.begin() + static_cast<long>(from < lines.size() ? from : lines.size()));
  return lines;
}

std::vector<window_message> messenger_standin::messages() const {
  std::vector<window_message> messages;
  for (const std::vector<std::string> &line : read_lines(message_log_path_)) {
    if (line.size() < 4) continue;
    window_message seen = {line[0], static_cast<unsigned>(std::stoul(line[1], nullptr, 16)),
                           static_cast<std::uint32_t>(std::stoul(line[2])),
                           static_cast<std::uint32_t>(std::stol(line[3])), std::nullopt};
    if (seen.message == WM_SETTEXT && line.size() > 4) seen.text = line[4];
    messages.push_back(seen);
  }
  return messages;
}
