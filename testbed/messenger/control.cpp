#include "control.h"

#include "tell.h"
#include "user_command.h"
#include "window_process.h"

// Registered by name, the same number in every process of the session.
UINT quit_message() { return RegisterWindowMessageW(L"TunesignalMessengerQuit"); }

UINT hang_message() { return RegisterWindowMessageW(L"TunesignalMessengerHang"); }

UINT slow_apply_message() { return RegisterWindowMessageW(L"TunesignalMessengerSlowApply"); }

UINT slow_open_message() { return RegisterWindowMessageW(L"TunesignalMessengerSlowOpen"); }

std::wstring resume_event_name(DWORD process_id) {
  return L"TunesignalMessengerResume." + std::to_wstring(process_id);
}

bool is_control_message(UINT message, LPARAM l_param) {
  if (message == WM_COPYDATA && l_param != 0) {
    const ULONG_PTR code = reinterpret_cast<const COPYDATASTRUCT *>(l_param)->dwData;
    return code >= static_cast<ULONG_PTR>(user_command::open) &&
           code <= static_cast<ULONG_PTR>(user_command::set);
  }
  return message == quit_message() || message == hang_message() || message == slow_apply_message() ||
         message == slow_open_message();
}

namespace {

// Long enough for a messenger at work to answer, short enough for a person waiting at a prompt.
constexpr UINT answer_limit_ms = 3000;
const wchar_t name_property[] = L"TunesignalMessengerName";

HANDLE atom_handle(ATOM atom) { return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)); }

HWND next_status_form(HWND after) { return FindWindowExW(nullptr, after, L"TCusForm", nullptr); }

// Without a name, the first status form from the top of the window order: the one a component
// looking for the messenger now takes (it keeps the one it found first for as long as that runs).
HWND find_status_form(const std::wstring &name) {
  if (name.empty()) {
    return next_status_form(nullptr);
  }
  // A name that no running stand-in was given has no atom.
  const ATOM wanted = GlobalFindAtomW(name.c_str());
  for (HWND form = next_status_form(nullptr); form != nullptr && wanted != 0; form = next_status_form(form)) {
    if (GetPropW(form, name_property) == atom_handle(wanted)) {
      return form;
    }
  }
  return nullptr;
}

struct command_word {
  const wchar_t *word;
  user_command code;
};

const command_word user_commands[] = {{L"open", user_command::open},   {L"type", user_command::type},
                                      {L"ok", user_command::ok},       {L"cancel", user_command::cancel},
                                      {L"close", user_command::close}, {L"set", user_command::set}};

user_command code_of(const std::wstring &word) {
  for (const command_word &command : user_commands) {
    if (word == command.word) {
      return command.code;
    }
  }
  return user_command::open;  // the options admit no other word
}

// Sends the user's command; false when the messenger did not answer in time.
bool send_user_command(HWND status_form, const options &request, DWORD_PTR &answer) {
  const user_command code = code_of(request.control);
  const bool typed = code == user_command::type || code == user_command::set;
  const std::wstring text =
      typed ? user_command_data(request.typed_picture, request.typed_top, request.typed_bottom)
            : std::wstring();
  COPYDATASTRUCT data = {static_cast<ULONG_PTR>(code), static_cast<DWORD>(text.size() * sizeof(wchar_t)),
                         const_cast<wchar_t *>(text.data())};
  return SendMessageTimeoutW(status_form, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                             answer_limit_ms, &answer) != 0;
}

// The registered message that carries a request about the messenger itself; 0 for a user's action.
UINT steering_message(const std::wstring &control) {
  if (control == L"quit") return quit_message();
  if (control == L"hang") return hang_message();
  if (control == L"slow-apply") return slow_apply_message();
  if (control == L"slow-open") return slow_open_message();
  return 0;
}

std::wstring name_of(HWND status_form) {
  const HANDLE atom = GetPropW(status_form, name_property);
  wchar_t name[256] = {};
  if (atom == nullptr ||
      GlobalGetAtomNameW(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(atom)), name, 256) == 0) {
    return {};
  }
  return name;
}

// One line that says which messenger is acted on, and, when several run and none was named, that
// --to picks another. Made before the request goes: a messenger that quits takes its name along.
std::wstring which_line(HWND status_form, const options &request) {
  const DWORD process_id = process_of(status_form);
  const std::wstring name = name_of(status_form);
  std::wstring line = L"messenger: " + request.control + L" sent to " + (name.empty() ? L"" : name + L", ") +
                      L"process " + std::to_wstring(process_id);
  if (request.to.empty()) {
    int running = 0;
    for (HWND form = next_status_form(nullptr); form != nullptr; form = next_status_form(form)) ++running;
    line += running == 1 ? L" (the only messenger running)"
                         : L" (the first found of " + std::to_wstring(running) +
                               L" running, as the component finds one; --to NAME picks another)";
  }
  return line + L"\n";
}

int not_the_stand_in(HWND status_form) {
  const DWORD process_id = process_of(status_form);
  tell(L"messenger: the status dialog found belongs to process " + std::to_wstring(process_id) +
           L", which is not the stand-in messenger\n",
       true);
  return 2;
}

int resume(HWND status_form) {
  const DWORD process_id = process_of(status_form);
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, resume_event_name(process_id).c_str());
  if (event == nullptr) {
    return not_the_stand_in(status_form);
  }
  SetEvent(event);
  CloseHandle(event);
  return 0;
}

}  // namespace

void give_name(HWND status_form, const std::wstring &name) {
  if (!name.empty()) {
    SetPropW(status_form, name_property, atom_handle(GlobalAddAtomW(name.c_str())));
  }
}

void take_name_back(HWND status_form) {
  const HANDLE atom = RemovePropW(status_form, name_property);
  if (atom != nullptr) {
    GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(atom)));
  }
}

int run_control(const options &request) {
  const HWND status_form = find_status_form(request.to);
  if (status_form == nullptr) {
    tell(request.to.empty() ? L"messenger: no messenger is running\n"
                            : L"messenger: no messenger named " + request.to + L" is running\n",
         true);
    return 2;
  }
  const std::wstring which = which_line(status_form, request);
  if (request.control == L"resume") {
    const int code = resume(status_form);
    if (code == 0) tell(which, false);
    return code;
  }
  DWORD_PTR answer = 0;
  const UINT message = steering_message(request.control);
  const bool users_action = message == 0;
  bool answered = false;
  if (users_action) {
    answered = send_user_command(status_form, request, answer);
  } else {
    answered = SendMessageTimeoutW(status_form, message, request.control_ms, 0, SMTO_ABORTIFHUNG,
                                   answer_limit_ms, &answer) != 0;
  }
  if (!answered) {
    tell(L"messenger: the running messenger does not answer: it hangs (--control resume ends a hang)\n",
         true);
    return 1;
  }
  // Only the stand-in carries out a user's command; any other window answers WM_COPYDATA with 0.
  if (users_action && answer != 1) return not_the_stand_in(status_form);
  tell(which, false);
  return 0;
}
