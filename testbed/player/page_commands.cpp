#include "page_commands.h"

#include <cstdlib>
#include <iterator>
#include <string>

#include "console_output.h"
#include "resources/resource.h"
#include "text_conversion.h"

namespace {

const char help[] =
    "open the component's preferences page; then, while it is open:\n"
    "prefs show: what the page holds; prefs close: close it (the page stores its settings)\n"
    "prefs select N: select preset N; prefs delete|up|down|set-active|defaults: press that button\n"
    "prefs add SCRIPT: Add, type SCRIPT in the editor, show its preview, OK\n"
    "prefs edit N SCRIPT: double-click preset N, type SCRIPT over it, show the preview, OK\n"
    "prefs top TEXT: type TEXT over the top line (no TEXT empties it)\n"
    "prefs music-only|keep-picture|keep-top on|off: tick or clear that box";

struct named_control {
  const char *word;
  int id;
};

const named_control buttons[] = {{"delete", IDC_DELETE},
                                 {"up", IDC_UP},
                                 {"down", IDC_DOWN},
                                 {"set-active", IDC_SET_ACTIVE},
                                 {"defaults", IDC_DEFAULTS}};
const named_control boxes[] = {{"music-only", IDC_MUSIC_STATUS_ONLY},
                               {"keep-picture", IDC_KEEP_STATUS_PICTURE},
                               {"keep-top", IDC_KEEP_TOP_TEXT}};

const named_control *find_control(const named_control *begin, const named_control *end,
                                  const std::string &word) {
  for (const named_control *control = begin; control != end; ++control) {
    if (word == control->word) return control;
  }
  return nullptr;
}

// The first word of `text` and the rest after the spaces that follow it.
std::string split_word(const std::string &text, std::string &rest) {
  const std::size_t end = text.find_first_of(" \t");
  const std::size_t next = end == std::string::npos ? std::string::npos : text.find_first_not_of(" \t", end);
  rest = next == std::string::npos ? std::string() : text.substr(next);
  return text.substr(0, end);
}

// Over what the edit holds, key by key: each key is a change of its own, as when a person types.
void type_over(HWND edit, const std::string &text) {
  SendMessageW(edit, EM_SETSEL, 0, -1);
  const std::wstring keys = wide_from_utf8(text);
  if (keys.empty()) SendMessageW(edit, WM_CHAR, VK_BACK, 1);
  for (const wchar_t key : keys) SendMessageW(edit, WM_CHAR, key, 1);
}

int list_count(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

std::string list_entry(HWND list, int index) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
  return utf8_from_wide(text);
}

// A preset's number as the list shows it (1 = the first); false, said, when there is none such.
bool preset_index(HWND list, const std::string &word, int &index) {
  char *end = nullptr;
  const long number = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != '\0' || number < 1 || number > list_count(list)) {
    say("player: there is no preset '%s': the page lists %d\n", word.c_str(), list_count(list));
    return false;
  }
  index = static_cast<int>(number - 1);
  return true;
}

// A click on an entry: the list selects it and tells the page.
void select_preset(HWND page, int index) {
  const HWND list = GetDlgItem(page, IDC_PRESETS);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_PRESETS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void show_page(HWND page) {
  say("player: active script: %s\n",
      utf8_from_wide(window_text(GetDlgItem(page, IDC_ACTIVE_SCRIPT))).c_str());
  const HWND list = GetDlgItem(page, IDC_PRESETS);
  const int selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  for (int i = 0; i < list_count(list); ++i) {
    say("%s%2d. %s\n", i == selected ? "> " : "  ", i + 1, list_entry(list, i).c_str());
  }
  say("player: top text: %s\n", utf8_from_wide(window_text(GetDlgItem(page, IDC_TOP_TEXT))).c_str());
  std::string ticks = "player:";
  for (const named_control &box : boxes) {
    ticks +=
        std::string(" [") + (IsDlgButtonChecked(page, box.id) == BST_CHECKED ? "x" : " ") + "] " + box.word;
  }
  say("%s\n", ticks.c_str());
}

// The editor is modal: the click that opens it returns once it is closed. What is typed into it is
// done from a timer, which the editor's own message loop runs.
struct editor_request {
  std::string script;
  bool answered = false;
};
editor_request *pending_editor = nullptr;
constexpr UINT editor_poll_ms = 10;

BOOL CALLBACK take_editor(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || GetDlgItem(window, IDC_PRESET_SCRIPT) == nullptr ||
      GetDlgItem(window, IDC_PRESET_PREVIEW) == nullptr) {
    return TRUE;
  }
  *reinterpret_cast<HWND *>(found) = window;
  return FALSE;
}

