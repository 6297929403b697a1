#include "users_status/status_record.h"

#include "settings/stream_integers.h"
#include "support/status_text.h"

// The payload: a version byte; in version 2 the sequence number; the instance (process, dialog
// window); a byte that is 1 while a write is not yet published (in version 1: while a put-back is
// pending); in version 2 two words where an opening of the dialog in flight was once kept (written
// as 0 and 0, and read past: a dialog on the screen at start is its user's); then per field the
// user's value, the count of own values and the values. Integers are four bytes little-endian; a
// text is its count of UTF-16 units, then the units, two bytes each, little-endian.
namespace {

constexpr std::uint8_t first_version = 1;
constexpr std::uint8_t record_version = 2;

class encoder {
 public:
  explicit encoder(record_bytes &out) : out_(out) {}

  void byte(std::uint8_t value) { *room(1) = value; }

  void number(std::uint32_t value) { put_uint32_le(room(4), value); }

  void value(std::int32_t picture) { number(static_cast<std::uint32_t>(picture)); }

  // A text in one piece: its units, two bytes each.
  void value(const pfc::wide_string &text) {
    const t_size length = text.length();
    number(length);
    std::uint8_t *bytes = room(pfc::checked_multiply(2, length));
    const pfc::wide_char *units = text.c_str();
    for (t_size i = 0; i < length; ++i) put_uint16_le(bytes + 2 * i, static_cast<std::uint16_t>(units[i]));
  }

  template <typename T>
  void field(const status_field<T> &kept) {
    value(kept.user);
    byte(kept.own_count);
    for (std::uint8_t i = 0; i < kept.own_count; ++i) value(kept.own[i]);
  }

 private:
  // `n` more bytes at the end, to be filled.
  std::uint8_t *room(t_size n) {
    const t_size at = out_.size();
    out_.set_size(pfc::checked_add(at, n));
    return &out_[at];
  }

  record_bytes &out_;
};

// Reads a payload held in memory; any fault makes every later read fail.
class decoder {
 public:
  decoder(const std::uint8_t *bytes, t_size size) : at_(bytes), left_(size) {}

  bool byte(std::uint8_t &value) {
    if (!take(1)) return false;
    value = at_[-1];
    return true;
  }

  bool number(std::uint32_t &value) {
    if (!take(4)) return false;
    value = uint32_le_at(at_ - 4);
    return true;
  }

  bool value(std::int32_t &picture) {
    std::uint32_t stored = 0;
    if (!number(stored)) return false;
    picture = static_cast<std::int32_t>(stored);
    return true;
  }

  bool value(pfc::wide_string &text) {
    std::uint32_t units = 0;
    if (!number(units) || units > pfc::status_text_limit || !take(2 * units)) return false;
    const std::uint8_t *bytes = at_ - 2 * units;
    pfc::wide_char *room = text.buffer_for(units);
    for (t_size i = 0; i < units; ++i) room[i] = static_cast<pfc::wide_char>(uint16_le_at(bytes + 2 * i));
    return true;
  }

  template <typename T>
  bool field(status_field<T> &kept) {
    if (!value(kept.user) || !byte(kept.own_count) || kept.own_count > status_field<T>::most_own)
      return false;
    for (std::uint8_t i = 0; i < kept.own_count; ++i) {
      if (!value(kept.own[i])) return false;
    }
    return true;
  }

  bool finished() const { return left_ == 0; }

 private:
  bool take(t_size n) {
    if (n > left_) return false;
    at_ += n;
    left_ -= n;
    return true;
  }

  const std::uint8_t *at_;
  t_size left_;
};

bool decode_owed(decoder &in, std::uint8_t version, status_record &out) {
  std::uint8_t unapplied = 0;
  if (!in.byte(unapplied) || unapplied > 1) return false;
  out.unapplied = unapplied == 1;
  std::uint32_t opening_process = 0;
  std::uint32_t opening_form = 0;
  return version == first_version || (in.number(opening_process) && in.number(opening_form));
}

}  // namespace

void encode_status_record(const status_record &record, record_bytes &out) {
  encoder in(out);
  in.byte(record_version);
  in.number(record.sequence);
  in.number(record.messenger_process);
  in.number(record.status_form);
  in.byte(record.unapplied ? 1 : 0);
  in.number(0);
  in.number(0);
  in.field(record.picture);
  in.field(record.bottom);
  in.field(record.top);
}

bool decode_status_record(const std::uint8_t *bytes, t_size size, status_record &out) {
  decoder in(bytes, size);
  status_record read;
  std::uint8_t version = 0;
  if (!in.byte(version) || (version != first_version && version != record_version)) return false;
  if (version == record_version && !in.number(read.sequence)) return false;
  if (!in.number(read.messenger_process) || !in.number(read.status_form) || !decode_owed(in, version, read) ||
      !in.field(read.picture) || !in.field(read.bottom) || !in.field(read.top) || !in.finished()) {
    return false;
  }
  out = read;
  return true;
}
