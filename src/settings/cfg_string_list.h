#pragma once

#include "settings/cfg_var.h"
#include "support/list.h"
#include "support/string8.h"

// A stored ordered list of UTF-8 texts: a 32-bit count, then per entry a 32-bit byte length and
// the bytes.
class cfg_string_list : public cfg_var {
 public:
  explicit cfg_string_list(const GUID &guid) : cfg_var(guid) {}

  t_size count() const { return items_.count(); }
  pfc::string8 get_item(t_size index) const { return items_.get_item(index); }
  void remove_all() { items_.remove_all(); }
  void add(const char *text) {
    pfc::string8 entry(text);
    items_.add_by_swap(entry);
  }

  // Appends to what the list already holds. A record that ends early keeps the entries completed
  // so far; an entry that claims more bytes than the record holds ends the record without
  // allocating for it.
  void load_value(input_stream &stream, t_size size_hint, abort_callback &abort) override;
  void save_value(output_stream &stream, abort_callback &abort) override;

 private:
  pfc::list_t<pfc::string8> items_;
};
