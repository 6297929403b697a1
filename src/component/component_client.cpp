#include "component/component_client.h"

#include "host_access/host_binding.h"
#include "component/service_factory.h"
#include "host_access/error_barrier.h"
#include "settings/cfg_var.h"

t_uint32 component_client::get_version() { return client_version; }

service_factory_base *component_client::get_service_list() { return factory_chain_head; }

// Failures of the chain pass to the host, which decides what a failed save or load means.
void component_client::get_config(output_stream *out, abort_callback &abort) {
  cfg_var_writer::save_chain(*out, abort);
}

void component_client::set_config(input_stream *in, abort_callback &abort) {
  cfg_var_reader::load_chain(*in, abort);
}

void component_client::set_library_path(const char *, const char *file_name) {
  run_contained(console_texts::keeping_file_name, [&] { set_module_file_name(file_name); });
}

void component_client::services_init(bool available) { set_services_available(available); }

bool component_client::is_debug() { return false; }

component_client &the_component_client() {
  static component_client client;
  return client;
}
