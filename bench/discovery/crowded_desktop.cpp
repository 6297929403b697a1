#include "crowded_desktop.h"

namespace {

// Class names as the messenger registers them, and as other programs might.
const wchar_t *const messenger_classes[] = {L"TMainForm", L"TCusForm", L"TPanel", L"TEdit", L"TComboBox"};
const wchar_t *const other_classes[] = {L"DecoyForm", L"TForm1", L"TLabel", L"TMemo"};
// Differ from the messenger's only in case. Class names are compared without regard to case when
// they are registered, so these belong to another module (kernel32's handle serves as one).
const wchar_t *const wrong_case_classes[] = {L"TPANEL", L"tedit", L"Tpanel", L"TCOMBOBOX"};

HINSTANCE own_module() { return GetModuleHandleW(nullptr); }
HINSTANCE other_module() { return GetModuleHandleW(L"kernel32.dll"); }

void register_classes(HINSTANCE instance, const wchar_t *const *names, int count) {
  for (int i = 0; i < count; ++i) {
    WNDCLASSEXW description = {};
    description.cbSize = sizeof description;
    description.lpfnWndProc = DefWindowProcW;
    description.hInstance = instance;
    description.lpszClassName = names[i];
    RegisterClassExW(&description);
  }
}

void unregister_classes(HINSTANCE instance, const wchar_t *const *names, int count) {
  for (int i = 0; i < count; ++i) UnregisterClassW(names[i], instance);
}

template <int count>
constexpr int size_of(const wchar_t *const (&)[count]) {
  return count;
}

}  // namespace

HWND crowded_desktop::window(HINSTANCE instance, const wchar_t *window_class, HWND parent, const wchar_t *caption) {
  const DWORD style = parent != nullptr ? WS_CHILD : WS_POPUP;
  const HWND made = CreateWindowExW(0, window_class, caption, style, 0, 0, 40, 20, parent, nullptr, instance, nullptr);
  if (made == nullptr) {
    created_ = false;
  } else if (parent == nullptr) {
    windows_.push_back(made);
  }
  return made;
}

crowded_desktop::crowded_desktop(int decoys) {
  register_classes(own_module(), messenger_classes, size_of(messenger_classes));
  register_classes(own_module(), other_classes, size_of(other_classes));
  register_classes(other_module(), wrong_case_classes, size_of(wrong_case_classes));

  const HINSTANCE own = own_module();
  messenger_.main_form = window(own, L"TMainForm", nullptr);
  window(own, L"TPanel", messenger_.main_form, L"Contacts");
  messenger_.main_panel = window(own, L"TPanel", messenger_.main_form);
  messenger_.status_form = window(own, L"TCusForm", nullptr);
  messenger_.bottom_edit = window(own, L"TEdit", messenger_.status_form);
  messenger_.top_edit = window(own, L"TEdit", messenger_.status_form);
  messenger_.status_combo = window(own, L"TComboBox", messenger_.status_form);
  window(own, L"TPanel", messenger_.status_form, L"Cancel");
  messenger_.status_panel = window(own, L"TPanel", messenger_.status_form, L"OK");

  // Nine children to every decoy form; the remaining decoys go to the messenger's forms.
  const int forms = decoys / 10;
  for (int i = 0; i < forms; ++i) {
    const HWND form = window(own, other_classes[i % 2], nullptr);
    for (int k = 0; k < 9; ++k) {
      window(own, k % 3 == 0 ? messenger_classes[2 + k / 3] : other_classes[2 + k % 2], form, L"OK");
    }
  }
  const int inside = decoys - forms * 10;
  for (int i = 0; i < inside; ++i) {
    const HWND parent = i % 4 == 0 ? messenger_.main_form : messenger_.status_form;
    const int kind = i % 6;
    if (kind < 4) {
      window(other_module(), wrong_case_classes[kind], parent, L"OK");
    } else {
      window(own, other_classes[kind - 2], parent, L"OK");
    }
  }
}

crowded_desktop::~crowded_desktop() {
  for (auto top = windows_.rbegin(); top != windows_.rend(); ++top) DestroyWindow(*top);
  unregister_classes(other_module(), wrong_case_classes, size_of(wrong_case_classes));
  unregister_classes(own_module(), other_classes, size_of(other_classes));
  unregister_classes(own_module(), messenger_classes, size_of(messenger_classes));
}
