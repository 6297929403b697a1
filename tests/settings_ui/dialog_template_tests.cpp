#include <gtest/gtest.h>

#include <windows.h>

#include "dialog_template.h"
#include "resources/resource.h"

namespace {

constexpr int button = 0x80;
constexpr int edit = 0x81;
constexpr int label = 0x82;
constexpr int list_box = 0x83;
constexpr std::uint32_t child = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t push = child | BS_PUSHBUTTON | WS_TABSTOP;
constexpr std::uint32_t text_style = child | SS_LEFT | WS_GROUP;
constexpr std::uint32_t icon_style = child | SS_ICON | SS_REALSIZEIMAGE;
constexpr std::uint32_t check = child | BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr std::uint32_t group = child | BS_GROUPBOX;
constexpr std::uint32_t raised = WS_EX_STATICEDGE;

struct row {
  int id;
  int class_ordinal;
  std::uint32_t style;
  std::uint32_t ex_style;
  int x, y, cx, cy;
  const wchar_t *text;  // null for the icon
};

// The component as the player loads it, for its resources only.
class component_resources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(L"foo_tunesignal.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }

  // The resource in exactly this language, or an empty result.
  std::pair<const void *, size_t> find(LPCWSTR type, int id, WORD language) const {
    const HRSRC found = FindResourceExW(module_, type, MAKEINTRESOURCEW(id), language);
    if (found == nullptr) return {nullptr, 0};
    return {LockResource(LoadResource(module_, found)), SizeofResource(module_, found)};
  }

  dialog_template dialog(int id, WORD language) const {
    const auto [bytes, size] = find(RT_DIALOG, id, language);
    if (bytes == nullptr) throw std::runtime_error("no such dialog in that language");
    return parse_dialog_template(bytes, size);
  }

  HMODULE module_ = nullptr;
};

void expect_controls(const dialog_template &dialog, const std::vector<row> &rows) {
  ASSERT_EQ(dialog.controls.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE("control " + std::to_string(i + 1));
    const template_control &c = dialog.controls[i];
    const row &r = rows[i];
    EXPECT_EQ(c.id, r.id);
    EXPECT_EQ(c.class_ordinal, r.class_ordinal);
    EXPECT_EQ(c.style, r.style) << std::hex << c.style << " vs " << r.style;
    EXPECT_EQ(c.ex_style, r.ex_style);
    EXPECT_EQ(c.x, r.x);
    EXPECT_EQ(c.y, r.y);
    EXPECT_EQ(c.cx, r.cx);
    EXPECT_EQ(c.cy, r.cy);
    if (r.text == nullptr) {
      EXPECT_EQ(c.text_ordinal, IDI_TUNESIGNAL);
    } else {
      EXPECT_EQ(c.text_ordinal, -1);
      EXPECT_EQ(c.text, r.text);
    }
  }
}

}  // namespace

