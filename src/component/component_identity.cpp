#include "component/component_identity.h"

const char *const component_name = "Foobar2000 Tunesignal support for QIP v80xx";

const char *const component_version = "0.5.1";

// The title line keeps the release it was written for; the reported version is the one above.
const char *const component_about =
    "Tunesignal support for QIP 80xx and QIP Infium v.0.5.0 (build for foobar2000 0.9.x)\n"
    "\n"
    "Author: the Tunesignal developers\n"
    "Contact: through the component's download page\n"
    "Compatibility: Win 98, 2000, XP, Vista, foobar2000 0.9.x, Linux Wine\n"
    "\n"
    "This is the last stable version of Tunesignal.\n"
    "New releases are not guaranteed,\n"
    "but feature requests and requests for the source code are still welcome.\n"
    "\n"
    "Greetings to everyone who listens and chats,\n"
    "2007-2009\n"
    "Bye!";
