#include <windows.h>

#include "users_status/status_file.h"
#include "host_access/host_access.h"

namespace {

// Room for a folder and file name; a longer path leaves the component without its file.
constexpr DWORD path_room = 1024;

// "Tunesignal-" and eight hexadecimal digits of the component's path, then ".status"; the temporary
// file adds ".new".
constexpr wchar_t name_start[] = L"\\Tunesignal-";
constexpr wchar_t name_end[] = L".status";
constexpr wchar_t temporary_end[] = L".new";

// FNV-1a over the path's units, letters A to Z taken as lower case: Windows does not tell the
// spellings of one path apart.
std::uint32_t path_hash(const wchar_t *path) {
  std::uint32_t hash = 2166136261u;
  for (; *path != 0; ++path) {
    const wchar_t unit = *path >= L'A' && *path <= L'Z' ? static_cast<wchar_t>(*path + (L'a' - L'A')) : *path;
    hash = (hash ^ static_cast<std::uint32_t>(unit)) * 16777619u;
  }
  return hash;
}

wchar_t *append(wchar_t *at, const wchar_t *text) {
  while (*text != 0) *at++ = *text++;
  *at = 0;
  return at;
}

// The paths live outside the stack, which the platform's start-up code does not grow page by page
// for the component; the component runs on one thread.
wchar_t component[path_room];
wchar_t path[path_room];
wchar_t temporary[path_room];
std::uint8_t piece[1024];

// The file's path; false when the user has no application data folder or the path does not fit.
// Found afresh each time: the folder is the environment's, as it is now.
bool find_path() {
  const DWORD component_length = GetModuleFileNameW(module_instance(), component, path_room);
  if (component_length == 0 || component_length >= path_room) return false;
  const DWORD folder_length = GetEnvironmentVariableW(L"APPDATA", path, path_room);
  constexpr DWORD name_length = sizeof name_start / 2 + 8 + sizeof name_end / 2 + sizeof temporary_end / 2;
  if (folder_length == 0 || folder_length + name_length >= path_room) return false;
  wchar_t *at = append(path + folder_length, name_start);
  const std::uint32_t hash = path_hash(component);
  for (int shift = 28; shift >= 0; shift -= 4) *at++ = L"0123456789abcdef"[(hash >> shift) & 0xF];
  append(at, name_end);
  return true;
}

class win32_status_file final : public status_file {
 public:
  bool read(record_bytes &out, t_size most) override {
    if (!find_path()) return false;
    const HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    out.set_size(0);
    DWORD got = 0;
    bool read_whole = true;
    do {
      read_whole = ReadFile(file, piece, sizeof piece, &got, nullptr) != 0;
      if (read_whole) out.append(piece, got);
    } while (read_whole && got != 0 && out.size() <= most);
    CloseHandle(file);
    return read_whole;
  }

  void replace(const std::uint8_t *bytes, t_size size) override {
    if (!find_path()) return;
    append(append(temporary, path), temporary_end);
    const HANDLE file =
        CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes, size, &written, nullptr) != 0 && written == size;
    CloseHandle(file);
    // A file written only in part never takes the place of a whole one.
    if (!whole || !MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING)) DeleteFileW(temporary);
  }

  void remove() override {
    if (find_path()) DeleteFileW(path);
  }
};

win32_status_file file;

}  // namespace

status_file &platform_status_file() { return file; }
