#include "options.h"

#include <cwchar>

const wchar_t usage_text[] =
    L"messenger.exe - a stand-in for the QIP messenger, for testing and demonstrating Tunesignal\n"
    L"\n"
    L"It opens a main window (class TMainForm) whose bottom panel has a status spot at its right end;\n"
    L"clicking the spot opens the status dialog (class TCusForm) with the status texts, the status\n"
    L"picture and the panels \"Cancel\" and \"OK\". OK publishes the status: the main window shows it and\n"
    L"the status log records it. Cancel and the dialog's close box put the published status back into\n"
    L"the dialog. Both close it.\n"
    L"\n"
    L"Usage: messenger.exe [options]\n"
    L"  --top TEXT            initial text of the top edit (default \"At home\")\n"
    L"  --bottom TEXT         initial text of the bottom edit (default \"Reading the news\")\n"
    L"  --picture N           initial status picture, 0 to 12 (11 is music), -1 for none (default 0)\n"
    L"  --no-picture-box      the dialog has no picture box; the published picture is -1\n"
    L"  --edits N             number of edits in the dialog, 1 to 3 (default 2); with 1, only the\n"
    L"                        bottom edit, and the published top text is empty\n"
    L"  --controls-at-start   create the dialog's controls at once, not at the first status click\n"
    L"  --no-main-window      run with the (hidden) status dialog only\n"
    L"  --decoys N            put N hidden windows of other control classes into the main window and\n"
    L"                        the status dialog, 0 to 50000, for discovery to pass over (default 0)\n"
    L"  --name NAME           a name by which --control --to finds this messenger among several\n"
    L"  --status-log FILE     append each published status to FILE as one UTF-8 line:\n"
    L"                        picture, top text and bottom text, separated by tabs\n"
    L"  --message-log FILE    append each message that another program sends to the windows as one\n"
    L"                        UTF-8 line: window, message (hex), wParam, lParam, text of WM_SETTEXT\n"
    L"  --ready-event NAME    set the named event once the windows exist\n"
    L"  --slow-apply MS       as on a slow network: when another program sends a click (WM_LBUTTONUP)\n"
    L"                        to the dialog's OK, the status is published and the dialog closed at\n"
    L"                        once, but the answer comes MS milliseconds late, the messenger handling\n"
    L"                        no other message meanwhile; 0 (the default) answers at once\n"
    L"  --slow-open MS        likewise for a click sent to the status spot: the dialog opens on screen\n"
    L"                        at once (without this option such a click only makes its controls), and\n"
    L"                        the answer comes MS milliseconds late\n"
    L"  --wait-for-options NAME\n"
    L"                        start ahead of need and wait for the other options from the program\n"
    L"                        that will drive it (testbed/messenger/waiting_start.h)\n"
    L"  --help                show this text\n"
    L"\n"
    L"Control of a running messenger: the one named by --to NAME, or else the first from the top of\n"
    L"the window order, as the component finds one; each says in one line which one it reached:\n"
    L"  --control quit        ask it to quit\n"
    L"  --control hang [MS]   make it stop answering for MS milliseconds, or until resumed\n"
    L"  --control resume      make a hanging messenger answer again\n"
    L"  --control slow-apply MS\n"
    L"  --control slow-open MS\n"
    L"                        as --slow-apply and --slow-open, in the running messenger; 0 ends it\n"
    L"What its user does in the status dialog, done by the messenger itself (so its message log does\n"
    L"not record it), each answered once done:\n"
    L"  --control open        open the dialog on screen, as a click on the status spot does\n"
    L"  --control type PICTURE TOP BOTTOM\n"
    L"                        open the dialog when needed, pick the picture (-1 to 12) and type both\n"
    L"                        texts; the dialog stays open and nothing is published\n"
    L"  --control ok          press OK: publish what the dialog holds and close it\n"
    L"  --control cancel      press Cancel\n"
    L"  --control close       close the dialog by its close box\n"
    L"  --control set PICTURE TOP BOTTOM\n"
    L"                        type, then press OK\n"
    L"The texts of type and set are taken as given, without escapes. A dialog without a picture box\n"
    L"ignores PICTURE; one with a single edit ignores TOP.\n"
    L"\n"
    L"A log file is created at start when missing; one that cannot be written ends the start (exit\n"
    L"code 2). --control exits with 0 when done, 2 when no stand-in runs (or none of that name), 1\n"
    L"when it does not answer.\n"
    L"\n"
    L"In the logs, tab, line end and backslash are written as \\t, \\n and \\\\.\n"
    L"Programs can send the registered messages \"TunesignalMessengerQuit\",\n"
    L"\"TunesignalMessengerHang\" (wParam: milliseconds, 0 until resumed),\n"
    L"\"TunesignalMessengerSlowApply\" and \"TunesignalMessengerSlowOpen\" (wParam: milliseconds, 0 at\n"
    L"once) to the TCusForm window, and set the event \"TunesignalMessengerResume.<process id>\" to end\n"
    L"a hang. The user's actions are WM_COPYDATA to that window; testbed/messenger/user_command.h\n"
    L"describes them.\n";