void CALLBACK answer_editor(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND editor = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), take_editor, reinterpret_cast<LPARAM>(&editor));
  if (editor == nullptr || pending_editor == nullptr) return;
  KillTimer(nullptr, timer);
  editor_request &request = *pending_editor;
  request.answered = true;
  type_over(GetDlgItem(editor, IDC_PRESET_SCRIPT), request.script);
  const std::string preview = utf8_from_wide(window_text(GetDlgItem(editor, IDC_PRESET_PREVIEW)));
  say("player: preset editor preview: %s\n", preview.empty() ? "(empty)" : preview.c_str());
  SendMessageW(GetDlgItem(editor, IDOK), BM_CLICK, 0, 0);
  // An editor that refused OK would hold the commands until a person closes it.
  if (IsWindowVisible(editor)) {
    say("player: the editor stayed open at OK; cancelled\n");
    SendMessageW(GetDlgItem(editor, IDCANCEL), BM_CLICK, 0, 0);
  }
}

// Sends what opens the editor, answers the editor with `script`, and returns once it is closed.
void through_editor(const std::string &script, HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  editor_request request{script};
  pending_editor = &request;
  const UINT_PTR timer = SetTimer(nullptr, 0, editor_poll_ms, answer_editor);
  SendMessageW(control, message, wparam, lparam);
  KillTimer(nullptr, timer);
  pending_editor = nullptr;
  if (!request.answered) say("player: the preset editor did not open\n");
}

void edit_preset(HWND page, const std::string &text) {
  std::string script;
  int index = 0;
  const HWND list = GetDlgItem(page, IDC_PRESETS);
  if (!preset_index(list, split_word(text, script), index)) return;
  select_preset(page, index);
  through_editor(script, page, WM_COMMAND, MAKEWPARAM(IDC_PRESETS, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
}

void tick_box(HWND page, const named_control &box, const std::string &state) {
  if (state != "on" && state != "off") {
    say("player: prefs %s takes on or off\n", box.word);
    return;
  }
  const bool checked = IsDlgButtonChecked(page, box.id) == BST_CHECKED;
  if (checked != (state == "on")) SendMessageW(GetDlgItem(page, box.id), BM_CLICK, 0, 0);
}

void on_open_page(HWND page, const std::string &word, const std::string &rest) {
  if (word == "show") {
    show_page(page);
  } else if (word == "select") {
    int index = 0;
    if (preset_index(GetDlgItem(page, IDC_PRESETS), rest, index)) select_preset(page, index);
  } else if (word == "add") {
    through_editor(rest, GetDlgItem(page, IDC_ADD), BM_CLICK, 0, 0);
  } else if (word == "edit") {
    edit_preset(page, rest);
  } else if (word == "top") {
    type_over(GetDlgItem(page, IDC_TOP_TEXT), rest);
  } else if (const named_control *button = find_control(std::begin(buttons), std::end(buttons), word)) {
    SendMessageW(GetDlgItem(page, button->id), BM_CLICK, 0, 0);
  } else if (const named_control *box = find_control(std::begin(boxes), std::end(boxes), word)) {
    tick_box(page, *box, rest);
  } else {
    say("player: prefs takes no '%s' (try 'help')\n", word.c_str());
  }
}

}  // namespace

void add_preferences_commands(command_table &commands, preferences_window &preferences) {
  commands.add_text("prefs", help, [&](const std::string &text) {
    std::string rest;
    const std::string word = split_word(text, rest);
    if (word.empty()) {
      preferences.open();
    } else if (word == "close") {
      preferences.close_on_request();
    } else if (preferences.page() == nullptr) {
      say("player: the preferences are not open ('prefs' opens them)\n");
    } else {
      on_open_page(preferences.page(), word, rest);
    }
  });
}
