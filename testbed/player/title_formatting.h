#pragma once

#include <windows.h>

#include <memory>
#include <set>
#include <string>

#include "counted.h"
#include "titleformat/script.h"

// A script compiled for the component; it lives as long as the component holds it.
class compiled_script : public counted_handout<titleformat_object> {
 public:
  explicit compiled_script(std::unique_ptr<titleformat::script> script) : script_(std::move(script)) {}

  std::string format(const titleformat::track_info &track) const { return script_->format(track); }

  // Every titleformat_object the component hands back was made by this player.
  static const compiled_script &of(titleformat_object *object) {
    return *static_cast<compiled_script *>(object);
  }

 private:
  std::unique_ptr<titleformat::script> script_;
};

// The preset editor has its script compiled at every key, and most of what a person has typed
// between two keys does not compile. So a script that fails is told on the console once the
// compiling has rested a second (or when the player ends), and each script text only once.
class player_titleformat_compiler : public counted<titleformat_compiler> {
 public:
  player_titleformat_compiler() = default;
  ~player_titleformat_compiler();
  player_titleformat_compiler(const player_titleformat_compiler &) = delete;
  player_titleformat_compiler &operator=(const player_titleformat_compiler &) = delete;

  bool compile(titleformat_object **out, const char *script) override;

 private:
  static void CALLBACK rested(HWND, UINT, UINT_PTR timer, DWORD);
  void wait_for_rest(const std::string &script, const std::string &error);
  void stop_waiting();
  void tell_failure();

  std::string failed_script_;
  std::string failure_;
  UINT_PTR timer_ = 0;
  std::set<std::string> told_;
};
