#pragma once

#include "boundary/boundary.h"
#include "host_access/service_exceptions.h"
#include "support/string8.h"

// How the rest of the component reaches the host. The values behind these are stored by the entry
// point and the client object (host_binding.h); everything runs on the host's main thread.

// The one instance of a host service class, referenced into *out; the caller releases it.
// Throws exception_service_not_found for none (or one the host then fails to hand out) and
// exception_service_duplicated for several.
void find_single_service(service_base **out, const GUID &class_guid);

// Typed form for interfaces that name their class_guid; the caller releases the result.
template <typename I>
I *find_single_service() {
  service_base *found = nullptr;
  find_single_service(&found, I::class_guid);
  return static_cast<I *>(found);
}

// One console entry with exactly this text, to every console receiver of the host. Dropped while
// the host's services are not available. True when a receiver took it: a line dropped is not said.
bool console_print(const char *text);

// The one way to the console for a line of the component's own: "tunesignal: " and the text, whose
// wording lives in console_texts.h. True when a receiver took it.
bool print_own_line(const char *text);

// True off the host's services (not available, or no host yet); otherwise the host's answer.
bool check_main_thread();

HINSTANCE module_instance();

// The file name the host gave through set_library_path, "" before.
const char *module_file_name();

namespace console {

// Collects a message and prints it as one console entry when it goes out of scope, unless empty.
class formatter : public pfc::string8_fast_aggressive {
 public:
  formatter() = default;
  formatter(const formatter &) = delete;
  formatter &operator=(const formatter &) = delete;
  ~formatter();

  formatter &operator<<(const char *text) {
    append(text);
    return *this;
  }
};

}  // namespace console
