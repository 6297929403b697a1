// Feeds arbitrary bytes to the stored-chain loader as a host would hand them over. Beyond the
// sanitizers' checks: the loader must fail exactly when the bytes do not form whole records (a
// read past a record would put it out of step), and whatever it loaded must save, load and save
// again to identical bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <vector>

#include "settings/config_variables.h"
#include "settings/io_exceptions.h"

namespace {

using bytes = std::vector<std::uint8_t>;

class host_shortage : public std::exception {};

class host_input : public input_stream {
 public:
  explicit host_input(bytes data) : data_(std::move(data)) {}
  t_size read(void *buffer, t_size n, abort_callback &) override {
    const std::size_t left = data_.size() - position_;
    const t_size got = n < left ? n : static_cast<t_size>(left);
    if (got != 0) std::memcpy(buffer, data_.data() + position_, got);
    position_ += got;
    return got;
  }
  void read_exact(void *buffer, t_size n, abort_callback &abort) override {
    if (read(buffer, n, abort) != n) throw host_shortage();
  }
  std::uint64_t skip(std::uint64_t n, abort_callback &) override {
    const std::uint64_t left = data_.size() - position_;
    const std::uint64_t skipped = n < left ? n : left;
    position_ += static_cast<std::size_t>(skipped);
    return skipped;
  }
  void skip_exact(std::uint64_t n, abort_callback &abort) override {
    if (skip(n, abort) != n) throw host_shortage();
  }

 private:
  bytes data_;
  std::size_t position_ = 0;
};

class host_output : public output_stream {
 public:
  void write(const void *buffer, t_size n, abort_callback &) override {
    const auto *p = static_cast<const std::uint8_t *>(buffer);
    data.insert(data.end(), p, p + n);
  }
  bytes data;
};

class never_abort : public abort_callback {
 public:
  bool is_aborting() override { return false; }
};

// Whole records only, judged without the loader: each header and payload fits, and what is left
// at the end is shorter than a GUID.
bool whole_records(const std::uint8_t *data, std::size_t size) {
  std::size_t position = 0;
  while (size - position >= 16) {
    if (size - position < 20) return false;
    const std::uint8_t *field = data + position + 16;
    const std::uint64_t payload = static_cast<std::uint64_t>(field[0]) | field[1] << 8 | field[2] << 16 |
                                  static_cast<std::uint64_t>(field[3]) << 24;
    position += 20;
    if (size - position < payload) return false;
    position += static_cast<std::size_t>(payload);
  }
  return true;
}

void restore_defaults() {
  cfg_enabled = true;
  cfg_active_script.assign(default_title_script);
  cfg_top_text.assign("Now Playing:");
  cfg_music_status_only = false;
  cfg_keep_status_picture = false;
  cfg_keep_first_edit = false;
  cfg_presets.remove_all();
}

bool load(const bytes &data) {
  host_input in(data);
  never_abort abort;
  try {
    cfg_var_reader::load_chain(in, abort);
    return true;
  } catch (const host_shortage &) {
  } catch (const foobar2000_io::exception_io_data &) {
  }
  return false;
}

bytes save() {
  host_output out;
  never_abort abort;
  cfg_var_writer::save_chain(out, abort);
  return out.data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  restore_defaults();
  const bool loaded = load(bytes(data, data + size));
  if (loaded != whole_records(data, size)) std::abort();

  const bytes first = save();
  restore_defaults();
  if (!load(first)) std::abort();
  if (save() != first) std::abort();
  return 0;
}
