#pragma once

#include <cstdint>

#include "settings/cfg_var.h"
#include "support/wide_string.h"

// One field of the messenger's status (the picture, the bottom text or the top text) as the
// component knows it: the user's own value, and the values of the component's own that may be on
// display in it: none; the one it wrote last; or, while that write went unanswered, also the one
// before it.
template <typename T>
struct status_field {
  static constexpr std::uint8_t most_own = 2;

  T user{};
  T own[most_own]{};
  std::uint8_t own_count = 0;

  bool shows_own(const T &shown) const {
    for (std::uint8_t i = 0; i < own_count; ++i) {
      if (own[i] == shown) return true;
    }
    return false;
  }
};

// The user's status and the component's own, field by field, the messenger instance they were last
// seen in (its process and its status dialog's window), and whether putting the user's status back
// has yet to be done: a dialog may hold the user's texts again while contacts still see the
// component's, until the dialog is applied.
struct status_record {
  std::uint32_t messenger_process = 0;
  std::uint32_t status_form = 0;
  bool put_back_pending = false;
  status_field<std::int32_t> picture;
  status_field<pfc::wide_string> bottom;
  status_field<pfc::wide_string> top;

  bool holds_own() const { return picture.own_count + bottom.own_count + top.own_count > 0; }
  bool anything_to_put_back() const { return put_back_pending || holds_own(); }
};

// The record as a stored variable, so that a later session still tells the component's own texts
// from the user's. It is stored only while something of the component's may be on display; the
// rest of the time the chain leaves it out, and the stored settings are what they are without it.
class cfg_status_record : public cfg_var {
 public:
  explicit cfg_status_record(const GUID &guid) : cfg_var(guid) {}

  status_record value;

  bool has_record() const override { return value.anything_to_put_back(); }

  // A record that is damaged, cut short or of another version leaves nothing kept.
  void load_value(input_stream &stream, t_size size_hint, abort_callback &abort) override;
  void save_value(output_stream &stream, abort_callback &abort) override;
};
