// Single announcements through the shipped DLL into the stand-in messenger in its own process,
// each paired with a bare announcement that makes the same Win32 calls and sends the same messages.
// The tracks alternate from one announcement to the next, whichever side makes it, so that every
// announcement changes the texts on display and is published (the component publishes nothing when
// the texts are there already).
#include <cstdio>

#include "bare_announcement.h"
#include "loaded_player.h"
#include "publishing_messenger.h"
#include "report.h"

namespace {

constexpr double ratio_target = 1.10;
constexpr int steady_pairs = 1000;
// Ours and the bare loop each announce both tracks before the pairs: the first announcement opens
// the status dialog, and ours shows the texts that the bare loop then sends.
constexpr int warm_up_announcements = 4;

}  // namespace

int bench_main(bool quick) {
  const int pairs = repetitions(quick, steady_pairs);
  const publishing_messenger messenger;
  loaded_player player;
  if (!messenger.running() || !player.ready()) {
    std::fprintf(stderr, "bench announce: the stand-in messenger or the component did not start\n");
    return 1;
  }
  fake_track tracks[2] = {
      fake_track("\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0 \xD0\xBA\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB8",
                 "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE"),
      fake_track("Svefn-g-englar", "Sigur R\xC3\xB3s")};
  published_texts texts[2];
  for (int i = 0; i < 2; ++i) {
    player.announce(tracks[i]);
    texts[i] = texts_on_display();
  }
  for (const published_texts &shown : texts) bare_announcement(shown);

  int next = 0;
  const timing time = measure(
      pairs, [&] { player.announce(tracks[next++ % 2]); }, [&] { bare_announcement(texts[next++ % 2]); });

  if (!player.console().entries.empty() ||
      !messenger.published_alternately(warm_up_announcements + 2 * pairs)) {
    std::fprintf(
        stderr,
        "bench announce: not every announcement published a changed status (or the component reported "
        "a problem), so the times would not compare like with like\n");
    return 1;
  }
  print_row("announce", text_line().add_milliseconds(time.ours.middle),
            text_line().add_milliseconds(time.baseline.middle), time.ratio, ratio_target,
            judge(time.ratio, ratio_target));
  print_detail(text_line("pairs of single announcements: ")
                   .add_count(pairs)
                   .add(", in alternating order, of alternating tracks; each one published a changed status "
                        "(the messenger's log of published statuses shows it)"));
  print_detail(
      "ours: one announcement through the shipped DLL (the component loaded after shared.dll, a host "
      "of plain objects, the play callback's new-track event)");
  print_detail("baseline: the same Win32 calls and messages to the same windows, without the component");
  // Read from the per-pair ratio, which the verdict rests on: the difference of the two medians
  // swings with the noise of each side.
  const double baseline = time.baseline.middle;
  print_detail(text_line("added per announcement: ")
                   .add_milliseconds((time.ratio.middle - 1) * baseline)
                   .add(" (")
                   .add_milliseconds((time.ratio.low - 1) * baseline)
                   .add(" to ")
                   .add_milliseconds((time.ratio.high - 1) * baseline)
                   .add("): the baseline's median times the per-pair ratio less 1, median and interval"));
  return 0;
}
