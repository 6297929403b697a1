#include "settings/config_variables.h"
#include "host_access/contained.h"
#include "resources/resource.h"
#include "preferences/host_shared.h"
#include "preferences/list_box.h"
#include "preferences/preferences_page.h"
#include "preferences/preset_editor.h"
#include "support/string8.h"

namespace {

// A text the player could not read is no reason to empty the setting.
void store_window_text(HWND window, cfg_string &variable) {
  pfc::string8 text;
  if (uGetWindowText(window, text)) variable.assign(text.text());
}

void store_check_box(HWND page, int id, cfg_int_t<bool> &variable) {
  variable = IsDlgButtonChecked(page, id) == BST_CHECKED;
}

void show_check_box(HWND page, int id, bool checked) {
  CheckDlgButton(page, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void load_page(HWND page) {
  uSetDlgItemText(page, IDC_ACTIVE_SCRIPT, cfg_active_script.text());
  uSetDlgItemText(page, IDC_TOP_TEXT, cfg_top_text.text());
  show_check_box(page, IDC_MUSIC_STATUS_ONLY, cfg_music_status_only);
  show_check_box(page, IDC_KEEP_STATUS_PICTURE, cfg_keep_status_picture);
  show_check_box(page, IDC_KEEP_FIRST_EDIT, cfg_keep_first_edit);
  preset_texts presets;
  load_presets(presets);
  fill_list_box(GetDlgItem(page, IDC_PRESETS), presets);
}

void add_preset(HWND page, HWND list) {
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
  SendMessageW(list, LB_SETCURSEL, list_box_count(list) - 1, 0);
  edit_preset(page);
}

void delete_preset(HWND list) {
  const t_size selection = list_box_selection(list);
  if (selection == pfc::infinite_size) return;
  SendMessageW(list, LB_DELETESTRING, selection, 0);
}

// Moves the selected entry one place towards `target` and keeps it selected.
void move_preset(HWND list, t_size selection, t_size target) {
  const pfc::wide_string text = list_box_get_text(list, selection);
  SendMessageW(list, LB_DELETESTRING, selection, 0);
  SendMessageW(list, LB_INSERTSTRING, target, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(list, LB_SETCURSEL, target, 0);
}

void move_preset_up(HWND list) {
  const t_size selection = list_box_selection(list);
  if (selection == pfc::infinite_size || selection == 0) return;
  move_preset(list, selection, selection - 1);
}

void move_preset_down(HWND list) {
  const t_size selection = list_box_selection(list);
  if (selection == pfc::infinite_size || selection + 1 >= list_box_count(list)) return;
  move_preset(list, selection, selection + 1);
}

void show_default_presets(HWND list) {
  preset_texts defaults;
  add_default_presets(defaults);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  fill_list_box(list, defaults);
}

void set_active_preset(HWND page, HWND list) {
  const t_size selection = list_box_selection(list);
  if (selection == pfc::infinite_size) return;
  const HWND active = GetDlgItem(page, IDC_ACTIVE_SCRIPT);
  SetWindowTextW(active, list_box_get_text(list, selection).c_str());
  store_window_text(active, cfg_active_script);
}

void on_command(HWND page, int id, int notification, HWND control) {
  const HWND list = GetDlgItem(page, IDC_PRESETS);
  switch (id) {
    case IDC_TOP_TEXT:
      if (notification == EN_CHANGE) store_window_text(control, cfg_top_text);
      break;
    case IDC_MUSIC_STATUS_ONLY:
      store_check_box(page, id, cfg_music_status_only);
      break;
    case IDC_KEEP_STATUS_PICTURE:
      store_check_box(page, id, cfg_keep_status_picture);
      break;
    case IDC_KEEP_FIRST_EDIT:
      store_check_box(page, id, cfg_keep_first_edit);
      break;
    case IDC_PRESETS:
      if (notification == LBN_DBLCLK && list_box_selection(list) != pfc::infinite_size) {
        edit_preset(page);
      }
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

}  // namespace

INT_PTR CALLBACK preferences_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      // A page that could not show the stored presets must not store its partial list over them.
      if (!run_contained("opening the preferences page",
                         "the page shows what it could, and closing it leaves the stored presets as they are",
                         [&] { load_page(page); })) {
        SetPropW(page, presets_not_shown, reinterpret_cast<HANDLE>(1));
      }
      return 1;
    case WM_COMMAND:
      run_contained("a preferences page command", "the command did not finish; the page may be tried again", [&] {
        on_command(page, LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      });
      return 0;
    case WM_DESTROY:
      if (RemovePropW(page, presets_not_shown) == nullptr) {
        run_contained("storing the presets", "the stored presets are left as they were",
                      [&] {
                        preset_texts presets;
                        read_list_box(GetDlgItem(page, IDC_PRESETS), presets);
                        store_presets(presets);
                      });
      }
      return 0;
    default:
      return 0;
  }
}
