#include "messenger/messenger_channel.h"

messenger_reply send_to_messenger(HWND target, UINT message, WPARAM w_param, LPARAM l_param) {
  return the_window_system().send(target, message, w_param, l_param, messenger_answer_wait_ms);
}

bool messenger_answers(HWND window) {
  return the_window_system().send(window, WM_NULL, 0, 0, messenger_probe_wait_ms).answered;
}
