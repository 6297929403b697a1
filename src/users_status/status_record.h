#pragma once

#include <cstdint>

#include "settings/config_variables.h"
#include "settings/record_buffer_writer.h"
#include "support/status_text.h"
#include "support/wide_string.h"

// One field of the messenger's status (the picture, the bottom text or the top text) as the
// component knows it: the user's own value, and the values of the component's own that may be on
// display in it or published to the user's contacts: none; the one it published last; and, until a
// later write is published, the values written since (the dialog's Cancel brings back what was
// published).
template <typename T>
struct status_field {
  static constexpr std::uint8_t most_own = 3;

  T user{};
  T own[most_own]{};
  std::uint8_t own_count = 0;

  bool shows_own(const T &shown) const {
    for (std::uint8_t i = 0; i < own_count; ++i) {
      if (own[i] == shown) return true;
    }
    return false;
  }

  bool operator==(const status_field &other) const {
    if (user != other.user || own_count != other.own_count) return false;
    for (std::uint8_t i = 0; i < own_count; ++i) {
      if (own[i] != other.own[i]) return false;
    }
    return true;
  }
};

// The user's status and the component's own, field by field, and what the component still owes the
// messenger: a write into the dialog that may not have been published (applied) yet. The messenger
// instance whose dialog was read last names its process and its status dialog's window. Each
// change that is kept gets the next sequence number, so that of two copies the newer one is known.
struct status_record {
  std::uint32_t sequence = 0;
  std::uint32_t messenger_process = 0;
  std::uint32_t status_form = 0;
  bool unapplied = false;
  status_field<std::int32_t> picture;
  status_field<pfc::wide_string> bottom;
  status_field<pfc::wide_string> top;

  bool holds_own() const { return picture.own_count + bottom.own_count + top.own_count > 0; }
  bool anything_owed() const { return holds_own() || unapplied; }

  // The same content, whatever the sequence numbers.
  bool same_as(const status_record &other) const {
    return messenger_process == other.messenger_process && status_form == other.status_form &&
           unapplied == other.unapplied && picture == other.picture && bottom == other.bottom &&
           top == other.top;
  }
};

// The record's bytes, the same with the settings and in the component's own file. A record that is
// damaged, cut short or of an unknown version does not decode; one of the first version does, with
// sequence 0 and its pending put-back as a write not yet published.
void encode_status_record(const status_record &record, record_bytes &out);
bool decode_status_record(const std::uint8_t *bytes, t_size size, status_record &out);

// The largest payload a valid record can have: the version byte, the sequence, the instance, the
// unpublished write, the words where an opening was once kept, the picture field with its own
// values, and the two text fields with theirs, all at the limit.
constexpr t_size largest_status_record =
    1 + 4 + 8 + 1 + 8 + (4 + 1 + status_field<std::int32_t>::most_own * 4) +
    2 * (1 + (1 + status_field<pfc::wide_string>::most_own) * (4 + 2 * pfc::status_text_limit));
static_assert(largest_status_record <= owed_status_most_bytes,
              "the settings must take back the longest record the keeper stores");
