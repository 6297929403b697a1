#include "started_component.h"

#include "check.h"
#include "program_folder.h"

namespace {

struct component_path {
  component_path() {
    wchar_t folder[MAX_PATH];
    program_folder(folder);
    wsprintfW(text, L"%scomponents\\%s", folder, component_file_name);
  }
  wchar_t text[MAX_PATH + 32];
};

}  // namespace

started_component::started_component(foobar2000_api &api) : loader_(component_path().text) {
  check(loader_.stopped_at() != component_loader::step::shared_dll,
        "the player's shared.dll loads from the player's folder");
  check(loader_.stopped_at() != component_loader::step::component,
        "the component loads from the components folder");
  check(loader_.stopped_at() != component_loader::step::entry_point,
        "the component exports foobar2000_get_interface");
  if (!loader_.loaded()) return;
  client_ = loader_.start(api);
  check(client_ != nullptr, "the entry point returns the client");
}
