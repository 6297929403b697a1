// Announcements of alternating tracks through the shipped DLL into the stand-in messenger in its
// own process, against a bare loop that makes the same Win32 calls and sends the same messages.
#include <cstdio>

#include "bare_announcement.h"
#include "loaded_player.h"
#include "measure.h"
#include "messenger_standin.h"
#include "report.h"

namespace {

constexpr double ratio_target = 1.10;
constexpr int announcements = 1000;

}  // namespace

int main(int argc, char **argv) {
  const int count = repetitions(argc, argv);
  const messenger_standin messenger({}, messenger_standin::logs::none);
  loaded_player player;
  if (!messenger.running() || !player.ready()) {
    std::fprintf(stderr, "bench announce: the stand-in messenger or the component did not start\n");
    return 1;
  }
  fake_track kino{"\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0 \xD0\xBA\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB8",
                  "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE"};
  fake_track sigur{"Svefn-g-englar", "Sigur R\xC3\xB3s"};

  // The first announcement opens the status dialog and saves the user's status; the texts each
  // track puts on display are what the bare loop sends.
  player.announce(kino);
  const published_texts kino_texts = texts_on_display();
  player.announce(sigur);
  const published_texts sigur_texts = texts_on_display();

  const timing time = measure(
      count,
      [&] {
        for (int i = 0; i < announcements; ++i) player.announce(i % 2 == 0 ? kino : sigur);
      },
      [&] {
        for (int i = 0; i < announcements; ++i) bare_announcement(i % 2 == 0 ? kino_texts : sigur_texts);
      });
  if (!player.console().entries.empty() || texts_on_display().bottom != sigur_texts.bottom) {
    std::fprintf(stderr, "bench announce: the component reported a problem or did not publish the tracks\n");
    return 1;
  }
  const double ratio = time.ours / time.baseline;
  print_row("announce", milliseconds(time.ours), milliseconds(time.baseline), ratio, ratio_target,
            ratio <= ratio_target);
  print_detail(std::to_string(announcements) +
               " announcements of alternating tracks, through the shipped DLL (loaded after shared.dll, host of "
               "plain objects, the play callback's new-track event)");
  print_detail("baseline: the same Win32 calls and messages to the same windows in a bare loop");
  return 0;
}
