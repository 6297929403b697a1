#include "preferences/preferences_page.h"

#include "announce/announcement.h"
#include "boundary/shared_dll.h"
#include "host_access/error_barrier.h"
#include "host_access/host_access.h"
#include "host_access/host_ref.h"
#include "preferences/help_url.h"
#include "preferences/list_box.h"
#include "preferences/preset_commands.h"
#include "resources/resource.h"
#include "settings/config_variables.h"
#include "support/string8.h"

namespace {

constexpr GUID page_guid = {0x18651C3E, 0xF988, 0x4EFB, {0x96, 0x47, 0x53, 0xB0, 0x28, 0xCC, 0xDA, 0xCC}};
// The player's page under which this one is listed.
constexpr GUID parent_page_guid = {
    0x627C0767, 0x0793, 0x44F8, {0x80, 0x87, 0xBE, 0x49, 0x34, 0x31, 0x12, 0x82}};
constexpr const char *page_name = "Tunesignal";

// Loading the page sets the top line's edit too, and the edit reports that as a change like any
// other. The page is loaded on the player's main thread, one page at a time.
bool loading = false;

// A text the player could not read is no reason to empty the setting. Answers whether it stored.
bool store_window_text(HWND window, cfg_string &variable) {
  pfc::string8 text;
  if (!uGetWindowText(window, text)) return false;
  variable.assign(text.text());
  return true;
}

// The stored setting is already in place when this runs; only the messenger is behind.
void show_change() {
  run_contained("showing the changed setting", "the setting is stored and shows from the next track on",
                [] { show_settings_change(); });
}

void store_check_box(HWND page, int id, cfg_int_t<bool> &variable) {
  variable = IsDlgButtonChecked(page, id) == BST_CHECKED;
  show_change();
}

void show_check_box(HWND page, int id, bool checked) {
  CheckDlgButton(page, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void load_page(HWND page) {
  uSetDlgItemText(page, IDC_ACTIVE_SCRIPT, cfg_active_script.text());
  uSetDlgItemText(page, IDC_TOP_TEXT, cfg_top_text.text());
  show_check_box(page, IDC_MUSIC_STATUS_ONLY, cfg_music_status_only);
  show_check_box(page, IDC_KEEP_STATUS_PICTURE, cfg_keep_status_picture);
  show_check_box(page, IDC_KEEP_TOP_TEXT, cfg_keep_top_text);
  show_stored_presets(GetDlgItem(page, IDC_PRESETS));
}

void set_active_preset(HWND page, HWND list) {
  const t_size selection = list_box_selection(list);
  if (selection == pfc::infinite_size) return;
  const HWND active = GetDlgItem(page, IDC_ACTIVE_SCRIPT);
  SetWindowTextW(active, list_box_get_text(list, selection).c_str());
  if (store_window_text(active, cfg_active_script)) show_change();
}

void on_command(HWND page, int id, int notification, HWND control) {
  const HWND list = GetDlgItem(page, IDC_PRESETS);
  switch (id) {
    case IDC_TOP_TEXT:
      if (notification == EN_CHANGE && !loading) store_window_text(control, cfg_top_text);
      break;
    case IDC_MUSIC_STATUS_ONLY:
      store_check_box(page, id, cfg_music_status_only);
      break;
    case IDC_KEEP_STATUS_PICTURE:
      store_check_box(page, id, cfg_keep_status_picture);
      break;
    case IDC_KEEP_TOP_TEXT:
      store_check_box(page, id, cfg_keep_top_text);
      break;
    case IDC_PRESETS:
      if (notification == LBN_DBLCLK) edit_selected_preset(page, list);
      break;
    case IDC_ADD:
      add_preset(page, list);
      break;
    case IDC_DELETE:
      delete_preset(list);
      break;
    case IDC_UP:
      move_preset_up(list);
      break;
    case IDC_DOWN:
      move_preset_down(list);
      break;
    case IDC_DEFAULTS:
      show_default_presets(list);
      break;
    case IDC_SET_ACTIVE:
      set_active_preset(page, list);
      break;
    default:
      break;
  }
}

// Marks a page whose opening failed.
constexpr const wchar_t *presets_not_shown = L"TunesignalPresetsNotShown";

void close_page(HWND page) {
  // A page that could not show the stored presets must not store its partial list over them.
  if (RemovePropW(page, presets_not_shown) == nullptr) {
    run_contained("storing the presets", "the stored presets are left as they were",
                  [&] { store_changed_presets(GetDlgItem(page, IDC_PRESETS)); });
  }
  // The edit's own flag says whether the user changed the top line: loading it clears the flag.
  // Shown once here rather than at every keystroke.
  if (SendMessageW(GetDlgItem(page, IDC_TOP_TEXT), EM_GETMODIFY, 0, 0) != 0) show_change();
}

INT_PTR CALLBACK page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      loading = true;
      if (!run_contained("opening the preferences page",
                         "the page shows what it could, and closing it leaves the stored presets as they are",
                         [&] { load_page(page); })) {
        SetPropW(page, presets_not_shown, reinterpret_cast<HANDLE>(1));
      }
      loading = false;
      return 1;
    case WM_COMMAND:
      run_contained(
          "a preferences page command", "the command did not finish; the page may be tried again",
          [&] { on_command(page, LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam)); });
      return 0;
    case WM_DESTROY:
      close_page(page);
      return 0;
    default:
      return 0;
  }
}

}  // namespace

const char *tunesignal_page::get_name() { return page_name; }

GUID *tunesignal_page::get_guid(GUID *result) {
  *result = page_guid;
  return result;
}

GUID *tunesignal_page::get_parent_guid(GUID *result) {
  *result = parent_page_guid;
  return result;
}

HWND tunesignal_page::create(HWND parent) {
  return CreateDialogParamW(module_instance(), MAKEINTRESOURCEW(IDD_PREFERENCES), parent, page_proc, 0);
}

bool tunesignal_page::get_help_url(pfc::string_base &out) {
  const host_ref<core_version> version(find_single_service<core_version>());
  make_help_url(out, version->get_version_string(), page_guid, page_name);
  return true;
}
