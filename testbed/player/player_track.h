#pragma once

#include "counted.h"
#include "host_service_bases.h"
#include "titleformat/track_info.h"

// A track handle as the component receives it: one per playlist entry, alive for the whole run.
class player_track : public counted<track_base> {
 public:
  explicit player_track(titleformat::track_info info) : info_(std::move(info)) {}

  const titleformat::track_info &info() const { return info_; }

  bool format_title(void *hook, pfc::string_base &out, titleformat_object *script, void *filter) override;

 private:
  titleformat::track_info info_;
};
