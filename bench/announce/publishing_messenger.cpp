#include "publishing_messenger.h"

#include <windows.h>

#include <fstream>

publishing_messenger::log_file::log_file() {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  path = std::wstring(folder) + L"tunesignal-published-" + std::to_wstring(GetCurrentProcessId()) + L".log";
  DeleteFileW(path.c_str());
}

publishing_messenger::log_file::~log_file() { DeleteFileW(path.c_str()); }

publishing_messenger::publishing_messenger()
    : messenger_({L"--status-log", log_.path}, messenger_standin::logs::none) {}

std::vector<std::string> publishing_messenger::published() const {
  std::vector<std::string> lines;
  std::ifstream file(log_.path.c_str(), std::ios::binary);
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

bool publishing_messenger::published_alternately(std::size_t count) const {
  const std::vector<std::string> lines = published();
  if (lines.size() != count || count < 2 || lines[0] == lines[1]) return false;
  for (std::size_t i = 2; i < count; ++i) {
    if (lines[i] != lines[i % 2]) return false;
  }
  return true;
}
