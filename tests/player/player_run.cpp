#include "player_run.h"

#include <fstream>
#include <iterator>

#include "program_folder.h"

namespace {

std::string narrow(const std::wstring &wide) { return std::string(wide.begin(), wide.end()); }

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

scratch_profile::~scratch_profile() {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileW(file(found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder_.c_str());
}

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

player_result run_player(const scratch_profile &profile, const std::wstring &arguments,
                         const std::string &commands) {
  profile.write(L"commands.txt", bytes(commands.begin(), commands.end()));
  const std::wstring output_path = profile.file(L"output.txt");

  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE output = CreateFileW(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);

  std::wstring command_line = L"\"" + program_folder() + L"player.exe\" --profile \"" + profile.folder() +
                              L"\" --script \"" + profile.file(L"commands.txt") + L"\" " + arguments;
  PROCESS_INFORMATION process = {};
  player_result result = {~0ul, ""};
  if (CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &result.exit_code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(output);
  const bytes printed = profile.read(L"output.txt");
  result.output.assign(printed.begin(), printed.end());
  return result;
}
