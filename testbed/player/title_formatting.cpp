#include "title_formatting.h"

#include "console_output.h"

namespace {

constexpr UINT rest_ms = 1000;

// The compiler whose timer runs; the player has one.
player_titleformat_compiler *waiting = nullptr;

}  // namespace

player_titleformat_compiler::~player_titleformat_compiler() {
  stop_waiting();
  tell_failure();
}

bool player_titleformat_compiler::compile(titleformat_object **out, const char *script) {
  std::string error;
  std::unique_ptr<titleformat::script> compiled = titleformat::script::compile(script, &error);
  if (!compiled) {
    wait_for_rest(script, error);
    return false;
  }
  // Mended before the rest: nothing to tell.
  stop_waiting();
  failed_script_.clear();
  if (*out != nullptr) (*out)->service_release();
  *out = new compiled_script(std::move(compiled));
  return true;
}

void CALLBACK player_titleformat_compiler::rested(HWND, UINT, UINT_PTR, DWORD) {
  player_titleformat_compiler *compiler = waiting;
  if (compiler == nullptr) return;
  compiler->stop_waiting();
  compiler->tell_failure();
}

void player_titleformat_compiler::wait_for_rest(const std::string &script, const std::string &error) {
  stop_waiting();
  failed_script_ = script;
  failure_ = error;
  if (told_.count(script) != 0) return;
  timer_ = SetTimer(nullptr, 0, rest_ms, rested);
  waiting = timer_ != 0 ? this : nullptr;
  // Without a timer the failure is told at once rather than never.
  if (timer_ == 0) tell_failure();
}

void player_titleformat_compiler::stop_waiting() {
  if (timer_ != 0) KillTimer(nullptr, timer_);
  timer_ = 0;
  waiting = nullptr;
}

void player_titleformat_compiler::tell_failure() {
  if (failed_script_.empty() || !told_.insert(failed_script_).second) return;
  say("player: the script \"%s\" does not compile: %s\n", failed_script_.c_str(), failure_.c_str());
}
