#include "messenger/status_dialog.h"

#include "messenger/messenger_windows.h"
#include "messenger/status_text.h"

saved_status_record saved_status = {};

namespace {

messenger_result result_of(const messenger_reply &reply) {
  return reply.answered ? messenger_result::completed : messenger_result::not_responding;
}

// The messenger cuts the text to fit; a cut through a surrogate pair leaves half a character, which
// is not kept.
messenger_result read_text(HWND edit, wchar_t (&buffer)[saved_text_size]) {
  const messenger_result result = result_of(
      messenger_channel().send(edit, WM_GETTEXT, saved_text_size, reinterpret_cast<LPARAM>(buffer)));
  buffer[cut_length(buffer, saved_text_size - 1)] = 0;
  return result;
}

}  // namespace

messenger_result save_status() {
  // Read into a copy so that a messenger that stops answering halfway leaves no mixed record; a
  // control that is missing leaves its part as it was.
  saved_status_record fresh = saved_status;
  if (read_text(messenger_windows.bottom_edit, fresh.saved_bottom_text) == messenger_result::not_responding ||
      read_text(messenger_windows.top_edit, fresh.saved_top_text) == messenger_result::not_responding) {
    return messenger_result::not_responding;
  }
  const messenger_reply picture =
      messenger_channel().send(messenger_windows.status_combo, CB_GETCURSEL, 0, 0);
  if (!picture.answered) {
    return messenger_result::not_responding;
  }
  fresh.saved_picture = static_cast<std::int32_t>(picture.value);
  saved_status = fresh;
  return messenger_result::completed;
}

messenger_result select_picture(std::int32_t index, LPARAM l_param) {
  return result_of(messenger_channel().send(messenger_windows.status_combo, CB_SETCURSEL,
                                            static_cast<WPARAM>(index), l_param));
}

messenger_result write_text(HWND edit, const wchar_t *text) {
  return result_of(messenger_channel().send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

messenger_result apply_status() {
  message_channel &channel = messenger_channel();
  const HWND panel = messenger_windows.status_panel;
  if (!channel.send(panel, WM_LBUTTONDOWN, apply_click_w_param, apply_click_l_param).answered) {
    return messenger_result::not_responding;
  }
  return result_of(channel.send(panel, WM_LBUTTONUP, apply_click_w_param, apply_click_l_param));
}
