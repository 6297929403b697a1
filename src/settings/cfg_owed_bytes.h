#pragma once

#include "settings/cfg_var.h"
#include "settings/record_buffer_writer.h"

// Bytes kept with the settings for a layer above, which alone knows what they mean (the user's
// status record): stored only while there are some, so that the stored settings are what they are
// without them the rest of the time. A stored payload longer than `most` is not taken: nothing that
// long was ever stored, and reading stops there, so a size field that claims more costs no memory.
class cfg_owed_bytes : public cfg_var {
 public:
  cfg_owed_bytes(const GUID &guid, t_size most) : cfg_var(guid), most_(most) {}

  record_bytes bytes;

  // Whether the copy in the host's stored settings (as loaded, or as last saved) holds bytes: a
  // later session would start from it unless a newer copy says otherwise.
  bool stored_copy_owes() const { return stored_owes_; }

  // Back to the state at load: nothing known, nothing stored.
  void forget();

  bool has_record() const override { return bytes.size() != 0; }
  void load_value(input_stream &stream, t_size size_hint, abort_callback &abort) override;
  void save_value(output_stream &stream, abort_callback &abort) override;
  t_size payload_size() const override { return bytes.size(); }
  void chain_saved() override { stored_owes_ = bytes.size() != 0; }

 private:
  t_size most_;
  bool stored_owes_ = false;
};
