#include <cstring>

#include "cases.h"
#include "check.h"
#include "component_guids.h"
#include "host_services.h"
#include "started_component.h"

namespace {

// The menu commands and the preferences page as the player's own headers declare them, with the
// GUIDs returned by value.
class player_mainmenu_commands : public service_base {
 public:
  virtual t_uint32 get_command_count() = 0;
  virtual GUID get_command(t_uint32 index) = 0;
  virtual void get_name(t_uint32 index, pfc::string_base &out) = 0;
  virtual bool get_description(t_uint32 index, pfc::string_base &out) = 0;
  virtual GUID get_parent() = 0;

 protected:
  ~player_mainmenu_commands() = default;
};

class player_preferences_page : public service_base {
 public:
  virtual HWND create(HWND parent) = 0;
  virtual const char *get_name() = 0;
  virtual GUID get_guid() = 0;
  virtual GUID get_parent_guid() = 0;

 protected:
  ~player_preferences_page() = default;
};

constexpr const GUID &command_guid = component_guid::menu_command;
constexpr const GUID &view_menu_guid = component_guid::view_menu;
constexpr const GUID &page_guid = component_guid::page;
constexpr const GUID &parent_page_guid = component_guid::parent_page;
constexpr GUID null_guid = {};

// The first bytes of a service object, which a GUID result must not land on.
class object_bytes {
 public:
  explicit object_bytes(const void *object) : object_(object) { std::memcpy(bytes_, object, sizeof bytes_); }
  bool intact() const { return std::memcmp(bytes_, object_, sizeof bytes_) == 0; }

 private:
  const void *object_;
  unsigned char bytes_[16];
};

void check_member(bool passed, const char *member, const char *behaviour) {
  if (passed) return;
  host_text text(member);
  check(false, text.add(": ").add(behaviour).text());
}

// Called with the buffer spelled out: the value in the buffer, its address back, the object alone.
template <typename Call>
void check_guid_in_buffer(const void *object, const char *member, const GUID &expected, Call call) {
  GUID result;
  std::memset(&result, 0xA5, sizeof result);
  const object_bytes before(object);
  const GUID *returned = call(&result);
  check_member(guid_equal(result, expected), member, "gives its GUID");
  check_member(returned == &result, member, "returns the caller's buffer");
  check_member(before.intact(), member, "leaves the service object as it was");
}

// Called as the player's headers declare it.
template <typename Call>
void check_guid_by_value(const void *object, const char *member, const GUID &expected, Call call) {
  const object_bytes before(object);
  const GUID result = call();
  check_member(guid_equal(result, expected), member, "gives its GUID by value");
  check_member(before.intact(), member, "by value leaves the service object as it was");
}

void check_factory_chain(foobar2000_client *client) {
  const GUID expected[] = {mainmenu_commands::class_guid, preferences_page::class_guid,
                           play_callback_static::class_guid, initquit::class_guid,
                           componentversion::class_guid};
  t_size walked = 0;
  for (service_factory_base *factory = client->get_service_list(); factory != nullptr && walked < 16;
       factory = factory->next_factory(), ++walked) {
    if (walked < 5) {
      check(guid_equal(factory->class_guid(), expected[walked]),
            "the factories come as mainmenu_commands, preferences_page, play_callback_static, initquit, "
            "componentversion");
    }
    counted<service_base> held;
    held.service_add_ref();
    service_base *first = &held;
    factory->instance_create(&first);
    check_number(held.references(), 1, "instance_create lets go of what the slot held");
    service_base *again = nullptr;
    factory->instance_create(&again);
    check(first != &held && first == again, "instance_create gives the same object each time");
  }
  check_number(walked, 5, "the chain holds five factories");
}

}  // namespace

void factory_chain_and_guid_results() {
  player_services host;
  started_component component(host.api);
  if (component.client() == nullptr) return;
  check_factory_chain(component.client());

  mainmenu_commands *menu = component.service<mainmenu_commands>();
  preferences_page *page = component.service<preferences_page>();
  check(menu != nullptr && page != nullptr, "the menu commands and the preferences page are offered");
  if (menu == nullptr || page == nullptr) return;

  check_guid_in_buffer(menu, "menu get_command(0)", command_guid,
                       [&](GUID *r) { return menu->get_command(r, 0); });
  check_guid_in_buffer(menu, "menu get_command(5)", null_guid,
                       [&](GUID *r) { return menu->get_command(r, 5); });
  check_guid_in_buffer(menu, "menu get_parent", view_menu_guid, [&](GUID *r) { return menu->get_parent(r); });
  check_guid_in_buffer(page, "page get_guid", page_guid, [&](GUID *r) { return page->get_guid(r); });
  check_guid_in_buffer(page, "page get_parent_guid", parent_page_guid,
                       [&](GUID *r) { return page->get_parent_guid(r); });

  auto *player_menu = reinterpret_cast<player_mainmenu_commands *>(menu);
  auto *player_page = reinterpret_cast<player_preferences_page *>(page);
  check_guid_by_value(menu, "menu get_command(0)", command_guid, [&] { return player_menu->get_command(0); });
  check_guid_by_value(menu, "menu get_command(5)", null_guid, [&] { return player_menu->get_command(5); });
  check_guid_by_value(menu, "menu get_parent", view_menu_guid, [&] { return player_menu->get_parent(); });
  check_guid_by_value(page, "page get_guid", page_guid, [&] { return player_page->get_guid(); });
  check_guid_by_value(page, "page get_parent_guid", parent_page_guid,
                      [&] { return player_page->get_parent_guid(); });

  host_text name;
  player_menu->get_name(0, name);
  check_text(name.text(), "Enable Tunesignal", "after the GUID calls the menu still names its command");
  check_text(player_page->get_name(), "Tunesignal", "after the GUID calls the page still names itself");
}
