// The user's actions in the status dialog, done inside the messenger when another program asks for
// them: the messages they cause are the messenger's own, which the message log leaves out.
#include <cwchar>
#include <vector>

#include "stand_in.h"
#include "user_command.h"

namespace {

// The picture and the two texts of type and set, each ended by a null character.
bool read_typed_status(const COPYDATASTRUCT &request, published_status &typed) {
  const auto *data = static_cast<const wchar_t *>(request.lpData);
  const std::wstring text(data, data == nullptr ? 0 : request.cbData / sizeof(wchar_t));
  std::vector<std::wstring> fields;
  size_t start = 0;
  for (size_t end = text.find(L'\0'); end != std::wstring::npos; end = text.find(L'\0', start)) {
    fields.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (fields.size() != 3 || start != text.size() || fields[0].empty()) {
    return false;
  }
  wchar_t *digits_end = nullptr;
  typed = {static_cast<int>(std::wcstol(fields[0].c_str(), &digits_end, 10)), fields[1], fields[2]};
  return *digits_end == L'\0';
}

void type_status(const published_status &typed) {
  open_status_dialog(true);
  put_into_dialog(typed);
}

}  // namespace

bool carry_out_user_command(const COPYDATASTRUCT &request) {
  const auto command = static_cast<user_command>(request.dwData);
  if (command < user_command::open || command > user_command::set) {
    return false;
  }
  published_status typed = {};
  if ((command == user_command::type || command == user_command::set) && !read_typed_status(request, typed)) {
    return false;
  }
  // Pressing a button of a dialog that was never opened still finds the dialog's controls.
  create_status_controls();
  switch (command) {
    case user_command::open:
      open_status_dialog(true);
      break;
    case user_command::type:
      type_status(typed);
      break;
    case user_command::set:
      type_status(typed);
      publish_status();
      break;
    case user_command::ok:
      publish_status();
      break;
    case user_command::cancel:
      cancel_status_dialog();
      break;
    case user_command::close:
      SendMessageW(windows.status_form, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
  // The program that asked waits for the answer, so the dialog is hidden before it gets it.
  finish_closing();
  return true;
}
