#pragma once

#include <memory>

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

class player_titleformat_compiler : public counted<titleformat_compiler> {
 public:
  bool compile(titleformat_object **out, const char *script) override;
};
