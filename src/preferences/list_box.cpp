#include "preferences/list_box.h"

pfc::wide_string list_box_get_text(HWND list, t_size index) {
  pfc::wide_string text;
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return text;
  pfc::wide_char *room = text.buffer_for(static_cast<t_size>(length));
  const LRESULT copied = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(room));
  text.set_length(copied == LB_ERR ? 0 : static_cast<t_size>(copied));
  return text;
}

void list_box_replace(HWND list, t_size index, const pfc::wide_string &text) {
  SendMessageW(list, LB_DELETESTRING, index, 0);
  SendMessageW(list, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
}

void fill_list_box(HWND list, const preset_texts &texts) {
  for (t_size i = 0; i < texts.count(); ++i) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i].c_str()));
  }
}

void read_list_box(HWND list, preset_texts &texts) {
  texts.remove_all();
  const t_size count = list_box_count(list);
  for (t_size i = 0; i < count; ++i) texts.add(list_box_get_text(list, i));
}

t_size list_box_selection(HWND list) {
  const LRESULT selection = SendMessageW(list, LB_GETCURSEL, 0, 0);
  return selection == LB_ERR ? pfc::infinite_size : static_cast<t_size>(selection);
}

t_size list_box_count(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<t_size>(count);
}
