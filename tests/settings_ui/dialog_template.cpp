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
    if (static_cast<size_t>(end_ - at_) < sizeof(T)) throw std::runtime_error("template ends early");
    T value;
    std::memcpy(&value, at_, sizeof(T));
    at_ += sizeof(T);
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

  void align_to_dword() {
    while ((at_ - start_) % 4 != 0) ++at_;
  }

  void skip(size_t n) { at_ += n; }

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
  in.read<std::uint32_t>();  // help id
  dialog.ex_style = in.read<std::uint32_t>();
  dialog.style = in.read<std::uint32_t>();
  const int count = in.read<std::uint16_t>();
  dialog.x = in.read<std::int16_t>();
  dialog.y = in.read<std::int16_t>();
  dialog.cx = in.read<std::int16_t>();
  dialog.cy = in.read<std::int16_t>();
  std::wstring ignored;
  int ordinal = 0;
  in.read_text_or_ordinal(ignored, ordinal);  // menu
  in.read_text_or_ordinal(ignored, ordinal);  // window class
  dialog.title = in.read_text();
  if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
    dialog.point_size = in.read<std::uint16_t>();
    dialog.weight = in.read<std::uint16_t>();
    dialog.italic = in.read<std::uint8_t>();
    dialog.charset = in.read<std::uint8_t>();
    dialog.typeface = in.read_text();
  }
  for (int i = 0; i < count; ++i) {
    in.align_to_dword();
    template_control control{};
    in.read<std::uint32_t>();  // help id
    control.ex_style = in.read<std::uint32_t>();
    control.style = in.read<std::uint32_t>();
    control.x = in.read<std::int16_t>();
    control.y = in.read<std::int16_t>();
    control.cx = in.read<std::int16_t>();
    control.cy = in.read<std::int16_t>();
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
