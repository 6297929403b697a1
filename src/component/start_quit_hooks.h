#pragma once

#include "boundary/boundary.h"

// Start and quit hooks: at start meet the messenger (while the component is switched on); at quit
// put the user's status back if anything of the component's may still be on display, and start
// nothing more.
class start_quit_hooks : public initquit {
 public:
  void on_init() override;
  void on_quit() override;
};
