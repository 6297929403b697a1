#include "messenger_session.h"

#include "check.h"

const char *const users_status = "4\tAt work\tIn a meeting\n";

messenger_session::messenger_session()
    : messenger(L"--picture 4 --top \"At work\" --bottom \"In a meeting\""), component(host.api) {
  check(messenger.running(), "the stand-in messenger starts");
}
