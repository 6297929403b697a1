#include "component_loader.h"

#include "program_folder.h"

component_loader::component_loader(const wchar_t *dll_path) {
  wchar_t shared_path[MAX_PATH + 16];
  wchar_t folder[MAX_PATH];
  program_folder(folder);
  wsprintfW(shared_path, L"%sshared.dll", folder);
  shared_ = LoadLibraryW(shared_path);
  if (shared_ == nullptr) {
    stopped_at_ = step::shared_dll;
  } else if ((module_ = LoadLibraryExW(dll_path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) == nullptr) {
    stopped_at_ = step::component;
  } else {
    entry_ = reinterpret_cast<foobar2000_get_interface_t>(
        reinterpret_cast<void *>(GetProcAddress(module_, entry_point_name)));
    if (entry_ == nullptr) stopped_at_ = step::entry_point;
  }
  if (!loaded()) error_code_ = GetLastError();
}

component_loader::~component_loader() {
  if (module_ != nullptr) FreeLibrary(module_);
  if (shared_ != nullptr) FreeLibrary(shared_);
}

foobar2000_client *component_loader::start(foobar2000_api &api) {
  return entry_ != nullptr ? entry_(&api, module_) : nullptr;
}

service_base *create_service(foobar2000_client &client, const GUID &class_guid) {
  for (service_factory_base *factory = client.get_service_list(); factory != nullptr;
       factory = factory->next_factory()) {
    if (!guid_equal(factory->class_guid(), class_guid)) continue;
    service_base *instance = nullptr;
    factory->instance_create(&instance);
    return instance;
  }
  return nullptr;
}
