#include "component/component_version.h"

#include "host_access/host_access.h"

const char *const component_name_text = "Foobar2000 Tunesignal support for QIP v80xx";

const char *const component_version_text = "0.5.1";

// The title line keeps the release it was written for; the reported version is the one above.
const char *const component_about_text =
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

namespace {

const char *or_empty(const char *text) { return text != nullptr ? text : ""; }

}  // namespace

component_version::component_version(const char *name, const char *version, const char *about)
    : name_(name), version_(version), about_(about) {}

void component_version::get_file_name(pfc::string_base &out) { out.assign(module_file_name()); }

void component_version::get_component_name(pfc::string_base &out) { out.assign(or_empty(name_)); }

void component_version::get_component_version(pfc::string_base &out) { out.assign(or_empty(version_)); }

void component_version::get_about_message(pfc::string_base &out) { out.assign(or_empty(about_)); }
