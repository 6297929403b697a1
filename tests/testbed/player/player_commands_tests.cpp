// What the stand-in player tells a person who drives it by hand: its usage, why a command cannot
// act, why a component or a playlist does not load.
#include <gtest/gtest.h>

#include "player_output.h"
#include "player_run.h"
#include "program_folder.h"

namespace {

TEST(player_usage, help_prints_the_options_and_points_to_the_commands) {
  scratch_profile profile;
  for (const wchar_t *asking : {L"--help", L"-h", L"/?"}) {
    const player_result run = run_program(profile, L"player.exe", asking);
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    EXPECT_EQ(run.output.rfind("usage: player [--profile DIR]", 0), 0u) << run.output;
    for (const char *option :
         {"--profile DIR", "--playlist FILE", "--script FILE", "--info", "COMPONENT.dll"}) {
      EXPECT_TRUE(contains(run.output, option)) << option;
    }
    EXPECT_TRUE(contains(run.output, "The command 'help' lists them")) << run.output;
  }
}

TEST(player_usage, an_unknown_option_is_named_and_fails) {
  scratch_profile profile;
  const player_result run = run_program(profile, L"player.exe", L"--volume 3");
  EXPECT_EQ(run.exit_code, 2u);
  EXPECT_EQ(run.output.rfind("player: unexpected argument --volume\nusage: player", 0), 0u) << run.output;
}

TEST(player_commands, play_says_what_is_wrong_with_an_entry_number) {
  scratch_profile profile;
  const player_result run =
      run_player(profile, sample_playlist(),
                 "play 0\nplay -1\nplay 6\nplay 99999999999999999999\nplay abc\nplay 2abc\n"
                 "play 1 2\nstatus\nplay 5\nquit\n");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_EQ(player_lines(run.output),
            (std::vector<std::string>{
                "player: there is no entry 0: the playlist has entries 1 to 5",
                "player: there is no entry -1: the playlist has entries 1 to 5",
                "player: there is no entry 6: the playlist has entries 1 to 5",
                "player: there is no entry 99999999999999999999: the playlist has entries 1 to 5",
                "player: play takes an entry number: abc",
                "player: play takes an entry number: 2abc",
                "player: play takes one entry number",
                "player: status: stopped",
                "player: menu [x] Enable Tunesignal",
                "player: playing: C:\\Music\\Emoji\\Party.flac",
            }))
      << run.output;
}

TEST(player_commands, play_without_a_playlist_says_the_playlist_is_empty) {
  scratch_profile profile;
  const player_result run = run_player(profile, L"", "play\nplay 1\nquit\n");
  EXPECT_EQ(player_lines(run.output),
            (std::vector<std::string>{"player: there is no entry 1: the playlist is empty",
                                      "player: there is no entry 1: the playlist is empty"}))
      << run.output;
}

TEST(player_commands, the_transport_says_why_it_cannot_act) {
  scratch_profile profile;
  const player_result run =
      run_player(profile, sample_playlist(),
                 "next\npause\nresume\nstop\nplay 4\nresume\nnext\npause\npause\nnext\nquit\n");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_EQ(player_lines(run.output), (std::vector<std::string>{
                                          "player: cannot go to the next track: nothing is playing",
                                          "player: cannot pause: nothing is playing",
                                          "player: cannot resume: nothing is playing",
                                          "player: cannot stop: nothing is playing",
                                          "player: playing: C:\\Music\\Misc\\untagged recording.wav",
                                          "player: cannot resume: it is not paused",
                                          "player: next track: C:\\Music\\Emoji\\Party.flac",
                                          "player: paused",
                                          "player: cannot pause: it is paused already",
                                          "player: cannot go to the next track: entry 5 is the last",
                                      }))
      << run.output;
}

// The stream's clock runs only while it plays: had the pause not held it, its second title would come
// before the resume. After its last title the next entry starts as at a track's end.
TEST(player_commands, a_stream_sends_its_titles_while_it_plays_and_a_tag_is_edited_only_while_one_plays) {
  scratch_profile profile;
  const std::string playlist = R"({"tracks": [
      {"path": "http://radio", "stream": [{"title": "A", "seconds": 0.4}, {"title": "B", "seconds": 0.4}]},
      {"path": "b.flac"}]})";
  profile.write(L"stream.json", bytes(playlist.begin(), playlist.end()));
  const player_result run = run_player(profile, L"--playlist \"" + profile.file(L"stream.json") + L"\"",
                                       "tag genre Rock\nplay 1\npause\nwait 700\nresume\nwait 1100\n"
                                       "tag  genre   Jazz  and  Soul \ntag GENRE\ntag genre\ntag\nquit\n");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_EQ(player_lines(run.output),
            (std::vector<std::string>{
                "player: cannot edit a tag: nothing is playing",
                "player: playing: http://radio",
                "player: stream title: A",
                "player: paused",
                "player: resumed",
                "player: stream title: B",
                "player: next track: b.flac",
                "player: tag genre set to \"Jazz  and  Soul\": b.flac",
                "player: tag GENRE removed: b.flac",
                "player: cannot edit a tag: the playing track has no tag \"genre\" to remove",
                "player: tag takes a field and its text: tag FIELD VALUE (no VALUE removes the tag)",
            }))
      << run.output;
}

