#include <cstring>

#include "cases.h"
#include "check.h"
#include "host_errors.h"
#include "host_services.h"
#include "started_component.h"
#include "messenger_session.h"
#include "host_streams.h"
#include "stored_chain.h"

namespace {

constexpr GUID unfamiliar = {0x04030201, 0x0605, 0x0807, {0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10}};
const char *const truncation_text = "Unsupported format or corrupted file";

// The text of what the host's catch of Caught took from the call; an exception it let pass is
// caught here all the same, so that the case goes on.
template <typename Caught, typename Call>
void catch_as(host_text &caught, Call call) {
  caught.assign("", pfc::infinite_size);
  try {
    call();
  } catch (const Caught &error) {
    caught.add(error.what());
  } catch (...) {
    caught.add("<an exception this catch did not take>");
  }
}

// A local of a try body as the component's lists and strings are: a table of operations, and a
// destructor that writes to the object's own memory.
class unwound_local {
 public:
  virtual t_size count() const { return count_; }
  __declspec(noinline) ~unwound_local() { forget(); }

 private:
  __declspec(noinline) void forget() { count_ = 0; }
  t_size count_ = 1;
};

class local_error : public std::exception {
 public:
  const char *what() const noexcept override { return "thrown past a local"; }
};

__declspec(noinline) void throw_past(const unwound_local &local) {
  if (local.count() != 0) throw local_error();
}

void load(foobar2000_client *client, const bytes &stored) {
  stored_bytes_stream in(stored.data(), stored.size());
  abort_flag go_on(false);
  client->set_config(&in, go_on);
}

// Whether get_config still holds that record, exactly.
bool kept(foobar2000_client *client, const GUID &key, const char *payload, t_size size) {
  abort_flag go_on(false);
  collected_bytes_stream saved;
  client->get_config(&saved, go_on);
  return holds_record(saved.data(), saved.size(), key, payload, size);
}

}  // namespace

// The same compiler settings build the component: a catch there must receive the exception intact
// after the try body's locals were destroyed.
void a_caught_exception_outlives_the_locals_unwound_before_it() {
  host_text caught;
  catch_as<std::exception>(caught, [] {
    unwound_local local;
    throw_past(local);
  });
  check_text(caught.text(), "thrown past a local", "the catch receives the exception the body threw");
}

void component_errors_reach_the_host_by_name() {
  player_services host;
  started_component component(host.api);
  foobar2000_client *client = component.client();
  if (client == nullptr) return;

  // A record whose size field claims more than the stored bytes hold.
  bytes cut;
  add_record_head(cut, setting::top_text, 40);
  add_text(cut, "Short");
  host_text caught;
  catch_as<std::exception>(caught, [&] { load(client, cut); });
  check_text(caught.text(), truncation_text,
             "a record cut short ends set_config in the component's error, "
             "caught as std::exception");
  catch_as<foobar2000_io::exception_io_data>(caught, [&] { load(client, cut); });
  check_text(caught.text(), truncation_text, "the same error is caught as foobar2000_io::exception_io_data");

  catch_as<std::exception>(caught, [&] {
    collected_bytes_stream saved;
    abort_flag aborting(true);
    client->get_config(&saved, aborting);
  });
  check_text(caught.text(), "User abort",
             "get_config with the abort flag set ends in the component's abort, "
             "caught as std::exception");
}

void host_stream_errors_cross_the_loader() {
  player_services host;
  started_component component(host.api);
  foobar2000_client *client = component.client();
  if (client == nullptr) return;

  const char *const kept_text = "Прервано на середине";
  bytes cut_in_size;
  add_switch_record(cut_in_size, setting::enabled, 0);
  add_text_record(cut_in_size, setting::top_text, kept_text);
  add_record_head(cut_in_size, setting::music_status_only, 1);
  cut_in_size.truncate(cut_in_size.size() - 2);
  host_text caught;
  catch_as<host_stream_error>(caught, [&] { load(client, cut_in_size); });
  check_text(caught.text(), short_read_text,
             "the host stream's failed exact read reaches the host's own catch");
  check(kept(client, setting::enabled, "\0", 1), "the switch stored before the cut size field is kept");
  check(kept(client, setting::top_text, kept_text, static_cast<t_size>(std::strlen(kept_text))),
        "the text stored before the cut size field is kept");

  bytes cut_in_skip;
  add_switch_record(cut_in_skip, setting::music_status_only, 1);
  add_record_head(cut_in_skip, unfamiliar, 100);
  add_text(cut_in_skip, "ten bytes.");
  catch_as<host_stream_error>(caught, [&] { load(client, cut_in_skip); });
  check_text(caught.text(), short_skip_text,
             "the host stream's failed exact skip reaches the host's own catch");
  check(kept(client, setting::music_status_only, "\1", 1), "the switch stored before the cut record is kept");
}

void title_formatting_error_is_reported_on_the_console() {
  messenger_session session;
  if (!session.started()) return;
  player_services &host = session.host;
  started_component &component = session.component;
  foobar2000_client *client = component.client();

  client->services_init(true);
  component.service<initquit>()->on_init();
  const char *const failure = "the host's title formatting is out of order: сбой \xE2\x9A\xA0";
  host.compiler.fail_with(failure);
  host_track song("Звезда по имени Солнце");
  host.playback.set_playing(&song);
  song.service_add_ref();
  play_callback *events = component.service<play_callback_static>();
  events->on_playback_new_track(&song);

  host_text expected("Exception occurred while getting the title:\n");
  expected.add(failure);
  // The error, then why the track is not shown; the top line is not formatted for a track not shown.
  check_number(host.console.count(), 2, "the failed title formatting and what comes of it are reported");
  check_text(host.console.line(0), expected.text(), "the console entry carries the host's exception text");
  check(host.playback.taken() > 0 && host.compiler.taken() > 0,
        "the announcement asked for the host's services");
  check_number(host.playback.references(), 1, "the playback control's references are released");
  check_number(host.compiler.references(), 1, "the title-format compiler's references are released");
  check_number(song.references(), 1, "the track's references are released");
}
