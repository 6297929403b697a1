#include <gtest/gtest.h>

#include "fake_host.h"
#include "host_access/host_access.h"
#include "host_access/host_binding.h"

namespace {

class host_access : public ::testing::Test {
 protected:
  void SetUp() override {
    bind_host(&host, nullptr);
    set_services_available(false);
    set_module_file_name("");
  }
  void TearDown() override {
    set_services_available(false);
    bind_host(nullptr, nullptr);
  }

  fake_host host;
  counted_console first, second;
};

TEST_F(host_access, console_output_goes_to_every_receiver_only_while_services_are_available) {
  host.add(console_receiver::class_guid, &first);
  host.add(console_receiver::class_guid, &second);

  console_print("before");
  set_services_available(true);
  console_print("tunesignal: QIP is not running! ^(");
  set_services_available(false);
  console_print("after");

  const std::vector<std::string> expected = {"tunesignal: QIP is not running! ^("};
  EXPECT_EQ(first.entries, expected);
  EXPECT_EQ(second.entries, expected);
  EXPECT_EQ(first.references(), 1);
  EXPECT_EQ(second.references(), 1);
}

TEST_F(host_access, formatter_prints_one_entry_when_it_ends_and_nothing_when_empty) {
  host.add(console_receiver::class_guid, &first);
  set_services_available(true);
  { console::formatter empty; }
  {
    console::formatter message;
    message << "Exception occurred while getting the title:\n"
            << "Service not found";
  }
  ASSERT_EQ(first.entries.size(), 1u);
  EXPECT_EQ(first.entries[0], "Exception occurred while getting the title:\nService not found");
}

TEST_F(host_access, finds_the_single_instance_of_a_service_class) {
  counted_console only;
  host.add(core_version::class_guid, &only);
  service_base *found = nullptr;
  find_single_service(&found, core_version::class_guid);
  EXPECT_EQ(found, &only);
  EXPECT_EQ(only.references(), 2);
  found->service_release();
}

// The text of the failure that finding the service ends in, "" when it is found.
std::string failure_finding(const GUID &class_guid, service_base *&found) {
  try {
    find_single_service(&found, class_guid);
  } catch (const std::exception &failure) {
    return failure.what();
  }
  return "";
}

TEST_F(host_access, missing_or_duplicated_service_throws_and_hands_out_nothing) {
  service_base *found = nullptr;
  EXPECT_EQ(failure_finding(playback_control::class_guid, found), "Service not found");
  EXPECT_EQ(found, nullptr);

  host.add(playback_control::class_guid, &first);
  host.add(playback_control::class_guid, &second);
  EXPECT_EQ(failure_finding(playback_control::class_guid, found), "Service duplicated");
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(first.references(), 1);
  EXPECT_EQ(second.references(), 1);
}

TEST_F(host_access, a_service_the_host_counts_but_cannot_hand_out_is_not_found) {
  host.add(core_version::class_guid, &first);
  host.refuses_instances = true;
  service_base *found = nullptr;
  EXPECT_THROW(find_single_service(&found, core_version::class_guid), exception_service_not_found);
  EXPECT_EQ(found, nullptr);
}

TEST_F(host_access, main_thread_check_asks_the_host_only_while_services_are_available) {
  host.main_thread_answer = false;
  EXPECT_TRUE(check_main_thread());
  EXPECT_EQ(host.main_thread_questions, 0);

  set_services_available(true);
  EXPECT_FALSE(check_main_thread());
  EXPECT_EQ(host.main_thread_questions, 1);

  bind_host(nullptr, nullptr);
  EXPECT_TRUE(check_main_thread());
}

}  // namespace
