// Saving and loading the stored chain of the settings with 10,000 and 100,000 presets,
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

// One preset count: its chain and the pairs timed on it.
struct chain_case {
  chain_case(t_size presets, int count) : presets(presets), load(count), save(count) {
    fill_presets(presets);
    chain = save_chain();
  }
  ~chain_case() { std::free(chain.bytes); }

  t_size presets;
  saved_chain chain;
  pair_collector load;
  pair_collector save;
};

// The host's side of the timing: each side saves into a block of the host's that it fills again
// every time, as a host saving into the same memory would (the host's first growth of the block is
// not the component's work); the baseline loads into a block of its own.
struct host_side {
  collected_bytes_stream ours_out;
  collected_bytes_stream baseline_out;
  abort_flag go_on;
  pfc::growing_block copy;
};

void time_pairs(chain_case &timed, bool ours_first, host_side &host) {
  const saved_chain &chain = timed.chain;
  measure_pair(
      timed.load, ours_first, [&] { load_chain(chain); },
      [&] { raw_load(chain.bytes, chain.size, host.copy); },
      [&] {
        cfg_presets.remove_all();
        host.copy.release();
        flush_caches();
      });
  cfg_presets.remove_all();
  load_chain(chain);
  measure_pair(
      timed.save, ours_first, [&] { cfg_var_writer::save_chain(host.ours_out, host.go_on); },
      [&] { raw_save(chain.bytes, chain.size, host.baseline_out); },
      [&] {
        host.ours_out.clear();
        host.baseline_out.clear();
        flush_caches();
      });
}

// False when the loaded settings do not save back to the same bytes, or the baseline's copy differs
// from them: then the timing means nothing.
bool same_bytes_both_ways(const chain_case &timed, host_side &host) {
  const saved_chain &chain = timed.chain;
  raw_load(chain.bytes, chain.size, host.copy);
  const bool copied = std::memcmp(host.copy.data(), chain.bytes, chain.size) == 0;
  cfg_presets.remove_all();
  load_chain(chain);
  const saved_chain again = save_chain();
  const bool same = copied && cfg_presets.count() == timed.presets && again.size == chain.size &&
                    std::memcmp(again.bytes, chain.bytes, chain.size) == 0;
  std::free(again.bytes);
  return same;
}

text_line what(const char *operation, const chain_case &timed) {
  return text_line(operation)
      .add(", ")
      .add_count(static_cast<long>(timed.presets))
      .add(" presets (")
      .add_count(static_cast<long>(timed.chain.size / 1024))
      .add(" KiB)");
}

// Prints the row of one operation with its growth from 10,000 presets to 100,000 as a detail line.
void print_operation(const char *name, double target, const bench_case (&cases)[2], pair_collector &growth) {
  const interval scaling = growth.result().ratio;
  const verdict linear = judge(scaling, scaling_target);
  print_cases(name, cases, 2, target, linear);
  print_detail(text_line("scaling ours(100k)/ours(10k), turn by turn: ")
                   .add_ratio(scaling)
                   .add(", target ")
                   .add_number(scaling_target, 2)
                   .add(", ")
                   .add(verdict_text(linear)));
}

}  // namespace

int bench_main(bool quick) {
  const int count = repetitions(quick, steady_repetitions);
  cache_flush = static_cast<char *>(std::calloc(cache_flush_bytes, 1));
  if (cache_flush == nullptr) return 1;
  chain_case fewer(10000, count);
  chain_case more(100000, count);
  host_side host;
  pair_collector load_growth(count);
  pair_collector save_growth(count);
  // The two sizes in turns, so that a change of pace of the machine touches both, and each turn's
  // growth from one to the other is read as a pair.
  for (int i = 0; i < count; ++i) {
    time_pairs(fewer, i % 2 == 0, host);
    time_pairs(more, i % 2 == 0, host);
    load_growth.add(more.load.last_ours(), fewer.load.last_ours());
    save_growth.add(more.save.last_ours(), fewer.save.last_ours());
  }
  const bool same = same_bytes_both_ways(fewer, host) && same_bytes_both_ways(more, host);
  std::free(cache_flush);
  if (!same) {
    print_detail("bench settings: the loaded chain does not save back to the same bytes");
    return 1;
  }
  const bench_case loads[2] = {{what("load", fewer), fewer.load.result()},
                               {what("load", more), more.load.result()}};
  print_operation("settings_load", load_target, loads, load_growth);
  print_detail(
      "ours: the component's settings, built as the DLL is (clang -Os, the platform's ABI), loading the "
      "chain from the host's stream");
  print_detail(
      "baseline: the same bytes read through the same stream into a new block of their size (the same kind "
      "of memory, made usable at once), field by field (key, size, count, each entry's length and bytes)");
  print_detail("every run of either side starts with the bytes out of the caches (64 MiB written over)");
  const bench_case saves[2] = {{what("save", fewer), fewer.save.result()},
                               {what("save", more), more.save.result()}};
  print_operation("settings_save", save_target, saves, save_growth);
  print_detail(
      "ours: the component's settings saving the chain into the host's stream; baseline: the same bytes "
      "written into the same kind of stream, three writes a record");
  return 0;
}
