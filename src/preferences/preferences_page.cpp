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

// What one open page works on, kept in the dialog (DWLP_USER) from WM_INITDIALOG until the window
// is gone.
struct page_state {
  // While the page fills its controls: the top line's edit reports its filling as a change like
  // any other.
  bool loading = true;
  // A page that could not show the stored presets must not store its partial list over them.
  bool presets_shown = false;
};

page_state *state_of(HWND page) { return reinterpret_cast<page_state *>(GetWindowLongPtrW(page, DWLP_USER)); }

// A text the player could not read is no reason to empty the setting. Answers whether it stored.
bool store_window_text(HWND window, cfg_string &variable) {
  pfc::string8 text;
  if (!uGetWindowText(window, text)) return false;
  variable.assign(text.text());
  return true;
}

// The stored setting is already in place when this runs; only the messenger is behind.
void show_change() {
  run_contained(console_texts::showing_setting, [] { show_settings_change(); });
}

void store_check_box(HWND page, int id, cfg_int_t<bool> &variable) {
  variable = IsDlgButtonChecked(page, id) == BST_CHECKED;
  show_change();
}

void show_check_box(HWND page, int id, bool checked) {
  CheckDlgButton(page, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void load_page(HWND page, page_state &state) {
  uSetDlgItemText(page, IDC_ACTIVE_SCRIPT, cfg_active_script.text());
  uSetDlgItemText(page, IDC_TOP_TEXT, cfg_top_text.text());
  show_check_box(page, IDC_MUSIC_STATUS_ONLY, cfg_music_status_only);
  show_check_box(page, IDC_KEEP_STATUS_PICTURE, cfg_keep_status_picture);
  show_check_box(page, IDC_KEEP_TOP_TEXT, cfg_keep_top_text);
  show_stored_presets(GetDlgItem(page, IDC_PRESETS));
  state.presets_shown = true;
}

void init_page(HWND page) {
  auto *const state = new page_state;
  SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
  run_contained(console_texts::opening_page, [&] { load_page(page, *state); });
  state->loading = false;
}

void set_active_preset(HWND page, HWND list) {
  const t_size selection = list_box_selection(list);
  if (selection == pfc::infinite_size) return;
  const HWND active = GetDlgItem(page, IDC_ACTIVE_SCRIPT);
  SetWindowTextW(active, list_box_get_text(list, selection).c_str());
  if (store_window_text(active, cfg_active_script)) show_change();
}

void on_command(HWND page, const page_state &state, int id, int notification, HWND control) {
  const HWND list = GetDlgItem(page, IDC_PRESETS);
  switch (id) {
    case IDC_TOP_TEXT:
      if (notification == EN_CHANGE && !state.loading) store_window_text(control, cfg_top_text);
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

void close_page(HWND page, const page_state &state) {
  if (state.presets_shown) {
    run_contained(console_texts::storing_presets,
                  [&] { store_changed_presets(GetDlgItem(page, IDC_PRESETS)); });
  }
  // The edit's own flag says whether the user changed the top line: loading it clears the flag.
  // Shown once here rather than at every keystroke.
  if (SendMessageW(GetDlgItem(page, IDC_TOP_TEXT), EM_GETMODIFY, 0, 0) != 0) show_change();
}

void on_page_message(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    init_page(page);
    return;
  }
  page_state *const state = state_of(page);
  // A page without its state could not even begin loading: its controls hold nothing to store.
  if (state == nullptr) return;
  switch (message) {
    case WM_COMMAND:
      on_command(page, *state, LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      break;
    case WM_DESTROY:
      close_page(page, *state);
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(page, DWLP_USER, 0);
      delete state;
      break;
    default:
      break;
  }
}

// The one barrier around the whole page; the steps whose failure leaves the page in a state of its
// own have their own inside.
INT_PTR CALLBACK page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
  run_contained(console_texts::running_page, [&] { on_page_message(page, message, wparam, lparam); });
  // After WM_INITDIALOG, 1 lets the dialog manager set the focus.
  return message == WM_INITDIALOG ? 1 : 0;
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
