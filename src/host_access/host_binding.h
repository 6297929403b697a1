#pragma once

#include "boundary/boundary.h"

// Written by the entry point and the client object only; read through host_access.h.
void bind_host(foobar2000_api *api, HINSTANCE module);
void set_module_file_name(const char *file_name);
void set_services_available(bool available);
