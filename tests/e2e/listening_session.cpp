#include "listening_session.h"

#include <gtest/gtest.h>

#include "program_folder.h"

const std::string kino =
    "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE - [\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0 "
    "\xD0\xBA\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB8 #01] \xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0 "
    "\xD0\xBA\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB8 [4:47]";
const wchar_t kino_wide[] =
    L"\u041A\u0438\u043D\u043E - [\u0413\u0440\u0443\u043F\u043F\u0430 \u043A\u0440\u043E\u0432\u0438 #01] "
    L"\u0413\u0440\u0443\u043F\u043F\u0430 \u043A\u0440\u043E\u0432\u0438 [4:47]";
const std::string kyu =
    "\xE5\x9D\x82\xE6\x9C\xAC\xE4\xB9\x9D - \xE4\xB8\x8A\xE3\x82\x92\xE5\x90\x91\xE3\x81\x84\xE3\x81\xA6"
    "\xE6\xAD\xA9\xE3\x81\x93\xE3\x81\x86 [3:05]";
const std::string sigur = "Sigur R\xC3\xB3s - [\xC3\x81g\xC3\xA6tis byrjun #02] Svefn-g-englar [3:24]";

fields playing(const std::string &line) { return {"11", "Now Playing:", line}; }

void listening_session::open_player(const std::wstring &arguments) {
  player_.reset();
  player_.emplace(profile_, arguments);
  does("echo started");
}

void listening_session::does(const std::string &command) {
  const std::string marker = "step " + std::to_string(++steps_) + " done\n";
  player_->type(command + "\necho " + marker);
  ASSERT_TRUE(player_->wait_for(marker)) << "the player did not carry out '" << command << "'\n"
                                         << player_->output();
}

void listening_session::hears(const std::string &text) {
  ASSERT_TRUE(player_->wait_for(text)) << "the player did not say '" << text << "'\n" << player_->output();
}

void listening_session::quit_player() {
  player_->type("quit\n");
  player_->finish();
}

void listening_session::kill_player() { player_->kill(); }

std::string listening_session::output() const { return player_ ? player_->output() : std::string(); }
