#include <gtest/gtest.h>

#include "fake_host.h"
#include "host_access/host_access.h"
#include "host_access/host_binding.h"
#include "host_access/system_errors.h"

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

  EXPECT_FALSE(console_print("before")) << "a line no console took is not said";
  set_services_available(true);
  EXPECT_TRUE(console_print("tunesignal: QIP is not running! ^("));
  set_services_available(false);
  EXPECT_FALSE(console_print("after"));

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

TEST_F(host_access, the_systems_error_codes_are_its_own_numbers_in_words_or_by_number) {
  const struct {
    std::uint32_t named, system;
    const char *words;
  } codes[] = {
      {system_error::file_not_found, ERROR_FILE_NOT_FOUND, "the file is not there"},
      {system_error::access_denied, ERROR_ACCESS_DENIED, "access is denied"},
      {system_error::handle_disk_full, ERROR_HANDLE_DISK_FULL, "the disk is full"},
      {system_error::disk_full, ERROR_DISK_FULL, "the disk is full"},
      {system_error::environment_variable_not_found, ERROR_ENVVAR_NOT_FOUND,
       "there is no application data folder (APPDATA is not set)"},
      {system_error::file_name_too_long, ERROR_FILENAME_EXCED_RANGE, "its path is too long"},
      // ERROR_DIRECTORY_NOT_SUPPORTED, newer than the headers here.
      {system_error::directory_not_supported, 336, "a folder stands where the file should be"},
      {system_error::timeout, ERROR_TIMEOUT, "no answer came in time"},
      {1234, 1234, "system error 1234"},
      {0xFFFFFFFF, 0xFFFFFFFF, "system error 4294967295"},
  };
  for (const auto &code : codes) {
    EXPECT_EQ(code.named, code.system) << code.words;
    pfc::string8 words("(");
    system_error::append_words(code.named, words);
    EXPECT_STREQ(words.text(), (std::string("(") + code.words).c_str());
  }
}
