#include "messenger/status_dialog.h"

#include "messenger/messenger_windows.h"
#include "support/status_text.h"

namespace {

messenger_result result_of(const messenger_reply &reply) {
  return reply.answered ? messenger_result::completed : messenger_result::not_responding;
}

// Units read beyond the limit, so that a cut can see whether it would split a character.
constexpr t_size look_ahead = 2;

// The length first, then the text into a buffer of that size; the messenger may hand out less
// than it announced (its text changed in between), never more than the buffer holds.
messenger_result read_text(HWND edit, pfc::wide_string &text) {
  const messenger_reply length = send_to_messenger(edit, WM_GETTEXTLENGTH, 0, 0);
  if (!length.answered) return messenger_result::not_responding;
  t_size wanted = length.value > 0 ? static_cast<t_size>(length.value) : 0;
  if (wanted > pfc::status_text_limit + look_ahead) wanted = pfc::status_text_limit + look_ahead;
  pfc::wide_string read;
  pfc::wide_char *room = read.buffer_for(wanted);
  const messenger_reply copied =
      send_to_messenger(edit, WM_GETTEXT, wanted + 1, reinterpret_cast<LPARAM>(room));
  if (!copied.answered) return messenger_result::not_responding;
  t_size got = copied.value > 0 ? static_cast<t_size>(copied.value) : 0;
  if (got > wanted) got = wanted;
  read.set_length(pfc::whole_character_cut(room, got, pfc::status_text_limit));
  text.swap(read);
  return messenger_result::completed;
}

}  // namespace

bool status_controls_complete() {
  return is_valid_window(messenger_windows.bottom_edit) && is_valid_window(messenger_windows.top_edit) &&
         is_valid_window(messenger_windows.status_combo) && is_valid_window(messenger_windows.status_panel);
}

bool status_dialog_on_screen() {
  return the_window_system().is_visible(messenger_windows.status_form);
}

messenger_result read_status(shown_status &shown) {
  // Read into a copy so that a messenger that stops answering halfway leaves no mixed record.
  shown_status fresh;
  if (read_text(messenger_windows.bottom_edit, fresh.bottom) == messenger_result::not_responding ||
      read_text(messenger_windows.top_edit, fresh.top) == messenger_result::not_responding) {
    return messenger_result::not_responding;
  }
  const messenger_reply picture =
      send_to_messenger(messenger_windows.status_combo, CB_GETCURSEL, 0, 0);
  if (!picture.answered) return messenger_result::not_responding;
  fresh.picture = static_cast<std::int32_t>(picture.value);
  shown.picture = fresh.picture;
  shown.bottom.swap(fresh.bottom);
  shown.top.swap(fresh.top);
  return messenger_result::completed;
}

messenger_result select_picture(std::int32_t index, LPARAM l_param) {
  return result_of(
      send_to_messenger(messenger_windows.status_combo, CB_SETCURSEL, static_cast<WPARAM>(index), l_param));
}

messenger_result write_text(HWND edit, const pfc::wide_char *text) {
  return result_of(send_to_messenger(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

messenger_result apply_status() {
  const HWND panel = messenger_windows.status_panel;
  if (!send_to_messenger(panel, WM_LBUTTONDOWN, apply_click_w_param, apply_click_l_param).answered) {
    return messenger_result::not_responding;
  }
  return result_of(send_to_messenger(panel, WM_LBUTTONUP, apply_click_w_param, apply_click_l_param));
}
