// Saving and loading the stored chain of the seven settings with 10,000 and 100,000 presets,
// the component's settings built as the DLL is built, against the same bytes moved through the same
// host streams without it.
#include <cstdlib>
#include <cstring>

#include "host_streams.h"
#include "preset_texts.h"
#include "raw_copy.h"
#include "report.h"
#include "settings/config_variables.h"

namespace {

constexpr double load_target = 1.5;
constexpr double save_target = 2.0;
constexpr double scaling_target = 12.0;
// A run takes from a millisecond to a few dozen: many of them make the median steady.
constexpr int steady_repetitions = 31;

// Every run starts with the chain's bytes out of the processor's caches, as a load at start-up or a
// save at exit finds them: written over beforehand with more bytes than the caches hold. Without
// this, 10,000 presets would be timed from the cache and 100,000 from memory.
constexpr t_size cache_flush_bytes = 64u << 20;
char *cache_flush;

void flush_caches() {
  for (t_size i = 0; i < cache_flush_bytes; i += 64) cache_flush[i] = static_cast<char>(cache_flush[i] + 1);
}

struct saved_chain {
  void *bytes;
  t_size size;
};

saved_chain save_chain() {
  collected_bytes_stream out;
  abort_flag go_on;
  cfg_var_writer::save_chain(out, go_on);
  saved_chain chain;
  chain.bytes = out.release(chain.size);
  return chain;
}

void load_chain(const saved_chain &chain) {
  stored_bytes_stream in(chain.bytes, chain.size);
  abort_flag go_on;
  cfg_var_reader::load_chain(in, go_on);
}

struct presets_run {
  bench_case save;
  bench_case load;
};

// False when the loaded settings do not save back to the same bytes: then the timing means nothing.
bool run_with(t_size count, int repetitions, presets_run &run) {
  fill_presets(count);
  const saved_chain chain = save_chain();
  text_line what;
  what.add_count(static_cast<long>(count)).add(" presets (").add_count(static_cast<long>(chain.size / 1024)).add(
      " KiB)");
  // Each side saves into a block of the host's that it fills again every time, as a host saving
  // into the same memory would: the host's first growth of the block is not the component's work.
  collected_bytes_stream ours_out;
  collected_bytes_stream baseline_out;
  abort_flag go_on;
  run.save = {text_line("save, ").add(what),
              measure(
                  repetitions, [&] { cfg_var_writer::save_chain(ours_out, go_on); },
                  [&] { raw_save(chain.bytes, chain.size, baseline_out); },
                  [&] {
                    ours_out.clear();
                    baseline_out.clear();
                    flush_caches();
                  })};
  pfc::growing_block copy;
  run.load = {text_line("load, ").add(what), measure(
                                                 repetitions, [&] { load_chain(chain); },
                                                 [&] { raw_load(chain.bytes, chain.size, copy); },
                                                 [&] {
                                                   cfg_presets.remove_all();
                                                   copy.release();
                                                   flush_caches();
                                                 })};
  raw_load(chain.bytes, chain.size, copy);
  const bool copied = std::memcmp(copy.data(), chain.bytes, chain.size) == 0;
  cfg_presets.remove_all();
  load_chain(chain);
  const saved_chain again = save_chain();
  const bool same = copied && cfg_presets.count() == count && again.size == chain.size &&
                    std::memcmp(again.bytes, chain.bytes, chain.size) == 0;
  std::free(again.bytes);
  std::free(chain.bytes);
  return same;
}

// Ours at 100k over ours at 10k, with the interval the two medians' intervals give.
interval scaling(const timing &fewer, const timing &more) {
  return {more.ours.low / fewer.ours.high, more.ours.middle / fewer.ours.middle,
          more.ours.high / fewer.ours.low};
}

text_line scaling_line(const char *what, const interval &ratio, verdict v) {
  return text_line(what).add(" ").add_ratio(ratio).add(", target ").add_number(scaling_target, 2).add(", ").add(
      verdict_text(v));
}

}  // namespace

int bench_main(bool quick) {
  const int count = repetitions(quick, steady_repetitions);
  cache_flush = static_cast<char *>(std::calloc(cache_flush_bytes, 1));
  if (cache_flush == nullptr) return 1;
  presets_run ten_thousand;
  presets_run hundred_thousand;
  if (!run_with(10000, count, ten_thousand) || !run_with(100000, count, hundred_thousand)) {
    print_detail("bench settings: the loaded chain does not save back to the same bytes");
    return 1;
  }
  const interval save_scaling = scaling(ten_thousand.save.time, hundred_thousand.save.time);
  const interval load_scaling = scaling(ten_thousand.load.time, hundred_thousand.load.time);
  const verdict save_linear = judge(save_scaling, scaling_target);
  const verdict load_linear = judge(load_scaling, scaling_target);
  const bench_case saves[] = {ten_thousand.save, hundred_thousand.save};
  const bench_case loads[] = {ten_thousand.load, hundred_thousand.load};
  print_cases("settings_load", loads, 2, load_target, load_linear);
  print_detail(scaling_line("scaling ours(100k)/ours(10k):", load_scaling, load_linear));
  print_detail("ours: the component's settings, built as the DLL is (clang -Os, the platform's ABI), loading the "
               "chain from the host's stream");
  print_detail("baseline: the same bytes read through the same stream into a new block of their size (the same kind "
               "of memory, made usable at once), field by field (key, size, count, each entry's length and bytes)");
  print_detail("every run of either side starts with the bytes out of the caches (64 MiB written over)");
  print_cases("settings_save", saves, 2, save_target, save_linear);
  print_detail(scaling_line("scaling ours(100k)/ours(10k):", save_scaling, save_linear));
  std::free(cache_flush);
  print_detail("ours: the component's settings saving the chain into the host's stream; baseline: the same bytes "
               "written into the same kind of stream, three writes a record");
  return 0;
}
