#include "dialog_template.h"

#include <cstring>
#include <stdexcept>

namespace {

class reader {
 public:
  reader(const void *bytes, size_t size)
      : at_(static_cast<const std::uint8_t *>(bytes)), end_(at_ + size), start_(at_) {}

  template <typename T>
  T read() {
    const std::uint8_t *from = at_;
    skip(sizeof(T));
    T value;
    std::memcpy(&value, from, sizeof(T));
    return value;
  }

  std::wstring read_text() {
    std::wstring text;
    for (wchar_t c = read<wchar_t>(); c != 0; c = read<wchar_t>()) text.push_back(c);
    return text;
  }

  // A text or, after 0xFFFF, an ordinal.
  void read_text_or_ordinal(std::wstring &text, int &ordinal) {
    const std::uint16_t first = read<std::uint16_t>();
    if (first == 0xFFFF) {
      ordinal = read<std::uint16_t>();
      return;
    }
    ordinal = -1;
    at_ -= 2;
    text = read_text();
  }

  void align_to_dword() { skip((4 - (at_ - start_) % 4) % 4); }

  void skip(size_t n) {
    if (static_cast<size_t>(end_ - at_) < n) throw std::runtime_error("template ends early");
    at_ += n;
  }

 private:
  const std::uint8_t *at_;
  const std::uint8_t *end_;
  const std::uint8_t *start_;
};

}  // namespace

dialog_template parse_dialog_template(const void *bytes, size_t size) {
  reader in(bytes, size);
  dialog_template dialog{};
  if (in.read<std::uint16_t>() != 1 || in.read<std::uint16_t>() != 0xFFFF) {
    throw std::runtime_error("not an extended dialog template");
  }
  in.skip(8);  // help id, extended style
  dialog.style = in.read<std::uint32_t>();
  const int count = in.read<std::uint16_t>();
  in.skip(8);  // position and size
  std::wstring ignored;
  int ordinal = 0;
  in.read_text_or_ordinal(ignored, ordinal);  // menu
  in.read_text_or_ordinal(ignored, ordinal);  // window class
  dialog.title = in.read_text();
  if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
    in.skip(6);  // point size, weight, italic, character set
    in.read_text();
  }
  for (int i = 0; i < count; ++i) {
    in.align_to_dword();
    template_control control{};
    in.skip(8);  // help id, extended style
    control.style = in.read<std::uint32_t>();
    in.skip(8);  // position and size
    control.id = in.read<std::int32_t>();
    std::wstring class_name;
    in.read_text_or_ordinal(class_name, control.class_ordinal);
    if (control.class_ordinal < 0) throw std::runtime_error("control class is not a system ordinal");
    in.read_text_or_ordinal(control.text, control.text_ordinal);
    in.skip(in.read<std::uint16_t>());  // creation data
    dialog.controls.push_back(control);
  }
  return dialog;
}
