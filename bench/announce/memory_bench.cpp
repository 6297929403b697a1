// What 10,000 announcements through the shipped DLL leave behind in this process: the growth of
// its committed private bytes and of its busy heap bytes, handles and USER/GDI objects from after
// 1,000 announcements to after 10,000; and the DLL's size.
#include <windows.h>

#include <cstdio>
#include <string>

#include "loaded_player.h"
#include "process_usage.h"
#include "program_folder.h"
#include "publishing_messenger.h"
#include "report.h"

namespace {

constexpr int steady_first = 1000;
constexpr int steady_total = 10000;
constexpr long page = 4096;
// Growth allowed between the two snapshots. After 1,000 announcements everything the component keeps
// exists already and each announcement gives back what it takes, so the busy heap may differ only
// by what the heap does for itself, a few blocks within one page; a leak of even 8 bytes per
// announcement would add 72,000 bytes, 17 pages. The committed memory may settle by the page those
// blocks need and by a page of stack or two: four pages, nothing more.
constexpr long busy_heap_bound = page;
constexpr long committed_bound = 4 * page;
constexpr double dll_size_bound = 100 * 1024;

text_line kib(double bytes) { return text_line().add_number(bytes / 1024, 1).add(" KiB"); }

text_line bytes(long count) { return text_line().add_count(count).add(" bytes"); }

text_line growth_in_bytes(long growth) { return text_line(growth > 0 ? "+" : "").add(bytes(growth)); }

// A single measurement, judged as an interval of width 0.
interval exactly(double value) { return {value, value, value}; }

// A count that must not grow; one that stayed 0 throughout was most likely not counted at all (Wine
// answers 0 for some).
struct count_growth {
  text_line line;
  verdict judged;
};

count_growth count_line(const char *what, DWORD before, DWORD after) {
  const long growth = static_cast<long>(after) - static_cast<long>(before);
  count_growth result = {text_line(what), growth <= 0 ? verdict::ok : verdict::miss};
  result.line.add(": ").add_count(static_cast<long>(before)).add(" -> ").add_count(static_cast<long>(after));
  result.line.add(", growth ").add_count(growth).add(", bound 0, ").add(verdict_text(result.judged));
  if (before == 0 && after == 0) result.line.add(" (reported as 0 throughout: not counted by this system)");
  return result;
}

// A row for the growth of one count of memory against its bound; `others` joins its verdict.
void growth_row(const char *name, double before, double after, long bound, verdict others) {
  const long growth = static_cast<long>(after - before);
  const interval ratio = exactly(static_cast<double>(growth) / static_cast<double>(bound));
  print_row(name, growth_in_bytes(growth), bytes(bound), ratio, 1.0, worse(judge(ratio, 1.0), others));
}

text_line snapshots(const char *what, double before, double after, int first, int total) {
  text_line line("ours: growth of ");
  line.add(what).add(" from after announcement ").add_count(first).add(" to after ").add_count(total);
  return line.add(" (").add(kib(before)).add(" -> ").add(kib(after)).add(")");
}

double file_size(const std::wstring &path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return static_cast<double>(data.nFileSizeLow);
}

}  // namespace

int bench_main(bool quick) {
  const int first = quick ? steady_first / 100 : steady_first;
  const int total = quick ? steady_total / 100 : steady_total;
  const publishing_messenger messenger;
  loaded_player player;
  const double dll_size = file_size(component_beside_program());
  if (!messenger.running() || !player.ready() || dll_size < 0) {
    std::fprintf(stderr, "bench memory: the stand-in messenger or the component did not start\n");
    return 1;
  }
  fake_track tracks[2] = {
      fake_track("\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0", "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE"),
      fake_track("Svefn-g-englar", "Sigur R\xC3\xB3s")};
  for (int i = 0; i < first; ++i) player.announce(tracks[i % 2]);
  const process_usage before = current_process_usage();
  for (int i = first; i < total; ++i) player.announce(tracks[i % 2]);
  const process_usage after = current_process_usage();
  if (!player.console().entries.empty() ||
      !messenger.published_alternately(static_cast<std::size_t>(total))) {
    std::fprintf(
        stderr,
        "bench memory: not every announcement published a changed status (or the component reported a "
        "problem)\n");
    return 1;
  }

  const count_growth counts[] = {count_line("handles", before.handles, after.handles),
                                 count_line("USER objects", before.user_objects, after.user_objects),
                                 count_line("GDI objects", before.gdi_objects, after.gdi_objects)};
  verdict counts_kept = verdict::ok;
  for (const count_growth &count : counts) counts_kept = worse(counts_kept, count.judged);

  growth_row("memory_private", before.committed_private_bytes, after.committed_private_bytes, committed_bound,
             counts_kept);
  print_detail(snapshots("the committed private bytes (VirtualQuery: MEM_COMMIT regions of type MEM_PRIVATE)",
                         before.committed_private_bytes, after.committed_private_bytes, first, total));
  print_detail("baseline: the bound, 4 pages; the row's verdict includes the counts below");
  for (const count_growth &count : counts) print_detail(count.line);
  print_detail(text_line("handles counted by ").add(after.handles_from));

  growth_row("memory_heap", before.busy_heap_bytes, after.busy_heap_bytes, busy_heap_bound, verdict::ok);
  print_detail(
      snapshots("the busy heap bytes (HeapWalk over every heap of GetProcessHeaps, busy entries added)",
                before.busy_heap_bytes, after.busy_heap_bytes, first, total));
  print_detail("baseline: the bound, 1 page");

  const interval size_ratio = exactly(dll_size / dll_size_bound);
  print_row("dll_size", kib(dll_size), kib(dll_size_bound), size_ratio, 1.0, judge(size_ratio, 1.0));
  print_detail("ours: the component's DLL as shipped (dist/); baseline: the bound");
  return 0;
}
