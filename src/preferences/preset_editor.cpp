#include "preferences/preset_editor.h"

#include "announce/title_format.h"
#include "host_access/host_access.h"
#include "host_access/error_barrier.h"
#include "resources/resource.h"
#include "support/string8.h"
#include "support/wide_text.h"

namespace {

// Only one editor is open at a time (it is modal on the player's main thread); these serve it.
pfc::wide_string *working_text = nullptr;
WNDPROC previous_edit_proc = nullptr;

bool control_key_down() {
  const short state = GetKeyState(VK_CONTROL);
  return (state >> 8) != 0;
}

// Ctrl+A selects the whole script. Only a subclassing that took installs this and sets
// previous_edit_proc, so there is always a procedure to pass the message on to.
LRESULT CALLBACK select_all_edit_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_KEYDOWN && wparam == 'A' && control_key_down()) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
  }
  return CallWindowProcW(previous_edit_proc, edit, message, wparam, lparam);
}

// A failed subclassing leaves the edit its own procedure, only without Ctrl+A.
void subclass_script_edit(HWND script) {
  const LONG_PTR previous =
      SetWindowLongPtrW(script, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(select_all_edit_proc));
  if (previous != 0) previous_edit_proc = reinterpret_cast<WNDPROC>(previous);
}

void init_editor(HWND editor, LPARAM lparam) {
  const HWND script = GetDlgItem(editor, IDC_PRESET_SCRIPT);
  subclass_script_edit(script);
  working_text = reinterpret_cast<pfc::wide_string *>(lparam);
  SetWindowTextW(script, working_text->c_str());
  if (!run_contained("the preset preview", "the preview stays empty",
                     [&] { update_preview(script, GetDlgItem(editor, IDC_PRESET_PREVIEW)); })) {
    SetDlgItemTextW(editor, IDC_PRESET_PREVIEW, L"");
  }
  SendMessageW(script, EM_SETSEL, 0, -1);
  SetFocus(script);
}

}  // namespace

pfc::wide_string read_window_text(HWND window) {
  const int length = GetWindowTextLengthW(window);
  pfc::wide_string text;
  const t_size room = length > 0 ? static_cast<t_size>(length) : 0;
  const int copied = GetWindowTextW(window, text.buffer_for(room), static_cast<int>(room + 1));
  text.set_length(copied > 0 ? static_cast<t_size>(copied) : 0);
  return text;
}

void remove_line_breaks(pfc::wide_string &text) {
  text.remove_all(pfc::wide_char(13));
  text.remove_all(pfc::wide_char(10));
}

void update_preview(HWND source, HWND target) {
  const pfc::wide_string script = read_window_text(source);
  pfc::string8 preview;
  format_preview(script.c_str(), preview);
  const pfc::wide_text_from_utf8 wide(preview.text());
  SetWindowTextW(target, wide.get());
}

INT_PTR CALLBACK preset_editor_proc(HWND editor, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    init_editor(editor, lparam);
    return 0;
  }
  if (message != WM_COMMAND) return 0;
  switch (LOWORD(wparam)) {
    case IDOK:
      // Without the text the dialog stays open: the user can try again or cancel.
      if (run_contained("reading the preset", "the editor stays open: try OK again or cancel",
                        [&] { *working_text = read_window_text(GetDlgItem(editor, IDC_PRESET_SCRIPT)); })) {
        EndDialog(editor, IDOK);
      }
      break;
    case IDCANCEL:
      EndDialog(editor, IDCANCEL);
      break;
    case IDC_PRESET_SCRIPT:
      if (HIWORD(wparam) == EN_CHANGE) {
        const HWND preview = GetDlgItem(editor, IDC_PRESET_PREVIEW);
        if (!run_contained("the preset preview", "the preview stays empty",
                           [&] { update_preview(reinterpret_cast<HWND>(lparam), preview); })) {
          SetWindowTextW(preview, L"");
        }
      }
      break;
    default:
      break;
  }
  return 0;
}

bool edit_preset(HWND owner, pfc::wide_string &text) {
  pfc::wide_string working = text;
  const INT_PTR result = DialogBoxParamW(module_instance(), MAKEINTRESOURCEW(IDD_PRESET_EDITOR), owner,
                                         preset_editor_proc, reinterpret_cast<LPARAM>(&working));
  if (result != IDOK) return false;
  remove_line_breaks(working);
  text.swap(working);
  return true;
}