TEST_F(component_resources, the_preferences_page_template_is_a_hidden_child_in_tahoma) {
  const dialog_template page = dialog(IDD_PREFERENCES, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  EXPECT_EQ(page.style, static_cast<std::uint32_t>(WS_CHILD | DS_SETFONT));
  EXPECT_EQ(page.ex_style, 0u);
  EXPECT_EQ(page.title, L"");
  EXPECT_EQ(page.cx, 332);
  EXPECT_EQ(page.cy, 288);
  EXPECT_EQ(page.typeface, L"Tahoma");
  EXPECT_EQ(page.point_size, 8);
  EXPECT_EQ(page.weight, 0);
  EXPECT_EQ(page.italic, 0);
  EXPECT_EQ(page.charset, 0);
}

TEST_F(component_resources, the_preferences_page_controls_stand_in_tab_order) {
  const int none = -1;
  expect_controls(
      dialog(IDD_PREFERENCES, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)),
      {
          {none, label, text_style, 0, 36, 80, 260, 10,
           L"This text is used by bottom QIP's edit control in the Status dialog."},
          {none, button, group, 0, 8, 102, 308, 40, L"Tunesignal Settings"},
          {none, label, text_style, 0, 16, 112, 293, 8,
           L"Top QIP's edit plain text (usage of title format scripts is enabled):"},
          {IDC_TOP_TEXT, edit, child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 15, 123, 293, 12, L""},
          {none, button, group, 0, 8, 144, 308, 47, L"Custom Settings"},
          {IDC_MUSIC_STATUS_ONLY, button, check, 0, 15, 155, 293, 10,
           L"Change song information only if the music's status is set in QIP"},
          {none, label, icon_style, 0, 15, 80, 21, 20, nullptr},
          {none, label, icon_style, 0, 15, 193, 21, 20, nullptr},
          {none, label, text_style, 0, 36, 194, 260, 8,
           L"To disable plugin check the \"Enable Tunesignal\" menu item in the View menu"},
          {none, button, group, 0, 8, 0, 308, 101, L"Title Presets"},
          {IDC_PRESETS, list_box,
           child | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, 15, 26, 294,
           37, L""},
          {IDC_ADD, button, push, raised, 15, 64, 40, 12, L"Add"},
          {IDC_DELETE, button, push, raised, 55, 64, 40, 12, L"Delete"},
          {IDC_UP, button, push, raised, 95, 64, 40, 12, L"Up"},
          {IDC_DOWN, button, push, raised, 135, 64, 40, 12, L"Down"},
          {IDC_ACTIVE_SCRIPT, edit, child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 0, 15, 11,
           293, 12, L""},
          {IDC_DEFAULTS, button, push, raised, 268, 64, 40, 12, L"Defaults"},
          {IDC_SET_ACTIVE, button, push, raised, 228, 64, 40, 12, L"Set Active"},
          {none, label, text_style, 0, 36, 88, 270, 8,
           L"To activate any preset just select one from the list and click the \"Set Active\" button."},
          {IDC_KEEP_STATUS_PICTURE, button, check, 0, 15, 165, 293, 10,
           L"Do not change picture of status to music's one"},
          {none, label, icon_style, 0, 15, 214, 21, 20, nullptr},
          {none, label, text_style, 0, 36, 215, 272, 10,
           L"This version of plugin works good with QIP Infium! For compatibility must be installed"},
          {none, label, text_style, 0, 36, 225, 272, 10,
           L"Chorusbridge plugin for QIP Infium. For more information please visit:"},
          {none, label, text_style, 0, 36, 240, 135, 10, L"https://tunesignal.github.io/"},
          {IDC_KEEP_FIRST_EDIT, button, check, 0, 15, 176, 293, 8, L"Do not change first edit's text"},
      });
}

TEST_F(component_resources, the_preset_editor_template_is_a_russian_modal_frame_with_english_texts) {
  const WORD russian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);
  const dialog_template editor = dialog(IDD_PRESET_EDITOR, russian);
  EXPECT_EQ(editor.style, static_cast<std::uint32_t>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                                     DS_SETFONT | DS_FIXEDSYS));
  EXPECT_EQ(editor.title, L"Preset Edit");
  EXPECT_EQ(editor.cx, 254);
  EXPECT_EQ(editor.cy, 138);
  EXPECT_EQ(editor.typeface, L"MS Shell Dlg");
  EXPECT_EQ(editor.point_size, 8);
  EXPECT_EQ(editor.weight, 400);
  EXPECT_EQ(editor.italic, 0);
  EXPECT_EQ(editor.charset, 1);
  expect_controls(
      editor,
      {
          {IDOK, button, child | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 144, 117, 50, 14, L"OK"},
          {IDCANCEL, button, push, 0, 197, 117, 50, 14, L"Cancel"},
          {IDC_PRESET_SCRIPT, edit,
           child | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, 7, 7, 240, 73,
           L""},
          {-1, label, text_style, 0, 11, 86, 236, 8, L"Preview:"},
          {IDC_PRESET_PREVIEW, edit, child | ES_READONLY | WS_BORDER | WS_TABSTOP, 0, 7, 98, 240, 14, L""},
      });
}

TEST_F(component_resources, the_icon_group_holds_two_16_pixel_images_in_24_and_32_bit_colour) {
  const auto [bytes, size] =
      find(RT_GROUP_ICON, IDI_TUNESIGNAL, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  ASSERT_NE(bytes, nullptr);
  ASSERT_EQ(size, 6u + 2u * 14u);
  const auto *data = static_cast<const std::uint8_t *>(bytes);
  EXPECT_EQ(data[4], 2);
  for (int i = 0; i < 2; ++i) {
    const std::uint8_t *entry = data + 6 + 14 * i;
    EXPECT_EQ(entry[0], 16);
    EXPECT_EQ(entry[1], 16);
    EXPECT_EQ(entry[6], i == 0 ? 24 : 32);
  }
  const HICON icon =
      static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(IDI_TUNESIGNAL), IMAGE_ICON, 16, 16, 0));
  EXPECT_NE(icon, nullptr);
  DestroyIcon(icon);
}
