#pragma once

#include "buffer.h"
#include "support/string_base.h"

// The host's UTF-8 string: what the component writes into through pfc::string_base's table, and
// what the host's own lines are made of.
class host_text : public pfc::string_base {
 public:
  host_text() = default;
  explicit host_text(const char *text) { add(text); }

  void append(const char *text, t_size limit) override;
  const char *text() const override { return chars_.data(); }
  void assign(const char *text, t_size limit) override;
  void shorten(t_size length) override { chars_.truncate(length); }
  t_size length() const override { return chars_.size(); }
  char *begin_write(t_size n) override;
  void end_write() override;

  host_text &add(const char *text) {
    append(text, pfc::infinite_size);
    return *this;
  }
  host_text &add_number(t_size number);

 private:
  buffer<char> chars_;
};
