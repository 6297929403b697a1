#pragma once

#include "host_services.h"
#include "host_text.h"
#include "started_component.h"
#include "messenger_process.h"
#include "no_copy.h"
#include "users_own_status.h"

// The host with the component loaded, beside the stand-in messenger showing its user's own status
// (users_own_status.h).
class messenger_session : private no_copy {
 public:
  messenger_session();

  // False, after a failed check, when the messenger or the component did not start.
  bool started() const { return component.client() != nullptr && messenger.running(); }

  player_services host;
  messenger_process messenger;
  started_component component;
};

// The messenger's whole status log.
void read_status_log(const messenger_process &messenger, host_text &log);
