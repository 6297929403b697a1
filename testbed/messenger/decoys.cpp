#include "decoys.h"

#include "stand_in.h"

namespace {

// Classes of the messenger's toolkit beside the ones the component looks for; some begin like
// those, so that telling them apart takes the whole name. Names that differ from those only in
// letter case would not do: this program cannot register them beside its own classes, and
// registered for another module they share the class atom of the real name, whose spelling is what
// another program reads (under Wine a "TPANEL" made here reads as "TPanel" from outside).
const wchar_t group_class[] = L"TGroupBox";
const wchar_t *const control_classes[] = {L"TLabel",  L"TCheckBox",    L"TComboBoxEx",
                                          L"TButton", L"TMaskEdit",    L"TPageControl",
                                          L"TMemo",   L"TPanelHeader", L"TSpeedButton"};
constexpr int group_size = 1 + sizeof control_classes / sizeof control_classes[0];

bool register_decoy_class(HINSTANCE instance, const wchar_t *name) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = instance;
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

bool register_decoy_classes(HINSTANCE instance) {
  if (!register_decoy_class(instance, group_class)) return false;
  for (const wchar_t *name : control_classes) {
    if (!register_decoy_class(instance, name)) return false;
  }
  return true;
}

HWND make_decoy(HINSTANCE instance, const wchar_t *window_class, HWND parent) {
  return CreateWindowExW(0, window_class, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr, instance, nullptr);
}

// Without a main window every group goes into the status form.
HWND form_for_group(int group) {
  return windows.main_form != nullptr && group % 2 == 0 ? windows.main_form : windows.status_form;
}

}  // namespace

bool place_decoys(HINSTANCE instance, int count) {
  if (count == 0) return true;
  if (!register_decoy_classes(instance)) return false;
  HWND group = nullptr;
  for (int i = 0; i < count; ++i) {
    const int place = i % group_size;
    HWND made = nullptr;
    if (place == 0) {
      group = make_decoy(instance, group_class, form_for_group(i / group_size));
      made = group;
    } else {
      made = make_decoy(instance, control_classes[place - 1], group);
    }
    if (made == nullptr) return false;
  }
  return true;
}
