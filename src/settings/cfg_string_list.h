#pragma once

#include "settings/cfg_var.h"
#include "support/growing_block.h"
#include "support/string8.h"

// A stored ordered list of UTF-8 texts: a 32-bit count, then per entry a 32-bit byte length and
// the bytes. In memory the entries stay as they are stored, one after the other in one block, and
// an index holds where each entry's bytes begin: loading is a read of the record into the block and
// one walk over its lengths, saving is one write of the block. A record's bytes go straight into
// the block, which grows in place as they arrive.
class cfg_string_list : public cfg_var {
 public:
  explicit cfg_string_list(const GUID &guid) : cfg_var(guid) {}
  ~cfg_string_list();
  cfg_string_list(const cfg_string_list &) = delete;
  cfg_string_list &operator=(const cfg_string_list &) = delete;

  t_size count() const { return count_; }
  // The entry's text up to its first NUL byte, if it holds one.
  pfc::string8 get_item(t_size index) const;
  void remove_all();
  void add(const char *text);

  // Appends to what the list already holds. A record that ends early keeps the entries completed
  // so far; memory follows the bytes that actually arrive, whatever the record's size or an entry's
  // length claims.
  void load_value(input_stream &stream, t_size size_hint, abort_callback &abort) override;
  void save_value(output_stream &stream, abort_callback &abort) override;
  t_size payload_size() const override { return 4 + used_; }

 private:
  // Room for `count` index entries, reallocated to exactly that.
  void reserve_index(t_size count);
  // Reads up to `size` bytes from the stream after the entries; returns how many arrived.
  t_size read_after_entries(input_stream &stream, t_size size, abort_callback &abort);

  pfc::growing_block bytes_;
  t_size used_ = 0;
  t_size *starts_ = nullptr;
  t_size count_ = 0;
  t_size index_room_ = 0;
};
