#include "boundary/boundary.h"
#include "component/component_client.h"
#include "host_access/host_binding.h"

// The library's only export. Stores what the host hands over and returns the one client object;
// no check, no allocation, no host call.
extern "C" __declspec(dllexport) foobar2000_client *__cdecl foobar2000_get_interface(foobar2000_api *api,
                                                                                     HINSTANCE module) {
  bind_host(api, module);
  return &the_component_client();
}
