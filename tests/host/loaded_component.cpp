#include "loaded_component.h"

#include <stdexcept>

namespace {

std::wstring beside_this_program(const wchar_t *file) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + file;
}

}  // namespace

loaded_component::loaded_component()
    : module_(LoadLibraryW(beside_this_program(L"foo_tunesignal.dll").c_str())), entry_(nullptr) {
  if (module_ == nullptr) throw std::runtime_error("foo_tunesignal.dll does not load");
  entry_ = reinterpret_cast<foobar2000_get_interface_t>(
      reinterpret_cast<void *>(GetProcAddress(module_, entry_point_name)));
  if (entry_ == nullptr) throw std::runtime_error("foo_tunesignal.dll has no entry point");
}

loaded_component::~loaded_component() { FreeLibrary(module_); }