TEST(player_loading, says_in_words_why_a_component_does_not_load) {
  scratch_profile profile;
  const std::wstring missing = profile.file(L"missing_component.dll");
  const std::string missing_text(missing.begin(), missing.end());
  const player_result absent = run_player(profile, L"\"" + missing + L"\"", "quit\n");
  EXPECT_EQ(absent.exit_code, 1u);
  EXPECT_TRUE(contains(absent.output, "player: cannot load " + missing_text + ": there is no such file\n"))
      << absent.output;

  const std::string text = "just some text";
  profile.write(L"text.dll", bytes(text.begin(), text.end()));
  const std::wstring not_a_dll = profile.file(L"text.dll");
  const player_result foreign = run_player(profile, L"\"" + not_a_dll + L"\"", "quit\n");
  EXPECT_EQ(foreign.exit_code, 1u);
  EXPECT_TRUE(contains(foreign.output, "player: cannot load " +
                                           std::string(not_a_dll.begin(), not_a_dll.end()) +
                                           ": not a 32-bit Windows DLL (error 193)\n"))
      << foreign.output;
}

TEST(player_loading, a_script_that_cannot_be_opened_stops_the_start) {
  scratch_profile profile;
  const std::wstring script = profile.file(L"no_such_script.txt");
  const player_result run = run_program(profile, L"player.exe", L"--script \"" + script + L"\"");
  EXPECT_EQ(run.exit_code, 1u);
  EXPECT_TRUE(contains(run.output, "player: cannot open the script " +
                                       std::string(script.begin(), script.end()) +
                                       ": the file was not found (error 2)\n"))
      << run.output;
  EXPECT_FALSE(profile.exists(L"foo_tunesignal.cfg"));
}

struct playlist_fault {
  const char *json;
  const char *message;
};

TEST(player_loading, names_the_entry_and_the_field_of_a_faulty_playlist) {
  const playlist_fault faults[] = {
      {R"({"tracks": [{"path": "a"}, {"path": "b"}, {"path": "c", "length": "long"}]})",
       R"(entry 3: "length" must be a number of seconds)"},
      {R"({"tracks": [{"path": "a", "length": -1}]})", R"(entry 1: "length" must be a number of seconds)"},
      {R"({"tracks": [{"path": "a"}, {"length": 20}]})", R"(entry 2: "path" is missing)"},
      {R"({"tracks": [{"path": 7}]})", R"(entry 1: "path" must be a text)"},
      {R"({"tracks": ["a.flac"]})", R"(entry 1: must be an object with a "path")"},
      {R"({"tracks": [{"path": "a", "lenght": 20}]})",
       R"(entry 1: unknown field "lenght" (known: path, length, tags, stream))"},
      {R"({"tracks": [{"path": "r", "stream": [{"title": "A", "seconds": 1}, {"title": "B", "seconds": 0}]}]})",
       R"(entry 1: stream title 2: "seconds" must be a number of seconds above 0, at most 86400)"},
      {R"({"tracks": [{"path": "r", "length": 9, "stream": [{"title": "A", "seconds": 1}]}]})",
       R"(entry 1: a stream has no "length": its titles have "seconds")"},
      {R"({"tracks": [{"path": "a", "tags": ["x"]}]})",
       R"(entry 1: "tags" must be an object of tag names and texts)"},
      {R"({"tracks": [{"path": "a", "tags": {"artist": {"x": 1}}}]})",
       R"(entry 1: tag "artist" must be a text or a number)"},
      {R"({"name": "x"})", R"("tracks" is missing)"},
      {R"({"tracks": {"path": "a"}})", R"("tracks" must be a list of entries)"},
      {R"({"name": 3, "tracks": []})", R"("name" must be a text)"},
      {R"([{"path": "a"}])", R"(must hold an object with a list "tracks")"},
      {"{\"tracks\": [\n{\"path\": \"a\",}\n]}", "not valid JSON: parse error at line 2, column 14"},
  };
  scratch_profile profile;
  const std::wstring path = profile.file(L"faulty.json");
  const std::string shown = "player: playlist " + std::string(path.begin(), path.end()) + ": ";
  for (const playlist_fault &fault : faults) {
    SCOPED_TRACE(fault.json);
    const std::string json = fault.json;
    profile.write(L"faulty.json", bytes(json.begin(), json.end()));
    const player_result run = run_player(profile, L"--playlist \"" + path + L"\"", "quit\n");
    EXPECT_EQ(run.exit_code, 1u);
    EXPECT_EQ(run.output.rfind(shown + fault.message, 0), 0u) << run.output;
  }
}

}  // namespace
