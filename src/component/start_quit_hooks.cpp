#include "component/start_quit_hooks.h"

#include "announce/status_keeper.h"
#include "host_access/error_barrier.h"

void start_quit_hooks::on_init() {
  // What an earlier session left owed is put back even while switched off; a messenger that is not
  // running yet is looked for again when a track starts.
  run_contained("looking for QIP", "it is looked for again when a track starts", meet_messenger);
}

void start_quit_hooks::on_quit() {
  // The messenger outlives the player: it must not go on showing the track.
  run_contained("putting the status back at quit",
                "the next session puts it back when it starts, if the track is still on display",
                finish_before_quit);
}
