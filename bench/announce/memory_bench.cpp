// What 10,000 announcements through the shipped DLL leave behind in this process: private bytes,
// handles and USER/GDI objects after 1,000 announcements against after 10,000; and the DLL's size.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bare_announcement.h"
#include "loaded_player.h"
#include "messenger_standin.h"
#include "process_usage.h"
#include "program_folder.h"
#include "report.h"

namespace {

constexpr int first_count = 1000;
constexpr int total_count = 10000;
// Growth allowed between the two snapshots: the heap may settle by a few pages, nothing more.
constexpr double private_bytes_bound = 64 * 1024;
constexpr double dll_size_bound = 100 * 1024;

std::string kib(double bytes) { return fixed(bytes / 1024, 1) + " KiB"; }

// A count that stayed 0 throughout was most likely not counted at all (Wine answers 0 for some).
std::string count_line(const char *what, DWORD before, DWORD after) {
  const long growth = static_cast<long>(after) - static_cast<long>(before);
  std::string line = std::string(what) + ": " + std::to_string(before) + " -> " + std::to_string(after) +
                     ", growth " + std::to_string(growth) + ", bound 0, " + (growth <= 0 ? "ok" : "MISS");
  if (before == 0 && after == 0) line += " (reported as 0 throughout: not counted by this system)";
  return line;
}

double file_size(const std::wstring &path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return static_cast<double>(data.nFileSizeLow);
}

}  // namespace

int main() {
  const messenger_standin messenger({}, messenger_standin::logs::none);
  loaded_player player;
  const double dll_size = file_size(program_folder() + L"foo_tunesignal.dll");
  if (!messenger.running() || !player.ready() || dll_size < 0) {
    std::fprintf(stderr, "bench memory: the stand-in messenger or the component did not start\n");
    return 1;
  }
  fake_track kino{"\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0", "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE"};
  fake_track sigur{"Svefn-g-englar", "Sigur R\xC3\xB3s"};
  for (int i = 0; i < first_count; ++i) player.announce(i % 2 == 0 ? kino : sigur);
  const process_usage before = current_process_usage();
  for (int i = first_count; i < total_count; ++i) player.announce(i % 2 == 0 ? kino : sigur);
  const process_usage after = current_process_usage();
  if (!player.console().entries.empty() || texts_on_display().bottom.empty()) {
    std::fprintf(stderr, "bench memory: the component reported a problem or did not publish the tracks\n");
    return 1;
  }

  const double growth = after.private_bytes - before.private_bytes;
  const bool counts_kept = after.handles <= before.handles && after.user_objects <= before.user_objects &&
                           after.gdi_objects <= before.gdi_objects;
  const double ratio = growth > 0 ? growth / private_bytes_bound : 0;
  print_row("memory", kib(growth), kib(private_bytes_bound), ratio, 1.0, ratio <= 1.0 && counts_kept);
  print_detail("ours: growth of private bytes from announcement " + std::to_string(first_count) + " to " +
               std::to_string(total_count) + " (" + kib(before.private_bytes) + " -> " + kib(after.private_bytes) +
               ", the commit charge); baseline: the bound");
  print_detail(count_line("handles", before.handles, after.handles) + ", counted by " + after.handles_from);
  print_detail(count_line("USER objects", before.user_objects, after.user_objects));
  print_detail(count_line("GDI objects", before.gdi_objects, after.gdi_objects));
  print_row("dll_size", kib(dll_size), kib(dll_size_bound), dll_size / dll_size_bound, 1.0, dll_size <= dll_size_bound);
  print_detail("ours: foo_tunesignal.dll as shipped (dist/); baseline: the bound");
  return 0;
}
