#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>

#include "dialog_template.h"
#include "program_folder.h"
#include "resources/resource.h"

namespace {

constexpr int button_class = 0x80;
constexpr int edit_class = 0x81;
constexpr int static_class = 0x82;
constexpr int list_box_class = 0x83;
constexpr int none = -1;

// What a control is to the user and to the dialog code: its class and the styles that change how
// it behaves. Anything else is "other", so that a changed style shows as a changed kind.
struct kind_rule {
  int class_ordinal;
  std::uint32_t mask;
  std::uint32_t style;
  const char *kind;
};

const kind_rule kinds[] = {
    {button_class, BS_TYPEMASK, BS_PUSHBUTTON, "push button"},
    {button_class, BS_TYPEMASK, BS_DEFPUSHBUTTON, "default button"},
    {button_class, BS_TYPEMASK, BS_AUTOCHECKBOX, "check box"},
    {button_class, BS_TYPEMASK, BS_GROUPBOX, "group box"},
    {edit_class, ES_READONLY | ES_MULTILINE, 0, "edit"},
    {edit_class, ES_READONLY | ES_MULTILINE, ES_READONLY, "read-only edit"},
    {edit_class, ES_READONLY | ES_MULTILINE, ES_MULTILINE, "multi-line edit"},
    {static_class, SS_TYPEMASK, SS_LEFT, "label"},
    {static_class, SS_TYPEMASK, SS_ICON, "icon"},
    // The page needs double-click notifications and entries that stay where they are put.
    {list_box_class, LBS_NOTIFY | LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL, LBS_NOTIFY,
     "unsorted notifying list"},
};

std::string kind_of(const template_control &control) {
  for (const kind_rule &rule : kinds) {
    if (control.class_ordinal == rule.class_ordinal && (control.style & rule.mask) == rule.style) {
      return rule.kind;
    }
  }
  return "other";
}

struct row {
  int id;
  const char *kind;
  const wchar_t *text;  // null for the component's icon
};

// The component as the player loads it, for its resources only.
class component_resources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(component_file_name, nullptr, LOAD_LIBRARY_AS_DATAFILE);
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

// The controls in template order, which is the tab order, each a visible child.
void expect_controls(const dialog_template &dialog, const std::vector<row> &rows) {
  ASSERT_EQ(dialog.controls.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::wstring text = rows[i].text ? L" \"" + std::wstring(rows[i].text) + L"\"" : L"";
    SCOPED_TRACE("control " + std::to_string(i + 1) + ": " + rows[i].kind +
                 std::string(text.begin(), text.end()));
    const template_control &control = dialog.controls[i];
    EXPECT_EQ(control.id, rows[i].id);
    EXPECT_EQ(kind_of(control), rows[i].kind);
    EXPECT_EQ(control.style & (WS_CHILD | WS_VISIBLE), static_cast<std::uint32_t>(WS_CHILD | WS_VISIBLE));
    if (rows[i].text == nullptr) {
      EXPECT_EQ(control.text_ordinal, IDI_TUNESIGNAL);
    } else {
      EXPECT_EQ(control.text, rows[i].text);
    }
  }
}

}  // namespace

TEST_F(component_resources, the_preferences_page_is_a_hidden_child_with_its_controls_in_tab_order) {
  const dialog_template page = dialog(IDD_PREFERENCES, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  EXPECT_EQ(page.style & (WS_CHILD | WS_POPUP | WS_VISIBLE | WS_CAPTION),
            static_cast<std::uint32_t>(WS_CHILD))
      << "the player places and shows the page";
  expect_controls(
      page,
      {
          {none, "label", L"This text is used by bottom QIP's edit control in the Status dialog."},
          {none, "group box", L"Tunesignal Settings"},
          {none, "label", L"Top QIP's edit plain text (usage of title format scripts is enabled):"},
          {IDC_TOP_TEXT, "edit", L""},
          {none, "group box", L"Custom Settings"},
          {IDC_MUSIC_STATUS_ONLY, "check box",
           L"Change song information only if the music's status is set in QIP"},
          {none, "icon", nullptr},
          {none, "icon", nullptr},
          {none, "label", L"To disable plugin check the \"Enable Tunesignal\" menu item in the View menu"},
          {none, "group box", L"Title Presets"},
          {IDC_PRESETS, "unsorted notifying list", L""},
          {IDC_ADD, "push button", L"Add"},
          {IDC_DELETE, "push button", L"Delete"},
          {IDC_UP, "push button", L"Up"},
          {IDC_DOWN, "push button", L"Down"},
          {IDC_ACTIVE_SCRIPT, "read-only edit", L""},
          {IDC_DEFAULTS, "push button", L"Defaults"},
          {IDC_SET_ACTIVE, "push button", L"Set Active"},
          {none, "label",
           L"To activate any preset just select one from the list and click the \"Set Active\" button."},
          {IDC_KEEP_STATUS_PICTURE, "check box", L"Do not change picture of status to music's one"},
          {none, "icon", nullptr},
          {none, "label",
           L"This version of plugin works good with QIP Infium! For compatibility must be installed"},
          {none, "label", L"Chorusbridge plugin for QIP Infium. For more information please visit:"},
          {none, "label", L"https://tunesignal.github.io/"},
          {IDC_KEEP_TOP_TEXT, "check box", L"Do not change first edit's text"},
      });
}

TEST_F(component_resources, the_preset_editor_is_a_russian_popup_with_a_close_box_and_english_texts) {
  const dialog_template editor = dialog(IDD_PRESET_EDITOR, MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
  const std::uint32_t popup_with_close_box = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(editor.style & popup_with_close_box, popup_with_close_box);
  EXPECT_EQ(editor.title, L"Preset Edit");
  expect_controls(editor, {
                              {IDOK, "default button", L"OK"},
                              {IDCANCEL, "push button", L"Cancel"},
                              {IDC_PRESET_SCRIPT, "multi-line edit", L""},
                              {none, "label", L"Preview:"},
                              {IDC_PRESET_PREVIEW, "read-only edit", L""},
                          });
}

TEST_F(component_resources, the_icon_group_holds_two_16_pixel_images_in_24_and_32_bit_colour) {
  const auto [bytes, size] =
      find(RT_GROUP_ICON, IDI_TUNESIGNAL, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  ASSERT_NE(bytes, nullptr);
  ASSERT_EQ(size, 6u + 2u * 14u);
  const auto *data = static_cast<const std::uint8_t *>(bytes);
  EXPECT_EQ(data[4], 2);
  const int colour_bits[] = {24, 32};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE("the " + std::to_string(colour_bits[i]) + "-bit image");
    const std::uint8_t *entry = data + 6 + 14 * i;
    EXPECT_EQ(entry[0], 16);
    EXPECT_EQ(entry[1], 16);
    EXPECT_EQ(entry[6], colour_bits[i]);
  }
  const HICON icon =
      static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(IDI_TUNESIGNAL), IMAGE_ICON, 16, 16, 0));
  EXPECT_NE(icon, nullptr);
  DestroyIcon(icon);
}
