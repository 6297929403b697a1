#pragma once

#include "boundary/boundary.h"

// Bases for a host's own services: the slots that the component never calls, filled once, so that
// a host (the stand-in player, or a test's fake host) writes only the operations that matter.

class track_base : public track {
 public:
  void reserved_3() override {}
};

class playback_control_base : public playback_control {
 public:
  void reserved_4() override {}
  void reserved_5() override {}
  void reserved_7() override {}
  void reserved_8() override {}
  void reserved_9() override {}
  void reserved_10() override {}
  void reserved_11() override {}
  void reserved_12() override {}
  void reserved_13() override {}
  void reserved_14() override {}
  void reserved_15() override {}
  void reserved_16() override {}
  void reserved_17() override {}
  void reserved_18() override {}
  void reserved_19() override {}
};

class playlist_manager_base : public playlist_manager {
 public:
  void reserved_3() override {}
  void reserved_5() override {}
  void reserved_6() override {}
  void reserved_7() override {}
  void reserved_8() override {}
  void reserved_9() override {}
  void reserved_10() override {}
  void reserved_11() override {}
  void reserved_12() override {}
  void reserved_14() override {}
  void reserved_15() override {}
  void reserved_16() override {}
  void reserved_17() override {}
  void reserved_18() override {}
  void reserved_19() override {}
  void reserved_20() override {}
  void reserved_21() override {}
  void reserved_22() override {}
  void reserved_23() override {}
  void reserved_24() override {}
  void reserved_25() override {}
  void reserved_26() override {}
  void reserved_27() override {}
};
