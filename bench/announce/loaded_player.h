#pragma once

#include <windows.h>

#include "boundary/boundary.h"
#include "component_loader.h"
#include "fake_player.h"
#include "no_copy.h"
#include "own_app_data.h"

// The shipped DLL loaded as the player loads it (its shared.dll first), with a host made of plain
// objects, announcing tracks through the play callback's new-track event.
class loaded_player : private no_copy {
 public:
  loaded_player();
  ~loaded_player();

  // False when the DLL did not load or has no play callback.
  bool ready() const { return events_ != nullptr; }

  // The track starts: the player hands the component a reference of its own.
  void announce(fake_track &track);

  // The component's console lines; an announcement that went well prints none.
  const counted_console &console() const { return console_; }

 private:
  own_app_data app_data_;
  component_loader loader_;
  fake_host host_;
  counted_console console_;
  fake_core_version version_;
  fake_compiler compiler_;
  fake_playback playback_;
  fake_playlists playlists_;
  play_callback_static *events_ = nullptr;
};
