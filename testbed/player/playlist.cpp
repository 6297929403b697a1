#include "playlist.h"

#include <fstream>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "text_conversion.h"

namespace {

titleformat::track_info track_from_json(const nlohmann::json &entry) {
  titleformat::track_info info;
  info.path = entry.at("path").get<std::string>();
  info.length_seconds = entry.value("length", 0.0);
  if (entry.contains("tags")) {
    for (const auto &[name, text] : entry.at("tags").items()) {
      info.tags[name] = text.is_string() ? text.get<std::string>() : text.dump();
    }
  }
  return info;
}

}  // namespace

playlist load_playlist(const std::wstring &path) {
  const std::string name = utf8_from_wide(path);
  std::ifstream file(path.c_str());
  if (!file) throw std::runtime_error("cannot open the playlist " + name);
  playlist result;
  try {
    const nlohmann::json document = nlohmann::json::parse(file);
    result.name = document.value("name", std::string("Default"));
    for (const nlohmann::json &entry : document.at("tracks")) {
      result.tracks.push_back(std::make_unique<player_track>(track_from_json(entry)));
    }
  } catch (const nlohmann::json::exception &error) {
    throw std::runtime_error("the playlist " + name + " is not valid: " + error.what());
  }
  return result;
}
