#pragma once

#include <optional>
#include <string>
#include <vector>

#include "player_run.h"

// The shipped component in the stand-in player with the sample playlist, driven one command at a
// time as a person types them, beside a stand-in messenger the test starts itself.

using fields = std::vector<std::string>;

// The sample playlist's first three tracks as the default script formats them.
extern const std::string kino;
extern const wchar_t kino_wide[];
extern const std::string kyu;
extern const std::string sigur;

fields playing(const std::string &line);

class listening_session {
 public:
  // Starts a player in the session's profile, by default with the sample playlist; a session has
  // one player at a time.
  void open_player(const std::wstring &arguments = sample_playlist());
  // Types one command and waits until the player has carried it out.
  void does(const std::string &command);
  // Waits until the player prints `text` after what was waited for last: what it does by itself.
  void hears(const std::string &text);
  // 'quit', and waits for the player to end.
  void quit_player();
  void kill_player();
  // What the player printed since it started.
  std::string output() const;
  const scratch_profile &profile() const { return profile_; }

 private:
  scratch_profile profile_;
  std::optional<player_session> player_;
  int steps_ = 0;
};
