#include "status_dialog_sequences.h"

#include <windows.h>

const messages probe = {{"status_form", WM_NULL, 0, 0}};

messages opening(std::optional<std::uint32_t> point) {
  return {{"main_panel", WM_LBUTTONDBLCLK, MK_LBUTTON, point},
          {"main_panel", WM_LBUTTONDBLCLK, MK_LBUTTON, point},
          {"main_panel", WM_LBUTTONDOWN, MK_LBUTTON, point},
          {"main_panel", WM_LBUTTONUP, MK_LBUTTON, point},
          {"status_form", WM_SYSCOMMAND, SC_CLOSE, 0}};
}

const messages reading = {{"bottom_edit", WM_GETTEXT, any, any},
                          {"top_edit", WM_GETTEXT, any, any},
                          {"status_combo", CB_GETCURSEL, 0, 0}};

messages publishing(std::uint32_t picture, std::uint32_t picture_l_param, const std::string &bottom,
                    const std::string &top) {
  return {{"status_combo", CB_SETCURSEL, picture, picture_l_param},
          {"bottom_edit", WM_SETTEXT, 0, any, bottom},
          {"top_edit", WM_SETTEXT, 0, any, top},
          {"status_panel", WM_LBUTTONDOWN, MK_LBUTTON, 0x00010001},
          {"status_panel", WM_LBUTTONUP, MK_LBUTTON, 0x00010001}};
}

messages joined(std::initializer_list<messages> parts) {
  messages out;
  for (const messages &part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}
