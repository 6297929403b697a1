#include "loaded_component.h"

#include "check.h"
#include "program_folder.h"

loaded_component::loaded_component(foobar2000_api &api) {
  wchar_t folder[MAX_PATH];
  program_folder(folder);
  wchar_t path[MAX_PATH + 32];
  wsprintfW(path, L"%sshared.dll", folder);
  shared_ = LoadLibraryW(path);
  check(shared_ != nullptr, "the player's shared.dll loads from the player's folder");

  wsprintfW(path, L"%scomponents\\foo_tunesignal.dll", folder);
  module_ = LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  check(module_ != nullptr, "components\\foo_tunesignal.dll loads");
  if (module_ == nullptr) return;

  const auto entry = reinterpret_cast<foobar2000_get_interface_t>(
      reinterpret_cast<void *>(GetProcAddress(module_, entry_point_name)));
  check(entry != nullptr, "the component exports foobar2000_get_interface");
  if (entry != nullptr) client_ = entry(&api, module_);
  check(client_ != nullptr, "the entry point returns the client");
}

loaded_component::~loaded_component() {
  if (module_ != nullptr) FreeLibrary(module_);
  if (shared_ != nullptr) FreeLibrary(shared_);
}

service_base *loaded_component::create(const GUID &class_guid) const {
  if (client_ == nullptr) return nullptr;
  for (service_factory_base *factory = client_->get_service_list(); factory != nullptr;
       factory = factory->next_factory()) {
    if (!guid_equal(factory->class_guid(), class_guid)) continue;
    service_base *instance = nullptr;
    factory->instance_create(&instance);
    return instance;
  }
  return nullptr;
}
