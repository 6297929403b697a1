#include "playlist.h"

#include <fstream>
#include <initializer_list>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "text_conversion.h"

namespace {

using json = nlohmann::json;

// A fault in the file, named for the person who wrote it: which entry (from 1) and which field.
class playlist_fault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A misspelt field would otherwise be ignored without a word.
void refuse_unknown_fields(const json &object, std::initializer_list<const char *> known,
                           const std::string &where) {
  for (const auto &[name, value] : object.items()) {
    bool listed = false;
    std::string known_list;
    for (const char *field : known) {
      listed = listed || name == field;
      known_list += std::string(known_list.empty() ? "" : ", ") + field;
    }
    if (!listed) throw playlist_fault(where + "unknown field \"" + name + "\" (known: " + known_list + ")");
  }
}

std::string tag_text(const json &value, const std::string &name, const std::string &where) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_number()) return value.dump();
  throw playlist_fault(where + "tag \"" + name + "\" must be a text or a number");
}

// A day at most: well within what the timer that plays a title takes, and longer than anyone waits.
constexpr double longest_stream_title_seconds = 86400;

std::vector<stream_title> stream_from_json(const json &stream, const std::string &where) {
  if (!stream.is_array() || stream.empty()) {
    throw playlist_fault(where +
                         "\"stream\" must be a list of titles, each {\"title\": ..., \"seconds\": ...}");
  }
  std::vector<stream_title> titles;
  for (const json &item : stream) {
    const std::string at = where + "stream title " + std::to_string(titles.size() + 1) + ": ";
    if (!item.is_object()) {
      throw playlist_fault(at + "must be an object with a \"title\" and its \"seconds\"");
    }
    refuse_unknown_fields(item, {"title", "seconds"}, at);
    if (!item.contains("title")) throw playlist_fault(at + "\"title\" is missing");
    if (!item["title"].is_string()) throw playlist_fault(at + "\"title\" must be a text");
    if (!item.contains("seconds")) throw playlist_fault(at + "\"seconds\" is missing");
    const json &seconds = item["seconds"];
    if (!seconds.is_number() || seconds.get<double>() <= 0 ||
        seconds.get<double>() > longest_stream_title_seconds) {
      throw playlist_fault(at + "\"seconds\" must be a number of seconds above 0, at most 86400");
    }
    titles.push_back({item["title"].get<std::string>(), seconds.get<double>()});
  }
  return titles;
}

std::unique_ptr<player_track> track_from_json(const json &entry, std::size_t number) {
  const std::string where = "entry " + std::to_string(number) + ": ";
  if (!entry.is_object()) throw playlist_fault(where + "must be an object with a \"path\"");
  refuse_unknown_fields(entry, {"path", "length", "tags", "stream"}, where);
  titleformat::track_info info;
  if (!entry.contains("path")) throw playlist_fault(where + "\"path\" is missing");
  if (!entry["path"].is_string()) throw playlist_fault(where + "\"path\" must be a text");
  info.path = entry["path"].get<std::string>();
  if (entry.contains("length")) {
    const json &length = entry["length"];
    if (!length.is_number() || length.get<double>() < 0) {
      throw playlist_fault(where + "\"length\" must be a number of seconds");
    }
    info.length_seconds = length.get<double>();
  }
  if (entry.contains("tags")) {
    const json &tags = entry["tags"];
    if (!tags.is_object()) throw playlist_fault(where + "\"tags\" must be an object of tag names and texts");
    for (const auto &[name, value] : tags.items()) info.tags[name] = tag_text(value, name, where);
  }
  std::vector<stream_title> stream;
  if (entry.contains("stream")) {
    // A stream's length is unknown, as the host has it; its titles say how long each plays.
    if (entry.contains("length")) {
      throw playlist_fault(where + "a stream has no \"length\": its titles have \"seconds\"");
    }
    stream = stream_from_json(entry["stream"], where);
  }
  return std::make_unique<player_track>(std::move(info), std::move(stream));
}

playlist playlist_from_json(const json &document) {
  if (!document.is_object()) throw playlist_fault("must hold an object with a list \"tracks\"");
  refuse_unknown_fields(document, {"name", "tracks"}, "");
  playlist result;
  result.name = "Default";
  if (document.contains("name")) {
    if (!document["name"].is_string()) throw playlist_fault("\"name\" must be a text");
    result.name = document["name"].get<std::string>();
  }
  if (!document.contains("tracks")) throw playlist_fault("\"tracks\" is missing");
  if (!document["tracks"].is_array()) throw playlist_fault("\"tracks\" must be a list of entries");
  std::size_t number = 0;
  for (const json &entry : document["tracks"]) {
    result.tracks.push_back(track_from_json(entry, ++number));
  }
  return result;
}

// "[json.exception.parse_error.101] parse error at line 2, ..." -> "parse error at line 2, ..."
std::string without_library_tag(const std::string &text) {
  const std::size_t end = text.find("] ");
  return text[0] == '[' && end != std::string::npos ? text.substr(end + 2) : text;
}

}  // namespace

playlist load_playlist(const std::wstring &path) {
  const std::string name = "playlist " + utf8_from_wide(path) + ": ";
  std::ifstream file(path.c_str());
  if (!file) throw std::runtime_error(name + "cannot open the file");
  try {
    return playlist_from_json(json::parse(file));
  } catch (const json::parse_error &error) {
    throw std::runtime_error(name + "not valid JSON: " + without_library_tag(error.what()));
  } catch (const playlist_fault &fault) {
    throw std::runtime_error(name + fault.what());
  }
}
