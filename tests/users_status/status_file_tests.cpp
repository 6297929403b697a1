// The component's own file as it ships, against a real folder: one file for every spelling of the
// component's path, replaced whole, and each failure named by the system's reason.
#include <gtest/gtest.h>

#include <string>

#include "own_app_data.h"
#include "program_folder.h"
#include "users_status/win32_status_file.h"

namespace {

file_error write(status_file &file, const std::string &text) {
  return file.replace(reinterpret_cast<const std::uint8_t *>(text.data()), static_cast<t_size>(text.size()));
}

std::string read(status_file &file) {
  record_bytes out;
  const file_error error = file.read(out, 4096);
  return error == system_error::none ? std::string(out.data(), out.data() + out.size())
                                     : "error " + std::to_string(error);
}

int files_in(const std::wstring &folder) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\Tunesignal-*").c_str(), &found);
  int count = 0;
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) ++count;
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return count;
}

// A component file in a folder with a long name, so that its path has a short 8.3 spelling too.
struct installed_component {
  explicit installed_component(const own_app_data &app)
      : folder(std::wstring(app.folder()) + L"\\Player Components") {
    CreateDirectoryW(folder.c_str(), nullptr);
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  ~installed_component() {
    DeleteFileW(path.c_str());
    RemoveDirectoryW(folder.c_str());
  }
  const std::wstring folder;
  const std::wstring path = folder + L"\\Foo_Tunesignal.dll";
};

}  // namespace

TEST(status_file, every_spelling_of_the_components_path_finds_one_file_replaced_whole) {
  own_app_data app;
  const installed_component component(app);
  std::wstring upper = component.path;
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  wchar_t short_form[MAX_PATH] = {};
  GetShortPathNameW(component.path.c_str(), short_form, MAX_PATH);
  ASSERT_NE(std::wstring(short_form), component.path) << "the folder has a short spelling";
  win32_status_file as_installed(component.path.c_str()), shouted(upper.c_str()), shortened(short_form);

  EXPECT_EQ(write(as_installed, "first record"), system_error::none);
  EXPECT_EQ(read(shouted), "first record");
  EXPECT_EQ(read(shortened), "first record");
  // A rename over the file there: the newer bytes, and no temporary file left behind.
  EXPECT_EQ(write(shortened, "second"), system_error::none);
  EXPECT_EQ(read(as_installed), "second");
  EXPECT_EQ(files_in(app.folder()), 1);
  EXPECT_EQ(shouted.remove(), system_error::none);
  EXPECT_EQ(read(as_installed), "error 2") << "no file: the system's 'file not found'";
  EXPECT_EQ(as_installed.remove(), system_error::none) << "nothing to remove is done too";
}

TEST(status_file, a_file_under_the_name_earlier_versions_gave_is_taken_over) {
  own_app_data app;
  // Earlier versions named it by the path as it came, only A to Z lower-cased.
  const wchar_t component[] = L"C:\\Players\\Player\\components\\foo_tunesignal.dll";
  const std::wstring earlier = std::wstring(app.folder()) + L"\\Tunesignal-8ab3843e.status";
  const HANDLE file = CreateFileW(earlier.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "kept", 4, &written, nullptr);
  CloseHandle(file);
  win32_status_file status(component);
  EXPECT_EQ(read(status), "kept");
  EXPECT_EQ(GetFileAttributesW(earlier.c_str()), INVALID_FILE_ATTRIBUTES) << "renamed, not copied";
  EXPECT_EQ(files_in(app.folder()), 1);
}

TEST(status_file, a_folder_that_fails_is_named_by_the_systems_reason) {
  own_app_data app;
  const std::wstring component = component_beside_program();
  const std::wstring missing = std::wstring(app.folder()) + L"\\no such folder";
  win32_status_file nowhere(component.c_str(), missing.c_str());
  EXPECT_EQ(write(nowhere, "x"), system_error::path_not_found);
  EXPECT_EQ(read(nowhere), "error 2") << "no folder, no file";
  const std::wstring too_long(1100, L'x');
  win32_status_file overlong(component.c_str(), too_long.c_str());
  EXPECT_EQ(write(overlong, "x"), system_error::file_name_too_long);

  // A folder where the file should be.
  win32_status_file status(component.c_str());
  ASSERT_EQ(write(status, "x"), system_error::none);
  WIN32_FIND_DATAW found;
  FindClose(FindFirstFileW((std::wstring(app.folder()) + L"\\Tunesignal-*").c_str(), &found));
  const std::wstring name = std::wstring(app.folder()) + L"\\" + found.cFileName;
  ASSERT_EQ(status.remove(), system_error::none);
  ASSERT_TRUE(CreateDirectoryW(name.c_str(), nullptr));
  EXPECT_EQ(write(status, "x"), system_error::directory_not_supported);
  EXPECT_EQ(read(status), "error 336");
  EXPECT_EQ(status.remove(), system_error::directory_not_supported);
  RemoveDirectoryW(name.c_str());

  SetEnvironmentVariableW(L"APPDATA", nullptr);
  EXPECT_EQ(write(status, "x"), system_error::environment_variable_not_found);
}

TEST(status_file, two_processes_writing_at_once_never_leave_a_cut_file) {
  own_app_data app;
  const std::wstring writer = program_folder() + L"status_file_writer.exe";
  PROCESS_INFORMATION writers[2] = {};
  for (int i = 0; i < 2; ++i) {
    // A new process under Wine takes APPDATA from Wine's registry: the folder goes as an argument.
    std::wstring line = L"\"" + writer + L"\" " + (i == 0 ? L"a" : L"b") + L" \"" + app.folder() + L"\"";
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                               &writers[i]));
  }
  const std::wstring component = component_beside_program();
  win32_status_file status(component.c_str(), app.folder());
  const HANDLE running[] = {writers[0].hProcess, writers[1].hProcess};
  const auto whole = [](const std::string &seen) {
    return seen == std::string(3000, 'a') || seen == std::string(3000, 'b');
  };
  int reads = 0;
  while (WaitForMultipleObjects(2, running, TRUE, 0) == WAIT_TIMEOUT) {
    const std::string seen = read(status);
    // A read may meet the file between two names (or open while a rename takes its place).
    if (seen.rfind("error", 0) == 0) continue;
    ++reads;
    EXPECT_TRUE(whole(seen)) << seen.size() << " bytes";
  }
  for (const PROCESS_INFORMATION &each : writers) {
    CloseHandle(each.hProcess);
    CloseHandle(each.hThread);
  }
  const std::string last = read(status);
  EXPECT_TRUE(whole(last)) << last.substr(0, 40);
  EXPECT_EQ(files_in(app.folder()), 1) << "each writer's temporary file is gone";
  std::printf("%d whole reads while both wrote\n", reads);
}
