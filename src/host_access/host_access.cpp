#include "host_access/host_access.h"

#include "host_access/host_binding.h"

namespace {

foobar2000_api *host_api = nullptr;
HINSTANCE host_module = nullptr;
pfc::string8 file_name;
bool services_available = false;

}  // namespace

void bind_host(foobar2000_api *api, HINSTANCE module) {
  host_api = api;
  host_module = module;
}

void set_module_file_name(const char *name) { file_name.assign(name); }

void set_services_available(bool available) { services_available = available; }

void find_single_service(service_base **out, const GUID &class_guid) {
  const class_ref cls = host_api->find_class(class_guid);
  const t_size instances = host_api->instance_count(cls);
  if (instances == 0) throw exception_service_not_found();
  if (instances > 1) throw exception_service_duplicated();
  // A host that counts one instance and then cannot make it has none to give.
  if (!host_api->create_instance(out, cls, 0) || *out == nullptr) throw exception_service_not_found();
}

bool console_print(const char *text) {
  if (!services_available || host_api == nullptr) return false;
  const class_ref cls = host_api->find_class(console_receiver::class_guid);
  service_base *receiver = nullptr;
  bool printed = false;
  for (t_size index = 0;; ++index) {
    service_base *next = nullptr;
    if (!host_api->create_instance(&next, cls, index)) break;
    if (receiver != nullptr) receiver->service_release();
    receiver = next;
    static_cast<console_receiver *>(receiver)->print(text, pfc::infinite_size);
    printed = true;
  }
  if (receiver != nullptr) receiver->service_release();
  return printed;
}

bool print_own_line(const char *text) {
  pfc::string8 line("tunesignal: ");
  line.append(text);
  return console_print(line.text());
}

bool check_main_thread() {
  if (!services_available || host_api == nullptr) return true;
  return host_api->is_main_thread();
}

HINSTANCE module_instance() { return host_module; }

const char *module_file_name() { return file_name.text(); }

namespace console {

formatter::~formatter() {
  if (length() != 0) console_print(text());
}

}  // namespace console
