// Saving and loading the stored chain of the seven settings with many presets, through the host
// kit's streams, against moving the same bytes through the same streams in the same pieces.
#include <cstdio>
#include <string>
#include <vector>

#include "chain_pieces.h"
#include "host_streams.h"
#include "measure.h"
#include "report.h"
#include "settings/config_variables.h"
#include "settings_reset.h"

namespace {

constexpr double ratio_target = 3.0;
constexpr double scaling_target = 12.0;
// A run takes from a millisecond to a few: many of them make the median steady.
constexpr int steady_repetitions = 21;

// Presets as users write them: 20 to 110 bytes, every third one Cyrillic.
std::string preset_text(t_size i) {
  const std::string number = std::to_string(i);
  switch (i % 4) {
    case 0:
      return "[%artist% - ]%title% #" + number;
    case 1:
      return "\xD0\x98\xD1\x81\xD0\xBF\xD0\xBE\xD0\xBB\xD0\xBD\xD0\xB8\xD1\x82\xD0\xB5\xD0\xBB\xD1\x8C: %artist%, "
             "\xD0\xBF\xD0\xB5\xD1\x81\xD0\xBD\xD1\x8F: %title% (" +
             number + ")";
    case 2:
      return "%artist% - [%album% - ]%title% [%length%] " + number;
    default:
      return "[%artist% - ]$if(%album%,'['%album% $if(%tracknumber%,'#'%tracknumber%,)'] ',)"
             "$if(%title%,%title%,%_filename%) v" +
             number;
  }
}

void fill_presets(t_size count) {
  reset_settings();
  for (t_size i = 0; i < count; ++i) cfg_presets.add(preset_text(i).c_str());
}

std::vector<std::uint8_t> save_chain() {
  collected_bytes_stream out;
  abort_flag go_on;
  cfg_var_writer::save_chain(out, go_on);
  return std::vector<std::uint8_t>(out.data(), out.data() + out.size());
}

void load_chain(const std::vector<std::uint8_t> &chain) {
  stored_bytes_stream in(chain.data(), static_cast<t_size>(chain.size()));
  abort_flag go_on;
  cfg_var_reader::load_chain(in, go_on);
}

struct presets_run {
  bench_case save;
  bench_case load;
};

// Null when the loaded settings do not save back to the same bytes: then the timing means nothing.
bool run_with(t_size count, int repetitions, presets_run &run) {
  fill_presets(count);
  const std::vector<std::uint8_t> chain = save_chain();
  const t_size size = static_cast<t_size>(chain.size());
  const std::vector<t_size> pieces = chain_pieces(chain.data(), size);

  const std::string what = std::to_string(count) + " presets (" + std::to_string(size / 1024) + " KiB, " +
                           std::to_string(pieces.size()) + " pieces)";
  run.save = {"save, " + what, measure(repetitions, [] { save_chain(); }, [&] { raw_save(chain.data(), pieces); })};
  std::vector<std::uint8_t> copy(size);
  run.load = {"load, " + what, measure(repetitions, [&] { load_chain(chain); },
                                       [&] { raw_load(chain.data(), size, pieces, copy.data()); },
                                       [] { reset_settings(); })};

  reset_settings();
  load_chain(chain);
  return cfg_presets.count() == count && save_chain() == chain;
}

}  // namespace

int main(int argc, char **argv) {
  const int count = repetitions(argc, argv, steady_repetitions);
  presets_run small;
  presets_run large;
  if (!run_with(10000, count, small) || !run_with(100000, count, large)) {
    std::fprintf(stderr, "bench settings: the loaded chain does not save back to the same bytes\n");
    return 1;
  }
  const double save_scaling = large.save.time.ours / small.save.time.ours;
  const double load_scaling = large.load.time.ours / small.load.time.ours;
  const bool linear = save_scaling <= scaling_target && load_scaling <= scaling_target;
  print_cases("settings", {small.save, small.load, large.save, large.load}, ratio_target, linear);
  print_detail("scaling ours(100k)/ours(10k): save " + fixed(save_scaling, 2) + ", load " + fixed(load_scaling, 2) +
               ", target " + fixed(scaling_target, 2) + ", " + (linear ? "ok" : "MISS"));
  print_detail("baseline: the chain's bytes through the same host streams, one call per field");
  return 0;
}
