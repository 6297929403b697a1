#include "messenger/messenger_channel.h"

namespace {

class window_message_channel final : public message_channel {
 public:
  messenger_reply send_within(HWND target, UINT message, WPARAM w_param, LPARAM l_param,
                              UINT wait_ms) override {
    DWORD_PTR value = 0;
    if (SendMessageTimeoutW(target, message, w_param, l_param, SMTO_NORMAL | SMTO_ABORTIFHUNG, wait_ms,
                            &value) != 0) {
      return {true, static_cast<LRESULT>(value)};
    }
    // A message to a missing or destroyed window is simply lost, as it would be with a plain send;
    // only a living window that kept silent counts as not answering.
    if (target == nullptr || !IsWindow(target)) {
      return {true, 0};
    }
    return {false, 0};
  }
};

window_message_channel window_channel;
message_channel *installed_channel = nullptr;

}  // namespace

message_channel &messenger_channel() {
  return installed_channel != nullptr ? *installed_channel : window_channel;
}

void use_messenger_channel(message_channel *channel) { installed_channel = channel; }

bool messenger_answers(HWND window) {
  return messenger_channel().send_within(window, WM_NULL, 0, 0, messenger_probe_wait_ms).answered;
}
