#pragma once

#include "host/boundary.h"

// Start and quit hooks: find the messenger's windows at start, forget them at quit, both only
// while the component is switched on. The messenger's status is not restored at quit.
class initquit_tutorial1 : public initquit {
 public:
  void on_init() override;
  void on_quit() override;
};
