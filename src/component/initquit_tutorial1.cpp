#include "component/initquit_tutorial1.h"

#include "announce/announcement.h"
#include "host_access/contained.h"
#include "messenger/messenger_windows.h"
#include "settings/config_variables.h"

void initquit_tutorial1::on_init() {
  // A messenger that is not running yet is looked for again when a track starts.
  if (cfg_enabled) find_messenger_windows();
}

void initquit_tutorial1::on_quit() {
  if (!cfg_enabled) return;
  // The messenger outlives the player: it must not go on showing the track, nor would the next
  // session know the status under it.
  if (own_status.on_display) run_contained("restoring the status", restore_status);
  reset_messenger_windows();
}
