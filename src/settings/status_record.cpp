#include "settings/status_record.h"

#include "settings/record_buffer_writer.h"
#include "support/status_text.h"

// The payload: a version byte, the instance (process, dialog window), a byte that is 1 while putting
// back is pending, then per field the user's
// value, the count of own values and the values. Integers are four bytes little-endian; a text is
// its count of UTF-16 units, then the units, two bytes each, little-endian.
namespace {

constexpr std::uint8_t record_version = 1;

// The largest payload a valid record can have: six texts at the limit and the fixed parts.
constexpr t_size largest_payload = 1 + 8 + 1 + 4 + 1 + 2 * 4 + 6 * (4 + 2 * pfc::status_text_limit) + 2 * 1;

class encoder {
 public:
  explicit encoder(record_bytes &out) : out_(out) {}

  void byte(std::uint8_t value) { out_.append(&value, 1); }

  void number(std::uint32_t value) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                   static_cast<std::uint8_t>(value >> 16),
                                   static_cast<std::uint8_t>(value >> 24)};
    out_.append(bytes, 4);
  }

  void value(std::int32_t picture) { number(static_cast<std::uint32_t>(picture)); }

  void value(const pfc::wide_string &text) {
    number(text.length());
    for (t_size i = 0; i < text.length(); ++i) {
      const std::uint16_t unit = static_cast<std::uint16_t>(text.c_str()[i]);
      const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(unit >> 8)};
      out_.append(bytes, 2);
    }
  }

  template <typename T>
  void field(const status_field<T> &kept) {
    value(kept.user);
    byte(kept.own_count);
    for (std::uint8_t i = 0; i < kept.own_count; ++i) value(kept.own[i]);
  }

 private:
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
    const std::uint8_t *bytes = at_ - 4;
    value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
            static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
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
    for (t_size i = 0; i < units; ++i) {
      room[i] = static_cast<pfc::wide_char>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    return true;
  }

  template <typename T>
  bool field(status_field<T> &kept) {
    if (!value(kept.user) || !byte(kept.own_count) || kept.own_count > status_field<T>::most_own) return false;
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

bool decode(const record_bytes &payload, status_record &out) {
  decoder in(payload.data(), payload.size());
  std::uint8_t version = 0;
  std::uint8_t pending = 0;
  if (!in.byte(version) || version != record_version || !in.number(out.messenger_process) ||
      !in.number(out.status_form) || !in.byte(pending) || pending > 1) {
    return false;
  }
  out.put_back_pending = pending == 1;
  return in.field(out.picture) && in.field(out.bottom) && in.field(out.top) && in.finished();
}

}  // namespace

void cfg_status_record::load_value(input_stream &stream, t_size, abort_callback &abort) {
  value = status_record();
  // Read as the bytes arrive, and never more than a valid record can hold: a size field that claims
  // more costs no memory.
  record_bytes payload;
  std::uint8_t piece[1024];
  for (;;) {
    const t_size got = stream.read(piece, sizeof piece, abort);
    payload.append(piece, got);
    if (got < sizeof piece || payload.size() > largest_payload) break;
  }
  status_record loaded;
  if (decode(payload, loaded)) value = loaded;
}

void cfg_status_record::save_value(output_stream &stream, abort_callback &abort) {
  record_bytes payload;
  encoder out(payload);
  out.byte(record_version);
  out.number(value.messenger_process);
  out.number(value.status_form);
  out.byte(value.put_back_pending ? 1 : 0);
  out.field(value.picture);
  out.field(value.bottom);
  out.field(value.top);
  stream.write(payload.data(), payload.size(), abort);
}
