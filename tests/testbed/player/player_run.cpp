#include "player_run.h"

#include <fstream>
#include <iterator>

#include "program_folder.h"
#include "this_desktop.h"
#include "window_process.h"

namespace {

// Long enough for a slow machine to start Wine's services; reaching it means the program hangs.
constexpr DWORD run_limit_ms = 60000;
constexpr DWORD poll_ms = 5;

std::string narrow(const std::wstring &wide) { return std::string(wide.begin(), wide.end()); }

// Starts `program` from beside this one, its output into `output`, its input from `input`.
PROCESS_INFORMATION start(const wchar_t *program, const std::wstring &arguments, HANDLE input,
                          HANDLE output) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  startup.hStdInput = input;
  start_on_this_desktop(startup);
  std::wstring command_line = L"\"" + program_folder() + program + L"\" " + arguments;
  PROCESS_INFORMATION process = {};
  CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                 &process);
  return process;
}

HANDLE create_output(const scratch_profile &profile) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  return CreateFileW(profile.file(L"output.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The exit code of a process given the time left; one still running is ended.
DWORD end_of(PROCESS_INFORMATION &process) {
  if (process.hProcess == nullptr) return ~0ul;
  DWORD code = timed_out;
  if (WaitForSingleObject(process.hProcess, run_limit_ms) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, timed_out);
    WaitForSingleObject(process.hProcess, run_limit_ms);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = {};
  return code;
}

// The player makes folders in the profile too (its application data folder).
void remove_folder(const std::wstring &folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        remove_folder(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

std::wstring player_arguments(const scratch_profile &profile, const std::wstring &arguments) {
  return L"--profile \"" + profile.folder() + L"\" " + arguments;
}

}  // namespace

scratch_profile::scratch_profile() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  wchar_t unique[MAX_PATH];
  GetTempFileNameW(temp, L"plr", 0, unique);
  DeleteFileW(unique);
  CreateDirectoryW(unique, nullptr);
  folder_ = unique;
}

scratch_profile::~scratch_profile() { remove_folder(folder_); }

bytes scratch_profile::read(const wchar_t *name) const {
  std::ifstream in(narrow(file(name)), std::ios::binary);
  return bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void scratch_profile::write(const wchar_t *name, const bytes &data) const {
  std::ofstream out(narrow(file(name)), std::ios::binary);
  out.write(reinterpret_cast<const char *>(data.data()), static_cast<std::streamsize>(data.size()));
}

bool scratch_profile::exists(const wchar_t *name) const {
  return GetFileAttributesW(file(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

player_result run_program(const scratch_profile &profile, const wchar_t *program,
                          const std::wstring &arguments) {
  const HANDLE output = create_output(profile);
  PROCESS_INFORMATION process = start(program, arguments, GetStdHandle(STD_INPUT_HANDLE), output);
  CloseHandle(output);
  player_result result = {end_of(process), ""};
  const bytes printed = profile.read(L"output.txt");
  result.output.assign(printed.begin(), printed.end());
  return result;
}

std::wstring sample_playlist() { return L"--playlist \"" + program_folder() + L"samples\\evening.json\""; }

player_result run_player(const scratch_profile &profile, const std::wstring &arguments,
                         const std::string &commands) {
  profile.write(L"commands.txt", bytes(commands.begin(), commands.end()));
  return run_program(
      profile, L"player.exe",
      player_arguments(profile, L"--script \"" + profile.file(L"commands.txt") + L"\" " + arguments));
}

player_session::player_session(const scratch_profile &profile, const std::wstring &arguments)
    : profile_(profile) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE reading = nullptr;
  CreatePipe(&reading, &input_, &inheritable, 0);
  SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
  const HANDLE output = create_output(profile);
  process_ = start(L"player.exe", player_arguments(profile, arguments), reading, output);
  CloseHandle(output);
  CloseHandle(reading);
}

player_session::~player_session() { finish(); }

void player_session::type(const std::string &lines) {
  DWORD written = 0;
  WriteFile(input_, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
}

// The output is read again every few milliseconds: every command of a test waits here, so a coarse
// poll would add its half to each of them.
bool player_session::wait_for(const std::string &text) {
  for (DWORD waited = 0; waited < run_limit_ms; waited += poll_ms) {
    const std::size_t found = output().find(text, seen_);
    if (found != std::string::npos) {
      seen_ = found + text.size();
      return true;
    }
    Sleep(poll_ms);
  }
  return false;
}

HWND player_session::window(const wchar_t *window_class) const {
  return top_level_of_process(window_class, process_.dwProcessId);
}

DWORD player_session::finish() {
  if (input_ != nullptr) CloseHandle(input_);
  input_ = nullptr;
  return end_of(process_);
}

void player_session::kill() {
  if (process_.hProcess != nullptr) TerminateProcess(process_.hProcess, 1);
  finish();
}

std::string player_session::output() const {
  const bytes printed = profile_.read(L"output.txt");
  return std::string(printed.begin(), printed.end());
}
