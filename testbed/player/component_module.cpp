#include "component_module.h"

#include <exception>
#include <stdexcept>

#include "abi_bridge.h"
#include "console_output.h"
#include "program_folder.h"
#include "text_conversion.h"
#include "windows_error.h"

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

// Room for the text of an exception that came out of the component.
constexpr t_size error_room = 512;

// The loader says "module not found" both for the file itself and for a DLL it imports.
std::string load_error(const std::wstring &path, DWORD code) {
  const bool file_missing = GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
  return "cannot load " + utf8_from_wide(path) + ": " +
         (file_missing ? std::string("there is no such file") : windows_error_text(code));
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
    : registry_(registry), loader_(dll_path.c_str()), client_(nullptr) {
  switch (loader_.stopped_at()) {
    case component_loader::step::shared_dll:
      throw std::runtime_error(load_error(program_folder() + L"shared.dll", loader_.error_code()));
    case component_loader::step::component:
      throw std::runtime_error(load_error(dll_path, loader_.error_code()));
    case component_loader::step::entry_point:
      throw std::runtime_error(utf8_from_wide(dll_path) + " is not a component: no " + entry_point_name);
    case component_loader::step::done:
      break;
  }
  client_ = loader_.start(registry_);
  for (auto *f = client_->get_service_list(); f != nullptr; f = f->next_factory()) {
    registry_.add_factory(f);
  }
  file_name_ = base_name(dll_path);
  folder_ = folder_of(dll_path);
}

void component_module::start(const config_file &config) {
  std::string failure;
  try {
    const byte_buffer stored = config.read();
    char error[error_room];
    if (!abi_set_config(client_, stored.data(), static_cast<t_size>(stored.size()), error, error_room)) {
      failure = error;
    }
  } catch (const std::exception &e) {
    failure = e.what();
  }
  if (!failure.empty()) {
    say("player: the stored configuration of %s failed to load: %s\n", file_name_.c_str(), failure.c_str());
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
  std::string failure;
  abi_bytes saved = {};
  char error[error_room];
  if (abi_get_config(client_, false, &saved, error, error_room)) {
    try {
      const auto *bytes = static_cast<const std::uint8_t *>(saved.data);
      config.write(byte_buffer(bytes, bytes + saved.size));
    } catch (const std::exception &e) {
      failure = e.what();
    }
  } else {
    failure = error;
  }
  abi_free_bytes(&saved);
  if (failure.empty()) return true;
  say("player: the configuration of %s was not saved: %s\n", file_name_.c_str(), failure.c_str());
  return false;
}

void component_module::stop(const config_file *config) {
  if (!started_) return;
  if (hooks_initialised_) call_hooks(registry_, false);
  if (config != nullptr) save_config(*config);
  client_->services_init(false);
  started_ = false;
}
