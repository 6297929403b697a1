#include "loaded_component.h"

#include <stdexcept>

#include "program_folder.h"

loaded_component::loaded_component()
    : module_(LoadLibraryW((program_folder() + L"foo_tunesignal.dll").c_str())), entry_(nullptr) {
  if (module_ == nullptr) throw std::runtime_error("foo_tunesignal.dll does not load");
  entry_ = reinterpret_cast<foobar2000_get_interface_t>(
      reinterpret_cast<void *>(GetProcAddress(module_, entry_point_name)));
  if (entry_ == nullptr) throw std::runtime_error("foo_tunesignal.dll has no entry point");
}

loaded_component::~loaded_component() { FreeLibrary(module_); }
