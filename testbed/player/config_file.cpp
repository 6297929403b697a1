#include "config_file.h"

#include <windows.h>

#include <stdexcept>

namespace {

class file_handle {
 public:
  explicit file_handle(HANDLE handle) : handle_(handle) {}
  ~file_handle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  file_handle(const file_handle &) = delete;
  file_handle &operator=(const file_handle &) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

byte_buffer config_file::read() const {
  file_handle file(CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return {};
    throw std::runtime_error("cannot open the configuration file");
  }
  byte_buffer data;
  std::uint8_t piece[4096];
  DWORD got = 0;
  do {
    if (!ReadFile(file.get(), piece, sizeof piece, &got, nullptr)) {
      throw std::runtime_error("cannot read the configuration file");
    }
    data.insert(data.end(), piece, piece + got);
  } while (got != 0);
  return data;
}

void config_file::write(const byte_buffer &data) const {
  const std::wstring temporary = path_ + L".tmp";
  {
    file_handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
      throw std::runtime_error("cannot create the temporary configuration file");
    }
    DWORD written = 0;
    const bool complete =
        WriteFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
        written == data.size() && FlushFileBuffers(file.get());
    if (!complete) {
      throw std::runtime_error("cannot write the temporary configuration file");
    }
  }
  if (!MoveFileExW(temporary.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    throw std::runtime_error("cannot replace the configuration file");
  }
}
