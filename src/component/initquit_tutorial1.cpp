#include "component/initquit_tutorial1.h"

#include "announce/status_keeper.h"
#include "host_access/contained.h"
#include "settings/config_variables.h"

void initquit_tutorial1::on_init() {
  // A messenger that is not running yet is looked for again when a track starts.
  if (cfg_enabled) run_contained("looking for QIP", meet_messenger);
}

void initquit_tutorial1::on_quit() {
  // The messenger outlives the player: it must not go on showing the track.
  run_contained("restoring the status", finish_before_quit);
}