namespace {

bool parse_number(const wchar_t *text, long low, long high, int &result) {
  wchar_t *end = nullptr;
  const long value = std::wcstol(text, &end, 10);
  if (end == text || *end != L'\0' || value < low || value > high) {
    return false;
  }
  result = static_cast<int>(value);
  return true;
}

bool refuse(std::wstring &error, const std::wstring &why) {
  error = why;
  return false;
}

// A name travels as a global atom, which holds 1 to 255 characters.
bool parse_name(const std::wstring &text, std::wstring &result) {
  result = text;
  return !text.empty() && text.size() <= 255;
}

constexpr long longest_ms = 3600000;

bool parse_milliseconds(const wchar_t *text, long low, unsigned &result) {
  int milliseconds = 0;
  if (!parse_number(text, low, longest_ms, milliseconds)) return false;
  result = static_cast<unsigned>(milliseconds);
  return true;
}

bool known_control(const std::wstring &word) {
  for (const wchar_t *known : {L"quit", L"hang", L"resume", L"slow-apply", L"slow-open", L"open", L"type",
                               L"ok", L"cancel", L"close", L"set"}) {
    if (word == known) return true;
  }
  return false;
}

// Takes the values that follow --control WORD; `i` is left on the last one taken.
bool parse_control_values(int argc, wchar_t **argv, int &i, options &result, std::wstring &error) {
  if (!known_control(result.control)) {
    return refuse(error,
                  L"--control takes quit, hang, resume, slow-apply, slow-open, open, type, ok, cancel, close "
                  L"or set");
  }
  if (result.control == L"hang" && i + 1 < argc && argv[i + 1][0] != L'-') {
    if (!parse_milliseconds(argv[++i], 1, result.control_ms)) {
      return refuse(error, L"--control hang takes milliseconds from 1 to 3600000");
    }
  }
  if (result.control == L"slow-apply" || result.control == L"slow-open") {
    // Unlike hang's, the time cannot be left out: 0 is what switches the delay off.
    if (i + 1 >= argc || !parse_milliseconds(argv[++i], 0, result.control_ms)) {
      return refuse(error, L"--control " + result.control + L" takes milliseconds from 0 to 3600000");
    }
  }
  if (result.control == L"type" || result.control == L"set") {
    // The texts are taken whole, even when they start with a dash.
    if (i + 3 >= argc || !parse_number(argv[i + 1], -1, 12, result.typed_picture)) {
      return refuse(error, L"--control " + result.control + L" takes PICTURE (-1 to 12), TOP and BOTTOM");
    }
    result.typed_top = argv[i + 2];
    result.typed_bottom = argv[i + 3];
    i += 3;
  }
  return true;
}

}  // namespace

bool parse_options(int argc, wchar_t **argv, options &result, std::wstring &error) {
  for (int i = 0; i < argc; ++i) {
    const std::wstring name = argv[i];
    const bool has_value = i + 1 < argc;
    auto value = [&]() { return std::wstring(argv[++i]); };
    if (name == L"--help" || name == L"-h" || name == L"/?") {
      result.help = true;
    } else if (name == L"--controls-at-start") {
      result.controls_at_start = true;
    } else if (name == L"--no-picture-box") {
      result.picture_box = false;
    } else if (name == L"--no-main-window") {
      result.main_window = false;
    } else if (!has_value) {
      return refuse(error, L"unknown option or missing value: " + name);
    } else if (name == L"--top") {
      result.top_text = value();
    } else if (name == L"--bottom") {
      result.bottom_text = value();
    } else if (name == L"--picture") {
      if (!parse_number(argv[++i], -1, 12, result.picture))
        return refuse(error, L"--picture takes a number from -1 to 12");
    } else if (name == L"--edits") {
      if (!parse_number(argv[++i], 1, 3, result.edit_count)) return refuse(error, L"--edits takes 1, 2 or 3");
    } else if (name == L"--decoys") {
      if (!parse_number(argv[++i], 0, 50000, result.decoys))
        return refuse(error, L"--decoys takes 0 to 50000");
    } else if (name == L"--status-log") {
      result.status_log = value();
    } else if (name == L"--message-log") {
      result.message_log = value();
    } else if (name == L"--ready-event") {
      result.ready_event = value();
    } else if (name == L"--slow-apply") {
      if (!parse_milliseconds(argv[++i], 0, result.slow_apply_ms))
        return refuse(error, L"--slow-apply takes milliseconds from 0 to 3600000");
    } else if (name == L"--slow-open") {
      if (!parse_milliseconds(argv[++i], 0, result.slow_open_ms))
        return refuse(error, L"--slow-open takes milliseconds from 0 to 3600000");
    } else if (name == L"--wait-for-options") {
      result.wait_for_options = value();
    } else if (name == L"--name") {
      if (!parse_name(value(), result.name)) return refuse(error, L"--name takes 1 to 255 characters");
    } else if (name == L"--to") {
      if (!parse_name(value(), result.to)) return refuse(error, L"--to takes 1 to 255 characters");
    } else if (name == L"--control") {
      result.control = value();
      if (!parse_control_values(argc, argv, i, result, error)) return false;
    } else {
      return refuse(error, L"unknown option: " + name);
    }
  }
  if (!result.to.empty() && result.control.empty()) return refuse(error, L"--to goes with --control");
  if (!result.name.empty() && !result.control.empty())
    return refuse(error, L"--name names a messenger at its start; --to addresses one with --control");
  return true;
}
