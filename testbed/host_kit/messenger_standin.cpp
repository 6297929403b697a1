#include "messenger_standin.h"

#include <fstream>
#include <sstream>

// The commands' codes and layout are the messenger's own.
#include "../messenger/user_command.h"

namespace {

std::wstring quoted(const std::wstring &argument) {
  std::wstring result = L"\"";
  for (wchar_t c : argument) {
    if (c == L'"') result += L'\\';
    result += c;
  }
  return result + L"\"";
}

std::wstring joined(const std::vector<std::wstring> &arguments) {
  std::wstring line;
  for (const std::wstring &argument : arguments) line += quoted(argument) + L" ";
  return line;
}

// A line of a log without its line break: its fields, separated by tabs.
std::vector<std::string> fields_of(const std::string &line) {
  std::vector<std::string> fields;
  std::istringstream split(line);
  std::string field;
  while (std::getline(split, field, '\t')) {
    fields.push_back(field);
  }
  if (!line.empty() && line.back() == '\t') {
    fields.emplace_back();
  }
  return fields;
}

std::vector<std::vector<std::string>> read_lines(const std::wstring &path) {
  std::vector<std::vector<std::string>> lines;
  std::ifstream file(path.c_str(), std::ios::binary);
  std::string line;
  while (std::getline(file, line)) lines.push_back(fields_of(line));
  return lines;
}

}  // namespace

const std::vector<std::string> users_own_status =
    fields_of(std::string(users_own_status_line, sizeof users_own_status_line - 2));

messenger_standin::messenger_standin(const std::vector<std::wstring> &arguments, logs kept)
    : process_(joined(arguments).c_str(), kept == logs::kept) {}

messenger_standin::messenger_standin(const wchar_t *options, logs kept)
    : process_(options, kept == logs::kept) {}

bool messenger_standin::act_as_user(unsigned command, const std::wstring &data) const {
  return process_.act_as_user(command, data.data(), static_cast<DWORD>(data.size()));
}

bool messenger_standin::user_opens_dialog() { return act_as_user(static_cast<unsigned>(user_command::open)); }

bool messenger_standin::user_types(int picture, const std::wstring &top, const std::wstring &bottom) {
  return act_as_user(static_cast<unsigned>(user_command::type), user_command_data(picture, top, bottom));
}

bool messenger_standin::user_presses_ok() { return act_as_user(static_cast<unsigned>(user_command::ok)); }

bool messenger_standin::user_cancels() { return act_as_user(static_cast<unsigned>(user_command::cancel)); }

bool messenger_standin::user_closes_dialog() {
  return act_as_user(static_cast<unsigned>(user_command::close));
}

bool messenger_standin::user_sets_status(int picture, const std::wstring &top, const std::wstring &bottom) {
  return act_as_user(static_cast<unsigned>(user_command::set), user_command_data(picture, top, bottom));
}

bool messenger_standin::dialog_on_screen() const { return IsWindowVisible(process_.status_form()) != FALSE; }

std::vector<std::vector<std::string>> messenger_standin::status_log(std::size_t from) const {
  std::vector<std::vector<std::string>> lines = read_lines(process_.status_log_path());
  lines.erase(lines.begin(), lines.begin() + static_cast<long>(from < lines.size() ? from : lines.size()));
  return lines;
}

std::vector<window_message> messenger_standin::messages() const {
  std::vector<window_message> messages;
  for (const std::vector<std::string> &line : read_lines(process_.message_log_path())) {
    if (line.size() < 4) continue;
    window_message seen = {line[0], static_cast<unsigned>(std::stoul(line[1], nullptr, 16)),
                           static_cast<std::uint32_t>(std::stoul(line[2])),
                           static_cast<std::uint32_t>(std::stol(line[3])), std::nullopt};
    if (seen.message == WM_SETTEXT && line.size() > 4) seen.text = line[4];
    messages.push_back(seen);
  }
  return messages;
}
