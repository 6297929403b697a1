#include "preferences/preset_commands.h"

#include "preferences/list_box.h"
#include "preferences/preset_editor.h"
#include "preferences/preset_store.h"

namespace {

// Answers whether OK was pressed.
bool edit_entry(HWND page, HWND list, t_size index) {
  const pfc::wide_string shown = list_box_get_text(list, index);
  pfc::wide_string text = shown;
  if (!edit_preset(page, text)) return false;
  // An unchanged text keeps the entry as stored, including bytes the list cannot show.
  if (text != shown) list_box_replace(list, index, text);
  return true;
}

// Moves the selected entry one place towards `target`, with the stored preset it shows, and keeps
// it selected.
void move_preset(HWND list, t_size selection, t_size target) {
  const listed_preset moved = list_box_get(list, selection);
  SendMessageW(list, LB_DELETESTRING, selection, 0);
  list_box_insert(list, target, moved);
  SendMessageW(list, LB_SETCURSEL, target, 0);
}

}  // namespace

void show_stored_presets(HWND list) {
  preset_list presets;
  load_presets(presets);
  fill_list_box(list, presets);
}

void add_preset(HWND page, HWND list) {
  const t_size added = list_box_insert(list, pfc::infinite_size, listed_preset());
  if (added == pfc::infinite_size) return;
  SendMessageW(list, LB_SETCURSEL, added, 0);
  if (!edit_entry(page, list, added)) SendMessageW(list, LB_DELETESTRING, added, 0);
}

void edit_selected_preset(HWND page, HWND list) {
  const t_size selection = list_box_selection(list);
  if (selection != pfc::infinite_size) edit_entry(page, list, selection);
}

void delete_preset(HWND list) {
  const t_size selection = list_box_selection(list);
  if (selection != pfc::infinite_size) SendMessageW(list, LB_DELETESTRING, selection, 0);
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
  preset_list defaults;
  add_default_presets(defaults);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  fill_list_box(list, defaults);
}

void store_changed_presets(HWND list) {
  preset_list presets;
  read_list_box(list, presets);
  if (!is_as_loaded(presets)) store_presets(presets);
}
