#include "component/start_quit_hooks.h"

#include "users_status/status_keeper.h"
#include "host_access/error_barrier.h"

void start_quit_hooks::on_init() {
  // What an earlier session left owed is put back even while switched off; a messenger that is not
  // running yet is looked for again when a track starts.
  run_contained(console_texts::meeting_messenger, meet_messenger);
}

void start_quit_hooks::on_quit() {
  // The messenger outlives the player: it must not go on showing the track.
  run_contained(console_texts::putting_back_at_quit, finish_before_quit);
}
