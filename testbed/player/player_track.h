#pragma once

#include <string>
#include <vector>

#include "counted.h"
#include "host_service_bases.h"
#include "titleformat/track_info.h"

// One song of a stream: the title it sends and how long it plays.
struct stream_title {
  std::string title;
  double seconds;
};

// A track handle as the component receives it: one per playlist entry, alive for the whole run.
// An entry that is a stream has its titles too; its tags are the stream's own (a station's name).
class player_track : public counted<track_base> {
 public:
  explicit player_track(titleformat::track_info info, std::vector<stream_title> stream = {})
      : info_(std::move(info)), stream_(std::move(stream)) {}

  const titleformat::track_info &info() const { return info_; }
  // Empty for a file.
  const std::vector<stream_title> &stream() const { return stream_; }

  // Sets the tag `name` (letter case aside) to `text`, or removes it when `text` is empty; false
  // when there was no such tag to remove.
  bool edit_tag(const std::string &name, const std::string &text);

  bool format_title(void *hook, pfc::string_base &out, titleformat_object *script, void *filter) override;

 private:
  titleformat::track_info info_;
  std::vector<stream_title> stream_;
};
