#pragma once

#include <windows.h>

#include "boundary/boundary.h"
#include "no_copy.h"

// A component DLL loaded as the player loads it: the player's own shared.dll from the program's
// folder first, then the component with its own folder searched first for what it imports, then
// its entry point. Unloaded again when this object goes (the component first), so that the next
// load starts from fresh statics. Shared by the stand-in player, the tests, the platform-ABI host
// and the benchmarks; written without the C++ standard library.
class component_loader : private no_copy {
 public:
  // Where loading stopped.
  enum class step { done, shared_dll, component, entry_point };

  explicit component_loader(const wchar_t *dll_path);
  ~component_loader();

  bool loaded() const { return stopped_at_ == step::done; }
  step stopped_at() const { return stopped_at_; }
  // What GetLastError said where loading stopped.
  DWORD error_code() const { return error_code_; }

  HMODULE module() const { return module_; }
  foobar2000_get_interface_t entry() const { return entry_; }

  // Calls the entry point with the host's API object: the component's client, or null when the
  // component did not load.
  foobar2000_client *start(foobar2000_api &api);

 private:
  HMODULE shared_ = nullptr;
  HMODULE module_ = nullptr;
  foobar2000_get_interface_t entry_ = nullptr;
  step stopped_at_ = step::done;
  DWORD error_code_ = 0;
};

// Made by the first factory of that class in the client's chain, or null when there is none.
service_base *create_service(foobar2000_client &client, const GUID &class_guid);

template <typename I>
I *create_service(foobar2000_client &client) {
  return static_cast<I *>(create_service(client, I::class_guid));
}
