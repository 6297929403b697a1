#include "preferences/list_box.h"

namespace {

// Item data is the stored index plus one: an entry inserted without data, which the list box
// gives 0, shows no stored preset.
LPARAM item_data(t_size stored) { return stored == not_stored ? 0 : static_cast<LPARAM>(stored + 1); }

t_size stored_index(LRESULT data) {
  return data == LB_ERR || data == 0 ? not_stored : static_cast<t_size>(data - 1);
}

}  // namespace

pfc::wide_string list_box_get_text(HWND list, t_size index) {
  pfc::wide_string text;
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return text;
  pfc::wide_char *room = text.buffer_for(static_cast<t_size>(length));
  const LRESULT copied = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(room));
  text.set_length(copied == LB_ERR ? 0 : static_cast<t_size>(copied));
  return text;
}

listed_preset list_box_get(HWND list, t_size index) {
  listed_preset preset;
  preset.text = list_box_get_text(list, index);
  preset.stored = stored_index(SendMessageW(list, LB_GETITEMDATA, index, 0));
  return preset;
}

t_size list_box_insert(HWND list, t_size index, const listed_preset &preset) {
  const WPARAM at = index >= list_box_count(list) ? static_cast<WPARAM>(-1) : index;
  const LRESULT inserted =
      SendMessageW(list, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(preset.text.c_str()));
  if (inserted < 0) return pfc::infinite_size;
  SendMessageW(list, LB_SETITEMDATA, inserted, item_data(preset.stored));
  return static_cast<t_size>(inserted);
}

void list_box_replace(HWND list, t_size index, const pfc::wide_string &text) {
  SendMessageW(list, LB_DELETESTRING, index, 0);
  listed_preset edited;
  edited.text = text;
  list_box_insert(list, index, edited);
}

void fill_list_box(HWND list, const preset_list &presets) {
  for (t_size i = 0; i < presets.count(); ++i) list_box_insert(list, pfc::infinite_size, presets[i]);
}

void read_list_box(HWND list, preset_list &presets) {
  presets.remove_all();
  const t_size count = list_box_count(list);
  for (t_size i = 0; i < count; ++i) presets.add(list_box_get(list, i));
}

t_size list_box_selection(HWND list) {
  const LRESULT selection = SendMessageW(list, LB_GETCURSEL, 0, 0);
  return selection == LB_ERR ? pfc::infinite_size : static_cast<t_size>(selection);
}

t_size list_box_count(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<t_size>(count);
}
