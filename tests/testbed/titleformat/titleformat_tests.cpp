#include <gtest/gtest.h>

#include "titleformat/script.h"

using titleformat::script;
using titleformat::track_info;

namespace {

const char *const default_script =
    "[%artist% - ]$if(%album%,'['%album% $if(%tracknumber%,'#'%tracknumber%,)'] ',)"
    "$if(%title%,%title%,%_filename%)[ '['%length%']']";

std::string format(const std::string &source, const track_info &track) {
  std::string error;
  const auto compiled = script::compile(source, &error);
  EXPECT_NE(compiled, nullptr) << error;
  return compiled ? compiled->format(track) : "<did not compile>";
}

bool compiles(const std::string &source) { return script::compile(source) != nullptr; }

track_info full_track() {
  return {"C:\\Music\\Kino\\06 Gruppa krovi.flac",
          287.4,
          {{"artist", "Kino"},
           {"album", "Gruppa krovi"},
           {"title", "Gruppa krovi"},
           {"tracknumber", "1"},
           {"date", "1988"}}};
}

}  // namespace

TEST(DefaultScript, ShowsArtistAlbumTrackTitleAndLength) {
  EXPECT_EQ(format(default_script, full_track()), "Kino - [Gruppa krovi #01] Gruppa krovi [4:47]");
}

TEST(DefaultScript, LeavesOutWhatTheTrackDoesNotHave) {
  track_info no_number = full_track();
  no_number.tags.erase("tracknumber");
  EXPECT_EQ(format(default_script, no_number), "Kino - [Gruppa krovi ] Gruppa krovi [4:47]");

  track_info no_album = full_track();
  no_album.tags.erase("album");
  EXPECT_EQ(format(default_script, no_album), "Kino - Gruppa krovi [4:47]");

  track_info untitled = full_track();
  untitled.tags.erase("title");
  EXPECT_EQ(format(default_script, untitled), "Kino - [Gruppa krovi #01] 06 Gruppa krovi [4:47]");

  const track_info bare{"/music/untagged.mp3", 0, {}};
  EXPECT_EQ(format(default_script, bare), "untagged");
}

TEST(Fields, MissingFieldsReadAsQuestionMarkAndNamesIgnoreCase) {
  const track_info track{"x.ogg", 3725, {{"Artist", "Aquarium"}}};
  EXPECT_EQ(format("%ARTIST% - %title%", track), "Aquarium - ?");
  EXPECT_EQ(format("%length%", track), "1:02:05");
  EXPECT_EQ(format("%tracknumber%", {"", 0, {{"tracknumber", "7/12"}}}), "07");
  EXPECT_EQ(format("%tracknumber%", {"", 0, {{"tracknumber", "112"}}}), "112");
}

// An edit of a tag stored as "Artist" must not leave a second "artist" beside it for the fields to
// choose between.
TEST(Fields, TagsAreSetAndRemovedUnderTheNameTheyWereStoredWith) {
  track_info track{"x.ogg", 0, {{"Artist", "Aquarium"}}};
  titleformat::set_tag(track, "ARTIST", "Kino");
  titleformat::set_tag(track, "Title", "");
  EXPECT_EQ(track.tags, (std::map<std::string, std::string>{{"Artist", "Kino"}, {"Title", ""}}));
  EXPECT_TRUE(titleformat::remove_tag(track, "artist"));
  EXPECT_FALSE(titleformat::remove_tag(track, "artist"));
  EXPECT_EQ(track.tags, (std::map<std::string, std::string>{{"Title", ""}}));
}

TEST(Syntax, QuotesAndSections) {
  const track_info track = full_track();
  EXPECT_EQ(format("'%artist%' ''quoted''", track), "%artist% 'quoted'");
  EXPECT_EQ(format("[%genre% ]%date%", track), "1988");
  EXPECT_EQ(format("[[%genre%] %date%]", track), " 1988");
  EXPECT_EQ(format("a, b (c)", track), "a, b (c)");
}

TEST(Syntax, MistakesFailCompilation) {
  EXPECT_FALSE(compiles("%artist"));
  EXPECT_FALSE(compiles("[%artist% - "));
  EXPECT_FALSE(compiles("%artist%]"));
  EXPECT_FALSE(compiles("'open"));
  EXPECT_FALSE(compiles("$if(%artist%,x"));
  EXPECT_FALSE(compiles("$nosuch(%artist%)"));
  EXPECT_FALSE(compiles("$upper"));
  EXPECT_FALSE(compiles("$not(a,b)"));
  std::string error;
  EXPECT_EQ(script::compile("x $frobnicate(1)", &error), nullptr);
  EXPECT_NE(error.find("$frobnicate"), std::string::npos);
  EXPECT_TRUE(compiles(""));
}

TEST(Functions, Conditions) {
  const track_info track = full_track();
  EXPECT_EQ(format("$if(%genre%,yes,no)", track), "no");
  EXPECT_EQ(format("$if(%artist%,yes)", track), "yes");
  EXPECT_EQ(format("$if2(%genre%,%date%)", track), "1988");
  EXPECT_EQ(format("$if3(%genre%,%composer%,%album%,none)", track), "Gruppa krovi");
  EXPECT_EQ(format("$if3(%genre%,%composer%,none)", track), "none");
  EXPECT_EQ(format("$if($and(%artist%,%album%),both)", track), "both");
  EXPECT_EQ(format("$if($and(%artist%,%genre%),both,not both)", track), "not both");
  EXPECT_EQ(format("$if($or(%genre%,%date%),one)", track), "one");
  EXPECT_EQ(format("$if($not(%genre%),no genre)", track), "no genre");
}

TEST(Functions, TextCountsCharactersNotBytes) {
  const track_info track{
      "", 0, {{"artist", "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE"}, {"title", "  spaced out  "}}};
  EXPECT_EQ(format("$upper(%artist%)", track), "\xD0\x9A\xD0\x98\xD0\x9D\xD0\x9E");
  EXPECT_EQ(format("$lower(ABC \xC3\x89t\xC3\xA9)", track), "abc \xC3\xA9t\xC3\xA9");
  EXPECT_EQ(format("$caps(hELLO wORLD)", track), "Hello World");
  EXPECT_EQ(format("$left(%artist%,2)", track), "\xD0\x9A\xD0\xB8");
  EXPECT_EQ(format("$right(%artist%,1)", track), "\xD0\xBE");
  EXPECT_EQ(format("$len(%artist%)", track), "4");
  EXPECT_EQ(format("$pad(%artist%,6,.)|", track), "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE..|");
  EXPECT_EQ(format("$num(7,3) $num(1234,2)", track), "007 1234");
  EXPECT_EQ(format("[$trim(%title%)]", track), "spaced out");
  // Four-byte characters count once; a stray byte counts as one replacement character.
  EXPECT_EQ(format("$len(a\xF0\x9F\x8E\xB5\xE2\x82\xAC"
                   "b)",
                   track),
            "4");
  EXPECT_EQ(format("$right(x\xF0\x9F\x8E\xB5,1)", track), "\xF0\x9F\x8E\xB5");
  EXPECT_EQ(format("$left(\xFF\xC0\x80z,2)", track), "\xEF\xBF\xBD\xEF\xBF\xBD");
}
