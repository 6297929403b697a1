#include "preferences/preset_editor.h"

#include "host_access/error_barrier.h"
#include "host_access/host_access.h"
#include "preferences/preset_preview.h"
#include "resources/resource.h"

namespace {

// What one open editor works on, kept in the dialog (DWLP_USER) from WM_INITDIALOG on; it lives in
// edit_preset's frame, which outlasts the dialog.
struct editor_state {
  pfc::wide_string *text;
  WNDPROC previous_edit_proc;
};

editor_state *state_of(HWND editor) {
  return reinterpret_cast<editor_state *>(GetWindowLongPtrW(editor, DWLP_USER));
}

bool control_key_down() {
  const short state = GetKeyState(VK_CONTROL);
  return (state >> 8) != 0;
}

// Ctrl+A selects the whole script. Only a subclassing that took installs this, after it has put the
// procedure it replaced in the editor's state, so there is always one to pass the message on to.
LRESULT CALLBACK select_all_edit_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_KEYDOWN && wparam == 'A' && control_key_down()) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
  }
  return CallWindowProcW(state_of(GetParent(edit))->previous_edit_proc, edit, message, wparam, lparam);
}

// A failed subclassing leaves the edit its own procedure, only without Ctrl+A.
void subclass_script_edit(HWND script, editor_state &state) {
  state.previous_edit_proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(script, GWLP_WNDPROC));
  SetWindowLongPtrW(script, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(select_all_edit_proc));
}

pfc::wide_string read_window_text(HWND window) {
  const int length = GetWindowTextLengthW(window);
  pfc::wide_string text;
  const t_size room = length > 0 ? static_cast<t_size>(length) : 0;
  const int copied = GetWindowTextW(window, text.buffer_for(room), static_cast<int>(room + 1));
  text.set_length(copied > 0 ? static_cast<t_size>(copied) : 0);
  return text;
}

// The script is previewed as typed, line breaks included; they go only when the editor is confirmed.
void show_preview(HWND editor) {
  const HWND preview = GetDlgItem(editor, IDC_PRESET_PREVIEW);
  if (!run_contained(console_texts::previewing, [&] {
        const pfc::wide_string text = preview_of(read_window_text(GetDlgItem(editor, IDC_PRESET_SCRIPT)));
        SetWindowTextW(preview, text.c_str());
      })) {
    SetWindowTextW(preview, L"(the preview failed: the player's console says why)");
  }
}

void init_editor(HWND editor, LPARAM lparam) {
  auto *state = reinterpret_cast<editor_state *>(lparam);
  SetWindowLongPtrW(editor, DWLP_USER, lparam);
  const HWND script = GetDlgItem(editor, IDC_PRESET_SCRIPT);
  subclass_script_edit(script, *state);
  SetWindowTextW(script, state->text->c_str());
  show_preview(editor);
  SendMessageW(script, EM_SETSEL, 0, -1);
  SetFocus(script);
}

void confirm(HWND editor) {
  // Without the text the dialog stays open: the user can try again or cancel.
  if (run_contained(console_texts::reading_preset, [&] {
        *state_of(editor)->text = read_window_text(GetDlgItem(editor, IDC_PRESET_SCRIPT));
      })) {
    EndDialog(editor, IDOK);
  }
}

void on_editor_message(HWND editor, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    init_editor(editor, lparam);
    return;
  }
  if (message != WM_COMMAND) return;
  switch (LOWORD(wparam)) {
    case IDOK:
      confirm(editor);
      break;
    case IDCANCEL:
      EndDialog(editor, IDCANCEL);
      break;
    case IDC_PRESET_SCRIPT:
      if (HIWORD(wparam) == EN_CHANGE) show_preview(editor);
      break;
    default:
      break;
  }
}

// The one barrier around the whole editor; the preview and OK, whose failures leave the editor in
// a state of their own, have their own inside.
INT_PTR CALLBACK preset_editor_proc(HWND editor, UINT message, WPARAM wparam, LPARAM lparam) {
  run_contained(console_texts::running_editor, [&] { on_editor_message(editor, message, wparam, lparam); });
  // After WM_INITDIALOG, 0 leaves the focus in the script, where init_editor put it.
  return 0;
}

}  // namespace

void remove_line_breaks(pfc::wide_string &text) {
  text.remove_all(pfc::wide_char(13));
  text.remove_all(pfc::wide_char(10));
}

bool edit_preset(HWND owner, pfc::wide_string &text) {
  pfc::wide_string working = text;
  editor_state state{&working, nullptr};
  const INT_PTR result = DialogBoxParamW(module_instance(), MAKEINTRESOURCEW(IDD_PRESET_EDITOR), owner,
                                         preset_editor_proc, reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return false;
  remove_line_breaks(working);
  text.swap(working);
  return true;
}
