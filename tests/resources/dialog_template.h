#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A dialog template read back from its compiled DLGTEMPLATEEX bytes: what the dialog code and the
// user rely on, without positions, sizes and fonts.
struct template_control {
  std::uint32_t style;
  int id;
  int class_ordinal;  // 0x80 button, 0x81 edit, 0x82 static, 0x83 list box
  std::wstring text;  // empty when the text is an ordinal
  int text_ordinal;   // -1 when the text is a string
};

struct dialog_template {
  std::uint32_t style;
  std::wstring title;
  std::vector<template_control> controls;
};

// Throws std::runtime_error when the bytes are not an extended template.
dialog_template parse_dialog_template(const void *bytes, size_t size);
