// The built DLL, loaded as a host loads it and driven only through the boundary's tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chain_bytes.h"
#include "abi_bridge.h"
#include "fake_host.h"
#include "messenger_standin.h"
#include "component_loader.h"
#include "own_app_data.h"
#include "program_folder.h"
#include "slot_call.h"
#include "support/string8.h"

using namespace chain_bytes;

namespace {

class component_dll : public ::testing::Test {
 protected:
  void SetUp() override { client = component.start(host); }

  template <typename I>
  I *service() {
    return create_service<I>(*client);
  }

  // Through the platform-ABI helper, which would report an exception out of the component.
  void set_config(const bytes &chain) {
    char error[256];
    ASSERT_TRUE(abi_set_config(client, chain.data(), static_cast<t_size>(chain.size()), error, sizeof error))
        << error;
  }

  bytes get_config() {
    abi_bytes saved = {};
    char error[256];
    EXPECT_TRUE(abi_get_config(client, false, &saved, error, sizeof error)) << error;
    const auto *data = static_cast<const std::uint8_t *>(saved.data);
    bytes copy(data, data + saved.size);
    abi_free_bytes(&saved);
    return copy;
  }

  own_app_data app_data;
  component_loader component{component_beside_program().c_str()};
  fake_host host;
  foobar2000_client *client = nullptr;
};

TEST_F(component_dll, entry_point_returns_the_same_client_every_time) {
  fake_host other;
  EXPECT_NE(client, nullptr);
  EXPECT_EQ(component.start(other), client);
}

TEST_F(component_dll, client_reports_version_73_and_no_debug_build_in_its_slots) {
  EXPECT_EQ(client->get_version(), 73u);
  EXPECT_FALSE(client->is_debug());
  EXPECT_EQ(call_slot<t_uint32>(client, 0), 73u);
  EXPECT_EQ(call_slot<service_factory_base *>(client, 1), client->get_service_list());
  EXPECT_FALSE(call_slot<bool>(client, 6));
}

TEST_F(component_dll, services_answer_queries_for_their_own_interface_only) {
  for (const GUID &own : {mainmenu_commands::class_guid, play_callback_static::class_guid,
                          initquit::class_guid, componentversion::class_guid}) {
    service_base *object = create_service(*client, own);

    service_base *answer = nullptr;
    EXPECT_TRUE(object->service_query(&answer, own));
    EXPECT_EQ(answer, object);

    for (const GUID &other :
         {initquit::class_guid, componentversion::class_guid, mainmenu_commands::class_guid,
          play_callback_static::class_guid, console_receiver::class_guid}) {
      if (guid_equal(other, own)) continue;
      service_base *none = nullptr;
      EXPECT_FALSE(call_slot<bool>(object, 2, &none, &other));
      EXPECT_EQ(none, nullptr);
    }
  }
}

TEST_F(component_dll, identity_texts_replace_what_the_host_string_held) {
  auto *identity = service<componentversion>();
  pfc::string8 text("left over");

  identity->get_file_name(text);
  EXPECT_STREQ(text.text(), "");
  client->set_library_path("C:\\player\\components", "foo_tunesignal");
  call_slot<void>(identity, 3, static_cast<pfc::string_base *>(&text));
  EXPECT_STREQ(text.text(), "foo_tunesignal");

  call_slot<void>(identity, 4, static_cast<pfc::string_base *>(&text));
  EXPECT_STREQ(text.text(), "Foobar2000 Tunesignal support for QIP v80xx");
  call_slot<void>(identity, 5, static_cast<pfc::string_base *>(&text));
  EXPECT_STREQ(text.text(), "0.5.1");

  call_slot<void>(identity, 6, static_cast<pfc::string_base *>(&text));
  const std::string about = text.text();
  std::vector<std::string> lines(1);
  for (char c : about) {
    if (c == '\n')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(about.find('\r'), std::string::npos);
  EXPECT_NE(lines[0].find("v.0.5.0"), std::string::npos);
  EXPECT_EQ(lines[4], "Compatibility: Win 98, 2000, XP, Vista, foobar2000 0.9.x, Linux Wine");
  EXPECT_EQ(lines[1] + lines[5] + lines[9], "");
  EXPECT_EQ(lines[12], "Bye!");
}

TEST_F(component_dll, configuration_goes_through_the_client_as_the_stored_chain) {
  const bytes defaults = get_config();
  ASSERT_EQ(defaults.size(), 287u);
  EXPECT_EQ(bytes(defaults.begin(), defaults.begin() + 16), key_bytes(presets));

  set_config(cat({record(enabled, {0}), record(top_text, text("Listening:"))}));
  const bytes changed = get_config();
  EXPECT_EQ(bytes(changed.end() - 21, changed.end()), record(enabled, {0}));

  set_config(changed);
  EXPECT_EQ(get_config(), changed);
}

// A search that finds the messenger's status dialog asks its apply panel for its caption length.
std::size_t searches_that_found_the_dialog(const messenger_standin &messenger) {
  std::size_t found = 0;
  for (const window_message &message : messenger.messages()) {
    found += matches({"status_panel", WM_GETTEXTLENGTH}, message);
  }
  return found;
}

TEST_F(component_dll, start_hook_looks_for_the_messenger_only_when_switched_on) {
  messenger_standin messenger;
  ASSERT_TRUE(messenger.running());
  auto *hooks = service<initquit>();

  set_config(record(enabled, {0}));
  hooks->on_init();
  EXPECT_TRUE(messenger.messages().empty());

  set_config(record(enabled, {1}));
  call_slot<void>(hooks, 3);
  EXPECT_TRUE(matches({"status_form", WM_NULL}, messenger.messages().at(0))) << "a probe goes first";
  EXPECT_TRUE(matches({"main_panel", WM_LBUTTONDOWN}, messenger.messages().at(3)))
      << "the status dialog is opened by its clicks";
}

TEST_F(component_dll, after_the_quit_hook_nothing_more_reaches_the_messenger) {
  messenger_standin messenger({L"--controls-at-start"});
  ASSERT_TRUE(messenger.running());
  auto *hooks = service<initquit>();

  hooks->on_init();
  const std::size_t searches = searches_that_found_the_dialog(messenger);
  EXPECT_GT(searches, 0u);
  call_slot<void>(hooks, 4);
  hooks->on_init();
  static_cast<play_callback *>(service<play_callback_static>())->on_playback_stop(0);
  EXPECT_EQ(searches_that_found_the_dialog(messenger), searches);
}

}  // namespace
