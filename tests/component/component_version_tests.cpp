#include <gtest/gtest.h>

#include "component/component_version.h"
#include "component/service_impl.h"
#include "support/string8.h"

TEST(component_version, a_text_given_as_null_is_reported_as_empty_and_replaces_what_was_there) {
  service_impl_single_t<component_version> identity(nullptr, nullptr, nullptr);
  pfc::string8 text("left over");
  identity.get_component_name(text);
  EXPECT_STREQ(text.text(), "");
  text.assign("left over");
  identity.get_component_version(text);
  EXPECT_STREQ(text.text(), "");
  text.assign("left over");
  identity.get_about_message(text);
  EXPECT_STREQ(text.text(), "");
}
