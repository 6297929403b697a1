#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "component/service_impl.h"
#include "host_access/service_exceptions.h"
#include "page_fixture.h"
#include "preferences/help_url.h"
#include "preferences/preferences_page.h"
#include "support/string8.h"

using identity = page_test;

TEST_F(identity, writes_its_two_guids_into_the_callers_buffers_and_answers_their_addresses) {
  service_impl_single_t<tunesignal_page> page_object;
  preferences_page &page = page_object;
  GUID blank;
  std::memset(&blank, 0xCD, sizeof blank);
  GUID own = blank;
  GUID parent = blank;
  EXPECT_EQ(page.get_guid(&own), &own);
  EXPECT_EQ(page.get_parent_guid(&parent), &parent);
  EXPECT_NE(own, blank);
  EXPECT_NE(parent, blank);
  EXPECT_NE(own, parent);
}

TEST_F(identity, answers_only_the_preferences_page_class) {
  service_impl_single_t<tunesignal_page> page_object;
  service_base *out = nullptr;
  EXPECT_FALSE(page_object.service_query(&out, initquit::class_guid));
  EXPECT_EQ(out, nullptr);
  EXPECT_TRUE(page_object.service_query(&out, preferences_page::class_guid));
  EXPECT_EQ(out, static_cast<service_base *>(&page_object));
}

TEST_F(identity, the_help_address_carries_the_player_version_the_page_guid_and_its_name) {
  service_impl_single_t<tunesignal_page> page_object;
  pfc::string8 address("left over");
  EXPECT_TRUE(page_object.get_help_url(address));
  EXPECT_STREQ(address.text(),
               "https://help.foobar2000.org/2.1.4/preferences/"
               "18651C3E-F988-4EFB-9647-53B028CCDACC/Tunesignal");
  GUID own;
  pfc::string8 own_text;
  append_guid_text(own_text, *page_object.get_guid(&own));
  EXPECT_EQ(std::string(address.text()), std::string("https://help.foobar2000.org/2.1.4/preferences/") +
                                             own_text.text() + "/" + page_object.get_name())
      << "named by the GUID and the name the page reports";
  EXPECT_EQ(player.version.references(), 1) << "the version service is released";
}

TEST_F(identity, without_the_players_version_service_the_help_address_fails_to_the_caller) {
  player.host.remove_all(core_version::class_guid);
  service_impl_single_t<tunesignal_page> page_object;
  pfc::string8 address;
  try {
    page_object.get_help_url(address);
    ADD_FAILURE() << "no error reached the caller";
  } catch (const exception_service_not_found &error) {
    EXPECT_STREQ(error.what(), "Service not found");
  }
}

TEST(guid_text, pads_every_field_with_zeros) {
  const GUID small = {0x1, 0x2, 0x3, {0, 1, 2, 3, 4, 5, 6, 0xAB}};
  pfc::string8 text;
  append_guid_text(text, small);
  EXPECT_STREQ(text.text(), "00000001-0002-0003-0001-0203040506AB");
}
