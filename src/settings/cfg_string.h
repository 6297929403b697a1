#pragma once

#include "settings/cfg_var.h"
#include "support/string8.h"

// A stored UTF-8 text: the record holds its bytes, without length prefix or terminator.
class cfg_string : public cfg_var {
 public:
  cfg_string(const GUID &guid, const char *default_value);

  // Never null; an empty value is the empty text.
  const char *text() const { return value_.text(); }
  t_size length() const { return value_.length(); }
  void assign(const char *text) { value_.assign(text); }

  // An empty record gives the empty text; a record cut short leaves the value as it was.
  void load_value(input_stream &stream, t_size size_hint, abort_callback &abort) override;
  void save_value(output_stream &stream, abort_callback &abort) override;

 private:
  pfc::string8 value_;
};
