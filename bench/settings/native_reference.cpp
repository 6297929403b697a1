// The native reference of the settings' loading: the component's loader against the loader a C++
// programmer would write first (read the length, construct a std::string, push_back), built by the
// same compiler with the same flags, reading the same chain of 100,000 presets from the same stream.
#include <malloc.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host_streams.h"
#include "preset_texts.h"
#include "report.h"
#include "settings/config_variables.h"
#include "settings/guid_bytes.h"
#include "settings/stream_integers.h"

namespace {

constexpr int steady_repetitions = 31;
// Ours must be the faster.
constexpr double ratio_target = 1.0;

// The chain's records in turn; the preset list's entries go into `presets`, every other payload
// into a string of its own.
void idiomatic_load(const std::vector<std::uint8_t> &chain, std::vector<std::string> &presets,
                    std::vector<std::string> &others) {
  const guid_bytes list_key = guid_to_bytes(cfg_presets.guid());
  stored_bytes_stream in(chain.data(), static_cast<t_size>(chain.size()));
  abort_flag go_on;
  std::uint8_t key[16];
  while (in.read(key, 16, go_on) == 16) {
    const t_size size = read_uint32_le(in, go_on);
    if (std::memcmp(key, list_key.bytes, 16) != 0) {
      std::string payload(size, '\0');
      in.read_exact(payload.data(), size, go_on);
      others.push_back(std::move(payload));
      continue;
    }
    const t_size count = read_uint32_le(in, go_on);
    for (t_size i = 0; i < count; ++i) {
      const t_size length = read_uint32_le(in, go_on);
      std::string entry(length, '\0');
      in.read_exact(entry.data(), length, go_on);
      presets.push_back(std::move(entry));
    }
  }
}

}  // namespace

int bench_main(bool quick) {
  const int count = repetitions(quick, steady_repetitions);
  constexpr t_size preset_count = 100000;
  fill_presets(preset_count);
  collected_bytes_stream out;
  abort_flag go_on;
  cfg_var_writer::save_chain(out, go_on);
  const std::vector<std::uint8_t> chain(out.data(), out.data() + out.size());

  std::vector<std::string> presets;
  std::vector<std::string> others;
  const auto ours = [&] {
    stored_bytes_stream in(chain.data(), static_cast<t_size>(chain.size()));
    cfg_var_reader::load_chain(in, go_on);
  };
  // Each load starts as the one at start-up does, with no memory of an earlier one at hand: what
  // either side let go of is given back to the system first.
  const auto forget = [&] {
    cfg_presets.remove_all();
    presets.clear();
    presets.shrink_to_fit();
    others.clear();
    others.shrink_to_fit();
    malloc_trim(0);
  };
  const timing time = measure(
      count, ours, [&] { idiomatic_load(chain, presets, others); }, forget);
  forget();
  ours();
  idiomatic_load(chain, presets, others);
  if (cfg_presets.count() != preset_count || presets.size() != preset_count ||
      std::string(cfg_presets.get_item(preset_count - 1).text()) != presets.back()) {
    print_detail("bench settings_native: the two loaders did not read the same presets");
    return 1;
  }
  const bench_case load{
      text_line("load, 100000 presets (").add_count(static_cast<long>(chain.size() / 1024)).add(" KiB)"),
      time};
  print_cases("settings_native", &load, 1, ratio_target);
  print_detail(
      "ours: the component's loader, natively (clang, release); baseline: read the length, construct a "
      "std::string, push_back into a std::vector, through the same stream, same compiler and flags");
  print_detail("before every load of either side, the memory of the last one is given back to the system");
  return 0;
}
