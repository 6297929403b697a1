// The stand-in player with the built component: what a user sees across runs.
#include <gtest/gtest.h>

#include "chain_bytes.h"
#include "player_output.h"
#include "player_run.h"

using namespace chain_bytes;

namespace {

constexpr const wchar_t *stored = L"foo_tunesignal.cfg";

TEST(player, first_run_stores_the_default_configuration) {
  scratch_profile profile;
  const player_result run = run_player(profile, L"", "quit\n");
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  const bytes chain = profile.read(stored);
  ASSERT_EQ(chain.size(), 287u);
  EXPECT_EQ(bytes(chain.begin(), chain.begin() + 16), key_bytes(presets));
  EXPECT_EQ(bytes(chain.end() - 21, chain.end()), record(enabled, {1}));
  EXPECT_FALSE(profile.exists(L"foo_tunesignal.cfg.tmp"));
}

TEST(player, keeps_a_changed_setting_across_runs) {
  scratch_profile profile;
  run_player(profile, L"", "quit\n");
  bytes chain = profile.read(stored);
  ASSERT_EQ(chain.size(), 287u);
  chain.back() = 0;  // the switch's payload closes the chain
  profile.write(stored, chain);

  const player_result second = run_player(profile, L"", "save\nquit\n");
  EXPECT_EQ(second.exit_code, 0u);
  EXPECT_TRUE(contains(second.output, "player: configuration saved")) << second.output;
  EXPECT_EQ(profile.read(stored), chain);

  run_player(profile, L"", "quit\n");
  EXPECT_EQ(profile.read(stored), chain);
}

TEST(player, survives_a_configuration_cut_short_and_keeps_what_loaded) {
  scratch_profile profile;
  profile.write(stored, cat({record(keep_top_text, {1}), key_bytes(top_text), {12, 0}}));
  const player_result run = run_player(profile, L"", "quit\n");
  EXPECT_EQ(run.exit_code, 0u);
  // Cut inside a size field: the player's own stream fails the exact read, and the player says so.
  EXPECT_TRUE(contains(run.output, "failed to load: host stream: the stored bytes end inside an exact read"))
      << run.output;

  const bytes chain = profile.read(stored);
  ASSERT_EQ(chain.size(), 287u);
  EXPECT_EQ(bytes(chain.begin() + 24, chain.begin() + 45), record(keep_top_text, {1}));
}

TEST(player, info_shows_what_the_component_says_about_itself_and_saves_nothing) {
  scratch_profile profile;
  const player_result run = run_player(profile, L"--info", "");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_TRUE(contains(run.output, "name: Foobar2000 Tunesignal support for QIP v80xx\n"));
  EXPECT_TRUE(contains(run.output, "version: 0.5.1\n"));
  EXPECT_TRUE(contains(run.output, "file: foo_tunesignal\n"));
  EXPECT_TRUE(contains(run.output, "\nBye!\n"));
  EXPECT_TRUE(contains(run.output, "initquit {113773C4-B387-4B48-8BDF-AB58BC6CE538}"));
  EXPECT_TRUE(contains(run.output, "componentversion {10BB3EBD-DDF7-4975-A3CC-23084829453E}"));
  EXPECT_FALSE(profile.exists(stored));
}

// Wine gives every process the same APPDATA; the player gives the component one of the profile's.
TEST(player, gives_the_component_the_profiles_application_data_folder_or_the_one_asked_for) {
  scratch_profile profile;
  const std::wstring chosen = profile.file(L"chosen");
  for (const auto &[arguments, folder] : {std::pair{std::wstring(), profile.file(L"AppData")},
                                          std::pair{L"--app-data \"" + chosen + L"\"", chosen}}) {
    const player_result run = run_player(profile, arguments + L" --info", "");
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    EXPECT_TRUE(
        contains(run.output, "application data folder: " + std::string(folder.begin(), folder.end()) + "\n"))
        << run.output;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
  }
}

TEST(player, refuses_a_file_that_is_not_a_component) {
  scratch_profile profile;
  const player_result run = run_player(profile, L"missing_component.dll", "quit\n");
  EXPECT_EQ(run.exit_code, 1u);
  EXPECT_TRUE(contains(run.output, "cannot load")) << run.output;
}

}  // namespace
