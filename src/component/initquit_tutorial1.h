#pragma once

#include "boundary/boundary.h"

// Start and quit hooks: find the messenger's windows at start; at quit put the user's status back
// if the track is still on display, and forget the windows. Both only while the component is
// switched on.
class initquit_tutorial1 : public initquit {
 public:
  void on_init() override;
  void on_quit() override;
};
