#pragma once

#include "boundary/boundary.h"

// The client object the entry point hands the host: the factory chain, the stored configuration
// and the values the host gives the component.
class component_client : public foobar2000_client {
 public:
  static constexpr t_uint32 client_version = 73;

  t_uint32 get_version() override;
  service_factory_base *get_service_list() override;
  void get_config(output_stream *out, abort_callback &abort) override;
  void set_config(input_stream *in, abort_callback &abort) override;
  void set_library_path(const char *path, const char *file_name) override;
  void services_init(bool available) override;
  bool is_debug() override;
};

// The single static client object.
component_client &the_component_client();
