#include "host/initquit_tutorial1.h"

#include "messenger_windows.h"
#include "settings/config_variables.h"

void initquit_tutorial1::on_init() {
  // A messenger that is not running yet is looked for again when a track starts.
  if (cfg_enabled) find_messenger_windows();
}

void initquit_tutorial1::on_quit() {
  if (cfg_enabled) reset_messenger_windows();
}
