#pragma once

#include <map>
#include <string>

namespace titleformat {

// What the stand-in player knows about one track: where it is, how long it plays and its tags
// (UTF-8; names are matched without regard to letter case).
struct track_info {
  std::string path;
  double length_seconds = 0;
  std::map<std::string, std::string> tags;
};

// A field's text and whether the track has it: missing fields read as "?" and make an
// optional section vanish.
struct value {
  std::string text;
  bool present = false;
};

value field_value(const track_info &track, const std::string &name);

// Sets the tag read as field `name` to `text` (which may be empty), keeping the letter case it was
// stored with; a new tag takes `name` as given.
void set_tag(track_info &track, const std::string &name, const std::string &text);

// Removes the tag read as field `name`; false when the track has none.
bool remove_tag(track_info &track, const std::string &name);

}  // namespace titleformat
