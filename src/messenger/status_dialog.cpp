#include "messenger/status_dialog.h"

#include "messenger/messenger_windows.h"
#include "support/status_text.h"

namespace {

// Units read beyond the limit, so that a cut can see whether it would split a character.
constexpr t_size look_ahead = 2;
constexpr t_size read_room = pfc::status_text_limit + look_ahead;

// The text into room for the limit and the look-ahead; the messenger copies what fits and says how
// much that was.
messenger_result read_text(HWND edit, pfc::wide_string &text, bool &cut) {
  pfc::wide_string read;
  pfc::wide_char *room = read.buffer_for(read_room);
  const messenger_reply copied =
      send_to_messenger(edit, WM_GETTEXT, read_room + 1, reinterpret_cast<LPARAM>(room));
  if (!copied.answered) return result_of(copied);
  t_size got = copied.value > 0 ? static_cast<t_size>(copied.value) : 0;
  if (got > read_room) got = read_room;
  const t_size kept = pfc::whole_character_cut(room, got, pfc::status_text_limit);
  if (kept < got) cut = true;
  read.set_length(kept);
  text.swap(read);
  return messenger_result::completed;
}

}  // namespace

unsigned missing_status_controls(const messenger_window_table &windows) {
  unsigned missing = 0;
  if (!is_valid_window(windows.bottom_edit)) missing |= bottom_edit_control;
  if (!is_valid_window(windows.top_edit)) missing |= top_edit_control;
  if (!is_valid_window(windows.status_combo)) missing |= picture_box_control;
  if (!is_valid_window(windows.status_panel)) missing |= apply_panel_control;
  return missing;
}

bool status_dialog_on_screen() { return the_window_system().is_visible(messenger_windows.status_form); }

messenger_result read_status(shown_status &shown) {
  // Read into a copy so that a messenger that stops answering halfway leaves no mixed record.
  shown_status fresh;
  messenger_result result = read_text(messenger_windows.bottom_edit, fresh.bottom, fresh.cut);
  if (result == messenger_result::completed)
    result = read_text(messenger_windows.top_edit, fresh.top, fresh.cut);
  if (result != messenger_result::completed) return result;
  const messenger_reply picture = send_to_messenger(messenger_windows.status_combo, CB_GETCURSEL, 0, 0);
  if (!picture.answered) return result_of(picture);
  fresh.picture = static_cast<std::int32_t>(picture.value);
  shown.picture = fresh.picture;
  shown.bottom.swap(fresh.bottom);
  shown.top.swap(fresh.top);
  shown.cut = fresh.cut;
  return messenger_result::completed;
}

messenger_result select_picture(std::int32_t index, LPARAM l_param) {
  return result_of(
      send_to_messenger(messenger_windows.status_combo, CB_SETCURSEL, static_cast<WPARAM>(index), l_param));
}

messenger_result write_text(HWND edit, const pfc::wide_char *text) {
  return result_of(send_to_messenger(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

messenger_result press_apply() {
  return result_of(send_to_messenger(messenger_windows.status_panel, WM_LBUTTONDOWN, apply_click_w_param,
                                     apply_click_l_param));
}

messenger_result release_apply(release_wait wait) {
  const HWND panel = messenger_windows.status_panel;
  if (wait == release_wait::none) {
    the_window_system().notify(panel, WM_LBUTTONUP, apply_click_w_param, apply_click_l_param);
    // A probe behind it: the messenger handles messages in turn, so its answer says the release
    // was handled. A slow handler keeps the probe unanswered, which costs no more than a probe.
    return probe_messenger(panel);
  }
  return result_of(send_to_messenger(panel, WM_LBUTTONUP, apply_click_w_param, apply_click_l_param));
}
