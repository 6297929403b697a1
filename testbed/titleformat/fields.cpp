#include <cctype>
#include <cstdio>

#include "track_info.h"

namespace titleformat {

namespace {

std::string lower_ascii(std::string s) {
  for (char &c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string file_name_without_extension(const std::string &path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

std::string clock_text(double seconds) {
  const long total = static_cast<long>(seconds + 0.5);
  char text[32];
  if (total >= 3600) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
  }
  return text;
}

// "3" and "3/12" read as 03; anything that is not a number stays as it is.
std::string two_digit_track_number(const std::string &tag) {
  std::size_t digits = 0;
  while (digits < tag.size() && std::isdigit(static_cast<unsigned char>(tag[digits]))) ++digits;
  if (digits == 0) return tag;
  std::string number = tag.substr(0, digits);
  while (number.size() > 2 && number[0] == '0') number.erase(0, 1);
  return number.size() < 2 ? "0" + number : number;
}

// The tag stored under any letter case of `lower_name`, or the end of `tags`.
template <typename Tags>
auto stored_tag(Tags &tags, const std::string &lower_name) {
  auto found = tags.begin();
  while (found != tags.end() && lower_ascii(found->first) != lower_name) ++found;
  return found;
}

}  // namespace

value field_value(const track_info &track, const std::string &raw_name) {
  const std::string name = lower_ascii(raw_name);
  if (name == "filename" || name == "_filename") {
    if (track.path.empty()) return {"?", false};
    return {file_name_without_extension(track.path), true};
  }
  if (name == "path" || name == "_path") {
    if (track.path.empty()) return {"?", false};
    return {track.path, true};
  }
  if (name == "length") {
    if (track.length_seconds <= 0) return {"?", false};
    return {clock_text(track.length_seconds), true};
  }
  const auto tag = stored_tag(track.tags, name);
  if (tag == track.tags.end()) return {"?", false};
  if (name == "tracknumber") return {two_digit_track_number(tag->second), true};
  return {tag->second, true};
}

void set_tag(track_info &track, const std::string &name, const std::string &text) {
  const auto tag = stored_tag(track.tags, lower_ascii(name));
  if (tag == track.tags.end()) {
    track.tags[name] = text;
  } else {
    tag->second = text;
  }
}

bool remove_tag(track_info &track, const std::string &name) {
  const auto tag = stored_tag(track.tags, lower_ascii(name));
  if (tag == track.tags.end()) return false;
  track.tags.erase(tag);
  return true;
}

}  // namespace titleformat
