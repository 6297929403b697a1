#include "users_status/win32_status_file.h"

#include "host_access/host_access.h"

namespace {

constexpr wchar_t name_start[] = L"\\Tunesignal-";
constexpr wchar_t name_end[] = L".status";
constexpr wchar_t temporary_end[] = L".new";
// The name after the folder, and the temporary name's process number and end.
constexpr DWORD name_length = sizeof name_start / 2 + 8 + sizeof name_end / 2 + 9 + sizeof temporary_end / 2;

// FNV-1a over the path's units. Earlier versions took only A to Z as lower case, on the path as it
// came; the name of their file is found that way.
std::uint32_t path_hash(const wchar_t *text, bool earlier) {
  std::uint32_t hash = 2166136261u;
  for (; *text != 0; ++text) {
    const bool upper_ascii = *text >= L'A' && *text <= L'Z';
    const wchar_t unit = earlier && upper_ascii ? static_cast<wchar_t>(*text + (L'a' - L'A')) : *text;
    hash = (hash ^ static_cast<std::uint32_t>(unit)) * 16777619u;
  }
  return hash;
}

wchar_t *append(wchar_t *at, const wchar_t *text) {
  while (*text != 0) *at++ = *text++;
  *at = 0;
  return at;
}

wchar_t *append_hex(wchar_t *at, std::uint32_t value) {
  for (int shift = 28; shift >= 0; shift -= 4) *at++ = L"0123456789abcdef"[(value >> shift) & 0xF];
  *at = 0;
  return at;
}

// The paths live outside the stack, which the platform's start-up code does not grow page by page
// for the component, and outside the objects, which would carry them as initialized data: the
// component runs on one thread, and each operation finds every path afresh.
wchar_t module_path[win32_status_file::path_room];
wchar_t scratch[win32_status_file::path_room];
wchar_t canonical[win32_status_file::path_room];
wchar_t path[win32_status_file::path_room];
wchar_t earlier[win32_status_file::path_room];
wchar_t temporary[win32_status_file::path_room];
std::uint8_t piece[1024];

bool absent(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// An operation on `where` failed with `error`; a folder standing in the file's place is named so.
file_error failure_at(const wchar_t *where, DWORD error) {
  const DWORD attributes = GetFileAttributesW(where);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return system_error::directory_not_supported;
  return error != 0 ? error : system_error::access_denied;
}

// `from` into `to` (both path_room units) when a system call could not make the long form.
void keep_as_it_is(const wchar_t *from, wchar_t *to, DWORD made) {
  if (made == 0 || made >= win32_status_file::path_room) append(to, from);
}

}  // namespace

file_error win32_status_file::name_component() {
  if (named_) return system_error::none;
  const wchar_t *component = component_;
  if (component == nullptr) {
    const DWORD length = GetModuleFileNameW(module_instance(), module_path, path_room);
    if (length == 0) return GetLastError();
    if (length >= path_room) return system_error::file_name_too_long;
    component = module_path;
  }
  keep_as_it_is(component, scratch, GetFullPathNameW(component, path_room, scratch, nullptr));
  keep_as_it_is(scratch, canonical, GetLongPathNameW(scratch, canonical, path_room));
  keep_as_it_is(canonical, scratch,
                static_cast<DWORD>(LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, canonical, -1, scratch,
                                                static_cast<int>(path_room))));
  name_ = path_hash(scratch, false);
  earlier_name_ = path_hash(component, true);
  named_ = true;
  return system_error::none;
}

// Found afresh for each operation: the folder is the environment's, as it is now.
file_error win32_status_file::find_paths() {
  const file_error named = name_component();
  if (named != system_error::none) return named;
  DWORD folder_length = 0;
  if (folder_ == nullptr) {
    folder_length = GetEnvironmentVariableW(L"APPDATA", path, path_room);
    if (folder_length == 0) return system_error::environment_variable_not_found;
  } else {
    folder_length = static_cast<DWORD>(append(path, folder_) - path);
  }
  if (folder_length + name_length >= path_room) return system_error::file_name_too_long;
  path[folder_length] = 0;
  append(earlier, path);
  append(append_hex(append(path + folder_length, name_start), name_), name_end);
  append(append_hex(append(earlier + folder_length, name_start), earlier_name_), name_end);
  // One process's temporary file is its own: two players of one installation never cut each other's.
  append(append_hex(append(append(temporary, path), L"."), GetCurrentProcessId()), temporary_end);
  return system_error::none;
}

file_error win32_status_file::read(record_bytes &out, t_size most) {
  const file_error found = find_paths();
  if (found != system_error::none) return found;
  if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES && absent(GetLastError()))
    MoveFileExW(earlier, path, 0);
  // Shared for deleting too, so that another process's replace may go on meanwhile.
  const HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return absent(error) ? system_error::file_not_found : failure_at(path, error);
  }
  out.set_size(0);
  DWORD got = 0;
  file_error result = system_error::none;
  do {
    if (ReadFile(file, piece, sizeof piece, &got, nullptr) == 0) {
      result = GetLastError();
      break;
    }
    out.append(piece, got);
  } while (got != 0 && out.size() <= most);
  CloseHandle(file);
  return result;
}

file_error win32_status_file::replace(const std::uint8_t *bytes, t_size size) {
  const file_error found = find_paths();
  if (found != system_error::none) return found;
  const HANDLE file =
      CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return failure_at(temporary, GetLastError());
  DWORD written = 0;
  file_error result = system_error::none;
  if (WriteFile(file, bytes, size, &written, nullptr) == 0 || written != size) {
    const DWORD error = GetLastError();
    result = error != 0 ? error : system_error::disk_full;
  }
  CloseHandle(file);
  // A file written only in part never takes the place of a whole one.
  if (result == system_error::none && MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING) == 0)
    result = failure_at(path, GetLastError());
  if (result != system_error::none) DeleteFileW(temporary);
  return result;
}

file_error win32_status_file::remove() {
  const file_error found = find_paths();
  if (found != system_error::none) return found;
  if (DeleteFileW(path) != 0) return system_error::none;
  const DWORD error = GetLastError();
  return absent(error) ? system_error::none : failure_at(path, error);
}

namespace {

win32_status_file file;

}  // namespace

status_file &platform_status_file() { return file; }
