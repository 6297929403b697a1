#pragma once

#include <windows.h>

#include "users_status/status_file.h"

// The component's file on Windows, in the user's application data folder: "Tunesignal-", eight
// hexadecimal digits of the component's path, ".status". The path counts in its long form and
// upper-cased, as Windows compares file names, so that every spelling of one installation's path
// (letter case, short 8.3 names) names one file. A file under the name that earlier versions gave
// (the path as it came, only A to Z lower-cased) is taken over by the first read that finds none
// under this one, so that nothing they stored is orphaned.
class win32_status_file final : public status_file {
 public:
  static constexpr DWORD path_room = 1024;

  // The file of the component at `component`, in `folder`. Null for either: the component's own
  // module, and the APPDATA folder of the environment as it is at each operation.
  explicit win32_status_file(const wchar_t *component = nullptr, const wchar_t *folder = nullptr)
      : component_(component), folder_(folder) {}

  file_error read(record_bytes &out, t_size most) override;
  file_error replace(const std::uint8_t *bytes, t_size size) override;
  file_error remove() override;

 private:
  file_error find_paths();
  // The component's path, and so the file's name, stays what it is for the life of the process: its
  // long form is asked of the file system once.
  file_error name_component();

  const wchar_t *component_;
  const wchar_t *folder_;
  std::uint32_t name_ = 0;
  std::uint32_t earlier_name_ = 0;
  bool named_ = false;
};
