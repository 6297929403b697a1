#pragma once

#include "boundary/boundary.h"

// Bases for a host's own services: the slots that the component never calls, filled once, so that
// a host (the stand-in player, a test's fake host, the platform-ABI host) writes only the operations
// that matter. A call that reaches one of them is counted: the component calls only the slots of the
// contract, and a host can check that the count stays 0.

// How many calls reached a slot the component never calls.
int reserved_slot_calls();
void reserved_slot_called();

class track_base : public track {
 public:
  void reserved_3() override { reserved_slot_called(); }
};

class playback_control_base : public playback_control {
 public:
  void reserved_4() override { reserved_slot_called(); }
  void reserved_5() override { reserved_slot_called(); }
  void reserved_7() override { reserved_slot_called(); }
  void reserved_8() override { reserved_slot_called(); }
  void reserved_9() override { reserved_slot_called(); }
  void reserved_10() override { reserved_slot_called(); }
  void reserved_11() override { reserved_slot_called(); }
  void reserved_12() override { reserved_slot_called(); }
  void reserved_13() override { reserved_slot_called(); }
  void reserved_14() override { reserved_slot_called(); }
  void reserved_15() override { reserved_slot_called(); }
  void reserved_16() override { reserved_slot_called(); }
  void reserved_17() override { reserved_slot_called(); }
  void reserved_18() override { reserved_slot_called(); }
  void reserved_19() override { reserved_slot_called(); }
};

class playlist_manager_base : public playlist_manager {
 public:
  void reserved_3() override { reserved_slot_called(); }
  void reserved_5() override { reserved_slot_called(); }
  void reserved_6() override { reserved_slot_called(); }
  void reserved_7() override { reserved_slot_called(); }
  void reserved_8() override { reserved_slot_called(); }
  void reserved_9() override { reserved_slot_called(); }
  void reserved_10() override { reserved_slot_called(); }
  void reserved_11() override { reserved_slot_called(); }
  void reserved_12() override { reserved_slot_called(); }
  void reserved_14() override { reserved_slot_called(); }
  void reserved_15() override { reserved_slot_called(); }
  void reserved_16() override { reserved_slot_called(); }
  void reserved_17() override { reserved_slot_called(); }
  void reserved_18() override { reserved_slot_called(); }
  void reserved_19() override { reserved_slot_called(); }
  void reserved_20() override { reserved_slot_called(); }
  void reserved_21() override { reserved_slot_called(); }
  void reserved_22() override { reserved_slot_called(); }
  void reserved_23() override { reserved_slot_called(); }
  void reserved_24() override { reserved_slot_called(); }
  void reserved_25() override { reserved_slot_called(); }
  void reserved_26() override { reserved_slot_called(); }
  void reserved_27() override { reserved_slot_called(); }
};
