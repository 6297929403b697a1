#include <gtest/gtest.h>

#include <new>

#include "host_access/host_binding.h"
#include "memory_squeeze.h"
#include "page_fixture.h"
#include "preferences/preset_store.h"
#include "resources/resource.h"
#include "settings/config_variables.h"

using failing = page_test;
using entries = std::vector<std::wstring>;

namespace {

constexpr std::size_t megabyte = 1 << 20;

bool console_has_entry_starting(const bound_player &player, const std::string &start) {
  for (const std::string &entry : player.console.entries) {
    if (entry.rfind(start, 0) == 0) return true;
  }
  return false;
}

}  // namespace

TEST_F(failing, a_top_text_the_player_cannot_read_leaves_the_stored_text_as_it_was) {
  open_page open;
  // The player's uGetWindowText fails on a window that no longer exists.
  const HWND gone = CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  SendMessageW(open.page(), WM_COMMAND, MAKEWPARAM(IDC_TOP_TEXT, EN_CHANGE), reinterpret_cast<LPARAM>(gone));
  EXPECT_STREQ(cfg_top_text.text(), "Now Playing:");
}

TEST_F(failing, an_editor_that_cannot_open_leaves_the_list_as_cancel_would) {
  store({L"kept", L""});
  open_page open;
  // The player's library, which has no dialog templates, as the component's module.
  const HMODULE without_templates = GetModuleHandleW(L"shared.dll");
  ASSERT_EQ(FindResourceW(without_templates, MAKEINTRESOURCEW(IDD_PRESET_EDITOR), RT_DIALOG), nullptr);
  bind_host(&player.host, without_templates);

  EXPECT_FALSE(open.edit_entry(0, press_ok));
  EXPECT_FALSE(open.add_entry(press_ok));
  EXPECT_FALSE(open.edit_entry(1, press_ok));
  EXPECT_EQ(open.list(), (entries{L"kept", L""})) << "only the added entry is gone";
  open.close();
  EXPECT_EQ(stored_presets(), (entries{L"kept", L""}));
}

TEST_F(failing, a_page_that_could_not_show_the_presets_does_not_store_over_them) {
  const std::wstring long_preset(8 * megabyte, L'x');
  store({L"first", long_preset});
  {
    // The long preset's UTF-16 copy no longer fits.
    const memory_squeeze squeeze(2 * long_preset.size());
    open_page open;
  }
  EXPECT_TRUE(console_has_entry_starting(player, "tunesignal: opening the preferences page failed: "));
  EXPECT_TRUE(stored_presets() == (entries{L"first", long_preset}))
      << "the partial list was stored over them";
}

TEST_F(failing, a_preset_list_that_cannot_be_converted_leaves_the_stored_presets_as_they_were) {
  store({L"mine"});
  preset_list presets;
  listed_preset kept;
  kept.stored = 0;
  presets.add(kept);
  // Three UTF-8 bytes for each of these characters.
  listed_preset long_preset;
  long_preset.text = pfc::wide_string(std::wstring(4 * megabyte, L'\u266B').c_str());
  presets.add(long_preset);
  {
    const memory_squeeze squeeze(3 * 4 * megabyte);
    EXPECT_THROW(store_presets(presets), std::bad_alloc);
  }
  EXPECT_EQ(cfg_presets.count(), 1u);
  EXPECT_STREQ(cfg_presets.get_item(0).text(), "mine");
}
