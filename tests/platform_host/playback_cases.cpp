#include "cases.h"
#include "check.h"
#include "host_services.h"
#include "started_component.h"
#include "messenger_session.h"
#include "host_streams.h"
#include "stored_chain.h"

namespace {

// The player's mark of a checked menu item.
constexpr t_uint32 menu_item_checked = 2;

void start_track(player_services &host, play_callback *events, host_track &started) {
  host.playback.set_playing(&started);
  started.service_add_ref();
  events->on_playback_new_track(&started);
}

bool shows_checked(mainmenu_commands *menu) {
  host_text text;
  t_uint32 flags = 0;
  menu->get_display(0, text, flags);
  check_text(text.text(), "Enable Tunesignal", "the menu item shows its name");
  return (flags & menu_item_checked) != 0;
}

void check_published(const messenger_process &messenger, const host_text &expected, const char *behaviour) {
  host_text log;
  read_status_log(messenger, log);
  check_text(log.text(), expected.text(), behaviour);
}

}  // namespace

void menu_switch_and_playback_drive_the_messenger() {
  messenger_session session;
  if (!session.started()) return;
  player_services &host = session.host;
  const messenger_process &messenger = session.messenger;
  started_component &component = session.component;
  foobar2000_client *client = component.client();

  // Texts the host formats, so that what the messenger shows went through the boundary both ways.
  bytes stored;
  add_text_record(stored, setting::top_text, "Слушаю:");
  add_text_record(stored, setting::active_script, "\xE2\x99\xAA %title%");
  stored_bytes_stream in(stored.data(), stored.size());
  abort_flag go_on(false);
  client->set_config(&in, go_on);
  client->services_init(true);
  component.service<initquit>()->on_init();
  mainmenu_commands *menu = component.service<mainmenu_commands>();
  play_callback *events = component.service<play_callback_static>();

  host_text published;
  host_track star("Звезда по имени Солнце");
  start_track(host, events, star);
  published.add("11\tСлушаю:\t\xE2\x99\xAA Звезда по имени Солнце\n");
  check_published(messenger, published,
                  "a new track publishes the music picture and the host's formatted texts");

  host.playback.set_playing(nullptr);
  events->on_playback_stop(0);
  published.add(users_own_status_line);
  check_published(messenger, published, "a stop puts the user's own status back");

  check(shows_checked(menu), "while on, the menu item is checked");
  menu->execute(0, nullptr);
  check_published(messenger, published, "switching off with the user's status on display publishes nothing");
  check(!shows_checked(menu), "after switching off, the menu item is not checked");

  host_track blood("Группа крови");
  start_track(host, events, blood);
  check_published(messenger, published, "a new track while off publishes nothing");

  menu->execute(0, nullptr);
  check(shows_checked(menu), "after switching on, the menu item is checked again");
  published.add("11\tСлушаю:\t\xE2\x99\xAA Группа крови\n");
  check_published(messenger, published, "switching on while a track plays publishes it at once");
  host_track cuckoo("Кукушка");
  start_track(host, events, cuckoo);
  published.add("11\tСлушаю:\t\xE2\x99\xAA Кукушка\n");
  check_published(messenger, published, "once on again, a new track is published");

  // A stream's next title and an edit of the playing track's tags.
  play_callback_static *callback = component.service<play_callback_static>();
  check_number(callback->get_flags(), 182,
               "the component asks for new tracks, stops, pauses, edits and the playing track's information");
  cuckoo.retitle("Кукушка (live)");
  events->on_playback_dynamic_info_track(nullptr);
  published.add("11\tСлушаю:\t\xE2\x99\xAA Кукушка (live)\n");
  check_published(messenger, published, "a stream's next title is published");
  events->on_playback_dynamic_info_track(nullptr);
  check_published(messenger, published, "the same title again publishes nothing");
  cuckoo.retitle("Кукушка");
  cuckoo.service_add_ref();
  events->on_playback_edited(&cuckoo);
  published.add("11\tСлушаю:\t\xE2\x99\xAA Кукушка\n");
  check_published(messenger, published, "an edit of the playing track's tags is published");

  // A stream's new title, then an edit of the tags, each to be ignored.
  const auto retitled_and_edited = [&](const char *title) {
    cuckoo.retitle(title);
    events->on_playback_dynamic_info_track(nullptr);
    cuckoo.service_add_ref();
    events->on_playback_edited(&cuckoo);
  };
  menu->execute(0, nullptr);
  published.add(users_own_status_line);
  retitled_and_edited("Кукушка (remix)");
  check_published(messenger, published, "while off, new titles and edits publish nothing");
  menu->execute(0, nullptr);
  published.add("11\tСлушаю:\t\xE2\x99\xAA Кукушка (remix)\n");
  component.service<initquit>()->on_quit();
  published.add(users_own_status_line);
  retitled_and_edited("Кукушка (demo)");
  check_published(messenger, published, "after the quit hook, new titles and edits publish nothing");

  check_text(host.console.line(0), "", "the console stays quiet");
  check(host.playback.taken() > 0 && host.compiler.compiled() > 0,
        "the announcements used the host's formatting");
  check_number(host.playback.references(), 1, "the playback control's references are released");
  check_number(host.compiler.references(), 1, "the title-format compiler's references are released");
  check(host.compiler.scripts_released(), "every compiled script is released");
  check(star.references() == 1 && blood.references() == 1 && cuckoo.references() == 1,
        "every track is released");
}
