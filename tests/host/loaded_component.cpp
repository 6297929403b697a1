#include "loaded_component.h"

#include <stdexcept>

#include "program_folder.h"

// As the player loads a component: its own shared.dll first, then the component with the
// component's folder searched first.
loaded_component::loaded_component()
    : shared_(LoadLibraryW((program_folder() + L"shared.dll").c_str())),
      module_(LoadLibraryExW((program_folder() + L"foo_tunesignal.dll").c_str(), nullptr,
                             LOAD_WITH_ALTERED_SEARCH_PATH)),
      entry_(nullptr) {
  if (module_ == nullptr) throw std::runtime_error("foo_tunesignal.dll does not load");
  entry_ = reinterpret_cast<foobar2000_get_interface_t>(
      reinterpret_cast<void *>(GetProcAddress(module_, entry_point_name)));
  if (entry_ == nullptr) throw std::runtime_error("foo_tunesignal.dll has no entry point");
}

loaded_component::~loaded_component() {
  FreeLibrary(module_);
  FreeLibrary(shared_);
}
