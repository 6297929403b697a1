#pragma once

#include <memory>
#include <string>
#include <vector>

#include "player_track.h"

// The player's one playlist, read from a JSON file:
//   { "name": "Evening", "tracks": [ { "path": "C:\\Music\\a.flac", "length": 245.3,
//       "tags": { "artist": "...", "title": "...", "album": "...", "tracknumber": "3" } } ] }
// An entry that is a stream has no "length" but the titles it sends, each with how long it plays:
//   { "path": "http://...", "tags": { "title": "Night FM" },
//     "stream": [ { "title": "Song A", "seconds": 1.5 }, { "title": "Song B", "seconds": 2 } ] }
struct playlist {
  std::string name;
  std::vector<std::unique_ptr<player_track>> tracks;
  std::size_t focus = 0;
};

// Throws std::runtime_error naming the file and the fault: the entry (from 1) and the field where
// an entry is at fault, and no field goes unread: an unknown one is refused.
playlist load_playlist(const std::wstring &path);
