#include <gtest/gtest.h>

#include "component/service_impl.h"
#include "page_fixture.h"
#include "preferences/help_url.h"
#include "preferences/preferences_page.h"
#include "support/string8.h"

using identity = page_test;

TEST_F(identity, names_the_page_and_its_place_in_the_preferences) {
  service_impl_single_t<tconfig_input> page_object;
  preferences_page &page = page_object;
  EXPECT_STREQ(page.get_name(), "Tunesignal");
  pfc::string8 text;
  GUID guid;
  EXPECT_EQ(page.get_guid(&guid), &guid);
  append_guid_text(text, guid);
  EXPECT_STREQ(text.text(), "18651C3E-F988-4EFB-9647-53B028CCDACC");
  text.assign("");
  EXPECT_EQ(page.get_parent_guid(&guid), &guid);
  append_guid_text(text, guid);
  EXPECT_STREQ(text.text(), "627C0767-0793-44F8-8087-BE4934311282");
  EXPECT_FALSE(page.reset_query());
}

TEST_F(identity, answers_only_the_preferences_page_class) {
  service_impl_single_t<tconfig_input> page_object;
  service_base *out = nullptr;
  EXPECT_FALSE(page_object.service_query(&out, initquit::class_guid));
  EXPECT_EQ(out, nullptr);
  EXPECT_TRUE(page_object.service_query(&out, preferences_page::class_guid));
  EXPECT_EQ(out, static_cast<service_base *>(&page_object));
}

TEST_F(identity, the_help_address_carries_the_player_version_the_page_guid_and_its_name) {
  service_impl_single_t<tconfig_input> page_object;
  pfc::string8 address("left over");
  EXPECT_TRUE(page_object.get_help_url(address));
  EXPECT_STREQ(address.text(),
               "https://help.foobar2000.org/2.1.4/preferences/"
               "18651C3E-F988-4EFB-9647-53B028CCDACC/Tunesignal");
  EXPECT_EQ(player.version.references(), 1) << "the version service is released";
}

TEST(guid_text, pads_every_field_with_zeros) {
  const GUID small = {0x1, 0x2, 0x3, {0, 1, 2, 3, 4, 5, 6, 0xAB}};
  pfc::string8 text;
  append_guid_text(text, small);
  EXPECT_STREQ(text.text(), "00000001-0002-0003-0001-0203040506AB");
}
