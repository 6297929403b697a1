#include "component_info.h"

#include "app_data.h"
#include "console_output.h"
#include "support/string8.h"
#include "text_conversion.h"

namespace {

struct known_interface {
  const GUID *guid;
  const char *name;
};

const known_interface component_interfaces[] = {
    {&componentversion::class_guid, "componentversion"},
    {&initquit::class_guid, "initquit"},
    {&play_callback_static::class_guid, "play_callback_static"},
    {&preferences_page::class_guid, "preferences_page"},
    {&mainmenu_commands::class_guid, "mainmenu_commands"},
};

const char *interface_name(const GUID &guid) {
  for (const known_interface &known : component_interfaces) {
    if (guid_equal(*known.guid, guid)) return known.name;
  }
  return "unknown";
}

void print_identity(service_registry &registry) {
  for (service_base *object : registry.instances_of(componentversion::class_guid)) {
    auto *identity = static_cast<componentversion *>(object);
    pfc::string8 text;
    identity->get_component_name(text);
    say("name: %s\n", text.text());
    identity->get_component_version(text);
    say("version: %s\n", text.text());
    identity->get_file_name(text);
    say("file: %s\n", text.text());
    identity->get_about_message(text);
    say("about:\n%s\n", text.text());
    object->service_release();
  }
}

void print_menu_commands(service_registry &registry) {
  for (service_base *object : registry.instances_of(mainmenu_commands::class_guid)) {
    auto *commands = static_cast<mainmenu_commands *>(object);
    const t_uint32 count = commands->get_command_count();
    for (t_uint32 i = 0; i < count; ++i) {
      pfc::string8 name;
      t_uint32 flags = 0;
      commands->get_display(i, name, flags);
      say("menu command: %s%s\n", name.text(), (flags & 2) != 0 ? " [checked]" : "");
    }
    object->service_release();
  }
}

void print_preferences_pages(service_registry &registry) {
  for (service_base *object : registry.instances_of(preferences_page::class_guid)) {
    say("preferences page: %s\n", static_cast<preferences_page *>(object)->get_name());
    object->service_release();
  }
}

}  // namespace

void print_component_info(service_registry &registry, foobar2000_client &client) {
  print_identity(registry);
  say("services:\n");
  for (auto *f = client.get_service_list(); f != nullptr; f = f->next_factory()) {
    say("  %s %s\n", interface_name(f->class_guid()), guid_text(f->class_guid()).c_str());
  }
  print_menu_commands(registry);
  print_preferences_pages(registry);
  // Not the component's own word, but where it keeps its file.
  say("application data folder: %s\n", utf8_from_wide(app_data_folder()).c_str());
}
