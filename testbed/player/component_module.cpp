#include "component_module.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "text_conversion.h"

namespace {

// "C:\x\foo_tunesignal.dll" -> "foo_tunesignal"
std::string base_name(const std::wstring &path) {
  std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return utf8_from_wide(name);
}

std::string folder_of(const std::wstring &path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::string() : utf8_from_wide(path.substr(0, slash));
}

void call_hooks(service_registry &registry, bool init) {
  for (service_base *hooks : registry.instances_of(initquit::class_guid)) {
    auto *typed = static_cast<initquit *>(hooks);
    if (init) {
      typed->on_init();
    } else {
      typed->on_quit();
    }
    hooks->service_release();
  }
}

}  // namespace

component_module::component_module(const std::wstring &dll_path, service_registry &registry)
    : registry_(registry), module_(LoadLibraryW(dll_path.c_str())), client_(nullptr) {
  if (module_ == nullptr) {
    throw std::runtime_error("cannot load " + utf8_from_wide(dll_path) + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  const auto entry = reinterpret_cast<foobar2000_get_interface_t>(
      reinterpret_cast<void *>(GetProcAddress(module_, entry_point_name)));
  if (entry == nullptr) {
    FreeLibrary(module_);
    throw std::runtime_error(utf8_from_wide(dll_path) + " is not a component: no " + entry_point_name);
  }
  client_ = entry(&registry_, module_);
  for (auto *f = client_->get_service_list(); f != nullptr; f = f->next_factory()) {
    registry_.add_factory(f);
  }
  file_name_ = base_name(dll_path);
  folder_ = folder_of(dll_path);
}

component_module::~component_module() { FreeLibrary(module_); }

void component_module::start(const config_file &config) {
  never_abort abort;
  try {
    const byte_buffer stored = config.read();
    memory_input_stream in(stored);
    client_->set_config(&in, abort);
  } catch (const std::exception &e) {
    std::printf("player: the stored configuration of %s failed to load: %s\n", file_name_.c_str(), e.what());
  }
  client_->set_library_path(folder_.c_str(), file_name_.c_str());
  client_->services_init(true);
  started_ = true;
}

void component_module::init_hooks() {
  call_hooks(registry_, true);
  hooks_initialised_ = true;
}

bool component_module::save_config(const config_file &config) {
  never_abort abort;
  try {
    memory_output_stream out;
    client_->get_config(&out, abort);
    config.write(out.data());
    return true;
  } catch (const std::exception &e) {
    std::printf("player: the configuration of %s was not saved: %s\n", file_name_.c_str(), e.what());
    return false;
  }
}

void component_module::stop(const config_file *config) {
  if (!started_) return;
  if (hooks_initialised_) call_hooks(registry_, false);
  if (config != nullptr) save_config(*config);
  client_->services_init(false);
  started_ = false;
}
